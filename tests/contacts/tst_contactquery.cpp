// The contact search and the core pieces of the contact card,
// the actions, the Delete and Clone commands and the column
// layout files.
#include "contacts/ColumnLayout.h"
#include "contacts/ContactActions.h"
#include "contacts/ContactCard.h"
#include "contacts/ContactCommands.h"
#include "contacts/ContactQuery.h"
#include "platform/Shell.h"
#include "store/ArchiveCounts.h"
#include "support/TestArchive.h"

#include <QAbstractItemModelTester>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace brivane;
using namespace brivane::contacts;

Q_DECLARE_METATYPE(brivane::contacts::SearchKind)

namespace {

// A contact; a null QVariant leaves the column null.
struct Row
{
    QVariant ragsoc, company, gruppo, tel, mobile, skype, fax, email, site, indirizzo, note;
};

qint64 insertContact(const QSqlDatabase& db, const Row& row)
{
    QSqlQuery query(db);
    query.prepare(
        u"INSERT INTO BRcon63 (ragsoc,company,gruppo,tel,mobile,skype,fax,email,site,indirizzo,note) "
        u"values (?,?,?,?,?,?,?,?,?,?,?)"_s);
    for (const QVariant& value : {row.ragsoc, row.company, row.gruppo, row.tel, row.mobile, row.skype,
                                  row.fax, row.email, row.site, row.indirizzo, row.note})
        query.addBindValue(value.isValid() ? value : QVariant(QMetaType::fromType<QString>()));
    if (!query.exec())
        qFatal("insert contact: %s", qPrintable(query.lastError().text()));
    return query.lastInsertId().toLongLong();
}

qint64 insertYearly(const QSqlDatabase& db, const QString& id, const QDate& date, const QVariant& dayindex)
{
    QSqlQuery query(db);
    query.prepare(u"INSERT INTO BRarc66 (id, flag, datefull, dayindex, data) values (?, 'Y', ?, ?, ?)"_s);
    query.addBindValue(id);
    query.addBindValue(date.toString(u"yyyy-MM-dd"_s));
    query.addBindValue(dayindex);
    query.addBindValue(date.toString(u"MM/dd"_s));
    if (!query.exec())
        qFatal("insert task: %s", qPrintable(query.lastError().text()));
    return query.lastInsertId().toLongLong();
}

int count(const QSqlDatabase& db, const QString& statement)
{
    QSqlQuery query(db);
    if (!query.exec(statement) || !query.next())
        return -1;
    return query.value(0).toInt();
}

QStringList names(ContactQuery& query)
{
    query.fetchAll();
    QStringList result;
    for (int row = 0; row < query.rowCount(); ++row)
        result << query.rowAt(row).value(u"ragsoc"_s).toString();
    return result;
}

const QString S = u""_s; // a field stored as an empty text, not null

} // namespace

class ContactQueryTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void searchKinds_data();
    void searchKinds();
    void userTextsAreBoundNeverSpliced();
    void creationOrderAndDescending();
    void emptyFieldSearchOrdersByNameWhateverTheOrder();
    void counterCaptions();
    void listFetchesLazilyAndCountsAll();
    void narrowingSearchCountsWhatItReads();
    void sharedArchiveStaysWritableWhileListed();
    void sortInMemoryGivesTheIndexOrder();
    void noteMarkColumnAndTitles();

    void cardTitle_data();
    void cardTitle();
    void cardContentWithBirthdayAndPhoto();
    void cardContentWithoutRow();
    void photoFromPicsFolder();
    void birthdayIsTheFirstLinkedYearlyTask();

    void splitItems_data();
    void splitItems();
    void addresses();
    void dialNumbersAddZero_data();
    void dialNumbersAddZero();
    void webSiteOpensAsAWebPage_data();
    void webSiteOpensAsAWebPage();
    void emailTest_data();
    void emailTest();
    void selections_data();
    void selections();
    void attachmentFallbacks();

    void deleteContactAndLinkedTask();
    void cloneCopiesEveryFieldButNotTheBirthday();
    void deleteQuestionEndsWithAnOverviewEnding();

    void columnLayoutRoundTrip();
    void columnLayoutToleratesOtherFiles();

private:
    std::unique_ptr<test::TestArchive> m_archive;
};

void ContactQueryTest::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    platform::Shell::setRecording(true);
}

void ContactQueryTest::init()
{
    m_archive = std::make_unique<test::TestArchive>();
    const QSqlDatabase db = m_archive->db();
    insertContact(db, {u"Rossi Mario"_s,
                       u"Acme"_s,
                       u"Client"_s,
                       u"0212345"_s,
                       {},
                       u"mario.rossi"_s,
                       u"0299"_s,
                       u"mario@rossi.it"_s,
                       u"http://rossi.it"_s,
                       u"Via Roma 1\nMilano"_s,
                       u"likes ROSES"_s});
    insertContact(db, {u"Bianchi Anna"_s, {}, u"Clients"_s, {}, u"3331234"_s, {}, {}, {}, {}, {}, {}});
    insertContact(db, {u"Verdi Luca"_s,
                       u"Rosso Srl"_s,
                       u"Friend"_s,
                       u"0612"_s,
                       u"3409"_s,
                       {},
                       u"0611"_s,
                       u"luca@verdi.com"_s,
                       u"www.verdi.com"_s,
                       u"Piazza Duomo"_s,
                       S});
    insertContact(db, {u"\u00C0lvaro Neri"_s, u"\u00C8nte"_s, {}, {}, {}, {}, {}, {}, {}, {}, {}});
    insertContact(db, {u"Gialli Rosa"_s, S, S, S, S, S, S, S, S, S, S});
}

