#include "store/EngineRead.h"

#include <QFile>
#include <QSqlDriver>
#include <QSqlField>

#include <sqlite3.h>

namespace brivane::store {

namespace {

bool bindAll(sqlite3_stmt* statement, const std::function<QVariant(const QString&)>& valueOf)
{
    for (int i = 1; i <= sqlite3_bind_parameter_count(statement); ++i) {
        const QVariant value = valueOf(QString::fromUtf8(sqlite3_bind_parameter_name(statement, i)));
        int status = SQLITE_OK;
        switch (value.typeId()) {
        case QMetaType::Int:
        case QMetaType::LongLong:
        case QMetaType::Bool:
            status = sqlite3_bind_int64(statement, i, value.toLongLong());
            break;
        case QMetaType::Double:
            status = sqlite3_bind_double(statement, i, value.toDouble());
            break;
        default:
            if (value.isNull()) {
                status = sqlite3_bind_null(statement, i);
            } else {
                const QByteArray text = value.toString().toUtf8();
                status =
                    sqlite3_bind_text(statement, i, text.constData(), int(text.size()), SQLITE_TRANSIENT);
            }
        }
        if (status != SQLITE_OK)
            return false;
    }
    return true;
}

} // namespace

sqlite3* engineHandle(const QSqlDatabase& db)
{
    const QVariant handle = db.driver() ? db.driver()->handle() : QVariant();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3* const*>(handle.data());
}

EngineReader::~EngineReader()
{
    sqlite3_close_v2(m_connection);
}

void EngineReader::close()
{
    sqlite3_close_v2(m_connection);
    m_connection = nullptr;
}

bool EngineReader::open(const QString& path, int busyMs)
{
    close();
    if (sqlite3_open_v2(QFile::encodeName(path).constData(), &m_connection, SQLITE_OPEN_READONLY, nullptr)
        != SQLITE_OK) {
        sqlite3_close_v2(m_connection);
        m_connection = nullptr;
        return false;
    }
    sqlite3_busy_timeout(m_connection, busyMs);
    return true;
}

EngineStatement::EngineStatement(const QSqlDatabase& db, const QString& statement,
                                 const std::function<QVariant(const QString&)>& valueOf)
    : EngineStatement(engineHandle(db), statement, valueOf)
{
}

EngineStatement::EngineStatement(sqlite3* connection, const QString& statement,
                                 const std::function<QVariant(const QString&)>& valueOf)
    : m_connection(connection)
{
    if (!m_connection) {
        m_failed = true;
        m_errorText = QStringLiteral("the archive is not open");
        return;
    }
    const QByteArray text = statement.toUtf8();
    if (sqlite3_prepare_v2(m_connection, text.constData(), int(text.size()), &m_statement, nullptr) != SQLITE_OK
        || !bindAll(m_statement, valueOf))
        fail();
}

EngineStatement::~EngineStatement()
{
    sqlite3_finalize(m_statement);
}

void EngineStatement::fail()
{
    m_failed = true;
    const int code = sqlite3_extended_errcode(m_connection) & 0xFF;
    m_damaged = code == SQLITE_CORRUPT || code == SQLITE_NOTADB;
    m_errorText = QString::fromUtf8(sqlite3_errmsg(m_connection));
}

bool EngineStatement::next()
{
    if (m_failed)
        return false;
    const int status = sqlite3_step(m_statement);
    if (status == SQLITE_ROW)
        return true;
    if (status != SQLITE_DONE)
        fail();
    return false;
}

int EngineStatement::columnCount() const
{
    return m_statement ? sqlite3_column_count(m_statement) : 0;
}

QString EngineStatement::columnName(int column) const
{
    return QString::fromUtf8(sqlite3_column_name(m_statement, column));
}

int EngineStatement::type(int column) const
{
    return sqlite3_column_type(m_statement, column);
}

double EngineStatement::real(int column) const
{
    return sqlite3_column_double(m_statement, column);
}

bool EngineStatement::isNull(int column) const
{
    return sqlite3_column_type(m_statement, column) == SQLITE_NULL;
}

qint64 EngineStatement::integer(int column) const
{
    return sqlite3_column_int64(m_statement, column);
}

QByteArrayView EngineStatement::text(int column) const
{
    const auto* bytes = reinterpret_cast<const char*>(sqlite3_column_text(m_statement, column));
    return QByteArrayView(bytes, sqlite3_column_bytes(m_statement, column));
}

QVariant EngineStatement::value(int column) const
{
    switch (sqlite3_column_type(m_statement, column)) {
    case SQLITE_INTEGER:
        return QVariant(qlonglong(sqlite3_column_int64(m_statement, column)));
    case SQLITE_FLOAT:
        return QVariant(sqlite3_column_double(m_statement, column));
    case SQLITE_NULL:
        return QVariant();
    default:
        return QVariant(QString::fromUtf8(text(column)));
    }
}

bool EngineRows::isNull(int row, int column) const
{
    return cell(row, column).type == SQLITE_NULL;
}

QByteArrayView EngineRows::text(int row, int column) const
{
    const Cell& c = cell(row, column);
    if (c.type != SQLITE_TEXT && c.type != SQLITE_BLOB)
        return {};
    return QByteArrayView(m_text.constData() + c.offset, c.length);
}

QVariant EngineRows::value(int row, int column) const
{
    const Cell& c = cell(row, column);
    switch (c.type) {
    case SQLITE_INTEGER:
        return QVariant(qlonglong(c.integer));
    case SQLITE_FLOAT:
        return QVariant(c.real);
    case SQLITE_NULL:
        return QVariant();
    default:
        return QVariant(QString::fromUtf8(text(row, column)));
    }
}

bool readEngineRows(const QSqlDatabase& db, const QString& statement,
                    const std::function<QVariant(const QString&)>& valueOf, EngineRows& result,
                    QString* error)
{
    result = EngineRows();
    EngineStatement read(db, statement, valueOf);
    const int columns = read.columnCount();
    for (int column = 0; column < columns; ++column)
        result.fields.append(QSqlField(read.columnName(column), QMetaType(QMetaType::QString)));
    result.m_columns = columns;
    while (read.next()) {
        for (int column = 0; column < columns; ++column) {
            EngineRows::Cell cell;
            cell.type = quint8(read.type(column));
            switch (cell.type) {
            case SQLITE_INTEGER:
                cell.integer = read.integer(column);
                break;
            case SQLITE_FLOAT:
                cell.real = read.real(column);
                break;
            case SQLITE_NULL:
                cell.integer = 0;
                break;
            default: {
                const QByteArrayView bytes = read.text(column);
                cell.offset = result.m_text.size();
                cell.length = qint32(bytes.size());
                result.m_text.append(bytes);
            }
            }
            result.m_cells.push_back(cell);
        }
    }
    if (read.failed()) {
        result = EngineRows();
        if (error)
            *error = read.errorText();
        return false;
    }
    return true;
}

} // namespace brivane::store
