#pragma once

#include "Timing.h"

#include <QDate>
#include <QSqlDatabase>
#include <QString>

namespace brivane::bench {

// Documents and reports: the daily plan of a whole year on the task
// archive, beside the floor of running the same Today statement for the
// same 365 days through the SQLite C API; and the layout of the contact
// report of 10,000 contacts, beside the floor of measuring the width of
// every cell once.
struct DocumentFigures
{
    Summary yearPlan;
    int planLines = 0;
    Summary yearPlanFloor;
    int floorRows = 0;
    Summary contactLayout;
    int contactPages = 0;
    Summary contactLayoutFloor;
};

DocumentFigures measureDocuments(const QSqlDatabase& db, const QString& archiveFile, const QDate& firstDay);

} // namespace brivane::bench
