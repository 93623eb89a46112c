#pragma once

#include <QColor>
#include <QString>
#include <QStringList>

namespace brivane::themes {

// How the grids are coloured: the three style words of Fonts.txt line 22.
enum class GridStyle { Colorate, Coloratissime, Indicatori };
QString gridStyleWord(GridStyle style);
bool gridStyleFromWord(const QString& word, GridStyle* style);

struct FontSpec
{
    QString family;
    int pointSize = 10;
    QString color; // a colour text
};

// The contents of a theme's Fonts.txt as the window uses them.
struct ThemeFonts
{
    FontSpec title{QStringLiteral("Arial"), 11, QStringLiteral("clBlack")};
    FontSpec tabs{QStringLiteral("Arial"), 10, QStringLiteral("clBlack")};
    FontSpec grid{QStringLiteral("MS Sans Serif"), 9, QStringLiteral("clBlack")};
    QString everyDayColor = QStringLiteral("clBlue");
    QString deleteAfterColor = QStringLiteral("clRed");
    QString suspendedColor = QStringLiteral("clGray");
    // Unset when line 22 holds none of the three words.
    bool hasGridStyle = false;
    GridStyle gridStyle = GridStyle::Colorate;
    bool ledBorder = true;
    bool ledDefaultColors = true;
};

// The 26 lines the program carries as its own Fonts.txt.
QStringList builtinFontsLines();
// Older files hold fewer lines: completes them in memory the way the theme
// is applied (the suspended colour at 25, the LED border at 28).
QStringList completeFontsLines(QStringList lines);
// Reads completed lines. A colour line that is no colour text keeps the
// value it had in `base` and adds "<file>, line <n>: ..." to `problems`.
ThemeFonts parseFontsLines(const QStringList& lines, const QString& fileName, const ThemeFonts& base,
                           QStringList* problems);
// The 30-line layout the theme editor writes.
QStringList fontsLines(const ThemeFonts& fonts);

} // namespace brivane::themes
