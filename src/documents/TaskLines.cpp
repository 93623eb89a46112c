#include "documents/TaskLines.h"

#include "agenda/TimeText.h"

#include <QRegularExpression>
#include <QVariant>

namespace brivane::documents {

QString documentTime(const QString& stored)
{
    if (!agenda::isBlankTime(stored))
        return stored;
    const QString separator = stored.size() == 5 ? stored.mid(2, 1) : QStringLiteral(":");
    return QStringLiteral("__") + separator + QStringLiteral("__");
}

QString taskLine(const QSqlRecord& task)
{
    return documentTime(task.value(QStringLiteral("orario")).toString()) + QStringLiteral(" - ") +
           documentTime(task.value(QStringLiteral("orario2")).toString()) + QStringLiteral("   ") +
           task.value(QStringLiteral("id")).toString();
}

QString taskNote(const QSqlRecord& task)
{
    const QString note = task.value(QStringLiteral("note")).toString();
    const qsizetype zero = note.indexOf(QChar(0));
    return zero < 0 ? note : note.left(zero);
}

QString joinedLines(const QString& text)
{
    if (text.isEmpty())
        return text;
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    QString result;
    for (const QString& line : text.split(lineBreak))
        result += line + QLatin1Char(' ');
    return result;
}

bool isYes(const QSqlRecord& record, const QString& column)
{
    return record.value(column).toString() == QLatin1String("Y");
}

} // namespace brivane::documents
