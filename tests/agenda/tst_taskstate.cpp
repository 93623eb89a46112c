#include "agenda/DaySelection.h"
#include "agenda/DoneState.h"
#include "agenda/Purge.h"
#include "agenda/Task.h"
#include "agenda/YearsCount.h"
#include "store/SqlDate.h"
#include "support/TestArchive.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace brivane::agenda;
using brivane::store::toSqlDate;

class TaskStateTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void toggledDone_data();
    void toggledDone();
    void storedDoneText_data();
    void storedDoneText();
    void undoneDateSortsBeforeRealDates();
    void toggleDoneInArchive();
    void repeatingTaskTickedOnceIsUndoneLater();
    void toggleMissingTask();
    void purge();
    void yearsCount_data();
    void yearsCount();
    void taskFromRecord();
};

namespace {

// Inserts a task from "column", value pairs and returns its key.
qint64 insertTask(QSqlDatabase db, const QList<std::pair<QString, QVariant>>& columns)
{
    QStringList names;
    QStringList placeholders;
    for (const auto& [name, value] : columns) {
        names << name;
        placeholders << u':' + name;
    }
    QSqlQuery query(db);
    if (!query.prepare(
            u"INSERT INTO BRarc66 (%1) VALUES (%2)"_s.arg(names.join(u", "), placeholders.join(u", "))))
        qFatal("%s", qPrintable(query.lastError().text()));
    for (const auto& [name, value] : columns)
        query.bindValue(u':' + name, value);
    if (!query.exec())
        qFatal("%s", qPrintable(query.lastError().text()));
    return query.lastInsertId().toLongLong();
}

QStringList columnValues(QSqlDatabase db, const QString& select)
{
    QSqlQuery query(db);
    QStringList values;
    if (!query.exec(select))
        return {u"SQL error: "_s + query.lastError().text()};
    while (query.next())
        values << query.value(0).toString();
    return values;
}

QStringList alarmIds(QSqlDatabase db, const QDate& today)
{
    QSqlQuery query(db);
    QString error;
    if (!selectDay(query, alarmListStatement(), today, &error))
        return {u"SQL error: "_s + error};
    QStringList ids;
    while (query.next())
        ids << query.value(u"id"_s).toString();
    return ids;
}

} // namespace

namespace brivane::agenda {
// Readable QCOMPARE failures.
char* toString(const DoneState& state)
{
    return QTest::toString(toSqlDate(state.fatto) + (state.ticked ? u" Y"_s : u" N"_s));
}
} // namespace brivane::agenda

void TaskStateTest::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void TaskStateTest::toggledDone_data()
{
    QTest::addColumn<QDate>("fatto");
    QTest::addColumn<bool>("ticked");
    QTest::addColumn<QDate>("expectedFatto");
    QTest::addColumn<bool>("expectedTicked");

    const QDate viewed(2024, 3, 15);
    QTest::newRow("mark a task never done") << undoneDate(viewed) << false << viewed << true;
    QTest::newRow("clear a tick of the viewed date") << viewed << true << undoneDate(viewed) << false;
    QTest::newRow("clear a tick of a later date") << viewed.addDays(3) << true << undoneDate(viewed) << false;
    QTest::newRow("tick of an earlier date moves to the viewed date")
        << viewed.addDays(-7) << true << viewed << true;
    QTest::newRow("fatto without tick marks") << viewed << false << viewed << true;
    QTest::newRow("tick without fatto marks") << QDate() << true << viewed << true;
}

void TaskStateTest::toggledDone()
{
    QFETCH(QDate, fatto);
    QFETCH(bool, ticked);
    QFETCH(QDate, expectedFatto);
    QFETCH(bool, expectedTicked);

    const DoneState result = brivane::agenda::toggledDone({fatto, ticked}, QDate(2024, 3, 15));
    QCOMPARE(result.fatto, expectedFatto);
    QCOMPARE(result.ticked, expectedTicked);
}

