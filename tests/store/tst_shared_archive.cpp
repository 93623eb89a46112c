// The archive as several computers share it: a second process (the plain
// sqlite3 shell) holds the archive's locks while this one writes, and real
// archive files on disk are damaged, made read-only or created anew.
#include "contacts/ContactCommands.h"
#include "contacts/CsvImport.h"
#include "store/Archive.h"
#include "store/ArchiveLocation.h"
#include "store/ArchiveStartup.h"
#include "store/WriteTransaction.h"
#include "support/OtherMachine.h"

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace brivane;
using namespace Qt::StringLiterals;
using test::OtherMachine;

namespace {

QString programFolder(const QTemporaryDir& dir)
{
    return dir.path() + u'/';
}

QString archivePath(const QTemporaryDir& dir)
{
    return dir.path() + u"/myarcs/boarc.abs"_s;
}

bool startArchive(const QTemporaryDir& dir, store::Archive& archive, QString* error = nullptr)
{
    store::ArchiveStartup::Outcome outcome;
    return store::ArchiveStartup().open(archive, programFolder(dir), outcome, error);
}

int count(const QSqlDatabase& db, const QString& statement)
{
    QSqlQuery query(db);
    return query.exec(statement) && query.next() ? query.value(0).toInt() : -1;
}

QByteArray fileHash(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

mode_t modeOf(const QString& path)
{
    struct stat info = {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? (info.st_mode & 0777) : mode_t(0xFFFF);
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

} // namespace

class SharedArchiveTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        if (!OtherMachine::isAvailable())
            QSKIP("the sqlite3 shell plays the other machine and is not installed");
    }

    // While the other machine holds the write lock for a moment, a writer
    // that reads first waits for it and then succeeds; both writes stay.
    void writersWaitForTheOtherMachine_data()
    {
        QTest::addColumn<QString>("writer");
        QTest::newRow("csv import") << u"import"_s;
        QTest::newRow("start with DROPSET") << u"dropset"_s;
        QTest::newRow("contact clone") << u"clone"_s;
    }
    void writersWaitForTheOtherMachine()
    {
        QFETCH(QString, writer);
        QTemporaryDir dir;
        {
            store::Archive archive(u"first"_s);
            QVERIFY(startArchive(dir, archive));
            QSqlQuery insert(archive.database());
            QVERIFY(insert.exec(u"INSERT INTO BRcon63 (ragsoc) VALUES ('Anna Bianchi')"_s));
            QVERIFY(insert.exec(u"UPDATE BRset63 SET theme_name = 'mine'"_s));
        }
        const QString csv = dir.path() + u"/people.csv"_s;
        writeFile(csv, "Name;Phone\r\nMario Rossi;02 1234\r\nLuisa Verdi;06 5678\r\n");
        if (writer == u"dropset")
            writeFile(dir.path() + u"/myarcs/DROPSET"_s, QByteArray());

        store::Archive archive(u"window"_s);
        if (writer != u"dropset")
            QVERIFY(startArchive(dir, archive));

        OtherMachine other;
        QVERIFY(other.hold(archivePath(dir), OtherMachine::Lock::Write, 700,
                           u"INSERT INTO BRcon63 (ragsoc) VALUES ('From the other machine')"_s));
        QElapsedTimer waited;
        waited.start();
        if (writer == u"import") {
            contacts::CsvTable table;
            QString error;
            QVERIFY2(table.load(csv, u';', &error), qPrintable(error));
            contacts::ImportMapping mapping;
            mapping.setColumn(contacts::CsvField::Name, 0, 0);
            mapping.setColumn(contacts::CsvField::Phone, 0, 1);
            contacts::ImportOptions options;
            options.skipFirstLine = true;
            const contacts::ImportResult result = contacts::CsvImport::run(archive.database(), table, mapping, options);
            QVERIFY2(result.ok(), qPrintable(result.message));
            QCOMPARE(result.inserted, 2);
        } else if (writer == u"dropset") {
            QString error;
            QVERIFY2(startArchive(dir, archive, &error), qPrintable(error));
            QCOMPARE(count(archive.database(), u"SELECT count(*) FROM BRset63 WHERE theme_name = 'default'"_s), 1);
            QVERIFY(!QFile::exists(dir.path() + u"/myarcs/DROPSET"_s));
        } else {
            QString error;
            const auto key = contacts::cloneContact(archive.database(), 1, &error);
            QVERIFY2(key.has_value(), qPrintable(error));
        }
        QVERIFY2(waited.elapsed() >= 300, "the writer did not wait for the other machine");
        QVERIFY(other.finish());
        QCOMPARE(count(archive.database(), u"SELECT count(*) FROM BRcon63 WHERE ragsoc = 'From the other machine'"_s), 1);
        const int expected = writer == u"import" ? 4 : writer == u"clone" ? 3 : 2;
        QCOMPARE(count(archive.database(), u"SELECT count(*) FROM BRcon63"_s), expected);
    }

    // When the other machine keeps the archive past the wait, the message
    // says so in plain words and nothing is half-written.
    void busyPastTheWaitIsToldInWords()
    {
        QTemporaryDir dir;
        store::Archive archive(u"window"_s);
        QVERIFY(startArchive(dir, archive));
        QSqlQuery insert(archive.database());
        QVERIFY(insert.exec(u"INSERT INTO BRcon63 (ragsoc) VALUES ('Anna Bianchi')"_s));
        const QString csv = dir.path() + u"/people.csv"_s;
        writeFile(csv, "Mario Rossi\r\nLuisa Verdi\r\n");

        OtherMachine other;
        QVERIFY(other.hold(archivePath(dir), OtherMachine::Lock::Write, 6500));
        contacts::ImportMapping mapping;
        mapping.setColumn(contacts::CsvField::Name, 0, 0);
        const contacts::ImportResult result =
            contacts::CsvImport::importFile(archive.database(), csv, u';', mapping, contacts::ImportOptions());
        QVERIFY(!result.ok());
        QVERIFY2(result.message.contains(store::busyArchiveText()), qPrintable(result.message));
        QVERIFY2(!result.message.contains(u"database is locked"_s), qPrintable(result.message));
        QVERIFY(other.finish());
        QCOMPARE(count(archive.database(), u"SELECT count(*) FROM BRcon63"_s), 1);
    }

    // Pages overwritten in the middle of a real archive: refused at open by
    // name, in words, and the file is left exactly as it was.
    void damagedArchiveIsRefusedAtOpen()
    {
        QTemporaryDir dir;
        {
            store::Archive archive(u"first"_s);
            QVERIFY(startArchive(dir, archive));
            QSqlQuery insert(archive.database());
            QVERIFY(archive.database().transaction());
            insert.prepare(u"INSERT INTO BRcon63 (ragsoc, note) VALUES (:name, :note)"_s);
            for (int i = 0; i < 3000; ++i) {
                insert.bindValue(u":name"_s, u"Contact %1"_s.arg(i));
                insert.bindValue(u":note"_s, QString(200, u'n'));
                QVERIFY(insert.exec());
            }
            QVERIFY(archive.database().commit());
        }
        const QString path = archivePath(dir);
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.size() > 40 * 4096);
            file.seek(file.size() / 2 / 4096 * 4096);
            file.write(QByteArray(3 * 4096, '\xA5'));
        }
        const QByteArray damaged = fileHash(path);

