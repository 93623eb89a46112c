#include "Floor.h"

#include "store/EngineRead.h"

#include <QHash>
#include <QSqlQuery>

#include <sqlite3.h>

namespace brivane::bench {

int runOnEngine(const QSqlDatabase& db, const QString& statement,
                const std::function<QVariant(const QString&)>& valueOf)
{
    // One prepared statement per text, kept like Qt keeps its prepared query.
    static QHash<QString, sqlite3_stmt*> prepared;
    sqlite3* handle = store::engineHandle(db);
    sqlite3_stmt* stmt = prepared.value(statement);
    if (!stmt) {
        const QByteArray text = statement.toUtf8();
        if (sqlite3_prepare_v2(handle, text.constData(), int(text.size()), &stmt, nullptr) != SQLITE_OK)
            return -1;
        prepared.insert(statement, stmt);
    }
    sqlite3_reset(stmt);
    for (int i = 1; i <= sqlite3_bind_parameter_count(stmt); ++i) {
        const QVariant value = valueOf(QString::fromUtf8(sqlite3_bind_parameter_name(stmt, i)));
        if (value.typeId() == QMetaType::Int || value.typeId() == QMetaType::LongLong) {
            sqlite3_bind_int64(stmt, i, value.toLongLong());
        } else if (value.isNull()) {
            sqlite3_bind_null(stmt, i);
        } else {
            const QByteArray text = value.toString().toUtf8();
            sqlite3_bind_text(stmt, i, text.constData(), int(text.size()), SQLITE_TRANSIENT);
        }
    }
    const int columns = sqlite3_column_count(stmt);
    int rows = 0;
    volatile qint64 sink = 0;
    int status = SQLITE_ROW;
    while ((status = sqlite3_step(stmt)) == SQLITE_ROW) {
        for (int column = 0; column < columns; ++column) {
            switch (sqlite3_column_type(stmt, column)) {
            case SQLITE_INTEGER:
                sink = sink + sqlite3_column_int64(stmt, column);
                break;
            case SQLITE_FLOAT:
                sink = sink + qint64(sqlite3_column_double(stmt, column));
                break;
            case SQLITE_NULL:
                break;
            default:
                sink = sink + sqlite3_column_bytes(stmt, column) + *sqlite3_column_text(stmt, column);
            }
        }
        ++rows;
    }
    sqlite3_reset(stmt);
    return status == SQLITE_DONE ? rows : -1;
}

std::function<QVariant(const QString&)>
boundValuesOf(const QString& statement, const std::function<void(QSqlQuery&)>& bind, const QSqlDatabase& db)
{
    auto query = std::make_shared<QSqlQuery>(db);
    query->prepare(statement);
    bind(*query);
    return [query](const QString& name) { return query->boundValue(name); };
}

} // namespace brivane::bench
