#include "notes/NoteStore.h"

#include "store/WriteTransaction.h"

#include "store/ArchiveCounts.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

using namespace Qt::StringLiterals;

namespace brivane::notes {

namespace {

bool fail(QString* error, const QSqlQuery& query)
{
    if (error)
        *error = store::archiveErrorText(query.lastError());
    return false;
}

qint64 failKey(QString* error, const QSqlQuery& query)
{
    fail(error, query);
    return -1;
}

// An empty text is written as an empty text, never as null.
QVariant textValue(const QString& text)
{
    return text.isNull() ? QVariant(u""_s) : QVariant(text);
}

QVariant groupValue(const QString& group)
{
    return group.isEmpty() ? QVariant(QMetaType::fromType<QString>()) : QVariant(group);
}

qint64 insertRow(const QSqlDatabase& db, const QString& statement, const QVariantMap& values, QString* error)
{
    QSqlQuery query(db);
    if (!query.prepare(statement))
        return failKey(error, query);
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        query.bindValue(it.key(), it.value());
    if (!query.exec())
        return failKey(error, query);
    if (query.numRowsAffected() < 1) {
        if (error)
            *error = u"The note no longer exists."_s;
        return -1;
    }
    return query.lastInsertId().toLongLong();
}

} // namespace

std::optional<QString> NoteStore::text(qint64 key, QString* error) const
{
    QSqlQuery query(m_db);
    query.setForwardOnly(true);
    query.prepare(u"SELECT note FROM BRnot80 WHERE codnot = :codnot"_s);
    query.bindValue(u":codnot"_s, key);
    if (!query.exec()) {
        fail(error, query);
        return std::nullopt;
    }
    if (!query.next()) {
        if (error)
            *error = u"The note no longer exists."_s;
        return std::nullopt;
    }
    const QString text = query.value(0).toString();
    return text.isNull() ? u""_s : text;
}

std::optional<NoteFields> NoteStore::note(qint64 key, QString* error) const
{
    QSqlQuery query(m_db);
    query.setForwardOnly(true);
    query.prepare(u"SELECT id, note, gruppo FROM BRnot80 WHERE codnot = :codnot"_s);
    query.bindValue(u":codnot"_s, key);
    if (!query.exec()) {
        fail(error, query);
        return std::nullopt;
    }
    if (!query.next()) {
        if (error)
            *error = u"The note no longer exists."_s;
        return std::nullopt;
    }
    return NoteFields{query.value(0).toString(), query.value(1).toString(), query.value(2).toString()};
}

qint64 NoteStore::updateText(qint64 key, const QString& text, const QString& title, const QString& group,
                             QString* error) const
{
    QSqlQuery query(m_db);
    query.prepare(u"UPDATE BRnot80\nSET note       = :note\nWHERE codnot = :codnot"_s);
    query.bindValue(u":note"_s, textValue(text));
    query.bindValue(u":codnot"_s, key);
    if (!query.exec())
        return failKey(error, query);
    if (query.numRowsAffected() > 0)
        return key;
    return insert({title, text, group}, error);
}

qint64 NoteStore::insert(const NoteFields& note, QString* error) const
{
    return insertRow(m_db, u"INSERT INTO BRnot80\n(id,note,gruppo)\nvalues (:id,:note,:gruppo)"_s,
                     {{u":id"_s, textValue(note.title)},
                      {u":note"_s, textValue(note.text)},
                      {u":gruppo"_s, groupValue(note.group)}},
                     error);
}

qint64 NoteStore::insertImported(const QString& title, const QString& text, QString* error) const
{
    return insertRow(m_db, u"INSERT INTO BRnot80\n(id,note)\nvalues (:id,:note)"_s,
                     {{u":id"_s, textValue(title)}, {u":note"_s, textValue(text)}}, error);
}

bool NoteStore::modify(qint64 key, const NoteFields& note, QString* error) const
{
    QSqlQuery query(m_db);
    query.prepare(
        u"UPDATE BRnot80\nSET id         = :id,\n    note       = :note,\n    gruppo     = :gruppo\n"
        "WHERE codnot = :codnot"_s);
    query.bindValue(u":id"_s, textValue(note.title));
    query.bindValue(u":note"_s, textValue(note.text));
    query.bindValue(u":gruppo"_s, groupValue(note.group));
    query.bindValue(u":codnot"_s, key);
    if (!query.exec())
        return fail(error, query);
    if (query.numRowsAffected() == 0) {
        if (error)
            *error = u"The note no longer exists."_s;
        return false;
    }
    return true;
}

qint64 NoteStore::clone(qint64 key, QString* error) const
{
    return insertRow(
        m_db,
        u"INSERT INTO BRnot80\n(id,note,gruppo)\nSELECT id,note,gruppo FROM BRnot80 WHERE codnot = :codnot"_s,
        {{u":codnot"_s, key}}, error);
}

bool NoteStore::remove(qint64 key, QString* error) const
{
    QSqlQuery query(m_db);
    query.prepare(u"DELETE\nFROM BRnot80\nWHERE codnot = :codnot"_s);
    query.bindValue(u":codnot"_s, key);
    return query.exec() || fail(error, query);
}

int NoteStore::total() const
{
    return store::ArchiveCounts::total(m_db, u'N');
}

} // namespace brivane::notes
