#include "support/TestArchive.h"
#include "to_do/ToDoCsv.h"
#include "to_do/ToDoQuery.h"
#include "to_do/ToDoWriter.h"

#include <QAbstractItemModelTester>
#include <QFile>
#include <QFont>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace brivane::to_do;
using brivane::test::TestArchive;

Q_DECLARE_METATYPE(brivane::to_do::Order)
Q_DECLARE_METATYPE(brivane::to_do::SearchIn)
Q_DECLARE_METATYPE(brivane::to_do::StateFilter)

namespace {

// Adds a row as an older version or another machine may have left it: the
// flag and the group may be anything, null included.
void addRow(const QSqlDatabase& db, const QString& id, const QVariant& note, double priority, const QVariant& flag,
            double percento, const QVariant& gruppo)
{
    QSqlQuery query(db);
    query.prepare(u"INSERT INTO BRtod63 (id,note,priority,flag,percento,allegato,ricerca,gruppo) "
                  "VALUES (:id,:note,:priority,:flag,:percento,'','',:gruppo)"_s);
    query.bindValue(u":id"_s, id);
    query.bindValue(u":note"_s, note);
    query.bindValue(u":priority"_s, priority);
    query.bindValue(u":flag"_s, flag);
    query.bindValue(u":percento"_s, percento);
    query.bindValue(u":gruppo"_s, gruppo);
    QVERIFY2(query.exec(), qPrintable(query.lastError().text()));
}

// Five items, in creation order.
void addFixture(const QSqlDatabase& db)
{
    const QVariant null{QMetaType(QMetaType::QString)};
    addRow(db, u"Buy gifts"_s, u"for Ann"_s, 5, u"No"_s, 20, u"Gifts"_s);
    addRow(db, u"Call O'Brien"_s, u""_s, 9, u"Yes"_s, 100, u"Work"_s);
    addRow(db, u"Apple pie"_s, u"bake \"twice\" \u00E0 la mode"_s, 5, u"No"_s, 0, u""_s);
    addRow(db, u"Book hotel"_s, u"Wedding trip"_s, 1, u"Yes"_s, 100, u"Wedding"_s);
    addRow(db, u"Clean car"_s, null, 3, u""_s, 50, null);
}

QStringList descriptions(const ToDoQuery& query)
{
    QStringList out;
    for (const ToDoItem& item : query.items())
        out << item.id;
    return out;
}

QSqlRecord row(const QSqlDatabase& db, qint64 codtod)
{
    QSqlQuery query(db);
    query.prepare(u"SELECT * FROM BRtod63 WHERE codtod = :codtod"_s);
    query.bindValue(u":codtod"_s, codtod);
    if (!query.exec() || !query.next())
        return {};
    return query.record();
}

} // namespace

class ToDoTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();

    void ordering_data();
    void ordering();
    void searchAndGroupFilter_data();
    void searchAndGroupFilter();
    void listColumns();

    void check_data();
    void check();
    void cloneDropsGroup();
    void insertUpdateDelete();
    void savedDescription_data();
    void savedDescription();

    void csvExport();
    void csvExportToUnwritablePlace();
};

void ToDoTest::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void ToDoTest::ordering_data()
{
    QTest::addColumn<Order>("order");
    QTest::addColumn<QStringList>("expected");

    const QStringList creation{u"Buy gifts"_s, u"Call O'Brien"_s, u"Apple pie"_s, u"Book hotel"_s, u"Clean car"_s};
    const QStringList alphabetical{u"Apple pie"_s, u"Book hotel"_s, u"Buy gifts"_s, u"Call O'Brien"_s,
                                   u"Clean car"_s};
    auto reversed = [](QStringList list) {
        std::reverse(list.begin(), list.end());
        return list;
    };
    QTest::newRow("priority asc, ties by description")
        << Order::PriorityAsc
        << QStringList{u"Book hotel"_s, u"Clean car"_s, u"Apple pie"_s, u"Buy gifts"_s, u"Call O'Brien"_s};
    QTest::newRow("priority desc, ties by description")
        << Order::PriorityDesc
        << QStringList{u"Call O'Brien"_s, u"Apple pie"_s, u"Buy gifts"_s, u"Clean car"_s, u"Book hotel"_s};
    QTest::newRow("percentage asc")
        << Order::PercentageAsc
        << QStringList{u"Apple pie"_s, u"Buy gifts"_s, u"Clean car"_s, u"Book hotel"_s, u"Call O'Brien"_s};
    QTest::newRow("percentage desc: 100 first, ties by description")
        << Order::PercentageDesc
        << QStringList{u"Book hotel"_s, u"Call O'Brien"_s, u"Clean car"_s, u"Buy gifts"_s, u"Apple pie"_s};
    QTest::newRow("alphabetical asc") << Order::AlphabeticalAsc << alphabetical;
    QTest::newRow("alphabetical desc") << Order::AlphabeticalDesc << reversed(alphabetical);
    QTest::newRow("creation asc") << Order::CreationAsc << creation;
    QTest::newRow("creation desc") << Order::CreationDesc << reversed(creation);
}

