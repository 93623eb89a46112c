#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantMap>

namespace brivane::to_do {

enum class SearchIn { Description, Note };
enum class StateFilter { All, Checked, Unchecked };
enum class Order {
    PriorityAsc,
    PriorityDesc,
    PercentageAsc,
    PercentageDesc,
    AlphabeticalAsc,
    AlphabeticalDesc,
    CreationAsc,
    CreationDesc,
};

// The choices of the To Do tab's search and the one SELECT they make: a
// case-insensitive substring of the description or the note, the done state,
// a substring of the group name, and one of eight orders. The search text
// and the group text are bound, so quotes are found as typed; "%" and "_"
// act as wildcards.
struct ToDoSearch
{
    SearchIn searchIn = SearchIn::Description;
    QString text;
    StateFilter state = StateFilter::All;
    // Empty: every group, rows without a group included.
    QString group;
    Order order = Order::PriorityDesc;

    QString statement() const;
    // The values of the statement's parameters, by placeholder.
    QVariantMap bindings() const;

    static QString orderClause(Order order);
    // The order command's caption: "Priority ASC", "Priority DESC", ...
    static QString orderCaption(Order order);
    // The eight orders in the order of the order menu.
    static QList<Order> orders();
    static QStringList searchInCaptions();
    static QStringList stateCaptions();
};

} // namespace brivane::to_do
