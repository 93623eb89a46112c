#include "contacts/CsvExport.h"
#include "contacts/CsvImport.h"
#include "contacts/TextFileReader.h"
#include "support/TestArchive.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace brivane::contacts;

Q_DECLARE_METATYPE(brivane::contacts::CsvLayout)
Q_DECLARE_METATYPE(brivane::contacts::ImportMode)
Q_DECLARE_METATYPE(brivane::contacts::TextFileReader::Problem)
Q_DECLARE_METATYPE(brivane::contacts::TextFileReader::Encoding)

class CsvTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();

    void decode_data();
    void decode();
    void chop_data();
    void chop();
    void parse_data();
    void parse();
    void malformed_data();
    void malformed();
    void fieldValues_data();
    void fieldValues();
    void googleMultiValues_data();
    void googleMultiValues();

    void exportMatchesReference_data();
    void exportMatchesReference();
    void proposedName_data();
    void proposedName();

    void importModes_data();
    void importModes();
    void addedGroupIsAppendedAndRegistered();
    void deleteAllKeepsOnlyTheFile();
    void badFileLeavesArchiveUnchanged_data();
    void badFileLeavesArchiveUnchanged();
    void failingLineRollsBack();
    void interruptionRollsBack();
    void roundTripGivesEqualContacts();
    void latin1FileImports();
    void filesOfOtherProgramsImport_data();
    void filesOfOtherProgramsImport();
};

namespace {

QString dataFile(const QString& name)
{
    return QStringLiteral(BRIVANE_TEST_DATA) + u"/contacts/"_s + name;
}

QByteArray readBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    return file.readAll();
}

struct Contact
{
    QVariant ragsoc, company, tel, mobile, skype, fax, email, site, indirizzo, note, gruppo;
};

const QVariant kNull = QVariant(QMetaType::fromType<QString>());

qint64 insertContact(const QSqlDatabase& db, const Contact& c)
{
    QSqlQuery query(db);
    query.prepare(
        u"INSERT INTO BRcon63 (ragsoc,company,tel,mobile,skype,fax,email,site,indirizzo,note,gruppo) "
        "VALUES (?,?,?,?,?,?,?,?,?,?,?)"_s);
    for (const QVariant& value : {c.ragsoc, c.company, c.tel, c.mobile, c.skype, c.fax, c.email, c.site,
                                  c.indirizzo, c.note, c.gruppo})
        query.addBindValue(value);
    if (!query.exec())
        qFatal("cannot insert contact: %s", qPrintable(query.lastError().text()));
    return query.lastInsertId().toLongLong();
}

// The three contacts of the export reference files, listed in the order of
// the returned keys.
QList<qint64> insertExportFixture(const QSqlDatabase& db)
{
    const qint64 rossi = insertContact(
        db, {u"Rossi; Mario"_s, u"Acme, Inc."_s, u"02 1234, 347 99, 06 55, 333"_s, u"347 1234567"_s,
             u"mario.rossi"_s, kNull, u"mario@example.com, m.rossi@example.com"_s, u"www.example.com"_s,
             u"Via Roma 1\n20100 Milano\nItalia"_s, u"Says \"hello\""_s, u"Friend"_s});
    const qint64 renee = insertContact(db, {u"Renée Müller-Ñúñez"_s, kNull, u"+41 44 123"_s, kNull, kNull,
                                            kNull, kNull, kNull, kNull, u"Line1\r\nLine2"_s, kNull});
    const qint64 anna =
        insertContact(db, {u"Anna Maria Bianchi Verdi"_s, u"Bianchi & Co"_s, kNull, kNull, kNull, kNull,
                           kNull, u"http://example.org/a;b"_s, kNull, kNull, u"Client"_s});
    return {anna, rossi, renee};
}

// Every contact as "name|phone|e-mail|group|address", sorted; null reads as empty.
QStringList contactSummary(const QSqlDatabase& db)
{
    QSqlQuery query(db);
    if (!query.exec(u"SELECT ragsoc,tel,email,gruppo,indirizzo FROM BRcon63"_s))
        qFatal("cannot read contacts: %s", qPrintable(query.lastError().text()));
    QStringList rows;
    while (query.next()) {
        QStringList values;
        for (int i = 0; i < 5; ++i)
            values << query.value(i).toString();
        rows << values.join(u'|');
    }
    rows.sort();
    return rows;
}

