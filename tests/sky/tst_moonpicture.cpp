#include "sky/MoonArtwork.h"
#include "sky/MoonImage.h"

#include <QTest>

#include <cmath>

using namespace Qt::StringLiterals;
using namespace brivane::sky;

class MoonPictureTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void basePictures_data();
    void basePictures();
    void shadowAtPhase_data();
    void shadowAtPhase();
    void shadowOfRealDates_data();
    void shadowOfRealDates();
    void landingSite_data();
    void landingSite();
    void rotation_data();
    void rotation();
    void timeOfDayMovesTheTerminator();
    void sameDateSamePicture();
};

namespace {

const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kRed = qRgb(255, 0, 0);

QDateTime at(int year, int month, int day, int hour = 0, int minute = 0, int second = 0)
{
    return {QDate(year, month, day), QTime(hour, minute, second)};
}

// The half-width of the disc on the row g pixels from the centre.
int halfWidth(const MoonGeometry& g, int row)
{
    return int(std::nearbyint(std::sqrt(double(g.radius * g.radius - row * row))));
}

// The disc's rows, each as the x of its left and right limb (the one-pixel
// rows at the top and the bottom are left out of the drawing).
struct Row
{
    int y, left, right;
};

QList<Row> discRows(const MoonGeometry& g)
{
    QList<Row> rows;
    for (int y = g.centre.y() - g.radius + 1; y < g.centre.y() + g.radius; ++y) {
        const int half = halfWidth(g, std::abs(y - g.centre.y()));
        rows << Row{y, g.centre.x() - half, g.centre.x() + half};
    }
    return rows;
}

MoonPictureOptions options(MoonSize size, MoonStyle style = MoonStyle::msClassic, bool mark = false)
{
    MoonPictureOptions result;
    result.size = size;
    result.style = style;
    result.markLanding = mark;
    return result;
}

// What a row looks like: 'x' black, '.' lit.
QString rowText(const QImage& image, const Row& row)
{
    QString text;
    for (int x = row.left; x <= row.right; ++x)
        text += image.pixel(x, row.y) == kBlack ? QLatin1Char('x') : QLatin1Char('.');
    return text;
}

} // namespace

void MoonPictureTest::basePictures_data()
{
    QTest::addColumn<MoonSize>("size");
    QTest::addColumn<MoonStyle>("style");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("colours");
    QTest::newRow("large classic") << MoonSize::ms64 << MoonStyle::msClassic << u"MOON_LARGE"_s << 16;
    QTest::newRow("small classic") << MoonSize::ms32 << MoonStyle::msClassic << u"MOON_SMALL"_s << 16;
    QTest::newRow("tiny classic") << MoonSize::ms16 << MoonStyle::msClassic << u"MOON_TINY"_s << 16;
    QTest::newRow("large colour") << MoonSize::ms64 << MoonStyle::msColor << u"MOON_COLOR_LARGE"_s << 256;
    QTest::newRow("small colour") << MoonSize::ms32 << MoonStyle::msColor << u"MOON_COLOR_SMALL"_s << 256;
    QTest::newRow("tiny colour") << MoonSize::ms16 << MoonStyle::msColor << u"MOON_COLOR_TINY"_s << 256;
}

// A full Moon on a black ground whose disc, every pixel of it lit, has the
// centre and radius the shadow is painted with.
void MoonPictureTest::basePictures()
{
    QFETCH(MoonSize, size);
    QFETCH(MoonStyle, style);
    QFETCH(QString, name);
    QFETCH(int, colours);
    QCOMPARE(basePictureName(size, style), name);
    const QImage picture = basePicture(name);
    const MoonGeometry g = moonGeometry(size);
    QCOMPARE(picture.size(), QSize(g.side, g.side));
    QCOMPARE(picture.colorCount(), colours);
    int lit = 0;
    for (const Row& row : discRows(g)) {
        QVERIFY(!rowText(picture, row).contains(QLatin1Char('x')));
        if (row.left > 0)
            QCOMPARE(picture.pixel(row.left - 1, row.y), kBlack);
        QCOMPARE(picture.pixel(row.right + 1, row.y), kBlack);
        lit += row.right - row.left + 1;
    }
    QCOMPARE(picture.pixel(g.centre.x(), g.centre.y() - g.radius), kBlack);
    QCOMPARE(picture.pixel(g.centre.x(), g.centre.y() + g.radius), kBlack);
    // Not a flat disc: the seas are darker than the highlands.
    const QColor sea = QColor(picture.pixel(g.centre.x() + g.radius * 35 / 100, g.centre.y()));
    const QColor highland =
        QColor(picture.pixel(g.centre.x() + g.radius * 30 / 100, g.centre.y() + g.radius * 60 / 100));
    QCOMPARE_LT(sea.lightness(), highland.lightness());
    QVERIFY(lit > 3 * g.radius * g.radius);
    QVERIFY(basePicture(u"MOON_HUGE"_s).isNull());
}

