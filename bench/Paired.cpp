#include "Paired.h"

#include "Floor.h"

#include "agenda/DaySelection.h"
#include "agenda/TaskListQuery.h"
#include "cli/AgendaCommand.h"
#include "store/SqlDate.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QThread>

using namespace Qt::StringLiterals;

namespace brivane::bench {

namespace {

constexpr auto kChildLocale = "C.UTF-8";

double elapsedMs(const QElapsedTimer& timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

// Every column of every row through Qt SQL, as a list model reads them.
int readThroughQt(QSqlQuery& query, const QString& statement, const QDate& day)
{
    if (!agenda::selectDay(query, statement, day))
        qFatal("query failed");
    const int columns = query.record().count();
    int rows = 0;
    while (query.next()) {
        for (int column = 0; column < columns; ++column)
            query.value(column);
        ++rows;
    }
    return rows;
}

std::function<QVariant(const QString&)> dayValues(const QSqlDatabase& db, const QString& statement,
                                                  const QDate& day)
{
    return boundValuesOf(
        statement, [&](QSqlQuery& query) { agenda::bindDay(query, day); }, db);
}

QProcessEnvironment childEnvironment(const QString& home)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"BRIVANE_HOME"_s, home);
    environment.insert(u"LC_ALL"_s, QString::fromLatin1(kChildLocale));
    environment.insert(u"LANG"_s, QString::fromLatin1(kChildLocale));
    return environment;
}

// Runs a program to its end; returns its standard output.
QByteArray runProcess(const QString& program, const QStringList& arguments,
                      const QProcessEnvironment& environment, const QByteArray& input = {})
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    if (!input.isEmpty())
        process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        qFatal("%s failed: %s", qPrintable(program), process.readAllStandardError().constData());
    return process.readAllStandardOutput();
}

// A sqlite3 shell script that runs the agenda's statement for each day, its
// placeholders set as text, printing the same columns tab-separated.
QByteArray shellScript(const QSqlDatabase& db, const QString& statement, const QDate& from, int days)
{
    QByteArray script = ".mode tabs\n.headers off\n";
    for (int offset = 0; offset < days; ++offset) {
        const QDate day = from.addDays(offset);
        const auto values = dayValues(db, statement, day);
        for (const char* name : {":datefull", ":dd", ":dayname", ":md", ":xm", ":xw", ":xy"}) {
            if (!statement.contains(QLatin1String(name)))
                continue;
            QString value = values(QLatin1String(name)).toString();
            value.replace(u'\'', u"''"_s);
            // The shell reads the value as an SQL expression: a quoted literal,
            // inside double quotes so that its own argument parsing keeps them.
            script += ".param set " + QByteArray(name) + " \"'" + value.toUtf8() + "'\"\n";
        }
        script += statement.toUtf8() + ";\n";
    }
    return script;
}

Figure processFigure(const QString& name, const QString& program, const QStringList& arguments,
                     const QString& archive, const QByteArray& script, const QProcessEnvironment& environment,
                     int runs)
{
    Figure figure;
    figure.name = name;
    figure.floorName = u"sqlite3 shell, same statements"_s;
    int shellRows = 0;
    Summary floor;
    measurePaired(
        2, runs, [&] { figure.rows = int(runProcess(program, arguments, environment).count('\n')); },
        [&] { shellRows = int(runProcess(u"sqlite3"_s, {archive}, environment, script).count('\n')); },
        &figure.summary, &floor);
    figure.floor = floor;
    if (shellRows != figure.rows)
        figure.name += u" (WARNING: the shell printed %1 rows)"_s.arg(shellRows);
    return figure;
}

} // namespace

std::optional<double> Figure::ratio() const
{
    if (!floor || floor->median <= 0)
        return std::nullopt;
    return summary.median / floor->median;
}

bool Figure::passes() const
{
    if (targetMs && summary.median > *targetMs)
        return false;
    if (targetMaxMs && summary.max > *targetMaxMs)
        return false;
    if (targetRatio && (!ratio() || *ratio() > *targetRatio))
        return false;
    return true;
}

void measurePaired(int warmups, int runs, const std::function<void()>& body,
                   const std::function<void()>& floor, Summary* bodySummary, Summary* floorSummary)
{
    for (int i = 0; i < warmups; ++i) {
        body();
        floor();
    }
    QList<double> bodyTimes;
    QList<double> floorTimes;
    QElapsedTimer timer;
    for (int i = 0; i < runs; ++i) {
        // Alternate which goes first, so neither always meets a warm cache.
        for (int turn = 0; turn < 2; ++turn) {
            const bool bodyTurn = (turn == 0) == (i % 2 == 0);
            timer.start();
            (bodyTurn ? body : floor)();
            (bodyTurn ? bodyTimes : floorTimes) << elapsedMs(timer);
        }
    }
    *bodySummary = summarize(bodyTimes);
    *floorSummary = summarize(floorTimes);
}

