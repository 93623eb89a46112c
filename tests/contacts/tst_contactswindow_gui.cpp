#include "contacts/widgets/ContactCardView.h"
#include "platform/widgets/MessageBox.h"
#include "platform/widgets/TrayIcon.h"
#include "shell/MainWindow.h"
#include "store/Archive.h"
#include "store/Schema.h"
#include "support/MockClock.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDateEdit>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

using namespace brivane;
using platform::MessageBox;

namespace {

// A program folder whose archive holds one contact, Ann Smith.
class Home
{
public:
    Home()
    {
        qputenv("BRIVANE_HOME", m_dir.path().toUtf8());
        store::Archive archive(QStringLiteral("fixture"));
        archive.open(folder());
        store::SchemaResult result;
        store::Schema(archive.database(), folder(), m_dir.path()).createAndUpgrade(result);
        QSqlQuery query(archive.database());
        if (!query.exec(QStringLiteral("INSERT INTO BRcon63 (ragsoc, email) VALUES ('Ann Smith', 'ann@example.com')")))
            qFatal("bad fixture row");
    }
    ~Home() { qunsetenv("BRIVANE_HOME"); }

    QString folder() const { return m_dir.path() + QStringLiteral("/myarcs"); }
    QSqlRecord task(const QString& where) const
    {
        store::Archive archive(QStringLiteral("peek"));
        archive.openReadOnly(folder());
        QSqlQuery query(archive.database());
        return query.exec(QStringLiteral("SELECT * FROM BRarc66 WHERE ") + where) && query.next() ? query.record()
                                                                                                 : QSqlRecord();
    }

private:
    QTemporaryDir m_dir;
};

QWidget* topLevel(const QString& name)
{
    QWidget* found = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == name && widget->isVisible())
            found = widget;
    }
    return found;
}

void press(QObject* parent, const QString& name)
{
    auto* button = parent->findChild<QAbstractButton*>(name);
    QVERIFY2(button && button->isEnabled(), qPrintable(name));
    button->click();
}

// Opens the modify dialog of the Contacts tab's first row.
QDialog* openContact(shell::MainWindow& window)
{
    window.tabs()->setCurrentIndex(shell::MainWindow::TabContacts);
    window.findChild<QTableView*>(QStringLiteral("DBGrid_Contact"))->selectRow(0);
    window.findChild<QAbstractButton*>(QStringLiteral("SpeedButtonModContact"))->click();
    return qobject_cast<QDialog*>(topLevel(QStringLiteral("TModContactForm")));
}

} // namespace

