#include "reminders/Announcements.h"

#include "agenda/DateFormat.h"
#include "agenda/DaySelection.h"

#include <QSqlQuery>

namespace brivane::reminders {

namespace {

const QString kIndent = QStringLiteral("              "); // fourteen spaces

QString timeOrPlaceholder(const QString& time)
{
    return time.trimmed().size() <= 1 ? QStringLiteral("__.__") : time;
}

} // namespace

QString announcementLine(const AnnouncedTask& task)
{
    return kIndent + QStringLiteral("From ") + timeOrPlaceholder(task.orario) + QStringLiteral(" To ")
           + timeOrPlaceholder(task.orario2) + QStringLiteral(" -> ") + task.id;
}

bool lookAheadDays(const QSqlDatabase& db, const QDate& today, int dayCount, QList<LookAheadDay>& days,
                   QString* error)
{
    days.clear();
    QSqlQuery query(db);
    query.setForwardOnly(true);
    const QString statement = agenda::lookAheadStatement();
    for (int n = dayCount; n >= 1; --n) {
        LookAheadDay day;
        day.daysAhead = n;
        day.date = today.addDays(n);
        if (!agenda::selectDay(query, statement, day.date, error))
            return false;
        while (query.next()) {
            day.tasks << AnnouncedTask{query.value(QStringLiteral("orario")).toString(),
                                       query.value(QStringLiteral("orario2")).toString(),
                                       query.value(QStringLiteral("id")).toString(),
                                       query.value(QStringLiteral("flagfatto")).toString() == QLatin1String("Y")};
        }
        if (!day.tasks.isEmpty())
            days << day;
    }
    return true;
}

bool anythingAhead(const QSqlDatabase& db, const QDate& today, int dayCount)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    const QString statement = agenda::lookAheadStatement();
    for (int n = dayCount; n >= 1; --n) {
        if (agenda::selectDay(query, statement, today.addDays(n)) && query.next())
            return true;
    }
    return false;
}

PopupContent lookAheadPopup(const LookAheadDay& day)
{
    PopupContent popup;
    popup.height = 16 * int(day.tasks.size()) + 80;
    popup.title = QStringLiteral("I inform you that left ") + QString::number(day.daysAhead)
                  + QStringLiteral(" days, in date: ") + agenda::formatDate(day.date, QStringLiteral("dddd d mmmm yyyy"))
                  + QLatin1Char('\n');
    for (const AnnouncedTask& task : day.tasks)
        popup.text += announcementLine(task) + QLatin1Char('\n');
    return popup;
}

PopupContent nothingAheadPopup(int dayCount)
{
    PopupContent popup;
    popup.title = QStringLiteral("Important tasks");
    popup.text = QStringLiteral("No important task for the next ") + QString::number(dayCount) + QStringLiteral(" days.");
    popup.height = 80;
    popup.timeoutSeconds = 5;
    return popup;
}

PopupContent lockedLookAheadPopup()
{
    PopupContent popup;
    popup.title = QStringLiteral("Important task incoming!");
    popup.text = kIndent + QStringLiteral("Enter the password to see what I mean.");
    popup.height = 80;
    return popup;
}

bool dayStartHasTasks(const QSqlDatabase& db, const QDate& today, QString* error)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    return agenda::selectDay(query, agenda::dayStartCheckStatement(), today, error) && query.next();
}

PopupContent todaysTasksPopup(const QList<AnnouncedTask>& todayList, const QDate& today)
{
    PopupContent popup;
    popup.height = 80 + 16 * int(todayList.size());
    bool leftOut = false;
    for (const AnnouncedTask& task : todayList) {
        if (task.ticked) {
            leftOut = true;
            continue;
        }
        popup.text += announcementLine(task) + QLatin1Char('\n');
    }
    popup.title = (leftOut ? QStringLiteral("Today's tasks (not checked): ") : QStringLiteral("Today's tasks: "))
                  + agenda::formatDate(today, QStringLiteral("dddd d mmmm yyyy"));
    popup.timeoutSeconds = 10;
    return popup;
}

PopupContent fittedPopup(PopupContent popup, int maxHeight)
{
    if (popup.height <= maxHeight)
        return popup;
    const int fitting = qMax(1, (maxHeight - 80) / 16 - 1);
    QStringList lines = popup.text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    if (lines.size() > fitting) {
        const qsizetype more = lines.size() - fitting;
        lines = lines.mid(0, fitting);
        lines << kIndent + QStringLiteral("... and ") + QString::number(more) + QStringLiteral(" more");
        popup.text = lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
    }
    popup.height = maxHeight;
    return popup;
}

PopupContent alarmPopup(const QString& taskText)
{
    PopupContent popup;
    popup.title = QStringLiteral("Hurry up! It is time to...");
    popup.text = kIndent + taskText;
    popup.height = 96;
    popup.timeoutSeconds = 10;
    return popup;
}

} // namespace brivane::reminders
