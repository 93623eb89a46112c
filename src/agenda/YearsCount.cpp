#include "agenda/YearsCount.h"

namespace brivane::agenda {

int yearsCount(const QDate& start, const QDate& today)
{
    int years = today.year() - start.year();
    const bool anniversaryAhead =
        start.month() > today.month() || (start.month() == today.month() && start.day() > today.day());
    if (anniversaryAhead)
        --years;
    return years;
}

} // namespace brivane::agenda
