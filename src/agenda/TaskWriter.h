#pragma once

#include "agenda/Task.h"
#include "agenda/TaskEntry.h"

#include <QList>
#include <QLocale>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <optional>

namespace brivane::agenda {

// One column of a task row as an entry dialog writes it.
struct ColumnValue
{
    QString name;
    QVariant value;
};

// The columns of one INSERT or UPDATE, in the order of its statement.
class TaskColumns
{
public:
    TaskColumns() = default;
    explicit TaskColumns(QList<ColumnValue> columns) : m_columns(std::move(columns)) {}

    const QList<ColumnValue>& list() const { return m_columns; }
    QStringList names() const;
    // The value of a column; an invalid QVariant when the column is absent.
    QVariant value(const QString& name) const;
    bool contains(const QString& name) const;

private:
    QList<ColumnValue> m_columns;
};

// Writes the tasks of the entry dialogs into BRarc66. Every value travels as
// a bound parameter; dates as 'yyyy-MM-dd' text.
//
// Column values (all kinds): the description and the link with a raised
// first letter a-z; the times as storedTime() gives them; the yes/no boxes
// as "Y"/"N"; `scadenza` the expiry picker's date also while "Expiration"
// is off. Per kind:
//   one-shot  dayofweek "X" (delete after), "T" (every day) or empty; the
//             three options exclude each other, in that order of precedence,
//             so flagscad is "Y" only with neither of the other two.
//   yearly    dayofmonth "SI"/"NO" (years count), dayofweek the week-year
//             parity of the working date or empty, data the month/day text,
//             dayindex the linked contact's key (add only, when linked).
//   monthly   dayofmonth the day label, dayofweek the month parity or empty.
//   weekly    dayofweek the weekday name of the working date, dayindex its
//             number (1 = Sunday to 7 = Saturday), dayofmonth the week
//             parity or empty.
// A new task is not done: `fatto` the undone date of the viewed date,
// `flagfatto` "N". A modified task keeps its done state unless its start
// date changes, which resets it the same way.
class TaskWriter
{
public:
    static TaskColumns insertColumns(const TaskEntry& entry, const QDate& viewed,
                                     const QLocale& locale = QLocale());
    static TaskColumns updateColumns(const TaskEntry& entry, const Task& stored, const QDate& viewed,
                                     const QLocale& locale = QLocale());

    // "INSERT INTO BRarc66" / "(a,b,...)" / "values (:a,:b,...)"
    static QString insertStatement(const TaskColumns& columns);
    // "UPDATE BRarc66" / "SET a = :a," / ... / "WHERE codimp = :codimp"
    static QString updateStatement(const TaskColumns& columns);
    // "SELECT * FROM BRarc66 WHERE codimp = :codimp"
    static QString selectStatement();

    // The new row's key, or -1 with the reason in *error.
    static qint64 insert(QSqlDatabase db, const TaskEntry& entry, const QDate& viewed,
                         QString* error = nullptr);
    static bool update(QSqlDatabase db, const TaskEntry& entry, const Task& stored, const QDate& viewed,
                       QString* error = nullptr);
    // The stored row, or nothing (with the reason) when it is missing.
    static std::optional<Task> load(QSqlDatabase db, qint64 codimp, QString* error = nullptr);
};

} // namespace brivane::agenda
