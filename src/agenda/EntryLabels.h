#pragma once

#include "agenda/Task.h"
#include "agenda/TaskKind.h"

#include <QDate>
#include <QLocale>
#include <QString>

namespace brivane::agenda {

// Label texts of the task entry dialogs that depend on the data.

// "Remember " + N + " days before", N the look-ahead day count.
QString lookAheadLabel(int days);

// "Done: " + the done date formatted "dddd d mmmm yyyy" while the row
// carries a tick, else "Done: not yet.".
QString doneLabel(const Task& task, const QLocale& locale = QLocale());

// Yearly dialogs: with the years count box checked "Years count: N -
// Period: <start> - <today>" (dates "dd mmm yyyy"), else "The task starts
// from an year".
QString yearsCountLabel(bool counting, const QDate& start, const QDate& today,
                        const QLocale& locale = QLocale());

// The date label of each kind: one-shot in the DataShot format, yearly in
// the DataYear format, monthly the day "dd", weekly the weekday "dddd".
QString dateLabel(TaskKind kind, const QDate& workingDate, const QString& dataShotFormat,
                  const QString& dataYearFormat, const QLocale& locale = QLocale());

} // namespace brivane::agenda
