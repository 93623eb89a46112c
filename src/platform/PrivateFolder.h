#pragma once

#include <QString>

namespace brivane::platform {

// A folder in `base` (the temporary folder, shared by every account) that
// only the current user can enter: brivane-organizer-<uid>, created 0700.
// An existing one is used only when it is a real folder (no link) owned by
// the user; its mode is narrowed to 0700 when it was wider. Empty when no
// such folder can be had: another account made it first.
QString privateFolderIn(const QString& base);

} // namespace brivane::platform
