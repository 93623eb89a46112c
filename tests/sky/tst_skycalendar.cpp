#include "sky/TimeSpan.h"
#include "sky/ZodiacSeason.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace brivane::sky;

class SkyCalendarTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void zodiacAndSeason_data();
    void zodiacAndSeason();
    void everyDayHasOneSignAndSeason();
    void dateDistance_data();
    void dateDistance();
    void timeDistance_data();
    void timeDistance();
};

void SkyCalendarTest::zodiacAndSeason_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("sign");
    QTest::addColumn<QString>("season");
    QTest::newRow("20 January") << QDate(2023, 1, 20) << u" Capricorn"_s << u" Winter"_s;
    QTest::newRow("21 January") << QDate(2023, 1, 21) << u" Aquarius"_s << u" Winter"_s;
    QTest::newRow("31 December") << QDate(2023, 12, 31) << u" Capricorn"_s << u" Winter"_s;
    QTest::newRow("1 January") << QDate(2024, 1, 1) << u" Capricorn"_s << u" Winter"_s;
    QTest::newRow("19 February") << QDate(2023, 2, 19) << u" Aquarius"_s << u" Winter"_s;
    QTest::newRow("20 February") << QDate(2023, 2, 20) << u" Pisces"_s << u" Winter"_s;
    QTest::newRow("29 February") << QDate(2024, 2, 29) << u" Pisces"_s << u" Winter"_s;
    QTest::newRow("20 March") << QDate(2023, 3, 20) << u" Pisces"_s << u" Winter"_s;
    QTest::newRow("21 March") << QDate(2023, 3, 21) << u" Aries"_s << u" Spring"_s;
    QTest::newRow("20 April") << QDate(2023, 4, 20) << u" Aries"_s << u" Spring"_s;
    QTest::newRow("21 April") << QDate(2023, 4, 21) << u" Taurus"_s << u" Spring"_s;
    QTest::newRow("21 May") << QDate(2023, 5, 21) << u" Gemini"_s << u" Spring"_s;
    QTest::newRow("20 June") << QDate(2023, 6, 20) << u" Gemini"_s << u" Spring"_s;
    QTest::newRow("21 June") << QDate(2023, 6, 21) << u" Gemini"_s << u" Summer"_s;
    QTest::newRow("22 June") << QDate(2023, 6, 22) << u" Cancer"_s << u" Summer"_s;
    QTest::newRow("23 July") << QDate(2023, 7, 23) << u" Leo"_s << u" Summer"_s;
    QTest::newRow("24 August") << QDate(2023, 8, 24) << u" Virgo"_s << u" Summer"_s;
    QTest::newRow("22 September") << QDate(2023, 9, 22) << u" Virgo"_s << u" Summer"_s;
    QTest::newRow("23 September") << QDate(2023, 9, 23) << u" Libra"_s << u" Autumn"_s;
    QTest::newRow("23 October") << QDate(2023, 10, 23) << u" Scorpio"_s << u" Autumn"_s;
    QTest::newRow("23 November") << QDate(2023, 11, 23) << u" Sagittarius"_s << u" Autumn"_s;
    QTest::newRow("21 December") << QDate(2023, 12, 21) << u" Sagittarius"_s << u" Autumn"_s;
    QTest::newRow("22 December") << QDate(2023, 12, 22) << u" Capricorn"_s << u" Winter"_s;
    QTest::newRow("a year of another century") << QDate(1850, 8, 1) << u" Leo"_s << u" Summer"_s;
}

void SkyCalendarTest::zodiacAndSeason()
{
    QFETCH(QDate, date);
    QFETCH(QString, sign);
    QFETCH(QString, season);
    const ZodiacSeason result = brivane::sky::zodiacAndSeason(date);
    QCOMPARE(result.signLabel, sign);
    QCOMPARE(result.seasonLabel, season);
}

