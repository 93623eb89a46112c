#include "agenda/TaskListQuery.h"

#include "agenda/DaySelection.h"
#include "agenda/DateFormat.h"
#include "agenda/DoneState.h"
#include "agenda/ErrorReport.h"
#include "store/SqlDate.h"

#include <QColor>
#include <QFont>
#include <QSqlQuery>
#include <QSqlRecord>

namespace brivane::agenda {

namespace {

// Text colours of the special one-shot tasks and of suspended tasks.
QVariant rowForeground(const QSqlRecord& record)
{
    if (record.value(QStringLiteral("sospeso")).toString() == QLatin1String("Y"))
        return QColor(0x4F, 0x4F, 0x4F);
    const QString option = record.value(QStringLiteral("dayofweek")).toString();
    if (record.value(QStringLiteral("flag")).toString() == QLatin1String("O")) {
        if (option == QLatin1String("T"))
            return QColor(Qt::blue);
        if (option == QLatin1String("X"))
            return QColor(Qt::red);
    }
    return {};
}

QString noteMarker(const QSqlRecord& record)
{
    return record.value(QStringLiteral("note")).toString().trimmed().isEmpty() ? QString() : QStringLiteral("\u270E");
}

} // namespace

TaskQueryModel::TaskQueryModel(QStringList displayColumns, QObject* parent)
    : QSqlQueryModel(parent), m_displayColumns(std::move(displayColumns))
{
}

void TaskQueryModel::fetchAllRows()
{
    while (canFetchMore())
        fetchMore();
}

int TaskQueryModel::columnOf(const QString& name) const
{
    const int display = m_displayColumns.indexOf(name);
    return display >= 0 ? QSqlQueryModel::columnCount() + display : record().indexOf(name);
}

qint64 TaskQueryModel::keyAt(int row) const
{
    return record(row).value(QStringLiteral("codimp")).toLongLong();
}

int TaskQueryModel::rowOfKey(qint64 codimp) const
{
    const int keyColumn = record().indexOf(QStringLiteral("codimp"));
    // Rows are read lazily; walking to a row reads on until it is found.
    auto* self = const_cast<TaskQueryModel*>(this);
    for (int row = 0;; ++row) {
        if (row >= rowCount()) {
            if (!self->canFetchMore())
                return -1;
            self->fetchMore();
            continue;
        }
        if (QSqlQueryModel::data(index(row, keyColumn)).toLongLong() == codimp)
            return row;
    }
}

int TaskQueryModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : QSqlQueryModel::columnCount() + int(m_displayColumns.size());
}

QVariant TaskQueryModel::rowStyle(const QSqlRecord& row, int role) const
{
    return role == Qt::ForegroundRole ? rowForeground(row) : QVariant();
}

QVariant TaskQueryModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const int base = QSqlQueryModel::columnCount();
    if (role == Qt::ForegroundRole || role == Qt::FontRole)
        return rowStyle(record(index.row()), role);
    if (index.column() < base)
        return QSqlQueryModel::data(index, role);
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignCenter);
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return {};
    return displayText(record(index.row()), index.column() - base);
}

QVariant TaskQueryModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    const int base = QSqlQueryModel::columnCount();
    if (orientation == Qt::Horizontal && section >= base) {
        if (role != Qt::DisplayRole)
            return {};
        return m_displayHeaders.value(section, m_displayColumns.value(section - base));
    }
    return QSqlQueryModel::headerData(section, orientation, role);
}

bool TaskQueryModel::setHeaderData(int section, Qt::Orientation orientation, const QVariant& value, int role)
{
    const int base = QSqlQueryModel::columnCount();
    if (orientation == Qt::Horizontal && section >= base) {
        m_displayHeaders.insert(section, value);
        Q_EMIT headerDataChanged(orientation, section, section);
        return true;
    }
    return QSqlQueryModel::setHeaderData(section, orientation, value, role);
}

