#include "BookBench.h"

#include "Floor.h"
#include "Paired.h"

#include "contacts/ContactQuery.h"
#include "contacts/CsvExport.h"
#include "contacts/CsvImport.h"
#include "notes/NoteListModel.h"
#include "notes/NoteSearch.h"
#include "notes/NoteStore.h"
#include "notes/TextMatch.h"
#include "store/Archive.h"
#include "store/Schema.h"

#include <QDir>
#include <QRandomGenerator>
#include <QSqlQuery>

namespace brivane::bench {

namespace {

const char* const kFirst[] = {"Anna", "Marco", "Giulia", "Luca", "Sara", "Paolo", "Elena", "Mario", "Chiara", "Davide"};
const char* const kLast[] = {"Rossi", "Bianchi", "Romano", "Colombo", "Ricci", "Marino", "Greco", "Bruno", "Gallo", "Conti"};
const char* const kWords[] = {"meeting", "recipe", "garden", "travel", "budget", "books", "music", "repair", "school",
                              "health", "ideas", "project", "market", "family", "sport"};

bool openFresh(store::Archive& archive, const QString& folder)
{
    QDir(folder).removeRecursively();
    if (!archive.open(folder))
        return false;
    store::SchemaResult result;
    return store::Schema(archive.database(), folder, folder).createAndUpgrade(result);
}

void fillContacts(const QSqlDatabase& db, int count)
{
    QRandomGenerator random(7);
    QSqlDatabase(db).transaction();
    QSqlQuery insert(db);
    insert.prepare(QStringLiteral("INSERT INTO BRcon63 (ragsoc, company, tel, email, indirizzo, note, gruppo) "
                                  "VALUES (:ragsoc, :company, :tel, :email, :indirizzo, :note, :gruppo)"));
    for (int i = 0; i < count; ++i) {
        const QString first = QLatin1String(kFirst[random.bounded(10)]);
        const QString last = QLatin1String(kLast[random.bounded(10)]);
        insert.bindValue(QStringLiteral(":ragsoc"), QStringLiteral("%1 %2 %3").arg(last, first).arg(i));
        insert.bindValue(QStringLiteral(":company"), QStringLiteral("Company %1").arg(random.bounded(5000)));
        insert.bindValue(QStringLiteral(":tel"), QStringLiteral("+39 06 %1").arg(random.bounded(10000000)));
        insert.bindValue(QStringLiteral(":email"), QString(first.toLower() + QStringLiteral("%1@example.org").arg(i)));
        insert.bindValue(QStringLiteral(":indirizzo"), QStringLiteral("Via Roma %1\nRoma").arg(random.bounded(200)));
        insert.bindValue(QStringLiteral(":note"), QStringLiteral("met at the %1").arg(QLatin1String(kWords[random.bounded(15)])));
        insert.bindValue(QStringLiteral(":gruppo"), i % 3 == 0 ? QStringLiteral("Friend") : QStringLiteral("Business"));
        insert.exec();
    }
    QSqlDatabase(db).commit();
}

void fillNotes(const QSqlDatabase& db, int count)
{
    QRandomGenerator random(11);
    QSqlDatabase(db).transaction();
    QSqlQuery insert(db);
    insert.prepare(QStringLiteral("INSERT INTO BRnot80 (id, note, gruppo) VALUES (:id, :note, :gruppo)"));
    for (int i = 0; i < count; ++i) {
        QString text;
        while (text.size() < 1000)
            text += QLatin1String(kWords[random.bounded(15)]) + QLatin1Char(' ');
        insert.bindValue(QStringLiteral(":id"), QStringLiteral("%1 %2").arg(QLatin1String(kWords[random.bounded(15)])).arg(i));
        insert.bindValue(QStringLiteral(":note"), text);
        insert.bindValue(QStringLiteral(":gruppo"), QStringLiteral("Ideas"));
        insert.exec();
    }
    QSqlDatabase(db).commit();
}

} // namespace

BookFigures measureBook(const QString& folder)
{
    BookFigures figures;
    store::Archive book(QStringLiteral("BENCH_BOOK"));
    if (!openFresh(book, folder + QStringLiteral("/book")))
        return figures;
    const QSqlDatabase db = book.database();
    fillContacts(db, 50000);

    contacts::ContactQuery query;
    const QStringList typed = {QStringLiteral("r"), QStringLiteral("ro"), QStringLiteral("ros"), QStringLiteral("ross")};
    int next = 0;
    int floorNext = 0;
    measurePaired(
        4, 41,
        [&] {
            query.search.text = typed[next++ % typed.size()];
            query.run(db);
            figures.contactRows = query.rowCount();
        },
        [&] {
            contacts::ContactSearch search;
            search.text = typed[floorNext++ % typed.size()];
            const QString page = search.statement() + QStringLiteral("\nLIMIT :limit OFFSET 0");
            const auto values = boundValuesOf(
                page,
                [&](QSqlQuery& bound) {
                    search.bind(bound);
                    bound.bindValue(QStringLiteral(":limit"), contacts::ContactQuery::kPageSize);
                },
                db);
            runOnEngine(db, search.countStatement(), values);
            runOnEngine(db, page, values);
        },
        &figures.contactKeystroke, &figures.contactFloor);
    query.clearResult();

    QList<qint64> keys;
    for (qint64 key = 1; key <= 10000; ++key)
        keys << key;
    const QString csv = folder + QStringLiteral("/contacts.csv");
    figures.csvExport = measure(1, 5, [&] {
        contacts::CsvExport::write(csv, contacts::CsvExport::load(db, keys), contacts::CsvLayout::Complete);
    });

    store::Archive target(QStringLiteral("BENCH_IMPORT"));
    if (openFresh(target, folder + QStringLiteral("/import"))) {
        contacts::ImportOptions options;
        options.skipFirstLine = true;
        options.deleteAll = true;
        options.mode = contacts::ImportMode::SkipDuplicates;
        figures.csvImport = measure(1, 5, [&] {
            const contacts::ImportResult result = contacts::CsvImport::importFile(
                target.database(), csv, QLatin1Char(';'), contacts::ImportMapping::completeExport(), options);
            figures.imported = result.counted;
        });
    }

    store::Archive notesArchive(QStringLiteral("BENCH_NOTES"));
    if (openFresh(notesArchive, folder + QStringLiteral("/notes"))) {
        const QSqlDatabase notes = notesArchive.database();
        notes::registerTextContains(notes);
        fillNotes(notes, 20000);
        notes::NoteListModel list;
        const QStringList words = {QStringLiteral("g"), QStringLiteral("ga"), QStringLiteral("gar"), QStringLiteral("gard")};
        next = 0;
        int floorNext = 0;
        measurePaired(
            4, 41,
            [&] {
                notes::NoteSearch search;
                search.text = words[next++ % words.size()];
                list.run(notes, search);
                figures.noteRows = list.rowCount();
            },
            [&] {
                notes::NoteSearch search;
                search.text = words[floorNext++ % words.size()];
                const QVariantMap values = search.bindings();
                runOnEngine(notes, search.statement(), [&values](const QString& name) { return values.value(name); });
            },
            &figures.noteKeystroke, &figures.noteFloor);
        const notes::NoteStore store(notes);
        const qint64 big = store.insertImported(QStringLiteral("big"), QString(1024 * 1024, QLatin1Char('x')));
        figures.bigNoteRead = measure(2, 21, [&] { store.text(big); });
    }
    return figures;
}

} // namespace brivane::bench
