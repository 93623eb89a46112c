#include "reminders/AlarmSchedule.h"
#include "reminders/Announcements.h"
#include "support/TestArchive.h"

#include <QSqlQuery>
#include <QTest>

using namespace brivane;
using reminders::AlarmEntry;
using reminders::AlarmSchedule;

namespace {

const QDate kDay(2024, 3, 6); // a Wednesday

AlarmEntry entry(const char* id, const char* orario)
{
    AlarmEntry e;
    e.id = QLatin1String(id);
    e.orario = QLatin1String(orario);
    e.time = reminders::alarmTime(e.orario);
    return e;
}

QDateTime at(const char* time, const QDate& day = kDay)
{
    return QDateTime(day, QTime::fromString(QLatin1String(time), QStringLiteral("hh:mm:ss")));
}

QStringList texts(std::initializer_list<const char*> items)
{
    QStringList list;
    for (const char* item : items)
        list << QLatin1String(item);
    return list;
}

QStringList ids(const QList<AlarmEntry>& entries)
{
    QStringList list;
    for (const AlarmEntry& e : entries)
        list << e.id;
    return list;
}

void addTask(const QSqlDatabase& db, const QString& flag, const QString& id, const QString& datefull,
             const QString& orario, const QString& extra = QString())
{
    QSqlQuery query(db);
    QVERIFY(query.exec(QStringLiteral("INSERT INTO BRarc66 (flag, id, datefull, orario, orario2, fatto, flagfatto, "
                                      "sospeso, anticipa, flagscad, dayofweek, dayofmonth, data) VALUES ('%1', '%2', "
                                      "'%3', '%4', '  :  ', '1600-01-01', 'N', 'N', 'Y', 'N', '', '', '')")
                           .arg(flag, id, datefull, orario)));
    if (!extra.isEmpty())
        QVERIFY(query.exec(QStringLiteral("UPDATE BRarc66 SET ") + extra + QStringLiteral(" WHERE id = '") + id + QLatin1Char('\'')));
}

} // namespace

