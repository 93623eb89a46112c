#pragma once

#include "notes/NoteSearch.h"
#include "store/SettingsRecord.h"

#include <QColor>
#include <QFont>
#include <QPointer>
#include <QSqlDatabase>
#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QSplitter;
class QTableView;
class QToolButton;

namespace brivane::contacts::widgets {
class GroupFilter;
}

namespace brivane::notes {
class NoteListModel;
}

namespace brivane::notes::widgets {

class FindDialog;
class FormatBar;
class NoteEditor;
struct EditorLook;

// The Notes tab: the list of note titles with its search, group filter and
// order on the left, the editor of the current note on the right.
//
// Edits are written only by Update (SpeedButtonUpdate). Every command that
// would replace the editor's text first asks whether to write them, and so
// does any other way the current note changes: no typed text is replaced
// without the question. The main window asks through
// askToSaveUnsavedNote() before its own commands (Refresh all, changing or
// restoring the archive, the lock) and through askToSaveBeforeQuit() when
// the program ends.
class NotesTab : public QWidget
{
    Q_OBJECT

public:
    NotesTab(QSqlDatabase db, const store::SettingsRecord& settings, QWidget* parent = nullptr);
    ~NotesTab() override;

    // The archive connection, when the tab was made before the archive opened.
    void setDatabase(const QSqlDatabase& db);

    // Start: the note group names, then the memorised group as the filter
    // text (nothing is stored, no search runs), then the search.
    void loadGroups();
    void applyMemorisedGroup();
    // Runs the note search; the first note becomes current.
    void runSearch();

    // The settings the tab follows, after every reload of the record: break
    // lines, format bar, one-shot date format (date stamp), scale and Notes
    // colour (dialogs). The editor's look is left alone, so an unsaved
    // change of the format bar survives a reload.
    void applySettings(const store::SettingsRecord& settings);
    // The editor settings load: font, colours and character set from the
    // record into the editor and the format bar (Save disabled). The
    // constructor runs it; run it again only after a restore.
    void loadEditorSettings(const store::SettingsRecord& settings);
    void applyEditorSettings(const QFont& font, const QColor& text, const QColor& background);
    void setBreakLines(bool on);
    void setFormatBarShown(bool shown);
    // Read-only mode or the lock: no add, modify, clone or delete, the
    // editor cannot be typed into, the toolbars are hidden.
    void setReadOnly(bool readOnly);

    // The unsaved-note question: asked only while Update is enabled; Yes
    // writes the text, No drops the pending change (the text stays on screen
    // until the next note is loaded). False only when the write failed: the
    // caller then stops, so the text is not lost.
    bool askToSaveUnsavedNote();
    // The same at the end of the program, with its own question; show the
    // Notes tab before calling it.
    bool askToSaveBeforeQuit();
    bool hasUnsavedNote() const;

    QLineEdit* searchField() const { return m_search; }
    // Where the focus goes when the tab is shown: the editor while it holds
    // an unsaved text, else the search field.
    QWidget* focusTarget() const;
    int listedCount() const;
    int totalCount() const { return m_total; }

    // The editor font named in the settings, or the desktop's fixed-width
    // font when that name is not installed.
    static QFont editorFont(const QString& name, int pointSize);

Q_SIGNALS:
    void countChanged(int listed, int total);
    // The toggles were pressed; the main window writes the general settings.
    void breakLinesToggled(bool on);
    void formatBarToggled(bool shown);
    // The format bar's Save wrote the editor settings; reload the settings copy.
    void editorSettingsSaved();
    // Picking or clearing the group filter wrote mem_group_note.
    void memorisedGroupSaved(const QString& column, const QString& text);
    // The unsaved-note question is open (true) or answered (false): the tray
    // menu's entries are disabled meanwhile.
    void unsavedQuestionOpen(bool open);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildWindow();
    QWidget* buildCommandBar();
    QWidget* buildListSide();
    QWidget* buildEditorSide();
    QToolButton* addButton(const QString& name, const QString& text, const QString& hint);
    void connectControls();
    void connectTools();

    // Searching and the current note.
    void rerun(int row, bool reload = false);
    void selectRow(int row, bool reload = false);
    int currentRow() const;
    void currentRowChanged();
    void loadCurrentNote(bool reload = false);
    bool confirmLeavingNote();
    void updateCommands();
    void updateTitleBar();
    void updateGroupLabel();
    void searchTextChanged(const QString& text);
    void searchKindChosen(int index);
    void groupFilterChanged(const QString& text);

    // Writing.
    bool update();
    bool writePending();
    bool askSaveQuestion(const QString& question);

    // Commands.
    void insertNote();
    void modifyNote();
    void cloneNote();
    void deleteNote();
    void chooseOrder();
    void showFind();
    void find(const QString& text);
    void insertDateStamp();
    void printNote();
    void importNote();
    void exportNote();
    void showHideList(bool hidden);
    void showHint();
    void showListMenu(const QPoint& position);
    void applyLook(const EditorLook& look);
    void saveEditorSettings();
    void dialogSaved(qint64 key, const QString& group, bool modified, int row);

    QSqlDatabase m_db;
    store::SettingsRecord m_settings;
    NoteSearch m_query;
    NoteListModel* m_model = nullptr;
    int m_total = 0;
    bool m_rerunning = false;
    bool m_readOnly = false;
    int m_listWidth = 200;

    QWidget* m_commandBar = nullptr;
    QWidget* m_editorBar = nullptr;
    QLabel* m_counter = nullptr;
    QSplitter* m_splitter = nullptr;
    QComboBox* m_kind = nullptr;
    QLineEdit* m_search = nullptr;
    QToolButton* m_clearSearch = nullptr;
    QLabel* m_groupLabel = nullptr;
    contacts::widgets::GroupFilter* m_groups = nullptr;
    QTableView* m_list = nullptr;
    QLabel* m_titleBar = nullptr;
    FormatBar* m_formatBar = nullptr;
    NoteEditor* m_editor = nullptr;
    QPointer<FindDialog> m_find;
    QMenu* m_orderMenu = nullptr;
    QMenu* m_statsMenu = nullptr;
    QMenu* m_listMenu = nullptr;

    QToolButton* m_insert = nullptr;
    QToolButton* m_modify = nullptr;
    QToolButton* m_clone = nullptr;
    QToolButton* m_delete = nullptr;
    QToolButton* m_order = nullptr;
    QToolButton* m_import = nullptr;
    QToolButton* m_export = nullptr;
    QToolButton* m_print = nullptr;
    QToolButton* m_stats = nullptr;
    QToolButton* m_charMap = nullptr;
    QToolButton* m_calc = nullptr;
    QToolButton* m_hint = nullptr;
    QToolButton* m_showList = nullptr;
    QToolButton* m_update = nullptr;
    QToolButton* m_undo = nullptr;
    QToolButton* m_findButton = nullptr;
    QToolButton* m_date = nullptr;
    QToolButton* m_breakLines = nullptr;
    QToolButton* m_formatToggle = nullptr;
};

} // namespace brivane::notes::widgets
