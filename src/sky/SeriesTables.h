#pragma once

// The published tables the Sun and Moon positions are summed from. The
// arrays are generated at build time from the files in data/sky.

namespace brivane::sky::tables {

// One term A cos(B + C tau) of a VSOP87 series.
struct VsopTerm
{
    long double a;
    long double b;
    long double c;
};

// The terms multiplied by tau to one power.
struct VsopSeries
{
    const VsopTerm* terms;
    int count;
};

// One heliocentric variable: its series for tau^0, tau^1, ...
struct VsopVariable
{
    const VsopSeries* series;
    int powers;
};

// Earth, VSOP87 version D (ecliptic and equinox of the date): L and B in
// radians, R in astronomical units.
extern const VsopVariable kEarthL;
extern const VsopVariable kEarthB;
extern const VsopVariable kEarthR;

// One periodic term of the Moon: the multipliers of the mean elongation D,
// the Sun's mean anomaly M, the Moon's mean anomaly M' and its argument of
// latitude F, then the sine coefficient (0.000001 degree) and, in the
// longitude table, the cosine coefficient of the distance (0.001 km).
struct LunarTerm
{
    int d;
    int m;
    int mp;
    int f;
    long sine;
    long cosine;
};

constexpr int kLunarTermCount = 60;
extern const LunarTerm kMoonLongitudeDistance[kLunarTermCount];
extern const LunarTerm kMoonLatitude[kLunarTermCount];

} // namespace brivane::sky::tables
