#pragma once

#include <QString>

namespace brivane::store {

// Tells whether a file is an archive of this program: an SQLite database
// that passes its quick check and holds the seven tables. The file is only
// read, through a connection of its own that is closed before returning.
class ArchiveCheck
{
public:
    // True for an archive of ours; otherwise false with the reason.
    static bool isArchive(const QString& path, QString* reason = nullptr);
    static const QStringList& requiredTables();
};

} // namespace brivane::store