void MoonPictureTest::shadowAtPhase_data()
{
    QTest::addColumn<MoonSize>("size");
    QTest::addColumn<double>("angle");
    for (MoonSize size : {MoonSize::ms64, MoonSize::ms32, MoonSize::ms16}) {
        const QByteArray side = QByteArray::number(moonGeometry(size).side);
        QTest::newRow(QByteArray(side + " new Moon").constData()) << size << 180.0;
        QTest::newRow(QByteArray(side + " first quarter").constData()) << size << 90.0;
        QTest::newRow(QByteArray(side + " full Moon waxing").constData()) << size << 0.0;
        QTest::newRow(QByteArray(side + " full Moon waning").constData()) << size << 359.999;
        QTest::newRow(QByteArray(side + " last quarter").constData()) << size << 270.0;
    }
}

void MoonPictureTest::shadowAtPhase()
{
    QFETCH(MoonSize, size);
    QFETCH(double, angle);
    const MoonGeometry g = moonGeometry(size);
    const QImage picture = moonPicture(options(size), at(2020, 1, 1), angle);
    for (const Row& row : discRows(g)) {
        const QString text = rowText(picture, row);
        const int width = int(text.size());
        const int centre = g.centre.x() - row.left;
        QString expected;
        if (angle == 180.0)
            expected = QString(width, QLatin1Char('x'));
        else if (angle == 90.0) // the left half, from the centre column to the limb
            expected = QString(centre + 1, QLatin1Char('x')) + QString(width - centre - 1, QLatin1Char('.'));
        else if (angle == 270.0)
            expected = QString(centre, QLatin1Char('.')) + QString(width - centre, QLatin1Char('x'));
        else if (angle == 0.0) // only the left limb pixel
            expected = QLatin1Char('x') + QString(width - 1, QLatin1Char('.'));
        else // only the right limb pixel
            expected = QString(width - 1, QLatin1Char('.')) + QLatin1Char('x');
        QCOMPARE(text, expected);
        // Nothing is painted outside the disc, where the ground is black anyway:
        // the rows' limbs are where the base picture has them.
        QCOMPARE(text.size(), rowText(basePicture(basePictureName(size, MoonStyle::msClassic)), row).size());
    }
}

void MoonPictureTest::shadowOfRealDates_data()
{
    QTest::addColumn<QDateTime>("moment");
    QTest::addColumn<int>("litLeft");
    QTest::addColumn<int>("litRight");
    // Lit pixels of the centre row of the 64 pixel Moon, left and right of the centre column.
    QTest::newRow("new Moon 2024-01-11 11:57") << at(2024, 1, 11, 11, 57) << 0 << 0;
    QTest::newRow("first quarter 2024-01-18 03:52") << at(2024, 1, 18, 3, 52) << 0 << 28;
    QTest::newRow("full Moon 2024-01-25 17:54") << at(2024, 1, 25, 17, 54) << 28 << 28;
    QTest::newRow("last quarter 2024-01-04 03:30") << at(2024, 1, 4, 3, 30) << 28 << 0;
}

void MoonPictureTest::shadowOfRealDates()
{
    QFETCH(QDateTime, moment);
    QFETCH(int, litLeft);
    QFETCH(int, litRight);
    const MoonGeometry g = moonGeometry(MoonSize::ms64);
    const QImage picture = moonPicture(options(MoonSize::ms64), moment, pictureAngle(moment));
    int left = 0;
    int right = 0;
    for (int dx = 1; dx <= g.radius; ++dx) {
        left += picture.pixel(g.centre.x() - dx, g.centre.y()) != kBlack;
        right += picture.pixel(g.centre.x() + dx, g.centre.y()) != kBlack;
    }
    // Within a pixel or two: the phases fall between the whole pixels.
    QVERIFY2(std::abs(left - litLeft) <= 2, qPrintable(QString::number(left)));
    QVERIFY2(std::abs(right - litRight) <= 2, qPrintable(QString::number(right)));
}

void MoonPictureTest::landingSite_data()
{
    QTest::addColumn<MoonSize>("size");
    QTest::addColumn<QDateTime>("moment");
    QTest::addColumn<double>("angle");
    QTest::addColumn<bool>("mark");
    QTest::addColumn<bool>("red");
    const QDateTime landing = at(1969, 7, 20, 20, 17, 43);
    QTest::newRow("64, a second after the landing")
        << MoonSize::ms64 << landing.addSecs(1) << 10.0 << true << true;
    QTest::newRow("32, years later") << MoonSize::ms32 << at(2024, 1, 25) << 10.0 << true << true;
    QTest::newRow("16, years later") << MoonSize::ms16 << at(2024, 1, 25) << 10.0 << true << true;
    QTest::newRow("the landing moment itself") << MoonSize::ms64 << landing << 10.0 << true << false;
    QTest::newRow("a day before") << MoonSize::ms64 << landing.addDays(-1) << 10.0 << true << false;
    QTest::newRow("marking switched off") << MoonSize::ms32 << at(2024, 1, 25) << 10.0 << false << false;
    QTest::newRow("in the shadow") << MoonSize::ms64 << at(2024, 1, 25) << 270.0 << true << false;
}

