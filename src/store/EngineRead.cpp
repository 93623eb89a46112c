#include "store/EngineRead.h"

#include <QSqlDriver>
#include <QSqlField>

#include <sqlite3.h>

#include <memory>

namespace brivane::store {

namespace {

sqlite3* connectionOf(const QSqlDatabase& db)
{
    const QVariant handle = db.driver() ? db.driver()->handle() : QVariant();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3* const*>(handle.data());
}

bool bindAll(sqlite3_stmt* statement, const std::function<QVariant(const QString&)>& valueOf)
{
    for (int i = 1; i <= sqlite3_bind_parameter_count(statement); ++i) {
        const QVariant value = valueOf(QString::fromUtf8(sqlite3_bind_parameter_name(statement, i)));
        int status = SQLITE_OK;
        switch (value.typeId()) {
        case QMetaType::Int:
        case QMetaType::LongLong:
        case QMetaType::Bool:
            status = sqlite3_bind_int64(statement, i, value.toLongLong());
            break;
        case QMetaType::Double:
            status = sqlite3_bind_double(statement, i, value.toDouble());
            break;
        default:
            if (value.isNull()) {
                status = sqlite3_bind_null(statement, i);
            } else {
                const QByteArray text = value.toString().toUtf8();
                status =
                    sqlite3_bind_text(statement, i, text.constData(), int(text.size()), SQLITE_TRANSIENT);
            }
        }
        if (status != SQLITE_OK)
            return false;
    }
    return true;
}

} // namespace

bool readEngineRows(const QSqlDatabase& db, const QString& statement,
                    const std::function<QVariant(const QString&)>& valueOf, EngineRows& result,
                    QString* error)
{
    result = EngineRows();
    sqlite3* connection = connectionOf(db);
    if (!connection) {
        if (error)
            *error = QStringLiteral("the archive is not open");
        return false;
    }
    const auto fail = [connection, error] {
        if (error)
            *error = QString::fromUtf8(sqlite3_errmsg(connection));
        return false;
    };
    sqlite3_stmt* raw = nullptr;
    if (sqlite3_prepare16_v2(connection, statement.utf16(), int(statement.size() * sizeof(char16_t)), &raw,
                             nullptr) != SQLITE_OK)
        return fail();
    const std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)> prepared(raw, sqlite3_finalize);
    if (!bindAll(raw, valueOf))
        return fail();
    const int columns = sqlite3_column_count(raw);
    for (int column = 0; column < columns; ++column)
        result.fields.append(
            QSqlField(QString::fromUtf8(sqlite3_column_name(raw, column)), QMetaType(QMetaType::QString)));
    int status = SQLITE_ROW;
    while ((status = sqlite3_step(raw)) == SQLITE_ROW) {
        QList<QVariant> row;
        row.reserve(columns);
        for (int column = 0; column < columns; ++column) {
            switch (sqlite3_column_type(raw, column)) {
            case SQLITE_INTEGER:
                row << QVariant(qlonglong(sqlite3_column_int64(raw, column)));
                break;
            case SQLITE_FLOAT:
                row << QVariant(sqlite3_column_double(raw, column));
                break;
            case SQLITE_NULL:
                row << QVariant();
                break;
            default: {
                const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(raw, column));
                row << QVariant(QString::fromUtf8(text, sqlite3_column_bytes(raw, column)));
            }
            }
        }
        result.rows << std::move(row);
    }
    if (status != SQLITE_DONE) {
        result.rows.clear();
        return fail();
    }
    return true;
}

} // namespace brivane::store
