#include "agenda/widgets/DialogChrome.h"
#include "platform/widgets/MessageBox.h"
#include "platform/widgets/TrayIcon.h"
#include "shell/MainWindow.h"
#include "sky/MoonImage.h"
#include "sky/widgets/MoonPicture.h"
#include "sky/widgets/TimeCalculatorDialog.h"
#include "store/SettingsRecord.h"
#include "themes/ColorText.h"
#include "support/MockClock.h"

#include <QAbstractButton>
#include <QDateEdit>
#include <QLabel>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeEdit>

using namespace Qt::StringLiterals;
using namespace brivane;
using platform::MessageBox;
using sky::widgets::MoonPicture;
using sky::widgets::TimeCalculatorDialog;

namespace {

// A program folder of its own, with a fresh archive made by the window.
class Home
{
public:
    Home() { qputenv("BRIVANE_HOME", m_dir.path().toUtf8()); }
    ~Home() { qunsetenv("BRIVANE_HOME"); }

private:
    QTemporaryDir m_dir;
};

template <typename T> T* child(QWidget* window, const QString& name)
{
    T* found = window->findChild<T*>(name);
    if (!found)
        qWarning("no control named %s", qPrintable(name));
    return found;
}

void click(QWidget* window, const QString& name)
{
    auto* button = child<QAbstractButton>(window, name);
    QVERIFY2(button && button->isEnabled(), qPrintable(name));
    button->click();
}

// What the strip's Moon must show for a moment: the small classic picture, landing marked.
QImage expectedMoon(const QDateTime& moment)
{
    sky::MoonPictureOptions options;
    options.size = sky::MoonSize::ms32;
    return sky::moonPicture(options, moment, sky::pictureAngle(moment));
}

} // namespace

class SkyGuiTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        MessageBox::setScripted(true);
        platform::TrayIcon::setAvailabilityOverride(true);
    }

    void init()
    {
        MessageBox::clearShown();
        MessageBox::setNextAnswers({});
    }

    void stripFollowsTheViewedDate()
    {
        test::MockClock clock(QDateTime(QDate(2024, 1, 20), QTime(9, 30)));
        Home home;
        shell::MainWindow window({});
        QVERIFY(window.create());
        auto* strip = child<QWidget>(&window, u"Panel_SegnoStagione"_s);
        QVERIFY(child<QWidget>(&window, u"Panel_LATO"_s)->isAncestorOf(strip));
        auto* sign = child<QLabel>(strip, u"Label_Segno"_s);
        auto* season = child<QLabel>(strip, u"Label_Stagione"_s);
        auto* moon = child<MoonPicture>(strip, u"Moon"_s);
        // Until the side panel is first shown, the design captions.
        QCOMPARE(sign->text(), u" Zodiaco"_s);
        QCOMPARE(season->text(), u" Stagione"_s);
        QCOMPARE(moon->size(), QSize(32, 32));
        QCOMPARE(moon->date(), QDateTime(QDate(2024, 1, 20), QTime(9, 30)));

        // A new archive shows the side panel at the first show.
        QTRY_VERIFY(!window.isFirstShowPending());
        QCOMPARE(sign->text(), u" Capricorn"_s);
        QCOMPARE(season->text(), u" Winter"_s);
        QCOMPARE(sign->toolTip(), u"Capricorn\nfrom 22 December to 20 January"_s);
        QCOMPARE(season->toolTip(), u"Winter\nfrom 22 December to 20 March"_s);

        // Stepping keeps the time of day.
        click(&window, u"SpeedButtonNextDay"_s);
        QCOMPARE(sign->text(), u" Aquarius"_s);
        QCOMPARE(moon->date(), QDateTime(QDate(2024, 1, 21), QTime(9, 30)));
        QCOMPARE(moon->image(), expectedMoon(moon->date()));
        QCOMPARE(moon->pixmap().toImage().convertToFormat(QImage::Format_RGB32), moon->image());
        click(&window, u"SpeedButton_Mese_Successivo"_s);
        QCOMPARE(sign->text(), u" Aquarius"_s);
        QCOMPARE(moon->date(), QDateTime(QDate(2024, 2, 1), QTime(9, 30)));
        click(&window, u"SpeedButton_Mese_Precedente"_s);
        QCOMPARE(moon->date(), QDateTime(QDate(2024, 1, 31), QTime(9, 30)));

        // With the panel hidden the labels stay; the Moon still follows.
        click(&window, u"SpeedButtonClendarioLato"_s);
        QVERIFY(!strip->isVisible());
        child<QDateEdit>(&window, u"DateTimePickerTODAY"_s)->setDate(QDate(2024, 3, 21));
        QCOMPARE(sign->text(), u" Aquarius"_s);
        QCOMPARE(season->text(), u" Winter"_s);
        QCOMPARE(moon->date(), QDateTime(QDate(2024, 3, 21), QTime(9, 30)));
        // Showing it brings them up to date for the shown day.
        click(&window, u"SpeedButtonClendarioLato"_s);
        QVERIFY(strip->isVisible());
        QCOMPARE(sign->text(), u" Aries"_s);
        QCOMPARE(season->text(), u" Spring"_s);

        // Today brings in the current time of day.
        clock.setNow(QDateTime(QDate(2024, 1, 25), QTime(17, 54)));
        click(&window, u"SpeedButtonToday"_s);
        QCOMPARE(moon->date(), QDateTime(QDate(2024, 1, 25), QTime(17, 54)));
        QCOMPARE(sign->text(), u" Aquarius"_s);
        QCOMPARE(moon->image(), expectedMoon(moon->date()));
        // The full Moon: the centre row is lit but for one limb pixel.
        int dark = 0;
        for (int x = 1; x <= 29; ++x)
            dark += moon->image().pixel(x, 14) == qRgb(0, 0, 0);
        QCOMPARE(dark, 1);
        // The landing site is lit at full Moon, so it shows red.
        QCOMPARE(moon->image().pixel(20, 15), qRgb(255, 0, 0));
    }

    void calculatorOpensFromTheOptionsTab()
    {
        Home home;
        shell::MainWindow window({});
        QVERIFY(window.create());
        QTRY_VERIFY(!window.isFirstShowPending());
        MessageBox::clearShown();
        auto* button = child<QAbstractButton>(&window, u"SpeedButton_TimeCalculator"_s);
        QVERIFY(child<QWidget>(&window, u"Panel_special"_s)->isAncestorOf(button));
        QCOMPARE(button->text(), u"Time Duration Calculator"_s);
        QCOMPARE(button->toolTip(), u"Calculate duration between 2 dates or 2 times"_s);
        button->click();
        QPointer<TimeCalculatorDialog> dialog = window.findChild<TimeCalculatorDialog*>();
        QVERIFY(dialog);
        QTRY_VERIFY(dialog->isVisible());
        QCOMPARE(child<QLabel>(dialog, u"Label_Giorni"_s)->text(), u"0"_s);
        // Framed in the Options colour, the title written in the tab caption colour.
        const QColor options = themes::colorFromText(store::SettingsRecord::defaultSectionColors().value(8));
        auto* title = dialog->findChild<agenda::widgets::DialogTitleBar*>();
        QCOMPARE(title->palette().color(QPalette::Window), options);
        QCOMPARE(title->palette().color(QPalette::WindowText), QColor(Qt::black));
        QTest::keyClick(dialog, Qt::Key_Escape);
        QTRY_VERIFY(dialog.isNull());
        QVERIFY(MessageBox::shown().isEmpty());
    }

    void calculator_data()
    {
        QTest::addColumn<QDate>("firstDate");
        QTest::addColumn<QDate>("secondDate");
        QTest::addColumn<QString>("days");
        QTest::addColumn<QString>("years");
        QTest::newRow("a leap year") << QDate(2020, 1, 1) << QDate(2021, 1, 1) << u"366"_s << u"1"_s;
        QTest::newRow("365 days") << QDate(2021, 3, 1) << QDate(2022, 3, 1) << u"365"_s << u"0"_s;
        QTest::newRow("backwards") << QDate(2022, 5, 10) << QDate(2022, 5, 1) << u"-9"_s << u"0"_s;
    }

    void calculator()
    {
        QFETCH(QDate, firstDate);
        QFETCH(QDate, secondDate);
        QFETCH(QString, days);
        QFETCH(QString, years);
        test::MockClock clock(QDateTime(QDate(2024, 5, 6), QTime(14, 3, 7)));
        QWidget parent;
        QPointer<TimeCalculatorDialog> dialog = sky::widgets::openTimeCalculator(&parent, {});
        QCOMPARE(dialog->windowTitle(), u"Time Duration Calculator"_s);
        QVERIFY(dialog->windowFlags() & Qt::FramelessWindowHint);
        auto* date1 = child<QDateEdit>(dialog, u"DateTimePicker_Data1"_s);
        auto* date2 = child<QDateEdit>(dialog, u"DateTimePicker_Data2"_s);
        auto* time1 = child<QTimeEdit>(dialog, u"DateTimePicker_Ora1"_s);
        auto* time2 = child<QTimeEdit>(dialog, u"DateTimePicker_Ora2"_s);
        QCOMPARE(date1->date(), QDate(2024, 5, 6));
        QCOMPARE(date2->date(), QDate(2024, 5, 6));
        QCOMPARE(time1->time(), QTime(14, 3, 7));
        QCOMPARE(time2->time(), QTime(14, 3, 7));
        const QStringList results{u"Label_Giorni"_s, u"Label_Anni"_s,    u"Label_Ore"_s,
                                  u"Label_Minuti"_s, u"Label_Secondi"_s, u"Label_Millisecondi"_s};
        for (const QString& name : results)
            QCOMPARE(child<QLabel>(dialog, name)->text(), u"0"_s);

        date1->setDate(firstDate);
        date2->setDate(secondDate);
        click(dialog, u"Button_Calcola_Date"_s);
        QCOMPARE(child<QLabel>(dialog, u"Label_Giorni"_s)->text(), days);
        QCOMPARE(child<QLabel>(dialog, u"Label_Anni"_s)->text(), years);
        QCOMPARE(child<QLabel>(dialog, u"Label_Ore"_s)->text(), u"0"_s);

        // The times, in both orders.
        for (const auto& [first, second] :
             {std::pair(QTime(8, 30), QTime(10, 15, 30)), std::pair(QTime(10, 15, 30), QTime(8, 30))}) {
            time1->setTime(first);
            time2->setTime(second);
            click(dialog, u"Button_Calcola_Ore"_s);
            QCOMPARE(child<QLabel>(dialog, u"Label_Ore"_s)->text(), u"1"_s);
            QCOMPARE(child<QLabel>(dialog, u"Label_Minuti"_s)->text(), u"105"_s);
            QCOMPARE(child<QLabel>(dialog, u"Label_Secondi"_s)->text(), u"6330"_s);
            QCOMPARE(child<QLabel>(dialog, u"Label_Millisecondi"_s)->text(), u"6330000"_s);
        }

        click(dialog, u"SpeedButton_Help"_s);
        QCOMPARE(
            MessageBox::shownTexts(),
            QStringList{
                u"In this module you can get the calculation of the time elapsed between 2 dates or times."_s});
        QTest::keyClick(dialog, Qt::Key_Escape);
        QTRY_VERIFY(dialog.isNull());
    }

    void calculatorClosesAndColoursTheFocusedPicker()
    {
        QWidget parent;
        sky::widgets::TimeCalculatorSetup setup;
        setup.focusColor = QColor(0x54, 0xA5, 0x58);
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
            QPointer<TimeCalculatorDialog> dialog = sky::widgets::openTimeCalculator(&parent, setup);
            QTest::keyClick(dialog, key);
            QTRY_VERIFY(dialog.isNull());
        }
        QPointer<TimeCalculatorDialog> dialog = sky::widgets::openTimeCalculator(&parent, setup);
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        auto* date1 = child<QDateEdit>(dialog, u"DateTimePicker_Data1"_s);
        auto* time1 = child<QTimeEdit>(dialog, u"DateTimePicker_Ora1"_s);
        date1->setFocus();
        QTRY_COMPARE(date1->palette().color(QPalette::Base), setup.focusColor);
        QCOMPARE(time1->palette().color(QPalette::Base), QColor(Qt::white));
        time1->setFocus();
        QTRY_COMPARE(time1->palette().color(QPalette::Base), setup.focusColor);
        QCOMPARE(date1->palette().color(QPalette::Base), QColor(Qt::white));
        click(dialog, u"Button_Close"_s);
        QTRY_VERIFY(dialog.isNull());
    }
};

QTEST_MAIN(SkyGuiTest)
#include "tst_sky_gui.moc"
