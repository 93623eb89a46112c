#include "platform/Shell.h"

#include <QDesktopServices>
#include <QDir>
#include <QStandardPaths>

namespace brivane::platform {

namespace {
bool recording = false;
QList<QUrl> openedUrls;
} // namespace

bool Shell::open(const QUrl& url)
{
    if (recording) {
        openedUrls << url;
        return true;
    }
    return QDesktopServices::openUrl(url);
}

QString Shell::desktopFolder()
{
    const QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    return desktop.isEmpty() ? QDir::homePath() : desktop;
}

void Shell::setRecording(bool value)
{
    recording = value;
}

QList<QUrl> Shell::opened()
{
    return openedUrls;
}

void Shell::clearOpened()
{
    openedUrls.clear();
}

} // namespace brivane::platform
