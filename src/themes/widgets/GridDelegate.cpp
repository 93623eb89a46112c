#include "themes/widgets/GridDelegate.h"

#include "themes/BuiltinArt.h"

#include <QApplication>
#include <QPainter>
#include <QSqlQueryModel>
#include <QSqlRecord>

namespace brivane::themes::widgets {

GridDelegate::GridDelegate(GridList list, QObject* parent) : QStyledItemDelegate(parent), m_list(list) {}

void GridDelegate::setColumns(int descriptionColumn, int noteColumn)
{
    m_descriptionColumn = descriptionColumn;
    m_noteColumn = noteColumn;
}

RowFacts GridDelegate::factsOf(const QModelIndex& index, bool selected) const
{
    RowFacts facts;
    facts.recordNumber = index.row() + 1;
    facts.selected = selected;
    // The task lists are query models over the task table.
    if (const auto* query = qobject_cast<const QSqlQueryModel*>(index.model())) {
        const QSqlRecord row = query->record(index.row());
        facts.flag = row.value(QStringLiteral("flag")).toString().trimmed();
        facts.dayofweek = row.value(QStringLiteral("dayofweek")).toString().trimmed();
        facts.suspended = row.value(QStringLiteral("sospeso")).toString().trimmed() == QLatin1String("Y");
    }
    // The models strike out what is done (the Today date, a checked to-do item).
    const QVariant font = index.data(Qt::FontRole);
    facts.done = font.isValid() && font.value<QFont>().strikeOut();
    return facts;
}

CellLook GridDelegate::lookOf(const QModelIndex& index, bool selected) const
{
    int description = m_descriptionColumn;
    if (description < 0) {
        if (const auto* query = qobject_cast<const QSqlQueryModel*>(index.model()))
            description = query->record().indexOf(QStringLiteral("id"));
    }
    return cellLook(m_list, m_palette, factsOf(index, selected), description >= 0 && index.column() == description);
}

void GridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const bool selected = opt.state & QStyle::State_Selected;
    const CellLook look = lookOf(index, selected);
    opt.state &= ~(QStyle::State_Selected | QStyle::State_HasFocus);
    if (look.background.isValid()) {
        painter->fillRect(opt.rect, look.background);
        opt.backgroundBrush = Qt::NoBrush;
        opt.features &= ~QStyleOptionViewItem::Alternate;
    }
    opt.palette.setColor(QPalette::Text, look.text);
    opt.palette.setColor(QPalette::HighlightedText, look.text);
    opt.font.setStrikeOut(look.strikeOut);

    if (look.kindBar) {
        const int width = kindBarWidth(opt.rect.height());
        const QRect bar(opt.rect.left(), opt.rect.top(), width, opt.rect.height());
        painter->fillRect(bar, look.barFill);
        painter->setPen(look.barOutline);
        painter->drawRect(bar.adjusted(0, 0, -1, -1));
        opt.rect.setLeft(bar.right() + 3);
    }
    // The lists mark a row with a note by a pencil character in the note column.
    if (index.column() == m_noteColumn || opt.text == QStringLiteral("\u270E")) {
        if (!opt.text.trimmed().isEmpty()) {
            const QImage note = notePicture();
            const QRect target(QPoint(0, 0), note.size());
            painter->drawImage(target.translated(opt.rect.center() - target.center()), note);
        }
        return;
    }
    const QWidget* widget = opt.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);
}

} // namespace brivane::themes::widgets
