#include "reminders/PopupGeometry.h"

#include <QTest>

#include <optional>

using namespace Qt::StringLiterals;
using namespace brivane::reminders;

using Outcome = std::optional<QRect>; // where a show put its popup; nullopt: refused
Q_DECLARE_METATYPE(Outcome)
Q_DECLARE_METATYPE(QList<Outcome>)
Q_DECLARE_METATYPE(brivane::reminders::TaskbarSide)

namespace {

const Outcome refused = std::nullopt;

PopupMetrics metricsOf(QSize size, bool cascade)
{
    PopupMetrics metrics;
    metrics.size = size;
    metrics.cascade = cascade;
    return metrics;
}

// The edge of a popup that lies against the taskbar side.
int anchoredEdge(TaskbarSide side, const QRect& rect)
{
    switch (side) {
    case TaskbarSide::Left:
        return rect.left();
    case TaskbarSide::Top:
        return rect.top();
    case TaskbarSide::Right:
        return rect.right();
    default:
        return rect.bottom();
    }
}

// The shift that moves a popup by `pixels` towards the taskbar.
QPoint pushedBehindTaskbar(TaskbarSide side, int pixels)
{
    switch (side) {
    case TaskbarSide::Left:
        return {-pixels, 0};
    case TaskbarSide::Top:
        return {0, -pixels};
    case TaskbarSide::Right:
        return {pixels, 0};
    default:
        return {0, pixels};
    }
}

} // namespace

class TestPopupGeometry : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void placesAndCascades_data();
    void placesAndCascades();
    void overlapsOnceTheWorkAreaIsFull_data();
    void overlapsOnceTheWorkAreaIsFull();
    void taskbarMovingToAnotherSideRestartsTheCascade();
    void slides_data();
    void slides();
    void gradient_data();
    void gradient();
};

