#include "agenda/widgets/TaskDialogForm.h"

#include "agenda/EntryLabels.h"
#include "agenda/TimeText.h"
#include "agenda/widgets/TaskDialogTexts.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace brivane::agenda::widgets {

namespace {

QPushButton* button(const QString& caption, const QString& name)
{
    auto* result = new QPushButton(caption);
    result->setObjectName(name);
    // Enter is handled by the dialog itself, never by a default button.
    result->setAutoDefault(false);
    return result;
}

QCheckBox* checkBox(const QString& caption, const QString& name)
{
    auto* result = new QCheckBox(caption);
    result->setObjectName(name);
    return result;
}

QLineEdit* lineEdit(const QString& name, int maxLength)
{
    auto* result = new QLineEdit;
    result->setObjectName(name);
    result->setMaxLength(maxLength);
    return result;
}

QLineEdit* timeEdit(const QString& name)
{
    auto* result = new QLineEdit;
    result->setObjectName(name);
    result->setInputMask(timeInputMask());
    result->setText(QString());
    return result;
}

QPlainTextEdit* memo(const QString& name)
{
    auto* result = new QPlainTextEdit;
    result->setObjectName(name);
    result->setTabChangesFocus(true);
    return result;
}

QHBoxLayout* row(std::initializer_list<QWidget*> widgets, bool stretch = true)
{
    auto* layout = new QHBoxLayout;
    for (QWidget* widget : widgets)
        layout->addWidget(widget);
    if (stretch)
        layout->addStretch();
    return layout;
}

// The locale's short date order with a four-digit year.
QString expiryDisplayFormat()
{
    QString format = QLocale().dateFormat(QLocale::ShortFormat);
    if (!format.contains(u"yyyy"_s))
        format.replace(u"yy"_s, u"yyyy"_s);
    return format;
}

} // namespace

TaskDialogForm::TaskDialogForm(TaskKind kind, EntryMode mode, int lookAheadDays)
{
    fieldsPage = buildFields(kind, mode, lookAheadDays);
    bigNotePage = buildBigNote();
    buttons = buildButtons(mode);
}

QList<QWidget*> TaskDialogForm::tabOrder() const
{
    // Top to bottom, left to right, as the fields are laid out; absent ones
    // (another kind or mode) are left out.
    QList<QWidget*> order{showCalendar,    from,          to,         clearTimes,
                          description,     bigNoteButton, note,       link,
                          clearLink,       attachment,    attachFile, attachFolder,
                          clearAttachment, deleteAfter,   everyDay,   yearsCount,
                          parity,          important,     suspended,  expiration,
                          expiry,          hint,          print,      add,
                          addClose,        modify,        close};
    order.removeAll(nullptr);
    return order;
}

// Sizes that follow the font, so they grow with the scale percentage.
void TaskDialogForm::fitSizes(const QFont& font)
{
    const QFontMetrics metrics(font);
    for (QLineEdit* time : {from, to})
        time->setFixedWidth(metrics.horizontalAdvance(u"00:00"_s) + metrics.averageCharWidth() * 3);
    dateLabel->setMinimumWidth(metrics.horizontalAdvance(u"Wednesday 30 September 2000"_s) +
                               metrics.averageCharWidth() * 2);
    for (QPushButton* sign : {bigNoteButton, smallNoteButton})
        sign->setFixedWidth(metrics.horizontalAdvance(u"+"_s) + metrics.averageCharWidth() * 4);
    note->setMinimumHeight(metrics.lineSpacing() * 5 + metrics.lineSpacing() / 2 + 8);
    attachment->setMinimumWidth(metrics.averageCharWidth() * 30);
}

