#include "sky/PhaseAngle.h"

#include "sky/Moon.h"
#include "sky/Sun.h"

#include <cmath>

namespace brivane::sky {

Real phaseAngle(Real julianDay)
{
    const SunPosition sun = sunPosition(julianDay);
    const MoonPosition moon = moonPosition(julianDay);
    const Real difference = moon.longitude - sun.longitude;

    // Geocentric elongation of the Moon from the Sun.
    const Real elongation = std::acos(std::cos(radians(moon.latitude)) * std::cos(radians(difference)));
    Real angle = degrees(std::atan(sun.distanceKm * std::sin(elongation) /
                                   (moon.distanceKm - sun.distanceKm * std::cos(elongation))));
    if (angle < 0)
        angle += 180.0L;
    if (reduceAngle(difference) > 180.0L)
        angle = -angle;
    return angle;
}

Real phaseAngle(const QDateTime& moment)
{
    return phaseAngle(julianDay(moment));
}

} // namespace brivane::sky
