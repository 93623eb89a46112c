#include "platform/widgets/MessageBox.h"
#include "platform/widgets/TrayIcon.h"
#include "shell/MainWindow.h"
#include "store/Archive.h"
#include "store/Schema.h"
#include "support/MockClock.h"

#include <QHeaderView>
#include <QSqlQuery>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <sqlite3.h>

using namespace brivane;
using namespace Qt::StringLiterals;

namespace {

// Far more rows than any list reads in one page.
constexpr int kRows = 700;

// A program folder whose archive holds kRows tasks of each kind, all of
// them on 2024-03-06 (a Wednesday), and kRows contacts, notes and to-dos.
class Fixture
{
public:
    Fixture()
    {
        qputenv("BRIVANE_HOME", m_dir.path().toUtf8());
        store::Archive archive(u"fixture"_s);
        archive.open(archiveFolder());
        store::SchemaResult result;
        store::Schema(archive.database(), archiveFolder(), m_dir.path()).createAndUpgrade(result);
        QSqlDatabase db = archive.database();
        db.transaction();
        QSqlQuery insert(db);
        insert.prepare(
            u"INSERT INTO BRarc66 (flag, id, note, datefull, data, dayofmonth, dayofweek, dayindex, orario, "
            "orario2, fatto, flagfatto, sospeso, flagscad) VALUES (:flag, :id, 'a note', :datefull, "
            "'03/06', :dayofmonth, :dayofweek, :dayindex, '09:00', '  :  ', '1600-01-01', 'N', 'N', 'N')"_s);
        for (const QString& flag : {u"O"_s, u"Y"_s, u"M"_s, u"W"_s}) {
            for (int i = 0; i < kRows; ++i) {
                insert.bindValue(u":flag"_s, flag);
                insert.bindValue(u":id"_s, u"%1 task %2"_s.arg(flag).arg(i, 4, 10, QLatin1Char('0')));
                insert.bindValue(u":datefull"_s, flag == u"O" ? u"2024-03-06"_s : u"2020-03-06"_s);
                insert.bindValue(u":dayofmonth"_s, flag == u"M"   ? u"06"_s
                                                   : flag == u"Y" ? u"NO"_s
                                                                  : QString());
                insert.bindValue(u":dayofweek"_s, flag == u"W" ? u"Wednesday"_s : QString());
                insert.bindValue(u":dayindex"_s, flag == u"W" ? QVariant(3) : QVariant());
                if (!insert.exec())
                    qFatal("fixture insert failed");
            }
        }
        QSqlQuery other(db);
        for (int i = 0; i < kRows; ++i) {
            other.exec(u"INSERT INTO BRcon63 (ragsoc, note) VALUES ('Contact %1', 'x')"_s.arg(
                i, 4, 10, QLatin1Char('0')));
            other.exec(u"INSERT INTO BRnot80 (id, note, gruppo) VALUES ('Note %1', 'text', '')"_s.arg(
                i, 4, 10, QLatin1Char('0')));
            other.exec(
                u"INSERT INTO BRtod63 (id, note, priority, flag, percento) VALUES ('To do %1', '', 1, 'N', 0)"_s
                    .arg(i, 4, 10, QLatin1Char('0')));
        }
        db.commit();
    }
    ~Fixture() { qunsetenv("BRIVANE_HOME"); }

    QString archiveFolder() const { return m_dir.path() + u"/myarcs"_s; }
    QString archiveFile() const { return archiveFolder() + u"/boarc.abs"_s; }

private:
    QTemporaryDir m_dir;
};

// Another machine of the shared archive: its own connection, which gives up
// at once instead of waiting when the file is locked.
int writeFromAnotherConnection(const QString& file)
{
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(file.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK)
        return SQLITE_CANTOPEN;
    sqlite3_busy_timeout(db, 0);
    const int status = sqlite3_exec(db,
                                    "BEGIN IMMEDIATE; INSERT INTO BRarc66 (id, flag, datefull) "
                                    "VALUES ('from the other machine', 'O', '2030-01-01'); COMMIT;",
                                    nullptr, nullptr, nullptr);
    if (status != SQLITE_OK)
        sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    return status;
}

void settle()
{
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
}

} // namespace

