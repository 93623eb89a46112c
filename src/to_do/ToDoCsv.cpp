#include "to_do/ToDoCsv.h"

#include "contacts/CsvExport.h"

#include <QSaveFile>

namespace brivane::to_do {

QString flattenLineBreaks(QString text)
{
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text;
}

QStringList ToDoCsv::lines(const QList<ToDoItem>& items)
{
    QStringList result{header()};
    result.reserve(items.size() + 1);
    for (const ToDoItem& item : items) {
        result << flattenLineBreaks(item.id) + QLatin1Char(',') + QString::number(item.priority) + QLatin1Char(',')
                      + QString::number(item.percento) + QLatin1Char(',') + flattenLineBreaks(item.note);
    }
    return result;
}

bool ToDoCsv::write(const QString& path, const QList<ToDoItem>& items, QString* error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    QString text;
    for (const QString& line : lines(items))
        text += line + QStringLiteral("\r\n");
    const QByteArray bytes = contacts::CsvExport::spreadsheetBytes(text);
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        if (error)
            *error = file.errorString();
        file.cancelWriting();
        return false;
    }
    return true;
}

} // namespace brivane::to_do
