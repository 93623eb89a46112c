#include "store/Archive.h"
#include "store/ArchiveBackup.h"
#include "store/ArchiveCheck.h"
#include "store/DataWriteGuard.h"
#include "store/PendingRestore.h"
#include "support/TestArchive.h"

#include <QDir>
#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTest>

using namespace brivane;
using store::PendingRestore;

namespace {

const QDateTime kSwapMoment(QDate(2024, 3, 5), QTime(14, 7, 9));

void insertTasks(const QSqlDatabase& db, int count, const QString& prefix)
{
    QSqlQuery query(db);
    query.prepare(QStringLiteral("INSERT INTO BRarc66 (flag, id, datefull) VALUES ('O', :id, '2024-01-01')"));
    for (int i = 0; i < count; ++i) {
        query.bindValue(QStringLiteral(":id"), QString(prefix + QString::number(i)));
        QVERIFY2(query.exec(), qPrintable(query.lastError().text()));
    }
}

// Every task as "key|description", in key order.
QStringList taskRows(const QSqlDatabase& db)
{
    QStringList rows;
    QSqlQuery query(db);
    query.exec(QStringLiteral("SELECT codimp, id FROM BRarc66 ORDER BY codimp"));
    while (query.next())
        rows << query.value(0).toString() + QLatin1Char('|') + query.value(1).toString();
    return rows;
}

QStringList tasksOfFile(const QString& folder)
{
    store::Archive archive(QStringLiteral("inspect"));
    if (!archive.openReadOnly(folder))
        return {QStringLiteral("<cannot open>")};
    return taskRows(archive.database());
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

QStringList filesOf(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files, QDir::Name);
}

// An archive of its own in `folder`, holding `count` tasks named by `prefix`.
void makeArchive(const QString& folder, int count, const QString& prefix)
{
    store::Archive archive(QStringLiteral("make"));
    QVERIFY(archive.open(folder));
    store::SchemaResult result;
    QVERIFY(store::Schema(archive.database(), folder, folder).createAndUpgrade(result));
    insertTasks(archive.database(), count, prefix);
}

} // namespace

