#include "to_do/widgets/ToDoDialogForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace brivane::to_do::widgets {

using ui::formLineEdit;

namespace {

// The tip of both note switches.
const QString kNoteSwitchHint = u"Area note grande/normale"_s;

} // namespace

ToDoDialogForm::ToDoDialogForm(ToDoDialogMode mode)
{
    fieldsPage = buildFields(mode);
    buildBigNotePage(kNoteSwitchHint);
    buildButtons(mode == ToDoDialogMode::Modify,
                 {u"SpeedButtonHint"_s, u"SpeedButtonPrint"_s, u"SpeedButtonClose"_s});
}

QList<QWidget*> ToDoDialogForm::tabOrder() const
{
    QList<QWidget*> order{description, priority, group, done, percent};
    order.removeAll(nullptr);
    order << noteLinkAndAttachmentOrder() << buttonOrder();
    return order;
}

QList<QWidget*> ToDoDialogForm::oneLineFields() const
{
    return {description, priority, group, link, attachment};
}

void ToDoDialogForm::fitSizes(const QFont& font)
{
    const QFontMetrics metrics(font);
    fitNoteSwitches(font);
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

    description = formLineEdit(u"Edit_id"_s, kDescriptionLength);
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
        done = ui::formCheckBox(u"Done"_s, u"CheckBoxSolved"_s);
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

    addNoteLinkAndAttachment(layout, kNoteSwitchHint);
    return page;
}

} // namespace brivane::to_do::widgets
