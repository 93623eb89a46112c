#include "documents/TaskDocuments.h"

#include "agenda/DateFormat.h"
#include "agenda/DaySelection.h"
#include "agenda/DoneState.h"
#include "documents/TaskLines.h"
#include "store/SqlDate.h"

#include <QSqlError>
#include <QSqlQuery>

namespace brivane::documents {

using agenda::formatDate;

namespace {

QString dmy(const QDate& date)
{
    return formatDate(date, QStringLiteral("d-mm-yyyy"));
}

void addNote(DocumentBuffer& buffer, const QSqlRecord& task)
{
    const QString note = taskNote(task);
    if (!note.isEmpty())
        buffer.add(note, DocumentBuffer::Align::Left, DocumentBuffer::Style::Italic);
}

bool selectRows(QSqlQuery& query, const QString& statement, const QDate& day, QList<QSqlRecord>& rows,
                QString* error)
{
    rows.clear();
    if (!agenda::selectDay(query, statement, day, error))
        return false;
    return readAllRows(query, rows, error);
}

} // namespace

bool readAllRows(QSqlQuery& query, QList<QSqlRecord>& rows, QString* error)
{
    while (query.next())
        rows.append(query.record());
    if (query.lastError().isValid()) {
        if (error)
            *error = query.lastError().text();
        return false;
    }
    query.finish();
    return true;
}

QString dailyPlanTitle(const QDate& start, const QDate& end)
{
    if (dmy(start) != dmy(end))
        return QStringLiteral("Tasks from ") + dmy(start) + QStringLiteral(" to ") + dmy(end);
    return QStringLiteral("Daily Plan ") + dmy(start);
}

bool buildDailyPlan(const QSqlDatabase& db, const DailyPlanOptions& options, const QString& dayFormat,
                    DocumentBuffer& buffer, QString* error)
{
    buffer.clear();
    buffer.addCentredBold(dailyPlanTitle(options.start, options.end).toUpper());
    buffer.add(QString());
    const QString statement = agenda::todayStatement(options.suspended);
    QSqlQuery query(db);
    query.setForwardOnly(true);
    QList<QSqlRecord> rows;
    QDate day = options.start;
    do {
        if (!selectRows(query, statement, day, rows, error))
            return false;
        bool headingDue = options.freeDays || !rows.isEmpty();
        auto writeHeading = [&] {
            buffer.add(QString());
            buffer.addBold(formatDate(day, dayFormat));
            headingDue = false;
        };
        if (options.freeDays)
            writeHeading();
        for (const QSqlRecord& task : std::as_const(rows)) {
            const bool done =
                agenda::isDoneFor(store::fromSqlDate(task.value(QStringLiteral("fatto"))), day) &&
                isYes(task, QStringLiteral("flagfatto"));
            if (!options.checked && done)
                continue;
            if (!options.kinds.contains(task.value(QStringLiteral("flag")).toString().left(1)))
                continue;
            if (headingDue)
                writeHeading();
            buffer.add(taskLine(task));
            if (options.notes)
                addNote(buffer, task);
        }
        day = day.addDays(1);
    } while (day <= options.end);
    return true;
}

QDate mondayOf(const QDate& date)
{
    return date.addDays(1 - date.dayOfWeek());
}

QString weeklyTasksTitle()
{
    return QStringLiteral("Weekly tasks");
}

bool buildWeeklyTasks(const QSqlDatabase& db, const QDate& viewed, bool showSuspended,
                      const WeeklyOptions& options, DocumentBuffer& buffer, QString* error)
{
    buffer.clear();
    const QDate monday = mondayOf(viewed);
    const QString pattern = QStringLiteral("dddd, d mmmm yyyy");
    buffer.addCentredBold(weeklyTasksTitle().toUpper());
    buffer.add((formatDate(monday, pattern) + QStringLiteral(" - ") + formatDate(monday.addDays(6), pattern))
                   .toUpper(),
               DocumentBuffer::Align::Centre);
    buffer.add(QString());
    buffer.add(QString());
    const QString statement = agenda::todayStatement(showSuspended);
    QSqlQuery query(db);
    query.setForwardOnly(true);
    QList<QSqlRecord> rows;
    for (int i = 0; i < 7; ++i) {
        if (!options.days[i])
            continue;
        const QDate day = monday.addDays(i);
        if (!selectRows(query, statement, day, rows, error))
            return false;
        buffer.addBold(formatDate(day, QStringLiteral("dddd")));
        for (const QSqlRecord& task : std::as_const(rows)) {
            buffer.add(taskLine(task));
            if (options.notes)
                addNote(buffer, task);
        }
        buffer.add(QString());
    }
    return true;
}

QStringList listSectionNames()
{
    return {QStringLiteral("One Shot"), QStringLiteral("Yearly"), QStringLiteral("Monthly"),
            QStringLiteral("Weekly")};
}

QString flagOfSection(int section)
{
    return QStringLiteral("OYMW").mid(section, 1);
}

void buildListDocument(int section, const QList<QSqlRecord>& rows, const ListOptions& options,
                       const QString& dateFormat, DocumentBuffer& buffer)
{
    buffer.clear();
    buffer.addCentredBold(listSectionNames().value(section).toUpper());
    buffer.add(QString());
    const QString flag = flagOfSection(section);
    const QString pattern = flag == QLatin1String("M")   ? QStringLiteral("dd")
                            : flag == QLatin1String("W") ? QStringLiteral("dddd")
                                                         : dateFormat;
    for (const QSqlRecord& task : rows) {
        if (!options.checked && isYes(task, QStringLiteral("flagfatto")))
            continue;
        if (!options.suspended && isYes(task, QStringLiteral("sospeso")))
            continue;
        const QString date = formatDate(store::fromSqlDate(task.value(QStringLiteral("datefull"))), pattern);
        buffer.add(date + QStringLiteral(": ") + taskLine(task));
        if (options.notes)
            addNote(buffer, task);
    }
}

} // namespace brivane::documents
