#include "agenda/widgets/TodayTab.h"

#include "agenda/TaskListQuery.h"
#include "platform/Clock.h"
#include "platform/widgets/MessageBox.h"
#include "agenda/widgets/CalendarMarker.h"
#include "ui/GridSetup.h"
#include "agenda/widgets/LitCalendar.h"
#include "sky/widgets/SkyStrip.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QSqlRecord>
#include <QStyle>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace brivane::ui {

namespace {

QString lastPathPart(const QString& text)
{
    const int slash = qMax(text.lastIndexOf(QLatin1Char('/')), text.lastIndexOf(QLatin1Char('\\')));
    return slash >= 0 ? text.mid(slash + 1) : text;
}

// Room for the widest date the picker can show: the longest weekday and
// month names of the locale, with the arrow of the pop-up calendar.
int longestDateWidth(const QDateEdit* picker)
{
    const QLocale locale;
    const QFontMetrics metrics(picker->font());
    int weekday = 0;
    for (int day = 1; day <= 7; ++day)
        weekday = qMax(weekday, metrics.horizontalAdvance(locale.dayName(day)));
    int month = 0;
    for (int m = 1; m <= 12; ++m)
        month = qMax(month, metrics.horizontalAdvance(locale.monthName(m)));
    const int rest = metrics.horizontalAdvance(QStringLiteral(" 30  2026"));
    return weekday + month + rest + picker->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 24;
}

} // namespace

QToolButton* TodayTab::button(const QString& name, const QString& hint, const QString& text)
{
    auto* b = new QToolButton;
    b->setObjectName(name);
    b->setToolTip(hint);
    b->setText(text);
    return b;
}

