#pragma once

#include <QSqlDatabase>
#include <QStringList>
#include <QWidget>

#include <functional>

class QComboBox;
class QToolButton;

namespace brivane::contacts::widgets {

// The group controls of one list tab: the filter box the user
// types into or picks from, and the insert, delete and clear buttons; on the
// Contacts tab also the empty-group button. Contacts ('C'), Notes ('N') and
// To Do ('L') each embed one; the controls carry the names of that tab:
//
//   C: ComboBox_Contact_Group, SpeedButton_AddGroup, SpeedButtonDelGroup,
//      SpeedButtonClearGroup, SpeedButtonGruppoVuoto
//   N: ComboBox_Note_Group, SpeedButtonAddGroup_Note, SpeedButtonDelGroup_Note,
//      SpeedButtonClearGroupNote
//   L: ComboBox_List_Group, SpeedButton11, SpeedButtonDelGroup_Lista,
//      SpeedButtonClearGroupList
//
// The widget owns the group commands and the memorised group; the tab runs
// its search on `changed`. Typing filters at once; only picking a name,
// emptying the box, deleting and clearing store the memorised group.
class GroupFilter : public QWidget
{
    Q_OBJECT

public:
    explicit GroupFilter(QChar section, QWidget* parent = nullptr);

    void setDatabase(const QSqlDatabase& db) { m_db = db; }
    QChar section() const { return m_section; }

    QString text() const;
    // The names of the drop-down list, sorted; the entry dialogs copy them.
    QStringList names() const;

    QComboBox* comboBox() const { return m_combo; }
    QToolButton* insertButton() const { return m_insert; }
    QToolButton* deleteButton() const { return m_delete; }
    QToolButton* clearButton() const { return m_clear; }
    // Contacts only; null elsewhere.
    QToolButton* emptyGroupButton() const { return m_empty; }

    // Load names: replaces the list by the names of the section and enables
    // the delete button when there is one. The filter text stays.
    bool loadNames();
    // At start: the memorised group becomes the filter text, without storing
    // it again and without signalling; the tab then runs its search.
    void setMemorisedText(const QString& text);
    // Puts a text into the box as typing would (change handling follows).
    void setText(const QString& text);

    // The commands of the buttons and of the drop-down list.
    void insertGroup();
    void deleteGroup();
    void clearGroup();
    void emptyGroup();
    void choose();

    // Notes: the unsaved-note question comes before every command.
    void setBeforeCommand(std::function<void()> hook) { m_beforeCommand = std::move(hook); }

Q_SIGNALS:
    // The filter text changed or a command ended: run the tab search.
    void changed(const QString& text);
    // The names of the section were reloaded.
    void namesLoaded(const QStringList& names);
    // A memorised group was written to the settings record; the main window
    // reloads its copy.
    void memorisedGroupSaved(const QString& column, const QString& text);
    // The archive refused a statement.
    void failed(const QString& message);

private:
    void changeHandling(bool askFirst = true);
    void saveMemorised(const QString& text);
    void runBeforeCommand();
    void updateButtons();
    void emitChanged();

    QChar m_section;
    QSqlDatabase m_db;
    QComboBox* m_combo = nullptr;
    QToolButton* m_insert = nullptr;
    QToolButton* m_delete = nullptr;
    QToolButton* m_clear = nullptr;
    QToolButton* m_empty = nullptr;
    std::function<void()> m_beforeCommand;
    bool m_silent = false;
    QString m_lastSignalled;
    bool m_signalledOnce = false;
};

} // namespace brivane::contacts::widgets
