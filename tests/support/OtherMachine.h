#pragma once

#include <QProcess>
#include <QString>

namespace brivane::test {

// Another computer working on the same archive: the sqlite3 shell in a
// process of its own, which takes a lock on the archive file, optionally
// writes, holds the lock for a while and then commits.
class OtherMachine
{
public:
    enum class Lock {
        Write,     // BEGIN IMMEDIATE: others may read, nobody else may write
        Exclusive, // BEGIN EXCLUSIVE: nobody else may even read
    };

    OtherMachine();
    ~OtherMachine();
    Q_DISABLE_COPY_MOVE(OtherMachine)

    static bool isAvailable();

    // Starts the process and returns once it holds the lock (false when it
    // could not take it). `statement` runs inside the transaction.
    bool hold(const QString& archivePath, Lock lock, int milliseconds, const QString& statement = QString());
    // Waits for the process to commit and end; true when it succeeded.
    bool finish();

    // Runs one statement (or several) with the plain sqlite3 shell and
    // returns what it printed; empty on failure.
    static QString run(const QString& archivePath, const QString& statements, bool* ok = nullptr);

private:
    QProcess m_process;
    QString m_marker;
};

} // namespace brivane::test
