#include "agenda/TaskListQuery.h"
#include "platform/widgets/MessageBox.h"
#include "platform/widgets/TrayIcon.h"
#include "shell/MainWindow.h"
#include "store/Archive.h"
#include "support/MockClock.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDateEdit>
#include <QDialog>
#include <QLineEdit>
#include <QSqlQuery>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

using namespace brivane;
using platform::MessageBox;

namespace {

QDialog* openDialog(const QString& className)
{
    QDialog* found = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == className && widget->isVisible())
            found = qobject_cast<QDialog*>(widget);
    }
    return found;
}

QStringList descriptions(QTableView* grid)
{
    auto* model = qobject_cast<agenda::TaskQueryModel*>(grid->model());
    QStringList texts;
    for (int row = 0; row < model->rowCount(); ++row)
        texts << model->index(row, model->columnOf(QStringLiteral("id"))).data().toString();
    return texts;
}

template <typename T>
T* child(QObject* parent, const QString& name)
{
    return parent->findChild<T*>(name);
}

void press(QObject* parent, const QString& name)
{
    auto* button = child<QAbstractButton>(parent, name);
    QVERIFY2(button && button->isEnabled(), qPrintable(name));
    button->click();
}

} // namespace

class TestAgendaEntry : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        MessageBox::setScripted(true);
        platform::TrayIcon::setAvailabilityOverride(true);
    }

    // Each kind: add through its tab's dialog, then find the task in its list
    // and in the Today view of a day it falls on and of one it does not.
    void addThroughTheDialog_data()
    {
        QTest::addColumn<QString>("insert");
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<QString>("grid");
        QTest::addColumn<QDate>("fallsOn");
        QTest::addColumn<QDate>("notOn");
        QTest::newRow("one-shot") << "SpeedButtonadShot" << "TAggShotForm" << "DBGrid_Shot" << QDate(2024, 3, 6)
                                  << QDate(2024, 3, 7);
        QTest::newRow("yearly") << "SpeedButtonAddYear" << "TAggYearForm" << "DBGrid_Year" << QDate(2025, 3, 6)
                                << QDate(2025, 3, 7);
        QTest::newRow("monthly") << "SpeedButtonAggMese" << "TAggMonthForm" << "DBGrid_Month" << QDate(2024, 4, 6)
                                 << QDate(2024, 4, 7);
        QTest::newRow("weekly") << "SpeedButtonAggWeek" << "TAggWeekForm" << "DBGrid_Week" << QDate(2024, 3, 13)
                                << QDate(2024, 3, 14);
    }
    void addThroughTheDialog()
    {
        QFETCH(QString, insert);
        QFETCH(QString, dialog);
        QFETCH(QString, grid);
        QFETCH(QDate, fallsOn);
        QFETCH(QDate, notOn);
        QTemporaryDir home;
        qputenv("BRIVANE_HOME", home.path().toUtf8());
        test::MockClock clock(QDateTime(QDate(2024, 3, 6), QTime(10, 0)));
        shell::MainWindow window({});
        QVERIFY(window.create());

        press(&window, insert);
        QDialog* entry = openDialog(dialog);
        QVERIFY2(entry, qPrintable(dialog));
        QTest::keyClicks(child<QLineEdit>(entry, QStringLiteral("MaskEdit_From")), QStringLiteral("09:15"));
        const QString description = QStringLiteral("Lunch with \"Bea\" & Co's team");
        QTest::keyClicks(child<QLineEdit>(entry, QStringLiteral("Edit_id")), description);
        press(entry, QStringLiteral("SpeedButtonAddClose"));
        QTRY_VERIFY(!entry->isVisible());

        QCOMPARE(descriptions(window.findChild<QTableView*>(grid)), QStringList{description});
        auto* picker = window.findChild<QDateEdit*>(QStringLiteral("DateTimePickerTODAY"));
        auto* today = window.findChild<QTableView*>(QStringLiteral("DBGrid_Today"));
        picker->setDate(QDate(2024, 3, 6));
        QCOMPARE(descriptions(today), QStringList{description});
        picker->setDate(fallsOn);
        QCOMPARE(descriptions(today), QStringList{description});
        picker->setDate(notOn);
        QCOMPARE(descriptions(today), QStringList());
        qunsetenv("BRIVANE_HOME");
    }

    void modifyFromTodayKeepsTheTick()
    {
        QTemporaryDir home;
        qputenv("BRIVANE_HOME", home.path().toUtf8());
        test::MockClock clock(QDateTime(QDate(2024, 3, 6), QTime(10, 0)));
        shell::MainWindow window({});
        QVERIFY(window.create());
        window.tabs()->setCurrentIndex(shell::MainWindow::TabToday);
        press(&window, QStringLiteral("SpeedButtonAggMese"));
        QDialog* entry = openDialog(QStringLiteral("TAggMonthForm"));
        QVERIFY(entry);
        QTest::keyClicks(child<QLineEdit>(entry, QStringLiteral("Edit_id")), QStringLiteral("rent"));
        press(entry, QStringLiteral("SpeedButtonAddClose"));
        QTRY_VERIFY(!entry->isVisible());

        auto* today = window.findChild<QTableView*>(QStringLiteral("DBGrid_Today"));
        QCOMPARE(descriptions(today), QStringList{QStringLiteral("Rent")}); // the first letter goes upper case
        press(&window, QStringLiteral("SpeedButtonSvoltoToday"));
        auto* model = qobject_cast<agenda::TodayQuery*>(today->model());
        QVERIFY(model->isDoneAt(0));

        press(&window, QStringLiteral("SpeedButtonModToday"));
        QDialog* modify = openDialog(QStringLiteral("TModMonthForm"));
        QVERIFY(modify);
        auto* field = child<QLineEdit>(modify, QStringLiteral("Edit_id"));
        QCOMPARE(field->text(), QStringLiteral("Rent"));
        field->clear();
        QTest::keyClicks(field, QStringLiteral("rent, paid by transfer"));
        press(modify, QStringLiteral("SpeedButtonMod"));
        QTRY_VERIFY(!modify->isVisible());
        QCOMPARE(descriptions(today), QStringList{QStringLiteral("Rent, paid by transfer")});
        QVERIFY(model->isDoneAt(0)); // the start date did not change, so the tick stays
        QCOMPARE(descriptions(window.findChild<QTableView*>(QStringLiteral("DBGrid_Month"))),
                 QStringList{QStringLiteral("Rent, paid by transfer")});
        qunsetenv("BRIVANE_HOME");
    }
};

QTEST_MAIN(TestAgendaEntry)
#include "tst_agenda_entry_gui.moc"
