#include "sky/JulianDay.h"
#include "sky/Moon.h"
#include "sky/PhaseAngle.h"
#include "sky/SeriesTables.h"
#include "sky/Sun.h"

#include <QTest>

#include <cmath>

using namespace brivane::sky;

class AstronomyTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void julianDayOfDateTime_data();
    void julianDayOfDateTime();
    void angleReduction_data();
    void angleReduction();
    void earthTablesAreComplete();
    void earthFromTheCompleteSeries_data();
    void earthFromTheCompleteSeries();
    void sunOfMeeusExample();
    void moonOfMeeusExample();
    void phaseAngleOfMeeusExample();
    void phaseAngleAtKnownPhases_data();
    void phaseAngleAtKnownPhases();
};

namespace {

QDateTime at(int year, int month, int day, int hour = 0, int minute = 0, int second = 0)
{
    return {QDate(year, month, day), QTime(hour, minute, second)};
}

// Distance between two angles in degrees, across the turn of the circle.
Real angleApart(Real a, Real b)
{
    const Real d = std::fabs(reduceAngle(a - b));
    return std::min(d, 360 - d);
}

} // namespace

void AstronomyTest::julianDayOfDateTime_data()
{
    QTest::addColumn<QDateTime>("moment");
    QTest::addColumn<double>("julianDay");
    QTest::newRow("day zero of the date-time count") << at(1899, 12, 30) << 2415018.5;
    QTest::newRow("J2000.0") << at(2000, 1, 1, 12) << 2451545.0;
    QTest::newRow("Sputnik launch, 1957 October 4.81") << at(1957, 10, 4, 19, 26, 24) << 2436116.31;
    QTest::newRow("Gregorian reform, 1582 October 15") << at(1582, 10, 15) << 2299160.5;
}

void AstronomyTest::julianDayOfDateTime()
{
    QFETCH(QDateTime, moment);
    QFETCH(double, julianDay);
    QCOMPARE_LT(std::fabs(brivane::sky::julianDay(moment) - julianDay), 1e-9L);
}

void AstronomyTest::angleReduction_data()
{
    QTest::addColumn<double>("angle");
    QTest::addColumn<double>("reduced");
    QTest::newRow("in range") << 123.5 << 123.5;
    QTest::newRow("negative") << -10.0 << 350.0;
    QTest::newRow("over a turn") << 370.0 << 10.0;
    QTest::newRow("whole turns") << 720.0 << 0.0;
    QTest::newRow("many turns back") << -1000.25 << 79.75;
    QTest::newRow("half turn") << 180.0 << 180.0;
    QTest::newRow("half turn back") << -180.0 << 180.0;
    QTest::newRow("one and a half turns, halves to even") << 540.0 << 180.0;
}

void AstronomyTest::angleReduction()
{
    QFETCH(double, angle);
    QFETCH(double, reduced);
    const Real result = reduceAngle(angle);
    QCOMPARE_GE(result, 0.0L);
    QCOMPARE_LT(result, 360.0L);
    QCOMPARE_LT(std::fabs(result - reduced), 1e-12L);
}

void AstronomyTest::earthTablesAreComplete()
{
    auto counts = [](const tables::VsopVariable& variable) {
        QList<int> result;
        for (int power = 0; power < variable.powers; ++power)
            result << variable.series[power].count;
        return result;
    };
    QCOMPARE(counts(tables::kEarthL), QList<int>({559, 341, 142, 22, 11, 5}));
    QCOMPARE(counts(tables::kEarthB), QList<int>({184, 99, 49, 11, 5}));
    QCOMPARE(counts(tables::kEarthR), QList<int>({526, 292, 139, 27, 10, 3}));
    // The first and the last terms of the published file.
    QCOMPARE(tables::kEarthL.series[0].terms[0].a, 1.75347045673L);
    QCOMPARE(tables::kEarthR.series[5].terms[1].c, 12566.15169998280L);
    QCOMPARE(tables::kMoonLongitudeDistance[0].sine, 6288774L);
    QCOMPARE(tables::kMoonLongitudeDistance[0].cosine, -20905355L);
    QCOMPARE(tables::kMoonLatitude[0].sine, 5128122L);
    QCOMPARE(tables::kMoonLongitudeDistance[59].cosine, 8752L);
}

void AstronomyTest::earthFromTheCompleteSeries_data()
{
    QTest::addColumn<double>("julianDay");
    QTest::addColumn<double>("longitude");
    QTest::addColumn<double>("latitude");
    QTest::addColumn<double>("radius");
    QTest::addColumn<double>("tolerance");
    // The example of Meeus's chapter on the Sun, 1992 October 13.0 TD,
    // evaluated over every term (the book's own figures come from its
    // abridged tables and differ in the seventh decimal).
    QTest::newRow("1992 October 13.0") << 2448908.5 << -43.63484927 << -0.00000361 << 0.99760852 << 1e-8;
    // Check values published with the theory.
    QTest::newRow("J2000.0") << 2451545.0 << 1.7519238681 << -0.0000039656 << 0.9833276819 << 1e-10;
}

