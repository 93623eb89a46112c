#include "ui/ColorSwatch.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace brivane::ui {

ColorSwatch::ColorSwatch(const QString& objectName, QWidget* parent) : QFrame(parent)
{
    setObjectName(objectName);
    setFrameShape(QFrame::Box);
    setFixedSize(28, 20);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
}

void ColorSwatch::setColor(const QColor& color)
{
    m_color = color;
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, color);
    setPalette(palette);
}

void ColorSwatch::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
    QFrame::mouseReleaseEvent(event);
}

void ColorSwatch::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        Q_EMIT clicked();
        return;
    }
    QFrame::keyPressEvent(event);
}

} // namespace brivane::ui
