#pragma once

#include <QDateTime>
#include <QString>

namespace brivane::store {

// A restore in two halves. place() puts a checked copy of the chosen backup
// beside the archive as restore.abs; swap(), at the next opening of that
// folder and before the archive is named, makes it boarc.abs and keeps the
// archive it replaces under a timestamped name. No step ever leaves the
// folder without its archive or with two files of one name.
class PendingRestore
{
public:
    static constexpr auto kFileName = "restore.abs";

    enum class PlaceResult { Placed, NotAnArchive, CopyFailed };
    struct Placement
    {
        PlaceResult result = PlaceResult::CopyFailed;
        QString reason;
    };
    // `autostart` ("Y" or "N") is written into the copy's settings when its
    // settings have that column, so they agree with this machine.
    static Placement place(const QString& chosenFile, const QString& archiveFolder, const QString& autostart);

    enum class SwapResult { NothingPending, Swapped, Refused, RenameFailed };
    struct Swap
    {
        SwapResult result = SwapResult::NothingPending;
        QString replacedName; // the timestamped name of the replaced archive, if any
        QString refusedName;  // where a refused restore.abs was put aside
        QString reason;
    };
    static Swap swap(const QString& archiveFolder, const QDateTime& now);

    static QString pendingPath(const QString& archiveFolder);
};

} // namespace brivane::store
