#pragma once

#include <QString>

namespace brivane::to_do {

// A text editor hands back its lines joined by LF whatever the stored text
// used. These keep a stored note's own line end across an edit.

// The line end a text uses: CR LF, CR or LF (also for a text without any).
QString lineEndOf(const QString& text);
// The editor's LF-joined text with each LF written as `lineEnd`.
QString withLineEnd(const QString& editorText, const QString& lineEnd);

} // namespace brivane::to_do
