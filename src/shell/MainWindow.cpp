#include "shell/MainWindow.h"

#include "agenda/DateFormat.h"
#include "agenda/Purge.h"
#include "platform/Clock.h"
#include "platform/Shell.h"
#include "platform/widgets/ColorDialog.h"
#include "platform/widgets/FileDialog.h"
#include "platform/widgets/MessageBox.h"
#include "platform/widgets/Resources.h"
#include "platform/widgets/Sound.h"
#include "platform/widgets/TrayIcon.h"
#include "shell/TopBar.h"
#include "shell/AccessController.h"
#include "store/widgets/BackupCommands.h"
#include "store/widgets/MigrationNoticeDialog.h"
#include "store/ArchiveCounts.h"
#include "store/ArchiveLocation.h"
#include "store/ArchiveStartup.h"
#include "store/SettingsStore.h"
#include "agenda/CalendarMarks.h"
#include "themes/ColorText.h"
#include "notes/widgets/NotesTab.h"
#include "to_do/widgets/ToDoTab.h"
#include "agenda/widgets/CalendarMarker.h"
#include "agenda/widgets/LitCalendar.h"
#include "store/widgets/OptionsController.h"
#include "themes/widgets/ThemeController.h"
#include "store/widgets/OptionsTab.h"
#include "ui/SectionTab.h"
#include "reminders/widgets/PopupNotifier.h"
#include "contacts/widgets/ContactsTab.h"
#include "agenda/widgets/AgendaController.h"
#include "contacts/widgets/ContactsController.h"
#include "shell/DesktopCommands.h"
#include "reminders/widgets/ReminderController.h"
#include "agenda/widgets/TaskListTab.h"
#include "agenda/widgets/TodayTab.h"
#include "documents/widgets/DocumentsController.h"
#include "documents/widgets/ReportController.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFontDatabase>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QScreen>
#include <QShortcut>
#include <QSizeGrip>
#include <QStandardPaths>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWindow>

