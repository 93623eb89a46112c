#pragma once

#include <QString>
#include <QStringList>

namespace brivane::notes {

// The desktop's character map and calculator: the first installed program
// of a short list of common ones.
QStringList characterMapPrograms();
QStringList calculatorPrograms();

// The full path of the first candidate found in the folders (the PATH when
// none are given); empty when none is installed.
QString findInstalledProgram(const QStringList& candidates, const QStringList& folders = {});

// Starts a program on its own, detached from this process; its result is
// ignored. Tests record the programs instead of starting them.
class ProgramLauncher
{
public:
    static bool start(const QString& program, const QStringList& arguments = {});

    static void setRecording(bool recording);
    static QStringList started();
    static void clearStarted();
};

} // namespace brivane::notes
