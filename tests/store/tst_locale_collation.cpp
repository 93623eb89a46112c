// Lists ordered by a name or title follow the alphabet of the user's
// language, through the real list queries on a real archive; the archive
// itself stays one that the plain sqlite3 shell reads and writes.
#include "contacts/ContactQuery.h"
#include "contacts/Groups.h"
#include "notes/NoteListModel.h"
#include "notes/NoteStore.h"
#include "store/Archive.h"
#include "store/LocaleCollation.h"
#include "store/Schema.h"
#include "support/OtherMachine.h"
#include "to_do/ToDoQuery.h"
#include "to_do/ToDoWriter.h"

#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

using namespace brivane;
using namespace Qt::StringLiterals;

class LocaleCollationTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void listsFollowTheLanguage_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QStringList>("expected");

        const QStringList mixed{u"müller"_s, u"Zoe"_s, u"Élodie"_s, u"anna"_s, u"Mueller"_s,
                                u"emil"_s,   u"Bob"_s, u"Anna"_s,   u"éclair"_s, u"Eve"_s};
        const QStringList accentsWithTheirLetters{u"anna"_s,   u"Anna"_s,    u"Bob"_s,   u"éclair"_s, u"Élodie"_s,
                                                  u"emil"_s,   u"Eve"_s,     u"Mueller"_s, u"müller"_s, u"Zoe"_s};
        QTest::newRow("english") << QLocale(QLocale::English, QLocale::UnitedStates) << mixed
                                 << accentsWithTheirLetters;
        QTest::newRow("german") << QLocale(QLocale::German, QLocale::Germany) << mixed << accentsWithTheirLetters;
        QTest::newRow("italian") << QLocale(QLocale::Italian, QLocale::Italy) << mixed << accentsWithTheirLetters;
        // Swedish keeps å, ä and ö after z.
        QTest::newRow("swedish") << QLocale(QLocale::Swedish, QLocale::Sweden)
                                 << QStringList{u"Öberg"_s, u"Zorro"_s, u"Ärla"_s, u"Åsa"_s, u"anders"_s, u"Olle"_s}
                                 << QStringList{u"anders"_s, u"Olle"_s, u"Zorro"_s, u"Åsa"_s, u"Ärla"_s, u"Öberg"_s};
    }
    void listsFollowTheLanguage()
    {
        QFETCH(QLocale, locale);
        QFETCH(QStringList, names);
        QFETCH(QStringList, expected);
        QLocale::setDefault(locale);

        QTemporaryDir dir;
        store::Archive archive(u"collation"_s);
        QVERIFY(archive.open(dir.path()));
        store::SchemaResult schema;
        QVERIFY(store::Schema(archive.database(), dir.path(), dir.path()).createAndUpgrade(schema));
        const QSqlDatabase db = archive.database();
        QSqlQuery contact(db);
        QVERIFY(contact.prepare(u"INSERT INTO BRcon63 (ragsoc, company, gruppo) VALUES (:name, '', '')"_s));
        for (const QString& name : names) {
            contact.bindValue(u":name"_s, name);
            QVERIFY(contact.exec());
            QVERIFY(notes::NoteStore(db).insert({name, u"text"_s, QString()}) > 0);
            to_do::ToDoItem item;
            item.id = name;
            QVERIFY(to_do::ToDoWriter(db).insert(item) > 0);
            QVERIFY(contacts::Groups::registerName(db, u'C', name));
        }

        contacts::ContactQuery contacts;
        QVERIFY(contacts.run(db));
        QStringList listed;
        for (int row = 0; row < contacts.listedCount(); ++row)
            listed << contacts.rowAt(row).value(u"ragsoc"_s).toString();
        QCOMPARE(listed, expected);

        notes::NoteListModel noteList;
        QVERIFY(noteList.run(db, notes::NoteSearch()));
        listed.clear();
        for (int row = 0; row < noteList.rowCount(); ++row)
            listed << noteList.titleAt(row);
        QCOMPARE(listed, expected);

        to_do::ToDoQuery toDo;
        toDo.search.order = to_do::Order::AlphabeticalAsc;
        QVERIFY(toDo.run(db));
        listed.clear();
        for (const to_do::ToDoItem& item : toDo.items())
            listed << item.id;
        QCOMPARE(listed, expected);

        QStringList groups = contacts::Groups::names(db, u'C');
        QStringList ours;
        for (const QString& group : std::as_const(groups)) {
            if (names.contains(group))
                ours << group;
        }
        QCOMPARE(ours, expected);
    }

    // The order lives in the statements only: the plain sqlite3 shell, which
    // knows nothing of it, still reads, writes and checks the archive.
    void plainSqliteStillWorksTheArchive()
    {
        if (!test::OtherMachine::isAvailable())
            QSKIP("the sqlite3 shell is not installed");
        QTemporaryDir dir;
        {
            store::Archive archive(u"collation"_s);
            QVERIFY(archive.open(dir.path()));
            store::SchemaResult schema;
            QVERIFY(store::Schema(archive.database(), dir.path(), dir.path()).createAndUpgrade(schema));
            contacts::ContactQuery::ensureOrderIndex(archive.database());
            contacts::ContactQuery contacts;
            QVERIFY(contacts.run(archive.database()));
        }
        bool ok = false;
        const QString out = test::OtherMachine::run(
            dir.path() + u"/boarc.abs"_s,
            u"INSERT INTO BRcon63 (ragsoc) VALUES ('Élodie');\n"
            "UPDATE BRcon63 SET company = 'x' WHERE ragsoc = 'Élodie';\n"
            "INSERT INTO BRnot80 (id, note) VALUES ('Zoe', 'z');\n"
            "SELECT ragsoc FROM BRcon63 ORDER BY ragsoc;\n"
            "PRAGMA integrity_check;"_s,
            &ok);
        QVERIFY(ok);
        QCOMPARE(out, u"Élodie\nok\n"_s);
    }
};

QTEST_GUILESS_MAIN(LocaleCollationTest)
#include "tst_locale_collation.moc"
