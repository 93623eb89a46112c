#pragma once

#include <QStringList>

class QTableView;

namespace brivane::agenda {
class TaskQueryModel;
}

namespace brivane::ui {

// Shows only the named columns of a query model, in that order, with the
// given captions; the description ("id") stretches to fill the grid and the
// note marker ("Presenza") keeps a narrow fixed width.
void showColumns(QTableView* grid, agenda::TaskQueryModel* model, const QStringList& columns, const QStringList& captions);
// The rows, besides those on screen, that a grid reads to fit a column to
// its contents.
constexpr int kFitSampleRows = 24;
QTableView* makeGrid(const QString& objectName);

} // namespace brivane::ui
