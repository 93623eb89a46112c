// brivane-agenda: the terminal agenda on its own, without the window's
// libraries. `brivane-agenda [yyyy-mm-dd] [--days N] [--show-suspended]`
// prints what `brivane-organizer --agenda` prints for the same arguments.
#include "cli/AgendaCommand.h"
#include "store/ArchiveLocation.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    brivane::store::ArchiveLocation::nameTheProgram();
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (arguments.value(1) != QLatin1String("--agenda"))
        arguments.insert(1, QStringLiteral("--agenda"));
    QTextStream out(stdout);
    QTextStream err(stderr);
    return brivane::cli::runCommandLine(arguments, out, err);
}
