// The group table and the memorised groups.
#include "contacts/Groups.h"
#include "store/SettingsStore.h"
#include "support/TestArchive.h"

#include <QSqlQuery>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace brivane;
using namespace brivane::contacts;

namespace {

int rows(const QSqlDatabase& db, const QString& id, const QString& section)
{
    QSqlQuery query(db);
    query.prepare(u"SELECT count(*) FROM BRcat80 WHERE id = ? AND sezione = ?"_s);
    query.addBindValue(id);
    query.addBindValue(section);
    if (!query.exec() || !query.next())
        return -1;
    return query.value(0).toInt();
}

} // namespace

class GroupsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void seededNamesAreSorted_data();
    void seededNamesAreSorted();
    void namesSortIgnoringLetterCase();
    void registerAddsOncePerSection();
    void registerKeepsQuotesAndLetterCase();
    void deleteRemovesOnlyTheExactName();
    void deletingAGroupKeepsTheContactsGroup();
    void memorisedGroups_data();
    void memorisedGroups();
    void statementsBindEveryValue();
};

void GroupsTest::seededNamesAreSorted_data()
{
    QTest::addColumn<QChar>("section");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("contacts") << QChar(u'C')
                              << QStringList{QString(),     u"Business"_s,      u"Client"_s,  u"Cool"_s,
                                             u"Friend"_s,   u"Gal"_s,           u"Gump"_s,    u"Guy"_s,
                                             u"Hot"_s,      u"Lover"_s,         u"NiceAss"_s, u"Parent"_s,
                                             u"Playmate"_s, u"PrettyTitties"_s, u"Private"_s, u"Schoolmate"_s,
                                             u"Society"_s,  u"Supplying"_s,     u"Teacher"_s, u"Tunahead"_s};
    QTest::newRow("notes") << QChar(u'N')
                           << QStringList{QString(),     u"Dreams"_s,  u"Favorite"_s,  u"Health"_s,
                                          u"Home"_s,     u"Ideas"_s,   u"Important"_s, u"Personal"_s,
                                          u"Projects"_s, u"Recipes"_s, u"Shopping"_s,  u"Sport"_s,
                                          u"Stories"_s,  u"Study"_s,   u"Work"_s};
    QTest::newRow("to-do, lower-case letter")
        << QChar(u'l') << QStringList{QString(),    u"Black"_s, u"Cocktails"_s, u"Excursion"_s,
                                      u"Expense"_s, u"Gifts"_s, u"Shopping"_s,  u"Wedding"_s};
}

void GroupsTest::seededNamesAreSorted()
{
    QFETCH(QChar, section);
    QFETCH(QStringList, names);
    test::TestArchive archive;
    QStringList loaded;
    QString error;
    QVERIFY2(Groups::names(archive.db(), section, loaded, &error), qPrintable(error));
    QCOMPARE(loaded, names);
    QVERIFY(loaded.first().isEmpty());
}

void GroupsTest::namesSortIgnoringLetterCase()
{
    test::TestArchive archive;
    QVERIFY(Groups::registerName(archive.db(), u'L', u"apple"_s));
    QVERIFY(Groups::registerName(archive.db(), u'L', u"Zebra"_s));
    QVERIFY(Groups::registerName(archive.db(), u'L', u"banana"_s));
    const QStringList names = Groups::names(archive.db(), u'L');
    QCOMPARE(names.mid(0, 4), (QStringList{QString(), u"apple"_s, u"banana"_s, u"Black"_s}));
    QCOMPARE(names.last(), u"Zebra"_s);
}

void GroupsTest::registerAddsOncePerSection()
{
    test::TestArchive archive;
    const QSqlDatabase db = archive.db();
    bool inserted = true;
    QVERIFY(Groups::registerName(db, u'N', u"Work"_s, &inserted));
    QVERIFY(!inserted); // seeded already
    QCOMPARE(rows(db, u"Work"_s, u"N"_s), 1);
    QVERIFY(Groups::registerName(db, u'L', u"Work"_s, &inserted));
    QVERIFY(inserted);
    QCOMPARE(rows(db, u"Work"_s, u"L"_s), 1);
    QVERIFY(Groups::registerName(db, u'l', u"Work"_s, &inserted));
    QVERIFY(!inserted);
    QCOMPARE(rows(db, u"Work"_s, u"L"_s), 1);
    QVERIFY(Groups::names(db, u'L').contains(u"Work"_s));
    // The empty name is registered when a section lacks it.
    QSqlQuery remove(db);
    QVERIFY(remove.exec(u"DELETE FROM BRcat80 WHERE sezione = 'C' AND id = ''"_s));
    QVERIFY(Groups::registerName(db, u'C', u""_s, &inserted));
    QVERIFY(inserted);
    QCOMPARE(rows(db, u""_s, u"C"_s), 1);
}

