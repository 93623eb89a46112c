#pragma once

#include <QDate>
#include <QString>

namespace brivane::sky {

// The zodiac sign and the season of a day, each as the label text (with a
// leading blank) and a two-line hint: the name, a carriage return, the span.
struct ZodiacSeason
{
    QString signLabel;
    QString signHint;
    QString seasonLabel;
    QString seasonHint;
};

// Only the day and the month count; the year plays no part.
ZodiacSeason zodiacAndSeason(const QDate& date);

} // namespace brivane::sky
