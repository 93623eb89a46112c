#pragma once

#include <QVariant>

#include <QDate>
#include <QFlags>
#include <QLocale>
#include <QString>

class QSqlQuery;

namespace brivane::agenda {

// Day-selection statements: SELECTs over BRarc66 that pick the tasks falling
// on one date. The date enters only through named parameters, so every text
// is constant and one prepared query serves any number of dates:
//   :datefull  the date as 'yyyy-MM-dd'
//   :dd, :dayname, :md, :xm, :xw, :xy  the day pieces (see DayPieces)
// Prepare the text, call bindDay() and exec(), or let selectDay() do all three.
//
// A task falls on date D when one of these clauses holds:
//   one-shot   flag 'O' on datefull = D, or a span datefull <= D <= scadenza with flagscad 'Y'
//   monthly    flag 'M', dayofmonth = dd, dayofweek is not xm, started, not expired
//   weekly     flag 'W', dayofweek = dayname, dayofmonth is not xw, started, not expired
//   yearly     flag 'Y', data = md, dayofweek is not xy, started (or dayofmonth 'NO'), not expired
//   every-day  dayofweek 'T' and datefull <= D
// Rows come ordered by orario, orario2, id, so tasks without a time (blank
// "  :  ") come first.

// Today view: every kind; suspended tasks only when showSuspended.
QString todayStatement(bool showSuspended);

// Alarm list for today: like the Today view, but tasks done for the date
// (fatto >= D) are left out, except one-shot spans, and suspended tasks never
// appear.
QString alarmListStatement();

// Day-start check for today: the alarm list, keeping one-shot tasks on their
// day even when done, and leaving out every task that carries a done tick
// (flagfatto 'Y') from whatever date.
QString dayStartCheckStatement();

// Look-ahead for a coming date: only important (anticipa 'Y'), not done, not
// suspended tasks; no every-day clause, and yearly tasks only from their start.
QString lookAheadStatement();

// Clause groups of the calendar statement.
enum class DayClause {
    OneShot = 0x01, // both one-shot clauses (single day and span)
    Monthly = 0x02,
    Weekly = 0x04,
    Yearly = 0x08,
    EveryDay = 0x10, // dayofweek 'T'
};
Q_DECLARE_FLAGS(DayClauses, DayClause)
Q_DECLARE_OPERATORS_FOR_FLAGS(DayClauses)

inline constexpr DayClauses AllDayClauses = DayClauses(DayClause::OneShot) | DayClause::Monthly |
                                            DayClause::Weekly | DayClause::Yearly | DayClause::EveryDay;

// The clauses that find tasks of one kind (flag "O", "Y", "M" or "W").
// Every-day tasks are one-shot tasks, so "O" gives OneShot | EveryDay.
// Highlighting one kind uses clausesOfKind(kind); excluding one kind uses
// AllDayClauses & ~clausesOfKind(kind).
DayClauses clausesOfKind(const QString& flag);

// Calendar marking: the Today clauses restricted to `clauses`, suspended
// tasks only when showSuspended. It selects only codimp and flag (the flag
// is all a calendar day needs: which kinds fall on it) and has no ORDER BY.
// An empty clause set selects nothing.
QString calendarStatement(DayClauses clauses, bool showSuspended);

// Binds :datefull and the day pieces of `day` to a prepared day-selection
// query; only the placeholders its text holds are bound.
void bindDay(QSqlQuery& query, const QDate& day, const QLocale& locale = QLocale());
// The value of one placeholder of the day-selection statements for `day`
// (":datefull", ":dd", ...); an invalid QVariant for any other name.
QVariant dayParameter(const QString& name, const QDate& day, const QLocale& locale = QLocale());

// Prepares `statement` (unless the query was last prepared with it, so a
// loop over dates prepares once), binds `day` and executes. Returns false
// on an SQL failure and puts the message in *error.
bool selectDay(QSqlQuery& query, const QString& statement, const QDate& day, QString* error = nullptr,
               const QLocale& locale = QLocale());

} // namespace brivane::agenda