namespace brivane::shell {

using platform::MessageBox;

QString MainWindow::clockFormatFor(bool ampm)
{
    return ampm ? QStringLiteral("dddd d mmmm yyyy - hh:mm:ss am/pm") : QStringLiteral("dddd d mmmm yyyy - hh:mm:ss");
}

MainWindow::MainWindow(QStringList arguments, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), m_arguments(std::move(arguments)),
      m_archive(QStringLiteral("BOARC"))
{
    setObjectName(QStringLiteral("TMainForm"));
    setWindowTitle(QStringLiteral("Brivane Organizer"));
    setWindowIcon(platform::TrayIcon::imageIcon(0));
    platform::ensureResources();
    m_clockFormat = clockFormatFor(false);
    m_lastDaySeen = platform::Clock::instance().today();
    buildWindow();
    buildTimers();
    buildOptions();
}

MainWindow::~MainWindow()
{
    // The result sets go before the connection they were read from.
    m_agenda->clearResults();
    m_agenda->setDatabase(QSqlDatabase());
    m_documents->setDatabase(QSqlDatabase());
    m_reports->setDatabase(QSqlDatabase());
    m_toDoTab->clearResults();
    m_toDoTab->setDatabase(QSqlDatabase());
    m_contacts->clear();
    m_notesTab->setDatabase(QSqlDatabase());
    m_reminders->setDatabase(QSqlDatabase());
    m_options->setDatabase(QSqlDatabase());
    m_archive.close();
}

void MainWindow::buildTimers()
{
    const auto makeTimer = [this](const char* name, int interval, bool singleShot) {
        auto* timer = new QTimer(this);
        timer->setObjectName(QLatin1String(name));
        timer->setInterval(interval);
        timer->setSingleShot(singleShot);
        return timer;
    };
    m_timerOrologio = makeTimer("TimerOrologio", 1000, false);
    m_timerControlloOrario = makeTimer("TimerContolloOrario", 1000, false);
    m_timerRitorna = makeTimer("TimerRitorna", 1, false);
    m_timerAppari = makeTimer("TimerAppari", 1, false);
    m_timerFlashTempo = makeTimer("TimerFlashTempo", 1000, false);
    connect(m_timerOrologio, &QTimer::timeout, this, &MainWindow::clockTick);
    connect(m_timerControlloOrario, &QTimer::timeout, this, &MainWindow::alarmTick);
    connect(m_timerRitorna, &QTimer::timeout, this, &MainWindow::launchCheck);
    connect(m_timerAppari, &QTimer::timeout, this, &MainWindow::reveal);
    connect(m_timerFlashTempo, &QTimer::timeout, this, [this] {
        m_flashOn = !m_flashOn;
        m_optionsTab->setTimeCheckLabelAlert(m_flashOn);
    });
}

// ---------------------------------------------------------------- creation

bool MainWindow::create()
{
    // The tray icon is there from the start, also while a start-up question
    // waits.
    m_tray->show();
    // Window creation in its fixed order: each step reads what the steps
    // before it left behind (the archive folder, the open archive, the
    // loaded settings, today's query). A step that answers false ends the
    // process with exitCode().
    using Step = bool (MainWindow::*)();
    static constexpr Step steps[] = {
        &MainWindow::checkColourDepth,
        &MainWindow::initialiseState,     // filter lists, folders, path limit, viewed date
        &MainWindow::openArchive,         // Net.txt, pending restore, open, create and upgrade
        &MainWindow::writeContactColumnLayoutDefaults,
        &MainWindow::loadStartupSettings,
        &MainWindow::purgeExpiredTasks,
        &MainWindow::loadGroupLists,
        &MainWindow::applyCreationSettings, // scale, clock, tabs and start tab, hints, memorised groups
        &MainWindow::applyStartupLock,
        &MainWindow::runTodayQuery,
        &MainWindow::sizeWindow,
        &MainWindow::runDayStartCheck,
        &MainWindow::editorSettingsLoad,
        &MainWindow::runListQueries,
        &MainWindow::showArchiveFolder,
        &MainWindow::showSoundLabel,
        &MainWindow::finishStartup,
    };
    for (Step step : steps) {
        if (!(this->*step)())
            return false;
    }
    return true;
}

bool MainWindow::loadStartupSettings()
{
    loadSettings();
    return true;
}

bool MainWindow::purgeExpiredTasks()
{
    m_agenda->purgeExpired();
    return true;
}

bool MainWindow::runTodayQuery()
{
    m_agenda->refreshToday();
    return true;
}

bool MainWindow::showArchiveFolder()
{
    m_optionsTab->setArchiveFolder(m_archiveFolder, m_sharedFolderInUse);
    return true;
}

bool MainWindow::showSoundLabel()
{
    m_options->updateSoundLabel();
    return true;
}

bool MainWindow::finishStartup()
{
    m_startupFinished = true;
    m_agenda->setStartupFinished(true);
    m_timerOrologio->start();
    m_timerRitorna->start();
    clockTick();
    return true;
}

bool MainWindow::checkColourDepth()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen || screen->depth() > 8)
        return true;
    m_tray->hide();
    m_timerControlloOrario->stop();
    m_timerRitorna->stop();
    const auto answer = MessageBox::warningQuestion(
        this, QStringLiteral("The correct execution of Brivane Organizer requires that Windows is set to more than "
                             "256 colors.\rDo you want to continue running Brivane Organizer?"));
    if (answer != MessageBox::Answer::Yes) {
        m_exitCode = 0;
        return false;
    }
    m_timerRitorna->start();
    m_tray->show();
    return true;
}

bool MainWindow::initialiseState()
{
    m_programFolder = store::ArchiveLocation::programFolder();
    m_agenda->setProgramFolder(m_programFolder);
    m_defaultFolder = store::ArchiveLocation::defaultArchiveFolder(m_programFolder);
    if (const int excess = store::ArchiveLocation::excessLength(m_defaultFolder); excess > 0) {
        m_timerControlloOrario->stop();
        m_timerOrologio->stop();
        m_busy = true;
        MessageBox::warning(this, QStringLiteral("The path where you're trying to run me is too long:\r\n")
                                      + m_programFolder + QStringLiteral("\r\n\r\n")
                                      + QStringLiteral("You need to install me in another shorter by at least ")
                                      + QString::number(excess) + QStringLiteral(" characters."));
        m_exitCode = 0;
        return false;
    }
    m_agenda->todayTab()->setViewedDate(platform::Clock::instance().today());
    m_tray->setImage(4);
    return true;
}

