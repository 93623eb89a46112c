#include "contacts/ContactQuery.h"

#include "store/TableDefinitions.h"

#include "store/ArchiveCounts.h"
#include "store/LocaleCollation.h"

#include <QSqlError>
#include <QSqlQuery>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace brivane::contacts {

namespace {

bool isAscii(const QString& text)
{
    for (QChar c : text) {
        if (c.unicode() >= 0x80)
            return false;
    }
    return true;
}

// One tested column of a text search.
QString matchTerm(const QString& column, const QString& text)
{
    if (text.isEmpty())
        return column + u" <> ''"_s; // "%%" matches every text but no empty field
    if (isAscii(text))
        return column + u" LIKE :text"_s;
    return u"UPPER("_s + column + u") LIKE UPPER(:text)"_s;
}

QString emptyTerm(const QString& column)
{
    return u"IFNULL("_s + column + u", '') = ''"_s;
}

void reportError(QString* error, const QSqlError& sqlError)
{
    if (error)
        *error = sqlError.text();
}

} // namespace

QStringList searchKindNames()
{
    return {u"Name/Company"_s, u"Name"_s, u"Company"_s, u"Phone/Mobile"_s, u"Phone"_s,   u"Mobile"_s,
            u"Skype"_s,        u"Fax"_s,  u"E-mail"_s,  u"Web"_s,          u"Address"_s, u"Note"_s};
}

QString isNullMark()
{
    return u"[ IS NULL ]"_s;
}

QString vuotoMark()
{
    return u"[ VUOTO ]"_s;
}

bool isEmptyFieldMark(const QString& text)
{
    return text == isNullMark() || text == vuotoMark();
}

QStringList ContactSearch::searchColumns(SearchKind kind)
{
    switch (kind) {
    case SearchKind::NameCompany:
        return {u"ragsoc"_s, u"company"_s};
    case SearchKind::Name:
        return {u"ragsoc"_s};
    case SearchKind::Company:
        return {u"company"_s};
    case SearchKind::PhoneMobile:
        return {u"tel"_s, u"mobile"_s};
    case SearchKind::Phone:
        return {u"tel"_s};
    case SearchKind::Mobile:
        return {u"mobile"_s};
    case SearchKind::Skype:
        return {u"skype"_s};
    case SearchKind::Fax:
        return {u"fax"_s};
    case SearchKind::Email:
        return {u"email"_s};
    case SearchKind::Web:
        return {u"site"_s};
    case SearchKind::Address:
        return {u"indirizzo"_s};
    case SearchKind::Note:
        return {u"note"_s};
    }
    return {u"ragsoc"_s};
}

QStringList ContactSearch::emptyFieldColumns(SearchKind kind)
{
    // The combined name kind looks at the company only.
    if (kind == SearchKind::NameCompany)
        return {u"company"_s};
    return searchColumns(kind);
}

bool ContactSearch::testsIndexedColumnsOnly() const
{
    static const QStringList indexed = {u"ragsoc"_s, u"company"_s, u"gruppo"_s};
    const QStringList columns = isEmptyFieldSearch() ? emptyFieldColumns(kind) : searchColumns(kind);
    return std::all_of(columns.cbegin(), columns.cend(),
                       [](const QString& column) { return indexed.contains(column); });
}

QString ContactSearch::condition() const
{
    if (isEmptyFieldSearch()) {
        // Field and group empty, whatever the group filter says.
        QStringList terms;
        for (const QString& column : emptyFieldColumns(kind))
            terms << emptyTerm(column);
        terms << emptyTerm(u"gruppo"_s);
        return u"("_s + terms.join(u" AND "_s) + u")"_s;
    }
    QStringList terms;
    for (const QString& column : searchColumns(kind))
        terms << matchTerm(column, text);
    QString clause = u"("_s + terms.join(u" or "_s) + u")"_s;
    if (isEmptyFieldMark(group))
        clause += u" AND "_s + emptyTerm(u"gruppo"_s);
    else if (!group.isEmpty())
        clause += isAscii(group) ? u" AND gruppo LIKE :group"_s : u" AND UPPER(gruppo) LIKE UPPER(:group)"_s;
    return clause;
}

QString ContactSearch::orderClause() const
{
    const QString direction = descending ? u" DESC"_s : QString();
    // The empty-field search always lists by name. Names follow the
    // alphabet of the user's language, letter case ignored.
    if (isEmptyFieldSearch() || orderColumn != u"codcon"_s)
        return store::localeOrdered(u"ragsoc"_s) + direction + u","_s + store::localeOrdered(u"company"_s) +
               u","_s + store::localeOrdered(u"gruppo"_s);
    return u"codcon"_s + direction;
}

