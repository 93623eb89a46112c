#include "notes/ExternalProgram.h"

#include <QProcess>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace brivane::notes {

namespace {

struct Recorder
{
    bool recording = false;
    QStringList started;
};

Recorder& recorder()
{
    static Recorder instance;
    return instance;
}

} // namespace

QStringList characterMapPrograms()
{
    return {u"gucharmap"_s, u"gnome-characters"_s, u"kcharselect"_s};
}

QStringList calculatorPrograms()
{
    return {u"gnome-calculator"_s, u"kcalc"_s, u"galculator"_s};
}

QString findInstalledProgram(const QStringList& candidates, const QStringList& folders)
{
    for (const QString& name : candidates) {
        const QString path = QStandardPaths::findExecutable(name, folders);
        if (!path.isEmpty())
            return path;
    }
    return {};
}

bool ProgramLauncher::start(const QString& program, const QStringList& arguments)
{
    if (recorder().recording) {
        recorder().started.append((QStringList{program} + arguments).join(QLatin1Char(' ')));
        return true;
    }
    return QProcess::startDetached(program, arguments);
}

void ProgramLauncher::setRecording(bool recording)
{
    recorder().recording = recording;
}

QStringList ProgramLauncher::started()
{
    return recorder().started;
}

void ProgramLauncher::clearStarted()
{
    recorder().started.clear();
}

} // namespace brivane::notes
