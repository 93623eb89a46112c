#include "agenda/DaySelection.h"
#include "agenda/DoneState.h"
#include "store/SqlDate.h"
#include "support/TestArchive.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace brivane::agenda;

using Columns = QVariantMap;
Q_DECLARE_METATYPE(brivane::agenda::DayClauses)

// Where a task shows up on a date.
constexpr int Today = 0x01;    // Today view, "Show suspended" off
constexpr int TodayAll = 0x02; // Today view, "Show suspended" on
constexpr int Alarm = 0x04;
constexpr int DayStart = 0x08;
constexpr int LookAhead = 0x10;
constexpr int Nowhere = 0;
constexpr int Shown = Today | TodayAll;
constexpr int Everywhere = Shown | Alarm | DayStart | LookAhead;

class OccurrenceTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void occurrence_data();
    void occurrence();
    void ordering_data();
    void ordering();
    void calendar_data();
    void calendar();
};

namespace {

QString describe(int places)
{
    QStringList names;
    const std::pair<int, QString> all[] = {{Today, u"today"_s},
                                           {TodayAll, u"today+suspended"_s},
                                           {Alarm, u"alarm"_s},
                                           {DayStart, u"day-start"_s},
                                           {LookAhead, u"look-ahead"_s}};
    for (const auto& [place, name] : all) {
        if (places & place)
            names << name;
    }
    return names.isEmpty() ? u"nowhere"_s : names.join(u", ");
}

// Inserts one task; dates may be given as QDate, an invalid QVariant is NULL.
void insertTask(QSqlDatabase db, const Columns& columns)
{
    QStringList names;
    QStringList placeholders;
    for (auto it = columns.cbegin(); it != columns.cend(); ++it) {
        names << it.key();
        placeholders << u':' + it.key();
    }
    QSqlQuery query(db);
    QVERIFY2(query.prepare(
                 u"INSERT INTO BRarc66 (%1) VALUES (%2)"_s.arg(names.join(u", "), placeholders.join(u", "))),
             qPrintable(query.lastError().text()));
    for (auto it = columns.cbegin(); it != columns.cend(); ++it) {
        const QVariant value = it.value().typeId() == QMetaType::QDate
                                   ? QVariant(brivane::store::toSqlDate(it.value().toDate()))
                                   : it.value();
        query.bindValue(u':' + it.key(), value);
    }
    QVERIFY2(query.exec(), qPrintable(query.lastError().text()));
}

// The `id` of every row the statement selects for the day, in order.
QStringList selectedIds(QSqlDatabase db, const QString& statement, const QDate& day)
{
    QSqlQuery query(db);
    QString error;
    if (!selectDay(query, statement, day, &error))
        return {u"SQL error: "_s + error};
    QStringList ids;
    while (query.next())
        ids << query.value(u"id"_s).toString();
    return ids;
}

// A task as an entry dialog writes it, not done, not suspended, important.
Columns task(const QString& flag, const QDate& datefull, const Columns& extra)
{
    Columns columns{
        {u"id"_s, u"task"_s},      {u"flag"_s, flag},          {u"datefull"_s, datefull},
        {u"orario"_s, u"  :  "_s}, {u"orario2"_s, u"  :  "_s}, {u"fatto"_s, undoneDate(QDate(2024, 1, 1))},
        {u"flagfatto"_s, u"N"_s},  {u"anticipa"_s, u"Y"_s},    {u"sospeso"_s, u"N"_s},
        {u"flagscad"_s, u"N"_s},
    };
    columns.insert(extra);
    return columns;
}

Columns oneShot(const QDate& day, const Columns& extra = {})
{
    return task(u"O"_s, day, extra);
}

Columns span(const QDate& first, const QDate& last, const Columns& extra = {})
{
    Columns columns{{u"flagscad"_s, u"Y"_s}, {u"scadenza"_s, last}};
    columns.insert(extra);
    return task(u"O"_s, first, columns);
}

Columns everyDay(const QDate& start, const Columns& extra = {})
{
    Columns columns{{u"dayofweek"_s, u"T"_s}};
    columns.insert(extra);
    return task(u"O"_s, start, columns);
}

Columns monthly(const QString& dayOfMonth, const QDate& start, const Columns& extra = {})
{
    Columns columns{{u"dayofmonth"_s, dayOfMonth}};
    columns.insert(extra);
    return task(u"M"_s, start, columns);
}

Columns weekly(const QString& dayName, const QDate& start, const Columns& extra = {})
{
    Columns columns{{u"dayofweek"_s, dayName}};
    columns.insert(extra);
    return task(u"W"_s, start, columns);
}

Columns yearly(const QString& monthDay, const QDate& start, const Columns& extra = {})
{
    Columns columns{{u"data"_s, monthDay}, {u"dayofmonth"_s, u"SI"_s}};
    columns.insert(extra);
    return task(u"Y"_s, start, columns);
}

Columns ticked(const QDate& fatto)
{
    return {{u"fatto"_s, fatto}, {u"flagfatto"_s, u"Y"_s}};
}

Columns expiring(const QDate& scadenza)
{
    return {{u"flagscad"_s, u"Y"_s}, {u"scadenza"_s, scadenza}};
}

const QVariant null;

} // namespace

