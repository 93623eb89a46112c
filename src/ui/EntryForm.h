#pragma once

#include <QList>
#include <QString>

#include <functional>
#include <initializer_list>

class QCheckBox;
class QColor;
class QDialog;
class QEvent;
class QFont;
class QHBoxLayout;
class QLayout;
class QLineEdit;
class QPixmap;
class QPlainTextEdit;
class QPushButton;
class QStackedWidget;
class QVBoxLayout;
class QWidget;

namespace brivane::ui {

// The form builder the entry dialogs (tasks, contacts, to-do items, notes)
// share: their pages, button row and frame. A dialog's own form adds its
// fields; the dialog places the pages and so owns every control.
struct EntryForm
{
    // The object names that differ between the dialog families.
    struct ButtonNames
    {
        QString hint;
        QString print;
        QString close;
    };

    // The button row: Hint, and Print in a modify dialog, on the left;
    // "Insert" and "Insert and close" (add) or "Modify", then Close, on the
    // right. The buttons the mode lacks stay null.
    void buildButtons(bool modifying, const ButtonNames& names);
    // What the buttons run. "Insert" saves and clears the fields for the
    // next entry, "Insert and close" and "Modify" save and close; a failed
    // save (false) leaves the dialog as it is. Close rejects the dialog.
    struct Commands
    {
        std::function<void()> hint;
        std::function<void()> print;
        std::function<bool()> save;
        std::function<void()> clearForNext;
    };
    void connectButtons(QDialog* dialog, Commands commands);
    void saveAndStay() const;
    void saveAndClose() const;
    // The row's buttons in tab order, the missing ones left out.
    QList<QWidget*> buttonOrder() const;
    // Saving needs what the save buttons check (a description, a name).
    void enableSaveButtons(bool enabled) const;
    // Enter in a watched field saves and closes, as far as the save buttons
    // allow; true when the event was Enter (and so is consumed).
    bool enterSaves(const QEvent* event) const;

    QWidget* fieldsPage = nullptr;
    QWidget* bigNotePage = nullptr;
    QLayout* buttons = nullptr;

    QPushButton* hint = nullptr;
    QPushButton* print = nullptr;
    QPushButton* add = nullptr;
    QPushButton* addClose = nullptr;
    QPushButton* modify = nullptr;
    QPushButton* close = nullptr;

private:
    QDialog* m_dialog = nullptr;
    Commands m_commands;
};

// The task and to-do forms: besides their own fields, a note area with a
// full-size page, a link to a contact, company or group, and one attachment.
struct LinkedEntryForm : EntryForm
{
    static constexpr int kLinkLength = 50;
    static constexpr int kAttachmentLength = 255;

    // The note area, the link and the attachment, one below the other.
    void addNoteLinkAndAttachment(QVBoxLayout* layout, const QString& noteHint);
    void buildBigNotePage(const QString& noteHint);
    // Their tab order, top to bottom.
    QList<QWidget*> noteLinkAndAttachmentOrder() const;
    // The note switches are as wide as their sign and a margin.
    void fitNoteSwitches(const QFont& font);
    // Clear empties its field and is enabled while the link holds a text.
    void connectClearButtons();

    QPushButton* bigNoteButton = nullptr;
    QPlainTextEdit* note = nullptr;
    QPushButton* smallNoteButton = nullptr;
    QPlainTextEdit* bigNote = nullptr;
    QLineEdit* link = nullptr;
    QPushButton* clearLink = nullptr;
    QLineEdit* attachment = nullptr;
    QPushButton* attachFile = nullptr;
    QPushButton* attachFolder = nullptr;
    QPushButton* clearAttachment = nullptr;
};

// Places a form in a frameless, window-modal dialog, its font enlarged by
// the scale percentage (100 to 150): the border and the title bar in the
// family's colour (both drag the window), the fields and the full-size note
// page stacked, the button row below. Returns the page stack (0 fields,
// 1 full-size note).
QStackedWidget* frameEntryDialog(QDialog* dialog, const QString& title, const QColor& color, int scalePercent,
                                 const EntryForm& form);

// ---- controls ---------------------------------------------------------------

// Enter is handled by the dialog itself, never by a default button.
QPushButton* formButton(const QString& caption, const QString& name, const QString& toolTip = QString());
QCheckBox* formCheckBox(const QString& caption, const QString& name);
QLineEdit* formLineEdit(const QString& name, int maxLength);
// A multi-line field that Tab leaves rather than types into.
QPlainTextEdit* formMemo(const QString& name);
// The widgets side by side, then (when asked) the rest of the line empty.
QHBoxLayout* formRow(std::initializer_list<QWidget*> widgets, bool stretch = true);
// A caption at the left end of the line and a button at the right end.
QHBoxLayout* headerRow(QWidget* caption, QWidget* button);

// ---- field groups -----------------------------------------------------------

// A note area and the button that switches to the other one; `page` is
// set for the full-size page only.
struct NoteArea
{
    QWidget* page = nullptr;
    QPushButton* toggle = nullptr;
    QPlainTextEdit* memo = nullptr;
};
// The full-size note page ("Panel_Memo_BIG") with its "-" switch back.
NoteArea fullSizeNotePage(const QString& caption, const QString& toolTip = QString());

// An attachment field with its Attach file, Attach folder and Clear buttons;
// `suffix` tells the second and third rows of a form apart.
struct AttachmentControls
{
    QLineEdit* edit = nullptr;
    QPushButton* file = nullptr;
    QPushButton* folder = nullptr;
    QPushButton* clear = nullptr;
};
AttachmentControls attachmentControls(int maxLength, const QString& suffix = QString());

// ---- behaviour the families share --------------------------------------------

// Shows the note text on the chosen page: the text and the caret position
// move to the other area, which takes the focus.
void switchNotePage(QStackedWidget* pages, QPlainTextEdit* note, QPlainTextEdit* bigNote, bool big);
// Moves the caret of `to` where it stands in `from`.
void carryCaret(const QPlainTextEdit* from, QPlainTextEdit* to);
// An attachment field shows its path in the stored form (inside the
// program's folders, relative) and enables Clear when it holds one.
void showStoredAttachment(QLineEdit* edit, QPushButton* clear, const QString& programFolder);
// A picked file or folder goes into the field in its stored form; a path
// longer than the field takes is refused whole, with a warning, since a cut
// one would name another file.
void putPickedAttachment(QWidget* dialog, QLineEdit* edit, const QString& path, const QString& programFolder);
bool isEnterKey(const QEvent* event);
// A picture of a dialog on an A4 PDF page; false when the file cannot be written.
bool writePicturePdf(const QString& file, const QPixmap& picture);

// Shows an entry dialog window-modal without blocking, on its full-size
// note page when asked; it deletes itself when closed.
template <typename Dialog> Dialog* showEntryDialog(Dialog* dialog, bool bigNote)
{
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    if (bigNote)
        dialog->showBigNote(true);
    dialog->open();
    return dialog;
}

} // namespace brivane::ui
