#include "cli/AgendaCommand.h"

#include "agenda/DaySelection.h"
#include "agenda/DoneState.h"
#include "platform/Clock.h"
#include "store/Archive.h"
#include "store/ArchiveLocation.h"
#include "store/ArchiveStartup.h"
#include "store/EngineRead.h"
#include "store/Schema.h"
#include "store/SqlDate.h"

#include <QDir>
#include <QFileInfo>
#include <QTextStream>

namespace brivane::cli {

namespace {

constexpr int kMaxDays = 3660;
// As long as the program waits for another computer's write.
constexpr int kBusyMs = 5000;

// A description on one line: its line breaks become blanks.
void appendFlattened(QByteArray& text, QByteArrayView value)
{
    const qsizetype start = text.size();
    text += value;
    for (qsizetype i = start; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n')
            text[i] = ' ';
    }
}

} // namespace

QString agendaStatement(bool showSuspended)
{
    QString text = agenda::todayStatement(showSuspended);
    return text.replace(QLatin1String("SELECT * FROM"), QLatin1String("SELECT orario, orario2, flag, codimp, fatto, id FROM"));
}

QString agendaUsage()
{
    return QStringLiteral("usage: brivane-organizer --agenda [yyyy-mm-dd] [--days N] [--show-suspended]");
}

bool parseAgendaArguments(const QStringList& arguments, const QDate& today, AgendaRequest& request, QString* error)
{
    request = AgendaRequest();
    request.from = today;
    bool dateSeen = false;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1String("--show-suspended")) {
            request.showSuspended = true;
        } else if (argument == QLatin1String("--days") || argument.startsWith(QLatin1String("--days="))) {
            QString value;
            if (argument.startsWith(QLatin1String("--days=")))
                value = argument.mid(7);
            else if (i + 1 < arguments.size())
                value = arguments[++i];
            bool ok = false;
            request.days = value.toInt(&ok);
            if (!ok || request.days < 1 || request.days > kMaxDays) {
                *error = QStringLiteral("--days needs a whole number from 1 to %1, not \"%2\"").arg(kMaxDays).arg(value);
                return false;
            }
        } else if (!dateSeen && !argument.startsWith(QLatin1Char('-'))) {
            request.from = QDate::fromString(argument, QStringLiteral("yyyy-MM-dd"));
            if (!request.from.isValid() || argument.size() != 10) {
                *error = QStringLiteral("\"%1\" is not a date of the form yyyy-mm-dd").arg(argument);
                return false;
            }
            dateSeen = true;
        } else {
            *error = QStringLiteral("unknown argument \"%1\"").arg(argument);
            return false;
        }
    }
    return true;
}

namespace {

// Prints the agenda from an open engine connection to the archive at `path`.
int printAgenda(sqlite3* connection, const QString& path, const AgendaRequest& request, QTextStream& out,
                QTextStream& err)
{
    // Columns by position, dates compared as their stored text, and the
    // whole answer written at once: the output costs little beside the
    // engine's own work.
    enum Column { Orario, Orario2, Flag, Codimp, Fatto, Id };
    // One day reads most pages once, and fresh cache memory costs more than
    // reading a page again; more days come back to the same pages.
    store::EngineStatement(connection, QStringLiteral("PRAGMA cache_size=-%1").arg(qMin(32768, 2000 * request.days)),
                           [](const QString&) { return QVariant(); })
        .next();
    const QString statement = agendaStatement(request.showSuspended);
    QByteArray text;
    for (int offset = 0; offset < request.days; ++offset) {
        const QDate day = request.from.addDays(offset);
        const QByteArray date = store::toSqlDate(day).toLatin1();
        store::EngineStatement rows(connection, statement,
                                    [&day](const QString& name) { return agenda::dayParameter(name, day); });
        while (rows.next()) {
            text += date;
            text += '\t';
            text += rows.text(Orario);
            text += '\t';
            text += rows.text(Orario2);
            text += '\t';
            text += rows.text(Flag);
            text += '\t';
            text += QByteArray::number(rows.integer(Codimp));
            text += agenda::isDoneForText(rows.text(Fatto), date) ? "\tY\t" : "\tN\t";
            appendFlattened(text, rows.text(Id));
            text += '\n';
        }
        // A failed read ends the run with nothing printed: part of an
        // agenda would pass for all of it.
        if (rows.failed()) {
            err << "brivane-organizer: "
                << (rows.damaged() ? store::Archive::damagedText(path) : rows.errorText()) << "\n";
            return AgendaArchiveError;
        }
    }
    // The text is UTF-8 already, as the stream would write it: a stream on
    // a file takes the bytes as they are.
    out.flush();
    if (QIODevice* device = out.device()) {
        device->write(text);
    } else {
        out << QString::fromUtf8(text);
        out.flush();
    }
    return AgendaOk;
}

} // namespace

