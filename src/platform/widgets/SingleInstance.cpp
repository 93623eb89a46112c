#include "platform/widgets/SingleInstance.h"

#include "platform/HandOffRecord.h"
#include "platform/PrivateFolder.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>
#include <QTimer>

#include <memory>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace brivane::platform {

namespace {

// A connection that sends nothing for this long is dropped.
constexpr int kIdleConnectionMs = 10000;
// Local socket paths longer than this do not fit a socket address.
constexpr int kMaxSocketPath = 100;

QString userTag()
{
#ifdef Q_OS_UNIX
    return QString::number(::getuid());
#else
    return QString::fromLatin1(
        QCryptographicHash::hash(QDir::homePath().toUtf8(), QCryptographicHash::Sha1).toHex().left(8));
#endif
}

bool writeAll(QLocalSocket& socket, const QByteArray& bytes, const QDeadlineTimer& deadline)
{
    if (socket.write(bytes) != bytes.size())
        return false;
    while (socket.bytesToWrite() > 0) {
        if (!socket.waitForBytesWritten(int(deadline.remainingTime())))
            return false;
    }
    return true;
}

// Sends one message and waits for its answer word.
bool exchange(QLocalSocket& socket, const QByteArray& message, qint32* answer)
{
    const QDeadlineTimer deadline(SingleInstance::kAnswerTimeoutMs);
    if (!writeAll(socket, message, deadline))
        return false;
    while (socket.bytesAvailable() < 4) {
        if (deadline.hasExpired() || !socket.waitForReadyRead(int(deadline.remainingTime())))
            return false;
    }
    *answer = handoff::answerFromBytes(socket.read(4));
    return true;
}

} // namespace

SingleInstance::SingleInstance(QString programFolder, QObject* parent)
    : QObject(parent), m_serverName(serverNameFor(programFolder))
{
}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::serverNameFor(const QString& programFolder)
{
    const QFileInfo info(programFolder);
    QString folder = info.canonicalFilePath();
    if (folder.isEmpty())
        folder = QDir::cleanPath(info.absoluteFilePath());
    const QByteArray hash =
        QCryptographicHash::hash(folder.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    const QString name = QStringLiteral("brivane-organizer-") + userTag() + QLatin1Char('-')
                         + QString::fromLatin1(hash);

    // The user's runtime folder is private to the user and the same for every
    // start of a session. Without one (no desktop session) a folder of the
    // user's own in the temporary folder serves: there another account could
    // otherwise listen under our name and make every start exit silently.
    QString folderPath;
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        folderPath = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folderPath.isEmpty() || (folderPath + QLatin1Char('/') + name).toUtf8().size() > kMaxSocketPath)
        folderPath = privateFolderIn(QDir::tempPath());
    if (folderPath.isEmpty())
        return QString();
    return folderPath + QLatin1Char('/') + name;
}

bool SingleInstance::isSwitchedOff()
{
    return qEnvironmentVariable("BRIVANE_NO_SINGLE_INSTANCE") == QLatin1String("1");
}

SingleInstance::Role SingleInstance::start(const QStringList& arguments)
{
    if (m_role != Role::Undecided)
        return m_role;
    // No folder of our own for the socket: start alone rather than trust one.
    if (isSwitchedOff() || m_serverName.isEmpty())
        return m_role = Role::Standalone;

    // Two copies started together must not both clear the socket and listen:
    // the look-and-listen step runs under a lock. A lock left by a crashed
    // copy is recognised by QLockFile; one that cannot be had in time is
    // skipped rather than letting the start hang.
    QLockFile lock(m_serverName + QStringLiteral(".lock"));
    (void)lock.tryLock(kAnswerTimeoutMs);

    QLocalSocket socket;
    socket.connectToServer(m_serverName);
    if (socket.waitForConnected(kAnswerTimeoutMs)) {
        lock.unlock();
        return m_role = handOff(socket, arguments);
    }
    switch (socket.error()) {
    case QLocalSocket::ServerNotFoundError:
    case QLocalSocket::ConnectionRefusedError:
        // No copy runs; a socket file left by a crashed copy is cleared.
        QLocalServer::removeServer(m_serverName);
        return m_role = listen() ? Role::Primary : Role::Standalone;
    default:
        // A copy seems to run but cannot be reached: start without serving.
        return m_role = Role::Standalone;
    }
}

SingleInstance::Role SingleInstance::handOff(QLocalSocket& socket, const QStringList& arguments)
{
    qint32 answer = handoff::kRefused;
    if (!arguments.isEmpty()) {
        if (!exchange(socket, handoff::copyDataMessage(arguments), &answer) || answer != handoff::kAccepted)
            return Role::Standalone;
    }
    // With arguments the running copy has just answered, so the hand-off is
    // done whatever becomes of the activation. Without them the activation's
    // answer is the only sign that the running copy is alive.
    const bool activated = exchange(socket, handoff::activationMessage(), &answer);
    socket.disconnectFromServer();
    if (!activated && arguments.isEmpty())
        return Role::Standalone;
    return Role::Secondary;
}

bool SingleInstance::listen()
{
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(m_serverName)) {
        delete m_server;
        m_server = nullptr;
        return false;
    }
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = m_server->nextPendingConnection())
            serve(socket);
    });
    return true;
}

void SingleInstance::later(std::function<void()> emitter)
{
    QMetaObject::invokeMethod(this, std::move(emitter), Qt::QueuedConnection);
}

void SingleInstance::serve(QLocalSocket* socket)
{
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    QTimer::singleShot(kIdleConnectionMs, socket, [socket] { socket->abort(); });

    auto buffer = std::make_shared<QByteArray>();
    connect(socket, &QLocalSocket::readyRead, this, [this, socket, buffer] {
        buffer->append(socket->readAll());
        for (;;) {
            const handoff::Message message = handoff::readMessage(*buffer);
            using Status = handoff::Message::Status;
            if (message.status == Status::Incomplete)
                return;
            if (message.status != Status::Complete) {
                // The stream cannot be followed any further.
                socket->write(handoff::answerBytes(handoff::kRefused));
                socket->disconnectFromServer();
                buffer->clear();
                if (message.status == Status::Oversized)
                    later([this] { Q_EMIT handOffRefused(handoff::invalidRecordText()); });
                return;
            }
            buffer->remove(0, message.consumed);
            // The answer goes out first and the signal later, from the event
            // loop: a handler that opens a dialog never keeps the other start
            // waiting, nor runs while this connection is being read.
            if (message.number == handoff::kActivationMessage) {
                socket->write(handoff::answerBytes(0));
                later([this] { Q_EMIT activationRequested(); });
            } else if (message.validRecord) {
                socket->write(handoff::answerBytes(handoff::kAccepted));
                later([this, arguments = message.arguments] { Q_EMIT argumentsReceived(arguments); });
            } else {
                socket->write(handoff::answerBytes(handoff::kRefused));
                later([this] { Q_EMIT handOffRefused(handoff::invalidRecordText()); });
            }
            socket->flush();
            if (socket->state() != QLocalSocket::ConnectedState)
                return;
        }
    });
}

} // namespace brivane::platform