void ContactQueryTest::cleanup()
{
    m_archive.reset();
}

void ContactQueryTest::searchKinds_data()
{
    QTest::addColumn<SearchKind>("kind");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("group");
    QTest::addColumn<QStringList>("expected");

    const QString all = QString();
    QTest::newRow("Name: any letter case, by name")
        << SearchKind::Name << u"ros"_s << all << QStringList{u"Gialli Rosa"_s, u"Rossi Mario"_s};
    QTest::newRow("Name/Company: either column")
        << SearchKind::NameCompany << u"ROS"_s << all
        << QStringList{u"Gialli Rosa"_s, u"Rossi Mario"_s, u"Verdi Luca"_s};
    QTest::newRow("Company: empty text leaves out empty companies")
        << SearchKind::Company << QString() << all
        << QStringList{u"\u00C0lvaro Neri"_s, u"Rossi Mario"_s, u"Verdi Luca"_s};
    QTest::newRow("Phone/Mobile: null phone, matching mobile")
        << SearchKind::PhoneMobile << u"333"_s << all << QStringList{u"Bianchi Anna"_s};
    QTest::newRow("Phone") << SearchKind::Phone << u"06"_s << all << QStringList{u"Verdi Luca"_s};
    QTest::newRow("Mobile") << SearchKind::Mobile << u"340"_s << all << QStringList{u"Verdi Luca"_s};
    QTest::newRow("Skype") << SearchKind::Skype << u"MARIO"_s << all << QStringList{u"Rossi Mario"_s};
    QTest::newRow("Fax") << SearchKind::Fax << u"0611"_s << all << QStringList{u"Verdi Luca"_s};
    QTest::newRow("E-mail") << SearchKind::Email << u"@ROSSI"_s << all << QStringList{u"Rossi Mario"_s};
    QTest::newRow("Web") << SearchKind::Web << u"verdi"_s << all << QStringList{u"Verdi Luca"_s};
    QTest::newRow("Address: second line")
        << SearchKind::Address << u"milano"_s << all << QStringList{u"Rossi Mario"_s};
    QTest::newRow("Note") << SearchKind::Note << u"roses"_s << all << QStringList{u"Rossi Mario"_s};
    QTest::newRow("Name: accented letters fold")
        << SearchKind::Name << u"\u00E0lv"_s << all << QStringList{u"\u00C0lvaro Neri"_s};
    QTest::newRow("Company: accented letters fold")
        << SearchKind::Company << u"\u00E8NTE"_s << all << QStringList{u"\u00C0lvaro Neri"_s};
    QTest::newRow("wildcard _ keeps its meaning")
        << SearchKind::Name << u"R_ss"_s << all << QStringList{u"Rossi Mario"_s};
    QTest::newRow("wildcard % keeps its meaning")
        << SearchKind::Name << u"i%o"_s << all << QStringList{u"Gialli Rosa"_s, u"Rossi Mario"_s};
    QTest::newRow("empty field: phone and mobile empty, no group, group filter ignored")
        << SearchKind::PhoneMobile << u"[ IS NULL ]"_s << u"Client"_s
        << QStringList{u"\u00C0lvaro Neri"_s, u"Gialli Rosa"_s};
    QTest::newRow("empty field, typed [ VUOTO ]")
        << SearchKind::Skype << u"[ VUOTO ]"_s << all << QStringList{u"\u00C0lvaro Neri"_s, u"Gialli Rosa"_s};
    QTest::newRow("empty field: Name/Company tests the company")
        << SearchKind::NameCompany << u"[ IS NULL ]"_s << all << QStringList{u"Gialli Rosa"_s};
    QTest::newRow("group [ IS NULL ]: contacts without group")
        << SearchKind::NameCompany << QString() << u"[ IS NULL ]"_s
        << QStringList{u"\u00C0lvaro Neri"_s, u"Gialli Rosa"_s};
    QTest::newRow("group [ VUOTO ]") << SearchKind::Name << QString() << u"[ VUOTO ]"_s
                                     << QStringList{u"\u00C0lvaro Neri"_s, u"Gialli Rosa"_s};
    QTest::newRow("group: substring, any letter case")
        << SearchKind::Name << QString() << u"client"_s << QStringList{u"Bianchi Anna"_s, u"Rossi Mario"_s};
    QTest::newRow("group and text") << SearchKind::Name << u"ross"_s << u"Cli"_s
                                    << QStringList{u"Rossi Mario"_s};
    QTest::newRow("nothing found") << SearchKind::Name << u"zzz"_s << all << QStringList{};
}

void ContactQueryTest::searchKinds()
{
    QFETCH(SearchKind, kind);
    QFETCH(QString, text);
    QFETCH(QString, group);
    QFETCH(QStringList, expected);

    ContactQuery query;
    QAbstractItemModelTester tester(&query, QAbstractItemModelTester::FailureReportingMode::QtTest);
    query.search.kind = kind;
    query.search.text = text;
    query.search.group = group;
    QString error;
    QVERIFY2(query.run(m_archive->db(), &error), qPrintable(error));
    QCOMPARE(names(query), expected);
    QCOMPARE(query.listedCount(), int(expected.size()));
    QCOMPARE(query.totalCount(), 5);
}

