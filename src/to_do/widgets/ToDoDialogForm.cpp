#include "to_do/widgets/ToDoDialogForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace brivane::to_do::widgets {

namespace {

QPushButton* button(const QString& caption, const QString& name, const QString& hint = QString())
{
    auto* result = new QPushButton(caption);
    result->setObjectName(name);
    result->setToolTip(hint);
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

} // namespace

ToDoDialogForm::ToDoDialogForm(ToDoDialogMode mode)
{
    fieldsPage = buildFields(mode);
    bigNotePage = buildBigNote();
    buttons = buildButtons(mode);
}

QList<QWidget*> ToDoDialogForm::tabOrder() const
{
    QList<QWidget*> order{description, priority,   group,      done,         percent,      bigNoteButton,
                          note,        link,       clearLink,  attachment,   attachFile,   attachFolder,
                          clearAttachment, hint,   print,      add,          addClose,     modify,
                          close};
    order.removeAll(nullptr);
    return order;
}

QList<QWidget*> ToDoDialogForm::oneLineFields() const
{
    return {description, priority, group, link, attachment};
}

void ToDoDialogForm::fitSizes(const QFont& font)
{
    const QFontMetrics metrics(font);
    for (QPushButton* sign : {bigNoteButton, smallNoteButton})
        sign->setFixedWidth(metrics.horizontalAdvance(u"+"_s) + metrics.averageCharWidth() * 4);
    priority->setMinimumWidth(metrics.horizontalAdvance(u"99"_s) + metrics.averageCharWidth() * 6);
    group->setMinimumWidth(metrics.averageCharWidth() * 22);
    note->setMinimumHeight(metrics.lineSpacing() * 6 + 8);
    description->setMinimumWidth(metrics.averageCharWidth() * 80);
    if (percentLabel)
        percentLabel->setMinimumWidth(metrics.horizontalAdvance(u"100%"_s) + metrics.averageCharWidth());
}

QWidget* ToDoDialogForm::buildFields(ToDoDialogMode mode)
{
    auto* page = new QWidget;
    page->setObjectName(u"Panel_Upper"_s);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);

    description = lineEdit(u"Edit_id"_s, kDescriptionLength);
    layout->addWidget(new QLabel(u"Description"_s));
    layout->addWidget(description);

    priority = new QSpinBox;
    priority->setObjectName(u"SpinEdit_Priority"_s);
    priority->setRange(1, 99);
    priority->setValue(5);
    group = new QComboBox;
    group->setObjectName(u"ComboBox_List_Group"_s);
    group->setEditable(true);
    group->setInsertPolicy(QComboBox::NoInsert);
    group->setCompleter(nullptr);
    group->lineEdit()->setMaxLength(kGroupLength);
    auto* numbers = new QHBoxLayout;
    numbers->addWidget(new QLabel(u"Priority"_s));
    numbers->addWidget(priority);
    numbers->addSpacing(16);
    numbers->addWidget(new QLabel(u"Group"_s));
    numbers->addWidget(group, 1);
    layout->addLayout(numbers);

    if (mode == ToDoDialogMode::Modify) {
        done = new QCheckBox(u"Done"_s);
        done->setObjectName(u"CheckBoxSolved"_s);
        percent = new QSlider(Qt::Horizontal);
        percent->setObjectName(u"TrackBarPercento"_s);
        percent->setRange(0, 100);
        percent->setSingleStep(1);
        percent->setPageStep(10);
        percent->setTickPosition(QSlider::TicksBelow);
        percent->setTickInterval(10);
        percentLabel = new QLabel(u"0%"_s);
        percentLabel->setObjectName(u"Label_Percento"_s);
        percentLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        auto* state = new QHBoxLayout;
        state->addWidget(done);
        state->addSpacing(16);
        state->addWidget(percent, 1);
        state->addWidget(percentLabel);
        layout->addLayout(state);
    }

    bigNoteButton = button(u"+"_s, u"SpeedButtonMemoBig"_s, u"Area note grande/normale"_s);
    auto* noteHeader = new QHBoxLayout;
    noteHeader->addWidget(new QLabel(u"Note"_s));
    noteHeader->addStretch();
    noteHeader->addWidget(bigNoteButton);
    layout->addLayout(noteHeader);
    note = memo(u"Memo"_s);
    layout->addWidget(note, 1);

    link = lineEdit(u"Edit_Ricerca"_s, kLinkLength);
    clearLink = button(u"Clear"_s, u"SpeedButtonClearRicerca"_s);
    layout->addWidget(new QLabel(u"Link to a contact, company or group"_s));
    auto* linkRow = new QHBoxLayout;
    linkRow->addWidget(link, 1);
    linkRow->addWidget(clearLink);
    layout->addLayout(linkRow);

    attachment = lineEdit(u"Edit_Allegato"_s, kAttachmentLength);
    attachFile = button(u"Attach file"_s, u"SpeedButtonAttachFile"_s);
    attachFolder = button(u"Attach folder"_s, u"SpeedButtonAttachFolder"_s);
    clearAttachment = button(u"Clear"_s, u"SpeedButtonClearAllegato"_s);
    layout->addWidget(new QLabel(u"Attach a file, folder, e-mail or website"_s));
    auto* attachRow = new QHBoxLayout;
    attachRow->addWidget(attachment, 1);
    attachRow->addWidget(attachFile);
    attachRow->addWidget(attachFolder);
    attachRow->addWidget(clearAttachment);
    layout->addLayout(attachRow);
    return page;
}

QWidget* ToDoDialogForm::buildBigNote()
{
    auto* page = new QWidget;
    page->setObjectName(u"Panel_Memo_BIG"_s);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    smallNoteButton = button(u"-"_s, u"SpeedButtonMemoSmall"_s, u"Area note grande/normale"_s);
    auto* header = new QHBoxLayout;
    header->addWidget(new QLabel(u"Note"_s));
    header->addStretch();
    header->addWidget(smallNoteButton);
    layout->addLayout(header);
    bigNote = memo(u"Memo_BIG"_s);
    layout->addWidget(bigNote, 1);
    return page;
}

QLayout* ToDoDialogForm::buildButtons(ToDoDialogMode mode)
{
    auto* layout = new QHBoxLayout;
    layout->setContentsMargins(0, 8, 0, 0);
    layout->setSpacing(6);
    hint = button(u"Hint"_s, u"SpeedButtonHint"_s);
    layout->addWidget(hint);
    if (mode == ToDoDialogMode::Modify) {
        print = button(u"Print"_s, u"SpeedButtonPrint"_s);
        layout->addWidget(print);
    }
    layout->addStretch();
    if (mode == ToDoDialogMode::Add) {
        add = button(u"Insert"_s, u"SpeedButtonAdd"_s);
        addClose = button(u"Insert and close"_s, u"SpeedButtonAddClose"_s);
        layout->addWidget(add);
        layout->addWidget(addClose);
    } else {
        modify = button(u"Modify"_s, u"SpeedButtonMod"_s);
        layout->addWidget(modify);
    }
    close = button(u"Close"_s, u"SpeedButtonClose"_s);
    layout->addWidget(close);
    return layout;
}

} // namespace brivane::to_do::widgets
