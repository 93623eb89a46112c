#include "agenda/Parity.h"

#include "agenda/IsoWeek.h"

using namespace Qt::StringLiterals;

namespace brivane::agenda {

namespace {

bool isOdd(int number)
{
    return number % 2 != 0;
}

} // namespace

QString parityCode(int number)
{
    return isOdd(number) ? u"DI"_s : u"PA"_s;
}

QString exclusionCode(int number)
{
    return isOdd(number) ? u"PA"_s : u"DI"_s;
}

QString monthParityCode(const QDate& start)
{
    return parityCode(start.month());
}

QString weekParityCode(const QDate& start)
{
    return parityCode(isoWeek(start).week);
}

QString weekYearParityCode(const QDate& start)
{
    return parityCode(isoWeek(start).year);
}

} // namespace brivane::agenda
