#include "agenda/IsoWeek.h"

namespace brivane::agenda {

WeekOfYear isoWeek(const QDate& date)
{
    WeekOfYear result;
    result.week = date.weekNumber(&result.year);
    return result;
}

} // namespace brivane::agenda
