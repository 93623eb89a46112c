#pragma once

#include "themes/ButtonPictures.h"

#include <QImage>
#include <QStringList>

namespace brivane::themes {

// The program's own glyphs (converted from the Tango icon theme, see
// src/themes/art/README.md): each a 64 x 32 bitmap holding the normal
// picture and its disabled version side by side.
ButtonPictures builtinButtonPictures();
// The note marker of the grids, 18 x 16.
QImage notePicture();
// A 372 x 255 picture of a window dressed in the given section colours.
QImage builtinPreview(const QStringList& sectionColors);
// A 32 x 32 glyph shown beside a grey copy of itself.
QImage withDisabledHalf(const QImage& glyph);

} // namespace brivane::themes