TaskListQuery::TaskListQuery(QString flag, QObject* parent)
    : TaskQueryModel({}, parent), m_flag(std::move(flag))
{
    descending = m_flag == QLatin1String("O");
    setDisplayColumns({dateColumnName(), QStringLiteral("Presenza")});
}
QString TaskListQuery::statement() const
{
    const QString field = searchIn == SearchIn::Note ? QStringLiteral("note") : QStringLiteral("id");
    const QString search = QStringLiteral("(UPPER(") + field + QStringLiteral(") LIKE UPPER(:search))");
    const QString direction = descending ? QStringLiteral(" DESC") : QString();
    if (m_flag == QLatin1String("Y")) {
        return QStringLiteral("SELECT * FROM BRarc66 WHERE flag = 'Y' AND ")
               + (month > 0 ? QStringLiteral("CAST(strftime('%m', datefull) AS INTEGER) = :month AND ") : QString())
               + search + QStringLiteral(" ORDER BY data") + direction + QStringLiteral(",orario,orario2,id");
    }
    if (m_flag == QLatin1String("M")) {
        return QStringLiteral("SELECT * FROM BRarc66 WHERE flag = 'M' AND ") + search
               + QStringLiteral(" ORDER BY dayofmonth") + direction + QStringLiteral(",orario,orario2,id");
    }
    if (m_flag == QLatin1String("W")) {
        return QStringLiteral("SELECT * FROM BRarc66 WHERE flag = 'W' AND UPPER(dayofweek) LIKE UPPER(:weekday) AND ")
               + search + QStringLiteral(" ORDER BY dayindex") + direction
               + QStringLiteral(",dayofweek,orario,orario2,id");
    }
    return QStringLiteral("SELECT * FROM BRarc66 WHERE flag = 'O' AND ") + search
           + (periodOn ? QStringLiteral("\nAND (datefull BETWEEN :a1 and :a2)") : QString())
           + QStringLiteral("\n ORDER BY datefull") + direction + QStringLiteral(",orario,orario2,id");
}

QString TaskListQuery::countStatement() const
{
    QString text = statement();
    text = text.left(text.indexOf(QLatin1String(" ORDER BY")));
    while (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    return text.replace(QLatin1String("SELECT * FROM"), QLatin1String("SELECT count(*) FROM"));
}

void TaskListQuery::bind(QSqlQuery& query, const QString& text) const
{
    query.bindValue(QStringLiteral(":search"), QString(QStringLiteral("%") + searchText + QStringLiteral("%")));
    if (text.contains(QLatin1String(":month")))
        query.bindValue(QStringLiteral(":month"), month);
    if (text.contains(QLatin1String(":weekday")))
        query.bindValue(QStringLiteral(":weekday"), QString(QStringLiteral("%") + weekday + QStringLiteral("%")));
    if (text.contains(QLatin1String(":a1"))) {
        query.bindValue(QStringLiteral(":a1"), store::toSqlDate(qMin(periodFrom, periodTo)));
        query.bindValue(QStringLiteral(":a2"), store::toSqlDate(qMax(periodFrom, periodTo)));
    }
}

bool TaskListQuery::run(const QSqlDatabase& db, QString* error)
{
    const QString countText = countStatement();
    QSqlQuery count(db);
    if (!count.prepare(countText)) {
        reportError(error, count.lastError());
        return false;
    }
    bind(count, countText);
    if (!count.exec() || !count.next()) {
        reportError(error, count.lastError());
        return false;
    }
    m_listed = count.value(0).toInt();

    QSqlQuery query(db);
    const QString text = statement();
    if (!query.prepare(text)) {
        reportError(error, query.lastError());
        return false;
    }
    bind(query, text);
    if (!query.exec()) {
        reportError(error, query.lastError());
        return false;
    }
    setQuery(std::move(query));
    return true;
}

QString TaskListQuery::dateColumnName() const
{
    return m_flag == QLatin1String("Y") ? QStringLiteral("Datayear") : QStringLiteral("Datashot");
}

QString TaskListQuery::displayText(const QSqlRecord& row, int column) const
{
    if (column == 0)
        return formatDate(store::fromSqlDate(row.value(QStringLiteral("datefull"))), dateFormat);
    return noteMarker(row);
}

TodayQuery::TodayQuery(QObject* parent) : TaskQueryModel({QStringLiteral("Presenza")}, parent) {}

bool TodayQuery::run(const QSqlDatabase& db, const QDate& day, bool showSuspended, QString* error)
{
    m_day = day;
    QSqlQuery query(db);
    if (!selectDay(query, todayStatement(showSuspended), day, error)) {
        clear();
        return false;
    }
    setQuery(std::move(query));
    fetchAllRows();
    return true;
}

bool TodayQuery::isDoneAt(int row) const
{
    return isDoneFor(store::fromSqlDate(record(row).value(QStringLiteral("fatto"))), m_day);
}

QString TodayQuery::displayText(const QSqlRecord& row, int) const
{
    return noteMarker(row);
}

QVariant TodayQuery::rowStyle(const QSqlRecord& row, int role) const
{
    if (role == Qt::FontRole && isDoneFor(store::fromSqlDate(row.value(QStringLiteral("fatto"))), m_day)) {
        QFont font;
        font.setStrikeOut(true);
        return font;
    }
    return TaskQueryModel::rowStyle(row, role);
}

} // namespace brivane::agenda