void ContactQueryTest::userTextsAreBoundNeverSpliced()
{
    const QSqlDatabase db = m_archive->db();
    insertContact(db, {u"O'Brien \"Bob\""_s, {}, u"Pub's \"best\""_s, {}, {}, {}, {}, {}, {}, {}, {}});
    ContactQuery query;
    for (const QString& text : {u"\"Bob\""_s, u"O'Br"_s}) {
        query.search.text = text;
        query.search.group = u"s \"best"_s;
        QString error;
        QVERIFY2(query.run(db, &error), qPrintable(error));
        QCOMPARE(names(query), QStringList{u"O'Brien \"Bob\""_s});
        QVERIFY(!query.lastStatement().contains(text));
    }
    query.search.group.clear();
    query.search.text = u"x')); DROP TABLE BRcon63; --"_s;
    QVERIFY(query.run(db));
    QCOMPARE(query.listedCount(), 0);
    QCOMPARE(count(db, u"SELECT count(*) FROM BRcon63"_s), 6);
    QVERIFY(query.search.statement().startsWith(u"SELECT * FROM BRcon63\nWHERE "_s));
    QVERIFY(query.search.statement().contains(u":text"_s));
}

void ContactQueryTest::creationOrderAndDescending()
{
    ContactQuery query;
    query.search.orderColumn = u"codcon"_s;
    query.search.descending = true;
    QVERIFY(query.run(m_archive->db()));
    QCOMPARE(names(query).first(), u"Gialli Rosa"_s); // the newest
    QCOMPARE(names(query).last(), u"Rossi Mario"_s);

    query.search.orderColumn = u"codcon"_s;
    query.search.descending = false;
    QVERIFY(query.run(m_archive->db()));
    QCOMPARE(names(query).first(), u"Rossi Mario"_s);

    query.search.orderColumn = u"ragsoc"_s;
    query.search.descending = true;
    QVERIFY(query.run(m_archive->db()));
    QCOMPARE(names(query), (QStringList{u"Verdi Luca"_s, u"Rossi Mario"_s, u"Gialli Rosa"_s,
                                        u"Bianchi Anna"_s, u"\u00C0lvaro Neri"_s}));
}

void ContactQueryTest::emptyFieldSearchOrdersByNameWhateverTheOrder()
{
    ContactQuery query;
    query.search.kind = SearchKind::Phone;
    query.search.text = isNullMark();
    query.search.orderColumn = u"codcon"_s;
    query.search.descending = true;
    QVERIFY(query.run(m_archive->db()));
    QCOMPARE(names(query), (QStringList{u"Gialli Rosa"_s, u"\u00C0lvaro Neri"_s}));
    QVERIFY(query.lastStatement().contains(
        u"ORDER BY ragsoc COLLATE LOCALE DESC,company COLLATE LOCALE,gruppo COLLATE LOCALE"_s));
}

void ContactQueryTest::counterCaptions()
{
    ContactQuery query;
    QVERIFY(query.run(m_archive->db()));
    // Name/Company with no text lists every contact with a name or company.
    QCOMPARE(query.listedCount(), 5);
    QCOMPARE(store::ArchiveCounts::counterCaption(query.listedCount(), query.totalCount()), u"5   "_s);
    query.search.text = u"ros"_s;
    QVERIFY(query.run(m_archive->db()));
    QCOMPARE(store::ArchiveCounts::counterCaption(query.listedCount(), query.totalCount()), u"3 / 5   "_s);
    insertContact(m_archive->db(), {u"Rosalba"_s, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}});
    QVERIFY(query.recount(m_archive->db()));
    QCOMPARE(query.listedCount(), 4);
    QCOMPARE(query.totalCount(), 6);
}

void ContactQueryTest::listFetchesLazilyAndCountsAll()
{
    const QSqlDatabase db = m_archive->db();
    QSqlDatabase(db).transaction();
    for (int i = 0; i < 1200; ++i)
        insertContact(
            db, {u"Person %1"_s.arg(i, 4, 10, QLatin1Char('0')), {}, {}, {}, {}, {}, {}, {}, {}, {}, {}});
    QSqlDatabase(db).commit();
    ContactQuery query;
    QAbstractItemModelTester tester(&query, QAbstractItemModelTester::FailureReportingMode::QtTest);
    query.search.text = u"Person"_s;
    QVERIFY(query.run(db));
    QCOMPARE(query.listedCount(), 1200);
    QCOMPARE(query.rowCount(), 1200);
    QCOMPARE(query.loadedRows(), ContactQuery::kPageSize);
    QVERIFY(query.fetchUpTo(1199));
    QVERIFY(query.loadedRows() < 1200);
    QVERIFY(!query.fetchUpTo(1200));
    QCOMPARE(query.rowAt(1199).value(u"ragsoc"_s).toString(), u"Person 1199"_s);
    QCOMPARE(query.keyAt(0) + 1199, query.keyAt(1199));
}

