#pragma once

#include <QSqlRecord>
#include <QString>

namespace brivane::documents {

// The pieces the task documents share, read from a row of BRarc66.

// A stored time as documents show it: a blank time becomes "__" + its
// separator + "__", anything else stays as stored.
QString documentTime(const QString& stored);
// from + " - " + to + three blanks + description.
QString taskLine(const QSqlRecord& task);
// The task's note, cut at its first zero character.
QString taskNote(const QSqlRecord& task);
// Each line of the text followed by one blank ("a\nb" gives "a b ").
QString joinedLines(const QString& text);
// A yes/no text column that holds "Y".
bool isYes(const QSqlRecord& record, const QString& column);

} // namespace brivane::documents
