#include "store/ArchiveLocation.h"

#include "contacts/TextFileReader.h"
#include "store/PrivateFiles.h"

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

void ArchiveLocation::nameTheProgram()
{
    QCoreApplication::setApplicationName(QStringLiteral("Brivane Organizer"));
    QCoreApplication::setOrganizationName(QStringLiteral("Brivane"));
}

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

QString ArchiveLocation::tooLongText(const QString& text)
{
    return QStringLiteral("The path you have chosen is too long:\r\n") + text + QStringLiteral("\r\n\r\n")
           + QStringLiteral("Try again with a shorter one at least ") + QString::number(excessLength(text))
           + QStringLiteral(" characters.");
}

ArchiveLocation::NetFile ArchiveLocation::readNetFile(const QString& defaultFolder)
{
    NetFile net;
    const QString path = netFilePath(defaultFolder);
    net.present = QFileInfo::exists(path);
    if (!net.present)
        return net;
    const auto refuse = [&](const QString& why) {
        net.problem = NetFile::Problem::Unreadable;
        net.message = QStringLiteral("I can not read the file \"%1\": %2. I will work in the default folder (%3); "
                                     "choose the shared folder again with the Change button.")
                          .arg(path, why, defaultFolder);
        return net;
    };
    // Only line 1 counts; a longer first line is no path the Change button wrote.
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return refuse(file.errorString());
    const QByteArray head = file.read(4096);
    const contacts::TextFileReader::Result text = contacts::TextFileReader::decode(head, path);
    if (!text.ok())
        return refuse(QStringLiteral("it is not a text file"));
    net.line = text.text.section(QLatin1Char('\n'), 0, 0);
    while (net.line.endsWith(QLatin1Char('\r')))
        net.line.chop(1);
    if (net.line.trimmed().isEmpty())
        return refuse(QStringLiteral("it is empty"));
    const QString stored = net.line + QStringLiteral("\r\n");
    if (excessLength(stored) > 0) {
        net.problem = NetFile::Problem::TooLong;
        net.message = tooLongText(stored);
        return net;
    }
    // Never the working directory: where the program was started from must
    // not change which archive it opens.
    net.folder = QDir::isRelativePath(net.line) ? QDir::cleanPath(QDir(defaultFolder).absoluteFilePath(net.line))
                                                : net.line;
    net.folderExists = QFileInfo(net.folder).isDir();
    return net;
}

bool ArchiveLocation::writeNetFile(const QString& defaultFolder, const QString& folder, QString* error)
{
    makePrivateFolder(defaultFolder);
    const QString path = netFilePath(defaultFolder);
    const bool isNew = !QFileInfo::exists(path);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    if (isNew)
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
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
