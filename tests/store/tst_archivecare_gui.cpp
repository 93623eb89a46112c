#include "platform/Shell.h"
#include "platform/widgets/FileDialog.h"
#include "platform/widgets/MessageBox.h"
#include "platform/widgets/TrayIcon.h"
#include "shell/MainWindow.h"
#include "store/ArchiveCheck.h"
#include "store/MigrationNotice.h"
#include "support/MockClock.h"
#include "support/WindowHome.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDateEdit>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace brivane;
using platform::MessageBox;

namespace {

template <typename T>
T* child(QObject* parent, const char* name)
{
    T* found = parent->findChild<T*>(QLatin1String(name));
    if (!found)
        qWarning("no control named %s", name);
    return found;
}

QDialog* openDialog(const char* name)
{
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->objectName() == QLatin1String(name) && widget->isVisible())
            return qobject_cast<QDialog*>(widget);
    return nullptr;
}

QStringList tasks(const test::WindowHome& home)
{
    QStringList rows;
    for (const QString& row : home.dataSnapshot())
        if (row.startsWith(QLatin1String("BRarc66:")))
            rows << row;
    return rows;
}

QString oneShot(const QString& id, const QString& day)
{
    return QStringLiteral("INSERT INTO BRarc66 (flag, id, datefull, dayofweek, fatto, sospeso) VALUES ('O', '%1', '%2', "
                          "'Mon', '1876-01-01', 'N')")
        .arg(id, day);
}

const QDateTime kNow(QDate(2026, 3, 14), QTime(9, 30, 5));

} // namespace

