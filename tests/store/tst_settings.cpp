#include "store/SettingsStore.h"
#include "support/TestArchive.h"

#include <QSqlQuery>
#include <QTest>

using namespace brivane;

class TestSettings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fullSaveRoundTripsAndKeepsQuotes()
    {
        test::TestArchive archive;
        store::SettingsStore store(archive.db());
        store::SettingsRecord record = archive.schema().settings;
        record.minimized = QStringLiteral("Y");
        record.soundon = store::soundonCode(false, false);
        record.wavesound = QStringLiteral("/home/ann/alarms/o'clock \"bell\".wav");
        record.timecheck = QStringLiteral("N");
        record.dataShot = QStringLiteral("mm/dd/yyyy");
        record.dataShotIndex = 5;
        record.psw = QStringLiteral("pa\"ss'; DROP TABLE BRarc66; --");
        record.blocco = QStringLiteral("N");
        record.showcale = QStringLiteral("N");
        record.startab = QStringLiteral("7");
        QString error;
        QVERIFY2(store.fullSave(record, &error), qPrintable(error));

        store::SettingsRecord loaded;
        QVERIFY(store.load(loaded));
        QCOMPARE(loaded.minimized, QStringLiteral("Y"));
        QCOMPARE(loaded.soundon, QStringLiteral("N"));
        QVERIFY(!store::soundonHasSound(loaded.soundon) && !store::soundonHasPopup(loaded.soundon));
        QCOMPARE(loaded.wavesound, record.wavesound);
        QCOMPARE(loaded.dataShot, QStringLiteral("mm/dd/yyyy"));
        QCOMPARE(loaded.dataShotIndex, 5);
        QCOMPARE(loaded.psw, record.psw);
        QCOMPARE(loaded.startab, QStringLiteral("7"));
        QCOMPARE(loaded.fontname, QStringLiteral("Fixedsys")); // not part of the full save
        QSqlQuery tables(archive.db());
        QVERIFY(tables.exec(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE name = 'BRarc66'")) && tables.next());
        QCOMPARE(tables.value(0).toInt(), 1);
    }

    void soundonCodes_data()
    {
        QTest::addColumn<bool>("sound");
        QTest::addColumn<bool>("popup");
        QTest::addColumn<QString>("code");
        QTest::newRow("sound only") << true << false << QStringLiteral("Y");
        QTest::newRow("pop-up only") << false << true << QStringLiteral("V");
        QTest::newRow("both") << true << true << QStringLiteral("2");
        QTest::newRow("neither") << false << false << QStringLiteral("N");
    }
    void soundonCodes()
    {
        QFETCH(bool, sound);
        QFETCH(bool, popup);
        QFETCH(QString, code);
        QCOMPARE(store::soundonCode(sound, popup), code);
        QCOMPARE(store::soundonHasSound(code), sound);
        QCOMPARE(store::soundonHasPopup(code), popup);
    }

    void colourEditorWindowAndColumnSaves()
    {
        test::TestArchive archive;
        store::SettingsStore store(archive.db());
        QStringList colors = store::SettingsRecord::defaultSectionColors();
        colors[4] = QStringLiteral("clBtnFace");
        QVERIFY(store.colourSave(colors));
        QVERIFY(store.editorSave(QStringLiteral("DejaVu Sans Mono"), QStringLiteral("$00FF0000"), 12, 1,
                                 QStringLiteral("clYellow")));
        QVERIFY(store.saveWindowSize(false, 800, 600));
        QVERIFY(store.saveWindowSize(true, 1, 1)); // keeps the stored size
        QVERIFY(store.saveColumn(QStringLiteral("futuro_days"), 366));
        QVERIFY(store.saveColumn(QStringLiteral("ampm"), true));
        QVERIFY(store.saveColumn(QStringLiteral("mem_group_note"), QStringLiteral("Work")));
        QVERIFY(!store.saveColumn(QStringLiteral("codimp = 1; --"), 1));

        store::SettingsRecord loaded;
        QVERIFY(store.load(loaded));
        QCOMPARE(loaded.sectionColors, colors);
        QCOMPARE(loaded.fontname, QStringLiteral("DejaVu Sans Mono"));
        QCOMPARE(loaded.fontcolor, QStringLiteral("$00FF0000"));
        QCOMPARE(loaded.fontsize, 12);
        QCOMPARE(loaded.charset, 1);
        QCOMPARE(loaded.backcolor, QStringLiteral("clYellow"));
        QCOMPARE(loaded.winWidth, 800);
        QCOMPARE(loaded.winHeight, 600);
        QCOMPARE(loaded.winStato, QStringLiteral("wsMaximized"));
        QCOMPARE(loaded.futuroDays, 366);
        QCOMPARE(loaded.ampm, true);
        QCOMPARE(loaded.memGroupNote, QStringLiteral("Work"));
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
