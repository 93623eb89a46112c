#include "agenda/CalendarMarks.h"
#include "store/SettingsRecord.h"
#include "store/SqlDate.h"
#include "support/TestArchive.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;
using namespace brivane::agenda;

using Columns = QVariantMap;
Q_DECLARE_METATYPE(brivane::agenda::MarkingOptions)

class CalendarMarksTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void marksOfMonth_data();
    void marksOfMonth();
    void failedQuery();
    void highlightColor_data();
    void highlightColor();
    void kindColors();
    void monthSteps_data();
    void monthSteps();

private:
    std::unique_ptr<brivane::test::TestArchive> m_archive;
};

namespace {

void insertTask(QSqlDatabase db, const Columns& columns)
{
    QStringList names;
    QStringList placeholders;
    for (auto it = columns.cbegin(); it != columns.cend(); ++it) {
        names << it.key();
        placeholders << u':' + it.key();
    }
    QSqlQuery query(db);
    QVERIFY(query.prepare(
        u"INSERT INTO BRarc66 (%1) VALUES (%2)"_s.arg(names.join(u", "), placeholders.join(u", "))));
    for (auto it = columns.cbegin(); it != columns.cend(); ++it) {
        const QVariant value = it.value().typeId() == QMetaType::QDate
                                   ? QVariant(brivane::store::toSqlDate(it.value().toDate()))
                                   : it.value();
        query.bindValue(u':' + it.key(), value);
    }
    QVERIFY2(query.exec(), qPrintable(query.lastError().text()));
}

Columns task(const QString& flag, const QDate& datefull, const Columns& extra)
{
    Columns columns{{u"id"_s, u"task"_s},
                    {u"flag"_s, flag},
                    {u"datefull"_s, datefull},
                    {u"sospeso"_s, u"N"_s},
                    {u"flagscad"_s, u"N"_s}};
    columns.insert(extra);
    return columns;
}

// "day:mark text" of every lit day, e.g. "15:XXMW 20:XYXX".
QString describe(const MonthMarks& marks)
{
    QStringList days;
    for (const QDate& day : marks.litDays())
        days << u"%1:%2"_s.arg(day.day()).arg(marks.markText(day));
    return days.join(u' ');
}

MarkingOptions options(KindChoice highlight, KindChoice exclude, bool showSuspended = false)
{
    return {highlight, exclude, showSuspended};
}

const QDate march(2024, 3, 17); // March 2024 starts on a Friday

} // namespace

void CalendarMarksTest::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    m_archive = std::make_unique<brivane::test::TestArchive>();
    const QDate start(2024, 1, 1);
    for (const Columns& columns : {
             task(u"O"_s, QDate(2024, 3, 10), {}),
             task(u"O"_s, QDate(2024, 2, 28), {{u"flagscad"_s, u"Y"_s}, {u"scadenza"_s, QDate(2024, 3, 2)}}),
             task(u"O"_s, QDate(2024, 3, 25), {{u"dayofweek"_s, u"T"_s}}), // every day from the 25th
             task(u"M"_s, start, {{u"dayofmonth"_s, u"15"_s}}),
             task(u"M"_s, start, {{u"dayofmonth"_s, u"05"_s}, {u"sospeso"_s, u"Y"_s}}),
             task(u"W"_s, start, {{u"dayofweek"_s, u"Friday"_s}}), // the 1st, 8th, 15th, 22nd, 29th
             task(u"Y"_s, QDate(2000, 3, 20), {{u"data"_s, u"03/20"_s}, {u"dayofmonth"_s, u"SI"_s}}),
         }) {
        insertTask(m_archive->db(), columns);
    }
}