void GroupsTest::registerKeepsQuotesAndLetterCase()
{
    test::TestArchive archive;
    const QSqlDatabase db = archive.db();
    const QString odd = u"Pub's \"best\"; DROP TABLE BRcat80; --"_s;
    bool inserted = false;
    QVERIFY(Groups::registerName(db, u'C', odd, &inserted));
    QVERIFY(inserted);
    QVERIFY(Groups::registerName(db, u'C', odd, &inserted));
    QVERIFY(!inserted);
    QVERIFY(Groups::names(db, u'C').contains(odd));
    QVERIFY(Groups::registerName(db, u'C', u"client"_s, &inserted));
    QVERIFY(inserted); // letter case counts
    QCOMPARE(rows(db, u"Client"_s, u"C"_s), 1);
    QCOMPARE(rows(db, u"client"_s, u"C"_s), 1);
}

void GroupsTest::deleteRemovesOnlyTheExactName()
{
    test::TestArchive archive;
    const QSqlDatabase db = archive.db();
    QVERIFY(Groups::registerName(db, u'C', u"client"_s));
    QVERIFY(Groups::registerName(db, u'N', u"Client"_s));
    int deleted = -1;
    QVERIFY(Groups::deleteName(db, u'C', u"Client"_s, &deleted));
    QCOMPARE(deleted, 1);
    QCOMPARE(rows(db, u"Client"_s, u"C"_s), 0);
    QCOMPARE(rows(db, u"client"_s, u"C"_s), 1);
    QCOMPARE(rows(db, u"Client"_s, u"N"_s), 1);
    QVERIFY(Groups::deleteName(db, u'C', u"Nobody"_s, &deleted));
    QCOMPARE(deleted, 0);
    QCOMPARE(Groups::names(db, u'C').size(), 20); // 20 seeded - Client + client
}

void GroupsTest::deletingAGroupKeepsTheContactsGroup()
{
    test::TestArchive archive;
    const QSqlDatabase db = archive.db();
    QSqlQuery insert(db);
    QVERIFY(insert.exec(u"INSERT INTO BRcon63 (ragsoc, gruppo) values ('Rossi', 'Friend')"_s));
    QVERIFY(Groups::deleteName(db, u'C', u"Friend"_s));
    QVERIFY(!Groups::names(db, u'C').contains(u"Friend"_s));
    QSqlQuery contact(db);
    QVERIFY(contact.exec(u"SELECT gruppo FROM BRcon63"_s) && contact.next());
    QCOMPARE(contact.value(0).toString(), u"Friend"_s);
}

void GroupsTest::memorisedGroups_data()
{
    QTest::addColumn<QChar>("section");
    QTest::addColumn<QString>("column");
    QTest::newRow("contacts") << QChar(u'C') << u"mem_group_contact"_s;
    QTest::newRow("notes") << QChar(u'N') << u"mem_group_note"_s;
    QTest::newRow("to-do") << QChar(u'L') << u"mem_group_list"_s;
}

void GroupsTest::memorisedGroups()
{
    QFETCH(QChar, section);
    QFETCH(QString, column);
    test::TestArchive archive;
    const QSqlDatabase db = archive.db();
    QCOMPARE(Groups::memorisedColumn(section), column);
    store::SettingsRecord settings;
    QVERIFY(store::SettingsStore(db).load(settings));
    QVERIFY(Groups::memorisedGroup(settings, section).isEmpty()); // null in a new archive

    const QString text = u"Friend's \"group\""_s;
    QString error;
    QVERIFY2(Groups::saveMemorised(db, section, text, &error), qPrintable(error));
    QVERIFY(store::SettingsStore(db).load(settings));
    QCOMPARE(Groups::memorisedGroup(settings, section), text);
    // Only this tab's column changed.
    for (QChar other : {u'C', u'N', u'L'}) {
        if (other != section)
            QVERIFY(Groups::memorisedGroup(settings, other).isEmpty());
    }
    QVERIFY(Groups::saveMemorised(db, section, u""_s));
    QVERIFY(store::SettingsStore(db).load(settings));
    QCOMPARE(Groups::memorisedGroup(settings, section), QString());
    QVERIFY(!Groups::saveMemorised(db, u'X', text));
}

void GroupsTest::statementsBindEveryValue()
{
    QCOMPARE(Groups::loadStatement(), u"SELECT * FROM BRcat80 WHERE sezione = :sezione"_s);
    QCOMPARE(Groups::findStatement(), u"SELECT *\nFROM BRcat80\nWHERE id = :id\nAND sezione = :sezione"_s);
    QCOMPARE(Groups::insertStatement(), u"INSERT INTO BRcat80\n(id,sezione)\nvalues (:id,:sezione)"_s);
    QCOMPARE(Groups::deleteStatement(), u"DELETE\nFROM BRcat80\nWHERE codcat = :codcat"_s);
    QCOMPARE(Groups::filterLength(u'C'), 50);
    QCOMPARE(Groups::filterLength(u'L'), 50);
    QCOMPARE(Groups::filterLength(u'N'), 30);
}

QTEST_GUILESS_MAIN(GroupsTest)
#include "tst_groups.moc"