// Every row of the contact and group tables, column by column, nulls marked.
QStringList snapshot(const QSqlDatabase& db)
{
    QStringList rows;
    for (const QString& table : {u"BRcon63"_s, u"BRcat80"_s}) {
        QSqlQuery query(db);
        if (!query.exec(u"SELECT * FROM "_s + table))
            qFatal("cannot read %s", qPrintable(table));
        while (query.next()) {
            QStringList values{table};
            for (int i = 0; i < query.record().count(); ++i)
                values << (query.isNull(i) ? u"<null>"_s : query.value(i).toString());
            rows << values.join(u'|');
        }
    }
    return rows;
}

void seedModesArchive(const QSqlDatabase& db)
{
    insertContact(db, {u"Rossi"_s, kNull, u"111"_s, kNull, kNull, kNull, kNull, kNull, u"Via Roma 1"_s, kNull,
                       u"Friend"_s});
    insertContact(db, {u"Bianchi"_s, kNull, u"222"_s, kNull, kNull, kNull, u"b@example.com"_s, kNull, kNull,
                       kNull, kNull});
    insertContact(db, {u"Verdi"_s, kNull, u"333"_s, kNull, kNull, kNull, kNull, kNull, kNull, kNull, kNull});
    insertContact(db, {u"Verdi"_s, kNull, u"444"_s, kNull, kNull, kNull, kNull, kNull, kNull, kNull, kNull});
}

// modes.csv: Name;Phone;E-mail;Group
ImportMapping modesMapping()
{
    ImportMapping mapping;
    mapping.setColumn(CsvField::Name, 0, 0);
    mapping.setColumn(CsvField::Phone, 0, 1);
    mapping.setColumn(CsvField::Email, 0, 2);
    mapping.setColumn(CsvField::Group, 0, 3);
    return mapping;
}

ImportOptions optionsFor(ImportMode mode)
{
    ImportOptions options;
    options.mode = mode;
    options.skipFirstLine = true;
    return options;
}

int count(const QSqlDatabase& db, const QString& statement)
{
    QSqlQuery query(db);
    if (!query.exec(statement) || !query.next())
        qFatal("cannot count: %s", qPrintable(query.lastError().text()));
    return query.value(0).toInt();
}

} // namespace

void CsvTest::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

// ---- reading text files -----------------------------------------------------------

// The one text reader, over real files: every encoding users have.
void CsvTest::decode_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<TextFileReader::Problem>("problem");
    QTest::addColumn<TextFileReader::Encoding>("encoding");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("line");

    using P = TextFileReader::Problem;
    using E = TextFileReader::Encoding;
    QTest::newRow("utf-8") << QByteArray("Ren\xC3\xA9\xE2\x82\xAC\r\n") << P::None << E::Utf8
                           << u"René€\r\n"_s << 0;
    QTest::newRow("utf-8 with byte order mark")
        << QByteArray("\xEF\xBB\xBFName;M\xC3\xBCller") << P::None << E::Utf8 << u"Name;Müller"_s << 0;
    QTest::newRow("utf-16 little endian")
        << QByteArray("\xFF\xFE" "Z\0\xFC\0r\0\xAC\x20\r\0\n\0", 14) << P::None << E::Utf16 << u"Zür€\r\n"_s << 0;
    QTest::newRow("utf-16 big endian")
        << QByteArray("\xFE\xFF\0\xC9\0l\0o", 8) << P::None << E::Utf16 << u"Élo"_s << 0;
    QTest::newRow("windows-1252 curly quotes and euro")
        << QByteArray("Name;Note\r\nO\x92" "Brien;\x93" "caf\xE9\x94 \x80 5 \x96 ok\r\n") << P::None << E::Windows1252
        << u"Name;Note\r\nO’Brien;“café” € 5 – ok\r\n"_s << 0;
    QTest::newRow("latin-1 letters") << QByteArray("Jos\xE9;Z\xFCrich") << P::None << E::Windows1252
                                     << u"José;Zürich"_s << 0;
    // One stray byte spoils its own line only.
    QTest::newRow("utf-8 with one stray byte")
        << QByteArray("Fran\xC3\xA7ois\nna\xEFve\nM\xC3\xBCller\n") << P::None << E::Windows1252
        << u"François\nnaïve\nMüller\n"_s << 0;
    QTest::newRow("utf-8 mark and a stray byte")
        << QByteArray("\xEF\xBB\xBF\xC3\xA9\n\xE9") << P::None << E::Windows1252 << u"é\né"_s << 0;
    QTest::newRow("overlong utf-8 is windows-1252")
        << QByteArray("\xC0\xAF") << P::None << E::Windows1252 << u"À¯"_s << 0;
    QTest::newRow("empty") << QByteArray() << P::None << E::Utf8 << QString() << 0;
    QTest::newRow("dos end-of-file mark") << QByteArray("a\r\n\x1A") << P::None << E::Utf8 << u"a\r\n\x1A"_s << 0;
    QTest::newRow("binary: nul on line 3") << QByteArray("a\r\nb\r\nc\0d", 9) << P::NotText << E::Utf8 << QString()
                                           << 3;
    QTest::newRow("binary: escape after lone cr")
        << QByteArray("a\rb\x1B") << P::NotText << E::Utf8 << QString() << 2;
    QTest::newRow("binary: utf-16 without a mark")
        << QByteArray("N\0a\0m\0e\0", 8) << P::NotText << E::Utf8 << QString() << 1;
    QTest::newRow("binary: picture")
        << QByteArray("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16) << P::NotText << E::Utf8 << QString() << 3;
    QTest::newRow("binary behind a utf-16 mark")
        << QByteArray("\xFF\xFE" "a\0\x01\0", 6) << P::NotText << E::Utf8 << QString() << 1;
    QTest::newRow("utf-32 mark") << QByteArray("\0\0\xFE\xFF", 4) << P::UnknownEncoding << E::Utf8
                                 << QString() << 1;
    QTest::newRow("broken utf-16") << QByteArray("\xFF\xFE" "a\0b", 5) << P::UnknownEncoding << E::Utf8 << QString()
                                   << 1;
}

