#include "platform/widgets/FileDialog.h"

#include "platform/SaveName.h"

#include <QFileDialog>
#include <QFileInfo>

namespace brivane::platform {

namespace {
bool scripted = false;
QList<QString> nextNames;
} // namespace

void FileDialog::setScripted(bool value)
{
    scripted = value;
}

void FileDialog::setNextNames(const QList<QString>& names)
{
    nextNames = names;
}

bool FileDialog::takeScripted(QString& name)
{
    if (!scripted)
        return false;
    name = nextNames.isEmpty() ? QString() : nextNames.takeFirst();
    return true;
}

QString FileDialog::chooseFolder(QWidget* parent, const QString& caption, const QString& startFolder)
{
    QString name;
    if (takeScripted(name))
        return name;
    return QFileDialog::getExistingDirectory(parent, caption, startFolder);
}

QString FileDialog::openFile(QWidget* parent, const QString& caption, const QString& startFolder,
                             const QString& filter)
{
    QString name;
    if (takeScripted(name))
        return name;
    return QFileDialog::getOpenFileName(parent, caption, startFolder, filter);
}

QString FileDialog::saveFile(QWidget* parent, const QString& caption, const QString& startFolder,
                             const QString& filter)
{
    // A scripted name stands for one typed with the first type chosen.
    QString name;
    if (takeScripted(name))
        return withTypeExtension(name, firstFilter(filter));
    QString selected = firstFilter(filter);
    name = QFileDialog::getSaveFileName(parent, caption, startFolder, filter, &selected);
    return withTypeExtension(name, selected);
}

QString FileDialog::saveFile(QWidget* parent, const QString& caption, const QString& startFolder,
                             const QString& filter, QString* selectedFilter)
{
    QString name;
    if (takeScripted(name)) {
        const QStringList types = filter.split(QStringLiteral(";;"));
        QString chosen = types.value(0);
        const QString suffix = QStringLiteral("*.") + QFileInfo(name).suffix();
        for (const QString& type : types)
            if (!QFileInfo(name).suffix().isEmpty() && type.contains(suffix, Qt::CaseInsensitive))
                chosen = type;
        if (selectedFilter)
            *selectedFilter = chosen;
        return name;
    }
    return QFileDialog::getSaveFileName(parent, caption, startFolder, filter, selectedFilter);
}

} // namespace brivane::platform