QString ContactSearch::statement(bool sortInMemory) const
{
    return u"SELECT * FROM BRcon63"_s + (sortInMemory ? u" NOT INDEXED"_s : QString()) + u"\nWHERE "_s +
           condition() + u"\nORDER BY "_s + orderClause();
}

QString ContactSearch::countStatement() const
{
    return u"SELECT count(*) FROM BRcon63\nWHERE "_s + condition();
}

void ContactSearch::bind(QSqlQuery& query) const
{
    const QString prepared = query.lastQuery();
    if (prepared.contains(u":text"_s))
        query.bindValue(u":text"_s, QString(u"%"_s + text + u"%"_s));
    if (prepared.contains(u":group"_s))
        query.bindValue(u":group"_s, QString(u"%"_s + group + u"%"_s));
}

ContactQuery::ContactQuery(QObject* parent) : QAbstractTableModel(parent) {}

bool ContactQuery::recount(const QSqlDatabase& db, QString* error)
{
    QSqlQuery count(db);
    count.setForwardOnly(true);
    if (!count.prepare(search.countStatement())) {
        reportError(error, count.lastError());
        return false;
    }
    search.bind(count);
    if (!count.exec() || !count.next()) {
        reportError(error, count.lastError());
        return false;
    }
    const int listed = count.value(0).toInt();
    count.finish();
    const int total = store::ArchiveCounts::total(db, u'C');
    if (listed != m_listed) {
        // Only the row count changes: the rows read so far stay.
        if (listed > m_listed) {
            beginInsertRows(QModelIndex(), m_listed, listed - 1);
            m_listed = listed;
            endInsertRows();
        } else {
            beginRemoveRows(QModelIndex(), listed, m_listed - 1);
            m_listed = listed;
            endRemoveRows();
        }
    }
    m_total = total < 0 ? m_listed : total;
    return true;
}

bool ContactQuery::run(const QSqlDatabase& db, QString* error)
{
    // In name order the engine walks the name index and stops once the
    // page has its rows. When the condition tests other columns and keeps
    // few rows, that walk would look up most of the table row by row:
    // reading the table once and sorting the few rows is then faster.
    const bool byName = search.isEmptyFieldSearch() || search.orderColumn != u"codcon"_s;
    const bool indexed = search.testsIndexedColumnsOnly();
    // Typing on after a search that kept few rows keeps fewer still: one
    // pass then reads them all and counts them as it goes. (Reading rows
    // costs more than walking the name index again, so the index kinds take
    // this way only for fewer rows.)
    const int fewRows = indexed ? kFewRowsIndexed : kFewRows;
    const bool onePass = m_hasPrevious && m_listed <= fewRows && narrows(m_previous, search);

    beginResetModel();
    m_pages.clear();
    m_pageOrder.clear();
    m_db = db;
    m_ran = search;
    m_listed = 0;
    m_total = 0;
    m_fields = QSqlRecord();
    m_noteColumn = -1;
    m_keyColumn = -1;
    bool ok = true;
    int counted = -1;
    QSqlError failure;

    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (onePass) {
        m_lastStatement = search.statement(byName && !indexed);
        ok = query.prepare(m_lastStatement);
        if (ok) {
            search.bind(query);
            ok = query.exec();
        }
        if (ok) {
            m_fields = query.record();
            QList<Row> page;
            int rows = 0;
            bool more = false;
            while (query.next()) {
                if (rows == 2 * fewRows) {
                    more = true; // more rows than foreseen (written meanwhile)
                    break;
                }
                Row row;
                row.reserve(m_fields.count());
                for (int column = 0; column < m_fields.count(); ++column)
                    row << query.value(column);
                page << std::move(row);
                if (page.size() == kPageSize) {
                    keepPage(rows / kPageSize, std::move(page));
                    page.clear();
                }
                ++rows;
            }
            if (!page.isEmpty() || rows == 0)
                keepPage(rows / kPageSize, std::move(page));
            query.finish();
            if (!more)
                counted = rows;
        } else {
            failure = query.lastError();
        }
    }
    if (ok && counted < 0) {
        // Count first: it decides how the rows are read.
        QSqlQuery count(db);
        count.setForwardOnly(true);
        ok = count.prepare(search.countStatement());
        if (ok) {
            search.bind(count);
            ok = count.exec() && count.next();
        }
        if (!ok) {
            failure = count.lastError();
        } else {
            counted = count.value(0).toInt();
            count.finish();
            if (!onePass)
                m_lastStatement = search.statement(byName && !indexed && counted <= kSortInMemoryLimit);
        }
    }
    if (ok) {
        m_listed = counted;
        const int total = store::ArchiveCounts::total(db, u'C');
        m_total = total < 0 ? m_listed : total;
        if (counted == 0 && m_fields.isEmpty()) {
            // Nothing to read: only the column names are wanted.
            QSqlQuery columns(db);
            ok = columns.exec(u"SELECT * FROM BRcon63 LIMIT 0"_s);
            if (ok) {
                m_fields = columns.record();
                keepPage(0, {});
            } else {
                reportError(error, columns.lastError());
            }
        } else if (m_fields.isEmpty() || !m_pages.contains(0)) {
            QString pageError;
            ok = readPage(0, &pageError);
            if (!ok && error)
                *error = pageError;
        }
    } else {
        reportError(error, failure);
    }
    if (ok) {
        m_keyColumn = m_fields.indexOf(u"codcon"_s);
        m_noteColumn = m_fields.indexOf(u"note"_s);
        m_previous = search;
        m_hasPrevious = true;
    } else {
        m_pages.clear();
        m_pageOrder.clear();
        m_listed = 0;
        m_fields = QSqlRecord();
        m_hasPrevious = false;
    }
    endResetModel();
    return ok;
}

