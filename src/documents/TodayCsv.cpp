#include "documents/TodayCsv.h"

#include "agenda/DateFormat.h"

#include <QVariant>

namespace brivane::documents {

QString todayCsvFileName(const QDate& viewed)
{
    return QStringLiteral("Daily plan -") + agenda::formatDate(viewed, QStringLiteral(" dddd d mmmm yyyy")) +
           QStringLiteral(".csv");
}

QString todayCsvFilter()
{
    return QStringLiteral("Comma Separated Value (*.csv)");
}

QString csvField(const QString& text)
{
    QString field = text;
    field.replace(QLatin1Char('\r'), QLatin1Char(' '));
    field.replace(QLatin1Char('\n'), QLatin1Char(' '));
    if (!field.contains(QLatin1Char(',')) && !field.contains(QLatin1Char('"')))
        return field;
    field.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return QLatin1Char('"') + field + QLatin1Char('"');
}

QByteArray todayCsv(const QList<QSqlRecord>& tasks)
{
    QByteArray out = "\xEF\xBB\xBF"
                     "FROM,TO,DESCRIPTION,NOTE\r\n";
    for (const QSqlRecord& task : tasks) {
        const QString line = csvField(task.value(QStringLiteral("orario")).toString()) + QLatin1Char(',') +
                             csvField(task.value(QStringLiteral("orario2")).toString()) + QLatin1Char(',') +
                             csvField(task.value(QStringLiteral("id")).toString()) + QLatin1Char(',') +
                             csvField(task.value(QStringLiteral("note")).toString());
        out += line.toUtf8() + "\r\n";
    }
    return out;
}

} // namespace brivane::documents