class TestAlarmSchedule : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    // Each row: the ticks of one run, and what rang at each (joined by ",").
    void ticks_data()
    {
        QTest::addColumn<QStringList>("ticks");
        QTest::addColumn<QStringList>("rang");
        QTest::newRow("rings once in its minute")
            << texts({"08:29:58", "08:29:59", "08:30:00", "08:30:01", "08:30:59", "08:31:00"})
            << texts({"", "", "coffee,call", "", "", ""});
        QTest::newRow("stalled loop still rings once")
            << texts({"08:29:59", "08:30:20", "08:30:21"}) << texts({"", "coffee,call", ""});
        QTest::newRow("first tick after the minute began rings nothing")
            << texts({"08:30:10", "08:30:11"}) << texts({"", ""});
        QTest::newRow("woken after an hour rings nothing old")
            << texts({"07:29:00", "08:45:00"}) << texts({"", ""});
        QTest::newRow("late by up to a minute still rings")
            << texts({"08:29:40", "08:30:39"}) << texts({"", "coffee,call"});
        QTest::newRow("late by more than a minute is dropped")
            << texts({"08:29:00", "08:31:01"}) << texts({"", ""});
        QTest::newRow("same second twice rings once")
            << texts({"08:29:59", "08:30:00", "08:30:00"}) << texts({"", "coffee,call", ""});
        QTest::newRow("blank and unreadable times never ring")
            << texts({"23:59:58", "23:59:59", "00:00:00"}) << texts({"", "", ""});
    }
    void ticks()
    {
        QFETCH(QStringList, ticks);
        QFETCH(QStringList, rang);
        AlarmSchedule schedule;
        schedule.setEntries(kDay, {entry("blank", "  :  "), entry("coffee", "08:30"), entry("bad", "8h30"),
                                   entry("call", "8:30"), entry("later", "09:00")});
        for (int i = 0; i < ticks.size(); ++i)
            QCOMPARE(ids(schedule.due(at(ticks[i].toLatin1().constData()))).join(QLatin1Char(',')), rang[i]);
    }

    void anAlarmOfTodayDoesNotRingTomorrow()
    {
        AlarmSchedule schedule;
        schedule.setEntries(kDay, {entry("coffee", "08:30")});
        schedule.due(at("08:29:59", kDay.addDays(1)));
        QVERIFY(schedule.due(at("08:30:00", kDay.addDays(1))).isEmpty());
    }

    void alarmListLeavesOutDoneAndSuspended()
    {
        test::TestArchive archive;
        addTask(archive.db(), QStringLiteral("O"), QStringLiteral("pending"), QStringLiteral("2024-03-06"), QStringLiteral("08:30"));
        addTask(archive.db(), QStringLiteral("O"), QStringLiteral("done"), QStringLiteral("2024-03-06"), QStringLiteral("08:30"),
                QStringLiteral("fatto = '2024-03-06', flagfatto = 'Y'"));
        addTask(archive.db(), QStringLiteral("O"), QStringLiteral("suspended"), QStringLiteral("2024-03-06"), QStringLiteral("08:30"),
                QStringLiteral("sospeso = 'Y'"));
        addTask(archive.db(), QStringLiteral("O"), QStringLiteral("tomorrow"), QStringLiteral("2024-03-07"), QStringLiteral("08:30"));
        QList<AlarmEntry> entries;
        QVERIFY(reminders::loadAlarmList(archive.db(), kDay, entries));
        QCOMPARE(ids(entries), QStringList{QStringLiteral("pending")});
        QCOMPARE(entries.first().time, QTime(8, 30));
    }

    void taskText_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("expectedEnd");
        QTest::newRow("46 whole") << 44 << QStringLiteral("x!");
        QTest::newRow("47 cut") << 45 << QStringLiteral("x...");
    }
    void taskText()
    {
        QFETCH(int, length);
        QFETCH(QString, expectedEnd);
        const QString text = reminders::alarmTaskText(QString(length, QLatin1Char('x')));
        QVERIFY(text.endsWith(expectedEnd));
        QCOMPARE(text.size(), expectedEnd.endsWith(QLatin1String("...")) ? 46 : 46);
    }

    void lookAheadFarthestDayFirst()
    {
        test::TestArchive archive;
        const QDate today(2024, 3, 6);
        addTask(archive.db(), QStringLiteral("O"), QStringLiteral("in two days"), QStringLiteral("2024-03-08"), QStringLiteral("10:00"));
        addTask(archive.db(), QStringLiteral("O"), QStringLiteral("in five days"), QStringLiteral("2024-03-11"), QStringLiteral("  :  "));
        addTask(archive.db(), QStringLiteral("O"), QStringLiteral("done early"), QStringLiteral("2024-03-09"), QStringLiteral("10:00"),
                QStringLiteral("fatto = '2024-03-09', flagfatto = 'Y'"));
        addTask(archive.db(), QStringLiteral("O"), QStringLiteral("every day"), QStringLiteral("2024-03-01"), QStringLiteral("10:00"),
                QStringLiteral("dayofweek = 'T'"));
        addTask(archive.db(), QStringLiteral("O"), QStringLiteral("not important"), QStringLiteral("2024-03-10"), QStringLiteral("10:00"),
                QStringLiteral("anticipa = 'N'"));
        addTask(archive.db(), QStringLiteral("O"), QStringLiteral("too far"), QStringLiteral("2024-03-12"), QStringLiteral("10:00"));

        QList<reminders::LookAheadDay> days;
        QVERIFY(reminders::lookAheadDays(archive.db(), today, 5, days));
        QCOMPARE(days.size(), 2);
        QCOMPARE(days[0].daysAhead, 5);
        QCOMPARE(days[1].daysAhead, 2);
        const reminders::PopupContent first = reminders::lookAheadPopup(days[0]);
        QCOMPARE(first.title, QStringLiteral("I inform you that left 5 days, in date: Monday 11 March 2024\n"));
        QCOMPARE(first.text, QStringLiteral("              From __.__ To __.__ -> in five days\n"));
        QCOMPARE(first.height, 96);
        QVERIFY(reminders::anythingAhead(archive.db(), today, 5));
        QVERIFY(!reminders::anythingAhead(archive.db(), today, 1));
        QCOMPARE(reminders::nothingAheadPopup(5).text, QStringLiteral("No important task for the next 5 days."));
    }

    void todaysTasksPopupLeavesOutTicked()
    {
        const QList<reminders::AnnouncedTask> rows = {{QStringLiteral("08:00"), QStringLiteral("09:00"), QStringLiteral("gym"), false},
                                                      {QStringLiteral("  :  "), QStringLiteral("  :  "), QStringLiteral("paid"), true}};
        const reminders::PopupContent popup = reminders::todaysTasksPopup(rows, kDay);
        QCOMPARE(popup.title, QStringLiteral("Today's tasks (not checked): Wednesday 6 March 2024"));
        QCOMPARE(popup.text, QStringLiteral("              From 08:00 To 09:00 -> gym\n"));
        QCOMPARE(popup.height, 112);
        QCOMPARE(reminders::todaysTasksPopup(rows.mid(0, 1), kDay).title, QStringLiteral("Today's tasks: Wednesday 6 March 2024"));
    }
};

QTEST_GUILESS_MAIN(TestAlarmSchedule)
#include "tst_alarmschedule.moc"
