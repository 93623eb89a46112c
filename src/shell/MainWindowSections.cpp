// The nine sections of the main window: building the tabs, wiring them to
// each other and to the reminders, and re-running their lists.
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
#include "shell/SpecialMenu.h"
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
#include "store/widgets/OptionsTab.h"
#include "ui/SectionTab.h"
#include "reminders/widgets/PopupNotifier.h"
#include "contacts/widgets/ContactsTab.h"
#include "agenda/widgets/AgendaController.h"
#include "contacts/widgets/ContactsController.h"
#include "shell/DesktopCommands.h"
#include "themes/widgets/ThemeController.h"
#include "reminders/widgets/ReminderController.h"
#include "agenda/widgets/TaskListTab.h"
#include "agenda/widgets/TodayTab.h"
#include "documents/widgets/DocumentsController.h"
#include "documents/widgets/DocumentsEntry.h"
#include "documents/widgets/DocumentsPage.h"
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
    m_documents = new documents::widgets::DocumentsController(this, m_settings, m_agenda, m_contacts->tab(),
                                                              m_toDoTab, this);
    m_reports = new documents::widgets::ReportController(this, m_settings, m_agenda, m_contacts->tab(), m_toDoTab,
                                                         this);

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
    m_theme = new themes::widgets::ThemeController(
        {this, m_tabs, m_topBar, m_tray->menu(), [this] { return m_programFolder; }, [this] { return m_archiveFolder; },
         [this] { return m_archive.database(); }, [this] { return m_settings; }, [this] { loadSettings(); },
         [this] { return unsavedFilePrompt(); }, [this] { terminate(); }, [this] { m_options->updateSoundLabel(); }},
        this);
    m_optionsTab->addBox(m_theme->optionsBox(), ui::OptionsTab::Column::Left);
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
        m_options->fullSave();
    });
    connect(m_notesTab, &notes::widgets::NotesTab::breakLinesToggled, this, [this](bool on) {
        m_settings.breakline = on ? QStringLiteral("Y") : QStringLiteral("N");
        m_options->fullSave();
    });
    connect(m_notesTab, &notes::widgets::NotesTab::formatBarToggled, this, [this](bool shown) {
        m_settings.formatbar = shown ? QStringLiteral("Y") : QStringLiteral("N");
        m_options->fullSave();
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

void MainWindow::buildOptions()
{
    ui::OptionsController::Window window;
    window.unsavedFilePrompt = [this] { return unsavedFilePrompt(); };
    window.terminate = [this] { terminate(); };
    window.playAlarmSound = [this] { m_reminders->playAlarmSound(); };
    window.saveContactLayoutForDefaultSize = [this] { m_contacts->tab()->saveLayoutForDefaultSize(); };
    window.collectFullSave = [this](store::SettingsRecord record) { return m_specialMenu->collectFullSave(record); };
    m_options = new ui::OptionsController(this, m_optionsTab, m_settings, window, this);
    buildArchiveCare();
    auto* documentsPage = new documents::widgets::DocumentsPage;
    m_documents->attachPage(documentsPage);
    documents::widgets::addDocumentsEntry(
        m_specialMenu->addCommand(QStringLiteral("SpeedButton_Documents"), QStringLiteral("Documents"),
                                  QStringLiteral("Day plans, task lists, contacts and to-do list as documents")),
        documentsPage);
    connect(m_options, &ui::OptionsController::settingsWritten, this, &MainWindow::loadSettings);
    connect(m_options, &ui::OptionsController::dateFormatsChanged, this, [this] {
        m_agenda->runList(AgendaController::OneShot);
        m_agenda->runList(AgendaController::Yearly);
    });
    connect(m_options, &ui::OptionsController::editorSettingsSaved, this, &MainWindow::editorSettingsLoad);
    connect(m_options, &ui::OptionsController::lookAheadSettingsChanged, m_reminders,
            &ReminderController::evaluateLookAheadButton);
    connect(m_options, &ui::OptionsController::lookAheadRequested, this, [this] { runLookAhead(false); });
    connect(m_options, &ui::OptionsController::scaleChanged, this, [this](int percent) {
        m_scalePercent = percent;
        m_agenda->setScalePercent(percent);
    });
    connect(m_options, &ui::OptionsController::ampmChanged, this,
            [this](bool on) { m_clockFormat = clockFormatFor(on); });
}

// ---------------------------------------------------------------- lists

QDate MainWindow::viewedDate() const
{
    return m_agenda->viewedDate();
}

bool MainWindow::runListQueries()
{
    m_agenda->runAllLists();
    m_toDoTab->runSearch();
    m_contacts->tab()->runSearch();
    m_notesTab->runSearch();
    return true;
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
    m_theme->reapply();
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

} // namespace brivane::shell