// The lists and the terminal agenda test the stored text of fatto, as
// UTF-16 or as the engine's UTF-8 bytes: both read it alike.
void TaskStateTest::storedDoneText_data()
{
    QTest::addColumn<QString>("fatto");
    QTest::addColumn<bool>("done");
    QTest::newRow("the viewed day") << u"2024-03-15"_s << true;
    QTest::newRow("a later day with a time") << u"2024-03-16 10:00"_s << true;
    QTest::newRow("an earlier day") << u"2024-03-14"_s << false;
    QTest::newRow("empty") << QString() << false;
    QTest::newRow("later as text, not a date") << u"9999-99-99"_s << false;
    QTest::newRow("later as text, short") << u"2024-3-15"_s << false;
    QTest::newRow("a date then other letters") << u"2024-03-15 é"_s << true;
    QTest::newRow("other letters first") << u"é2024-03-15"_s << false;
}

void TaskStateTest::storedDoneText()
{
    QFETCH(QString, fatto);
    QFETCH(bool, done);
    QCOMPARE(brivane::agenda::isDoneForText(fatto, u"2024-03-15"), done);
    QCOMPARE(brivane::agenda::isDoneForText(QByteArrayView(fatto.toUtf8()), QByteArrayView("2024-03-15")), done);
}

void TaskStateTest::undoneDateSortsBeforeRealDates()
{
    const QDate viewed(2024, 2, 9);
    QCOMPARE(undoneDate(viewed), QDate(1613, 6, 3)); // 150000 days back
    QCOMPARE(toSqlDate(undoneDate(viewed)), u"1613-06-03"_s);
    QVERIFY(toSqlDate(undoneDate(viewed)) < toSqlDate(QDate(1900, 1, 1)));
    QVERIFY(!isDoneFor(undoneDate(viewed), viewed));
    QVERIFY(!isDoneFor(QDate(), viewed));
}

void TaskStateTest::toggleDoneInArchive()
{
    brivane::test::TestArchive archive;
    const QDate viewed(2024, 3, 15);
    const qint64 key = insertTask(archive.db(), {{u"id"_s, u"call"_s},
                                                 {u"flag"_s, u"O"_s},
                                                 {u"datefull"_s, toSqlDate(viewed)},
                                                 {u"fatto"_s, toSqlDate(undoneDate(viewed))},
                                                 {u"flagfatto"_s, u"N"_s}});
    insertTask(archive.db(), {{u"id"_s, u"other"_s},
                              {u"flag"_s, u"O"_s},
                              {u"datefull"_s, toSqlDate(viewed)},
                              {u"fatto"_s, toSqlDate(undoneDate(viewed))},
                              {u"flagfatto"_s, u"N"_s}});
    const QString doneColumns = u"SELECT fatto || ' ' || flagfatto FROM BRarc66 ORDER BY codimp"_s;
    const QString notDone = toSqlDate(undoneDate(viewed)) + u" N"_s;

    QString error;
    QCOMPARE(toggleDone(archive.db(), key, viewed, &error), (DoneState{viewed, true}));
    QCOMPARE(columnValues(archive.db(), doneColumns), (QStringList{u"2024-03-15 Y"_s, notDone}));
    QCOMPARE(alarmIds(archive.db(), viewed), QStringList{u"other"_s});

    QCOMPARE(toggleDone(archive.db(), key, viewed, &error), (DoneState{undoneDate(viewed), false}));
    QCOMPARE(columnValues(archive.db(), doneColumns), (QStringList{notDone, notDone}));
    QCOMPARE(alarmIds(archive.db(), viewed), (QStringList{u"call"_s, u"other"_s}));
    QVERIFY2(error.isEmpty(), qPrintable(error));
}

