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
QTableView* makeGrid(const QString& objectName);

} // namespace brivane::ui