void CsvTest::decode()
{
    QFETCH(QByteArray, bytes);
    QFETCH(TextFileReader::Problem, problem);
    QFETCH(TextFileReader::Encoding, encoding);
    QFETCH(QString, text);
    QFETCH(int, line);

    QTemporaryDir dir;
    const QString path = dir.filePath(u"people.csv"_s);
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    const TextFileReader::Result result = TextFileReader::read(path);
    QCOMPARE(result.problem, problem);
    QCOMPARE(result.line, line);
    if (problem == TextFileReader::Problem::None) {
        QCOMPARE(result.encoding, encoding);
        QCOMPARE(result.text, text);
        QVERIFY(result.message.isEmpty());
    } else {
        QVERIFY2(result.message.contains(u'"' + path + u'"'), qPrintable(result.message));
        QVERIFY2(result.message.contains(u"line %1"_s.arg(line)), qPrintable(result.message));
    }
}

// ---- the chopped layout's parts -------------------------------------------------------

void CsvTest::chop_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QStringList>("parts");

    QTest::newRow("two words") << u"Mario Rossi"_s << QStringList{u"Mario"_s, u"Rossi"_s, QString()};
    QTest::newRow("numbers with commas and blanks")
        << u"02 1234, 347 99"_s << QStringList{u"02"_s, u"1234"_s, u"347"_s};
    QTest::newRow("four numbers keep three") << u"1,2,3,4"_s << QStringList{u"1"_s, u"2"_s, u"3"_s};
    QTest::newRow("four words keep three")
        << u"Anna Maria Bianchi Verdi"_s << QStringList{u"Anna"_s, u"Maria"_s, u"Bianchi"_s};
    QTest::newRow("quoted name stays whole")
        << u"\"Mario Rossi, jr\""_s << QStringList{u"Mario Rossi, jr"_s, QString(), QString()};
    QTest::newRow("doubled quote inside quotes")
        << u"\"a \"\"b\"\"\" c"_s << QStringList{u"a \"b\""_s, u"c"_s, QString()};
    QTest::newRow("empty items between commas") << u"a,,b"_s << QStringList{u"a"_s, QString(), u"b"_s};
    QTest::newRow("leading blanks and line breaks")
        << u"  x\r\ny"_s << QStringList{u"x"_s, u"y"_s, QString()};
    QTest::newRow("empty") << QString() << QStringList{QString(), QString(), QString()};
}

void CsvTest::chop()
{
    QFETCH(QString, value);
    QFETCH(QStringList, parts);
    const std::array<QString, 3> chopped = CsvExport::chop(value);
    QCOMPARE((QStringList{chopped[0], chopped[1], chopped[2]}), parts);
}

// ---- splitting delimited text -------------------------------------------------------