QList<Figure> queryFigures(const QSqlDatabase& db, const QDate& day)
{
    QList<Figure> figures;
    const QString today = agenda::todayStatement(false);
    const auto values = dayValues(db, today, day);

    // QSqlQuery's own cost, for comparison: the lists no longer read through it.
    Figure query{u"Today query through QSqlQuery, 1 day, every column"_s};
    query.floorName = u"same statement and columns, SQLite C API"_s;
    QSqlQuery qt(db);
    qt.setForwardOnly(true);
    Summary floor;
    measurePaired(
        10, 101, [&] { query.rows = readThroughQt(qt, today, day); }, [&] { runOnEngine(db, today, values); },
        &query.summary, &floor);
    qt.finish();
    query.floor = floor;
    figures << query;

    Figure model{u"Today list read into its model (every column as plain values), 1 day"_s};
    model.floorName = query.floorName;
    model.targetMs = 30;
    model.targetRatio = 1.25;
    agenda::TodayQuery list;
    measurePaired(
        5, 51,
        [&] {
            list.run(db, day, false);
            model.rows = list.rowCount();
        },
        [&] { runOnEngine(db, today, values); }, &model.summary, &floor);
    model.floor = floor;
    list.clear();
    figures << model;
    return figures;
}

QList<Figure> searchFigures(const QSqlDatabase& db)
{
    QList<Figure> figures;
    const QStringList typed = {u"c"_s, u"ca"_s, u"cal"_s, u"call"_s};
    const struct
    {
        const char* flag;
        agenda::TaskListQuery::SearchIn in;
        QString name;
    } lists[] = {
        {"O", agenda::TaskListQuery::SearchIn::Description,
         u"One Shot search keystroke, description (\"c\" … \"call\")"_s},
        {"O", agenda::TaskListQuery::SearchIn::Note, u"One Shot search keystroke, note (\"c\" … \"call\")"_s},
        {"Y", agenda::TaskListQuery::SearchIn::Description, u"Yearly search keystroke, description"_s},
        {"W", agenda::TaskListQuery::SearchIn::Description, u"Weekly search keystroke, description"_s},
    };
    for (const auto& kind : lists) {
        agenda::TaskListQuery list(QLatin1String(kind.flag));
        list.dateFormat = u"dddd d mmmm yyyy"_s;
        list.searchIn = kind.in;
        Figure figure{kind.name};
        figure.floorName = u"its count and first page, SQLite C API"_s;
        figure.targetMs = 10;
        int next = 0;
        int floorNext = 0;
        Summary floor;
        measurePaired(
            4, 41,
            [&] {
                list.searchText = typed[next++ % typed.size()];
                list.run(db);
                figure.rows = list.rowCount();
            },
            [&] {
                agenda::TaskListQuery same(QLatin1String(kind.flag));
                same.searchIn = kind.in;
                same.searchText = typed[floorNext++ % typed.size()];
                const auto bound = same.bindings(same.statement());
                const auto valueOf = [&bound](const QString& name) -> QVariant {
                    for (const auto& [key, value] : bound) {
                        if (key == name)
                            return value;
                    }
                    return name == u":limit" ? QVariant(agenda::TaskListQuery::kPageSize) : QVariant();
                };
                runOnEngine(db, same.countStatement(), valueOf);
                runOnEngine(db, same.statement() + u"\nLIMIT :limit OFFSET 0"_s, valueOf);
            },
            &figure.summary, &floor);
        figure.floor = floor;
        list.clear();
        figures << figure;
    }
    return figures;
}

QList<Figure> agendaFigures(const QString& home, const QString& smallHome, const QDate& day,
                            const QSqlDatabase& db)
{
    QList<Figure> figures;
    const QString program = QString::fromUtf8(BRIVANE_AGENDA);
    const QString archive = home + u"/myarcs/boarc.abs"_s;
    const QString statement = cli::agendaStatement(false);
    const QProcessEnvironment environment = childEnvironment(home);

    Figure one = processFigure(u"brivane-agenda process, 1 day"_s, program, {store::toSqlDate(day)}, archive,
                               shellScript(db, statement, day, 1), environment, 21);
    one.targetRatio = 1.3;
    figures << one;
    Figure month = processFigure(u"brivane-agenda process, 30 days"_s, program,
                                 {store::toSqlDate(day), u"--days"_s, u"30"_s}, archive,
                                 shellScript(db, statement, day, 30), environment, 7);
    month.targetRatio = 1.3;
    figures << month;
    Figure organizer = processFigure(
        u"brivane-organizer --agenda process, 1 day"_s, QString::fromUtf8(BRIVANE_PROGRAM),
        {u"--agenda"_s, store::toSqlDate(day)}, archive, shellScript(db, statement, day, 1), environment, 11);
    figures << organizer;
    Figure small = processFigure(u"brivane-agenda process, 1 day, 1,000-task archive"_s, program,
                                 {store::toSqlDate(day)}, smallHome + u"/myarcs/boarc.abs"_s,
                                 shellScript(db, statement, day, 1), childEnvironment(smallHome), 21);
    small.targetMs = 15;
    figures << small;
    return figures;
}

