#pragma once

#include <QColor>
#include <QImage>
#include <QList>
#include <QStringList>

namespace brivane::themes {

// The nine 16 x 16 squares that stand for the sections in menus and lists:
// each filled with its section colour (or the built-in one when
// `defaultColors`), outlined in black when `border`, else in `buttonFace`.
QList<QImage> sectionLeds(const QStringList& sectionColors, bool border, bool defaultColors, const QColor& buttonFace);

} // namespace brivane::themes
