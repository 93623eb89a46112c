#include "platform/HandOffRecord.h"
#include "platform/widgets/SingleInstance.h"
#include "store/ArchiveLocation.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <cstdio>

using namespace brivane;
using platform::SingleInstance;
namespace handoff = platform::handoff;

// The test executable doubles as the other copy of the program: started with
// BRIVANE_TEST_CHILD set, it runs the check exactly as the program's start
// does and ends with a status that tells the role it got.
namespace {

constexpr int kStatusSecondary = 0;
constexpr int kStatusPrimary = 10;
constexpr int kStatusStandalone = 11;
constexpr int kChildWaitMs = 30000;

int runChild(int argc, char* argv[], const QByteArray& mode)
{
    QCoreApplication app(argc, argv);
    SingleInstance instance(store::ArchiveLocation::programFolder());
    switch (instance.start(QCoreApplication::arguments().mid(1))) {
    case SingleInstance::Role::Secondary:
        return kStatusSecondary;
    case SingleInstance::Role::Primary:
        if (mode == "serve") {
            std::fputs("primary\n", stdout);
            std::fflush(stdout);
            return QCoreApplication::exec();
        }
        return kStatusPrimary;
    default:
        return kStatusStandalone;
    }
}

// A program folder of its own, so the socket name is unique to this test.
struct Home
{
    QTemporaryDir dir;
    QString path() const { return dir.path(); }
    QString serverName() const { return SingleInstance::serverNameFor(dir.path()); }
};

void startChild(QProcess& process, const Home& home, const QByteArray& mode, const QStringList& arguments,
                bool switchedOff = false)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("BRIVANE_HOME"), home.path());
    environment.insert(QStringLiteral("BRIVANE_TEST_CHILD"), QString::fromLatin1(mode));
    environment.remove(QStringLiteral("BRIVANE_NO_SINGLE_INSTANCE"));
    if (switchedOff)
        environment.insert(QStringLiteral("BRIVANE_NO_SINGLE_INSTANCE"), QStringLiteral("1"));
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(QCoreApplication::applicationFilePath(), arguments);
    QVERIFY2(process.waitForStarted(), qPrintable(process.errorString()));
}

// Runs a second start to its end while this process keeps serving events.
int runSecondStart(const Home& home, const QStringList& arguments, bool switchedOff = false)
{
    QProcess process;
    startChild(process, home, "second", arguments, switchedOff);
    if (!QTest::qWaitFor([&] { return process.state() == QProcess::NotRunning; }, kChildWaitMs))
        return -1;
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
}

// Records the order in which the running copy hears of a later start.
struct Heard
{
    explicit Heard(SingleInstance& instance)
    {
        QObject::connect(&instance, &SingleInstance::argumentsReceived, &instance,
                         [this](const QStringList& list) {
                             events << QStringLiteral("arguments");
                             arguments << list;
                         });
        QObject::connect(&instance, &SingleInstance::activationRequested, &instance,
                         [this] { events << QStringLiteral("activation"); });
        QObject::connect(&instance, &SingleInstance::handOffRefused, &instance,
                         [this](const QString& message) { refusals << message; });
    }
    QStringList events;
    QList<QStringList> arguments;
    QStringList refusals;
};

QByteArray word(quint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    return QByteArray(bytes, 4);
}

} // namespace

