#pragma once

#include "sky/JulianDay.h"

namespace brivane::sky {

// The Moon's geocentric ecliptic position, before nutation: longitude and
// latitude in degrees, distance from the Earth's centre in km.
struct MoonPosition
{
    Real longitude = 0;
    Real latitude = 0;
    Real distanceKm = 0;
};

MoonPosition moonPosition(Real julianDay);

} // namespace brivane::sky
