#pragma once

#include "contacts/ColumnLayout.h"
#include "contacts/ContactQuery.h"

#include <QSqlDatabase>
#include <QSqlRecord>
#include <QWidget>

class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QTableView;
class QTimer;
class QToolButton;

namespace brivane::store {
struct SettingsRecord;
}

namespace brivane::contacts::widgets {

class ContactCardView;
class ContactGridView;
class ContactSearchBar;
class GroupFilter;

// The Contacts tab: the contact book with its search,
// group filter, order, record counter, list (grid) and card, the Delete and
// Clone commands, the column layout files, and the mail, web, map, name
// search, attachment, link and dial actions. Insert, Modify, Import, Export,
// Print and the task shortcuts belong to other windows: the tab only asks
// for them by signal. Every address goes out through platform::Shell.
//
// The main window lends the archive connection, the archive and program
// folders and its settings record (read only; after the tab writes a
// settings column it emits settingsChanged() and the window reloads).
class ContactsTab : public QWidget
{
    Q_OBJECT

public:
    enum class LinkResult { OneContact, Listed };

    ContactsTab(const store::SettingsRecord& settings, const QSqlDatabase& db = QSqlDatabase(),
                const QString& archiveFolder = QString(), const QString& programFolder = QString(),
                QWidget* parent = nullptr);
    ~ContactsTab() override;

    // An invalid connection (before the archive closes) also forgets the
    // result, so no copy of the connection stays in the tab.
    void setDatabase(const QSqlDatabase& db);
    void setArchiveFolder(const QString& folder) { m_archiveFolder = folder; }
    void setProgramFolder(const QString& folder) { m_programFolder = folder; }
    QString programFolder() const { return m_programFolder; }

    // Start-up, in this order: the designed
    // columns to sContactVertical.def, the group names, grid mode when the
    // settings ask for it, the memorised group, the search. The saved layout
    // (sContactVertical) is loaded later by loadSavedLayout().
    void startUp();
    bool writeDefaultLayout();
    bool loadGroups();
    void applyMemorisedGroup();
    void applyDisplayModeSetting();
    bool loadSavedLayout();

    // Contact search: builds the statement from the search state, runs it,
    // makes the first row current, sets the commands and the counter.
    void runSearch();
    // Counts again (listed and total) and updates the counter.
    void refreshCounts();
    // Colours and formats after the settings were reloaded or a theme applied.
    void applySettings();
    // Forgets the result set before the connection closes.
    void clearResults();

    // After the modify dialog closed: the remembered row becomes current
    // again when the search ran meanwhile.
    void modifyFinished();
    // After the add dialog closed: the focus goes back to the search text.
    void insertFinished();
    // After an import: search text and group filter emptied, search re-run.
    void resetSearch();
    // The counter colours after an import (white on green / white on red).
    void setCounterColors(const QColor& text, const QColor& background);
    void resetCounterColors();

    // Locked flag or read-only mode: the add, modify, clone and
    // delete commands do nothing; in read-only mode the context menu does not
    // open, while locked its entries are disabled.
    void setReadOnly(bool readOnly);
    void setLocked(bool locked);

    // "Fix" of the window size while the list shows only the name column:
    // writes sContactVertical with every column visible.
    bool saveLayoutForDefaultSize();

    // Find the Contact a task or to-do item links to.
    LinkResult findLinked(const QString& link);

    // Commands, as the buttons run them.
    void deleteCurrent();
    void cloneCurrent();
    void modifyCurrent(bool expandedNote = false);
    void toggleDisplayMode();
    void setGridMode(bool grid, bool write);
    bool isGridMode() const { return m_gridMode; }
    void sendMail();
    void openWebSite();
    void searchMap();
    void searchName();
    void dial();
    void openAttachment(int index);
    void saveColumns();
    void restoreDefaultColumns();
    void autosizeColumns();
    void setOrder(const QString& column, bool descending);
    // Card refresh now (the timer runs it 10 ms after the last request).
    void drawCard();

