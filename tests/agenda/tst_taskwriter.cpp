#include "agenda/AttachmentPath.h"
#include "agenda/DoneState.h"
#include "agenda/EntryLabels.h"
#include "agenda/TaskEntry.h"
#include "agenda/TaskWriter.h"
#include "agenda/TimeText.h"
#include "store/SqlDate.h"
#include "support/TestArchive.h"

#include <QDir>
#include <QFile>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace brivane::agenda;
using brivane::store::toSqlDate;

Q_DECLARE_METATYPE(brivane::agenda::TaskEntry)
Q_DECLARE_METATYPE(brivane::agenda::TaskKind)

class TaskWriterTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();

    void times_data();
    void times();
    void timeFieldText_data();
    void timeFieldText();

    void attachment_data();
    void attachment();
    void attachmentStartFolders();

    void columns_data();
    void columns();
    void parity_data();
    void parity();
    void statements();

    void insertKeepsTextsWhole();
    void doneStateOnModify_data();
    void doneStateOnModify();
    void unchangedModifyKeepsRow_data();
    void unchangedModifyKeepsRow();
    void modifyOpening_data();
    void modifyOpening();
    void labels();
};

namespace {

const QDate kViewed(2024, 3, 15);
const QLocale kUs(QLocale::English, QLocale::UnitedStates);

TaskEntry entry(TaskKind kind, const QDate& working)
{
    TaskEntry e;
    e.kind = kind;
    e.workingDate = working;
    e.from = u"  :  "_s;
    e.to = u"  :  "_s;
    e.description = u"Task"_s;
    e.expiry = working;
    return e;
}

// "name=value" per column, in statement order; a null value reads "<null>".
QStringList described(const TaskColumns& columns)
{
    QStringList out;
    for (const ColumnValue& column : columns.list())
        out << column.name + u'=' + (column.value.isNull() ? u"<null>"_s : column.value.toString());
    return out;
}

// The expected columns written "name=value|name=value|..."; <undone> and
// <done> stand for the undone date of the viewed date and the stored tick.
QStringList columnList(const QString& text)
{
    QString expanded = text;
    expanded.replace(u"<undone>"_s, toSqlDate(undoneDate(kViewed))).replace(u"<done>"_s, u"2024-03-01"_s);
    return expanded.split(u'|');
}

QStringList rowValues(QSqlDatabase db, qint64 codimp)
{
    QSqlQuery query(db);
    query.prepare(u"SELECT * FROM BRarc66 WHERE codimp = :codimp"_s);
    query.bindValue(u":codimp"_s, codimp);
    if (!query.exec() || !query.next())
        return {u"missing row"_s};
    QStringList values;
    const QSqlRecord record = query.record();
    for (int i = 0; i < record.count(); ++i)
        values << record.fieldName(i) + u'=' + (record.isNull(i) ? u"<null>"_s : record.value(i).toString());
    return values;
}

} // namespace

void TaskWriterTest::initTestCase()
{
    QLocale::setDefault(kUs);
}

// One table of time field texts: what is stored, or which message stops the save.
void TaskWriterTest::times_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("storedFrom");
    QTest::addColumn<QString>("storedTo");

    const QString badFrom = u"The value entered in the field \"From\" is not a valid time."_s;
    const QString badTo = u"The value entered in the field \"To\" is not a valid time."_s;
    const QString blank = u"  :  "_s;

    QTest::newRow("both blank") << kUs << blank << QString() << QString() << blank << blank;
    QTest::newRow("one-digit hours get a zero")
        << kUs << u"9 :30"_s << u" 7:05"_s << QString() << u"09:30"_s << u"07:05"_s;
    QTest::newRow("first and last minute of the day")
        << kUs << u"00:00"_s << u"23:59"_s << QString() << u"00:00"_s << u"23:59"_s;
    QTest::newRow("To before From is accepted")
        << kUs << u"18:00"_s << u"08:15"_s << QString() << u"18:00"_s << u"08:15"_s;
    QTest::newRow("hour 24") << kUs << u"24:00"_s << blank << badFrom << QString() << blank;
    QTest::newRow("minute 60") << kUs << u"10:00"_s << u"10:60"_s << badTo << u"10:00"_s << QString();
    QTest::newRow("minutes half filled") << kUs << u"12:3 "_s << blank << badFrom << QString() << blank;
    QTest::newRow("hour missing") << kUs << blank << u"  :30"_s << badTo << blank << QString();
    QTest::newRow("minutes missing") << kUs << u"12:  "_s << blank << badFrom << QString() << blank;
    QTest::newRow("letters") << kUs << blank << u"1a:30"_s << badTo << blank << QString();
    QTest::newRow("both bad: From is reported")
        << kUs << u"99:99"_s << u"77:77"_s << badFrom << QString() << QString();
    QTest::newRow("another locale's separator")
        << kUs << u"12.30"_s << blank << badFrom << QString() << blank;
    const QLocale finnish(QLocale::Finnish, QLocale::Finland);
    QTest::newRow("Finnish separator")
        << finnish << u"9.30"_s << u"  .  "_s << QString() << u"09.30"_s << u"  .  "_s;
}

