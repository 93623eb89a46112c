#include "cli/AgendaCommand.h"

#include "agenda/DaySelection.h"
#include "agenda/DoneState.h"
#include "platform/Clock.h"
#include "store/Archive.h"
#include "store/ArchiveLocation.h"
#include "store/ArchiveStartup.h"
#include "store/SqlDate.h"

#include <QSqlQuery>
#include <QTextStream>

namespace brivane::cli {

namespace {

constexpr int kMaxDays = 3660;

QString flatten(QString text)
{
    if (!text.contains(QLatin1Char('\r')) && !text.contains(QLatin1Char('\n')))
        return text;
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text;
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

int runAgenda(const AgendaRequest& request, const QString& programFolder, QTextStream& out, QTextStream& err)
{
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

    // Columns by position, dates compared as their stored text, and the
    // whole answer written at once: the output costs little beside the
    // engine's own work.
    enum Column { Orario, Orario2, Flag, Codimp, Fatto, Id };
    QSqlQuery query(archive.database());
    query.setForwardOnly(true);
    const QString statement = agendaStatement(request.showSuspended);
    QString text;
    for (int offset = 0; offset < request.days; ++offset) {
        const QDate day = request.from.addDays(offset);
        if (!agenda::selectDay(query, statement, day, &error)) {
            err << "brivane-organizer: " << error << "\n";
            return AgendaArchiveError;
        }
        const QString date = store::toSqlDate(day) + QLatin1Char('\t');
        while (query.next()) {
            text += date;
            text += query.value(Orario).toString();
            text += QLatin1Char('\t');
            text += query.value(Orario2).toString();
            text += QLatin1Char('\t');
            text += query.value(Flag).toString();
            text += QLatin1Char('\t');
            text += QString::number(query.value(Codimp).toLongLong());
            text += agenda::isDoneForText(query.value(Fatto).toString(), QStringView(date).left(10))
                        ? QLatin1String("\tY\t")
                        : QLatin1String("\tN\t");
            text += flatten(query.value(Id).toString());
            text += QLatin1Char('\n');
        }
    }
    out << text;
    out.flush();
    return AgendaOk;
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
