#include "store/widgets/BackupCommands.h"

#include "platform/Clock.h"
#include "platform/widgets/FileDialog.h"
#include "platform/widgets/MessageBox.h"
#include "store/ArchiveBackup.h"
#include "store/PendingRestore.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>

namespace brivane::store::widgets {

using platform::MessageBox;

QString BackupCommands::fileFilter()
{
    return QStringLiteral("Brivane Organizer Archive Backup (*.abs)");
}

void BackupCommands::backup(const QSqlDatabase& db, const QString& desktopFolder)
{
    if (m_window.unsavedFilePrompt)
        m_window.unsavedFilePrompt();
    const QString proposed =
        QDir(desktopFolder).filePath(ArchiveBackup::timestampedName(platform::Clock::instance().now()));
    const QString chosen =
        platform::FileDialog::saveFile(m_window.parent, QStringLiteral("Backup"), proposed, fileFilter());
    if (chosen.isEmpty())
        return;
    if (QFileInfo::exists(chosen)
        && MessageBox::question(m_window.parent, QStringLiteral("Overwrite \"") + QFileInfo(chosen).fileName()
                                                     + QStringLiteral("\"?"))
               != MessageBox::Answer::Yes)
        return;
    QString error;
    {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        const bool written = ArchiveBackup::write(db, chosen, &error);
        QApplication::restoreOverrideCursor();
        if (!written) {
            MessageBox::warning(m_window.parent, QStringLiteral("I can not write the backup \"%1\": %2").arg(chosen, error));
            return;
        }
    }
    if (m_window.refreshAll)
        m_window.refreshAll();
}

void BackupCommands::restore(const QString& archiveFolder, const QString& desktopFolder, bool autostartOn)
{
    if (m_window.unsavedFilePrompt)
        m_window.unsavedFilePrompt();
    MessageBox::information(m_window.parent, QStringLiteral("Restored archive overwrites the archive in use."));
    const QString chosen =
        platform::FileDialog::openFile(m_window.parent, QStringLiteral("Restore"), desktopFolder, fileFilter());
    if (chosen.isEmpty())
        return;
    const PendingRestore::Placement placement =
        PendingRestore::place(chosen, archiveFolder, autostartOn ? QStringLiteral("Y") : QStringLiteral("N"));
    switch (placement.result) {
    case PendingRestore::PlaceResult::NotAnArchive:
        MessageBox::warning(m_window.parent, QStringLiteral("\"%1\" is not an archive of Brivane Organizer (%2): "
                                                            "nothing was imported.")
                                                 .arg(QFileInfo(chosen).fileName(), placement.reason));
        return;
    case PendingRestore::PlaceResult::CopyFailed:
        MessageBox::information(m_window.parent, QStringLiteral("I can not import!"));
        return;
    case PendingRestore::PlaceResult::Placed:
        break;
    }
    MessageBox::information(m_window.parent,
                            QStringLiteral(" The import procedure is complete!\r You will have to restart me manually!"));
    if (m_window.terminate)
        m_window.terminate();
}

void BackupCommands::swapPendingRestore(QWidget* parent, const QString& archiveFolder)
{
    const PendingRestore::Swap swap = PendingRestore::swap(archiveFolder, platform::Clock::instance().now());
    switch (swap.result) {
    case PendingRestore::SwapResult::NothingPending:
    case PendingRestore::SwapResult::Swapped:
        return;
    case PendingRestore::SwapResult::RenameFailed:
        MessageBox::information(parent, QStringLiteral("Non riesco ad importare il backup!"));
        return;
    case PendingRestore::SwapResult::Refused:
        MessageBox::warning(
            parent,
            QStringLiteral("The pending restore \"%1\" in \"%2\" is not an archive of Brivane Organizer (%3).\r"
                           "I kept the archive in use%4.")
                .arg(QString::fromLatin1(PendingRestore::kFileName), archiveFolder, swap.reason,
                     swap.refusedName.isEmpty() ? QString()
                                                : QStringLiteral(" and put the file aside as \"%1\"").arg(swap.refusedName)));
        return;
    }
}

} // namespace brivane::store::widgets
