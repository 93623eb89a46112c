#pragma once

#include <QList>
#include <QSqlDatabase>
#include <QSqlRecord>
#include <QVariant>

#include <functional>

namespace brivane::store {

// Every row of a statement, read to its end straight from the SQLite
// connection under `db` and finished before the call returns, as plain
// values: integers as qlonglong, reals as double, texts as QString, NULL as
// an invalid QVariant. A list that shows thousands of rows pays the engine's
// own cost and little more. `valueOf` gives each placeholder's value by name.
struct EngineRows
{
    QSqlRecord fields;
    QList<QList<QVariant>> rows;
};

bool readEngineRows(const QSqlDatabase& db, const QString& statement,
                    const std::function<QVariant(const QString&)>& valueOf, EngineRows& result,
                    QString* error = nullptr);

} // namespace brivane::store
