#include "agenda/Purge.h"
#include "agenda/Repository.h"
#include "support/TestArchive.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>

using namespace brivane;
using agenda::Repository;

namespace {

qint64 insertTask(const QSqlDatabase& db, const QString& flag, const QString& day, const QString& id,
                  const QString& dayofweek = QStringLiteral("Mon"))
{
    QSqlQuery query(db);
    query.prepare(QStringLiteral("INSERT INTO BRarc66 (flag, datefull, id, dayofweek, fatto, note, orario)"
                                 " VALUES (:flag, :day, :id, :dow, '2020-01-01', 'a note', :day)"));
    query.bindValue(QStringLiteral(":flag"), flag);
    query.bindValue(QStringLiteral(":day"), day);
    query.bindValue(QStringLiteral(":id"), id);
    query.bindValue(QStringLiteral(":dow"), dayofweek);
    if (!query.exec())
        qWarning("%s", qPrintable(query.lastError().text()));
    return query.lastInsertId().toLongLong();
}

// Every row of a table with all its columns, in key order.
QStringList rowsOf(const QSqlDatabase& db, const QString& table, const QString& where = QString())
{
    QStringList rows;
    QSqlQuery query(db);
    query.exec(QStringLiteral("SELECT * FROM ") + table + (where.isEmpty() ? QString() : QStringLiteral(" WHERE ") + where)
               + QStringLiteral(" ORDER BY codimp"));
    while (query.next()) {
        QStringList values;
        for (int i = 0; i < query.record().count(); ++i)
            values << query.value(i).toString();
        rows << values.join(QLatin1Char('|'));
    }
    return rows;
}

QStringList ids(const QSqlDatabase& db, const QString& table)
{
    QStringList result;
    QSqlQuery query(db);
    query.exec(QStringLiteral("SELECT id FROM ") + table + QStringLiteral(" ORDER BY codimp"));
    while (query.next())
        result << query.value(0).toString();
    return result;
}

// One-shot tasks on Jan 10, Feb 10 and Mar 10, a yearly task in February.
void fillSample(const QSqlDatabase& db)
{
    insertTask(db, QStringLiteral("O"), QStringLiteral("2024-01-10"), QStringLiteral("jan"));
    insertTask(db, QStringLiteral("O"), QStringLiteral("2024-02-10"), QStringLiteral("feb"));
    insertTask(db, QStringLiteral("Y"), QStringLiteral("2024-02-11"), QStringLiteral("yearly"));
    insertTask(db, QStringLiteral("O"), QStringLiteral("2024-03-10"), QStringLiteral("mar"));
}

} // namespace

