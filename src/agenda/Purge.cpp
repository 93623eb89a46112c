#include "agenda/Purge.h"

#include "agenda/ErrorReport.h"
#include "store/SqlDate.h"

#include <QSqlQuery>
#include <QStringList>

using namespace Qt::StringLiterals;

namespace brivane::agenda {

QString purgeStatement()
{
    const QStringList lines{
        u"DELETE"_s,
        u"FROM BRarc66"_s,
        u"WHERE (flag = 'O' and dayofweek = 'X' and datefull < :datefull)"_s,
    };
    return lines.join(u'\n');
}

int purgeExpiredOneShots(QSqlDatabase db, const QDate& today, QString* error)
{
    QSqlQuery query(db);
    if (!query.prepare(purgeStatement())) {
        reportError(error, query.lastError());
        return -1;
    }
    query.bindValue(u":datefull"_s, store::toSqlDate(today));
    if (!query.exec()) {
        reportError(error, query.lastError());
        return -1;
    }
    return query.numRowsAffected();
}

} // namespace brivane::agenda
