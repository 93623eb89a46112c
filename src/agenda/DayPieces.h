#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

namespace brivane::agenda {

// The values a day-selection query compares the task columns with, for one
// date. They come from the same formatter that writes the stored columns.
struct DayPieces
{
    QString dd;      // two-digit day of month, compared with dayofmonth of monthly tasks
    QString dayName; // long weekday name, compared with dayofweek of weekly tasks
    QString md;      // "mm/dd" with the locale's date separator, compared with data of yearly tasks
    QString xm;      // exclusion code of the month number
    QString xw;      // exclusion code of the ISO week number
    QString xy;      // exclusion code of the ISO week-year

    static DayPieces of(const QDate& date, const QLocale& locale = QLocale());
};

} // namespace brivane::agenda
