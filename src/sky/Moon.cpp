#include "sky/Moon.h"

#include "sky/SeriesTables.h"

#include <cmath>
#include <cstdlib>

namespace brivane::sky {

namespace {

Real sinDegrees(Real angle)
{
    return std::sin(radians(angle));
}

Real cosDegrees(Real angle)
{
    return std::cos(radians(angle));
}

} // namespace

MoonPosition moonPosition(Real julianDay)
{
    const Real t = julianCenturies(julianDay);
    const Real t2 = t * t;
    const Real t3 = t2 * t;
    const Real t4 = t3 * t;

    // Fundamental arguments in degrees.
    const Real meanLongitude =
        218.3164591L + 481267.88134236L * t - 0.0013268L * t2 + t3 / 538841.0L - t4 / 65194000.0L;
    const Real elongation =
        297.8502042L + 445267.1115168L * t - 0.0016300L * t2 + t3 / 545868.0L - t4 / 113065000.0L;
    const Real sunAnomaly = 357.5291092L + 35999.0502909L * t - 0.0001536L * t2 + t3 / 24490000.0L;
    const Real moonAnomaly =
        134.9634114L + 477198.8676313L * t + 0.0089970L * t2 + t3 / 69699.0L - t4 / 14712000.0L;
    const Real latitudeArgument =
        93.2720993L + 483202.0175273L * t - 0.0034029L * t2 - t3 / 3526000.0L + t4 / 863310000.0L;
    const Real a1 = 119.75L + 131.849L * t;
    const Real a2 = 53.09L + 479264.290L * t;
    const Real a3 = 313.45L + 481266.484L * t;
    // The shrinking eccentricity of the Earth's orbit weighs the terms with M.
    const Real e = 1.0L - 0.002516L * t - 0.0000074L * t2;
    const Real eccentricity[3] = {1.0L, e, e * e};

    auto argument = [&](const tables::LunarTerm& term) {
        return term.d * elongation + term.m * sunAnomaly + term.mp * moonAnomaly + term.f * latitudeArgument;
    };

    Real sumL = 0;
    Real sumR = 0;
    for (const tables::LunarTerm& term : tables::kMoonLongitudeDistance) {
        const Real weight = eccentricity[std::abs(term.m)];
        const Real angle = argument(term);
        sumL += weight * Real(term.sine) * sinDegrees(angle);
        sumR += weight * Real(term.cosine) * cosDegrees(angle);
    }
    Real sumB = 0;
    for (const tables::LunarTerm& term : tables::kMoonLatitude)
        sumB += eccentricity[std::abs(term.m)] * Real(term.sine) * sinDegrees(argument(term));

    // Venus, Jupiter and the Earth's flattening.
    sumL += 3958.0L * sinDegrees(a1) + 1962.0L * sinDegrees(meanLongitude - latitudeArgument) +
            318.0L * sinDegrees(a2);
    sumB += -2235.0L * sinDegrees(meanLongitude) + 382.0L * sinDegrees(a3) +
            175.0L * sinDegrees(a1 - latitudeArgument) + 175.0L * sinDegrees(a1 + latitudeArgument) +
            127.0L * sinDegrees(meanLongitude - moonAnomaly) -
            115.0L * sinDegrees(meanLongitude + moonAnomaly);

    MoonPosition moon;
    moon.longitude = reduceAngle(meanLongitude + sumL / 1000000.0L);
    moon.latitude = sumB / 1000000.0L;
    moon.distanceKm = 385000.56L + sumR / 1000.0L;
    return moon;
}

} // namespace brivane::sky