void ToDoTest::ordering()
{
    QFETCH(Order, order);
    QFETCH(QStringList, expected);
    TestArchive archive;
    addFixture(archive.db());
    ToDoQuery query;
    query.search.order = order;
    QString error;
    QVERIFY2(query.run(archive.db(), &error), qPrintable(error));
    QCOMPARE(descriptions(query), expected);
}

void ToDoTest::searchAndGroupFilter_data()
{
    QTest::addColumn<SearchIn>("searchIn");
    QTest::addColumn<QString>("text");
    QTest::addColumn<StateFilter>("state");
    QTest::addColumn<QString>("group");
    QTest::addColumn<QStringList>("expected");

    const auto D = SearchIn::Description;
    const auto N = SearchIn::Note;
    const auto all = StateFilter::All;
    QTest::newRow("nothing chosen lists every item")
        << D << QString() << all << QString()
        << QStringList{u"Buy gifts"_s, u"Call O'Brien"_s, u"Apple pie"_s, u"Book hotel"_s, u"Clean car"_s};
    QTest::newRow("description, any letter case, quote as typed")
        << D << u"o'b"_s << all << QString() << QStringList{u"Call O'Brien"_s};
    QTest::newRow("description substring") << D << u"B"_s << all << QString()
                                           << QStringList{u"Buy gifts"_s, u"Call O'Brien"_s, u"Book hotel"_s};
    QTest::newRow("note, accented letters in any case")
        << N << u"\u00C0 LA"_s << all << QString() << QStringList{u"Apple pie"_s};
    QTest::newRow("note with double quotes") << N << u"\"twice\""_s << all << QString()
                                             << QStringList{u"Apple pie"_s};
    QTest::newRow("note is not the description") << N << u"gifts"_s << all << QString() << QStringList{};
    QTest::newRow("checked: exactly the Yes items")
        << D << QString() << StateFilter::Checked << QString() << QStringList{u"Call O'Brien"_s, u"Book hotel"_s};
    QTest::newRow("unchecked: exactly the No items")
        << D << QString() << StateFilter::Unchecked << QString() << QStringList{u"Buy gifts"_s, u"Apple pie"_s};
    QTest::newRow("group substring, any letter case")
        << D << QString() << all << u"gIfT"_s << QStringList{u"Buy gifts"_s};
    QTest::newRow("group substring in two groups")
        << D << QString() << all << u"w"_s << QStringList{u"Call O'Brien"_s, u"Book hotel"_s};
    QTest::newRow("group with quote matches nothing")
        << D << QString() << all << u"Gifts\""_s << QStringList{};
    QTest::newRow("all three together")
        << D << u"hotel"_s << StateFilter::Checked << u"wed"_s << QStringList{u"Book hotel"_s};
}

void ToDoTest::searchAndGroupFilter()
{
    QFETCH(SearchIn, searchIn);
    QFETCH(QString, text);
    QFETCH(StateFilter, state);
    QFETCH(QString, group);
    QFETCH(QStringList, expected);
    TestArchive archive;
    addFixture(archive.db());
    ToDoQuery query;
    query.search.searchIn = searchIn;
    query.search.text = text;
    query.search.state = state;
    query.search.group = group;
    query.search.order = Order::CreationAsc;
    QString error;
    QVERIFY2(query.run(archive.db(), &error), qPrintable(error));
    QCOMPARE(descriptions(query), expected);
}

