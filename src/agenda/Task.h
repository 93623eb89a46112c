#pragma once

#include "agenda/DoneState.h"

#include <QDate>
#include <QString>

#include <optional>

class QSqlRecord;

namespace brivane::agenda {

// One row of BRarc66. Several columns mean different things per kind (flag):
//   flag        "O" one-shot, "Y" yearly, "M" monthly, "W" weekly
//   dayofweek   W: weekday name; M, Y: parity code or empty;
//               O: "X" delete after its day, "T" every day, or empty
//   dayofmonth  M: day "01".."31"; W: parity code or empty; Y: "SI"/"NO" years count
//   dayindex    W: weekday number of the start (1 = Sunday); Y: linked contact code
//   data        Y: "mm/dd" of the yearly occurrence
//   datefull    O: the day (first day of a span); Y, M, W: the start date
//   scadenza    with flagscad "Y": last day of a span (O) or last possible date
// Texts keep the null / empty distinction of the row; a missing date is an
// invalid QDate.
struct Task
{
    qint64 codimp = 0;
    QString id;
    QString note;
    QString dayofweek;
    std::optional<double> dayindex;
    QString dayofmonth;
    QDate datefull;
    QString data;
    QString orario;
    QString orario2;
    QString flag;
    QString ricerca;
    QString allegato;
    QDate fatto;
    QString flagfatto;
    QString anticipa;
    QString sospeso;
    QString flagscad;
    QDate scadenza;

    // Reads the columns by name; a column missing from the record stays empty.
    static Task fromRecord(const QSqlRecord& record);

    DoneState doneState() const { return {fatto, flagfatto == u"Y"}; }
    bool isSuspended() const { return sospeso == u"Y"; }
    bool isImportant() const { return anticipa == u"Y"; }
    bool hasExpiry() const { return flagscad == u"Y"; }
};

} // namespace brivane::agenda