void TaskWriterTest::times()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QString, message);
    QFETCH(QString, storedFrom);
    QFETCH(QString, storedTo);

    QCOMPARE(timesError(from, to, locale).value_or(QString()), message);
    QCOMPARE(storedTime(from, locale).value_or(QString()), storedFrom);
    QCOMPARE(storedTime(to, locale).value_or(QString()), storedTo);
}

void TaskWriterTest::timeFieldText_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("shown");

    QTest::newRow("time") << u"09:30"_s << u"09:30"_s;
    QTest::newRow("blank") << u"  :  "_s << u"  :  "_s;
    QTest::newRow("null column") << QString() << u"  :  "_s;
    QTest::newRow("stored under another separator") << u"14.45"_s << u"14:45"_s;
    QTest::newRow("blank under another separator") << u"  .  "_s << u"  :  "_s;
}

void TaskWriterTest::timeFieldText()
{
    QFETCH(QString, stored);
    QFETCH(QString, shown);
    QCOMPARE(brivane::agenda::timeFieldText(stored, kUs), shown);
    QVERIFY(storedTime(shown, kUs).has_value());
}

void TaskWriterTest::attachment_data()
{
    QTest::addColumn<QString>("programFolder");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");

    const QString program = u"/opt/brivane/"_s;
    QTest::newRow("file in allegati") << program << u"/opt/brivane/allegati/bill.pdf"_s << u"bill.pdf"_s;
    QTest::newRow("subfolder of attaches")
        << program << u"/opt/brivane/attaches/2024/a.odt"_s << u"2024/a.odt"_s;
    QTest::newRow("program folder given without separator")
        << u"/opt/brivane"_s << u"/opt/brivane/allegati/bill.pdf"_s << u"bill.pdf"_s;
    QTest::newRow("every occurrence")
        << program << u"x;/opt/brivane/allegati/a;/opt/brivane/attaches/b"_s << u"x;a;b"_s;
    QTest::newRow("other letter case kept")
        << program << u"/opt/brivane/Allegati/bill.pdf"_s << u"/opt/brivane/Allegati/bill.pdf"_s;
    QTest::newRow("program folder itself kept")
        << program << u"/opt/brivane/notes.txt"_s << u"/opt/brivane/notes.txt"_s;
    QTest::newRow("another folder") << program << u"/home/ann/allegati/x.pdf"_s
                                    << u"/home/ann/allegati/x.pdf"_s;
    QTest::newRow("mail address") << program << u"mailto:ann@example.com;bob@example.com"_s
                                  << u"mailto:ann@example.com;bob@example.com"_s;
}

void TaskWriterTest::attachment()
{
    QFETCH(QString, programFolder);
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    QCOMPARE(normalizedAttachment(typed, programFolder), stored);
}

