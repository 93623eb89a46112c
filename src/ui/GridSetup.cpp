#include "ui/GridSetup.h"

#include <QHeaderView>
#include "agenda/TaskListQuery.h"

#include <QTableView>

namespace brivane::ui {

QTableView* makeGrid(const QString& objectName)
{
    auto* grid = new QTableView;
    grid->setObjectName(objectName);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setAlternatingRowColors(true);
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() + 6);
    grid->horizontalHeader()->setHighlightSections(false);
    grid->setWordWrap(false);
    // Columns fit their contents from the rows on screen and a bounded
    // sample around them, never from every row of a long list.
    grid->horizontalHeader()->setResizeContentsPrecision(kFitSampleRows);
    return grid;
}

void showColumns(QTableView* grid, agenda::TaskQueryModel* model, const QStringList& columns, const QStringList& captions)
{
    if (!model)
        return;
    QHeaderView* header = grid->horizontalHeader();
    for (int i = 0; i < model->columnCount(); ++i)
        grid->setColumnHidden(i, true);
    for (int visual = 0; visual < columns.size(); ++visual) {
        const int logical = model->columnOf(columns[visual]);
        if (logical < 0)
            continue;
        grid->setColumnHidden(logical, false);
        model->setHeaderData(logical, Qt::Horizontal, captions.value(visual));
        header->moveSection(header->visualIndex(logical), visual);
        if (columns[visual] == QLatin1String("id")) {
            header->setSectionResizeMode(logical, QHeaderView::Stretch);
        } else if (columns[visual] == QLatin1String("Presenza")) {
            header->setSectionResizeMode(logical, QHeaderView::Fixed);
            header->resizeSection(logical, 42);
        } else {
            header->setSectionResizeMode(logical, QHeaderView::ResizeToContents);
        }
    }
}

} // namespace brivane::ui
