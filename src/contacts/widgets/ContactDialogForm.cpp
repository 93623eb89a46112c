#include "contacts/widgets/ContactDialogForm.h"

#include "contacts/ContactRecord.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace brivane::contacts::widgets {

namespace {

QPushButton* button(const QString& caption, const QString& name)
{
    auto* result = new QPushButton(caption);
    result->setObjectName(name);
    // Enter is handled by the dialog itself, never by a default button.
    result->setAutoDefault(false);
    return result;
}

QLineEdit* lineEdit(const QString& name, int maxLength)
{
    auto* result = new QLineEdit;
    result->setObjectName(name);
    result->setMaxLength(maxLength);
    return result;
}

QPlainTextEdit* memo(const QString& name)
{
    auto* result = new QPlainTextEdit;
    result->setObjectName(name);
    result->setTabChangesFocus(true);
    return result;
}

QLabel* caption(const QString& text, QWidget* buddy)
{
    auto* label = new QLabel(text);
    label->setBuddy(buddy);
    return label;
}

// The suffix of the second and third attachment controls.
QString rowSuffix(std::size_t row)
{
    return row == 0 ? QString() : QString::number(row + 1);
}

} // namespace

ContactDialogForm::ContactDialogForm(ContactDialogMode mode)
{
    fieldsPage = buildFields();
    bigNotePage = buildBigNote();
    buttons = buildButtons(mode);
}

QWidget* ContactDialogForm::buildFields()
{
    auto* page = new QWidget;
    page->setObjectName(u"Panel_Fields"_s);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);

    name = lineEdit(u"Edit_ragsoc"_s, ContactLimits::kName);
    company = lineEdit(u"Edit_soc"_s, ContactLimits::kCompany);
    phone = lineEdit(u"Edit_tel"_s, ContactLimits::kText);
    mobile = lineEdit(u"Edit_mobile"_s, ContactLimits::kText);
    skype = lineEdit(u"EDIT_skype"_s, ContactLimits::kText);
    fax = lineEdit(u"Edit_Fax"_s, ContactLimits::kText);
    email = lineEdit(u"Edit_email"_s, ContactLimits::kText);
    site = lineEdit(u"Edit_Site"_s, ContactLimits::kText);
    group = new QComboBox;
    group->setObjectName(u"ComboBox_Contact_Group"_s);
    group->setEditable(true);
    group->setInsertPolicy(QComboBox::NoInsert);
    group->lineEdit()->setMaxLength(ContactLimits::kGroup);
    group->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    group->setMinimumContentsLength(12);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(4);
    const std::pair<QString, QWidget*> rows[] = {
        {u"Name"_s, name},   {u"Company"_s, company}, {u"Phone"_s, phone}, {u"Mobile"_s, mobile},
        {u"Skype"_s, skype}, {u"Fax"_s, fax},         {u"E-mail"_s, email}, {u"Web"_s, site},
        {u"Group"_s, group},
    };
    int line = 0;
    for (const auto& [text, field] : rows) {
        grid->addWidget(caption(text, field), line, 0);
        grid->addWidget(field, line, 1);
        ++line;
    }
    grid->setColumnStretch(1, 1);

    photo = new QLabel(texts::photoPlaceholder());
    photo->setObjectName(u"Image_Foto"_s);
    photo->setAlignment(Qt::AlignCenter);
    photo->setFrameShape(QFrame::StyledPanel);
    photo->setFrameShadow(QFrame::Sunken);
    photoButton = button(texts::photoCaption(), u"SpeedButtonFoto"_s);
    photoButton->setToolTip(texts::photoCaption());
    birthday = button(texts::birthdayCaption(), u"SpeedButtonBirthday"_s);
    birthday->setToolTip(texts::birthdayHint());

    auto* side = new QVBoxLayout;
    side->setSpacing(4);
    side->addWidget(photo, 0, Qt::AlignHCenter);
    side->addWidget(photoButton);
    side->addStretch();
    side->addWidget(birthday);

    auto* top = new QHBoxLayout;
    top->setSpacing(12);
    top->addLayout(grid, 1);
    top->addLayout(side);
    layout->addLayout(top);

    address = memo(u"EDIT_indirizzo"_s);
    note = memo(u"Edit_note"_s);
    zoomNote = button(u"+"_s, u"SpeedButtonZoomNote"_s);
    zoomNote->setToolTip(texts::zoomNoteHint());

    // One grid, so both areas start on the same line whatever their headers hold.
    noteHeader = new QHBoxLayout;
    noteHeader->addWidget(caption(u"Note"_s, note));
    noteHeader->addStretch();
    noteHeader->addWidget(zoomNote);
    auto* memos = new QGridLayout;
    memos->setHorizontalSpacing(12);
    memos->setVerticalSpacing(2);
    memos->addWidget(caption(u"Address"_s, address), 0, 0, Qt::AlignLeft | Qt::AlignVCenter);
    memos->addLayout(noteHeader, 0, 1);
    memos->addWidget(address, 1, 0);
    memos->addWidget(note, 1, 1);
    memos->setColumnStretch(0, 1);
    memos->setColumnStretch(1, 1);
    memos->setRowStretch(1, 1);
    layout->addLayout(memos, 1);

    auto* attachGrid = new QGridLayout;
    attachGrid->setHorizontalSpacing(6);
    attachGrid->setVerticalSpacing(4);
    for (std::size_t i = 0; i < attachments.size(); ++i) {
        AttachmentRow& row = attachments[i];
        const QString suffix = rowSuffix(i);
        row.edit = lineEdit(u"Edit_Allegato"_s + suffix, ContactLimits::kAttachment);
        row.file = button(u"Attach file"_s, u"SpeedButtonAttachFile"_s + suffix);
        row.folder = button(u"Attach folder"_s, u"SpeedButtonAttachFolder"_s + suffix);
        row.clear = button(u"Clear"_s, u"SpeedButtonClearAllegato"_s + suffix);
        const int r = static_cast<int>(i);
        attachGrid->addWidget(caption(u"Attach "_s + QString::number(r + 1), row.edit), r, 0);
        attachGrid->addWidget(row.edit, r, 1);
        attachGrid->addWidget(row.file, r, 2);
        attachGrid->addWidget(row.folder, r, 3);
        attachGrid->addWidget(row.clear, r, 4);
    }
    attachGrid->setColumnStretch(1, 1);
    layout->addSpacing(4);
    layout->addLayout(attachGrid);
    return page;
}

