#pragma once

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QTime>

namespace brivane::reminders {

// One row of the alarm list: a task of today not done and not suspended.
struct AlarmEntry
{
    qint64 codimp = 0;
    QString id;
    QString flag;
    QString orario;
    QTime time; // invalid when the start time is blank or unreadable: never rings
};

// The minute a start time text names ("hh:mm", also with "." or the
// locale's separator); invalid for a blank "  :  " or anything else.
QTime alarmTime(const QString& orario);

// Reads the alarm list of a day (today's tasks not done for it, not
// suspended, in time order) into memory, so the one-second tick never
// queries the archive.
bool loadAlarmList(const QSqlDatabase& db, const QDate& day, QList<AlarmEntry>& entries, QString* error = nullptr);

// Decides which alarms ring at a tick. Every wall-clock second after the
// last evaluated one is evaluated, at most a minute back, so a late or
// stalled timer still rings a task once, a woken computer does not ring an
// hour of old alarms, and no second is evaluated twice.
class AlarmSchedule
{
public:
    static constexpr int kMaxCatchUpSeconds = 60;

    void setEntries(const QDate& day, const QList<AlarmEntry>& entries);
    const QList<AlarmEntry>& entries() const { return m_entries; }
    QDate day() const { return m_day; }
    bool isLoaded() const { return m_day.isValid(); }

    // The entries whose start second lies in the evaluated span, in list order.
    QList<AlarmEntry> due(const QDateTime& now);
    // Forgets the last evaluated second (the next tick evaluates only itself).
    void restart() { m_lastEvaluated = -1; }

private:
    QDate m_day;
    QList<AlarmEntry> m_entries;
    // The second each entry rings, as seconds since the epoch; -1 never.
    QList<qint64> m_ringSeconds;
    qint64 m_lastEvaluated = -1;
};

// " " + description + "!", cut to 43 characters and "..." beyond 46.
QString alarmTaskText(const QString& description);

} // namespace brivane::reminders