class TestBackupRestore : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void backupThenRestoreGivesBackTheBackedUpRows()
    {
        test::TestArchive source;
        insertTasks(source.db(), 25, QStringLiteral("kept "));
        QSqlQuery(source.db()).exec(QStringLiteral("DELETE FROM BRarc66 WHERE codimp % 5 = 0"));
        const QStringList backedUp = taskRows(source.db());

        QTemporaryDir backups;
        const QString backup = backups.filePath(store::ArchiveBackup::timestampedName(kSwapMoment));
        QCOMPARE(QFileInfo(backup).fileName(), QStringLiteral("boarc-2024-03-05-14-07-09.abs"));
        QString error;
        QVERIFY2(store::ArchiveBackup::write(source.db(), backup, &error), qPrintable(error));
        // Rows written after the backup do not travel with it.
        insertTasks(source.db(), 3, QStringLiteral("later "));
        QVERIFY(source.archive().isOpen());
        QCOMPARE(filesOf(backups.path()), QStringList{QFileInfo(backup).fileName()});

        QTemporaryDir target;
        makeArchive(target.path(), 4, QStringLiteral("replaced "));
        const QStringList replacedRows = tasksOfFile(target.path());
        QCOMPARE(PendingRestore::place(backup, target.path(), QStringLiteral("N")).result,
                 PendingRestore::PlaceResult::Placed);
        const PendingRestore::Swap swap = PendingRestore::swap(target.path(), kSwapMoment);
        QCOMPARE(swap.result, PendingRestore::SwapResult::Swapped);
        QCOMPARE(swap.replacedName, QStringLiteral("boarc-2024-03-05-14-07-09.abs"));
        QCOMPARE(filesOf(target.path()), (QStringList{QStringLiteral("boarc-2024-03-05-14-07-09.abs"),
                                                      QStringLiteral("boarc.abs")}));
        QCOMPARE(tasksOfFile(target.path()), backedUp);

        // The replaced archive survives whole under its timestamped name.
        QTemporaryDir check;
        QVERIFY(QFile::copy(target.filePath(swap.replacedName), check.filePath(QStringLiteral("boarc.abs"))));
        QCOMPARE(tasksOfFile(check.path()), replacedRows);
    }

    void backupWhileAnotherConnectionWritesIsConsistent()
    {
        test::TestArchive source;
        insertTasks(source.db(), 50, QStringLiteral("committed "));
        const QStringList committed = taskRows(source.db());

        // A second machine in the middle of a write transaction.
        {
            QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other"));
            other.setDatabaseName(source.archive().filePath());
            other.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
            QVERIFY(other.open());
            QSqlQuery writer(other);
            QVERIFY(writer.exec(QStringLiteral("BEGIN IMMEDIATE")));
            insertTasks(other, 30, QStringLiteral("pending "));
            QVERIFY(writer.exec(QStringLiteral("UPDATE BRarc66 SET id = 'torn' WHERE codimp <= 10")));

            QTemporaryDir backups;
            const QString backup = backups.filePath(QStringLiteral("during.abs"));
            QString error;
            QVERIFY2(store::ArchiveBackup::write(source.db(), backup, &error), qPrintable(error));
            QVERIFY(writer.exec(QStringLiteral("COMMIT")));
            writer = QSqlQuery();
            other.close();

            QString reason;
            QVERIFY2(store::ArchiveCheck::isArchive(backup, &reason), qPrintable(reason));
            QTemporaryDir view;
            QVERIFY(QFile::copy(backup, view.filePath(QStringLiteral("boarc.abs"))));
            QCOMPARE(tasksOfFile(view.path()), committed);
        }
        QSqlDatabase::removeDatabase(QStringLiteral("other"));
        QCOMPARE(taskRows(source.db()).size(), 80);
    }

    void failedBackupLeavesTargetAndConnection()
    {
        test::TestArchive source;
        insertTasks(source.db(), 2, QStringLiteral("t"));
        QTemporaryDir backups;
        const QString existing = backups.filePath(QStringLiteral("old.abs"));
        writeFile(existing, "an older backup");
        QString error;
        QVERIFY(!store::ArchiveBackup::write(source.db(), backups.filePath(QStringLiteral("missing/x.abs")), &error));
        QVERIFY(!error.isEmpty());
        // A directory where the file should go.
        QVERIFY(QDir(backups.path()).mkdir(QStringLiteral("dir.abs")));
        QVERIFY(!store::ArchiveBackup::write(source.db(), backups.filePath(QStringLiteral("dir.abs")), &error));
        QCOMPARE(filesOf(backups.path()), QStringList{QStringLiteral("old.abs")});
        QVERIFY(source.archive().isOpen());
        insertTasks(source.db(), 1, QStringLiteral("after"));
        QCOMPARE(taskRows(source.db()).size(), 3);
        // Overwriting an existing file replaces it with a complete archive.
        QVERIFY(store::ArchiveBackup::write(source.db(), existing, &error));
        QVERIFY(store::ArchiveCheck::isArchive(existing));
    }

    void restoreOfANonArchiveIsRefused_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("text file") << "text";
        QTest::newRow("empty file") << "empty";
        QTest::newRow("SQLite without our tables") << "foreign";
        QTest::newRow("damaged archive") << "damaged";
        QTest::newRow("missing file") << "missing";
    }

    void restoreOfANonArchiveIsRefused()
    {
        QFETCH(QString, kind);
        QTemporaryDir source;
        const QString chosen = source.filePath(QStringLiteral("chosen.abs"));
        if (kind == QLatin1String("text")) {
            writeFile(chosen, "Name;Phone\r\nRossi;123\r\n");
        } else if (kind == QLatin1String("empty")) {
            writeFile(chosen, QByteArray());
        } else if (kind == QLatin1String("foreign")) {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("foreign"));
            db.setDatabaseName(chosen);
            QVERIFY(db.open());
            QVERIFY(QSqlQuery(db).exec(QStringLiteral("CREATE TABLE BRarc66 (codimp INTEGER)")));
            db.close();
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(QStringLiteral("foreign"));
        } else if (kind == QLatin1String("damaged")) {
            makeArchive(source.path(), 400, QStringLiteral("a long description to fill pages "));
            QFile file(source.filePath(QStringLiteral("boarc.abs")));
            QVERIFY(file.open(QIODevice::ReadWrite));
            QByteArray bytes = file.readAll();
            // Keep the header, scribble over the pages.
            for (qsizetype i = 4096; i < bytes.size(); i += 7)
                bytes[i] = char(0x5A);
            file.seek(0);
            file.write(bytes);
            file.close();
            QVERIFY(QFile::rename(source.filePath(QStringLiteral("boarc.abs")), chosen));
        }
        QTemporaryDir target;
        makeArchive(target.path(), 3, QStringLiteral("mine "));
        const QStringList before = tasksOfFile(target.path());

        const PendingRestore::Placement placement = PendingRestore::place(chosen, target.path(), QStringLiteral("N"));
        QCOMPARE(placement.result, PendingRestore::PlaceResult::NotAnArchive);
        QVERIFY(!placement.reason.isEmpty());
        QCOMPARE(filesOf(target.path()), QStringList{QStringLiteral("boarc.abs")});
        QCOMPARE(PendingRestore::swap(target.path(), kSwapMoment).result, PendingRestore::SwapResult::NothingPending);
        QCOMPARE(tasksOfFile(target.path()), before);
    }

    void swapWithAndWithoutAnArchive_data()
    {
        QTest::addColumn<bool>("archivePresent");
        QTest::newRow("boarc.abs present") << true;
        QTest::newRow("boarc.abs missing") << false;
    }

    void swapWithAndWithoutAnArchive()
    {
        QFETCH(bool, archivePresent);
        QTemporaryDir backups;
        makeArchive(backups.path(), 2, QStringLiteral("restored "));
        QTemporaryDir folder;
        if (archivePresent)
            makeArchive(folder.path(), 5, QStringLiteral("old "));
        QCOMPARE(PendingRestore::place(backups.filePath(QStringLiteral("boarc.abs")), folder.path(), QStringLiteral("N"))
                     .result,
                 PendingRestore::PlaceResult::Placed);
        const PendingRestore::Swap swap = PendingRestore::swap(folder.path(), kSwapMoment);
        QCOMPARE(swap.result, PendingRestore::SwapResult::Swapped);
        QStringList expected{QStringLiteral("boarc.abs")};
        if (archivePresent)
            expected.prepend(QStringLiteral("boarc-2024-03-05-14-07-09.abs"));
        QCOMPARE(filesOf(folder.path()), expected);
        QCOMPARE(tasksOfFile(folder.path()), (QStringList{QStringLiteral("1|restored 0"), QStringLiteral("2|restored 1")}));
        // Nothing pending any more.
        QCOMPARE(PendingRestore::swap(folder.path(), kSwapMoment).result, PendingRestore::SwapResult::NothingPending);
    }

    void twoRestoresBeforeARestartSwapOnce()
    {
        QTemporaryDir first;
        makeArchive(first.path(), 1, QStringLiteral("first "));
        QTemporaryDir second;
        makeArchive(second.path(), 2, QStringLiteral("second "));
        QTemporaryDir folder;
        makeArchive(folder.path(), 3, QStringLiteral("in use "));
        QCOMPARE(PendingRestore::place(first.filePath(QStringLiteral("boarc.abs")), folder.path(), QStringLiteral("N"))
                     .result,
                 PendingRestore::PlaceResult::Placed);
        QCOMPARE(PendingRestore::place(second.filePath(QStringLiteral("boarc.abs")), folder.path(), QStringLiteral("N"))
                     .result,
                 PendingRestore::PlaceResult::Placed);
        QCOMPARE(filesOf(folder.path()), (QStringList{QStringLiteral("boarc.abs"), QStringLiteral("restore.abs")}));
        QCOMPARE(PendingRestore::swap(folder.path(), kSwapMoment).result, PendingRestore::SwapResult::Swapped);
        QCOMPARE(tasksOfFile(folder.path()), (QStringList{QStringLiteral("1|second 0"), QStringLiteral("2|second 1")}));
        QCOMPARE(filesOf(folder.path()),
                 (QStringList{QStringLiteral("boarc-2024-03-05-14-07-09.abs"), QStringLiteral("boarc.abs")}));
    }

    void swapsInOneSecondKeepEveryReplacedArchive()
    {
        QTemporaryDir backups;
        makeArchive(backups.path(), 1, QStringLiteral("b "));
        QTemporaryDir folder;
        makeArchive(folder.path(), 1, QStringLiteral("a "));
        for (int i = 0; i < 2; ++i) {
            PendingRestore::place(backups.filePath(QStringLiteral("boarc.abs")), folder.path(), QStringLiteral("N"));
            QCOMPARE(PendingRestore::swap(folder.path(), kSwapMoment).result, PendingRestore::SwapResult::Swapped);
        }
        QCOMPARE(filesOf(folder.path()),
                 (QStringList{QStringLiteral("boarc-2024-03-05-14-07-09-2.abs"),
                              QStringLiteral("boarc-2024-03-05-14-07-09.abs"), QStringLiteral("boarc.abs")}));
    }

    void aBadPendingRestoreIsSetAsideAndTheArchiveKept()
    {
        QTemporaryDir folder;
        makeArchive(folder.path(), 3, QStringLiteral("mine "));
        const QStringList before = tasksOfFile(folder.path());
        writeFile(PendingRestore::pendingPath(folder.path()), "this is not an archive");
        const PendingRestore::Swap swap = PendingRestore::swap(folder.path(), kSwapMoment);
        QCOMPARE(swap.result, PendingRestore::SwapResult::Refused);
        QCOMPARE(swap.refusedName, QStringLiteral("restore-refused-2024-03-05-14-07-09.abs"));
        QCOMPARE(filesOf(folder.path()),
                 (QStringList{QStringLiteral("boarc.abs"), QStringLiteral("restore-refused-2024-03-05-14-07-09.abs")}));
        QCOMPARE(tasksOfFile(folder.path()), before);
    }

    void restoredSettingsFollowThisMachinesAutostart_data()
    {
        QTest::addColumn<QString>("autostart");
        QTest::newRow("on") << "Y";
        QTest::newRow("off") << "N";
    }

    void restoredSettingsFollowThisMachinesAutostart()
    {
        QFETCH(QString, autostart);
        QTemporaryDir backups;
        makeArchive(backups.path(), 1, QStringLiteral("b "));
        {
            store::Archive archive(QStringLiteral("preset"));
            QVERIFY(archive.open(backups.path()));
            QSqlQuery(archive.database())
                .exec(QStringLiteral("UPDATE BRset63 SET autostart = '%1'").arg(autostart == QLatin1String("Y") ? QStringLiteral("N") : QStringLiteral("Y")));
        }
        QTemporaryDir folder;
        PendingRestore::place(backups.filePath(QStringLiteral("boarc.abs")), folder.path(), autostart);
        QVERIFY(QFile::rename(PendingRestore::pendingPath(folder.path()), folder.filePath(QStringLiteral("boarc.abs"))));
        store::Archive archive(QStringLiteral("restored"));
        QVERIFY(archive.openReadOnly(folder.path()));
        QSqlQuery query(archive.database());
        QVERIFY(query.exec(QStringLiteral("SELECT autostart FROM BRset63")) && query.next());
        QCOMPARE(query.value(0).toString(), autostart);
    }

    void readOnlyGuardRefusesEveryDataWrite_data()
    {
        QTest::addColumn<QString>("statement");
        QTest::newRow("task insert") << "INSERT INTO BRarc66 (flag, id) VALUES ('O', 'x')";
        QTest::newRow("task update") << "UPDATE BRarc66 SET fatto = 'x'";
        QTest::newRow("task delete") << "DELETE FROM BRarc66";
        QTest::newRow("repository insert") << "INSERT INTO BRshot80 SELECT * FROM BRarc66";
        QTest::newRow("contact insert") << "INSERT INTO BRcon63 (ragsoc) VALUES ('x')";
        QTest::newRow("contact update") << "UPDATE BRcon63 SET ragsoc = 'y'";
        QTest::newRow("note update") << "UPDATE BRnot80 SET note = 'y'";
        QTest::newRow("to-do delete") << "DELETE FROM brtod63";
        QTest::newRow("group insert") << "INSERT INTO BRcat80 (id, sezione) VALUES ('g', 'C')";
        QTest::newRow("table drop") << "DROP TABLE BRnot80";
        QTest::newRow("layout change") << "ALTER TABLE BRarc66 ADD COLUMN extra TEXT";
    }

    void readOnlyGuardRefusesEveryDataWrite()
    {
        QFETCH(QString, statement);
        test::TestArchive archive;
        insertTasks(archive.db(), 2, QStringLiteral("t"));
        QSqlQuery(archive.db()).exec(QStringLiteral("INSERT INTO BRcon63 (ragsoc) VALUES ('Rossi')"));
        QSqlQuery(archive.db()).exec(QStringLiteral("INSERT INTO BRnot80 (id, note) VALUES ('n', 'text')"));
        QSqlQuery(archive.db()).exec(QStringLiteral("INSERT INTO BRtod63 (id) VALUES ('todo')"));
        // Prepared before the mode begins, run while it holds.
        QSqlQuery early(archive.db());
        QVERIFY(early.prepare(statement));

        auto snapshot = [&archive] {
            QStringList rows;
            for (const char* table : {"BRarc66", "BRshot80", "BRcon63", "BRnot80", "BRtod63", "BRcat80"}) {
                QSqlQuery query(archive.db());
                query.exec(QStringLiteral("SELECT * FROM ") + QLatin1String(table));
                while (query.next()) {
                    QStringList values;
                    for (int i = 0; i < query.record().count(); ++i)
                        values << query.value(i).toString();
                    rows << QLatin1String(table) + QLatin1Char(':') + values.join(QLatin1Char('|'));
                }
            }
            return rows;
        };
        const QStringList before = snapshot();
        QVERIFY(store::DataWriteGuard::setBlocked(archive.db(), true));
        QVERIFY(store::DataWriteGuard::isBlocked(archive.db()));
        QVERIFY(!early.exec());
        QSqlQuery late(archive.db());
        QVERIFY(!late.exec(statement));
        QCOMPARE(snapshot(), before);
        // Preferences stay writable.
        QVERIFY(QSqlQuery(archive.db()).exec(QStringLiteral("UPDATE BRset63 SET mem_group_contact = 'Family'")));

        QVERIFY(store::DataWriteGuard::setBlocked(archive.db(), false));
        QVERIFY2(late.exec(statement), qPrintable(late.lastError().text()));
    }
};

QTEST_GUILESS_MAIN(TestBackupRestore)
#include "tst_backup_restore.moc"
