#pragma once

#include "to_do/ToDoItem.h"

#include <QSqlDatabase>
#include <QString>

#include <optional>

namespace brivane::to_do {

// The statements that write one to-do item. Every value travels as a bound
// parameter. Each function returns false (or -1, or nothing) on failure and
// then puts the engine's message in `error` when given.
class ToDoWriter
{
public:
    explicit ToDoWriter(QSqlDatabase db) : m_db(std::move(db)) {}

    std::optional<ToDoItem> load(qint64 codtod, QString* error = nullptr) const;
    // A new item, unchecked at 0 %, whatever `item` says; returns its key.
    qint64 insert(const ToDoItem& item, QString* error = nullptr) const;
    // Every field of the item `item.codtod`.
    bool update(const ToDoItem& item, QString* error = nullptr) const;
    // Writes the state the check command gives an item whose flag is `flag`.
    bool check(qint64 codtod, const QString& flag, QString* error = nullptr) const;
    // A copy of the item without its group; returns the copy's key.
    qint64 clone(const ToDoItem& item, QString* error = nullptr) const;
    bool remove(qint64 codtod, QString* error = nullptr) const;

    static QString insertStatement();
    static QString updateStatement();
    static QString checkStatement();
    static QString cloneStatement();
    static QString deleteStatement();

private:
    QSqlDatabase m_db;
};

// The check command: an unchecked item ("No") becomes "Yes" at 100 %; any
// other flag, empty included, becomes "No" at 0 %.
struct CheckState
{
    QString flag;
    int percento = 0;
};
CheckState toggledState(const QString& flag);

// A description as it is saved: its first character raised to upper case
// when it is a letter from a to z.
QString savedDescription(const QString& description);

} // namespace brivane::to_do
