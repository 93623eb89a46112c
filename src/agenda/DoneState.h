#pragma once

#include <QDate>
#include <QSqlDatabase>
#include <QString>

#include <optional>

namespace brivane::agenda {

// The done state of a task: `fatto` is the last date it was ticked done (or
// the undone date), `ticked` mirrors flagfatto 'Y'. A task is done for a date
// when fatto is that date or later, so a repeating task ticked on one date is
// not done on any later date, although its tick stays until cleared.
struct DoneState
{
    QDate fatto;
    bool ticked = false;

    friend bool operator==(const DoneState&, const DoneState&) = default;
};

// A date before every real date: the viewed date minus 150000 days.
QDate undoneDate(const QDate& viewed);

// The state of a task that was never ticked, as entry dialogs write it.
DoneState notDone(const QDate& viewed);

// Done for `day` when fatto >= day (calendar days); a missing fatto is not done.
bool isDoneFor(const QDate& fatto, const QDate& day);
// The same test on the stored text of `fatto` and the day as yyyy-MM-dd
// text: stored dates compare as text, and only a text that would count as
// done is checked for being a real date.
bool isDoneForText(QStringView fatto, QStringView day);
// The same on the stored UTF-8 bytes of fatto and the day.
bool isDoneForText(QByteArrayView fatto, QByteArrayView day);

// The "Check" command for the viewed date: a task ticked for that date (or a
// later one) is cleared to the undone date; anything else is ticked for it.
DoneState toggledDone(const DoneState& current, const QDate& viewed);

// Archive functions. They throw nothing: on an SQL failure (or a missing row)
// they return false / an empty optional and put the reason in *error.

// "UPDATE BRarc66 / SET fatto = :fatto, / flagfatto = :flagfatto / WHERE codimp = :codimp"
QString doneUpdateStatement();

bool writeDone(QSqlDatabase db, qint64 codimp, const DoneState& state, QString* error = nullptr);

// Reads the row's done state, toggles it for the viewed date and writes it back.
std::optional<DoneState> toggleDone(QSqlDatabase db, qint64 codimp, const QDate& viewed,
                                    QString* error = nullptr);

} // namespace brivane::agenda
