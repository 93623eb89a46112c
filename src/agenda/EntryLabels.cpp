#include "agenda/EntryLabels.h"

#include "agenda/DateFormat.h"
#include "agenda/YearsCount.h"

using namespace Qt::StringLiterals;

namespace brivane::agenda {

QString lookAheadLabel(int days)
{
    return u"Remember "_s + QString::number(days) + u" days before"_s;
}

QString doneLabel(const Task& task, const QLocale& locale)
{
    if (task.flagfatto == u"Y")
        return u"Done: "_s + formatDate(task.fatto, u"dddd d mmmm yyyy"_s, locale);
    return u"Done: not yet."_s;
}

QString yearsCountLabel(bool counting, const QDate& start, const QDate& today, const QLocale& locale)
{
    if (!counting)
        return u"The task starts from an year"_s;
    const QString pattern = u"dd mmm yyyy"_s;
    return u"Years count: "_s + QString::number(yearsCount(start, today)) + u" - Period: "_s +
           formatDate(start, pattern, locale) + u" - "_s + formatDate(today, pattern, locale);
}

QString dateLabel(TaskKind kind, const QDate& workingDate, const QString& dataShotFormat,
                  const QString& dataYearFormat, const QLocale& locale)
{
    switch (kind) {
    case TaskKind::OneShot:
        return formatDate(workingDate, dataShotFormat, locale);
    case TaskKind::Yearly:
        return formatDate(workingDate, dataYearFormat, locale);
    case TaskKind::Monthly:
        return formatDate(workingDate, u"dd"_s, locale);
    case TaskKind::Weekly:
        return formatDate(workingDate, u"dddd"_s, locale);
    }
    return {};
}

} // namespace brivane::agenda