QWidget* ContactDialogForm::buildBigNote()
{
    auto* page = new QWidget;
    page->setObjectName(u"Panel_Note_Fullscreen"_s);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);

    bigNote = memo(u"Memo_note_fullscreen"_s);
    bigNoteHeader = new QHBoxLayout;
    bigNoteHeader->addWidget(caption(u"Note"_s, bigNote));
    bigNoteHeader->addStretch();
    layout->addLayout(bigNoteHeader);
    layout->addWidget(bigNote, 1);
    return page;
}

QLayout* ContactDialogForm::buildButtons(ContactDialogMode mode)
{
    auto* layout = new QHBoxLayout;
    layout->setContentsMargins(0, 8, 0, 0);
    layout->setSpacing(6);
    hint = button(u"Hint"_s, u"SpeedButtonSpiegazione"_s);
    layout->addWidget(hint);
    if (mode == ContactDialogMode::Modify) {
        print = button(u"Print"_s, u"SpeedButtonPrintContact"_s);
        layout->addWidget(print);
    }
    layout->addStretch();
    if (mode == ContactDialogMode::Add) {
        add = button(u"Insert"_s, u"SpeedButtonAdd"_s);
        addClose = button(u"Insert and close"_s, u"SpeedButtonAddClose"_s);
        layout->addWidget(add);
        layout->addWidget(addClose);
    } else {
        modify = button(u"Modify"_s, u"SpeedButtonMod"_s);
        layout->addWidget(modify);
    }
    close = button(u"Close"_s, u"SpeedButton3"_s);
    layout->addWidget(close);
    return layout;
}

void ContactDialogForm::fitSizes(const QFont& font)
{
    const QFontMetrics metrics(font);
    const int photoWidth = metrics.averageCharWidth() * 17;
    photo->setFixedSize(photoWidth, photoWidth * 5 / 4);
    zoomNote->setFixedWidth(metrics.horizontalAdvance(u"+"_s) + metrics.averageCharWidth() * 4);
    const int memoHeight = metrics.lineSpacing() * 4 + metrics.lineSpacing() / 2 + 8;
    address->setMinimumHeight(memoHeight);
    note->setMinimumHeight(memoHeight);
    bigNote->setMinimumHeight(memoHeight);
    name->setMinimumWidth(metrics.averageCharWidth() * 36);
    for (const AttachmentRow& row : attachments)
        row.edit->setMinimumWidth(metrics.averageCharWidth() * 26);
}

QList<QWidget*> ContactDialogForm::tabOrder() const
{
    QList<QWidget*> order{name,    company,     phone,    mobile, skype, fax, email, site, group,
                          address, zoomNote,    note,     photoButton, birthday};
    for (const AttachmentRow& row : attachments)
        order << row.edit << row.file << row.folder << row.clear;
    order << hint << print << add << addClose << modify << close;
    order.removeAll(nullptr);
    return order;
}

QList<QWidget*> ContactDialogForm::oneLineFields() const
{
    QList<QWidget*> fields{name, company, phone, mobile, skype, fax, email, site};
    fields << group->lineEdit();
    for (const AttachmentRow& row : attachments)
        fields << row.edit;
    return fields;
}

} // namespace brivane::contacts::widgets
