#include "agenda/DoneState.h"
#include "store/Archive.h"
#include "store/ArchiveLocation.h"
#include "store/Schema.h"
#include "store/SqlDate.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace brivane;

namespace {

struct Run
{
    int status = -1;
    QString out;
    QString err;
};

// As the user running the tests, or as another account (nobody) when that
// user is root, whom file permissions do not stop.
// An empty `home` leaves the program to find its own folder; `extra` adds
// to the environment.
Run runProgram(const QString& program, const QString& home, const QStringList& arguments,
               bool asUnprivileged = false, const QList<QPair<QString, QString>>& extra = {})
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (home.isEmpty())
        env.remove(QStringLiteral("BRIVANE_HOME"));
    else
        env.insert(QStringLiteral("BRIVANE_HOME"), home);
    for (const auto& [name, value] : extra)
        env.insert(name, value);
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    process.setProcessEnvironment(env);
    if (asUnprivileged && ::getuid() == 0)
        process.start(QStringLiteral("setpriv"),
                      QStringList{QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"),
                                  QStringLiteral("--clear-groups"), program}
                          + arguments);
    else
        process.start(program, arguments);
    Run run;
    if (!process.waitForFinished(30000))
        return run;
    run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

Run runAgenda(const QString& home, const QStringList& arguments, bool asUnprivileged = false)
{
    return runProgram(QStringLiteral(BRIVANE_PROGRAM), home, arguments, asUnprivileged);
}

// A task row: kind, description, day columns and times.
struct Row
{
    QString flag, id, datefull, data, dayofmonth, dayofweek, orario, orario2 = QStringLiteral("  :  ");
    QString fatto = QStringLiteral("1600-01-01"), flagfatto = QStringLiteral("N");
    QString sospeso = QStringLiteral("N");
};

void addTasks(const QString& folder, const QList<Row>& rows)
{
    store::Archive archive(QStringLiteral("fixture"));
    QVERIFY(archive.open(folder));
    store::SchemaResult result;
    QVERIFY(store::Schema(archive.database(), folder, folder).createAndUpgrade(result));
    QSqlQuery insert(archive.database());
    QVERIFY(insert.prepare(QStringLiteral(
        "INSERT INTO BRarc66 (flag, id, datefull, data, dayofmonth, dayofweek, orario, orario2, fatto, flagfatto, "
        "sospeso, flagscad) VALUES (:flag, :id, :datefull, :data, :dayofmonth, :dayofweek, :orario, :orario2, :fatto, "
        ":flagfatto, :sospeso, 'N')")));
    for (const Row& row : rows) {
        insert.bindValue(QStringLiteral(":flag"), row.flag);
        insert.bindValue(QStringLiteral(":id"), row.id);
        insert.bindValue(QStringLiteral(":datefull"), row.datefull);
        insert.bindValue(QStringLiteral(":data"), row.data);
        insert.bindValue(QStringLiteral(":dayofmonth"), row.dayofmonth);
        insert.bindValue(QStringLiteral(":dayofweek"), row.dayofweek);
        insert.bindValue(QStringLiteral(":orario"), row.orario);
        insert.bindValue(QStringLiteral(":orario2"), row.orario2);
        insert.bindValue(QStringLiteral(":fatto"), row.fatto);
        insert.bindValue(QStringLiteral(":flagfatto"), row.flagfatto);
        insert.bindValue(QStringLiteral(":sospeso"), row.sospeso);
        QVERIFY(insert.exec());
    }
}

} // namespace

