#pragma once

#include <QString>

namespace brivane::agenda {

// Files kept in the program's own attachment folders "allegati" and
// "attaches" are stored by their path inside those folders: every
// occurrence of the program folder (with its trailing separator) followed by
// "allegati/" or "attaches/" is removed, with the exact letter case.
QString normalizedAttachment(const QString& text, const QString& programFolder);

// Where "Attach file" starts: the folder of the current attachment when it
// names an existing folder's file by an absolute path, else `fallback`
// (the user's Desktop folder).
QString attachFileStartFolder(const QString& attachment, const QString& fallback);

// Where "Attach folder" starts: the current attachment when it is an
// existing folder given by an absolute path, else the root folder.
QString attachFolderStartFolder(const QString& attachment);

} // namespace brivane::agenda
