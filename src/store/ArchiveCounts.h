#pragma once

#include <QSqlDatabase>
#include <QString>

namespace brivane::store {

// Table totals shown beside each list: O, Y, M, W (task kinds), C contacts,
// N notes, L to-do items, D repository.
class ArchiveCounts
{
public:
    static QString countStatement(QChar section);
    // -1 when the section is unknown or the archive refuses.
    static int total(const QSqlDatabase& db, QChar section);
    // "12   " when the list shows every row, else "12 / 40   ".
    static QString counterCaption(int listed, int total);
    // "One Shot: 40", "Contacts: 3", ...
    static QString summaryText(QChar section, int total);
};

} // namespace brivane::store
