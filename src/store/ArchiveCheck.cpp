#include "store/ArchiveCheck.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QUuid>

namespace brivane::store {

namespace {

void setReason(QString* reason, const QString& text)
{
    if (reason)
        *reason = text;
}

bool hasSqliteHeader(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    return file.read(16) == QByteArray("SQLite format 3\0", 16);
}

} // namespace

const QStringList& ArchiveCheck::requiredTables()
{
    static const QStringList tables = {QStringLiteral("BRarc66"), QStringLiteral("BRshot80"),
                                       QStringLiteral("BRcon63"), QStringLiteral("BRnot80"),
                                       QStringLiteral("BRtod63"), QStringLiteral("BRcat80"),
                                       QStringLiteral("BRset63")};
    return tables;
}

bool ArchiveCheck::isArchive(const QString& path, QString* reason)
{
    const QFileInfo info(path);
    if (!info.isFile()) {
        setReason(reason, QStringLiteral("the file does not exist"));
        return false;
    }
    if (!hasSqliteHeader(path)) {
        setReason(reason, QStringLiteral("it is not an SQLite database"));
        return false;
    }
    const QString name = QStringLiteral("archive-check-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=5000"));
        if (!db.open()) {
            setReason(reason, db.lastError().text());
        } else {
            QSqlQuery query(db);
            if (!query.exec(QStringLiteral("PRAGMA quick_check")) || !query.next()) {
                setReason(reason, QStringLiteral("it is damaged: ") + query.lastError().text());
            } else if (const QString verdict = query.value(0).toString(); verdict != QLatin1String("ok")) {
                setReason(reason, QStringLiteral("it is damaged: ") + verdict);
            } else {
                query.finish();
                QStringList missing;
                for (const QString& table : requiredTables()) {
                    query.prepare(QStringLiteral("SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = :name COLLATE NOCASE"));
                    query.bindValue(QStringLiteral(":name"), table);
                    if (!query.exec() || !query.next())
                        missing << table;
                    query.finish();
                }
                if (missing.isEmpty())
                    ok = true;
                else
                    setReason(reason, QStringLiteral("it lacks the tables ") + missing.join(QStringLiteral(", ")));
            }
            query = QSqlQuery();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return ok;
}

} // namespace brivane::store
