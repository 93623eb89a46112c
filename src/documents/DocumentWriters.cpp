#include "documents/DocumentWriters.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace brivane::documents {

namespace {

void appendEscaped(QByteArray& out, const QString& text)
{
    for (const QChar c : text) {
        const ushort code = c.unicode();
        if (code == '\\' || code == '{' || code == '}') {
            out += '\\';
            out += char(code);
        } else if (code == '\t') {
            out += "\\tab ";
        } else if (code >= 0x20 && code < 0x80) {
            out += char(code);
        } else if (code >= 0x80) {
            // Signed 16-bit as the format wants; each half of a surrogate pair on its own.
            out += "\\u" + QByteArray::number(qint16(code)) + '?';
        }
        // Other control characters carry nothing printable.
    }
}

} // namespace

QByteArray toRtf(const DocumentBuffer& buffer, const QString& fontFamily, int pointSize)
{
    QByteArray out = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1{\\fonttbl{\\f0\\fnil ";
    appendEscaped(out, fontFamily);
    out += ";}}\n";
    const QByteArray size = "\\fs" + QByteArray::number(pointSize * 2);
    for (const DocumentBuffer::Line& line : buffer.lines()) {
        out += "\\pard";
        out += line.align == DocumentBuffer::Align::Centre ? "\\qc" : "\\ql";
        out += "\\plain\\f0" + size;
        if (line.style == DocumentBuffer::Style::Bold)
            out += "\\b";
        else if (line.style == DocumentBuffer::Style::Italic)
            out += "\\i";
        out += ' ';
        appendEscaped(out, line.text);
        out += "\\par\n";
    }
    out += "}\n";
    return out;
}

QByteArray toPlainText(const DocumentBuffer& buffer)
{
    QByteArray out;
    for (const DocumentBuffer::Line& line : buffer.lines())
        out += line.text.toUtf8() + '\n';
    return out;
}

QString documentFilter()
{
    return QStringLiteral("Rich Text Format (RTF) (*.rtf);;Text file (TXT) (*.txt)");
}

DocumentFormat formatOfFilter(const QString& chosenFilter)
{
    return chosenFilter.contains(QLatin1String("*.txt")) ? DocumentFormat::Text : DocumentFormat::Rtf;
}

QString withExtension(const QString& path, DocumentFormat format)
{
    if (path.isEmpty() || !QFileInfo(path).suffix().isEmpty())
        return path;
    return path + (format == DocumentFormat::Text ? QStringLiteral(".txt") : QStringLiteral(".rtf"));
}

bool saveFile(const QString& path, const QByteArray& bytes, QString* error)
{
    QSaveFile file(path);
    const bool ok = file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
    if (!ok) {
        if (error)
            *error = QStringLiteral("The file \"") + QDir::toNativeSeparators(path) +
                     QStringLiteral("\" could not be written:\r") + file.errorString();
        file.cancelWriting();
    }
    return ok;
}

bool saveDocument(const QString& path, DocumentFormat format, const DocumentBuffer& buffer,
                  const QString& fontFamily, int pointSize, QString* error)
{
    const QByteArray bytes =
        format == DocumentFormat::Text ? toPlainText(buffer) : toRtf(buffer, fontFamily, pointSize);
    return saveFile(path, bytes, error);
}

} // namespace brivane::documents
