#include "agenda/DateFormat.h"
#include "agenda/DayPieces.h"
#include "agenda/DisplayFields.h"
#include "agenda/IsoWeek.h"
#include "agenda/Parity.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace brivane::agenda;

class DateFormatTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void patterns_data();
    void patterns();
    void otherLocales_data();
    void otherLocales();
    void separators_data();
    void separators();
    void invalidDateGivesEmptyText();
    void isoWeek_data();
    void isoWeek();
    void parityCodesOfStartDate_data();
    void parityCodesOfStartDate();
    void dayPieces_data();
    void dayPieces();
};

namespace {

const QLocale usEnglish(QLocale::English, QLocale::UnitedStates);

QDateTime at(int year, int month, int day, int hour, int minute, int second)
{
    return {QDate(year, month, day), QTime(hour, minute, second)};
}

} // namespace

void DateFormatTest::initTestCase()
{
    QLocale::setDefault(usEnglish);
}

void DateFormatTest::patterns_data()
{
    QTest::addColumn<QDateTime>("when");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("expected");

    const QDateTime friday = at(2024, 2, 9, 14, 5, 7);
    QTest::newRow("long date") << friday << u"dddd d mmmm yyyy"_s << u"Friday 9 February 2024"_s;
    QTest::newRow("day with zero") << friday << u"dd"_s << u"09"_s;
    QTest::newRow("month/day") << friday << u"mm/dd"_s << u"02/09"_s;
    QTest::newRow("short forms") << friday << u"ddd d mmm yy"_s << u"Fri 9 Feb 24"_s;
    QTest::newRow("no leading zeros") << friday << u"m/d/yyyy"_s << u"2/9/2024"_s;
    QTest::newRow("capital letters") << friday << u"DD/MM/YYYY"_s << u"09/02/2024"_s;
    QTest::newRow("other characters literal") << friday << u"[dd] week x"_s << u"[09] week x"_s;
    QTest::newRow("time") << friday << u"hh:mm:ss"_s << u"14:05:07"_s;
    QTest::newRow("time with blanks") << friday << u"hh mm ss"_s << u"14 05 07"_s;
    QTest::newRow("minutes without zero after hour") << friday << u"h:m"_s << u"14:5"_s;
    QTest::newRow("month after a day part") << friday << u"hh d mm"_s << u"14 9 02"_s;
    QTest::newRow("month name after hour") << friday << u"hh mmmm"_s << u"14 February"_s;
    QTest::newRow("month before hour") << friday << u"mm hh"_s << u"02 14"_s;
    QTest::newRow("timestamp") << friday << u"yyyy-mm-dd-hh-nn-ss"_s << u"2024-02-09-14-05-07"_s;
    QTest::newRow("clock caption") << friday << u"dddd d mmmm yyyy - hh:mm:ss"_s
                                   << u"Friday 9 February 2024 - 14:05:07"_s;
    QTest::newRow("clock caption 12-hour")
        << friday << u"dddd d mmmm yyyy - hh:mm:ss am/pm"_s << u"Friday 9 February 2024 - 02:05:07 pm"_s;
    QTest::newRow("after midnight 12-hour")
        << at(2024, 2, 9, 0, 30, 0) << u"hh:mm:ss am/pm"_s << u"12:30:00 am"_s;
    QTest::newRow("noon 12-hour") << at(2024, 2, 9, 12, 0, 0) << u"h:mm am/pm"_s << u"12:00 pm"_s;
    QTest::newRow("capital AM/PM") << at(2024, 2, 9, 9, 15, 0) << u"h:mm AM/PM"_s << u"9:15 AM"_s;
    QTest::newRow("before year 1000") << at(987, 6, 5, 0, 0, 0) << u"dd/mm/yyyy"_s << u"05/06/0987"_s;
}

void DateFormatTest::patterns()
{
    QFETCH(QDateTime, when);
    QFETCH(QString, pattern);
    QFETCH(QString, expected);

    QCOMPARE(formatDateTime(when, pattern), expected);
    if (when.time() == QTime(0, 0))
        QCOMPARE(formatDate(when.date(), pattern), expected);
}

void DateFormatTest::otherLocales_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("expected");

    const QLocale italian(QLocale::Italian, QLocale::Italy);
    const QLocale german(QLocale::German, QLocale::Germany);
    const QLocale danish(QLocale::Danish, QLocale::Denmark);
    QTest::newRow("italian long date") << italian << u"dddd d mmmm yyyy"_s << u"venerdì 9 febbraio 2024"_s;
    QTest::newRow("italian weekday") << italian << u"dddd"_s << u"venerdì"_s;
    QTest::newRow("italian month/day") << italian << u"mm/dd"_s << u"02/09"_s;
    QTest::newRow("german separator") << german << u"mm/dd"_s << u"02.09"_s;
    QTest::newRow("german weekday") << german << u"dddd"_s << u"Freitag"_s;
    QTest::newRow("danish time separator") << danish << u"hh:mm"_s << u"14.05"_s;
}

void DateFormatTest::otherLocales()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, pattern);
    QFETCH(QString, expected);

    QCOMPARE(formatDateTime(at(2024, 2, 9, 14, 5, 7), pattern, locale), expected);
}

