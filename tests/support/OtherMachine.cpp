#include "support/OtherMachine.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QThread>
#include <QUuid>

namespace brivane::test {

namespace {

QString shell()
{
    return QStandardPaths::findExecutable(QStringLiteral("sqlite3"));
}

} // namespace

OtherMachine::OtherMachine() = default;

OtherMachine::~OtherMachine()
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.kill();
        m_process.waitForFinished(2000);
    }
    if (!m_marker.isEmpty())
        QFile::remove(m_marker);
}

bool OtherMachine::isAvailable()
{
    return !shell().isEmpty();
}

bool OtherMachine::hold(const QString& archivePath, Lock lock, int milliseconds, const QString& statement)
{
    m_marker = QDir::temp().filePath(QStringLiteral("other-machine-") + QUuid::createUuid().toString(QUuid::Id128));
    QString script = QStringLiteral(".bail on\n.timeout 5000\n");
    script += lock == Lock::Write ? QStringLiteral("BEGIN IMMEDIATE;\n") : QStringLiteral("BEGIN EXCLUSIVE;\n");
    if (!statement.isEmpty())
        script += statement + QStringLiteral(";\n");
    script += QStringLiteral(".shell touch \"%1\"\n").arg(m_marker);
    script += QStringLiteral(".shell sleep %1\n").arg(milliseconds / 1000.0, 0, 'f', 3);
    script += QStringLiteral("COMMIT;\n");
    m_process.setProgram(shell());
    m_process.setArguments({archivePath});
    m_process.start();
    if (!m_process.waitForStarted(5000))
        return false;
    m_process.write(script.toUtf8());
    m_process.waitForBytesWritten(5000);
    m_process.closeWriteChannel();
    const QDeadlineTimer deadline(20000);
    while (!QFile::exists(m_marker)) {
        if (deadline.hasExpired() || m_process.state() == QProcess::NotRunning) {
            qWarning("the other machine could not take the lock: %s",
                     m_process.readAllStandardError().constData());
            return false;
        }
        QThread::msleep(5);
    }
    return true;
}

bool OtherMachine::finish()
{
    if (!m_process.waitForFinished(30000))
        return false;
    return m_process.exitStatus() == QProcess::NormalExit && m_process.exitCode() == 0;
}

QString OtherMachine::run(const QString& archivePath, const QString& statements, bool* ok)
{
    QProcess process;
    process.start(shell(), {archivePath});
    process.write((QStringLiteral(".bail on\n") + statements + QStringLiteral("\n")).toUtf8());
    process.waitForBytesWritten(5000);
    process.closeWriteChannel();
    const bool done = process.waitForFinished(30000) && process.exitStatus() == QProcess::NormalExit
                      && process.exitCode() == 0;
    if (ok)
        *ok = done;
    return done ? QString::fromUtf8(process.readAllStandardOutput()) : QString();
}

} // namespace brivane::test
