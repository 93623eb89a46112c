#pragma once

#include "themes/ButtonPictures.h"
#include "themes/FontsFile.h"
#include "themes/TitleBarLook.h"

#include <QStringList>

namespace brivane::themes {

// Everything a theme decides about the window's look, built up layer by
// layer: each application of a theme folder changes only what the folder
// provides.
struct ThemeState
{
    ButtonPictures pictures;
    TitleBarLook titleBar;
    ThemeFonts fonts;
    bool fontsFound = true;
    QStringList sectionColors;
    // Every themed button shows its bitmap as two pictures (normal, disabled).
    bool twoPictures = true;
    // Lines of the theme's files that could not be read, for one warning.
    QStringList problems;

    // The look with no theme applied: the program's own pictures and files.
    static ThemeState builtin();
};

// Applies one theme folder over the state (its files are completed first).
// `defaultFolder` receives contact_map.bmp when it lacks it.
void applyThemeFolder(const QString& folder, const QString& defaultFolder, ThemeState& state);

} // namespace brivane::themes
