#include "platform/widgets/ColorDialog.h"
#include "platform/widgets/FileDialog.h"
#include "platform/widgets/MessageBox.h"
#include "platform/widgets/TrayIcon.h"
#include "shell/MainWindow.h"
#include "store/Archive.h"
#include "store/ArchiveLocation.h"
#include "store/SettingsStore.h"
#include "store/WriteTransaction.h"
#include "support/MockClock.h"
#include "support/OtherMachine.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QSpinBox>
#include <QSqlQuery>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace brivane;
using platform::MessageBox;

namespace {

// A program folder of its own for each test, reached through BRIVANE_HOME.
class Home
{
public:
    Home() { qputenv("BRIVANE_HOME", m_dir.path().toUtf8()); }
    ~Home() { qunsetenv("BRIVANE_HOME"); }
    QString path() const { return m_dir.path(); }
    QString archiveFolder() const { return m_dir.path() + QStringLiteral("/myarcs"); }

private:
    QTemporaryDir m_dir;
};

// Changes the settings row of the default archive before the window starts.
void presetSettings(const Home& home, const QString& assignments)
{
    {
        store::Archive archive(QStringLiteral("preset"));
        QVERIFY(archive.open(home.archiveFolder()));
        QSqlQuery query(archive.database());
        // Create the tables through a window start that is then dropped.
    }
    {
        shell::MainWindow window({});
        QVERIFY(window.create());
    }
    store::Archive archive(QStringLiteral("preset"));
    QVERIFY(archive.open(home.archiveFolder()));
    QSqlQuery query(archive.database());
    QVERIFY2(query.exec(QStringLiteral("UPDATE BRset63 SET ") + assignments), qPrintable(assignments));
}

store::SettingsRecord storedSettings(const Home& home)
{
    store::Archive archive(QStringLiteral("check"));
    store::SettingsRecord record;
    if (archive.openReadOnly(home.archiveFolder()))
        store::SettingsStore(archive.database()).load(record);
    return record;
}

template <typename T>
T* child(QWidget* window, const char* name)
{
    T* found = window->findChild<T*>(QLatin1String(name));
    if (!found)
        qWarning("no control named %s", name);
    return found;
}

} // namespace