TodayTab::TodayTab(agenda::TodayQuery* model, QWidget* parent) : QWidget(parent), m_model(model)
{
    m_picker = new QDateEdit;
    m_picker->setObjectName(QStringLiteral("DateTimePickerTODAY"));
    m_picker->setCalendarPopup(true);
    m_picker->setDisplayFormat(QStringLiteral("dddd d MMMM yyyy"));
    m_picker->setMinimumWidth(longestDateWidth(m_picker));
    m_count = new QLabel;
    m_count->setObjectName(QStringLiteral("panel_today"));
    m_count->setFrameShape(QFrame::StyledPanel);
    m_count->setMinimumWidth(40);
    m_count->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_message = new QLabel;
    m_message->setObjectName(QStringLiteral("Panel_MEssaggio"));
    m_message->setAutoFillBackground(true);
    // The strip keeps its size whatever it shows, so the row never jumps
    // while banner and task text alternate; a long text takes a second line.
    m_message->setWordWrap(true);
    m_message->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    m_message->setMinimumWidth(120);
    m_message->setFixedHeight(2 * m_message->fontMetrics().lineSpacing() + 4);
    m_message->installEventFilter(this);
    m_lookAheadHome = button(QStringLiteral("SpeedButtonAnticipoHome"), QString(), QStringLiteral("!"));
    m_lookAheadHome->hide();

    auto* dayBefore = button(QStringLiteral("SpeedButton_DateBack"), QStringLiteral("Day Before"), QStringLiteral("<"));
    m_today = button(QStringLiteral("SpeedButtonToday"), QStringLiteral("Today"), QStringLiteral("Today"));
    auto* dayAfter = button(QStringLiteral("SpeedButtonNextDay"), QStringLiteral("Day After "), QStringLiteral(">"));
    auto* insert = button(QStringLiteral("SpeedButtonAddToday"), QStringLiteral("Insert"), QStringLiteral("Insert"));
    m_check = button(QStringLiteral("SpeedButtonSvoltoToday"), QStringLiteral("Check"), QStringLiteral("Check"));
    m_modify = button(QStringLiteral("SpeedButtonModToday"), QStringLiteral("Modify "), QStringLiteral("Modify"));
    m_delete = button(QStringLiteral("SpeedButtonDelToday"), QStringLiteral("Delete "), QStringLiteral("Delete"));
    m_origin = button(QStringLiteral("SpeedButtonFollowToday"), QStringLiteral("Origin"), QStringLiteral("Origin"));
    m_attach = button(QStringLiteral("SpeedButtonAllegatoToday"), QStringLiteral("Attach"), QStringLiteral("Attach"));
    m_print = button(QStringLiteral("SpeedButtonPrintToday"), QStringLiteral("Print"), QStringLiteral("Print"));
    m_export = button(QStringLiteral("SpeedButtonEportToday"), QStringLiteral("Export"), QStringLiteral("Export"));
    m_sideButton = button(QStringLiteral("SpeedButtonClendarioLato"), QStringLiteral("Show Calendar & Information "),
                          QStringLiteral("Calendar"));
    m_sideButton->setCheckable(true);
    auto* help = button(QStringLiteral("SpeedButton_Help"), QStringLiteral("Hint"), QStringLiteral("?"));

    auto* addMenu = new QMenu(insert);
    addMenu->setObjectName(QStringLiteral("PopupMenuToday"));
    const QList<QPair<QString, QChar>> kinds = {{QStringLiteral("One Shot"), QLatin1Char('O')},
                                                {QStringLiteral("Yearly"), QLatin1Char('Y')},
                                                {QStringLiteral("Monthly"), QLatin1Char('M')},
                                                {QStringLiteral("Weekly"), QLatin1Char('W')}};
    for (const auto& [caption, kind] : kinds)
        connect(addMenu->addAction(caption), &QAction::triggered, this, [this, kind = kind] { Q_EMIT addRequested(kind); });
    addMenu->addSeparator();
    addMenu->addAction(QStringLiteral("Cancel"));
    connect(insert, &QToolButton::clicked, this, [insert, addMenu] {
        addMenu->popup(insert->mapToGlobal(QPoint(0, insert->height())));
    });
    m_attachMenu = new QMenu(m_attach);
    m_attachMenu->setObjectName(QStringLiteral("PopupMenuAllegato"));

    auto* top = new QHBoxLayout;
    top->setSpacing(2);
    top->addWidget(dayBefore);
    top->addWidget(m_picker);
    top->addWidget(dayAfter);
    top->addWidget(m_today);
    top->addWidget(m_count);
    top->addWidget(m_message, 1);
    top->addWidget(m_lookAheadHome);
    top->addWidget(m_sideButton);
    top->addWidget(help);
    auto* commands = new QHBoxLayout;
    commands->setSpacing(2);
    for (QToolButton* b : {insert, m_check, m_modify, m_delete, m_origin, m_attach, m_print, m_export})
        commands->addWidget(b);
    commands->addStretch();

    m_grid = makeGrid(QStringLiteral("DBGrid_Today"));
    m_grid->setModel(model);
    m_grid->installEventFilter(this);
    m_memo = new QPlainTextEdit;
    m_memo->setObjectName(QStringLiteral("DBMemoToday"));
    m_memo->setReadOnly(true);
    m_memo->setMaximumHeight(90);
    m_memo->viewport()->installEventFilter(this);

    m_side = new QWidget;
    m_side->setObjectName(QStringLiteral("Panel_LATO"));
    m_calendar = new LitCalendar;
    QFont calendarFont = m_calendar->font();
    calendarFont.setFamily(m_picker->font().family());
    calendarFont.setPointSize(10);
    m_calendar->setFont(calendarFont);
    m_calendar->setMinimumHeight(170);
    // Either button views the day, so the calendar's selection and the
    // viewed date never part.
    connect(m_calendar, &LitCalendar::dateClicked, this, [this](const QDate& date) { setViewedDate(date); });
    connect(m_calendar, &LitCalendar::dateKeyed, this, [this](const QDate& date) { setViewedDate(date); });
    connect(m_calendar, &LitCalendar::dateDoubleClicked, this, [this](const QDate& date) {
        setViewedDate(date);
        Q_EMIT addRequested(QLatin1Char('O'));
    });

    auto* monthBack = button(QStringLiteral("SpeedButton_Mese_Precedente"), QStringLiteral("Previous month"),
                             QStringLiteral("<<"));
    auto* dayBack = button(QStringLiteral("SpeedButton14"), QStringLiteral("<"), QStringLiteral("<"));
    m_todaySmall = button(QStringLiteral("SpeedButton_oggi_piccolo"), QStringLiteral("O"), QStringLiteral("O"));
    auto* dayNext = button(QStringLiteral("SpeedButton9"), QStringLiteral(">"), QStringLiteral(">"));
    auto* monthNext = button(QStringLiteral("SpeedButton_Mese_Successivo"), QStringLiteral("Next month"),
                             QStringLiteral(">>"));
    auto* stepper = new QHBoxLayout;
    for (QToolButton* b : {monthBack, dayBack, m_todaySmall, dayNext, monthNext})
        stepper->addWidget(b);

    auto* sideTabs = new QTabWidget;
    sideTabs->setObjectName(QStringLiteral("PageControlLato"));
    auto* entries = new QWidget;
    auto* entriesLayout = new QVBoxLayout(entries);
    entriesLayout->setSpacing(2);
    const QList<QPair<QChar, const char*>> counts = {
        {QLatin1Char('O'), "Label_Conteggio_Giornalieri"}, {QLatin1Char('Y'), "Label_Conteggio_Annuali"},
        {QLatin1Char('M'), "Label_Conteggio_Mensili"},     {QLatin1Char('W'), "Label_Conteggio_Settimanali"},
        {QLatin1Char('C'), "Label_Conteggio_Contatti"},    {QLatin1Char('N'), "Label_Conteggio_Note"},
        {QLatin1Char('L'), "Label_Conteggio_Lista"},       {QLatin1Char('D'), "Label_Conteggio_Deposito"}};
    for (const auto& [section, name] : counts) {
        auto* label = new QLabel;
        label->setObjectName(QLatin1String(name));
        label->setCursor(Qt::PointingHandCursor);
        label->installEventFilter(this);
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
    m_exclude = new QComboBox;
    m_exclude->setObjectName(QStringLiteral("ComboBoxEscludiNero"));
    setUpMarkingChoices(m_highlights, m_exclude, [this] { Q_EMIT calendarFilterChanged(); });
    calendarLayout->addWidget(new QLabel(QStringLiteral("Highlights")));
    calendarLayout->addWidget(m_highlights);
    calendarLayout->addWidget(new QLabel(QStringLiteral("Exclude")));
    calendarLayout->addWidget(m_exclude);
    calendarLayout->addWidget(m_showSuspended);
    auto* calendarHelp = button(QStringLiteral("SpeedButtonHelpCalendar"), QStringLiteral("Hint"), QStringLiteral("?"));
    calendarLayout->addWidget(calendarHelp, 0, Qt::AlignLeft);
    connect(calendarHelp, &QToolButton::clicked, this, [this] {
        platform::MessageBox::information(this, QStringLiteral("These settings are not saved."));
    });
    calendarLayout->addStretch();
    sideTabs->addTab(entries, QStringLiteral("Entries"));
    sideTabs->addTab(calendarPage, QStringLiteral("Calendar"));
    auto* sideLayout = new QVBoxLayout(m_side);
    sideLayout->setContentsMargins(0, 0, 0, 0);
    sideLayout->addWidget(m_calendar);
    sideLayout->addLayout(stepper);
    sideLayout->addWidget(sideTabs, 1);
    m_timeOfDay = platform::Clock::instance().now().time();
    m_sky = new sky::widgets::SkyStrip;
    sideLayout->addWidget(m_sky);
    m_side->setFixedWidth(240);

    auto* main = new QWidget;
    auto* mainLayout = new QVBoxLayout(main);
    mainLayout->setContentsMargins(0, 0, 0, 0);
    mainLayout->addLayout(commands);
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
        m_calendar->setDate(date);
        Q_EMIT viewedDateChanged(date);
    });
    connect(this, &TodayTab::viewedDateChanged, this, [this] { m_sky->showMoon(viewedMoment()); });
    const auto viewToday = [this] {
        const QDateTime now = platform::Clock::instance().now();
        m_timeOfDay = now.time();
        setViewedDate(now.date());
    };
    connect(m_today, &QToolButton::clicked, this, viewToday);
    connect(m_todaySmall, &QToolButton::clicked, this, viewToday);
    const auto step = [this](int days) { setViewedDate(viewedDate().addDays(days)); };
    connect(dayBefore, &QToolButton::clicked, this, [step] { step(-1); });
    connect(dayBack, &QToolButton::clicked, this, [step] { step(-1); });
    connect(dayAfter, &QToolButton::clicked, this, [step] { step(1); });
    connect(dayNext, &QToolButton::clicked, this, [step] { step(1); });
    connect(monthNext, &QToolButton::clicked, this,
            [this] { setViewedDate(agenda::firstDayOfNextMonth(viewedDate())); });
    connect(monthBack, &QToolButton::clicked, this,
            [this] { setViewedDate(agenda::lastDayOfPreviousMonth(viewedDate())); });
    connect(m_showSuspended, &QCheckBox::toggled, this, &TodayTab::showSuspendedChanged);
    connect(m_sideButton, &QToolButton::clicked, this, [this](bool shown) {
        if (shown)
            m_sky->showZodiacAndSeason(viewedDate());
        m_side->setVisible(shown);
        Q_EMIT sidePanelToggled(shown);
    });
    connect(help, &QToolButton::clicked, this, [this] {
        platform::MessageBox::information(this, QStringLiteral("The Tasks calendar organizes all the tasks you entered "
                                                               "into the One Shot, Weekly, Monthly, and Yearly tabs."));
    });
    connect(m_check, &QToolButton::clicked, this, [this] {
        if (currentRow() >= 0)
            Q_EMIT checkRequested(currentKey());
    });
    connect(m_modify, &QToolButton::clicked, this, [this] {
        if (currentRow() >= 0)
            Q_EMIT modifyRequested(currentKey(), false);
    });
    connect(m_delete, &QToolButton::clicked, this, [this] {
        if (currentRow() >= 0)
            Q_EMIT deleteRequested(currentKey());
    });
    connect(m_origin, &QToolButton::clicked, this, [this] {
        if (currentRow() >= 0)
            Q_EMIT originRequested(currentKey());
    });
    connect(m_attach, &QToolButton::clicked, this, [this] { popupAttachMenu(m_attach); });
    connect(m_lookAheadHome, &QToolButton::clicked, this, &TodayTab::lookAheadRequested);
    connect(m_grid, &QTableView::doubleClicked, this, [this] {
        if (currentRow() >= 0)
            Q_EMIT modifyRequested(currentKey(), false);
    });
    connect(m_grid, &QTableView::clicked, this, [this](const QModelIndex& index) {
        if (index.column() == m_model->columnOf(QStringLiteral("Presenza")) && !index.data().toString().isEmpty())
            Q_EMIT modifyRequested(currentKey(), true);
    });
    connect(m_grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &TodayTab::rowChanged);
}