void ContactQueryTest::narrowingSearchCountsWhatItReads()
{
    const QSqlDatabase db = m_archive->db();
    auto searchFor = [](SearchKind kind, const QString& text) {
        ContactSearch search;
        search.kind = kind;
        search.text = text;
        return search;
    };
    QVERIFY(
        ContactQuery::narrows(searchFor(SearchKind::Name, u"ro"_s), searchFor(SearchKind::Name, u"ros"_s)));
    QVERIFY(
        !ContactQuery::narrows(searchFor(SearchKind::Name, u"ros"_s), searchFor(SearchKind::Name, u"ro"_s)));
    QVERIFY(
        !ContactQuery::narrows(searchFor(SearchKind::Name, u"ro"_s), searchFor(SearchKind::Note, u"ros"_s)));
    QVERIFY(
        !ContactQuery::narrows(searchFor(SearchKind::Name, QString()), searchFor(SearchKind::Name, u"r"_s)));
    QVERIFY(!ContactQuery::narrows(searchFor(SearchKind::Name, u"a"_s),
                                   searchFor(SearchKind::Name, u"\u00E0a"_s)));

    ContactQuery query;
    query.search.kind = SearchKind::PhoneMobile;
    query.search.text = u"3"_s;
    QVERIFY(query.run(db));
    QCOMPARE(query.listedCount(), 3);
    // Rows written between two keystrokes are counted all the same.
    QSqlDatabase(db).transaction();
    for (int i = 0; i < 2 * ContactQuery::kFewRows + 300; ++i)
        insertContact(db, {u"Caller %1"_s.arg(i), {}, {}, u"0333-%1"_s.arg(i), {}, {}, {}, {}, {}, {}, {}});
    QSqlDatabase(db).commit();
    query.search.text = u"33"_s;
    QVERIFY(query.run(db));
    QCOMPARE(query.listedCount(), 2 * ContactQuery::kFewRows + 301);
    QCOMPARE(query.totalCount(), 2 * ContactQuery::kFewRows + 305);
    query.search.text = u"333"_s;
    QVERIFY(query.run(db));
    QCOMPARE(query.listedCount(), 2 * ContactQuery::kFewRows + 301);
    query.search.text = u"3331"_s;
    QVERIFY(query.run(db));
    QCOMPARE(query.listedCount(), 1);
    QCOMPARE(names(query), QStringList{u"Bianchi Anna"_s});
    query.search.text = u"33312"_s;
    QVERIFY(query.run(db));
    QCOMPARE(query.listedCount(), 1);
    QCOMPARE(query.totalCount(), 2 * ContactQuery::kFewRows + 305);
    query.search.text = u"333129"_s;
    QVERIFY(query.run(db));
    QCOMPARE(query.listedCount(), 0);
    QCOMPARE(query.rowCount(), 0);
    QCOMPARE(query.columnOf(u"ragsoc"_s), 1);
}

void ContactQueryTest::sharedArchiveStaysWritableWhileListed()
{
    const QSqlDatabase db = m_archive->db();
    QSqlDatabase(db).transaction();
    for (int i = 0; i < 1000; ++i)
        insertContact(db, {u"Person %1"_s.arg(i), {}, {}, {}, {}, {}, {}, {}, {}, {}, {}});
    QSqlDatabase(db).commit();
    ContactQuery query;
    QVERIFY(query.run(db));
    QVERIFY(query.loadedRows() < query.listedCount());
    QVERIFY(query.fetchUpTo(700));
    // Another user of the archive folder writes while the list is shown.
    store::Archive other(u"other_user"_s);
    QVERIFY(other.open(m_archive->folder()));
    {
        QSqlQuery timeout(other.database());
        timeout.exec(u"PRAGMA busy_timeout = 100"_s);
        QSqlQuery write(other.database());
        QVERIFY2(write.exec(u"INSERT INTO BRcon63 (ragsoc) values ('From elsewhere')"_s),
                 qPrintable(write.lastError().text()));
    }
    other.close();
    QVERIFY(query.run(db));
    QCOMPARE(query.listedCount(), 1006);
}

void ContactQueryTest::sortInMemoryGivesTheIndexOrder()
{
    const QSqlDatabase db = m_archive->db();
    QSqlDatabase(db).transaction();
    for (int i = 0; i < ContactQuery::kSortInMemoryLimit + 50; ++i) {
        const QString name = u"N%1"_s.arg((i * 7919) % 1000, 5, 10, QLatin1Char('0'));
        insertContact(
            db,
            {name, i % 3 ? QVariant(u"Co %1"_s.arg(i % 5)) : QVariant(), {}, {}, {}, {}, {}, {}, {}, {}, {}});
    }
    QSqlDatabase(db).commit();
    ContactSearch search;
    search.text = u"N"_s;
    search.descending = true;
    auto read = [&](bool inMemory) {
        QSqlQuery query(db);
        query.prepare(search.statement(inMemory));
        search.bind(query);
        if (!query.exec())
            qFatal("%s", qPrintable(query.lastError().text()));
        QStringList rows;
        while (query.next())
            rows << query.value(u"ragsoc"_s).toString() + u'|' + query.value(u"company"_s).toString();
        return rows;
    };
    const QStringList byIndex = read(false);
    QVERIFY(byIndex.size() > ContactQuery::kSortInMemoryLimit);
    QCOMPARE(read(true), byIndex);
    QVERIFY(search.statement(true).contains(u"NOT INDEXED"_s));
}

void ContactQueryTest::noteMarkColumnAndTitles()
{
    ContactQuery query;
    QVERIFY(query.run(m_archive->db()));
    const int mark = query.columnOf(u"Presenza"_s);
    QCOMPARE(mark, query.columnCount() - 1);
    QCOMPARE(query.headerData(mark, Qt::Horizontal).toString(), u"Note"_s);
    QCOMPARE(query.headerData(query.columnOf(u"ragsoc"_s), Qt::Horizontal).toString(), u"Name"_s);
    QCOMPARE(query.headerData(query.columnOf(u"site"_s), Qt::Horizontal).toString(), u"Web"_s);
    QStringList marked;
    for (int row = 0; row < query.rowCount(); ++row) {
        if (!query.data(query.index(row, mark)).toString().isEmpty())
            marked << query.rowAt(row).value(u"ragsoc"_s).toString();
    }
    QCOMPARE(marked, QStringList{u"Rossi Mario"_s});
}

void ContactQueryTest::cardTitle_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("title");
    QTest::newRow("short") << u"Rossi"_s << u"Rossi   "_s;
    QTest::newRow("26 characters") << u"ABCDEFGHIJKLMNOPQRSTUVWXYZ"_s << u"ABCDEFGHIJKLMNOPQRSTUVWXYZ   "_s;
    QTest::newRow("27 characters") << u"ABCDEFGHIJKLMNOPQRSTUVWXYZ1"_s << u"ABCDEFGHIJKLMNOPQRSTUVWXYZ..."_s;
    QTest::newRow("empty") << QString() << u"   "_s;
}

