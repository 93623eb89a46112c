#pragma once

#include <QSqlDatabase>
#include <QString>

#include <optional>

namespace brivane::contacts {

// Delete and Clone of the Contacts tab. Keys are bound.
QString deleteContactStatement();
QString deleteLinkedTasksStatement();
QString cloneContactStatement();

bool deleteContact(const QSqlDatabase& db, qint64 codcon, QString* error = nullptr);
// Removes every yearly task linked to the Contact (its birthday).
bool deleteLinkedTasks(const QSqlDatabase& db, qint64 codcon, QString* error = nullptr);
// Inserts a copy of the Contact (empty columns become empty texts); the
// copy gets a new key and no birthday link. The new key, or nothing.
std::optional<qint64> cloneContact(const QSqlDatabase& db, qint64 codcon, QString* error = nullptr);

// " You are in order to eliminate "<name><random ending>
QString deleteContactQuestion(const QString& name);
// " Delete the linked task "<description>"
QString deleteLinkedTaskQuestion(const QString& description);

} // namespace brivane::contacts
