#pragma once

#include <QList>
#include <QString>
#include <QUrl>

namespace brivane::platform {

// Opens files, folders, mail, web and tel: addresses with the desktop's
// handler. Tests record the addresses instead of starting anything.
class Shell
{
public:
    static bool open(const QUrl& url);
    static bool openPath(const QString& path) { return open(QUrl::fromLocalFile(path)); }
    // The user's Desktop folder, the start folder of pickers and exports.
    static QString desktopFolder();

    static void setRecording(bool recording);
    static QList<QUrl> opened();
    static void clearOpened();
};

} // namespace brivane::platform