void ContactQueryTest::cardTitle()
{
    QFETCH(QString, name);
    QFETCH(QString, title);
    QCOMPARE(contacts::cardTitle(name), title);
}

void ContactQueryTest::cardContentWithBirthdayAndPhoto()
{
    QTemporaryDir dir;
    const QString photo = dir.filePath(u"mario.jpg"_s);
    QImage image(8, 10, QImage::Format_RGB32);
    image.fill(Qt::red);
    QVERIFY(image.save(photo, "JPG"));

    const QSqlDatabase db = m_archive->db();
    QSqlQuery update(db);
    update.prepare(
        u"UPDATE BRcon63 SET foto = ?, allegato = ?, allegato3 = ? WHERE ragsoc = 'Rossi Mario'"_s);
    update.addBindValue(photo);
    update.addBindValue(u"/home/ann/docs/contract.pdf"_s);
    update.addBindValue(u"mailto:mario@rossi.it"_s);
    QVERIFY(update.exec());
    ContactQuery query;
    query.search.text = u"Rossi"_s;
    QVERIFY(query.run(db));
    const QSqlRecord row = query.rowAt(0);
    const qint64 codcon = row.value(u"codcon"_s).toLongLong();
    insertYearly(db, u"Birthday of Rossi Mario"_s, QDate(1970, 5, 17), codcon);

    const CardContent card = cardContent(row, findBirthday(db, codcon), dir.path(), u"d mmmm"_s);
    QVERIFY(card.hasRow);
    QCOMPARE(card.title, u"Rossi Mario   "_s);
    QCOMPARE(card.company, u"Acme"_s);
    QCOMPARE(card.group, u"Client"_s);
    QCOMPARE(card.address, u"Via Roma 1\nMilano"_s);
    QVERIFY(card.emailEnabled && card.mapEnabled && card.dialEnabled && card.webEnabled &&
            card.attachEnabled);
    QCOMPARE(card.attachmentCaptions,
             (QStringList{u"contract.pdf"_s, QString(), u"mailto:mario@rossi.it"_s}));
    QVERIFY(card.birthday.has_value());
    QCOMPARE(card.birthday->description, u"Birthday of Rossi Mario"_s);
    QCOMPARE(card.birthdayText, u"17 May"_s);
    QCOMPARE(card.photoPath, photo);

    // Without picture and birthday; a site of "http://" only is no web site.
    const QSqlRecord other = [&] {
        query.search.text = u"Gialli"_s;
        query.run(db);
        return query.rowAt(0);
    }();
    QSqlRecord edited = other;
    edited.setValue(u"site"_s, u"http://"_s);
    const CardContent plain =
        cardContent(edited, findBirthday(db, other.value(u"codcon"_s).toLongLong()), dir.path(), u"d mmmm"_s);
    QVERIFY(!plain.birthday);
    QVERIFY(plain.birthdayText.isEmpty());
    QVERIFY(plain.photoPath.isEmpty());
    QVERIFY(!plain.webEnabled && !plain.emailEnabled && !plain.dialEnabled && !plain.mapEnabled);
    QVERIFY(!plain.attachEnabled);
}

void ContactQueryTest::cardContentWithoutRow()
{
    const CardContent card = cardContent(QSqlRecord(), std::nullopt, QString(), u"d mmmm"_s);
    QVERIFY(!card.hasRow);
    QVERIFY(card.title.isEmpty());
    QVERIFY(!card.emailEnabled && !card.dialEnabled && !card.webEnabled && !card.mapEnabled &&
            !card.attachEnabled);
}

void ContactQueryTest::photoFromPicsFolder()
{
    QTemporaryDir program;
    QVERIFY(QDir(program.path()).mkpath(u"pics"_s));
    const QString inPics = program.filePath(u"pics/anna.png"_s);
    QImage image(4, 4, QImage::Format_ARGB32);
    image.fill(Qt::blue);
    QVERIFY(image.save(inPics, "PNG"));
    QCOMPARE(resolvePhoto(u"C:\\Programs\\Brivane\\pics\\anna.png"_s, program.path()), inPics);
    QCOMPARE(resolvePhoto(u"/old/place/anna.png"_s, program.path() + u'/'), inPics);
    QCOMPARE(resolvePhoto(inPics, QString()), inPics);
    QVERIFY(resolvePhoto(u"/old/place/missing.png"_s, program.path()).isEmpty());
    QVERIFY(resolvePhoto(QString(), program.path()).isEmpty());
}

void ContactQueryTest::birthdayIsTheFirstLinkedYearlyTask()
{
    const QSqlDatabase db = m_archive->db();
    insertYearly(db, u"Unlinked"_s, QDate(2000, 1, 1), 0);
    insertYearly(db, u"First"_s, QDate(1980, 2, 3), 2);
    insertYearly(db, u"Second"_s, QDate(1981, 4, 5), 2.0);
    QSqlQuery monthly(db);
    QVERIFY(monthly.exec(u"INSERT INTO BRarc66 (id, flag, dayindex) values ('Monthly', 'M', 3)"_s));
    QCOMPARE(findBirthday(db, 2)->description, u"First"_s);
    QCOMPARE(findBirthday(db, 2)->date, QDate(1980, 2, 3));
    QVERIFY(!findBirthday(db, 3)); // a monthly task is no birthday
    QVERIFY(!findBirthday(db, 1));
}

