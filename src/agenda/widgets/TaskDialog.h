#pragma once

#include "agenda/EntryContext.h"
#include "agenda/Task.h"
#include "agenda/TaskEntry.h"
#include "agenda/TaskKind.h"
#include "agenda/widgets/TaskDialogForm.h"

#include <QDialog>

#include <optional>

class QStackedWidget;

namespace brivane::agenda::widgets {

class DateChooser;

// The add and modify dialogs of the four task kinds: one family with the same
// fields, buttons, validation and save steps, and a few fields per kind.
//
// The dialog never blocks its caller: show it with open() (or openDialog()),
// and re-run the lists on taskSaved(), which follows every successful save.
// "Insert" saves and stays open for the next task (fields cleared);
// "Insert and close" and "Modify" save and close; "Close" and Esc close
// without saving. The dialog reads and writes the shared EntryContext: the
// working date and the month/day text it leaves there stay for the next one.
class TaskDialog : public QDialog
{
    Q_OBJECT

public:
    // Modify dialogs load the row `codimp`; add dialogs ignore it.
    TaskDialog(TaskKind kind, EntryMode mode, EntryContext& context, qint64 codimp = 0,
               QWidget* parent = nullptr);
    ~TaskDialog() override;

    // Creates a dialog that deletes itself when closed, shows it window-modal
    // with open() and returns it, e.g. to connect taskSaved(). A task to modify
    // that cannot be read gets a message and no dialog (nullptr).
    static TaskDialog* openDialog(TaskKind kind, EntryMode mode, EntryContext& context, qint64 codimp,
                                  QWidget* parent, bool bigNote = false);

    TaskKind kind() const { return m_kind; }
    EntryMode mode() const { return m_mode; }
    // The row a modify dialog works on (0 for an add dialog).
    qint64 codimp() const { return m_codimp; }
    // Add for a contact's birthday: "Insert" is hidden, the contact key is saved.
    bool isBirthday() const { return m_birthday; }

    // Swaps the fields for the full-size note area and back; both note
    // areas keep the same text and caret position.
    void showBigNote(bool big);
    bool isBigNoteShown() const;

    // The fields as they stand, as the save would write them.
    TaskEntry entry() const;

Q_SIGNALS:
    // A task was inserted or updated; its key.
    void taskSaved(qint64 codimp);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildWindow();
    void connectFields();

    void openAdd();
    void openModify();

    void updateSaveButtons();
    void updateOptions();
    void updateDateLabel();
    void raiseExpiry();
    void updateYearsLabel();
    void attachmentEdited();
    void clearTimes();
    void clearForNext();

    void openDateChooser();
    void chooserClosed();
    void attachFile();
    void attachFolder();
    void setAttachmentPicked(const QString& path);
    void showHelp();
    void print();

    bool save();

    QDate today() const;
    QDate viewedDate() const;
    QColor kindColor() const;

    TaskKind m_kind;
    EntryMode m_mode;
    EntryContext& m_context;
    qint64 m_codimp;
    std::optional<Task> m_stored;
    QString m_loadError;
    bool m_birthday = false;
    // Monthly modify: the day label shows the stored day until the chooser is used.
    bool m_dayFromRow = false;

    // The controls; the dialog places them and so owns them.
    TaskDialogForm m_form;
    QStackedWidget* m_pages = nullptr;
};

} // namespace brivane::agenda::widgets
