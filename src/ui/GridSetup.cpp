#include "ui/GridSetup.h"

#include <QHeaderView>
#include <QSqlQueryModel>
#include <QSqlRecord>
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
    return grid;
}

void showColumns(QTableView* grid, QSqlQueryModel* model, const QStringList& columns, const QStringList& captions)
{
    if (!model)
        return;
    const QSqlRecord record = model->record();
    QHeaderView* header = grid->horizontalHeader();
    for (int i = 0; i < record.count(); ++i)
        grid->setColumnHidden(i, true);
    for (int visual = 0; visual < columns.size(); ++visual) {
        const int logical = record.indexOf(columns[visual]);
        if (logical < 0)
            continue;
        grid->setColumnHidden(logical, false);
        model->setHeaderData(logical, Qt::Horizontal, captions.value(visual));
        header->moveSection(header->visualIndex(logical), visual);
        header->setSectionResizeMode(logical, visual + 1 == columns.size() ? QHeaderView::Stretch
                                                                          : QHeaderView::ResizeToContents);
    }
}

} // namespace brivane::ui
