#include "agenda/CalendarMarks.h"
#include "store/SqlDate.h"
#include "support/TestArchive.h"
#include "agenda/widgets/CalendarMarker.h"
#include "agenda/widgets/LitCalendar.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QSignalSpy>
#include <QSqlError>
#include <QSqlQuery>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;
using namespace brivane;
using agenda::KindChoice;
using agenda::MarkingOptions;
using agenda::MonthMarks;
using ui::LitCalendar;

namespace {

// 7 × 7 cells of 32 × 26 pixels.
constexpr int kCellWidth = 32;
constexpr int kCellHeight = 26;

void setUpCalendar(LitCalendar& calendar, const QDate& date)
{
    calendar.resize(7 * kCellWidth, 7 * kCellHeight);
    calendar.setDate(date);
}

// The cell of a day in a Monday-first month grid below the row of day names.
QRect cellOf(const QDate& day)
{
    const int index = QDate(day.year(), day.month(), 1).dayOfWeek() - 1 + day.day() - 1;
    return {index % 7 * kCellWidth, (1 + index / 7) * kCellHeight, kCellWidth, kCellHeight};
}

QPoint centreOf(int column, int row)
{
    return {column * kCellWidth + kCellWidth / 2, row * kCellHeight + kCellHeight / 2};
}

void sendKey(QWidget* widget, QEvent::Type type, Qt::Key key, bool autoRepeat = false)
{
    QKeyEvent event(type, key, Qt::NoModifier, QString(), autoRepeat);
    QCoreApplication::sendEvent(widget, &event);
}

void insertTask(QSqlDatabase db, const QString& flag, const QDate& datefull, const QString& dayofmonth,
                const QString& dayofweek)
{
    QSqlQuery query(db);
    QVERIFY(
        query.prepare(u"INSERT INTO BRarc66 (id, flag, datefull, dayofmonth, dayofweek, sospeso, flagscad) "
                      "VALUES ('task', :flag, :datefull, :dayofmonth, :dayofweek, 'N', 'N')"_s));
    query.bindValue(u":flag"_s, flag);
    query.bindValue(u":datefull"_s, store::toSqlDate(datefull));
    query.bindValue(u":dayofmonth"_s, dayofmonth);
    query.bindValue(u":dayofweek"_s, dayofweek);
    QVERIFY2(query.exec(), qPrintable(query.lastError().text()));
}

} // namespace

class LitCalendarTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void click_data();
    void click();
    void doubleClick();
    void keys_data();
    void keys();
    void heldKeyReportsWhereItStops();
    void painting_data();
    void painting();
    void oneRunPerPass();
    void choices();
};

void LitCalendarTest::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void LitCalendarTest::click_data()
{
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<QDate>("expected"); // invalid: the click picks no day

    // March 2024 starts on a Friday and ends on a Sunday.
    QTest::newRow("first day") << centreOf(4, 1) << Qt::LeftButton << QDate(2024, 3, 1);
    QTest::newRow("a Monday") << centreOf(0, 2) << Qt::LeftButton << QDate(2024, 3, 4);
    QTest::newRow("last day") << centreOf(6, 5) << Qt::LeftButton << QDate(2024, 3, 31);
    QTest::newRow("right button") << centreOf(2, 3) << Qt::RightButton << QDate(2024, 3, 13);
    QTest::newRow("cell's top left pixel")
        << QPoint(kCellWidth, 2 * kCellHeight) << Qt::LeftButton << QDate(2024, 3, 5);
    QTest::newRow("day names") << centreOf(4, 0) << Qt::LeftButton << QDate();
    QTest::newRow("blank before the first") << centreOf(3, 1) << Qt::LeftButton << QDate();
    QTest::newRow("blank after the last") << centreOf(0, 6) << Qt::LeftButton << QDate();
    QTest::newRow("middle button") << centreOf(4, 1) << Qt::MiddleButton << QDate();
}

void LitCalendarTest::click()
{
    QFETCH(QPoint, point);
    QFETCH(Qt::MouseButton, button);
    QFETCH(QDate, expected);

    const QDate shown(2024, 3, 17);
    LitCalendar calendar;
    setUpCalendar(calendar, shown);
    QSignalSpy clicked(&calendar, &LitCalendar::dateClicked);

    QTest::mouseClick(&calendar, button, {}, point);

    if (!expected.isValid()) {
        QCOMPARE(clicked.count(), 0);
        QCOMPARE(calendar.date(), shown);
        return;
    }
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(clicked.at(0).at(0).toDate(), expected);
    QCOMPARE(clicked.at(0).at(1).value<Qt::MouseButton>(), button);
    QCOMPARE(calendar.date(), expected);
}

