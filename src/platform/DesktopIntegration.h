#pragma once

#include <QString>
#include <QStringList>

namespace brivane::platform {

// Files that tie the program into the desktop: the autostart entry that
// starts it at logon, the launcher on the Desktop, and the autorun.inf of
// a removable disk that carries program and archive.
namespace desktop {

// ~/.config/autostart/brivane-organizer.desktop (XDG_CONFIG_HOME respected).
QString autostartEntryPath();
// <Desktop folder>/brivane-organizer.desktop
QString launcherPath(const QString& desktopFolder);
// A launcher for the executable, started in its own folder, no arguments.
QByteArray launcherContent(const QString& executable);
// Writes a launcher, creating missing folders and replacing an old one.
bool writeLauncher(const QString& path, const QString& executable, QString* error = nullptr);

// The lines of the autorun.inf the program writes, for a program in
// `relativeFolder` (its folder below the disk's root, "" at the root).
QStringList autorunLines(const QString& relativeFolder);
QByteArray autorunContent(const QString& relativeFolder);
// Whether an existing autorun.inf is the program's own (its second line).
bool isOwnAutorun(const QByteArray& content);
// The program folder below the root of its disk, with "\" separators.
QString autorunRelativeFolder(const QString& programFolder, const QString& mountRoot);

} // namespace desktop
} // namespace brivane::platform