void DateFormatTest::separators_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("time");

    QTest::newRow("en_US") << usEnglish << u"/"_s << u":"_s;
    QTest::newRow("it_IT") << QLocale(QLocale::Italian, QLocale::Italy) << u"/"_s << u":"_s;
    QTest::newRow("de_DE") << QLocale(QLocale::German, QLocale::Germany) << u"."_s << u":"_s;
    QTest::newRow("nl_NL") << QLocale(QLocale::Dutch, QLocale::Netherlands) << u"-"_s << u":"_s;
    QTest::newRow("da_DK") << QLocale(QLocale::Danish, QLocale::Denmark) << u"."_s << u"."_s;
    QTest::newRow("fi_FI") << QLocale(QLocale::Finnish, QLocale::Finland) << u"."_s << u"."_s;
    // "HH 'h' mm": only a quoted letter between hour and minutes.
    QTest::newRow("fr_CA") << QLocale(QLocale::French, QLocale::Canada) << u"-"_s << u":"_s;
    // "AP h:mm": the hour field is not the first field.
    QTest::newRow("ko_KR") << QLocale(QLocale::Korean, QLocale::SouthKorea) << u"."_s << u":"_s;
}

void DateFormatTest::separators()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, date);
    QFETCH(QString, time);

    QCOMPARE(dateSeparator(locale), date);
    QCOMPARE(timeSeparator(locale), time);
}

void DateFormatTest::invalidDateGivesEmptyText()
{
    QCOMPARE(formatDate(QDate(), u"dd/mm/yyyy"_s), QString());
    QCOMPARE(datashotText(QDate(), u"dd/mm/yyyy"_s), QString());
    QCOMPARE(datashotText(QDate(2024, 2, 9), u"dd/mm/yyyy"_s), u"09/02/2024"_s);
    QCOMPARE(datayearText(QDate(2024, 2, 9), u"d mmmm"_s), u"9 February"_s);
}

void DateFormatTest::isoWeek_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<int>("week");
    QTest::addColumn<int>("year");

    QTest::newRow("week 53 of 2020") << QDate(2020, 12, 31) << 53 << 2020;
    QTest::newRow("3 January 2021 still in 2020") << QDate(2021, 1, 3) << 53 << 2020;
    QTest::newRow("first Monday of 2021") << QDate(2021, 1, 4) << 1 << 2021;
    QTest::newRow("30 December 2024 in 2025") << QDate(2024, 12, 30) << 1 << 2025;
    QTest::newRow("28 December 2026 in week 53") << QDate(2026, 12, 28) << 53 << 2026;
    QTest::newRow("1 January 2027 in 2026") << QDate(2027, 1, 1) << 53 << 2026;
    QTest::newRow("mid-year") << QDate(2024, 2, 9) << 6 << 2024;
}

void DateFormatTest::isoWeek()
{
    QFETCH(QDate, date);
    QFETCH(int, week);
    QFETCH(int, year);

    const WeekOfYear result = brivane::agenda::isoWeek(date);
    QCOMPARE(result.week, week);
    QCOMPARE(result.year, year);
}

void DateFormatTest::parityCodesOfStartDate_data()
{
    QTest::addColumn<QDate>("start");
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("week");
    QTest::addColumn<QString>("weekYear");

    QTest::newRow("9 February 2024") << QDate(2024, 2, 9) << u"PA"_s << u"PA"_s << u"PA"_s;
    QTest::newRow("3 January 2021") << QDate(2021, 1, 3) << u"DI"_s << u"DI"_s << u"PA"_s;
    QTest::newRow("30 December 2024") << QDate(2024, 12, 30) << u"PA"_s << u"DI"_s << u"DI"_s;
    QTest::newRow("15 March 2023") << QDate(2023, 3, 15) << u"DI"_s << u"DI"_s << u"DI"_s;
}

void DateFormatTest::parityCodesOfStartDate()
{
    QFETCH(QDate, start);
    QFETCH(QString, month);
    QFETCH(QString, week);
    QFETCH(QString, weekYear);

    QCOMPARE(monthParityCode(start), month);
    QCOMPARE(weekParityCode(start), week);
    QCOMPARE(weekYearParityCode(start), weekYear);
}

void DateFormatTest::dayPieces_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QStringList>("expected"); // dd, dayName, md, xm, xw, xy

    QTest::newRow("even month, week and year")
        << usEnglish << QDate(2024, 2, 9)
        << QStringList{u"09"_s, u"Friday"_s, u"02/09"_s, u"DI"_s, u"DI"_s, u"DI"_s};
    QTest::newRow("week 53 of 2020") << usEnglish << QDate(2021, 1, 3)
                                     << QStringList{u"03"_s, u"Sunday"_s, u"01/03"_s,
                                                    u"PA"_s, u"PA"_s,     u"DI"_s};
    QTest::newRow("week 1 of 2025") << usEnglish << QDate(2024, 12, 30)
                                    << QStringList{u"30"_s, u"Monday"_s, u"12/30"_s,
                                                   u"DI"_s, u"PA"_s,     u"PA"_s};
    QTest::newRow("german") << QLocale(QLocale::German, QLocale::Germany) << QDate(2024, 2, 9)
                            << QStringList{u"09"_s, u"Freitag"_s, u"02.09"_s, u"DI"_s, u"DI"_s, u"DI"_s};
}

void DateFormatTest::dayPieces()
{
    QFETCH(QLocale, locale);
    QFETCH(QDate, date);
    QFETCH(QStringList, expected);

    const DayPieces pieces = DayPieces::of(date, locale);
    QCOMPARE((QStringList{pieces.dd, pieces.dayName, pieces.md, pieces.xm, pieces.xw, pieces.xy}), expected);
}

QTEST_GUILESS_MAIN(DateFormatTest)
#include "tst_dateformat.moc"
