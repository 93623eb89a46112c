#include "to_do/ToDoSearch.h"

#include "store/LocaleCollation.h"
namespace brivane::to_do {

QString ToDoSearch::statement() const
{
    const QString field = searchIn == SearchIn::Note ? QStringLiteral("note") : QStringLiteral("id");
    QString state;
    if (this->state == StateFilter::Checked)
        state = QStringLiteral(" and flag ='Yes'");
    else if (this->state == StateFilter::Unchecked)
        state = QStringLiteral(" and flag ='No'");
    const QString groupClause =
        group.isEmpty() ? QString() : QStringLiteral(" AND UPPER(gruppo) LIKE UPPER(:group)");
    return QStringLiteral("SELECT * FROM BRtod63 WHERE (UPPER(") + field + QStringLiteral(") LIKE UPPER(:search))")
           + state + groupClause + QLatin1Char(' ') + orderClause(order);
}

QVariantMap ToDoSearch::bindings() const
{
    QVariantMap values{{QStringLiteral(":search"), QString(QLatin1Char('%') + text + QLatin1Char('%'))}};
    if (!group.isEmpty())
        values.insert(QStringLiteral(":group"), QString(QLatin1Char('%') + group + QLatin1Char('%')));
    return values;
}

QString ToDoSearch::orderClause(Order order)
{
    // Descriptions follow the alphabet of the user's language, letter case ignored.
    const QString id = store::localeOrdered(QStringLiteral("id"));
    switch (order) {
    case Order::PriorityAsc: return QStringLiteral(" ORDER BY Priority , ") + id;
    case Order::PriorityDesc: return QStringLiteral(" ORDER BY Priority DESC, ") + id;
    case Order::PercentageAsc: return QStringLiteral(" ORDER BY Percento , ") + id;
    case Order::PercentageDesc: return QStringLiteral(" ORDER BY Percento DESC, ") + id;
    case Order::AlphabeticalAsc: return QStringLiteral(" ORDER BY ") + id + QStringLiteral(" , Priority");
    case Order::AlphabeticalDesc: return QStringLiteral(" ORDER BY ") + id + QStringLiteral(" DESC, Priority");
    case Order::CreationAsc: return QStringLiteral(" ORDER BY codtod ");
    case Order::CreationDesc: return QStringLiteral(" ORDER BY codtod DESC");
    }
    return {};
}

QString ToDoSearch::orderCaption(Order order)
{
    switch (order) {
    case Order::PriorityAsc: return QStringLiteral("Priority ASC");
    case Order::PriorityDesc: return QStringLiteral("Priority DESC");
    case Order::PercentageAsc: return QStringLiteral("Percentage ASC");
    case Order::PercentageDesc: return QStringLiteral("Percentage DESC");
    case Order::AlphabeticalAsc: return QStringLiteral("Alphabetical ASC");
    case Order::AlphabeticalDesc: return QStringLiteral("Alphabetical DESC");
    case Order::CreationAsc: return QStringLiteral("Creation ASC");
    case Order::CreationDesc: return QStringLiteral("Creation DESC");
    }
    return {};
}

QList<Order> ToDoSearch::orders()
{
    return {Order::PriorityAsc,     Order::PriorityDesc,     Order::PercentageAsc, Order::PercentageDesc,
            Order::AlphabeticalAsc, Order::AlphabeticalDesc, Order::CreationAsc,   Order::CreationDesc};
}

QStringList ToDoSearch::searchInCaptions()
{
    return {QStringLiteral("Description"), QStringLiteral("Note")};
}

QStringList ToDoSearch::stateCaptions()
{
    return {QStringLiteral("All"), QStringLiteral("Checked"), QStringLiteral("Unchecked")};
}

} // namespace brivane::to_do
