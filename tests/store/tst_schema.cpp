#include "store/Archive.h"
#include "store/ArchiveCounts.h"
#include "store/Schema.h"
#include "store/SettingsStore.h"
#include "store/TableDefinitions.h"
#include "support/TestArchive.h"

#include <QDir>
#include <QFile>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTest>

using namespace brivane;

namespace {

QVariant scalar(const QSqlDatabase& db, const QString& statement)
{
    QSqlQuery query(db);
    if (!query.exec(statement) || !query.next())
        return {};
    return query.value(0);
}

QStringList columnsOf(const QSqlDatabase& db, const QString& table)
{
    QStringList names;
    const QSqlRecord record = db.record(table);
    for (int i = 0; i < record.count(); ++i)
        names << record.fieldName(i);
    return names;
}

void exec(const QSqlDatabase& db, const QString& statement)
{
    QSqlQuery query(db);
    QVERIFY2(query.exec(statement), qPrintable(statement));
}

bool upgrade(const QSqlDatabase& db, const QString& folder, store::SchemaResult& result,
             const QString& programFolder = QString())
{
    QString error;
    store::Schema schema(db, folder, programFolder.isEmpty() ? folder : programFolder);
    const bool ok = schema.createAndUpgrade(result, &error);
    if (!ok)
        qWarning() << error;
    return ok;
}

} // namespace

