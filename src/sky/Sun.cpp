#include "sky/Sun.h"

#include "sky/SeriesTables.h"

#include <cmath>

namespace brivane::sky {

namespace {

constexpr Real kArcsecond = 1.0L / 3600.0L;

// Sum over the powers of tau of each series' A cos(B + C tau) terms.
Real evaluate(const tables::VsopVariable& variable, Real tau)
{
    Real total = 0;
    Real tauPower = 1;
    for (int power = 0; power < variable.powers; ++power) {
        const tables::VsopSeries& series = variable.series[power];
        Real sum = 0;
        for (int i = 0; i < series.count; ++i) {
            const tables::VsopTerm& term = series.terms[i];
            sum += term.a * std::cos(term.b + term.c * tau);
        }
        total += sum * tauPower;
        tauPower *= tau;
    }
    return total;
}

} // namespace

EarthPosition earthPosition(Real julianDay)
{
    const Real tau = julianCenturies(julianDay) / 10.0L;
    return {evaluate(tables::kEarthL, tau), evaluate(tables::kEarthB, tau), evaluate(tables::kEarthR, tau)};
}

SunPosition sunPosition(Real julianDay)
{
    const Real t = julianCenturies(julianDay);
    const EarthPosition earth = earthPosition(julianDay);

    SunPosition sun;
    sun.distanceAu = earth.radius;
    sun.distanceKm = earth.radius * kAstronomicalUnitKm;
    Real longitude = reduceAngle(degrees(earth.longitude) + 180.0L);
    Real latitude = -degrees(earth.latitude);

    // From the dynamical equinox of VSOP87 to the FK5 system.
    const Real shifted = radians(longitude - 1.397L * t - 0.00031L * t * t);
    longitude -= 0.09033L * kArcsecond;
    latitude += 0.03916L * kArcsecond * (std::cos(shifted) - std::sin(shifted));

    longitude -= 20.4898L * kArcsecond / earth.radius; // aberration
    sun.longitude = reduceAngle(longitude);
    sun.latitude = latitude;
    return sun;
}

} // namespace brivane::sky
