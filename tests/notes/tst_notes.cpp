#include "notes/ExternalProgram.h"
#include "notes/NoteListModel.h"
#include "notes/NoteMessages.h"
#include "notes/NoteStats.h"
#include "notes/NoteStore.h"
#include "notes/NoteText.h"
#include "notes/TextExport.h"
#include "notes/TextImport.h"
#include "notes/TextMatch.h"
#include "store/Archive.h"
#include "support/TestArchive.h"

#include <QFile>
#include <QProcess>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <thread>

using namespace Qt::StringLiterals;
using namespace brivane;
using namespace brivane::notes;

Q_DECLARE_METATYPE(brivane::notes::SearchKind)
Q_DECLARE_METATYPE(brivane::notes::NoteOrder)

namespace {

const char* const kChildSwitch = "--update-note-and-wait";

// The child of the crash test: writes one note's text through the store,
// says so on its standard output and waits to be killed.
int runUpdateChild(const QString& folder, qint64 key, const QString& text)
{
    store::Archive archive(u"child"_s);
    if (!archive.open(folder))
        return 2;
    if (NoteStore(archive.database()).updateText(key, text, u"Title"_s, QString()) != key)
        return 3;
    std::fputs("written\n", stdout);
    std::fflush(stdout);
    for (;;)
        std::this_thread::sleep_for(std::chrono::seconds(1));
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class NotesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();

    void search_data();
    void search();
    void textContainsAgreesWithUpper_data();
    void textContainsAgreesWithUpper();

    void storedTitle_data();
    void storedTitle();
    void titleBar_data();
    void titleBar();
    void stats_data();
    void stats();
    void findForward_data();
    void findForward();

    void textTest_data();
    void textTest();
    void decoding_data();
    void decoding();
    void exportImportRoundTrip();

    void updateAndClone();
    void updateOfADeletedNoteKeepsTheText();
    void killedRightAfterUpdateKeepsTheText();

    void installedProgramLookup();
};

void NotesTest::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

// ---- search ------------------------------------------------------------------

void NotesTest::search_data()
{
    QTest::addColumn<SearchKind>("kind");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("group");
    QTest::addColumn<NoteOrder>("order");
    QTest::addColumn<QStringList>("titles");

    const auto asc = NoteOrder::AlphabeticalAsc;
    QTest::newRow("everything") << SearchKind::All << u""_s << u""_s << asc
                                << QStringList{u"Città"_s, u"Garden"_s, u"Milk list"_s, u"Quotes"_s,
                                               u"Zebra"_s};
    QTest::newRow("all: title or text")
        << SearchKind::All << u"milk"_s << u""_s << asc << QStringList{u"Garden"_s, u"Milk list"_s};
    QTest::newRow("title only") << SearchKind::Title << u"MILK"_s << u""_s << asc
                                << QStringList{u"Milk list"_s};
    QTest::newRow("text only") << SearchKind::Text << u"Milk"_s << u""_s << asc << QStringList{u"Garden"_s};
    QTest::newRow("accented letter case")
        << SearchKind::All << u"CITTÀ"_s << u""_s << asc << QStringList{u"Città"_s};
    QTest::newRow("sharp s in upper case")
        << SearchKind::Text << u"STRASSE"_s << u""_s << asc << QStringList{u"Città"_s};
    QTest::newRow("quotes as typed") << SearchKind::Text << u"\"hi\" 'there'"_s << u""_s << asc
                                     << QStringList{u"Quotes"_s};
    QTest::newRow("statement text is only text")
        << SearchKind::All << u"x\") OR 1=1 --"_s << u""_s << asc << QStringList{};
    QTest::newRow("wildcard %") << SearchKind::Text << u"50%off"_s << u""_s << asc
                                << QStringList{u"Quotes"_s};
    QTest::newRow("wildcard _") << SearchKind::Title << u"z_bra"_s << u""_s << asc << QStringList{u"Zebra"_s};
    QTest::newRow("group part") << SearchKind::All << u""_s << u"shop"_s << asc
                                << QStringList{u"Milk list"_s};
    QTest::newRow("group in several")
        << SearchKind::All << u""_s << u"o"_s << asc << QStringList{u"Garden"_s, u"Milk list"_s, u"Zebra"_s};
    QTest::newRow("no group") << SearchKind::All << u""_s << u"[ IS NULL ]"_s << asc
                              << QStringList{u"Città"_s, u"Quotes"_s};
    QTest::newRow("no group, old mark")
        << SearchKind::All << u""_s << u"[ VUOTO ]"_s << asc << QStringList{u"Città"_s, u"Quotes"_s};
    QTest::newRow("text and group") << SearchKind::All << u"milk"_s << u"home"_s << asc
                                    << QStringList{u"Garden"_s};
    QTest::newRow("alphabetical desc") << SearchKind::Title << u"e"_s << u""_s << NoteOrder::AlphabeticalDesc
                                       << QStringList{u"Zebra"_s, u"Quotes"_s, u"Garden"_s};
    QTest::newRow("creation asc") << SearchKind::All << u""_s << u""_s << NoteOrder::CreationAsc
                                  << QStringList{u"Milk list"_s, u"Garden"_s, u"Città"_s, u"Quotes"_s,
                                                 u"Zebra"_s};
    QTest::newRow("creation desc") << SearchKind::All << u""_s << u""_s << NoteOrder::CreationDesc
                                   << QStringList{u"Zebra"_s, u"Quotes"_s, u"Città"_s, u"Garden"_s,
                                                  u"Milk list"_s};
}

void NotesTest::search()
{
    QFETCH(SearchKind, kind);
    QFETCH(QString, text);
    QFETCH(QString, group);
    QFETCH(NoteOrder, order);
    QFETCH(QStringList, titles);

    test::TestArchive archive;
    const NoteStore store(archive.db());
    QVERIFY(store.insert({u"Milk list"_s, u"bread\r\nbutter"_s, u"Shopping"_s}) > 0);
    QVERIFY(store.insert({u"Garden"_s, u"plant the MILKweed"_s, u"Home"_s}) > 0);
    QVERIFY(store.insert({u"Città"_s, u"Straße vicino"_s, QString()}) > 0);
    QVERIFY(store.insert({u"Quotes"_s, u"He said \"hi\" 'there', 50% off"_s, QString()}) > 0);
    QVERIFY(store.insert({u"Zebra"_s, u"nothing"_s, u"Work"_s}) > 0);
    // A note saved with an empty group name counts as one without group.
    QSqlQuery(archive.db()).exec(u"UPDATE BRnot80 SET gruppo = '' WHERE id = 'Quotes'"_s);

    NoteListModel model;
    NoteSearch search;
    search.kind = kind;
    search.text = text;
    search.group = group;
    search.order = order;
    QString error;
    QVERIFY2(model.run(archive.db(), search, &error), qPrintable(error));
    QStringList listed;
    for (int row = 0; row < model.rowCount(); ++row)
        listed << model.titleAt(row);
    QCOMPARE(listed, titles);
}

void NotesTest::textContainsAgreesWithUpper_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("needle");

