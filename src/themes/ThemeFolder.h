#pragma once

#include "themes/ButtonPictures.h"

#include <QString>
#include <QStringList>

namespace brivane::themes {

// The themes live in the folder "themes" of the program folder, one
// sub-folder per theme, named as the theme.
QString themesFolder(const QString& programFolder);
QString themeFolder(const QString& programFolder, const QString& name);
// Sub-folder names, sorted.
QStringList installedThemes(const QString& programFolder);
// A folder that can be imported as a theme holds Fonts.txt and Colors.clr.
bool isValidThemeFolder(const QString& folder);

// Writes the default theme from the given pictures: Fonts.txt, Colors.clr,
// their .def copies, preview.bmp and the buttons' bitmaps.
bool writeDefaultTheme(const QString& programFolder, const ButtonPictures& pictures);
// The checks at start: writes the default theme when its folder or its
// key.bmp is missing; returns the theme to use for this run ("default"
// when the named one has no folder).
QString prepareThemes(const QString& programFolder, const QString& themeName, const ButtonPictures& pictures);
// Writes the missing Fonts.txt / Colors.clr from the built-in contents and
// the missing .def copies from them.
void completeThemeFiles(const QString& folder);

// Deletes a theme folder and everything in it, but only inside the themes
// folder: an empty name, a name with a path separator or "..", "default",
// and a folder that resolves (through links) outside are refused.
bool deleteTheme(const QString& programFolder, const QString& name);
// Deletes the default theme, so that the next start writes it afresh.
bool removeDefaultTheme(const QString& programFolder);
// Whether the name may be deleted at all (see deleteTheme).
bool isDeletableThemeName(const QString& name);

// Copies the plain files of `source` (never links, never sub-folders) into
// the theme folder `name`, overwriting; the names that could not be copied
// are returned.
QStringList importTheme(const QString& source, const QString& programFolder, const QString& name);

} // namespace brivane::themes
