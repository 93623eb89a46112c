#include "documents/widgets/DocumentsPage.h"

#include "platform/Clock.h"
#include "platform/widgets/MessageBox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

namespace brivane::documents::widgets {

namespace {
const char* const kWeekDays[7] = {"Mon", "Teu", "Wed", "Thu", "Fri", "Sat", "Sun"};
}

DocumentsPage::DocumentsPage(QWidget* parent) : QTabWidget(parent)
{
    setObjectName(QStringLiteral("PageControlDocuments"));
    const QDate today = platform::Clock::instance().today();
    m_start = new QDateEdit(today);
    m_start->setObjectName(QStringLiteral("DateTimePickerPartenza"));
    m_end = new QDateEdit(today);
    m_end->setObjectName(QStringLiteral("DateTimePickerArrivo"));
    for (QDateEdit* picker : {m_start, m_end}) {
        picker->setCalendarPopup(true);
        picker->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    }
    // An end before the start takes the start with it.
    connect(m_end, &QDateEdit::dateChanged, this, [this](const QDate& end) {
        if (end < m_start->date())
            m_start->setDate(end);
    });
    auto* dates = new QWidget;
    auto* dateRow = new QHBoxLayout(dates);
    dateRow->setContentsMargins(0, 0, 0, 0);
    dateRow->addWidget(new QLabel(QStringLiteral("Produce plan from this date...")));
    dateRow->addWidget(m_start);
    dateRow->addWidget(new QLabel(QStringLiteral("... to this date")));
    dateRow->addWidget(m_end);
    dateRow->addStretch();
    addTab(page(DailyPlan,
                {dates, box(QStringLiteral("CheckBox_DocFree"), QStringLiteral("Free")),
                 box(QStringLiteral("CheckBox_DocNote"), QStringLiteral("Note")),
                 box(QStringLiteral("CheckBox_DocSuspend"), QStringLiteral("Suspend")),
                 box(QStringLiteral("CheckBox_DocChecked"), QStringLiteral("Checked")),
                 box(QStringLiteral("CheckBox_DocO"), QStringLiteral("O"), true),
                 box(QStringLiteral("CheckBox_DocY"), QStringLiteral("Y"), true),
                 box(QStringLiteral("CheckBox_DocM"), QStringLiteral("M"), true),
                 box(QStringLiteral("CheckBox_DocW"), QStringLiteral("W"), true)},
                QString()),
           QStringLiteral("Tasks"));

    m_section = new QComboBox;
    m_section->setObjectName(QStringLiteral("ComboBox_GAMS"));
    m_section->addItems(listSectionNames());
    addTab(page(List,
                {m_section, box(QStringLiteral("CheckBox_ListChecked"), QStringLiteral("Checked")),
                 box(QStringLiteral("CheckBox_ListNote"), QStringLiteral("Note")),
                 box(QStringLiteral("CheckBox_ListSuspend"), QStringLiteral("Suspend"))},
                QStringLiteral(
                    "The document will list the tasks that are visible at this time in the section chosen.")),
           QStringLiteral("O Y M W"));

    QList<QWidget*> week;
    for (int i = 0; i < 7; ++i)
        week << box(QStringLiteral("CheckBox_Week") + QLatin1String(kWeekDays[i]),
                    QLatin1String(kWeekDays[i]), i < 6);
    week << box(QStringLiteral("CheckBox_WeekNote"), QStringLiteral("Note"));
    addTab(page(Week, week,
                QStringLiteral(
                    "The document will list only the tasks in the the week that contains the selected day "
                    "in the today section.")),
           QStringLiteral("Week"));

    QList<QWidget*> fields;
    for (const char* field :
         {"Company", "Phone", "Mobile", "E-mail", "Fax", "Address", "Group", "Note", "Skype", "Web"})
        fields << box(QStringLiteral("CheckBox_Contact") +
                          QString::fromLatin1(field).remove(QLatin1Char('-')),
                      QLatin1String(field));
    addTab(page(Contacts, fields,
                QStringLiteral(
                    "The document will list the contact that are visible at this time in the contacts tab.")),
           QStringLiteral("Contacts"));

    addTab(
        page(ToDo,
             {box(QStringLiteral("CheckBox_ToDoChecked"), QStringLiteral("Checked")),
              box(QStringLiteral("CheckBox_ToDoNote"), QStringLiteral("Note")),
              box(QStringLiteral("CheckBox_ToDoPriority"), QStringLiteral("Priority")),
              box(QStringLiteral("CheckBox_ToDoPercentage"), QStringLiteral("Percentage"))},
             QStringLiteral("The document will list the tasks that are visible at this time in the list.")),
        QStringLiteral("To Do"));
}

QCheckBox* DocumentsPage::box(const QString& objectName, const QString& text, bool checked)
{
    auto* check = new QCheckBox(text);
    check->setObjectName(objectName);
    check->setChecked(checked);
    return check;
}

bool DocumentsPage::ticked(const QString& objectName) const
{
    const auto* check = findChild<QCheckBox*>(objectName);
    return check && check->isChecked();
}

QWidget* DocumentsPage::page(int document, const QList<QWidget*>& options, const QString& help)
{
    static const char* const names[] = {"SpeedButton_ProduceTasks", "SpeedButton_ProduceList",
                                        "SpeedButton_ProduceWeek", "SpeedButton_ProduceContacts",
                                        "SpeedButton_ProduceToDo"};
    auto* widget = new QWidget;
    auto* layout = new QVBoxLayout(widget);
    auto* grid = new QGridLayout;
    int slot = 0;
    for (QWidget* option : options) {
        // A wide control (the dates) takes a row of its own.
        if (!qobject_cast<QCheckBox*>(option)) {
            grid->addWidget(option, slot / 5, 0, 1, 5);
            slot += 5 - slot % 5;
            continue;
        }
        grid->addWidget(option, slot / 5, slot % 5);
        ++slot;
    }
    layout->addLayout(grid);
    layout->addStretch();
    auto* buttons = new QHBoxLayout;
    auto* produce = new QToolButton;
    produce->setObjectName(QLatin1String(names[document]));
    produce->setText(QStringLiteral("Produce document"));
    produce->setToolTip(QStringLiteral("Generate the document and asks where to save"));
    produce->setToolButtonStyle(Qt::ToolButtonTextOnly);
    connect(produce, &QToolButton::clicked, this, [this, document] { Q_EMIT produceRequested(document); });
    buttons->addWidget(produce);
    buttons->addStretch();
    if (!help.isEmpty()) {
        auto* hint = new QToolButton;
        hint->setObjectName(QLatin1String(names[document]) + QStringLiteral("Help"));
        hint->setText(QStringLiteral("?"));
        hint->setToolTip(QStringLiteral("Hint"));
        connect(hint, &QToolButton::clicked, this,
                [this, help] { platform::MessageBox::information(this, help); });
        buttons->addWidget(hint);
    }
    layout->addLayout(buttons);
    return widget;
}

DailyPlanOptions DocumentsPage::dailyPlanOptions() const
{
    DailyPlanOptions options;
    options.start = m_start->date();
    options.end = m_end->date();
    options.freeDays = ticked(QStringLiteral("CheckBox_DocFree"));
    options.notes = ticked(QStringLiteral("CheckBox_DocNote"));
    options.suspended = ticked(QStringLiteral("CheckBox_DocSuspend"));
    options.checked = ticked(QStringLiteral("CheckBox_DocChecked"));
    options.kinds.clear();
    for (const QString& kind :
         {QStringLiteral("O"), QStringLiteral("Y"), QStringLiteral("M"), QStringLiteral("W")})
        if (ticked(QStringLiteral("CheckBox_Doc") + kind))
            options.kinds += kind;
    return options;
}

void DocumentsPage::setPlanDates(const QDate& start, const QDate& end)
{
    m_start->setDate(start);
    m_end->setDate(end);
}

int DocumentsPage::listSection() const
{
    return m_section->currentIndex();
}

ListOptions DocumentsPage::listOptions() const
{
    return {ticked(QStringLiteral("CheckBox_ListChecked")), ticked(QStringLiteral("CheckBox_ListNote")),
            ticked(QStringLiteral("CheckBox_ListSuspend"))};
}

WeeklyOptions DocumentsPage::weeklyOptions() const
{
    WeeklyOptions options;
    for (int i = 0; i < 7; ++i)
        options.days[i] = ticked(QStringLiteral("CheckBox_Week") + QLatin1String(kWeekDays[i]));
    options.notes = ticked(QStringLiteral("CheckBox_WeekNote"));
    return options;
}

ContactFields DocumentsPage::contactFields() const
{
    auto on = [this](const char* field) {
        return ticked(QStringLiteral("CheckBox_Contact") + QLatin1String(field));
    };
    ContactFields fields;
    fields.company = on("Company");
    fields.phone = on("Phone");
    fields.mobile = on("Mobile");
    fields.email = on("Email");
    fields.fax = on("Fax");
    fields.address = on("Address");
    fields.group = on("Group");
    fields.note = on("Note");
    fields.skype = on("Skype");
    fields.web = on("Web");
    return fields;
}

ToDoOptions DocumentsPage::toDoOptions() const
{
    return {ticked(QStringLiteral("CheckBox_ToDoChecked")), ticked(QStringLiteral("CheckBox_ToDoNote")),
            ticked(QStringLiteral("CheckBox_ToDoPriority")),
            ticked(QStringLiteral("CheckBox_ToDoPercentage"))};
}

} // namespace brivane::documents::widgets
