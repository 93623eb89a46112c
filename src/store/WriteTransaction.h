#pragma once

#include <QSqlDatabase>
#include <QSqlError>
#include <QString>

namespace brivane::store {

// A transaction that takes the archive's write lock when it begins
// (BEGIN IMMEDIATE). A writer that reads before it writes uses one, so that
// another computer holding the lock makes it wait (the connection's busy
// timeout) instead of failing halfway once it tries to write. Rolls back
// unless committed. Begun inside a transaction already open on the
// connection it does nothing: the outer one commits or rolls back.
class WriteTransaction
{
public:
    explicit WriteTransaction(QSqlDatabase db);
    ~WriteTransaction();
    Q_DISABLE_COPY_MOVE(WriteTransaction)

    // On failure `error` holds the reason in plain words (archiveErrorText).
    bool begin(QString* error = nullptr);
    bool commit(QString* error = nullptr);
    void rollback();
    bool isActive() const { return m_active; }

private:
    QSqlDatabase m_db;
    bool m_active = false;
    bool m_nested = false;
};

// Whether the engine gave up waiting for another user of the archive.
bool isBusy(const QSqlError& error);

// The text of an engine error for a message box: a busy archive is told in
// plain words (another computer is using it, try again), anything else is
// the engine's own text.
QString archiveErrorText(const QSqlError& error);

// The sentence that says the archive was busy.
QString busyArchiveText();

} // namespace brivane::store
