#pragma once

#include <QSqlDatabase>
#include <QString>
#include <functional>

class QWidget;

namespace brivane::store::widgets {

// The Backup and Restore commands of the Options tab and the swap of a
// pending restore at the opening of an archive, with their questions and
// messages. The window lends its unsaved-file prompt, "Refresh all" and
// the ending of the process.
class BackupCommands
{
public:
    struct Window
    {
        QWidget* parent = nullptr;
        std::function<void()> unsavedFilePrompt;
        std::function<void()> refreshAll;
        std::function<void()> terminate;
    };

    explicit BackupCommands(Window window) : m_window(std::move(window)) {}

    static QString fileFilter();

    void backup(const QSqlDatabase& db, const QString& desktopFolder);
    // `autostartOn`: this machine's autostart state, written into the copy.
    void restore(const QString& archiveFolder, const QString& desktopFolder, bool autostartOn);

    // Swaps restore.abs in before the archive of `archiveFolder` is opened;
    // messages go to `parent`.
    static void swapPendingRestore(QWidget* parent, const QString& archiveFolder);

private:
    Window m_window;
};

} // namespace brivane::store::widgets