    QTest::newRow("ascii found") << u"Buy some milk today"_s << u"MILK"_s;
    QTest::newRow("ascii missing") << u"Buy some bread"_s << u"milk"_s;
    QTest::newRow("ascii at the end") << u"abcab"_s << u"cab"_s;
    QTest::newRow("both cases of the first letter") << u"mMmMiLk"_s << u"milk"_s;
    QTest::newRow("near misses only") << u"mMmMil mil Milx"_s << u"milk"_s;
    QTest::newRow("accents around ascii") << u"perché il latte è qui"_s << u"latte"_s;
    QTest::newRow("accented needle") << u"la città è bella"_s << u"città"_s;
    QTest::newRow("accented needle, ascii text") << u"la citta e bella"_s << u"città"_s;
    QTest::newRow("accented needle, ascii part apart") << u"citt e à"_s << u"città"_s;
    QTest::newRow("accented needle, second place") << u"citt è, la città"_s << u"CITTÀ"_s;
    QTest::newRow("accented needle, far in") << QString(300, u'é') + u"xÀcittÀ"_s << u"àcittà"_s;
    QTest::newRow("accented needle, ascii part from ß") << u"STRAßÉ"_s << u"strassé"_s;
    QTest::newRow("sharp s") << u"Große Straße"_s << u"strasse"_s;
    QTest::newRow("dotless i") << u"kırmızı"_s << u"KIRMIZI"_s;
    QTest::newRow("ligature") << u"the ﬁle"_s << u"file"_s;
    QTest::newRow("cyrillic") << u"Привет мир"_s << u"МИР"_s;
    QTest::newRow("cjk") << u"日本語のテキスト"_s << u"テキスト"_s;
    QTest::newRow("emoji beside") << u"note 😀 milk"_s << u"MILK"_s;
    QTest::newRow("longer needle") << u"ab"_s << u"abc"_s;
}