void TaskWriterTest::attachmentStartFolders()
{
    QTemporaryDir dir;
    const QString folder = dir.path();
    const QString file = folder + u"/bill.pdf"_s;
    const QString desktop = u"/desktop"_s;

    QCOMPARE(attachFileStartFolder(file, desktop), folder);
    QCOMPARE(attachFileStartFolder(folder + u"/gone/bill.pdf"_s, desktop), desktop);
    QCOMPARE(attachFileStartFolder(u"bill.pdf"_s, desktop), desktop);
    QCOMPARE(attachFileStartFolder(QString(), desktop), desktop);

    QCOMPARE(attachFolderStartFolder(folder), folder);
    QCOMPARE(attachFolderStartFolder(file), QDir::rootPath());
    QCOMPARE(attachFolderStartFolder(u"mailto:ann@example.com"_s), QDir::rootPath());
}

// Every column each kind and mode writes, in statement order.
void TaskWriterTest::columns_data()
{
    QTest::addColumn<TaskEntry>("entry");
    QTest::addColumn<bool>("modify");
    QTest::addColumn<QStringList>("expected");

    TaskEntry shot = entry(TaskKind::OneShot, QDate(2024, 3, 15));
    shot.from = u"9 :30"_s;
    shot.description = u"zebra crossing"_s;
    shot.note = u"line 1\nline 2"_s;
    shot.link = u"ann"_s;
    shot.attachment = u"bill.pdf"_s;
    shot.important = true;
    shot.expiry = QDate(2024, 3, 20);
    QTest::newRow("one-shot add")
        << shot << false
        << columnList(u"id=Zebra crossing|note=line 1\nline 2|datefull=2024-03-15|orario=09:30|"
                      "orario2=  :  |flag=O|dayofweek=|ricerca=Ann|allegato=bill.pdf|fatto=<undone>|"
                      "flagfatto=N|anticipa=Y|sospeso=N|flagscad=N|scadenza=2024-03-20"_s);

    TaskEntry accented = entry(TaskKind::OneShot, QDate(2024, 3, 15));
    accented.description = u"école"_s;
    accented.link = u"1st floor"_s;
    accented.suspended = true;
    accented.expiration = true;
    QTest::newRow("one-shot add, accented first letter, expiration")
        << accented << false
        << columnList(u"id=école|note=|datefull=2024-03-15|orario=  :  |orario2=  :  |flag=O|"
                      "dayofweek=|ricerca=1st floor|allegato=|fatto=<undone>|flagfatto=N|anticipa=N|"
                      "sospeso=Y|flagscad=Y|scadenza=2024-03-15"_s);

    TaskEntry deleteAfter = entry(TaskKind::OneShot, QDate(2024, 3, 15));
    deleteAfter.deleteAfter = true;
    deleteAfter.expiration = true;
    QTest::newRow("one-shot modify, delete after excludes expiration")
        << deleteAfter << true
        << columnList(u"id=Task|note=|datefull=2024-03-15|orario=  :  |orario2=  :  |dayofweek=X|"
                      "ricerca=|allegato=|fatto=<done>|flagfatto=Y|anticipa=N|sospeso=N|flagscad=N|"
                      "scadenza=2024-03-15"_s);

    TaskEntry everyDay = entry(TaskKind::OneShot, QDate(2024, 3, 10));
    everyDay.everyDay = true;
    QTest::newRow("one-shot modify, every day, date changed")
        << everyDay << true
        << columnList(u"id=Task|note=|datefull=2024-03-10|orario=  :  |orario2=  :  |dayofweek=T|"
                      "ricerca=|allegato=|fatto=<undone>|flagfatto=N|anticipa=N|sospeso=N|flagscad=N|"
                      "scadenza=2024-03-10"_s);

    TaskEntry birthday = entry(TaskKind::Yearly, QDate(2024, 12, 30));
    birthday.description = u"Birthday of Ann"_s;
    birthday.yearsCount = true;
    birthday.parity = true;
    birthday.monthDay = u"12/30"_s;
    birthday.linkedContact = 42;
    QTest::newRow("yearly add, birthday")
        << birthday << false
        << columnList(u"id=Birthday of Ann|note=|dayindex=42|dayofmonth=SI|dayofweek=DI|"
                      "datefull=2024-12-30|data=12/30|orario=  :  |orario2=  :  |flag=Y|ricerca=|"
                      "allegato=|fatto=<undone>|flagfatto=N|anticipa=N|sospeso=N|flagscad=N|"
                      "scadenza=2024-12-30"_s);

    TaskEntry yearly = entry(TaskKind::Yearly, QDate(2024, 3, 15));
    yearly.monthDay = u"03/15"_s;
    QTest::newRow("yearly add, no contact")
        << yearly << false
        << columnList(u"id=Task|note=|dayofmonth=NO|dayofweek=|datefull=2024-03-15|data=03/15|"
                      "orario=  :  |orario2=  :  |flag=Y|ricerca=|allegato=|fatto=<undone>|"
                      "flagfatto=N|anticipa=N|sospeso=N|flagscad=N|scadenza=2024-03-15"_s);

    TaskEntry linkedModify = birthday;
    linkedModify.workingDate = QDate(2024, 3, 15);
    linkedModify.monthDay = u"03/15"_s;
    linkedModify.expiry = QDate(2024, 3, 15);
    QTest::newRow("yearly modify recomputes the parity, never writes the contact")
        << linkedModify << true
        << columnList(u"id=Birthday of Ann|note=|dayofmonth=SI|dayofweek=PA|datefull=2024-03-15|"
                      "data=03/15|orario=  :  |orario2=  :  |ricerca=|allegato=|fatto=<done>|"
                      "flagfatto=Y|anticipa=N|sospeso=N|flagscad=N|scadenza=2024-03-15"_s);

    TaskEntry monthly = entry(TaskKind::Monthly, QDate(2024, 1, 31));
    monthly.dayOfMonth = u"31"_s;
    monthly.parity = true;
    monthly.expiration = true;
    monthly.expiry = QDate(2024, 12, 31);
    QTest::newRow("monthly add")
        << monthly << false
        << columnList(u"id=Task|note=|dayofmonth=31|dayofweek=DI|datefull=2024-01-31|orario=  :  |"
                      "orario2=  :  |flag=M|ricerca=|allegato=|fatto=<undone>|flagfatto=N|anticipa=N|"
                      "sospeso=N|flagscad=Y|scadenza=2024-12-31"_s);

    TaskEntry monthlyModify = entry(TaskKind::Monthly, QDate(2024, 3, 15));
    monthlyModify.dayOfMonth = u"05"_s;
    QTest::newRow("monthly modify writes the day label, not the date's day")
        << monthlyModify << true
        << columnList(u"id=Task|note=|dayofmonth=05|dayofweek=|datefull=2024-03-15|orario=  :  |"
                      "orario2=  :  |ricerca=|allegato=|fatto=<done>|flagfatto=Y|anticipa=N|"
                      "sospeso=N|flagscad=N|scadenza=2024-03-15"_s);

    TaskEntry weekly = entry(TaskKind::Weekly, QDate(2024, 3, 17));
    weekly.parity = true;
    weekly.to = u"10:00"_s;
    QTest::newRow("weekly add on a Sunday")
        << weekly << false
        << columnList(u"id=Task|note=|dayofweek=Sunday|dayindex=1|dayofmonth=DI|datefull=2024-03-17|"
                      "orario=  :  |orario2=10:00|flag=W|ricerca=|allegato=|fatto=<undone>|"
                      "flagfatto=N|anticipa=N|sospeso=N|flagscad=N|scadenza=2024-03-17"_s);

    TaskEntry saturday = entry(TaskKind::Weekly, QDate(2024, 3, 16));
    QTest::newRow("weekly modify on a Saturday, date changed")
        << saturday << true
        << columnList(u"id=Task|note=|dayofweek=Saturday|dayindex=7|dayofmonth=|datefull=2024-03-16|"
                      "orario=  :  |orario2=  :  |ricerca=|allegato=|fatto=<undone>|flagfatto=N|"
                      "anticipa=N|sospeso=N|flagscad=N|scadenza=2024-03-16"_s);
}

