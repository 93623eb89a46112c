#include "themes/widgets/TitleBarPainter.h"

#include <QEvent>
#include <QLabel>
#include <QPainter>

namespace brivane::themes::widgets {

namespace {

constexpr int kSideWidth = 150;

void drawArea(QPainter& painter, const QRect& area, const TitleBarLook::Area& picture, bool centred)
{
    if (area.isEmpty() || picture.picture.isNull())
        return;
    if (picture.stretched) {
        painter.drawImage(area, picture.picture);
        return;
    }
    QRect target(QPoint(0, 0), picture.picture.size());
    if (centred)
        target.moveCenter(area.center());
    else
        target.moveTopLeft(area.topLeft());
    painter.save();
    painter.setClipRect(area);
    painter.drawImage(target, picture.picture);
    painter.restore();
}

} // namespace

TitleBarPainter::TitleBarPainter(QWidget* bar, QLabel* title) : QObject(bar), m_bar(bar), m_title(title)
{
    bar->installEventFilter(this);
}

void TitleBarPainter::setLook(const TitleBarLook& look)
{
    m_look = look;
    m_bar->setFixedHeight(look.height());
    if (m_title) {
        QPalette palette = m_title->palette();
        QColor text = palette.color(QPalette::WindowText);
        text.setAlpha(look.titleShown ? 255 : 0);
        palette.setColor(QPalette::WindowText, text);
        m_title->setPalette(palette);
    }
    m_bar->update();
}

QRect TitleBarPainter::leftArea() const
{
    return m_look.sidesShown ? QRect(0, 0, kSideWidth, m_bar->height()) : QRect();
}

QRect TitleBarPainter::rightArea() const
{
    return m_look.sidesShown ? QRect(m_bar->width() - kSideWidth, 0, kSideWidth, m_bar->height()) : QRect();
}

QRect TitleBarPainter::middleArea() const
{
    if (!m_look.sidesShown)
        return m_bar->rect();
    return QRect(kSideWidth, 0, qMax(0, m_bar->width() - 2 * kSideWidth), m_bar->height());
}

bool TitleBarPainter::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_bar && event->type() == QEvent::Paint) {
        QPainter painter(m_bar);
        drawArea(painter, leftArea(), m_look.left, false);
        drawArea(painter, middleArea(), m_look.middle, true);
        drawArea(painter, rightArea(), m_look.right, false);
    }
    return QObject::eventFilter(watched, event);
}

} // namespace brivane::themes::widgets
