// brivane-bench: times the day-selection queries and the --agenda command on
// a generated archive and prints a report. It always exits 0 on a finished
// report; the PASS/OVER column is for the reader.
//
//   brivane-bench                     generate 100,000 tasks in a temporary
//                                     folder and print the report
//   brivane-bench --generate DIR [N]  only write DIR/myarcs/boarc.abs with
//                                     N tasks (default 100,000)

#include "ArchiveCareBench.h"
#include "BookBench.h"
#include "ThemeBench.h"
#include "DocumentsBench.h"
#include "Paired.h"
#include "Generator.h"
#include "ResidentBench.h"
#include "Timing.h"

#include "agenda/CalendarMarks.h"
#include "agenda/DaySelection.h"
#include "store/Archive.h"
#include "store/ArchiveLocation.h"
#include "store/SqlDate.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QMap>
#include <QProcess>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>

#include <optional>

using namespace Qt::StringLiterals;
using namespace brivane;
using bench::Summary;

namespace {

QTextStream out(stdout);
QTextStream err(stderr);

// The agenda child runs under this locale; the weekday names it derives
// must be the English ones the generator wrote.
constexpr auto kChildLocale = "C.UTF-8";

using Line = bench::Figure;

Line line(const QString& name, std::optional<double> targetMs)
{
    Line made;
    made.name = name;
    made.targetMs = targetMs;
    return made;
}

// A figure beside the floor measured for it in the same run.
Line pairedLine(const QString& name, int rows, const Summary& summary, const QString& floorName,
                const Summary& floor, double targetMs)
{
    Line made = line(name, targetMs);
    made.rows = rows;
    made.summary = summary;
    made.floorName = floorName;
    made.floor = floor;
    return made;
}

QString cpuModel()
{
    QFile file(u"/proc/cpuinfo"_s);
    if (file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        for (QByteArray line = file.readLine(); !line.isEmpty(); line = file.readLine()) {
            if (line.startsWith("model name"))
                return QString::fromUtf8(line.mid(line.indexOf(':') + 1)).trimmed();
        }
    }
    return u"unknown CPU"_s;
}

QString sqliteVersion(const QSqlDatabase& db)
{
    QSqlQuery query(db);
    return query.exec(u"SELECT sqlite_version()"_s) && query.next() ? query.value(0).toString() : u"?"_s;
}

QString loadAverage()
{
    QFile file(u"/proc/loadavg"_s);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return u"?"_s;
    return QString::fromLatin1(file.readAll()).split(u' ').mid(0, 3).join(u' ');
}

void printMachine(const QSqlDatabase& db)
{
    out << "Machine: " << cpuModel() << ", " << QThread::idealThreadCount() << " cores\n"
        << "System:  " << QSysInfo::prettyProductName() << ", kernel " << QSysInfo::kernelVersion() << "\n"
        << "Build:   " << BRIVANE_BENCH_BUILD_TYPE << ", Qt " << qVersion() << ", SQLite "
        << sqliteVersion(db) << "\n"
        << "Load:    " << loadAverage()
        << " (1/5/15-minute load average before timing; other work skews the times)\n";
}

// Counts the rows of the archive, and of the Today list of `day`, by kind
// (every-day tasks apart), since the row count drives the query times.
void printMix(const QSqlDatabase& db, const QDate& day)
{
    auto kinds = [](QSqlQuery& query) -> QString {
        QMap<QString, int> counts;
        while (query.next()) {
            const QString dayofweek = query.value(u"dayofweek"_s).toString();
            ++counts[dayofweek == u"T" ? u"T"_s : query.value(u"flag"_s).toString()];
        }
        QStringList parts;
        for (auto it = counts.cbegin(); it != counts.cend(); ++it)
            parts << it.key() + u'=' + QString::number(it.value());
        return parts.join(u", "_s);
    };
    QSqlQuery query(db);
    query.setForwardOnly(true);
    query.exec(u"SELECT flag, dayofweek FROM BRarc66"_s);
    out << "Tasks by kind (T = every-day one-shot): " << kinds(query) << "\n";
    agenda::selectDay(query, agenda::todayStatement(false), day);
    out << "Today list of the queried date by kind: " << kinds(query) << "\n";
}

// Executes a day-selection statement for `day` and reads every column of
// every row, as a list view does. Returns the row count.
int fetchDay(QSqlQuery& query, const QString& statement, const QDate& day)
{
    QString error;
    if (!agenda::selectDay(query, statement, day, &error))
        qFatal("query failed: %s", qPrintable(error));
    const int columns = query.record().count();
    int rows = 0;
    while (query.next()) {
        for (int column = 0; column < columns; ++column)
            query.value(column);
        ++rows;
    }
    return rows;
}

Line timeDayQuery(const QSqlDatabase& db, const QString& name, const QString& statement, const QDate& day,
                  std::optional<double> target)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    Line line = ::line(name, target);
    line.summary = bench::measure(20, 201, [&] { line.rows = fetchDay(query, statement, day); });
    return line;
}

