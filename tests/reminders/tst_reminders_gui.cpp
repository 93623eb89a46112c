#include "platform/widgets/MessageBox.h"
#include "platform/widgets/Sound.h"
#include "platform/widgets/TrayIcon.h"
#include "shell/MainWindow.h"
#include "store/Archive.h"
#include "store/Schema.h"
#include "support/MockClock.h"

#include <QApplication>
#include <QLabel>
#include <QDateEdit>
#include <QSqlQuery>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace brivane;
using platform::MessageBox;

namespace {

// A program folder whose archive holds the tasks given as SQL value lists.
class Home
{
public:
    explicit Home(const QStringList& tasks)
    {
        qputenv("BRIVANE_HOME", m_dir.path().toUtf8());
        const QString folder = m_dir.path() + QStringLiteral("/myarcs");
        store::Archive archive(QStringLiteral("fixture"));
        archive.open(folder);
        store::SchemaResult result;
        store::Schema(archive.database(), folder, m_dir.path()).createAndUpgrade(result);
        QSqlQuery query(archive.database());
        for (const QString& values : tasks) {
            if (!query.exec(QStringLiteral("INSERT INTO BRarc66 (flag, id, datefull, dayofweek, orario, orario2, fatto, "
                                           "flagfatto, sospeso, flagscad, anticipa) VALUES (")
                            + values + QLatin1Char(')')))
                qFatal("bad fixture row");
        }
    }
    ~Home() { qunsetenv("BRIVANE_HOME"); }

    int count(const QString& where) const
    {
        store::Archive archive(QStringLiteral("peek"));
        archive.openReadOnly(m_dir.path() + QStringLiteral("/myarcs"));
        QSqlQuery query(archive.database());
        return query.exec(QStringLiteral("SELECT count(*) FROM BRarc66 WHERE ") + where) && query.next()
                   ? query.value(0).toInt()
                   : -1;
    }

private:
    QTemporaryDir m_dir;
};

void fire(QObject* window, const char* timer)
{
    QTimer* found = window->findChild<QTimer*>(QLatin1String(timer));
    QVERIFY2(found, timer);
    QMetaObject::invokeMethod(found, "timeout", Qt::DirectConnection);
}

} // namespace

