#include "contacts/TextFileReader.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

using namespace Qt::StringLiterals;

namespace brivane::contacts {

namespace {

// The 1-based line holding byte `position`; CR LF, LF and a lone CR each end a line.
int lineAt(const QByteArray& bytes, qsizetype position)
{
    int line = 1;
    for (qsizetype i = 0; i < position && i < bytes.size(); ++i) {
        const char c = bytes.at(i);
        if (c == '\n')
            ++line;
        else if (c == '\r' && (i + 1 >= bytes.size() || bytes.at(i + 1) != '\n'))
            ++line;
    }
    return line;
}

// Tab, line feed, vertical tab, form feed and carriage return are the only
// control characters a text file holds.
bool isForeignControl(unsigned char c)
{
    return (c < 0x20 && (c < 0x09 || c > 0x0D)) || c == 0x7F;
}

QString hexByte(unsigned char c)
{
    return u"0x"_s + QString::number(c, 16).toUpper().rightJustified(2, u'0');
}

TextFileReader::Result failure(TextFileReader::Problem problem, int line, const QString& message)
{
    TextFileReader::Result result;
    result.problem = problem;
    result.line = line;
    result.message = message;
    return result;
}

// The offset of the first byte of an invalid UTF-8 sequence, or -1.
qsizetype firstInvalidUtf8(const QByteArray& bytes)
{
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.constData());
    const qsizetype size = bytes.size();
    qsizetype i = 0;
    while (i < size) {
        const unsigned char c = data[i];
        int extra = 0;
        unsigned int minimum = 0;
        unsigned int code = 0;
        if (c < 0x80) {
            ++i;
            continue;
        } else if (c >= 0xC2 && c <= 0xDF) {
            extra = 1;
            minimum = 0x80;
            code = c & 0x1F;
        } else if (c >= 0xE0 && c <= 0xEF) {
            extra = 2;
            minimum = 0x800;
            code = c & 0x0F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            extra = 3;
            minimum = 0x10000;
            code = c & 0x07;
        } else {
            return i;
        }
        if (i + extra >= size)
            return i;
        for (int k = 1; k <= extra; ++k) {
            const unsigned char next = data[i + k];
            if ((next & 0xC0) != 0x80)
                return i;
            code = (code << 6) | (next & 0x3F);
        }
        if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return i;
        i += extra + 1;
    }
    return -1;
}

} // namespace

TextFileReader::Result TextFileReader::read(const QString& path)
{
    const QFileInfo info(path);
    if (info.isDir())
        return failure(Problem::Unreadable, 0,
                       u"I can not read the file \"%1\": it is a folder."_s.arg(path));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failure(Problem::Unreadable, 0,
                       u"I can not read the file \"%1\": %2."_s.arg(path, file.errorString()));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return failure(Problem::Unreadable, 0,
                       u"I can not read the file \"%1\": %2."_s.arg(path, file.errorString()));
    return decode(bytes, path);
}

TextFileReader::Result TextFileReader::decode(const QByteArray& bytes, const QString& path)
{
    // Byte order marks of the encodings this reader does not take; the UTF-32
    // marks are tested first because the little-endian one starts like UTF-16's.
    struct Mark
    {
        const char* bytes;
        int size;
        const char* name;
    };
    static const Mark foreignMarks[] = {
        {"\xFF\xFE\x00\x00", 4, "UTF-32"},
        {"\x00\x00\xFE\xFF", 4, "UTF-32"},
        {"\xFF\xFE", 2, "UTF-16"},
        {"\xFE\xFF", 2, "UTF-16"},
    };
    for (const Mark& mark : foreignMarks) {
        if (bytes.startsWith(QByteArrayView(mark.bytes, mark.size)))
            return failure(Problem::UnknownEncoding, 1,
                           u"The file \"%1\" is written in %2, an encoding I can not read (line 1). "
                           "Save it as UTF-8 text and try again."_s.arg(path, QLatin1String(mark.name)));
    }

    const bool utf8Mark = bytes.startsWith("\xEF\xBB\xBF");
    const QByteArray body = utf8Mark ? bytes.mid(3) : bytes;
    const int markLength = utf8Mark ? 3 : 0;

    for (qsizetype i = 0; i < body.size(); ++i) {
        const auto c = static_cast<unsigned char>(body.at(i));
        if (isForeignControl(c)) {
            const int line = lineAt(bytes, i + markLength);
            return failure(
                Problem::NotText, line,
                u"The file \"%1\" is not a text file: line %2 holds the control character %3."_s.arg(
                    path, QString::number(line), hexByte(c)));
        }
    }

    const qsizetype invalid = firstInvalidUtf8(body);
    Result result;
    if (invalid < 0) {
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        result.text = decoder.decode(body);
        result.encoding = Encoding::Utf8;
        return result;
    }
    if (utf8Mark) {
        const int line = lineAt(bytes, invalid + markLength);
        return failure(Problem::UnknownEncoding, line,
                       u"The file \"%1\" says it is UTF-8, but line %2 is not valid UTF-8. "
                       "Save it as UTF-8 text and try again."_s.arg(path, QString::number(line)));
    }
    // Bytes 0x80 to 0x9F are control codes in Latin-1: a file holding them is
    // in another single-byte code page (such as Windows-1252), and reading it
    // as Latin-1 would change its characters.
    for (qsizetype i = 0; i < body.size(); ++i) {
        const auto c = static_cast<unsigned char>(body.at(i));
        if (c >= 0x80 && c <= 0x9F) {
            const int line = lineAt(bytes, i);
            return failure(Problem::UnknownEncoding, line,
                           u"The file \"%1\" is neither UTF-8 nor Latin-1 text: line %2 holds the byte %3, "
                           "which is no character in either. Save it as UTF-8 text and try again."_s.arg(
                               path, QString::number(line), hexByte(c)));
        }
    }
    result.text = QString::fromLatin1(body);
    result.encoding = Encoding::Latin1;
    return result;
}

} // namespace brivane::contacts