void ContactQueryTest::splitItems_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("items");
    QTest::newRow("one") << u"a@b.it"_s << QStringList{u"a@b.it"_s};
    QTest::newRow("comma") << u"a@b.it,c@d.it"_s << QStringList{u"a@b.it"_s, u"c@d.it"_s};
    QTest::newRow("comma and blanks") << u" a@b.it ,  c@d.it "_s << QStringList{u"a@b.it"_s, u"c@d.it"_s};
    QTest::newRow("blank run") << u"0212   3331"_s << QStringList{u"0212"_s, u"3331"_s};
    QTest::newRow("semicolon is no separator") << u"a@b.it;c@d.it"_s << QStringList{u"a@b.it;c@d.it"_s};
    QTest::newRow("quotes group") << u"\"Ann Lee <a@b.it>\", c@d.it"_s
                                  << QStringList{u"Ann Lee <a@b.it>"_s, u"c@d.it"_s};
    QTest::newRow("doubled quote") << u"\"say \"\"hi\"\"\""_s << QStringList{u"say \"hi\""_s};
    QTest::newRow("empty item") << u"a,,b"_s << QStringList{u"a"_s, QString(), u"b"_s};
    QTest::newRow("trailing comma") << u"a,"_s << QStringList{u"a"_s, QString()};
    QTest::newRow("nothing") << u"   "_s << QStringList{};
}

void ContactQueryTest::splitItems()
{
    QFETCH(QString, text);
    QFETCH(QStringList, items);
    QCOMPARE(contacts::splitItems(text), items);
}

void ContactQueryTest::addresses()
{
    QCOMPARE(mailUrl(u"a@b.it;c@d.it"_s).toString(), u"mailto:a@b.it;c@d.it"_s);
    QCOMPARE(addressUrl(u"http://rossi.it/a?b=1"_s).toString(), u"http://rossi.it/a?b=1"_s);
    QCOMPARE(addressUrl(u"https://rossi.it"_s).toString(), u"https://rossi.it"_s);
    QCOMPARE(addressUrl(u"www.verdi.com"_s).toString(), u"http://www.verdi.com"_s);
    QCOMPARE(addressUrl(u"skype:mario?call"_s).scheme(), u"skype"_s);
    QCOMPARE(addressUrl(u"/home/ann/a.txt"_s), QUrl::fromLocalFile(u"/home/ann/a.txt"_s));
    QCOMPARE(mapSearchText(u"Via Roma 1\r\nMilano"_s), u"Via Roma 1 Milano "_s);
    QCOMPARE(mapSearchUrl(u"Via Roma 1\nMilano"_s).toString(),
             u"https://www.google.com/maps?q=Via Roma 1 Milano "_s);
    QCOMPARE(mapSearchUrl(u"Via Roma 1"_s).query(QUrl::FullyDecoded), u"q=Via Roma 1 "_s);
    QCOMPARE(nameSearchUrl(u"Rossi Mario"_s).toString(), u"https://www.google.com/#q=Rossi+Mario"_s);
    QCOMPARE(nameSearchUrl(QString(60, u'a')).fragment(), u"q="_s + QString(50, u'a'));
    QCOMPARE(telUrl(u"0212345"_s).toString(), u"tel:0212345"_s);
    QCOMPARE(calltoUrl(u"mario.rossi"_s).toString(), u"callto:mario.rossi"_s);
    QCOMPARE(skypeChatUrl(u"mario.rossi"_s).toString(), u"skype:mario.rossi?chat"_s);
}

void ContactQueryTest::dialNumbersAddZero_data()
{
    QTest::addColumn<QString>("tel");
    QTest::addColumn<QString>("mobile");
    QTest::addColumn<QString>("skype");
    QTest::addColumn<bool>("addZero");
    QTest::addColumn<QStringList>("numbers");

    QTest::newRow("numbers separated by commas")
        << u"0212, 0213"_s << u"3331234"_s << u"mario.rossi"_s << false
        << QStringList{u"0212"_s, u"0213"_s, u"3331234"_s, u"mario.rossi"_s};
    QTest::newRow("zero before digits only") << u"0212"_s << QString() << u"mario.rossi"_s << true
                                             << QStringList{u"00212"_s, u"mario.rossi"_s};
    QTest::newRow("grouped international number is one")
        << u"+33 1 23 45 67 89"_s << QString() << QString() << true << QStringList{u"+33123456789"_s};
    QTest::newRow("punctuation removed") << u"(02) 123-45.67"_s << u"333/1234567"_s << QString() << false
                                         << QStringList{u"021234567"_s, u"3331234567"_s};
    QTest::newRow("grouped number gets its zero") << u"2 12 34"_s << QString() << QString() << true
                                                  << QStringList{u"021234"_s};
    QTest::newRow("nothing to dial") << QString() << u" , "_s << QString() << false << QStringList();
}

void ContactQueryTest::dialNumbersAddZero()
{
    QFETCH(QString, tel);
    QFETCH(QString, mobile);
    QFETCH(QString, skype);
    QFETCH(bool, addZero);
    QFETCH(QStringList, numbers);
    QCOMPARE(dialNumbers(tel, mobile, skype, addZero), numbers);
}

void ContactQueryTest::webSiteOpensAsAWebPage_data()
{
    QTest::addColumn<QString>("site");
    QTest::addColumn<QString>("url");
    QTest::newRow("bare domain") << u"example.com"_s << u"http://example.com"_s;
    QTest::newRow("www") << u"www.example.com"_s << u"http://www.example.com"_s;
    QTest::newRow("with a path") << u"example.com/shop?a=1"_s << u"http://example.com/shop?a=1"_s;
    QTest::newRow("https kept") << u"https://example.com"_s << u"https://example.com"_s;
}