void ToDoTest::listColumns()
{
    TestArchive archive;
    addFixture(archive.db());
    ToDoQuery query;
    QAbstractItemModelTester tester(&query, QAbstractItemModelTester::FailureReportingMode::QtTest);
    query.search.order = Order::CreationAsc;
    QVERIFY(query.run(archive.db()));

    QCOMPARE(query.headerData(ToDoQuery::Description, Qt::Horizontal).toString(), u"Description"_s);
    QCOMPARE(query.headerData(ToDoQuery::Priority, Qt::Horizontal).toString(), u"P"_s);
    QCOMPARE(query.headerData(ToDoQuery::Percent, Qt::Horizontal).toString(), u"%"_s);
    QCOMPARE(query.headerData(ToDoQuery::NoteMark, Qt::Horizontal).toString(), u"Note"_s);
    QCOMPARE(query.headerData(ToDoQuery::Done, Qt::Horizontal).toString(), u"Done"_s);

    auto text = [&query](int row, int column) { return query.index(row, column).data().toString(); };
    // Row 0 "Buy gifts": unchecked, with a note; row 1 "Call O'Brien": checked, no note.
    QCOMPARE(text(0, ToDoQuery::Priority), u"5"_s);
    QCOMPARE(text(0, ToDoQuery::Percent), u"20"_s);
    QCOMPARE(text(0, ToDoQuery::NoteMark), ToDoQuery::noteMark());
    QCOMPARE(text(0, ToDoQuery::Done), QString());
    QVERIFY(!query.index(0, 0).data(Qt::FontRole).value<QFont>().strikeOut());
    QCOMPARE(text(1, ToDoQuery::NoteMark), QString());
    QCOMPARE(text(1, ToDoQuery::Done), u"X"_s);
    QVERIFY(query.index(1, 0).data(Qt::FontRole).value<QFont>().strikeOut());
    // A null note has no mark either.
    QCOMPARE(text(4, ToDoQuery::NoteMark), QString());
}

void ToDoTest::check_data()
{
    QTest::addColumn<QVariant>("flag");
    QTest::addColumn<QString>("expectedFlag");
    QTest::addColumn<int>("expectedPercent");
    QTest::newRow("unchecked becomes Yes at 100") << QVariant(u"No"_s) << u"Yes"_s << 100;
    QTest::newRow("checked becomes No at 0") << QVariant(u"Yes"_s) << u"No"_s << 0;
    QTest::newRow("empty becomes No at 0") << QVariant(u""_s) << u"No"_s << 0;
    QTest::newRow("null becomes No at 0") << QVariant(QMetaType(QMetaType::QString)) << u"No"_s << 0;
}

void ToDoTest::check()
{
    QFETCH(QVariant, flag);
    QFETCH(QString, expectedFlag);
    QFETCH(int, expectedPercent);
    TestArchive archive;
    addRow(archive.db(), u"Item"_s, u""_s, 5, flag, 42, u""_s);
    ToDoQuery query;
    QVERIFY(query.run(archive.db()));
    const ToDoItem item = query.itemAt(0);
    QString error;
    QVERIFY2(ToDoWriter(archive.db()).check(item.codtod, item.flag, &error), qPrintable(error));
    const QSqlRecord stored = row(archive.db(), item.codtod);
    QCOMPARE(stored.value(u"flag"_s).toString(), expectedFlag);
    QCOMPARE(stored.value(u"percento"_s).toInt(), expectedPercent);
}

void ToDoTest::cloneDropsGroup()
{
    TestArchive archive;
    addFixture(archive.db());
    ToDoQuery query;
    query.search.group = u"Gifts"_s;
    QVERIFY(query.run(archive.db()));
    QCOMPARE(query.rowCount(), 1);
    ToDoItem original = query.itemAt(0);
    original.allegato = u"mailto:ann@example.com"_s;
    original.ricerca = u"Ann"_s;

    QString error;
    const qint64 key = ToDoWriter(archive.db()).clone(original, &error);
    QVERIFY2(key > original.codtod, qPrintable(error));
    const QSqlRecord copy = row(archive.db(), key);
    QCOMPARE(copy.value(u"id"_s).toString(), u"Buy gifts"_s);
    QCOMPARE(copy.value(u"note"_s).toString(), u"for Ann"_s);
    QCOMPARE(copy.value(u"priority"_s).toInt(), 5);
    QCOMPARE(copy.value(u"flag"_s).toString(), u"No"_s);
    QCOMPARE(copy.value(u"percento"_s).toInt(), 20);
    QCOMPARE(copy.value(u"allegato"_s).toString(), u"mailto:ann@example.com"_s);
    QCOMPARE(copy.value(u"ricerca"_s).toString(), u"Ann"_s);
    QVERIFY(copy.value(u"gruppo"_s).toString().isEmpty());

    // The tab filtered by the group does not list the clone.
    QVERIFY(query.run(archive.db()));
    QCOMPARE(query.rowCount(), 1);
    QCOMPARE(query.itemAt(0).codtod, original.codtod);
}

