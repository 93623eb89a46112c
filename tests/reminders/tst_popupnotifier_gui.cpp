#include "platform/Shell.h"
#include "reminders/widgets/PopupNotifier.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QWindow>

using namespace Qt::StringLiterals;
using namespace brivane;
using reminders::DesktopAreas;
using reminders::widgets::PopupNotifier;
using reminders::widgets::PopupOptions;
using reminders::widgets::PopupSettings;
using reminders::widgets::PopupTimings;
using reminders::widgets::PopupWindow;
namespace popup = reminders::widgets;

Q_DECLARE_METATYPE(Qt::MouseButton)

namespace {

// A 1024 × 768 screen with a 30-pixel taskbar along the bottom.
const DesktopAreas bottomTaskbar{QRect(0, 0, 1024, 768), QRect(0, 0, 1024, 738)};

// Timers that never fire during a test: the test steps the popups itself.
constexpr PopupTimings steppedByHand{3'600'000, 3'600'000};
// Quick timers for popups that live their whole life on their own.
constexpr PopupTimings quick{1, 100};

void setUpNotifier(PopupNotifier& notifier, const PopupTimings& timings)
{
    notifier.setDesktopOverride(bottomTaskbar);
    notifier.setTimings(timings);
    notifier.setSettings(PopupNotifier::reminderSettings());
    notifier.settings().title = u"Hurry up! It is time to..."_s;
    notifier.settings().text = u"Dentist at five"_s;
}

PopupWindow* onlyPopup(const PopupNotifier& notifier)
{
    const QList<PopupWindow*> popups = notifier.popups();
    return popups.size() == 1 ? popups.first() : nullptr;
}

// Steps a popup until its grow or shrink animation ends.
void stepWhileSliding(PopupWindow* window)
{
    QPointer<PopupWindow> guard(window);
    for (int step = 0; guard && guard->isSliding() && step < 1000; ++step)
        guard->tick();
}

QPoint centreOf(const QWidget* part)
{
    return part->mapTo(part->window(), part->rect().center());
}

void destroyClosedPopups()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class TestPopupNotifier : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void slidesOutWaitsAndSlidesBack();
    void livesOnItsOwnTimers();
    void noTimeOutStaysUntilClicked();
    void withoutScrollingAppearsAtFullSize();
    void cascadesInsideTheWorkArea();
    void withoutCascadingPopupsShareTheCorner();
    void clicks_data();
    void clicks();
    void hyperlinkTextShowsTheHoverFont();
    void closeAllClosesEveryPopup();
    void closeAllFromAClickHandler();
    void neverTakesTheFocus();
    void paintsTheGradient_data();
    void paintsTheGradient();
    void unknownDesktopLeavesThePopupWhereItIs();

private:
    PopupNotifier* m_notifier = nullptr;
};

void TestPopupNotifier::init()
{
    m_notifier = new PopupNotifier;
    platform::Shell::setRecording(true);
    platform::Shell::clearOpened();
}

void TestPopupNotifier::cleanup()
{
    delete m_notifier;
    m_notifier = nullptr;
    destroyClosedPopups();
    QCOMPARE(QApplication::topLevelWidgets().size(), 0);
}

void TestPopupNotifier::slidesOutWaitsAndSlidesBack()
{
    setUpNotifier(*m_notifier, steppedByHand);
    m_notifier->settings().timeOut = 10;
    QVERIFY(m_notifier->show());
    QPointer<PopupWindow> window = onlyPopup(*m_notifier);
    QVERIFY(window);
    QVERIFY(window->isVisible());

    // A one-pixel strip on the taskbar side, growing upwards 9 pixels a step.
    QCOMPARE(window->geometry(), QRect(528, 735, 480, 1));
    window->tick();
    QCOMPARE(window->geometry(), QRect(528, 726, 480, 10));
    stepWhileSliding(window);
    QCOMPARE(window->geometry(), QRect(528, 606, 480, 130));
    QVERIFY(window->isWaiting());

    // Time-out, then back down into the taskbar.
    window->tick();
    window->tick();
    QCOMPARE(window->geometry(), QRect(528, 615, 480, 121));
    stepWhileSliding(window);
    QVERIFY(!window || !window->isVisible());
    destroyClosedPopups();
    QVERIFY(!window);
    QCOMPARE(m_notifier->openCount(), 0);
}

