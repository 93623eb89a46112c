#pragma once

#include <QDateTime>
#include <QString>

namespace brivane::notes {

// The texts the Notes tab shows, built from the values they quote.

// The title a dialog stores: the typed title with its first letter (a to z)
// in upper case; an empty title becomes the moment of saving,
// "yyyy-mm-dd,hh-nn-ss".
QString storedTitle(const QString& typed, const QDateTime& now);
// The bar above the editor: a blank and the title, cut to a blank, 26
// characters and "..." when longer than 29 characters.
QString titleBarText(const QString& title);

QString unsavedNoteQuestion(const QString& title);
QString quitWithUnsavedNoteQuestion(const QString& title);
QString searchBeforeSavingQuestion(const QString& title);
QString deleteNoteQuestion(const QString& title);
QString findEndedMessage(const QString& searched);
QString insertGroupQuestion(const QString& name);
QString deleteGroupQuestion(const QString& name);
QString overwriteQuestion(const QString& fileName);
QString notTextFileMessage();
QString hintText();

} // namespace brivane::notes