void TaskStateTest::repeatingTaskTickedOnceIsUndoneLater()
{
    brivane::test::TestArchive archive;
    const QDate friday(2024, 3, 15);
    const qint64 key = insertTask(archive.db(), {{u"id"_s, u"gym"_s},
                                                 {u"flag"_s, u"W"_s},
                                                 {u"dayofweek"_s, u"Friday"_s},
                                                 {u"datefull"_s, u"2024-01-05"_s},
                                                 {u"fatto"_s, toSqlDate(undoneDate(friday))},
                                                 {u"flagfatto"_s, u"N"_s}});

    QVERIFY(toggleDone(archive.db(), key, friday).has_value());
    QCOMPARE(alarmIds(archive.db(), friday), QStringList());
    QCOMPARE(alarmIds(archive.db(), friday.addDays(7)), QStringList{u"gym"_s});

    // Ticking again on the later date marks it for that date instead of clearing.
    QCOMPARE(toggleDone(archive.db(), key, friday.addDays(7)), (DoneState{friday.addDays(7), true}));
}

void TaskStateTest::toggleMissingTask()
{
    brivane::test::TestArchive archive;
    QString error;
    QVERIFY(!toggleDone(archive.db(), 4711, QDate(2024, 3, 15), &error).has_value());
    QVERIFY(!error.isEmpty());
}

void TaskStateTest::purge()
{
    brivane::test::TestArchive archive;
    const QDate today(2024, 3, 15);
    const auto add = [&](const QString& id, const QString& flag, const QVariant& dayofweek,
                         const QDate& datefull, const QString& flagscad = u"N"_s,
                         const QDate& scadenza = {}) {
        insertTask(archive.db(), {{u"id"_s, id},
                                  {u"flag"_s, flag},
                                  {u"dayofweek"_s, dayofweek},
                                  {u"datefull"_s, toSqlDate(datefull)},
                                  {u"flagscad"_s, flagscad},
                                  {u"scadenza"_s, scadenza.isValid() ? toSqlDate(scadenza) : QVariant()}});
    };
    add(u"delete-after, yesterday"_s, u"O"_s, u"X"_s, today.addDays(-1));
    add(u"delete-after, last year"_s, u"O"_s, u"X"_s, today.addYears(-1));
    add(u"delete-after, today"_s, u"O"_s, u"X"_s, today);
    add(u"delete-after, tomorrow"_s, u"O"_s, u"X"_s, today.addDays(1));
    add(u"one-shot, yesterday"_s, u"O"_s, QVariant(), today.addDays(-1));
    add(u"span, started before"_s, u"O"_s, u""_s, today.addDays(-5), u"Y"_s, today.addDays(-2));
    add(u"every-day, started before"_s, u"O"_s, u"T"_s, today.addDays(-5));
    add(u"monthly, started before"_s, u"M"_s, u"X"_s, today.addDays(-5));

    QString error;
    QCOMPARE(purgeExpiredOneShots(archive.db(), today, &error), 2);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QCOMPARE(columnValues(archive.db(), u"SELECT id FROM BRarc66 ORDER BY codimp"_s),
             (QStringList{u"delete-after, today"_s, u"delete-after, tomorrow"_s, u"one-shot, yesterday"_s,
                          u"span, started before"_s, u"every-day, started before"_s,
                          u"monthly, started before"_s}));
    QCOMPARE(purgeExpiredOneShots(archive.db(), today, &error), 0);
    // No transaction was left open: a new one can start.
    QVERIFY(archive.db().transaction());
    QVERIFY(archive.db().rollback());
}

void TaskStateTest::yearsCount_data()
{
    QTest::addColumn<QDate>("start");
    QTest::addColumn<QDate>("today");
    QTest::addColumn<int>("expected");

    const QDate today(2024, 5, 10);
    QTest::newRow("birthday today") << QDate(1990, 5, 10) << today << 34;
    QTest::newRow("birthday tomorrow") << QDate(1990, 5, 11) << today << 33;
    QTest::newRow("birthday yesterday") << QDate(1990, 5, 9) << today << 34;
    QTest::newRow("birthday next month") << QDate(1990, 6, 1) << today << 33;
    QTest::newRow("birthday last month, later day") << QDate(1990, 4, 30) << today << 34;
    QTest::newRow("start today") << today << today << 0;
    QTest::newRow("start later this year") << QDate(2024, 6, 1) << today << -1;
    QTest::newRow("start next year, earlier in the year") << QDate(2025, 2, 1) << today << -1;
    QTest::newRow("start in two years, later in the year") << QDate(2026, 8, 1) << today << -3;
    QTest::newRow("29 February, 28 February of a common year")
        << QDate(2020, 2, 29) << QDate(2021, 2, 28) << 0;
    QTest::newRow("29 February, 1 March of a common year") << QDate(2020, 2, 29) << QDate(2021, 3, 1) << 1;
    QTest::newRow("29 February, leap day") << QDate(2020, 2, 29) << QDate(2024, 2, 29) << 4;
}

