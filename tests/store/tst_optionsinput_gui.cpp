#include "platform/widgets/ColorDialog.h"
#include "platform/widgets/FileDialog.h"
#include "platform/widgets/MessageBox.h"
#include "platform/widgets/TrayIcon.h"
#include "shell/MainWindow.h"
#include "store/Archive.h"
#include "store/SettingsStore.h"
#include "support/MockClock.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QSqlQuery>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>

#include <memory>

using namespace brivane;
using platform::MessageBox;

namespace {

// A program folder of its own, reached through BRIVANE_HOME.
class Home
{
public:
    Home() { qputenv("BRIVANE_HOME", m_dir.path().toUtf8()); }
    ~Home() { qunsetenv("BRIVANE_HOME"); }
    QString archiveFolder() const { return m_dir.path() + QStringLiteral("/myarcs"); }

private:
    QTemporaryDir m_dir;
};

store::SettingsRecord storedSettings(const Home& home)
{
    store::Archive archive(QStringLiteral("check"));
    store::SettingsRecord record;
    if (archive.openReadOnly(home.archiveFolder()))
        store::SettingsStore(archive.database()).load(record);
    return record;
}

// The settings a stray wheel or a lost focus could change, as one text.
QString settingsText(const store::SettingsRecord& s)
{
    return QStringList{QString::number(s.dataShotIndex), QString::number(s.dataYearIndex),
                       QString::number(s.scalaIndex),    s.startab,
                       QString::number(s.futuroDays),    s.fontname,
                       QString::number(s.fontsize),      s.soundon,
                       s.blocco,                         s.timecheck,
                       s.hidetips ? QStringLiteral("hide") : QStringLiteral("show")}
        .join(QLatin1Char('|'));
}

// The value a control shows, as text.
QString shownValue(QWidget* control)
{
    if (auto* combo = qobject_cast<QComboBox*>(control))
        return combo->currentText();
    if (auto* spin = qobject_cast<QSpinBox*>(control))
        return QString::number(spin->value());
    if (auto* box = qobject_cast<QCheckBox*>(control))
        return box->isChecked() ? QStringLiteral("on") : QStringLiteral("off");
    return {};
}

// The real window on the Options tab, active, so focus and keys work.
std::unique_ptr<shell::MainWindow> optionsWindow()
{
    auto window = std::make_unique<shell::MainWindow>(QStringList{});
    if (!window->create())
        return {};
    if (!QTest::qWaitFor([&] { return window->isVisible(); }, 5000))
        return {};
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window.get()))
        qWarning("the window did not become active");
    window->tabs()->setCurrentIndex(shell::MainWindow::TabOptions);
    return window;
}

} // namespace

