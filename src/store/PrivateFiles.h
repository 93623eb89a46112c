#pragma once

#include <QString>

namespace brivane::store {

// The archive holds the address book and the access password: the files and
// folders the program creates for it are the user's alone (files 0600,
// folders 0700). What already exists keeps its permissions.

// Creates `folder` and every missing parent; each folder created is private.
bool makePrivateFolder(const QString& folder);
// Creates an empty private file; false when it exists or cannot be created.
bool createPrivateFile(const QString& path, QString* error = nullptr);

} // namespace brivane::store
