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

using ui::formButton;
using ui::formLineEdit;
using ui::formMemo;

namespace {

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
    buildButtons(mode == ContactDialogMode::Modify,
                 {u"SpeedButtonSpiegazione"_s, u"SpeedButtonPrintContact"_s, u"SpeedButton3"_s});
}

QWidget* ContactDialogForm::buildFields()
{
    auto* page = new QWidget;
    page->setObjectName(u"Panel_Fields"_s);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);

    name = formLineEdit(u"Edit_ragsoc"_s, ContactLimits::kName);
    company = formLineEdit(u"Edit_soc"_s, ContactLimits::kCompany);
    phone = formLineEdit(u"Edit_tel"_s, ContactLimits::kText);
    mobile = formLineEdit(u"Edit_mobile"_s, ContactLimits::kText);
    skype = formLineEdit(u"EDIT_skype"_s, ContactLimits::kText);
    fax = formLineEdit(u"Edit_Fax"_s, ContactLimits::kText);
    email = formLineEdit(u"Edit_email"_s, ContactLimits::kText);
    site = formLineEdit(u"Edit_Site"_s, ContactLimits::kText);
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
    photoButton = formButton(texts::photoCaption(), u"SpeedButtonFoto"_s);
    photoButton->setToolTip(texts::photoCaption());
    birthday = formButton(texts::birthdayCaption(), u"SpeedButtonBirthday"_s);
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

    address = formMemo(u"EDIT_indirizzo"_s);
    note = formMemo(u"Edit_note"_s);
    zoomNote = formButton(u"+"_s, u"SpeedButtonZoomNote"_s);
    zoomNote->setToolTip(texts::zoomNoteHint());

    // One grid, so both areas start on the same line whatever their headers hold.
    noteHeader = ui::headerRow(caption(u"Note"_s, note), zoomNote);
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
        row = ui::attachmentControls(ContactLimits::kAttachment, suffix);
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

    bigNote = formMemo(u"Memo_note_fullscreen"_s);
    bigNoteHeader = ui::headerRow(caption(u"Note"_s, bigNote), nullptr);
    layout->addLayout(bigNoteHeader);
    layout->addWidget(bigNote, 1);
    return page;
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
    return order << buttonOrder();
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
