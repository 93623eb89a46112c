#include "agenda/TaskListQuery.h"
#include "agenda/widgets/LitCalendar.h"
#include "platform/widgets/MessageBox.h"
#include "platform/widgets/TrayIcon.h"
#include "shell/MainWindow.h"
#include "store/Archive.h"
#include "store/Schema.h"
#include "support/MockClock.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QSqlQuery>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

using namespace brivane;
using platform::MessageBox;

namespace {

struct Row
{
    QString flag, id, datefull, data, dayofmonth, dayofweek, orario = QStringLiteral("  :  ");
    QString note, dayindex, fatto = QStringLiteral("1600-01-01"), flagfatto = QStringLiteral("N");
    QString sospeso = QStringLiteral("N");
};

// A program folder with an archive holding the given tasks.
class Fixture
{
public:
    explicit Fixture(const QList<Row>& rows)
    {
        qputenv("BRIVANE_HOME", m_dir.path().toUtf8());
        const QString folder = m_dir.path() + QStringLiteral("/myarcs");
        store::Archive archive(QStringLiteral("fixture"));
        archive.open(folder);
        store::SchemaResult result;
        store::Schema(archive.database(), folder, m_dir.path()).createAndUpgrade(result);
        QSqlQuery insert(archive.database());
        insert.prepare(QStringLiteral(
            "INSERT INTO BRarc66 (flag, id, datefull, data, dayofmonth, dayofweek, orario, orario2, note, dayindex, "
            "fatto, flagfatto, sospeso, flagscad, anticipa) VALUES (:flag, :id, :datefull, :data, :dayofmonth, "
            ":dayofweek, :orario, '  :  ', :note, :dayindex, :fatto, :flagfatto, :sospeso, 'N', 'N')"));
        for (const Row& row : rows) {
            insert.bindValue(QStringLiteral(":flag"), row.flag);
            insert.bindValue(QStringLiteral(":id"), row.id);
            insert.bindValue(QStringLiteral(":datefull"), row.datefull);
            insert.bindValue(QStringLiteral(":data"), row.data);
            insert.bindValue(QStringLiteral(":dayofmonth"), row.dayofmonth);
            insert.bindValue(QStringLiteral(":dayofweek"), row.dayofweek);
            insert.bindValue(QStringLiteral(":orario"), row.orario);
            insert.bindValue(QStringLiteral(":note"), row.note);
            insert.bindValue(QStringLiteral(":dayindex"), row.dayindex.isEmpty() ? QVariant() : QVariant(row.dayindex));
            insert.bindValue(QStringLiteral(":fatto"), row.fatto);
            insert.bindValue(QStringLiteral(":flagfatto"), row.flagfatto);
            insert.bindValue(QStringLiteral(":sospeso"), row.sospeso);
            if (!insert.exec())
                qFatal("fixture insert failed");
        }
        // Nothing asked at the first show: the archive report is already done.
    }
    ~Fixture() { qunsetenv("BRIVANE_HOME"); }

    QString archiveFolder() const { return m_dir.path() + QStringLiteral("/myarcs"); }

    QVariant value(const QString& statement) const
    {
        store::Archive archive(QStringLiteral("peek"));
        archive.openReadOnly(archiveFolder());
        QSqlQuery query(archive.database());
        return query.exec(statement) && query.next() ? query.value(0) : QVariant();
    }

private:
    QTemporaryDir m_dir;
};

template <typename T>
T* child(QWidget* window, const char* name)
{
    T* found = window->findChild<T*>(QLatin1String(name));
    if (!found)
        qWarning("no control named %s", name);
    return found;
}

// The descriptions a grid shows, top to bottom.
QStringList descriptions(QTableView* grid)
{
    auto* model = qobject_cast<agenda::TaskQueryModel*>(grid->model());
    QStringList texts;
    const int column = model->columnOf(QStringLiteral("id"));
    for (int row = 0; row < model->rowCount(); ++row)
        texts << model->index(row, column).data().toString();
    return texts;
}

void click(QWidget* window, const char* name)
{
    auto* button = child<QAbstractButton>(window, name);
    QVERIFY2(button && button->isEnabled(), name);
    button->click();
}

} // namespace

