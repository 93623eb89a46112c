#include "platform/widgets/ColorDialog.h"

#include <QColorDialog>

namespace brivane::platform {

namespace {
bool scripted = false;
QList<QColor> nextColors;
} // namespace

QColor ColorDialog::choose(QWidget* parent, const QColor& initial)
{
    if (scripted)
        return nextColors.isEmpty() ? QColor() : nextColors.takeFirst();
    return QColorDialog::getColor(initial, parent);
}

void ColorDialog::setScripted(bool value)
{
    scripted = value;
}

void ColorDialog::setNextColors(const QList<QColor>& colors)
{
    nextColors = colors;
}

} // namespace brivane::platform
