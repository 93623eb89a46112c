#pragma once

namespace brivane::themes {

// How the small coloured squares that stand for the task kinds are drawn
// (side calendar, grids, menus). A theme may switch either off; without
// one both are on.
struct LedOptions
{
    // Outline each square in black.
    bool border = true;
    // Fill with the built-in kind colours instead of the section colours.
    bool defaultColors = true;
};

} // namespace brivane::themes
