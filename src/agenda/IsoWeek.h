#pragma once

#include <QDate>

namespace brivane::agenda {

// ISO 8601 week numbering: weeks start on Monday and belong to the year of
// their Thursday. The week-year differs from the calendar year only between
// 29 December and 3 January, and some years have a week 53.
struct WeekOfYear
{
    int week = 0;
    int year = 0;

    friend bool operator==(const WeekOfYear&, const WeekOfYear&) = default;
};

WeekOfYear isoWeek(const QDate& date);

} // namespace brivane::agenda
