#include "ArchiveCareBench.h"

#include "agenda/Repository.h"
#include "store/Archive.h"
#include "store/ArchiveBackup.h"
#include "store/SqlDate.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>
#include <QVariant>
#include <sqlite3.h>

namespace brivane::bench {

namespace {

void addContacts(const QSqlDatabase& db, int count)
{
    QSqlDatabase(db).transaction();
    QSqlQuery insert(db);
    insert.prepare(QStringLiteral("INSERT INTO BRcon63 (ragsoc, company, tel, email, indirizzo, note, gruppo) "
                                  "VALUES (:ragsoc, :company, :tel, :email, :indirizzo, :note, :gruppo)"));
    for (int i = 0; i < count; ++i) {
        insert.bindValue(QStringLiteral(":ragsoc"), QStringLiteral("Rossi Mario %1").arg(i));
        insert.bindValue(QStringLiteral(":company"), QStringLiteral("Company %1").arg(i % 5000));
        insert.bindValue(QStringLiteral(":tel"), QStringLiteral("+39 06 %1").arg(1000000 + i));
        insert.bindValue(QStringLiteral(":email"), QStringLiteral("mario%1@example.org").arg(i));
        insert.bindValue(QStringLiteral(":indirizzo"), QStringLiteral("Via Roma %1\nRoma").arg(i % 200));
        insert.bindValue(QStringLiteral(":note"), QStringLiteral("met at the market"));
        insert.bindValue(QStringLiteral(":gruppo"), i % 3 == 0 ? QStringLiteral("Friend") : QStringLiteral("Business"));
        insert.exec();
    }
    QSqlDatabase(db).commit();
}

// Runs SQL through the C API on a connection of its own.
bool execRaw(sqlite3* db, const QString& sql)
{
    char* message = nullptr;
    const int rc = sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, &message);
    sqlite3_free(message);
    return rc == SQLITE_OK;
}

QString quoted(const QString& text)
{
    QString escaped = text;
    escaped.replace(QLatin1Char('\''), QStringLiteral("''"));
    return QLatin1Char('\'') + escaped + QLatin1Char('\'');
}

} // namespace

ArchiveCareFigures measureArchiveCare(const QString& generatedArchive, const QString& workFolder)
{
    ArchiveCareFigures figures;
    QDir(workFolder).removeRecursively();
    QDir().mkpath(workFolder);
    const QString folder = workFolder + QStringLiteral("/myarcs");
    QDir().mkpath(folder);
    const QString path = folder + QStringLiteral("/boarc.abs");
    if (!QFile::copy(generatedArchive, path)) {
        figures.error = QStringLiteral("cannot copy the archive");
        return figures;
    }
    store::Archive archive(QStringLiteral("BENCH_CARE"));
    if (!archive.open(folder)) {
        figures.error = QStringLiteral("cannot open the copy");
        return figures;
    }
    const QSqlDatabase db = archive.database();
    addContacts(db, 50000);
    figures.archiveMiB = double(QFileInfo(path).size()) / (1024 * 1024);

    const QString target = workFolder + QStringLiteral("/backup.abs");
    figures.backup = measure(1, 5, [&] { store::ArchiveBackup::write(db, target); });

    sqlite3* raw = nullptr;
    sqlite3_open_v2(QFile::encodeName(path).constData(), &raw, SQLITE_OPEN_READWRITE, nullptr);
    const QString floorTarget = workFolder + QStringLiteral("/floor.abs");
    figures.backupFloor = measure(1, 5, [&] {
        QFile::remove(floorTarget);
        execRaw(raw, QStringLiteral("VACUUM INTO ") + quoted(floorTarget));
    });

    // The period that holds the 10,000 earliest one-shot tasks.
    QSqlQuery query(db);
    query.exec(QStringLiteral("SELECT min(datefull), (SELECT datefull FROM BRarc66 WHERE flag = 'O' ORDER BY datefull "
                              "LIMIT 1 OFFSET 9999) FROM BRarc66 WHERE flag = 'O'"));
    query.next();
    const QDate from = store::fromSqlDate(query.value(0));
    const QDate to = store::fromSqlDate(query.value(1));
    query.finish();
    const agenda::Repository repository(db);
    // Time the deposit alone: take back outside the timing.
    QList<double> depositOnly;
    for (int run = 0; run < 8; ++run) {
        const Summary one = measure(0, 1, [&] { figures.deposited = repository.deposit(from, to); });
        repository.takeAll();
        if (run > 0)
            depositOnly << one.median;
    }
    figures.deposit = summarize(depositOnly);

    const QString a1 = quoted(store::toSqlDate(from));
    const QString a2 = quoted(store::toSqlDate(to));
    const QString copy = QStringLiteral("INSERT INTO BRshot80 SELECT * FROM BRarc66 WHERE ( flag = 'O' AND datefull "
                                        "BETWEEN %1 AND %2 )")
                             .arg(a1, a2);
    const QString remove =
        QStringLiteral("DELETE FROM BRarc66 WHERE ( flag = 'O' AND datefull BETWEEN %1 AND %2 )").arg(a1, a2);
    archive.close();
    QList<double> floorRuns;
    for (int run = 0; run < 8; ++run) {
        const Summary one = measure(0, 1, [&] {
            execRaw(raw, QStringLiteral("BEGIN IMMEDIATE; ") + copy + QStringLiteral("; ") + remove
                             + QStringLiteral("; COMMIT"));
        });
        execRaw(raw, QStringLiteral("BEGIN IMMEDIATE; INSERT INTO BRarc66 SELECT * FROM BRshot80; DELETE FROM BRshot80; "
                                    "COMMIT"));
        if (run > 0)
            floorRuns << one.median;
    }
    figures.depositFloor = summarize(floorRuns);
    sqlite3_close(raw);
    return figures;
}

} // namespace brivane::bench