void CalendarMarksTest::marksOfMonth_data()
{
    QTest::addColumn<MarkingOptions>("options");
    QTest::addColumn<QString>("expected");

    using enum KindChoice;
    const QString everyDay = u"25:OXXX 26:OXXX 27:OXXX 28:OXXX"_s;
    QTest::newRow("all") << options(Any, Any)
                         << u"1:OXXW 2:OXXX 8:XXXW 10:OXXX 15:XXMW 20:XYXX 22:XXXW "_s + everyDay +
                                u" 29:OXXW 30:OXXX 31:OXXX"_s;
    QTest::newRow("all, suspended shown")
        << options(Any, Any, true)
        << u"1:OXXW 2:OXXX 5:XXMX 8:XXXW 10:OXXX 15:XXMW 20:XYXX 22:XXXW "_s + everyDay +
               u" 29:OXXW 30:OXXX 31:OXXX"_s;
    QTest::newRow("highlight one-shot")
        << options(OneShot, Any) << u"1:OXXX 2:OXXX 10:OXXX "_s + everyDay + u" 29:OXXX 30:OXXX 31:OXXX"_s;
    QTest::newRow("highlight yearly") << options(Yearly, Any) << u"20:XYXX"_s;
    QTest::newRow("highlight monthly") << options(Monthly, Any) << u"15:XXMX"_s;
    QTest::newRow("highlight monthly, suspended shown") << options(Monthly, Any, true) << u"5:XXMX 15:XXMX"_s;
    QTest::newRow("highlight weekly") << options(Weekly, Any) << u"1:XXXW 8:XXXW 15:XXXW 22:XXXW 29:XXXW"_s;
    QTest::newRow("exclude one-shot, every-day tasks with them")
        << options(Any, OneShot) << u"1:XXXW 8:XXXW 15:XXMW 20:XYXX 22:XXXW 29:XXXW"_s;
    QTest::newRow("exclude one-shot, suspended shown")
        << options(Any, OneShot, true) << u"1:XXXW 5:XXMX 8:XXXW 15:XXMW 20:XYXX 22:XXXW 29:XXXW"_s;
    QTest::newRow("exclude yearly") << options(Any, Yearly)
                                    << u"1:OXXW 2:OXXX 8:XXXW 10:OXXX 15:XXMW 22:XXXW "_s + everyDay +
                                           u" 29:OXXW 30:OXXX 31:OXXX"_s;
    QTest::newRow("exclude monthly") << options(Any, Monthly)
                                     << u"1:OXXW 2:OXXX 8:XXXW 10:OXXX 15:XXXW 20:XYXX 22:XXXW "_s +
                                            everyDay + u" 29:OXXW 30:OXXX 31:OXXX"_s;
    const QString withoutWeekly =
        u"1:OXXX 2:OXXX 10:OXXX 15:XXMX 20:XYXX "_s + everyDay + u" 29:OXXX 30:OXXX 31:OXXX"_s;
    QTest::newRow("exclude weekly") << options(Any, Weekly) << withoutWeekly;
    QTest::newRow("an excluded kind outweighs a highlighted one")
        << options(Monthly, Weekly) << withoutWeekly;
}

void CalendarMarksTest::marksOfMonth()
{
    QFETCH(MarkingOptions, options);
    QFETCH(QString, expected);

    QString error;
    const std::optional<MonthMarks> marks = markMonth(m_archive->db(), march, options, &error);
    QVERIFY2(marks, qPrintable(error));
    QCOMPARE(marks->firstDay(), QDate(2024, 3, 1));
    QCOMPARE(describe(*marks), expected);
}

void CalendarMarksTest::failedQuery()
{
    // A database without the task table: the engine's message comes back.
    const QString connection = u"no tasks"_s;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, connection);
        db.setDatabaseName(u":memory:"_s);
        QVERIFY(db.open());
        QString error;
        QVERIFY(!markMonth(db, march, {}, &error));
        QVERIFY2(error.contains(u"BRarc66"_s), qPrintable(error));
    }
    QSqlDatabase::removeDatabase(connection);
}