LitCalendar* TodayTab::calendar() const
{
    return m_calendar;
}

agenda::MarkingOptions TodayTab::markingOptions() const
{
    return ui::markingOptions(m_highlights, m_exclude, m_showSuspended->isChecked());
}

qint64 TodayTab::currentKey() const
{
    const int row = currentRow();
    return row >= 0 ? m_model->keyAt(row) : -1;
}

int TodayTab::currentRow() const
{
    const QModelIndex index = m_grid->currentIndex();
    return index.isValid() && index.row() < m_model->rowCount() ? index.row() : -1;
}

void TodayTab::selectRow(int row)
{
    if (m_model->rowCount() > 0)
        m_grid->selectRow(qBound(0, row, m_model->rowCount() - 1));
    rowChanged();
}

bool TodayTab::selectKey(qint64 codimp)
{
    const int row = m_model->rowOfKey(codimp);
    if (row < 0)
        return false;
    m_grid->selectRow(row);
    rowChanged();
    return true;
}

void TodayTab::rowChanged()
{
    const int row = currentRow();
    const QSqlRecord record = row >= 0 ? m_model->record(row) : QSqlRecord();
    const QString note = record.value(QStringLiteral("note")).toString();
    m_memo->setPlainText(note);
    m_memo->setVerticalScrollBarPolicy(note.isEmpty() ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded);
    const QString attachment = record.value(QStringLiteral("allegato")).toString();
    const QString link = record.value(QStringLiteral("ricerca")).toString();
    m_attach->setEnabled(row >= 0 && (!attachment.isEmpty() || !link.isEmpty()));
}

