#include "contacts/ContactRecord.h"
#include "contacts/ContactWriter.h"
#include "contacts/GroupRegister.h"
#include "support/TestArchive.h"

#include <QDir>
#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace brivane;
using namespace brivane::contacts;

Q_DECLARE_METATYPE(brivane::contacts::Contact)

class ContactWriterTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void nameRule_data();
    void nameRule();
    void roundTrip_data();
    void roundTrip();
    void emptyFieldsAreEmptyTexts();
    void updateOfAMissingContactFails();

    void linkedTaskIsTheFirstYearlyTaskOfTheContact();
    void unlinkedTasksBelongToNoContact();
    void candidatesFollowTheYearlyList();
    void linkMovesAndUnlinkKeepsTheTask();
    void deleteContactRemovesItsBirthdaysOnly();
    void deleteContactCanKeepTheTasks();
    void deleteContactIsAllOrNothing();

    void registerAddsANameOnce();
    void groupNamesAreSorted();

    void pictureIsFoundBesideTheProgram_data();
    void pictureIsFoundBesideTheProgram();

private:
    std::unique_ptr<test::TestArchive> m_archive;
};

namespace {

qint64 addTask(QSqlDatabase db, const QString& flag, const QString& id, const QVariant& dayindex,
               const QString& data = u"03/20"_s)
{
    QSqlQuery query(db);
    query.prepare(u"INSERT INTO BRarc66 (id, flag, dayindex, data, datefull) "
                  u"VALUES (:id, :flag, :dayindex, :data, '2000-03-20')"_s);
    query.bindValue(u":id"_s, id);
    query.bindValue(u":flag"_s, flag);
    query.bindValue(u":dayindex"_s, dayindex);
    query.bindValue(u":data"_s, data);
    if (!query.exec())
        qFatal("cannot insert a task");
    return query.lastInsertId().toLongLong();
}

qint64 addContact(QSqlDatabase db, const QString& name)
{
    Contact contact;
    contact.ragsoc = name;
    return ContactWriter::insert(db, contact);
}

int count(QSqlDatabase db, const QString& statement)
{
    QSqlQuery query(statement, db);
    return query.next() ? query.value(0).toInt() : -1;
}

QVariant dayindexOf(QSqlDatabase db, qint64 codimp)
{
    QSqlQuery query(db);
    query.prepare(u"SELECT dayindex FROM BRarc66 WHERE codimp = :codimp"_s);
    query.bindValue(u":codimp"_s, codimp);
    return query.exec() && query.next() ? query.value(0) : QVariant();
}

Contact everyField(const QString& suffix)
{
    Contact c;
    c.ragsoc = u"Zoë O'Brien, \"Bob\""_s + suffix;
    c.company = u"Café; Müller & Söhne"_s + suffix;
    c.tel = u"+39 02, 555-1234; 555-9999"_s;
    c.mobile = u"333 \"mobile\""_s;
    c.skype = u"zoe.obrien"_s;
    c.fax = u"02 555'0000"_s;
    c.email = u"zoe@example.com;bob@example.org"_s;
    c.site = u"http://www.example.com/?a=1&b='2'"_s;
    c.indirizzo = u"Via Roma 1\nI-20100 Milano, \"MI\""_s;
    c.note = u"Line one; with ' and \"\r\nLine two — ça va?"_s;
    c.gruppo = u"Friend"_s;
    c.allegato = u"C:\\docs\\a,b.txt"_s;
    c.allegato2 = u"mailto:zoe@example.com"_s;
    c.allegato3 = u"/home/zoe/é ë.pdf"_s;
    c.foto = u"/home/zoe/pics/zoë.jpg"_s;
    return c;
}

} // namespace

void ContactWriterTest::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void ContactWriterTest::init()
{
    m_archive = std::make_unique<test::TestArchive>();
}

void ContactWriterTest::cleanup()
{
    m_archive.reset();
}

void ContactWriterTest::nameRule_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("stored");

    QTest::newRow("semicolon") << u"rossi;mario"_s << u"Rossi;mario"_s << u"Rossi mario"_s;
    QTest::newRow("z raised") << u"zeta"_s << u"Zeta"_s << u"Zeta"_s;
    QTest::newRow("accented first kept") << u"élodie; r"_s << u"élodie; r"_s << u"élodie  r"_s;
    QTest::newRow("digit first") << u"3m;x"_s << u"3m;x"_s << u"3m x"_s;
    QTest::newRow("only first letter") << u"de la cruz"_s << u"De la cruz"_s << u"De la cruz"_s;
    QTest::newRow("empty") << QString() << QString() << QString();
}

