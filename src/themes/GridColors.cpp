#include "themes/GridColors.h"

namespace brivane::themes {

namespace {

const QColor kOddRow(0xF4, 0xF4, 0xF4);

int kindIndex(const QString& flag)
{
    static const QString flags[] = {QStringLiteral("O"), QStringLiteral("Y"), QStringLiteral("M"), QStringLiteral("W")};
    for (int i = 0; i < 4; ++i) {
        if (flag == flags[i])
            return i;
    }
    return -1;
}

QColor stripe(const GridPalette& palette, int recordNumber)
{
    if (palette.currentIsButtonFace)
        return {};
    return recordNumber % 2 ? kOddRow : QColor(Qt::white);
}

QColor tinted(const QColor& base, int recordNumber)
{
    return tint(base, recordNumber % 2 ? 80 : 70);
}

} // namespace

QColor tint(const QColor& color, int percent)
{
    const auto channel = [percent](int c) { return c + percent * (255 - c) / 100; };
    return QColor(channel(color.red()), channel(color.green()), channel(color.blue()));
}

QColor builtinKindColor(const QString& flag)
{
    switch (kindIndex(flag)) {
    case 0:
        return QColor(0xD2, 0xA6, 0xA6);
    case 1:
        return QColor(0xF5, 0xE3, 0xA7);
    case 2:
        return QColor(0x54, 0xA5, 0x58);
    case 3:
        return QColor(0x07, 0x8F, 0xBC);
    default:
        return {};
    }
}

CellLook cellLook(GridList list, const GridPalette& palette, const RowFacts& row, bool descriptionColumn)
{
    CellLook look;
    look.text = palette.gridText;
    const bool taskList = list == GridList::OneShot || list == GridList::Yearly || list == GridList::Monthly
                          || list == GridList::Weekly;
    const auto statusColours = [&](bool oneShotRules) {
        if (oneShotRules && row.dayofweek == QLatin1String("X"))
            look.text = palette.deleteAfter;
        if (oneShotRules && row.dayofweek == QLatin1String("T"))
            look.text = palette.everyDay;
        if (row.suspended)
            look.text = palette.suspended;
    };

    if (list != GridList::Today) {
        look.background = palette.style == GridStyle::Coloratissime ? tinted(palette.section, row.recordNumber)
                                                                    : stripe(palette, row.recordNumber);
        look.strikeOut = list == GridList::ToDo && row.done;
        if (row.selected) {
            look.background = palette.section;
            look.text = palette.titleText;
        }
        if (taskList)
            statusColours(list == GridList::OneShot);
        return look;
    }

    const int kind = kindIndex(row.flag);
    const QColor kindColor = kind < 0 ? palette.today : palette.kinds[kind];
    look.background = stripe(palette, row.recordNumber);
    switch (palette.style) {
    case GridStyle::Indicatori:
        if (row.selected) {
            look.text = palette.titleText;
            look.background = palette.today;
        }
        if (descriptionColumn) {
            look.kindBar = true;
            look.barFill = kind < 0 ? palette.today
                                    : (palette.ledDefaultColors ? builtinKindColor(row.flag) : kindColor);
            look.barOutline = palette.ledBorder ? QColor(Qt::black) : look.barFill;
        }
        break;
    case GridStyle::Colorate:
        if (row.selected) {
            look.text = palette.titleText;
            look.background = kindColor;
        }
        break;
    case GridStyle::Coloratissime:
        look.background = tinted(kindColor, row.recordNumber);
        if (row.selected) {
            look.text = palette.titleText;
            look.background = kindColor;
        }
        break;
    }
    statusColours(true);
    look.strikeOut = row.done;
    return look;
}

} // namespace brivane::themes