bool ContactQuery::narrows(const ContactSearch& before, const ContactSearch& after)
{
    return before.kind == after.kind && before.group == after.group &&
           before.orderColumn == after.orderColumn && before.descending == after.descending &&
           !before.isEmptyFieldSearch() && !after.isEmptyFieldSearch() && !before.text.isEmpty() &&
           after.text.contains(before.text) && isAscii(before.text) == isAscii(after.text);
}

void ContactQuery::keepPage(int page, QList<Row> rows) const
{
    m_pages.insert(page, std::move(rows));
    m_pageOrder.removeAll(page);
    m_pageOrder << page;
    // The first page stays; the oldest other pages go.
    while (m_pageOrder.size() > kCachedPages) {
        const int oldest =
            m_pageOrder.first() == 0 && m_pageOrder.size() > 1 ? m_pageOrder[1] : m_pageOrder.first();
        m_pageOrder.removeAll(oldest);
        m_pages.remove(oldest);
    }
}

bool ContactQuery::readPage(int page, QString* error) const
{
    if (!m_db.isOpen() || m_lastStatement.isEmpty())
        return false;
    QSqlQuery query(m_db);
    query.setForwardOnly(true);
    if (!query.prepare(m_lastStatement + u"\nLIMIT :limit OFFSET :offset"_s)) {
        reportError(error, query.lastError());
        return false;
    }
    m_ran.bind(query);
    // Past the first page the engine sorts every row before the ones asked
    // for, whatever their number: one read brings several pages.
    const int pages = page == 0 ? 1 : kPagesPerRead;
    query.bindValue(u":limit"_s, pages * kPageSize);
    query.bindValue(u":offset"_s, page * kPageSize);
    if (!query.exec()) {
        reportError(error, query.lastError());
        return false;
    }
    auto* self = const_cast<ContactQuery*>(this);
    if (m_fields.isEmpty())
        self->m_fields = query.record();
    QList<Row> rows;
    const int columns = m_fields.count();
    int next = page;
    while (query.next()) {
        Row row;
        row.reserve(columns);
        for (int column = 0; column < columns; ++column)
            row << query.value(column);
        rows << std::move(row);
        if (rows.size() == kPageSize) {
            keepPage(next++, std::move(rows));
            rows.clear();
        }
    }
    query.finish();
    if (!rows.isEmpty() || next == page)
        keepPage(next, std::move(rows));
    return true;
}

const ContactQuery::Row* ContactQuery::rowData(int row) const
{
    if (row < 0 || row >= m_listed)
        return nullptr;
    const int page = row / kPageSize;
    auto found = m_pages.constFind(page);
    if (found == m_pages.cend()) {
        if (!readPage(page))
            return nullptr;
        found = m_pages.constFind(page);
        if (found == m_pages.cend())
            return nullptr;
    }
    const int inPage = row % kPageSize;
    return inPage < found->size() ? &found->at(inPage) : nullptr;
}