void TaskStateTest::yearsCount()
{
    QFETCH(QDate, start);
    QFETCH(QDate, today);
    QFETCH(int, expected);

    QCOMPARE(brivane::agenda::yearsCount(start, today), expected);
}

void TaskStateTest::taskFromRecord()
{
    brivane::test::TestArchive archive;
    insertTask(archive.db(), {{u"id"_s, u"Anna's birthday"_s},
                              {u"note"_s, u"flowers"_s},
                              {u"dayofweek"_s, u"DI"_s},
                              {u"dayindex"_s, 42.0},
                              {u"dayofmonth"_s, u"SI"_s},
                              {u"datefull"_s, u"1990-05-10"_s},
                              {u"data"_s, u"05/10"_s},
                              {u"orario"_s, u"09:00"_s},
                              {u"orario2"_s, u"10:30"_s},
                              {u"flag"_s, u"Y"_s},
                              {u"ricerca"_s, u"Anna"_s},
                              {u"allegato"_s, u"mailto:anna@example.org"_s},
                              {u"fatto"_s, u"2023-05-10"_s},
                              {u"flagfatto"_s, u"Y"_s},
                              {u"anticipa"_s, u"Y"_s},
                              {u"sospeso"_s, u"N"_s},
                              {u"flagscad"_s, u"Y"_s},
                              {u"scadenza"_s, u"2090-12-31"_s}});
    insertTask(archive.db(), {{u"id"_s, u"bare"_s}, {u"flag"_s, u"O"_s}, {u"note"_s, u""_s}});

    QSqlQuery query(archive.db());
    QVERIFY(query.exec(u"SELECT * FROM BRarc66 ORDER BY codimp"_s));
    QVERIFY(query.next());
    const Task full = Task::fromRecord(query.record());
    QCOMPARE(full.codimp, qint64(1));
    QCOMPARE(
        (QStringList{full.id, full.note, full.dayofweek, full.dayofmonth, full.data, full.orario,
                     full.orario2, full.flag, full.ricerca, full.allegato, full.flagfatto, full.anticipa,
                     full.sospeso, full.flagscad}),
        (QStringList{u"Anna's birthday"_s, u"flowers"_s, u"DI"_s, u"SI"_s, u"05/10"_s, u"09:00"_s, u"10:30"_s,
                     u"Y"_s, u"Anna"_s, u"mailto:anna@example.org"_s, u"Y"_s, u"Y"_s, u"N"_s, u"Y"_s}));
    QCOMPARE(full.dayindex, std::optional<double>(42.0));
    QCOMPARE(full.datefull, QDate(1990, 5, 10));
    QCOMPARE(full.fatto, QDate(2023, 5, 10));
    QCOMPARE(full.scadenza, QDate(2090, 12, 31));
    QCOMPARE(full.doneState(), (DoneState{QDate(2023, 5, 10), true}));

    QVERIFY(query.next());
    const Task bare = Task::fromRecord(query.record());
    QVERIFY(!bare.dayindex.has_value());
    QVERIFY(bare.dayofweek.isNull());
    QVERIFY(!bare.note.isNull() && bare.note.isEmpty());
    QVERIFY(!bare.datefull.isValid());
    QCOMPARE(bare.doneState(), (DoneState{QDate(), false}));
}

QTEST_GUILESS_MAIN(TaskStateTest)
#include "tst_taskstate.moc"
