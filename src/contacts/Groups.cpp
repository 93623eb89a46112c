#include "contacts/Groups.h"

#include "store/LocaleCollation.h"
#include "store/WriteTransaction.h"

#include "store/SettingsRecord.h"
#include "store/SettingsStore.h"

#include <QSqlError>
#include <QSqlQuery>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace brivane::contacts {

namespace {

void reportError(QString* error, const QString& text)
{
    if (error)
        *error = text;
}

QString sectionText(QChar section)
{
    return QString(section.toUpper());
}

} // namespace

bool Groups::isSection(QChar section)
{
    const QChar upper = section.toUpper();
    return upper == u'C' || upper == u'N' || upper == u'L';
}

QString Groups::loadStatement()
{
    return u"SELECT * FROM BRcat80 WHERE sezione = :sezione"_s;
}

QString Groups::findStatement()
{
    return u"SELECT *\nFROM BRcat80\nWHERE id = :id\nAND sezione = :sezione"_s;
}

QString Groups::insertStatement()
{
    return u"INSERT INTO BRcat80\n(id,sezione)\nvalues (:id,:sezione)"_s;
}

QString Groups::deleteStatement()
{
    return u"DELETE\nFROM BRcat80\nWHERE codcat = :codcat"_s;
}

bool Groups::names(const QSqlDatabase& db, QChar section, QStringList& result, QString* error)
{
    result.clear();
    QSqlQuery query(db);
    query.setForwardOnly(true);
    query.prepare(loadStatement());
    query.bindValue(u":sezione"_s, sectionText(section));
    if (!query.exec()) {
        reportError(error, store::archiveErrorText(query.lastError()));
        return false;
    }
    while (query.next())
        result << query.value(u"id"_s).toString();
    store::sortByLocale(result);
    return true;
}

QStringList Groups::names(const QSqlDatabase& db, QChar section)
{
    QStringList result;
    names(db, section, result);
    return result;
}

bool Groups::registerName(const QSqlDatabase& db, QChar section, const QString& name, bool* inserted,
                          QString* error)
{
    if (inserted)
        *inserted = false;
    store::WriteTransaction transaction(db);
    if (!transaction.begin(error))
        return false;
    QSqlQuery find(db);
    find.setForwardOnly(true);
    find.prepare(findStatement());
    find.bindValue(u":id"_s, name);
    find.bindValue(u":sezione"_s, sectionText(section));
    if (!find.exec()) {
        reportError(error, store::archiveErrorText(find.lastError()));
        return false;
    }
    if (find.next())
        return true; // nothing written: the transaction just ends
    find.finish();
    QSqlQuery insert(db);
    insert.prepare(insertStatement());
    insert.bindValue(u":id"_s, name);
    insert.bindValue(u":sezione"_s, sectionText(section));
    if (!insert.exec()) {
        reportError(error, store::archiveErrorText(insert.lastError()));
        return false;
    }
    if (!transaction.commit(error))
        return false;
    if (inserted)
        *inserted = true;
    return true;
}

bool Groups::deleteName(const QSqlDatabase& db, QChar section, const QString& name, int* deleted,
                        QString* error)
{
    if (deleted)
        *deleted = 0;
    store::WriteTransaction transaction(db);
    if (!transaction.begin(error))
        return false;
    QSqlQuery find(db);
    find.setForwardOnly(true);
    find.prepare(findStatement());
    find.bindValue(u":id"_s, name);
    find.bindValue(u":sezione"_s, sectionText(section));
    if (!find.exec()) {
        reportError(error, store::archiveErrorText(find.lastError()));
        return false;
    }
    QList<qint64> keys;
    while (find.next()) {
        // Only the rows whose name matches exactly, letter case included.
        if (find.value(u"id"_s).toString() == name)
            keys << find.value(u"codcat"_s).toLongLong();
    }
    find.finish();
    for (qint64 key : std::as_const(keys)) {
        QSqlQuery remove(db);
        remove.prepare(deleteStatement());
        remove.bindValue(u":codcat"_s, key);
        if (!remove.exec()) {
            reportError(error, store::archiveErrorText(remove.lastError()));
            return false;
        }
    }
    if (!transaction.commit(error))
        return false;
    if (deleted)
        *deleted = int(keys.size());
    return true;
}

QString Groups::memorisedColumn(QChar section)
{
    switch (section.toUpper().unicode()) {
    case 'C':
        return u"mem_group_contact"_s;
    case 'N':
        return u"mem_group_note"_s;
    case 'L':
        return u"mem_group_list"_s;
    default:
        return QString();
    }
}

QString Groups::memorisedGroup(const store::SettingsRecord& settings, QChar section)
{
    switch (section.toUpper().unicode()) {
    case 'C':
        return settings.memGroupContact;
    case 'N':
        return settings.memGroupNote;
    case 'L':
        return settings.memGroupList;
    default:
        return QString();
    }
}

bool Groups::saveMemorised(const QSqlDatabase& db, QChar section, const QString& text, QString* error)
{
    const QString column = memorisedColumn(section);
    if (column.isEmpty()) {
        reportError(error, u"Unknown group section"_s);
        return false;
    }
    return store::SettingsStore(db).saveColumn(column, text, error);
}

int Groups::filterLength(QChar section)
{
    return section.toUpper() == u'N' ? 30 : 50;
}

} // namespace brivane::contacts
