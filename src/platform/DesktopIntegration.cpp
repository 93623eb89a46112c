#include "platform/DesktopIntegration.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace brivane::platform::desktop {

QString autostartEntryPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
           + QStringLiteral("/autostart/brivane-organizer.desktop");
}

QString launcherPath(const QString& desktopFolder)
{
    return QDir(desktopFolder).filePath(QStringLiteral("brivane-organizer.desktop"));
}

QByteArray launcherContent(const QString& executable)
{
    const QString folder = QFileInfo(executable).absolutePath();
    // Exec needs quotes for paths with blanks; Path is the working folder.
    return QStringList{
        QStringLiteral("[Desktop Entry]"),
        QStringLiteral("Type=Application"),
        QStringLiteral("Name=Brivane Organizer"),
        QStringLiteral("Comment=Agenda, contacts, notes and to-do list"),
        QStringLiteral("Exec=\"") + executable + QLatin1Char('"'),
        QStringLiteral("Path=") + folder,
        QStringLiteral("Terminal=false"),
        QStringLiteral("Categories=Office;Calendar;"),
        QString(),
    }.join(QLatin1Char('\n')).toUtf8();
}

bool writeLauncher(const QString& path, const QString& executable, QString* error)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    file.write(launcherContent(executable));
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    // Desktops start only launchers marked executable.
    QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::ExeOwner | QFileDevice::ExeUser);
    return true;
}

QStringList autorunLines(const QString& relativeFolder)
{
    return {
        QStringLiteral("[autorun]"),
        QStringLiteral("action=Start Brivane Organizer"),
        QStringLiteral("icon=\\") + relativeFolder + QStringLiteral("\\bOrganizer.exe,0"),
        QStringLiteral("open=") + relativeFolder + QStringLiteral("\\bOrganizer.exe"),
        QStringLiteral("label=Brivane Organizer"),
        QStringLiteral("shell\\brorg=Start Brivane Organizer"),
        QStringLiteral("shell\\brorg\\command=") + relativeFolder + QStringLiteral("\\bOrganizer.exe"),
    };
}

QByteArray autorunContent(const QString& relativeFolder)
{
    QByteArray content;
    for (const QString& line : autorunLines(relativeFolder))
        content += line.toUtf8() + "\r\n";
    return content;
}

bool isOwnAutorun(const QByteArray& content)
{
    const QList<QByteArray> lines = content.split('\n');
    return lines.size() >= 2 && lines.at(1).trimmed() == "action=Start Brivane Organizer";
}

QString autorunRelativeFolder(const QString& programFolder, const QString& mountRoot)
{
    QString relative = QDir(mountRoot).relativeFilePath(QDir::cleanPath(programFolder));
    if (relative == QLatin1String("."))
        relative.clear();
    return relative.replace(QLatin1Char('/'), QLatin1Char('\\'));
}

} // namespace brivane::platform::desktop