class TestSingleInstance : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        // Every test runs with the check switched off; this one tests the check.
        qunsetenv("BRIVANE_NO_SINGLE_INSTANCE");
    }

    void recordBytes_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QStringList>("readBack");

        QTest::newRow("two arguments") << QStringList{QStringLiteral("ab"), QStringLiteral("c")}
                                       << QByteArray("ab\0c\0\0", 6)
                                       << QStringList{QStringLiteral("ab"), QStringLiteral("c")};
        QTest::newRow("none") << QStringList{} << QByteArray("\0", 1) << QStringList{};
        QTest::newRow("utf-8 text") << QStringList{QStringLiteral("caff\u00e8 latte")}
                                    << QByteArray("caff\xc3\xa8 latte\0\0", 14)
                                    << QStringList{QStringLiteral("caff\u00e8 latte")};
        QTest::newRow("walk stops at the first empty text")
            << QStringList{QStringLiteral("a"), QString(), QStringLiteral("b")} << QByteArray("a\0\0b\0\0", 6)
            << QStringList{QStringLiteral("a")};
    }

    void recordBytes()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, data);
        QFETCH(QStringList, readBack);

        const QByteArray message = handoff::copyDataMessage(arguments);
        QCOMPARE(message, word(0x4A) + word(0xDE1F1DAB) + word(quint32(data.size())) + data);

        const handoff::Message read = handoff::readMessage(message);
        QCOMPARE(read.status, handoff::Message::Status::Complete);
        QCOMPARE(read.consumed, message.size());
        QVERIFY(read.validRecord);
        QCOMPARE(read.arguments, readBack);
        // Any shorter prefix is still waiting for bytes.
        QCOMPARE(handoff::readMessage(message.chopped(1)).status, handoff::Message::Status::Incomplete);
    }

    void secondStartHandsOffAndEnds_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("events");

        const QStringList both{QStringLiteral("arguments"), QStringLiteral("activation")};
        QTest::newRow("CONTROL") << QStringList{QStringLiteral("CONTROL")} << both;
        QTest::newRow("several") << QStringList{QStringLiteral("two words"), QStringLiteral("\u00e8"),
                                                QStringLiteral("--x")}
                                 << both;
        QTest::newRow("no arguments: activation only") << QStringList{}
                                                       << QStringList{QStringLiteral("activation")};
    }

    void secondStartHandsOffAndEnds()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, events);

        Home home;
        SingleInstance running(home.path());
        QCOMPARE(running.start({}), SingleInstance::Role::Primary);
        Heard heard(running);

        QCOMPARE(runSecondStart(home, arguments), kStatusSecondary);
        QTRY_COMPARE(heard.events, events);
        if (!arguments.isEmpty())
            QCOMPARE(heard.arguments, QList<QStringList>{arguments});
        QVERIFY(heard.refusals.isEmpty());

        // The running copy keeps answering later starts.
        QCOMPARE(runSecondStart(home, {QStringLiteral("again")}), kStatusSecondary);
        QTRY_COMPARE(heard.events.size(), events.size() + 2);
    }

    void crashedCopyDoesNotStopNextStart()
    {
        Home home;
        QProcess crashed;
        startChild(crashed, home, "serve", {});
        QTRY_VERIFY_WITH_TIMEOUT(crashed.canReadLine() || crashed.state() == QProcess::NotRunning, kChildWaitMs);
        QCOMPARE(crashed.readLine(), QByteArray("primary\n"));
        crashed.kill();
        QVERIFY(crashed.waitForFinished());
        QVERIFY2(QFileInfo::exists(home.serverName()), "the killed copy left its socket behind");

        SingleInstance next(home.path());
        QCOMPARE(next.start({QStringLiteral("x")}), SingleInstance::Role::Primary);
        Heard heard(next);
        QCOMPARE(runSecondStart(home, {QStringLiteral("after")}), kStatusSecondary);
        QTRY_COMPARE(heard.arguments, QList<QStringList>{{QStringLiteral("after")}});
    }

    void malformedRecordsAreRefused_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("answered");
        QTest::addColumn<int>("refusals");

        QTest::newRow("wrong tag") << handoff::copyDataMessage({QStringLiteral("x")}, 0x12345678u) << true << 1;
        QTest::newRow("data not closed by a zero byte")
            << word(0x4A) + word(0xDE1F1DAB) + word(3) + QByteArray("abc") << true << 1;
        QTest::newRow("no data") << word(0x4A) + word(0xDE1F1DAB) + word(0) << true << 1;
        QTest::newRow("byte count too large")
            << word(0x4A) + word(0xDE1F1DAB) + word(0xFFFFFFF0u) + QByteArray("x\0\0", 3) << true << 1;
        QTest::newRow("unknown message") << word(7) + QByteArray(64, 'z') << true << 0;
        QTest::newRow("cut short") << handoff::copyDataMessage({QStringLiteral("abcdef")}).left(14) << false
                                   << 0;
    }

    void malformedRecordsAreRefused()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, answered);
        QFETCH(int, refusals);

        Home home;
        SingleInstance running(home.path());
        QCOMPARE(running.start({}), SingleInstance::Role::Primary);
        Heard heard(running);

        QLocalSocket client;
        client.connectToServer(home.serverName());
        QVERIFY(client.waitForConnected());
        client.write(bytes);
        client.flush();
        if (answered) {
            QTRY_VERIFY(client.bytesAvailable() >= 4);
            QCOMPARE(handoff::answerFromBytes(client.read(4)), handoff::kRefused);
        }
        client.disconnectFromServer();

        // Still alive and still answering: a good start after the bad one.
        QCOMPARE(runSecondStart(home, {QStringLiteral("good")}), kStatusSecondary);
        QTRY_COMPARE(heard.events, (QStringList{QStringLiteral("arguments"), QStringLiteral("activation")}));
        QCOMPARE(heard.arguments, QList<QStringList>{{QStringLiteral("good")}});
        QCOMPARE(heard.refusals, QStringList(refusals, QStringLiteral("Invalid data structure passed in WM_COPYDATA")));
    }

    void startGoesOnWhenNotAccepted_data()
    {
        QTest::addColumn<QString>("runningCopy");
        QTest::newRow("answers 0") << QStringLiteral("refuses");
        QTest::newRow("never answers") << QStringLiteral("frozen");
        QTest::newRow("check switched off") << QStringLiteral("real");
    }

    void startGoesOnWhenNotAccepted()
    {
        QFETCH(QString, runningCopy);

        Home home;
        QLocalServer fake;
        SingleInstance real(home.path());
        if (runningCopy == QLatin1String("real")) {
            QCOMPARE(real.start({}), SingleInstance::Role::Primary);
        } else {
            QVERIFY(fake.listen(home.serverName()));
            const bool answers = runningCopy == QLatin1String("refuses");
            connect(&fake, &QLocalServer::newConnection, &fake, [&fake, answers] {
                QLocalSocket* socket = fake.nextPendingConnection();
                connect(socket, &QLocalSocket::readyRead, socket, [socket, answers] {
                    socket->readAll();
                    if (answers)
                        socket->write(handoff::answerBytes(0));
                });
            });
        }
        Heard heard(real);

        QCOMPARE(runSecondStart(home, {QStringLiteral("CONTROL")}, runningCopy == QLatin1String("real")),
                 kStatusStandalone);
        QVERIFY(heard.events.isEmpty());
    }
};

int main(int argc, char* argv[])
{
    const QByteArray child = qgetenv("BRIVANE_TEST_CHILD");
    if (!child.isEmpty())
        return runChild(argc, argv, child);
    QCoreApplication app(argc, argv);
    TestSingleInstance test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_singleinstance_gui.moc"