void ContactQueryTest::webSiteOpensAsAWebPage()
{
    QFETCH(QString, site);
    QFETCH(QString, url);
    QCOMPARE(webUrl(site).toString(), url);
    QVERIFY(!webUrl(site).isLocalFile());
}

void ContactQueryTest::emailTest_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::newRow("plain") << u"mario@rossi.it"_s << true;
    QTest::newRow("two dots") << u"a.b@mail.rossi.it"_s << true;
    QTest::newRow("empty") << QString() << false;
    QTest::newRow("blanks") << u"   "_s << false;
    QTest::newRow("blank inside") << u"ma rio@rossi.it"_s << false;
    QTest::newRow("umlaut") << u"m\u00FCller@rossi.it"_s << false;
    QTest::newRow("sharp s") << u"stra\u00DFe@rossi.it"_s << false;
    QTest::newRow("bracket") << u"mario@[1.2.3.4]"_s << false;
    QTest::newRow("colon") << u"mailto:mario@rossi.it"_s << false;
    QTest::newRow("no at") << u"mario.rossi.it"_s << false;
    QTest::newRow("at first") << u"@rossi.it"_s << false;
    QTest::newRow("at last") << u"mario@"_s << false;
    QTest::newRow("two ats") << u"a@b@rossi.it"_s << false;
    QTest::newRow("no dot after at") << u"mario@rossi"_s << false;
    QTest::newRow("dot first after at") << u"mario@.rossi"_s << false;
    QTest::newRow("dot last") << u"mario@rossi."_s << false;
    QTest::newRow("short server") << u"mario@a"_s << false;
}

void ContactQueryTest::emailTest()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QCOMPARE(isValidEmail(text), valid);
}

void ContactQueryTest::selections_data()
{
    QTest::addColumn<QString>("selection");
    QTest::addColumn<bool>("openable");
    QTest::addColumn<QString>("target");
    QTest::newRow("www") << u"www.example.com"_s << true << u"www.example.com"_s;
    QTest::newRow("WWW any case") << u"WwW.example.com"_s << true << u"WwW.example.com"_s;
    QTest::newRow("http") << u"http://example.com"_s << true << u"http://example.com"_s;
    QTest::newRow("https") << u"HTTPS://example.com"_s << true << u"HTTPS://example.com"_s;
    QTest::newRow("skype") << u"skype:mario?chat"_s << true << u"skype:mario?chat"_s;
    QTest::newRow("callto") << u"callto:0212"_s << true << u"callto:0212"_s;
    QTest::newRow("mailto kept") << u"MailTo:a@b.it"_s << true << u"MailTo:a@b.it"_s;
    QTest::newRow("e-mail gets mailto") << u"a@b.it"_s << true << u"mailto:a@b.it"_s;
    QTest::newRow("plain word") << u"hello"_s << false << u"hello"_s;
    QTest::newRow("empty") << QString() << false << QString();
}

void ContactQueryTest::selections()
{
    QFETCH(QString, selection);
    QFETCH(bool, openable);
    QFETCH(QString, target);
    QCOMPARE(isOpenableSelection(selection), openable);
    QCOMPARE(selectionTarget(selection), target);

    QTemporaryDir dir;
    QVERIFY(isOpenableSelection(dir.path()));
    QFile file(dir.filePath(u"del"_s));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    QVERIFY(isOpenableSelection(file.fileName()));
    QVERIFY(isForbiddenSelection(u"DEL"_s));
    QVERIFY(isForbiddenSelection(u"fdisk"_s));
    QVERIFY(!isForbiddenSelection(u"delete me"_s));
}

