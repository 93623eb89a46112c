#pragma once

#include <QDateTime>

namespace brivane::sky {

// The astronomy runs on the widest floating type there is.
using Real = long double;

constexpr Real kPi = 3.141592653589793238462643383279502884L;
constexpr Real kJ2000 = 2451545.0L;

constexpr Real degrees(Real radians)
{
    return radians * 180.0L / kPi;
}

constexpr Real radians(Real degrees)
{
    return degrees * kPi / 180.0L;
}

// Julian day of a date and time. The fields are taken as Universal Time as
// they stand: no time zone and no clock correction is applied, so the same
// fields give the same Moon everywhere.
Real julianDay(const QDateTime& moment);

// Julian centuries from J2000.0.
constexpr Real julianCenturies(Real julianDay)
{
    return (julianDay - kJ2000) / 36525.0L;
}

// An angle in degrees brought into [0, 360).
Real reduceAngle(Real degrees);

} // namespace brivane::sky
