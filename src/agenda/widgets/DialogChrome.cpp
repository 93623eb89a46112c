#include "agenda/widgets/DialogChrome.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>
#include <QWindow>

using namespace Qt::StringLiterals;

namespace brivane::agenda::widgets {

WindowDragger::WindowDragger(QWidget* window) : QObject(window), m_window(window) {}

void WindowDragger::watch(QWidget* part)
{
    part->installEventFilter(this);
}

bool WindowDragger::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton)
            break;
        if (m_window->windowHandle() && m_window->windowHandle()->startSystemMove())
            return true;
        m_dragging = true;
        m_offset = mouse->globalPosition().toPoint() - m_window->frameGeometry().topLeft();
        return true;
    }
    case QEvent::MouseMove:
        if (m_dragging) {
            m_window->move(static_cast<QMouseEvent*>(event)->globalPosition().toPoint() - m_offset);
            return true;
        }
        break;
    case QEvent::MouseButtonRelease:
        m_dragging = false;
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

DialogTitleBar::DialogTitleBar(const QString& title, const QColor& color, QWidget* parent)
    : QWidget(parent), m_title(new QLabel(title, this))
{
    setObjectName(u"Panel_Title"_s);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, color);
    // Dark text on light kind colours, light text on dark ones.
    palette.setColor(QPalette::WindowText, color.lightness() < 128 ? Qt::white : Qt::black);
    setPalette(palette);
    setCursor(Qt::SizeAllCursor);

    QFont font = m_title->font();
    font.setBold(true);
    m_title->setFont(font);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(8, 4, 8, 4);
    layout->addWidget(m_title);
    layout->addStretch();
}

QString DialogTitleBar::title() const
{
    return m_title->text();
}

KindFrame* frameDialog(QWidget* dialog, const QString& title, const QColor& color, QLayout* body)
{
    auto* frame = new KindFrame(color);
    auto* titleBar = new DialogTitleBar(title, color);
    auto* dragger = new WindowDragger(dialog);
    dragger->watch(titleBar);
    dragger->watch(frame);

    body->setContentsMargins(10, 8, 10, 10);
    auto* frameLayout = new QVBoxLayout(frame);
    constexpr int border = KindFrame::kBorder;
    frameLayout->setContentsMargins(border, border, border, border);
    frameLayout->setSpacing(0);
    frameLayout->addWidget(titleBar);
    frameLayout->addLayout(body, 1);

    auto* outer = new QVBoxLayout(dialog);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(frame);
    return frame;
}

void fitToContents(QWidget* dialog)
{
    for (QLayout* layout : dialog->findChildren<QLayout*>())
        layout->invalidate();
    if (dialog->layout())
        dialog->layout()->activate();
    dialog->adjustSize();
}

KindFrame::KindFrame(const QColor& color, QWidget* parent) : QWidget(parent), m_color(color) {}

void KindFrame::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect area = rect();
    painter.fillRect(QRect(area.topLeft(), QSize(area.width(), kBorder)), m_color);
    painter.fillRect(QRect(QPoint(area.left(), area.bottom() - kBorder + 1), QSize(area.width(), kBorder)),
                     m_color);
    painter.fillRect(QRect(area.topLeft(), QSize(kBorder, area.height())), m_color);
    painter.fillRect(QRect(QPoint(area.right() - kBorder + 1, area.top()), QSize(kBorder, area.height())),
                     m_color);
}

void scaleFont(QWidget* dialog, int scalePercent)
{
    if (scalePercent <= 100)
        return;
    QFont scaled = dialog->font();
    scaled.setPointSizeF(scaled.pointSizeF() * scalePercent / 100.0);
    dialog->setFont(scaled);
}

void chainTabOrder(const QList<QWidget*>& widgets)
{
    for (qsizetype i = 1; i < widgets.size(); ++i)
        QWidget::setTabOrder(widgets[i - 1], widgets[i]);
}

} // namespace brivane::agenda::widgets
