#include "agenda/TaskCommands.h"

#include "store/WriteTransaction.h"

#include "agenda/ErrorReport.h"

#include <QRandomGenerator>
#include <QSqlQuery>
#include <QSqlRecord>

namespace brivane::agenda {

namespace {

const char* const kCopiedColumns[] = {"id",       "note",     "dayofweek", "dayindex", "dayofmonth", "datefull",
                                      "data",     "orario",   "orario2",   "flag",     "ricerca",    "allegato",
                                      "fatto",    "flagfatto", "anticipa", "sospeso",  "flagscad",   "scadenza"};

} // namespace

bool deleteTask(const QSqlDatabase& db, qint64 codimp, QString* error)
{
    QSqlQuery query(db);
    query.prepare(QStringLiteral("DELETE\nFROM BRarc66\nWHERE codimp = :codimp"));
    query.bindValue(QStringLiteral(":codimp"), codimp);
    if (!query.exec()) {
        reportError(error, query.lastError());
        return false;
    }
    return true;
}

CloneResult cloneTask(const QSqlDatabase& db, qint64 codimp, qint64* newKey, QString* error)
{
    store::WriteTransaction transaction(db);
    if (!transaction.begin(error))
        return CloneResult::Failed;
    QSqlQuery read(db);
    read.prepare(QStringLiteral("SELECT * FROM BRarc66 WHERE codimp = :codimp"));
    read.bindValue(QStringLiteral(":codimp"), codimp);
    if (!read.exec() || !read.next()) {
        reportError(error, read.lastError().isValid() ? store::archiveErrorText(read.lastError())
                                                       : QStringLiteral("The task to copy no longer exists."));
        return CloneResult::Failed;
    }
    const QSqlRecord row = read.record();
    read.finish();
    const bool yearly = row.value(QStringLiteral("flag")).toString() == QLatin1String("Y");
    const QVariant link = row.value(QStringLiteral("dayindex"));
    if (yearly && !link.isNull() && !link.toString().isEmpty())
        return CloneResult::RefusedBirthday;

    QStringList columns;
    QStringList placeholders;
    for (const char* column : kCopiedColumns) {
        if (yearly && qstrcmp(column, "dayindex") == 0)
            continue;
        columns << QLatin1String(column);
        placeholders << QLatin1Char(':') + QLatin1String(column);
    }
    QSqlQuery insert(db);
    insert.prepare(QStringLiteral("INSERT INTO BRarc66\n(") + columns.join(QLatin1Char(','))
                   + QStringLiteral(")\nvalues (") + placeholders.join(QLatin1Char(',')) + QLatin1Char(')'));
    for (const QString& column : std::as_const(columns))
        insert.bindValue(QLatin1Char(':') + column, row.value(column));
    if (!insert.exec()) {
        reportError(error, insert.lastError());
        return CloneResult::Failed;
    }
    if (!transaction.commit(error))
        return CloneResult::Failed;
    if (newKey)
        *newKey = insert.lastInsertId().toLongLong();
    return CloneResult::Cloned;
}

QString deleteConfirmationEnding(int slot)
{
    switch (slot) {
    case 0:
    case 8: return QStringLiteral("\", can you assures to me that after you will not cry?");
    case 1:
    case 9: return QStringLiteral("\", sure that's a good idea?");
    case 2:
    case 10: return QStringLiteral("\", are you sure?");
    case 3:
    case 11: return QStringLiteral("\", can you live after this?");
    case 4:
    case 12: return QStringLiteral("\", you know the consequences?");
    case 7: return QStringLiteral("\", sei a conoscenza delle conseguenze?");
    default: return QStringLiteral("\", can you give him another chance?");
    }
}

QString randomDeleteConfirmationEnding()
{
    return deleteConfirmationEnding(int(QRandomGenerator::global()->bounded(14)));
}

QString taskDeleteQuestion(const QString& description)
{
    return QStringLiteral(" You are in order to eliminate \"") + description + randomDeleteConfirmationEnding();
}

} // namespace brivane::agenda
