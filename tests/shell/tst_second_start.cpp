#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// Two real copies of the program on one program folder: the second hands
// over and ends at once, the first goes on.
class TestSecondStart : public QObject
{
    Q_OBJECT

private:
    static QProcessEnvironment environment(const QString& home)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("BRIVANE_HOME"), home);
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), home);
        env.remove(QStringLiteral("BRIVANE_NO_SINGLE_INSTANCE"));
        return env;
    }

private Q_SLOTS:
    void secondStartHandsOverAndEnds()
    {
        QTemporaryDir home;
        QProcess first;
        first.setProcessEnvironment(environment(home.path()));
        first.start(QStringLiteral(BRIVANE_PROGRAM), {});
        QVERIFY(first.waitForStarted());
        // The first copy is up once its archive exists and its socket listens.
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(home.path() + QStringLiteral("/myarcs/boarc.abs")), 20000);
        QTRY_VERIFY_WITH_TIMEOUT(!QDir(home.path()).entryList({QStringLiteral("brivane-organizer-*")},
                                                              QDir::System | QDir::Files).isEmpty(), 20000);

        QProcess second;
        second.setProcessEnvironment(environment(home.path()));
        second.start(QStringLiteral(BRIVANE_PROGRAM), {QStringLiteral("control")});
        QVERIFY(second.waitForFinished(20000));
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
        QCOMPARE(first.state(), QProcess::Running);
        first.kill();
        first.waitForFinished();
    }
};

QTEST_GUILESS_MAIN(TestSecondStart)
#include "tst_second_start.moc"
