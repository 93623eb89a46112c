#pragma once

#include <QFont>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

#include <optional>

class QPixmap;
class QWidget;

namespace brivane::notes::widgets {

// The tools of the Notes tab around the editor. Each one asks through the
// platform pickers and boxes, reports failures, and never claims success
// for what was not done.

// Asks for a text file and stores it as a new note; the new key, or nothing
// when the user cancels, the file is not text or the archive refuses. A
// large file is read a piece at a time behind a progress box.
std::optional<qint64> importTextFile(QWidget* parent, const QSqlDatabase& db);

// Asks for a file name (the title proposed) and writes the text there.
void exportNoteText(QWidget* parent, const QString& title, const QString& storedText);

// Print through the print menu: preview, printer or PDF file.
void printNoteText(QWidget* parent, const QString& title, const QString& plainText, const QFont& font);
void printPicture(QWidget* parent, const QString& proposedName, const QPixmap& picture);

void showFastStats(QWidget* parent, const QString& plainText);
void showAdvancedStats(QWidget* parent, const QString& plainText);

// Starts the first installed program of the list; an information box names
// the programs when none is installed.
void startFirstInstalled(QWidget* parent, const QStringList& candidates);

} // namespace brivane::notes::widgets
