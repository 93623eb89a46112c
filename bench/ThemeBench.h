#pragma once

#include "Timing.h"

#include <QString>

namespace brivane::bench {

struct ThemeFigures
{
    Summary apply;        // default layer plus a chosen theme, files read and pictures decoded
    Summary floor;        // reading the same files' bytes, nothing decoded
    int files = 0;
    Summary firstShow;    // process start to the first show dressed in the theme
    Summary processFloor; // process start to the end of the --agenda command on the same archive
};

// Theme application on a theme folder in `home` (written there), and the
// first show of the real program on the archive of `home`.
ThemeFigures measureThemes(const QString& home, const QString& program);

} // namespace brivane::bench