QByteArray agendaShellScript(const QSqlDatabase& db, const QDate& from, int days)
{
    return shellScript(db, cli::agendaStatement(false), from, days);
}

QList<Figure> windowFigures(const QString& home, const QString& emptyHome, const QString& archivePath)
{
    QList<Figure> figures;
    const QString program = QString::fromUtf8(BRIVANE_WINDOW_BENCH);

    // Start-up: process start to the window's first paint, then the CPU the
    // process spends after it, beside the sqlite3 shell opening the same
    // archive and reading the Today list.
    for (const bool empty : {false, true}) {
        const QString folder = empty ? emptyHome : home;
        QList<double> shown;
        QList<double> after;
        for (int run = 0; run < 7; ++run) {
            QProcess process;
            process.setProcessEnvironment(childEnvironment(folder));
            QElapsedTimer timer;
            timer.start();
            process.start(program, {u"startup"_s});
            double shownAt = -1;
            QByteArray output;
            while (process.state() != QProcess::NotRunning || process.bytesAvailable() > 0) {
                process.waitForReadyRead(50);
                output += process.readAllStandardOutput();
                if (shownAt < 0 && output.contains("shown\n"))
                    shownAt = elapsedMs(timer);
                if (process.state() == QProcess::NotRunning && process.bytesAvailable() == 0)
                    break;
            }
            const int at = int(output.indexOf("after "));
            if (run > 0 && shownAt >= 0 && at >= 0) {
                shown << shownAt;
                after << output.mid(at + 6, output.indexOf('\n', at) - at - 6).toDouble();
            }
        }
        Figure start{empty ? u"Start-up to the painted window, empty archive"_s
                           : u"Start-up to the painted window, 100,000 tasks"_s};
        start.summary = summarize(shown);
        start.targetMs = empty ? 200 : 500;
        figures << start;
        if (!empty) {
            Figure rest{u"CPU after the window is shown (2 s), 100,000 tasks"_s};
            rest.summary = summarize(after);
            rest.targetMs = 200;
            figures << rest;
        }
    }

    // Steps: the CPU of one "Day After" click and of one page down in the
    // One Shot list, each with everything it causes (query, layout, paint).
    const QByteArray steps = runProcess(program, {u"steps"_s, u"21"_s}, childEnvironment(home));
    QList<double> today;
    QList<double> list;
    for (const QByteArray& line : steps.split('\n')) {
        if (line.startsWith("today "))
            today << line.mid(6).toDouble();
        else if (line.startsWith("list "))
            list << line.mid(5).toDouble();
    }
    Figure day{u"\"Day After\" on the Today tab, CPU per step"_s, 0, summarize(today)};
    day.targetMs = 30;
    Figure page{u"Page down in the One Shot list (55,000 tasks), CPU per step"_s, 0, summarize(list)};
    page.targetMs = 30;
    figures << day << page;

    // A second process writes one row, with no window and with the window
    // idle on the One Shot list scrolled past its first page.
    const auto writes = [&](int count) {
        QList<double> times;
        for (int i = 0; i < count; ++i) {
            const QByteArray line = runProcess(program, {u"write"_s, archivePath}, childEnvironment(home));
            times << line.mid(6).trimmed().toDouble();
        }
        return times;
    };
    const Summary alone = summarize(writes(15));
    QProcess window;
    window.setProcessEnvironment(childEnvironment(home));
    window.start(program, {u"idle"_s});
    QByteArray output;
    while (!output.contains("ready\n") && window.state() != QProcess::NotRunning) {
        window.waitForReadyRead(200);
        output += window.readAllStandardOutput();
    }
    QThread::msleep(500);
    Figure write{u"A second process writes one row, window idle on the One Shot list"_s, 1,
                 summarize(writes(31))};
    write.floor = alone;
    write.floorName = u"the same write with no window open"_s;
    write.targetMs = 20;
    write.targetMaxMs = 100;
    window.kill();
    window.waitForFinished();
    figures << write;
    return figures;
}

} // namespace brivane::bench
