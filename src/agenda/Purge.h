#pragma once

#include <QDate>
#include <QSqlDatabase>
#include <QString>

namespace brivane::agenda {

// Delete-after one-shot tasks (dayofweek 'X') whose day lies before today.
// Spans never carry 'X', so only single-day tasks go.
QString purgeStatement();

// Runs the purge for `today`; returns the number of tasks removed, or -1 on
// an SQL failure with the reason in *error. Throws nothing.
int purgeExpiredOneShots(QSqlDatabase db, const QDate& today, QString* error = nullptr);

} // namespace brivane::agenda
