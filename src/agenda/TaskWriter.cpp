#include "agenda/TaskWriter.h"

#include "agenda/DateFormat.h"
#include "agenda/DoneState.h"
#include "agenda/ErrorReport.h"
#include "agenda/Parity.h"
#include "agenda/TimeText.h"
#include "store/SqlDate.h"

#include <QSqlQuery>
#include <QSqlRecord>

using namespace Qt::StringLiterals;

namespace brivane::agenda {

namespace {

QString yesNo(bool value)
{
    return value ? u"Y"_s : u"N"_s;
}

// The stored form of a validated field; a text that is no time is kept as
// it stands (the dialogs never save one).
QString timeColumn(const QString& fieldText, const QLocale& locale)
{
    return storedTime(fieldText, locale).value_or(fieldText);
}

// Sunday 1 to Saturday 7.
int weekdayIndex(const QDate& date)
{
    return date.dayOfWeek() % 7 + 1;
}

QString oneShotOption(const TaskEntry& entry)
{
    if (entry.deleteAfter)
        return u"X"_s;
    if (entry.everyDay)
        return u"T"_s;
    return u""_s;
}

QString parityColumn(const TaskEntry& entry)
{
    if (!entry.parity)
        return u""_s;
    switch (entry.kind) {
    case TaskKind::Monthly:
        return monthParityCode(entry.workingDate);
    case TaskKind::Weekly:
        return weekParityCode(entry.workingDate);
    case TaskKind::Yearly:
        return weekYearParityCode(entry.workingDate);
    case TaskKind::OneShot:
        break;
    }
    return u""_s;
}

bool storesExpiry(const TaskEntry& entry)
{
    return entry.expiration && !(entry.kind == TaskKind::OneShot && (entry.deleteAfter || entry.everyDay));
}

// Every column either statement may write, keyed by name.
QVariant columnFor(const QString& name, const TaskEntry& entry, const DoneState& done, const QLocale& locale)
{
    if (name == u"id")
        return capitalizedFirstLetter(entry.description);
    if (name == u"note")
        return entry.note;
    if (name == u"datefull")
        return store::toSqlDate(entry.workingDate);
    if (name == u"orario")
        return timeColumn(entry.from, locale);
    if (name == u"orario2")
        return timeColumn(entry.to, locale);
    if (name == u"flag")
        return kindFlag(entry.kind);
    if (name == u"ricerca")
        return capitalizedFirstLetter(entry.link);
    if (name == u"allegato")
        return entry.attachment;
    if (name == u"fatto")
        return store::toSqlDate(done.fatto);
    if (name == u"flagfatto")
        return yesNo(done.ticked);
    if (name == u"anticipa")
        return yesNo(entry.important);
    if (name == u"sospeso")
        return yesNo(entry.suspended);
    if (name == u"flagscad")
        return yesNo(storesExpiry(entry));
    if (name == u"scadenza")
        return store::toSqlDate(entry.expiry);
    if (name == u"data")
        return entry.monthDay;

    switch (entry.kind) {
    case TaskKind::OneShot:
        if (name == u"dayofweek")
            return oneShotOption(entry);
        break;
    case TaskKind::Yearly:
        if (name == u"dayofmonth")
            return entry.yearsCount ? u"SI"_s : u"NO"_s;
        if (name == u"dayofweek")
            return parityColumn(entry);
        if (name == u"dayindex")
            return entry.linkedContact ? QVariant(*entry.linkedContact) : QVariant();
        break;
    case TaskKind::Monthly:
        if (name == u"dayofmonth")
            return entry.dayOfMonth;
        if (name == u"dayofweek")
            return parityColumn(entry);
        break;
    case TaskKind::Weekly:
        if (name == u"dayofweek")
            return formatDate(entry.workingDate, u"dddd"_s, locale);
        if (name == u"dayindex")
            return weekdayIndex(entry.workingDate);
        if (name == u"dayofmonth")
            return parityColumn(entry);
        break;
    }
    return {};
}

// The column lists of the statements, in their order.
QStringList insertNames(const TaskEntry& entry)
{
    switch (entry.kind) {
    case TaskKind::OneShot:
        return {u"id"_s,        u"note"_s,      u"datefull"_s, u"orario"_s,   u"orario2"_s,
                u"flag"_s,      u"dayofweek"_s, u"ricerca"_s,  u"allegato"_s, u"fatto"_s,
                u"flagfatto"_s, u"anticipa"_s,  u"sospeso"_s,  u"flagscad"_s, u"scadenza"_s};
    case TaskKind::Yearly: {
        QStringList names{u"id"_s,       u"note"_s,    u"dayofmonth"_s, u"dayofweek"_s, u"datefull"_s,
                          u"data"_s,     u"orario"_s,  u"orario2"_s,    u"flag"_s,      u"ricerca"_s,
                          u"allegato"_s, u"fatto"_s,   u"flagfatto"_s,  u"anticipa"_s,  u"sospeso"_s,
                          u"flagscad"_s, u"scadenza"_s};
        if (entry.linkedContact)
            names.insert(2, u"dayindex"_s);
        return names;
    }
    case TaskKind::Monthly:
        return {u"id"_s,       u"note"_s,    u"dayofmonth"_s, u"dayofweek"_s, u"datefull"_s, u"orario"_s,
                u"orario2"_s,  u"flag"_s,    u"ricerca"_s,    u"allegato"_s,  u"fatto"_s,    u"flagfatto"_s,
                u"anticipa"_s, u"sospeso"_s, u"flagscad"_s,   u"scadenza"_s};
    case TaskKind::Weekly:
        return {u"id"_s,        u"note"_s,     u"dayofweek"_s, u"dayindex"_s, u"dayofmonth"_s, u"datefull"_s,
                u"orario"_s,    u"orario2"_s,  u"flag"_s,      u"ricerca"_s,  u"allegato"_s,   u"fatto"_s,
                u"flagfatto"_s, u"anticipa"_s, u"sospeso"_s,   u"flagscad"_s, u"scadenza"_s};
    }
    return {};
}

// An UPDATE writes the INSERT's columns but the kind, and never the linked
// contact of a yearly task.
QStringList updateNames(const TaskEntry& entry)
{
    TaskEntry unlinked = entry;
    unlinked.linkedContact.reset();
    QStringList names = insertNames(unlinked);
    names.removeAll(u"flag"_s);
    return names;
}

TaskColumns build(const QStringList& names, const TaskEntry& entry, const DoneState& done,
                  const QLocale& locale)
{
    QList<ColumnValue> columns;
    columns.reserve(names.size());
    for (const QString& name : names)
        columns.append({name, columnFor(name, entry, done, locale)});
    return TaskColumns(std::move(columns));
}

bool bindAndRun(QSqlQuery& query, const QString& statement, const TaskColumns& columns,
                std::optional<qint64> codimp, QString* error)
{
    if (!query.prepare(statement)) {
        reportError(error, query.lastError());
        return false;
    }
    for (const ColumnValue& column : columns.list())
        query.bindValue(u':' + column.name, column.value);
    if (codimp)
        query.bindValue(u":codimp"_s, *codimp);
    if (!query.exec()) {
        reportError(error, query.lastError());
        return false;
    }
    return true;
}

} // namespace

QStringList TaskColumns::names() const
{
    QStringList result;
    for (const ColumnValue& column : m_columns)
        result << column.name;
    return result;
}

QVariant TaskColumns::value(const QString& name) const
{
    for (const ColumnValue& column : m_columns) {
        if (column.name == name)
            return column.value;
    }
    return {};
}

bool TaskColumns::contains(const QString& name) const
{
    return names().contains(name);
}

TaskColumns TaskWriter::insertColumns(const TaskEntry& entry, const QDate& viewed, const QLocale& locale)
{
    return build(insertNames(entry), entry, notDone(viewed), locale);
}

TaskColumns TaskWriter::updateColumns(const TaskEntry& entry, const Task& stored, const QDate& viewed,
                                      const QLocale& locale)
{
    const DoneState done = stored.datefull == entry.workingDate ? stored.doneState() : notDone(viewed);
    return build(updateNames(entry), entry, done, locale);
}

QString TaskWriter::insertStatement(const TaskColumns& columns)
{
    const QStringList names = columns.names();
    QStringList placeholders;
    for (const QString& name : names)
        placeholders << u':' + name;
    const QStringList lines{
        u"INSERT INTO BRarc66"_s,
        u'(' + names.join(u',') + u')',
        u"values ("_s + placeholders.join(u',') + u')',
    };
    return lines.join(u'\n');
}

QString TaskWriter::updateStatement(const TaskColumns& columns)
{
    const QStringList names = columns.names();
    QStringList lines{u"UPDATE BRarc66"_s};
    for (qsizetype i = 0; i < names.size(); ++i) {
        const QString assignment = names.at(i) + u" = :"_s + names.at(i);
        lines << (i == 0 ? u"SET "_s : QString()) + assignment + (i + 1 < names.size() ? u","_s : QString());
    }
    lines << u"WHERE codimp = :codimp"_s;
    return lines.join(u'\n');
}

QString TaskWriter::selectStatement()
{
    return u"SELECT * FROM BRarc66 WHERE codimp = :codimp"_s;
}

qint64 TaskWriter::insert(QSqlDatabase db, const TaskEntry& entry, const QDate& viewed, QString* error)
{
    const TaskColumns columns = insertColumns(entry, viewed);
    QSqlQuery query(db);
    if (!bindAndRun(query, insertStatement(columns), columns, std::nullopt, error))
        return -1;
    return query.lastInsertId().toLongLong();
}

bool TaskWriter::update(QSqlDatabase db, const TaskEntry& entry, const Task& stored, const QDate& viewed,
                        QString* error)
{
    const TaskColumns columns = updateColumns(entry, stored, viewed);
    QSqlQuery query(db);
    return bindAndRun(query, updateStatement(columns), columns, stored.codimp, error);
}

std::optional<Task> TaskWriter::load(QSqlDatabase db, qint64 codimp, QString* error)
{
    QSqlQuery query(db);
    if (!query.prepare(selectStatement())) {
        reportError(error, query.lastError());
        return std::nullopt;
    }
    query.bindValue(u":codimp"_s, codimp);
    if (!query.exec()) {
        reportError(error, query.lastError());
        return std::nullopt;
    }
    if (!query.next()) {
        reportError(error, u"No task with key %1."_s.arg(codimp));
        return std::nullopt;
    }
    return Task::fromRecord(query.record());
}

} // namespace brivane::agenda