void TaskWriterTest::columns()
{
    QFETCH(TaskEntry, entry);
    QFETCH(bool, modify);
    QFETCH(QStringList, expected);

    // The stored row of a modify was ticked done on 1 March and starts on 15 March.
    Task stored;
    stored.codimp = 7;
    stored.datefull = QDate(2024, 3, 15);
    stored.fatto = QDate(2024, 3, 1);
    stored.flagfatto = u"Y"_s;

    const TaskColumns columns = modify ? TaskWriter::updateColumns(entry, stored, kViewed)
                                       : TaskWriter::insertColumns(entry, kViewed);
    QCOMPARE(described(columns), expected);
}

// Parity codes come from the working date: month, ISO week, ISO week-year.
void TaskWriterTest::parity_data()
{
    QTest::addColumn<TaskKind>("kind");
    QTest::addColumn<QDate>("working");
    QTest::addColumn<QString>("code");

    QTest::newRow("monthly, January") << TaskKind::Monthly << QDate(2024, 1, 31) << u"DI"_s;
    QTest::newRow("monthly, February") << TaskKind::Monthly << QDate(2024, 2, 1) << u"PA"_s;
    QTest::newRow("weekly, week 53") << TaskKind::Weekly << QDate(2020, 12, 31) << u"DI"_s;
    QTest::newRow("weekly, week 1 after week 53") << TaskKind::Weekly << QDate(2021, 1, 4) << u"DI"_s;
    QTest::newRow("weekly, 1 January in week 53") << TaskKind::Weekly << QDate(2021, 1, 1) << u"DI"_s;
    QTest::newRow("weekly, week 2") << TaskKind::Weekly << QDate(2021, 1, 11) << u"PA"_s;
    QTest::newRow("yearly, 30 December in the next week-year")
        << TaskKind::Yearly << QDate(2024, 12, 30) << u"DI"_s;
    QTest::newRow("yearly, 1 January in the previous week-year")
        << TaskKind::Yearly << QDate(2021, 1, 1) << u"PA"_s;
    QTest::newRow("yearly, mid year") << TaskKind::Yearly << QDate(2023, 6, 1) << u"DI"_s;
}

