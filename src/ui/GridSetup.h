#pragma once

#include <QStringList>

class QSqlQueryModel;
class QTableView;

namespace brivane::ui {

// Shows only the named columns of a query model, in that order, with the
// given captions; the last one stretches to fill the grid.
// `model` is the query model behind the grid (the grid may show it through a proxy).
void showColumns(QTableView* grid, QSqlQueryModel* model, const QStringList& columns, const QStringList& captions);
QTableView* makeGrid(const QString& objectName);

} // namespace brivane::ui
