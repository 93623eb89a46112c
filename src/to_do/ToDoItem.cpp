#include "to_do/ToDoItem.h"

#include <QSqlRecord>
#include <QVariant>

#include <cmath>

namespace brivane::to_do {

int wholeNumber(const QVariant& value)
{
    if (value.isNull())
        return 0;
    bool ok = false;
    const double number = value.toDouble(&ok);
    return ok ? int(std::lround(number)) : 0;
}

ToDoItem ToDoItem::fromRecord(const QSqlRecord& record)
{
    ToDoItem item;
    item.codtod = record.value(QStringLiteral("codtod")).toLongLong();
    item.id = record.value(QStringLiteral("id")).toString();
    item.note = record.value(QStringLiteral("note")).toString();
    item.priority = wholeNumber(record.value(QStringLiteral("priority")));
    item.flag = record.value(QStringLiteral("flag")).toString();
    item.percento = wholeNumber(record.value(QStringLiteral("percento")));
    item.allegato = record.value(QStringLiteral("allegato")).toString();
    item.ricerca = record.value(QStringLiteral("ricerca")).toString();
    item.gruppo = record.value(QStringLiteral("gruppo")).toString();
    return item;
}

} // namespace brivane::to_do
