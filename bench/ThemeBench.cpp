#include "ThemeBench.h"

#include "themes/BuiltinArt.h"
#include "themes/SectionColorsFile.h"
#include "themes/ThemeFolder.h"
#include "themes/ThemeState.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>

namespace brivane::bench {

namespace {

// A chosen theme that replaces every picture of the default one.
void writeChosenTheme(const QString& home)
{
    const QDir source(themes::themeFolder(home, QStringLiteral("default")));
    const QString chosen = themes::themeFolder(home, QStringLiteral("chosen"));
    QDir().mkpath(chosen);
    for (const QString& file : source.entryList(QDir::Files))
        QFile::copy(source.filePath(file), QDir(chosen).filePath(file));
    themes::writeSectionColors(QDir(chosen).filePath(QStringLiteral("Colors.clr")), QStringList(9, QStringLiteral("clTeal")));
}

Summary timeProcess(const QString& home, const QString& program, const QStringList& arguments, bool untilThemed)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("BRIVANE_HOME"), home);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("BRIVANE_NO_SINGLE_INSTANCE"), QStringLiteral("1"));
    environment.insert(QStringLiteral("BRIVANE_REPORT_THEMED"), QStringLiteral("1"));
    return measure(1, 7, [&] {
        QProcess process;
        process.setProcessEnvironment(environment);
        process.setReadChannel(QProcess::StandardError);
        process.start(program, arguments);
        if (untilThemed) {
            QByteArray seen;
            while (!seen.contains("themed") && process.waitForReadyRead(30000))
                seen += process.readAllStandardError();
            if (!seen.contains("themed"))
                qFatal("the program never showed its window: %s", seen.constData());
            process.kill();
            process.waitForFinished(10000);
        } else if (!process.waitForFinished(60000)) {
            qFatal("the program did not finish");
        }
    });
}

} // namespace

ThemeFigures measureThemes(const QString& home, const QString& program)
{
    ThemeFigures figures;
    themes::prepareThemes(home, QStringLiteral("default"), themes::builtinButtonPictures());
    writeChosenTheme(home);
    const QString defaultFolder = themes::themeFolder(home, QStringLiteral("default"));
    const QString chosenFolder = themes::themeFolder(home, QStringLiteral("chosen"));
    const themes::ThemeState base = themes::ThemeState::builtin();
    figures.apply = measure(3, 31, [&] {
        themes::ThemeState state = base;
        themes::applyThemeFolder(defaultFolder, defaultFolder, state);
        themes::applyThemeFolder(chosenFolder, defaultFolder, state);
    });
    QStringList files;
    for (const QString& folder : {defaultFolder, chosenFolder}) {
        for (const QString& file : QDir(folder).entryList(QDir::Files))
            files << QDir(folder).filePath(file);
    }
    figures.files = int(files.size());
    figures.floor = measure(3, 31, [&] {
        for (const QString& path : files) {
            QFile file(path);
            if (file.open(QIODevice::ReadOnly))
                file.readAll();
        }
    });
    figures.firstShow = timeProcess(home, program, {}, true);
    figures.processFloor = timeProcess(home, program, {QStringLiteral("--agenda"), QStringLiteral("2025-07-15")}, false);
    return figures;
}

} // namespace brivane::bench
