// Applying the settings record to the main window, at creation and after
// every write.
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
#include "shell/TabVisibility.h"
#include "store/ArchiveCounts.h"
#include "store/ArchiveLocation.h"
#include "store/ArchiveStartup.h"
#include "store/SettingsStore.h"
#include "agenda/CalendarMarks.h"
#include "themes/ColorText.h"
#include "themes/LedOptions.h"
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

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFontDatabase>
#include <QPointer>
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

bool MainWindow::applyCreationSettings()
{
    const store::SettingsRecord& s = m_settings;
    m_scalePercent = store::scaleEntries().value(s.scalaIndex, QStringLiteral("100")).toInt();
    m_agenda->setScalePercent(m_scalePercent);
    m_clockFormat = clockFormatFor(s.ampm);

    // Tab visibility and start tab; the Options tab is always there.
    if (TabVisibility::apply(m_tabs, s, m_agenda->todayTab()->findChild<QWidget*>(QStringLiteral("SpeedButtonFollowToday")),
                             m_specialMenu->startTabList())) {
        // Archives of an older version mean Today by "-": saved as "4".
        m_options->fullSave();
    }
    m_options->setHintsHidden(s.hidetips);
    m_contacts->tab()->applyDisplayModeSetting();
    m_contacts->tab()->applyMemorisedGroup();
    m_notesTab->applyMemorisedGroup();
    m_toDoTab->applyMemorisedGroup();
    return true;
}

bool MainWindow::sizeWindow()
{
    resize(qMax(m_settings.winWidth, 100), qMax(m_settings.winHeight, 100));
    m_startMaximised = m_settings.winStato != QLatin1String("wsNormal");
    if (m_startMaximised)
        setWindowState(windowState() | Qt::WindowMaximized);
    m_agenda->refitGrids();
    return true;
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
    m_specialMenu->showSettings(m_settings);
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
    // A settings write leaves the keyboard focus where the user put it.
    const QPointer<QWidget> focused = QApplication::focusWidget();
    tabChanged(m_tabs->currentIndex());
    if (focused)
        focused->setFocus();
    if (m_marker) {
        m_marker->setSectionColors(m_settings.sectionColors);
        const themes::LedOptions leds;
        m_agenda->todayTab()->calendar()->setKindBorders(leds.border);
        m_agenda->todayTab()->calendar()->setKindColors(agenda::kindColors(m_settings.sectionColors, leds.defaultColors));
    }
    if (m_startupFinished)
        m_agenda->refreshToday();
    m_theme->repaintSectionColors();
    m_optionsTab->setSoundControlsEnabled(store::soundonHasSound(m_settings.soundon));
}

bool MainWindow::editorSettingsLoad()
{
    QFont font(m_settings.fontname);
    font.setPointSize(qMax(1, m_settings.fontsize));
    if (font.family() != m_settings.fontname)
        font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    m_notesTab->applyEditorSettings(font, themes::colorFromText(m_settings.fontcolor, Qt::black),
                              themes::colorFromText(m_settings.backcolor, Qt::white));
    m_optionsTab->setEditorSaveEnabled(false);
    return true;
}

} // namespace brivane::shell
