#include "agenda/widgets/TaskListTab.h"

#include "agenda/DateFormat.h"
#include "agenda/TaskListQuery.h"
#include "agenda/YearsCount.h"
#include "platform/Clock.h"
#include "platform/widgets/MessageBox.h"
#include "store/SqlDate.h"
#include "ui/GridSetup.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSqlRecord>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace brivane::ui {

using agenda::TaskListQuery;

TaskListTab::TaskListTab(TaskListQuery* query, QWidget* parent)
    : QWidget(parent), m_query(query), m_flag(query->flag())
{
    m_grid = makeGrid(names("DBGrid_Shot", "DBGrid_Year", "DBGrid_Month", "DBGrid_Week"));
    m_grid->setModel(query);
    m_grid->installEventFilter(this);

    m_searchIn = new QComboBox;
    m_searchIn->setObjectName(names("ComboBox_KindFindShot", "ComboBox_KindFindYear", "ComboBox_KindFindMonth",
                                    "ComboBox_KindFindWeek"));
    m_searchIn->addItems({QStringLiteral("Description"), QStringLiteral("Note")});
    m_search = new QLineEdit;
    m_search->setObjectName(names("Edit_Find_Shot", "Edit_Find_Year", "Edit_Find_Month", "Edit_Find_Week"));
    m_search->setPlaceholderText(QStringLiteral("Search"));
    m_counter = new QLabel;
    m_counter->setObjectName(names("Panel_Shot", "Panel_year", "Panel_Month", "Panel_week"));
    m_counter->setFrameShape(QFrame::StyledPanel);
    m_counter->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_counter->setMinimumWidth(80);

    auto* insert = addButton(names("SpeedButtonadShot", "SpeedButtonAddYear", "SpeedButtonAggMese", "SpeedButtonAggWeek"),
                             QStringLiteral("Insert"), QStringLiteral("Insert"));
    m_modify = addButton(names("SpeedButtonModShot", "SpeedButtonModYear", "SpeedButtonModMese", "SpeedButtonModWeek"),
                         QStringLiteral("Modify "), QStringLiteral("Modify"));
    m_clone = addButton(names("SpeedButtonDateDupli", "SpeedButtonPrintyear", "SpeedButtonPrintMese",
                              "SpeedButtonPrintWeek"),
                        QStringLiteral("Clone "), QStringLiteral("Clone"));
    m_delete = addButton(names("SpeedButtonDelShot", "SpeedButtonDelyear", "SpeedButtonDelMese", "SpeedButtonDelWeek"),
                         QStringLiteral("Delete "), QStringLiteral("Delete"));
    m_attach = addButton(names("SpeedButtonAllegatoShot", "SpeedButtonAllegatoYear", "SpeedButtonAllegatoMonth",
                               "SpeedButtonAllegatoWeek"),
                         QStringLiteral("Attach"), QStringLiteral("Attach"));
    m_print = addButton(names("SpeedButtonDupliShot", "SpeedButtonDupliYear", "SpeedButtonDupliMonth",
                              "SpeedButtonDupliWeek"),
                        QStringLiteral("Print "), QStringLiteral("Print"));
    m_order = addButton(names("SpeedButtonOrderShot", "SpeedButtonOrderYear", "SpeedButtonOrderMonth",
                              "SpeedButtonorderWeek"),
                        QStringLiteral("Order"), QStringLiteral("Order"));
    m_clear = addButton(names("SpeedButtonClearShot", "SpeedButtonClearYear", "SpeedButtonClearMonth",
                              "SpeedButtonClearWeek"),
                        QStringLiteral("Clear "), QStringLiteral("Clear"));
    m_clear->setEnabled(false);
    auto* hintButton = addButton(names("SpeedButtonHintShot", "SpeedButtonHintAnno", "SpeedButtonHelpMonth",
                                       "SpeedButtonHelpWeek"),
                                 QStringLiteral("Hint"), QStringLiteral("?"));

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(2);
    for (QToolButton* button : std::as_const(m_toolbar))
        if (button != m_clear && button != hintButton)
            buttons->addWidget(button);
    buttons->addStretch();
    buttons->addWidget(m_counter);
    buttons->addWidget(hintButton);

    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(m_searchIn);
    searchRow->addWidget(m_search, 1);
    searchRow->addWidget(m_clear);

    auto* filterRow = new QHBoxLayout;
    if (m_flag == QLatin1String("O")) {
        m_autoSearch = new QCheckBox(QStringLiteral("Automatic search"));
        m_autoSearch->setObjectName(QStringLiteral("CheckBoxAutoFindShot"));
        m_autoSearch->setChecked(true);
        m_period = new QCheckBox(QStringLiteral("Period"));
        m_period->setObjectName(QStringLiteral("CheckBoxPeriodShot"));
        const QDate today = platform::Clock::instance().today();
        m_periodFrom = new QDateEdit(today);
        m_periodFrom->setObjectName(QStringLiteral("DateTimePickerPeriodFrom"));
        m_periodTo = new QDateEdit(today);
        m_periodTo->setObjectName(QStringLiteral("DateTimePickerPeriodTo"));
        for (QDateEdit* picker : {m_periodFrom, m_periodTo}) {
            picker->setCalendarPopup(true);
            picker->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
        }
        m_query->periodFrom = today;
        m_query->periodTo = today;
        filterRow->addWidget(m_autoSearch);
        filterRow->addStretch();
        filterRow->addWidget(m_period);
        filterRow->addWidget(new QLabel(QStringLiteral("From")));
        filterRow->addWidget(m_periodFrom);
        filterRow->addWidget(new QLabel(QStringLiteral("To")));
        filterRow->addWidget(m_periodTo);
        connect(m_autoSearch, &QCheckBox::clicked, this, [this](bool on) {
            if (!on) {
                platform::MessageBox::information(
                    this, QStringLiteral("You have disabled the automatic search as you type. \rTo start the search, "
                                         "press the ENTER key in the search box."));
            }
            m_search->setFocus();
        });
        connect(m_period, &QCheckBox::toggled, this, [this](bool on) {
            m_query->periodOn = on;
            Q_EMIT searchChanged();
        });
        connect(m_periodFrom, &QDateEdit::dateChanged, this, [this](const QDate& date) {
            m_query->periodFrom = date;
            Q_EMIT searchChanged();
        });
        connect(m_periodTo, &QDateEdit::dateChanged, this, [this](const QDate& date) {
            m_query->periodTo = date;
            Q_EMIT searchChanged();
        });
    } else if (m_flag == QLatin1String("Y")) {
        m_month = new QComboBox;
        m_month->setObjectName(QStringLiteral("ComboBox_Month"));
        for (int month = 1; month <= 12; ++month)
            m_month->addItem(QLocale().standaloneMonthName(month, QLocale::LongFormat));
        m_month->addItem(QStringLiteral("All"));
        m_month->setCurrentIndex(12);
        filterRow->addWidget(new QLabel(QStringLiteral("Month")));
        filterRow->addWidget(m_month);
        filterRow->addStretch();
        connect(m_month, &QComboBox::currentIndexChanged, this, [this](int index) {
            m_query->month = index < 12 ? index + 1 : 0;
            Q_EMIT searchChanged();
        });
    } else if (m_flag == QLatin1String("W")) {
        m_weekday = new QComboBox;
        m_weekday->setObjectName(QStringLiteral("ComboBox_dayofweek"));
        // Monday to Sunday, written as the tasks store them.
        const QDate monday(2024, 1, 1);
        for (int day = 0; day < 7; ++day)
            m_weekday->addItem(agenda::formatDate(monday.addDays(day), QStringLiteral("dddd")));
        m_weekday->addItem(QStringLiteral("All"));
        m_weekday->setCurrentIndex(7);
        filterRow->addWidget(new QLabel(QStringLiteral("Day")));
        filterRow->addWidget(m_weekday);
        filterRow->addStretch();
        connect(m_weekday, &QComboBox::currentIndexChanged, this, [this](int index) {
            m_query->weekday = index < 7 ? m_weekday->itemText(index) : QString();
            Q_EMIT searchChanged();
        });
    }

    m_detail = new QLabel;
    m_detail->setObjectName(names("Panel_Data_Shot", "Panel_Data_Year", "Panel_Data_Month", "Panel_Data_Week"));
    m_detail->setFrameShape(QFrame::StyledPanel);
    auto* detailRow = new QHBoxLayout;
    detailRow->addWidget(m_detail, 1);
    if (m_flag == QLatin1String("Y")) {
        m_years = new QLabel;
        m_years->setObjectName(QStringLiteral("Panel_Anni"));
        m_years->setFrameShape(QFrame::StyledPanel);
        detailRow->addWidget(m_years);
    }
    m_memo = new QPlainTextEdit;
    m_memo->setObjectName(names("DBMemo_Shot", "DBMemo_Year", "DBMemo_Month", "DBMemo_Week"));
    m_memo->setReadOnly(true);
    m_memo->setMaximumHeight(80);
    m_memo->installEventFilter(this);
    m_memo->viewport()->installEventFilter(this);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addLayout(searchRow);
    if (filterRow->count() > 0)
        layout->addLayout(filterRow);
    else
        delete filterRow;
    layout->addWidget(m_grid, 1);
    layout->addLayout(detailRow);
    layout->addWidget(m_memo);

    connect(m_searchIn, &QComboBox::activated, this, [this](int index) {
        m_query->searchIn = index == 1 ? TaskListQuery::SearchIn::Note : TaskListQuery::SearchIn::Description;
        m_search->setFocus();
        if (!m_autoSearch || m_autoSearch->isChecked())
            Q_EMIT searchChanged();
    });
    connect(m_search, &QLineEdit::textChanged, this, &TaskListTab::searchTextEdited);
    connect(m_search, &QLineEdit::returnPressed, this, [this] { Q_EMIT searchChanged(); });
    connect(m_clear, &QToolButton::clicked, this, [this] {
        if (m_autoSearch)
            m_autoSearch->setChecked(true);
        m_search->clear();
    });
    connect(m_order, &QToolButton::clicked, this, [this] {
        m_query->descending = !m_query->descending;
        Q_EMIT searchChanged();
    });
    connect(insert, &QToolButton::clicked, this, &TaskListTab::insertRequested);
    connect(m_modify, &QToolButton::clicked, this, [this] {
        if (currentRow() >= 0)
            Q_EMIT modifyRequested(currentKey(), false);
    });
    connect(m_clone, &QToolButton::clicked, this, [this] {
        if (currentRow() >= 0)
            Q_EMIT cloneRequested(currentKey());
    });
    connect(m_delete, &QToolButton::clicked, this, [this] {
        if (currentRow() >= 0)
            Q_EMIT deleteRequested(currentKey());
    });
    connect(m_attach, &QToolButton::clicked, this, [this] {
        if (currentRow() >= 0)
            Q_EMIT attachRequested(currentKey());
    });
    connect(hintButton, &QToolButton::clicked, this, &TaskListTab::hint);
    connect(m_grid, &QTableView::doubleClicked, this, [this] {
        if (currentRow() >= 0)
            Q_EMIT modifyRequested(currentKey(), false);
    });
    connect(m_grid, &QTableView::clicked, this, [this](const QModelIndex& index) {
        if (index.column() == m_query->columnOf(QStringLiteral("Presenza")) && !index.data().toString().isEmpty())
            Q_EMIT modifyRequested(currentKey(), true);
    });
    connect(m_grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &TaskListTab::showDetails);
    afterRun();
}

