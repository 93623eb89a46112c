#include "store/Archive.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <sqlite3.h>

namespace brivane::store {

namespace {

void setError(QString* error, const QString& text)
{
    if (error)
        *error = text;
}

void unicodeUpper(sqlite3_context* context, int argc, sqlite3_value** argv)
{
    if (argc != 1 || sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(argv[0]));
    const int bytes = sqlite3_value_bytes(argv[0]);
    // Plain ASCII, the common case in every search, needs no conversion.
    bool ascii = true;
    for (int i = 0; i < bytes && ascii; ++i)
        ascii = (static_cast<unsigned char>(text[i]) & 0x80) == 0;
    if (ascii) {
        thread_local QByteArray buffer;
        buffer.resize(bytes);
        for (int i = 0; i < bytes; ++i) {
            const char c = text[i];
            buffer[i] = c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c;
        }
        sqlite3_result_text(context, buffer.constData(), bytes, SQLITE_TRANSIENT);
        return;
    }
    const QByteArray upper = QString::fromUtf8(text, bytes).toUpper().toUtf8();
    sqlite3_result_text(context, upper.constData(), int(upper.size()), SQLITE_TRANSIENT);
}

} // namespace

bool registerUnicodeUpper(const QSqlDatabase& db)
{
    const QVariant handle = db.driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return false;
    auto* connection = *static_cast<sqlite3* const*>(handle.data());
    if (!connection)
        return false;
    return sqlite3_create_function(connection, "UPPER", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr,
                                   unicodeUpper, nullptr, nullptr)
           == SQLITE_OK;
}

Archive::Archive(const QString& connectionName) : m_connectionName(connectionName) {}

Archive::~Archive()
{
    close();
}

QString Archive::filePath() const
{
    return QDir(m_folder).filePath(QString::fromLatin1(kFileName));
}

bool Archive::isOpen() const
{
    return QSqlDatabase::contains(m_connectionName) && database().isOpen();
}

QSqlDatabase Archive::database() const
{
    return QSqlDatabase::database(m_connectionName, false);
}

void Archive::close()
{
    if (!QSqlDatabase::contains(m_connectionName))
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_connectionName);
}

bool Archive::open(const QString& folder, QString* error)
{
    if (!QDir().mkpath(folder)) {
        setError(error, QStringLiteral("We have a problem! I can not create the folder: \"%1\"").arg(folder));
        return false;
    }
    return openConnection(folder, false, error);
}

bool Archive::openReadOnly(const QString& folder, QString* error)
{
    return openConnection(folder, true, error);
}

bool Archive::openConnection(const QString& folder, bool readOnly, QString* error)
{
    close();
    m_folder = folder;
    const QString path = filePath();
    const QFileInfo info(path);
    if (info.exists() && !info.isFile()) {
        setError(error, QStringLiteral("The archive \"%1\" is not a file.").arg(path));
        return false;
    }
    if (!readOnly && info.exists() && !info.isWritable()) {
        setError(error, QStringLiteral("The archive \"%1\" is read-only: I can not write to it.").arg(path));
        return false;
    }
    if (readOnly && !info.exists()) {
        setError(error, QStringLiteral("The archive \"%1\" does not exist.").arg(path));
        return false;
    }

    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);
    db.setDatabaseName(path);
    db.setConnectOptions(readOnly ? QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=5000")
                                  : QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
    if (!db.open()) {
        setError(error, QStringLiteral("I can not open the archive \"%1\": %2").arg(path, db.lastError().text()));
        db = QSqlDatabase();
        close();
        return false;
    }

    // SQLite opens lazily: reading the schema is what proves the file is a
    // database. A foreign or damaged file fails here and is left as it is.
    QSqlQuery probe(db);
    if (!probe.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")) || !probe.next()) {
        setError(error, QStringLiteral("The file \"%1\" is not a valid archive or it is damaged: %2")
                            .arg(path, probe.lastError().text()));
        probe = QSqlQuery();
        db = QSqlDatabase();
        close();
        return false;
    }
    probe.finish();
    if (!readOnly) {
        // A rollback journal works on network shares, where WAL does not.
        if (!probe.exec(QStringLiteral("PRAGMA journal_mode=DELETE"))) {
            setError(error, QStringLiteral("I can not use the archive \"%1\": %2")
                                .arg(path, probe.lastError().text()));
            probe = QSqlQuery();
            db = QSqlDatabase();
            close();
            return false;
        }
        probe.finish();
    }
    // A cache that holds the working set of a large archive spares re-reading
    // pages for every day of a calendar month.
    probe.exec(QStringLiteral("PRAGMA cache_size=-32768"));
    probe.finish();
    registerUnicodeUpper(db);
    return true;
}

} // namespace brivane::store