Line timeCalendarMonth(const QSqlDatabase& db, const QDate& anyDay)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    const QString statement = agenda::calendarStatement(agenda::AllDayClauses, false);
    const QDate first(anyDay.year(), anyDay.month(), 1);
    Line line = ::line(u"Calendar statement reading every row, %1 days of %2"_s.arg(first.daysInMonth())
                           .arg(first.toString(u"yyyy-MM"_s)),
                       std::nullopt);
    line.summary = bench::measure(3, 21, [&] {
        line.rows = 0;
        for (QDate day = first; day.month() == first.month(); day = day.addDays(1))
            line.rows += fetchDay(query, statement, day);
    });
    return line;
}

// The marking run the side calendar makes for a month: per day and kind,
// whether any task falls on it.
Line timeMarkingRun(const QSqlDatabase& db, const QDate& anyDay)
{
    Line line = ::line(u"Calendar marking of %1 (31 days, as the program runs it)"_s.arg(anyDay.toString(u"yyyy-MM"_s)),
                       40.0);
    line.summary = bench::measure(3, 21, [&] {
        const std::optional<agenda::MonthMarks> marks = agenda::markMonth(db, anyDay, agenda::MarkingOptions{});
        line.rows = marks ? int(marks->litDays().size()) : -1;
    });
    return line;
}

// Prints whether the plan of a day-selection statement reads the whole task
// table, and the plan itself as a tree when asked.
void printPlan(const QSqlDatabase& db, const QString& title, const QString& statement, const QDate& day,
               bool showTree)
{
    QSqlQuery query(db);
    QString error;
    if (!agenda::selectDay(query, u"EXPLAIN QUERY PLAN "_s + statement, day, &error))
        qFatal("EXPLAIN failed: %s", qPrintable(error));
    QHash<int, int> depth;
    QStringList tree;
    bool fullScan = false;
    while (query.next()) {
        const int id = query.value(0).toInt();
        const int level = depth.value(query.value(1).toInt(), -1) + 1;
        depth.insert(id, level);
        const QString detail = query.value(3).toString();
        if (detail.startsWith(u"SCAN BRarc66"))
            fullScan = true;
        tree << QString(2 * level + 2, u' ') + detail;
    }
    out << title << ": " << (fullScan ? "FULL SCAN of BRarc66" : "index searches only") << "\n";
    if (showTree)
        out << tree.join(u'\n') << "\n";
}

void printTable(const QList<Line>& lines)
{
    auto ms = [](double value) -> QString { return QString::number(value, 'f', 3) + u" ms"_s; };
    out << "| Measurement | Rows | Median | Min | Max | Runs | Floor (median) | Ratio | Target | Result |\n"
        << "|---|---:|---:|---:|---:|---:|---:|---:|---:|---|\n";
    for (const Line& line : lines) {
        const Summary& s = line.summary;
        QStringList targets;
        if (line.targetMs)
            targets << u"≤ "_s + QString::number(*line.targetMs) + u" ms"_s;
        if (line.targetMaxMs)
            targets << u"worst ≤ "_s + QString::number(*line.targetMaxMs) + u" ms"_s;
        if (line.targetRatio)
            targets << u"≤ "_s + QString::number(*line.targetRatio) + u" x floor"_s;
        const bool held = line.targetMs || line.targetMaxMs || line.targetRatio;
        const QString result = !held ? u"report"_s : line.passes() ? u"PASS"_s : u"OVER"_s;
        const QString floor = line.floor ? ms(line.floor->median) + u" ("_s + line.floorName + u')' : u"—"_s;
        const QString ratio = line.ratio() ? QString::number(*line.ratio(), 'f', 2) + u" x"_s : u"—"_s;
        out << "| " << line.name << " | " << line.rows << " | " << ms(s.median) << " | " << ms(s.min) << " | "
            << ms(s.max) << " | " << s.runs << " | " << floor << " | " << ratio << " | "
            << (targets.isEmpty() ? u"—"_s : targets.join(u", "_s)) << " | " << result << " |\n";
    }
    out.flush();
}

