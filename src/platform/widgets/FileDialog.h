#pragma once

#include <QList>
#include <QString>

class QWidget;

namespace brivane::platform {

// Folder and file pickers. Scripted in tests: the next names are returned
// without showing anything (an empty name is a cancelled dialog).
class FileDialog
{
public:
    static QString chooseFolder(QWidget* parent, const QString& caption, const QString& startFolder);
    static QString openFile(QWidget* parent, const QString& caption, const QString& startFolder,
                            const QString& filter);
    // The chosen type's extension is added to a name typed without one.
    static QString saveFile(QWidget* parent, const QString& caption, const QString& startFolder,
                            const QString& filter);
    // The same, telling which file type was chosen. Scripted, the type is
    // the one whose pattern matches the name's extension, else the first.
    static QString saveFile(QWidget* parent, const QString& caption, const QString& startFolder,
                            const QString& filter, QString* selectedFilter);

    static void setScripted(bool scripted);
    static void setNextNames(const QList<QString>& names);

private:
    static bool takeScripted(QString& name);
};

} // namespace brivane::platform
