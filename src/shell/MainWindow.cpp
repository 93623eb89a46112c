#include "shell/MainWindow.h"

#include "agenda/DateFormat.h"
#include "agenda/Purge.h"
#include "platform/Clock.h"
#include "platform/Shell.h"
#include "platform/widgets/ColorDialog.h"
#include "platform/widgets/FileDialog.h"
#include "platform/widgets/MessageBox.h"
#include "platform/widgets/Sound.h"
#include "platform/widgets/TrayIcon.h"
#include "shell/TopBar.h"
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

namespace {

const char* const kKindFlags[] = {"O", "Y", "M", "W"};

QString clockFormatFor(bool ampm)
{
    return ampm ? QStringLiteral("dddd d mmmm yyyy - hh:mm:ss am/pm") : QStringLiteral("dddd d mmmm yyyy - hh:mm:ss");
}

} // namespace

MainWindow::MainWindow(QStringList arguments, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), m_arguments(std::move(arguments)),
      m_archive(QStringLiteral("BOARC"))
{
    setObjectName(QStringLiteral("TMainForm"));
    setWindowTitle(QStringLiteral("Brivane Organizer"));
    setWindowIcon(platform::TrayIcon::imageIcon(0));
    m_clockFormat = clockFormatFor(false);
    m_lastDaySeen = platform::Clock::instance().today();
    buildWindow();
    buildTimers();
    connectOptions();
}

MainWindow::~MainWindow()
{
    // The result sets go before the connection they were read from.
    m_agenda->clearResults();
    m_agenda->setDatabase(QSqlDatabase());
    m_toDoTab->clearResults();
    m_toDoTab->setDatabase(QSqlDatabase());
    m_contacts->clear();
    m_notesTab->setDatabase(QSqlDatabase());
    m_reminders->setDatabase(QSqlDatabase());
    m_archive.close();
}

