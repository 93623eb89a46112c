#pragma once

#include "agenda/Task.h"
#include "agenda/TaskKind.h"

#include <QDate>
#include <QLocale>
#include <QString>

#include <optional>

namespace brivane::agenda {

// What an entry dialog holds when it saves: its fields as the user left
// them. TaskWriter turns it into the column values of BRarc66.
struct TaskEntry
{
    TaskKind kind = TaskKind::OneShot;
    QDate workingDate;
    // The time fields as shown (validated before saving).
    QString from;
    QString to;
    QString description;
    QString note;
    QString link;
    QString attachment;
    bool important = false;
    bool suspended = false;
    bool expiration = false;
    QDate expiry;

    // One-shot: "Delete after this date", "Torment me every day!".
    bool deleteAfter = false;
    bool everyDay = false;
    // Monthly, weekly, yearly: "Bi-Monthly ", "Bi-Weekly ", "Bi-Yearly".
    bool parity = false;
    // Yearly: the years count box and the month/day text ("mm/dd").
    bool yearsCount = false;
    QString monthDay;
    // Monthly: the day label, "01" to "31".
    QString dayOfMonth;
    // Yearly add for a birthday: the contact's key.
    std::optional<qint64> linkedContact;

    // The fields a modify dialog opens with for a stored row: times split
    // around the current separator, boxes from their columns, the parity box
    // checked when the kind's parity column holds a code, the expiry from
    // `scadenza` (today when it holds no real date) but never before the
    // start date.
    static TaskEntry fromTask(const Task& task, TaskKind kind, const QDate& today,
                              const QLocale& locale = QLocale());
};

// A stored date that holds no real day: missing, or from the year 1899 or
// earlier, as older archives wrote an empty date.
bool isEmptyStoredDate(const QDate& date);

// The first character of a description or a link is raised when it is one
// of the letters a to z; every other character stays as typed.
QString capitalizedFirstLetter(const QString& text);

} // namespace brivane::agenda
