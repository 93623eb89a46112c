#pragma once

#include <QByteArrayView>
#include <QList>
#include <QSqlDatabase>
#include <QSqlRecord>
#include <QVariant>

#include <functional>

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
    qint64 integer(int column) const;
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

// Every row of a statement, read to its end and finished before the call
// returns, as plain values (see EngineStatement::value). A list that shows
// thousands of rows pays the engine's own cost and little more.
struct EngineRows
{
    QSqlRecord fields;
    QList<QList<QVariant>> rows;
};

bool readEngineRows(const QSqlDatabase& db, const QString& statement,
                    const std::function<QVariant(const QString&)>& valueOf, EngineRows& result,
                    QString* error = nullptr);

} // namespace brivane::store
