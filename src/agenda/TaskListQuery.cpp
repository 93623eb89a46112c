#include "agenda/TaskListQuery.h"

#include "agenda/DateFormat.h"
#include "agenda/DaySelection.h"
#include "agenda/DoneState.h"
#include "agenda/ErrorReport.h"
#include "agenda/TextSearch.h"
#include "store/EngineRead.h"
#include "store/SqlDate.h"

#include <QColor>
#include <QFont>
#include <QSqlField>
#include <QSqlQuery>

namespace brivane::agenda {

namespace {

enum Colour : quint8 { Plain, Suspended, EveryDay, DeleteAfter };

QVariant colourOf(quint8 colour)
{
    switch (colour) {
    case Suspended:
        return QColor(0x4F, 0x4F, 0x4F);
    case EveryDay:
        return QColor(Qt::blue);
    case DeleteAfter:
        return QColor(Qt::red);
    default:
        return {};
    }
}

// The values of a list statement's placeholders, its page start included.
std::function<QVariant(const QString&)> valueOf(const QList<QPair<QString, QVariant>>& values, int offset)
{
    return [values, offset](const QString& name) -> QVariant {
        if (name == QLatin1String(":limit"))
            return TaskListQuery::kPageSize;
        if (name == QLatin1String(":offset"))
            return offset;
        for (const auto& [key, value] : values) {
            if (key == name)
                return value;
        }
        return {};
    };
}

QString keyStatementOf(QString text, const QString& columns)
{
    return text.replace(QLatin1String("SELECT * FROM"),
                        QLatin1String("SELECT ") + columns + QLatin1String(" FROM"));
}

} // namespace

TaskQueryModel::TaskQueryModel(QStringList displayColumns, QObject* parent)
    : QAbstractTableModel(parent), m_displayColumns(std::move(displayColumns))
{
}

void TaskQueryModel::takeFields(const QSqlRecord& fields)
{
    m_fields = fields;
}

QVariant TaskQueryModel::Row::value(int column) const
{
    return block && column >= 0 && column < block->fields.count() ? block->value(index, column) : QVariant();
}

QByteArrayView TaskQueryModel::Row::text(int column) const
{
    return block && column >= 0 && column < block->fields.count() ? block->text(index, column) : QByteArrayView();
}

QList<TaskQueryModel::Row> TaskQueryModel::readRows(std::shared_ptr<const store::EngineRows> block) const
{
    const int sospeso = fieldIndex("sospeso");
    const int dayofweek = fieldIndex("dayofweek");
    const int flag = fieldIndex("flag");
    const int note = fieldIndex("note");
    QList<Row> rows;
    rows.reserve(block->rowCount());
    for (int index = 0; index < block->rowCount(); ++index) {
        Row row;
        row.block = block;
        row.index = index;
        if (row.text(sospeso) == "Y") {
            row.colour = Suspended;
        } else if (row.text(flag) == "O") {
            const QByteArrayView option = row.text(dayofweek);
            row.colour = option == "T" ? EveryDay : option == "X" ? DeleteAfter : Plain;
        }
        row.hasNote = !row.text(note).trimmed().isEmpty();
        row.struck = isStruck(row);
        rows << std::move(row);
    }
    return rows;
}

bool TaskQueryModel::isStruck(const Row&) const
{
    return false;
}

void TaskQueryModel::resetWith(QSqlRecord fields, QList<Row> rows, int rowCount)
{
    beginResetModel();
    m_fields = std::move(fields);
    m_rows = std::move(rows);
    m_rowCount = rowCount;
    m_keyColumn = m_fields.indexOf(QLatin1String("codimp"));
    endResetModel();
}

void TaskQueryModel::dropRows()
{
    m_rows.clear();
}

void TaskQueryModel::clear()
{
    resetWith({}, {}, 0);
}

const TaskQueryModel::Row* TaskQueryModel::rowAt(int row) const
{
    return row >= 0 && row < m_rows.size() ? &m_rows.at(row) : nullptr;
}

QSqlRecord TaskQueryModel::record(int row) const
{
    QSqlRecord result = m_fields;
    if (const Row* values = rowAt(row)) {
        for (int column = 0; column < result.count(); ++column)
            result.setValue(column, values->value(column));
    } else {
        result.clearValues();
    }
    return result;
}

int TaskQueryModel::columnOf(const QString& name) const
{
    if (m_fields.isEmpty())
        return -1;
    const int display = m_displayColumns.indexOf(name);
    return display >= 0 ? m_fields.count() + display : m_fields.indexOf(name);
}

qint64 TaskQueryModel::keyAt(int row) const
{
    const Row* values = rowAt(row);
    return values && m_keyColumn >= 0 ? values->value(m_keyColumn).toLongLong() : -1;
}

int TaskQueryModel::rowOfKey(qint64 codimp) const
{
    for (int row = 0; row < m_rowCount; ++row) {
        if (keyAt(row) == codimp)
            return row;
    }
    return -1;
}

int TaskQueryModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_rowCount;
}

int TaskQueryModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() || m_fields.isEmpty() ? 0 : m_fields.count() + int(m_displayColumns.size());
}