void CsvTest::parse_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QChar>("delimiter");
    QTest::addColumn<QList<QStringList>>("records");
    QTest::addColumn<QList<int>>("lines");

    QTest::newRow("plain, trailing line end")
        << u"a;b\r\nc;d\r\n"_s << QChar(u';') << QList<QStringList>{{u"a"_s, u"b"_s}, {u"c"_s, u"d"_s}}
        << QList<int>{1, 2};
    QTest::newRow("no final line end, lf and lone cr")
        << u"a\nb\rc"_s << QChar(u';') << QList<QStringList>{{u"a"_s}, {u"b"_s}, {u"c"_s}}
        << QList<int>{1, 2, 3};
    QTest::newRow("blanks are kept") << u" a ; b "_s << QChar(u';')
                                     << QList<QStringList>{{u" a "_s, u" b "_s}} << QList<int>{1};
    QTest::newRow("delimiter and quotes inside quotes")
        << u"\"Rossi; Mario\";\"Says \"\"hi\"\"\""_s << QChar(u';')
        << QList<QStringList>{{u"Rossi; Mario"_s, u"Says \"hi\""_s}} << QList<int>{1};
    QTest::newRow("line breaks inside quotes count lines")
        << u"\"Via Roma\r\nMilano\";x\r\n\"a\nb\nc\";y\r\nz;w"_s << QChar(u';')
        << QList<QStringList>{{u"Via Roma\r\nMilano"_s, u"x"_s}, {u"a\nb\nc"_s, u"y"_s}, {u"z"_s, u"w"_s}}
        << QList<int>{1, 3, 6};
    QTest::newRow("quote inside an unquoted field is a character")
        << u"Mario \"Bob\" Rossi;1"_s << QChar(u';') << QList<QStringList>{{u"Mario \"Bob\" Rossi"_s, u"1"_s}}
        << QList<int>{1};
    QTest::newRow("blanks after a closing quote")
        << u"\"a\"  ;b"_s << QChar(u';') << QList<QStringList>{{u"a"_s, u"b"_s}} << QList<int>{1};
    QTest::newRow("empty fields and trailing delimiter")
        << u";;\r\nx;"_s << QChar(u';')
        << QList<QStringList>{{QString(), QString(), QString()}, {u"x"_s, QString()}} << QList<int>{1, 2};
    QTest::newRow("blank line is a record")
        << u"a\r\n\r\nb"_s << QChar(u';') << QList<QStringList>{{u"a"_s}, {QString()}, {u"b"_s}}
        << QList<int>{1, 2, 3};
    QTest::newRow("comma delimiter leaves semicolons")
        << u"a;b,\"c,d\""_s << QChar(u',') << QList<QStringList>{{u"a;b"_s, u"c,d"_s}} << QList<int>{1};
    QTest::newRow("pipe") << u"a|b"_s << QChar(u'|') << QList<QStringList>{{u"a"_s, u"b"_s}} << QList<int>{1};
    QTest::newRow("empty text") << QString() << QChar(u';') << QList<QStringList>{} << QList<int>{};
}

void CsvTest::parse()
{
    QFETCH(QString, text);
    QFETCH(QChar, delimiter);
    QFETCH(QList<QStringList>, records);
    QFETCH(QList<int>, lines);

    CsvTable table;
    QString error;
    QVERIFY2(table.parse(text, delimiter, u"in.csv"_s, &error), qPrintable(error));
    QList<QStringList> fields;
    QList<int> starts;
    for (const CsvRecord& record : table.records()) {
        fields << record.fields;
        starts << record.line;
    }
    QCOMPARE(fields, records);
    QCOMPARE(starts, lines);
}

void CsvTest::malformed_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("line");

    QTest::newRow("quote never closed") << u"Name;Phone\r\nRossi;1\r\n\"Bianchi;2\r\nVerdi;3\r\n"_s << 3;
    QTest::newRow("text after closing quote") << u"Name\r\n\"Ros\"si;1"_s << 2;
    QTest::newRow("after a multi-line field") << u"\"a\r\nb\"x;1"_s << 2;
}

void CsvTest::malformed()
{
    QFETCH(QString, text);
    QFETCH(int, line);

    CsvTable table;
    QString error;
    QVERIFY(!table.parse(text, u';', u"/home/me/bad.csv"_s, &error));
    QVERIFY(table.isEmpty());
    QVERIFY2(error.contains(u"\"/home/me/bad.csv\""_s), qPrintable(error));
    QVERIFY2(error.contains(u"line %1:"_s.arg(line)), qPrintable(error));
}