void MainWindow::buildWindow()
{
    m_topBar = new TopBar(this);
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("PageControlMenu"));
    m_tabs->setDocumentMode(true);
    // Nine captions share the smallest window width without scroll arrows.
    m_tabs->tabBar()->setUsesScrollButtons(false);
    m_tabs->tabBar()->setExpanding(true);
    m_tabs->tabBar()->setElideMode(Qt::ElideNone);
    m_tabs->tabBar()->setStyleSheet(QStringLiteral("QTabBar::tab { padding: 4px 2px; min-width: 0px; }"));

    m_agenda = new AgendaController(this, m_settings, this);
    const QStringList captions = {QStringLiteral("One Shot"), QStringLiteral("Yearly"), QStringLiteral("Monthly"),
                                  QStringLiteral("Weekly ")};
    for (int kind = 0; kind < captions.size(); ++kind)
        m_tabs->addTab(m_agenda->listTab(kind), captions[kind]);
    m_tabs->addTab(m_agenda->todayTab(), QStringLiteral("Today"));
    m_contacts = new ContactsController(this, m_settings, m_agenda, this);
    m_tabs->addTab(m_contacts->tab(), QStringLiteral("Contacts"));
    m_notesTab = new notes::widgets::NotesTab(QSqlDatabase(), m_settings);
    m_notesTab->setObjectName(QStringLiteral("TabSheetNote"));
    m_tabs->addTab(m_notesTab, QStringLiteral("Notes"));
    m_toDoTab = new to_do::widgets::ToDoTab(QSqlDatabase(), m_settings);
    m_toDoTab->setObjectName(QStringLiteral("TabSheetToDo"));
    m_tabs->addTab(m_toDoTab, QStringLiteral("To Do"));
    m_optionsTab = new ui::OptionsTab;
    m_optionsTab->setObjectName(QStringLiteral("TabSheetOptions"));
    m_tabs->addTab(m_optionsTab, QStringLiteral("Options"));
    m_tabs->setCurrentIndex(TabToday);

    auto* grip = new QSizeGrip(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->setSpacing(0);
    layout->addWidget(m_topBar);
    layout->addWidget(m_tabs, 1);
    layout->addWidget(grip, 0, Qt::AlignBottom | Qt::AlignRight);

    m_tray = new platform::TrayIcon(this);
    m_tray->setImage(4);
    // Shown only while a migration notice is owed.
    m_topBar->migrationButton()->hide();

    connect(m_tabs, &QTabWidget::currentChanged, this, &MainWindow::tabChanged);
    connect(m_topBar, &TopBar::terminateClicked, this, &MainWindow::quit);
    connect(m_topBar, &TopBar::refreshAllClicked, this, &MainWindow::refreshAll);
    connect(m_topBar, &TopBar::iconizeClicked, this, &MainWindow::iconize);
    connect(m_topBar, &TopBar::minimizeClicked, this, &MainWindow::minimizeToTaskbar);
    connect(m_topBar, &TopBar::winSizeClicked, this, &MainWindow::toggleMaximised);
    connect(m_topBar, &TopBar::defaultSizeClicked, this, &MainWindow::setDefaultSize);
    connect(m_topBar, &TopBar::migrationClicked, this, &MainWindow::showMigrationNotice);
    connect(m_topBar, &TopBar::aboutClicked, this, [this] {
        MessageBox::information(this, QStringLiteral("Brivane Organizer ") + QLatin1String(BRIVANE_VERSION)
                                          + QStringLiteral("\rYour agenda, contacts, notes and to-do list."));
    });
    connect(m_topBar, &TopBar::pinToggled, this, [this](bool pinned) {
        setWindowFlag(Qt::WindowStaysOnTopHint, pinned);
        if (!m_minimised)
            show();
    });
    connect(m_topBar, &TopBar::dragStarted, this, [this] {
        if (!isMaximized() && windowHandle())
            windowHandle()->startSystemMove();
    });
    connect(m_tray, &platform::TrayIcon::clicked, this, [this] {
        if (!m_busy)
            requestReveal();
    });
    connect(m_tray, &platform::TrayIcon::openRequested, this, [this] {
        if (!m_busy)
            requestReveal();
    });
    connect(m_tray, &platform::TrayIcon::terminateRequested, this, &MainWindow::quit);
    connect(m_tray, &platform::TrayIcon::sectionRequested, this, [this](int tab) {
        if (m_busy)
            return;
        requestReveal();
        m_tabs->setCurrentIndex(tab);
    });
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &MainWindow::quit);

    connect(m_agenda, &AgendaController::tabRequested, this, [this](int tab) { m_tabs->setCurrentIndex(tab); });
    connect(m_agenda, &AgendaController::alarmListStale, this, &MainWindow::runAlarmListQuery);
    connect(m_agenda, &AgendaController::errorRaised, this, [this](const QString& message) {
        MessageBox::warning(this, message);
    });
    connect(m_agenda, &AgendaController::attachmentOpenRequested, this, &MainWindow::openAttachment);
    connect(m_agenda, &AgendaController::contactLinkRequested, this, &MainWindow::showContactLink);
    auto* notifier = new reminders::widgets::PopupNotifier(this);
    notifier->setObjectName(QStringLiteral("PopupNotifier_Anticipo"));
    notifier->setSettings(reminders::widgets::PopupNotifier::reminderSettings());
    ReminderController::Window window;
    window.showPopup = [this, notifier](const reminders::PopupContent& content) {
        const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
        const int room = screen ? screen->availableGeometry().height() * 2 / 3 : 480;
        const reminders::PopupContent popup = reminders::fittedPopup(content, qMax(room, 160));
        auto& settings = notifier->settings();
        settings.height = popup.height;
        settings.title = popup.title;
        settings.text = popup.text;
        settings.timeOut = popup.timeoutSeconds;
        settings.textAlignment = Qt::AlignLeft;
        notifier->show();
        settings.timeOut = 0;
    };
    window.closePopups = [notifier] { notifier->closeAll(); };
    window.reveal = [this] { requestReveal(); };
    window.showTodayTab = [this] { m_tabs->setCurrentIndex(TabToday); };
    window.isHidden = [this] { return m_minimised || !isVisible(); };
    window.isOptionsTabActive = [this] { return m_tabs->currentIndex() == TabOptions; };
    m_reminders = new ReminderController(m_settings, m_agenda, m_tray, window, this);
    m_reminders->setArguments(m_arguments);
    connect(m_reminders, &ReminderController::errorRaised, this, &MainWindow::showError);
    connect(notifier, &reminders::widgets::PopupNotifier::clicked, this, [this] {
        m_tray->stopBlinking();
        m_reminders->stopFlashing();
    });
    connect(m_agenda, &AgendaController::todayRefreshed, m_reminders, &ReminderController::evaluateLookAheadButton);
    connect(m_agenda->todayTab(), &ui::TodayTab::showSuspendedChanged, this, [this](bool shown) {
        if (shown)
            runAlarmListQuery();
    });
    connect(m_agenda->todayTab(), &ui::TodayTab::sidePanelToggled, this, [this](bool shown) {
        m_settings.showcale = shown ? QStringLiteral("Y") : QStringLiteral("N");
        fullSave();
    });
    connect(m_notesTab, &notes::widgets::NotesTab::breakLinesToggled, this, [this](bool on) {
        m_settings.breakline = on ? QStringLiteral("Y") : QStringLiteral("N");
        fullSave();
    });
    connect(m_notesTab, &notes::widgets::NotesTab::formatBarToggled, this, [this](bool shown) {
        m_settings.formatbar = shown ? QStringLiteral("Y") : QStringLiteral("N");
        fullSave();
    });
    connect(m_notesTab, &notes::widgets::NotesTab::editorSettingsSaved, this, [this] { loadSettings(); });
    connect(m_notesTab, &notes::widgets::NotesTab::memorisedGroupSaved, this,
            [this](const QString&, const QString& text) { m_settings.memGroupNote = text; });
    connect(m_notesTab, &notes::widgets::NotesTab::countChanged, this, [this](int, int total) {
        m_agenda->todayTab()->setCount(QLatin1Char('N'), store::ArchiveCounts::summaryText(QLatin1Char('N'), total));
    });
    connect(m_notesTab, &notes::widgets::NotesTab::unsavedQuestionOpen, this,
            [this](bool open) { m_tray->menu()->setEnabled(!open); });
    connect(m_contacts, &ContactsController::countChanged, this, [this](int, int total) {
        m_agenda->todayTab()->setCount(QLatin1Char('C'), store::ArchiveCounts::summaryText(QLatin1Char('C'), total));
    });
    connect(m_contacts, &ContactsController::failed, this, &MainWindow::showError);
    connect(m_contacts->tab(), &contacts::widgets::ContactsTab::settingsChanged, this, [this] {
        loadSettings();
        m_contacts->tab()->applySettings();
    });
    connect(m_contacts->tab(), &contacts::widgets::ContactsTab::insertNoteRequested, this, [this] {
        m_tabs->setCurrentIndex(TabNotes);
    });
    connect(m_contacts->tab(), &contacts::widgets::ContactsTab::insertToDoRequested, m_toDoTab,
            &to_do::widgets::ToDoTab::insertItem);
    connect(m_agenda, &AgendaController::entriesLabelActivated, this, [this](QChar section) {
        if (section == QLatin1Char('C')) {
            m_tabs->setCurrentIndex(TabContacts);
            Q_EMIT m_contacts->tab()->insertRequested();
        } else if (section == QLatin1Char('L')) {
            m_toDoTab->insertItem();
        } else if (section == QLatin1Char('N')) {
            m_tabs->setCurrentIndex(TabNotes);
        }
    });
    connect(m_toDoTab, &to_do::widgets::ToDoTab::countChanged, this, [this](int, int total) {
        m_agenda->todayTab()->setCount(QLatin1Char('L'), store::ArchiveCounts::summaryText(QLatin1Char('L'), total));
    });
    connect(m_toDoTab, &to_do::widgets::ToDoTab::memorisedGroupSaved, this,
            [this](const QString&, const QString& text) { m_settings.memGroupList = text; });
    connect(m_toDoTab, &to_do::widgets::ToDoTab::attachmentRequested, this, &MainWindow::openAttachment);
    connect(m_toDoTab, &to_do::widgets::ToDoTab::linkRequested, this, &MainWindow::showContactLink);
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

