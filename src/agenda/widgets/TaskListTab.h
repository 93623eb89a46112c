#pragma once

#include <QWidget>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QTableView;
class QToolButton;

namespace brivane::agenda {
class TaskListQuery;
}

namespace brivane::ui {

// One tab per task kind: the list of every task of the kind with its search,
// filter and order, a detail strip and the note of the selected row. The tab
// keeps the search choices in its query and forwards every command.
class TaskListTab : public QWidget
{
    Q_OBJECT

public:
    TaskListTab(agenda::TaskListQuery* query, QWidget* parent = nullptr);

    agenda::TaskListQuery* query() const { return m_query; }
    QLineEdit* searchField() const { return m_search; }
    QTableView* grid() const { return m_grid; }
    void setCounter(const QString& caption);
    // After the query ran: row commands follow whether the list has rows.
    void afterRun();
    void refitColumns();
    // Selects a row, or the last one when the number is past the end.
    void selectRow(int row);
    int currentRow() const;
    qint64 currentKey() const;
    bool selectKey(qint64 codimp);
    // Shows every task of the kind: first search kind, no text, no filter.
    void resetFilters();
    QToolButton* attachButton() const { return m_attach; }

Q_SIGNALS:
    void searchChanged();
    void insertRequested();
    void modifyRequested(qint64 codimp, bool enlargedNote);
    void cloneRequested(qint64 codimp);
    void deleteRequested(qint64 codimp);
    void attachRequested(qint64 codimp);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString names(const char* one, const char* year, const char* month, const char* week) const;
    QToolButton* addButton(const QString& name, const QString& hint, const QString& text);
    void showDetails();
    void searchTextEdited();
    void hint();

    agenda::TaskListQuery* m_query;
    QString m_flag;
    QTableView* m_grid;
    QLineEdit* m_search;
    QComboBox* m_searchIn;
    QLabel* m_counter;
    QLabel* m_detail;
    QLabel* m_years = nullptr;
    QPlainTextEdit* m_memo;
    QToolButton* m_modify;
    QToolButton* m_clone;
    QToolButton* m_delete;
    QToolButton* m_print;
    QToolButton* m_order;
    QToolButton* m_clear;
    QToolButton* m_attach;
    QCheckBox* m_autoSearch = nullptr;
    QCheckBox* m_period = nullptr;
    QDateEdit* m_periodFrom = nullptr;
    QDateEdit* m_periodTo = nullptr;
    QComboBox* m_month = nullptr;
    QComboBox* m_weekday = nullptr;
    QList<QToolButton*> m_toolbar;
};

} // namespace brivane::ui