void CsvTest::fieldValues_data()
{
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QString>("name");

    QTest::newRow("main and surname") << QStringList{u"Mario"_s, u"Rossi"_s, QString()} << u"Mario Rossi"_s;
    QTest::newRow("all three") << QStringList{u"Mario"_s, u"Rossi"_s, u"Bob"_s} << u"Mario Rossi Bob"_s;
    QTest::newRow("empty main") << QStringList{QString(), u"Rossi"_s, u"Bob"_s} << u"Rossi Bob"_s;
    QTest::newRow("short line") << QStringList{u"Mario"_s} << u"Mario"_s;
    QTest::newRow("blanks of the main column kept") << QStringList{u" Mario "_s} << u" Mario "_s;
}

void CsvTest::fieldValues()
{
    QFETCH(QStringList, fields);
    QFETCH(QString, name);

    ImportMapping mapping;
    mapping.setColumn(CsvField::Name, 0, 0);
    mapping.setColumn(CsvField::Name, 1, 1);
    mapping.setColumn(CsvField::Name, 2, 2);
    const CsvValues values = mapping.valuesOf(fields);
    QCOMPARE(valueOf(values, CsvField::Name), name);
    QCOMPARE(valueOf(values, CsvField::Phone), QString());
}

// Google Contacts joins several values of one field with " ::: ".
void CsvTest::googleMultiValues_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("value");

    QTest::newRow("e-mail keeps every address") << int(CsvField::Email) << u"a@b.it ::: c@d.it"_s
                                                << u"a@b.it, c@d.it"_s;
    QTest::newRow("phone keeps every number") << int(CsvField::Phone) << u"02 1234 ::: 333 987"_s
                                              << u"02 1234, 333 987"_s;
    QTest::newRow("name takes the first") << int(CsvField::Name) << u"Mario ::: Bob"_s << u"Mario"_s;
    QTest::newRow("address takes the first") << int(CsvField::Address) << u"Via Roma 1 ::: Via Po 2"_s
                                             << u"Via Roma 1"_s;
    QTest::newRow("a single value is kept") << int(CsvField::Email) << u"a@b.it"_s << u"a@b.it"_s;
}

void CsvTest::googleMultiValues()
{
    QFETCH(int, field);
    QFETCH(QString, text);
    QFETCH(QString, value);

    ImportMapping mapping;
    mapping.setColumn(static_cast<CsvField>(field), 0, 0);
    const CsvValues values = mapping.valuesOf({text});
    QCOMPARE(valueOf(values, static_cast<CsvField>(field)), value);
}

// ---- export -------------------------------------------------------------------

void CsvTest::exportMatchesReference_data()
{
    QTest::addColumn<CsvLayout>("layout");
    QTest::addColumn<QString>("reference");

    QTest::newRow("complete") << CsvLayout::Complete << u"export-complete.csv"_s;
    QTest::newRow("chopped") << CsvLayout::Chopped << u"export-chopped.csv"_s;
}

void CsvTest::exportMatchesReference()
{
    QFETCH(CsvLayout, layout);
    QFETCH(QString, reference);

    brivane::test::TestArchive archive;
    const QList<qint64> listed = insertExportFixture(archive.db());
    QString error;
    const QList<CsvValues> contacts = CsvExport::load(archive.db(), listed, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));

    QTemporaryDir dir;
    const QString path = dir.filePath(u"out.csv"_s);
    QVERIFY2(CsvExport::write(path, contacts, layout, &error), qPrintable(error));
    QCOMPARE(QString::fromUtf8(readBytes(path)), QString::fromUtf8(readBytes(dataFile(reference))));
    QCOMPARE(readBytes(path), readBytes(dataFile(reference)));
}

void CsvTest::proposedName_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<CsvLayout>("layout");
    QTest::addColumn<QString>("name");

    QTest::newRow("group, complete") << u"Friend"_s << CsvLayout::Complete << u"Friend-2024-03-15-09-05-07"_s;
    QTest::newRow("group, chopped") << u"Friend"_s << CsvLayout::Chopped
                                    << u"Friend-chopped-2024-03-15-09-05-07"_s;
    QTest::newRow("no group, complete")
        << QString() << CsvLayout::Complete << u"Contacts-2024-03-15-09-05-07"_s;
    QTest::newRow("no group, chopped")
        << QString() << CsvLayout::Chopped << u"Contacts-chopped-2024-03-15-09-05-07"_s;
    QTest::newRow("slash is no folder") << u"A/B"_s << CsvLayout::Complete << u"A-B-2024-03-15-09-05-07"_s;
}

