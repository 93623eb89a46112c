// brivane-bench-window: the parts of the benchmark that need the real main
// window (offscreen). brivane-bench starts it as a child process:
//
//   brivane-bench-window startup           prints "shown" at the window's
//                                          first paint, then "after MS": the
//                                          CPU the process spent after it
//   brivane-bench-window steps N           prints "today MS" and "list MS",
//                                          the CPU of each of N "Day After"
//                                          clicks and One Shot page steps
//   brivane-bench-window idle              shows the One Shot list scrolled
//                                          past its first page, prints
//                                          "ready" and waits until killed
//   brivane-bench-window write ARCHIVE     one row written by a second
//                                          process: prints "write MS"
//
// BRIVANE_HOME names the program folder, as for the organizer.

#include "platform/widgets/MessageBox.h"
#include "shell/MainWindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include <sqlite3.h>

#include <cstdio>
#include <ctime>
#include <functional>

using namespace brivane;

namespace {

double cpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1000 + double(now.tv_nsec) / 1e6;
}

void say(const char* text)
{
    std::fputs(text, stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

void sayFigure(const char* name, double value)
{
    std::printf("%s %.3f\n", name, value);
    std::fflush(stdout);
}

// Lets the window do everything a step caused: queued calls, layout, paint.
void settle()
{
    for (int i = 0; i < 4; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
}

class FirstPaint : public QObject
{
public:
    using QObject::QObject;
    bool seen = false;
    double cpuAtPaint = 0;
    std::function<void()> onPaint;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (!seen && event->type() == QEvent::Paint) {
            seen = true;
            cpuAtPaint = cpuMs();
            say("shown");
            if (onPaint)
                onPaint();
        }
        return QObject::eventFilter(watched, event);
    }
};

int writeRow(const char* path)
{
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(path, &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK)
        return 1;
    sqlite3_busy_timeout(db, 5000);
    QElapsedTimer timer;
    timer.start();
    const int status =
        sqlite3_exec(db,
                     "BEGIN IMMEDIATE;"
                     "INSERT INTO BRarc66 (id, flag, datefull, orario, orario2, fatto, flagfatto, sospeso) "
                     "VALUES ('written by another machine', 'O', '2030-01-01', '  :  ', '  :  ', "
                     "'1600-01-01', 'N', 'N');"
                     "COMMIT;",
                     nullptr, nullptr, nullptr);
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    sqlite3_close(db);
    if (status != SQLITE_OK)
        return 1;
    sayFigure("write", ms);
    return 0;
}

QWidget* showList(shell::MainWindow& window, const char* tab)
{
    auto* tabs = window.findChild<QTabWidget*>(QStringLiteral("PageControlMenu"));
    auto* page = window.findChild<QWidget*>(QLatin1String(tab));
    if (tabs && page)
        tabs->setCurrentIndex(tabs->indexOf(page));
    settle();
    return page;
}

} // namespace

int main(int argc, char* argv[])
{
    const QByteArray mode = argc > 1 ? QByteArray(argv[1]) : QByteArray();
    if (mode == "write")
        return argc > 2 ? writeRow(argv[2]) : 2;

    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    platform::MessageBox::setScripted(true);

    shell::MainWindow window({});
    FirstPaint firstPaint;
    window.installEventFilter(&firstPaint);
    if (!window.create())
        return 1;
    // Shown as a user sees it, also when the archive's settings start it in the tray.
    if (!window.isVisible() || window.isMinimized())
        window.showNormal();

    if (mode == "startup") {
        // The CPU of the two seconds after the first paint.
        const auto report = [&app, &firstPaint] {
            sayFigure("after", firstPaint.seen ? cpuMs() - firstPaint.cpuAtPaint : -1);
            QCoreApplication::exit(0);
        };
        firstPaint.onPaint = [report] { QTimer::singleShot(2000, report); };
        QTimer::singleShot(20000, report);
        return app.exec();
    }

    for (int i = 0; i < 50 && !firstPaint.seen; ++i)
        QTest::qWait(20);
    settle();

    if (mode == "steps") {
        const int steps = argc > 2 ? QByteArray(argv[2]).toInt() : 20;
        auto* dayAfter = window.findChild<QAbstractButton*>(QStringLiteral("SpeedButtonNextDay"));
        if (!dayAfter)
            return 1;
        for (int i = 0; i < steps; ++i) {
            const double before = cpuMs();
            dayAfter->click();
            settle();
            sayFigure("today", cpuMs() - before);
        }
        showList(window, "TabSheetShot");
        auto* grid = window.findChild<QTableView*>(QStringLiteral("DBGrid_Shot"));
        if (!grid)
            return 1;
        grid->setFocus();
        for (int i = 0; i < steps; ++i) {
            const double before = cpuMs();
            QTest::keyClick(grid, Qt::Key_PageDown);
            settle();
            sayFigure("list", cpuMs() - before);
        }
        return 0;
    }

    if (mode == "idle") {
        showList(window, "TabSheetShot");
        if (auto* grid = window.findChild<QTableView*>(QStringLiteral("DBGrid_Shot"))) {
            grid->setFocus();
            for (int i = 0; i < 10; ++i) {
                QTest::keyClick(grid, Qt::Key_PageDown);
                settle();
            }
        }
        say("ready");
        return app.exec();
    }
    return 2;
}
