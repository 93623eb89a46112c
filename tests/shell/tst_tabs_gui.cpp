#include "platform/widgets/MessageBox.h"
#include "platform/widgets/TrayIcon.h"
#include "shell/MainWindow.h"
#include "store/TabFlags.h"
#include "support/WindowHome.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

using namespace brivane;
using platform::MessageBox;

namespace {

template <typename T>
T* child(QObject* parent, const char* name)
{
    T* found = parent->findChild<T*>(QLatin1String(name));
    if (!found)
        qWarning("no control named %s", name);
    return found;
}

QDialog* openDialog(const char* name)
{
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->objectName() == QLatin1String(name) && widget->isVisible())
            return qobject_cast<QDialog*>(widget);
    return nullptr;
}

const QStringList kFlagColumns = store::tabFlagColumns();

} // namespace

class TestTabs : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        MessageBox::setScripted(true);
        platform::TrayIcon::setAvailabilityOverride(true);
    }

    void init() { MessageBox::clearShown(); }

    void flagsAndStartTabAtCreation_data()
    {
        QTest::addColumn<QString>("startab");
        QTest::addColumn<QList<int>>("hidden");
        QTest::addColumn<int>("current");
        QTest::addColumn<int>("listPosition");
        QTest::addColumn<QString>("storedStartab");
        QTest::newRow("start on Monthly") << "2" << QList<int>{} << 2 << 2 << "2";
        QTest::newRow("start tab hidden: Today") << "2" << QList<int>{2} << 4 << 2 << "2";
        QTest::newRow("start on Options") << "8" << QList<int>{} << 8 << -1 << "8";
        QTest::newRow("every section hidden") << "5" << QList<int>{0, 1, 2, 3, 4, 5, 6, 7} << 8 << 5 << "5";
        QTest::newRow("old archive's '-'") << "-" << QList<int>{} << 4 << 4 << "4";
        QTest::newRow("Today hidden, start on Notes") << "6" << QList<int>{4} << 6 << 6 << "6";
    }

    void flagsAndStartTabAtCreation()
    {
        QFETCH(QString, startab);
        QFETCH(QList<int>, hidden);
        QFETCH(int, current);
        QFETCH(int, listPosition);
        QFETCH(QString, storedStartab);
        test::WindowHome home;
        QStringList assignments{QStringLiteral("startab = '%1'").arg(startab), QStringLiteral("timecheck = 'N'")};
        for (int tab : hidden)
            assignments << kFlagColumns[tab] + QStringLiteral(" = 0");
        QVERIFY(home.prepare({QStringLiteral("UPDATE BRset63 SET ") + assignments.join(QStringLiteral(", "))}));
        shell::MainWindow window({});
        QVERIFY(window.create());
        QTRY_VERIFY(window.isVisible());
        QTabWidget* tabs = window.tabs();
        QCOMPARE(tabs->currentIndex(), current);
        for (int tab = 0; tab < 8; ++tab)
            QCOMPARE(tabs->isTabVisible(tab), !hidden.contains(tab));
        QVERIFY(tabs->isTabVisible(shell::MainWindow::TabOptions));
        QCOMPARE(child<QComboBox>(&window, "ComboBox_Startab")->currentIndex(), listPosition);
        QCOMPARE(home.value(QStringLiteral("SELECT startab FROM BRset63")).toString(), storedStartab);
        // A strip with hidden tabs is the system's, and "Origin" goes.
        QCOMPARE(tabs->tabBar()->property("systemDrawn").toBool(), !hidden.isEmpty());
        QCOMPARE(child<QWidget>(&window, "SpeedButtonFollowToday")->isHidden(), !hidden.isEmpty());
    }

    void startTabListIsSaved()
    {
        test::WindowHome home;
        QVERIFY(home.prepare({QStringLiteral("UPDATE BRset63 SET timecheck = 'N'")}));
        shell::MainWindow window({});
        QVERIFY(window.create());
        QTRY_VERIFY(window.isVisible());
        auto* list = child<QComboBox>(&window, "ComboBox_Startab");
        list->setCurrentIndex(7);
        Q_EMIT list->activated(7);
        QCOMPARE(home.value(QStringLiteral("SELECT startab FROM BRset63")).toString(), QStringLiteral("7"));
        QCOMPARE(window.tabs()->currentIndex(), int(shell::MainWindow::TabToday)); // only at the next start
    }

    void visibleTabsDialogWritesForTheNextStart()
    {
        test::WindowHome home;
        QVERIFY(home.prepare({QStringLiteral("UPDATE BRset63 SET timecheck = 'N', TabNotesVisible = 0")}));
        {
            shell::MainWindow window({});
            QVERIFY(window.create());
            QTRY_VERIFY(window.isVisible());
            child<QAbstractButton>(&window, "SpeedButton_TabShow")->click();
            QDialog* dialog = openDialog("TTabShowForm");
            QVERIFY(dialog);
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Visible tabs"));
            QVERIFY(child<QCheckBox>(dialog, "CheckBox_TabShotVisible")->isChecked());
            QVERIFY(!child<QCheckBox>(dialog, "CheckBox_TabNotesVisible")->isChecked());

            // "Close" writes nothing.
            child<QCheckBox>(dialog, "CheckBox_TabYearVisible")->setChecked(false);
            child<QAbstractButton>(dialog, "Btn_Close")->click();
            QTRY_VERIFY(!openDialog("TTabShowForm"));
            QCOMPARE(home.value(QStringLiteral("SELECT TabYearVisible FROM BRset63")).toInt(), 1);

            child<QAbstractButton>(&window, "SpeedButton_TabShow")->click();
            dialog = openDialog("TTabShowForm");
            QVERIFY(dialog);
            child<QCheckBox>(dialog, "CheckBox_TabYearVisible")->setChecked(false);
            child<QCheckBox>(dialog, "CheckBox_TabNotesVisible")->setChecked(true);
            QTest::keyClick(dialog, Qt::Key_Return);
            QTRY_VERIFY(!openDialog("TTabShowForm"));
            QCOMPARE(MessageBox::shownTexts(),
                     QStringList{QStringLiteral("The changes will take effect the next time you start the program.")});
            QCOMPARE(home.value(QStringLiteral("SELECT TabYearVisible FROM BRset63")).toInt(), 0);
            QCOMPARE(home.value(QStringLiteral("SELECT TabNotesVisible FROM BRset63")).toInt(), 1);
            // The running window is as it was.
            QVERIFY(window.tabs()->isTabVisible(shell::MainWindow::TabYearly));
            QVERIFY(!window.tabs()->isTabVisible(shell::MainWindow::TabNotes));
        }
        shell::MainWindow next({});
        QVERIFY(next.create());
        QVERIFY(!next.tabs()->isTabVisible(shell::MainWindow::TabYearly));
        QVERIFY(next.tabs()->isTabVisible(shell::MainWindow::TabNotes));
    }
};

QTEST_MAIN(TestTabs)
#include "tst_tabs_gui.moc"