void MainWindow::connectOptions()
{
    ui::OptionsTab* options = m_optionsTab;
    connect(options, &ui::OptionsTab::fullSaveRequested, this, &MainWindow::fullSave);
    connect(options, &ui::OptionsTab::timeCheckChanged, this, &MainWindow::fullSave);
    connect(options, &ui::OptionsTab::columnChanged, this, &MainWindow::saveColumn);
    connect(options, &ui::OptionsTab::swatchClicked, this, &MainWindow::chooseSwatchColor);
    connect(options, &ui::OptionsTab::baseColorsRequested, this, [this] {
        m_optionsTab->setSwatchColorTexts(store::SettingsRecord::defaultSectionColors());
        QString error;
        writeOrReport(store::SettingsStore(m_archive.database()).colourSave(m_optionsTab->swatchColorTexts(), &error),
                      error);
        loadSettings();
    });
    connect(options, &ui::OptionsTab::editorSettingChanged, this, [this] { m_optionsTab->setEditorSaveEnabled(true); });
    connect(options, &ui::OptionsTab::editorColorRequested, this, &MainWindow::chooseEditorColor);
    connect(options, &ui::OptionsTab::editorSaveRequested, this, &MainWindow::saveEditorSettings);
    connect(options, &ui::OptionsTab::fixRequested, this, &MainWindow::fixWindowSize);
    connect(options, &ui::OptionsTab::autostartClicked, this, [this](bool on) {
        fullSave();
        desktopCommands().setAutostart(on);
        loadSettings();
    });
    connect(options, &ui::OptionsTab::desktopLinkRequested, this, [this] { desktopCommands().linkToDesktop(); });
    connect(options, &ui::OptionsTab::autorunRequested, this, [this] { desktopCommands().toggleAutorun(); });
    connect(options, &ui::OptionsTab::changeFolderRequested, this, &MainWindow::changeArchiveFolder);
    connect(options, &ui::OptionsTab::autoFolderRequested, this, &MainWindow::backToDefaultFolder);
    connect(options, &ui::OptionsTab::openArchiveFolderRequested, this,
            [this] { platform::Shell::openPath(m_archiveFolder); });
    connect(options, &ui::OptionsTab::chooseSoundRequested, this, &MainWindow::chooseSound);
    connect(options, &ui::OptionsTab::systemSoundRequested, this, &MainWindow::useSystemSound);
    connect(options, &ui::OptionsTab::playSoundRequested, this, &MainWindow::playAlarmSound);
    connect(options, &ui::OptionsTab::lookAheadRequested, this, [this] { runLookAhead(false); });
    connect(options, &ui::OptionsTab::hideTipsChanged, this, [this](bool hide) {
        setHintsHidden(hide);
        saveColumn(QStringLiteral("hidetips"), hide);
        loadSettings();
    });
    connect(options, &ui::OptionsTab::scaleChanged, this, [this](int index) {
        m_scalePercent = store::scaleEntries().value(index, QStringLiteral("100")).toInt();
        m_agenda->setScalePercent(m_scalePercent);
        saveColumn(QStringLiteral("scala_index"), index);
    });
    connect(options, &ui::OptionsTab::ampmChanged, this, [this](bool on) {
        saveColumn(QStringLiteral("ampm"), on);
        m_clockFormat = clockFormatFor(on);
    });
}