// A script of popups shown ('s') and closed ('c') on one desktop; every show
// either lands on a rectangle or is refused for want of room.
void TestPopupGeometry::placesAndCascades_data()
{
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QRect>("workArea");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("cascade");
    QTest::addColumn<QString>("script");
    QTest::addColumn<QList<Outcome>>("expected");

    const QRect screen(0, 0, 1024, 768);
    const QRect bottomBar(0, 0, 1024, 738);
    const QSize reminder(480, 130);

    QTest::newRow("bottom: main window popup in the corner")
        << screen << bottomBar << reminder << false << u"s"_s << QList<Outcome>{QRect(528, 606, 480, 130)};
    QTest::newRow("bottom: without cascading popups share the corner")
        << screen << bottomBar << reminder << false << u"sss"_s
        << QList<Outcome>{QRect(528, 606, 480, 130), QRect(528, 606, 480, 130), QRect(528, 606, 480, 130)};
    QTest::newRow("bottom: cascading upwards until no room is left")
        << screen << bottomBar << reminder << true << u"sssssss"_s
        << QList<Outcome>{QRect(528, 606, 480, 130),
                          QRect(528, 474, 480, 130),
                          QRect(528, 342, 480, 130),
                          QRect(528, 210, 480, 130),
                          QRect(528, 78, 480, 130),
                          refused,
                          refused};
    QTest::newRow("bottom: one closed popup, the next still goes above the others")
        << screen << bottomBar << reminder << true << u"sscs"_s
        << QList<Outcome>{QRect(528, 606, 480, 130), QRect(528, 474, 480, 130), QRect(528, 342, 480, 130)};
    QTest::newRow("bottom: all closed, the cascade starts again in the corner")
        << screen << bottomBar << reminder << true << u"ssccs"_s
        << QList<Outcome>{QRect(528, 606, 480, 130), QRect(528, 474, 480, 130), QRect(528, 606, 480, 130)};
    QTest::newRow("bottom: closing more popups than are open")
        << screen << bottomBar << reminder << true << u"sccs"_s
        << QList<Outcome>{QRect(528, 606, 480, 130), QRect(528, 606, 480, 130)};

    QTest::newRow("top: cascading downwards until no room is left")
        << QRect(0, 0, 1280, 800) << QRect(0, 32, 1280, 768) << QSize(300, 200) << true << u"ssss"_s
        << QList<Outcome>{QRect(964, 34, 300, 200), QRect(964, 236, 300, 200), QRect(964, 438, 300, 200),
                          refused};
    QTest::newRow("top: a tall bar leaves less room below")
        << QRect(0, 0, 1280, 800) << QRect(0, 300, 1280, 500) << QSize(300, 200) << true << u"sss"_s
        << QList<Outcome>{QRect(964, 302, 300, 200), QRect(964, 504, 300, 200), refused};

    QTest::newRow("left: bottom-left corner, stacking upwards")
        << screen << QRect(48, 0, 976, 768) << QSize(200, 150) << true << u"ssssss"_s
        << QList<Outcome>{QRect(64, 616, 200, 150), QRect(64, 464, 200, 150), QRect(64, 312, 200, 150),
                          QRect(64, 160, 200, 150), QRect(64, 8, 200, 150),   refused};
    QTest::newRow("right: bottom-right corner, stacking upwards")
        << screen << QRect(0, 0, 960, 768) << QSize(200, 150) << true << u"ssssss"_s
        << QList<Outcome>{QRect(744, 616, 200, 150), QRect(744, 464, 200, 150), QRect(744, 312, 200, 150),
                          QRect(744, 160, 200, 150), QRect(744, 8, 200, 150),   refused};

    QTest::newRow("none: bottom-right corner of the whole screen")
        << QRect(0, 0, 800, 600) << QRect(0, 0, 800, 600) << QSize(148, 121) << true << u"sssss"_s
        << QList<Outcome>{QRect(636, 477, 148, 121), QRect(636, 354, 148, 121), QRect(636, 231, 148, 121),
                          QRect(636, 108, 148, 121), refused};
    QTest::newRow("unknown: no screen, shown unplaced, never out of room")
        << QRect() << QRect() << reminder << true << u"sss"_s << QList<Outcome>{QRect(), QRect(), QRect()};

    QTest::newRow("second monitor with a bottom panel")
        << QRect(1920, 0, 1280, 1024) << QRect(1920, 0, 1280, 984) << reminder << false << u"s"_s
        << QList<Outcome>{QRect(2704, 852, 480, 130)};
    QTest::newRow("monitor below another, top panel")
        << QRect(0, 1080, 1920, 1080) << QRect(0, 1107, 1920, 1053) << reminder << true << u"ss"_s
        << QList<Outcome>{QRect(1424, 1109, 480, 130), QRect(1424, 1241, 480, 130)};
    QTest::newRow("top bar and a thicker left dock: the dock is the taskbar")
        << QRect(0, 0, 1920, 1080) << QRect(64, 27, 1856, 1053) << reminder << false << u"s"_s
        << QList<Outcome>{QRect(80, 948, 480, 130)};
}

void TestPopupGeometry::placesAndCascades()
{
    QFETCH(QRect, screen);
    QFETCH(QRect, workArea);
    QFETCH(QSize, size);
    QFETCH(bool, cascade);
    QFETCH(QString, script);
    QFETCH(QList<Outcome>, expected);

    PopupCascade popups;
    const PopupMetrics metrics = metricsOf(size, cascade);
    QList<Outcome> outcomes;
    for (const QChar step : script) {
        if (step == u'c') {
            popups.release();
            continue;
        }
        const std::optional<PopupPlacement> placement = popups.place({screen, workArea}, metrics);
        outcomes << (placement ? Outcome(placement->rect) : refused);
    }
    QCOMPARE(outcomes, expected);
}

// The reminders' popups of one moment: stacked while they fit, then in a
// column shifted in from the last one, never refused.
void TestPopupGeometry::overlapsOnceTheWorkAreaIsFull_data()
{
    QTest::addColumn<QRect>("workArea");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("shows");
    QTest::addColumn<QList<QRect>>("lastTwo");

    QTest::newRow("bottom: the sixth starts a shifted column")
        << QRect(0, 0, 1024, 738) << QSize(480, 130) << 7
        << QList<QRect>{QRect(500, 578, 480, 130), QRect(500, 446, 480, 130)};
    QTest::newRow("left: the column moves away from the dock")
        << QRect(48, 0, 976, 768) << QSize(200, 150) << 6
        << QList<QRect>{QRect(64, 8, 200, 150), QRect(92, 588, 200, 150)};
    QTest::newRow("taller than the work area: every one in the corner")
        << QRect(0, 0, 1024, 738) << QSize(480, 720) << 3
        << QList<QRect>{QRect(528, 16, 480, 720), QRect(528, 16, 480, 720)};
}

