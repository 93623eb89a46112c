#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QVariant>

#include <functional>

namespace brivane::bench {

// The engine's floor for a statement: run through the SQLite C API on the
// same connection (so the same registered functions and the same cache),
// every column of every row read in its stored type, nothing converted.
// `valueOf` gives the value of each placeholder by name (":datefull").
// Returns the number of rows, or -1 when the statement fails.
int runOnEngine(const QSqlDatabase& db, const QString& statement,
                const std::function<QVariant(const QString&)>& valueOf);

// The placeholder values that a prepared and bound query holds.
std::function<QVariant(const QString&)>
boundValuesOf(const QString& statement, const std::function<void(QSqlQuery&)>& bind, const QSqlDatabase& db);

} // namespace brivane::bench
