#pragma once

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QSqlRecord>
#include <QString>

namespace brivane::documents {

// "Daily plan - Monday 5 March 2012.csv" for the viewed date.
QString todayCsvFileName(const QDate& viewed);
QString todayCsvFilter();

// One CSV field: line breaks in the text become blanks (CR LF gives two),
// then a field holding a comma or a quote is quoted, its quotes doubled, so
// a spreadsheet keeps it in its column.
QString csvField(const QString& text);

// The header "FROM,TO,DESCRIPTION,NOTE" and one line per task, times as
// stored; UTF-8 with a byte order mark (spreadsheets then read the accents
// right), lines ended by CR LF.
QByteArray todayCsv(const QList<QSqlRecord>& tasks);

} // namespace brivane::documents