void TestPopupGeometry::overlapsOnceTheWorkAreaIsFull()
{
    QFETCH(QRect, workArea);
    QFETCH(QSize, size);
    QFETCH(int, shows);
    QFETCH(QList<QRect>, lastTwo);

    PopupCascade popups;
    PopupMetrics metrics = metricsOf(size, true);
    metrics.overlapWhenFull = true;
    QList<QRect> placed;
    for (int i = 0; i < shows; ++i) {
        const std::optional<PopupPlacement> placement = popups.place({QRect(0, 0, 1024, 768), workArea}, metrics);
        QVERIFY(placement);
        QVERIFY(workArea.contains(placement->rect));
        placed << placement->rect;
    }
    QCOMPARE(placed.mid(shows - 2), lastTwo);
}

void TestPopupGeometry::taskbarMovingToAnotherSideRestartsTheCascade()
{
    const QRect screen(0, 0, 1024, 768);
    const DesktopAreas bottom{screen, QRect(0, 0, 1024, 738)};
    const DesktopAreas top{screen, QRect(0, 30, 1024, 738)};
    const PopupMetrics metrics = metricsOf(QSize(480, 130), true);

    PopupCascade popups;
    QCOMPARE(popups.place(bottom, metrics)->rect, QRect(528, 606, 480, 130));
    QCOMPARE(popups.place(bottom, metrics)->rect, QRect(528, 474, 480, 130));
    QCOMPARE(popups.place(top, metrics)->rect, QRect(528, 32, 480, 130));
    QCOMPARE(popups.openCount(), 1);
    QCOMPARE(popups.place(bottom, metrics)->rect, QRect(528, 606, 480, 130));
}

// A popup grows out of its taskbar-side edge in steps of the scroll speed and
// shrinks back into it; the content slides along with the moving edge.
void TestPopupGeometry::slides_data()
{
    QTest::addColumn<TaskbarSide>("side");
    QTest::addColumn<QRect>("finalRect");
    QTest::addColumn<int>("speed");
    QTest::addColumn<QRect>("firstFrame");
    QTest::addColumn<QPoint>("firstContentOffset");
    QTest::addColumn<QRect>("secondFrame");
    QTest::addColumn<int>("growSteps");
    QTest::addColumn<QRect>("lastShrunkFrame");
    QTest::addColumn<int>("shrinkSteps");

    QTest::newRow("bottom: main window popup")
        << TaskbarSide::Bottom << QRect(528, 606, 480, 130) << 9 << QRect(528, 735, 480, 1) << QPoint(0, 0)
        << QRect(528, 726, 480, 10) << 15 << QRect(528, 732, 480, 4) << 15;
    QTest::newRow("none: like a bottom panel")
        << TaskbarSide::NoTaskbar << QRect(636, 477, 148, 121) << 9 << QRect(636, 597, 148, 1) << QPoint(0, 0)
        << QRect(636, 588, 148, 10) << 14 << QRect(636, 594, 148, 4) << 14;
    QTest::newRow("top") << TaskbarSide::Top << QRect(964, 34, 300, 200) << 9 << QRect(964, 34, 300, 1)
                         << QPoint(0, -199) << QRect(964, 34, 300, 10) << 23 << QRect(964, 34, 300, 2) << 23;
    QTest::newRow("left") << TaskbarSide::Left << QRect(64, 616, 200, 150) << 9 << QRect(64, 616, 1, 150)
                          << QPoint(-199, 0) << QRect(64, 616, 10, 150) << 23 << QRect(64, 616, 2, 150) << 23;
    QTest::newRow("right") << TaskbarSide::Right << QRect(744, 616, 200, 150) << 9 << QRect(943, 616, 1, 150)
                           << QPoint(0, 0) << QRect(934, 616, 10, 150) << 23 << QRect(942, 616, 2, 150) << 23;
    QTest::newRow("a step wider than the popup")
        << TaskbarSide::Bottom << QRect(10, 10, 50, 20) << 40 << QRect(10, 29, 50, 1) << QPoint(0, 0)
        << QRect(10, 10, 50, 20) << 1 << QRect(10, 10, 50, 20) << 1;
    QTest::newRow("no speed still moves")
        << TaskbarSide::Bottom << QRect(0, 0, 10, 3) << 0 << QRect(0, 2, 10, 1) << QPoint(0, 0)
        << QRect(0, 1, 10, 2) << 2 << QRect(0, 2, 10, 1) << 3;
}

