#include "agenda/widgets/AgendaController.h"

#include "agenda/DoneState.h"
#include "agenda/Purge.h"
#include "agenda/TaskCommands.h"
#include "agenda/TaskListQuery.h"
#include "agenda/widgets/RepositoryDialog.h"
#include "agenda/widgets/TaskDialog.h"
#include "store/DataWriteGuard.h"
#include "themes/ColorText.h"
#include "platform/Clock.h"
#include "platform/widgets/MessageBox.h"
#include "store/ArchiveCounts.h"
#include "store/SettingsRecord.h"
#include "agenda/widgets/TaskListTab.h"
#include "agenda/widgets/TodayTab.h"

#include <QSqlQuery>
#include <QToolButton>
#include <QSqlRecord>
#include <QVariant>

#include <utility>

namespace brivane::shell {

using platform::MessageBox;

namespace {
const char* const kFlags[] = {"O", "Y", "M", "W"};
const char* const kTabNames[] = {"TabSheetShot", "TabSheetYEAR", "TabSheetMonth", "TabSheetWEEK"};
} // namespace

AgendaController::AgendaController(QWidget* window, const store::SettingsRecord& settings, QObject* parent)
    : QObject(parent), m_window(window), m_settings(settings)
{
    m_todayQuery = new agenda::TodayQuery(this);
    for (int kind = OneShot; kind <= Weekly; ++kind) {
        auto* query = new agenda::TaskListQuery(QLatin1String(kFlags[kind]), this);
        m_listQueries << query;
        auto* tab = new ui::TaskListTab(query);
        tab->setObjectName(QLatin1String(kTabNames[kind]));
        m_listTabs << tab;
        connect(tab, &ui::TaskListTab::searchChanged, this, [this, kind] { runList(kind); });
        connect(tab, &ui::TaskListTab::insertRequested, this, [this, kind] {
            openTaskDialog(kind, -1, false);
        });
        connect(tab, &ui::TaskListTab::modifyRequested, this,
                [this, kind](qint64 codimp, bool enlarged) { openTaskDialog(kind, codimp, enlarged); });
        connect(tab, &ui::TaskListTab::cloneRequested, this, [this, kind](qint64 codimp) { cloneFromList(kind, codimp); });
        connect(tab, &ui::TaskListTab::deleteRequested, this,
                [this, kind](qint64 codimp) { deleteFromList(kind, codimp); });
        connect(tab, &ui::TaskListTab::attachRequested, this,
                [this, kind](qint64 codimp) { attachFromList(kind, codimp); });
    }
    m_todayTab = new ui::TodayTab(m_todayQuery);
    m_todayTab->setObjectName(QStringLiteral("TabSheetTODAY"));
    connect(m_todayTab, &ui::TodayTab::viewedDateChanged, this, [this] {
        m_keepTodayKey = -1;
        refreshToday();
    });
    connect(m_todayTab, &ui::TodayTab::showSuspendedChanged, this, [this] { refreshToday(); });
    connect(m_todayTab, &ui::TodayTab::calendarFilterChanged, this, [this] { refreshToday(); });
    connect(m_todayTab, &ui::TodayTab::checkRequested, this, &AgendaController::check);
    connect(m_todayTab, &ui::TodayTab::modifyRequested, this, &AgendaController::modifyFromToday);
    connect(m_todayTab, &ui::TodayTab::deleteRequested, this, &AgendaController::deleteFromToday);
    connect(m_todayTab, &ui::TodayTab::originRequested, this, &AgendaController::showInOrigin);
    connect(m_todayTab, &ui::TodayTab::addRequested, this, [this](QChar kind) {
        openTaskDialog(kindOf(QString(kind)), -1, false);
    });
    connect(m_todayTab, &ui::TodayTab::entriesLabelActivated, this, [this](QChar section) {
        const int kind = kindOf(QString(section));
        if (kind >= 0)
            openTaskDialog(kind, -1, false);
        else if (section == QLatin1Char('D'))
            openRepository();
        else
            Q_EMIT entriesLabelActivated(section);
    });
    connect(m_todayTab, &ui::TodayTab::attachmentRequested, this, &AgendaController::attachmentOpenRequested);
    connect(m_todayTab, &ui::TodayTab::linkRequested, this, &AgendaController::contactLinkRequested);
}

AgendaController::~AgendaController() = default;

int AgendaController::kindOf(const QString& flag)
{
    for (int kind = OneShot; kind <= Weekly; ++kind) {
        if (flag == QLatin1String(kFlags[kind]))
            return kind;
    }
    return -1;
}

QString AgendaController::flagOf(int kind)
{
    return QLatin1String(kFlags[kind]);
}

void AgendaController::reportError(const QString& message)
{
    Q_EMIT errorRaised(message);
}

void AgendaController::clearResults()
{
    m_todayQuery->clear();
    for (agenda::TaskListQuery* query : std::as_const(m_listQueries))
        query->clear();
}

void AgendaController::runList(int kind)
{
    agenda::TaskListQuery* query = m_listQueries[kind];
    query->dateFormat = kind == Yearly ? m_settings.dataYear : m_settings.dataShot;
    QString error;
    if (!query->run(m_db, &error)) {
        reportError(error);
        return;
    }
    m_listTabs[kind]->afterRun();
    if (m_startupFinished && m_settings.timecheck == QLatin1String("Y"))
        Q_EMIT alarmListStale();
    m_todayRefreshPending = true;
    updateCount(QLatin1Char(kFlags[kind][0]), query->listedCount());
    if (kind == OneShot)
        updateCount(QLatin1Char('D'), -1);
}

void AgendaController::runAllLists()
{
    for (int kind : {Monthly, Weekly, Yearly, OneShot})
        runList(kind);
}

void AgendaController::updateCount(QChar section, int listed)
{
    const int total = store::ArchiveCounts::total(m_db, section);
    if (total < 0)
        return;
    m_todayTab->setCount(section, store::ArchiveCounts::summaryText(section, total));
    const int kind = kindOf(QString(section));
    if (kind >= 0)
        m_listTabs[kind]->setCounter(store::ArchiveCounts::counterCaption(listed, total));
    Q_EMIT countChanged(section, listed, total);
}

QDate AgendaController::viewedDate() const
{
    return m_todayTab->viewedDate();
}

void AgendaController::viewDate(const QDate& date)
{
    m_todayTab->setViewedDate(date);
}

void AgendaController::refreshToday()
{
    if (!m_db.isOpen())
        return;
    QString error;
    if (!m_todayQuery->run(m_db, viewedDate(), m_todayTab->showSuspended(), &error)) {
        reportError(error);
        return;
    }
    m_todayRefreshPending = false;
    m_todayTab->afterRefresh(platform::Clock::instance().today());
    // A task just saved stays the current row, so the next command acts on it.
    const qint64 keep = std::exchange(m_keepTodayKey, -1);
    if (m_todayQuery->rowCount() > 0 && (keep < 0 || !m_todayTab->selectKey(keep)))
        m_todayTab->selectRow(0);
    Q_EMIT todayRefreshed();
}

void AgendaController::refreshTodayIfPending()
{
    if (m_todayRefreshPending)
        refreshToday();
}

bool AgendaController::purgeExpired()
{
    // Read-only mode changes no row; the purge waits for full access.
    if (store::DataWriteGuard::isBlocked(m_db))
        return true;
    QString error;
    if (agenda::purgeExpiredOneShots(m_db, platform::Clock::instance().today(), &error) < 0) {
        reportError(error);
        return false;
    }
    return true;
}

void AgendaController::openRepository()
{
    if (m_commandsBlocked)
        return;
    const agenda::TaskListQuery* oneShot = m_listQueries[OneShot];
    const bool period = oneShot->periodOn;
    auto* dialog = agenda::widgets::RepositoryDialog::openDialog(
        m_db, period ? oneShot->periodFrom : QDate(), period ? oneShot->periodTo : QDate(),
        platform::Clock::instance().today(), m_entry.scalePercent,
        themes::colorFromText(m_settings.sectionColors.value(OneShot), QColor(Qt::lightGray)), m_window);
    connect(dialog, &agenda::widgets::RepositoryDialog::moved, this, [this] {
        runList(OneShot);
        m_listTabs[OneShot]->refitColumns();
    });
    connect(dialog, &agenda::widgets::RepositoryDialog::errorRaised, this, &AgendaController::reportError);
}

void AgendaController::refitGrids()
{
    for (ui::TaskListTab* tab : std::as_const(m_listTabs))
        tab->refitColumns();
    m_todayTab->refitColumns();
}

int AgendaController::kindOfTask(qint64 codimp) const
{
    const int row = m_todayQuery->rowOfKey(codimp);
    if (row >= 0)
        return kindOf(m_todayQuery->record(row).value(QStringLiteral("flag")).toString());
    QSqlQuery query(m_db);
    query.prepare(QStringLiteral("SELECT flag FROM BRarc66 WHERE codimp = :codimp"));
    query.bindValue(QStringLiteral(":codimp"), codimp);
    return query.exec() && query.next() ? kindOf(query.value(0).toString()) : -1;
}

agenda::EntryContext& AgendaController::prepareEntryContext()
{
    m_entry.db = m_db;
    m_entry.viewedDate = viewedDate();
    m_entry.lookAheadDays = m_settings.futuroDays;
    m_entry.dataShotFormat = m_settings.dataShot;
    m_entry.dataYearFormat = m_settings.dataYear;
    m_entry.startupFinished = m_startupFinished;
    for (int i = 0; i < 4; ++i)
        m_entry.kindColors[i] = themes::colorFromText(m_settings.sectionColors.value(i), m_entry.kindColors[i]);
    return m_entry;
}

void AgendaController::openTaskDialog(int kind, qint64 codimp, bool enlargedNote)
{
    if (m_commandsBlocked || kind < 0)
        return;
    prepareEntryContext();
    // Only the contact dialog's birthday command links a contact.
    m_entry.linkedContact = agenda::EntryContext::noContact();
    const auto mode = codimp > 0 ? agenda::EntryMode::Modify : agenda::EntryMode::Add;
    auto* dialog = agenda::widgets::TaskDialog::openDialog(static_cast<agenda::TaskKind>(kind), mode, m_entry,
                                                           codimp > 0 ? codimp : 0, m_window, enlargedNote);
    if (!dialog)
        return;
    connect(dialog, &agenda::widgets::TaskDialog::taskSaved, this, [this, kind](qint64 saved) {
        runList(kind);
        m_listTabs[kind]->selectKey(saved);
        m_keepTodayKey = saved;
        if (m_todayActive)
            refreshToday();
        if (kind == Yearly)
            Q_EMIT yearlyTasksChanged();
    });
}

void AgendaController::check(qint64 codimp)
{
    if (m_commandsBlocked)
        return;
    const int row = m_todayTab->currentRow();
    QString error;
    if (!agenda::toggleDone(m_db, codimp, viewedDate(), &error)) {
        reportError(error.isEmpty() ? QStringLiteral("The task no longer exists.") : error);
        return;
    }
    const int kind = kindOfTask(codimp);
    refreshToday();
    m_todayTab->selectRow(row);
    if (kind >= 0)
        runList(kind);
    m_todayRefreshPending = false;
}

bool AgendaController::prepareListFor(qint64 codimp, int kind)
{
    ui::TaskListTab* tab = m_listTabs[kind];
    tab->resetFilters();
    runList(kind);
    return tab->selectKey(codimp);
}

void AgendaController::modifyFromToday(qint64 codimp, bool enlargedNote)
{
    if (m_commandsBlocked)
        return;
    const int row = m_todayTab->currentRow();
    const int kind = kindOfTask(codimp);
    if (kind < 0)
        return;
    if (prepareListFor(codimp, kind))
        openTaskDialog(kind, codimp, enlargedNote);
    m_todayTab->selectRow(row);
}

void AgendaController::deleteFromToday(qint64 codimp)
{
    if (m_commandsBlocked)
        return;
    const int row = m_todayTab->currentRow();
    const int kind = kindOfTask(codimp);
    const QString description = m_todayQuery->record(row).value(QStringLiteral("id")).toString();
    if (MessageBox::question(m_window, agenda::taskDeleteQuestion(description)) == MessageBox::Answer::Yes) {
        QString error;
        if (!agenda::deleteTask(m_db, codimp, &error)) {
            reportError(error);
            return;
        }
        refreshToday();
        m_todayTab->selectRow(row);
    }
    if (kind >= 0)
        runList(kind);
    if (kind == Yearly)
        Q_EMIT yearlyTasksChanged();
    m_todayRefreshPending = false;
}

void AgendaController::deleteFromList(int kind, qint64 codimp)
{
    if (m_commandsBlocked)
        return;
    ui::TaskListTab* tab = m_listTabs[kind];
    const int row = tab->currentRow();
    const QString description = m_listQueries[kind]->record(row).value(QStringLiteral("id")).toString();
    if (MessageBox::question(m_window, agenda::taskDeleteQuestion(description)) != MessageBox::Answer::Yes)
        return;
    QString error;
    if (!agenda::deleteTask(m_db, codimp, &error)) {
        reportError(error);
        return;
    }
    runList(kind);
    tab->selectRow(row);
    if (kind == Yearly)
        Q_EMIT yearlyTasksChanged();
}

void AgendaController::cloneFromList(int kind, qint64 codimp)
{
    if (m_commandsBlocked)
        return;
    ui::TaskListTab* tab = m_listTabs[kind];
    const int row = tab->currentRow();
    QString error;
    switch (agenda::cloneTask(m_db, codimp, nullptr, &error)) {
    case agenda::CloneResult::RefusedBirthday:
        MessageBox::information(m_window, QStringLiteral("Events related to the contacts can not be duplicated."));
        return;
    case agenda::CloneResult::Failed:
        reportError(error);
        return;
    case agenda::CloneResult::Cloned:
        break;
    }
    runList(kind);
    tab->selectRow(row);
}

void AgendaController::showInOrigin(qint64 codimp)
{
    const int kind = kindOfTask(codimp);
    if (kind < 0)
        return;
    prepareListFor(codimp, kind);
    Q_EMIT tabRequested(kind);
}

void AgendaController::attachFromList(int kind, qint64 codimp)
{
    const int row = m_listTabs[kind]->currentRow();
    const QSqlRecord record = m_listQueries[kind]->record(row);
    if (record.value(QStringLiteral("sospeso")).toString() == QLatin1String("Y"))
        m_todayTab->setShowSuspended(true);
    const QDate start = QDate::fromString(record.value(QStringLiteral("datefull")).toString(), QStringLiteral("yyyy-MM-dd"));
    viewDate(start);
    m_todayTab->selectKey(codimp);
    m_todayTab->popupAttachMenu(m_listTabs[kind]->attachButton());
}

} // namespace brivane::shell