void TaskWriterTest::parity()
{
    QFETCH(TaskKind, kind);
    QFETCH(QDate, working);
    QFETCH(QString, code);

    TaskEntry e = entry(kind, working);
    e.parity = true;
    const QString column = kind == TaskKind::Weekly ? u"dayofmonth"_s : u"dayofweek"_s;
    QCOMPARE(TaskWriter::insertColumns(e, kViewed).value(column).toString(), code);

    Task stored;
    stored.datefull = working;
    QCOMPARE(TaskWriter::updateColumns(e, stored, kViewed).value(column).toString(), code);
}

void TaskWriterTest::statements()
{
    const TaskEntry shot = entry(TaskKind::OneShot, kViewed);
    QCOMPARE(
        TaskWriter::insertStatement(TaskWriter::insertColumns(shot, kViewed)),
        u"INSERT INTO BRarc66\n"
        "(id,note,datefull,orario,orario2,flag,dayofweek,ricerca,allegato,fatto,flagfatto,anticipa,sospeso,"
        "flagscad,scadenza)\n"
        "values (:id,:note,:datefull,:orario,:orario2,:flag,:dayofweek,:ricerca,:allegato,:fatto,:flagfatto,"
        ":anticipa,:sospeso,:flagscad,:scadenza)"_s);

    Task stored;
    stored.datefull = kViewed;
    QCOMPARE(TaskWriter::updateStatement(TaskWriter::updateColumns(shot, stored, kViewed)),
             u"UPDATE BRarc66\nSET id = :id,\nnote = :note,\ndatefull = :datefull,\norario = :orario,\n"
             "orario2 = :orario2,\ndayofweek = :dayofweek,\nricerca = :ricerca,\nallegato = :allegato,\n"
             "fatto = :fatto,\nflagfatto = :flagfatto,\nanticipa = :anticipa,\nsospeso = :sospeso,\n"
             "flagscad = :flagscad,\nscadenza = :scadenza\nWHERE codimp = :codimp"_s);
}

