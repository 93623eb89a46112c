#include "contacts/TextFileReader.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

using namespace Qt::StringLiterals;

namespace brivane::contacts {

namespace {

// Tab, line feed, vertical tab, form feed, carriage return and the end-of-file
// mark 0x1A that old DOS editors leave are the only control characters a
// text file holds.
bool isForeignControl(char32_t c)
{
    return (c < 0x20 && (c < 0x09 || c > 0x0D) && c != 0x1A) || c == 0x7F;
}

QString hexCode(char32_t c)
{
    return u"0x"_s + QString::number(uint(c), 16).toUpper().rightJustified(2, u'0');
}

TextFileReader::Result failure(TextFileReader::Problem problem, int line, const QString& message)
{
    TextFileReader::Result result;
    result.problem = problem;
    result.line = line;
    result.message = message;
    return result;
}

// The characters Windows-1252 puts at 0x80-0x9F. The five bytes it leaves
// undefined keep the control character of the same code, as Windows reads them.
constexpr char16_t kWindows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

void appendWindows1252(QString& text, QByteArrayView line)
{
    for (const char byte : line) {
        const auto c = static_cast<unsigned char>(byte);
        text.append(c >= 0x80 && c <= 0x9F ? QChar(kWindows1252High[c - 0x80]) : QChar(char16_t(c)));
    }
}

// Whether `line` is valid UTF-8 (shortest forms, no surrogates).
bool isUtf8(QByteArrayView line)
{
    const auto* data = reinterpret_cast<const unsigned char*>(line.data());
    const qsizetype size = line.size();
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
            return false;
        }
        if (i + extra >= size)
            return false;
        for (int k = 1; k <= extra; ++k) {
            const unsigned char next = data[i + k];
            if ((next & 0xC0) != 0x80)
                return false;
            code = (code << 6) | (next & 0x3F);
        }
        if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return false;
        i += extra + 1;
    }
    return true;
}

// The first control character no text holds, as its line and code.
std::optional<std::pair<int, char32_t>> firstForeignControl(const QString& text)
{
    int line = 1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        if (c == u'\n' || (c == u'\r' && (i + 1 >= text.size() || text.at(i + 1) != u'\n')))
            ++line;
        else if (isForeignControl(c))
            return std::make_pair(line, char32_t(c));
    }
    return std::nullopt;
}

} // namespace

bool TextFileReader::mayBeText(QByteArrayView bytes)
{
    for (const char byte : bytes) {
        if (isForeignControl(static_cast<unsigned char>(byte)))
            return false;
    }
    return true;
}

bool TextFileReader::hasUtf16Mark(QByteArrayView bytes)
{
    return bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF");
}

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
    // The little-endian UTF-32 mark starts like UTF-16's: it is tested first.
    if (bytes.startsWith(QByteArrayView("\xFF\xFE\x00\x00", 4)) || bytes.startsWith(QByteArrayView("\x00\x00\xFE\xFF", 4)))
        return failure(Problem::UnknownEncoding, 1,
                       u"The file \"%1\" is written in UTF-32, an encoding I can not read (line 1). "
                       "Save it as UTF-8 text and try again."_s.arg(path));

    Result result;
    if (hasUtf16Mark(bytes)) {
        const bool little = bytes.startsWith("\xFF\xFE");
        QStringDecoder decoder(little ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE,
                               QStringDecoder::Flag::Stateless);
        result.text = decoder.decode(QByteArrayView(bytes).sliced(2));
        if (decoder.hasError() || bytes.size() % 2 != 0) {
            const int line = int(result.text.count(u'\n')) + 1;
            return failure(Problem::UnknownEncoding, line,
                           u"The file \"%1\" says it is UTF-16, but line %2 is not valid UTF-16. "
                           "Save it as UTF-8 text and try again."_s.arg(path, QString::number(line)));
        }
        result.encoding = Encoding::Utf16;
    } else {
        QByteArrayView rest(bytes);
        if (rest.startsWith("\xEF\xBB\xBF"))
            rest = rest.sliced(3);
        if (isUtf8(rest)) {
            result.text = QString::fromUtf8(rest);
            rest = {};
        }
        result.text.reserve(rest.size());
        // A line feed byte is a line feed in both encodings: lines are cut there.
        while (!rest.isEmpty()) {
            const qsizetype end = rest.indexOf('\n');
            const QByteArrayView line = end < 0 ? rest : rest.first(end + 1);
            rest = rest.sliced(line.size());
            if (isUtf8(line)) {
                result.text.append(QString::fromUtf8(line));
            } else {
                appendWindows1252(result.text, line);
                result.encoding = Encoding::Windows1252;
            }
        }
    }

    if (const auto control = firstForeignControl(result.text)) {
        const auto [line, code] = *control;
        return failure(Problem::NotText, line,
                       u"The file \"%1\" is not a text file: line %2 holds the control character %3."_s.arg(
                           path, QString::number(line), hexCode(code)));
    }
    return result;
}

} // namespace brivane::contacts