void CsvTest::proposedName()
{
    QFETCH(QString, filter);
    QFETCH(CsvLayout, layout);
    QFETCH(QString, name);
    QCOMPARE(CsvExport::proposedName(filter, layout, QDateTime(QDate(2024, 3, 15), QTime(9, 5, 7))), name);
}

// ---- import -------------------------------------------------------------------

void CsvTest::importModes_data()
{
    QTest::addColumn<ImportMode>("mode");
    QTest::addColumn<int>("counted");
    QTest::addColumn<QStringList>("contacts");

    const QString bianchi = u"Bianchi|222|b@example.com||"_s;
    const QString rossi = u"Rossi|111||Friend|Via Roma 1"_s;
    const QString verdi3 = u"Verdi|333|||"_s;
    const QString verdi4 = u"Verdi|444|||"_s;
    const QString neri = u"Neri|555|neri@example.com|Client|"_s;

    // The name differs only in letter case: a duplicate. Two Verdi: no update.
    QTest::newRow("skip duplicates") << ImportMode::SkipDuplicates << 1
                                     << QStringList{bianchi, neri, rossi, verdi3, verdi4};
    // Fields the file leaves empty (group) or does not give (address) are kept.
    QTest::newRow("update existing") << ImportMode::UpdateExisting << 1
                                     << QStringList{bianchi,
                                                    u"ROSSI|999|rossi@example.com|Friend|Via Roma 1"_s,
                                                    verdi3, verdi4};
    QTest::newRow("create new")
        << ImportMode::CreateNew << 3
        << QStringList{bianchi,          neri, u"ROSSI|999|rossi@example.com||"_s, rossi, verdi3, verdi4,
                       u"Verdi|777|||"_s};
    // The stored phone stays, the empty e-mail is filled.
    QTest::newRow("data integration")
        << ImportMode::DataIntegration << 2
        << QStringList{bianchi, neri, u"ROSSI|111|rossi@example.com|Friend|Via Roma 1"_s, verdi3, verdi4};
}

void CsvTest::importModes()
{
    QFETCH(ImportMode, mode);
    QFETCH(int, counted);
    QFETCH(QStringList, contacts);

    brivane::test::TestArchive archive;
    seedModesArchive(archive.db());
    const ImportResult result =
        CsvImport::importFile(archive.db(), dataFile(u"modes.csv"_s), u';', modesMapping(), optionsFor(mode));
    QVERIFY2(result.ok(), qPrintable(result.message));
    QCOMPARE(result.counted, counted);
    contacts.sort();
    QCOMPARE(contactSummary(archive.db()), contacts);
    // Empty file values are stored as no value.
    QCOMPARE(count(archive.db(), u"SELECT COUNT(*) FROM BRcon63 WHERE email = '' OR gruppo = ''"_s), 0);
}

void CsvTest::addedGroupIsAppendedAndRegistered()
{
    brivane::test::TestArchive archive;
    seedModesArchive(archive.db());
    ImportOptions options = optionsFor(ImportMode::DataIntegration);
    options.addedGroup = u"Imported-2024-03-15"_s;
    const QString groupRows =
        u"SELECT COUNT(*) FROM BRcat80 WHERE id = 'Imported-2024-03-15' AND sezione = 'C'"_s;

    ImportResult result =
        CsvImport::importFile(archive.db(), dataFile(u"modes.csv"_s), u';', modesMapping(), options);
    QVERIFY2(result.ok(), qPrintable(result.message));
    QVERIFY(result.groupRegistered);
    QCOMPARE(count(archive.db(), groupRows), 1);
    QStringList expected{u"Bianchi|222|b@example.com||"_s,
                         u"Neri|555|neri@example.com|Client Imported-2024-03-15|"_s,
                         u"ROSSI|111|rossi@example.com|Friend Imported-2024-03-15|Via Roma 1"_s,
                         u"Verdi|333|||"_s, u"Verdi|444|||"_s};
    expected.sort();
    QCOMPARE(contactSummary(archive.db()), expected);

    // A second run finds the group registered; lines without a group of their own get it alone.
    options.mode = ImportMode::CreateNew;
    result = CsvImport::importFile(archive.db(), dataFile(u"modes.csv"_s), u';', modesMapping(), options);
    QVERIFY2(result.ok(), qPrintable(result.message));
    QVERIFY(!result.groupRegistered);
    QCOMPARE(count(archive.db(), groupRows), 1);
    QCOMPARE(count(archive.db(), u"SELECT COUNT(*) FROM BRcon63 WHERE gruppo = 'Imported-2024-03-15'"_s), 2);
}

