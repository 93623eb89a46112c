#pragma once

#include "to_do/ToDoItem.h"
#include "to_do/ToDoSearch.h"

#include <QAbstractTableModel>
#include <QList>
#include <QSqlDatabase>

namespace brivane::to_do {

// The to-do list: the rows the search selects, in its order, read in one go
// so that the grid, the counter and the export all see the same list.
// Columns: "Description", "P", "%", the note mark "Note" and "Done" ("X"
// for a checked item), which the grid keeps hidden. Checked items come
// struck out.
class ToDoQuery : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { Description, Priority, Percent, NoteMark, Done, ColumnCount };

    explicit ToDoQuery(QObject* parent = nullptr);

    ToDoSearch search;

    // Runs the search; on failure the list is emptied and `error` says why.
    bool run(const QSqlDatabase& db, QString* error = nullptr);
    void clear();

    const QList<ToDoItem>& items() const { return m_items; }
    // The item of a row; an empty item (key 0) past the end.
    ToDoItem itemAt(int row) const;
    int rowOfKey(qint64 codtod) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // The text of the note mark column for an item with a note.
    static QString noteMark() { return QStringLiteral("\u270E"); }

private:
    QList<ToDoItem> m_items;
};

} // namespace brivane::to_do
