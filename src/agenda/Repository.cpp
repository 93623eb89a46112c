#include "agenda/Repository.h"

#include "store/SqlDate.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace brivane::agenda {

namespace {

QString lines(std::initializer_list<const char*> parts)
{
    QStringList list;
    for (const char* part : parts)
        list << QLatin1String(part);
    return list.join(QLatin1Char('\n'));
}

void setError(QString* error, const QString& text)
{
    if (error)
        *error = text;
}

} // namespace

QString Repository::depositCopyStatement()
{
    return lines({"INSERT INTO BRshot80", "SELECT * FROM BRarc66 WHERE ( flag = 'O' AND datefull BETWEEN :a1 AND :a2 )"});
}

QString Repository::depositDeleteStatement()
{
    return lines({"DELETE FROM BRarc66 WHERE ( flag = 'O' AND datefull BETWEEN :a1 AND :a2 )"});
}

QString Repository::takeCopyStatement()
{
    return lines({"INSERT INTO BRarc66", "SELECT * FROM BRshot80 WHERE datefull BETWEEN :a1 AND :a2"});
}

QString Repository::takeDeleteStatement()
{
    return lines({"DELETE FROM BRshot80 WHERE datefull BETWEEN :a1 AND :a2"});
}

QString Repository::takeAllCopyStatement()
{
    return lines({"INSERT INTO BRarc66", "SELECT * FROM BRshot80"});
}

QString Repository::takeAllDeleteStatement()
{
    return lines({"DELETE FROM BRshot80"});
}

bool Repository::counts(Counts& counts, QString* error) const
{
    QSqlQuery query(m_db);
    if (!query.exec(QStringLiteral("SELECT (SELECT count(*) FROM BRarc66 WHERE flag = 'O'),"
                                   " (SELECT count(*) FROM BRshot80)"))
        || !query.next()) {
        setError(error, query.lastError().text());
        return false;
    }
    counts.inUse = query.value(0).toInt();
    counts.deposited = query.value(1).toInt();
    return true;
}

QDate Repository::earliestOneShot(QString* error) const
{
    QSqlQuery query(m_db);
    if (!query.exec(QStringLiteral("SELECT min(datefull) FROM BRarc66 WHERE flag = 'O'")) || !query.next()) {
        setError(error, query.lastError().text());
        return {};
    }
    return QDate::fromString(query.value(0).toString(), Qt::ISODate);
}

int Repository::move(const QString& copy, const QString& remove, const QDate& a, const QDate& b, bool period,
                     QString* error) const
{
    const QDate from = qMin(a, b);
    const QDate to = qMax(a, b);
    QSqlQuery query(m_db);
    if (!query.exec(QStringLiteral("BEGIN IMMEDIATE"))) {
        setError(error, query.lastError().text());
        return -1;
    }
    auto fail = [&](QSqlQuery& failed) {
        setError(error, failed.lastError().text());
        failed.finish();
        QSqlQuery(m_db).exec(QStringLiteral("ROLLBACK"));
        return -1;
    };
    QSqlQuery step(m_db);
    for (const QString& statement : {copy, remove}) {
        step.prepare(statement);
        if (period) {
            step.bindValue(QStringLiteral(":a1"), store::toSqlDate(from));
            step.bindValue(QStringLiteral(":a2"), store::toSqlDate(to));
        }
        if (!step.exec())
            return fail(step);
    }
    const int moved = step.numRowsAffected();
    step.finish();
    if (!query.exec(QStringLiteral("COMMIT")))
        return fail(query);
    return moved;
}

int Repository::deposit(const QDate& a, const QDate& b, QString* error) const
{
    return move(depositCopyStatement(), depositDeleteStatement(), a, b, true, error);
}

int Repository::take(const QDate& a, const QDate& b, QString* error) const
{
    return move(takeCopyStatement(), takeDeleteStatement(), a, b, true, error);
}

int Repository::takeAll(QString* error) const
{
    return move(takeAllCopyStatement(), takeAllDeleteStatement(), {}, {}, false, error);
}

} // namespace brivane::agenda