void CalendarMarksTest::highlightColor_data()
{
    QTest::addColumn<MarkingOptions>("options");
    QTest::addColumn<int>("section");
    QTest::addColumn<QString>("colorText");
    QTest::addColumn<QColor>("expected");

    using enum KindChoice;
    constexpr int yearly = 1;
    constexpr int monthly = 2;
    constexpr int weekly = 3;
    constexpr int today = 4;
    const QColor grey(0x80, 0x80, 0x80);
    QTest::newRow("all: Today colour")
        << options(Any, Any) << today << u"$00CE9D9D"_s << QColor(0x9D, 0x9D, 0xCE);
    QTest::newRow("excluding: Today colour")
        << options(Any, Weekly) << today << u"$00CE9D9D"_s << QColor(0x9D, 0x9D, 0xCE);
    QTest::newRow("excluding ignores the excluded kind's colour")
        << options(Any, Weekly) << weekly << u"$00112233"_s << QColor(Qt::yellow);
    QTest::newRow("highlight yearly: Yearly colour")
        << options(Yearly, Any) << yearly << u"$0000A5FF"_s << QColor(0xFF, 0xA5, 0x00);
    QTest::newRow("white by name becomes yellow")
        << options(Monthly, Any) << monthly << u"clWhite"_s << QColor(Qt::yellow);
    QTest::newRow("white by value becomes yellow")
        << options(Monthly, Any) << monthly << u"$00FFFFFF"_s << QColor(Qt::yellow);
    QTest::newRow("black becomes grey") << options(Monthly, Any) << monthly << u"clBlack"_s << grey;
    QTest::newRow("$FFFFFFFF becomes grey") << options(Any, Any) << today << u"$FFFFFFFF"_s << grey;
}

void CalendarMarksTest::highlightColor()
{
    QFETCH(MarkingOptions, options);
    QFETCH(int, section);
    QFETCH(QString, colorText);
    QFETCH(QColor, expected);

    // Every section white, so a colour taken from the wrong section shows as yellow.
    QStringList sections(9, u"clWhite"_s);
    sections[section] = colorText;
    QCOMPARE(brivane::agenda::highlightColor(sections, options), expected);
}

void CalendarMarksTest::kindColors()
{
    const QStringList sections{u"clRed"_s, u"clGreen"_s, u"clBlue"_s, u"$00112233"_s, u"clWhite"_s};
    QCOMPARE(brivane::agenda::kindColors(sections, false),
             (QList<QColor>{Qt::red, QColor(0, 0x80, 0), Qt::blue, QColor(0x33, 0x22, 0x11)}));
    QCOMPARE(brivane::agenda::kindColors(sections, true),
             (QList<QColor>{QColor(0xD2, 0xA6, 0xA6), QColor(0xF5, 0xE3, 0xA7), QColor(0x54, 0xA5, 0x58),
                            QColor(0x07, 0x8F, 0xBC)}));
}

void CalendarMarksTest::monthSteps_data()
{
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QDate>("previous");
    QTest::addColumn<QDate>("next");

    QTest::newRow("31 January") << QDate(2024, 1, 31) << QDate(2023, 12, 31) << QDate(2024, 2, 1);
    QTest::newRow("1 March, leap year") << QDate(2024, 3, 1) << QDate(2024, 2, 29) << QDate(2024, 4, 1);
    QTest::newRow("1 March") << QDate(2023, 3, 1) << QDate(2023, 2, 28) << QDate(2023, 4, 1);
    QTest::newRow("mid December") << QDate(2023, 12, 15) << QDate(2023, 11, 30) << QDate(2024, 1, 1);
}

void CalendarMarksTest::monthSteps()
{
    QFETCH(QDate, from);
    QFETCH(QDate, previous);
    QFETCH(QDate, next);

    QCOMPARE(lastDayOfPreviousMonth(from), previous);
    QCOMPARE(firstDayOfNextMonth(from), next);
}

QTEST_GUILESS_MAIN(CalendarMarksTest)
#include "tst_calendarmarks.moc"
