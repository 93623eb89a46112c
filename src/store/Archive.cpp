#include "store/Archive.h"

#include "store/EngineRead.h"
#include "store/LocaleCollation.h"
#include "store/PrivateFiles.h"
#include "store/WriteTransaction.h"

#include <QDir>
#include <QFileInfo>
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
    sqlite3* connection = engineHandle(db);
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
    if (!makePrivateFolder(folder)) {
        setError(error, QStringLiteral("We have a problem! I can not create the folder: \"%1\"").arg(folder));
        return false;
    }
    return openConnection(folder, false, error);
}

bool Archive::openReadOnly(const QString& folder, QString* error)
{
    return openConnection(folder, true, error);
}

QString Archive::whyNotWritable(const QString& folder)
{
    const QString path = QDir(folder).filePath(QString::fromLatin1(kFileName));
    const QFileInfo file(path);
    const QFileInfo dir(folder);
    if (!dir.isDir())
        return QString();
    if (file.exists() && !file.isWritable())
        return QStringLiteral("the file is read-only for you");
    if (!dir.isWritable()) {
        // Every change first writes a journal file beside the archive.
        return file.exists() ? QStringLiteral("its folder \"%1\" is read-only for you, and every change needs a "
                                              "journal file beside the archive")
                                   .arg(folder)
                             : QStringLiteral("its folder \"%1\" is read-only for you").arg(folder);
    }
    return QString();
}

QString Archive::notWritableText(const QString& folder)
{
    const QString why = whyNotWritable(folder);
    const QString path = QDir(folder).filePath(QString::fromLatin1(kFileName));
    return QStringLiteral("I can not write to the archive \"%1\": %2. Ask for write permission, or copy the "
                          "archive to a folder of yours and choose that folder with the Change button.")
        .arg(path, why);
}

QString Archive::damagedText(const QString& path)
{
    return QStringLiteral("The archive \"%1\" is damaged, so I will not use it and I have written nothing into "
                          "it. Restore a backup of it (a copy named boarc-date-time.abs in its folder, or one of "
                          "your own) and start me again.")
        .arg(path);
}

bool Archive::openConnection(const QString& folder, bool readOnly, QString* error)
{
    close();
    m_folder = folder;
    m_readOnly = readOnly;
    const QString path = filePath();
    const QFileInfo info(path);
    if (info.exists() && !info.isFile()) {
        setError(error, QStringLiteral("The archive \"%1\" is not a file.").arg(path));
        return false;
    }
    if (readOnly && !info.exists()) {
        setError(error, QStringLiteral("The archive \"%1\" does not exist.").arg(path));
        return false;
    }
    if (!readOnly && !whyNotWritable(folder).isEmpty()) {
        setError(error, notWritableText(folder));
        return false;
    }
    if (!readOnly && !info.exists()) {
        // A new archive is the user's alone; its journal takes the same mode.
        QString reason;
        if (!createPrivateFile(path, &reason)) {
            setError(error, QStringLiteral("I can not create the archive \"%1\": %2").arg(path, reason));
            return false;
        }
    }

    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);
    db.setDatabaseName(path);
    db.setConnectOptions(readOnly ? QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=5000")
                                  : QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
    const auto fail = [&](const QString& text) {
        setError(error, text);
        db = QSqlDatabase();
        close();
        return false;
    };
    if (!db.open())
        return fail(QStringLiteral("I can not open the archive \"%1\": %2").arg(path, db.lastError().text()));

    // SQLite opens lazily: reading the schema is what proves the file is a
    // database. A foreign or damaged file fails here and is left as it is.
    {
        QSqlQuery probe(db);
        if (!probe.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")) || !probe.next()) {
            const QSqlError failure = probe.lastError();
            if (isBusy(failure))
                return fail(QStringLiteral("I can not open the archive \"%1\": %2").arg(path, busyArchiveText()));
            return fail(QStringLiteral("The file \"%1\" is not a valid archive or it is damaged: %2")
                            .arg(path, failure.text()));
        }
    }
    // A damaged page in the middle of the file shows only when it is read:
    // the quick check reads every page once, before anything is written.
    // A read-only connection writes nothing, and its reads report any damage
    // they meet.
    if (!readOnly) {
        QSqlQuery check(db);
        check.setForwardOnly(true);
        if (!check.exec(QStringLiteral("PRAGMA quick_check(1)")) || !check.next()) {
            const QSqlError failure = check.lastError();
            if (isBusy(failure))
                return fail(QStringLiteral("I can not open the archive \"%1\": %2").arg(path, busyArchiveText()));
            return fail(damagedText(path));
        }
        if (check.value(0).toString() != QLatin1String("ok"))
            return fail(damagedText(path));
    }
    QSqlQuery setup(db);
    if (!readOnly) {
        // A rollback journal works on network shares, where WAL does not.
        if (!setup.exec(QStringLiteral("PRAGMA journal_mode=DELETE"))) {
            const QString text = archiveErrorText(setup.lastError());
            setup = QSqlQuery();
            return fail(QStringLiteral("I can not use the archive \"%1\": %2").arg(path, text));
        }
        setup.finish();
    }
    // A cache that holds the working set of a large archive spares re-reading
    // pages for every day of a calendar month.
    setup.exec(QStringLiteral("PRAGMA cache_size=-32768"));
    setup.finish();
    setup = QSqlQuery();
    registerUnicodeUpper(db);
    registerLocaleCollation(db);
    return true;
}

} // namespace brivane::store
