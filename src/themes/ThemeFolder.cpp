#include "themes/ThemeFolder.h"

#include "themes/BuiltinArt.h"
#include "themes/FontsFile.h"
#include "themes/PictureFile.h"
#include "themes/SectionColorsFile.h"
#include "themes/ThemeText.h"

#include <QDir>
#include <QFileInfo>

namespace brivane::themes {

QString themesFolder(const QString& programFolder)
{
    return QDir(programFolder).filePath(QStringLiteral("themes"));
}

QString themeFolder(const QString& programFolder, const QString& name)
{
    return QDir(themesFolder(programFolder)).filePath(name);
}

QStringList installedThemes(const QString& programFolder)
{
    return QDir(themesFolder(programFolder)).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
}

bool isValidThemeFolder(const QString& folder)
{
    const QDir dir(folder);
    return QFileInfo(dir.filePath(QStringLiteral("Fonts.txt"))).isFile()
           && QFileInfo(dir.filePath(QStringLiteral("Colors.clr"))).isFile();
}

void completeThemeFiles(const QString& folder)
{
    const QDir dir(folder);
    const QString fonts = dir.filePath(QStringLiteral("Fonts.txt"));
    const QString colors = dir.filePath(QStringLiteral("Colors.clr"));
    if (!QFileInfo::exists(fonts))
        writeThemeLines(fonts, builtinFontsLines());
    copyIfMissing(fonts, dir.filePath(QStringLiteral("Fonts.def")));
    if (!QFileInfo::exists(colors))
        writeSectionColors(colors, builtinSectionColors());
    copyIfMissing(colors, dir.filePath(QStringLiteral("Colors.def")));
}

bool writeDefaultTheme(const QString& programFolder, const ButtonPictures& pictures)
{
    const QString folder = themeFolder(programFolder, QStringLiteral("default"));
    if (!QDir().mkpath(folder))
        return false;
    const QDir dir(folder);
    bool ok = writeThemeLines(dir.filePath(QStringLiteral("Fonts.txt")), builtinFontsLines())
              && writeThemeLines(dir.filePath(QStringLiteral("Fonts.def")), builtinFontsLines())
              && writeSectionColors(dir.filePath(QStringLiteral("Colors.clr")), builtinSectionColors())
              && writeSectionColors(dir.filePath(QStringLiteral("Colors.def")), builtinSectionColors());
    ok = builtinPreview(builtinSectionColors())
             .convertToFormat(QImage::Format_Indexed8)
             .save(dir.filePath(QStringLiteral("preview.bmp")), "BMP")
         && ok;
    QList<QPair<QString, QString>> files; // file, role
    for (const char* bar : {"about", "fix", "refresh", "iconize", "minimize", "maximize", "kill"})
        files.append({QStringLiteral("bo_%1.bmp").arg(QLatin1String(bar)), QStringLiteral("bar.") + QLatin1String(bar)});
    for (const char* command : {"add", "del", "mod", "exp", "chk", "origin", "back", "next", "today", "cal"})
        files.append({QStringLiteral("date_%1.bmp").arg(QLatin1String(command)),
                      QStringLiteral("today.") + QLatin1String(command)});
    files.append({QStringLiteral("date_dup.bmp"), QStringLiteral("day.dup")});
    for (const char* command : {"add", "del", "mod", "imp", "exp", "dup", "email", "phone", "web", "map"})
        files.append({QStringLiteral("contact_%1.bmp").arg(QLatin1String(command)),
                      QStringLiteral("contact.") + QLatin1String(command)});
    files.append({QStringLiteral("invert.bmp"), QStringLiteral("contact.invert")});
    for (const char* command :
         {"add", "del", "mod", "hidelist", "save", "imp", "exp", "breakline", "format", "restore", "find"})
        files.append({QStringLiteral("note_%1.bmp").arg(QLatin1String(command)),
                      QStringLiteral("note.") + QLatin1String(command)});
    for (const char* command : {"add", "del", "mod", "dup", "exp", "chk"})
        files.append({QStringLiteral("todo_%1.bmp").arg(QLatin1String(command)),
                      QStringLiteral("todo.") + QLatin1String(command)});
    files.append({QStringLiteral("print.bmp"), QStringLiteral("today.print")});
    files.append({QStringLiteral("help_hint.bmp"), QStringLiteral("today.hint")});
    files.append({QStringLiteral("help_manual.bmp"), QStringLiteral("option.manual")});
    files.append({QStringLiteral("help_web.bmp"), QStringLiteral("option.web")});
    files.append({QStringLiteral("piggy.bmp"), QStringLiteral("option.piggy")});
    files.append({QStringLiteral("fb.bmp"), QStringLiteral("option.fb")});
    // key.bmp last: its presence marks a complete default theme.
    files.append({QStringLiteral("key.bmp"), QStringLiteral("option.keyopen")});
    for (const auto& [file, role] : files) {
        const QImage image = pictures.picture(role);
        if (!image.isNull())
            ok = saveThemePicture(image, dir.filePath(file)) && ok;
    }
    return ok;
}

QString prepareThemes(const QString& programFolder, const QString& themeName, const ButtonPictures& pictures)
{
    const QString defaultFolder = themeFolder(programFolder, QStringLiteral("default"));
    if (!QFileInfo(defaultFolder).isDir() || !QFileInfo::exists(QDir(defaultFolder).filePath(QStringLiteral("key.bmp"))))
        writeDefaultTheme(programFolder, pictures);
    if (!isDeletableThemeName(themeName) || !QFileInfo(themeFolder(programFolder, themeName)).isDir())
        return QStringLiteral("default");
    return themeName;
}

bool isDeletableThemeName(const QString& name)
{
    return !name.trimmed().isEmpty() && !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\'))
           && !name.contains(QLatin1String("..")) && name != QLatin1String(".")
           && name.compare(QLatin1String("default"), Qt::CaseInsensitive) != 0;
}

namespace {

bool removeInside(const QString& programFolder, const QString& name)
{
    const QString root = QFileInfo(themesFolder(programFolder)).canonicalFilePath();
    const QFileInfo target(themeFolder(programFolder, name));
    // A link named like a theme is removed as a link, never followed.
    if (target.isSymLink())
        return QFile::remove(target.filePath());
    const QString resolved = target.canonicalFilePath();
    if (root.isEmpty() || resolved.isEmpty() || QFileInfo(resolved).absolutePath() != root)
        return false;
    return QDir(resolved).removeRecursively();
}

} // namespace

bool deleteTheme(const QString& programFolder, const QString& name)
{
    return isDeletableThemeName(name) && removeInside(programFolder, name);
}

bool removeDefaultTheme(const QString& programFolder)
{
    return removeInside(programFolder, QStringLiteral("default"));
}

QStringList importTheme(const QString& source, const QString& programFolder, const QString& name)
{
    QStringList failed;
    const QString target = themeFolder(programFolder, name);
    if (!isDeletableThemeName(name) && name != QLatin1String("default"))
        return QDir(source).entryList(QDir::Files);
    QDir().mkpath(target);
    const QFileInfoList entries = QDir(source).entryInfoList(QDir::Files | QDir::System | QDir::Hidden, QDir::Name);
    for (const QFileInfo& entry : entries) {
        const QString destination = QDir(target).filePath(entry.fileName());
        if (entry.isSymLink() || !entry.isFile()) {
            failed << entry.fileName();
            continue;
        }
        if (QFileInfo::exists(destination) && !QFile::remove(destination)) {
            failed << entry.fileName();
            continue;
        }
        if (!QFile::copy(entry.filePath(), destination))
            failed << entry.fileName();
    }
    return failed;
}

} // namespace brivane::themes
