#pragma once

#include "themes/GridColors.h"

#include <QStyledItemDelegate>

namespace brivane::themes::widgets {

// Paints the cells of one of the eight lists by the grid colouring rules:
// section-coloured or striped rows, status colours, strike-through, the
// kind bar of the Today view and the note picture in the note column.
class GridDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    GridDelegate(GridList list, QObject* parent = nullptr);

    GridList list() const { return m_list; }
    void setPalette(const GridPalette& palette) { m_palette = palette; }
    const GridPalette& palette() const { return m_palette; }
    // Columns by model index; -1 when the grid has none.
    void setColumns(int descriptionColumn, int noteColumn);

    // The look of one cell as paint() draws it.
    CellLook lookOf(const QModelIndex& index, bool selected) const;
    RowFacts factsOf(const QModelIndex& index, bool selected) const;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    GridList m_list;
    GridPalette m_palette;
    int m_descriptionColumn = -1;
    int m_noteColumn = -1;
};

} // namespace brivane::themes::widgets
