#pragma once

#include <QDateTime>
#include <QSqlDatabase>
#include <QString>

namespace brivane::store {

// Writes a complete, consistent and compacted copy of the open archive while
// the program keeps running: the engine copies one read snapshot (so another
// machine writing to a shared archive at the same time cannot tear it) into a
// temporary file beside the target, and only a finished copy takes the
// target's name. The connection stays open whatever happens.
class ArchiveBackup
{
public:
    // "boarc-" + timestamp + ".abs", the name offered for a backup and given
    // to an archive replaced by a restore.
    static QString timestampedName(const QDateTime& moment);
    static QString timestamp(const QDateTime& moment);

    static bool write(const QSqlDatabase& db, const QString& targetPath, QString* error = nullptr);
    // The statement that writes the copy; the path is bound.
    static QString copyStatement();
};

} // namespace brivane::store