void ToDoTest::insertUpdateDelete()
{
    TestArchive archive;
    const ToDoWriter writer(archive.db());
    ToDoItem item;
    item.id = u"Plan the \"big\" day; it's 100% \u65E5\u672C"_s;
    item.note = u"line one\r\nline two\n\u20AC 5"_s;
    item.priority = 99;
    item.flag = u"Yes"_s;
    item.percento = 70;
    item.allegato = u"/tmp/a file.txt"_s;
    item.ricerca = u"Ann"_s;
    item.gruppo = u"Wedding"_s;

    QString error;
    const qint64 key = writer.insert(item, &error);
    QVERIFY2(key > 0, qPrintable(error));
    std::optional<ToDoItem> stored = writer.load(key, &error);
    QVERIFY2(stored, qPrintable(error));
    QCOMPARE(stored->id, item.id);
    QCOMPARE(stored->note, item.note);
    QCOMPARE(stored->priority, 99);
    QCOMPARE(stored->flag, u"No"_s); // a new item is always unchecked
    QCOMPARE(stored->percento, 0);
    QCOMPARE(stored->allegato, item.allegato);
    QCOMPARE(stored->ricerca, item.ricerca);
    QCOMPARE(stored->gruppo, item.gruppo);

    ToDoItem changed = *stored;
    changed.flag = u"Yes"_s;
    changed.percento = 100;
    changed.gruppo = u"Gifts"_s;
    changed.note.clear();
    QVERIFY2(writer.update(changed, &error), qPrintable(error));
    stored = writer.load(key);
    QCOMPARE(stored->flag, u"Yes"_s);
    QCOMPARE(stored->percento, 100);
    QCOMPARE(stored->gruppo, u"Gifts"_s);
    QCOMPARE(stored->id, item.id);

    QVERIFY2(writer.remove(key, &error), qPrintable(error));
    QVERIFY(!writer.load(key));
    // Saving an item that is gone is a failure, not a silent success.
    QVERIFY(!writer.update(changed, &error));
    QVERIFY(!error.isEmpty());
}

void ToDoTest::savedDescription_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("saved");
    QTest::newRow("small letter raised") << u"buy milk"_s << u"Buy milk"_s;
    QTest::newRow("capital kept") << u"Buy milk"_s << u"Buy milk"_s;
    QTest::newRow("only the first character") << u"bUY"_s << u"BUY"_s;
    QTest::newRow("digit kept") << u"3 eggs"_s << u"3 eggs"_s;
    QTest::newRow("letters beyond z kept") << u"\u00E0 la carte"_s << u"\u00E0 la carte"_s;
}

void ToDoTest::savedDescription()
{
    QFETCH(QString, typed);
    QFETCH(QString, saved);
    QCOMPARE(brivane::to_do::savedDescription(typed), saved);
}

void ToDoTest::csvExport()
{
    QList<ToDoItem> items(3);
    items[0].id = u"Buy gifts, wrap them"_s;
    items[0].priority = 9;
    items[0].percento = 20;
    items[0].note = u"two\r\nlines"_s;
    items[1].id = u"Caf\u00E9 \u20AC \u65E5\u672C"_s;
    items[1].priority = 5;
    items[1].percento = 100;
    items[1].note = u"a\nb\rc"_s;
    items[2].id = u"Empty note"_s;
    items[2].priority = 1;
    items[2].percento = 0;

    QTemporaryDir dir;
    const QString path = dir.filePath(u"To-Do.csv"_s);
    QString error;
    QVERIFY2(ToDoCsv::write(path, items, &error), qPrintable(error));
    QFile written(path);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QFile reference(QStringLiteral(BRIVANE_TEST_DATA) + u"/to_do/export.csv"_s);
    QVERIFY(reference.open(QIODevice::ReadOnly));
    QCOMPARE(written.readAll(), reference.readAll());
}

void ToDoTest::csvExportToUnwritablePlace()
{
    QTemporaryDir dir;
    QString error;
    QVERIFY(!ToDoCsv::write(dir.filePath(u"missing/folder/To-Do.csv"_s), {}, &error));
    QVERIFY(!error.isEmpty());
}

QTEST_GUILESS_MAIN(ToDoTest)
#include "tst_todo.moc"