        store::Archive archive(u"window"_s);
        QString error;
        QVERIFY(!startArchive(dir, archive, &error));
        QCOMPARE(error, store::Archive::damagedText(path));
        QVERIFY(!archive.isOpen());
        QCOMPARE(fileHash(path), damaged);
        QVERIFY(!QFile::exists(path + u"-journal"_s));
    }

    // A new archive, its journal, its folder and Net.txt are the user's
    // alone; files that already exist keep their permissions.
    void newFilesArePrivate()
    {
        QTemporaryDir dir;
        const QString program = dir.path() + u"/program/"_s;
        store::Archive archive(u"window"_s);
        store::ArchiveStartup::Outcome outcome;
        QVERIFY(store::ArchiveStartup().open(archive, program, outcome));
        const QString folder = program + u"myarcs"_s;
        QCOMPARE(modeOf(folder), mode_t(0700));
        QCOMPARE(modeOf(folder + u"/boarc.abs"_s), mode_t(0600));

        // The journal exists while a write is under way.
        store::WriteTransaction write(archive.database());
        QVERIFY(write.begin());
        QSqlQuery insert(archive.database());
        QVERIFY(insert.exec(u"INSERT INTO BRnot80 (id) VALUES ('journal')"_s));
        const QString journal = archive.filePath() + u"-journal"_s;
        QVERIFY(QFile::exists(journal));
        QCOMPARE(modeOf(journal), mode_t(0600));
        write.rollback();

        QVERIFY(store::ArchiveLocation::writeNetFile(folder, u"/srv/share"_s));
        QCOMPARE(modeOf(store::ArchiveLocation::netFilePath(folder)), mode_t(0600));

        // An archive somebody made readable by the group keeps its mode.
        archive.close();
        QVERIFY(::chmod(QFile::encodeName(archive.filePath()).constData(), 0640) == 0);
        QVERIFY(archive.open(folder));
        QCOMPARE(modeOf(archive.filePath()), mode_t(0640));
    }
};

QTEST_GUILESS_MAIN(SharedArchiveTest)
#include "tst_shared_archive.moc"
