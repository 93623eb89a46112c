#pragma once

#include <QString>
#include <QStringList>

namespace brivane::themes {

// The nine section colours in tab order, as the program carries them.
QStringList builtinSectionColors();
// Reads a nine-line colour list (Colors.clr, Colors.def or a saved *.clr).
// A line that is no colour text keeps the colour of `current` at that
// position and adds "<file>, line <n>: ..." to `problems`.
QStringList readSectionColors(const QString& path, const QStringList& current, QStringList* problems,
                              bool* found = nullptr);
bool writeSectionColors(const QString& path, const QStringList& colors);

} // namespace brivane::themes