class TestContactsWindow : public QObject
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

    // The birthday's Insert works on the first try of a fresh window and
    // starts on the viewed date, whatever dialog was opened before.
    void birthdayInsertOnAFreshWindow_data()
    {
        QTest::addColumn<QDate>("viewed");
        QTest::addColumn<bool>("taskDialogFirst");
        QTest::newRow("first dialog of the run, today viewed") << QDate(2024, 3, 6) << false;
        QTest::newRow("first dialog of the run, another day viewed") << QDate(2024, 7, 21) << false;
        QTest::newRow("after a one-shot dialog, then another day viewed") << QDate(2024, 11, 2) << true;
    }
    void birthdayInsertOnAFreshWindow()
    {
        QFETCH(QDate, viewed);
        QFETCH(bool, taskDialogFirst);
        Home home;
        test::MockClock clock(QDateTime(QDate(2024, 3, 6), QTime(10, 0)));
        shell::MainWindow window({});
        QVERIFY(window.create());
        if (taskDialogFirst) {
            press(&window, QStringLiteral("SpeedButtonadShot"));
            QWidget* oneShot = topLevel(QStringLiteral("TAggShotForm"));
            QVERIFY(oneShot);
            press(oneShot, QStringLiteral("SpeedButton3"));
            QTRY_VERIFY(!topLevel(QStringLiteral("TAggShotForm")));
        }
        window.findChild<QDateEdit*>(QStringLiteral("DateTimePickerTODAY"))->setDate(viewed);

        QDialog* contact = openContact(window);
        QVERIFY(contact);
        QAction* insert = nullptr;
        for (QAction* action : contact->findChildren<QAction*>()) {
            if (action->objectName() == QLatin1String("ActionBirthdayInsert"))
                insert = action;
        }
        QVERIFY(insert);
        insert->trigger();
        QWidget* yearly = topLevel(QStringLiteral("TAggYearForm"));
        QVERIFY(yearly);
        press(yearly, QStringLiteral("SpeedButtonAddClose"));
        QTRY_VERIFY(!topLevel(QStringLiteral("TAggYearForm")));
        QVERIFY2(MessageBox::shownTexts().isEmpty(), qPrintable(MessageBox::shownTexts().join(QLatin1Char('\n'))));

        const QSqlRecord birthday = home.task(QStringLiteral("flag = 'Y'"));
        QCOMPARE(birthday.value(QStringLiteral("id")).toString(), QStringLiteral("Birthday of Ann Smith"));
        QCOMPARE(birthday.value(QStringLiteral("datefull")).toString(), viewed.toString(Qt::ISODate));
        // The card shows the link as soon as the contact dialog closes.
        press(contact, QStringLiteral("SpeedButton3"));
        QTRY_VERIFY(!topLevel(QStringLiteral("TModContactForm")));
        auto* card = window.findChild<contacts::widgets::ContactCardView*>();
        QVERIFY(card);
        QVERIFY2(card->birthdayLabel()->text().contains(QLocale().monthName(viewed.month())),
                 qPrintable(card->birthdayLabel()->text()));
    }

    // "Insert task with selected contact" fills the name and the link in
    // the add dialog of every kind.
    void taskWithTheSelectedContact_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("dialog");
        QTest::newRow("one-shot") << 0 << QStringLiteral("TAggShotForm");
        QTest::newRow("yearly") << 1 << QStringLiteral("TAggYearForm");
        QTest::newRow("monthly") << 2 << QStringLiteral("TAggMonthForm");
        QTest::newRow("weekly") << 3 << QStringLiteral("TAggWeekForm");
    }
    void taskWithTheSelectedContact()
    {
        QFETCH(int, kind);
        QFETCH(QString, dialog);
        Home home;
        test::MockClock clock(QDateTime(QDate(2024, 3, 6), QTime(10, 0)));
        shell::MainWindow window({});
        QVERIFY(window.create());
        window.tabs()->setCurrentIndex(shell::MainWindow::TabContacts);
        window.findChild<QTableView*>(QStringLiteral("DBGrid_Contact"))->selectRow(0);
        auto* menu = window.findChild<QMenu*>(QStringLiteral("PopupMenuAppRapido"));
        QVERIFY(menu);
        menu->actions().at(kind)->trigger();
        QWidget* entry = topLevel(dialog);
        QVERIFY(entry);
        QCOMPARE(entry->findChild<QLineEdit*>(QStringLiteral("Edit_id"))->text(), QStringLiteral("Ann Smith"));
        QCOMPARE(entry->findChild<QLineEdit*>(QStringLiteral("Edit_Ricerca"))->text(), QStringLiteral("Ann Smith"));
        QVERIFY(entry->findChild<QAbstractButton*>(QStringLiteral("SpeedButtonClearRicerca"))->isEnabled());
        press(entry, QStringLiteral("SpeedButton3"));
        // The next dialog from elsewhere starts empty.
        window.tabs()->setCurrentIndex(shell::MainWindow::TabToday);
        press(&window, QStringLiteral("SpeedButtonadShot"));
        QWidget* plain = topLevel(QStringLiteral("TAggShotForm"));
        QVERIFY(plain);
        QCOMPARE(plain->findChild<QLineEdit*>(QStringLiteral("Edit_id"))->text(), QString());
        QVERIFY(!plain->findChild<QAbstractButton*>(QStringLiteral("SpeedButtonClearRicerca"))->isEnabled());
    }
};

QTEST_MAIN(TestContactsWindow)
#include "tst_contactswindow_gui.moc"