// The fast test answers exactly as UPPER(text) LIKE "%NEEDLE%" does.
void NotesTest::textContainsAgreesWithUpper()
{
    QFETCH(QString, text);
    QFETCH(QString, needle);
    const QString upperNeedle = needle.toUpper();
    QCOMPARE(textContains(text.toUtf8(), upperNeedle.toUtf8()), text.toUpper().contains(upperNeedle));
}

// ---- texts -------------------------------------------------------------------

void NotesTest::storedTitle_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");
    QTest::newRow("first letter raised") << u"shopping"_s << u"Shopping"_s;
    QTest::newRow("already upper") << u"Work"_s << u"Work"_s;
    QTest::newRow("accented first letter kept") << u"élan"_s << u"élan"_s;
    QTest::newRow("digit first") << u"2 things"_s << u"2 things"_s;
    QTest::newRow("empty becomes the moment") << u""_s << u"2024-03-01,14-05-09"_s;
}

void NotesTest::storedTitle()
{
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    QCOMPARE(notes::storedTitle(typed, QDateTime(QDate(2024, 3, 1), QTime(14, 5, 9))), stored);
}

void NotesTest::titleBar_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("shown");
    const QString title28 = u"abcdefghijklmnopqrstuvwxyz12"_s;
    QTest::newRow("28 characters whole") << title28 << u' ' + title28;
    QTest::newRow("29 characters cut") << title28 + u'3' << u"  "_s + title28.left(25) + u"..."_s;
}

void NotesTest::titleBar()
{
    QFETCH(QString, title);
    QFETCH(QString, shown);
    QCOMPARE(titleBarText(title), shown);
}

void NotesTest::stats_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("charactersWithBreaks");
    QTest::addColumn<int>("characters");
    QTest::addColumn<int>("words");

    QTest::newRow("two lines") << u"ab\nc"_s << 2 << 7 << 3 << 2;
    QTest::newRow("tab joins words") << u"one\ttwo"_s << 1 << 9 << 7 << 1;
    QTest::newRow("blanks separate, runs count once") << u"  a   b  "_s << 1 << 11 << 9 << 2;
    QTest::newRow("final line break adds no line") << u"ab\n"_s << 1 << 4 << 2 << 1;
    QTest::newRow("empty line counts") << u"a\n\nb"_s << 3 << 8 << 2 << 2;
    QTest::newRow("empty text") << u""_s << 0 << 0 << 0 << 0;
    QTest::newRow("letter outside the BMP is one") << u"a\U0001D11Eb"_s << 1 << 5 << 3 << 1;
    QTest::newRow("emoji and accent are one each") << u"\U0001F600 e\u0301"_s << 1 << 5 << 3 << 2;
}

