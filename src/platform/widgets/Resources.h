#pragma once

namespace brivane::platform {

// Registers the resources compiled into the widget library (the built-in
// alarm sound). A static library's resource file is only linked in when
// something refers to it, so every user of a resource calls this first.
// Safe to call any number of times.
void ensureResources();

} // namespace brivane::platform
