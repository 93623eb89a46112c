#pragma once

#include <QSqlDatabase>

namespace brivane::store {

// Read-only mode at the engine: while blocked, the connection refuses to
// prepare any statement that would insert, update or delete rows of the
// archive's data tables, or change the layout. The settings record stays
// writable (it holds preferences, not data). Whatever path of the program
// tries a write, the engine answers "not authorized" and nothing changes.
class DataWriteGuard
{
public:
    static bool setBlocked(const QSqlDatabase& db, bool blocked);
    static bool isBlocked(const QSqlDatabase& db);
};

} // namespace brivane::store
