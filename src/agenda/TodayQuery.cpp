#include "agenda/TodayQuery.h"

#include "agenda/DaySelection.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace brivane::agenda {

bool TodayQuery::run(const QSqlDatabase& db, const QDate& day, bool showSuspended, QString* error)
{
    m_day = day;
    QSqlQuery query(db);
    if (!selectDay(query, todayStatement(showSuspended), day, error)) {
        clear();
        return false;
    }
    setQuery(std::move(query));
    while (canFetchMore())
        fetchMore();
    return true;
}

int TodayQuery::columnOf(const char* name) const
{
    return record().indexOf(QLatin1String(name));
}

TaskKindQuery::TaskKindQuery(QString flag, QObject* parent) : QSqlQueryModel(parent), m_flag(std::move(flag)) {}

QString TaskKindQuery::statement(const QString& flag)
{
    if (flag == QLatin1String("Y"))
        return QStringLiteral("SELECT * FROM BRarc66 WHERE flag = :flag ORDER BY data, orario, id");
    if (flag == QLatin1String("M"))
        return QStringLiteral("SELECT * FROM BRarc66 WHERE flag = :flag ORDER BY dayofmonth, orario, id");
    if (flag == QLatin1String("W"))
        return QStringLiteral("SELECT * FROM BRarc66 WHERE flag = :flag ORDER BY dayindex, orario, id");
    return QStringLiteral("SELECT * FROM BRarc66 WHERE flag = :flag ORDER BY datefull, orario, id");
}

bool TaskKindQuery::run(const QSqlDatabase& db, QString* error)
{
    QSqlQuery query(db);
    query.prepare(statement(m_flag));
    query.bindValue(QStringLiteral(":flag"), m_flag);
    if (!query.exec()) {
        if (error)
            *error = query.lastError().text();
        clear();
        return false;
    }
    setQuery(std::move(query));
    while (canFetchMore())
        fetchMore();
    return true;
}

} // namespace brivane::agenda
