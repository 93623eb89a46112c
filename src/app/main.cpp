#include "cli/AgendaCommand.h"
#include "shell/MainWindow.h"

#include <QApplication>
#include <QTextStream>

#include <cstdio>

int main(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    // The terminal commands need no display.
    const bool commandLine = arguments.size() > 1 && arguments[1].startsWith(QLatin1String("--"));
    if (commandLine) {
        QCoreApplication app(argc, argv);
        QTextStream out(stdout);
        QTextStream err(stderr);
        const int status = brivane::cli::runCommandLine(arguments, out, err);
        if (status >= 0)
            return status;
        err << "brivane-organizer: unknown option \"" << arguments[1] << "\"\n" << brivane::cli::agendaUsage() << "\n";
        return brivane::cli::AgendaUsageError;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Brivane Organizer"));
    QApplication::setApplicationDisplayName(QStringLiteral("Brivane Organizer"));
    QApplication::setOrganizationName(QStringLiteral("Brivane"));
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWheelScrollLines(1);

    brivane::shell::MainWindow window(arguments.mid(1));
    if (!window.create())
        return window.exitCode();
    return app.exec();
}
