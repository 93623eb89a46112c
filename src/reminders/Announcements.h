#pragma once

#include <QDate>
#include <QList>
#include <QSqlDatabase>
#include <QString>

namespace brivane::reminders {

// What a popup of the notifier shows.
struct PopupContent
{
    QString title;
    QString text;
    int height = 0;
    int timeoutSeconds = 0; // 0 stays until closed
};

// A task as the announcements list it.
struct AnnouncedTask
{
    QString orario;
    QString orario2;
    QString id;
    bool ticked = false; // flagfatto "Y"
};

// "              From 09:00 To 10:00 -> description", blank times as "__.__".
QString announcementLine(const AnnouncedTask& task);

// The important tasks of one coming day.
struct LookAheadDay
{
    int daysAhead = 0;
    QDate date;
    QList<AnnouncedTask> tasks;
};

// For N from `dayCount` down to 1 (the farthest day first), the days with
// important tasks not yet done and not suspended.
bool lookAheadDays(const QSqlDatabase& db, const QDate& today, int dayCount, QList<LookAheadDay>& days,
                   QString* error = nullptr);
// Whether any such task lies within the next `dayCount` days.
bool anythingAhead(const QSqlDatabase& db, const QDate& today, int dayCount);
PopupContent lookAheadPopup(const LookAheadDay& day);
PopupContent nothingAheadPopup(int dayCount);
PopupContent lockedLookAheadPopup();

// Whether the day-start check finds tasks for today (not done, not
// suspended, no done tick from an earlier date).
bool dayStartHasTasks(const QSqlDatabase& db, const QDate& today, QString* error = nullptr);
// The list of today's tasks shown at the day start; ticked rows are left out.
PopupContent todaysTasksPopup(const QList<AnnouncedTask>& todayList, const QDate& today);
// A popup no taller than `maxHeight`: lines that do not fit are left out
// and counted on a last line, so a busy day never builds a giant window.
PopupContent fittedPopup(PopupContent popup, int maxHeight);
// The popup of a ringing task.
PopupContent alarmPopup(const QString& taskText);

} // namespace brivane::reminders