void MoonPictureTest::landingSite()
{
    QFETCH(MoonSize, size);
    QFETCH(QDateTime, moment);
    QFETCH(double, angle);
    QFETCH(bool, mark);
    QFETCH(bool, red);
    const MoonGeometry g = moonGeometry(size);
    const QImage picture = moonPicture(options(size, MoonStyle::msClassic, mark), moment, angle);
    QCOMPARE(picture.pixel(g.landing) == kRed, red);
    // The only red pixel of the picture.
    int reds = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            reds += picture.pixel(x, y) == kRed;
    QCOMPARE(reds, red ? 1 : 0);
}

void MoonPictureTest::rotation_data()
{
    QTest::addColumn<MoonRotation>("rotation");
    QTest::addColumn<QString>("shadowSide");
    QTest::newRow("none") << MoonRotation::rot_none << u"left"_s;
    QTest::newRow("a quarter anticlockwise") << MoonRotation::rot_90 << u"bottom"_s;
    QTest::newRow("half") << MoonRotation::rot_180 << u"right"_s;
    QTest::newRow("a quarter clockwise") << MoonRotation::rot_270 << u"top"_s;
}

void MoonPictureTest::rotation()
{
    QFETCH(MoonRotation, rotation);
    QFETCH(QString, shadowSide);
    MoonPictureOptions turned = options(MoonSize::ms64, MoonStyle::msColor, true);
    const QDateTime moment = at(2024, 1, 18);
    const QImage upright = moonPicture(turned, moment, 60.0);
    turned.rotation = rotation;
    const QImage picture = moonPicture(turned, moment, 60.0);
    const int w = upright.width();
    const int h = upright.height();
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            QPoint to(x, y);
            if (rotation == MoonRotation::rot_90)
                to = QPoint(y, h - 1 - x);
            else if (rotation == MoonRotation::rot_180)
                to = QPoint(w - 1 - x, h - 1 - y);
            else if (rotation == MoonRotation::rot_270)
                to = QPoint(w - 1 - y, x);
            QCOMPARE(picture.pixel(to), upright.pixel(x, y));
        }
    }
    // The waxing Moon's shadow, on the left when upright, turns with it.
    const QPoint centre(31, 28);
    const QMap<QString, QPoint> limbs = {{u"left"_s, QPoint(-20, 0)},
                                         {u"right"_s, QPoint(20, 0)},
                                         {u"top"_s, QPoint(0, -20)},
                                         {u"bottom"_s, QPoint(0, 20)}};
    QPoint rotatedCentre = centre;
    if (rotation == MoonRotation::rot_90)
        rotatedCentre = QPoint(centre.y(), h - 1 - centre.x());
    else if (rotation == MoonRotation::rot_180)
        rotatedCentre = QPoint(w - 1 - centre.x(), h - 1 - centre.y());
    else if (rotation == MoonRotation::rot_270)
        rotatedCentre = QPoint(w - 1 - centre.y(), centre.x());
    for (auto it = limbs.cbegin(); it != limbs.cend(); ++it)
        QCOMPARE(picture.pixel(rotatedCentre + it.value()) == kBlack, it.key() == shadowSide);
}

void MoonPictureTest::timeOfDayMovesTheTerminator()
{
    const MoonPictureOptions large = options(MoonSize::ms64);
    const QDateTime morning = at(2024, 1, 16, 0, 0);
    const QDateTime evening = at(2024, 1, 16, 23, 0);
    const Real change = pictureAngle(morning) - pictureAngle(evening);
    QCOMPARE_GT(change, 10.0L);
    QCOMPARE_LT(change, 14.0L);
    QVERIFY(moonPicture(large, morning, pictureAngle(morning)) !=
            moonPicture(large, evening, pictureAngle(evening)));
}

void MoonPictureTest::sameDateSamePicture()
{
    const QDateTime moment = at(2024, 3, 3, 15, 20);
    const MoonPictureOptions small = options(MoonSize::ms32, MoonStyle::msClassic, true);
    QCOMPARE(moonPicture(small, moment, pictureAngle(moment)),
             moonPicture(small, moment, pictureAngle(moment)));
}

QTEST_GUILESS_MAIN(MoonPictureTest)
#include "tst_moonpicture.moc"