QVariant TaskQueryModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const Row* row = rowAt(index.row());
    if (!row)
        return {};
    const int base = m_fields.count();
    switch (role) {
    case Qt::ForegroundRole:
        return colourOf(row->colour);
    case Qt::FontRole:
        if (row->struck) {
            QFont font;
            font.setStrikeOut(true);
            return font;
        }
        return {};
    case Qt::TextAlignmentRole:
        return index.column() >= base ? QVariant(int(Qt::AlignCenter)) : QVariant();
    case Qt::DisplayRole:
    case Qt::EditRole:
    case Qt::ToolTipRole:
        if (index.column() < base)
            return role == Qt::ToolTipRole ? QVariant() : row->value(index.column());
        return displayText(*row, index.column() - base);
    default:
        return {};
    }
}

QVariant TaskQueryModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    const int base = m_fields.count();
    if (section >= base)
        return m_displayHeaders.value(section, m_displayColumns.value(section - base));
    return m_headers.value(section, m_fields.fieldName(section));
}

bool TaskQueryModel::setHeaderData(int section, Qt::Orientation orientation, const QVariant& value, int role)
{
    if (orientation != Qt::Horizontal || role != Qt::EditRole || section < 0 || section >= columnCount())
        return false;
    if (section >= m_fields.count())
        m_displayHeaders.insert(section, value);
    else
        m_headers.insert(section, value);
    Q_EMIT headerDataChanged(orientation, section, section);
    return true;
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
    const QString search = caseInsensitiveLike(field, QStringLiteral(":search"), searchText);
    const QString direction = descending ? QStringLiteral(" DESC") : QString();
    if (m_flag == QLatin1String("Y")) {
        return QStringLiteral("SELECT * FROM BRarc66 WHERE flag = 'Y' AND ") +
               (month > 0 ? QStringLiteral("CAST(strftime('%m', datefull) AS INTEGER) = :month AND ")
                          : QString()) +
               search + QStringLiteral(" ORDER BY data") + direction + QStringLiteral(",orario,orario2,id");
    }
    if (m_flag == QLatin1String("M")) {
        return QStringLiteral("SELECT * FROM BRarc66 WHERE flag = 'M' AND ") + search +
               QStringLiteral(" ORDER BY dayofmonth") + direction + QStringLiteral(",orario,orario2,id");
    }
    if (m_flag == QLatin1String("W")) {
        return QStringLiteral("SELECT * FROM BRarc66 WHERE flag = 'W' AND ") +
               caseInsensitiveLike(QStringLiteral("dayofweek"), QStringLiteral(":weekday"), weekday) +
               QStringLiteral(" AND ") + search + QStringLiteral(" ORDER BY dayindex") + direction +
               QStringLiteral(",dayofweek,orario,orario2,id");
    }
    return QStringLiteral("SELECT * FROM BRarc66 WHERE flag = 'O' AND ") + search +
           (periodOn ? QStringLiteral("\nAND (datefull BETWEEN :a1 and :a2)") : QString()) +
           QStringLiteral("\n ORDER BY datefull") + direction + QStringLiteral(",orario,orario2,id");
}