void OccurrenceTest::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void OccurrenceTest::occurrence_data()
{
    QTest::addColumn<Columns>("columns");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<int>("expected");

    const QDate mar10(2024, 3, 10);
    const QDate mar15(2024, 3, 15); // a Friday
    const Columns suspended{{u"sospeso"_s, u"Y"_s}};

    // One-shot tasks: their day, or every day of a span.
    QTest::newRow("one-shot on its day") << oneShot(mar10) << mar10 << Everywhere;
    QTest::newRow("one-shot the next day") << oneShot(mar10) << mar10.addDays(1) << Nowhere;
    QTest::newRow("delete-after on its day")
        << oneShot(mar10, {{u"dayofweek"_s, u"X"_s}}) << mar10 << Everywhere;
    QTest::newRow("one-shot expiry without flagscad is no span")
        << oneShot(mar10, {{u"scadenza"_s, QDate(2024, 3, 12)}}) << mar10.addDays(1) << Nowhere;
    QTest::newRow("one-shot ticked for its day") << oneShot(mar10, ticked(mar10)) << mar10 << Shown;
    QTest::newRow("span, day before") << span(mar10, QDate(2024, 3, 12)) << QDate(2024, 3, 9) << Nowhere;
    QTest::newRow("span, first day") << span(mar10, QDate(2024, 3, 12)) << mar10 << Everywhere;
    QTest::newRow("span, middle day") << span(mar10, QDate(2024, 3, 12)) << QDate(2024, 3, 11) << Everywhere;
    QTest::newRow("span, last day") << span(mar10, QDate(2024, 3, 12)) << QDate(2024, 3, 12) << Everywhere;
    QTest::newRow("span, day after") << span(mar10, QDate(2024, 3, 12)) << QDate(2024, 3, 13) << Nowhere;
    QTest::newRow("span ticked for the day stays in the alarm list")
        << span(mar10, QDate(2024, 3, 12), ticked(QDate(2024, 3, 11))) << QDate(2024, 3, 11)
        << (Shown | Alarm);
    QTest::newRow("span ticked on an earlier day") << span(mar10, QDate(2024, 3, 12), ticked(mar10))
                                                   << QDate(2024, 3, 11) << (Shown | Alarm | LookAhead);

    // Every-day tasks: from their start on, for ever; look-ahead only on the start day.
    QTest::newRow("every-day before its start") << everyDay(mar10) << QDate(2024, 3, 9) << Nowhere;
    QTest::newRow("every-day on its start") << everyDay(mar10) << mar10 << Everywhere;
    QTest::newRow("every-day years later")
        << everyDay(mar10) << QDate(2030, 1, 1) << (Shown | Alarm | DayStart);
    QTest::newRow("every-day ticked for the date") << everyDay(mar10, ticked(mar15)) << mar15 << Shown;
    QTest::newRow("every-day ticked the day before")
        << everyDay(mar10, ticked(mar15.addDays(-1))) << mar15 << (Shown | Alarm);

    // Monthly tasks: day of month, month parity, start.
    QTest::newRow("monthly 31 in a 31-day month")
        << monthly(u"31"_s, QDate(2024, 1, 1)) << QDate(2024, 3, 31) << Everywhere;
    QTest::newRow("monthly 31 not on 30 April")
        << monthly(u"31"_s, QDate(2024, 1, 1)) << QDate(2024, 4, 30) << Nowhere;
    QTest::newRow("monthly 31 not on 29 February")
        << monthly(u"31"_s, QDate(2024, 1, 1)) << QDate(2024, 2, 29) << Nowhere;
    QTest::newRow("monthly on its start") << monthly(u"15"_s, mar15) << mar15 << Everywhere;
    QTest::newRow("monthly before its start") << monthly(u"15"_s, QDate(2024, 3, 16)) << mar15 << Nowhere;
    QTest::newRow("bimonthly DI in an odd month")
        << monthly(u"15"_s, QDate(2024, 1, 15), {{u"dayofweek"_s, u"DI"_s}}) << mar15 << Everywhere;
    QTest::newRow("bimonthly DI not in an even month")
        << monthly(u"15"_s, QDate(2024, 1, 15), {{u"dayofweek"_s, u"DI"_s}}) << QDate(2024, 4, 15) << Nowhere;
    QTest::newRow("bimonthly PA in an even month")
        << monthly(u"15"_s, QDate(2024, 2, 15), {{u"dayofweek"_s, u"PA"_s}}) << QDate(2024, 4, 15)
        << Everywhere;
    QTest::newRow("monthly, parity null")
        << monthly(u"15"_s, QDate(2024, 1, 15), {{u"dayofweek"_s, null}}) << mar15 << Everywhere;
    QTest::newRow("monthly, parity empty")
        << monthly(u"15"_s, QDate(2024, 1, 15), {{u"dayofweek"_s, u""_s}}) << mar15 << Everywhere;

    // Weekly tasks: weekday name, ISO week parity across week 53.
    const QDate week52(2020, 12, 21), week53(2020, 12, 28), week1(2021, 1, 4), week2(2021, 1, 11); // Mondays
    const Columns odd{{u"dayofmonth"_s, u"DI"_s}};
    const Columns even{{u"dayofmonth"_s, u"PA"_s}};
    QTest::newRow("weekly on its weekday") << weekly(u"Friday"_s, QDate(2024, 1, 5)) << mar15 << Everywhere;
    QTest::newRow("weekly on another weekday")
        << weekly(u"Friday"_s, QDate(2024, 1, 5)) << mar15.addDays(-1) << Nowhere;
    QTest::newRow("fortnightly DI, week 52")
        << weekly(u"Monday"_s, QDate(2020, 11, 30), odd) << week52 << Nowhere;
    QTest::newRow("fortnightly DI, week 53")
        << weekly(u"Monday"_s, QDate(2020, 11, 30), odd) << week53 << Everywhere;
    QTest::newRow("fortnightly DI, week 1")
        << weekly(u"Monday"_s, QDate(2020, 11, 30), odd) << week1 << Everywhere;
    QTest::newRow("fortnightly DI, week 2")
        << weekly(u"Monday"_s, QDate(2020, 11, 30), odd) << week2 << Nowhere;
    QTest::newRow("fortnightly PA, week 52")
        << weekly(u"Monday"_s, QDate(2020, 11, 23), even) << week52 << Everywhere;
    QTest::newRow("fortnightly PA, week 53")
        << weekly(u"Monday"_s, QDate(2020, 11, 23), even) << week53 << Nowhere;
    QTest::newRow("fortnightly PA, week 1")
        << weekly(u"Monday"_s, QDate(2020, 11, 23), even) << week1 << Nowhere;
    QTest::newRow("fortnightly PA, week 2")
        << weekly(u"Monday"_s, QDate(2020, 11, 23), even) << week2 << Everywhere;
    QTest::newRow("weekly, parity empty")
        << weekly(u"Friday"_s, QDate(2024, 1, 5), {{u"dayofmonth"_s, u""_s}}) << mar15 << Everywhere;

    // Yearly tasks: month/day, week-year parity, start and the "NO" years count.
    QTest::newRow("29 February in a leap year")
        << yearly(u"02/29"_s, QDate(2020, 2, 29)) << QDate(2024, 2, 29) << Everywhere;
    QTest::newRow("29 February, 28th of a common year")
        << yearly(u"02/29"_s, QDate(2020, 2, 29)) << QDate(2023, 2, 28) << Nowhere;
    QTest::newRow("29 February, 1 March of a common year")
        << yearly(u"02/29"_s, QDate(2020, 2, 29)) << QDate(2023, 3, 1) << Nowhere;
    QTest::newRow("biennial DI on 30 December of an even year in an odd week-year")
        << yearly(u"12/30"_s, QDate(2024, 12, 30), {{u"dayofweek"_s, u"DI"_s}}) << QDate(2024, 12, 30)
        << Everywhere;
    QTest::newRow("biennial PA on 30 December 2024")
        << yearly(u"12/30"_s, QDate(2022, 12, 30), {{u"dayofweek"_s, u"PA"_s}}) << QDate(2024, 12, 30)
        << Nowhere;
    QTest::newRow("biennial PA on 30 December 2025 (week-year 2026)")
        << yearly(u"12/30"_s, QDate(2022, 12, 30), {{u"dayofweek"_s, u"PA"_s}}) << QDate(2025, 12, 30)
        << Everywhere;
    QTest::newRow("biennial PA on 30 December 2026 (week 53)")
        << yearly(u"12/30"_s, QDate(2022, 12, 30), {{u"dayofweek"_s, u"PA"_s}}) << QDate(2026, 12, 30)
        << Everywhere;
    QTest::newRow("yearly, parity empty") << yearly(u"05/10"_s, QDate(2020, 5, 10), {{u"dayofweek"_s, u""_s}})
                                          << QDate(2024, 5, 10) << Everywhere;
    QTest::newRow("yearly NO before its start")
        << yearly(u"05/10"_s, QDate(2030, 5, 10), {{u"dayofmonth"_s, u"NO"_s}}) << QDate(2024, 5, 10)
        << (Shown | Alarm | DayStart);
    QTest::newRow("yearly SI before its start")
        << yearly(u"05/10"_s, QDate(2030, 5, 10)) << QDate(2024, 5, 10) << Nowhere;
    QTest::newRow("yearly SI on its start")
        << yearly(u"05/10"_s, QDate(2030, 5, 10)) << QDate(2030, 5, 10) << Everywhere;
    QTest::newRow("yearly without years count before its start")
        << yearly(u"05/10"_s, QDate(2030, 5, 10), {{u"dayofmonth"_s, null}}) << QDate(2024, 5, 10) << Nowhere;

    // Expiry: scadenza itself is the last day, and counts only with flagscad 'Y'.
    QTest::newRow("monthly on its expiry day")
        << monthly(u"15"_s, QDate(2024, 1, 15), expiring(mar15)) << mar15 << Everywhere;
    QTest::newRow("monthly after its expiry")
        << monthly(u"15"_s, QDate(2024, 1, 15), expiring(mar15)) << QDate(2024, 4, 15) << Nowhere;
    QTest::newRow("weekly on its expiry day")
        << weekly(u"Friday"_s, QDate(2024, 1, 5), expiring(mar15)) << mar15 << Everywhere;
    QTest::newRow("weekly after its expiry")
        << weekly(u"Friday"_s, QDate(2024, 1, 5), expiring(mar15)) << mar15.addDays(7) << Nowhere;
    QTest::newRow("yearly on its expiry day")
        << yearly(u"05/10"_s, QDate(2020, 5, 10), expiring(QDate(2025, 5, 10))) << QDate(2025, 5, 10)
        << Everywhere;
    QTest::newRow("yearly after its expiry")
        << yearly(u"05/10"_s, QDate(2020, 5, 10), expiring(QDate(2025, 5, 10))) << QDate(2026, 5, 10)
        << Nowhere;
    QTest::newRow("past scadenza ignored with flagscad N")
        << monthly(u"15"_s, QDate(2024, 1, 15), {{u"scadenza"_s, QDate(2024, 2, 1)}}) << mar15 << Everywhere;
    QTest::newRow("past scadenza ignored with flagscad null")
        << monthly(u"15"_s, QDate(2024, 1, 15), {{u"scadenza"_s, QDate(2024, 2, 1)}, {u"flagscad"_s, null}})
        << mar15 << Everywhere;

    // Suspended tasks show only in the Today view with "Show suspended" on.
    QTest::newRow("suspended one-shot") << oneShot(mar15, suspended) << mar15 << TodayAll;
    QTest::newRow("suspended weekly")
        << weekly(u"Friday"_s, QDate(2024, 1, 5), suspended) << mar15 << TodayAll;
    QTest::newRow("suspended every-day") << everyDay(mar10, suspended) << mar15 << TodayAll;
    QTest::newRow("suspended span") << span(mar10, mar15, suspended) << mar15 << TodayAll;
    QTest::newRow("sospeso null") << oneShot(mar15, {{u"sospeso"_s, null}}) << mar15 << Everywhere;
    QTest::newRow("sospeso empty") << oneShot(mar15, {{u"sospeso"_s, u""_s}}) << mar15 << Everywhere;

    // Done state: done for D when fatto >= D; any tick keeps a task out of the day-start check.
    QTest::newRow("weekly ticked for the date")
        << weekly(u"Friday"_s, QDate(2024, 1, 5), ticked(mar15)) << mar15 << Shown;
    QTest::newRow("weekly ticked for a later date")
        << weekly(u"Friday"_s, QDate(2024, 1, 5), ticked(mar15.addDays(7))) << mar15 << Shown;
    QTest::newRow("weekly ticked the week before")
        << weekly(u"Friday"_s, QDate(2024, 1, 5), ticked(mar15.addDays(-7))) << mar15
        << (Shown | Alarm | LookAhead);
    QTest::newRow("monthly ticked for the date")
        << monthly(u"15"_s, QDate(2024, 1, 15), ticked(mar15)) << mar15 << Shown;
    QTest::newRow("yearly ticked last year")
        << yearly(u"05/10"_s, QDate(2020, 5, 10), ticked(QDate(2023, 5, 10))) << QDate(2024, 5, 10)
        << (Shown | Alarm | LookAhead);
    QTest::newRow("flagfatto null") << monthly(u"15"_s, QDate(2024, 1, 15), {{u"flagfatto"_s, null}}) << mar15
                                    << Everywhere;

    // Look-ahead announces only important tasks.
    QTest::newRow("one-shot not important")
        << oneShot(mar15, {{u"anticipa"_s, u"N"_s}}) << mar15 << (Shown | Alarm | DayStart);
    QTest::newRow("span not important")
        << span(mar10, mar15, {{u"anticipa"_s, u"N"_s}}) << mar15 << (Shown | Alarm | DayStart);
    QTest::newRow("monthly, anticipa null") << monthly(u"15"_s, QDate(2024, 1, 15), {{u"anticipa"_s, null}})
                                            << mar15 << (Shown | Alarm | DayStart);
    QTest::newRow("weekly not important") << weekly(u"Friday"_s, QDate(2024, 1, 5), {{u"anticipa"_s, u"N"_s}})
                                          << mar15 << (Shown | Alarm | DayStart);
}

