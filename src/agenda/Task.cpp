#include "agenda/Task.h"

#include "store/SqlDate.h"

#include <QSqlRecord>
#include <QVariant>

using namespace Qt::StringLiterals;

namespace brivane::agenda {

Task Task::fromRecord(const QSqlRecord& record)
{
    const auto text = [&record](const QString& name) { return record.value(name).toString(); };
    const auto date = [&record](const QString& name) { return store::fromSqlDate(record.value(name)); };

    Task task;
    task.codimp = record.value(u"codimp"_s).toLongLong();
    task.id = text(u"id"_s);
    task.note = text(u"note"_s);
    task.dayofweek = text(u"dayofweek"_s);
    const QVariant dayindex = record.value(u"dayindex"_s);
    if (!dayindex.isNull())
        task.dayindex = dayindex.toDouble();
    task.dayofmonth = text(u"dayofmonth"_s);
    task.datefull = date(u"datefull"_s);
    task.data = text(u"data"_s);
    task.orario = text(u"orario"_s);
    task.orario2 = text(u"orario2"_s);
    task.flag = text(u"flag"_s);
    task.ricerca = text(u"ricerca"_s);
    task.allegato = text(u"allegato"_s);
    task.fatto = date(u"fatto"_s);
    task.flagfatto = text(u"flagfatto"_s);
    task.anticipa = text(u"anticipa"_s);
    task.sospeso = text(u"sospeso"_s);
    task.flagscad = text(u"flagscad"_s);
    task.scadenza = date(u"scadenza"_s);
    return task;
}

} // namespace brivane::agenda
