#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

namespace brivane::agenda {

// Calculated columns of the task lists, never stored: `Datashot` of the
// one-shot list and `Datayear` of the yearly list show datefull in the
// display format chosen in the settings (DataShot, DataYear).
QString datashotText(const QDate& datefull, const QString& dataShotFormat, const QLocale& locale = QLocale());
QString datayearText(const QDate& datefull, const QString& dataYearFormat, const QLocale& locale = QLocale());

} // namespace brivane::agenda
