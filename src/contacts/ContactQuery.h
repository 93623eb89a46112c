#pragma once

#include <QAbstractTableModel>
#include <QHash>
#include <QList>
#include <QSqlDatabase>
#include <QSqlRecord>
#include <QString>
#include <QStringList>

class QSqlQuery;

namespace brivane::contacts {

// The twelve entries of the search kind list (ComboBox_KindFindContact), in
// list order.
enum class SearchKind {
    NameCompany,
    Name,
    Company,
    PhoneMobile,
    Phone,
    Mobile,
    Skype,
    Fax,
    Email,
    Web,
    Address,
    Note
};

QStringList searchKindNames();

// The two pseudo values that ask for an empty field, in the search text and
// in the group filter. The empty-field buttons write the first.
QString isNullMark();
QString vuotoMark();
bool isEmptyFieldMark(const QString& text);

// The search state of the Contacts tab and the statements built from it
//. Every text the user typed is bound (:text, :group), never
// spliced into the statement; "%" and "_" typed by the user keep their
// wildcard meaning. Letter case is ignored: an ASCII search text uses the
// engine's LIKE, which already folds ASCII letters; a text with other
// letters compares through the Unicode-aware UPPER(), so "à" finds "À".
// As in the original archive engine, an empty text in a field counts as
// no value: the empty-field search and "[ IS NULL ]" find both, and an empty
// search text leaves such rows out like null ones.
struct ContactSearch
{
    SearchKind kind = SearchKind::NameCompany;
    QString text;
    QString group;
    // "ragsoc" (alphabetical) or "codcon" (creation).
    QString orderColumn = QStringLiteral("ragsoc");
    bool descending = false;

    bool isEmptyFieldSearch() const { return isEmptyFieldMark(text); }

    // The condition after WHERE, group clause included.
    QString condition() const;
    QString orderClause() const;
    // The list statement. `sortInMemory` asks the engine to read the table
    // and sort the few matching rows instead of walking the name index (the
    // faster way when the condition keeps few rows).
    QString statement(bool sortInMemory = false) const;
    QString countStatement() const;
    // Binds the placeholders the statement holds.
    void bind(QSqlQuery& query) const;

    // Whether every column the condition tests is in the name index
    // (ragsoc, company, gruppo), so the index alone answers it.
    bool testsIndexedColumnsOnly() const;

    // The columns a search kind tests, and those the empty-field search tests.
    static QStringList searchColumns(SearchKind kind);
    static QStringList emptyFieldColumns(SearchKind kind);
};

// The contact list (QueryContact) as a model: every column of BRcon63, then
// the note mark column "Presenza". The number of rows comes from a COUNT(*)
// query; the rows themselves are read page by page as the list shows them,
// each page by a statement that runs to its end, so no read stays open
// between two pages (an open read would keep other users of a shared
// archive from writing).
class ContactQuery : public QAbstractTableModel
{
    Q_OBJECT

public:
    static constexpr int kPageSize = 64;
    static constexpr int kCachedPages = 256;
    // Pages read at once past the first one.
    static constexpr int kPagesPerRead = 8;

    // Up to this many matching rows a condition on columns outside the name
    // index is answered by reading the table and sorting, rather than by
    // walking the index.
    static constexpr int kSortInMemoryLimit = 3000;

    // A search that narrows one that kept at most this many rows reads its
    // rows in one pass and counts them, without a count query.
    static constexpr int kFewRows = 1500;
    static constexpr int kFewRowsIndexed = 1000;

    explicit ContactQuery(QObject* parent = nullptr);

    ContactSearch search;

    // Counts, then reads the first page.
    bool run(const QSqlDatabase& db, QString* error = nullptr);
    // Counts again without re-reading the list.
    bool recount(const QSqlDatabase& db, QString* error = nullptr);
    // Forgets the result (before the connection closes).
    void clearResult();

    int listedCount() const { return m_listed; }
    int totalCount() const { return m_total; }
    QString lastStatement() const { return m_lastStatement; }
    // The rows read so far (the pages in memory).
    int loadedRows() const;

    // The columns of the result, without values.
    QSqlRecord record() const { return m_fields; }
    int columnOf(const QString& field) const;
    // Reads the page of `row`; false when the row does not exist.
    bool fetchUpTo(int row);
    // Reads every row in one pass.
    void fetchAll();
    qint64 keyAt(int row) const;
    QSqlRecord rowAt(int row) const;
    bool hasNoteAt(int row) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // The designed title of a list column ("Name" for ragsoc, ...).
    static QString columnTitle(const QString& field);
    static QString noteMarkColumn() { return QStringLiteral("Presenza"); }

    // The index that gives the alphabetical order without sorting. Created
    // when missing; an archive opened read-only simply goes without it.
    static QString orderIndexStatement();
    static bool ensureOrderIndex(const QSqlDatabase& db);

    // Whether `after` can only keep rows that `before` kept: same kind,
    // group and order, and a search text that contains the previous one.
    static bool narrows(const ContactSearch& before, const ContactSearch& after);

private:
    using Row = QList<QVariant>;
    bool readPage(int page, QString* error = nullptr) const;
    const Row* rowData(int row) const;
    void keepPage(int page, QList<Row> rows) const;

    QSqlDatabase m_db;
    ContactSearch m_ran;
    QString m_lastStatement;
    QSqlRecord m_fields;
    int m_noteColumn = -1;
    int m_keyColumn = -1;
    mutable QHash<int, QList<Row>> m_pages;
    mutable QList<int> m_pageOrder;

    ContactSearch m_previous;
    bool m_hasPrevious = false;
    int m_listed = 0;
    int m_total = 0;
};

} // namespace brivane::contacts
