#pragma once

#include "sky/JulianDay.h"

#include <QDateTime>
#include <QImage>
#include <QPoint>

namespace brivane::sky {

enum class MoonSize { ms64, ms32, ms16 };
enum class MoonStyle { msClassic, msColor };
enum class MoonRotation { rot_none, rot_90, rot_180, rot_270 };

// Where the full Moon sits in the base picture of a size.
struct MoonGeometry
{
    int side;       // the picture is side x side pixels
    QPoint centre;  // of the disc
    int radius;     // of the disc
    QPoint landing; // the Apollo 11 landing site
};

MoonGeometry moonGeometry(MoonSize size);

// The name of the base picture of a size and style ("MOON_SMALL", ...).
QString basePictureName(MoonSize size, MoonStyle style);

// The moment of the Apollo 11 landing, 20 July 1969 20:17:43.
QDateTime landingMoment();

// The phase angle as the picture uses it, in [0, 360): from 180 (new Moon)
// down to 0 (full Moon) while the Moon waxes, from 360 down to 180 while it
// wanes.
Real pictureAngle(const QDateTime& moment);

struct MoonPictureOptions
{
    MoonSize size = MoonSize::ms64;
    MoonStyle style = MoonStyle::msClassic;
    MoonRotation rotation = MoonRotation::rot_none;
    bool markLanding = true;
};

// The Moon of a moment: the base picture, the landing site marked red when
// asked and the moment is after the landing, the unlit part painted black,
// then turned. `angle` is pictureAngle(moment).
QImage moonPicture(const MoonPictureOptions& options, const QDateTime& moment, Real angle);

} // namespace brivane::sky
