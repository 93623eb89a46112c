#include "agenda/widgets/TaskDialogForm.h"

#include "agenda/EntryLabels.h"
#include "agenda/TimeText.h"
#include "agenda/widgets/TaskDialogTexts.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace brivane::agenda::widgets {

using ui::formButton;
using ui::formCheckBox;
using ui::formLineEdit;
using ui::formRow;

namespace {

QLineEdit* timeEdit(const QString& name)
{
    auto* result = new QLineEdit;
    result->setObjectName(name);
    result->setInputMask(timeInputMask());
    result->setText(QString());
    return result;
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
    buildBigNotePage(QString());
    buildButtons(mode == EntryMode::Modify,
                 {u"SpeedButtonSpiegazioneImpegno"_s, u"SpeedButtonPrintContact"_s, u"SpeedButton3"_s});
}

QList<QWidget*> TaskDialogForm::tabOrder() const
{
    // Top to bottom, left to right, as the fields are laid out; absent ones
    // (another kind or mode) are left out.
    QList<QWidget*> order{showCalendar, from, to, clearTimes, description};
    order << noteLinkAndAttachmentOrder();
    order << QList<QWidget*>{deleteAfter, everyDay,  yearsCount, parity,
                             important,   suspended, expiration, expiry};
    order.removeAll(nullptr);
    order << buttonOrder();
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
    fitNoteSwitches(font);
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
    showCalendar = formButton(u"Show calendar"_s, u"SpeedButtonCalendar"_s);
    layout->addLayout(formRow({new QLabel(texts.dateCaption), dateLabel, showCalendar}));

    from = timeEdit(u"MaskEdit_From"_s);
    to = timeEdit(u"MaskEdit_To"_s);
    clearTimes = formButton(u"Clear"_s, u"SpeedButtonClearTime"_s);
    layout->addLayout(formRow({new QLabel(u"From"_s), from, new QLabel(u"To"_s), to, clearTimes}));

    description = formLineEdit(u"Edit_id"_s, kDescriptionLength);
    layout->addWidget(new QLabel(u"Description"_s));
    layout->addWidget(description);

    addNoteLinkAndAttachment(layout, QString());

    switch (kind) {
    case TaskKind::OneShot:
        deleteAfter = formCheckBox(u"Delete after this date"_s, u"CheckBox_Cancella"_s);
        everyDay = formCheckBox(u"Torment me every day!"_s, u"CheckBox_Tormenta"_s);
        layout->addLayout(formRow({deleteAfter, everyDay}));
        break;
    case TaskKind::Yearly:
        yearsCount = formCheckBox(u"Count the years"_s, u"CheckBox_Anni"_s);
        parity = formCheckBox(parityCaption(kind), u"CheckBox_Pari"_s);
        layout->addLayout(formRow({yearsCount, parity}));
        yearsLabel = new QLabel;
        yearsLabel->setObjectName(u"Label_Anni"_s);
        layout->addWidget(yearsLabel);
        break;
    case TaskKind::Monthly:
    case TaskKind::Weekly:
        parity = formCheckBox(parityCaption(kind), u"CheckBox_Pari"_s);
        layout->addLayout(formRow({parity}));
        break;
    }

    important = formCheckBox(lookAheadLabel(lookAheadDays), u"CheckBox_Anticipo"_s);
    suspended = formCheckBox(u"Suspend"_s, u"CheckBox_Sospeso"_s);
    layout->addLayout(formRow({important, suspended}));

    expiration = formCheckBox(u"Expiration"_s, u"CheckBox_scadenza"_s);
    expiry = new QDateEdit;
    expiry->setObjectName(u"DateTimePicker_scadenza"_s);
    expiry->setCalendarPopup(true);
    expiry->setDisplayFormat(expiryDisplayFormat());
    layout->addLayout(formRow({expiration, expiry}));

    doneLabel = new QLabel;
    doneLabel->setObjectName(u"Label_Fatto"_s);
    doneLabel->setVisible(mode == EntryMode::Modify);
    layout->addWidget(doneLabel);

    return page;
}

} // namespace brivane::agenda::widgets