void TodayTab::popupAttachMenu(QWidget* under)
{
    const int row = currentRow();
    if (row < 0)
        return;
    const QSqlRecord record = m_model->record(row);
    const QString attachment = record.value(QStringLiteral("allegato")).toString();
    const QString link = record.value(QStringLiteral("ricerca")).toString();
    m_attachMenu->clear();
    if (!attachment.isEmpty()) {
        const QFileInfo file(attachment);
        const QIcon icon = file.exists() ? QFileIconProvider().icon(file)
                                         : style()->standardIcon(QStyle::SP_FileLinkIcon);
        connect(m_attachMenu->addAction(icon, lastPathPart(attachment)), &QAction::triggered, this,
                [this, attachment] { Q_EMIT attachmentRequested(attachment); });
    }
    if (!link.isEmpty()) {
        connect(m_attachMenu->addAction(style()->standardIcon(QStyle::SP_DirHomeIcon), lastPathPart(link)),
                &QAction::triggered, this, [this, link] { Q_EMIT linkRequested(link); });
    }
    m_attachMenu->popup(under->mapToGlobal(QPoint(0, under->height())));
}

void TodayTab::setAlarmMessage(const QString& text, const QColor& background)
{
    m_message->setText(text);
    QPalette palette = m_message->palette();
    palette.setColor(QPalette::Window, background);
    palette.setColor(QPalette::WindowText, background.lightness() < 110 ? Qt::white : Qt::black);
    m_message->setPalette(palette);
    m_message->setCursor(Qt::PointingHandCursor);
}

