#pragma once

#include "reminders/AlarmSchedule.h"
#include "reminders/Announcements.h"

#include <QColor>
#include <QObject>
#include <QSqlDatabase>
#include <QStringList>
#include <functional>

namespace brivane::platform {
class Sound;
class TrayIcon;
} // namespace brivane::platform

namespace brivane::store {
struct SettingsRecord;
}

namespace brivane::shell {

class AgendaController;

// The resident reminders: the alarm clock over today's alarm list, the
// flashing alarm message, the day-start check and the look-ahead notice of
// important tasks. The main window lends it what it shows through.
class ReminderController : public QObject
{
    Q_OBJECT

public:
    struct Window
    {
        std::function<void()> reveal;           // bring the main window forward
        std::function<void()> showTodayTab;
        std::function<bool()> isHidden;         // minimised to the tray
        std::function<bool()> isOptionsTabActive;
        std::function<void(const reminders::PopupContent&)> showPopup;
        std::function<void()> closePopups;
    };

    ReminderController(const store::SettingsRecord& settings, AgendaController* agenda,
                       platform::TrayIcon* tray, Window window, QObject* parent = nullptr);

    void setDatabase(const QSqlDatabase& db) { m_db = db; }
    void setProgramFolder(const QString& folder) { m_programFolder = folder; }
    void setArguments(const QStringList& arguments) { m_arguments = arguments; }
    void setLocked(bool locked) { m_locked = locked; }
    bool isLookAheadDeferred() const { return m_lookAheadDeferred; }

    // Re-reads today's alarm list; the tick scans it without any query.
    void reloadAlarmList();
    // One alarm clock tick at the given instant.
    void alarmTick(const QDateTime& now);
    // One clock tick of the message strip: banner and task text alternate.
    void flashTick();
    void stopFlashing();
    bool isFlashing() const { return m_flashing; }

    // The day-start check; returns false when the program must end
    // (started with "control" on a day without tasks).
    bool dayStartCheck();
    // The look-ahead notice; `automatic` runs come from the day start and
    // the first show.
    void runLookAhead(bool automatic);
    void evaluateLookAheadButton();
    bool isFirstLookAheadPending() const { return m_firstLookAheadPending; }
    void clearFirstLookAheadPending() { m_firstLookAheadPending = false; }

    // The sound the settings name, or the one of the same name in the alarms
    // folder; empty for the built-in sound.
    QString resolvedSound() const;
    void playAlarmSound();

Q_SIGNALS:
    void errorRaised(const QString& message);

private:
    void loadAlarmListOf(const QDate& day);
    void ring(const reminders::AlarmEntry& entry);
    bool passwordLocked() const;
    QColor kindColor(const QString& flag) const;

    const store::SettingsRecord& m_settings;
    AgendaController* m_agenda;
    platform::TrayIcon* m_tray;
    platform::Sound* m_sound;
    Window m_window;
    QSqlDatabase m_db;
    QString m_programFolder;
    QStringList m_arguments;
    reminders::AlarmSchedule m_schedule;
    QString m_banner;
    QString m_taskText;
    QColor m_messageColor;
    bool m_flashing = false;
    bool m_locked = false;
    bool m_lookAheadDeferred = false;
    bool m_firstLookAheadPending = true;
};

} // namespace brivane::shell
