#pragma once

#include "documents/ReportLayout.h"
#include "to_do/ToDoItem.h"

#include <QDate>
#include <QList>
#include <QSqlRecord>

namespace brivane::documents {

// The seven reports of the lists, each over the rows its list holds, in
// their order. The title colours (section colour, tab caption colour) and
// the print time are filled in by the caller.

ReportData todayReport(const QList<QSqlRecord>& tasks, const QDate& viewed);
// flag "O", "Y", "M" or "W"; `dateFormat` is the list's date column format
// (one-shot or yearly format of the settings).
ReportData taskListReport(const QString& flag, const QList<QSqlRecord>& tasks, const QString& dateFormat);
ReportData contactsReport(const QList<QSqlRecord>& contacts, const QString& groupFilter);
ReportData toDoReport(const QList<to_do::ToDoItem>& items);

} // namespace brivane::documents