void NotesTest::stats()
{
    QFETCH(QString, text);
    QFETCH(int, lines);
    QFETCH(int, charactersWithBreaks);
    QFETCH(int, characters);
    QFETCH(int, words);

    const NoteStats stats = NoteStats::of(textLines(text));
    QCOMPARE(stats.lines, lines);
    QCOMPARE(stats.charactersWithBreaks, charactersWithBreaks);
    QCOMPARE(stats.characters, characters);
    QCOMPARE(stats.words, words);
    QCOMPARE(stats.fastText(),
             u"Lines: %1\r\nCharacters (including spaces): %2"_s.arg(lines).arg(charactersWithBreaks));
    QCOMPARE(
        stats.advancedText(),
        u"== Statistics of the document ==\r\n\r\nRighe: %1\r\n\r\nCaratteri (spazi inclusi): %2\r\n\r\nParole: %3\n"_s
            .arg(lines)
            .arg(characters)
            .arg(words));
}

void NotesTest::findForward_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("needle");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("found");

    QTest::newRow("starts after the caret") << u"abcab"_s << u"ab"_s << 1 << 3;
    QTest::newRow("letter case ignored") << u"xxABC"_s << u"abc"_s << 0 << 2;
    QTest::newRow("no wrap around") << u"abcab"_s << u"ab"_s << 4 << -1;
    QTest::newRow("only a to z fold") << u"École"_s << u"école"_s << 0 << -1;
    QTest::newRow("other letters exact") << u"école"_s << u"ÉCOLE"_s << 0 << -1;
}

void NotesTest::findForward()
{
    QFETCH(QString, text);
    QFETCH(QString, needle);
    QFETCH(int, from);
    QFETCH(int, found);
    QCOMPARE(notes::findForward(text, needle, from), qsizetype(found));
}

// ---- import and export -------------------------------------------------------

void NotesTest::textTest_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("text");

    QTest::newRow("plain") << QByteArray("hello\r\n\tworld") << true;
    QTest::newRow("byte 26 and high bytes") << QByteArray("a\x1a\xe9\xff") << true;
    QTest::newRow("nul") << QByteArray("hello\0world", 11) << false;
    // Page breaks are text; an escape character is not.
    QTest::newRow("form feed") << QByteArray("a\x0c") << true;
    QTest::newRow("escape") << QByteArray("a\x1b[0m") << false;
    QTest::newRow("utf-16 with its mark") << QByteArray("\xFF\xFEo\0k\0", 6) << true;
    // The refusal also comes from the last piece of a file read in pieces.
    QTest::newRow("nul past the first piece")
        << QByteArray(TextFileLoader::kChunkSize + 10, 'a') + QByteArray(1, '\0') << false;
}

void NotesTest::textTest()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, text);
    QTemporaryDir dir;
    const QString path = dir.filePath(u"file.txt"_s);
    writeFile(path, bytes);
    QString decoded;
    const TextFileLoader::State state = TextFileLoader::readAll(path, &decoded);
    QCOMPARE(state == TextFileLoader::State::Done, text);
    QCOMPARE(TextFileLoader::readAll(dir.filePath(u"missing.txt"_s), nullptr),
             TextFileLoader::State::NotText);
}

void NotesTest::decoding_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");

    QTest::newRow("utf-8") << u"Città Привет 世界"_s.toUtf8() << u"Città Привет 世界"_s;
    QTest::newRow("utf-8 with byte order mark") << QByteArray("\xef\xbb\xbfok") << u"ok"_s;
    QTest::newRow("latin-1") << QByteArray("caf\xe9 \xe0") << u"café à"_s;
    QTest::newRow("line breaks") << QByteArray("a\nb\rc\r\nd\n") << u"a\r\nb\r\nc\r\nd\r\n"_s;
}

void NotesTest::decoding()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(decodeText(bytes), text);
}

void NotesTest::exportImportRoundTrip()
{
    const QString text = u"Città è qui\r\nПривет, 世界 😀\r\n\r\nStraße"_s;
    QTemporaryDir dir;
    const QString path = dir.filePath(u"note.txt"_s);
    QString error;
    QVERIFY2(exportText(path, text, &error), qPrintable(error));
    QCOMPARE(readFile(path), (text + u"\r\n"_s).toUtf8());

    QString imported;
    QCOMPARE(TextFileLoader::readAll(path, &imported), TextFileLoader::State::Done);
    QCOMPARE(imported, text + u"\r\n"_s);
    QCOMPARE(importTitle(path), u"note.txt"_s);

    // An export never leaves a half-written file behind a failure.
    QVERIFY(!exportText(dir.filePath(u"missing/folder/x.txt"_s), text, &error));
    QVERIFY(!error.isEmpty());
}