void ContactQueryTest::attachmentFallbacks()
{
    QTemporaryDir program;
    QVERIFY(QDir(program.path()).mkpath(u"allegati"_s));
    QVERIFY(QDir(program.path()).mkpath(u"attaches/sub"_s));
    for (const QString& name :
         {u"allegati/offer.pdf"_s, u"attaches/sub/plan.txt"_s, u"attaches/logo.png"_s}) {
        QFile file(program.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    const QString folder = program.path() + u'/';
    QCOMPARE(attachmentCandidates(u"a.txt"_s, folder),
             (QStringList{u"a.txt"_s, folder + u"allegati/a.txt"_s, folder + u"attaches/a.txt"_s,
                          folder + u"allegati/a.txt"_s, folder + u"attaches/a.txt"_s}));

    platform::Shell::clearOpened();
    QVERIFY(openAttachment(u"offer.pdf"_s, folder));                       // stored by its name
    QVERIFY(openAttachment(u"sub/plan.txt"_s, program.path()));            // relative to attaches
    QVERIFY(openAttachment(u"C:\\Brivane\\attaches\\logo.png"_s, folder)); // only the file name is left
    QVERIFY(openAttachment(u"mailto:a@b.it"_s, folder));
    QVERIFY(openAttachment(program.filePath(u"allegati"_s), folder)); // a folder
    QVERIFY(!openAttachment(u"missing.doc"_s, folder));
    QVERIFY(!openAttachment(QString(), folder));
    QCOMPARE(platform::Shell::opened(),
             (QList<QUrl>{QUrl::fromLocalFile(program.filePath(u"allegati/offer.pdf"_s)),
                          QUrl::fromLocalFile(program.filePath(u"attaches/sub/plan.txt"_s)),
                          QUrl::fromLocalFile(program.filePath(u"attaches/logo.png"_s)),
                          QUrl(u"mailto:a@b.it"_s), QUrl::fromLocalFile(program.filePath(u"allegati"_s))}));
}

void ContactQueryTest::deleteContactAndLinkedTask()
{
    const QSqlDatabase db = m_archive->db();
    insertYearly(db, u"Birthday of Bianchi Anna"_s, QDate(1990, 1, 1), 2);
    insertYearly(db, u"Again"_s, QDate(1990, 1, 2), 2);
    insertYearly(db, u"Other"_s, QDate(1990, 1, 3), 3);
    QVERIFY(deleteContact(db, 2));
    QCOMPARE(count(db, u"SELECT count(*) FROM BRcon63 WHERE codcon = 2"_s), 0);
    QCOMPARE(count(db, u"SELECT count(*) FROM BRcon63"_s), 4);
    QCOMPARE(count(db, u"SELECT count(*) FROM BRarc66 WHERE dayindex = 2"_s), 2);
    QVERIFY(deleteLinkedTasks(db, 2));
    QCOMPARE(count(db, u"SELECT count(*) FROM BRarc66 WHERE dayindex = 2"_s), 0);
    QCOMPARE(count(db, u"SELECT count(*) FROM BRarc66"_s), 1);
    QCOMPARE(deleteContactStatement(), u"DELETE\nFROM BRcon63\nWHERE codcon = :codcon"_s);
}

void ContactQueryTest::cloneCopiesEveryFieldButNotTheBirthday()
{
    const QSqlDatabase db = m_archive->db();
    insertYearly(db, u"Birthday"_s, QDate(1990, 1, 1), 1);
    const std::optional<qint64> key = cloneContact(db, 1);
    QVERIFY(key.has_value());
    QCOMPARE(*key, qint64(6));
    QSqlQuery original(db);
    QVERIFY(original.exec(u"SELECT * FROM BRcon63 WHERE codcon = 1"_s) && original.next());
    QSqlQuery copy(db);
    QVERIFY(copy.exec(u"SELECT * FROM BRcon63 WHERE codcon = 6"_s) && copy.next());
    for (const QString& column : {u"ragsoc"_s, u"company"_s, u"gruppo"_s, u"tel"_s, u"skype"_s, u"fax"_s,
                                  u"email"_s, u"site"_s, u"indirizzo"_s, u"note"_s})
        QCOMPARE(copy.value(column).toString(), original.value(column).toString());
    // Null columns become empty texts.
    QVERIFY(original.value(u"mobile"_s).isNull());
    QVERIFY(!copy.value(u"mobile"_s).isNull());
    QCOMPARE(copy.value(u"mobile"_s).toString(), QString());
    QVERIFY(!findBirthday(db, 6));
    QVERIFY(!cloneContact(db, 99));
}

void ContactQueryTest::deleteQuestionEndsWithAnOverviewEnding()
{
    const QStringList endings = {u"\", can you assures to me that after you will not cry?"_s,
                                 u"\", sure that's a good idea?"_s,
                                 u"\", are you sure?"_s,
                                 u"\", can you live after this?"_s,
                                 u"\", you know the consequences?"_s,
                                 u"\", can you give him another chance?"_s,
                                 u"\", sei a conoscenza delle conseguenze?"_s};
    for (int i = 0; i < 40; ++i) {
        const QString question = deleteContactQuestion(u"Rossi"_s);
        QVERIFY(question.startsWith(u" You are in order to eliminate \"Rossi\""_s));
        const QString ending = question.mid(QStringLiteral(" You are in order to eliminate \"Rossi").size());
        QVERIFY2(endings.contains(ending), qPrintable(ending));
    }
    QCOMPARE(deleteLinkedTaskQuestion(u"Birthday of Rossi"_s),
             u" Delete the linked task \"Birthday of Rossi\""_s);
}

void ContactQueryTest::columnLayoutRoundTrip()
{
    QTemporaryDir dir;
    QList<ContactColumn> columns = ColumnLayout::designedColumns();
    QCOMPARE(columns.size(), 10);
    QVERIFY(columns.first() == (ContactColumn{u"ragsoc"_s, u"Name"_s, 218, true}));
    QVERIFY(columns.last() == (ContactColumn{u"Presenza"_s, u"Note"_s, 42, true}));
    columns.move(3, 0);
    columns[1].width = 300;
    columns[5].visible = false;
    QVERIFY(ColumnLayout::save(ColumnLayout::userFile(dir.path()), columns));
    QVERIFY(QFile::exists(dir.filePath(u"sContactVertical"_s)));
    QVERIFY(ColumnLayout::load(ColumnLayout::userFile(dir.path())) == std::optional(columns));
    QVERIFY(ColumnLayout::save(ColumnLayout::defaultFile(dir.path()), ColumnLayout::designedColumns()));
    QVERIFY(QFile::exists(dir.filePath(u"sContactVertical.def"_s)));
    QVERIFY(*ColumnLayout::load(ColumnLayout::defaultFile(dir.path())) == ColumnLayout::designedColumns());
}

void ContactQueryTest::columnLayoutToleratesOtherFiles()
{
    QVERIFY(!ColumnLayout::load(u"/nonexistent/sContactVertical"_s));
    QVERIFY(!ColumnLayout::fromText(u"garbage"_s));
    const auto partial =
        ColumnLayout::fromText(u"Brivane contact columns 1\r\nsite\tWeb\t77\t1\r\nbogus\tX\t5\t1\n"_s);
    QVERIFY(partial);
    QCOMPARE(partial->size(), 10);
    QVERIFY(partial->first() == (ContactColumn{u"site"_s, u"Web"_s, 77, true}));
    QCOMPARE(partial->at(1).field, u"ragsoc"_s);
}

QTEST_GUILESS_MAIN(ContactQueryTest)
#include "tst_contactquery.moc"