bool MainWindow::openArchive()
{
    const bool netFilePresent = store::ArchiveLocation::readNetFile(m_defaultFolder).present;
    m_topBar->refreshAllButton()->setVisible(netFilePresent);

    store::ArchiveStartup startup;
    startup.beforeOpen = [this](const QString& folder) { swapPendingRestore(folder); };
    startup.onMissingSharedFolder = [this](const QString& named, const QString& fallback) {
        const bool alarmWasOn = m_timerControlloOrario->isActive();
        m_timerControlloOrario->stop();
        m_timerRitorna->stop();
        m_busy = true;
        const auto answer = MessageBox::question(
            this, QStringLiteral("I have not found the archive folder (") + named
                      + QStringLiteral("), so I went back to default folder (") + fallback
                      + QStringLiteral("). Do I look for it at the next reboot?"));
        if (answer != MessageBox::Answer::Yes)
            MessageBox::information(this, QStringLiteral("Ok, from now I will work in the default folder!"));
        m_busy = false;
        if (alarmWasOn)
            m_timerControlloOrario->start();
        return answer == MessageBox::Answer::Yes ? store::ArchiveStartup::NetFileChoice::Keep
                                                 : store::ArchiveStartup::NetFileChoice::Drop;
    };

    startup.onNetFileRefused = [this](const QString& message) {
        m_busy = true;
        MessageBox::warning(this, message);
        m_busy = false;
    };

    store::ArchiveStartup::Outcome outcome;
    QString error;
    if (!startup.open(m_archive, m_programFolder, outcome, &error)) {
        m_busy = true;
        MessageBox::warning(this, error);
        m_exitCode = 1;
        return false;
    }
    m_archiveFolder = outcome.archiveFolder;
    m_sharedFolderInUse = outcome.netFilePresent;
    m_archiveReport = outcome.schema.report;
    m_options->setDatabase(m_archive.database());
    m_options->setFolders(m_programFolder, m_defaultFolder, m_archiveFolder, m_sharedFolderInUse);
    m_agenda->setDatabase(m_archive.database());
    m_documents->setDatabase(m_archive.database());
    m_reports->setDatabase(m_archive.database());
    m_reminders->setDatabase(m_archive.database());
    m_contacts->setArchive(m_archive.database(), m_archiveFolder, m_programFolder);
    m_reminders->setProgramFolder(m_programFolder);
    m_marker = new ui::CalendarMarker(m_agenda->todayTab()->calendar(), m_archive.connectionName(), this);
    connect(m_marker, &ui::CalendarMarker::markingFailed, this,
            [this](const QString& message) { MessageBox::warning(this, message); });
    connect(m_agenda, &AgendaController::todayRefreshed, this, [this] {
        m_marker->schedule(m_agenda->viewedDate(), m_agenda->todayTab()->markingOptions());
    });
    return true;
}

// ---------------------------------------------------------------- lifecycle

void MainWindow::requestReveal()
{
    if (m_busy)
        return;
    if (!m_topBar->pinButton()->isChecked() || m_minimised)
        m_timerAppari->start();
}

void MainWindow::activate()
{
    if (m_busy)
        return;
    raise();
    requestReveal();
}

void MainWindow::showError(const QString& message)
{
    MessageBox::warning(this, message);
}

void MainWindow::launchCheck()
{
    if (m_busy || !m_settingsLoaded)
        return;
    if (m_settings.minimized != QLatin1String("Y")) {
        requestReveal();
    } else if (!m_tray->isAvailable()) {
        // Without a tray the program would run invisibly: show it minimised.
        m_timerRitorna->stop();
        if (!m_tray->isBlinking())
            m_tray->setImage(0);
        if (m_firstShowPending)
            firstShow();
        showMinimized();
        return;
    }
    if (!m_tray->isBlinking())
        m_tray->setImage(0);
    m_timerRitorna->stop();
}

void MainWindow::reveal()
{
    if (m_busy || !m_revealGuard)
        return;
    m_minimised = false;
    if (m_tray->isBlinking()) {
        m_tabs->setCurrentIndex(TabToday);
        m_tray->stopBlinking();
    }
    if (m_firstShowPending)
        firstShow();
    if (m_startMaximised && !isVisible())
        showMaximized();
    else if (isMinimized())
        showNormal();
    else
        show();
    tabChanged(m_tabs->currentIndex());
    raise();
    activateWindow();
    m_timerAppari->stop();
    if (m_settings.futuroFlag && m_reminders->isFirstLookAheadPending()) {
        m_busy = true;
        runLookAhead(true);
        m_busy = false;
    }
    m_reminders->clearFirstLookAheadPending();
}

