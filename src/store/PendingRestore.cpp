#include "store/PendingRestore.h"

#include "store/Archive.h"
#include "store/ArchiveBackup.h"
#include "store/ArchiveCheck.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QUuid>

#include <cstdio>

namespace brivane::store {

namespace {

// Writes this machine's autostart state into the copy; false when the copy
// refuses the write.
bool alignAutostart(const QString& path, const QString& autostart, QString* reason)
{
    const QString name = QStringLiteral("restore-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
    bool ok = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
        if (!db.open()) {
            ok = false;
            *reason = db.lastError().text();
        } else {
            if (db.record(QStringLiteral("BRset63")).indexOf(QStringLiteral("autostart")) >= 0) {
                QSqlQuery query(db);
                query.prepare(QStringLiteral("UPDATE BRset63\nSET autostart = :autostart"));
                query.bindValue(QStringLiteral(":autostart"), autostart);
                if (!query.exec()) {
                    ok = false;
                    *reason = query.lastError().text();
                }
            }
            // Leave a plain file behind, with no journal mode of another machine.
            QSqlQuery(db).exec(QStringLiteral("PRAGMA journal_mode=DELETE"));
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return ok;
}

bool renameOver(const QString& from, const QString& to)
{
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

// A name in `folder` built from `base` that no file holds yet.
QString freeName(const QDir& folder, const QString& base, const QString& suffix)
{
    QString name = base + suffix;
    for (int n = 2; folder.exists(name); ++n)
        name = base + QLatin1Char('-') + QString::number(n) + suffix;
    return name;
}

} // namespace

QString PendingRestore::pendingPath(const QString& archiveFolder)
{
    return QDir(archiveFolder).filePath(QString::fromLatin1(kFileName));
}

PendingRestore::Placement PendingRestore::place(const QString& chosenFile, const QString& archiveFolder,
                                                const QString& autostart)
{
    Placement placement;
    if (!ArchiveCheck::isArchive(chosenFile, &placement.reason)) {
        placement.result = PlaceResult::NotAnArchive;
        return placement;
    }
    const QString target = pendingPath(archiveFolder);
    const QString temporary = target + QStringLiteral(".") + QUuid::createUuid().toString(QUuid::Id128)
                              + QStringLiteral(".tmp");
    if (!QFile::copy(chosenFile, temporary)) {
        placement.reason = QStringLiteral("the copy failed");
        QFile::remove(temporary);
        return placement;
    }
    QFile::setPermissions(temporary, QFile::permissions(temporary) | QFile::WriteOwner | QFile::ReadOwner);
    if (!alignAutostart(temporary, autostart, &placement.reason) || !renameOver(temporary, target)) {
        QFile::remove(temporary);
        return placement;
    }
    placement.result = PlaceResult::Placed;
    return placement;
}

PendingRestore::Swap PendingRestore::swap(const QString& archiveFolder, const QDateTime& now)
{
    Swap swap;
    const QDir folder(archiveFolder);
    const QString pending = pendingPath(archiveFolder);
    if (!QFileInfo(pending).isFile())
        return swap;

    const QString stamp = ArchiveBackup::timestamp(now);
    if (!ArchiveCheck::isArchive(pending, &swap.reason)) {
        swap.result = SwapResult::Refused;
        const QString aside = freeName(folder, QStringLiteral("restore-refused-") + stamp, QStringLiteral(".abs"));
        if (QFile::rename(pending, folder.filePath(aside)))
            swap.refusedName = aside;
        return swap;
    }

    const QString archive = folder.filePath(QString::fromLatin1(Archive::kFileName));
    QString replaced;
    if (QFileInfo::exists(archive)) {
        replaced = freeName(folder, QStringLiteral("boarc-") + stamp, QStringLiteral(".abs"));
        // QFile::rename never replaces an existing file.
        if (!QFile::rename(archive, folder.filePath(replaced))) {
            swap.result = SwapResult::RenameFailed;
            return swap;
        }
        // A journal left by a crash belongs to the file it was written for.
        const QString journal = archive + QStringLiteral("-journal");
        if (QFileInfo::exists(journal))
            QFile::rename(journal, folder.filePath(replaced) + QStringLiteral("-journal"));
        swap.replacedName = replaced;
    }
    if (!QFile::rename(pending, archive)) {
        if (!replaced.isEmpty()) {
            QFile::rename(folder.filePath(replaced), archive);
            QFile::rename(folder.filePath(replaced) + QStringLiteral("-journal"), archive + QStringLiteral("-journal"));
        }
        swap.replacedName.clear();
        swap.result = SwapResult::RenameFailed;
        return swap;
    }
    swap.result = SwapResult::Swapped;
    return swap;
}

} // namespace brivane::store