class TestRepository : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void depositMovesTheOneShotTasksOfThePeriod_data()
    {
        QTest::addColumn<QDate>("a");
        QTest::addColumn<QDate>("b");
        QTest::addColumn<QStringList>("deposited");
        QTest::addColumn<QStringList>("left");
        const QStringList all{QStringLiteral("jan"), QStringLiteral("feb"), QStringLiteral("yearly"), QStringLiteral("mar")};
        QTest::newRow("From before To") << QDate(2024, 1, 10) << QDate(2024, 2, 10)
                                        << QStringList{QStringLiteral("jan"), QStringLiteral("feb")}
                                        << QStringList{QStringLiteral("yearly"), QStringLiteral("mar")};
        QTest::newRow("From after To") << QDate(2024, 2, 10) << QDate(2024, 1, 10)
                                       << QStringList{QStringLiteral("jan"), QStringLiteral("feb")}
                                       << QStringList{QStringLiteral("yearly"), QStringLiteral("mar")};
        QTest::newRow("one day") << QDate(2024, 3, 10) << QDate(2024, 3, 10) << QStringList{QStringLiteral("mar")}
                                 << QStringList{QStringLiteral("jan"), QStringLiteral("feb"), QStringLiteral("yearly")};
        QTest::newRow("no one-shot task in the period") << QDate(2024, 2, 11) << QDate(2024, 2, 20) << QStringList{} << all;
    }

    void depositMovesTheOneShotTasksOfThePeriod()
    {
        QFETCH(QDate, a);
        QFETCH(QDate, b);
        QFETCH(QStringList, deposited);
        QFETCH(QStringList, left);
        test::TestArchive archive;
        fillSample(archive.db());
        const QStringList before = rowsOf(archive.db(), QStringLiteral("BRarc66"));
        Repository repository(archive.db());
        QString error;
        QCOMPARE(repository.deposit(a, b, &error), int(deposited.size()));
        QCOMPARE(ids(archive.db(), QStringLiteral("BRshot80")), deposited);
        QCOMPARE(ids(archive.db(), QStringLiteral("BRarc66")), left);
        Repository::Counts counts;
        QVERIFY(repository.counts(counts));
        QCOMPARE(counts.deposited, int(deposited.size()));
        QCOMPARE(counts.inUse, 3 - int(deposited.size()));
        QCOMPARE(counts.total(), 3);

        // Taking the same period back restores every row as it was.
        QCOMPARE(repository.take(b, a, &error), int(deposited.size()));
        QCOMPARE(rowsOf(archive.db(), QStringLiteral("BRarc66")), before);
        QVERIFY(rowsOf(archive.db(), QStringLiteral("BRshot80")).isEmpty());
    }

    void keysAreKeptAndNeverHandedOutAgain()
    {
        test::TestArchive archive;
        fillSample(archive.db());
        const QStringList deposited = rowsOf(archive.db(), QStringLiteral("BRarc66"), QStringLiteral("id = 'mar'"));
        Repository repository(archive.db());
        QCOMPARE(repository.deposit(QDate(2024, 3, 1), QDate(2024, 3, 31)), 1);
        // The deposited task held the highest key; a new task must not get it.
        const qint64 fresh = insertTask(archive.db(), QStringLiteral("O"), QStringLiteral("2024-04-01"), QStringLiteral("new"));
        QCOMPARE(fresh, 5);
        QCOMPARE(rowsOf(archive.db(), QStringLiteral("BRshot80")), deposited);
        QCOMPARE(repository.takeAll(), 1);
        QCOMPARE(rowsOf(archive.db(), QStringLiteral("BRarc66"), QStringLiteral("id = 'mar'")), deposited);
        QCOMPARE(ids(archive.db(), QStringLiteral("BRarc66")),
                 (QStringList{QStringLiteral("jan"), QStringLiteral("feb"), QStringLiteral("yearly"),
                              QStringLiteral("mar"), QStringLiteral("new")}));
    }

    void deleteAfterTasksEscapeThePurgeWhileDeposited()
    {
        test::TestArchive archive;
        insertTask(archive.db(), QStringLiteral("O"), QStringLiteral("2024-01-10"), QStringLiteral("once"),
                   QStringLiteral("X"));
        Repository repository(archive.db());
        QCOMPARE(repository.deposit(QDate(2024, 1, 1), QDate(2024, 1, 31)), 1);
        QCOMPARE(agenda::purgeExpiredOneShots(archive.db(), QDate(2024, 6, 1)), 0);
        QCOMPARE(ids(archive.db(), QStringLiteral("BRshot80")), QStringList{QStringLiteral("once")});
        QCOMPARE(repository.takeAll(), 1);
        QCOMPARE(agenda::purgeExpiredOneShots(archive.db(), QDate(2024, 6, 1)), 1);
    }

    void aFailedMoveMovesNothing()
    {
        test::TestArchive archive;
        fillSample(archive.db());
        // The copy succeeds, then the delete fails: the copy must not stay.
        QVERIFY(QSqlQuery(archive.db()).exec(QStringLiteral(
            "CREATE TRIGGER refuse BEFORE DELETE ON BRarc66 BEGIN SELECT RAISE(ABORT, 'refused'); END")));
        const QStringList before = rowsOf(archive.db(), QStringLiteral("BRarc66"));
        Repository repository(archive.db());
        QString error;
        QCOMPARE(repository.deposit(QDate(2024, 1, 1), QDate(2024, 12, 31), &error), -1);
        QVERIFY(error.contains(QLatin1String("refused")));
        QCOMPARE(rowsOf(archive.db(), QStringLiteral("BRarc66")), before);
        QVERIFY(rowsOf(archive.db(), QStringLiteral("BRshot80")).isEmpty());

        // The same the other way: a repository row whose key is in use makes
        // the copy back fail and nothing leaves the repository.
        QVERIFY(QSqlQuery(archive.db()).exec(QStringLiteral("DROP TRIGGER refuse")));
        QVERIFY(QSqlQuery(archive.db()).exec(QStringLiteral("INSERT INTO BRshot80 (codimp, flag, id, datefull)"
                                                            " VALUES (2, 'O', 'clash', '2023-12-01')")));
        QCOMPARE(repository.takeAll(&error), -1);
        QCOMPARE(ids(archive.db(), QStringLiteral("BRshot80")), QStringList{QStringLiteral("clash")});
        // No transaction is left open: the next move works.
        QVERIFY(QSqlQuery(archive.db()).exec(QStringLiteral("DELETE FROM BRshot80")));
        QCOMPARE(repository.deposit(QDate(2024, 1, 1), QDate(2024, 12, 31)), 3);
    }

    void earliestOneShotIgnoresOtherKinds()
    {
        test::TestArchive archive;
        QVERIFY(!Repository(archive.db()).earliestOneShot().isValid());
        insertTask(archive.db(), QStringLiteral("Y"), QStringLiteral("2020-05-05"), QStringLiteral("yearly"));
        insertTask(archive.db(), QStringLiteral("O"), QStringLiteral("2022-07-01"), QStringLiteral("late"));
        insertTask(archive.db(), QStringLiteral("O"), QStringLiteral("2021-02-03"), QStringLiteral("early"));
        QCOMPARE(Repository(archive.db()).earliestOneShot(), QDate(2021, 2, 3));
    }
};

QTEST_GUILESS_MAIN(TestRepository)
#include "tst_repository.moc"