QString TaskListTab::names(const char* one, const char* year, const char* month, const char* week) const
{
    if (m_flag == QLatin1String("Y"))
        return QLatin1String(year);
    if (m_flag == QLatin1String("M"))
        return QLatin1String(month);
    if (m_flag == QLatin1String("W"))
        return QLatin1String(week);
    return QLatin1String(one);
}

QToolButton* TaskListTab::addButton(const QString& name, const QString& hint, const QString& text)
{
    auto* button = new QToolButton;
    button->setObjectName(name);
    button->setToolTip(hint);
    button->setText(text);
    m_toolbar << button;
    return button;
}

void TaskListTab::searchTextEdited()
{
    m_clear->setEnabled(!m_search->text().isEmpty());
    m_query->searchText = m_search->text();
    if (!m_autoSearch || m_autoSearch->isChecked())
        Q_EMIT searchChanged();
}

void TaskListTab::hint()
{
    QString text;
    if (m_flag == QLatin1String("Y"))
        text = QStringLiteral("Use the Yearly screen to enter events that will happen once a year, like a birthday, "
                              "into the Tasks calendar.");
    else if (m_flag == QLatin1String("M"))
        text = QStringLiteral("Use the Monthly screen to enter events that will happen once a every month, like "
                              "sending in your house payment, into the Tasks calendar.");
    else if (m_flag == QLatin1String("W"))
        text = QStringLiteral("Use the Weekly screen to enter events that will happen once a every month, like "
                              "sending in your house payment, into the Tasks calendar.");
    else
        text = QStringLiteral("Use the One Shot screen to enter events that will only happen once, like a Doctor's "
                              "appointment, into the Tasks calendar.");
    platform::MessageBox::information(this, text);
}

