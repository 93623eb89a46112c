#include "agenda/DayPieces.h"

#include "agenda/DateFormat.h"
#include "agenda/IsoWeek.h"
#include "agenda/Parity.h"

using namespace Qt::StringLiterals;

namespace brivane::agenda {

DayPieces DayPieces::of(const QDate& date, const QLocale& locale)
{
    const WeekOfYear week = isoWeek(date);
    DayPieces pieces;
    pieces.dd = formatDate(date, u"dd"_s, locale);
    pieces.dayName = formatDate(date, u"dddd"_s, locale);
    pieces.md = formatDate(date, u"mm/dd"_s, locale);
    pieces.xm = exclusionCode(date.month());
    pieces.xw = exclusionCode(week.week);
    pieces.xy = exclusionCode(week.year);
    return pieces;
}

} // namespace brivane::agenda