void TestPopupNotifier::livesOnItsOwnTimers()
{
    setUpNotifier(*m_notifier, quick);
    m_notifier->settings().timeOut = 1;
    QSignalSpy clicks(m_notifier, &PopupNotifier::clicked);
    QVERIFY(m_notifier->show());
    QPointer<PopupWindow> window = onlyPopup(*m_notifier);
    QVERIFY(window);
    QTRY_VERIFY(!window);
    QCOMPARE(m_notifier->openCount(), 0);
    QCOMPARE(clicks.size(), 0);
}

void TestPopupNotifier::noTimeOutStaysUntilClicked()
{
    setUpNotifier(*m_notifier, quick);
    m_notifier->settings().timeOut = 0;
    QVERIFY(m_notifier->show());
    QPointer<PopupWindow> window = onlyPopup(*m_notifier);
    QTRY_COMPARE(window->geometry(), QRect(528, 606, 480, 130));
    QTest::qWait(300); // three time-out "seconds"
    QVERIFY(window);
    QVERIFY(window->isVisible());
    QCOMPARE(window->geometry(), QRect(528, 606, 480, 130));

    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, QPoint(3, 60));
    QVERIFY(!window || !window->isVisible());
    QCOMPARE(m_notifier->openCount(), 0);
}

void TestPopupNotifier::withoutScrollingAppearsAtFullSize()
{
    setUpNotifier(*m_notifier, steppedByHand);
    m_notifier->settings().options = {};
    m_notifier->settings().timeOut = 5;
    QVERIFY(m_notifier->show());
    QPointer<PopupWindow> window = onlyPopup(*m_notifier);
    QCOMPARE(window->geometry(), QRect(528, 606, 480, 130));
    QVERIFY(window->isWaiting());

    // It still slides away when its time is up.
    window->tick();
    window->tick();
    QCOMPARE(window->geometry(), QRect(528, 615, 480, 121));
}

void TestPopupNotifier::cascadesInsideTheWorkArea()
{
    setUpNotifier(*m_notifier, steppedByHand);
    m_notifier->settings().options = popup::pnAllowScroll | popup::pnCascadePopups;
    m_notifier->settings().height = 200;

    int shown = 0;
    while (m_notifier->show())
        QVERIFY(++shown < 10);
    QCOMPARE(shown, 3);
    QCOMPARE(m_notifier->popups().size(), 3);

    const QList<PopupWindow*> popups = m_notifier->popups();
    for (PopupWindow* window : popups) {
        stepWhileSliding(window);
        QVERIFY(bottomTaskbar.workArea.contains(window->geometry()));
        for (const PopupWindow* other : popups) {
            if (other != window)
                QVERIFY(!window->geometry().intersects(other->geometry()));
        }
    }
    QCOMPARE(popups.at(1)->geometry().bottom() + 1 + 2, popups.at(0)->geometry().top());
}

void TestPopupNotifier::withoutCascadingPopupsShareTheCorner()
{
    setUpNotifier(*m_notifier, steppedByHand);
    m_notifier->settings().options = popup::pnAllowScroll;
    QVERIFY(m_notifier->show());
    QVERIFY(m_notifier->show());
    const QList<PopupWindow*> popups = m_notifier->popups();
    QCOMPARE(popups.size(), 2);
    for (PopupWindow* window : popups) {
        stepWhileSliding(window);
        QVERIFY(window->isVisible());
        QCOMPARE(window->geometry(), QRect(528, 606, 480, 130));
    }
}

void TestPopupNotifier::clicks_data()
{
    QTest::addColumn<QString>("part");
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<bool>("hyperlink");
    QTest::addColumn<bool>("autoOpen");
    QTest::addColumn<int>("expectedClick"); // the button reported, 0 for none
    QTest::addColumn<bool>("expectedUrlClick");

    QTest::newRow("background, left") << u"Background"_s << Qt::LeftButton << false << false << 1 << false;
    QTest::newRow("background, right") << u"Background"_s << Qt::RightButton << false << false << 2 << false;
    QTest::newRow("title, middle") << u"Title"_s << Qt::MiddleButton << false << false << 4 << false;
    QTest::newRow("icon, left") << u"Icon"_s << Qt::LeftButton << false << false << 1 << false;
    QTest::newRow("text, left") << u"Text"_s << Qt::LeftButton << false << false << 1 << false;
    QTest::newRow("text, right") << u"Text"_s << Qt::RightButton << false << false << 2 << false;
    QTest::newRow("hyperlink text, left, opens the address")
        << u"Text"_s << Qt::LeftButton << true << true << 0 << true;
    QTest::newRow("hyperlink text, left, no auto-open")
        << u"Text"_s << Qt::LeftButton << true << false << 0 << true;
    QTest::newRow("hyperlink text, right") << u"Text"_s << Qt::RightButton << true << true << 2 << false;
    QTest::newRow("hyperlink mode, title") << u"Title"_s << Qt::LeftButton << true << true << 1 << false;
}