void ContactWriterTest::nameRule()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(QString, stored);
    QCOMPARE(capitalizedName(typed), shown);
    QCOMPARE(storedName(typed), stored);
}

void ContactWriterTest::roundTrip_data()
{
    QTest::addColumn<Contact>("first");
    QTest::addColumn<Contact>("second");

    QTest::newRow("every field") << everyField(QString()) << everyField(u" (2)"_s);
    Contact bare;
    bare.ragsoc = u"Ann"_s;
    Contact emptied = everyField(QString());
    emptied.company = emptied.note = emptied.foto = emptied.gruppo = u""_s;
    QTest::newRow("name only, then filled") << bare << everyField(QString());
    QTest::newRow("filled, then emptied") << everyField(QString()) << emptied;
}

// What is inserted and updated reads back unchanged, quotes and all.
void ContactWriterTest::roundTrip()
{
    QFETCH(Contact, first);
    QFETCH(Contact, second);
    const QSqlDatabase db = m_archive->db();

    QString error;
    const qint64 key = ContactWriter::insert(db, first, &error);
    QVERIFY2(key > 0, qPrintable(error));
    auto loaded = ContactWriter::load(db, key);
    QVERIFY(loaded);
    first.codcon = key;
    // Null and empty read back alike: both are stored as empty texts.
    const auto same = [](Contact a, Contact b) {
        for (Contact* c : {&a, &b}) {
            for (QString* text : {&c->ragsoc, &c->company, &c->tel, &c->mobile, &c->skype, &c->fax, &c->email,
                                  &c->site, &c->indirizzo, &c->note, &c->gruppo, &c->allegato, &c->allegato2,
                                  &c->allegato3, &c->foto}) {
                if (text->isNull())
                    *text = u""_s;
            }
        }
        return a == b;
    };
    QVERIFY(same(*loaded, first));

    second.codcon = key;
    QVERIFY2(ContactWriter::update(db, second, &error), qPrintable(error));
    loaded = ContactWriter::load(db, key);
    QVERIFY(loaded);
    QVERIFY(same(*loaded, second));
    QCOMPARE(count(db, u"SELECT COUNT(*) FROM BRcon63"_s), 1);
}

// The dialogs store empty texts, never nulls, for empty fields.
void ContactWriterTest::emptyFieldsAreEmptyTexts()
{
    const QSqlDatabase db = m_archive->db();
    const qint64 key = addContact(db, u"Ann"_s);
    QVERIFY(key > 0);
    QCOMPARE(count(db, u"SELECT COUNT(*) FROM BRcon63 WHERE company = '' AND note = '' AND foto = '' "
                       u"AND gruppo = '' AND skype = '' AND indirizzo = ''"_s),
             1);
}

