#include "platform/DesktopIntegration.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace brivane::platform;

class TestDesktopIntegration : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void autorunFolders_data()
    {
        QTest::addColumn<QString>("programFolder");
        QTest::addColumn<QString>("root");
        QTest::addColumn<QString>("iconLine");
        QTest::addColumn<QString>("openLine");
        QTest::addColumn<QString>("commandLine");
        QTest::newRow("in a folder") << QStringLiteral("/media/usb/apps/org/") << QStringLiteral("/media/usb/")
                                     << QStringLiteral("icon=\\apps\\org\\bOrganizer.exe,0")
                                     << QStringLiteral("open=apps\\org\\bOrganizer.exe")
                                     << QStringLiteral("shell\\brorg\\command=apps\\org\\bOrganizer.exe");
        QTest::newRow("at the root") << QStringLiteral("/media/usb/") << QStringLiteral("/media/usb/")
                                     << QStringLiteral("icon=\\\\bOrganizer.exe,0")
                                     << QStringLiteral("open=\\bOrganizer.exe")
                                     << QStringLiteral("shell\\brorg\\command=\\bOrganizer.exe");
    }
    void autorunFolders()
    {
        QFETCH(QString, programFolder);
        QFETCH(QString, root);
        QFETCH(QString, iconLine);
        QFETCH(QString, openLine);
        QFETCH(QString, commandLine);
        const QStringList lines = desktop::autorunLines(desktop::autorunRelativeFolder(programFolder, root));
        QCOMPARE(lines.size(), 7);
        QCOMPARE(lines[0], QStringLiteral("[autorun]"));
        QCOMPARE(lines[2], iconLine);
        QCOMPARE(lines[3], openLine);
        QCOMPARE(lines[6], commandLine);
        const QByteArray content = desktop::autorunContent(desktop::autorunRelativeFolder(programFolder, root));
        QVERIFY(content.endsWith("bOrganizer.exe\r\n"));
        QVERIFY(desktop::isOwnAutorun(content));
    }

    void foreignAutorunIsNotOurs()
    {
        QVERIFY(!desktop::isOwnAutorun("[autorun]\r\nopen=setup.exe\r\n"));
        QVERIFY(!desktop::isOwnAutorun("[autorun]"));
    }

    void launcherStartsTheProgramInItsFolder()
    {
        QTemporaryDir dir;
        const QString path = desktop::launcherPath(dir.path() + QStringLiteral("/Desktop"));
        QVERIFY(desktop::writeLauncher(path, QStringLiteral("/opt/my apps/brivane-organizer")));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray content = file.readAll();
        QVERIFY(content.startsWith("[Desktop Entry]\n"));
        QVERIFY(content.contains("Exec=\"/opt/my apps/brivane-organizer\"\n"));
        QVERIFY(content.contains("Path=/opt/my apps\n"));
        QVERIFY(QFile::permissions(path) & QFileDevice::ExeOwner);
    }

    void autostartFollowsTheConfigFolder()
    {
        QTemporaryDir config;
        qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
        QCOMPARE(desktop::autostartEntryPath(), config.path() + QStringLiteral("/autostart/brivane-organizer.desktop"));
        qunsetenv("XDG_CONFIG_HOME");
    }
};

QTEST_GUILESS_MAIN(TestDesktopIntegration)
#include "tst_desktopintegration.moc"
