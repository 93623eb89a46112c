#pragma once

#include <QDate>
#include <QSqlDatabase>
#include <QHash>
#include <QSqlQueryModel>
#include <QSqlRecord>

namespace brivane::agenda {

// A task query as a model: the table's columns, then calculated display
// columns that hold no stored value (named by the subclass).
class TaskQueryModel : public QSqlQueryModel
{
    Q_OBJECT

public:
    TaskQueryModel(QStringList displayColumns, QObject* parent);

    int columnOf(const QString& name) const;
    qint64 keyAt(int row) const;
    int rowOfKey(qint64 codimp) const;

    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    bool setHeaderData(int section, Qt::Orientation orientation, const QVariant& value, int role = Qt::EditRole) override;

protected:
    void fetchAllRows();
    // The text of display column `column` (0-based among the display columns).
    virtual QString displayText(const QSqlRecord& row, int column) const = 0;
    virtual QVariant rowStyle(const QSqlRecord& row, int role) const;
    void setDisplayColumns(QStringList names) { m_displayColumns = std::move(names); }

private:
    QStringList m_displayColumns;
    QHash<int, QVariant> m_displayHeaders;
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
    // Runs the list; rows are read as the grid shows them, and the number
    // of rows the list holds is counted apart.
    bool run(const QSqlDatabase& db, QString* error = nullptr);
    int listedCount() const { return m_listed; }

    QString dateColumnName() const;
    // Binds the search of the list to a query prepared with statement(), so
    // a copy of the list (a document, a report) reads the same rows.
    void bind(QSqlQuery& query, const QString& text) const;

protected:
    QString displayText(const QSqlRecord& row, int column) const override;

private:
    QString m_flag;
    int m_listed = 0;
};

// The Today list: the tasks that fall on the viewed date. Rows done for that
// date come struck through; "Presenza" marks rows with a note.
class TodayQuery : public TaskQueryModel
{
    Q_OBJECT

public:
    explicit TodayQuery(QObject* parent = nullptr);

    bool run(const QSqlDatabase& db, const QDate& day, bool showSuspended, QString* error = nullptr);
    QDate day() const { return m_day; }
    bool isDoneAt(int row) const;

protected:
    QString displayText(const QSqlRecord& row, int column) const override;
    QVariant rowStyle(const QSqlRecord& row, int role) const override;

private:
    QDate m_day;
};

} // namespace brivane::agenda
