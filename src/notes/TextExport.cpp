#include "notes/TextExport.h"

#include "notes/NoteText.h"

#include <QFileInfo>
#include <QSaveFile>

using namespace Qt::StringLiterals;

namespace brivane::notes {

bool exportText(const QString& path, const QString& text, QString* error)
{
    QByteArray bytes;
    const QStringList lines = textLines(text);
    bytes.reserve(text.size() + 2 * lines.size());
    for (const QString& line : lines) {
        bytes += line.toUtf8();
        bytes += "\r\n";
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

QString exportFileName(const QString& chosen)
{
    if (chosen.isEmpty() || !QFileInfo(chosen).suffix().isEmpty())
        return chosen;
    return chosen + u".txt"_s;
}

} // namespace brivane::notes
