#pragma once

#include <QDate>

namespace brivane::agenda {

// Whole years from `start` to `today` (an age, for a birthday): the year
// difference, one less while this year's anniversary is still ahead. A start
// after today gives a negative count. Someone born on 29 February turns a
// year older on 1 March in common years.
int yearsCount(const QDate& start, const QDate& today);

} // namespace brivane::agenda
