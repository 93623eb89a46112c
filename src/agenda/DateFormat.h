#pragma once

#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QTime>

namespace brivane::agenda {

// The organizer's own date and time patterns. Every stored day piece
// (dayofweek, dayofmonth, data), every query day piece and every caption
// goes through this one formatter, so stored values and queries agree.
//
// Pattern parts (letters are recognised in either case):
//   d, dd          day of month without / with leading zero
//   ddd, dddd      short / long weekday name of the locale
//   m, mm          month number without / with leading zero; minutes
//                  instead when the last letter before them was an hour part
//                  ("hh:mm", "hh mm")
//   mmm, mmmm      short / long month name of the locale
//   yy, yyyy       two-digit / four-digit year (one or two y: two digits)
//   h, hh          hour without / with leading zero (1-12 when the pattern
//                  holds "am/pm", else 0-23)
//   n, nn          minutes without / with leading zero
//   s, ss          seconds without / with leading zero
//   am/pm          "am" or "pm" ("AM"/"PM" when written in capitals)
//   /              the locale's date separator
//   :              the locale's time separator
// Every other character is copied as it stands. Digits are always ASCII.
// An invalid date gives an empty text.
QString formatDate(const QDate& date, const QString& pattern, const QLocale& locale = QLocale());
QString formatDateTime(const QDateTime& dateTime, const QString& pattern, const QLocale& locale = QLocale());
// For time patterns ("hh:mm"); date parts would read 1 January 2000.
QString formatTime(const QTime& time, const QString& pattern, const QLocale& locale = QLocale());

// The first character of the locale's short date format that is neither a
// letter, white space nor a quote; "/" when there is none.
QString dateSeparator(const QLocale& locale = QLocale());

// The character between the hour and minute fields of the locale's short
// time format; ":" when there is none.
QString timeSeparator(const QLocale& locale = QLocale());

} // namespace brivane::agenda
