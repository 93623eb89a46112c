#include "RtfReader.h"
#include "agenda/DoneState.h"
#include "agenda/TaskEntry.h"
#include "agenda/TaskWriter.h"
#include "documents/BookDocuments.h"
#include "documents/DocumentWriters.h"
#include "documents/TaskDocuments.h"
#include "documents/TodayCsv.h"
#include "support/TestArchive.h"

#include <QFile>
#include <QSqlField>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

using namespace brivane;
using namespace brivane::documents;
using namespace Qt::StringLiterals;

namespace {

const QDate kToday(2012, 3, 5);

qint64 addTask(QSqlDatabase db, agenda::TaskKind kind, const QDate& date, const QString& description,
               const QString& from = u"  :  "_s, const QString& to = u"  :  "_s, const QString& note = {})
{
    agenda::TaskEntry entry;
    entry.kind = kind;
    entry.workingDate = date;
    entry.expiry = date;
    entry.description = description;
    entry.from = from;
    entry.to = to;
    entry.note = note;
    if (kind == agenda::TaskKind::Monthly)
        entry.dayOfMonth = date.toString(u"dd"_s);
    if (kind == agenda::TaskKind::Yearly)
        entry.monthDay = date.toString(u"MM/dd"_s);
    const qint64 key = agenda::TaskWriter::insert(db, entry, date);
    if (key < 0)
        qFatal("task insert failed");
    return key;
}

QByteArray reference(const QString& name)
{
    QFile file(QStringLiteral(BRIVANE_TEST_DATA) + u"/documents/"_s + name);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing reference %s", qPrintable(name));
    return file.readAll();
}

QSqlRecord record(const QList<QPair<QString, QString>>& values)
{
    QSqlRecord row;
    for (const auto& [name, value] : values) {
        row.append(QSqlField(name, QMetaType(QMetaType::QString)));
        row.setValue(name, value);
    }
    return row;
}

QList<QSqlRecord> rowsOf(QSqlDatabase db, const QString& statement)
{
    QSqlQuery query(db);
    QList<QSqlRecord> rows;
    if (!query.exec(statement) || !readAllRows(query, rows))
        qFatal("select failed");
    return rows;
}

} // namespace

class DocumentsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void rtfEscapesEveryNonAsciiCharacterAndKeepsStyles()
    {
        DocumentBuffer buffer;
        buffer.addCentredBold(u"CAFÉ ☕ 𝄞"_s);
        buffer.add(u"{brace} back\\slash"_s);
        buffer.add(u"note one\r\nnote two"_s, DocumentBuffer::Align::Left, DocumentBuffer::Style::Italic);
        const QByteArray rtf = toRtf(buffer, u"Sans"_s, 10);
        for (const char c : rtf)
            QVERIFY2(uchar(c) < 0x80, "a byte outside ASCII");
        QVERIFY(rtf.contains("\\u201?"));             // É
        QVERIFY(rtf.contains("\\u-10188?\\u-8930?")); // 𝄞 as a surrogate pair
        const QList<RtfParagraph> expected = {{u"CAFÉ ☕ 𝄞"_s, true, false, true},
                                              {u"{brace} back\\slash"_s, false, false, false},
                                              {u"note one"_s, false, true, false},
                                              {u"note two"_s, false, true, false}};
        QCOMPARE(readRtf(rtf), expected);
        QCOMPARE(toPlainText(buffer),
                 "CAF\xC3\x89 \xE2\x98\x95 \xF0\x9D\x84\x9E\n{brace} back\\slash\nnote one\nnote two\n");
    }

    void dailyPlanTitle_data()
    {
        QTest::addColumn<QDate>("start");
        QTest::addColumn<QDate>("end");
        QTest::addColumn<QString>("title");
        QTest::newRow("one day") << kToday << kToday << u"Daily Plan 5-03-2012"_s;
        QTest::newRow("period") << kToday << QDate(2012, 12, 25) << u"Tasks from 5-03-2012 to 25-12-2012"_s;
    }
    void dailyPlanTitle()
    {
        QFETCH(QDate, start);
        QFETCH(QDate, end);
        QFETCH(QString, title);
        QCOMPARE(documents::dailyPlanTitle(start, end), title);
    }

    // Every document against its reference file: the text exactly, and the
    // rich text with the same lines and the bold, italic and centred ones.
    void documentsMatchTheirReferences_data()
    {
        QTest::addColumn<QString>("document");
        QTest::addColumn<QStringList>("bold");
        QTest::addColumn<QStringList>("italic");
        QTest::addColumn<QStringList>("centred");
        const QString monday = u"Monday 5 March 2012"_s;
        const QString wednesday = u"Wednesday 7 March 2012"_s;
        QTest::newRow("daily plan") << u"daily-plan.txt"_s
                                    << QStringList{u"TASKS FROM 5-03-2012 TO 7-03-2012"_s, monday, wednesday}
                                    << QStringList{u"Bring"_s, u"the card"_s}
                                    << QStringList{u"TASKS FROM 5-03-2012 TO 7-03-2012"_s};
        QTest::newRow("daily plan, free days and checked")
            << u"daily-plan-free-checked.txt"_s
            << QStringList{u"TASKS FROM 5-03-2012 TO 7-03-2012"_s, monday, u"Tuesday 6 March 2012"_s,
                           wednesday}
            << QStringList{} << QStringList{u"TASKS FROM 5-03-2012 TO 7-03-2012"_s};
        QTest::newRow("daily plan without one-shot tasks")
            << u"daily-plan-no-oneshot.txt"_s
            << QStringList{u"TASKS FROM 5-03-2012 TO 7-03-2012"_s, wednesday} << QStringList{}
            << QStringList{u"TASKS FROM 5-03-2012 TO 7-03-2012"_s};
        QTest::newRow("week from a Sunday")
            << u"weekly.txt"_s << QStringList{u"WEEKLY TASKS"_s, u"Monday"_s, u"Tuesday"_s,  u"Wednesday"_s,
                                              u"Thursday"_s,     u"Friday"_s, u"Saturday"_s, u"Sunday"_s}
            << QStringList{}
            << QStringList{u"WEEKLY TASKS"_s, u"MONDAY, 5 MARCH 2012 - SUNDAY, 11 MARCH 2012"_s};
        QTest::newRow("one-shot list")
            << u"list-oneshot.txt"_s << QStringList{u"ONE SHOT"_s} << QStringList{u"Bring"_s, u"the card"_s}
            << QStringList{u"ONE SHOT"_s};
        QTest::newRow("contacts") << u"contacts.txt"_s
                                  << QStringList{u"ADDRESS BOOK CONTACTS UPDATED AT 5 MARCH 2012"_s, u"A"_s,
                                                 u"B"_s}
                                  << QStringList{}
                                  << QStringList{u"ADDRESS BOOK CONTACTS UPDATED AT 5 MARCH 2012"_s};
        QTest::newRow("to-do") << u"todo.txt"_s << QStringList{u"TO-DO LIST UPDATED AT 5 MARCH 2012"_s}
                               << QStringList{} << QStringList{u"TO-DO LIST UPDATED AT 5 MARCH 2012"_s};
        QTest::newRow("to-do with checked items")
            << u"todo-checked.txt"_s << QStringList{u"TO-DO LIST UPDATED AT 5 MARCH 2012"_s} << QStringList{}
            << QStringList{u"TO-DO LIST UPDATED AT 5 MARCH 2012"_s};
    }
    void documentsMatchTheirReferences()
    {
        QFETCH(QString, document);
        QFETCH(QStringList, bold);
        QFETCH(QStringList, italic);
        QFETCH(QStringList, centred);

        test::TestArchive archive;
        QSqlDatabase db = archive.db();
        using agenda::TaskKind;
        const QDate tuesday = kToday.addDays(1);
        const QDate wednesday = kToday.addDays(2);
        addTask(db, TaskKind::OneShot, kToday, u"Dentist"_s, u"09:00"_s, u"10:00"_s, u"Bring\r\nthe card"_s);
        const qint64 done = addTask(db, TaskKind::OneShot, wednesday, u"Paid the rent"_s);
        QVERIFY(agenda::writeDone(db, done, {wednesday, true}));
        addTask(db, TaskKind::OneShot, wednesday, u"Call Rita"_s, u"08:30"_s);
        addTask(db, TaskKind::Weekly, wednesday, u"Gym"_s, u"18:00"_s, u"19:00"_s);
        addTask(db, TaskKind::Weekly, kToday.addDays(6), u"Family lunch"_s, u"12:30"_s);
        Q_UNUSED(tuesday);

        DocumentBuffer buffer;
        DailyPlanOptions plan;
        plan.start = kToday;
        plan.end = wednesday;
        plan.notes = true;
        const QString dayFormat = u"dddd d mmmm yyyy"_s;
        if (document == u"daily-plan.txt"_s) {
            QVERIFY(buildDailyPlan(db, plan, dayFormat, buffer));
        } else if (document == u"daily-plan-free-checked.txt"_s) {
            plan.freeDays = plan.checked = true;
            plan.notes = false;
            QVERIFY(buildDailyPlan(db, plan, dayFormat, buffer));
        } else if (document == u"daily-plan-no-oneshot.txt"_s) {
            plan.kinds = u"YMW"_s;
            QVERIFY(buildDailyPlan(db, plan, dayFormat, buffer));
        } else if (document == u"weekly.txt"_s) {
            WeeklyOptions week;
            week.days[6] = true;
            QVERIFY(buildWeeklyTasks(db, QDate(2012, 3, 11), false, week, buffer));
        } else if (document == u"list-oneshot.txt"_s) {
            ListOptions options;
            options.notes = true;
            buildListDocument(
                0, rowsOf(db, u"SELECT * FROM BRarc66 WHERE flag = 'O' ORDER BY datefull, orario"_s), options,
                u"d mmmm yyyy"_s, buffer);
        } else if (document == u"contacts.txt"_s) {
            ContactFields fields;
            fields.phone = fields.address = fields.note = true;
            const QList<QSqlRecord> contacts = {
                record({{u"ragsoc"_s, u"anna"_s},
                        {u"tel"_s, u"555 1234"_s},
                        {u"indirizzo"_s, u"1 High St\r\nLeeds"_s}}),
                record({{u"ragsoc"_s, u"Bruno"_s}, {u"tel"_s, {}}, {u"note"_s, u"plays chess"_s}}),
                record({{u"ragsoc"_s, u"bianca"_s}, {u"company"_s, u"ACME"_s}})};
            buildContactsDocument({}, kToday, contacts, fields, buffer);
        } else {
            ToDoOptions options;
            options.priority = options.percentage = options.notes = true;
            options.checked = document == u"todo-checked.txt"_s;
            to_do::ToDoItem open;
            open.id = u"Paint the fence"_s;
            open.priority = 3;
            open.percento = 40;
            open.note = u"white\nnot green"_s;
            to_do::ToDoItem finished;
            finished.id = u"Buy paint"_s;
            finished.flag = to_do::ToDoItem::yes();
            finished.percento = 100;
            buildToDoDocument(kToday, {open, finished}, options, buffer);
        }

        const QByteArray text = toPlainText(buffer);
        if (text != reference(document))
            qWarning().noquote() << "produced:\n" << text;
        QCOMPARE(text, reference(document));

        const QList<RtfParagraph> paragraphs = readRtf(toRtf(buffer, u"Sans"_s, 10));
        const QStringList lines = QString::fromUtf8(text).split(u'\n');
        QCOMPARE(paragraphs.size(), lines.size() - 1);
        for (int i = 0; i < paragraphs.size(); ++i) {
            const RtfParagraph& p = paragraphs[i];
            QCOMPARE(p.text, lines[i]);
            QVERIFY2(p.bold == bold.contains(p.text), qPrintable(p.text));
            QVERIFY2(p.italic == italic.contains(p.text), qPrintable(p.text));
            QVERIFY2(p.centred == centred.contains(p.text), qPrintable(p.text));
        }
    }

    void todayCsv_data()
    {
        QTest::addColumn<QString>("description");
        QTest::addColumn<QString>("note");
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("plain") << u"Dentist"_s << u"card"_s << QByteArray("09:00,  :  ,Dentist,card");
        QTest::newRow("two-line note")
            << u"Dentist"_s << u"bring\r\nthe card"_s << QByteArray("09:00,  :  ,Dentist,bring  the card");
        QTest::newRow("comma") << u"Milk, eggs"_s << QString() << QByteArray("09:00,  :  ,\"Milk, eggs\",");
        QTest::newRow("quote") << u"The \"big\" day"_s << u"a,b\nc"_s
                               << QByteArray("09:00,  :  ,\"The \"\"big\"\" day\",\"a,b c\"");
        QTest::newRow("accents") << u"Café"_s << QString() << QByteArray("09:00,  :  ,Caf\xC3\xA9,");
    }
    void todayCsv()
    {
        QFETCH(QString, description);
        QFETCH(QString, note);
        QFETCH(QByteArray, line);
        const QSqlRecord task = record({{u"orario"_s, u"09:00"_s},
                                        {u"orario2"_s, u"  :  "_s},
                                        {u"id"_s, description},
                                        {u"note"_s, note}});
        const QByteArray csv = documents::todayCsv({task});
        QCOMPARE(csv, QByteArray("\xEF\xBB\xBF"
                                 "FROM,TO,DESCRIPTION,NOTE\r\n") +
                          line + "\r\n");
        QCOMPARE(todayCsvFileName(kToday), u"Daily plan - Monday 5 March 2012.csv"_s);
    }

    void anUnwritableFileIsReportedByName()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"missing/plan.rtf"_s);
        DocumentBuffer buffer;
        buffer.add(u"x"_s);
        QString error;
        QVERIFY(!saveDocument(path, DocumentFormat::Rtf, buffer, u"Sans"_s, 10, &error));
        QVERIFY2(error.contains(path), qPrintable(error));
        QVERIFY(!QFile::exists(path));
    }
};

QTEST_GUILESS_MAIN(DocumentsTest)
#include "tst_documents.moc"