void ContactQuery::clearResult()
{
    beginResetModel();
    m_pages.clear();
    m_pageOrder.clear();
    m_fields = QSqlRecord();
    m_listed = 0;
    m_noteColumn = -1;
    m_keyColumn = -1;
    m_lastStatement.clear();
    m_db = QSqlDatabase();
    m_hasPrevious = false;
    endResetModel();
}

int ContactQuery::loadedRows() const
{
    int rows = 0;
    for (const QList<Row>& page : std::as_const(m_pages))
        rows += int(page.size());
    return rows;
}

int ContactQuery::columnOf(const QString& field) const
{
    if (field == noteMarkColumn())
        return m_fields.isEmpty() ? -1 : m_fields.count();
    return m_fields.indexOf(field);
}

bool ContactQuery::fetchUpTo(int row)
{
    return rowData(row) != nullptr;
}

void ContactQuery::fetchAll()
{
    if (!m_db.isOpen() || m_lastStatement.isEmpty())
        return;
    QSqlQuery query(m_db);
    query.setForwardOnly(true);
    if (!query.prepare(m_lastStatement))
        return;
    m_ran.bind(query);
    if (!query.exec())
        return;
    const int columns = m_fields.count();
    QList<Row> page;
    int rows = 0;
    while (query.next() && rows < m_listed) {
        Row row;
        row.reserve(columns);
        for (int column = 0; column < columns; ++column)
            row << query.value(column);
        page << std::move(row);
        ++rows;
        if (page.size() == kPageSize) {
            m_pages.insert(rows / kPageSize - 1, std::move(page));
            page.clear();
        }
    }
    query.finish();
    if (!page.isEmpty())
        m_pages.insert(rows / kPageSize, std::move(page));
    m_pageOrder = m_pages.keys();
}

qint64 ContactQuery::keyAt(int row) const
{
    const Row* values = rowData(row);
    return values && m_keyColumn >= 0 ? values->at(m_keyColumn).toLongLong() : -1;
}

QSqlRecord ContactQuery::rowAt(int row) const
{
    const Row* values = rowData(row);
    if (!values)
        return {};
    QSqlRecord record = m_fields;
    for (int column = 0; column < record.count(); ++column)
        record.setValue(column, values->at(column));
    return record;
}

bool ContactQuery::hasNoteAt(int row) const
{
    const Row* values = rowData(row);
    return values && m_noteColumn >= 0 && !values->at(m_noteColumn).toString().isEmpty();
}

int ContactQuery::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_listed;
}

int ContactQuery::columnCount(const QModelIndex& parent) const
{
    if (parent.isValid() || m_fields.isEmpty())
        return 0;
    return m_fields.count() + 1;
}

QVariant ContactQuery::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_listed)
        return {};
    const int column = index.column();
    if (column == m_fields.count()) {
        // The note mark column: a note picture where the row has a note.
        if (role == Qt::TextAlignmentRole)
            return int(Qt::AlignCenter);
        if (role == Qt::DisplayRole)
            return hasNoteAt(index.row()) ? u"\u270E"_s : QString();
        return {};
    }
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    const Row* values = rowData(index.row());
    if (!values || column < 0 || column >= values->size())
        return {};
    return values->at(column);
}

QVariant ContactQuery::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole) {
        const QString field = section == m_fields.count() ? noteMarkColumn() : m_fields.fieldName(section);
        const QString title = columnTitle(field);
        return title.isEmpty() ? QVariant(field) : QVariant(title);
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}

QString ContactQuery::columnTitle(const QString& field)
{
    static const QHash<QString, QString> titles = {{u"ragsoc"_s, u"Name"_s},   {u"company"_s, u"Company"_s},
                                                   {u"gruppo"_s, u"Group"_s},  {u"tel"_s, u"Phone"_s},
                                                   {u"mobile"_s, u"Mobile"_s}, {u"skype"_s, u"Skype"_s},
                                                   {u"fax"_s, u"Fax"_s},       {u"email"_s, u"E-mail"_s},
                                                   {u"site"_s, u"Web"_s},      {u"Presenza"_s, u"Note"_s}};
    return titles.value(field);
}

QString ContactQuery::orderIndexStatement()
{
    return store::tables::createContactIndexes().constFirst();
}

bool ContactQuery::ensureOrderIndex(const QSqlDatabase& db)
{
    if (!db.isOpen() || db.isOpenError())
        return false;
    QSqlQuery query(db);
    return query.exec(orderIndexStatement());
}

} // namespace brivane::contacts
