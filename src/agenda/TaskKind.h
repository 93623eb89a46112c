#pragma once

#include <QString>

namespace brivane::agenda {

// The four kinds of task that share BRarc66, and the two ways an entry
// dialog works on one.
enum class TaskKind { OneShot, Yearly, Monthly, Weekly };
enum class EntryMode { Add, Modify };

// The `flag` column of the kind: "O", "Y", "M" or "W".
QString kindFlag(TaskKind kind);

} // namespace brivane::agenda
