#pragma once

#include <QSqlDatabase>
#include <QStringList>

namespace brivane::store {

// The notice that an archive of the older table-file format was found and
// needs the separate converter program.
namespace migration_notice {

// The project's page, where the converter is offered; the one place of the
// program that names it.
QString makerAddress();
// The sixteen lines of the notice.
QStringList lines();
QString saveStatement();
bool save(const QSqlDatabase& db, bool owed, QString* error = nullptr);

} // namespace migration_notice

} // namespace brivane::store