// ---- store -------------------------------------------------------------------

void NotesTest::updateAndClone()
{
    test::TestArchive archive;
    const NoteStore store(archive.db());
    const qint64 key = store.insert({u"Title"_s, u"old"_s, u"Work"_s});
    QVERIFY(key > 0);
    QCOMPARE(store.updateText(key, u"new \"text\"\r\nline"_s, u"Title"_s, QString()), key);
    const qint64 copy = store.clone(key);
    QVERIFY(copy > key);
    const std::optional<NoteFields> cloned = store.note(copy);
    QVERIFY(cloned);
    QCOMPARE(cloned->title, u"Title"_s);
    QCOMPARE(cloned->text, u"new \"text\"\r\nline"_s);
    QCOMPARE(cloned->group, u"Work"_s);
    QVERIFY(store.remove(key));
    QVERIFY(!store.text(key));
    QCOMPARE(store.total(), 1);
}

void NotesTest::updateOfADeletedNoteKeepsTheText()
{
    test::TestArchive archive;
    const NoteStore store(archive.db());
    const qint64 key = store.insert({u"Gone"_s, u"old"_s, QString()});
    QVERIFY(store.remove(key));
    const qint64 kept = store.updateText(key, u"typed meanwhile"_s, u"Gone"_s, QString());
    QVERIFY(kept > 0);
    QCOMPARE(store.text(kept).value_or(QString()), u"typed meanwhile"_s);
}

// A process killed right after Update leaves the text in the archive.
void NotesTest::killedRightAfterUpdateKeepsTheText()
{
    test::TestArchive archive;
    const qint64 key = NoteStore(archive.db()).insert({u"Title"_s, u"before"_s, QString()});
    QVERIFY(key > 0);
    const QString text = u"written just before the end — è 世界"_s;

    QProcess child;
    child.start(QCoreApplication::applicationFilePath(),
                {QString::fromLatin1(kChildSwitch), archive.folder(), QString::number(key), text});
    QVERIFY2(child.waitForStarted(), qPrintable(child.errorString()));
    QByteArray said;
    while (!said.contains("written\n")) {
        QVERIFY2(child.state() == QProcess::Running || child.bytesAvailable() > 0,
                 qPrintable(QString::fromLocal8Bit(child.readAllStandardError())));
        child.waitForReadyRead(100);
        said += child.readAllStandardOutput();
    }
    child.kill(); // SIGKILL: no clean-up of any kind
    QVERIFY(child.waitForFinished());
    QCOMPARE(child.exitStatus(), QProcess::CrashExit);

    store::Archive reopened(u"after_kill"_s);
    QVERIFY(reopened.open(archive.folder()));
    QCOMPARE(NoteStore(reopened.database()).text(key).value_or(QString()), text);
}

void NotesTest::installedProgramLookup()
{
    QTemporaryDir dir;
    const QString program = dir.filePath(u"fake-calculator"_s);
    writeFile(program, "#!/bin/sh\n");
    QVERIFY(QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    writeFile(dir.filePath(u"not-runnable"_s), "text");

    QCOMPARE(findInstalledProgram({u"not-runnable"_s, u"missing"_s, u"fake-calculator"_s}, {dir.path()}),
             program);
    QCOMPARE(findInstalledProgram({u"missing"_s, u"not-runnable"_s}, {dir.path()}), QString());
    QVERIFY(!characterMapPrograms().isEmpty());
    QVERIFY(!calculatorPrograms().isEmpty());
}

int main(int argc, char** argv)
{
    if (argc == 5 && qstrcmp(argv[1], kChildSwitch) == 0) {
        QCoreApplication app(argc, argv);
        const QStringList arguments = app.arguments();
        return runUpdateChild(arguments.at(2), arguments.at(3).toLongLong(), arguments.at(4));
    }
    QCoreApplication app(argc, argv);
    NotesTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_notes.moc"
