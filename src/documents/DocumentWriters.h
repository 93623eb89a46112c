#pragma once

#include "documents/DocumentBuffer.h"

#include <QByteArray>
#include <QString>

namespace brivane::documents {

// Rich Text: one paragraph per line in one font, centred or left, bold or
// italic or regular. Every character outside ASCII is written as a Unicode
// escape (\uN with "?" as the fallback), so any reader shows it whatever
// its code page; characters beyond the basic plane go as surrogate pairs.
QByteArray toRtf(const DocumentBuffer& buffer, const QString& fontFamily, int pointSize);

// Plain text: the lines in UTF-8, each ended by a line feed.
QByteArray toPlainText(const DocumentBuffer& buffer);

enum class DocumentFormat { Rtf, Text };

// The save dialog's two file types and the format each one means.
QString documentFilter();
DocumentFormat formatOfFilter(const QString& chosenFilter);
// The file name with the extension of its format when it has none.
QString withExtension(const QString& path, DocumentFormat format);

// Writes the whole file at once (never half-written). On failure `error`
// names the file and the reason.
bool saveFile(const QString& path, const QByteArray& bytes, QString* error);
bool saveDocument(const QString& path, DocumentFormat format, const DocumentBuffer& buffer,
                  const QString& fontFamily, int pointSize, QString* error);

} // namespace brivane::documents
