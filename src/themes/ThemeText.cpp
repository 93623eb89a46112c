#include "themes/ThemeText.h"

#include "contacts/TextFileReader.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

namespace brivane::themes {

QStringList readThemeLines(const QString& path, bool* found)
{
    const contacts::TextFileReader::Result result = contacts::TextFileReader::read(path);
    if (found)
        *found = result.ok();
    if (!result.ok())
        return {};
    QString text = result.text;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QStringList lines = text.split(QLatin1Char('\n'));
    // The line end of the last line opens no further line.
    if (!lines.isEmpty() && lines.constLast().isEmpty())
        lines.removeLast();
    return lines;
}

bool writeThemeLines(const QString& path, const QStringList& lines)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += line.toLatin1() + "\r\n";
    file.write(bytes);
    return file.commit();
}

bool copyIfMissing(const QString& from, const QString& to)
{
    if (QFileInfo::exists(to))
        return true;
    return QFile::copy(from, to);
}

} // namespace brivane::themes