void OccurrenceTest::occurrence()
{
    QFETCH(Columns, columns);
    QFETCH(QDate, date);
    QFETCH(int, expected);

    brivane::test::TestArchive archive;
    insertTask(archive.db(), columns);
    if (QTest::currentTestFailed())
        return;

    const std::pair<int, QString> statements[] = {
        {Today, todayStatement(false)},    {TodayAll, todayStatement(true)},
        {Alarm, alarmListStatement()},     {DayStart, dayStartCheckStatement()},
        {LookAhead, lookAheadStatement()},
    };
    int found = Nowhere;
    for (const auto& [place, statement] : statements) {
        const QStringList ids = selectedIds(archive.db(), statement, date);
        QVERIFY2(ids.isEmpty() || ids == QStringList{u"task"_s}, qPrintable(ids.join(u"; ")));
        if (!ids.isEmpty())
            found |= place;
    }
    QCOMPARE(describe(found), describe(expected));
}

void OccurrenceTest::ordering_data()
{
    QTest::addColumn<QString>("statement");

    QTest::newRow("today") << todayStatement(false);
    QTest::newRow("today with suspended") << todayStatement(true);
    QTest::newRow("alarm list") << alarmListStatement();
    QTest::newRow("day-start check") << dayStartCheckStatement();
    QTest::newRow("look-ahead") << lookAheadStatement();
}

