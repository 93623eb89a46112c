#include "reminders/widgets/ReminderController.h"

#include "agenda/TaskListQuery.h"
#include "platform/Clock.h"
#include "platform/widgets/Sound.h"
#include "platform/widgets/TrayIcon.h"
#include "agenda/widgets/AgendaController.h"
#include "store/SettingsRecord.h"
#include "themes/ColorText.h"
#include "agenda/widgets/TodayTab.h"

#include <QFileInfo>
#include <QSqlRecord>

namespace brivane::shell {

ReminderController::ReminderController(const store::SettingsRecord& settings, AgendaController* agenda,
                                       platform::TrayIcon* tray, Window window, QObject* parent)
    : QObject(parent), m_settings(settings), m_agenda(agenda), m_tray(tray), m_sound(new platform::Sound(this)),
      m_window(std::move(window))
{
    connect(m_agenda->todayTab(), &ui::TodayTab::alarmMessageClicked, this, &ReminderController::stopFlashing);
    connect(m_agenda->todayTab(), &ui::TodayTab::lookAheadRequested, this, [this] { runLookAhead(false); });
}

bool ReminderController::passwordLocked() const
{
    return !m_settings.psw.isEmpty() && m_settings.blocco == QLatin1String("Y");
}

void ReminderController::reloadAlarmList()
{
    loadAlarmListOf(platform::Clock::instance().today());
}

void ReminderController::loadAlarmListOf(const QDate& today)
{
    QList<reminders::AlarmEntry> entries;
    QString error;
    if (!reminders::loadAlarmList(m_db, today, entries, &error)) {
        Q_EMIT errorRaised(error);
        return;
    }
    m_schedule.setEntries(today, entries);
}

void ReminderController::alarmTick(const QDateTime& now)
{
    if (!m_schedule.isLoaded())
        return;
    // The first second of a new day is evaluated against that day's list,
    // whichever of the clock and the alarm timer notices the change first.
    if (m_schedule.day() != now.date())
        loadAlarmListOf(now.date());
    const QList<reminders::AlarmEntry> ringing = m_schedule.due(now);
    for (const reminders::AlarmEntry& entry : ringing)
        ring(entry);
}

QColor ReminderController::kindColor(const QString& flag) const
{
    const int kind = AgendaController::kindOf(flag);
    return themes::colorFromText(m_settings.sectionColors.value(kind < 0 ? 0 : kind), QColor(Qt::lightGray));
}

void ReminderController::ring(const reminders::AlarmEntry& entry)
{
    if (store::soundonHasSound(m_settings.soundon))
        playAlarmSound();
    if (m_window.showTodayTab)
        m_window.showTodayTab();
    const bool popupOn = store::soundonHasPopup(m_settings.soundon);
    if (popupOn && m_window.reveal)
        m_window.reveal();
    m_banner = QStringLiteral(" Hurry up! It is time to... ");
    m_taskText = reminders::alarmTaskText(entry.id);
    m_flashing = true;
    m_messageColor = kindColor(entry.flag);
    m_agenda->todayTab()->setAlarmMessage(m_banner, m_messageColor);
    if (m_window.isHidden && m_window.isHidden()) {
        m_tray->startBlinking();
        if (!passwordLocked() && m_window.showPopup)
            m_window.showPopup(reminders::alarmPopup(m_taskText));
    } else if (m_window.reveal) {
        m_window.reveal();
    }
}

void ReminderController::flashTick()
{
    if (!m_flashing)
        return;
    ui::TodayTab* today = m_agenda->todayTab();
    today->setAlarmMessage(today->alarmMessage() != m_banner ? m_banner : m_taskText, m_messageColor);
}

void ReminderController::stopFlashing()
{
    m_flashing = false;
    m_agenda->todayTab()->clearAlarmMessage();
}

QString ReminderController::resolvedSound() const
{
    const QString sound = m_settings.wavesound;
    if (sound.isEmpty() || sound == QLatin1String("mailbeep"))
        return {};
    if (QFileInfo(sound).isFile())
        return sound;
    const QString inAlarms = m_programFolder + QStringLiteral("alarms/") + QFileInfo(sound).fileName();
    return QFileInfo(inAlarms).isFile() ? inAlarms : QString();
}

void ReminderController::playAlarmSound()
{
    m_sound->play(resolvedSound());
}

bool ReminderController::dayStartCheck()
{
    if (m_settings.futuroFlag && (m_settings.minimized == QLatin1String("Y") || !m_firstLookAheadPending)) {
        runLookAhead(true);
        m_firstLookAheadPending = false;
    }
    const QString first = m_arguments.value(0).toUpper();
    const bool control = first == QLatin1String("CONTROLLO") || first == QLatin1String("CONTROL");
    if (control && m_agenda->todayQuery()->rowCount() == 0)
        return false;
    QString error;
    const QDate today = platform::Clock::instance().today();
    if (!reminders::dayStartHasTasks(m_db, today, &error)) {
        if (!error.isEmpty())
            Q_EMIT errorRaised(error);
        return true;
    }
    m_tray->startBlinking();
    const bool popupOn = store::soundonHasPopup(m_settings.soundon);
    const agenda::TodayQuery* list = m_agenda->todayQuery();
    if (!passwordLocked() && !popupOn && m_settings.minimized == QLatin1String("Y") && list->rowCount() > 0
        && m_window.showPopup) {
        QList<reminders::AnnouncedTask> rows;
        for (int row = 0; row < list->rowCount(); ++row) {
            const QSqlRecord record = list->record(row);
            rows << reminders::AnnouncedTask{record.value(QStringLiteral("orario")).toString(),
                                             record.value(QStringLiteral("orario2")).toString(),
                                             record.value(QStringLiteral("id")).toString(),
                                             record.value(QStringLiteral("flagfatto")).toString() == QLatin1String("Y")};
        }
        m_window.showPopup(reminders::todaysTasksPopup(rows, today));
    }
    if (store::soundonHasSound(m_settings.soundon))
        playAlarmSound();
    if (popupOn && m_window.reveal)
        m_window.reveal();
    return true;
}

void ReminderController::runLookAhead(bool automatic)
{
    // A manual run shows the real lists, which settles a deferred notice.
    if (!automatic)
        m_lookAheadDeferred = false;
    if (m_window.closePopups)
        m_window.closePopups();
    QList<reminders::LookAheadDay> days;
    QString error;
    const int dayCount = qBound(1, m_settings.futuroDays, 366);
    if (!reminders::lookAheadDays(m_db, platform::Clock::instance().today(), dayCount, days, &error)) {
        Q_EMIT errorRaised(error);
        return;
    }
    if (!days.isEmpty() && automatic && passwordLocked()) {
        if (m_locked) {
            m_lookAheadDeferred = true;
            if (m_window.showPopup)
                m_window.showPopup(reminders::lockedLookAheadPopup());
        }
        return;
    }
    for (const reminders::LookAheadDay& day : std::as_const(days)) {
        if (m_window.showPopup)
            m_window.showPopup(reminders::lookAheadPopup(day));
    }
    if (days.isEmpty() && !automatic && m_window.isOptionsTabActive && m_window.isOptionsTabActive()
        && m_window.showPopup)
        m_window.showPopup(reminders::nothingAheadPopup(dayCount));
}

void ReminderController::evaluateLookAheadButton()
{
    const int days = qBound(1, m_settings.futuroDays, 366);
    const bool shown = m_settings.futuroFlag
                       && reminders::anythingAhead(m_db, platform::Clock::instance().today(), days);
    m_agenda->todayTab()->setLookAheadButton(shown, days);
}

} // namespace brivane::shell
