#pragma once

#include <QImage>
#include <QString>

namespace brivane::themes {

// Reads a button or title-bar picture. A file that is missing, is no
// readable picture, or is absurdly large gives a null image, so the element
// keeps what it showed. As on the desktop this program's themes come from,
// the colour of the bottom-left pixel of a bitmap without alpha is the
// transparent colour.
QImage loadThemePicture(const QString& path);
// Writes a picture as a Windows bitmap: transparent pixels in the key colour
// (magenta) at the bottom-left corner, the rest opaque.
bool saveThemePicture(const QImage& image, const QString& path);

} // namespace brivane::themes
