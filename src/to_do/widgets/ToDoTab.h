#pragma once

#include "to_do/widgets/ToDoDialogForm.h"

#include <QPointer>
#include <QSqlDatabase>
#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QProgressBar;
class QTableView;
class QToolButton;

namespace brivane::store {
struct SettingsRecord;
}
namespace brivane::contacts::widgets {
class GroupFilter;
}

namespace brivane::to_do {
class ToDoQuery;
}

namespace brivane::to_do::widgets {

class ToDoAttachMenu;
class ToDoDialog;

// The To Do tab: the list of to-do items with its search, state filter,
// group filter and order, the current item's completion gauge and note, and
// the commands Insert, Modify, Clone, Delete, Check, Attach, Export, Order
// and Hint. The tab shows and forwards; the statements live in the to-do
// core classes.
//
// The settings record is read when needed (memorised group, scale, section
// colour) and must outlive the tab.
class ToDoTab : public QWidget
{
    Q_OBJECT

public:
    ToDoTab(QSqlDatabase db, const store::SettingsRecord& settings, QWidget* parent = nullptr);
    ~ToDoTab() override;

    void setDatabase(const QSqlDatabase& db);
    // With its trailing separator: where the attachment folders lie.
    void setProgramFolder(const QString& folder) { m_programFolder = folder; }
    // Read-only mode (and the lock): the command buttons are hidden and
    // every command that writes does nothing.
    void setReadOnly(bool readOnly);
    bool isReadOnly() const { return m_readOnly; }
    // Shows the Print button and menu entry, which emit printRequested().
    void setPrintAvailable(bool available);

    QLineEdit* searchField() const { return m_search; }
    QTableView* grid() const { return m_grid; }
    ToDoQuery* query() const { return m_query; }
    contacts::widgets::GroupFilter* groupFilter() const { return m_groups; }
    int currentRow() const;
    // Makes a row current, the last one when the number is past the end.
    void selectRow(int row);
    // Empties the list, e.g. before the connection closes.
    void clearResults();

public Q_SLOTS:
    // The to-do search: re-runs the list, makes the first row current,
    // updates the counter and the commands, and emits countChanged().
    void runSearch();
    // Reloads the to-do group names of the filter box (its text stays).
    void loadGroups();
    // At start: the group filter takes the memorised group of the settings
    // record, then the search runs.
    void applyMemorisedGroup();

    void insertItem();
    void modifyItem(bool bigNote = false);
    void cloneItem();
    void deleteItem();
    void checkItem();
    void exportList();

Q_SIGNALS:
    // After every search: the listed items and the table's total.
    void countChanged(int listed, int total);
    // The group filter wrote a memorised group (column mem_group_list).
    void memorisedGroupSaved(const QString& column, const QString& text);
    // The Attach menu: open an attachment, find the contact of a link text.
    void attachmentRequested(const QString& attachment);
    void linkRequested(const QString& link);
    void printRequested();
    // An add dialog closed: the main window may lay itself out again.
    void insertFinished();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QToolButton* addButton(const QString& name, const QString& hint, const QString& text);
    QLayout* buildToolbar();
    QLayout* buildSearchRow();
    void buildGrid();
    void buildOrderMenu();
    void connectControls();

    void afterRun();
    void showCurrent();
    void showContextMenu(const QPoint& position);
    void showAttachMenu();
    ToDoDialog* openDialog(ToDoDialogMode mode, qint64 codtod, bool bigNote);
    void afterSave(const QString& group);
    void reportFailure(const QString& message);

    QSqlDatabase m_db;
    const store::SettingsRecord& m_settings;
    QString m_programFolder;
    bool m_readOnly = false;
    bool m_printAvailable = false;

    ToDoQuery* m_query;
    QTableView* m_grid = nullptr;
    QComboBox* m_searchIn = nullptr;
    QLineEdit* m_search = nullptr;
    QToolButton* m_clearSearch = nullptr;
    QComboBox* m_state = nullptr;
    contacts::widgets::GroupFilter* m_groups = nullptr;
    QLabel* m_counter = nullptr;
    QProgressBar* m_gauge = nullptr;
    QPlainTextEdit* m_note = nullptr;
    QWidget* m_commands = nullptr;

    QToolButton* m_insert = nullptr;
    QToolButton* m_modify = nullptr;
    QToolButton* m_clone = nullptr;
    QToolButton* m_delete = nullptr;
    QToolButton* m_check = nullptr;
    QToolButton* m_attach = nullptr;
    QToolButton* m_export = nullptr;
    QToolButton* m_order = nullptr;
    QToolButton* m_print = nullptr;
    QToolButton* m_hint = nullptr;
    QMenu* m_orderMenu = nullptr;
    ToDoAttachMenu* m_attachMenu = nullptr;
    // The one dialog open at a time (a double click also clicks).
    QPointer<ToDoDialog> m_dialog;
};

} // namespace brivane::to_do::widgets
