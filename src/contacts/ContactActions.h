#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

namespace brivane::contacts {

// The commands that hand a Contact's data to the outside world:
// the addresses they build, and opening them through platform::Shell.

// Cuts a field into items at commas and at runs of blanks; a double-quoted
// part is one item (a doubled quote inside stands for one quote). Two commas
// in a row give an empty item, as does a comma at the end.
QStringList splitItems(const QString& text);
// The same items without the empty ones: the entries of a menu or list.
QStringList nonEmptyItems(const QString& text);

// The address the shell opens for a text: a text with a scheme ("mailto:",
// "http://", "skype:", "callto:", "tel:") as it stands, a "www" address as
// a web address, anything else as a local file or folder.
QUrl addressUrl(const QString& text);

// The address of a web site field's item: as it stands with a scheme, else
// a web page ("example.com" and "www.example.com" alike), never a file.
QUrl webUrl(const QString& text);
QUrl mailUrl(const QString& item);
// The public map search page, query key q: the address lines, each followed
// by one blank, after "/maps?q=".
QString mapSearchBase();
QUrl mapSearchUrl(const QString& address);
QString mapSearchText(const QString& address);
// The public web search page: the name (first 50 characters, blanks as "+")
// after "#q=".
QString nameSearchBase();
QUrl nameSearchUrl(const QString& name);

// The numbers the dial dialog offers: each comma-separated number of tel and
// mobile with its blanks and punctuation removed ("+33 1 23-45" dials
// "+3312345"), then the items of skype; with `addZero`
// every item made only of digits gets "0" in front.
QString dialableNumber(const QString& item);
QStringList dialNumbers(const QString& tel, const QString& mobile, const QString& skype, bool addZero);
bool readsAsNumber(const QString& item);
// The call request of the dial dialog, "callto:" and Skype chat requests.
QUrl telUrl(const QString& number);
QUrl calltoUrl(const QString& number);
QUrl skypeChatUrl(const QString& number);

// The e-mail address test.
bool isValidEmail(const QString& text);
// "WWW", "HTTP://", "HTTPS://", "SKYPE:", "MAILTO:", "CALLTO:", any letter case.
bool hasLinkPrefix(const QString& text);
// Whether a selected text can be opened: a link prefix, an existing file or
// folder, or a valid e-mail address.
bool isOpenableSelection(const QString& selection);
// The words the note editor never opens ("format", "del", ...).
bool isForbiddenSelection(const QString& selection);
// What opening a selection hands over: "mailto:" in front when "@" is among
// its first 50 characters and it does not start with "mailto:".
QString selectionTarget(const QString& selection);
// Opens a selected text; nothing for an empty one.
bool openSelection(const QString& selection);

// The places an attachment value is tried in, in order: the value, then
// "allegati/" and "attaches/" beside the program with the value, then the
// same two folders with the value's file name.
QStringList attachmentCandidates(const QString& value, const QString& programFolder);
// Opens the first candidate that opens: a file or folder that exists, or an
// address the shell accepts. Nothing happens for an empty value; a value
// that opens nowhere is not reported.
bool openAttachment(const QString& value, const QString& programFolder);

} // namespace brivane::contacts