void TestPopupNotifier::clicks()
{
    QFETCH(QString, part);
    QFETCH(Qt::MouseButton, button);
    QFETCH(bool, hyperlink);
    QFETCH(bool, autoOpen);
    QFETCH(int, expectedClick);
    QFETCH(bool, expectedUrlClick);

    const QUrl url(u"https://example.org/agenda"_s);
    setUpNotifier(*m_notifier, steppedByHand);
    PopupOptions options = popup::pnAllowScroll;
    options.setFlag(popup::pnAllowHyperlink, hyperlink);
    options.setFlag(popup::pnAutoOpenURL, autoOpen);
    m_notifier->settings().options = options;
    m_notifier->settings().url = url;
    QSignalSpy clicks(m_notifier, &PopupNotifier::clicked);
    QSignalSpy urlClicks(m_notifier, &PopupNotifier::urlClicked);

    QVERIFY(m_notifier->show());
    QPointer<PopupWindow> window = onlyPopup(*m_notifier);
    stepWhileSliding(window);

    const PopupSettings& settings = m_notifier->settings();
    QPoint at;
    if (part == u"Icon")
        at = QPoint(settings.iconLeft + 4, settings.iconTop + 4);
    else if (part == u"Background")
        at = QPoint(3, settings.height / 2);
    else
        at = centreOf(window->findChild<QLabel*>(part));
    QTest::mouseClick(window->windowHandle(), button, {}, at);

    QCOMPARE(clicks.size(), expectedClick ? 1 : 0);
    if (expectedClick)
        QCOMPARE(clicks.first().first().value<Qt::MouseButton>(), Qt::MouseButton(expectedClick));
    QCOMPARE(urlClicks.size(), expectedUrlClick ? 1 : 0);
    if (expectedUrlClick)
        QCOMPARE(urlClicks.first().first().toUrl(), url);
    QCOMPARE(platform::Shell::opened(), expectedUrlClick && autoOpen ? QList<QUrl>{url} : QList<QUrl>{});

    QVERIFY(!window || !window->isVisible());
    QCOMPARE(m_notifier->openCount(), 0);
    destroyClosedPopups();
    QVERIFY(!window);
}

void TestPopupNotifier::hyperlinkTextShowsTheHoverFont()
{
    setUpNotifier(*m_notifier, steppedByHand);
    m_notifier->settings().options = popup::pnAllowScroll | popup::pnAllowHyperlink;
    QVERIFY(m_notifier->show());
    PopupWindow* window = onlyPopup(*m_notifier);
    stepWhileSliding(window);
    const QLabel* text = window->findChild<QLabel*>(u"Text"_s);
    QVERIFY(!text->font().underline());

    QTest::mouseMove(window->windowHandle(), QPoint(3, 3));
    QVERIFY(!text->font().underline());
    QTest::mouseMove(window->windowHandle(), centreOf(text));
    QTRY_VERIFY(text->font().underline());
    QCOMPARE(text->font().pointSize(), 8);

    QTest::mouseMove(window->windowHandle(), QPoint(3, 3));
    QTRY_VERIFY(!text->font().underline());
    QCOMPARE(text->font().pointSize(), 10);
}

void TestPopupNotifier::closeAllClosesEveryPopup()
{
    setUpNotifier(*m_notifier, steppedByHand);
    m_notifier->settings().options = popup::pnAllowScroll | popup::pnCascadePopups;
    m_notifier->settings().height = 100;
    for (int i = 0; i < 3; ++i)
        QVERIFY(m_notifier->show());
    QList<QPointer<PopupWindow>> windows;
    for (PopupWindow* window : m_notifier->popups())
        windows << window;

    m_notifier->closeAll();
    for (const QPointer<PopupWindow>& window : std::as_const(windows))
        QVERIFY(!window || !window->isVisible());
    QCOMPARE(m_notifier->openCount(), 0);
    QVERIFY(m_notifier->popups().isEmpty());

    // The next popup starts the cascade again in the corner.
    QVERIFY(m_notifier->show());
    QCOMPARE(onlyPopup(*m_notifier)->finalRect(), QRect(528, 636, 480, 100));
}