void MainWindow::firstShow()
{
    m_revealGuard = false;
    setMinimumSize(store::SettingsRecord::kMinimumWidth, store::SettingsRecord::kMinimumHeight);
    writeDefaultThemeFiles();
    m_agenda->todayTab()->setStartupControlsEnabled(true);
    applyTheme(m_settings.themeName);
    if (!m_archiveReport.isEmpty()) {
        const QString report = m_archiveReport.join(QString()) + QStringLiteral("\r")
                               + QStringLiteral("All this happened in the folder:") + QStringLiteral("\r")
                               + m_archiveFolder + QStringLiteral("\r");
        MessageBox::information(this, report, MessageBox::caption() + QStringLiteral(" - Archive report"));
        m_archiveReport.clear();
    }
    m_contacts->tab()->loadSavedLayout();
    m_agenda->todayTab()->setSidePanelShown(m_settings.showcale == QLatin1String("Y"));
    for (int tab = 0; tab < m_tabs->count(); ++tab) {
        const QString caption = m_tabs->tabText(tab);
        m_tabs->setTabText(tab, QLatin1Char(' ') + caption + QLatin1Char(' '));
    }
    m_firstShowPending = false;
    m_revealGuard = true;
    setMinimumSize(store::SettingsRecord::kMinimumWidth, store::SettingsRecord::kMinimumHeight);
}

void MainWindow::clockTick()
{
    const QDateTime now = platform::Clock::instance().now();
    m_topBar->setCaption(isActiveWindow() || QApplication::activeWindow() == this
                             ? agenda::formatDateTime(now, m_clockFormat)
                             : MessageBox::caption());
    dayChangeTest();
    m_reminders->flashTick();
}

void MainWindow::dayChangeTest()
{
    const QDate today = platform::Clock::instance().today();
    if (today == m_lastDaySeen)
        return;
    m_lastDaySeen = today;
    m_agenda->purgeExpired();
    m_agenda->runList(AgendaController::OneShot);
    runAlarmListQuery();
    m_agenda->viewDate(today);
    if (!runDayStartCheck())
        terminate();
}

void MainWindow::tabChanged(int index)
{
    m_activeSection = index;
    m_agenda->setTodayActive(index == TabToday);
    m_topBar->setSectionColor(sectionColor(index));
    m_agenda->refitGrids();
    if (index == TabToday) {
        if (m_tray->isBlinking() && !m_firstShowPending)
            m_tray->stopBlinking();
        m_agenda->refreshTodayIfPending();
    }
    if (m_firstShowPending)
        return;
    QWidget* focus = nullptr;
    if (index < TabToday)
        focus = m_agenda->listTab(index)->searchField();
    else if (index == TabToday)
        focus = m_agenda->todayTab()->focusTarget();
    else if (index == TabContacts)
        focus = m_contacts->tab()->searchField();
    else if (index == TabNotes)
        focus = m_notesTab->focusTarget();
    else if (index == TabToDo)
        focus = m_toDoTab->searchField();
    else
        focus = m_optionsTab->findChild<QWidget*>(QStringLiteral("CheckBox_Minimized"));
    if (focus)
        focus->setFocus();
}

QColor MainWindow::sectionColor(int tab) const
{
    return themes::colorFromText(m_settings.sectionColors.value(tab), palette().color(QPalette::Window));
}

void MainWindow::iconize()
{
    m_access->lockBeforeIconize();
    m_minimised = true;
    if (!m_tray->isAvailable()) {
        showMinimized();
        return;
    }
    hide();
}

void MainWindow::minimizeToTaskbar()
{
    m_minimised = true;
    showMinimized();
}

void MainWindow::toggleMaximised()
{
    if (isMaximized())
        showNormal();
    else
        showMaximized();
}

void MainWindow::setDefaultSize()
{
    if (isMaximized())
        showNormal();
    resize(store::SettingsRecord::kMinimumWidth, store::SettingsRecord::kMinimumHeight);
}

