#pragma once

#include "to_do/ToDoItem.h"
#include "to_do/widgets/ToDoDialogForm.h"

#include <QColor>
#include <QDialog>
#include <QSqlDatabase>
#include <QStringList>

class QStackedWidget;

namespace brivane::to_do::widgets {

// What a to-do dialog needs from the tab that opens it.
struct ToDoDialogSetup
{
    QSqlDatabase db;
    // Dialog enlargement, 100 to 150.
    int scalePercent = 100;
    // The To Do section colour: frame and title.
    QColor color = QColor(0xF8, 0xDC, 0xBA);
    // With its trailing separator; attachments inside its "allegati" and
    // "attaches" folders are stored by their path inside them.
    QString programFolder;
    // The to-do group names, as the tab's group filter offers them.
    QStringList groupNames;
    // The add dialog's group: the tab's group filter text.
    QString group;
};

// The add ("Insert Task") and modify ("Modity Task") dialog of a to-do item.
//
// The dialog never blocks its caller: show it with open() (or openDialog()),
// and re-run the list on itemSaved(), which follows every successful save.
// "Insert" saves and stays open for the next item (description, note, link
// and attachment emptied, priority back to 5, group kept); "Insert and
// close" and "Modify" save and close; "Close" and Esc close without saving.
class ToDoDialog : public QDialog
{
    Q_OBJECT

public:
    // A modify dialog loads the item `codtod`; an add dialog ignores it.
    ToDoDialog(ToDoDialogMode mode, ToDoDialogSetup setup, qint64 codtod = 0, QWidget* parent = nullptr);
    ~ToDoDialog() override;

    // Creates a dialog that deletes itself when closed, shows it
    // window-modal with open() and returns it, e.g. to connect itemSaved().
    // A modify dialog whose item cannot be read is not shown: the reason is
    // reported and the result is null.
    static ToDoDialog* openDialog(ToDoDialogMode mode, ToDoDialogSetup setup, qint64 codtod, QWidget* parent,
                                  bool bigNote = false);

    ToDoDialogMode mode() const { return m_mode; }
    // False when a modify dialog could not read its item.
    bool isLoaded() const { return m_loaded; }
    qint64 codtod() const { return m_codtod; }

    // Swaps the fields for the full-size note area and back; both areas
    // keep the same text.
    void showBigNote(bool big);
    bool isBigNoteShown() const;

    // The fields as the save would write them.
    ToDoItem item() const;

Q_SIGNALS:
    // An item was inserted or updated: its key and the group it was saved
    // with (registered among the to-do group names when not empty).
    void itemSaved(qint64 codtod, const QString& group);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildWindow();
    void connectFields();
    void load();
    QString m_loadError;

    void updateSaveButtons();
    void attachmentEdited();
    void percentMoved(int value);
    void doneClicked(bool checked);
    void attachFile();
    void attachFolder();
    void setAttachmentPicked(const QString& path);
    void print();
    void clearForNext();

    bool save();

    ToDoDialogMode m_mode;
    ToDoDialogSetup m_setup;
    qint64 m_codtod;
    bool m_loaded = true;
    // The stored note's line end, written back on save.
    QString m_noteLineEnd = QStringLiteral("\n");
    ToDoDialogForm m_form;
    QStackedWidget* m_pages = nullptr;
};

} // namespace brivane::to_do::widgets
