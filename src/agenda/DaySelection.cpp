#include "agenda/DaySelection.h"

#include "agenda/DayPieces.h"
#include "agenda/ErrorReport.h"
#include "store/SqlDate.h"

#include <QSqlQuery>
#include <QStringList>

using namespace Qt::StringLiterals;

namespace brivane::agenda {

namespace {

// Clauses of the Today view, shared with the calendar.
const auto oneShotClause =
    u"( flag = 'O' and datefull = :datefull ) or ( flag = 'O' and datefull <= :datefull and scadenza >= :datefull and flagscad = 'Y'  ) "_s;
const auto monthlyClause =
    u"(flag = 'M' and dayofmonth = :dd and (dayofweek <> :xm or dayofweek is null) and (datefull   <= :datefull) and (flagscad = 'N' or flagscad is null or scadenza >= :datefull) )"_s;
const auto weeklyClause =
    u"(flag = 'W' and dayofweek  = :dayname and (dayofmonth <> :xw or dayofmonth is null) and (datefull   <= :datefull) and (flagscad = 'N' or flagscad is null or scadenza >= :datefull) )"_s;
const auto yearlyClause =
    u"(flag = 'Y' and data       = :md and (dayofweek <> :xy or dayofweek is null) and (datefull   <= :datefull or dayofmonth  = 'NO') and (flagscad = 'N' or flagscad is null or scadenza >= :datefull) )"_s;
const auto everyDayClause = u"(dayofweek = 'T' and datefull <= :datefull) "_s;

const auto whereStart = u"WHERE ( "_s;
const auto orStart = u"OR    "_s;
const auto notSuspended = u"AND   (sospeso <> 'Y' or sospeso is null)"_s;
const auto ordering = u"ORDER BY orario,orario2,id"_s;

QString joinLines(const QStringList& lines)
{
    return lines.join(u'\n');
}

bool hasPlaceholder(const QString& text, QStringView name)
{
    for (qsizetype at = text.indexOf(name); at >= 0; at = text.indexOf(name, at + 1)) {
        const qsizetype end = at + name.size();
        if (end == text.size())
            return true;
        const QChar next = text.at(end);
        if (!next.isLetterOrNumber() && next != u'_')
            return true;
    }
    return false;
}

} // namespace

QString todayStatement(bool showSuspended)
{
    // clang-format off
    QStringList lines{
        u"SELECT * FROM BRarc66 "_s,
        whereStart + oneShotClause,
        orStart + monthlyClause,
        orStart + weeklyClause,
        orStart + yearlyClause,
        u"OR    (dayofweek = 'T' and datefull <= :datefull) )"_s,
    };
    // clang-format on
    if (!showSuspended)
        lines << notSuspended;
    lines << ordering;
    return joinLines(lines);
}

QString alarmListStatement()
{
    return joinLines({
        u"SELECT * FROM BRarc66 "_s,
        u"WHERE ( (flag = 'O' and fatto < :datefull and datefull = :datefull) or ( flag = 'O' and datefull <= :datefull and scadenza >= :datefull and flagscad = 'Y'  ) "_s,
        u"OR    (flag = 'M' and fatto < :datefull and dayofmonth = :dd and (dayofweek <> :xm or dayofweek is null) and (datefull   <= :datefull) and (flagscad = 'N' or flagscad is null or scadenza >= :datefull) )"_s,
        u"OR    (flag = 'W' and fatto < :datefull and dayofweek  = :dayname and (dayofmonth <> :xw or dayofmonth is null) and (datefull   <= :datefull) and (flagscad = 'N' or flagscad is null or scadenza >= :datefull) )"_s,
        u"OR    (flag = 'Y' and fatto < :datefull and data       = :md and (dayofweek <> :xy or dayofweek is null) and (datefull   <= :datefull or dayofmonth  = 'NO') and (flagscad = 'N' or flagscad is null or scadenza >= :datefull) )"_s,
        u"OR    (dayofweek = 'T' and fatto < :datefull and datefull <= :datefull) )"_s,
        notSuspended,
        ordering,
    });
}

QString dayStartCheckStatement()
{
    return joinLines({
        u"SELECT * FROM BRarc66 "_s,
        whereStart + oneShotClause,
        u"OR    (flag = 'M' and fatto < :datefull and dayofmonth = :dd and (dayofweek <> :xm or dayofweek is null) and (datefull   <= :datefull) and (flagscad = 'N' or flagscad is null or scadenza >= :datefull) )"_s,
        u"OR    (flag = 'W' and fatto < :datefull and dayofweek  = :dayname and (dayofmonth <> :xw or dayofmonth is null) and (datefull   <= :datefull) and (flagscad = 'N' or flagscad is null or scadenza >= :datefull) )"_s,
        u"OR    (flag = 'Y' and fatto < :datefull and data       = :md and (dayofweek <> :xy or dayofweek is null) and (datefull   <= :datefull or dayofmonth  = 'NO') and (flagscad = 'N' or flagscad is null or scadenza >= :datefull) )"_s,
        u"OR    (dayofweek = 'T' and fatto < :datefull and datefull <= :datefull) )"_s,
        notSuspended,
        u"AND   (flagfatto <> 'Y' or flagfatto is null)"_s,
        ordering,
    });
}

QString lookAheadStatement()
{
    return joinLines({
        u"SELECT * FROM BRarc66 "_s,
        u"WHERE ( ( (flag = 'O' and fatto < :datefull and anticipa ='Y' and datefull = :datefull) or ( flag = 'O' and datefull <= :datefull and scadenza >= :datefull and flagscad = 'Y'  and fatto < :datefull and anticipa ='Y') ) "_s,
        u"OR    (flag = 'M' and fatto < :datefull and anticipa ='Y' and dayofmonth = :dd and (dayofweek <> :xm or dayofweek is null) and (datefull   <= :datefull) and (flagscad = 'N' or flagscad is null or scadenza >= :datefull) )"_s,
        u"OR    (flag = 'W' and fatto < :datefull and anticipa ='Y' and dayofweek = :dayname and (dayofmonth <> :xw or dayofmonth is null) and (datefull   <= :datefull) and (flagscad = 'N' or flagscad is null or scadenza >= :datefull) )"_s,
        u"OR    (flag = 'Y' and fatto < :datefull and anticipa ='Y' and data = :md and (dayofweek <> :xy or dayofweek is null) and (datefull   <= :datefull) and (flagscad = 'N' or flagscad is null or scadenza >= :datefull) ) )"_s,
        notSuspended,
        ordering,
    });
}

DayClauses clausesOfKind(const QString& flag)
{
    if (flag == u"O")
        return DayClauses(DayClause::OneShot) | DayClause::EveryDay;
    if (flag == u"Y")
        return DayClause::Yearly;
    if (flag == u"M")
        return DayClause::Monthly;
    if (flag == u"W")
        return DayClause::Weekly;
    return {};
}

QString calendarStatement(DayClauses clauses, bool showSuspended)
{
    const std::pair<DayClause, QString> ordered[] = {
        {DayClause::OneShot, oneShotClause},   {DayClause::Monthly, monthlyClause},
        {DayClause::Weekly, weeklyClause},     {DayClause::Yearly, yearlyClause},
        {DayClause::EveryDay, everyDayClause},
    };

    QStringList lines{u"SELECT codimp, flag FROM BRarc66 "_s};
    for (const auto& [clause, text] : ordered) {
        if (clauses.testFlag(clause))
            lines << (lines.size() == 1 ? whereStart : orStart) + text;
    }
    if (lines.size() == 1)
        lines << whereStart + u"1 = 0 "_s;
    lines << u")"_s;
    if (!showSuspended)
        lines << notSuspended;
    return joinLines(lines);
}

namespace {

QList<std::pair<QString, QString>> dayParameters(const QDate& day, const QLocale& locale)
{
    const DayPieces pieces = DayPieces::of(day, locale);
    return {
        {u":datefull"_s, store::toSqlDate(day)},
        {u":dd"_s, pieces.dd},
        {u":dayname"_s, pieces.dayName},
        {u":md"_s, pieces.md},
        {u":xm"_s, pieces.xm},
        {u":xw"_s, pieces.xw},
        {u":xy"_s, pieces.xy},
    };
}

} // namespace

void bindDay(QSqlQuery& query, const QDate& day, const QLocale& locale)
{
    const QString text = query.lastQuery();
    for (const auto& [name, value] : dayParameters(day, locale)) {
        if (hasPlaceholder(text, name))
            query.bindValue(name, value);
    }
}

QVariant dayParameter(const QString& name, const QDate& day, const QLocale& locale)
{
    for (const auto& [key, value] : dayParameters(day, locale)) {
        if (key == name)
            return value;
    }
    return {};
}

bool selectDay(QSqlQuery& query, const QString& statement, const QDate& day, QString* error,
               const QLocale& locale)
{
    if (query.lastQuery() != statement) {
        if (!query.prepare(statement)) {
            reportError(error, query.lastError());
            return false;
        }
    }
    bindDay(query, day, locale);
    if (!query.exec()) {
        reportError(error, query.lastError());
        return false;
    }
    return true;
}

} // namespace brivane::agenda
