#include "store/WriteTransaction.h"

#include "store/EngineRead.h"

#include <QSqlQuery>
#include <QVariant>
#include <sqlite3.h>

namespace brivane::store {

namespace {

bool execute(const QSqlDatabase& db, const char* statement, QString* error)
{
    QSqlQuery query(db);
    if (query.exec(QLatin1String(statement)))
        return true;
    if (error)
        *error = archiveErrorText(query.lastError());
    return false;
}

// Whether the connection is inside a transaction someone else opened.
bool insideTransaction(const QSqlDatabase& db)
{
    sqlite3* connection = engineHandle(db);
    return connection && sqlite3_get_autocommit(connection) == 0;
}

} // namespace

WriteTransaction::WriteTransaction(QSqlDatabase db) : m_db(std::move(db)) {}

WriteTransaction::~WriteTransaction()
{
    rollback();
}

bool WriteTransaction::begin(QString* error)
{
    if (m_active || m_nested)
        return true;
    // Inside a larger write (an import registering its group) the outer
    // transaction holds the lock and decides.
    if (insideTransaction(m_db)) {
        m_nested = true;
        return true;
    }
    m_active = execute(m_db, "BEGIN IMMEDIATE", error);
    return m_active;
}

bool WriteTransaction::commit(QString* error)
{
    if (m_nested)
        return true;
    if (!m_active)
        return false;
    if (!execute(m_db, "COMMIT", error))
        return false; // still active: the destructor rolls back
    m_active = false;
    return true;
}

void WriteTransaction::rollback()
{
    if (!m_active)
        return;
    execute(m_db, "ROLLBACK", nullptr);
    m_active = false;
}

bool isBusy(const QSqlError& error)
{
    bool ok = false;
    const int code = error.nativeErrorCode().toInt(&ok);
    // SQLITE_BUSY and SQLITE_LOCKED, also in their extended forms.
    if (ok && ((code & 0xFF) == 5 || (code & 0xFF) == 6))
        return true;
    return error.databaseText().contains(QLatin1String("database is locked"));
}

QString busyArchiveText()
{
    return QStringLiteral("Another computer is using the archive right now, so I could not finish: nothing was "
                          "changed. Try again in a moment.");
}

QString archiveErrorText(const QSqlError& error)
{
    return isBusy(error) ? busyArchiveText() : error.text();
}

} // namespace brivane::store
