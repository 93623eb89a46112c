#pragma once

#include <QDate>
#include <QStringList>

class QTextStream;

namespace brivane::cli {

// The terminal agenda: opens the archive as a normal start does (Net.txt,
// create and upgrade) without any window or question, and prints the Today
// list of each requested day, one tab-separated line per task:
//   date  orario  orario2  flag  codimp  done(Y/N)  id
// It changes no task: no purge, no pending-restore swap.
struct AgendaRequest
{
    QDate from;
    int days = 1;
    bool showSuspended = false;
};

// Exit statuses: 0 printed, 1 the archive could not be opened, 2 bad arguments.
enum AgendaStatus { AgendaOk = 0, AgendaArchiveError = 1, AgendaUsageError = 2 };

QString agendaUsage();
// The Today statement of a day, reading only the columns the agenda prints.
QString agendaStatement(bool showSuspended);
// Parses the arguments that follow "--agenda"; false with a message on bad input.
bool parseAgendaArguments(const QStringList& arguments, const QDate& today, AgendaRequest& request, QString* error);
int runAgenda(const AgendaRequest& request, const QString& programFolder, QTextStream& out, QTextStream& err);

// Command-line entry for --agenda, --help and --version; returns -1 when the
// arguments ask for the window instead.
int runCommandLine(const QStringList& arguments, QTextStream& out, QTextStream& err);

} // namespace brivane::cli