class TestSchema : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void newArchiveHasEveryTableReportedInOrder()
    {
        test::TestArchive archive;
        const QStringList report = archive.schema().report;
        QCOMPARE(report, (QStringList{
                             QStringLiteral("-> Archive GROUPS <<created>>\r"),
                             QStringLiteral("-> Archive NOTE <<created>>\r"),
                             QStringLiteral("-> Archive TO-DO <<created>>\r"),
                             QStringLiteral("-> Archive TASKS <<created>>\r"),
                             QStringLiteral("-> Archive REPOSITORY <<created>>\r"),
                             QStringLiteral("-> Archive CONTACTS <<created>>\r"),
                             QStringLiteral("-> Archive OPTIONS <<created>>\r"),
                         }));
        QCOMPARE(columnsOf(archive.db(), QStringLiteral("BRarc66")).size(), 19);
        QCOMPARE(columnsOf(archive.db(), QStringLiteral("BRshot80")), columnsOf(archive.db(), QStringLiteral("BRarc66")));
        QVERIFY(columnsOf(archive.db(), QStringLiteral("BRnot80")).contains(QStringLiteral("gruppo")));
        QVERIFY(columnsOf(archive.db(), QStringLiteral("BRtod63")).contains(QStringLiteral("gruppo")));
        QVERIFY(archive.schema().contactGroupsSeeded && archive.schema().noteGroupsSeeded
                && archive.schema().toDoGroupsSeeded);
    }

    void newArchiveSeedsGroupsInOrder()
    {
        test::TestArchive archive;
        QCOMPARE(scalar(archive.db(), QStringLiteral("SELECT count(*) FROM BRcat80")).toInt(), 43);
        QSqlQuery query(archive.db());
        QVERIFY(query.exec(QStringLiteral("SELECT id, sezione FROM BRcat80 ORDER BY codcat")));
        QStringList contacts, notes, toDo;
        while (query.next()) {
            QVERIFY2(!query.isNull(0), "the empty group name is stored as text, not null");
            const QString section = query.value(1).toString();
            (section == QLatin1String("C") ? contacts : section == QLatin1String("N") ? notes : toDo)
                << query.value(0).toString();
        }
        QCOMPARE(contacts, store::tables::contactGroupSeeds().replaceInStrings(QString(), QString()));
        QCOMPARE(contacts.first(), QString());
        QCOMPARE(contacts.last(), QStringLiteral("Tunahead"));
        QCOMPARE(notes.size(), 15);
        QCOMPARE(notes.last(), QStringLiteral("Work"));
        QCOMPARE(toDo, (QStringList{QString(), QStringLiteral("Black"), QStringLiteral("Cocktails"),
                                    QStringLiteral("Excursion"), QStringLiteral("Expense"), QStringLiteral("Gifts"),
                                    QStringLiteral("Shopping"), QStringLiteral("Wedding")}));
    }

    void newArchiveHoldsInitialSettings()
    {
        test::TestArchive archive;
        const store::SettingsRecord& s = archive.schema().settings;
        QCOMPARE(scalar(archive.db(), QStringLiteral("SELECT count(*) FROM BRset63")).toInt(), 1);
        QCOMPARE(s.wavesound, QStringLiteral("mailbeep"));
        QCOMPARE(s.fontname, QStringLiteral("Fixedsys"));
        QCOMPARE(s.fontsize, 8);
        QCOMPARE(s.sectionColors, store::SettingsRecord::defaultSectionColors());
        QCOMPARE(s.dataShot, QStringLiteral("dddd d mmmm yyyy"));
        QCOMPARE(s.dataShotIndex, 3);
        QCOMPARE(s.winWidth, 670);
        QCOMPARE(s.winHeight, 592);
        QCOMPARE(s.winStato, QStringLiteral("wsNormal"));
        QCOMPARE(s.startab, QStringLiteral("4"));
        QCOMPARE(s.futuroFlag, false);
        QCOMPARE(s.futuroDays, 5);
        QCOMPARE(s.themeName, QStringLiteral("default"));
        QCOMPARE(s.tabVisible, QList<bool>(8, true));
        QCOMPARE(s.migrationinfo, false);
        QVERIFY(s.hasColumn(QStringLiteral("mem_group_list")));
        QVERIFY(s.memGroupContact.isNull());
        // Stored as booleans 0/1 for other tools to read.
        QCOMPARE(scalar(archive.db(), QStringLiteral("SELECT TabNotesVisible FROM BRset63")).toInt(), 1);
        QCOMPARE(scalar(archive.db(), QStringLiteral("SELECT typeof(futuro_flag) FROM BRset63")).toString(),
                 QStringLiteral("integer"));
    }

    void secondRunChangesNothing()
    {
        test::TestArchive archive;
        store::SchemaResult again;
        QVERIFY(upgrade(archive.db(), archive.folder(), again));
        QVERIFY(again.report.isEmpty());
        QVERIFY(!again.contactGroupsSeeded && !again.noteGroupsSeeded && !again.toDoGroupsSeeded);
        QCOMPARE(scalar(archive.db(), QStringLiteral("SELECT count(*) FROM BRcat80")).toInt(), 43);
    }

    // Readers skip the upgrade step on a current archive, so the probe must
    // see every piece the step would add; after the step it holds again.
    void isCurrentOnlyWhenTheStepWouldChangeNothing_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<bool>("dropMarker");
        QTest::newRow("upgraded") << QString() << false;
        QTest::newRow("table missing") << QStringLiteral("DROP TABLE BRshot80") << false;
        QTest::newRow("list index missing") << QStringLiteral("DROP INDEX BRarc66_list_W") << false;
        QTest::newRow("contact index missing") << QStringLiteral("DROP INDEX BRcon63_byname") << false;
        QTest::newRow("newest settings column missing")
            << QStringLiteral("ALTER TABLE BRset63 DROP COLUMN solalettura") << false;
        QTest::newRow("group memory missing") << QStringLiteral("ALTER TABLE BRset63 DROP COLUMN mem_group_list")
                                              << false;
        QTest::newRow("note groups missing") << QStringLiteral("ALTER TABLE BRnot80 DROP COLUMN gruppo") << false;
        QTest::newRow("settings reset waiting") << QString() << true;
    }
    void isCurrentOnlyWhenTheStepWouldChangeNothing()
    {
        QFETCH(QString, change);
        QFETCH(bool, dropMarker);
        test::TestArchive archive;
        const QSqlDatabase db = archive.db();
        if (!change.isEmpty())
            exec(db, change);
        QFile marker(QDir(archive.folder()).filePath(QStringLiteral("DROPSET")));
        if (dropMarker) {
            QVERIFY(marker.open(QIODevice::WriteOnly));
            marker.close();
        }
        const store::Schema schema(db, archive.folder(), archive.folder());
        QCOMPARE(schema.isCurrent(), change.isEmpty() && !dropMarker);
        store::SchemaResult result;
        QVERIFY(upgrade(db, archive.folder(), result));
        QVERIFY(schema.isCurrent());
    }

    void upgradesOlderLayoutKeepingUserValues()
    {
        // An archive written before the upgrade steps: settings without the
        // later columns, notes and to-do items without groups, a contact in
        // the legacy group.
        QTemporaryDir dir;
        store::Archive archive(QStringLiteral("old"));
        QVERIFY(archive.open(dir.path()));
        const QSqlDatabase db = archive.database();
        exec(db, store::tables::createGroups());
        exec(db, store::tables::createNotes());
        exec(db, store::tables::createToDo());
        exec(db, store::tables::createTasks());
        exec(db, store::tables::createRepository());
        exec(db, store::tables::createContacts());
        exec(db, store::tables::createSettings());
        QVERIFY(store::SettingsStore(db).insertInitialRow());
        exec(db, QStringLiteral("UPDATE BRset63 SET fontname = 'Courier', psw = 'secret', WinWidth = 900"));
        exec(db, QStringLiteral("INSERT INTO BRnot80 (id, note) VALUES ('shopping', 'milk')"));
        exec(db, QStringLiteral("INSERT INTO BRcon63 (ragsoc, gruppo) VALUES ('Ann', 'Uncategorized'), "
                                "('Bob', 'UNCATEGORIZED'), ('Cy', 'Friend')"));
        // The four files of the older engine and its folder beside the program.
        QTemporaryDir program;
        QVERIFY(QDir(program.path()).mkdir(QStringLiteral("BDE")));
        for (const char* name : {"BRarc66.DB", "BRcon63.DB", "BRtod63.DB", "BRset63.DB"}) {
            QFile file(QDir(dir.path()).filePath(QLatin1String(name)));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }

        store::SchemaResult result;
        QVERIFY(upgrade(db, dir.path(), result, program.path()));
        QVERIFY(result.report.isEmpty());
        QVERIFY(!result.contactGroupsSeeded);
        QVERIFY(result.noteGroupsSeeded && result.toDoGroupsSeeded);
        const store::SettingsRecord& s = result.settings;
        QCOMPARE(s.fontname, QStringLiteral("Courier"));
        QCOMPARE(s.psw, QStringLiteral("secret"));
        QCOMPARE(s.winWidth, 900);
        QCOMPARE(s.futuroDays, 5);
        QCOMPARE(s.themeName, QStringLiteral("default"));
        QCOMPARE(s.tabVisible, QList<bool>(8, true));
        QCOMPARE(s.migrationinfo, true);
        QVERIFY(s.hasColumn(QStringLiteral("mem_group_note")));
        QCOMPARE(scalar(db, QStringLiteral("SELECT note FROM BRnot80")).toString(), QStringLiteral("milk"));
        QCOMPARE(scalar(db, QStringLiteral("SELECT count(*) FROM BRcon63 WHERE gruppo IS NULL")).toInt(), 2);
        QCOMPARE(scalar(db, QStringLiteral("SELECT gruppo FROM BRcon63 WHERE ragsoc = 'Cy'")).toString(),
                 QStringLiteral("Friend"));
        QCOMPARE(scalar(db, QStringLiteral("SELECT count(*) FROM BRcat80 WHERE sezione = 'N'")).toInt(), 15);
    }

    void partlyUpgradedSettingsRunOnlyMissingSteps()
    {
        test::TestArchive archive;
        const QSqlDatabase db = archive.db();
        // Rebuild the settings table as a version that stopped at theme_name.
        exec(db, QStringLiteral("UPDATE BRset63 SET theme_name = 'ocean', futuro_days = 30"));
        exec(db, QStringLiteral("CREATE TABLE old_settings AS SELECT autostart, minimized, soundon, wavesound, "
                                "breakline, formatbar, fontname, fontcolor, fontsize, backcolor, timecheck, "
                                "shotcolor, yearcolor, monthcolor, weekcolor, todaycolor, contactcolor, notescolor, "
                                "todocolor, usercolor, DataShot, DataYear, DataShotIndex, DataYearIndex, WinWidth, "
                                "WinHeight, WinStato, psw, blocco, showcale, startab, futuro_flag, futuro_days, "
                                "scala_index, ampm, theme_name FROM BRset63"));
        exec(db, QStringLiteral("DROP TABLE BRset63"));
        exec(db, QStringLiteral("ALTER TABLE old_settings RENAME TO BRset63"));

        store::SchemaResult result;
        QVERIFY(upgrade(db, archive.folder(), result));
        QCOMPARE(result.settings.themeName, QStringLiteral("ocean"));
        QCOMPARE(result.settings.futuroDays, 30);
        QCOMPARE(result.settings.tabVisible, QList<bool>(8, true));
        QVERIFY(result.settings.hasColumn(QStringLiteral("solalettura")));
        QVERIFY(result.settings.hasColumn(QStringLiteral("mem_group_contact")));
    }

    void dropsetResetsSettingsOnce()
    {
        test::TestArchive archive;
        const QSqlDatabase db = archive.db();
        exec(db, QStringLiteral("UPDATE BRset63 SET fontname = 'Courier', theme_name = 'ocean', TabNotesVisible = 0"));
        exec(db, QStringLiteral("INSERT INTO BRarc66 (id, flag) VALUES ('kept', 'O')"));
        const QString marker = QDir(archive.folder()).filePath(QStringLiteral("DROPSET"));
        QFile file(marker);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();

        store::SchemaResult result;
        QVERIFY(upgrade(db, archive.folder(), result));
        QCOMPARE(result.report, QStringList{QStringLiteral("-> Archive OPTIONS <<created>>\r")});
        QCOMPARE(result.settings.fontname, QStringLiteral("Fixedsys"));
        QCOMPARE(result.settings.themeName, QStringLiteral("default"));
        QCOMPARE(result.settings.tabVisible, QList<bool>(8, true));
        QVERIFY(!QFile::exists(marker));
        QCOMPARE(scalar(db, QStringLiteral("SELECT count(*) FROM BRarc66")).toInt(), 1);
        QCOMPARE(scalar(db, QStringLiteral("SELECT count(*) FROM BRset63")).toInt(), 1);
    }

    void dropsetWaitsForTheSettingsTable()
    {
        QTemporaryDir dir;
        QFile file(QDir(dir.path()).filePath(QStringLiteral("DROPSET")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        store::Archive archive(QStringLiteral("fresh"));
        QVERIFY(archive.open(dir.path()));
        store::SchemaResult result;
        QVERIFY(upgrade(archive.database(), dir.path(), result));
        QCOMPARE(result.report.size(), 7);
        QVERIFY(QFile::exists(file.fileName()));
    }

    void failedUpgradeLeavesArchiveAsItWas()
    {
        test::TestArchive archive;
        const QSqlDatabase db = archive.db();
        // Notes and to-do items without their group column, and a trigger that
        // makes the to-do group seeding fail after the notes were upgraded.
        for (const char* table : {"BRnot80", "BRtod63"}) {
            const QString name = QLatin1String(table);
            QStringList kept = columnsOf(db, name);
            kept.removeAll(QStringLiteral("gruppo"));
            exec(db, QStringLiteral("CREATE TABLE t2 AS SELECT %1 FROM %2").arg(kept.join(QLatin1Char(',')), name));
            exec(db, QStringLiteral("DROP TABLE ") + name);
            exec(db, QStringLiteral("ALTER TABLE t2 RENAME TO ") + name);
        }
        exec(db, QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON BRcat80 WHEN NEW.sezione = 'L' "
                                "BEGIN SELECT RAISE(ABORT, 'refused'); END"));
        const int groupsBefore = scalar(db, QStringLiteral("SELECT count(*) FROM BRcat80")).toInt();

        store::SchemaResult result;
        QString error;
        store::Schema schema(db, archive.folder(), archive.folder());
        QVERIFY(!schema.createAndUpgrade(result, &error));
        QVERIFY(error.contains(QStringLiteral("refused")));
        QCOMPARE(scalar(db, QStringLiteral("SELECT count(*) FROM BRcat80")).toInt(), groupsBefore);
        QVERIFY(!columnsOf(db, QStringLiteral("BRnot80")).contains(QStringLiteral("gruppo")));
        QVERIFY(!columnsOf(db, QStringLiteral("BRtod63")).contains(QStringLiteral("gruppo")));
    }

    void countsAndCounterCaptions()
    {
        test::TestArchive archive;
        exec(archive.db(), QStringLiteral("INSERT INTO BRarc66 (flag) VALUES ('O'), ('O'), ('Y')"));
        QCOMPARE(store::ArchiveCounts::total(archive.db(), QLatin1Char('O')), 2);
        QCOMPARE(store::ArchiveCounts::total(archive.db(), QLatin1Char('Y')), 1);
        QCOMPARE(store::ArchiveCounts::total(archive.db(), QLatin1Char('D')), 0);
        QCOMPARE(store::ArchiveCounts::counterCaption(2, 2), QStringLiteral("2   "));
        QCOMPARE(store::ArchiveCounts::counterCaption(1, 40), QStringLiteral("1 / 40   "));
        QCOMPARE(store::ArchiveCounts::summaryText(QLatin1Char('N'), 3), QStringLiteral("Note: 3"));
    }
};

QTEST_GUILESS_MAIN(TestSchema)
#include "tst_schema.moc"
