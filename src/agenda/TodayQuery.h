#pragma once

#include <QDate>
#include <QSqlDatabase>
#include <QSqlQueryModel>

namespace brivane::agenda {

// The Today list: the tasks that fall on the viewed date, as a model.
class TodayQuery : public QSqlQueryModel
{
    Q_OBJECT

public:
    using QSqlQueryModel::QSqlQueryModel;

    bool run(const QSqlDatabase& db, const QDate& day, bool showSuspended, QString* error = nullptr);
    QDate day() const { return m_day; }
    int columnOf(const char* name) const;

private:
    QDate m_day;
};

// Every task of one kind ("O", "Y", "M" or "W"), for the kind's list tab.
class TaskKindQuery : public QSqlQueryModel
{
    Q_OBJECT

public:
    explicit TaskKindQuery(QString flag, QObject* parent = nullptr);

    bool run(const QSqlDatabase& db, QString* error = nullptr);
    QString flag() const { return m_flag; }
    static QString statement(const QString& flag);

private:
    QString m_flag;
};

} // namespace brivane::agenda
