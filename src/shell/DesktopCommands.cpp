#include "shell/DesktopCommands.h"

#include "platform/DesktopIntegration.h"
#include "platform/Shell.h"
#include "platform/widgets/MessageBox.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStorageInfo>

namespace brivane::shell {

using platform::MessageBox;
namespace desktop = platform::desktop;

namespace {

bool writeFile(const QString& path, const QByteArray& content, QString* error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size() || !file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace

DesktopCommands::DesktopCommands(QWidget* parent, QString executable, QString programFolder)
    : m_parent(parent), m_executable(std::move(executable)), m_programFolder(std::move(programFolder))
{
}

bool DesktopCommands::autostartExists()
{
    return QFileInfo::exists(desktop::autostartEntryPath());
}

bool DesktopCommands::setAutostart(bool on)
{
    const QString path = desktop::autostartEntryPath();
    if (on) {
        QString error;
        if (!desktop::writeLauncher(path, m_executable, &error))
            MessageBox::warning(m_parent, QStringLiteral("I can not write \"%1\": %2").arg(path, error));
    } else if (QFileInfo::exists(path)) {
        QFile::remove(path);
    }
    return autostartExists();
}

void DesktopCommands::linkToDesktop()
{
    if (MessageBox::question(m_parent, QStringLiteral("Create desktop shortcut?")) != MessageBox::Answer::Yes)
        return;
    const QString path = desktop::launcherPath(platform::Shell::desktopFolder());
    QString error;
    if (!desktop::writeLauncher(path, m_executable, &error))
        MessageBox::warning(m_parent, QStringLiteral("I can not write \"%1\": %2").arg(path, error));
}

void DesktopCommands::toggleAutorun()
{
    const QStorageInfo storage(m_programFolder);
    QString root = storage.isValid() ? storage.rootPath() : QDir::rootPath();
    if (!root.endsWith(QLatin1Char('/')))
        root += QLatin1Char('/');
    // The system disk is never given an autorun file.
    if (root == QDir::rootPath()) {
        MessageBox::warning(m_parent, QStringLiteral("I can not create the file \"autorun.inf\" in drive \"") + root
                                          + QStringLiteral("\"\nUse this option only to a removable disk!"));
        return;
    }
    const QString path = root + QStringLiteral("autorun.inf");
    const QByteArray content = desktop::autorunContent(desktop::autorunRelativeFolder(m_programFolder, root));
    const QString generated = QStringLiteral("The autorun.inf file was generated. Use this same option to delete it.");
    QString error;
    QFile existing(path);
    if (!existing.exists()) {
        if (MessageBox::question(m_parent, QStringLiteral("Create \"") + path + QLatin1Char('"')) != MessageBox::Answer::Yes)
            return;
        if (!writeFile(path, content, &error)) {
            MessageBox::warning(m_parent, QStringLiteral("I can not write \"%1\": %2").arg(path, error));
            return;
        }
        MessageBox::information(m_parent, generated);
        return;
    }
    if (!existing.open(QIODevice::ReadOnly)) {
        MessageBox::warning(m_parent, QStringLiteral("I can not read \"%1\": %2").arg(path, existing.errorString()));
        return;
    }
    const QByteArray old = existing.readAll();
    existing.close();
    if (desktop::isOwnAutorun(old)) {
        if (MessageBox::question(m_parent, QStringLiteral("Delete \"") + path + QLatin1Char('"')) == MessageBox::Answer::Yes
            && QFile::remove(path))
            MessageBox::information(m_parent,
                                    QStringLiteral("The autorun.inf file was deleted Use this same option to recreate it."));
        return;
    }
    if (MessageBox::question(m_parent, QString::fromUtf8(old) + QStringLiteral("\n\nAn autorun.inf file already exists.\n"
                                                                               "Do you want to overwrite it?"))
        != MessageBox::Answer::Yes)
        return;
    // The other program's file is kept beside as autorun.old.
    if (!writeFile(root + QStringLiteral("autorun.old"), old + "\r\n\n\r\n\r\n", &error)
        || !writeFile(path, content, &error)) {
        MessageBox::warning(m_parent, QStringLiteral("I can not write \"%1\": %2").arg(path, error));
        return;
    }
    MessageBox::information(m_parent, generated);
}

} // namespace brivane::shell
