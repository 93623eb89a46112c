#pragma once

#include "store/Archive.h"
#include "store/SettingsRecord.h"

#include <QDate>
#include <QStringList>
#include <QWidget>

class QTabWidget;
class QTimer;

namespace brivane::platform {
class TrayIcon;
}

namespace brivane::notes::widgets {
class NotesTab;
}

namespace brivane::documents::widgets {
class DocumentsController;
class ReportController;
} // namespace brivane::documents::widgets

namespace brivane::to_do::widgets {
class ToDoTab;
}

namespace brivane::store::widgets {
class MigrationNotice;
}

namespace brivane::ui {
class CalendarMarker;
class OptionsController;
class OptionsTab;
class SectionTab;
} // namespace brivane::ui

namespace brivane::themes::widgets {
class ThemeController;
}

namespace brivane::shell {

class AccessController;
class AgendaController;
class ContactsController;
class ReminderController;
class SpecialMenu;
class TopBar;

// The main window: builds the nine tabs, opens the archive and applies the
// settings in a fixed order, keeps itself in the tray or reveals itself,
// runs the clock, and ends the process.
class MainWindow : public QWidget
{
    Q_OBJECT

public:
    enum Tab { TabOneShot, TabYearly, TabMonthly, TabWeekly, TabToday, TabContacts, TabNotes, TabToDo, TabOptions };

    explicit MainWindow(QStringList arguments, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Runs every window-creation step. False means the process must end now
    // with exitCode() (a refused start, an archive that cannot be used).
    bool create();
    int exitCode() const { return m_exitCode; }

    // Schedules the window reveal for the next pass of the event loop.
    void requestReveal();
    void refreshAll();
    // The quit sequence of "Terminate", Esc and the tray menu.
    void quit();
    // Another start asked this copy to come forward.
    void activate();
    void showError(const QString& message);

    QString archiveFolder() const { return m_archiveFolder; }
    QString programFolder() const { return m_programFolder; }
    const store::SettingsRecord& settings() const { return m_settings; }
    QDate viewedDate() const;
    bool isBusy() const { return m_busy; }
    bool isStartupFinished() const { return m_startupFinished; }
    bool isFirstShowPending() const { return m_firstShowPending; }
    platform::TrayIcon* tray() const { return m_tray; }
    QTabWidget* tabs() const { return m_tabs; }

Q_SIGNALS:
    void terminated();

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildWindow();
    // Backup and restore, the repository, the special menu, the lock and
    // read-only mode, the visible tabs and the migration notice.
    void buildArchiveCare();
    void buildTimers();
    void buildOptions();

    // Window creation steps, in the order create() runs them; false ends
    // the process.
    bool checkColourDepth();
    bool initialiseState();
    bool openArchive();
    bool writeContactColumnLayoutDefaults();
    bool loadStartupSettings();
    bool purgeExpiredTasks();
    bool loadGroupLists();
    bool applyCreationSettings();
    bool applyStartupLock();
    bool runTodayQuery();
    bool sizeWindow();
    bool runDayStartCheck();
    bool editorSettingsLoad();
    bool runListQueries();
    bool showArchiveFolder();
    bool showSoundLabel();
    bool finishStartup();

    // Reloads the settings record and applies it to the window.
    void loadSettings();

    // Lists.
    void openAttachment(const QString& attachment);
    void showContactLink(const QString& link);

    // Lifecycle.
    void launchCheck();
    void reveal();
    void firstShow();
    void clockTick();
    void dayChangeTest();
    void tabChanged(int index);
    void iconize();
    void minimizeToTaskbar();
    void toggleMaximised();
    void setDefaultSize();
    void updateDefaultSizeButton();
    void terminate(int code = 0);
    QColor sectionColor(int tab) const;
    static QString clockFormatFor(bool ampm);

    // Later features plug in here; the empty ones do nothing yet.
    void swapPendingRestore(const QString& archiveFolder);
    void writeDefaultThemeFiles();
    void applyTheme(const QString& themeName);
    void raisePasswordPanelIfLocked();
    void showMigrationNoticeIfOwed();
    void showMigrationNotice();
    void runAlarmListQuery();
    void alarmTick();
    void runLookAhead(bool automatic);
    bool unsavedFilePrompt();

    QStringList m_arguments;
    int m_exitCode = 0;
    QString m_programFolder;
    QString m_defaultFolder;
    QString m_archiveFolder;
    bool m_sharedFolderInUse = false;
    store::Archive m_archive;
    store::SettingsRecord m_settings;
    QString m_clockFormat;
    QStringList m_archiveReport;
    QDate m_lastDaySeen;
    int m_scalePercent = 100;
    bool m_busy = false;
    bool m_minimised = true;
    bool m_revealGuard = true;
    bool m_firstShowPending = true;
    bool m_startupFinished = false;
    bool m_locked = false;
    bool m_settingsLoaded = false;
    bool m_startMaximised = false;
    bool m_flashOn = false;
    int m_activeSection = TabToday;

    TopBar* m_topBar = nullptr;
    QTabWidget* m_tabs = nullptr;
    AgendaController* m_agenda = nullptr;
    ReminderController* m_reminders = nullptr;
    ui::CalendarMarker* m_marker = nullptr;
    ContactsController* m_contacts = nullptr;
    notes::widgets::NotesTab* m_notesTab = nullptr;
    to_do::widgets::ToDoTab* m_toDoTab = nullptr;
    ui::OptionsTab* m_optionsTab = nullptr;
    ui::OptionsController* m_options = nullptr;
    documents::widgets::DocumentsController* m_documents = nullptr;
    documents::widgets::ReportController* m_reports = nullptr;
    platform::TrayIcon* m_tray = nullptr;
    SpecialMenu* m_specialMenu = nullptr;
    AccessController* m_access = nullptr;
    store::widgets::MigrationNotice* m_migration = nullptr;
    themes::widgets::ThemeController* m_theme = nullptr;

    QTimer* m_timerOrologio = nullptr;
    QTimer* m_timerControlloOrario = nullptr;
    QTimer* m_timerRitorna = nullptr;
    QTimer* m_timerAppari = nullptr;
    QTimer* m_timerFlashTempo = nullptr;
};

} // namespace brivane::shell
