#include "ui/TodayTab.h"

#include "agenda/TodayQuery.h"
#include "ui/GridSetup.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace brivane::ui {

TodayTab::TodayTab(agenda::TodayQuery* model, QWidget* parent) : QWidget(parent), m_model(model)
{
    m_picker = new QDateEdit;
    m_picker->setObjectName(QStringLiteral("DateTimePickerTODAY"));
    m_picker->setCalendarPopup(true);
    m_picker->setDisplayFormat(QStringLiteral("dddd d MMMM yyyy"));
    m_picker->setMinimumWidth(200);
    auto* message = new QLabel;
    message->setObjectName(QStringLiteral("Panel_MEssaggio"));
    m_sideButton = new QToolButton;
    m_sideButton->setObjectName(QStringLiteral("SpeedButtonClendarioLato"));
    m_sideButton->setText(QStringLiteral("Calendar"));
    m_sideButton->setToolTip(QStringLiteral("Show or hide the side panel"));
    m_sideButton->setCheckable(true);
    auto* help = new QToolButton;
    help->setObjectName(QStringLiteral("SpeedButton_Help"));
    help->setText(QStringLiteral("?"));
    help->setToolTip(QStringLiteral("The tasks of the day shown in the date box"));

    auto* top = new QHBoxLayout;
    top->addWidget(m_picker);
    top->addWidget(message, 1);
    top->addWidget(m_sideButton);
    top->addWidget(help);

    m_grid = makeGrid(QStringLiteral("DBGrid_Today"));
    m_grid->setModel(model);
    m_memo = new QPlainTextEdit;
    m_memo->setObjectName(QStringLiteral("DBMemoToday"));
    m_memo->setReadOnly(true);
    m_memo->setMaximumHeight(90);

    m_side = new QWidget;
    m_side->setObjectName(QStringLiteral("Panel_LATO"));
    m_calendar = new QCalendarWidget;
    m_calendar->setObjectName(QStringLiteral("Calendario_Lato"));
    m_calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    m_calendar->setGridVisible(false);
    auto* sideTabs = new QTabWidget;
    sideTabs->setObjectName(QStringLiteral("PageControlLato"));
    auto* entries = new QWidget;
    auto* entriesLayout = new QVBoxLayout(entries);
    const QList<QPair<QChar, const char*>> counts = {
        {QLatin1Char('O'), "Label_Conteggio_Giornalieri"}, {QLatin1Char('Y'), "Label_Conteggio_Annuali"},
        {QLatin1Char('M'), "Label_Conteggio_Mensili"},     {QLatin1Char('W'), "Label_Conteggio_Settimanali"},
        {QLatin1Char('C'), "Label_Conteggio_Contatti"},    {QLatin1Char('N'), "Label_Conteggio_Note"},
        {QLatin1Char('L'), "Label_Conteggio_Lista"},       {QLatin1Char('D'), "Label_Conteggio_Deposito"}};
    for (const auto& [section, name] : counts) {
        auto* label = new QLabel;
        label->setObjectName(QLatin1String(name));
        entriesLayout->addWidget(label);
        m_counts.insert(section, label);
    }
    entriesLayout->addStretch();
    auto* calendarPage = new QWidget;
    auto* calendarLayout = new QVBoxLayout(calendarPage);
    m_showSuspended = new QCheckBox(QStringLiteral("Show suspended"));
    m_showSuspended->setObjectName(QStringLiteral("CheckBox_Visualizza_Sospesi"));
    m_highlights = new QComboBox;
    m_highlights->setObjectName(QStringLiteral("ComboBoxNero"));
    m_highlights->addItems({QStringLiteral("All"), QStringLiteral("One Shot"), QStringLiteral("Yearly"),
                            QStringLiteral("Monthly"), QStringLiteral("Weekly")});
    m_exclude = new QComboBox;
    m_exclude->setObjectName(QStringLiteral("ComboBoxEscludiNero"));
    m_exclude->addItems({QStringLiteral("None"), QStringLiteral("One Shot"), QStringLiteral("Yearly"),
                         QStringLiteral("Monthly"), QStringLiteral("Weekly")});
    calendarLayout->addWidget(new QLabel(QStringLiteral("Highlights")));
    calendarLayout->addWidget(m_highlights);
    calendarLayout->addWidget(new QLabel(QStringLiteral("Exclude")));
    calendarLayout->addWidget(m_exclude);
    calendarLayout->addWidget(m_showSuspended);
    calendarLayout->addStretch();
    sideTabs->addTab(entries, QStringLiteral("Entries"));
    sideTabs->addTab(calendarPage, QStringLiteral("Calendar"));
    auto* sideLayout = new QVBoxLayout(m_side);
    sideLayout->setContentsMargins(0, 0, 0, 0);
    sideLayout->addWidget(m_calendar);
    sideLayout->addWidget(sideTabs, 1);
    m_side->setMaximumWidth(260);

    auto* main = new QWidget;
    auto* mainLayout = new QVBoxLayout(main);
    mainLayout->setContentsMargins(0, 0, 0, 0);
    mainLayout->addWidget(m_grid, 1);
    mainLayout->addWidget(m_memo);
    auto* body = new QHBoxLayout;
    body->addWidget(m_side);
    body->addWidget(main, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(body, 1);

    setStartupControlsEnabled(false);
    connect(m_picker, &QDateEdit::dateChanged, this, [this](const QDate& date) {
        const QSignalBlocker block(m_calendar);
        m_calendar->setSelectedDate(date);
        Q_EMIT viewedDateChanged(date);
    });
    connect(m_calendar, &QCalendarWidget::clicked, this, [this](const QDate& date) { setViewedDate(date); });
    connect(m_showSuspended, &QCheckBox::toggled, this, &TodayTab::showSuspendedChanged);
    connect(m_sideButton, &QToolButton::clicked, this, [this](bool shown) {
        m_side->setVisible(shown);
        Q_EMIT sidePanelToggled(shown);
    });
    connect(m_model, &QAbstractItemModel::modelReset, this, [this] {
        if (m_model->rowCount() > 0)
            m_grid->selectRow(0);
        showNoteOfCurrentRow();
    });
    connect(m_grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &TodayTab::showNoteOfCurrentRow);
}

void TodayTab::showNoteOfCurrentRow()
{
    const int row = m_grid->currentIndex().row();
    const int column = m_model->columnOf("note");
    m_memo->setPlainText(row >= 0 && column >= 0 ? m_model->index(row, column).data().toString() : QString());
}

QDate TodayTab::viewedDate() const
{
    return m_picker->date();
}

void TodayTab::setViewedDate(const QDate& date)
{
    m_picker->setDate(date);
}

bool TodayTab::showSuspended() const
{
    return m_showSuspended->isChecked();
}

void TodayTab::setStartupControlsEnabled(bool enabled)
{
    m_showSuspended->setEnabled(enabled);
    m_highlights->setEnabled(enabled);
    m_exclude->setEnabled(enabled);
}

void TodayTab::setSidePanelShown(bool shown)
{
    m_sideButton->setChecked(shown);
    m_side->setVisible(shown);
}

bool TodayTab::sidePanelShown() const
{
    return m_sideButton->isChecked();
}

void TodayTab::setCount(QChar section, const QString& text)
{
    if (QLabel* label = m_counts.value(section))
        label->setText(text);
}

void TodayTab::setTodayShading(bool viewingToday)
{
    m_picker->setStyleSheet(viewingToday ? QStringLiteral("QDateEdit { background: white; }")
                                         : QStringLiteral("QDateEdit { background: palette(button); }"));
}

void TodayTab::resetCalendarFilters()
{
    m_highlights->setCurrentIndex(0);
    m_exclude->setCurrentIndex(0);
}

void TodayTab::refitColumns()
{
    showColumns(m_grid, m_model, {QStringLiteral("orario"), QStringLiteral("orario2"), QStringLiteral("id")},
                {QStringLiteral("From"), QStringLiteral("To"), QStringLiteral("Description")});
}

QWidget* TodayTab::focusTarget() const
{
    return m_grid;
}

} // namespace brivane::ui