class TestAgendaCommand : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void printsEveryKindOnItsDays()
    {
        QTemporaryDir home;
        const QString folder = home.path() + QStringLiteral("/myarcs");
        addTasks(folder, {
            {QStringLiteral("O"), QStringLiteral("dentist"), QStringLiteral("2024-02-28"), {}, {}, {},
             QStringLiteral("10:00"), QStringLiteral("11:00")},
            {QStringLiteral("O"), QStringLiteral("old errand"), QStringLiteral("2020-01-01"), {}, {},
             QStringLiteral("X"), QStringLiteral("08:00")},
            {QStringLiteral("Y"), QStringLiteral("Ann's birthday"), QStringLiteral("1990-02-29"),
             QStringLiteral("02/29"), QStringLiteral("SI"), {}, QStringLiteral("  :  ")},
            {QStringLiteral("M"), QStringLiteral("rent"), QStringLiteral("2023-01-01"), {}, QStringLiteral("01"), {},
             QStringLiteral("09:00")},
            {QStringLiteral("W"), QStringLiteral("gym\nbring towel"), QStringLiteral("2023-01-01"), {}, {},
             QStringLiteral("Thursday"), QStringLiteral("18:30"), QStringLiteral("19:30"), QStringLiteral("2024-02-29"),
             QStringLiteral("Y")},
        });

        const Run run = runAgenda(home.path(), {QStringLiteral("--agenda"), QStringLiteral("2024-02-28"),
                                                QStringLiteral("--days"), QStringLiteral("3")});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.err, QString());
        QCOMPARE(run.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts),
                 (QStringList{
                     QStringLiteral("2024-02-28\t10:00\t11:00\tO\t1\tN\tdentist"),
                     QStringLiteral("2024-02-29\t  :  \t  :  \tY\t3\tN\tAnn's birthday"),
                     QStringLiteral("2024-02-29\t18:30\t19:30\tW\t5\tY\tgym bring towel"),
                     QStringLiteral("2024-03-01\t09:00\t  :  \tM\t4\tN\trent"),
                 }));

        // Reading changes nothing: the past delete-after task is still there.
        const Run again = runAgenda(home.path(), {QStringLiteral("--agenda"), QStringLiteral("2020-01-01")});
        QCOMPARE(again.out, QStringLiteral("2020-01-01\t08:00\t  :  \tO\t2\tN\told errand\n"));
    }

    void terminalProgramPrintsWhatTheOrganizerPrints_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("one day") << QStringList{QStringLiteral("2024-02-29")};
        QTest::newRow("a week") << QStringList{QStringLiteral("2024-02-26"), QStringLiteral("--days"), QStringLiteral("7")};
        QTest::newRow("suspended shown") << QStringList{QStringLiteral("2024-02-26"), QStringLiteral("--days=7"),
                                                        QStringLiteral("--show-suspended")};
        QTest::newRow("bad date") << QStringList{QStringLiteral("2024-02-30")};
        QTest::newRow("bad days") << QStringList{QStringLiteral("--days"), QStringLiteral("0")};
    }
    void terminalProgramPrintsWhatTheOrganizerPrints()
    {
        QFETCH(QStringList, arguments);
        QTemporaryDir home;
        const QString folder = home.path() + QStringLiteral("/myarcs");
        // Done and undone rows, a line break and a non-ASCII letter in the
        // description, a suspended task, ties in time and text.
        addTasks(folder, {
            {QStringLiteral("O"), QStringLiteral("Zoë\r\ncall"), QStringLiteral("2024-02-29"), {}, {}, {},
             QStringLiteral("10:00"), QStringLiteral("11:00"), QStringLiteral("2024-03-01"), QStringLiteral("Y")},
            {QStringLiteral("O"), QStringLiteral("every day"), QStringLiteral("2024-01-01"), {}, {},
             QStringLiteral("T"), QStringLiteral("07:00"), QStringLiteral("  :  "), QStringLiteral("2024-02-27"),
             QStringLiteral("Y")},
            {QStringLiteral("M"), QStringLiteral("same"), QStringLiteral("2023-01-01"), {}, QStringLiteral("29"), {},
             QStringLiteral("09:00")},
            {QStringLiteral("W"), QStringLiteral("same"), QStringLiteral("2023-01-05"), {}, {},
             QStringLiteral("Thursday"), QStringLiteral("09:00")},
            {QStringLiteral("W"), QStringLiteral("resting"), QStringLiteral("2023-01-05"), {}, {},
             QStringLiteral("Thursday"), QStringLiteral("12:00"), QStringLiteral("  :  "), QStringLiteral("1600-01-01"),
             QStringLiteral("N"), QStringLiteral("Y")},
            {QStringLiteral("Y"), QStringLiteral("leap"), QStringLiteral("2000-02-29"), QStringLiteral("02/29"),
             QStringLiteral("SI"), {}, QStringLiteral("  :  ")},
        });
        const Run organizer = runAgenda(home.path(), QStringList{QStringLiteral("--agenda")} + arguments);
        const Run agenda = runProgram(QStringLiteral(BRIVANE_AGENDA), home.path(), arguments);
        QCOMPARE(agenda.status, organizer.status);
        QCOMPARE(agenda.out.toUtf8(), organizer.out.toUtf8());
        QCOMPARE(agenda.err, organizer.err);
        if (organizer.status == 0)
            QVERIFY(!organizer.out.isEmpty());
    }

    void badArgumentsExitWithUsage_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("impossible date") << QStringList{QStringLiteral("--agenda"), QStringLiteral("2023-02-29")};
        QTest::newRow("not a date") << QStringList{QStringLiteral("--agenda"), QStringLiteral("tomorrow")};
        QTest::newRow("zero days") << QStringList{QStringLiteral("--agenda"), QStringLiteral("--days"), QStringLiteral("0")};
        QTest::newRow("too many days") << QStringList{QStringLiteral("--agenda"), QStringLiteral("--days"), QStringLiteral("3661")};
        QTest::newRow("days missing") << QStringList{QStringLiteral("--agenda"), QStringLiteral("--days")};
        QTest::newRow("unknown option") << QStringList{QStringLiteral("--agenda"), QStringLiteral("--weeks")};
        QTest::newRow("unknown command") << QStringList{QStringLiteral("--frobnicate")};
    }
    void badArgumentsExitWithUsage()
    {
        QFETCH(QStringList, arguments);
        QTemporaryDir home;
        const Run run = runAgenda(home.path(), arguments);
        QCOMPARE(run.status, 2);
        QVERIFY2(run.err.contains(QStringLiteral("usage: brivane-organizer --agenda")), qPrintable(run.err));
        QCOMPARE(run.out, QString());
        QVERIFY(!QDir(home.path() + QStringLiteral("/myarcs")).exists());
    }

    void helpAndVersion()
    {
        QTemporaryDir home;
        const Run help = runAgenda(home.path(), {QStringLiteral("--help")});
        QCOMPARE(help.status, 0);
        QVERIFY(help.out.contains(QStringLiteral("--agenda")));
        const Run version = runAgenda(home.path(), {QStringLiteral("--version")});
        QCOMPARE(version.status, 0);
        QVERIFY(version.out.startsWith(QStringLiteral("brivane-organizer ")));
    }

    void unusableArchiveExitsWithOneAndKeepsTheFile()
    {
        QTemporaryDir home;
        QVERIFY(QDir().mkpath(home.path() + QStringLiteral("/myarcs")));
        QFile file(home.path() + QStringLiteral("/myarcs/boarc.abs"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray("plain text, not an archive\n").repeated(200));
        file.close();
        const Run run = runAgenda(home.path(), {QStringLiteral("--agenda")});
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.contains(file.fileName()), qPrintable(run.err));
        QCOMPARE(QFileInfo(file.fileName()).size(), qint64(27 * 200));
    }

    // Pages overwritten from the middle of the archive on, among them rows
    // of the printed day: exit 1 with the damage told on stderr, nothing
    // printed, and not a byte of the file changed.
    void damagedArchiveExitsWithOne()
    {
        QTemporaryDir home;
        const QString folder = home.path() + QStringLiteral("/myarcs");
        QList<Row> rows;
        for (int i = 0; i < 2000; ++i)
            rows.append({QStringLiteral("O"), QStringLiteral("task %1 ").arg(i) + QString(150, QLatin1Char('t')),
                         QStringLiteral("2025-05-05")});
        addTasks(folder, rows);
        const QString path = folder + QStringLiteral("/boarc.abs");
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.size() > 40 * 4096);
        const qint64 middle = file.size() / 2 / 4096 * 4096;
        file.seek(middle);
        file.write(QByteArray(file.size() - middle, '\x5A'));
        file.close();
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray damaged = file.readAll();
        file.close();

        const Run run = runAgenda(home.path(), {QStringLiteral("--agenda"), QStringLiteral("2025-05-05")});
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.contains(store::Archive::damagedText(path)), qPrintable(run.err));
        QCOMPARE(run.out, QString());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll() == damaged);
    }

    // A current archive is only read: the agenda prints while another
    // computer holds the write lock, instead of waiting for it. An older
    // one is brought up to date first, as the program would.
    void currentArchiveIsReadWhileAnotherWrites()
    {
        QTemporaryDir home;
        const QString folder = home.path() + QStringLiteral("/myarcs");
        addTasks(folder, {{QStringLiteral("O"), QStringLiteral("shared task"), QStringLiteral("2025-05-05")}});
        store::Archive writer(QStringLiteral("writer"));
        QVERIFY(writer.open(folder));
        QSqlQuery lock(writer.database());
        QVERIFY(lock.exec(QStringLiteral("BEGIN IMMEDIATE")));
        QVERIFY(lock.exec(QStringLiteral("INSERT INTO BRarc66 (flag, id, datefull) VALUES ('O', 'unsaved', '2025-05-05')")));

        const Run run = runAgenda(home.path(), {QStringLiteral("--agenda"), QStringLiteral("2025-05-05")});
        QCOMPARE(run.status, 0);
        QVERIFY2(run.out.endsWith(QStringLiteral("\tshared task\n")), qPrintable(run.out + run.err));
        QVERIFY(!run.out.contains(QStringLiteral("unsaved")));
        QVERIFY(lock.exec(QStringLiteral("ROLLBACK")));

        QVERIFY(lock.exec(QStringLiteral("DROP INDEX BRarc66_list_O")));
        QCOMPARE(runAgenda(home.path(), {QStringLiteral("--agenda"), QStringLiteral("2025-05-05")}).status, 0);
        QVERIFY(lock.exec(QStringLiteral("SELECT 1 FROM sqlite_master WHERE name = 'BRarc66_list_O'")));
        QVERIFY(lock.next());
    }

    // Printing only reads: an archive the user may not write, as a file or
    // as a whole folder, is read as it is.
    void readOnlyArchiveIsRead_data()
    {
        QTest::addColumn<bool>("folderReadOnly");
        QTest::newRow("read-only file") << false;
        QTest::newRow("read-only folder") << true;
    }
    void readOnlyArchiveIsRead()
    {
        QFETCH(bool, folderReadOnly);
        if (::getuid() == 0 && QStandardPaths::findExecutable(QStringLiteral("setpriv")).isEmpty())
            QSKIP("running as root without setpriv to drop the rights that ignore permissions");
        QTemporaryDir home;
        const QString folder = home.path() + QStringLiteral("/myarcs");
        addTasks(folder, {{QStringLiteral("O"), QStringLiteral("shared task"), QStringLiteral("2025-05-05")}});
        const QString path = folder + QStringLiteral("/boarc.abs");
        QVERIFY(::chmod(QFile::encodeName(home.path()).constData(), 0755) == 0);
        QVERIFY(::chmod(QFile::encodeName(path).constData(), 0444) == 0);
        QVERIFY(::chmod(QFile::encodeName(folder).constData(), folderReadOnly ? 0555 : 0777) == 0);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray before = file.readAll();
        file.close();

        const Run run = runAgenda(home.path(), {QStringLiteral("--agenda"), QStringLiteral("2025-05-05")}, true);
        ::chmod(QFile::encodeName(folder).constData(), 0700);
        QCOMPARE(run.status, 0);
        QVERIFY2(run.out.endsWith(QStringLiteral("\tshared task\n")), qPrintable(run.out + run.err));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll() == before);
        QVERIFY(!QFile::exists(path + QStringLiteral("-journal")));
    }

    // An installed copy cannot write beside itself: both terminal programs
    // then keep the archive in the per-user data folder of the program's
    // names, the one the window uses too.
    void installedCopyUsesTheProgramsDataFolder()
    {
        if (::getuid() == 0 && QStandardPaths::findExecutable(QStringLiteral("setpriv")).isEmpty())
            QSKIP("running as root without setpriv to drop the rights that ignore permissions");
        QTemporaryDir place;
        const QString bin = place.path() + QStringLiteral("/bin");
        const QString data = place.path() + QStringLiteral("/data");
        QVERIFY(QDir().mkpath(bin) && QDir().mkpath(data));
        const QString agenda = bin + QStringLiteral("/brivane-agenda");
        const QString organizer = bin + QStringLiteral("/brivane-organizer");
        QVERIFY(QFile::copy(QStringLiteral(BRIVANE_AGENDA), agenda));
        QVERIFY(QFile::copy(QStringLiteral(BRIVANE_PROGRAM), organizer));
        QVERIFY(::chmod(QFile::encodeName(place.path()).constData(), 0755) == 0);
        QVERIFY(::chmod(QFile::encodeName(bin).constData(), 0555) == 0);
        QVERIFY(::chmod(QFile::encodeName(data).constData(), 0777) == 0);
        const QList<QPair<QString, QString>> user = {{QStringLiteral("HOME"), data},
                                                     {QStringLiteral("XDG_DATA_HOME"), data}};

        const Run first = runProgram(agenda, QString(), {QStringLiteral("2025-05-05")}, true, user);
        QVERIFY2(first.status == 0, qPrintable(first.err));
        const Run second = runProgram(organizer, QString(), {QStringLiteral("--agenda"), QStringLiteral("2025-05-05")},
                                      true, user);
        QVERIFY2(second.status == 0, qPrintable(second.err));
        ::chmod(QFile::encodeName(bin).constData(), 0755);

        const QStringList folders = QDir(data).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        QCOMPARE(folders, QStringList{QStringLiteral("Brivane")});
        QVERIFY(QFile::exists(data + QStringLiteral("/Brivane/Brivane Organizer/myarcs/boarc.abs")));
    }

    void missingSharedFolderWarnsAndUsesDefault()
    {
        QTemporaryDir home;
        const QString folder = home.path() + QStringLiteral("/myarcs");
        addTasks(folder, {{QStringLiteral("O"), QStringLiteral("local task"), QStringLiteral("2025-05-05")}});
        QVERIFY(store::ArchiveLocation::writeNetFile(folder, QStringLiteral("/no/such/share")));
        const Run run = runAgenda(home.path(), {QStringLiteral("--agenda"), QStringLiteral("2025-05-05")});
        QCOMPARE(run.status, 0);
        QVERIFY(run.err.contains(QStringLiteral("/no/such/share")));
        QVERIFY(run.out.endsWith(QStringLiteral("\tlocal task\n")));
        QVERIFY(QFile::exists(store::ArchiveLocation::netFilePath(folder)));
    }

    void newHomeGetsAFreshArchive()
    {
        QTemporaryDir home;
        const Run run = runAgenda(home.path(), {QStringLiteral("--agenda")});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out, QString());
        QVERIFY(QFile::exists(home.path() + QStringLiteral("/myarcs/boarc.abs")));
    }
};

QTEST_GUILESS_MAIN(TestAgendaCommand)
#include "tst_agenda_command.moc"
