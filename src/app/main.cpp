#include "cli/AgendaCommand.h"
#include "platform/widgets/SingleInstance.h"
#include "store/ArchiveLocation.h"
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
        brivane::store::ArchiveLocation::nameTheProgram();
        QTextStream out(stdout);
        QTextStream err(stderr);
        const int status = brivane::cli::runCommandLine(arguments, out, err);
        if (status >= 0)
            return status;
        err << "brivane-organizer: unknown option \"" << arguments[1] << "\"\n" << brivane::cli::agendaUsage() << "\n";
        return brivane::cli::AgendaUsageError;
    }

    QApplication app(argc, argv);
    // No display name: Qt would add it to every window title, and the
    // titles already carry the program's name.
    brivane::store::ArchiveLocation::nameTheProgram();
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWheelScrollLines(1);

    // A second start hands its arguments to the running copy and ends here,
    // before any window or archive exists.
    brivane::platform::SingleInstance instance(brivane::store::ArchiveLocation::programFolder());
    if (instance.start(arguments.mid(1)) == brivane::platform::SingleInstance::Role::Secondary)
        return 0;

    brivane::shell::MainWindow window(arguments.mid(1));
    QObject::connect(&instance, &brivane::platform::SingleInstance::activationRequested, &window,
                     &brivane::shell::MainWindow::activate);
    QObject::connect(&instance, &brivane::platform::SingleInstance::handOffRefused, &window,
                     &brivane::shell::MainWindow::showError);
    if (!window.create())
        return window.exitCode();
    return app.exec();
}