QString TaskListQuery::countStatement() const
{
    QString text = statement();
    text = text.left(text.indexOf(QLatin1String(" ORDER BY")));
    while (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    return keyStatementOf(text, QStringLiteral("count(*)"));
}

QString TaskListQuery::keysStatement() const
{
    return keyStatementOf(statement(), QStringLiteral("codimp"));
}

QList<QPair<QString, QVariant>> TaskListQuery::bindings(const QString& text) const
{
    QList<QPair<QString, QVariant>> values;
    values.append(
        {QStringLiteral(":search"), QString(QStringLiteral("%") + searchText + QStringLiteral("%"))});
    if (text.contains(QLatin1String(":month")))
        values.append({QStringLiteral(":month"), month});
    if (text.contains(QLatin1String(":weekday")))
        values.append(
            {QStringLiteral(":weekday"), QString(QStringLiteral("%") + weekday + QStringLiteral("%"))});
    if (text.contains(QLatin1String(":a1"))) {
        values.append({QStringLiteral(":a1"), store::toSqlDate(qMin(periodFrom, periodTo))});
        values.append({QStringLiteral(":a2"), store::toSqlDate(qMax(periodFrom, periodTo))});
    }
    return values;
}

void TaskListQuery::bind(QSqlQuery& query, const QString& text) const
{
    for (const auto& [name, value] : bindings(text))
        query.bindValue(name, value);
}

bool TaskListQuery::run(const QSqlDatabase& db, QString* error)
{
    const auto fail = [this, error](const QSqlQuery& query) {
        reportError(error, query.lastError());
        m_pages.clear();
        m_pageOrder.clear();
        m_listed = 0;
        clear();
        return false;
    };
    const QString countText = countStatement();
    const QList<QPair<QString, QVariant>> values = bindings(countText);
    QSqlQuery count(db);
    count.setForwardOnly(true);
    if (!count.prepare(countText))
        return fail(count);
    for (const auto& [name, value] : values)
        count.bindValue(name, value);
    if (!count.exec() || !count.next())
        return fail(count);
    const int listed = count.value(0).toInt();
    count.finish();

    m_db = db;
    m_statement = statement();
    m_bindings = values;
    m_pages.clear();
    m_pageOrder.clear();
    store::EngineRows first;
    QString readError;
    if (!store::readEngineRows(db, m_statement + QStringLiteral("\nLIMIT :limit OFFSET 0"),
                               valueOf(values, 0), first, &readError)) {
        reportError(error, readError);
        m_listed = 0;
        clear();
        return false;
    }
    takeFields(first.fields);
    m_datefullColumn = fieldIndex("datefull");
    QList<Row> rows = readRows(std::make_shared<const store::EngineRows>(std::move(first)));
    const QSqlRecord fields = record();
    // A page shorter than the count means rows went away in between.
    m_listed = rows.size() < kPageSize ? int(rows.size()) : listed;
    m_pages.insert(0, std::move(rows));
    m_pageOrder << 0;
    resetWith(fields, {}, m_listed);
    return true;
}

bool TaskListQuery::readPage(int page, QString* error) const
{
    store::EngineRows read;
    QString readError;
    if (!store::readEngineRows(m_db, m_statement + QStringLiteral("\nLIMIT :limit OFFSET :offset"),
                               valueOf(m_bindings, page * kPageSize), read, &readError)) {
        reportError(error, readError);
        return false;
    }
    m_pages.insert(page, readRows(std::make_shared<const store::EngineRows>(std::move(read))));
    m_pageOrder.removeAll(page);
    m_pageOrder << page;
    // The first page stays; the oldest other pages go.
    while (m_pageOrder.size() > kCachedPages) {
        const int oldest = m_pageOrder.first() == 0 ? m_pageOrder.at(1) : m_pageOrder.first();
        m_pageOrder.removeAll(oldest);
        m_pages.remove(oldest);
    }
    return true;
}

const TaskQueryModel::Row* TaskListQuery::rowAt(int row) const
{
    if (row < 0 || row >= m_listed)
        return nullptr;
    const int page = row / kPageSize;
    auto found = m_pages.constFind(page);
    if (found == m_pages.cend()) {
        if (!readPage(page))
            return nullptr;
        found = m_pages.constFind(page);
    }
    const int inPage = row % kPageSize;
    return inPage < found->size() ? &found->at(inPage) : nullptr;
}

int TaskListQuery::rowOfKey(qint64 codimp) const
{
    if (m_statement.isEmpty())
        return -1;
    for (auto it = m_pages.cbegin(); it != m_pages.cend(); ++it) {
        for (int i = 0; i < it->size(); ++i) {
            if (keyAt(it.key() * kPageSize + i) == codimp)
                return it.key() * kPageSize + i;
        }
    }
    // Not among the pages read: the position in the list's order, from its keys.
    QSqlQuery query(m_db);
    query.setForwardOnly(true);
    if (!query.prepare(keyStatementOf(m_statement, QStringLiteral("codimp"))))
        return -1;
    for (const auto& [name, value] : m_bindings)
        query.bindValue(name, value);
    if (!query.exec())
        return -1;
    int found = -1;
    for (int row = 0; query.next(); ++row) {
        if (query.value(0).toLongLong() == codimp) {
            found = row;
            break;
        }
    }
    query.finish();
    return found < m_listed ? found : -1;
}

QString TaskListQuery::dateColumnName() const
{
    return m_flag == QLatin1String("Y") ? QStringLiteral("Datayear") : QStringLiteral("Datashot");
}

QString TaskListQuery::displayText(const Row& row, int column) const
{
    if (column == 0)
        return formatDate(store::fromSqlDate(row.value(m_datefullColumn)), dateFormat);
    return row.hasNote ? QStringLiteral("\u270E") : QString();
}

TodayQuery::TodayQuery(QObject* parent) : TaskQueryModel({QStringLiteral("Presenza")}, parent) {}

bool TodayQuery::run(const QSqlDatabase& db, const QDate& day, bool showSuspended, QString* error)
{
    m_day = day;
    m_dayText = store::toSqlDate(day).toLatin1();
    const QString statement = todayStatement(showSuspended);
    store::EngineRows read;
    QString readError;
    const auto parameter = [&day](const QString& name) { return dayParameter(name, day); };
    if (!store::readEngineRows(db, statement, parameter, read, &readError)) {
        reportError(error, readError);
        clear();
        return false;
    }
    takeFields(read.fields);
    m_fattoColumn = fieldIndex("fatto");
    QList<Row> rows = readRows(std::make_shared<const store::EngineRows>(std::move(read)));
    const int count = int(rows.size());
    resetWith(record(), std::move(rows), count);
    return true;
}

bool TodayQuery::isStruck(const Row& row) const
{
    return isDoneForText(row.text(m_fattoColumn), m_dayText);
}

bool TodayQuery::isDoneAt(int row) const
{
    const Row* values = rowAt(row);
    return values && values->struck;
}

QString TodayQuery::displayText(const Row& row, int) const
{
    return row.hasNote ? QStringLiteral("\u270E") : QString();
}

} // namespace brivane::agenda
