#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

namespace brivane::notes {

// The note text as the archive keeps it: lines separated by CR LF. Turns
// every line break of an editor's raw text (paragraph and line separators,
// CR, LF, CR LF) into CR LF; every other character stays as it is.
QString toStoredText(const QString& editorText);

// Every line break (CR, LF or CR LF) of a text becomes CR LF.
QString withCrLf(const QString& text);

// The lines of a text as a line list counts them: split at every line
// break, with no line after a final break (an empty text has none).
QStringList textLines(const QString& text);

// The position of the first match of `needle` in `text` at or after
// `from`, comparing the letters a to z without regard to case and every
// other character exactly; -1 when there is none.
qsizetype findForward(const QString& text, const QString& needle, qsizetype from);

// The line the date stamp appends: the date in the one-shot format of the
// settings, then " - hh.mm.ss".
QString dateStampLine(const QDateTime& now, const QString& dataShotFormat);

} // namespace brivane::notes
