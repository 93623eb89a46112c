#include "store/ArchiveStartup.h"

#include "store/ArchiveLocation.h"

namespace brivane::store {

bool ArchiveStartup::openAndUpgrade(Archive& archive, const QString& folder, const QString& programFolder,
                                    SchemaResult& schema, QString* error) const
{
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
        if (!openAndUpgrade(defaultArchive, outcome.defaultFolder, programFolder, ignored, error))
            return false;
        defaultArchive.close();

        if (net.folderExists) {
            outcome.archiveFolder = net.line;
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
    return openAndUpgrade(archive, outcome.archiveFolder, programFolder, outcome.schema, error);
}

} // namespace brivane::store
