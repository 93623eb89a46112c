#include "contacts/ContactWriter.h"

#include "store/WriteTransaction.h"

#include "agenda/TaskListQuery.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QVariant>

using namespace Qt::StringLiterals;

namespace brivane::contacts {

namespace {

void report(QString* error, const QString& text)
{
    if (error)
        *error = text;
}

// Empty fields are stored as empty texts, not as nulls: a null text would
// be bound as NULL.
QString nonNull(const QString& text)
{
    return text.isNull() ? u""_s : text;
}

void bindFields(QSqlQuery& query, const Contact& contact)
{
    const std::pair<const char16_t*, const QString*> fields[] = {
        {u":ragsoc", &contact.ragsoc},     {u":indirizzo", &contact.indirizzo}, {u":tel", &contact.tel},
        {u":fax", &contact.fax},           {u":email", &contact.email},         {u":note", &contact.note},
        {u":gruppo", &contact.gruppo},     {u":site", &contact.site},           {u":company", &contact.company},
        {u":mobile", &contact.mobile},     {u":allegato", &contact.allegato},   {u":allegato2", &contact.allegato2},
        {u":allegato3", &contact.allegato3}, {u":foto", &contact.foto},         {u":skype", &contact.skype},
    };
    for (const auto& [name, value] : fields)
        query.bindValue(QString::fromUtf16(name), nonNull(*value));
}

bool exec(QSqlQuery& query, QString* error)
{
    if (query.exec())
        return true;
    report(error, store::archiveErrorText(query.lastError()));
    return false;
}

} // namespace

std::optional<Contact> ContactWriter::load(QSqlDatabase db, qint64 codcon, QString* error)
{
    QSqlQuery query(db);
    query.prepare(contactSelectStatement());
    query.bindValue(u":codcon"_s, codcon);
    if (!exec(query, error))
        return std::nullopt;
    if (!query.next()) {
        report(error, u"The contact no longer exists."_s);
        return std::nullopt;
    }
    return Contact::fromRecord(query.record());
}

qint64 ContactWriter::insert(QSqlDatabase db, const Contact& contact, QString* error)
{
    QSqlQuery query(db);
    if (!query.prepare(contactInsertStatement())) {
        report(error, store::archiveErrorText(query.lastError()));
        return -1;
    }
    bindFields(query, contact);
    if (!exec(query, error))
        return -1;
    bool ok = false;
    const qint64 key = query.lastInsertId().toLongLong(&ok);
    if (!ok) {
        report(error, u"The new contact has no key."_s);
        return -1;
    }
    return key;
}

bool ContactWriter::update(QSqlDatabase db, const Contact& contact, QString* error)
{
    QSqlQuery query(db);
    if (!query.prepare(contactUpdateStatement())) {
        report(error, store::archiveErrorText(query.lastError()));
        return false;
    }
    bindFields(query, contact);
    query.bindValue(u":codcon"_s, contact.codcon);
    if (!exec(query, error))
        return false;
    if (query.numRowsAffected() < 1) {
        report(error, u"The contact no longer exists."_s);
        return false;
    }
    return true;
}

bool ContactWriter::deleteContact(QSqlDatabase db, qint64 codcon, QString* error, LinkedTasks linked)
{
    // Key 0 is the code of unlinked tasks: it must never select tasks to delete.
    if (codcon <= 0) {
        report(error, u"No contact to delete."_s);
        return false;
    }
    store::WriteTransaction transaction(db);
    if (!transaction.begin(error))
        return false;
    QSqlQuery contact(db);
    contact.prepare(u"DELETE\nFROM BRcon63\nWHERE codcon = :codcon"_s);
    contact.bindValue(u":codcon"_s, codcon);
    bool ok = exec(contact, error);
    if (ok && linked == LinkedTasks::Delete) {
        QSqlQuery tasks(db);
        tasks.prepare(u"DELETE\nFROM BRarc66\nWHERE flag = 'Y' and dayindex = :dayindex"_s);
        tasks.bindValue(u":dayindex"_s, codcon);
        ok = exec(tasks, error);
    }
    return ok && transaction.commit(error);
}

std::optional<agenda::Task> ContactWriter::linkedTask(QSqlDatabase db, qint64 codcon, QString* error)
{
    // Unlinked tasks carry 0: no Contact has that key.
    if (codcon <= 0)
        return std::nullopt;
    QSqlQuery query(db);
    query.prepare(u"SELECT * FROM BRarc66 WHERE flag = 'Y' AND dayindex = :dayindex ORDER BY codimp"_s);
    query.bindValue(u":dayindex"_s, codcon);
    if (!exec(query, error) || !query.next())
        return std::nullopt;
    return agenda::Task::fromRecord(query.record());
}

QList<agenda::Task> ContactWriter::linkCandidates(QSqlDatabase db, const QString& name, QString* error)
{
    agenda::TaskListQuery list(u"Y"_s);
    list.searchIn = agenda::TaskListQuery::SearchIn::Description;
    list.month = 0;
    list.searchText = name;
    if (!list.run(db, error))
        return {};
    QList<agenda::Task> tasks;
    tasks.reserve(list.rowCount());
    for (int row = 0; row < list.rowCount(); ++row)
        tasks.append(agenda::Task::fromRecord(list.record(row)));
    return tasks;
}

bool ContactWriter::linkTask(QSqlDatabase db, qint64 codimp, qint64 codcon, QString* error)
{
    QSqlQuery query(db);
    query.prepare(u"UPDATE BRarc66\nSET dayindex   = :dayindex\nWHERE codimp = :codimp"_s);
    query.bindValue(u":dayindex"_s, codcon);
    query.bindValue(u":codimp"_s, codimp);
    if (!exec(query, error))
        return false;
    if (query.numRowsAffected() < 1) {
        report(error, u"The task no longer exists."_s);
        return false;
    }
    return true;
}

bool ContactWriter::unlinkTask(QSqlDatabase db, qint64 codimp, QString* error)
{
    return linkTask(db, codimp, 0, error);
}

} // namespace brivane::contacts