class TestAgenda : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        MessageBox::setScripted(true);
        platform::TrayIcon::setAvailabilityOverride(true);
    }

    void init()
    {
        MessageBox::clearShown();
        MessageBox::setNextAnswers({});
    }

    void todayStepsAndMonthEdges()
    {
        test::MockClock clock(QDateTime(QDate(2024, 1, 31), QTime(10, 0)));
        Fixture fixture({{QStringLiteral("M"), QStringLiteral("rent"), QStringLiteral("2023-01-01"), {},
                          QStringLiteral("01")}});
        shell::MainWindow window({});
        QVERIFY(window.create());
        auto* picker = child<QDateEdit>(&window, "DateTimePickerTODAY");
        auto* grid = child<QTableView>(&window, "DBGrid_Today");
        QVERIFY(!child<QAbstractButton>(&window, "SpeedButtonToday")->isEnabled());
        QCOMPARE(descriptions(grid), QStringList());
        QVERIFY(!child<QAbstractButton>(&window, "SpeedButtonSvoltoToday")->isEnabled());

        click(&window, "SpeedButton_Mese_Successivo");
        QCOMPARE(picker->date(), QDate(2024, 2, 1));
        QCOMPARE(descriptions(grid), QStringList{QStringLiteral("rent")});
        QCOMPARE(child<QLabel>(&window, "panel_today")->text(), QStringLiteral("1   "));
        QVERIFY(child<QAbstractButton>(&window, "SpeedButtonToday")->isEnabled());
        click(&window, "SpeedButtonNextDay");
        click(&window, "SpeedButton_Mese_Successivo");
        QCOMPARE(picker->date(), QDate(2024, 3, 1));
        click(&window, "SpeedButton_Mese_Precedente");
        QCOMPARE(picker->date(), QDate(2024, 2, 29));
        click(&window, "SpeedButton_DateBack");
        QCOMPARE(picker->date(), QDate(2024, 2, 28));
        click(&window, "SpeedButtonToday");
        QCOMPARE(picker->date(), QDate(2024, 1, 31));
        QVERIFY(!child<QAbstractButton>(&window, "SpeedButton_oggi_piccolo")->isEnabled());
    }

    void checkMarksAndClearsForTheViewedDate()
    {
        test::MockClock clock(QDateTime(QDate(2024, 3, 6), QTime(10, 0)));
        // A weekly task ticked a week earlier is not done today.
        Fixture fixture({{QStringLiteral("W"), QStringLiteral("gym"), QStringLiteral("2024-01-01"), {}, {},
                          QStringLiteral("Wednesday"), QStringLiteral("18:00"), {}, {}, QStringLiteral("2024-02-28"),
                          QStringLiteral("Y")}});
        shell::MainWindow window({});
        QVERIFY(window.create());
        auto* today = qobject_cast<agenda::TodayQuery*>(child<QTableView>(&window, "DBGrid_Today")->model());
        QCOMPARE(today->rowCount(), 1);
        QVERIFY(!today->isDoneAt(0));
        click(&window, "SpeedButtonSvoltoToday");
        QVERIFY(today->isDoneAt(0));
        QCOMPARE(fixture.value(QStringLiteral("SELECT fatto || flagfatto FROM BRarc66")).toString(),
                 QStringLiteral("2024-03-06Y"));
        // Viewed a week earlier, the tick of a later date clears entirely.
        child<QDateEdit>(&window, "DateTimePickerTODAY")->setDate(QDate(2024, 2, 28));
        QVERIFY(today->isDoneAt(0));
        click(&window, "SpeedButtonSvoltoToday");
        QVERIFY(!today->isDoneAt(0));
        QCOMPARE(fixture.value(QStringLiteral("SELECT flagfatto FROM BRarc66")).toString(), QStringLiteral("N"));
        QVERIFY(fixture.value(QStringLiteral("SELECT fatto FROM BRarc66")).toString() < QStringLiteral("1700"));
    }

    void deleteAsksAndSelectsTheRightRow()
    {
        test::MockClock clock(QDateTime(QDate(2024, 3, 6), QTime(10, 0)));
        Fixture fixture({{QStringLiteral("O"), QStringLiteral("first"), QStringLiteral("2024-03-06"), {}, {}, {}, QStringLiteral("08:00")},
                         {QStringLiteral("O"), QStringLiteral("second"), QStringLiteral("2024-03-06"), {}, {}, {}, QStringLiteral("09:00")},
                         {QStringLiteral("O"), QStringLiteral("third"), QStringLiteral("2024-03-06"), {}, {}, {}, QStringLiteral("10:00")}});
        shell::MainWindow window({});
        QVERIFY(window.create());
        auto* grid = child<QTableView>(&window, "DBGrid_Today");
        grid->selectRow(2);
        MessageBox::setNextAnswers({MessageBox::Answer::No});
        click(&window, "SpeedButtonDelToday");
        QVERIFY(MessageBox::shownTexts().value(0).startsWith(QStringLiteral(" You are in order to eliminate \"third\", ")));
        QCOMPARE(descriptions(grid).size(), 3);
        MessageBox::setNextAnswers({MessageBox::Answer::Yes});
        click(&window, "SpeedButtonDelToday");
        QCOMPARE(descriptions(grid), (QStringList{QStringLiteral("first"), QStringLiteral("second")}));
        QCOMPARE(grid->currentIndex().row(), 1); // the new last row
        QCOMPARE(child<QLabel>(&window, "Panel_Shot")->text(), QStringLiteral("2   "));
        QCOMPARE(child<QLabel>(&window, "Label_Conteggio_Giornalieri")->text(), QStringLiteral("One Shot: 2"));

        // From the list tab too; deleting the only remaining rows empties it.
        auto* list = child<QTableView>(&window, "DBGrid_Shot");
        for (int i = 0; i < 2; ++i) {
            MessageBox::setNextAnswers({MessageBox::Answer::Yes});
            click(&window, "SpeedButtonDelShot");
        }
        QCOMPARE(descriptions(list), QStringList());
        QVERIFY(!child<QAbstractButton>(&window, "SpeedButtonDelShot")->isEnabled());
    }

    // After Modify from Today the modified task is still the current row,
    // so the next Check ticks it, wherever its new time puts it.
    void modifyKeepsTheTaskCurrent_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("newTime");
        QTest::addColumn<QString>("newText");
        QTest::addColumn<QString>("modified");
        // A save writes the first letter in upper case.
        QTest::newRow("middle row moved last") << 1 << QStringLiteral("11:00") << QString() << QStringLiteral("Second");
        QTest::newRow("first row moved last") << 0 << QStringLiteral("11:00") << QString() << QStringLiteral("First");
        QTest::newRow("middle row, description only")
            << 1 << QString() << QStringLiteral("second, changed") << QStringLiteral("Second, changed");
    }
    void modifyKeepsTheTaskCurrent()
    {
        QFETCH(int, row);
        QFETCH(QString, newTime);
        QFETCH(QString, newText);
        QFETCH(QString, modified);
        test::MockClock clock(QDateTime(QDate(2024, 3, 6), QTime(10, 0)));
        Fixture fixture({{QStringLiteral("O"), QStringLiteral("first"), QStringLiteral("2024-03-06"), {}, {}, {}, QStringLiteral("08:00")},
                         {QStringLiteral("O"), QStringLiteral("second"), QStringLiteral("2024-03-06"), {}, {}, {}, QStringLiteral("09:00")},
                         {QStringLiteral("O"), QStringLiteral("third"), QStringLiteral("2024-03-06"), {}, {}, {}, QStringLiteral("10:00")}});
        shell::MainWindow window({});
        QVERIFY(window.create());
        window.tabs()->setCurrentIndex(shell::MainWindow::TabToday);
        auto* grid = child<QTableView>(&window, "DBGrid_Today");
        grid->selectRow(row);
        click(&window, "SpeedButtonModToday");
        QDialog* dialog = nullptr;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget->objectName() == QLatin1String("TModShotForm") && widget->isVisible())
                dialog = qobject_cast<QDialog*>(widget);
        }
        QVERIFY(dialog);
        if (!newTime.isEmpty()) {
            dialog->findChild<QLineEdit*>(QStringLiteral("MaskEdit_From"))->setText(newTime);
        }
        if (!newText.isEmpty())
            dialog->findChild<QLineEdit*>(QStringLiteral("Edit_id"))->setText(newText);
        click(dialog, "SpeedButtonMod");
        QTRY_VERIFY(!dialog->isVisible());

        const QStringList shown = descriptions(grid);
        QCOMPARE(shown.value(grid->currentIndex().row()), modified);
        click(&window, "SpeedButtonSvoltoToday");
        QCOMPARE(fixture.value(QStringLiteral("SELECT id FROM BRarc66 WHERE flagfatto = 'Y'")).toString(), modified);
        QCOMPARE(fixture.value(QStringLiteral("SELECT count(*) FROM BRarc66 WHERE flagfatto = 'Y'")).toInt(), 1);
    }

    // Either mouse button on a day of the side calendar views that day, so
    // the calendar's selection and the viewed date never part.
    void sideCalendarClickViewsTheDay_data()
    {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::newRow("left") << Qt::LeftButton;
        QTest::newRow("right") << Qt::RightButton;
    }
    void sideCalendarClickViewsTheDay()
    {
        QFETCH(Qt::MouseButton, button);
        test::MockClock clock(QDateTime(QDate(2024, 3, 6), QTime(10, 0)));
        Fixture fixture({});
        shell::MainWindow window({});
        QVERIFY(window.create());
        auto* calendar = window.findChild<ui::LitCalendar*>();
        QVERIFY(calendar);
        calendar->resize(calendar->sizeHint().expandedTo(QSize(200, 180)));
        QDate target;
        QPoint where;
        for (int y = calendar->height() - 5; y > 0 && !target.isValid(); y -= 3) {
            for (int x = 5; x < calendar->width() && !target.isValid(); x += 3) {
                const QDate day = calendar->dateAt(QPoint(x, y));
                if (day.isValid() && day != QDate(2024, 3, 6)) {
                    target = day;
                    where = QPoint(x, y);
                }
            }
        }
        QVERIFY(target.isValid());
        QTest::mouseClick(calendar, button, {}, where);
        QCOMPARE(calendar->date(), target);
        QCOMPARE(window.viewedDate(), target);
    }

    void originWalksToTheRowInItsList()
    {
        test::MockClock clock(QDateTime(QDate(2024, 3, 6), QTime(10, 0)));
        QList<Row> rows;
        for (int i = 1; i <= 5; ++i)
            rows << Row{QStringLiteral("Y"), QStringLiteral("yearly %1").arg(i), QStringLiteral("2020-0%1-06").arg(i),
                        QStringLiteral("0%1/06").arg(i), QStringLiteral("NO")};
        Fixture fixture(rows);
        shell::MainWindow window({});
        QVERIFY(window.create());
        // A filter that hides the task is undone by "Origin".
        child<QLineEdit>(&window, "Edit_Find_Year")->setText(QStringLiteral("yearly 1"));
        click(&window, "SpeedButtonFollowToday");
        QCOMPARE(window.tabs()->currentIndex(), int(shell::MainWindow::TabYearly));
        auto* list = child<QTableView>(&window, "DBGrid_Year");
        QCOMPARE(descriptions(list).size(), 5);
        QCOMPARE(descriptions(list).value(list->currentIndex().row()), QStringLiteral("yearly 3"));
        QCOMPARE(child<QLineEdit>(&window, "Edit_Find_Year")->text(), QString());
    }

    void cloneCopiesButRefusesBirthdays()
    {
        test::MockClock clock(QDateTime(QDate(2024, 3, 6), QTime(10, 0)));
        Fixture fixture({{QStringLiteral("Y"), QStringLiteral("Ann"), QStringLiteral("1990-05-01"), QStringLiteral("05/01"),
                          QStringLiteral("SI"), {}, QStringLiteral("  :  "), {}, QStringLiteral("7")},
                         {QStringLiteral("Y"), QStringLiteral("holiday"), QStringLiteral("2020-08-15"), QStringLiteral("08/15"),
                          QStringLiteral("NO"), {}, QStringLiteral("09:00"), QStringLiteral("note"), {},
                          QStringLiteral("2023-08-15"), QStringLiteral("Y")}});
        shell::MainWindow window({});
        QVERIFY(window.create());
        auto* list = child<QTableView>(&window, "DBGrid_Year");
        list->selectRow(0);
        click(&window, "SpeedButtonPrintyear");
        QCOMPARE(MessageBox::shownTexts(), QStringList{QStringLiteral("Events related to the contacts can not be duplicated.")});
        list->selectRow(1);
        click(&window, "SpeedButtonPrintyear");
        QCOMPARE(descriptions(list), (QStringList{QStringLiteral("Ann"), QStringLiteral("holiday"), QStringLiteral("holiday")}));
        QCOMPARE(fixture.value(QStringLiteral("SELECT count(*) FROM BRarc66 WHERE id = 'holiday' AND fatto = '2023-08-15' "
                                              "AND flagfatto = 'Y' AND orario = '09:00' AND dayindex IS NULL")).toInt(), 2);
        QCOMPARE(child<QLabel>(&window, "Panel_year")->text(), QStringLiteral("3   "));
    }

    void searchAndFilters_data()
    {
        QTest::addColumn<QString>("grid");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("expected");
        const QStringList all = {QStringLiteral("Mum's \"big\" day"), QStringLiteral("c:\\path 100% done"),
                                 QStringLiteral("plain")};
        QTest::newRow("empty lists all") << "DBGrid_Month" << "Edit_Find_Month" << QString() << all;
        QTest::newRow("case-insensitive") << "DBGrid_Month" << "Edit_Find_Month" << QStringLiteral("PLAIN")
                                          << QStringList{QStringLiteral("plain")};
        QTest::newRow("single quote") << "DBGrid_Month" << "Edit_Find_Month" << QStringLiteral("Mum's")
                                      << QStringList{all[0]};
        QTest::newRow("double quote") << "DBGrid_Month" << "Edit_Find_Month" << QStringLiteral("\"big\"")
                                      << QStringList{all[0]};
        QTest::newRow("backslash") << "DBGrid_Month" << "Edit_Find_Month" << QStringLiteral("c:\\path")
                                   << QStringList{all[1]};
        QTest::newRow("percent is a wildcard") << "DBGrid_Month" << "Edit_Find_Month" << QStringLiteral("p%n")
                                               << QStringList{all[1], all[2]};
        QTest::newRow("underscore is a wildcard") << "DBGrid_Month" << "Edit_Find_Month" << QStringLiteral("pl_in")
                                                  << QStringList{all[2]};
        QTest::newRow("nothing found") << "DBGrid_Month" << "Edit_Find_Month" << QStringLiteral("zzz") << QStringList();
    }
    void searchAndFilters()
    {
        QFETCH(QString, grid);
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(QStringList, expected);
        test::MockClock clock(QDateTime(QDate(2024, 3, 6), QTime(10, 0)));
        Fixture fixture({{QStringLiteral("M"), QStringLiteral("Mum's \"big\" day"), QStringLiteral("2024-01-01"), {}, QStringLiteral("01")},
                         {QStringLiteral("M"), QStringLiteral("c:\\path 100% done"), QStringLiteral("2024-01-01"), {}, QStringLiteral("02")},
                         {QStringLiteral("M"), QStringLiteral("plain"), QStringLiteral("2024-01-01"), {}, QStringLiteral("03")}});
        shell::MainWindow window({});
        QVERIFY(window.create());
        auto* search = window.findChild<QLineEdit*>(field);
        QTest::keyClicks(search, text);
        QCOMPARE(descriptions(window.findChild<QTableView*>(grid)), expected);
        const QString counter = child<QLabel>(&window, "Panel_Month")->text();
        QCOMPARE(counter, expected.size() == 3 ? QStringLiteral("3   ") : QStringLiteral("%1 / 3   ").arg(expected.size()));
    }

    void searchFoldsEveryLetter_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("ASCII text, ASCII rows") << QStringLiteral("PLAIN") << QStringList{QStringLiteral("plain")};
        QTest::newRow("ASCII text inside a row with other letters") << QStringLiteral("LODIE")
                                                                    << QStringList{QStringLiteral("Élodie")};
        QTest::newRow("ASCII text matching a folded letter") << QStringLiteral("ss")
                                                             << QStringList{QStringLiteral("Straße")};
        QTest::newRow("accented text, either case") << QStringLiteral("éLO") << QStringList{QStringLiteral("Élodie")};
        QTest::newRow("accent is not its bare letter") << QStringLiteral("elo") << QStringList();
        QTest::newRow("wildcard across a letter") << QStringLiteral("str_") << QStringList{QStringLiteral("Straße")};
    }
    void searchFoldsEveryLetter()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, expected);
        test::MockClock clock(QDateTime(QDate(2024, 3, 6), QTime(10, 0)));
        Fixture fixture({{QStringLiteral("O"), QStringLiteral("Élodie"), QStringLiteral("2024-01-03")},
                         {QStringLiteral("O"), QStringLiteral("Straße"), QStringLiteral("2024-01-02")},
                         {QStringLiteral("O"), QStringLiteral("plain"), QStringLiteral("2024-01-01")}});
        shell::MainWindow window({});
        QVERIFY(window.create());
        child<QLineEdit>(&window, "Edit_Find_Shot")->setText(text);
        QCOMPARE(descriptions(child<QTableView>(&window, "DBGrid_Shot")), expected);
    }

    void kindFiltersAndOrder()
    {
        test::MockClock clock(QDateTime(QDate(2024, 3, 6), QTime(10, 0)));
        Fixture fixture({{QStringLiteral("Y"), QStringLiteral("may"), QStringLiteral("2020-05-01"), QStringLiteral("05/01"), QStringLiteral("NO")},
                         {QStringLiteral("Y"), QStringLiteral("june"), QStringLiteral("2020-06-01"), QStringLiteral("06/01"), QStringLiteral("NO")},
                         {QStringLiteral("W"), QStringLiteral("monday"), QStringLiteral("2024-01-01"), {}, {}, QStringLiteral("Monday")},
                         {QStringLiteral("W"), QStringLiteral("friday"), QStringLiteral("2024-01-05"), {}, {}, QStringLiteral("Friday")},
                         {QStringLiteral("O"), QStringLiteral("early"), QStringLiteral("2024-01-10")},
                         {QStringLiteral("O"), QStringLiteral("late"), QStringLiteral("2024-04-10")}});
        shell::MainWindow window({});
        QVERIFY(window.create());
        child<QComboBox>(&window, "ComboBox_Month")->setCurrentIndex(5); // June
        QCOMPARE(descriptions(child<QTableView>(&window, "DBGrid_Year")), QStringList{QStringLiteral("june")});
        child<QComboBox>(&window, "ComboBox_dayofweek")->setCurrentIndex(4); // Friday
        QCOMPARE(descriptions(child<QTableView>(&window, "DBGrid_Week")), QStringList{QStringLiteral("friday")});

        auto* oneShot = child<QTableView>(&window, "DBGrid_Shot");
        QCOMPARE(descriptions(oneShot), (QStringList{QStringLiteral("late"), QStringLiteral("early")}));
        click(&window, "SpeedButtonOrderShot");
        QCOMPARE(descriptions(oneShot), (QStringList{QStringLiteral("early"), QStringLiteral("late")}));
        // The period filter takes its two dates in either order.
        child<QDateEdit>(&window, "DateTimePickerPeriodFrom")->setDate(QDate(2024, 5, 1));
        child<QDateEdit>(&window, "DateTimePickerPeriodTo")->setDate(QDate(2024, 3, 1));
        child<QCheckBox>(&window, "CheckBoxPeriodShot")->setChecked(true);
        QCOMPARE(descriptions(oneShot), QStringList{QStringLiteral("late")});
        // Without automatic search only Enter searches.
        child<QCheckBox>(&window, "CheckBoxPeriodShot")->setChecked(false);
        child<QCheckBox>(&window, "CheckBoxAutoFindShot")->click();
        QVERIFY(MessageBox::shownTexts().last().startsWith(QStringLiteral("You have disabled the automatic search")));
        auto* search = child<QLineEdit>(&window, "Edit_Find_Shot");
        QTest::keyClicks(search, QStringLiteral("ear"));
        QCOMPARE(descriptions(oneShot).size(), 2);
        QTest::keyClick(search, Qt::Key_Return);
        QCOMPARE(descriptions(oneShot), QStringList{QStringLiteral("early")});
    }
};

QTEST_MAIN(TestAgenda)
#include "tst_agenda_gui.moc"
