#include "sky/TimeSpan.h"

#include <cstdlib>

namespace brivane::sky {

DateDistance dateDistance(const QDate& first, const QDate& second)
{
    DateDistance distance;
    distance.days = first.daysTo(second);
    distance.years = qint64(double(std::llabs(distance.days)) / 365.25);
    // A first date one calendar year after the second, on the same or a
    // later day of the same month, is a whole year away, though 365 days
    // fall short of 365.25.
    if (first.month() == second.month() && first.year() == second.year() + 1 && first.day() >= second.day())
        distance.years = 1;
    return distance;
}

TimeDistance timeDistance(const QTime& first, const QTime& second)
{
    const int ms = std::abs(first.msecsTo(second));
    TimeDistance distance;
    distance.hours = ms / 3600000;
    distance.minutes = ms / 60000;
    distance.seconds = ms / 1000;
    distance.milliseconds = ms;
    return distance;
}

} // namespace brivane::sky
