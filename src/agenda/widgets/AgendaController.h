#pragma once

#include <QDate>
#include <QObject>
#include <QSqlDatabase>

#include "agenda/EntryContext.h"

class QTabWidget;
class QWidget;

namespace brivane::agenda {
class TaskListQuery;
class TodayQuery;
} // namespace brivane::agenda

namespace brivane::store {
struct SettingsRecord;
}

namespace brivane::ui {
class TaskListTab;
class TodayTab;
} // namespace brivane::ui

namespace brivane::shell {

// The agenda part of the main window: the four task list tabs and the Today
// tab, their queries, and the commands on tasks (check, modify, clone,
// delete, origin, attachment). The main window adds the tabs and lends it
// the archive connection and the settings record.
class AgendaController : public QObject
{
    Q_OBJECT

public:
    enum Kind { OneShot, Yearly, Monthly, Weekly };

    AgendaController(QWidget* window, const store::SettingsRecord& settings, QObject* parent = nullptr);
    ~AgendaController() override;

    void setDatabase(const QSqlDatabase& db) { m_db = db; }
    ui::TaskListTab* listTab(int kind) const { return m_listTabs.at(kind); }
    ui::TodayTab* todayTab() const { return m_todayTab; }
    agenda::TodayQuery* todayQuery() const { return m_todayQuery; }
    agenda::TaskListQuery* listQuery(int kind) const { return m_listQueries.at(kind); }
    static int kindOf(const QString& flag);
    static QString flagOf(int kind);

    void setStartupFinished(bool finished) { m_startupFinished = finished; }
    // Re-runs the list of one kind, with its counts and the follow-ups.
    void runList(int kind);
    void runAllLists();
    void refreshToday();
    void refreshTodayIfPending();
    void viewDate(const QDate& date);
    QDate viewedDate() const;
    bool purgeExpired();
    void refitGrids();
    // Clears the result sets before the connection closes.
    void clearResults();

    // Opens the add dialog of a kind (codimp < 0) or the modify dialog of a
    // task, without blocking; saving re-runs the lists.
    void openTaskDialog(int kind, qint64 codimp, bool enlargedNote);
    // The state the entry dialogs share, kept with the settings.
    agenda::EntryContext& entryContext() { return m_entry; }
    // The shared state brought up to date (connection, viewed date, settings
    // copies) for a dialog about to open; every opening path calls it.
    agenda::EntryContext& prepareEntryContext();
    void setProgramFolder(const QString& folder) { m_entry.programFolder = folder; }
    void setScalePercent(int percent) { m_entry.scalePercent = percent; }
    // Whether the Today tab is the one on screen (a save then refreshes it).
    void setTodayActive(bool active) { m_todayActive = active; }
    // While locked or read-only no add, modify, clone, delete or check runs.
    void setCommandsBlocked(bool blocked) { m_commandsBlocked = blocked; }
    bool commandsBlocked() const { return m_commandsBlocked; }
    // The "One Shot repository" dialog, with the one-shot period filter's
    // dates when that filter is on.
    void openRepository();

Q_SIGNALS:
    void tabRequested(int tabIndex);
    void countChanged(QChar section, int listed, int total);
    void alarmListStale();
    // A yearly task was saved or deleted: a contact's birthday may have changed.
    void yearlyTasksChanged();
    void todayRefreshed();
    void attachmentOpenRequested(const QString& attachment);
    void contactLinkRequested(const QString& link);
    void entriesLabelActivated(QChar section);
    void errorRaised(const QString& message);

private:
    void updateCount(QChar section, int listed);
    void check(qint64 codimp);
    void modifyFromToday(qint64 codimp, bool enlargedNote);
    void deleteFromToday(qint64 codimp);
    void deleteFromList(int kind, qint64 codimp);
    void cloneFromList(int kind, qint64 codimp);
    void showInOrigin(qint64 codimp);
    void attachFromList(int kind, qint64 codimp);
    int kindOfTask(qint64 codimp) const;
    bool prepareListFor(qint64 codimp, int kind);
    void reportError(const QString& message);

    QWidget* m_window;
    const store::SettingsRecord& m_settings;
    QSqlDatabase m_db;
    agenda::TodayQuery* m_todayQuery;
    QList<agenda::TaskListQuery*> m_listQueries;
    ui::TodayTab* m_todayTab;
    QList<ui::TaskListTab*> m_listTabs;
    agenda::EntryContext m_entry;
    bool m_todayActive = false;
    bool m_todayRefreshPending = false;
    // The task the next Today refresh selects (the one just saved); -1 none.
    qint64 m_keepTodayKey = -1;
    bool m_startupFinished = false;
    bool m_commandsBlocked = false;
};

} // namespace brivane::shell