int generateCommand(const QStringList& arguments)
{
    int count = bench::kDefaultTaskCount;
    if (arguments.size() > 3) {
        bool ok = false;
        count = arguments[3].toInt(&ok);
        if (!ok || count < 0) {
            err << "brivane-bench: \"" << arguments[3] << "\" is not a task count\n";
            return 2;
        }
    }
    if (arguments.size() < 3 || arguments.size() > 4) {
        err << "usage: brivane-bench [--generate DIR [N] | --themes | --shell-script DIR yyyy-mm-dd [DAYS]]\n";
        return 2;
    }
    QString error;
    if (!bench::generateArchive(arguments[2], count, &error)) {
        err << "brivane-bench: " << error << "\n";
        return 1;
    }
    out << "Wrote " << count << " tasks to " << QDir(arguments[2]).absoluteFilePath(u"myarcs/boarc.abs"_s)
        << "\n";
    return 0;
}

void printThemeFigures(const QString& home)
{
    const bench::ThemeFigures theme = bench::measureThemes(home, QString::fromUtf8(BRIVANE_PROGRAM));
    QList<Line> themeLines;
    themeLines << pairedLine(u"Applying a theme (default layer, then a chosen one)"_s, theme.files, theme.apply,
                             u"reading the same files' bytes"_s, theme.floor, 150.0)
               << pairedLine(u"First show dressed in the theme, from process start"_s, 1, theme.firstShow,
                             u"--agenda process on the same archive"_s, theme.processFloor, 1000.0);
    out << "\n";
    printTable(themeLines);
    out << "Theme application is " << QString::number(theme.apply.median / qMax(0.001, theme.floor.median), 'f', 1)
        << " x its file-reading floor; the first show is "
        << QString::number(theme.firstShow.median / qMax(0.001, theme.processFloor.median), 'f', 1)
        << " x the --agenda process.\n";
    out.flush();
}

// Prints the sqlite3 shell script the agenda figures use as their floor, to
// time it by hand: brivane-bench --shell-script DIR 2025-07-15 | sqlite3 DIR/myarcs/boarc.abs
int shellScriptCommand(const QStringList& arguments)
{
    const QDate day = QDate::fromString(arguments.value(3), u"yyyy-MM-dd"_s);
    bool ok = arguments.size() < 5;
    const int days = ok ? 1 : arguments[4].toInt(&ok);
    if (arguments.size() < 4 || arguments.size() > 5 || !day.isValid() || !ok || days < 1) {
        err << "usage: brivane-bench --shell-script DIR yyyy-mm-dd [DAYS]\n";
        return 2;
    }
    store::Archive archive(u"SCRIPT"_s);
    QString error;
    if (!archive.openReadOnly(store::ArchiveLocation::defaultArchiveFolder(arguments[2] + u'/'), &error)) {
        err << "brivane-bench: " << error << "\n";
        return 1;
    }
    out << QString::fromUtf8(bench::agendaShellScript(archive.database(), day, days));
    out.flush();
    return 0;
}

// Only the theme figures, on a freshly generated archive.
int themesCommand()
{
    QTemporaryDir home;
    QString error;
    if (!home.isValid() || !bench::generateArchive(home.path(), bench::kDefaultTaskCount, &error)) {
        err << "brivane-bench: " << error << "\n";
        return 1;
    }
    printThemeFigures(home.path());
    return 0;
}

