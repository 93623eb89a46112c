#pragma once

#include "to_do/ToDoItem.h"

#include <QList>
#include <QStringList>

namespace brivane::to_do {

// The CSV export of the listed to-do items: the header
// "DESCRIPTION,PRIOR,DONE,NOTE", then one line per item in list order with
// description, priority, completion percentage and note. Fields are not
// quoted; line breaks inside a text become blanks, so every item stays on
// one line. The file is UTF-8 with CR LF line ends.
class ToDoCsv
{
public:
    static QString header() { return QStringLiteral("DESCRIPTION,PRIOR,DONE,NOTE"); }
    static QStringList lines(const QList<ToDoItem>& items);
    // Writes the whole file or nothing; on failure `error` says why.
    static bool write(const QString& path, const QList<ToDoItem>& items, QString* error = nullptr);
};

// Every carriage return and every line feed becomes one blank (CR LF gives two).
QString flattenLineBreaks(QString text);

} // namespace brivane::to_do
