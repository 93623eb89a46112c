#pragma once

#include <QDate>
#include <QString>
#include <QVariant>

namespace brivane::store {

// Dates live in the archive as 'yyyy-MM-dd' text, so text order is date order.
inline QString toSqlDate(const QDate& date)
{
    return date.toString(QStringLiteral("yyyy-MM-dd"));
}

inline QDate fromSqlDate(const QVariant& value)
{
    return QDate::fromString(value.toString().left(10), QStringLiteral("yyyy-MM-dd"));
}

} // namespace brivane::store
