#include "platform/widgets/FileDialog.h"
#include "platform/widgets/InputBox.h"
#include "platform/widgets/MessageBox.h"
#include "platform/widgets/TrayIcon.h"
#include "reminders/widgets/PopupNotifier.h"
#include "reminders/widgets/PopupWindow.h"
#include "shell/MainWindow.h"
#include "support/MockClock.h"
#include "support/WindowHome.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QAbstractItemView>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>

using namespace brivane;
using platform::InputBox;
using platform::MessageBox;

namespace {

template <typename T>
T* child(QWidget* window, const char* name)
{
    T* found = window->findChild<T*>(QLatin1String(name));
    if (!found)
        qWarning("no control named %s", name);
    return found;
}

QString setting(const test::WindowHome& home, const char* column)
{
    return home.value(QStringLiteral("SELECT ") + QLatin1String(column) + QStringLiteral(" FROM BRset63")).toString();
}

bool locked(QWidget* window)
{
    return child<QWidget>(window, "Panel_PSW")->isVisible() && !child<QWidget>(window, "PageControlMenu")->isEnabled();
}

void closeOpenDialogs(QStringList* opened)
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* dialog = qobject_cast<QDialog*>(widget); dialog && dialog->isVisible()) {
            if (opened)
                *opened << dialog->objectName();
            dialog->reject();
        }
    }
}

const QDateTime kNow(QDate(2026, 3, 14), QTime(9, 30));

} // namespace

