#include "platform/PrivateFolder.h"

#include <QDir>
#include <QFile>

#include <cerrno>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace brivane::platform {

QString privateFolderIn(const QString& base)
{
#ifdef Q_OS_UNIX
    const QString folder =
        QDir(base).filePath(QStringLiteral("brivane-organizer-") + QString::number(::getuid()));
    const QByteArray path = QFile::encodeName(folder);
    if (::mkdir(path.constData(), 0700) != 0 && errno != EEXIST)
        return QString();
    struct stat info = {};
    if (::lstat(path.constData(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != ::getuid())
        return QString();
    if ((info.st_mode & 077) != 0 && ::chmod(path.constData(), 0700) != 0)
        return QString();
    return folder;
#else
    return QDir(base).absolutePath();
#endif
}

} // namespace brivane::platform