void MainWindow::updateDefaultSizeButton()
{
    const bool atDefault = size() == QSize(store::SettingsRecord::kMinimumWidth, store::SettingsRecord::kMinimumHeight);
    m_topBar->defaultSizeButton()->setEnabled(!atDefault && !isMaximized());
    m_optionsTab->setWindowSizeCaption(width(), height());
}

void MainWindow::quit()
{
    // The special menu closes here, confirming a changed password.
    m_access->closeSpecialMenu();
    m_tray->setTerminateEnabled(false);
    if (m_notesTab->hasUnsavedNote()) {
        m_tabs->setCurrentIndex(TabNotes);
        if (!m_notesTab->askToSaveBeforeQuit()) {
            m_tray->setTerminateEnabled(true);
            return;
        }
    }
    if (m_settings.timecheck == QLatin1String("Y")) {
        m_tabs->setCurrentIndex(TabOptions);
        m_flashOn = false;
        m_timerFlashTempo->start();
        const auto answer = MessageBox::question(
            this, QStringLiteral(" Hey! If you quit me, I can't notify you about the tasks at right time! Quit anyway?"));
        m_timerFlashTempo->stop();
        m_optionsTab->setTimeCheckLabelAlert(false);
        if (answer != MessageBox::Answer::Yes) {
            m_tray->setTerminateEnabled(true);
            return;
        }
    }
    terminate();
}

void MainWindow::terminate(int code)
{
    m_exitCode = code;
    m_timerOrologio->stop();
    m_timerControlloOrario->stop();
    m_tray->hide();
    Q_EMIT terminated();
    QCoreApplication::exit(code);
}

void MainWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::WindowStateChange)
        updateDefaultSizeButton();
    if (event->type() == QEvent::ActivationChange)
        clockTick();
    QWidget::changeEvent(event);
}

void MainWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    showMigrationNoticeIfOwed();
    raisePasswordPanelIfLocked();
}

void MainWindow::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && !isMaximized() && windowHandle())
        windowHandle()->startSystemMove();
    QWidget::mousePressEvent(event);
}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    updateDefaultSizeButton();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // The window manager's close hides to the tray like "Iconize"; only
    // "Terminate" ends the program.
    if (m_tray->isAvailable()) {
        event->ignore();
        iconize();
        return;
    }
    event->ignore();
    quit();
}

// ---------------------------------------------------------------- hooks

void MainWindow::swapPendingRestore(const QString& folder)
{
    store::widgets::BackupCommands::swapPendingRestore(this, folder);
}
bool MainWindow::writeContactColumnLayoutDefaults()
{
    m_contacts->tab()->writeDefaultLayout();
    return true;
}
bool MainWindow::loadGroupLists()
{
    m_contacts->tab()->loadGroups();
    m_notesTab->setDatabase(m_archive.database());
    m_notesTab->setObjectName(QStringLiteral("TabSheetNote"));
    m_notesTab->loadGroups();
    m_toDoTab->setDatabase(m_archive.database());
    m_toDoTab->setProgramFolder(m_programFolder);
    m_toDoTab->loadGroups();
    return true;
}
void MainWindow::applyTheme(const QString& themeName)
{
    m_theme->apply(themeName);
}
void MainWindow::writeDefaultThemeFiles() {}
bool MainWindow::applyStartupLock()
{
    m_access->applyAtCreation();
    return true;
}
void MainWindow::raisePasswordPanelIfLocked()
{
    m_access->raiseAtShow();
}
void MainWindow::showMigrationNoticeIfOwed()
{
    m_migration->showCheck();
}
bool MainWindow::runDayStartCheck()
{
    if (m_reminders->dayStartCheck())
        return true;
    m_exitCode = 0;
    return false;
}

void MainWindow::runAlarmListQuery()
{
    if (m_settings.timecheck == QLatin1String("Y") && m_archive.isOpen())
        m_reminders->reloadAlarmList();
}

void MainWindow::alarmTick()
{
    m_reminders->alarmTick(platform::Clock::instance().now());
}

void MainWindow::runLookAhead(bool automatic)
{
    m_reminders->runLookAhead(automatic);
}
void MainWindow::showMigrationNotice()
{
    m_migration->open();
}
bool MainWindow::unsavedFilePrompt()
{
    return m_notesTab->askToSaveUnsavedNote();
}
} // namespace brivane::shell
