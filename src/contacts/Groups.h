#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QStringList>

namespace brivane::store {
struct SettingsRecord;
}

namespace brivane::contacts {

// The group table BRcat80: the names offered by the group boxes
// of contacts ('C'), notes ('N') and to-do items ('L'), and the memorised
// group of each tab in the settings record. Names are always bound.
class Groups
{
public:
    static bool isSection(QChar section);

    static QString loadStatement();
    static QString findStatement();
    static QString insertStatement();
    static QString deleteStatement();

    // Every name of a section, sorted alphabetically without regard to
    // letter case (the empty name first). Fails only when the archive refuses.
    static bool names(const QSqlDatabase& db, QChar section, QStringList& result, QString* error = nullptr);
    static QStringList names(const QSqlDatabase& db, QChar section);

    // Adds the name to the section unless the section already holds it
    // (same letter case). `inserted` tells whether a row was added.
    static bool registerName(const QSqlDatabase& db, QChar section, const QString& name,
                             bool* inserted = nullptr, QString* error = nullptr);

    // Removes the rows of the section whose name is exactly `name`; the
    // rows that carry the name in their `gruppo` keep it.
    static bool deleteName(const QSqlDatabase& db, QChar section, const QString& name, int* deleted = nullptr,
                           QString* error = nullptr);

    // The settings column that memorises the group of a tab:
    // mem_group_contact, mem_group_note, mem_group_list.
    static QString memorisedColumn(QChar section);
    static QString memorisedGroup(const store::SettingsRecord& settings, QChar section);
    static bool saveMemorised(const QSqlDatabase& db, QChar section, const QString& text,
                              QString* error = nullptr);

    // The longest text each filter box takes: 30 for notes, else 50.
    static int filterLength(QChar section);
};

} // namespace brivane::contacts
