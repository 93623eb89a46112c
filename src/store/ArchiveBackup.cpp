#include "store/ArchiveBackup.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace brivane::store {

namespace {

void setError(QString* error, const QString& text)
{
    if (error)
        *error = text;
}

} // namespace

QString ArchiveBackup::timestamp(const QDateTime& moment)
{
    return moment.toString(QStringLiteral("yyyy-MM-dd-HH-mm-ss"));
}

QString ArchiveBackup::timestampedName(const QDateTime& moment)
{
    return QStringLiteral("boarc-") + timestamp(moment) + QStringLiteral(".abs");
}

QString ArchiveBackup::copyStatement()
{
    return QStringLiteral("VACUUM INTO :target");
}

bool ArchiveBackup::write(const QSqlDatabase& db, const QString& targetPath, QString* error)
{
    const QFileInfo target(targetPath);
    if (target.exists() && !target.isFile()) {
        setError(error, QStringLiteral("\"%1\" is not a file.").arg(targetPath));
        return false;
    }
    const QString temporary = target.absoluteDir().filePath(
        QStringLiteral(".") + target.fileName() + QStringLiteral(".") + QUuid::createUuid().toString(QUuid::Id128)
        + QStringLiteral(".tmp"));
    {
        QSqlQuery query(db);
        query.prepare(copyStatement());
        query.bindValue(QStringLiteral(":target"), temporary);
        if (!query.exec()) {
            setError(error, query.lastError().text());
            QFile::remove(temporary);
            return false;
        }
    }
    // rename() replaces the old file in one step: the target is at every
    // moment either the old file or the complete new copy.
    if (std::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(target.absoluteFilePath()).constData())
        != 0) {
        setError(error, QStringLiteral("I can not write \"%1\": %2")
                            .arg(targetPath, QString::fromLocal8Bit(std::strerror(errno))));
        QFile::remove(temporary);
        return false;
    }
    return true;
}

} // namespace brivane::store
