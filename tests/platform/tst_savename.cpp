#include "platform/SaveName.h"

#include <QTest>

using namespace Qt::StringLiterals;
using brivane::platform::withTypeExtension;

// A save dialog adds the chosen type's extension to a name typed without
// one, and never adds one under "All files".
class SaveNameTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void extension_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("saved");
        const QString csv = u"CSV files (*.csv)"_s;
        QTest::newRow("no extension typed") << u"/home/me/contacts"_s << csv << u"/home/me/contacts.csv"_s;
        QTest::newRow("extension typed") << u"/home/me/contacts.csv"_s << csv << u"/home/me/contacts.csv"_s;
        QTest::newRow("another extension typed") << u"/home/me/list.txt"_s << csv << u"/home/me/list.txt"_s;
        QTest::newRow("dotted folder") << u"/home/me.d/plan"_s << csv << u"/home/me.d/plan.csv"_s;
        QTest::newRow("first of several patterns")
            << u"/tmp/note"_s << u"Text files (*.txt *.text)"_s << u"/tmp/note.txt"_s;
        QTest::newRow("all files") << u"/tmp/note"_s << u"All files (*)"_s << u"/tmp/note"_s;
        QTest::newRow("all files, dotted") << u"/tmp/note"_s << u"All files (*.*)"_s << u"/tmp/note"_s;
        QTest::newRow("cancelled") << QString() << csv << QString();
    }
    void extension()
    {
        QFETCH(QString, typed);
        QFETCH(QString, filter);
        QFETCH(QString, saved);
        QCOMPARE(withTypeExtension(typed, filter), saved);
    }
};

QTEST_GUILESS_MAIN(SaveNameTest)
#include "tst_savename.moc"
