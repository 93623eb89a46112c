#pragma once

#include "store/Archive.h"
#include "store/Schema.h"

#include <functional>

namespace brivane::store {

// Opens the archive the way every start does: resolve the folder through
// Net.txt, keep the default archive current even while a shared one is in
// use, open (creating when missing) and bring the layout up to date.
class ArchiveStartup
{
public:
    enum class NetFileChoice { Keep, Drop };

    // Asked when Net.txt names a folder that does not exist (or is empty or
    // unreadable). The run goes on in the default folder either way.
    std::function<NetFileChoice(const QString& namedFolder, const QString& defaultFolder)> onMissingSharedFolder;
    // Told when Net.txt cannot be used (empty, not text, a path too long);
    // the run goes on in the default folder and Net.txt stays.
    std::function<void(const QString& message)> onNetFileRefused;
    // Runs on a folder before its archive is opened (the pending-restore swap).
    std::function<void(const QString& archiveFolder)> beforeOpen;
    // For a reader only: an existing archive that is current or cannot be
    // written is opened read-only, without the create and upgrade step.
    bool readOnlyAllowed = false;

    struct Outcome
    {
        QString defaultFolder;
        QString archiveFolder;
        bool netFilePresent = false; // after the missing-folder choice
        bool readOnly = false;       // opened read-only (readOnlyAllowed)
        SchemaResult schema;
    };

    bool open(Archive& archive, const QString& programFolder, Outcome& outcome, QString* error = nullptr) const;

private:
    bool openAndUpgrade(Archive& archive, const QString& folder, const QString& programFolder,
                        SchemaResult& schema, bool* readOnly, QString* error) const;
};

} // namespace brivane::store
