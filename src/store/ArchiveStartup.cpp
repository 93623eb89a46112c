#include "store/ArchiveStartup.h"

#include "store/ArchiveLocation.h"

#include <QDir>
#include <QFileInfo>

namespace brivane::store {

bool ArchiveStartup::openAndUpgrade(Archive& archive, const QString& folder, const QString& programFolder,
                                    SchemaResult& schema, bool* readOnly, QString* error) const
{
    *readOnly = false;
    if (readOnlyAllowed && QFileInfo::exists(QDir(folder).filePath(QLatin1String(Archive::kFileName)))) {
        // A reader of a current archive neither writes nor checks it: its
        // reads meet any damage in the pages they need. One it may not write
        // is read as it is.
        if (!Archive::whyNotWritable(folder).isEmpty()) {
            *readOnly = true;
            return archive.openReadOnly(folder, error);
        }
        if (archive.openReadOnly(folder) && Schema(archive.database(), folder, programFolder).isCurrent()) {
            *readOnly = true;
            return true;
        }
        // Older, unfinished (a journal to roll back) or unreadable: the full
        // open below brings it up to date or tells what is wrong.
        archive.close();
    }
    if (beforeOpen)
        beforeOpen(folder);
    if (!archive.open(folder, error))
        return false;
    Schema upgrade(archive.database(), folder, programFolder);
    QString schemaError;
    if (!upgrade.createAndUpgrade(schema, &schemaError)) {
        if (error)
            *error = QStringLiteral("I can not prepare the archive \"%1\": %2").arg(archive.filePath(), schemaError);
        archive.close();
        return false;
    }
    return true;
}

bool ArchiveStartup::open(Archive& archive, const QString& programFolder, Outcome& outcome, QString* error) const
{
    outcome = Outcome();
    outcome.defaultFolder = ArchiveLocation::defaultArchiveFolder(programFolder);
    outcome.archiveFolder = outcome.defaultFolder;

    const ArchiveLocation::NetFile net = ArchiveLocation::readNetFile(outcome.defaultFolder);
    outcome.netFilePresent = net.present;
    if (net.present) {
        // The default archive is kept current while the shared one is used.
        Archive defaultArchive(archive.connectionName() + QStringLiteral("_DEFAULT"));
        SchemaResult ignored;
        bool defaultReadOnly = false;
        if (!openAndUpgrade(defaultArchive, outcome.defaultFolder, programFolder, ignored, &defaultReadOnly,
                            error))
            return false;
        defaultArchive.close();

        if (net.problem != ArchiveLocation::NetFile::Problem::None) {
            if (onNetFileRefused)
                onNetFileRefused(net.message);
        } else if (net.folderExists) {
            outcome.archiveFolder = net.folder;
        } else {
            const NetFileChoice choice = onMissingSharedFolder
                                             ? onMissingSharedFolder(net.line, outcome.defaultFolder)
                                             : NetFileChoice::Keep;
            if (choice == NetFileChoice::Drop) {
                ArchiveLocation::removeNetFile(outcome.defaultFolder);
                outcome.netFilePresent = false;
            }
        }
    }
    return openAndUpgrade(archive, outcome.archiveFolder, programFolder, outcome.schema, &outcome.readOnly, error);
}

} // namespace brivane::store