void TaskListTab::setCounter(const QString& caption)
{
    m_counter->setText(caption);
}

void TaskListTab::afterRun()
{
    const bool rows = m_query->rowCount() > 0;
    for (QToolButton* button : {m_modify, m_clone, m_delete, m_print, m_order})
        button->setEnabled(rows);
    refitColumns();
    if (rows && currentRow() < 0)
        m_grid->selectRow(0);
    showDetails();
}

void TaskListTab::refitColumns()
{
    const QString date = m_query->dateColumnName();
    if (m_flag == QLatin1String("O") || m_flag == QLatin1String("Y"))
        showColumns(m_grid, m_query, {date, QStringLiteral("orario"), QStringLiteral("orario2"), QStringLiteral("id"), QStringLiteral("Presenza")},
                    {QStringLiteral("Date"), QStringLiteral("From"), QStringLiteral("To"), QStringLiteral("Description"), QStringLiteral("Note")});
    else
        showColumns(m_grid, m_query,
                    {m_flag == QLatin1String("M") ? QStringLiteral("dayofmonth") : QStringLiteral("dayofweek"),
                     QStringLiteral("orario"), QStringLiteral("orario2"), QStringLiteral("id"), QStringLiteral("Presenza")},
                    {QStringLiteral("Day"), QStringLiteral("From"), QStringLiteral("To"), QStringLiteral("Description"), QStringLiteral("Note")});
}

