#pragma once

#include <QString>

namespace brivane::agenda {

// A case-insensitive LIKE of `column` against the bound pattern
// `placeholder`, for a pattern made from `typed`. SQLite's own LIKE folds
// ASCII letters only, so with an ASCII pattern it answers every row whose
// text is ASCII too, and only texts holding other characters go through the
// Unicode-aware UPPER(); a pattern with other letters compares through
// UPPER() on both sides. Either way the result is that of UPPER() on both
// sides, at the engine's own speed for the common case.
QString caseInsensitiveLike(const QString& column, const QString& placeholder, const QString& typed);

} // namespace brivane::agenda