class TestAccess : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        MessageBox::setScripted(true);
        InputBox::setScripted(true);
        platform::FileDialog::setScripted(true);
        platform::TrayIcon::setAvailabilityOverride(true);
    }

    void init()
    {
        MessageBox::clearShown();
        MessageBox::setNextAnswers({});
        InputBox::clearPrompts();
        InputBox::setNextAnswers({});
    }

    void unlocksOnTheKeystrokeThatMatches()
    {
        test::WindowHome home;
        QVERIFY(home.prepare({QStringLiteral("UPDATE BRset63 SET psw = 'Secret', blocco = 'Y', timecheck = 'N'")}));
        test::MockClock clock(kNow);
        shell::MainWindow window({});
        QVERIFY(window.create());
        QTRY_VERIFY(window.isVisible());
        QVERIFY(locked(&window));
        auto* field = child<QLineEdit>(&window, "Edit_PSW");
        QCOMPARE(field->echoMode(), QLineEdit::Password);
        QVERIFY(!child<QWidget>(&window, "SpeedButton_SolaLettura")->isVisible()); // "Read" not allowed

        QTest::keyClicks(field, QStringLiteral("secret"));
        QVERIFY(locked(&window));
        field->clear();
        QTest::keyClicks(field, QStringLiteral("SecreT"));
        QVERIFY(locked(&window));
        QTest::keyClick(field, Qt::Key_Backspace);
        QVERIFY(locked(&window));
        QTest::keyClicks(field, QStringLiteral("T"));
        QVERIFY(locked(&window)); // "SecreT" again: wrong case
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClicks(field, QStringLiteral("t"));
        QVERIFY(!locked(&window));
        QVERIFY(field->text().isEmpty());

        // Hidden to the tray with the lock switch on: locked again at the next show.
        child<QAbstractButton>(&window, "SpeedButton_MINIMIZE")->click();
        QVERIFY(locked(&window) || !window.isVisible());
        Q_EMIT window.tray()->clicked();
        QTRY_VERIFY(window.isVisible());
        QVERIFY(locked(&window));
    }

    void lockOnDemandWithoutLockOnStartup()
    {
        test::WindowHome home;
        QVERIFY(home.prepare({QStringLiteral("UPDATE BRset63 SET psw = 'pw', blocco = 'N', timecheck = 'N'")}));
        shell::MainWindow window({});
        QVERIFY(window.create());
        QTRY_VERIFY(window.isVisible());
        QVERIFY(!locked(&window));
        window.tabs()->setCurrentIndex(shell::MainWindow::TabOptions);
        auto* special = child<QWidget>(&window, "Panel_special");
        QVERIFY(!special->isVisible());
        child<QAbstractButton>(&window, "SpeedButton_VaiSpeciale")->click();
        QVERIFY(special->isVisible());
        child<QAbstractButton>(&window, "SpeedButton_PSW")->click();
        QVERIFY(!special->isVisible());
        QVERIFY(locked(&window));
        QVERIFY(InputBox::prompts().isEmpty()); // the password did not change
        // Focus stays on the password field whatever tab is chosen.
        window.tabs()->setCurrentIndex(shell::MainWindow::TabContacts);
        QVERIFY(child<QLineEdit>(&window, "Edit_PSW")->hasFocus() || !window.isActiveWindow());
        QTest::keyClicks(child<QLineEdit>(&window, "Edit_PSW"), QStringLiteral("pw"));
        QVERIFY(!locked(&window));
    }

    void newPasswordIsConfirmedWhenTheMenuCloses_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("retyped");
        QTest::addColumn<QString>("expectedStored");
        QTest::addColumn<QString>("expectedMessage");
        QTest::newRow("first password confirmed") << "" << "Alpha" << "Alpha" << "Alpha" << "New password CONFIRMED!";
        QTest::newRow("first password mistyped") << "" << "Alpha" << "alpha" << ""
                                                 << "New password NOT confirmed!\rNO password set!";
        QTest::newRow("change cancelled") << "Old" << "Newer" << "" << "Old"
                                          << "New password NOT confirmed!\rThe old password was restored!";
        QTest::newRow("change confirmed") << "Old" << "Newer" << "Newer" << "Newer" << "New password CONFIRMED!";
    }

    void newPasswordIsConfirmedWhenTheMenuCloses()
    {
        QFETCH(QString, stored);
        QFETCH(QString, typed);
        QFETCH(QString, retyped);
        QFETCH(QString, expectedStored);
        QFETCH(QString, expectedMessage);
        test::WindowHome home;
        QVERIFY(home.prepare({QStringLiteral("UPDATE BRset63 SET psw = '%1', blocco = 'N', timecheck = 'N'").arg(stored)}));
        shell::MainWindow window({});
        QVERIFY(window.create());
        QTRY_VERIFY(window.isVisible());
        MessageBox::clearShown();
        child<QAbstractButton>(&window, "SpeedButton_VaiSpeciale")->click();
        auto* field = child<QLineEdit>(&window, "Edit_ImpostaPSW");
        QCOMPARE(field->text(), stored);
        field->selectAll();
        QTest::keyClicks(field, typed);
        auto* close = child<QAbstractButton>(&window, "SpeedButtonCloseSpecial");
        QCOMPARE(close->text(), QStringLiteral("Confirm PASSWORD"));
        // Never written before it is confirmed.
        QCOMPARE(setting(home, "psw"), stored);
        InputBox::setNextAnswers({retyped});
        close->click();
        QCOMPARE(InputBox::prompts(), QStringList{QStringLiteral("Retype new password")});
        QCOMPARE(MessageBox::shownTexts(), QStringList{expectedMessage});
        QCOMPARE(setting(home, "psw"), expectedStored);
        QCOMPARE(field->text(), expectedStored);
        QCOMPARE(close->text(), QStringLiteral("Close special menu"));
        QVERIFY(!child<QWidget>(&window, "Panel_special")->isVisible());
        QCOMPARE(child<QAbstractButton>(&window, "SpeedButton_PSW")->isEnabled(), !expectedStored.isEmpty());
    }

    void emptyingTheFieldRemovesThePasswordAtOnce()
    {
        test::WindowHome home;
        QVERIFY(home.prepare({QStringLiteral("UPDATE BRset63 SET psw = 'Old', blocco = 'Y', timecheck = 'N'")}));
        shell::MainWindow window({});
        QVERIFY(window.create());
        QTRY_VERIFY(window.isVisible());
        QTest::keyClicks(child<QLineEdit>(&window, "Edit_PSW"), QStringLiteral("Old"));
        child<QAbstractButton>(&window, "SpeedButton_VaiSpeciale")->click();
        child<QAbstractButton>(&window, "SpeedButtonClearPSW")->click();
        QCOMPARE(setting(home, "psw"), QString());
        QVERIFY(!child<QAbstractButton>(&window, "SpeedButton_PSW")->isEnabled());
        QVERIFY(!child<QCheckBox>(&window, "CheckBox_SolaLettura")->isEnabled());
        child<QAbstractButton>(&window, "SpeedButtonCloseSpecial")->click();
        QVERIFY(InputBox::prompts().isEmpty());
    }

    void aChangedPasswordIsConfirmedBeforeTheQuitQuestions()
    {
        test::WindowHome home;
        QVERIFY(home.prepare({QStringLiteral("UPDATE BRset63 SET timecheck = 'Y'")}));
        shell::MainWindow window({});
        QVERIFY(window.create());
        QTRY_VERIFY(window.isVisible());
        MessageBox::clearShown();
        child<QAbstractButton>(&window, "SpeedButton_VaiSpeciale")->click();
        QTest::keyClicks(child<QLineEdit>(&window, "Edit_ImpostaPSW"), QStringLiteral("Key"));
        // Another settings write meanwhile keeps the typed password.
        child<QCheckBox>(&window, "CheckBox_Blocco")->click();
        QCOMPARE(setting(home, "blocco"), QStringLiteral("N"));
        QCOMPARE(child<QLineEdit>(&window, "Edit_ImpostaPSW")->text(), QStringLiteral("Key"));
        QCOMPARE(setting(home, "psw"), QString());
        InputBox::setNextAnswers({QStringLiteral("Key")});
        MessageBox::setNextAnswers({MessageBox::Answer::No});
        QSignalSpy terminated(&window, &shell::MainWindow::terminated);
        child<QAbstractButton>(&window, "SpeedButtonEXIT")->click();
        QCOMPARE(InputBox::prompts(), QStringList{QStringLiteral("Retype new password")});
        QCOMPARE(MessageBox::shownTexts(),
                 (QStringList{QStringLiteral("New password CONFIRMED!"),
                              QStringLiteral(" Hey! If you quit me, I can't notify you about the tasks at right time! "
                                             "Quit anyway?")}));
        QCOMPARE(setting(home, "psw"), QStringLiteral("Key"));
        QCOMPARE(terminated.count(), 0);
    }

    void readOnlyModeChangesNothing()
    {
        test::WindowHome home;
        QVERIFY(home.prepare({
            QStringLiteral("UPDATE BRset63 SET psw = 'pw', blocco = 'Y', solalettura = 1, timecheck = 'N'"),
            QStringLiteral("INSERT INTO BRarc66 (flag, id, datefull, dayofweek, data, dayofmonth, fatto, sospeso)"
                           " VALUES ('O', 'dentist', '2026-03-14', 'Sat', '03/14', '14', '1876-01-01', 'N')"),
            QStringLiteral("INSERT INTO BRarc66 (flag, id, datefull, dayofweek, data, dayofmonth, fatto, sospeso)"
                           " VALUES ('O', 'old', '2026-03-01', 'X', '03/01', '01', '1876-01-01', 'N')"),
            QStringLiteral("INSERT INTO BRarc66 (flag, id, datefull, data, fatto) VALUES ('Y', 'birthday', '2000-03-14', "
                           "'03/14', '1876-01-01')"),
            QStringLiteral("INSERT INTO BRarc66 (flag, id, dayofmonth, fatto) VALUES ('M', 'rent', '14', '1876-01-01')"),
            QStringLiteral("INSERT INTO BRarc66 (flag, id, dayofweek, fatto) VALUES ('W', 'gym', 'Sat', '1876-01-01')"),
            QStringLiteral("INSERT INTO BRcon63 (ragsoc, gruppo) VALUES ('Rossi Mario', 'Family')"),
            QStringLiteral("INSERT INTO BRnot80 (id, note) VALUES ('Shopping', 'milk')"),
            QStringLiteral("INSERT INTO BRtod63 (id, flag, percento, priority) VALUES ('Paint', 'No', 0, 1)"),
        }));
        test::MockClock clock(kNow);
        shell::MainWindow window({});
        QVERIFY(window.create());
        QTRY_VERIFY(window.isVisible());
        // Taken after the start-up purge of past delete-after tasks.
        const QStringList before = home.dataSnapshot();
        QVERIFY(!before.join(QString()).contains(QLatin1String("|old|")));
        QVERIFY(locked(&window));
        auto* readOnly = child<QAbstractButton>(&window, "SpeedButton_SolaLettura");
        QVERIFY(readOnly->isVisible());
        readOnly->click();
        QVERIFY(!locked(&window));
        QVERIFY(!window.tabs()->isTabVisible(shell::MainWindow::TabOptions));
        QVERIFY(child<QPlainTextEdit>(&window, "Editor")->isReadOnly());

        static const char* const commands[] = {
            "SpeedButtonadShot", "SpeedButtonModShot", "SpeedButtonDateDupli", "SpeedButtonDelShot",
            "SpeedButtonAllegatoShot", "SpeedButtonAddYear", "SpeedButtonModYear", "SpeedButtonPrintyear",
            "SpeedButtonDelyear", "SpeedButtonAggMese", "SpeedButtonModMese", "SpeedButtonPrintMese",
            "SpeedButtonDelMese", "SpeedButtonAggWeek", "SpeedButtonModWeek", "SpeedButtonPrintWeek",
            "SpeedButtonDelWeek", "SpeedButtonAddToday", "SpeedButtonSvoltoToday", "SpeedButtonModToday",
            "SpeedButtonDelToday", "SpeedButton_AddContact", "SpeedButtonModContact", "SpeedButtonDupliContact",
            "SpeedButtonDelContact", "SpeedButton_AddGroup", "SpeedButtonDelGroup", "SpeedButton_AppRapido",
            "SpeedButton_NuovaNota", "SpeedButtonmodNote", "SpeedButtonDupliNote", "SpeedButtonDelnote",
            "SpeedButtonUpdate", "SpeedButtonImportText", "SpeedButtonAddGroup_Note", "SpeedButtonDelGroup_Note",
            "SpeedButtonAggToDo", "SpeedButtonModToDo", "SpeedButtonDupliToDo", "SpeedButtonDelToDo",
            "SpeedButtonCheckToDo", "SpeedButtonDelGroup_Lista",
        };
        QStringList shownCommands;
        QStringList opened;
        for (const char* name : commands) {
            auto* button = child<QAbstractButton>(&window, name);
            QVERIFY2(button, name);
            if (button->isVisible())
                shownCommands << QLatin1String(name);
            MessageBox::setNextAnswers(QList<MessageBox::Answer>(4, MessageBox::Answer::Yes));
            InputBox::setNextAnswers({QStringLiteral("a group")});
            // A hidden button still runs its command when clicked from code.
            button->setEnabled(true);
            button->click();
            QCoreApplication::processEvents();
            closeOpenDialogs(&opened);
        }
        // The keyboard and the mouse on every list.
        for (const char* grid : {"DBGrid_Shot", "DBGrid_Year", "DBGrid_Month", "DBGrid_Week", "DBGrid_Today",
                                 "DBGrid_Contact", "DBGrid_Note", "DBGrid_ToDo"}) {
            auto* view = child<QAbstractItemView>(&window, grid);
            QVERIFY2(view, grid);
            if (view->model() && view->model()->rowCount() > 0)
                view->setCurrentIndex(view->model()->index(0, 0));
            for (Qt::Key key : {Qt::Key_Insert, Qt::Key_Delete, Qt::Key_Return, Qt::Key_F2}) {
                MessageBox::setNextAnswers(QList<MessageBox::Answer>(4, MessageBox::Answer::Yes));
                QTest::keyClick(view, key);
                closeOpenDialogs(&opened);
            }
            const QRect first = view->visualRect(view->model() ? view->model()->index(0, 0) : QModelIndex());
            QTest::mouseDClick(view->viewport(), Qt::LeftButton, Qt::NoModifier,
                               first.isValid() ? first.center() : QPoint(5, 5));
            closeOpenDialogs(&opened);
        }
        QCOMPARE(shownCommands, QStringList());
        QCOMPARE(opened, QStringList());
        QCOMPARE(home.dataSnapshot(), before);

        // "Iconize" with the lock switch brings the panel back; the password
        // restores full access.
        child<QAbstractButton>(&window, "SpeedButton_MINIMIZE")->click();
        Q_EMIT window.tray()->clicked();
        QTRY_VERIFY(window.isVisible());
        QVERIFY(locked(&window));
        QTest::keyClicks(child<QLineEdit>(&window, "Edit_PSW"), QStringLiteral("pw"));
        QVERIFY(!locked(&window));
        QVERIFY(window.tabs()->isTabVisible(shell::MainWindow::TabOptions));
        window.tabs()->setCurrentIndex(shell::MainWindow::TabOneShot);
        QVERIFY(child<QWidget>(&window, "SpeedButtonDelShot")->isVisible());
        MessageBox::setNextAnswers({MessageBox::Answer::Yes});
        child<QAbstractButton>(&window, "SpeedButtonDelShot")->click();
        QCOMPARE(home.dataSnapshot().size(), before.size() - 1);
    }

    void lookAheadWhileLockedWaitsForTheUnlock()
    {
        test::WindowHome home;
        QVERIFY(home.prepare({
            QStringLiteral("UPDATE BRset63 SET psw = 'pw', blocco = 'Y', timecheck = 'N', futuro_flag = 1, futuro_days = 5"),
            QStringLiteral("INSERT INTO BRarc66 (flag, id, datefull, dayofweek, data, dayofmonth, fatto, sospeso, anticipa)"
                           " VALUES ('O', 'exam', '2026-03-16', 'Mon', '03/16', '16', '1876-01-01', 'N', 'Y')"),
        }));
        test::MockClock clock(kNow);
        shell::MainWindow window({});
        QVERIFY(window.create());
        QTRY_VERIFY(window.isVisible());
        QVERIFY(locked(&window));
        auto popupTexts = [&window] {
            QStringList texts;
            auto* notifier = window.findChild<reminders::widgets::PopupNotifier*>(QStringLiteral("PopupNotifier_Anticipo"));
            for (reminders::widgets::PopupWindow* popup : notifier->popups()) {
                if (!popup || !popup->isVisible())
                    continue;
                for (const QLabel* label : popup->findChildren<QLabel*>())
                    texts << label->text();
            }
            return texts.join(QLatin1Char('\n'));
        };
        QTRY_VERIFY(popupTexts().contains(QLatin1String("Important task incoming!")));
        QVERIFY(!popupTexts().contains(QLatin1String("exam")));
        QTest::keyClicks(child<QLineEdit>(&window, "Edit_PSW"), QStringLiteral("pw"));
        QVERIFY(!locked(&window));
        QTRY_VERIFY2(popupTexts().contains(QLatin1String("exam")), qPrintable(popupTexts()));
        QVERIFY(!popupTexts().contains(QLatin1String("Important task incoming!")));
    }
};

QTEST_MAIN(TestAccess)
#include "tst_access_gui.moc"
