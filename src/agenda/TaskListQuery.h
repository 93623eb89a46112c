#pragma once

#include "store/EngineRead.h"

#include <QAbstractTableModel>
#include <QDate>
#include <QHash>
#include <QList>
#include <QSqlDatabase>
#include <QSqlRecord>
#include <QStringList>

#include <memory>

class QSqlQuery;

namespace brivane::agenda {

// A task query as a model: the table's columns, then calculated display
// columns that hold no stored value (named by the subclass). Rows are held
// in memory as plain values, read by statements that run to their end, so
// no read stays open while the list is shown (an open read would keep the
// other machines of a shared archive from writing).
class TaskQueryModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    TaskQueryModel(QStringList displayColumns, QObject* parent);

    // The columns of the result, without values.
    QSqlRecord record() const { return m_fields; }
    // One row as a record (empty when the row cannot be read).
    QSqlRecord record(int row) const;
    int columnOf(const QString& name) const;
    qint64 keyAt(int row) const;
    virtual int rowOfKey(qint64 codimp) const;
    // Forgets the result (before the connection closes).
    void clear();

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    bool setHeaderData(int section, Qt::Orientation orientation, const QVariant& value,
                       int role = Qt::EditRole) override;

protected:
    // A row as read (a place in the block of rows read with it), with what
    // its look depends on worked out once.
    struct Row
    {
        std::shared_ptr<const store::EngineRows> block;
        int index = 0;
        quint8 colour = 0;
        bool struck = false;
        bool hasNote = false;

        QVariant value(int column) const;
        QByteArrayView text(int column) const;
    };

    void takeFields(const QSqlRecord& fields);
    // The rows of a block, with their look worked out.
    QList<Row> readRows(std::shared_ptr<const store::EngineRows> block) const;
    virtual bool isStruck(const Row& row) const;
    int fieldIndex(const char* name) const { return m_fields.indexOf(QLatin1String(name)); }

    // Replaces the whole result (rows in memory, or a count whose rows are
    // read on demand by rowAt()).
    void resetWith(QSqlRecord fields, QList<Row> rows, int rowCount);
    void dropRows();
    virtual const Row* rowAt(int row) const;

    // The text of display column `column` (0-based among the display columns).
    virtual QString displayText(const Row& row, int column) const = 0;
    void setDisplayColumns(QStringList names) { m_displayColumns = std::move(names); }

private:
    QStringList m_displayColumns;
    QHash<int, QVariant> m_displayHeaders;
    QHash<int, QVariant> m_headers;
    QSqlRecord m_fields;
    QList<Row> m_rows;
    int m_rowCount = 0;
    int m_keyColumn = -1;
};

// The list of one task kind on its tab ("O", "Y", "M" or "W"): a
// case-insensitive substring search in the description or the note, the
// kind's own filter, and an order on the kind's sort key. The search text is
// bound, so quotes and backslashes are found as typed; "%" and "_" act as
// wildcards. Besides the table's columns the model offers the display
// columns "Datashot"/"Datayear" (the start date in the settings' format) and
// "Presenza" (the note marker).
class TaskListQuery : public TaskQueryModel
{
    Q_OBJECT

public:
    enum class SearchIn { Description, Note };
    static constexpr int kPageSize = 128;
    static constexpr int kCachedPages = 64;

    explicit TaskListQuery(QString flag, QObject* parent = nullptr);

    QString flag() const { return m_flag; }
    SearchIn searchIn = SearchIn::Description;
    QString searchText;
    bool descending = false;
    // One-shot: only tasks dated between the two days, both included, in either order.
    bool periodOn = false;
    QDate periodFrom;
    QDate periodTo;
    // Yearly: month of the start date, 1 to 12; 0 is every month.
    int month = 0;
    // Weekly: the weekday name the task must carry; empty is every day.
    QString weekday;
    // Display format of the date column ("Datashot" / "Datayear").
    QString dateFormat;

    QString statement() const;
    // The same selection, counted.
    QString countStatement() const;
    // The same selection and order, keys only.
    QString keysStatement() const;
    // Counts the rows and reads the first page; further pages are read as
    // the grid shows them, each by a statement of its own.
    bool run(const QSqlDatabase& db, QString* error = nullptr);
    int listedCount() const { return m_listed; }
    int rowOfKey(qint64 codimp) const override;
    // The values the statement `text` binds, by placeholder.
    QList<QPair<QString, QVariant>> bindings(const QString& text) const;

    QString dateColumnName() const;
    // Binds the search of the list to a query prepared with statement(), so
    // a copy of the list (a document, a report) reads the same rows.
    void bind(QSqlQuery& query, const QString& text) const;

protected:
    const Row* rowAt(int row) const override;
    QString displayText(const Row& row, int column) const override;

private:
    bool readPage(int page, QString* error = nullptr) const;

    QString m_flag;
    int m_listed = 0;
    QSqlDatabase m_db;
    QString m_statement;
    int m_datefullColumn = -1;
    // What run() bound, so the pages read later select the same rows.
    QList<QPair<QString, QVariant>> m_bindings;
    mutable QHash<int, QList<Row>> m_pages;
    mutable QList<int> m_pageOrder;
};

// The Today list: the tasks that fall on the viewed date, read whole into
// memory. Rows done for that date come struck through; "Presenza" marks rows
// with a note.
class TodayQuery : public TaskQueryModel
{
    Q_OBJECT

public:
    explicit TodayQuery(QObject* parent = nullptr);

    bool run(const QSqlDatabase& db, const QDate& day, bool showSuspended, QString* error = nullptr);
    QDate day() const { return m_day; }
    bool isDoneAt(int row) const;

protected:
    bool isStruck(const Row& row) const override;
    QString displayText(const Row& row, int column) const override;

private:
    QDate m_day;
    QByteArray m_dayText;
    int m_fattoColumn = -1;
};

} // namespace brivane::agenda