void CsvTest::deleteAllKeepsOnlyTheFile()
{
    brivane::test::TestArchive archive;
    seedModesArchive(archive.db());
    ImportOptions options = optionsFor(ImportMode::SkipDuplicates);
    options.deleteAll = true;
    const ImportResult result =
        CsvImport::importFile(archive.db(), dataFile(u"modes.csv"_s), u';', modesMapping(), options);
    QVERIFY2(result.ok(), qPrintable(result.message));
    QCOMPARE(result.counted, 3);
    QCOMPARE(contactSummary(archive.db()),
             (QStringList{u"Neri|555|neri@example.com|Client|"_s, u"ROSSI|999|rossi@example.com||"_s,
                          u"Verdi|777|||"_s}));
}

void CsvTest::badFileLeavesArchiveUnchanged_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("line");

    QTest::newRow("malformed line") << u"malformed.csv"_s << 3;
    QTest::newRow("line longer than the first") << u"wrong-header.csv"_s << 3;
    QTest::newRow("not text") << u"not-text.csv"_s << 3;
}

void CsvTest::badFileLeavesArchiveUnchanged()
{
    QFETCH(QString, file);
    QFETCH(int, line);

    brivane::test::TestArchive archive;
    seedModesArchive(archive.db());
    const QStringList before = snapshot(archive.db());
    ImportOptions options = optionsFor(ImportMode::CreateNew);
    options.deleteAll = true;
    options.addedGroup = u"Imported"_s;
    ImportMapping mapping;
    mapping.setColumn(CsvField::Name, 0, 0);

    const QString path = dataFile(file);
    const ImportResult result = CsvImport::importFile(archive.db(), path, u';', mapping, options);
    QCOMPARE(result.outcome, ImportResult::Outcome::Failed);
    QVERIFY2(result.message.contains(u'"' + path + u'"'), qPrintable(result.message));
    QVERIFY2(result.message.contains(u"line %1"_s.arg(line)), qPrintable(result.message));
    QCOMPARE(snapshot(archive.db()), before);
}

void CsvTest::failingLineRollsBack()
{
    brivane::test::TestArchive archive;
    seedModesArchive(archive.db());
    QSqlQuery trigger(archive.db());
    QVERIFY(trigger.exec(u"CREATE TRIGGER refuse BEFORE INSERT ON BRcon63 WHEN NEW.ragsoc = 'Boom' "
                         "BEGIN SELECT RAISE(ABORT, 'refused'); END"_s));
    const QStringList before = snapshot(archive.db());

    CsvTable table;
    QVERIFY(table.parse(u"Name\r\nAlpha\r\nBeta\r\nBoom\r\nGamma\r\n"_s, u';', u"people.csv"_s));
    ImportOptions options = optionsFor(ImportMode::CreateNew);
    options.deleteAll = true;
    options.addedGroup = u"Imported"_s;
    ImportMapping mapping;
    mapping.setColumn(CsvField::Name, 0, 0);
    const ImportResult result = CsvImport::run(archive.db(), table, mapping, options);
    QCOMPARE(result.outcome, ImportResult::Outcome::Failed);
    QCOMPARE(result.line, 4);
    QVERIFY2(result.message.contains(u"line 4 of the file \"people.csv\""_s), qPrintable(result.message));
    QCOMPARE(snapshot(archive.db()), before);
}

void CsvTest::interruptionRollsBack()
{
    brivane::test::TestArchive archive;
    seedModesArchive(archive.db());
    const QStringList before = snapshot(archive.db());
    CsvTable table;
    QVERIFY(table.load(dataFile(u"modes.csv"_s), u';'));
    ImportOptions options = optionsFor(ImportMode::CreateNew);
    options.deleteAll = true;

    QList<int> seen;
    const ImportResult result =
        CsvImport::run(archive.db(), table, modesMapping(), options, [&seen](int handled, int, int) {
            seen << handled;
            return handled < 2;
        });
    QCOMPARE(result.outcome, ImportResult::Outcome::Interrupted);
    QCOMPARE(seen, (QList<int>{0, 1, 2}));
    QCOMPARE(result.line, 4);
    QCOMPARE(snapshot(archive.db()), before);
}

