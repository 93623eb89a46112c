#include "store/PrivateFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

namespace brivane::store {

namespace {

constexpr QFile::Permissions kPrivateFolder = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
constexpr QFile::Permissions kPrivateFile = QFile::ReadOwner | QFile::WriteOwner;

} // namespace

bool makePrivateFolder(const QString& folder)
{
    QString path = QDir::cleanPath(QDir(folder).absolutePath());
    QStringList missing;
    while (!QFileInfo::exists(path)) {
        missing.prepend(path);
        const QString parent = QFileInfo(path).path();
        if (parent == path)
            break;
        path = parent;
    }
    for (const QString& created : std::as_const(missing)) {
        if (!QDir().mkdir(created, kPrivateFolder) && !QFileInfo(created).isDir())
            return false;
    }
    return QFileInfo(folder).isDir();
}

bool createPrivateFile(const QString& path, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly, kPrivateFile)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace brivane::store
