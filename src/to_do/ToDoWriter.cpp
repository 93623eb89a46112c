#include "to_do/ToDoWriter.h"

#include "store/WriteTransaction.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace brivane::to_do {

namespace {

QString lines(const QStringList& parts)
{
    return parts.join(QLatin1Char('\n'));
}

// Texts are written as empty strings rather than nulls, so that every saved
// item is found by a search with an empty text.
QString text(const QString& value)
{
    return value.isNull() ? QStringLiteral("") : value;
}

bool exec(QSqlQuery& query, const QString& statement, const QVariantMap& values, QString* error)
{
    bool ok = query.prepare(statement);
    if (ok) {
        for (auto it = values.cbegin(); it != values.cend(); ++it)
            query.bindValue(it.key(), it.value());
        ok = query.exec();
    }
    if (!ok && error)
        *error = store::archiveErrorText(query.lastError());
    return ok;
}

QVariantMap itemValues(const ToDoItem& item)
{
    return {
        {QStringLiteral(":id"), text(item.id)},
        {QStringLiteral(":note"), text(item.note)},
        {QStringLiteral(":priority"), item.priority},
        {QStringLiteral(":flag"), text(item.flag)},
        {QStringLiteral(":percento"), item.percento},
        {QStringLiteral(":allegato"), text(item.allegato)},
        {QStringLiteral(":ricerca"), text(item.ricerca)},
    };
}

} // namespace

QString ToDoWriter::insertStatement()
{
    return lines({QStringLiteral("INSERT INTO BRtod63"),
                  QStringLiteral("(id,note,priority,flag,percento,allegato,ricerca,gruppo)"),
                  QStringLiteral("values (:id,:note,:priority,:flag,:percento,:allegato,:ricerca,:gruppo)")});
}

QString ToDoWriter::updateStatement()
{
    return lines({QStringLiteral("UPDATE BRtod63"),
                  QStringLiteral("SET id         = :id,"),
                  QStringLiteral("    note       = :note,"),
                  QStringLiteral("    priority   = :priority,"),
                  QStringLiteral("    flag       = :flag,"),
                  QStringLiteral("    percento   = :percento,"),
                  QStringLiteral("    allegato   = :allegato,"),
                  QStringLiteral("    ricerca   = :ricerca,"),
                  QStringLiteral("    gruppo   = :gruppo"),
                  QStringLiteral("WHERE codtod = :codtod")});
}

QString ToDoWriter::checkStatement()
{
    return lines({QStringLiteral("UPDATE BRtod63"), QStringLiteral("SET flag = :flag,"),
                  QStringLiteral("percento = :percento"), QStringLiteral("WHERE codtod = :codtod")});
}

QString ToDoWriter::cloneStatement()
{
    return lines({QStringLiteral("INSERT INTO BRtod63"), QStringLiteral("(id,note,priority,flag,percento,allegato,ricerca)"),
                  QStringLiteral("values (:id,:note,:priority,:flag,:percento,:allegato,:ricerca)")});
}

QString ToDoWriter::deleteStatement()
{
    return lines({QStringLiteral("DELETE"), QStringLiteral("FROM BRtod63"), QStringLiteral("WHERE codtod = :codtod")});
}

std::optional<ToDoItem> ToDoWriter::load(qint64 codtod, QString* error) const
{
    QSqlQuery query(m_db);
    if (!exec(query, QStringLiteral("SELECT * FROM BRtod63 WHERE codtod = :codtod"),
              {{QStringLiteral(":codtod"), codtod}}, error))
        return std::nullopt;
    if (!query.next()) {
        if (error)
            *error = QStringLiteral("The to-do item no longer exists.");
        return std::nullopt;
    }
    return ToDoItem::fromRecord(query.record());
}

qint64 ToDoWriter::insert(const ToDoItem& item, QString* error) const
{
    ToDoItem fresh = item;
    fresh.flag = ToDoItem::no();
    fresh.percento = 0;
    QVariantMap values = itemValues(fresh);
    values.insert(QStringLiteral(":gruppo"), text(item.gruppo));
    QSqlQuery query(m_db);
    if (!exec(query, insertStatement(), values, error))
        return -1;
    return query.lastInsertId().toLongLong();
}

bool ToDoWriter::update(const ToDoItem& item, QString* error) const
{
    QVariantMap values = itemValues(item);
    values.insert(QStringLiteral(":gruppo"), text(item.gruppo));
    values.insert(QStringLiteral(":codtod"), item.codtod);
    QSqlQuery query(m_db);
    if (!exec(query, updateStatement(), values, error))
        return false;
    if (query.numRowsAffected() == 0) {
        if (error)
            *error = QStringLiteral("The to-do item no longer exists.");
        return false;
    }
    return true;
}

bool ToDoWriter::check(qint64 codtod, const QString& flag, QString* error) const
{
    const CheckState state = toggledState(flag);
    QSqlQuery query(m_db);
    return exec(query, checkStatement(),
                {{QStringLiteral(":flag"), state.flag},
                 {QStringLiteral(":percento"), state.percento},
                 {QStringLiteral(":codtod"), codtod}},
                error);
}

qint64 ToDoWriter::clone(const ToDoItem& item, QString* error) const
{
    QSqlQuery query(m_db);
    if (!exec(query, cloneStatement(), itemValues(item), error))
        return -1;
    return query.lastInsertId().toLongLong();
}

bool ToDoWriter::remove(qint64 codtod, QString* error) const
{
    QSqlQuery query(m_db);
    return exec(query, deleteStatement(), {{QStringLiteral(":codtod"), codtod}}, error);
}

CheckState toggledState(const QString& flag)
{
    if (flag == ToDoItem::no())
        return {ToDoItem::yes(), 100};
    return {ToDoItem::no(), 0};
}

QString savedDescription(const QString& description)
{
    QString result = description;
    if (!result.isEmpty() && result.front() >= QLatin1Char('a') && result.front() <= QLatin1Char('z'))
        result.front() = result.front().toUpper();
    return result;
}

} // namespace brivane::to_do
