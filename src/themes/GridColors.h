#pragma once

#include "themes/FontsFile.h"

#include <QColor>
#include <QString>

namespace brivane::themes {

// The grids the program colours cell by cell.
enum class GridList { OneShot, Yearly, Monthly, Weekly, Today, Contacts, Notes, ToDo };

// What every paint of the grids reads: the theme's colours and options.
struct GridPalette
{
    GridStyle style = GridStyle::Colorate;
    QColor section;    // the grid's own section colour
    QColor today;      // the Today colour
    QColor kinds[4];   // One Shot, Yearly, Monthly, Weekly section colours
    QColor gridText = Qt::black;
    QColor everyDay = Qt::blue;
    QColor deleteAfter = Qt::red;
    QColor suspended = Qt::gray;
    QColor titleText = Qt::black;
    bool currentIsButtonFace = false; // the current section colour is "clBtnFace"
    bool ledBorder = true;
    bool ledDefaultColors = true;
};

// One row's facts as the paint rules need them.
struct RowFacts
{
    int recordNumber = 1; // 1 for the first row
    bool selected = false;
    QString flag;         // "O", "Y", "M", "W"
    QString dayofweek;    // "X" delete-after, "T" every day
    bool suspended = false;
    bool done = false;    // Today: done for the viewed date; To Do: fatto "X"
};

struct CellLook
{
    QColor background; // invalid: the grid's own background
    QColor text;
    bool strikeOut = false;
    // Today in style "indicatori", Description column: a bar of the row's kind.
    bool kindBar = false;
    QColor barFill;
    QColor barOutline;
};

// tint(c, p): c moved p per cent of the way to white, channel by channel.
QColor tint(const QColor& color, int percent);
// The built-in colour of each task kind, by flag; invalid for no kind.
QColor builtinKindColor(const QString& flag);
CellLook cellLook(GridList list, const GridPalette& palette, const RowFacts& row, bool descriptionColumn);
// Width of the kind bar in a row of the given height.
inline int kindBarWidth(int rowHeight) { return qMax(2, rowHeight - 20); }

} // namespace brivane::themes