int runAgenda(const AgendaRequest& request, const QString& programFolder, QTextStream& out, QTextStream& err)
{
    // The common case, no shared folder named in Net.txt and an archive
    // whose layout is current, only reads: a bare engine connection does it
    // without loading Qt SQL and its driver.
    const QString defaultFolder = store::ArchiveLocation::defaultArchiveFolder(programFolder);
    const QString defaultPath = QDir(defaultFolder).filePath(QLatin1String(store::Archive::kFileName));
    if (!store::ArchiveLocation::readNetFile(defaultFolder).present && QFileInfo::exists(defaultPath)) {
        store::EngineReader reader;
        if (reader.open(defaultPath, kBusyMs) && store::Schema::isCurrent(reader.handle(), defaultFolder))
            return printAgenda(reader.handle(), defaultPath, request, out, err);
    }

    store::ArchiveStartup startup;
    startup.onMissingSharedFolder = [&err](const QString& named, const QString& fallback) {
        err << "warning: the archive folder \"" << named << "\" named in Net.txt was not found; using the default folder \""
            << fallback << "\"\n";
        err.flush();
        return store::ArchiveStartup::NetFileChoice::Keep;
    };
    startup.onNetFileRefused = [&err](const QString& message) {
        err << "warning: " << message << "\n";
        err.flush();
    };
    // Printing the agenda only reads: an archive the user may not write is
    // read as it is.
    startup.readOnlyAllowed = true;
    store::Archive archive(QStringLiteral("BOARC_AGENDA"));
    store::ArchiveStartup::Outcome outcome;
    QString error;
    if (!startup.open(archive, programFolder, outcome, &error)) {
        err << "brivane-organizer: " << error << "\n";
        return AgendaArchiveError;
    }
    return printAgenda(store::engineHandle(archive.database()), archive.filePath(), request, out, err);
}

int runCommandLine(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    const QStringList rest = arguments.mid(1);
    if (rest.contains(QLatin1String("--help")) || rest.contains(QLatin1String("-h"))) {
        out << "Brivane Organizer " << BRIVANE_VERSION << " - agenda, contacts, notes and to-do list\n\n"
            << "  brivane-organizer                 start the organizer (in the tray or its window)\n"
            << "  brivane-organizer control         end at once on a day without tasks\n"
            << "  brivane-organizer --agenda [yyyy-mm-dd] [--days N] [--show-suspended]\n"
            << "                                    print the tasks of N days (default 1) from a date\n"
            << "                                    (default today), one tab-separated line each:\n"
            << "                                    date, from, to, kind, key, done (Y/N), description\n"
            << "  brivane-organizer --version       print the version\n\n"
            << "BRIVANE_HOME, when set, names the folder that holds myarcs/boarc.abs.\n";
        return 0;
    }
    if (rest.contains(QLatin1String("--version"))) {
        out << "brivane-organizer " << BRIVANE_VERSION << "\n";
        return 0;
    }
    if (rest.isEmpty() || rest.first() != QLatin1String("--agenda"))
        return -1;
    AgendaRequest request;
    QString error;
    if (!parseAgendaArguments(rest.mid(1), platform::Clock::instance().today(), request, &error)) {
        err << "brivane-organizer: " << error << "\n" << agendaUsage() << "\n";
        return AgendaUsageError;
    }
    return runAgenda(request, store::ArchiveLocation::programFolder(), out, err);
}

} // namespace brivane::cli
