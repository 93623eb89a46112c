#pragma once

#include "contacts/ColumnLayout.h"

#include <QList>
#include <QObject>

class QTableView;
class QWidget;

namespace brivane::contacts {
class ContactQuery;
}

namespace brivane::contacts::widgets {

// The contact grid ("DBGrid_Contact") over the search result, and its
// columns: order, widths and visibility, and the column layout files of the
// archive folder that keep them (the designed
// layout and the user's saved one). While the grid is too narrow for more
// than the name, only the name column shows and the header and the Columns
// button hide; the layout is taken back when the grid widens again.
class ContactGridView : public QObject
{
    Q_OBJECT

public:
    // The grid is placed by the tab, which so owns it.
    ContactGridView(ContactQuery* query, QWidget* columnsButton, QObject* parent = nullptr);

    QTableView* table() const { return m_grid; }

    // The layout as the grid shows it now.
    QList<ContactColumn> columns();
    bool showsAll() const { return m_wide; }

    // After a search: the layout goes onto a result with other columns.
    void afterSearch();
    // The result is gone: the next one gets the layout again.
    void resultCleared() { m_appliedColumnCount = -1; }
    // Every column, or the name only, as the grid's width allows.
    void updateVisibility();

    // The layout files; each reports its failure by failed().
    bool writeDefaultLayout(const QString& archiveFolder);
    bool loadSavedLayout(const QString& archiveFolder);
    void saveLayout(const QString& archiveFolder);
    void restoreDefaultLayout(const QString& archiveFolder);
    // The user's layout with every column visible, written while the grid
    // shows only the name (for the window's default size).
    bool saveLayoutForDefaultSize(const QString& archiveFolder);
    // Every column as wide as its widest text (all rows are fetched).
    void autosize();

Q_SIGNALS:
    void failed(const QString& error);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void apply();
    void capture();

    QTableView* m_grid;
    ContactQuery* m_query;
    QWidget* m_columnsButton;
    QList<ContactColumn> m_columns;
    int m_appliedColumnCount = -1;
    bool m_wide = true;
};

} // namespace brivane::contacts::widgets