void TestPopupGeometry::slides()
{
    QFETCH(TaskbarSide, side);
    QFETCH(QRect, finalRect);
    QFETCH(int, speed);

    const int full = fullThickness(side, finalRect.size());
    QList<QRect> grow;
    for (int thickness = 1;; thickness = grownThickness(thickness, full, speed)) {
        const QRect frame = revealedRect(side, finalRect, thickness);
        grow << frame;
        // The content is the whole popup pushed back behind the taskbar by the
        // part not shown yet, so it slides out instead of unrolling.
        const QRect content(frame.topLeft() + contentOffset(side, finalRect.size(), thickness),
                            finalRect.size());
        QCOMPARE(content, finalRect.translated(pushedBehindTaskbar(side, full - thickness)));
        if (thickness >= full)
            break;
    }
    QTEST(contentOffset(side, finalRect.size(), 1), "firstContentOffset");
    QTEST(grow.first(), "firstFrame");
    QTEST(grow.value(1), "secondFrame");
    QTEST(int(grow.size()) - 1, "growSteps");
    QCOMPARE(grow.last(), finalRect);
    for (const QRect& frame : std::as_const(grow))
        QCOMPARE(anchoredEdge(side, frame), anchoredEdge(side, finalRect));

    QList<QRect> shrink;
    int steps = 0;
    for (std::optional<int> thickness = full; thickness; thickness = shrunkThickness(*thickness, speed)) {
        shrink << revealedRect(side, finalRect, *thickness);
        ++steps;
    }
    QTEST(shrink.last(), "lastShrunkFrame");
    QTEST(steps, "shrinkSteps");
    for (const QRect& frame : std::as_const(shrink))
        QCOMPARE(anchoredEdge(side, frame), anchoredEdge(side, finalRect));
}

void TestPopupGeometry::gradient_data()
{
    QTest::addColumn<QColor>("from");
    QTest::addColumn<QColor>("to");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("length");
    QTest::addColumn<QColor>("expected");

    const QColor lavender(0x9D, 0x9D, 0xCE);
    QTest::newRow("first row is the first colour") << lavender << QColor(Qt::white) << 0 << 130 << lavender;
    QTest::newRow("halfway, a half rounds up")
        << lavender << QColor(Qt::white) << 65 << 130 << QColor(0xCE, 0xCE, 0xE7);
    QTest::newRow("last row stops short of the second colour")
        << QColor(Qt::black) << QColor(Qt::white) << 129 << 130 << QColor(253, 253, 253);
    QTest::newRow("a third rounds down")
        << QColor(0, 0, 0) << QColor(100, 100, 100) << 1 << 3 << QColor(33, 33, 33);
    QTest::newRow("two thirds round up")
        << QColor(0, 0, 0) << QColor(100, 100, 100) << 2 << 3 << QColor(67, 67, 67);
    QTest::newRow("falling channel, a half rounds away from zero")
        << QColor(Qt::white) << QColor(Qt::black) << 1 << 2 << QColor(127, 127, 127);
    QTest::newRow("channels move independently")
        << QColor(0x99, 0xCC, 0xFF) << QColor(Qt::white) << 60 << 121 << QColor(0xCC, 0xE5, 0xFF);
    QTest::newRow("empty window") << lavender << QColor(Qt::white) << 0 << 0 << lavender;
}

void TestPopupGeometry::gradient()
{
    QFETCH(QColor, from);
    QFETCH(QColor, to);
    QFETCH(int, position);
    QFETCH(int, length);
    QTEST(gradientColor(from, to, position, length), "expected");
}

QTEST_GUILESS_MAIN(TestPopupGeometry)
#include "tst_popupgeometry.moc"