void TodayTab::clearAlarmMessage()
{
    m_message->clear();
    m_message->setPalette(QPalette());
    m_message->unsetCursor();
}

QString TodayTab::alarmMessage() const
{
    return m_message->text();
}

void TodayTab::setLookAheadButton(bool shown, int days)
{
    m_lookAheadHome->setToolTip(QStringLiteral("Check for important tasks in the next ") + QString::number(days)
                                + QStringLiteral(" days"));
    m_lookAheadHome->setVisible(shown);
}

QDate TodayTab::viewedDate() const
{
    return m_picker->date();
}

QDateTime TodayTab::viewedMoment() const
{
    return QDateTime(viewedDate(), m_timeOfDay);
}

void TodayTab::setViewedDate(const QDate& date)
{
    if (date == m_picker->date()) {
        Q_EMIT viewedDateChanged(date);
        return;
    }
    m_picker->setDate(date);
}

bool TodayTab::showSuspended() const
{
    return m_showSuspended->isChecked();
}

void TodayTab::setShowSuspended(bool show)
{
    m_showSuspended->setChecked(show);
}

void TodayTab::setStartupControlsEnabled(bool enabled)
{
    m_showSuspended->setEnabled(enabled);
    m_highlights->setEnabled(enabled);
    m_exclude->setEnabled(enabled);
}

void TodayTab::setSidePanelShown(bool shown)
{
    if (shown)
        m_sky->showZodiacAndSeason(viewedDate());
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

int TodayTab::highlightChoice() const
{
    return m_highlights->currentIndex();
}

int TodayTab::excludeChoice() const
{
    return m_exclude->currentIndex();
}

void TodayTab::afterRefresh(const QDate& today)
{
    const int rows = m_model->rowCount();
    m_count->setText(QString::number(rows) + QStringLiteral("   "));
    const bool viewingToday = viewedDate() == today;
    m_picker->setStyleSheet(viewingToday ? QStringLiteral("QDateEdit { background: white; }")
                                         : QStringLiteral("QDateEdit { background: palette(button); }"));
    for (QToolButton* b : {m_check, m_modify, m_delete, m_origin, m_print, m_export})
        b->setEnabled(rows > 0);
    m_today->setEnabled(!viewingToday);
    m_todaySmall->setEnabled(!viewingToday);
    if (sidePanelShown())
        m_sky->showZodiacAndSeason(viewedDate());
    refitColumns();
    rowChanged();
}

void TodayTab::refitColumns()
{
    showColumns(m_grid, m_model,
                {QStringLiteral("orario"), QStringLiteral("orario2"), QStringLiteral("id"), QStringLiteral("Presenza")},
                {QStringLiteral("From"), QStringLiteral("To"), QStringLiteral("Description"), QStringLiteral("Note")});
}

QWidget* TodayTab::focusTarget() const
{
    return m_grid;
}

void TodayTab::showEvent(QShowEvent* event)
{
    // Each visit of the tab shows the Moon of the viewed moment afresh.
    m_sky->showMoon(viewedMoment());
    QWidget::showEvent(event);
}

bool TodayTab::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_grid && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && currentRow() >= 0) {
            Q_EMIT modifyRequested(currentKey(), false);
            return true;
        }
    }
    if (watched == m_memo->viewport() && event->type() == QEvent::MouseButtonDblClick && currentRow() >= 0) {
        Q_EMIT modifyRequested(currentKey(), true);
        return true;
    }
    if (watched == m_message && event->type() == QEvent::MouseButtonRelease) {
        Q_EMIT alarmMessageClicked();
        return true;
    }
    if (event->type() == QEvent::MouseButtonRelease) {
        for (auto it = m_counts.cbegin(); it != m_counts.cend(); ++it) {
            if (it.value() == watched) {
                Q_EMIT entriesLabelActivated(it.key());
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace brivane::ui