// The hints name what the label shows, and the spans of the twelve signs
// and four seasons tile the year.
void SkyCalendarTest::everyDayHasOneSignAndSeason()
{
    QCOMPARE(brivane::sky::zodiacAndSeason(QDate(2023, 1, 5)).signHint,
             u"Capricorn\rfrom 22 December to 20 January"_s);
    QCOMPARE(brivane::sky::zodiacAndSeason(QDate(2023, 1, 5)).seasonHint,
             u"Winter\rfrom 22 December to 20 March"_s);
    QCOMPARE(brivane::sky::zodiacAndSeason(QDate(2023, 6, 1)).signHint, u"Gemini\rfrom 21 May to 21 June"_s);
    QCOMPARE(brivane::sky::zodiacAndSeason(QDate(2023, 10, 1)).seasonHint,
             u"Autumn\rfrom 23 September to 21 December"_s);
    QMap<QString, int> signDays;
    QMap<QString, int> seasonDays;
    for (QDate day(2024, 1, 1); day.year() == 2024; day = day.addDays(1)) {
        const ZodiacSeason result = brivane::sky::zodiacAndSeason(day);
        QCOMPARE(result.signHint.section(u'\r', 0, 0), result.signLabel.mid(1));
        QCOMPARE(result.seasonHint.section(u'\r', 0, 0), result.seasonLabel.mid(1));
        ++signDays[result.signLabel];
        ++seasonDays[result.seasonLabel];
    }
    QCOMPARE(signDays.size(), 12);
    QCOMPARE(signDays.value(u" Capricorn"_s), 30);
    QCOMPARE(signDays.value(u" Pisces"_s), 30);
    QCOMPARE(seasonDays.keys(), QStringList({u" Autumn"_s, u" Spring"_s, u" Summer"_s, u" Winter"_s}));
    QCOMPARE(seasonDays.value(u" Winter"_s), 80 + 10);
}

void SkyCalendarTest::dateDistance_data()
{
    QTest::addColumn<QDate>("first");
    QTest::addColumn<QDate>("second");
    QTest::addColumn<qint64>("days");
    QTest::addColumn<qint64>("years");
    QTest::newRow("a leap year") << QDate(2020, 1, 1) << QDate(2021, 1, 1) << qint64(366) << qint64(1);
    QTest::newRow("365 days fall short of a year")
        << QDate(2021, 3, 1) << QDate(2022, 3, 1) << qint64(365) << qint64(0);
    QTest::newRow("backwards") << QDate(2022, 5, 10) << QDate(2022, 5, 1) << qint64(-9) << qint64(0);
    QTest::newRow("the same day") << QDate(2022, 5, 10) << QDate(2022, 5, 10) << qint64(0) << qint64(0);
    QTest::newRow("four years") << QDate(2000, 2, 29) << QDate(2004, 2, 29) << qint64(1461) << qint64(4);
    QTest::newRow("backwards over years")
        << QDate(2010, 6, 15) << QDate(1990, 6, 14) << qint64(-7306) << qint64(20);
    // A first date a calendar year after the second counts one year.
    QTest::newRow("a calendar year back")
        << QDate(2022, 3, 1) << QDate(2021, 3, 1) << qint64(-365) << qint64(1);
    QTest::newRow("back to a later day of the month")
        << QDate(2022, 3, 1) << QDate(2021, 3, 31) << qint64(-335) << qint64(0);
}

void SkyCalendarTest::dateDistance()
{
    QFETCH(QDate, first);
    QFETCH(QDate, second);
    QFETCH(qint64, days);
    QFETCH(qint64, years);
    const DateDistance distance = brivane::sky::dateDistance(first, second);
    QCOMPARE(distance.days, days);
    QCOMPARE(distance.years, years);
}

void SkyCalendarTest::timeDistance_data()
{
    QTest::addColumn<QTime>("first");
    QTest::addColumn<QTime>("second");
    QTest::addColumn<int>("hours");
    QTest::addColumn<int>("minutes");
    QTest::addColumn<int>("seconds");
    QTest::addColumn<qint64>("milliseconds");
    QTest::newRow("morning") << QTime(8, 30) << QTime(10, 15, 30) << 1 << 105 << 6330 << qint64(6330000);
    QTest::newRow("swapped") << QTime(10, 15, 30) << QTime(8, 30) << 1 << 105 << 6330 << qint64(6330000);
    QTest::newRow("equal") << QTime(12, 0) << QTime(12, 0) << 0 << 0 << 0 << qint64(0);
    QTest::newRow("whole day") << QTime(0, 0) << QTime(23, 59, 59, 999) << 23 << 1439 << 86399
                               << qint64(86399999);
    QTest::newRow("milliseconds") << QTime(9, 0, 0, 250) << QTime(9, 0, 1, 100) << 0 << 0 << 0 << qint64(850);
}

void SkyCalendarTest::timeDistance()
{
    QFETCH(QTime, first);
    QFETCH(QTime, second);
    QFETCH(int, hours);
    QFETCH(int, minutes);
    QFETCH(int, seconds);
    QFETCH(qint64, milliseconds);
    const TimeDistance distance = brivane::sky::timeDistance(first, second);
    QCOMPARE(distance.hours, hours);
    QCOMPARE(distance.minutes, minutes);
    QCOMPARE(distance.seconds, seconds);
    QCOMPARE(distance.milliseconds, milliseconds);
}

QTEST_GUILESS_MAIN(SkyCalendarTest)
#include "tst_skycalendar.moc"
