#include "store/Archive.h"
#include "store/ArchiveLocation.h"
#include "store/ArchiveStartup.h"

#include <QDir>
#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

using namespace brivane;
using namespace Qt::StringLiterals;
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

    // What a start makes of Net.txt: the shared folder, a missing folder
    // (the question), or a file it refuses in words (no question with
    // garbage in it). A relative path is taken from the default archive
    // folder, never from where the program was started.
    void netFileCases_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("outcome");
        QTest::addColumn<QString>("message");
        QTest::newRow("existing folder") << QByteArray("@SHARED@\r\n") << u"shared"_s << QString();
        QTest::newRow("without line end") << QByteArray("@SHARED@") << u"shared"_s << QString();
        QTest::newRow("relative to the default folder") << QByteArray("../shared\r\n") << u"relative"_s << QString();
        QTest::newRow("missing folder") << QByteArray("/no/such/folder/here\r\n") << u"missing"_s << QString();
        QTest::newRow("empty file") << QByteArray() << u"refused"_s << u"it is empty"_s;
        QTest::newRow("blank line") << QByteArray("   \r\n") << u"refused"_s << u"it is empty"_s;
        QTest::newRow("not text") << QByteArray("\x7f\x45LF\x02\x01\x01\0\0\0", 10) << u"refused"_s
                                  << u"it is not a text file"_s;
        // 126 characters and CR LF make 128: what the Change button refuses.
        QTest::newRow("path too long") << QByteArray("/" + QByteArray(125, 'p') + "\r\n") << u"refused"_s
                                       << u"Try again with a shorter one at least 1 characters."_s;
    }
    void netFileCases()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, outcome);
        QFETCH(QString, message);
        QTemporaryDir program, shared, elsewhere;
        const QString defaultFolder = ArchiveLocation::defaultArchiveFolder(program.path() + QLatin1Char('/'));
        const QString relative = program.path() + u"/shared"_s;
        QDir().mkpath(relative);
        writeFile(ArchiveLocation::netFilePath(defaultFolder), QByteArray(content).replace("@SHARED@", shared.path().toUtf8()));
        const QString startedIn = QDir::currentPath();
        // A namesake beside the working directory must not be taken.
        QDir().mkpath(elsewhere.path() + u"/work"_s);
        QDir().mkpath(elsewhere.path() + u"/shared"_s);
        QDir::setCurrent(elsewhere.path() + u"/work"_s);

        const QString expectedFolder = outcome == u"shared" ? shared.path()
                                       : outcome == u"relative" ? relative
                                                                : defaultFolder;
        for (const auto choice : {ArchiveStartup::NetFileChoice::Keep, ArchiveStartup::NetFileChoice::Drop}) {
            int asked = 0;
            QStringList refusals;
            ArchiveStartup startup;
            startup.onMissingSharedFolder = [&](const QString&, const QString& fallback) {
                ++asked;
                [&] { QCOMPARE(fallback, defaultFolder); }();
                return choice;
            };
            startup.onNetFileRefused = [&](const QString& text) { refusals << text; };
            store::Archive archive(QStringLiteral("net"));
            ArchiveStartup::Outcome result;
            QString error;
            QVERIFY2(startup.open(archive, program.path() + QLatin1Char('/'), result, &error), qPrintable(error));
            QCOMPARE(result.archiveFolder, expectedFolder);
            QCOMPARE(asked, outcome == u"missing" ? 1 : 0);
            QCOMPARE(refusals.size(), outcome == u"refused" ? 1 : 0);
            if (!refusals.isEmpty()) {
                QVERIFY2(refusals.first().contains(message), qPrintable(refusals.first()));
                if (message.startsWith(u"it is"))
                    QVERIFY2(refusals.first().contains(ArchiveLocation::netFilePath(defaultFolder)),
                             qPrintable(refusals.first()));
                else
                    QVERIFY(refusals.first().startsWith(u"The path you have chosen is too long:\r\n"_s));
            }
            archive.close();
            // The default archive is created and kept current in every case.
            QCOMPARE(settingsRows(defaultFolder), 1);
            if (outcome != u"missing") {
                QCOMPARE(settingsRows(expectedFolder), 1);
                // A refused file stays for the user to mend or drop (Auto).
                QVERIFY(QFile::exists(ArchiveLocation::netFilePath(defaultFolder)));
                break;
            }
            QCOMPARE(QFile::exists(ArchiveLocation::netFilePath(defaultFolder)),
                     choice == ArchiveStartup::NetFileChoice::Keep);
        }
        QDir::setCurrent(startedIn);
        QVERIFY(!QFile::exists(elsewhere.path() + u"/shared/boarc.abs"_s));
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