void LitCalendarTest::doubleClick()
{
    LitCalendar calendar;
    setUpCalendar(calendar, QDate(2024, 3, 17));
    QSignalSpy doubleClicked(&calendar, &LitCalendar::dateDoubleClicked);

    QTest::mouseDClick(&calendar, Qt::LeftButton, {}, cellOf(QDate(2024, 3, 22)).center());
    QTest::mouseDClick(&calendar, Qt::LeftButton, {}, centreOf(0, 6)); // no day there

    QCOMPARE(doubleClicked.count(), 1);
    QCOMPARE(doubleClicked.at(0).at(0).toDate(), QDate(2024, 3, 22));
    QCOMPARE(calendar.date(), QDate(2024, 3, 22));
}

void LitCalendarTest::keys_data()
{
    QTest::addColumn<QDate>("from");
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<QDate>("expected");

    QTest::newRow("right in the month") << QDate(2024, 3, 10) << Qt::Key_Right << QDate(2024, 3, 11);
    QTest::newRow("right past the month's end") << QDate(2024, 1, 31) << Qt::Key_Right << QDate(2024, 2, 1);
    QTest::newRow("left before the month's start") << QDate(2024, 3, 1) << Qt::Key_Left << QDate(2024, 2, 29);
    QTest::newRow("up a week into the previous month")
        << QDate(2024, 3, 3) << Qt::Key_Up << QDate(2024, 2, 25);
    QTest::newRow("down a week into the next month")
        << QDate(2024, 3, 28) << Qt::Key_Down << QDate(2024, 4, 4);
    QTest::newRow("page down: first of next month")
        << QDate(2024, 1, 31) << Qt::Key_PageDown << QDate(2024, 2, 1);
    QTest::newRow("page up: last of previous month")
        << QDate(2024, 3, 1) << Qt::Key_PageUp << QDate(2024, 2, 29);
    QTest::newRow("page up across the year") << QDate(2024, 1, 15) << Qt::Key_PageUp << QDate(2023, 12, 31);
}

void LitCalendarTest::keys()
{
    QFETCH(QDate, from);
    QFETCH(Qt::Key, key);
    QFETCH(QDate, expected);

    LitCalendar calendar;
    setUpCalendar(calendar, from);
    QSignalSpy keyed(&calendar, &LitCalendar::dateKeyed);

    QTest::keyClick(&calendar, key);

    QCOMPARE(keyed.count(), 1);
    QCOMPARE(keyed.at(0).at(0).toDate(), expected);
    QCOMPARE(calendar.date(), expected);
    // The grid now lays out the new date's month.
    QCOMPARE(calendar.dateAt(cellOf(expected).center()), expected);
}

void LitCalendarTest::heldKeyReportsWhereItStops()
{
    LitCalendar calendar;
    setUpCalendar(calendar, QDate(2024, 3, 10));
    QSignalSpy keyed(&calendar, &LitCalendar::dateKeyed);

    sendKey(&calendar, QEvent::KeyPress, Qt::Key_Right);
    for (int repeat = 0; repeat < 2; ++repeat) {
        sendKey(&calendar, QEvent::KeyRelease, Qt::Key_Right, true);
        sendKey(&calendar, QEvent::KeyPress, Qt::Key_Right, true);
    }
    QCOMPARE(keyed.count(), 0);
    sendKey(&calendar, QEvent::KeyRelease, Qt::Key_Right);
    QTest::keyClick(&calendar, Qt::Key_A);

    QCOMPARE(keyed.count(), 1);
    QCOMPARE(keyed.at(0).at(0).toDate(), QDate(2024, 3, 13));
}

void LitCalendarTest::painting_data()
{
    QTest::addColumn<QDate>("day");
    QTest::addColumn<QPoint>("offset"); // from the cell's top left corner
    QTest::addColumn<bool>("borders");
    QTest::addColumn<QColor>("expected");

    const QColor light(0x9D, 0x9D, 0xCE);
    const QColor oneShot(0xD2, 0xA6, 0xA6);
    const QColor monthly(0x54, 0xA5, 0x58);
    const QDate lit(2024, 3, 10);                 // one-shot and monthly tasks
    const QPoint squares(0, kCellHeight - 2 - 3); // the middle row of the squares

    QTest::newRow("lit day") << lit << QPoint(kCellWidth - 4, 2) << true << light;
    QTest::newRow("one-shot square") << lit << squares + QPoint(3, 0) << true << oneShot;
    QTest::newRow("one-shot square's border") << lit << squares + QPoint(0, 0) << true << QColor(Qt::black);
    QTest::newRow("square without border") << lit << squares + QPoint(0, 0) << false << oneShot;
    QTest::newRow("no yearly task: no square") << lit << squares + QPoint(7 + 3, 0) << true << light;
    QTest::newRow("monthly square") << lit << squares + QPoint(14 + 3, 0) << true << monthly;
    QTest::newRow("no weekly task: no square") << lit << squares + QPoint(21 + 3, 0) << true << light;
    QTest::newRow("unlit day") << QDate(2024, 3, 11) << squares + QPoint(3, 0) << true << QColor(Qt::white);
    QTest::newRow("viewed lit day") << QDate(2024, 3, 20) << QPoint(kCellWidth - 4, 2) << true
                                    << QColor(Qt::blue);
}

