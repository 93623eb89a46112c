#include "agenda/DoneState.h"

#include "agenda/ErrorReport.h"
#include "store/WriteTransaction.h"
#include "store/SqlDate.h"

#include <QSqlQuery>
#include <QStringList>
#include <QVariant>

#include <string_view>

using namespace Qt::StringLiterals;

namespace brivane::agenda {

QDate undoneDate(const QDate& viewed)
{
    return viewed.addDays(-150000);
}

DoneState notDone(const QDate& viewed)
{
    return {undoneDate(viewed), false};
}

bool isDoneFor(const QDate& fatto, const QDate& day)
{
    return fatto.isValid() && fatto >= day;
}

bool isDoneForText(QStringView fatto, QStringView day)
{
    const QStringView date = fatto.left(10);
    return date >= day && QDate::fromString(date, u"yyyy-MM-dd").isValid();
}

bool isDoneForText(QByteArrayView fatto, QByteArrayView day)
{
    // A real date is ASCII, so its first ten bytes are its first ten characters.
    const QByteArrayView date = fatto.first(qMin<qsizetype>(10, fatto.size()));
    return std::string_view(date.data(), size_t(date.size())) >= std::string_view(day.data(), size_t(day.size()))
           && QDate::fromString(QLatin1StringView(date), u"yyyy-MM-dd").isValid();
}

DoneState toggledDone(const DoneState& current, const QDate& viewed)
{
    if (current.ticked && isDoneFor(current.fatto, viewed))
        return notDone(viewed);
    return {viewed, true};
}

QString doneUpdateStatement()
{
    const QStringList lines{
        u"UPDATE BRarc66"_s,
        u"SET fatto = :fatto,"_s,
        u"flagfatto = :flagfatto"_s,
        u"WHERE codimp = :codimp"_s,
    };
    return lines.join(u'\n');
}

bool writeDone(QSqlDatabase db, qint64 codimp, const DoneState& state, QString* error)
{
    QSqlQuery query(db);
    if (!query.prepare(doneUpdateStatement())) {
        reportError(error, query.lastError());
        return false;
    }
    query.bindValue(u":fatto"_s, store::toSqlDate(state.fatto));
    query.bindValue(u":flagfatto"_s, state.ticked ? u"Y"_s : u"N"_s);
    query.bindValue(u":codimp"_s, codimp);
    if (!query.exec()) {
        reportError(error, query.lastError());
        return false;
    }
    return true;
}

std::optional<DoneState> toggleDone(QSqlDatabase db, qint64 codimp, const QDate& viewed, QString* error)
{
    store::WriteTransaction transaction(db);
    if (!transaction.begin(error))
        return std::nullopt;
    QSqlQuery query(db);
    if (!query.prepare(u"SELECT fatto, flagfatto FROM BRarc66 WHERE codimp = :codimp"_s)) {
        reportError(error, query.lastError());
        return std::nullopt;
    }
    query.bindValue(u":codimp"_s, codimp);
    if (!query.exec()) {
        reportError(error, query.lastError());
        return std::nullopt;
    }
    if (!query.next()) {
        reportError(error, u"No task with key %1."_s.arg(codimp));
        return std::nullopt;
    }
    const DoneState current{store::fromSqlDate(query.value(0)), query.value(1).toString() == u"Y"};
    query.finish();

    const DoneState next = toggledDone(current, viewed);
    if (!writeDone(db, codimp, next, error) || !transaction.commit(error))
        return std::nullopt;
    return next;
}

} // namespace brivane::agenda