class TestOptionsInput : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        MessageBox::setScripted(true);
        platform::FileDialog::setScripted(true);
        platform::ColorDialog::setScripted(true);
        platform::TrayIcon::setAvailabilityOverride(true);
    }

    void init()
    {
        MessageBox::clearShown();
        MessageBox::setNextAnswers({});
    }

    // One notch of the wheel over a list or a number while scrolling the
    // page writes nothing and shows the same value.
    void wheelNeverChangesASetting_data()
    {
        QTest::addColumn<QString>("control");
        QTest::newRow("one-shot date format") << QStringLiteral("ComboBox_FormatoDataShot");
        QTest::newRow("yearly date format") << QStringLiteral("ComboBox_FormatoDataYear");
        QTest::newRow("dialog scale") << QStringLiteral("ComboBoxScala");
        QTest::newRow("start tab") << QStringLiteral("ComboBox_Startab");
        QTest::newRow("look-ahead days") << QStringLiteral("SpinEditFuturo");
        QTest::newRow("editor font") << QStringLiteral("ComboBox_Fonts");
        QTest::newRow("editor font size") << QStringLiteral("SpinEdit_Size");
    }
    void wheelNeverChangesASetting()
    {
        QFETCH(QString, control);
        Home home;
        auto window = optionsWindow();
        QVERIFY(window);
        // The day count is enabled only with the look-ahead notice.
        window->findChild<QCheckBox*>(QStringLiteral("CheckBoxFuturo"))->click();
        // The notes' format bar has controls of the same names.
        auto* target = window->findChild<QWidget*>(QStringLiteral("TabSheetOptions"))->findChild<QWidget*>(control);
        QVERIFY(target && target->isEnabled());
        const QString before = settingsText(storedSettings(home));
        const QString shown = shownValue(target);

        for (const int delta : {-120, -120, 120, -120}) {
            const QPointF centre = QRectF(target->rect()).center();
            QWheelEvent wheel(centre, target->mapToGlobal(centre), QPoint(), QPoint(0, delta), Qt::NoButton,
                              Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(target, &wheel);
        }
        QCOMPARE(shownValue(target), shown);
        QCOMPARE(settingsText(storedSettings(home)), before);
        QVERIFY(!window->findChild<QWidget*>(QStringLiteral("TabSheetOptions"))
                     ->findChild<QAbstractButton*>(QStringLiteral("SpeedButton_Aggiorna_Editor_Setup"))
                     ->isEnabled());
    }

    // A change made from the keyboard is written, and the focus stays on the
    // control, so the next key acts where the user is.
    void settingsWriteKeepsTheFocus_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("shownAfter");
        QTest::newRow("sound alarm box") << QStringLiteral("CheckBox_Soundon") << int(Qt::Key_Space)
                                         << QStringLiteral("off");
        QTest::newRow("yearly format list") << QStringLiteral("ComboBox_FormatoDataYear") << int(Qt::Key_Down)
                                            << QStringLiteral("dd mmmm");
        QTest::newRow("hide hints box") << QStringLiteral("CheckBoxHideTips") << int(Qt::Key_Space)
                                        << QStringLiteral("on");
        QTest::newRow("lock on startup box") << QStringLiteral("CheckBox_Blocco") << int(Qt::Key_Space)
                                             << QStringLiteral("off");
    }
    void settingsWriteKeepsTheFocus()
    {
        QFETCH(QString, control);
        QFETCH(int, key);
        QFETCH(QString, shownAfter);
        Home home;
        auto window = optionsWindow();
        QVERIFY(window);
        auto* target = window->findChild<QWidget*>(control);
        QVERIFY(target);
        // The special menu's boxes are reached by opening the menu first.
        if (!target->isVisibleTo(window.get()))
            window->findChild<QAbstractButton*>(QStringLiteral("SpeedButton_VaiSpeciale"))->click();
        QVERIFY(target->isVisible());
        const QString before = settingsText(storedSettings(home));
        target->setFocus();
        QCOMPARE(QApplication::focusWidget(), target);

        QTest::keyClick(target, Qt::Key(key));
        QCOMPARE(shownValue(target), shownAfter);
        QVERIFY2(settingsText(storedSettings(home)) != before, "the change was not written");
        QCOMPARE(QApplication::focusWidget(), target);
    }

    // Font choices not saved yet stay on screen over another settings write,
    // and "Save" then writes them.
    void unsavedEditorFontSurvivesOtherWrites()
    {
        Home home;
        auto window = optionsWindow();
        QVERIFY(window);
        QWidget* page = window->findChild<QWidget*>(QStringLiteral("TabSheetOptions"));
        auto* size = page->findChild<QSpinBox*>(QStringLiteral("SpinEdit_Size"));
        auto* save = page->findChild<QAbstractButton*>(QStringLiteral("SpeedButton_Aggiorna_Editor_Setup"));
        size->setValue(21);
        QVERIFY(save->isEnabled());
        window->findChild<QCheckBox*>(QStringLiteral("CheckBox_Soundon"))->click();
        window->findChild<QCheckBox*>(QStringLiteral("CheckBoxHideTips"))->click();
        QCOMPARE(size->value(), 21);
        QVERIFY(save->isEnabled());
        save->click();
        QCOMPARE(storedSettings(home).fontsize, 21);
        QVERIFY(!save->isEnabled());
    }

    // Clicking the caption of a box toggles it like clicking the box.
    void captionTogglesItsBox()
    {
        Home home;
        auto window = optionsWindow();
        QVERIFY(window);
        auto* box = window->findChild<QCheckBox*>(QStringLiteral("CheckBox_TimeCheck"));
        const bool wasOn = box->isChecked();
        QTest::mouseClick(window->findChild<QLabel*>(QStringLiteral("Label_TimeCheck")), Qt::LeftButton);
        QCOMPARE(box->isChecked(), !wasOn);
        QCOMPARE(storedSettings(home).timecheck, wasOn ? QStringLiteral("N") : QStringLiteral("Y"));
    }

    // The whole page shows at the default window size; a maximised window
    // does not stretch its sections to fill the screen.
    void fitsTheDefaultWindow_data()
    {
        QTest::addColumn<QSize>("windowSize");
        QTest::addColumn<bool>("scrolls");
        QTest::newRow("default size") << QSize(670, 592) << false;
        QTest::newRow("large window") << QSize(1600, 1100) << false;
    }
    void fitsTheDefaultWindow()
    {
        QFETCH(QSize, windowSize);
        QFETCH(bool, scrolls);
        Home home;
        auto window = optionsWindow();
        QVERIFY(window);
        window->resize(windowSize);
        auto* page = window->findChild<QWidget*>(QStringLiteral("TabSheetOptions"));
        auto* scroll = page->findChild<QScrollArea*>();
        QVERIFY(scroll);
        QTRY_COMPARE(page->size().width() > 0, true);
        QApplication::processEvents();
        QCOMPARE(scroll->verticalScrollBar()->maximum() > 0, scrolls);
        QCOMPARE(scroll->horizontalScrollBar()->maximum() > 0, scrolls);
        for (QGroupBox* box : page->findChildren<QGroupBox*>()) {
            if (box->parent() == scroll->widget())
                QVERIFY2(box->height() <= box->sizeHint().height() * 3 / 2, qPrintable(box->title()));
        }
    }
};

QTEST_MAIN(TestOptionsInput)
#include "tst_optionsinput_gui.moc"