// ---------------------------------------------------------------- creation

bool MainWindow::create()
{
    if (!checkColourDepth())
        return false;
    // The weekday and month filter lists of the task tabs are filled here.
    if (!initialiseState())
        return false;
    if (!openArchive())
        return false;
    writeContactColumnLayoutDefaults();
    loadSettings();
    m_agenda->purgeExpired();
    loadGroupLists();
    applyCreationSettings();
    m_agenda->refreshToday();
    sizeWindow();
    if (!runDayStartCheck())
        return false;
    editorSettingsLoad();
    runListQueries();
    m_optionsTab->setArchiveFolder(m_archiveFolder, m_sharedFolderInUse);
    updateSoundLabel();
    m_startupFinished = true;
    m_agenda->setStartupFinished(true);

    m_tray->show();
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
    m_agenda->setDatabase(m_archive.database());
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

void MainWindow::applyCreationSettings()
{
    const store::SettingsRecord& s = m_settings;
    m_scalePercent = store::scaleEntries().value(s.scalaIndex, QStringLiteral("100")).toInt();
    m_agenda->setScalePercent(m_scalePercent);
    m_clockFormat = clockFormatFor(s.ampm);

    // Tab visibility and start tab; the Options tab is always there.
    bool anyHidden = false;
    for (int tab = TabOneShot; tab <= TabToDo; ++tab) {
        m_tabs->setTabVisible(tab, s.tabVisible.value(tab, true));
        anyHidden = anyHidden || !s.tabVisible.value(tab, true);
    }
    if (!m_tabs->isTabVisible(TabToday)) {
        for (int tab = 0; tab < m_tabs->count(); ++tab) {
            if (m_tabs->isTabVisible(tab)) {
                m_tabs->setCurrentIndex(tab);
                break;
            }
        }
    }
    if (s.startab == QLatin1String("-")) {
        // Archives of an older version mean Today by "-".
        m_tabs->setCurrentIndex(TabToday);
        m_settings.startab = QStringLiteral("4");
        fullSave();
    } else {
        bool ok = false;
        const int start = s.startab.toInt(&ok);
        if (ok && start == TabOptions)
            m_tabs->setCurrentIndex(TabOptions);
        else if (ok && start >= 0 && start < TabOptions && m_tabs->isTabVisible(start))
            m_tabs->setCurrentIndex(start);
    }
    Q_UNUSED(anyHidden)
    setHintsHidden(s.hidetips);
    m_contacts->tab()->applyDisplayModeSetting();
    m_contacts->tab()->applyMemorisedGroup();
    m_notesTab->applyMemorisedGroup();
    m_toDoTab->applyMemorisedGroup();
    m_locked = !s.psw.isEmpty() && s.blocco == QLatin1String("Y");
}

void MainWindow::sizeWindow()
{
    resize(qMax(m_settings.winWidth, 100), qMax(m_settings.winHeight, 100));
    m_startMaximised = m_settings.winStato != QLatin1String("wsNormal");
    if (m_startMaximised)
        setWindowState(windowState() | Qt::WindowMaximized);
    m_agenda->refitGrids();
}

void MainWindow::updateSoundLabel()
{
    const QString sound = m_settings.wavesound;
    const QString name = QFileInfo(sound).fileName();
    bool missing = false;
    if (sound != QLatin1String("mailbeep") && !QFileInfo::exists(sound))
        missing = !QFileInfo::exists(m_programFolder + QStringLiteral("alarms/") + name);
    QString hint = missing ? QStringLiteral("Sostituto del file allarme non trovato: ") + sound
                           : QStringLiteral("Allarme in uso");
    if (!platform::Sound::hasAudioOutput())
        hint += QStringLiteral("\nNo audio output was found: alarms are shown but cannot be heard.");
    if (missing || sound == QLatin1String("mailbeep"))
        m_optionsTab->setSoundName(QStringLiteral("mailbeep"), missing, hint);
    else
        m_optionsTab->setSoundName(name, false, hint);
}

// ---------------------------------------------------------------- settings

void MainWindow::loadSettings()
{
    store::SettingsRecord loaded;
    QString error;
    if (!store::SettingsStore(m_archive.database()).load(loaded, &error)) {
        MessageBox::warning(this, error);
        return;
    }
    m_settings = loaded;
    m_settingsLoaded = true;
    m_optionsTab->showSettings(m_settings);
    const QDate today = platform::Clock::instance().today();
    m_optionsTab->setDateSamples(agenda::formatDate(today, m_settings.dataShot),
                                 agenda::formatDate(today, m_settings.dataYear));
    // The autostart box mirrors whether the desktop starts the program at logon.
    m_optionsTab->setAutostart(DesktopCommands::autostartExists());
    m_notesTab->applySettings(m_settings);
    if (m_settings.timecheck == QLatin1String("Y")) {
        runAlarmListQuery();
        m_timerControlloOrario->start();
    } else {
        m_timerControlloOrario->stop();
    }
    tabChanged(m_tabs->currentIndex());
    m_agenda->todayTab()->resetCalendarFilters();
    if (m_marker) {
        m_marker->setSectionColors(m_settings.sectionColors);
        m_agenda->todayTab()->calendar()->setKindColors(agenda::kindColors(m_settings.sectionColors, false));
    }
    if (m_startupFinished)
        m_agenda->refreshToday();
    m_optionsTab->setSoundControlsEnabled(store::soundonHasSound(m_settings.soundon));
}

void MainWindow::editorSettingsLoad()
{
    QFont font(m_settings.fontname);
    font.setPointSize(qMax(1, m_settings.fontsize));
    if (font.family() != m_settings.fontname)
        font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    m_notesTab->applyEditorSettings(font, themes::colorFromText(m_settings.fontcolor, Qt::black),
                              themes::colorFromText(m_settings.backcolor, Qt::white));
    m_optionsTab->setEditorSaveEnabled(false);
}

bool MainWindow::writeOrReport(bool ok, const QString& error)
{
    if (!ok)
        MessageBox::warning(this, error);
    return ok;
}

void MainWindow::fullSave()
{
    const store::SettingsRecord record = m_optionsTab->collectFullSave(m_settings);
    QString error;
    const bool formatsChanged = record.dataShot != m_settings.dataShot || record.dataYear != m_settings.dataYear;
    if (!writeOrReport(store::SettingsStore(m_archive.database()).fullSave(record, &error), error))
        return;
    loadSettings();
    if (formatsChanged) {
        m_agenda->runList(AgendaController::OneShot);
        m_agenda->runList(AgendaController::Yearly);
    }
}

void MainWindow::saveColumn(const QString& column, const QVariant& value)
{
    QString error;
    if (!writeOrReport(store::SettingsStore(m_archive.database()).saveColumn(column, value, &error), error))
        return;
    if (column == QLatin1String("futuro_flag") || column == QLatin1String("futuro_days")) {
        if (column == QLatin1String("futuro_flag"))
            m_settings.futuroFlag = value.toBool();
        else
            m_settings.futuroDays = value.toInt();
        m_reminders->evaluateLookAheadButton();
    }
    else if (column == QLatin1String("solalettura"))
        m_settings.solalettura = value.toBool();
    else if (column == QLatin1String("ampm"))
        m_settings.ampm = value.toBool();
    else if (column == QLatin1String("scala_index"))
        m_settings.scalaIndex = value.toInt();
}

void MainWindow::chooseSound()
{
    const QString current = m_settings.wavesound;
    QString start = platform::Shell::desktopFolder();
    if (QFileInfo::exists(current))
        start = QFileInfo(current).absolutePath();
    else if (QDir(m_programFolder + QStringLiteral("alarms")).exists())
        start = m_programFolder + QStringLiteral("alarms");
    const QString chosen = platform::FileDialog::openFile(this, QStringLiteral("Open alarm"), start,
                                                          QStringLiteral("Wave file (*.wav)"));
    if (chosen.isEmpty())
        return;
    m_settings.wavesound = chosen;
    fullSave();
    updateSoundLabel();
}

void MainWindow::useSystemSound()
{
    if (MessageBox::question(this, QStringLiteral("Do you want to set the same sound as an alarm system for "
                                                  "incoming mail?"))
        != MessageBox::Answer::Yes)
        return;
    m_settings.wavesound = QStringLiteral("mailbeep");
    fullSave();
    updateSoundLabel();
}

void MainWindow::chooseSwatchColor(int section)
{
    QStringList colors = m_optionsTab->swatchColorTexts();
    const QColor chosen = platform::ColorDialog::choose(this, themes::colorFromText(colors.value(section)));
    if (!chosen.isValid())
        return;
    colors[section] = themes::colorToText(chosen);
    m_optionsTab->setSwatchColorTexts(colors);
    QString error;
    writeOrReport(store::SettingsStore(m_archive.database()).colourSave(colors, &error), error);
    loadSettings();
}

void MainWindow::chooseEditorColor(bool background)
{
    const QString current = background ? m_optionsTab->editorBackColor() : m_optionsTab->editorFontColor();
    const QColor chosen = platform::ColorDialog::choose(this, themes::colorFromText(current));
    if (!chosen.isValid())
        return;
    m_optionsTab->setEditorColor(background, chosen);
    m_optionsTab->setEditorSaveEnabled(true);
}

void MainWindow::saveEditorSettings()
{
    QString error;
    if (!writeOrReport(store::SettingsStore(m_archive.database())
                           .editorSave(m_optionsTab->editorFontName(), m_optionsTab->editorFontColor(),
                                       m_optionsTab->editorFontSize(), m_settings.charset,
                                       m_optionsTab->editorBackColor(), &error),
                       error))
        return;
    loadSettings();
    editorSettingsLoad();
}

void MainWindow::fixWindowSize()
{
    if (MessageBox::question(this, QStringLiteral("Do you want to save my current size as a default size?"))
        != MessageBox::Answer::Yes)
        return;
    if (!isMaximized())
        m_contacts->tab()->saveLayoutForDefaultSize();
    QString error;
    writeOrReport(store::SettingsStore(m_archive.database()).saveWindowSize(isMaximized(), width(), height(), &error),
                  error);
    loadSettings();
}

void MainWindow::setHintsHidden(bool hidden)
{
    static const char* const hints[] = {"SpeedButtonHintShot",    "SpeedButtonHintAnno", "SpeedButtonHelpMonth",
                                        "SpeedButtonHelpWeek",    "SpeedButton_Help",    "SpeedButtonHintContact",
                                        "SpeedButtonHintNote",    "SpeedButtonHintLista", "SpeedButtonHintOpzioni"};
    for (const char* name : hints) {
        if (auto* button = findChild<QWidget*>(QLatin1String(name)))
            button->setVisible(!hidden);
    }
}

void MainWindow::changeArchiveFolder()
{
    unsavedFilePrompt();
    MessageBox::information(this, QStringLiteral("If the new folder you choose contain valid archive, I will use "
                                                 "them.\nOtherwise I will create new ones."));
    const QString start = m_sharedFolderInUse ? QFileInfo(m_archiveFolder).absolutePath()
                                              : platform::Shell::desktopFolder();
    const QString folder = platform::FileDialog::chooseFolder(this, QStringLiteral("Select Folder"), start);
    if (folder.isEmpty())
        return;
    const QString text = QDir::toNativeSeparators(folder) + QStringLiteral("\r\n");
    if (const int excess = store::ArchiveLocation::excessLength(text); excess > 0) {
        MessageBox::warning(this, QStringLiteral("The path you have chosen is too long:\r\n") + text
                                      + QStringLiteral("\r\n\r\n") + QStringLiteral("Try again with a shorter one at least ")
                                      + QString::number(excess) + QStringLiteral(" characters."));
        return;
    }
    QString error;
    if (!store::ArchiveLocation::writeNetFile(m_defaultFolder, QDir::toNativeSeparators(folder), &error)) {
        MessageBox::warning(this, QStringLiteral("I can not write \"%1\": %2")
                                      .arg(store::ArchiveLocation::netFilePath(m_defaultFolder), error));
        return;
    }
    MessageBox::information(this, QStringLiteral("You will have to restart me manually!"));
    terminate();
}

void MainWindow::backToDefaultFolder()
{
    unsavedFilePrompt();
    if (MessageBox::question(this, QStringLiteral("Do you want to go back to work in the default folder of your "
                                                  "profile?"))
        != MessageBox::Answer::Yes)
        return;
    store::ArchiveLocation::removeNetFile(m_defaultFolder);
    MessageBox::information(this, QStringLiteral("This requires a manual restart!"));
    terminate();
}

// ---------------------------------------------------------------- lists

QDate MainWindow::viewedDate() const
{
    return m_agenda->viewedDate();
}

void MainWindow::runListQueries()
{
    m_agenda->runAllLists();
    m_toDoTab->runSearch();
    m_contacts->tab()->runSearch();
    m_notesTab->runSearch();
}

void MainWindow::refreshAll()
{
    unsavedFilePrompt();
    m_agenda->purgeExpired();
    for (int kind : {AgendaController::Monthly, AgendaController::Weekly, AgendaController::Yearly,
                     AgendaController::OneShot})
        m_agenda->runList(kind);
    m_agenda->refreshToday();
    m_contacts->tab()->runSearch();
    m_toDoTab->runSearch();
    runAlarmListQuery();
    m_notesTab->runSearch();
    applyTheme(QStringLiteral("default"));
    applyTheme(m_settings.themeName);
    m_agenda->refitGrids();
}

void MainWindow::openAttachment(const QString& attachment)
{
    const QString text = attachment.trimmed();
    if (text.startsWith(QLatin1String("mailto:"), Qt::CaseInsensitive) || text.contains(QLatin1String("://"))) {
        platform::Shell::open(QUrl(text));
        return;
    }
    if (text.startsWith(QLatin1String("www."), Qt::CaseInsensitive)) {
        platform::Shell::open(QUrl(QStringLiteral("http://") + text));
        return;
    }
    QFileInfo file(text);
    if (file.isRelative()) {
        for (const char* folder : {"allegati/", "attaches/"}) {
            const QFileInfo candidate(m_programFolder + QLatin1String(folder) + text);
            if (candidate.exists()) {
                file = candidate;
                break;
            }
        }
    }
    if (!file.exists()) {
        MessageBox::warning(this, QStringLiteral("I can not find \"%1\".").arg(text));
        return;
    }
    platform::Shell::openPath(file.absoluteFilePath());
}

void MainWindow::showContactLink(const QString& link)
{
    m_tabs->setCurrentIndex(TabContacts);
    m_contacts->tab()->findLinked(link);
}

// ---------------------------------------------------------------- lifecycle

void MainWindow::requestReveal()
{
    if (m_busy)
        return;
    if (!m_topBar->pinButton()->isChecked() || m_minimised)
        m_timerAppari->start();
}

DesktopCommands MainWindow::desktopCommands()
{
    return DesktopCommands(this, QCoreApplication::applicationFilePath(), m_programFolder);
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
    const QColor color = sectionColor(index);
    QPalette palette = m_topBar->palette();
    palette.setColor(QPalette::Window, color);
    palette.setColor(QPalette::WindowText, color.lightness() < 110 ? Qt::white : Qt::black);
    m_topBar->setPalette(palette);
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

void MainWindow::swapPendingRestore(const QString&) {}
void MainWindow::writeContactColumnLayoutDefaults()
{
    m_contacts->tab()->writeDefaultLayout();
}
void MainWindow::loadGroupLists()
{
    m_contacts->tab()->loadGroups();
    m_notesTab->setDatabase(m_archive.database());
    m_notesTab->setObjectName(QStringLiteral("TabSheetNote"));
    m_notesTab->loadGroups();
    m_toDoTab->setDatabase(m_archive.database());
    m_toDoTab->setProgramFolder(m_programFolder);
    m_toDoTab->loadGroups();
}
void MainWindow::applyTheme(const QString&) {}
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
void MainWindow::showMigrationNotice() {}
bool MainWindow::unsavedFilePrompt()
{
    return m_notesTab->askToSaveUnsavedNote();
}
void MainWindow::playAlarmSound()
{
    updateSoundLabel();
    m_reminders->playAlarmSound();
}

} // namespace brivane::shell
