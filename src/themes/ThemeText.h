#pragma once

#include <QString>
#include <QStringList>

namespace brivane::themes {

// Theme text files are read by line position through the program's text
// reader (CR LF, LF or CR line ends) and written as 8-bit text with CR LF.
// A file that cannot be read gives no lines; `found` tells the two apart.
QStringList readThemeLines(const QString& path, bool* found = nullptr);
bool writeThemeLines(const QString& path, const QStringList& lines);
// Copies a file byte for byte, replacing nothing that exists.
bool copyIfMissing(const QString& from, const QString& to);

} // namespace brivane::themes
