#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QStringList>

namespace brivane::store {

// Alphabetical order of the user's language ("Élodie" with the E's, "Müller"
// with the M's, letter case only breaking ties), registered on every
// connection as the collation LOCALE. Statements name it in their ORDER BY
// only: the archive's tables and indexes never use it, so any SQLite tool
// still reads and writes the archive. The order follows the default locale
// at the moment the connection is opened.
inline constexpr char kLocaleCollation[] = "LOCALE";

bool registerLocaleCollation(const QSqlDatabase& db);

// `column` ordered by the collation, as an ORDER BY term.
QString localeOrdered(const QString& column);

// The comparison the collation makes, for lists sorted in the program.
int localeCompare(QStringView a, QStringView b);
void sortByLocale(QStringList& texts);

} // namespace brivane::store
