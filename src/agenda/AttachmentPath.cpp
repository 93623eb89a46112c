#include "agenda/AttachmentPath.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace brivane::agenda {

QString normalizedAttachment(const QString& text, const QString& programFolder)
{
    if (programFolder.isEmpty())
        return text;
    QString folder = programFolder;
    if (!folder.endsWith(u'/'))
        folder += u'/';
    QString result = text;
    result.remove(folder + u"allegati/"_s, Qt::CaseSensitive);
    result.remove(folder + u"attaches/"_s, Qt::CaseSensitive);
    return result;
}

QString attachFileStartFolder(const QString& attachment, const QString& fallback)
{
    if (attachment.isEmpty() || QDir::isRelativePath(attachment))
        return fallback;
    const QString folder = QFileInfo(attachment).path();
    return QFileInfo(folder).isDir() ? folder : fallback;
}

QString attachFolderStartFolder(const QString& attachment)
{
    if (!attachment.isEmpty() && !QDir::isRelativePath(attachment) && QFileInfo(attachment).isDir())
        return attachment;
    return QDir::rootPath();
}

} // namespace brivane::agenda
