#pragma once

#include <QString>
#include <QVariant>

class QSqlRecord;

namespace brivane::to_do {

// One row of BRtod63. Priority and percentage are whole numbers on screen
// and in files, though the columns are floating point.
struct ToDoItem
{
    static QString yes() { return QStringLiteral("Yes"); }
    static QString no() { return QStringLiteral("No"); }

    qint64 codtod = 0;
    QString id;
    QString note;
    int priority = 5;
    // "Yes" checked, "No" unchecked; older rows may hold anything else.
    QString flag = no();
    int percento = 0;
    QString allegato;
    QString ricerca;
    QString gruppo;

    bool isChecked() const { return flag == yes(); }
    bool hasNote() const { return !note.isEmpty(); }

    static ToDoItem fromRecord(const QSqlRecord& record);
};

// A floating-point column as the whole number it stands for (null is 0).
int wholeNumber(const QVariant& value);

} // namespace brivane::to_do