void OccurrenceTest::ordering()
{
    QFETCH(QString, statement);

    const QDate day(2024, 3, 15);
    const auto timed = [&](const QString& id, const QString& from, const QString& to) {
        return oneShot(day, {{u"id"_s, id}, {u"orario"_s, from}, {u"orario2"_s, to}});
    };
    brivane::test::TestArchive archive;
    for (const Columns& columns :
         {timed(u"b"_s, u"09:00"_s, u"10:00"_s), timed(u"a"_s, u"09:00"_s, u"10:00"_s),
          timed(u"c"_s, u"08:30"_s, u"  :  "_s), timed(u"d"_s, u"  :  "_s, u"  :  "_s),
          timed(u"e"_s, u"09:00"_s, u"09:30"_s), timed(u"f"_s, u"  :  "_s, u"11:00"_s),
          timed(u"g"_s, u"23:59"_s, u"  :  "_s)}) {
        insertTask(archive.db(), columns);
    }

    QCOMPARE(selectedIds(archive.db(), statement, day),
             (QStringList{u"d"_s, u"f"_s, u"c"_s, u"e"_s, u"a"_s, u"b"_s, u"g"_s}));
}

void OccurrenceTest::calendar_data()
{
    QTest::addColumn<QList<Columns>>("tasks");
    QTest::addColumn<DayClauses>("clauses");
    QTest::addColumn<bool>("showSuspended");
    QTest::addColumn<QString>("expected"); // "day:kinds" of every lit day of March 2024

    const QList<Columns> mixed{
        oneShot(QDate(2024, 3, 10)),
        monthly(u"15"_s, QDate(2024, 1, 15)),
        weekly(u"Friday"_s, QDate(2024, 1, 5)),
        yearly(u"03/20"_s, QDate(2000, 3, 20)),
        span(QDate(2024, 2, 28), QDate(2024, 3, 2)),
    };
    const QList<Columns> everyDayAndMonthly{everyDay(QDate(2024, 3, 25)),
                                            monthly(u"28"_s, QDate(2024, 1, 28))};

    QTest::newRow("all kinds") << mixed << AllDayClauses << false
                               << u"1:OW 2:O 8:W 10:O 15:MW 20:Y 22:W 29:W"_s;
    QTest::newRow("highlight monthly") << mixed << clausesOfKind(u"M"_s) << false << u"15:M"_s;
    QTest::newRow("highlight weekly")
        << mixed << clausesOfKind(u"W"_s) << false << u"1:W 8:W 15:W 22:W 29:W"_s;
    QTest::newRow("highlight one-shot") << mixed << clausesOfKind(u"O"_s) << false << u"1:O 2:O 10:O"_s;
    QTest::newRow("exclude weekly") << mixed << (AllDayClauses & ~clausesOfKind(u"W"_s)) << false
                                    << u"1:O 2:O 10:O 15:M 20:Y"_s;
    QTest::newRow("every-day with one-shot highlighted")
        << everyDayAndMonthly << clausesOfKind(u"O"_s) << false << u"25:O 26:O 27:O 28:O 29:O 30:O 31:O"_s;
    QTest::newRow("every-day left out with one-shot excluded")
        << everyDayAndMonthly << (AllDayClauses & ~clausesOfKind(u"O"_s)) << false << u"28:M"_s;
    QTest::newRow("suspended hidden") << QList<Columns>{oneShot(QDate(2024, 3, 10), {{u"sospeso"_s, u"Y"_s}})}
                                      << AllDayClauses << false << QString();
    QTest::newRow("suspended shown") << QList<Columns>{oneShot(QDate(2024, 3, 10), {{u"sospeso"_s, u"Y"_s}})}
                                     << AllDayClauses << true << u"10:O"_s;
    QTest::newRow("no clauses") << mixed << DayClauses() << true << QString();
}

