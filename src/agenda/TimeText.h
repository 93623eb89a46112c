#pragma once

#include <QLocale>
#include <QString>

#include <optional>

namespace brivane::agenda {

// Times of day as the task columns orario / orario2 hold them: "hh", the
// locale's time separator, "mm"; a blank time is two spaces, the separator
// and two spaces.

QString blankTime(const QLocale& locale = QLocale());

// A field text that holds nothing but blanks (and the separator) is blank.
bool isBlankTime(const QString& text, const QLocale& locale = QLocale());

// The text stored for what a time field shows: the blank time for a blank
// field, "hh" + separator + "mm" (leading zero added) for a time of day
// with hours 0-23 and minutes 0-59, nothing for anything else. The hour may
// have one digit; the minutes need two.
std::optional<QString> storedTime(const QString& fieldText, const QLocale& locale = QLocale());

// What a time field shows for a stored time: its first two characters, the
// current separator and its last two characters (a time stored under
// another separator reads again). An empty value gives the blank time.
QString timeFieldText(const QString& stored, const QLocale& locale = QLocale());

// An input mask of two optional digits, the separator and two optional
// digits with blanks as fill, so an untouched field shows the blank time.
QString timeInputMask(const QLocale& locale = QLocale());

enum class TimeField { From, To };

QString invalidTimeMessage(TimeField field);

// The message for the first of the two fields that is neither blank nor a
// time of day ("From" first), or nothing when both are good.
std::optional<QString> timesError(const QString& from, const QString& to, const QLocale& locale = QLocale());

} // namespace brivane::agenda