int benchmark()
{
    QTemporaryDir home;
    if (!home.isValid()) {
        err << "brivane-bench: no temporary folder\n";
        return 1;
    }
    const QDate day = bench::referenceDate();
    const int count = bench::kDefaultTaskCount;

    QElapsedTimer timer;
    timer.start();
    QString error;
    if (!bench::generateArchive(home.path(), count, &error)) {
        err << "brivane-bench: " << error << "\n";
        return 1;
    }
    const double generateSeconds = double(timer.elapsed()) / 1000;

    const QString folder = store::ArchiveLocation::defaultArchiveFolder(home.path() + u'/');
    store::Archive archive(u"BENCH"_s);
    if (!archive.open(folder, &error)) {
        err << "brivane-bench: " << error << "\n";
        return 1;
    }
    const QSqlDatabase db = archive.database();

    printMachine(db);
    out << "Archive: " << count << " tasks generated in " << QString::number(generateSeconds, 'f', 2)
        << " s, " << QString::number(double(QFileInfo(archive.filePath()).size()) / (1024 * 1024), 'f', 1)
        << " MiB; queried date " << store::toSqlDate(day) << " (" << QLocale().dayName(day.dayOfWeek())
        << ")\n";
    printMix(db, day);
    out << "\n";
    out.flush();

    // A smaller archive for the whole-process figure of the terminal agenda,
    // and an empty one for the start-up of a new user.
    QTemporaryDir smallHome;
    QTemporaryDir emptyHome;
    if (!bench::generateArchive(smallHome.path(), 1000, &error) || !bench::generateArchive(emptyHome.path(), 0, &error)) {
        err << "brivane-bench: " << error << "\n";
        return 1;
    }

    out << "Every figure stands beside its floor measured in the same run: the same statement through the\n"
        << "SQLite C API on the same connection, or the sqlite3 shell for whole processes. Runs alternate.\n\n";
    QList<Line> lines;
    lines << bench::queryFigures(db, day);
    lines << timeCalendarMonth(db, day);
    lines << timeMarkingRun(db, day);
    lines << timeDayQuery(db, u"Alarm list query, 1 day"_s, agenda::alarmListStatement(), day, std::nullopt);
    printTable(lines);

    out << "\n";
    const QList<Line> agendaLines = bench::agendaFigures(home.path(), smallHome.path(), day, db);
    printTable(agendaLines);
    // The agenda prints exactly the Today rows; a different count means the
    // child's locale wrote other weekday names or date separators.
    if (agendaLines.first().rows == lines.first().rows)
        out << "Cross-check: brivane-agenda (LC_ALL=" << kChildLocale << ") printed the same " << lines.first().rows
            << " rows as the Today query.\n";
    else
        out << "Cross-check: WARNING brivane-agenda (LC_ALL=" << kChildLocale << ") printed "
            << agendaLines.first().rows << " rows, the Today query found " << lines.first().rows << ".\n";

    // Lists and reminders, as the running program meets them.
    out << "\n";
    QList<Line> resident = bench::searchFigures(db);
    Line tick = ::line(u"Alarm tick over 1,000 tasks of today"_s, 0.2);
    tick.rows = 1000;
    tick.summary = bench::timeAlarmTick();
    resident << tick;
    printTable(resident);

    out << "\nThe real window (offscreen), in child processes:\n";
    printTable(bench::windowFigures(home.path(), emptyHome.path(), archive.filePath()));

    const bench::IdleUse idle = bench::measureIdle(home.path(), QString::fromUtf8(BRIVANE_PROGRAM), 60);
    out << "\nIdle program (hidden in the tray, alarm on, this archive), over " << idle.seconds << " s: "
        << QString::number(idle.cpuPercent, 'f', 2) << " % of one core (target < 0.5 %), "
        << QString::number(idle.residentMiB, 'f', 1) << " MiB resident (target < 120 MiB)\n";

    const bench::DocumentFigures documents = bench::measureDocuments(db, archive.filePath(), day.addDays(-182));
    QList<Line> documentLines;
    documentLines << pairedLine(u"Daily plan of a year (365 days) on this archive"_s, documents.planLines,
                                documents.yearPlan, u"the same Today statement for the 365 days, SQLite C API"_s,
                                documents.yearPlanFloor, 2000.0)
                  << pairedLine(u"Laying out the contact report of 10,000 contacts"_s, documents.contactPages,
                                documents.contactLayout, u"measuring the width of every cell once"_s,
                                documents.contactLayoutFloor, 2000.0);
    out << "\n";
    printTable(documentLines);
    out << "Daily plan / floor: " << QString::number(documents.yearPlan.median / documents.yearPlanFloor.median, 'f', 1)
        << "x; contact layout / floor: "
        << QString::number(documents.contactLayout.median / documents.contactLayoutFloor.median, 'f', 1) << "x\n";
    out.flush();

    const bench::BookFigures book = bench::measureBook(home.path() + u"/book"_s);
    QList<Line> bookLines;
    const auto bookLine = [](const QString& name, int rows, const Summary& summary, double target) {
        Line made = ::line(name, target);
        made.rows = rows;
        made.summary = summary;
        return made;
    };
    Line contactLine = bookLine(u"Contact search keystroke, 50,000 contacts (\"r\" … \"ross\")"_s, book.contactRows,
                                book.contactKeystroke, 10.0);
    contactLine.floor = book.contactFloor;
    contactLine.floorName = u"its count and first page, SQLite C API"_s;
    Line noteLine = bookLine(u"Note search keystroke, 20,000 notes of 1 KB (\"g\" … \"gard\")"_s, book.noteRows,
                             book.noteKeystroke, 10.0);
    noteLine.floor = book.noteFloor;
    noteLine.floorName = u"its statement, SQLite C API"_s;
    bookLines << contactLine << bookLine(u"CSV export of 10,000 contacts"_s, 10000, book.csvExport, 1000.0)
              << bookLine(u"CSV import of 10,000 contacts"_s, book.imported, book.csvImport, 2000.0) << noteLine
              << bookLine(u"Reading a 1 MB note from the archive"_s, 1, book.bigNoteRead, 50.0);
    out << "\n";
    printTable(bookLines);

    const bench::ArchiveCareFigures care = bench::measureArchiveCare(archive.filePath(), home.path() + u"/care"_s);
    if (!care.error.isEmpty())
        err << "brivane-bench: archive care: " << care.error << "\n";
    QList<Line> careLines;
    careLines << pairedLine(u"Backup, 100,000 tasks and 50,000 contacts (%1 MiB)"_s.arg(care.archiveMiB, 0, 'f', 1), 0,
                            care.backup, u"VACUUM INTO through the C API"_s, care.backupFloor, 2000.0)
              << pairedLine(u"Deposit of 10,000 one-shot tasks into the repository"_s, care.deposited, care.deposit,
                            u"the same two statements through the C API"_s, care.depositFloor, 1000.0);
    out << "\n";
    printTable(careLines);
    auto ratio = [](const bench::Summary& figure, const bench::Summary& floor) {
        return floor.median > 0 ? QString::number(figure.median / floor.median, 'f', 2) : u"-"_s;
    };
    out << "Ratios to the floor (medians): backup " << ratio(care.backup, care.backupFloor) << ", deposit "
        << ratio(care.deposit, care.depositFloor) << "\n";
    printThemeFigures(home.path());

    out << "\nQuery plans (EXPLAIN QUERY PLAN):\n";
    printPlan(db, u"Today"_s, agenda::todayStatement(false), day, true);
    printPlan(db, u"Alarm list"_s, agenda::alarmListStatement(), day, false);
    printPlan(db, u"Calendar"_s, agenda::calendarStatement(agenda::AllDayClauses, false), day, false);
    out.flush();
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    // The theme figures decode pictures and draw the default theme's preview;
    // the report layout measures text, which needs fonts, not a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    // Weekday names and date separators of the stored day pieces and of the
    // query pieces both come from the default locale.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));

    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() > 1 && arguments[1] == u"--generate")
        return generateCommand(arguments);
    if (arguments.size() > 1 && arguments[1] == u"--themes")
        return themesCommand();
    if (arguments.size() > 1 && arguments[1] == u"--shell-script")
        return shellScriptCommand(arguments);
    if (arguments.size() > 1) {
        err << "usage: brivane-bench [--generate DIR [N] | --themes | --shell-script DIR yyyy-mm-dd [DAYS]]\n";
        return 2;
    }
    return benchmark();
}