void OccurrenceTest::calendar()
{
    QFETCH(QList<Columns>, tasks);
    QFETCH(DayClauses, clauses);
    QFETCH(bool, showSuspended);
    QFETCH(QString, expected);

    brivane::test::TestArchive archive;
    for (const Columns& columns : tasks)
        insertTask(archive.db(), columns);

    // One prepared statement serves every day of the month.
    const QString statement = calendarStatement(clauses, showSuspended);
    QSqlQuery query(archive.db());
    QVERIFY2(query.prepare(statement), qPrintable(query.lastError().text()));
    QStringList lit;
    for (QDate day(2024, 3, 1); day.month() == 3; day = day.addDays(1)) {
        bindDay(query, day);
        QVERIFY2(query.exec(), qPrintable(query.lastError().text()));
        QString kinds;
        while (query.next()) {
            const QString flag = query.value(u"flag"_s).toString();
            if (!kinds.contains(flag))
                kinds += flag;
        }
        if (!kinds.isEmpty()) {
            std::sort(kinds.begin(), kinds.end(),
                      [](QChar a, QChar b) { return u"OYMW"_s.indexOf(a) < u"OYMW"_s.indexOf(b); });
            lit << u"%1:%2"_s.arg(day.day()).arg(kinds);
        }
    }
    QCOMPARE(lit.join(u' '), expected);
}

QTEST_GUILESS_MAIN(OccurrenceTest)
#include "tst_occurrence.moc"
