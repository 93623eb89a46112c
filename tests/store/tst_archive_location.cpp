#include "store/Archive.h"
#include "store/ArchiveLocation.h"
#include "store/ArchiveStartup.h"

#include <QDir>
#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

using namespace brivane;
using store::ArchiveLocation;
using store::ArchiveStartup;

namespace {

void writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int settingsRows(const QString& folder)
{
    store::Archive archive(QStringLiteral("check"));
    if (!archive.openReadOnly(folder))
        return -1;
    QSqlQuery query(archive.database());
    return query.exec(QStringLiteral("SELECT count(*) FROM BRset63")) && query.next() ? query.value(0).toInt() : -1;
}

} // namespace

class TestArchiveLocation : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void programFolderFollowsBrivaneHome()
    {
        QTemporaryDir home;
        qputenv("BRIVANE_HOME", home.path().toUtf8());
        QCOMPARE(ArchiveLocation::programFolder(), home.path() + QLatin1Char('/'));
        QCOMPARE(ArchiveLocation::defaultArchiveFolder(ArchiveLocation::programFolder()),
                 home.path() + QStringLiteral("/myarcs"));
        qunsetenv("BRIVANE_HOME");
    }

    void excessLength_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("excess");
        QTest::newRow("125 fits") << 125 << 0;
        QTest::newRow("127 fits") << 127 << 0;
        QTest::newRow("128 one over") << 128 << 1;
        QTest::newRow("130 three over") << 130 << 3;
    }
    void excessLength()
    {
        QFETCH(int, length);
        QFETCH(int, excess);
        QCOMPARE(ArchiveLocation::excessLength(QString(length, QLatin1Char('x'))), excess);
    }

    void netFileCases_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("sharedExists");
        QTest::newRow("existing folder") << QByteArray("@SHARED@\r\n") << true;
        QTest::newRow("without line end") << QByteArray("@SHARED@") << true;
        QTest::newRow("missing folder") << QByteArray("/no/such/folder/here\r\n") << false;
        QTest::newRow("empty file") << QByteArray() << false;
        QTest::newRow("blank line") << QByteArray("   \r\n") << false;
    }
    void netFileCases()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, sharedExists);
        QTemporaryDir program, shared;
        const QString defaultFolder = ArchiveLocation::defaultArchiveFolder(program.path() + QLatin1Char('/'));
        writeFile(ArchiveLocation::netFilePath(defaultFolder), QByteArray(content).replace("@SHARED@", shared.path().toUtf8()));

        for (const auto choice : {ArchiveStartup::NetFileChoice::Keep, ArchiveStartup::NetFileChoice::Drop}) {
            int asked = 0;
            ArchiveStartup startup;
            startup.onMissingSharedFolder = [&](const QString&, const QString& fallback) {
                ++asked;
                [&] { QCOMPARE(fallback, defaultFolder); }();
                return choice;
            };
            store::Archive archive(QStringLiteral("net"));
            ArchiveStartup::Outcome outcome;
            QString error;
            QVERIFY2(startup.open(archive, program.path() + QLatin1Char('/'), outcome, &error), qPrintable(error));
            QCOMPARE(outcome.archiveFolder, sharedExists ? shared.path() : defaultFolder);
            QCOMPARE(asked, sharedExists ? 0 : 1);
            archive.close();
            // The default archive is created and kept current in every case.
            QCOMPARE(settingsRows(defaultFolder), 1);
            if (sharedExists) {
                QCOMPARE(settingsRows(shared.path()), 1);
                break;
            }
            QCOMPARE(QFile::exists(ArchiveLocation::netFilePath(defaultFolder)),
                     choice == ArchiveStartup::NetFileChoice::Keep);
        }
    }

    void withoutNetFileTheDefaultFolderIsCreated()
    {
        QTemporaryDir program;
        store::Archive archive(QStringLiteral("plain"));
        ArchiveStartup::Outcome outcome;
        QVERIFY(ArchiveStartup().open(archive, program.path() + QStringLiteral("/"), outcome));
        QCOMPARE(outcome.archiveFolder, program.path() + QStringLiteral("/myarcs"));
        QVERIFY(!outcome.netFilePresent);
        QVERIFY(QFile::exists(program.path() + QStringLiteral("/myarcs/boarc.abs")));
        QCOMPARE(outcome.schema.report.size(), 7);
    }

    void writeNetFileEndsWithCrLf()
    {
        QTemporaryDir program;
        const QString folder = program.path() + QStringLiteral("/myarcs");
        QVERIFY(ArchiveLocation::writeNetFile(folder, QStringLiteral("/srv/share/arc")));
        QCOMPARE(readFile(ArchiveLocation::netFilePath(folder)), QByteArray("/srv/share/arc\r\n"));
        QVERIFY(ArchiveLocation::removeNetFile(folder));
        QVERIFY(!ArchiveLocation::readNetFile(folder).present);
    }

    void foreignFilesAreRefusedAndKept_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("text file") << QByteArray("these are my birthdays, not a database\n").repeated(40);
        QTest::newRow("damaged header") << QByteArray("SQLite format 3\0", 16) + QByteArray(4080, '\x7f');
    }
    void foreignFilesAreRefusedAndKept()
    {
        QFETCH(QByteArray, content);
        QTemporaryDir program;
        const QString file = program.path() + QStringLiteral("/myarcs/boarc.abs");
        writeFile(file, content);
        store::Archive archive(QStringLiteral("foreign"));
        ArchiveStartup::Outcome outcome;
        QString error;
        QVERIFY(!ArchiveStartup().open(archive, program.path() + QStringLiteral("/"), outcome, &error));
        QVERIFY2(error.contains(file), qPrintable(error));
        QCOMPARE(readFile(file), content);
    }

    void readOnlyArchiveIsRefused()
    {
        QTemporaryDir program;
        const QString folder = program.path() + QStringLiteral("/myarcs");
        {
            store::Archive archive(QStringLiteral("first"));
            ArchiveStartup::Outcome outcome;
            QVERIFY(ArchiveStartup().open(archive, program.path() + QStringLiteral("/"), outcome));
        }
        const QString file = folder + QStringLiteral("/boarc.abs");
        const QByteArray before = readFile(file);
        QFile::setPermissions(file, QFileDevice::ReadOwner | QFileDevice::ReadUser);
        store::Archive archive(QStringLiteral("second"));
        QString error;
        const bool opened = archive.open(folder, &error);
        QFile::setPermissions(file, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        if (opened)
            QSKIP("running with rights that ignore file permissions");
        QVERIFY2(error.contains(file), qPrintable(error));
        QCOMPARE(readFile(file), before);
    }
};

QTEST_GUILESS_MAIN(TestArchiveLocation)
#include "tst_archive_location.moc"
