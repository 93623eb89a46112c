#pragma once

#include <QString>

class QWidget;

namespace brivane::shell {

// The Options commands that write desktop files; each asks and reports
// through message boxes.
class DesktopCommands
{
public:
    DesktopCommands(QWidget* parent, QString executable, QString programFolder);

    // Creates or removes the autostart entry; returns whether it exists now.
    bool setAutostart(bool on);
    static bool autostartExists();
    void linkToDesktop();
    void toggleAutorun();

private:
    QWidget* m_parent;
    QString m_executable;
    QString m_programFolder;
};

} // namespace brivane::shell