void CsvTest::roundTripGivesEqualContacts()
{
    const QStringList columns{u"ragsoc"_s, u"company"_s, u"tel"_s,       u"mobile"_s, u"skype"_s, u"fax"_s,
                              u"email"_s,  u"site"_s,    u"indirizzo"_s, u"note"_s,   u"gruppo"_s};
    const auto contents = [&columns](const QSqlDatabase& db) {
        QSqlQuery query(db);
        if (!query.exec(u"SELECT "_s + columns.join(u',') + u" FROM BRcon63 ORDER BY codcon"_s))
            qFatal("cannot read contacts");
        QList<QStringList> rows;
        while (query.next()) {
            QStringList row;
            for (int i = 0; i < columns.size(); ++i)
                row << query.value(i).toString();
            rows << row;
        }
        return rows;
    };

    brivane::test::TestArchive source;
    QList<qint64> keys = insertExportFixture(source.db());
    keys << insertContact(source.db(),
                          {u"  Blank edges  "_s, u"\"Quoted\" Ltd"_s, u"'1';\"2\""_s, kNull, kNull, u"€ 5"_s,
                           kNull, kNull, u"\r\nstarts with a break"_s, u";"_s, u"Ünïcödé"_s});
    std::sort(keys.begin(), keys.end());

    QString error;
    QTemporaryDir dir;
    const QString path = dir.filePath(u"contacts.csv"_s);
    QVERIFY2(CsvExport::write(path, CsvExport::load(source.db(), keys, &error), CsvLayout::Complete, &error),
             qPrintable(error));

    // Meant for spreadsheets: UTF-8 behind a byte order mark, which our own
    // import reads back.
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().startsWith("\xEF\xBB\xBF"));
    }
    CsvTable table;
    QVERIFY2(table.load(path, u';', &error), qPrintable(error));
    QVERIFY(CsvImport::isCompleteExport(table));
    brivane::test::TestArchive target;
    ImportOptions options;
    options.skipFirstLine = true;
    const ImportResult result = CsvImport::run(target.db(), table, ImportMapping::completeExport(), options);
    QVERIFY2(result.ok(), qPrintable(result.message));
    QCOMPARE(result.counted, 4);
    QCOMPARE(contents(target.db()), contents(source.db()));
}

void CsvTest::latin1FileImports()
{
    brivane::test::TestArchive archive;
    CsvTable table;
    QString error;
    QVERIFY2(table.load(dataFile(u"latin1.csv"_s), u',', &error), qPrintable(error));
    QVERIFY(!CsvImport::isCompleteExport(table));
    ImportMapping mapping;
    mapping.setColumn(CsvField::Name, 0, 0);
    mapping.setColumn(CsvField::Address, 0, 1);
    ImportOptions options;
    options.skipFirstLine = true;
    const ImportResult result = CsvImport::run(archive.db(), table, mapping, options);
    QVERIFY2(result.ok(), qPrintable(result.message));
    QCOMPARE(contactSummary(archive.db()), QStringList{u"José Müller||||Zürich"_s});
}

// What Windows programs write: Notepad's UTF-16 and Outlook's code page
// with its curly quotes import with the right letters.
void CsvTest::filesOfOtherProgramsImport_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("expected");
    QTest::newRow("utf-16") << u"utf16.csv"_s << u"Rossi|111"_s;
    QTest::newRow("windows-1252") << u"windows-1252.csv"_s << u"Rossi|“quoted”"_s;
}

void CsvTest::filesOfOtherProgramsImport()
{
    QFETCH(QString, file);
    QFETCH(QString, expected);
    brivane::test::TestArchive archive;
    ImportMapping mapping;
    mapping.setColumn(CsvField::Name, 0, 0);
    mapping.setColumn(file == u"utf16.csv" ? CsvField::Phone : CsvField::Note, 0, 1);
    ImportOptions options;
    options.skipFirstLine = true;
    const ImportResult result = CsvImport::importFile(archive.db(), dataFile(file), u';', mapping, options);
    QVERIFY2(result.ok(), qPrintable(result.message));
    QSqlQuery query(archive.db());
    QVERIFY(query.exec(u"SELECT ragsoc, tel, note FROM BRcon63"_s));
    QVERIFY(query.next());
    const QString second = file == u"utf16.csv" ? query.value(1).toString() : query.value(2).toString();
    QCOMPARE(query.value(0).toString() + u'|' + second, expected);
}

QTEST_GUILESS_MAIN(CsvTest)
#include "tst_csv.moc"