void ContactWriterTest::updateOfAMissingContactFails()
{
    Contact ghost = everyField(QString());
    ghost.codcon = 999;
    QString error;
    QVERIFY(!ContactWriter::update(m_archive->db(), ghost, &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(!ContactWriter::load(m_archive->db(), 999));
}

void ContactWriterTest::linkedTaskIsTheFirstYearlyTaskOfTheContact()
{
    const QSqlDatabase db = m_archive->db();
    const qint64 ann = addContact(db, u"Ann"_s);
    const qint64 bob = addContact(db, u"Bob"_s);
    QVERIFY(!ContactWriter::linkedTask(db, ann));

    // A weekly task's dayindex is a weekday number, not a contact key.
    addTask(db, u"W"_s, u"Gym"_s, ann);
    QVERIFY(!ContactWriter::linkedTask(db, ann));

    const qint64 first = addTask(db, u"Y"_s, u"Birthday of Ann"_s, ann);
    addTask(db, u"Y"_s, u"Name day of Ann"_s, ann);
    addTask(db, u"Y"_s, u"Birthday of Bob"_s, bob);
    const auto found = ContactWriter::linkedTask(db, ann);
    QVERIFY(found);
    QCOMPARE(found->codimp, first);
    QCOMPARE(found->id, u"Birthday of Ann"_s);
    QCOMPARE(found->datefull, QDate(2000, 3, 20));
}

// Unlinking writes 0: that code never finds a task, as no Contact has it.
void ContactWriterTest::unlinkedTasksBelongToNoContact()
{
    const QSqlDatabase db = m_archive->db();
    addTask(db, u"Y"_s, u"Unlinked"_s, 0);
    QVERIFY(!ContactWriter::linkedTask(db, 0));
    QVERIFY(!ContactWriter::deleteContact(db, 0));
    QCOMPARE(count(db, u"SELECT COUNT(*) FROM BRarc66"_s), 1);
}

void ContactWriterTest::candidatesFollowTheYearlyList()
{
    const QSqlDatabase db = m_archive->db();
    const qint64 other = addContact(db, u"Other"_s);
    const qint64 december = addTask(db, u"Y"_s, u"Party for ROSSI mario"_s, QVariant(), u"12/01"_s);
    const qint64 march = addTask(db, u"Y"_s, u"Birthday of Rossi Mario"_s, other, u"03/05"_s);
    addTask(db, u"Y"_s, u"Birthday of Bianchi"_s, QVariant(), u"01/01"_s);
    addTask(db, u"O"_s, u"Call Rossi Mario"_s, QVariant());

    const QList<agenda::Task> found = ContactWriter::linkCandidates(db, u"rossi mario"_s);
    QCOMPARE(found.size(), 2);
    QCOMPARE(found.at(0).codimp, march);
    QCOMPARE(found.at(1).codimp, december);
    QVERIFY(ContactWriter::linkCandidates(db, u"Verdi"_s).isEmpty());
}

void ContactWriterTest::linkMovesAndUnlinkKeepsTheTask()
{
    const QSqlDatabase db = m_archive->db();
    const qint64 ann = addContact(db, u"Ann"_s);
    const qint64 bob = addContact(db, u"Bob"_s);
    const qint64 task = addTask(db, u"Y"_s, u"Birthday"_s, ann);

    QVERIFY(ContactWriter::linkTask(db, task, bob));
    QVERIFY(!ContactWriter::linkedTask(db, ann));
    QCOMPARE(ContactWriter::linkedTask(db, bob)->codimp, task);

    QVERIFY(ContactWriter::unlinkTask(db, task));
    QVERIFY(!ContactWriter::linkedTask(db, bob));
    QCOMPARE(dayindexOf(db, task).toInt(), 0);
    QCOMPARE(count(db, u"SELECT COUNT(*) FROM BRarc66"_s), 1);

    QString error;
    QVERIFY(!ContactWriter::linkTask(db, 999, bob, &error));
    QVERIFY(!error.isEmpty());
}

void ContactWriterTest::deleteContactRemovesItsBirthdaysOnly()
{
    const QSqlDatabase db = m_archive->db();
    const qint64 ann = addContact(db, u"Ann"_s);
    const qint64 bob = addContact(db, u"Bob"_s);
    addTask(db, u"Y"_s, u"Birthday of Ann"_s, ann);
    addTask(db, u"Y"_s, u"Wedding of Ann"_s, ann);
    const qint64 bobs = addTask(db, u"Y"_s, u"Birthday of Bob"_s, bob);
    const qint64 weekly = addTask(db, u"W"_s, u"Gym"_s, ann);
    const qint64 plain = addTask(db, u"Y"_s, u"Christmas"_s, QVariant());

    QString error;
    QVERIFY2(ContactWriter::deleteContact(db, ann, &error), qPrintable(error));
    QVERIFY(!ContactWriter::load(db, ann));
    QVERIFY(ContactWriter::load(db, bob));
    QVERIFY(!ContactWriter::linkedTask(db, ann));
    QSqlQuery left(u"SELECT codimp FROM BRarc66 ORDER BY codimp"_s, db);
    QList<qint64> keys;
    while (left.next())
        keys << left.value(0).toLongLong();
    QCOMPARE(keys, (QList<qint64>{bobs, weekly, plain}));
}

void ContactWriterTest::deleteContactCanKeepTheTasks()
{
    const QSqlDatabase db = m_archive->db();
    const qint64 ann = addContact(db, u"Ann"_s);
    const qint64 task = addTask(db, u"Y"_s, u"Birthday of Ann"_s, ann);
    QVERIFY(ContactWriter::deleteContact(db, ann, nullptr, ContactWriter::LinkedTasks::Keep));
    QVERIFY(!ContactWriter::load(db, ann));
    QCOMPARE(dayindexOf(db, task).toLongLong(), ann);
}

// When the tasks cannot be removed the Contact stays too.
void ContactWriterTest::deleteContactIsAllOrNothing()
{
    QSqlDatabase db = m_archive->db();
    const qint64 ann = addContact(db, u"Ann"_s);
    QSqlQuery drop(db);
    QVERIFY(drop.exec(u"DROP TABLE BRarc66"_s));

    QString error;
    QVERIFY(!ContactWriter::deleteContact(db, ann, &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(ContactWriter::load(db, ann));
    // The connection is usable again afterwards.
    QVERIFY(addContact(db, u"Bob"_s) > 0);
}

void ContactWriterTest::registerAddsANameOnce()
{
    const QSqlDatabase db = m_archive->db();
    const auto rows = [&db](const QString& name, const QString& section) {
        QSqlQuery query(db);
        query.prepare(u"SELECT COUNT(*) FROM BRcat80 WHERE id = :id AND sezione = :s"_s);
        query.bindValue(u":id"_s, name);
        query.bindValue(u":s"_s, section);
        return query.exec() && query.next() ? query.value(0).toInt() : -1;
    };

    bool added = true;
    QVERIFY(registerGroupName(db, u"C"_s, u"Client"_s, &added));
    QVERIFY(!added);
    QCOMPARE(rows(u"Client"_s, u"C"_s), 1);

    QVERIFY(registerGroupName(db, u"c"_s, u"Cyclists, \"fast\""_s, &added));
    QVERIFY(added);
    QVERIFY(registerGroupName(db, u"C"_s, u"Cyclists, \"fast\""_s, &added));
    QVERIFY(!added);
    QCOMPARE(rows(u"Cyclists, \"fast\""_s, u"C"_s), 1);

    // Another section keeps its own names.
    QVERIFY(registerGroupName(db, u"N"_s, u"Client"_s, &added));
    QVERIFY(added);
    QCOMPARE(rows(u"Client"_s, u"N"_s), 1);
    QCOMPARE(rows(u"Client"_s, u"C"_s), 1);
}

void ContactWriterTest::groupNamesAreSorted()
{
    const QSqlDatabase db = m_archive->db();
    QVERIFY(registerGroupName(db, u"C"_s, u"aardvark"_s));
    const QStringList names = groupNames(db, u"C"_s);
    QCOMPARE(names.size(), 21);
    QCOMPARE(names.at(0), QString());
    QCOMPARE(names.at(1), u"aardvark"_s);
    QCOMPARE(names.at(2), u"Business"_s);
    QCOMPARE(names.last(), u"Tunahead"_s);
    QVERIFY(!names.contains(u"Dreams"_s));
}

void ContactWriterTest::pictureIsFoundBesideTheProgram_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("expected"); // relative to the program folder; "*" is `stored`

    QTest::newRow("existing file") << u"%1elsewhere/me.jpg"_s << u"*"_s;
    QTest::newRow("moved into pics") << u"/gone/away/ann.jpg"_s << u"pics/ann.jpg"_s;
    QTest::newRow("written on Windows") << u"C:\\Brivane\\pics\\ann.jpg"_s << u"pics/ann.jpg"_s;
    QTest::newRow("nowhere") << u"/gone/away/nobody.jpg"_s << QString();
    QTest::newRow("none") << QString() << QString();
}

void ContactWriterTest::pictureIsFoundBesideTheProgram()
{
    QFETCH(QString, stored);
    QFETCH(QString, expected);
    QTemporaryDir program;
    const QString folder = program.path() + u'/';
    QVERIFY(QDir(folder).mkpath(u"pics"_s));
    QVERIFY(QDir(folder).mkpath(u"elsewhere"_s));
    for (const QString& file : {u"pics/ann.jpg"_s, u"elsewhere/me.jpg"_s}) {
        QFile touch(folder + file);
        QVERIFY(touch.open(QIODevice::WriteOnly));
    }
    if (stored.contains(u"%1"_s))
        stored = stored.arg(folder);

    const QString found = resolvedPicture(stored, folder);
    if (expected == u"*"_s)
        QCOMPARE(found, stored);
    else if (expected.isEmpty())
        QCOMPARE(found, QString());
    else
        QCOMPARE(QFileInfo(found).canonicalFilePath(), QFileInfo(folder + expected).canonicalFilePath());
}

QTEST_GUILESS_MAIN(ContactWriterTest)
#include "tst_contactwriter.moc"
