#pragma once

#include <QImage>
#include <QString>

namespace brivane::sky {

// The base pictures of the Moon picture: our own drawing of the full Moon's
// near side on a black ground, at 64, 32 and 16 pixels, in 16 greys
// ("MOON_LARGE", "MOON_SMALL", "MOON_TINY") or 256 colours
// ("MOON_COLOR_LARGE", ...). Every pixel of the disc is lit (never black);
// the disc's centre and radius are those of moonGeometry(), its rows those
// the shadow is painted on (less the one-pixel top and bottom rows). A null
// image for an unknown name.
QImage basePicture(const QString& name);

} // namespace brivane::sky
