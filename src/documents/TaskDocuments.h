#pragma once

#include "documents/DocumentBuffer.h"

#include <QDate>
#include <QList>
#include <QSqlDatabase>
#include <QSqlRecord>
#include <QString>

namespace brivane::documents {

// Options of the daily plan ("Tasks" tab).
struct DailyPlanOptions
{
    QDate start;
    QDate end;
    bool freeDays = false;
    bool notes = false;
    bool suspended = false;
    bool checked = false;
    // The kinds to list, a subset of "OYMW".
    QString kinds = QStringLiteral("OYMW");
};

// "Tasks from d-mm-yyyy to d-mm-yyyy", or "Daily Plan d-mm-yyyy" for one day.
QString dailyPlanTitle(const QDate& start, const QDate& end);

// The plan of every day from start to end (at least the start day), each
// day's tasks as the Today view lists them. Day headings use `dayFormat`
// (the one-shot date format of the settings).
bool buildDailyPlan(const QSqlDatabase& db, const DailyPlanOptions& options, const QString& dayFormat,
                    DocumentBuffer& buffer, QString* error = nullptr);

// Options of the weekly document ("Week" tab): the days Monday to Sunday.
struct WeeklyOptions
{
    bool days[7] = {true, true, true, true, true, true, false};
    bool notes = false;
};

QDate mondayOf(const QDate& date);
QString weeklyTasksTitle();

// The tasks of the ticked days of the week holding `viewed`.
bool buildWeeklyTasks(const QSqlDatabase& db, const QDate& viewed, bool showSuspended,
                      const WeeklyOptions& options, DocumentBuffer& buffer, QString* error = nullptr);

// Options of the one-list document ("O Y M W" tab).
struct ListOptions
{
    bool checked = false;
    bool notes = false;
    bool suspended = false;
};

// The section names of the list document, in list order, and their kinds.
QStringList listSectionNames();
QString flagOfSection(int section);

// The rows of one task list (as its query holds them) as a document.
// `dateFormat` is the one-shot format for One Shot, the yearly one for Yearly.
void buildListDocument(int section, const QList<QSqlRecord>& rows, const ListOptions& options,
                       const QString& dateFormat, DocumentBuffer& buffer);

// Every row of a query that was prepared and bound, read to its end.
bool readAllRows(QSqlQuery& query, QList<QSqlRecord>& rows, QString* error = nullptr);

} // namespace brivane::documents