// Texts are bound, never spliced: quotes and SQL stay text, and a 255-character
// description keeps every character.
void TaskWriterTest::insertKeepsTextsWhole()
{
    brivane::test::TestArchive archive;
    TaskEntry e = entry(TaskKind::OneShot, kViewed);
    e.description =
        u"Call \"Ann\" about O'Brien's bill'); DELETE FROM BRarc66; --"_s.leftJustified(255, u'x');
    e.link = QString(50, u'L');
    e.attachment = u"/data/"_s + QString(249, u'a');
    e.note = u"first line\r\nsecond \"line\""_s;

    QString error;
    const qint64 first = TaskWriter::insert(archive.db(), e, kViewed, &error);
    QVERIFY2(first > 0, qPrintable(error));
    const qint64 second = TaskWriter::insert(archive.db(), e, kViewed, &error);
    QCOMPARE(second, first + 1);

    const std::optional<Task> task = TaskWriter::load(archive.db(), first, &error);
    QVERIFY2(task, qPrintable(error));
    QCOMPARE(task->id.size(), 255);
    QCOMPARE(task->id, e.description);
    QCOMPARE(task->ricerca, e.link);
    QCOMPARE(task->allegato.size(), 255);
    QCOMPARE(task->note, e.note);
    QCOMPARE(task->flag, u"O"_s);

    QVERIFY(!TaskWriter::load(archive.db(), second + 1, &error));
    QVERIFY(!error.isEmpty());
}

// A done tick survives a modify unless the start date changes.
void TaskWriterTest::doneStateOnModify_data()
{
    QTest::addColumn<TaskKind>("kind");
    QTest::addColumn<int>("dateShift");
    QTest::addColumn<QString>("flagfatto");
    QTest::addColumn<QDate>("fatto");

    const QDate ticked(2024, 3, 15);
    const QDate undone = undoneDate(QDate(2024, 4, 2));
    QTest::newRow("one-shot, description changed") << TaskKind::OneShot << 0 << u"Y"_s << ticked;
    QTest::newRow("one-shot, date changed") << TaskKind::OneShot << 1 << u"N"_s << undone;
    QTest::newRow("weekly, description changed") << TaskKind::Weekly << 0 << u"Y"_s << ticked;
    QTest::newRow("yearly, date changed") << TaskKind::Yearly << -365 << u"N"_s << undone;
}

void TaskWriterTest::doneStateOnModify()
{
    QFETCH(TaskKind, kind);
    QFETCH(int, dateShift);
    QFETCH(QString, flagfatto);
    QFETCH(QDate, fatto);

    brivane::test::TestArchive archive;
    const QDate start(2024, 3, 15);
    const qint64 key = TaskWriter::insert(archive.db(), entry(kind, start), start);
    QVERIFY(key > 0);
    QVERIFY(writeDone(archive.db(), key, {start, true}));

    const std::optional<Task> stored = TaskWriter::load(archive.db(), key);
    QVERIFY(stored);
    TaskEntry changed = TaskEntry::fromTask(*stored, kind, start);
    changed.description = u"Changed"_s;
    changed.workingDate = start.addDays(dateShift);
    QString error;
    QVERIFY2(TaskWriter::update(archive.db(), changed, *stored, QDate(2024, 4, 2), &error),
             qPrintable(error));

    const std::optional<Task> after = TaskWriter::load(archive.db(), key);
    QCOMPARE(after->id, u"Changed"_s);
    QCOMPARE(after->flagfatto, flagfatto);
    QCOMPARE(after->fatto, fatto);
}

// Opening a modify dialog on a row and saving it unchanged leaves every column
// as it was: the opening mapping and the writer agree for every option.
void TaskWriterTest::unchangedModifyKeepsRow_data()
{
    QTest::addColumn<TaskEntry>("entry");

    TaskEntry shot = entry(TaskKind::OneShot, QDate(2024, 2, 29));
    shot.from = u"08:05"_s;
    shot.to = u"17:45"_s;
    shot.everyDay = true;
    shot.important = true;
    shot.link = u"Ann"_s;
    shot.attachment = u"mailto:ann@example.com"_s;
    QTest::newRow("one-shot, every day") << shot;

    TaskEntry span = entry(TaskKind::OneShot, QDate(2024, 2, 29));
    span.expiration = true;
    span.expiry = QDate(2024, 3, 3);
    span.suspended = true;
    QTest::newRow("one-shot span") << span;

    TaskEntry birthday = entry(TaskKind::Yearly, QDate(1990, 12, 30));
    birthday.yearsCount = true;
    birthday.parity = true;
    birthday.monthDay = u"12/30"_s;
    birthday.linkedContact = 42;
    QTest::newRow("yearly birthday, biennial") << birthday;

    TaskEntry monthly = entry(TaskKind::Monthly, QDate(2024, 1, 31));
    monthly.parity = true;
    monthly.dayOfMonth = u"31"_s;
    QTest::newRow("monthly, bimonthly") << monthly;

    TaskEntry weekly = entry(TaskKind::Weekly, QDate(2020, 12, 31));
    weekly.parity = true;
    weekly.expiration = true;
    weekly.expiry = QDate(2021, 6, 30);
    QTest::newRow("weekly, fortnightly, expiring") << weekly;
}

