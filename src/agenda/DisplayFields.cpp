#include "agenda/DisplayFields.h"

#include "agenda/DateFormat.h"

namespace brivane::agenda {

QString datashotText(const QDate& datefull, const QString& dataShotFormat, const QLocale& locale)
{
    return formatDate(datefull, dataShotFormat, locale);
}

QString datayearText(const QDate& datefull, const QString& dataYearFormat, const QLocale& locale)
{
    return formatDate(datefull, dataYearFormat, locale);
}

} // namespace brivane::agenda