class TestIdleLists : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        platform::MessageBox::setScripted(true);
        platform::TrayIcon::setAvailabilityOverride(true);
    }

    void idleListLetsAnotherMachineWrite_data()
    {
        QTest::addColumn<QString>("tab");
        QTest::addColumn<QString>("grid");
        QTest::newRow("Today") << u"TabSheetTODAY"_s << u"DBGrid_Today"_s;
        QTest::newRow("One Shot") << u"TabSheetShot"_s << u"DBGrid_Shot"_s;
        QTest::newRow("Yearly") << u"TabSheetYEAR"_s << u"DBGrid_Year"_s;
        QTest::newRow("Monthly") << u"TabSheetMonth"_s << u"DBGrid_Month"_s;
        QTest::newRow("Weekly") << u"TabSheetWEEK"_s << u"DBGrid_Week"_s;
        QTest::newRow("Contacts") << u"TabSheetContact"_s << u"DBGrid_Contact"_s;
        QTest::newRow("Notes") << u"TabSheetNote"_s << u"DBGrid_Note"_s;
        QTest::newRow("To do") << u"TabSheetToDo"_s << u"DBGrid_ToDo"_s;
    }
    // A list scrolled past its first pages keeps no read open: the other
    // machine's write goes through at once, and the list still shows every
    // row it counted.
    void idleListLetsAnotherMachineWrite()
    {
        QFETCH(QString, tab);
        QFETCH(QString, grid);
        test::MockClock clock(QDateTime(QDate(2024, 3, 6), QTime(10, 0)));
        Fixture fixture;
        shell::MainWindow window({});
        QVERIFY(window.create());
        window.show();
        auto* tabs = window.findChild<QTabWidget*>(u"PageControlMenu"_s);
        auto* page = window.findChild<QWidget*>(tab);
        QVERIFY(tabs && page);
        tabs->setCurrentIndex(tabs->indexOf(page));
        auto* view = window.findChild<QTableView*>(grid);
        QVERIFY(view);
        settle();
        QVERIFY2(view->model()->rowCount() >= kRows, qPrintable(QString::number(view->model()->rowCount())));
        // Past the first pages, not yet at the end: a list that reads lazily
        // would hold its read open here.
        view->scrollTo(view->model()->index(300, 0));
        settle();
        QVERIFY(view->model()->index(300, 0).data().isValid());
        QCOMPARE(writeFromAnotherConnection(fixture.archiveFile()), SQLITE_OK);

        view->scrollToBottom();
        view->viewport()->repaint();
        settle();
        QVERIFY(view->model()->index(view->model()->rowCount() - 1, 0).data().isValid());
        QCOMPARE(writeFromAnotherConnection(fixture.archiveFile()), SQLITE_OK);
    }

    // Columns fit what they show, also when the list is long and only a
    // sample of its rows is measured.
    void columnsFitTheirContents()
    {
        test::MockClock clock(QDateTime(QDate(2024, 3, 6), QTime(10, 0)));
        Fixture fixture;
        shell::MainWindow window({});
        QVERIFY(window.create());
        window.show();
        auto* tabs = window.findChild<QTabWidget*>(u"PageControlMenu"_s);
        tabs->setCurrentIndex(tabs->indexOf(window.findChild<QWidget*>(u"TabSheetWEEK"_s)));
        auto* view = window.findChild<QTableView*>(u"DBGrid_Week"_s);
        settle();
        const QFontMetrics metrics(view->font());
        const auto* model = view->model();
        for (int column = 0; column < model->columnCount(); ++column) {
            if (view->isColumnHidden(column) ||
                view->horizontalHeader()->sectionResizeMode(column) != QHeaderView::ResizeToContents)
                continue;
            const QString shown = model->index(0, column).data().toString();
            QVERIFY2(view->columnWidth(column) >= metrics.horizontalAdvance(shown),
                     qPrintable(model->headerData(column, Qt::Horizontal).toString()));
        }
        const int day = view->horizontalHeader()->logicalIndex(0);
        QCOMPARE(model->index(0, day).data().toString(), u"Wednesday"_s);
        QVERIFY(view->columnWidth(day) >= metrics.horizontalAdvance(u"Wednesday"_s));
    }
};

QTEST_MAIN(TestIdleLists)
#include "tst_idle_lists_gui.moc"
