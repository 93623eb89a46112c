#pragma once

#include <QDate>
#include <QString>

namespace brivane::agenda {

// Fortnightly, bimonthly and biennial tasks store the parity of their start
// date's week, month or week-year: "DI" (odd) or "PA" (even).
QString parityCode(int number);

// The code a date rules out: "PA" when its number is odd, "DI" when even.
// A task occurs on the date when its stored code is not this one.
QString exclusionCode(int number);

// The codes a task entry stores for its start date: of the month number
// (bimonthly), the ISO week (fortnightly) and the ISO week-year (biennial).
QString monthParityCode(const QDate& start);
QString weekParityCode(const QDate& start);
QString weekYearParityCode(const QDate& start);

} // namespace brivane::agenda