    ContactQuery* query() const { return m_query; }
    GroupFilter* groupFilter() const { return m_groups; }
    ContactCardView* card() const { return m_card; }
    QTableView* grid() const { return m_grid; }
    QLineEdit* searchField() const;
    QStringList groupNames() const;
    QString groupFilterText() const;
    int currentRow() const;
    qint64 currentKey() const;
    QString currentName() const;
    QSqlRecord currentRecord() const;
    // Makes a row current (fetching up to it); the last row past the end.
    void selectRow(int row);
    QList<ContactColumn> columns() const;
    bool showsAllColumns() const;

Q_SIGNALS:
    void insertRequested();
    void modifyRequested(qint64 codcon, bool expandedNote = false);
    void exportRequested();
    void importRequested();
    void printRequested(bool preview);
    // 0 One Shot, 1 Yearly, 2 Monthly, 3 Weekly: the add dialog of a kind,
    // with the current Contact (currentName()).
    void insertTaskRequested(int kind);
    void insertNoteRequested();
    void insertToDoRequested();
    // After every search and recount: the counter and the Today summary.
    void countChanged(int listed, int total);
    // A settings column was written (gridmode, mem_group_contact,
    // centralino): reload the settings record.
    void settingsChanged();
    // Yearly tasks may have changed (a birthday deleted, Modify ended).
    void yearlyListChanged();
    // Show the Contacts tab (the link search listed several or none).
    void showRequested();
    // The contact group names were reloaded (the dialogs copy them).
    void groupsChanged(const QStringList& names);
    // The archive refused a statement; the window's error report shows it.
    void failed(const QString& message);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildWindow();
    void addTaskKindActions(QMenu* menu);
    void requestInsert();
    void connectControls();
    void afterSearch();
    void updateCommands();
    void requestCard();
    void showRowNote();
    void relayout();
    void popupMenu(QMenu* menu, QWidget* below);
    void showItemsMenu(const QString& field, const char* menuName, bool mail);
    void contextMenu(const QPoint& position);
    bool commandsBlocked() const { return m_readOnly || m_locked; }
    void report(const QString& error);

    const store::SettingsRecord& m_settings;
    QSqlDatabase m_db;
    QString m_archiveFolder;
    QString m_programFolder;

    ContactQuery* m_query;
    bool m_gridMode = false;
    bool m_readOnly = false;
    bool m_locked = false;
    int m_modifyRow = -1;
    bool m_searchRanSinceModify = false;

    QWidget* m_toolbar = nullptr;
    QToolButton* m_insert = nullptr;
    QToolButton* m_delete = nullptr;
    QToolButton* m_modify = nullptr;
    QToolButton* m_clone = nullptr;
    QToolButton* m_import = nullptr;
    QToolButton* m_export = nullptr;
    QToolButton* m_order = nullptr;
    QToolButton* m_dial = nullptr;
    QToolButton* m_mail = nullptr;
    QToolButton* m_web = nullptr;
    QToolButton* m_map = nullptr;
    QToolButton* m_print = nullptr;
    QToolButton* m_hint = nullptr;
    ContactSearchBar* m_searchBar = nullptr;
    GroupFilter* m_groups = nullptr;
    QList<QToolButton*> m_navigator;
    QToolButton* m_showCard = nullptr;
    QToolButton* m_columnsButton = nullptr;
    QTableView* m_grid = nullptr;
    ContactGridView* m_gridView = nullptr;
    QPlainTextEdit* m_bottomNote = nullptr;
    ContactCardView* m_card = nullptr;
    QTimer* m_timerDraw = nullptr;
    QMenu* m_orderMenu = nullptr;
    QMenu* m_columnsMenu = nullptr;
    QMenu* m_quickTaskMenu = nullptr;
    QMenu* m_itemsMenu = nullptr;
    QMenu* m_contextMenu = nullptr;
};

} // namespace brivane::contacts::widgets