void AstronomyTest::earthFromTheCompleteSeries()
{
    QFETCH(double, julianDay);
    QFETCH(double, longitude);
    QFETCH(double, latitude);
    QFETCH(double, radius);
    QFETCH(double, tolerance);
    const EarthPosition earth = earthPosition(julianDay);
    QCOMPARE_LT(std::fabs(earth.longitude - longitude), tolerance);
    QCOMPARE_LT(std::fabs(earth.latitude - latitude), tolerance);
    QCOMPARE_LT(std::fabs(earth.radius - radius), tolerance);
}

void AstronomyTest::sunOfMeeusExample()
{
    const Real jde = 2448908.5L;
    const EarthPosition earth = earthPosition(jde);
    // Geometric longitude of the Sun, L + 180 degrees.
    QCOMPARE_LT(std::fabs(reduceAngle(degrees(earth.longitude) + 180) - 199.907297L), 1e-6L);

    // Apparent longitude after FK5 and aberration, without nutation: the
    // book's complete-theory 199d54m21.56s less its nutation of 15.908s.
    const SunPosition sun = sunPosition(jde);
    QCOMPARE_LT(std::fabs(sun.longitude - (199.0L + 54.0L / 60 + (21.56L - 15.908L) / 3600)), 0.02L / 3600);
    QCOMPARE_LT(std::fabs(sun.latitude * 3600 - 0.72L), 0.01L);
    QCOMPARE_LT(std::fabs(sun.distanceKm - 0.99760852L * 149597869.0L), 2.0L);
}

void AstronomyTest::moonOfMeeusExample()
{
    // 1992 April 12.0 TD: the worked example of the chapter on the Moon. The
    // mean longitude of the first edition, used here, stands 0.016 arcsecond
    // (4.6e-6 degree) from that of the later edition the example's figures
    // were computed with; the other figures agree to their last digit.
    const MoonPosition moon = moonPosition(2448724.5L);
    QCOMPARE_LT(std::fabs(moon.longitude - 133.162655L), 6e-6L);
    QCOMPARE_LT(std::fabs(moon.latitude - -3.229126L), 1e-6L);
    QCOMPARE_LT(std::fabs(moon.distanceKm - 368409.7L), 0.1L);
}

void AstronomyTest::phaseAngleOfMeeusExample()
{
    // The same date in the chapter on the illuminated fraction: i = 69.0756
    // degrees, the Moon waxing.
    QCOMPARE_LT(std::fabs(phaseAngle(2448724.5L) - 69.0756L), 0.005L);
    QCOMPARE_LT(std::fabs(phaseAngle(at(1992, 4, 12)) - 69.0756L), 0.005L);
}

void AstronomyTest::phaseAngleAtKnownPhases_data()
{
    QTest::addColumn<QDateTime>("moment");
    QTest::addColumn<double>("expected");
    QTest::addColumn<double>("tolerance");
    // Times in UT. At an eclipse the three bodies are nearly in line, so the
    // angle comes close; other full and new Moons leave the Moon up to five
    // degrees off the ecliptic.
    QTest::newRow("last quarter 2024-01-04") << at(2024, 1, 4, 3, 30) << -90.0 << 3.0;
    QTest::newRow("new Moon 2024-01-11") << at(2024, 1, 11, 11, 57) << 180.0 << 6.0;
    QTest::newRow("first quarter 2024-01-18") << at(2024, 1, 18, 3, 52) << 90.0 << 3.0;
    QTest::newRow("full Moon 2024-01-25") << at(2024, 1, 25, 17, 54) << 0.0 << 6.0;
    QTest::newRow("solar eclipse 2017-08-21") << at(2017, 8, 21, 18, 30) << 180.0 << 1.0;
    QTest::newRow("lunar eclipse 2018-07-27") << at(2018, 7, 27, 20, 22) << 0.0 << 1.0;
    QTest::newRow("lunar eclipse 2000-01-21") << at(2000, 1, 21, 4, 44) << 0.0 << 1.0;
    QTest::newRow("solar eclipse 1999-08-11") << at(1999, 8, 11, 11, 8) << 180.0 << 1.0;
}

void AstronomyTest::phaseAngleAtKnownPhases()
{
    QFETCH(QDateTime, moment);
    QFETCH(double, expected);
    QFETCH(double, tolerance);
    const Real angle = phaseAngle(moment);
    QCOMPARE_GE(angle, -180.0L);
    QCOMPARE_LE(angle, 180.0L);
    QVERIFY2(angleApart(angle, expected) <= tolerance, qPrintable(QString::number(double(angle), 'f', 3)));
}

QTEST_GUILESS_MAIN(AstronomyTest)
#include "tst_astronomy.moc"
