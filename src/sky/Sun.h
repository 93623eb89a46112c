#pragma once

#include "sky/JulianDay.h"

namespace brivane::sky {

// Earth's heliocentric position from the complete VSOP87D series: longitude
// and latitude in radians (the longitude is not reduced), radius in AU.
struct EarthPosition
{
    Real longitude = 0;
    Real latitude = 0;
    Real radius = 0;
};

EarthPosition earthPosition(Real julianDay);

// The Sun seen from the Earth, in the FK5 system and corrected for
// aberration, without nutation (which the phase angle does not need):
// ecliptic longitude and latitude in degrees, distance in AU and km.
struct SunPosition
{
    Real longitude = 0;
    Real latitude = 0;
    Real distanceAu = 0;
    Real distanceKm = 0;
};

constexpr Real kAstronomicalUnitKm = 149597869.0L;

SunPosition sunPosition(Real julianDay);

} // namespace brivane::sky
