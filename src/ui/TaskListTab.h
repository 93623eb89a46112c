#pragma once

#include <QWidget>

class QLabel;
class QSortFilterProxyModel;
class QTableView;

namespace brivane::agenda {
class TaskKindQuery;
}

namespace brivane::ui {

// One tab per task kind, listing every task of that kind.
class TaskListTab : public QWidget
{
    Q_OBJECT

public:
    struct Names
    {
        QString flag;        // "O", "Y", "M", "W"
        QString grid;        // grid objectName
        QString search;      // search field objectName
        QString counter;     // record counter objectName
        QString hint;        // hint button objectName
        QString hintText;
        QStringList columns; // shown columns and their captions
        QStringList captions;
    };

    TaskListTab(const Names& names, agenda::TaskKindQuery* model, QWidget* parent = nullptr);

    void setCounter(const QString& caption);
    void refitColumns();
    QWidget* searchField() const { return m_search; }

private:
    Names m_names;
    QTableView* m_grid;
    QLabel* m_counter;
    QWidget* m_search;
    QSortFilterProxyModel* m_filter;
};

} // namespace brivane::ui
