#pragma once

#include "sky/JulianDay.h"

#include <QDateTime>

namespace brivane::sky {

// The Moon's phase angle (Sun - Moon - Earth) in degrees, signed: from +180
// at new Moon down to 0 at full Moon while it waxes, and from -0 to -180
// while it wanes.
Real phaseAngle(Real julianDay);
Real phaseAngle(const QDateTime& moment);

} // namespace brivane::sky