class TestMainWindow : public QObject
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

    void startsWithNineTabsAndTopBar()
    {
        Home home;
        test::MockClock clock(QDateTime(QDate(2026, 3, 14), QTime(9, 30)));
        shell::MainWindow window({});
        QVERIFY(window.create());
        QVERIFY(QFile::exists(home.archiveFolder() + QStringLiteral("/boarc.abs")));
        QCOMPARE(window.archiveFolder(), home.archiveFolder());

        QTabWidget* tabs = child<QTabWidget>(&window, "PageControlMenu");
        QVERIFY(tabs);
        QStringList captions;
        for (int i = 0; i < tabs->count(); ++i)
            captions << tabs->tabText(i);
        QCOMPARE(captions, (QStringList{QStringLiteral("One Shot"), QStringLiteral("Yearly"), QStringLiteral("Monthly"),
                                        QStringLiteral("Weekly "), QStringLiteral("Today"), QStringLiteral("Contacts"),
                                        QStringLiteral("Notes"), QStringLiteral("To Do"), QStringLiteral("Options")}));
        QCOMPARE(tabs->currentIndex(), int(shell::MainWindow::TabToday));
        for (const char* name : {"SpeedButtonAbout", "SpeedButtonTOP", "SpeedButtonAggiornaTutto",
                                 "SpeedButtonMigrationInfo", "SpeedButton_MINIMIZE", "SpeedButton_minimize_bar",
                                 "SpeedButtonWinSize", "SpeedButtonEXIT"})
            QVERIFY2(child<QAbstractButton>(&window, name), name);
        QVERIFY(child<QLabel>(&window, "panel_credit"));
        for (const char* name : {"TimerOrologio", "TimerContolloOrario", "TimerRitorna", "TimerAppari", "TimerFlashTempo"})
            QVERIFY2(window.findChild<QTimer*>(QLatin1String(name)), name);
        // No shared folder: "Refresh all" is hidden and "Auto" disabled.
        QVERIFY(child<QAbstractButton>(&window, "SpeedButtonAggiornaTutto")->isHidden());
        QVERIFY(!child<QAbstractButton>(&window, "SpeedButton_Multi")->isEnabled());
        QCOMPARE(child<QLabel>(&window, "Label_Archives_Folder")->text(), home.archiveFolder());
        QCOMPARE(child<QLabel>(&window, "Label_Conteggio_Giornalieri")->text(), QStringLiteral("One Shot: 0"));
        QCOMPARE(child<QLabel>(&window, "Label_SoundName")->text(), QStringLiteral("mailbeep"));
        QVERIFY(!window.isVisible());
        QVERIFY(!child<QCheckBox>(&window, "CheckBox_Visualizza_Sospesi")->isEnabled());

        // The launch check reveals the window and the first show reports the new archive.
        QTRY_VERIFY(window.isVisible());
        QVERIFY(!window.isFirstShowPending());
        QVERIFY(child<QCheckBox>(&window, "CheckBox_Visualizza_Sospesi")->isEnabled());
        const QList<MessageBox::Shown> shown = MessageBox::shown();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown.first().caption, QStringLiteral("Brivane Organizer - Archive report"));
        QVERIFY(shown.first().text.startsWith(QStringLiteral("-> Archive GROUPS <<created>>\r")));
        QVERIFY(shown.first().text.endsWith(QStringLiteral("\rAll this happened in the folder:\r")
                                            + home.archiveFolder() + QStringLiteral("\r")));
        QCOMPARE(window.minimumSize(), QSize(670, 592));
        QCOMPARE(tabs->tabText(4), QStringLiteral(" Today "));
    }

    void pathTooLongEndsBeforeAnythingIsWritten()
    {
        QTemporaryDir base;
        // Program folder + "myarcs" of 130 characters: 3 too many.
        const QString deep = base.path() + QLatin1Char('/')
                             + QString(130 - 6 - base.path().size() - 2, QLatin1Char('p'));
        QVERIFY(QDir().mkpath(deep));
        qputenv("BRIVANE_HOME", deep.toUtf8());
        QCOMPARE((store::ArchiveLocation::defaultArchiveFolder(store::ArchiveLocation::programFolder())).size(), 130);
        shell::MainWindow window({});
        QVERIFY(!window.create());
        QCOMPARE(window.exitCode(), 0);
        QVERIFY(!QDir(deep + QStringLiteral("/myarcs")).exists());
        QVERIFY(MessageBox::shownTexts().value(0).endsWith(
            QStringLiteral("You need to install me in another shorter by at least 3 characters.")));
        qunsetenv("BRIVANE_HOME");
    }

    void foreignArchiveFileEndsWithAnError()
    {
        Home home;
        QVERIFY(QDir().mkpath(home.archiveFolder()));
        QFile file(home.archiveFolder() + QStringLiteral("/boarc.abs"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray("not a database at all, but my precious data\n").repeated(100));
        file.close();
        shell::MainWindow window({});
        QVERIFY(!window.create());
        QCOMPARE(window.exitCode(), 1);
        QVERIFY(MessageBox::shownTexts().value(0).contains(file.fileName()));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().startsWith("not a database"));
    }

    // Pages overwritten in the middle of a real archive: one message naming
    // the file and the damage, no window, and not a byte written.
    void damagedArchiveEndsWithOneMessage()
    {
        Home home;
        const QString path = home.archiveFolder() + QStringLiteral("/boarc.abs");
        {
            shell::MainWindow window({});
            QVERIFY(window.create());
        }
        {
            store::Archive archive(QStringLiteral("fill"));
            QVERIFY(archive.open(home.archiveFolder()));
            QSqlQuery insert(archive.database());
            QVERIFY(archive.database().transaction());
            QVERIFY(insert.prepare(QStringLiteral("INSERT INTO BRnot80 (id, note) VALUES (:id, :note)")));
            for (int i = 0; i < 400; ++i) {
                insert.bindValue(QStringLiteral(":id"), QStringLiteral("note %1").arg(i));
                insert.bindValue(QStringLiteral(":note"), QString(1000, QLatin1Char('n')));
                QVERIFY(insert.exec());
            }
            QVERIFY(archive.database().commit());
        }
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        file.seek(file.size() / 2 / 4096 * 4096);
        file.write(QByteArray(2 * 4096, '\x33'));
        file.seek(0);
        const QByteArray damaged = file.readAll();
        file.close();

        MessageBox::clearShown();
        shell::MainWindow window({});
        QVERIFY(!window.create());
        QCOMPARE(window.exitCode(), 1);
        QCOMPARE(MessageBox::shownTexts(), QStringList{store::Archive::damagedText(path)});
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll() == damaged);
    }

    // A Net.txt that cannot be used is told in words; the run goes on in the
    // default folder and the file stays for the Auto button.
    void unreadableNetFileIsToldAndTheDefaultFolderUsed()
    {
        Home home;
        QVERIFY(QDir().mkpath(home.archiveFolder()));
        QFile net(store::ArchiveLocation::netFilePath(home.archiveFolder()));
        QVERIFY(net.open(QIODevice::WriteOnly));
        net.close();
        shell::MainWindow window({});
        QVERIFY(window.create());
        QCOMPARE(window.archiveFolder(), home.archiveFolder());
        QVERIFY2(MessageBox::shownTexts().value(0).startsWith(QStringLiteral("I can not read the file \"")
                                                               + net.fileName() + QStringLiteral("\": it is empty.")),
                 qPrintable(MessageBox::shownTexts().value(0)));
        QVERIFY(net.exists());
        QVERIFY(child<QAbstractButton>(&window, "SpeedButton_Multi")->isEnabled());
    }

    // A settings write that fails (another computer keeps the archive past
    // the wait) leaves its control showing what the archive holds.
    void failedSettingsWriteShowsTheStoredValue()
    {
        if (!test::OtherMachine::isAvailable())
            QSKIP("the sqlite3 shell plays the other machine and is not installed");
        Home home;
        shell::MainWindow window({});
        QVERIFY(window.create());
        QTRY_VERIFY(window.isVisible());
        MessageBox::clearShown();
        auto* ampm = child<QCheckBox>(&window, "CheckBoxAmPm");
        QVERIFY(!ampm->isChecked());

        test::OtherMachine other;
        QVERIFY(other.hold(home.archiveFolder() + QStringLiteral("/boarc.abs"), test::OtherMachine::Lock::Write, 6500));
        ampm->click();
        QVERIFY(other.finish());
        QCOMPARE(MessageBox::shownTexts().size(), 1);
        QVERIFY2(MessageBox::shownTexts().first().contains(store::busyArchiveText()),
                 qPrintable(MessageBox::shownTexts().first()));
        QVERIFY(!ampm->isChecked());
        QCOMPARE(storedSettings(home).ampm, false);
    }

    void missingSharedFolderAsksAndFollowsTheAnswer_data()
    {
        QTest::addColumn<bool>("keep");
        QTest::newRow("yes keeps Net.txt") << true;
        QTest::newRow("no deletes Net.txt") << false;
    }
    void missingSharedFolderAsksAndFollowsTheAnswer()
    {
        QFETCH(bool, keep);
        Home home;
        QVERIFY(store::ArchiveLocation::writeNetFile(home.archiveFolder(), QStringLiteral("/no/such/share")));
        MessageBox::setNextAnswers({keep ? MessageBox::Answer::Yes : MessageBox::Answer::No});
        shell::MainWindow window({});
        QVERIFY(window.create());
        QCOMPARE(window.archiveFolder(), home.archiveFolder());
        QCOMPARE(MessageBox::shownTexts().value(0),
                 QStringLiteral("I have not found the archive folder (/no/such/share), so I went back to default folder (")
                     + home.archiveFolder() + QStringLiteral("). Do I look for it at the next reboot?"));
        QCOMPARE(QFile::exists(store::ArchiveLocation::netFilePath(home.archiveFolder())), keep);
        if (!keep)
            QCOMPARE(MessageBox::shownTexts().value(1), QStringLiteral("Ok, from now I will work in the default folder!"));
        QCOMPARE(child<QAbstractButton>(&window, "SpeedButton_Multi")->isEnabled(), keep);
    }

    void sharedFolderIsUsedAndRefreshAllShown()
    {
        Home home;
        QTemporaryDir shared;
        QVERIFY(store::ArchiveLocation::writeNetFile(home.archiveFolder(), shared.path()));
        shell::MainWindow window({});
        QVERIFY(window.create());
        QCOMPARE(window.archiveFolder(), shared.path());
        QVERIFY(!child<QAbstractButton>(&window, "SpeedButtonAggiornaTutto")->isHidden());
        QVERIFY(QFile::exists(shared.path() + QStringLiteral("/boarc.abs")));
        QVERIFY(QFile::exists(home.archiveFolder() + QStringLiteral("/boarc.abs")));
    }

    void startMinimizedStaysInTrayUntilClicked()
    {
        Home home;
        presetSettings(home, QStringLiteral("minimized = 'Y', WinStato = ''"));
        MessageBox::clearShown();
        shell::MainWindow window({});
        QVERIFY(window.create());
        QTRY_COMPARE(window.tray()->image(), 0); // the launch check has run
        QVERIFY(!window.isVisible());
        QVERIFY(window.isFirstShowPending());
        Q_EMIT window.tray()->clicked();
        QTRY_VERIFY(window.isVisible());
        QVERIFY(!window.isFirstShowPending());
        QVERIFY(window.isMaximized()); // any WinStato but "wsNormal"
    }

    void withoutTrayAMinimizedStartShowsTheWindowMinimized()
    {
        Home home;
        presetSettings(home, QStringLiteral("minimized = 'Y'"));
        platform::TrayIcon::setAvailabilityOverride(false);
        shell::MainWindow window({});
        QVERIFY(window.create());
        QTRY_VERIFY(window.isVisible());
        QVERIFY(window.isMinimized());
        platform::TrayIcon::setAvailabilityOverride(true);
    }

    void quitWithAlarmOnAsksFirst()
    {
        Home home;
        shell::MainWindow window({});
        QVERIFY(window.create());
        QTRY_VERIFY(window.isVisible());
        MessageBox::clearShown();
        QSignalSpy terminated(&window, &shell::MainWindow::terminated);
        MessageBox::setNextAnswers({MessageBox::Answer::No});
        child<QAbstractButton>(&window, "SpeedButtonEXIT")->click();
        QCOMPARE(MessageBox::shownTexts(), QStringList{QStringLiteral(
                                               " Hey! If you quit me, I can't notify you about the tasks at right time! Quit anyway?")});
        QCOMPARE(terminated.count(), 0);
        QVERIFY(window.tray()->isTerminateEnabled());
        QCOMPARE(window.tabs()->currentIndex(), int(shell::MainWindow::TabOptions));
        MessageBox::setNextAnswers({MessageBox::Answer::Yes});
        QTest::keyClick(&window, Qt::Key_Escape);
        QCOMPARE(terminated.count(), 1);
    }

    void optionsWriteTheSettingsRecord()
    {
        Home home;
        shell::MainWindow window({});
        QVERIFY(window.create());
        QTRY_VERIFY(window.isVisible());

        auto* format = child<QComboBox>(&window, "ComboBox_FormatoDataShot");
        format->setCurrentIndex(5);
        Q_EMIT format->activated(5);
        auto* soundOn = child<QCheckBox>(&window, "CheckBox_Soundon");
        soundOn->click(); // was on ("Y"): now neither box is ticked
        auto* days = child<QSpinBox>(&window, "SpinEditFuturo");
        child<QCheckBox>(&window, "CheckBoxFuturo")->click();
        days->setValue(500);

        const store::SettingsRecord stored = storedSettings(home);
        QCOMPARE(stored.dataShot, QStringLiteral("mm/dd/yyyy"));
        QCOMPARE(stored.dataShotIndex, 5);
        QCOMPARE(stored.soundon, QStringLiteral("N"));
        QVERIFY(!child<QAbstractButton>(&window, "SpeedButtonSound")->isEnabled());
        QCOMPARE(stored.futuroFlag, true);
        QCOMPARE(stored.futuroDays, 366);
        QCOMPARE(days->value(), 366);

        platform::ColorDialog::setNextColors({QColor(0xD2, 0x00, 0x00)});
        QTest::mouseClick(child<QWidget>(&window, "Panel_ShotColor"), Qt::LeftButton);
        QCOMPARE(storedSettings(home).sectionColors.first(), QStringLiteral("$000000D2"));
    }

    void changeFolderChecksTheLength_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("125 accepted") << 125 << true;
        QTest::newRow("126 refused") << 126 << false;
    }
    void changeFolderChecksTheLength()
    {
        QFETCH(int, length);
        QFETCH(bool, accepted);
        Home home;
        shell::MainWindow window({});
        QVERIFY(window.create());
        QTRY_VERIFY(window.isVisible());
        MessageBox::clearShown();
        const QString folder = QStringLiteral("/") + QString(length - 1, QLatin1Char('f'));
        platform::FileDialog::setNextNames({folder});
        QSignalSpy terminated(&window, &shell::MainWindow::terminated);
        child<QAbstractButton>(&window, "SpeedButton_unico")->click();
        QCOMPARE(QFile::exists(store::ArchiveLocation::netFilePath(home.archiveFolder())), accepted);
        QCOMPARE(terminated.count(), accepted ? 1 : 0);
        if (accepted)
            QCOMPARE(MessageBox::shownTexts().last(), QStringLiteral("You will have to restart me manually!"));
        else
            QVERIFY(MessageBox::shownTexts().last().endsWith(QStringLiteral("at least 1 characters.")));
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow_gui.moc"
