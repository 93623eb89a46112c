#include "sky/JulianDay.h"

#include <cmath>

namespace brivane::sky {

Real julianDay(const QDateTime& moment)
{
    // QDate's Julian day number counts from noon; the day begins half a day before.
    const Real midnight = Real(moment.date().toJulianDay()) - 0.5L;
    return midnight + Real(moment.time().msecsSinceStartOfDay()) / 86400000.0L;
}

Real reduceAngle(Real degrees)
{
    // Halves round to even, as the rest of the arithmetic does.
    Real reduced = degrees - 360.0L * std::nearbyint(degrees / 360.0L);
    while (reduced < 0)
        reduced += 360.0L;
    return reduced;
}

} // namespace brivane::sky
