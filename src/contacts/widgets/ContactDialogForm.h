#pragma once

#include "contacts/widgets/ContactDialogTexts.h"
#include "ui/EntryForm.h"

#include <QList>

#include <array>

class QComboBox;
class QFont;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QWidget;

namespace brivane::contacts::widgets {

// The controls of a contact dialog, laid out: the field panel, the
// full-size note page and the button row. Controls the other mode does not
// have stay null. ContactDialog owns them once it places the pages and
// gives them their behaviour.
struct ContactDialogForm : ui::EntryForm
{
    explicit ContactDialogForm(ContactDialogMode mode);

    // Widths and heights that follow the font, so they grow with the scale.
    void fitSizes(const QFont& font);
    // Top to bottom, left to right.
    QList<QWidget*> tabOrder() const;
    // The one-line fields, where Enter saves.
    QList<QWidget*> oneLineFields() const;

    using AttachmentRow = ui::AttachmentControls;

    QLineEdit* name = nullptr;
    QLineEdit* company = nullptr;
    QLineEdit* phone = nullptr;
    QLineEdit* mobile = nullptr;
    QLineEdit* skype = nullptr;
    QLineEdit* fax = nullptr;
    QLineEdit* email = nullptr;
    QLineEdit* site = nullptr;
    QComboBox* group = nullptr;
    QPlainTextEdit* address = nullptr;
    QPlainTextEdit* note = nullptr;
    QPlainTextEdit* bigNote = nullptr;

    QLabel* photo = nullptr;
    QPushButton* photoButton = nullptr;
    QPushButton* birthday = nullptr;

    // The note switch moves between the headers of the two note areas.
    QPushButton* zoomNote = nullptr;
    QHBoxLayout* noteHeader = nullptr;
    QHBoxLayout* bigNoteHeader = nullptr;

    std::array<AttachmentRow, 3> attachments;

private:
    QWidget* buildFields();
    QWidget* buildBigNote();
};

} // namespace brivane::contacts::widgets
