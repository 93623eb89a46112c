#pragma once

#include <QByteArrayView>
#include <QList>
#include <QSqlDatabase>
#include <QSqlRecord>
#include <QVariant>

#include <functional>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace brivane::store {

// One statement run straight on the SQLite connection under `db`, its
// placeholders bound by name from `valueOf`. Rows are read by column index
// as the engine holds them, with no conversion the caller does not ask for.
// Run it to its end within one call: the statement is finished when the
// object goes, and a statement left open would hold a read on the archive.
class EngineStatement
{
public:
    EngineStatement(const QSqlDatabase& db, const QString& statement,
                    const std::function<QVariant(const QString&)>& valueOf);
    EngineStatement(sqlite3* connection, const QString& statement,
                    const std::function<QVariant(const QString&)>& valueOf);
    ~EngineStatement();
    EngineStatement(const EngineStatement&) = delete;
    EngineStatement& operator=(const EngineStatement&) = delete;

    // The next row; false at the end and on failure (see failed()).
    bool next();
    bool failed() const { return m_failed; }
    QString errorText() const { return m_errorText; }
    // The failure came from a damaged file or one that is not a database.
    bool damaged() const { return m_damaged; }

    int columnCount() const;
    QString columnName(int column) const;
    bool isNull(int column) const;
    // SQLITE_INTEGER, SQLITE_FLOAT, SQLITE_TEXT, SQLITE_BLOB or SQLITE_NULL.
    int type(int column) const;
    qint64 integer(int column) const;
    double real(int column) const;
    // The value as UTF-8 text, valid until the next row.
    QByteArrayView text(int column) const;
    // The value as Qt SQL gives it: qlonglong, double, QString or, for NULL,
    // an invalid QVariant.
    QVariant value(int column) const;

private:
    void fail();

    sqlite3* m_connection = nullptr;
    sqlite3_stmt* m_statement = nullptr;
    bool m_failed = false;
    bool m_damaged = false;
    QString m_errorText;
};

// The SQLite connection under a Qt SQL one (null when it is not open).
sqlite3* engineHandle(const QSqlDatabase& db);

// A connection of its own that only reads an archive file, for a reader that
// needs nothing of Qt SQL (the terminal agenda). Closed when it goes.
class EngineReader
{
public:
    EngineReader() = default;
    ~EngineReader();
    EngineReader(const EngineReader&) = delete;
    EngineReader& operator=(const EngineReader&) = delete;

    // Opens `path` read-only, waiting up to `busyMs` for another writer.
    bool open(const QString& path, int busyMs);
    void close();
    sqlite3* handle() const { return m_connection; }

private:
    sqlite3* m_connection = nullptr;
};

// Every row of a statement, read to its end and finished before the call
// returns, held as the engine gave them: the texts of all cells back to back
// in one UTF-8 buffer, so thousands of rows cost no allocation per cell. A
// cell becomes a QVariant only when asked for (see EngineStatement::value).
class EngineRows
{
public:
    QSqlRecord fields;

    int rowCount() const { return m_columns > 0 ? int(m_cells.size() / size_t(m_columns)) : 0; }
    bool isNull(int row, int column) const;
    // The stored text of a text cell; empty for any other.
    QByteArrayView text(int row, int column) const;
    QVariant value(int row, int column) const;

private:
    friend bool readEngineRows(const QSqlDatabase&, const QString&, const std::function<QVariant(const QString&)>&,
                               EngineRows&, QString*);

    struct Cell
    {
        union {
            qint64 integer;
            double real;
            qsizetype offset; // of a text in m_text
        };
        qint32 length = 0;
        quint8 type = 0; // SQLITE_INTEGER, SQLITE_FLOAT, SQLITE_TEXT, SQLITE_BLOB or SQLITE_NULL
    };
    const Cell& cell(int row, int column) const { return m_cells[size_t(row) * size_t(m_columns) + size_t(column)]; }

    QByteArray m_text;
    std::vector<Cell> m_cells;
    int m_columns = 0;
};

bool readEngineRows(const QSqlDatabase& db, const QString& statement,
                    const std::function<QVariant(const QString&)>& valueOf, EngineRows& result,
                    QString* error = nullptr);

} // namespace brivane::store
