#include "themes/SectionColorsFile.h"

#include "themes/ColorText.h"
#include "themes/ThemeText.h"

#include <QFileInfo>

namespace brivane::themes {

QStringList builtinSectionColors()
{
    return {QStringLiteral("$00A6A6D2"), QStringLiteral("$00A7E3F5"), QStringLiteral("$0058A554"),
            QStringLiteral("$00BC8F07"), QStringLiteral("$00CE9D9D"), QStringLiteral("$009A9A4E"),
            QStringLiteral("$00AEAEAE"), QStringLiteral("$00BADCF8"), QStringLiteral("$0053A9FF")};
}

QStringList readSectionColors(const QString& path, const QStringList& current, QStringList* problems, bool* found)
{
    bool read = false;
    const QStringList lines = readThemeLines(path, &read);
    if (found)
        *found = read;
    QStringList colors = current.mid(0, 9);
    while (colors.size() < 9)
        colors << builtinSectionColors().at(colors.size());
    if (!read)
        return colors;
    for (int i = 0; i < 9; ++i) {
        const QString line = lines.value(i).trimmed();
        if (isColorText(line))
            colors[i] = line;
        else if (problems && !line.isEmpty())
            *problems << QStringLiteral("%1, line %2: '%3' is not a valid colour")
                             .arg(QFileInfo(path).fileName())
                             .arg(i + 1)
                             .arg(lines.value(i));
    }
    return colors;
}

bool writeSectionColors(const QString& path, const QStringList& colors)
{
    return writeThemeLines(path, colors.mid(0, 9));
}

} // namespace brivane::themes
