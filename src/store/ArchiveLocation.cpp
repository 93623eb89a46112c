#include "store/ArchiveLocation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace brivane::store {

namespace {

QString withSeparator(const QString& folder)
{
    const QString clean = QDir::cleanPath(folder);
    return clean.endsWith(QLatin1Char('/')) ? clean : clean + QLatin1Char('/');
}

} // namespace

QString ArchiveLocation::programFolder()
{
    const QString home = qEnvironmentVariable("BRIVANE_HOME");
    if (!home.isEmpty())
        return withSeparator(QDir(home).absolutePath());
    const QString executableFolder = QCoreApplication::applicationDirPath();
    if (QFileInfo(executableFolder).isWritable())
        return withSeparator(executableFolder);
    // An installed copy cannot write beside itself.
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(data);
    return withSeparator(data);
}

QString ArchiveLocation::defaultArchiveFolder(const QString& programFolder)
{
    return programFolder + QStringLiteral("myarcs");
}

int ArchiveLocation::excessLength(const QString& text)
{
    return text.size() >= kMaxPathText ? text.size() - (kMaxPathText - 1) : 0;
}

QString ArchiveLocation::netFilePath(const QString& defaultFolder)
{
    return QDir(defaultFolder).filePath(QStringLiteral("Net.txt"));
}

ArchiveLocation::NetFile ArchiveLocation::readNetFile(const QString& defaultFolder)
{
    NetFile net;
    QFile file(netFilePath(defaultFolder));
    net.present = file.exists();
    if (!net.present || !file.open(QIODevice::ReadOnly))
        return net;
    const QByteArray bytes = file.readLine(4096);
    net.line = QString::fromUtf8(bytes);
    while (net.line.endsWith(QLatin1Char('\n')) || net.line.endsWith(QLatin1Char('\r')))
        net.line.chop(1);
    net.folderExists = !net.line.trimmed().isEmpty() && QFileInfo(net.line).isDir();
    return net;
}

bool ArchiveLocation::writeNetFile(const QString& defaultFolder, const QString& folder, QString* error)
{
    QDir().mkpath(defaultFolder);
    QSaveFile file(netFilePath(defaultFolder));
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    file.write(folder.toUtf8() + "\r\n");
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

bool ArchiveLocation::removeNetFile(const QString& defaultFolder)
{
    return QFile::remove(netFilePath(defaultFolder));
}

} // namespace brivane::store
