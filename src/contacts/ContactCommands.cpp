#include "contacts/ContactCommands.h"

#include "store/WriteTransaction.h"

#include "agenda/TaskCommands.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

using namespace Qt::StringLiterals;

namespace brivane::contacts {

namespace {

const char* const kCopiedColumns[] = {"ragsoc",   "indirizzo", "tel",       "fax",     "email",
                                      "note",     "gruppo",    "site",      "company", "mobile",
                                      "allegato", "allegato2", "allegato3", "foto",    "skype"};

bool exec(QSqlQuery& query, QString* error)
{
    if (query.exec())
        return true;
    if (error)
        *error = store::archiveErrorText(query.lastError());
    return false;
}

} // namespace

QString deleteContactStatement()
{
    return u"DELETE\nFROM BRcon63\nWHERE codcon = :codcon"_s;
}

QString deleteLinkedTasksStatement()
{
    return u"DELETE\nFROM BRarc66\nWHERE flag = 'Y' and dayindex = :codcon"_s;
}

QString cloneContactStatement()
{
    return u"INSERT INTO BRcon63\n"
           u"(ragsoc,indirizzo,tel,fax,email,note,gruppo,site,company,mobile,allegato,allegato2,allegato3,"
           u"foto,skype)\n"
           u"values "
           u"(:ragsoc,:indirizzo,:tel,:fax,:email,:note,:gruppo,:site,:company,:mobile,:allegato,:allegato2,"
           u":allegato3,:foto,:skype)"_s;
}

bool deleteContact(const QSqlDatabase& db, qint64 codcon, QString* error)
{
    QSqlQuery query(db);
    query.prepare(deleteContactStatement());
    query.bindValue(u":codcon"_s, codcon);
    return exec(query, error);
}

bool deleteLinkedTasks(const QSqlDatabase& db, qint64 codcon, QString* error)
{
    QSqlQuery query(db);
    query.prepare(deleteLinkedTasksStatement());
    query.bindValue(u":codcon"_s, codcon);
    return exec(query, error);
}

std::optional<qint64> cloneContact(const QSqlDatabase& db, qint64 codcon, QString* error)
{
    store::WriteTransaction transaction(db);
    if (!transaction.begin(error))
        return std::nullopt;
    QSqlQuery read(db);
    read.setForwardOnly(true);
    read.prepare(u"SELECT * FROM BRcon63 WHERE codcon = :codcon"_s);
    read.bindValue(u":codcon"_s, codcon);
    if (!exec(read, error))
        return std::nullopt;
    if (!read.next()) {
        if (error)
            *error = u"The contact to copy no longer exists."_s;
        return std::nullopt;
    }
    const QSqlRecord row = read.record();
    read.finish();
    QSqlQuery insert(db);
    insert.prepare(cloneContactStatement());
    for (const char* column : kCopiedColumns) {
        const QString name = QLatin1String(column);
        // Empty columns are written as empty texts, never as nulls.
        QString value = row.value(name).toString();
        if (value.isNull())
            value = u""_s;
        insert.bindValue(u':' + name, value);
    }
    if (!exec(insert, error))
        return std::nullopt;
    const qint64 key = insert.lastInsertId().toLongLong();
    if (!transaction.commit(error))
        return std::nullopt;
    return key;
}

QString deleteContactQuestion(const QString& name)
{
    return u" You are in order to eliminate \""_s + name + agenda::randomDeleteConfirmationEnding();
}

QString deleteLinkedTaskQuestion(const QString& description)
{
    return u" Delete the linked task \""_s + description + u"\""_s;
}

} // namespace brivane::contacts
