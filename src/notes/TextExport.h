#pragma once

#include <QString>

namespace brivane::notes {

// Writes a note's text to a file as UTF-8, one line per text line, each
// ended by CR LF. The file is replaced only when the whole text is written;
// false with the reason in *error otherwise.
bool exportText(const QString& path, const QString& text, QString* error = nullptr);

// The file name an export ends with: "txt" is added to a name without an
// extension.
QString exportFileName(const QString& chosen);

} // namespace brivane::notes
