#include "documents/Reports.h"

#include "agenda/DateFormat.h"
#include "store/SqlDate.h"

#include <QVariant>

namespace brivane::documents {

namespace {

QList<ReportColumn> taskColumns()
{
    return {{QStringLiteral("From"), 55, 0, false, false},
            {QStringLiteral("To"), 55, 0, false, false},
            {QStringLiteral("Description"), 0, 1, false, false},
            {QStringLiteral("Note"), 0, 1.2, false, false}};
}

QStringList taskCells(const QSqlRecord& task)
{
    return {task.value(QStringLiteral("orario")).toString(), task.value(QStringLiteral("orario2")).toString(),
            task.value(QStringLiteral("id")).toString(), task.value(QStringLiteral("note")).toString()};
}

} // namespace

ReportData todayReport(const QList<QSqlRecord>& tasks, const QDate& viewed)
{
    ReportData data;
    ReportDefinition& d = data.definition;
    d.title = QStringLiteral("  Daily Plan  ");
    d.columns = taskColumns();
    d.lineUnderHeader = true;
    d.dateLabel = agenda::formatDate(viewed, QStringLiteral(" dddd d mmmm yyyy "));
    for (const QSqlRecord& task : tasks)
        data.rows << taskCells(task);
    return data;
}

ReportData taskListReport(const QString& flag, const QList<QSqlRecord>& tasks, const QString& dateFormat)
{
    ReportData data;
    ReportDefinition& d = data.definition;
    const bool oneShot = flag == QLatin1String("O");
    const bool yearly = flag == QLatin1String("Y");
    const bool monthly = flag == QLatin1String("M");
    d.title = oneShot   ? QStringLiteral("One Shot   ")
              : yearly  ? QStringLiteral("Yearly   ")
              : monthly ? QStringLiteral("Monthly   ")
                        : QStringLiteral("Weekly   ");
    if (flag == QLatin1String("W"))
        d.titleBoxWidth = 417;
    ReportColumn date{oneShot || yearly ? QStringLiteral("Date") : QStringLiteral("Day"), 0, 0, true,
                      !yearly};
    date.width = oneShot ? 190 : yearly ? 120 : monthly ? 45 : 100;
    d.columns = QList<ReportColumn>{date} + taskColumns();
    for (const QSqlRecord& task : tasks) {
        QString first;
        if (oneShot || yearly)
            first =
                agenda::formatDate(store::fromSqlDate(task.value(QStringLiteral("datefull"))), dateFormat);
        else
            first =
                task.value(monthly ? QStringLiteral("dayofmonth") : QStringLiteral("dayofweek")).toString();
        data.rows << (QStringList{first} + taskCells(task));
    }
    return data;
}

ReportData contactsReport(const QList<QSqlRecord>& contacts, const QString& groupFilter)
{
    ReportData data;
    ReportDefinition& d = data.definition;
    d.title = QStringLiteral("Contacts  ");
    d.headerPointSize = 9;
    d.detailPointSize = 8;
    d.lineUnderHeader = true;
    d.showGroup = true;
    d.groupText = groupFilter;
    const QList<QPair<QString, QString>> columns = {{QStringLiteral("Name"), QStringLiteral("ragsoc")},
                                                    {QStringLiteral("Company"), QStringLiteral("company")},
                                                    {QStringLiteral("Phone"), QStringLiteral("tel")},
                                                    {QStringLiteral("Mobile"), QStringLiteral("mobile")},
                                                    {QStringLiteral("Skype"), QStringLiteral("skype")},
                                                    {QStringLiteral("Fax"), QStringLiteral("fax")},
                                                    {QStringLiteral("E-mail"), QStringLiteral("email")},
                                                    {QStringLiteral("Address"), QStringLiteral("indirizzo")},
                                                    {QStringLiteral("Internet"), QStringLiteral("site")}};
    const QList<qreal> shares = {1.4, 1.1, 0.9, 0.9, 0.8, 0.8, 1.3, 1.6, 1.2};
    for (int i = 0; i < columns.size(); ++i)
        d.columns << ReportColumn{columns[i].first, 0, shares[i], false, false};
    for (const QSqlRecord& contact : contacts) {
        QStringList cells;
        for (const auto& column : columns)
            cells << contact.value(column.second).toString();
        data.rows << cells;
    }
    return data;
}

ReportData toDoReport(const QList<to_do::ToDoItem>& items)
{
    ReportData data;
    ReportDefinition& d = data.definition;
    d.title = QStringLiteral("To-Do  ");
    d.landscape = false;
    d.titleBoxWidth = 402;
    d.columns = {{QStringLiteral("Description"), 0, 1, false, false},
                 {QStringLiteral("Note"), 0, 1, false, false}};
    for (const to_do::ToDoItem& item : items)
        data.rows << QStringList{item.id, item.note};
    return data;
}

} // namespace brivane::documents
