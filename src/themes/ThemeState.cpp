#include "themes/ThemeState.h"

#include "themes/BuiltinArt.h"
#include "themes/PictureFile.h"
#include "themes/SectionColorsFile.h"
#include "themes/ThemeFolder.h"
#include "themes/ThemeText.h"

#include <QDir>
#include <QFileInfo>

namespace brivane::themes {

ThemeState ThemeState::builtin()
{
    ThemeState state;
    state.pictures = builtinButtonPictures();
    QStringList ignored;
    state.fonts = parseFontsLines(completeFontsLines(builtinFontsLines()), QStringLiteral("Fonts.txt"), ThemeFonts(),
                                  &ignored);
    state.sectionColors = builtinSectionColors();
    state.twoPictures = holdsTwoPictures(state.pictures.picture(QStringLiteral("today.hint")));
    return state;
}

void applyThemeFolder(const QString& folder, const QString& defaultFolder, ThemeState& state)
{
    state.problems.clear();
    if (QFileInfo(folder).isDir())
        completeThemeFiles(folder);
    const QDir dir(folder);
    applyButtonFiles(folder, state.pictures);
    state.titleBar = readTitleBar(folder);

    bool found = false;
    const QStringList lines = readThemeLines(dir.filePath(QStringLiteral("Fonts.txt")), &found);
    state.fontsFound = found;
    if (found) {
        state.fonts = parseFontsLines(completeFontsLines(lines), QStringLiteral("Fonts.txt"), state.fonts,
                                      &state.problems);
    } else {
        state.fonts.title = {QStringLiteral("Arial"), 11, QStringLiteral("clBlack")};
        state.fonts.tabs = {QStringLiteral("Arial"), 10, QStringLiteral("clBlack")};
    }

    bool colorsFound = false;
    const QStringList colors = readSectionColors(dir.filePath(QStringLiteral("Colors.clr")), state.sectionColors,
                                                 &state.problems, &colorsFound);
    state.sectionColors = colorsFound ? colors : builtinSectionColors();

    state.twoPictures = holdsTwoPictures(state.pictures.picture(QStringLiteral("today.hint")));
    const QString map = QDir(defaultFolder).filePath(QStringLiteral("contact_map.bmp"));
    if (QFileInfo(defaultFolder).isDir() && !QFileInfo::exists(map))
        saveThemePicture(state.pictures.picture(QStringLiteral("contact.map")), map);
}

} // namespace brivane::themes