void LitCalendarTest::painting()
{
    QFETCH(QDate, day);
    QFETCH(QPoint, offset);
    QFETCH(bool, borders);
    QFETCH(QColor, expected);

    LitCalendar calendar;
    setUpCalendar(calendar, QDate(2024, 3, 20));
    MonthMarks marks(QDate(2024, 3, 1));
    marks.addTask(QDate(2024, 3, 10), u"M"_s);
    marks.addTask(QDate(2024, 3, 10), u"O"_s);
    marks.addTask(QDate(2024, 3, 20), u"W"_s);
    calendar.setMarks(marks);
    calendar.setLightColor(QColor(0x9D, 0x9D, 0xCE));
    calendar.setKindColors(agenda::builtInKindColors());
    calendar.setKindBorders(borders);

    const QImage image = calendar.grab().toImage();
    QCOMPARE(image.pixelColor(cellOf(day).topLeft() + offset), expected);
}

void LitCalendarTest::oneRunPerPass()
{
    test::TestArchive archive;
    insertTask(archive.db(), u"M"_s, QDate(2024, 1, 1), u"15"_s, {});
    insertTask(archive.db(), u"W"_s, QDate(2024, 1, 1), {}, u"Friday"_s);
    insertTask(archive.db(), u"O"_s, QDate(2024, 2, 10), {}, {});

    LitCalendar calendar;
    ui::CalendarMarker marker(&calendar, archive.archive().connectionName());
    QStringList sections(9, u"clSilver"_s);
    sections[2] = u"$0058A554"_s; // Monthly
    marker.setSectionColors(sections);
    auto* highlightTimer = marker.findChild<QTimer*>(u"TimerNERO"_s);
    auto* excludeTimer = marker.findChild<QTimer*>(u"TimerEscludiNero"_s);
    QVERIFY(highlightTimer && excludeTimer);
    QSignalSpy runs(&marker, &ui::CalendarMarker::marked);

    // Three Today refreshes in one pass of the event loop.
    marker.schedule(QDate(2024, 2, 10), {});
    marker.schedule(QDate(2024, 3, 5), {KindChoice::Any, KindChoice::Weekly, false});
    QVERIFY(excludeTimer->isActive());
    QVERIFY(!highlightTimer->isActive());
    marker.schedule(QDate(2024, 3, 8), {KindChoice::Monthly, KindChoice::Any, false});
    QVERIFY(highlightTimer->isActive());
    QVERIFY(!excludeTimer->isActive());
    QCOMPARE(runs.count(), 0);

    QTRY_COMPARE(runs.count(), 1);
    QVERIFY(!marker.isPending()); // nothing left that could run again
    QCOMPARE(runs.count(), 1);
    // The last request counts: March, monthly tasks only, in the Monthly colour.
    QCOMPARE(calendar.marks().litDays(), QList<QDate>{QDate(2024, 3, 15)});
    QCOMPARE(calendar.marks().markText(QDate(2024, 3, 15)), u"XXMX"_s);
    QCOMPARE(calendar.lightColor(), QColor(0x54, 0xA5, 0x58));
}

void LitCalendarTest::choices()
{
    QComboBox highlights;
    QComboBox exclude;
    QStringList seenAtRefresh;
    ui::setUpMarkingChoices(&highlights, &exclude, [&] {
        seenAtRefresh << highlights.currentText() + u" / "_s + exclude.currentText();
    });
    QCOMPARE(highlights.currentText(), u"All"_s);
    QCOMPARE(exclude.currentText(), u"None"_s);

    exclude.setCurrentIndex(exclude.findText(u"Weekly"_s));
    highlights.setCurrentIndex(highlights.findText(u"Monthly"_s));
    QTest::keyClick(&highlights, Qt::Key_Down); // the user picks "Weekly"
    QTest::keyClick(&exclude, Qt::Key_Down);    // then "One Shot"

    QCOMPARE(seenAtRefresh, (QStringList{u"Weekly / None"_s, u"All / One Shot"_s}));
    QCOMPARE(ui::markingOptions(&highlights, &exclude, true),
             (MarkingOptions{KindChoice::Any, KindChoice::OneShot, true}));
}

QTEST_MAIN(LitCalendarTest)
#include "tst_litcalendar_gui.moc"
