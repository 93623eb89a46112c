#include "store/TabFlags.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

namespace brivane::store {

QStringList tabFlagColumns()
{
    return {QStringLiteral("TabShotVisible"),     QStringLiteral("TabYearVisible"),
            QStringLiteral("TabMonthVisible"),    QStringLiteral("TabWeekVisible"),
            QStringLiteral("TabTodayVisible"),    QStringLiteral("TabContactsVisible"),
            QStringLiteral("TabNotesVisible"),    QStringLiteral("TabToDoVisible")};
}

QString tabFlagsSaveStatement()
{
    return QStringList{
        QStringLiteral("UPDATE BRset63"),
        QStringLiteral("SET TabShotVisible = :TabShotVisible,"),
        QStringLiteral("    TabYearVisible = :TabYearVisible,"),
        QStringLiteral("    TabMonthVisible = :TabMonthVisible,"),
        QStringLiteral("    TabWeekVisible = :TabWeekVisible,"),
        QStringLiteral("    TabTodayVisible = :TabTodayVisible,"),
        QStringLiteral("    TabContactsVisible = :TabContactsVisible,"),
        QStringLiteral("    TabNotesVisible = :TabNotesVisible,"),
        QStringLiteral("    TabToDoVisible = :TabToDoVisible"),
    }
        .join(QLatin1Char('\n'));
}

bool saveTabFlags(const QSqlDatabase& db, const QList<bool>& visible, QString* error)
{
    QSqlQuery query(db);
    query.prepare(tabFlagsSaveStatement());
    const QStringList columns = tabFlagColumns();
    for (int i = 0; i < columns.size(); ++i)
        query.bindValue(QLatin1Char(':') + columns[i], visible.value(i, true) ? 1 : 0);
    if (query.exec())
        return true;
    if (error)
        *error = query.lastError().text();
    return false;
}

} // namespace brivane::store
