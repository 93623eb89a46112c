#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QStringList>

namespace brivane::contacts {

// Text-section forms of the group table's Register name and Load names
// (see Groups), as the contact dialogs and the contact import call them.
//
// Makes sure a group name exists in a section of BRcat80 ("C" contacts,
// "N" notes, "L" to-do list; the section is written in upper case): when no
// row of the section has exactly this name, one is inserted. The name is
// compared as the database compares texts (letter case counts). *added
// tells whether a row was inserted. False, with the reason in *error, when
// a statement fails.
bool registerGroupName(QSqlDatabase db, const QString& section, const QString& name, bool* added = nullptr,
                       QString* error = nullptr);

// The group names of a section, sorted alphabetically without regard to
// letter case, as the group drop-down lists show them (the empty name, a
// valid member, first).
QStringList groupNames(QSqlDatabase db, const QString& section, QString* error = nullptr);

} // namespace brivane::contacts
