#pragma once

#include "store/SettingsRecord.h"

#include <QSqlDatabase>
#include <QString>
#include <QStringList>

struct sqlite3;

namespace brivane::store {

// What creating and upgrading an archive did.
struct SchemaResult
{
    // One line per table created, each ending in "\r".
    QStringList report;
    // The seeding of a group section empties that tab's group filter.
    bool contactGroupsSeeded = false;
    bool noteGroupsSeeded = false;
    bool toDoGroupsSeeded = false;
    SettingsRecord settings;
};

// Creates the missing tables of an archive and brings an older layout up to
// date. The whole run is one transaction: when any statement fails nothing
// of it stays and the archive is exactly as before. Safe at every start: a
// current archive is left unchanged.
class Schema
{
public:
    Schema(QSqlDatabase db, QString archiveFolder, QString programFolder);

    bool createAndUpgrade(SchemaResult& result, QString* error = nullptr);
    // True when createAndUpgrade would change nothing: every table, column
    // and index is there and no DROPSET marker waits. Only reads.
    bool isCurrent() const;
    // The same on a bare engine connection to the archive in `archiveFolder`.
    static bool isCurrent(sqlite3* connection, const QString& archiveFolder);

    static QStringList tableNames();

private:
    bool run(const QString& statement, QString* error);
    bool tableExists(const QString& table) const;
    bool seedGroups(const QStringList& names, const QString& section, QString* error);
    bool upgradeSettings(SettingsRecord& settings, QString* error);
    bool addColumn(const QString& table, const QString& column, const QString& type, QString* error);
    bool legacyArchivePresent() const;

    QSqlDatabase m_db;
    QString m_archiveFolder;
    QString m_programFolder;
};

} // namespace brivane::store
