// The main window's wiring of archive care and access: backup and restore,
// the repository, the special menu with the password and the lock,
// read-only mode, the visible-tabs dialog and the migration notice.
#include "shell/MainWindow.h"

#include "agenda/widgets/AgendaController.h"
#include "contacts/widgets/ContactsController.h"
#include "contacts/widgets/ContactsTab.h"
#include "notes/widgets/NotesTab.h"
#include "platform/Shell.h"
#include "platform/widgets/MessageBox.h"
#include "reminders/widgets/ReminderController.h"
#include "shell/AccessController.h"
#include "shell/SpecialMenu.h"
#include "shell/TopBar.h"
#include "shell/VisibleTabsDialog.h"
#include "store/widgets/ArchiveCareBox.h"
#include "store/widgets/BackupCommands.h"
#include "store/widgets/MigrationNoticeDialog.h"
#include "store/widgets/OptionsController.h"
#include "store/widgets/OptionsTab.h"
#include "to_do/widgets/ToDoTab.h"

#include <QTabWidget>
#include <QToolButton>

namespace brivane::shell {

void MainWindow::buildArchiveCare()
{
    auto* care = new store::widgets::ArchiveCareBox;
    m_specialMenu = new SpecialMenu;
    m_optionsTab->addBox(care, ui::OptionsTab::Column::Right);
    m_optionsTab->addSection(m_specialMenu);

    store::widgets::BackupCommands::Window backupWindow;
    backupWindow.parent = this;
    backupWindow.unsavedFilePrompt = [this] { unsavedFilePrompt(); };
    backupWindow.refreshAll = [this] { refreshAll(); };
    backupWindow.terminate = [this] { terminate(); };
    connect(care, &store::widgets::ArchiveCareBox::backupRequested, this, [this, backupWindow] {
        store::widgets::BackupCommands(backupWindow).backup(m_archive.database(), platform::Shell::desktopFolder());
    });
    connect(care, &store::widgets::ArchiveCareBox::restoreRequested, this, [this, backupWindow] {
        store::widgets::BackupCommands(backupWindow)
            .restore(m_archiveFolder, platform::Shell::desktopFolder(), m_optionsTab->collectFullSave(m_settings).autostart
                                                                           == QLatin1String("Y"));
    });

    QToolButton* openSpecial = care->addCommand(QStringLiteral("SpeedButton_VaiSpeciale"), QStringLiteral("Open special menu"));
    connect(openSpecial, &QToolButton::clicked, this, [this] { m_access->openSpecialMenu(); });
    connect(m_specialMenu->addCommand(QStringLiteral("SpeedButton_TabShow"), QStringLiteral("Visible tabs")),
            &QToolButton::clicked, this, [this] {
                auto* dialog = VisibleTabsDialog::openDialog(m_archive.database(), m_settings.tabVisible, m_scalePercent,
                                                           sectionColor(TabOptions), this);
                connect(dialog, &VisibleTabsDialog::errorRaised, this, &MainWindow::showError);
            });
    connect(m_specialMenu->addCommand(QStringLiteral("SpeedButtonRepository"), QStringLiteral("One Shot repository"),
                                      QStringLiteral("Improve my performances storing old one shot tasks")),
            &QToolButton::clicked, m_agenda, &AgendaController::openRepository);
    connect(m_specialMenu->addCommand(QStringLiteral("SpeedButton_TimeCalculator"),
                                      QStringLiteral("Time Duration Calculator"),
                                      QStringLiteral("Calculate duration between 2 dates or 2 times")),
            &QToolButton::clicked, m_optionsTab, &ui::OptionsTab::timeCalculatorRequested);

    AccessController::Window access;
    access.widget = this;
    access.tabs = m_tabs;
    access.todayTab = TabToday;
    access.optionsTab = TabOptions;
    access.database = [this] { return m_archive.database(); };
    access.fullSave = [this] { m_options->fullSave(); };
    access.loadSettings = [this] { loadSettings(); };
    access.saveColumn = [this](const QString& column, const QVariant& value) { m_options->saveColumn(column, value); };
    access.unsavedFilePrompt = [this] { unsavedFilePrompt(); };
    access.tabChange = [this](int index) { tabChanged(index); };
    access.sectionColor = [this](int tab) { return sectionColor(tab); };
    access.setLocked = [this](bool locked) {
        m_locked = locked;
        m_agenda->setCommandsBlocked(locked || m_access->isReadOnly());
        m_contacts->tab()->setLocked(locked);
        m_reminders->setLocked(locked);
    };
    access.setReadOnly = [this](bool readOnly) {
        m_agenda->setCommandsBlocked(readOnly || m_access->isLocked());
        m_contacts->tab()->setReadOnly(readOnly);
        m_notesTab->setReadOnly(readOnly);
        m_toDoTab->setReadOnly(readOnly);
    };
    access.isLookAheadDeferred = [this] { return m_reminders->isLookAheadDeferred(); };
    access.runDeferredLookAhead = [this] { runLookAhead(false); };
    m_access = new AccessController(m_settings, m_specialMenu, access, this);

    store::widgets::MigrationNotice::Window notice;
    notice.widget = this;
    notice.messageButton = m_topBar->migrationButton();
    notice.database = [this] { return m_archive.database(); };
    notice.owed = [this] { return m_settings.migrationinfo; };
    notice.loadSettings = [this] { loadSettings(); };
    notice.showError = [this](const QString& message) { showError(message); };
    notice.color = [this] { return sectionColor(m_tabs->currentIndex()); };
    m_migration = new store::widgets::MigrationNotice(notice, this);
}

} // namespace brivane::shell
