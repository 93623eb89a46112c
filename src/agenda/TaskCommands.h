#pragma once

#include <QSqlDatabase>
#include <QString>

#include <optional>

namespace brivane::agenda {

// Removes one task by its key.
bool deleteTask(const QSqlDatabase& db, qint64 codimp, QString* error = nullptr);

enum class CloneResult { Cloned, RefusedBirthday, Failed };
// Inserts a copy of a task, done state included. A yearly task linked to a
// contact (a birthday) is not copied; a plain yearly copy carries no link.
CloneResult cloneTask(const QSqlDatabase& db, qint64 codimp, qint64* newKey = nullptr, QString* error = nullptr);

// The ending of every delete question: one of 14 equally likely slots,
// each starting with the closing double quote of the quoted name.
QString deleteConfirmationEnding(int slot);
QString randomDeleteConfirmationEnding();
// " You are in order to eliminate "<name><ending>
QString taskDeleteQuestion(const QString& description);

} // namespace brivane::agenda