class TestArchiveCare : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        MessageBox::setScripted(true);
        platform::FileDialog::setScripted(true);
        platform::TrayIcon::setAvailabilityOverride(true);
        platform::Shell::setRecording(true);
    }

    void init()
    {
        MessageBox::clearShown();
        MessageBox::setNextAnswers({});
        platform::FileDialog::setNextNames({});
        platform::Shell::clearOpened();
    }

    void backupThenRestoreThroughTheWindow()
    {
        test::MockClock clock(kNow);
        test::WindowHome home;
        QVERIFY(home.prepare({QStringLiteral("UPDATE BRset63 SET timecheck = 'N'"), oneShot(QStringLiteral("kept"), QStringLiteral("2026-03-10"))}));
        const QStringList backedUp = tasks(home);
        QTemporaryDir backups;
        const QString backup = backups.filePath(QStringLiteral("boarc-2026-03-14-09-30-05.abs"));
        {
            shell::MainWindow window({});
            QVERIFY(window.create());
            QTRY_VERIFY(window.isVisible());
            platform::FileDialog::setNextNames({backup});
            child<QAbstractButton>(&window, "SpeedButtonExport")->click();
            QVERIFY(store::ArchiveCheck::isArchive(backup));

            // An existing file is replaced only on Yes.
            const QDateTime written = QFileInfo(backup).lastModified();
            platform::FileDialog::setNextNames({backup});
            MessageBox::setNextAnswers({MessageBox::Answer::No});
            child<QAbstractButton>(&window, "SpeedButtonExport")->click();
            QCOMPARE(MessageBox::shownTexts().last(), QStringLiteral("Overwrite \"boarc-2026-03-14-09-30-05.abs\"?"));
            QCOMPARE(QFileInfo(backup).lastModified(), written);

            // Still connected: a new task is written after the backups.
            QVERIFY(home.run({oneShot(QStringLiteral("after the backup"), QStringLiteral("2026-03-11"))}));
            MessageBox::clearShown();
            QSignalSpy terminated(&window, &shell::MainWindow::terminated);
            platform::FileDialog::setNextNames({backup});
            child<QAbstractButton>(&window, "SpeedButtonImport")->click();
            QCOMPARE(MessageBox::shownTexts(),
                     (QStringList{QStringLiteral("Restored archive overwrites the archive in use."),
                                  QStringLiteral(" The import procedure is complete!\r You will have to restart me manually!")}));
            QCOMPARE(terminated.count(), 1);
            QVERIFY(QFile::exists(home.archiveFolder() + QStringLiteral("/restore.abs")));
        }
        const QStringList beforeRestore = tasks(home);
        QCOMPARE(beforeRestore.size(), 2);

        clock.advanceSeconds(60);
        shell::MainWindow next({});
        QVERIFY(next.create());
        QCOMPARE(tasks(home), backedUp);
        const QDir folder(home.archiveFolder());
        QVERIFY(!folder.exists(QStringLiteral("restore.abs")));
        QVERIFY(folder.exists(QStringLiteral("boarc-2026-03-14-09-31-05.abs")));
    }

    void aFileThatIsNoArchiveIsNotImported()
    {
        test::WindowHome home;
        QVERIFY(home.prepare({QStringLiteral("UPDATE BRset63 SET timecheck = 'N'")}));
        QTemporaryDir other;
        const QString text = other.filePath(QStringLiteral("notes.abs"));
        QFile file(text);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("just some text\n");
        file.close();
        shell::MainWindow window({});
        QVERIFY(window.create());
        QTRY_VERIFY(window.isVisible());
        MessageBox::clearShown();
        QSignalSpy terminated(&window, &shell::MainWindow::terminated);
        platform::FileDialog::setNextNames({text});
        child<QAbstractButton>(&window, "SpeedButtonImport")->click();
        QCOMPARE(terminated.count(), 0);
        QCOMPARE(MessageBox::shown().last().kind, MessageBox::Kind::Warning);
        QVERIFY(MessageBox::shownTexts().last().startsWith(QStringLiteral("\"notes.abs\" is not an archive")));
        QVERIFY(!QFile::exists(home.archiveFolder() + QStringLiteral("/restore.abs")));
    }

    void aBadPendingRestoreIsRefusedAtStart()
    {
        test::WindowHome home;
        QVERIFY(home.prepare({QStringLiteral("UPDATE BRset63 SET timecheck = 'N'"), oneShot(QStringLiteral("mine"), QStringLiteral("2026-01-01"))}));
        const QStringList before = tasks(home);
        QFile bad(home.archiveFolder() + QStringLiteral("/restore.abs"));
        QVERIFY(bad.open(QIODevice::WriteOnly));
        bad.write("SQLite format 3");
        bad.close();
        test::MockClock clock(kNow);
        shell::MainWindow window({});
        QVERIFY(window.create());
        QCOMPARE(tasks(home), before);
        QVERIFY(MessageBox::shownTexts().first().startsWith(QStringLiteral("The pending restore \"restore.abs\"")));
        const QDir folder(home.archiveFolder());
        QVERIFY(!folder.exists(QStringLiteral("restore.abs")));
        QVERIFY(folder.exists(QStringLiteral("restore-refused-2026-03-14-09-30-05.abs")));
    }

    void migrationNoticeAtShow_data()
    {
        QTest::addColumn<bool>("doNotShowAgain");
        QTest::addColumn<bool>("showAgain");
        QTest::addColumn<int>("storedAfter");
        QTest::addColumn<bool>("buttonAfter");
        QTest::newRow("closed, quit at once: owed again") << false << false << 1 << true;
        QTest::newRow("closed, shown again: settled") << false << true << 0 << true;
        QTest::newRow("do not show again") << true << false << 0 << false;
    }

    void migrationNoticeAtShow()
    {
        QFETCH(bool, doNotShowAgain);
        QFETCH(bool, showAgain);
        QFETCH(int, storedAfter);
        QFETCH(bool, buttonAfter);
        test::WindowHome home;
        QVERIFY(home.prepare({QStringLiteral("UPDATE BRset63 SET timecheck = 'N', migrationinfo = 1")}));
        shell::MainWindow window({});
        QVERIFY(window.create());
        auto* button = child<QWidget>(&window, "SpeedButtonMigrationInfo");
        QVERIFY(!button->isVisible());
        QTRY_VERIFY(window.isVisible());
        QDialog* notice = openDialog("TMigrationInfoForm");
        QVERIFY(notice);
        QVERIFY(button->isVisible());
        QCOMPARE(notice->windowTitle(), QStringLiteral("Important information about this upgrade"));
        const QStringList lines = child<QPlainTextEdit>(notice, "Memo_MigrationInfo")->toPlainText().split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 16);
        QCOMPARE(lines.first(), QStringLiteral("Beloved,"));
        QCOMPARE(lines[9], QStringLiteral("to download from ") + store::migration_notice::makerAddress()
                               + QStringLiteral(" a program "));
        QCOMPARE(lines.last(), QStringLiteral("Good migration!"));

        MessageBox::setNextAnswers({MessageBox::Answer::No});
        child<QAbstractButton>(notice, "Btn_Download")->click();
        QVERIFY(platform::Shell::opened().isEmpty());
        MessageBox::setNextAnswers({MessageBox::Answer::Yes});
        child<QAbstractButton>(notice, "Btn_Download")->click();
        QCOMPARE(platform::Shell::opened(), QList<QUrl>{QUrl(store::migration_notice::makerAddress())});
        QCOMPARE(MessageBox::shownTexts().last(), QStringLiteral("Vuoi visitare il sito di Brivane Organizer?"));

        child<QCheckBox>(notice, "CheckBox_DoNotShow")->setChecked(doNotShowAgain);
        child<QAbstractButton>(notice, "Btn_Close")->click();
        QTRY_VERIFY(!openDialog("TMigrationInfoForm"));
        if (showAgain) {
            child<QAbstractButton>(&window, "SpeedButton_MINIMIZE")->click();
            Q_EMIT window.tray()->clicked();
            QTRY_VERIFY(window.isVisible());
            QVERIFY(!openDialog("TMigrationInfoForm"));
        }
        QCOMPARE(home.value(QStringLiteral("SELECT migrationinfo FROM BRset63")).toInt(), storedAfter);
        QCOMPARE(button->isVisible(), buttonAfter);
        if (buttonAfter) {
            child<QAbstractButton>(&window, "SpeedButtonMigrationInfo")->click();
            QVERIFY(openDialog("TMigrationInfoForm"));
            openDialog("TMigrationInfoForm")->reject();
        }
    }

    void noNoticeWhenNothingIsOwed()
    {
        test::WindowHome home;
        QVERIFY(home.prepare({QStringLiteral("UPDATE BRset63 SET timecheck = 'N', migrationinfo = 0")}));
        shell::MainWindow window({});
        QVERIFY(window.create());
        QTRY_VERIFY(window.isVisible());
        QVERIFY(!openDialog("TMigrationInfoForm"));
        QVERIFY(!child<QWidget>(&window, "SpeedButtonMigrationInfo")->isVisible());
    }

    void repositoryFromTheOptionsTabAndTheTodayLabel()
    {
        test::MockClock clock(kNow);
        test::WindowHome home;
        QVERIFY(home.prepare({QStringLiteral("UPDATE BRset63 SET timecheck = 'N'"),
                              oneShot(QStringLiteral("old"), QStringLiteral("2025-01-05")),
                              oneShot(QStringLiteral("older"), QStringLiteral("2024-06-01")),
                              oneShot(QStringLiteral("soon"), QStringLiteral("2026-04-01"))}));
        shell::MainWindow window({});
        QVERIFY(window.create());
        QTRY_VERIFY(window.isVisible());
        child<QAbstractButton>(&window, "SpeedButtonRepository")->click();
        QDialog* dialog = openDialog("TRepositoryForm");
        QVERIFY(dialog);
        QCOMPARE(dialog->windowTitle(), QStringLiteral("One Shot repository"));
        auto* from = child<QDateEdit>(dialog, "DateTimePicker1");
        auto* to = child<QDateEdit>(dialog, "DateTimePicker2");
        QCOMPARE(from->date(), QDate(2024, 6, 1));
        QCOMPARE(to->date(), QDate(2026, 3, 14));
        QCOMPARE(child<QLabel>(dialog, "Label_InUso")->text(), QStringLiteral("3"));
        QCOMPARE(child<QLabel>(dialog, "Label_Depositati")->text(), QStringLiteral("0"));
        QCOMPARE(child<QLabel>(dialog, "Label_Totale")->text(), QStringLiteral("Totale: 3"));
        QVERIFY(!child<QAbstractButton>(dialog, "Btn_Preleva")->isEnabled());
        QVERIFY(!child<QAbstractButton>(dialog, "Btn_Preleva_Tutti")->isEnabled());
        // "From" after "To".
        from->setDate(QDate(2025, 12, 31));
        to->setDate(QDate(2024, 1, 1));
        child<QAbstractButton>(dialog, "Btn_Deposita")->click();
        QCOMPARE(child<QLabel>(dialog, "Label_InUso")->text(), QStringLiteral("1"));
        QCOMPARE(child<QLabel>(dialog, "Label_Depositati")->text(), QStringLiteral("2"));
        QCOMPARE(child<QLabel>(dialog, "Label_Totale")->text(), QStringLiteral("Totale: 3"));
        QVERIFY(child<QAbstractButton>(dialog, "Btn_Preleva_Tutti")->isEnabled());
        QCOMPARE(child<QLabel>(&window, "Label_Conteggio_Giornalieri")->text(), QStringLiteral("One Shot: 1"));
        QVERIFY(child<QLabel>(&window, "Label_Conteggio_Deposito")->text().contains(QLatin1String("2")));
        QTest::keyClick(dialog, Qt::Key_Escape);
        QTRY_VERIFY(!openDialog("TRepositoryForm"));

        window.tabs()->setCurrentIndex(shell::MainWindow::TabToday);
        QTest::mouseClick(child<QLabel>(&window, "Label_Conteggio_Deposito"), Qt::LeftButton);
        dialog = openDialog("TRepositoryForm");
        QVERIFY(dialog);
        child<QAbstractButton>(dialog, "Btn_Preleva_Tutti")->click();
        QCOMPARE(child<QLabel>(dialog, "Label_Depositati")->text(), QStringLiteral("0"));
        QCOMPARE(child<QLabel>(&window, "Label_Conteggio_Giornalieri")->text(), QStringLiteral("One Shot: 3"));
        QTest::keyClick(dialog, Qt::Key_Return);
        QTRY_VERIFY(!openDialog("TRepositoryForm"));
    }
};

QTEST_MAIN(TestArchiveCare)
#include "tst_archivecare_gui.moc"