void TaskListTab::selectRow(int row)
{
    const int count = m_query->rowCount();
    if (count == 0) {
        showDetails();
        return;
    }
    m_grid->selectRow(qBound(0, row, count - 1));
    showDetails();
}

int TaskListTab::currentRow() const
{
    return m_grid->currentIndex().isValid() ? m_grid->currentIndex().row() : -1;
}

qint64 TaskListTab::currentKey() const
{
    const int row = currentRow();
    return row >= 0 ? m_query->keyAt(row) : -1;
}

bool TaskListTab::selectKey(qint64 codimp)
{
    const int row = m_query->rowOfKey(codimp);
    if (row < 0)
        return false;
    m_grid->selectRow(row);
    showDetails();
    return true;
}

void TaskListTab::resetFilters()
{
    m_searchIn->setCurrentIndex(0);
    m_query->searchIn = TaskListQuery::SearchIn::Description;
    m_search->blockSignals(true);
    m_search->clear();
    m_search->blockSignals(false);
    m_query->searchText.clear();
    m_clear->setEnabled(false);
    if (m_month) {
        m_month->blockSignals(true);
        m_month->setCurrentIndex(12);
        m_month->blockSignals(false);
        m_query->month = 0;
    }
    if (m_weekday) {
        m_weekday->blockSignals(true);
        m_weekday->setCurrentIndex(7);
        m_weekday->blockSignals(false);
        m_query->weekday.clear();
    }
    if (m_period) {
        m_period->blockSignals(true);
        m_period->setChecked(false);
        m_period->blockSignals(false);
        m_query->periodOn = false;
    }
}

void TaskListTab::showDetails()
{
    const int row = currentRow();
    const bool valid = row >= 0 && row < m_query->rowCount();
    const QSqlRecord record = valid ? m_query->record(row) : QSqlRecord();
    const QString note = valid ? record.value(QStringLiteral("note")).toString() : QString();
    m_memo->setPlainText(note);
    m_memo->setVerticalScrollBarPolicy(note.isEmpty() ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded);
    m_attach->setEnabled(valid && (!record.value(QStringLiteral("ricerca")).toString().isEmpty()
                                   || !record.value(QStringLiteral("allegato")).toString().isEmpty()));
    if (m_years)
        m_years->clear();
    if (!valid) {
        m_detail->clear();
        return;
    }
    const QDate start = store::fromSqlDate(record.value(QStringLiteral("datefull")));
    const QString spaces = QStringLiteral("   ");
    if (m_flag == QLatin1String("O")) {
        m_detail->setText(agenda::formatDate(start, m_query->dateFormat) + spaces);
    } else if (m_flag == QLatin1String("Y")) {
        const QString date = agenda::formatDate(start, m_query->dateFormat);
        if (record.value(QStringLiteral("dayofmonth")).toString() == QLatin1String("SI")) {
            const int years = agenda::yearsCount(start, platform::Clock::instance().today());
            m_years->setText(QString::number(years) + QStringLiteral(" years   "));
            m_detail->setText(date + QLatin1Char(' ') + QString::number(start.year()) + spaces);
        } else {
            m_detail->setText(date + spaces);
        }
    } else if (m_flag == QLatin1String("M")) {
        m_detail->setText(record.value(QStringLiteral("dayofmonth")).toString() + spaces);
    } else {
        m_detail->setText(record.value(QStringLiteral("dayofweek")).toString() + spaces);
    }
}

bool TaskListTab::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_grid && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && currentRow() >= 0) {
            Q_EMIT modifyRequested(currentKey(), false);
            return true;
        }
    }
    if ((watched == m_memo || watched == m_memo->viewport()) && event->type() == QEvent::MouseButtonDblClick
        && currentRow() >= 0) {
        Q_EMIT modifyRequested(currentKey(), true);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace brivane::ui