QWidget* TaskDialogForm::buildFields(TaskKind kind, EntryMode mode, int lookAheadDays)
{
    const TaskDialogTexts texts = TaskDialogTexts::of(kind, mode);
    auto* page = new QWidget;
    page->setObjectName(u"Panel_Upper"_s);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);

    dateLabel = new QLabel;
    dateLabel->setObjectName(u"Label_Date"_s);
    dateLabel->setFrameShape(QFrame::StyledPanel);
    dateLabel->setFrameShadow(QFrame::Sunken);
    dateLabel->setCursor(Qt::PointingHandCursor);
    showCalendar = button(u"Show calendar"_s, u"SpeedButtonCalendar"_s);
    layout->addLayout(row({new QLabel(texts.dateCaption), dateLabel, showCalendar}));

    from = timeEdit(u"MaskEdit_From"_s);
    to = timeEdit(u"MaskEdit_To"_s);
    clearTimes = button(u"Clear"_s, u"SpeedButtonClearTime"_s);
    layout->addLayout(row({new QLabel(u"From"_s), from, new QLabel(u"To"_s), to, clearTimes}));

    description = lineEdit(u"Edit_id"_s, kDescriptionLength);
    layout->addWidget(new QLabel(u"Description"_s));
    layout->addWidget(description);

    bigNoteButton = button(u"+"_s, u"SpeedButtonMemoBig"_s);
    auto* noteRow = new QHBoxLayout;
    noteRow->addWidget(new QLabel(u"Note"_s));
    noteRow->addStretch();
    noteRow->addWidget(bigNoteButton);
    layout->addLayout(noteRow);
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

    switch (kind) {
    case TaskKind::OneShot:
        deleteAfter = checkBox(u"Delete after this date"_s, u"CheckBox_Cancella"_s);
        everyDay = checkBox(u"Torment me every day!"_s, u"CheckBox_Tormenta"_s);
        layout->addLayout(row({deleteAfter, everyDay}));
        break;
    case TaskKind::Yearly:
        yearsCount = checkBox(u"Count the years"_s, u"CheckBox_Anni"_s);
        parity = checkBox(parityCaption(kind), u"CheckBox_Pari"_s);
        layout->addLayout(row({yearsCount, parity}));
        yearsLabel = new QLabel;
        yearsLabel->setObjectName(u"Label_Anni"_s);
        layout->addWidget(yearsLabel);
        break;
    case TaskKind::Monthly:
    case TaskKind::Weekly:
        parity = checkBox(parityCaption(kind), u"CheckBox_Pari"_s);
        layout->addLayout(row({parity}));
        break;
    }

    important = checkBox(lookAheadLabel(lookAheadDays), u"CheckBox_Anticipo"_s);
    suspended = checkBox(u"Suspend"_s, u"CheckBox_Sospeso"_s);
    layout->addLayout(row({important, suspended}));

    expiration = checkBox(u"Expiration"_s, u"CheckBox_scadenza"_s);
    expiry = new QDateEdit;
    expiry->setObjectName(u"DateTimePicker_scadenza"_s);
    expiry->setCalendarPopup(true);
    expiry->setDisplayFormat(expiryDisplayFormat());
    layout->addLayout(row({expiration, expiry}));

    doneLabel = new QLabel;
    doneLabel->setObjectName(u"Label_Fatto"_s);
    doneLabel->setVisible(mode == EntryMode::Modify);
    layout->addWidget(doneLabel);

    return page;
}

QWidget* TaskDialogForm::buildBigNote()
{
    auto* page = new QWidget;
    page->setObjectName(u"Panel_Memo_BIG"_s);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);

    smallNoteButton = button(u"-"_s, u"SpeedButtonMemoSmall"_s);
    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(u"Note"_s));
    top->addStretch();
    top->addWidget(smallNoteButton);
    layout->addLayout(top);

    bigNote = memo(u"Memo_BIG"_s);
    layout->addWidget(bigNote, 1);
    return page;
}

QLayout* TaskDialogForm::buildButtons(EntryMode mode)
{
    auto* layout = new QHBoxLayout;
    layout->setContentsMargins(0, 8, 0, 0);
    layout->setSpacing(6);
    hint = button(u"Hint"_s, u"SpeedButtonSpiegazioneImpegno"_s);
    layout->addWidget(hint);
    if (mode == EntryMode::Modify) {
        print = button(u"Print"_s, u"SpeedButtonPrintContact"_s);
        layout->addWidget(print);
    }
    layout->addStretch();
    if (mode == EntryMode::Add) {
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

} // namespace brivane::agenda::widgets
