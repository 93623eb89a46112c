#include "agenda/TaskEntry.h"

#include "agenda/DateFormat.h"
#include "agenda/TimeText.h"

using namespace Qt::StringLiterals;

namespace brivane::agenda {

bool isEmptyStoredDate(const QDate& date)
{
    return !date.isValid() || date.year() <= 1899;
}

QString capitalizedFirstLetter(const QString& text)
{
    if (text.isEmpty() || text.front() < u'a' || text.front() > u'z')
        return text;
    QString result = text;
    result[0] = QChar(result.front().unicode() - u'a' + u'A');
    return result;
}

TaskEntry TaskEntry::fromTask(const Task& task, TaskKind kind, const QDate& today, const QLocale& locale)
{
    TaskEntry entry;
    entry.kind = kind;
    entry.workingDate = task.datefull;
    entry.from = timeFieldText(task.orario, locale);
    entry.to = timeFieldText(task.orario2, locale);
    entry.description = task.id;
    entry.note = task.note;
    entry.link = task.ricerca;
    entry.attachment = task.allegato;
    entry.important = task.isImportant();
    entry.suspended = task.isSuspended();
    entry.expiration = task.hasExpiry();

    entry.expiry = isEmptyStoredDate(task.scadenza) ? today : task.scadenza;
    if (entry.workingDate.isValid() && entry.expiry < entry.workingDate)
        entry.expiry = entry.workingDate;

    switch (kind) {
    case TaskKind::OneShot:
        entry.deleteAfter = task.dayofweek == u"X";
        entry.everyDay = task.dayofweek == u"T";
        break;
    case TaskKind::Yearly:
        entry.parity = !task.dayofweek.isEmpty();
        entry.yearsCount = task.dayofmonth == u"SI";
        entry.monthDay = formatDate(task.datefull, u"mm/dd"_s, locale).left(5);
        break;
    case TaskKind::Monthly:
        entry.parity = !task.dayofweek.isEmpty();
        entry.dayOfMonth = task.dayofmonth;
        break;
    case TaskKind::Weekly:
        entry.parity = !task.dayofmonth.isEmpty();
        break;
    }
    return entry;
}

} // namespace brivane::agenda
