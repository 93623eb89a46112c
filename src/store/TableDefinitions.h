#pragma once

#include <QString>
#include <QStringList>

namespace brivane::store::tables {

// Create statements of the seven archive tables, in SQLite types:
// keys never reused, texts and memos as TEXT, dates as 'yyyy-MM-dd' TEXT,
// booleans as INTEGER 0/1.
QString createGroups();     // BRcat80
QString createNotes();      // BRnot80
QString createToDo();       // BRtod63
QString createTasks();      // BRarc66
QString createRepository(); // BRshot80
QString createContacts();   // BRcon63
QString createSettings();   // BRset63

// Indexes that keep the day-selection queries fast on large archives.
QStringList createTaskIndexes();
QStringList createContactIndexes();

// Seed group names, the empty name first.
QStringList contactGroupSeeds();
QStringList noteGroupSeeds();
QStringList toDoGroupSeeds();

} // namespace brivane::store::tables
