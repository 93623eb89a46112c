#pragma once

#include <QDate>
#include <QTime>

namespace brivane::sky {

// How far apart two dates are: whole days from the first to the second
// (negative when the second is earlier) and whole years of 365.25 days.
struct DateDistance
{
    qint64 days = 0;
    qint64 years = 0;
};

DateDistance dateDistance(const QDate& first, const QDate& second);

// How far apart two times of day are, whichever comes first: the whole
// hours, and the whole distance in minutes, seconds and milliseconds.
struct TimeDistance
{
    int hours = 0;
    int minutes = 0;
    int seconds = 0;
    qint64 milliseconds = 0;
};

TimeDistance timeDistance(const QTime& first, const QTime& second);

} // namespace brivane::sky