class TestReminders : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        MessageBox::setScripted(true);
        platform::Sound::setRecording(true);
        platform::TrayIcon::setAvailabilityOverride(true);
    }

    void init() { platform::Sound::clearPlayed(); }

    void ringsAtTheSecondItsTimeBegins()
    {
        Home home({QStringLiteral("'O', 'dentist', '2024-03-06', '', '08:30', '  :  ', '1600-01-01', 'N', 'N', 'N', 'N'"),
                   QStringLiteral("'O', 'done already', '2024-03-06', '', '08:30', '  :  ', '2024-03-06', 'Y', 'N', 'N', 'N'"),
                   QStringLiteral("'O', 'suspended', '2024-03-06', '', '08:30', '  :  ', '1600-01-01', 'N', 'Y', 'N', 'N'")});
        test::MockClock clock(QDateTime(QDate(2024, 3, 6), QTime(8, 29, 58)));
        shell::MainWindow window({});
        QVERIFY(window.create());
        auto* message = window.findChild<QLabel*>(QStringLiteral("Panel_MEssaggio"));
        QCOMPARE(platform::Sound::played().size(), 1); // the day-start check announced today's task
        platform::Sound::clearPlayed();
        fire(&window, "TimerContolloOrario");
        clock.advanceSeconds(1);
        fire(&window, "TimerContolloOrario");
        QVERIFY(platform::Sound::played().isEmpty());
        // The event loop stalls past the second: the task still rings, once.
        clock.advanceSeconds(21);
        fire(&window, "TimerContolloOrario");
        QCOMPARE(platform::Sound::played(), QStringList{QStringLiteral("mailbeep")});
        QCOMPARE(message->text(), QStringLiteral(" Hurry up! It is time to... "));
        QCOMPARE(window.tabs()->currentIndex(), int(shell::MainWindow::TabToday));
        // The window is still in the tray: the tray blinks and a popup tells.
        QVERIFY(window.tray()->isBlinking());
        int popups = 0;
        for (QWidget* widget : QApplication::topLevelWidgets())
            popups += widget->objectName() == QLatin1String("TPopupNotifierWindow") && widget->isVisible() ? 1 : 0;
        QCOMPARE(popups, 1);
        fire(&window, "TimerOrologio");
        QCOMPARE(message->text(), QStringLiteral(" dentist!"));
        clock.advanceSeconds(1);
        fire(&window, "TimerContolloOrario");
        QCOMPARE(platform::Sound::played().size(), 1);
        QTest::mouseClick(message, Qt::LeftButton);
        QCOMPARE(message->text(), QString());
    }

    // The alarm timer may notice the new day before the clock does; the
    // 00:00 task of the new day rings all the same, once.
    void ringsAtMidnightOfTheNewDay_data()
    {
        QTest::addColumn<QString>("task");
        QTest::addColumn<int>("lateSeconds");
        QTest::newRow("one-shot of the new day")
            << QStringLiteral("'O', 'midnight', '2024-03-07', '', '00:00', '  :  ', '1600-01-01', 'N', 'N', 'N', 'N'") << 0;
        QTest::newRow("every day from earlier")
            << QStringLiteral("'O', 'midnight', '2024-03-01', 'T', '00:00', '  :  ', '1600-01-01', 'N', 'N', 'N', 'N'") << 0;
        QTest::newRow("tick three seconds late")
            << QStringLiteral("'O', 'midnight', '2024-03-07', '', '00:00', '  :  ', '1600-01-01', 'N', 'N', 'N', 'N'") << 3;
    }
    void ringsAtMidnightOfTheNewDay()
    {
        QFETCH(QString, task);
        QFETCH(int, lateSeconds);
        Home home({task});
        test::MockClock clock(QDateTime(QDate(2024, 3, 6), QTime(23, 59, 59)));
        shell::MainWindow window({});
        QVERIFY(window.create());
        fire(&window, "TimerContolloOrario");
        platform::Sound::clearPlayed();
        clock.advanceSeconds(1 + lateSeconds);
        fire(&window, "TimerContolloOrario");
        QCOMPARE(platform::Sound::played(), QStringList{QStringLiteral("mailbeep")});
        auto* message = window.findChild<QLabel*>(QStringLiteral("Panel_MEssaggio"));
        QCOMPARE(message->text(), QStringLiteral(" Hurry up! It is time to... "));
        // The clock's own day change reloads the list; nothing rings twice.
        fire(&window, "TimerOrologio");
        platform::Sound::clearPlayed();
        clock.advanceSeconds(1);
        fire(&window, "TimerContolloOrario");
        QVERIFY(platform::Sound::played().isEmpty());
    }

    void dayChangePurgesAndViewsTheNewDay()
    {
        Home home({QStringLiteral("'O', 'old errand', '2024-03-06', 'X', '08:00', '  :  ', '1600-01-01', 'N', 'N', 'N', 'N'"),
                   QStringLiteral("'O', 'tomorrow', '2024-03-07', '', '  :  ', '  :  ', '1600-01-01', 'N', 'N', 'N', 'N'")});
        test::MockClock clock(QDateTime(QDate(2024, 3, 6), QTime(23, 59, 59)));
        shell::MainWindow window({});
        QVERIFY(window.create());
        auto* picker = window.findChild<QDateEdit*>(QStringLiteral("DateTimePickerTODAY"));
        QCOMPARE(home.count(QStringLiteral("id = 'old errand'")), 1);
        window.tray()->stopBlinking();
        clock.advanceSeconds(1);
        fire(&window, "TimerOrologio");
        QCOMPARE(picker->date(), QDate(2024, 3, 7));
        QCOMPARE(home.count(QStringLiteral("id = 'old errand'")), 0);
        QVERIFY(window.tray()->isBlinking()); // the day-start check found "tomorrow"
        // A jump of several days is one more change, run once.
        window.tray()->stopBlinking();
        clock.advanceDays(3);
        fire(&window, "TimerOrologio");
        fire(&window, "TimerOrologio");
        QCOMPARE(picker->date(), QDate(2024, 3, 10));
        QVERIFY(!window.tray()->isBlinking());
    }

    void controlEndsOnADayWithoutTasks_data()
    {
        QTest::addColumn<QString>("argument");
        QTest::addColumn<bool>("taskToday");
        QTest::addColumn<bool>("runs");
        QTest::newRow("control, no task") << QStringLiteral("control") << false << false;
        QTest::newRow("CONTROLLO, no task") << QStringLiteral("CONTROLLO") << false << false;
        QTest::newRow("control, a task") << QStringLiteral("Control") << true << true;
        QTest::newRow("no argument") << QString() << false << true;
    }
    void controlEndsOnADayWithoutTasks()
    {
        QFETCH(QString, argument);
        QFETCH(bool, taskToday);
        QFETCH(bool, runs);
        Home home(taskToday ? QStringList{QStringLiteral("'O', 'rent', '2024-03-06', '', '  :  ', '  :  ', '1600-01-01', 'N', 'N', 'N', 'N'")}
                            : QStringList{});
        test::MockClock clock(QDateTime(QDate(2024, 3, 6), QTime(9, 0)));
        shell::MainWindow window(argument.isEmpty() ? QStringList{} : QStringList{argument});
        QCOMPARE(window.create(), runs);
        QCOMPARE(window.exitCode(), 0);
    }
};

QTEST_MAIN(TestReminders)
#include "tst_reminders_gui.moc"