void TestPopupNotifier::closeAllFromAClickHandler()
{
    setUpNotifier(*m_notifier, steppedByHand);
    m_notifier->settings().options = popup::pnAllowScroll | popup::pnCascadePopups;
    m_notifier->settings().height = 100;
    QVERIFY(m_notifier->show());
    QVERIFY(m_notifier->show());
    connect(m_notifier, &PopupNotifier::clicked, m_notifier, &PopupNotifier::closeAll);

    PopupWindow* clicked = m_notifier->popups().first();
    stepWhileSliding(clicked);
    QTest::mouseClick(clicked->windowHandle(), Qt::LeftButton, {}, QPoint(3, 50));
    QCOMPARE(m_notifier->openCount(), 0);
    QVERIFY(m_notifier->popups().isEmpty());
    destroyClosedPopups();
}

// The offscreen platform activates every window it shows, whatever the window
// asks for, so this checks what the popup asks of the windowing system: a
// frameless tool window on top that refuses the focus, shown without
// activation, with no part that could take the keyboard focus.
void TestPopupNotifier::neverTakesTheFocus()
{
    setUpNotifier(*m_notifier, steppedByHand);
    QVERIFY(m_notifier->show());
    PopupWindow* window = onlyPopup(*m_notifier);
    QVERIFY(window->windowHandle());
    const Qt::WindowFlags flags = window->windowHandle()->flags();
    QCOMPARE(flags & Qt::WindowType_Mask, Qt::Tool);
    for (const Qt::WindowType flag :
         {Qt::FramelessWindowHint, Qt::WindowStaysOnTopHint, Qt::WindowDoesNotAcceptFocus})
        QVERIFY(flags.testFlag(flag));
    QVERIFY(window->testAttribute(Qt::WA_ShowWithoutActivating));
    QCOMPARE(window->focusPolicy(), Qt::NoFocus);
    const QList<QWidget*> parts = window->findChildren<QWidget*>();
    QVERIFY(!parts.isEmpty());
    for (const QWidget* part : parts)
        QCOMPARE(part->focusPolicy(), Qt::NoFocus);
}

void TestPopupNotifier::paintsTheGradient_data()
{
    QTest::addColumn<int>("orientation");
    QTest::addColumn<QPoint>("early");  // a pixel inside the edge, on row 1 of 130 or column 3 of 480
    QTest::addColumn<QPoint>("middle"); // a pixel on row or column 65 of 130, or 240 of 480

    QTest::newRow("vertical") << int(popup::mbVertical) << QPoint(477, 1) << QPoint(477, 65);
    QTest::newRow("horizontal") << int(popup::mbHorizontal) << QPoint(3, 125) << QPoint(240, 125);
}

void TestPopupNotifier::paintsTheGradient()
{
    QFETCH(int, orientation);
    QFETCH(QPoint, early);
    QFETCH(QPoint, middle);
    setUpNotifier(*m_notifier, steppedByHand);
    m_notifier->settings().gradientOrientation = popup::GradientOrientation(orientation);
    QVERIFY(m_notifier->show());
    PopupWindow* window = onlyPopup(*m_notifier);
    stepWhileSliding(window);

    const QImage image = window->grab().toImage();
    QCOMPARE(image.size(), QSize(480, 130));
    // From 0x9D9DCE towards white.
    QCOMPARE(image.pixelColor(early), QColor(0x9E, 0x9E, 0xCE));
    QCOMPARE(image.pixelColor(middle), QColor(0xCE, 0xCE, 0xE7));
}

void TestPopupNotifier::unknownDesktopLeavesThePopupWhereItIs()
{
    setUpNotifier(*m_notifier, quick);
    m_notifier->setDesktopOverride(DesktopAreas{});
    QVERIFY(m_notifier->show());
    QPointer<PopupWindow> window = onlyPopup(*m_notifier);
    QVERIFY(window->isVisible());
    QCOMPARE(window->size(), QSize(480, 130));
    QVERIFY(!window->isSliding());
    QVERIFY(!window->isWaiting());
    QTest::mouseClick(window->windowHandle(), Qt::RightButton, {}, QPoint(3, 60));
    QVERIFY(!window || !window->isVisible());
}

QTEST_MAIN(TestPopupNotifier)
#include "tst_popupnotifier_gui.moc"
