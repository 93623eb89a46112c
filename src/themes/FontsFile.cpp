#include "themes/FontsFile.h"

#include "themes/ColorText.h"

namespace brivane::themes {

QString gridStyleWord(GridStyle style)
{
    switch (style) {
    case GridStyle::Coloratissime:
        return QStringLiteral("coloratissime");
    case GridStyle::Indicatori:
        return QStringLiteral("indicatori");
    case GridStyle::Colorate:
        break;
    }
    return QStringLiteral("colorate");
}

bool gridStyleFromWord(const QString& word, GridStyle* style)
{
    for (GridStyle candidate : {GridStyle::Colorate, GridStyle::Coloratissime, GridStyle::Indicatori}) {
        if (word == gridStyleWord(candidate)) {
            *style = candidate;
            return true;
        }
    }
    return false;
}

QStringList builtinFontsLines()
{
    return {QStringLiteral("BARRA (1,2,3)"),
            QStringLiteral("Arial"),
            QStringLiteral("11"),
            QStringLiteral("clBlack"),
            QString(),
            QStringLiteral("TABS (6,7,8)"),
            QStringLiteral("Arial"),
            QStringLiteral("10"),
            QStringLiteral("clBlack"),
            QString(),
            QStringLiteral("GRIGLIE (11,12,13)"),
            QStringLiteral("MS Sans Serif"),
            QStringLiteral("10"),
            QStringLiteral("clBlack"),
            QString(),
            QStringLiteral("TORMENT (16)"),
            QStringLiteral("clBlue"),
            QString(),
            QStringLiteral("AUTODELETE (19)"),
            QStringLiteral("clRed"),
            QString(),
            QStringLiteral("COLORATE  (22)"),
            QStringLiteral("colorate"),
            QString(),
            QStringLiteral("SOSPESO (25)"),
            QStringLiteral("$004F4F4F")};
}

QStringList completeFontsLines(QStringList lines)
{
    if (lines.size() < 24) {
        while (lines.size() < 23)
            lines << QString();
        lines << QString() << QStringLiteral("SOSPESO (25)") << QStringLiteral("clGray");
    }
    if (lines.size() < 27) {
        while (lines.size() < 26)
            lines << QString();
        lines << QString() << QStringLiteral("LED (28)") << QStringLiteral("yesborder");
    }
    return lines;
}

namespace {

int sizeOr(const QString& text, int fallback)
{
    bool ok = false;
    const int size = text.trimmed().toInt(&ok);
    return ok && size > 0 ? size : fallback;
}

} // namespace

ThemeFonts parseFontsLines(const QStringList& lines, const QString& fileName, const ThemeFonts& base,
                           QStringList* problems)
{
    ThemeFonts fonts = base;
    const auto line = [&lines](int n) { return lines.value(n); };
    const auto color = [&](int n, QString& target) {
        // A line an older file does not have yet keeps the colour quietly.
        if (isColorText(line(n))) {
            target = line(n).trimmed();
        } else if (problems && !line(n).trimmed().isEmpty()) {
            *problems << QStringLiteral("%1, line %2: '%3' is not a valid colour").arg(fileName).arg(n + 1).arg(line(n));
        }
    };
    fonts.ledBorder = line(28) != QLatin1String("noborder");
    fonts.ledDefaultColors = line(29) != QLatin1String("no-default-color");
    fonts.title.family = line(1);
    fonts.title.pointSize = sizeOr(line(2), 11);
    color(3, fonts.title.color);
    fonts.tabs.family = line(6);
    fonts.tabs.pointSize = sizeOr(line(7), 10);
    color(8, fonts.tabs.color);
    fonts.grid.family = line(11);
    fonts.grid.pointSize = sizeOr(line(12), 9);
    color(13, fonts.grid.color);
    color(16, fonts.everyDayColor);
    color(19, fonts.deleteAfterColor);
    color(25, fonts.suspendedColor);
    GridStyle style;
    if (gridStyleFromWord(line(22), &style)) {
        fonts.hasGridStyle = true;
        fonts.gridStyle = style;
    }
    return fonts;
}

QStringList fontsLines(const ThemeFonts& f)
{
    return {QStringLiteral("BARRA (1,2,3)"),
            f.title.family,
            QString::number(f.title.pointSize),
            f.title.color,
            QString(),
            QStringLiteral("TABS (6,7,8)"),
            f.tabs.family,
            QString::number(f.tabs.pointSize),
            f.tabs.color,
            QString(),
            QStringLiteral("GRIGLIE (11,12,13)"),
            f.grid.family,
            QString::number(f.grid.pointSize),
            f.grid.color,
            QString(),
            QStringLiteral("TORMENT (16)"),
            f.everyDayColor,
            QString(),
            QStringLiteral("AUTODELETE (19)"),
            f.deleteAfterColor,
            QString(),
            QStringLiteral("COLORATE (22)"),
            gridStyleWord(f.gridStyle),
            QString(),
            QStringLiteral("SOSPESO (25)"),
            f.suspendedColor,
            QString(),
            QStringLiteral("LED (28)"),
            f.ledBorder ? QStringLiteral("yesborder") : QStringLiteral("noborder"),
            f.ledDefaultColors ? QStringLiteral("yes-default-color") : QStringLiteral("no-default-color")};
}

} // namespace brivane::themes
