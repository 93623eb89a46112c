#include "themes/widgets/SectionTabStrip.h"

#include <QEvent>
#include <QPainter>
#include <QTabBar>

namespace brivane::themes::widgets {

SectionTabStrip::SectionTabStrip(QTabBar* bar) : QObject(bar), m_bar(bar)
{
    bar->installEventFilter(this);
}

void SectionTabStrip::setFilled(bool filled)
{
    m_filled = filled;
    m_bar->update();
}

void SectionTabStrip::setColors(const QList<QColor>& colors, const QColor& captionColor)
{
    m_colors = colors;
    m_caption = captionColor;
    m_bar->update();
}

QColor SectionTabStrip::fillOf(int index) const
{
    return m_filled ? m_colors.value(index) : QColor();
}

bool SectionTabStrip::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_bar && event->type() == QEvent::Paint && m_filled) {
        paint();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void SectionTabStrip::paint()
{
    QPainter painter(m_bar);
    painter.fillRect(m_bar->rect(), m_bar->palette().window());
    painter.setFont(m_bar->font());
    const int current = m_bar->currentIndex();
    for (int i = 0; i < m_bar->count(); ++i) {
        if (!m_bar->isTabVisible(i))
            continue;
        QRect rect = m_bar->tabRect(i).adjusted(1, 0, -1, 0);
        if (i != current)
            rect.adjust(0, 3, 0, 0);
        const QColor fill = m_colors.value(i, m_bar->palette().button().color());
        painter.setPen(i == current ? fill.darker(160) : fill.darker(125));
        painter.setBrush(i == current ? fill : fill.lighter(112));
        painter.drawRoundedRect(rect.adjusted(0, 0, -1, 4), 4, 4);
        painter.setPen(m_caption);
        QFont font = m_bar->font();
        font.setBold(i == current);
        painter.setFont(font);
        painter.drawText(rect, Qt::AlignCenter | Qt::TextSingleLine, m_bar->tabText(i).trimmed());
    }
}

} // namespace brivane::themes::widgets
