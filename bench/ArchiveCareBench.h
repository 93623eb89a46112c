#pragma once

#include "Timing.h"

#include <QString>

namespace brivane::bench {

// Archive care on a copy of the generated archive with 50,000 contacts
// added: the backup (a compacted copy written beside the target, then
// renamed) and a deposit of 10,000 one-shot tasks into the repository.
// Each figure has its floor beside it: the same statements run through the
// SQLite C API on a plain connection.
struct ArchiveCareFigures
{
    Summary backup;
    Summary backupFloor;
    double archiveMiB = 0;
    Summary deposit;
    Summary depositFloor;
    int deposited = 0;
    QString error;
};

ArchiveCareFigures measureArchiveCare(const QString& generatedArchive, const QString& workFolder);

} // namespace brivane::bench