void TaskWriterTest::unchangedModifyKeepsRow()
{
    QFETCH(TaskEntry, entry);

    brivane::test::TestArchive archive;
    const qint64 key = TaskWriter::insert(archive.db(), entry, kViewed);
    QVERIFY(key > 0);
    const QStringList before = rowValues(archive.db(), key);

    const std::optional<Task> stored = TaskWriter::load(archive.db(), key);
    QVERIFY(stored);
    const TaskEntry opened = TaskEntry::fromTask(*stored, entry.kind, kViewed);
    QVERIFY(TaskWriter::update(archive.db(), opened, *stored, kViewed.addDays(10)));
    QCOMPARE(rowValues(archive.db(), key), before);
}

void TaskWriterTest::modifyOpening_data()
{
    QTest::addColumn<QDate>("scadenza");
    QTest::addColumn<QDate>("expiry");

    // Start 10 March, today 15 March.
    QTest::newRow("no expiry stored: today") << QDate() << QDate(2024, 3, 15);
    QTest::newRow("zero date stored: today") << QDate(1899, 12, 30) << QDate(2024, 3, 15);
    QTest::newRow("before the start: the start") << QDate(2024, 3, 1) << QDate(2024, 3, 10);
    QTest::newRow("after the start: kept") << QDate(2024, 5, 1) << QDate(2024, 5, 1);
}

void TaskWriterTest::modifyOpening()
{
    QFETCH(QDate, scadenza);
    QFETCH(QDate, expiry);

    Task task;
    task.datefull = QDate(2024, 3, 10);
    task.scadenza = scadenza;
    QCOMPARE(TaskEntry::fromTask(task, TaskKind::Monthly, QDate(2024, 3, 15)).expiry, expiry);
}

void TaskWriterTest::labels()
{
    QCOMPARE(lookAheadLabel(5), u"Remember 5 days before"_s);

    Task task;
    QCOMPARE(doneLabel(task, kUs), u"Done: not yet."_s);
    task.flagfatto = u"Y"_s;
    task.fatto = QDate(2024, 3, 15);
    QCOMPARE(doneLabel(task, kUs), u"Done: Friday 15 March 2024"_s);

    const QDate today(2024, 3, 15);
    QCOMPARE(yearsCountLabel(true, QDate(1990, 3, 16), today, kUs),
             u"Years count: 33 - Period: 16 Mar 1990 - 15 Mar 2024"_s);
    QCOMPARE(yearsCountLabel(true, QDate(1990, 3, 15), today, kUs),
             u"Years count: 34 - Period: 15 Mar 1990 - 15 Mar 2024"_s);
    QCOMPARE(yearsCountLabel(false, QDate(1990, 3, 15), today, kUs), u"The task starts from an year"_s);

    QCOMPARE(dateLabel(TaskKind::OneShot, today, u"dddd d mmmm yyyy"_s, u"d mmmm"_s, kUs),
             u"Friday 15 March 2024"_s);
    QCOMPARE(dateLabel(TaskKind::Yearly, today, u"dddd d mmmm yyyy"_s, u"d mmmm"_s, kUs), u"15 March"_s);
    QCOMPARE(dateLabel(TaskKind::Monthly, QDate(2024, 3, 5), {}, {}, kUs), u"05"_s);
    QCOMPARE(dateLabel(TaskKind::Weekly, today, {}, {}, kUs), u"Friday"_s);
}

QTEST_GUILESS_MAIN(TaskWriterTest)
#include "tst_taskwriter.moc"
