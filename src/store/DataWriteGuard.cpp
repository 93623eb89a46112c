#include "store/DataWriteGuard.h"

#include "store/EngineRead.h"

#include <QSet>
#include <QVariant>
#include <sqlite3.h>

namespace brivane::store {

namespace {

QSet<sqlite3*>& blockedConnections()
{
    static QSet<sqlite3*> connections;
    return connections;
}

int authorize(void*, int action, const char* table, const char*, const char*, const char*)
{
    switch (action) {
    case SQLITE_INSERT:
    case SQLITE_UPDATE:
    case SQLITE_DELETE:
        return table && sqlite3_stricmp(table, "BRset63") == 0 ? SQLITE_OK : SQLITE_DENY;
    case SQLITE_CREATE_TABLE:
    case SQLITE_CREATE_INDEX:
    case SQLITE_DROP_TABLE:
    case SQLITE_DROP_INDEX:
    case SQLITE_ALTER_TABLE:
    case SQLITE_CREATE_TRIGGER:
    case SQLITE_DROP_TRIGGER:
        return SQLITE_DENY;
    default:
        return SQLITE_OK;
    }
}

} // namespace

bool DataWriteGuard::setBlocked(const QSqlDatabase& db, bool blocked)
{
    sqlite3* connection = engineHandle(db);
    if (!connection)
        return false;
    // Setting an authorizer expires every prepared statement, so a statement
    // prepared before the switch is checked again when it next runs.
    if (sqlite3_set_authorizer(connection, blocked ? authorize : nullptr, nullptr) != SQLITE_OK)
        return false;
    if (blocked)
        blockedConnections().insert(connection);
    else
        blockedConnections().remove(connection);
    return true;
}

bool DataWriteGuard::isBlocked(const QSqlDatabase& db)
{
    sqlite3* connection = engineHandle(db);
    return connection && blockedConnections().contains(connection);
}

} // namespace brivane::store
