#include "themes/SectionLeds.h"

#include "themes/ColorText.h"
#include "themes/SectionColorsFile.h"

#include <QPainter>

namespace brivane::themes {

QList<QImage> sectionLeds(const QStringList& sectionColors, bool border, bool defaultColors, const QColor& buttonFace)
{
    const QStringList builtin = builtinSectionColors();
    QList<QImage> leds;
    for (int i = 0; i < 9; ++i) {
        QImage led(16, 16, QImage::Format_ARGB32);
        const QColor fill = colorFromText(defaultColors ? builtin.at(i) : sectionColors.value(i), buttonFace);
        led.fill(fill);
        QPainter painter(&led);
        painter.setPen(border ? QColor(Qt::black) : buttonFace);
        painter.drawRect(0, 0, 15, 15);
        leds << led;
    }
    return leds;
}

} // namespace brivane::themes
