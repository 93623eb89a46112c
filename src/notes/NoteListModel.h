#pragma once

#include "notes/NoteSearch.h"

#include <QAbstractTableModel>
#include <QList>
#include <QSqlDatabase>

namespace brivane::notes {

// The list of the Notes tab: the key and title of every note the search
// finds, in the search's order. One column, the title. The rows are read
// straight from the SQLite connection, which a keystroke of the search on
// a large archive needs.
class NoteListModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit NoteListModel(QObject* parent = nullptr);

    // Runs the search; on failure the list is emptied and false returned
    // with the engine's message in *error.
    bool run(const QSqlDatabase& db, const NoteSearch& search, QString* error = nullptr);

    qint64 keyAt(int row) const;
    QString titleAt(int row) const;
    int rowOfKey(qint64 key) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QList<qint64> m_keys;
    QList<QString> m_titles;
};

} // namespace brivane::notes
