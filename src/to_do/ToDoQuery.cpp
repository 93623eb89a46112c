#include "to_do/ToDoQuery.h"

#include "store/WriteTransaction.h"

#include <QFont>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace brivane::to_do {

ToDoQuery::ToDoQuery(QObject* parent) : QAbstractTableModel(parent) {}

bool ToDoQuery::run(const QSqlDatabase& db, QString* error)
{
    QList<ToDoItem> items;
    QSqlQuery query(db);
    query.setForwardOnly(true);
    bool ok = query.prepare(search.statement());
    if (ok) {
        const QVariantMap values = search.bindings();
        for (auto it = values.cbegin(); it != values.cend(); ++it)
            query.bindValue(it.key(), it.value());
        ok = query.exec();
    }
    if (ok) {
        // Column positions are looked up once; reading by position keeps a
        // list of many thousand items quick.
        const QSqlRecord columns = query.record();
        const int codtod = columns.indexOf(QStringLiteral("codtod"));
        const int id = columns.indexOf(QStringLiteral("id"));
        const int note = columns.indexOf(QStringLiteral("note"));
        const int priority = columns.indexOf(QStringLiteral("priority"));
        const int flag = columns.indexOf(QStringLiteral("flag"));
        const int percento = columns.indexOf(QStringLiteral("percento"));
        const int allegato = columns.indexOf(QStringLiteral("allegato"));
        const int ricerca = columns.indexOf(QStringLiteral("ricerca"));
        const int gruppo = columns.indexOf(QStringLiteral("gruppo"));
        while (query.next()) {
            ToDoItem item;
            item.codtod = query.value(codtod).toLongLong();
            item.id = query.value(id).toString();
            item.note = query.value(note).toString();
            item.priority = wholeNumber(query.value(priority));
            item.flag = query.value(flag).toString();
            item.percento = wholeNumber(query.value(percento));
            item.allegato = query.value(allegato).toString();
            item.ricerca = query.value(ricerca).toString();
            if (gruppo >= 0)
                item.gruppo = query.value(gruppo).toString();
            items.append(std::move(item));
        }
        ok = !query.lastError().isValid();
    }
    if (!ok && error)
        *error = store::archiveErrorText(query.lastError());
    beginResetModel();
    m_items = ok ? std::move(items) : QList<ToDoItem>();
    endResetModel();
    return ok;
}

void ToDoQuery::clear()
{
    beginResetModel();
    m_items.clear();
    endResetModel();
}

ToDoItem ToDoQuery::itemAt(int row) const
{
    if (row < 0 || row >= m_items.size()) {
        ToDoItem none;
        none.priority = 0;
        none.flag.clear();
        return none;
    }
    return m_items.at(row);
}

int ToDoQuery::rowOfKey(qint64 codtod) const
{
    for (int row = 0; row < m_items.size(); ++row) {
        if (m_items.at(row).codtod == codtod)
            return row;
    }
    return -1;
}

int ToDoQuery::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_items.size());
}

int ToDoQuery::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ToDoQuery::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const ToDoItem& item = m_items.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        switch (index.column()) {
        case Description: return item.id;
        case Priority: return QString::number(item.priority);
        case Percent: return QString::number(item.percento);
        case NoteMark: return item.hasNote() ? noteMark() : QString();
        case Done: return item.isChecked() ? QStringLiteral("X") : QString();
        default: return {};
        }
    case Qt::TextAlignmentRole:
        if (index.column() == Description)
            return int(Qt::AlignLeft | Qt::AlignVCenter);
        return int(Qt::AlignCenter);
    case Qt::FontRole:
        if (item.isChecked()) {
            QFont font;
            font.setStrikeOut(true);
            return font;
        }
        return {};
    default:
        return {};
    }
}

QVariant ToDoQuery::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case Description: return QStringLiteral("Description");
    case Priority: return QStringLiteral("P");
    case Percent: return QStringLiteral("%");
    case NoteMark: return QStringLiteral("Note");
    case Done: return QStringLiteral("Done");
    default: return {};
    }
}

} // namespace brivane::to_do
