#include "notes/NoteText.h"

#include "agenda/DateFormat.h"

using namespace Qt::StringLiterals;

namespace brivane::notes {

namespace {

constexpr char16_t kParagraphSeparator = 0x2029;
constexpr char16_t kLineSeparator = 0x2028;

char16_t foldAscii(char16_t c)
{
    return c >= u'A' && c <= u'Z' ? char16_t(c - u'A' + u'a') : c;
}

QString crLfLines(const QString& text, bool separatorsBreak)
{
    QString stored;
    stored.reserve(text.size() + text.size() / 16);
    const qsizetype size = text.size();
    const QChar* data = text.constData();
    qsizetype runStart = 0;
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t c = data[i].unicode();
        const bool lineBreak = c == u'\n' || c == u'\r' ||
                               (separatorsBreak && (c == kParagraphSeparator || c == kLineSeparator));
        if (!lineBreak)
            continue;
        stored.append(data + runStart, i - runStart);
        stored += u"\r\n"_s;
        if (c == u'\r' && i + 1 < size && data[i + 1] == u'\n')
            ++i;
        runStart = i + 1;
    }
    stored.append(data + runStart, size - runStart);
    return stored;
}

} // namespace

QString toStoredText(const QString& editorText)
{
    return crLfLines(editorText, true);
}

QString withCrLf(const QString& text)
{
    return crLfLines(text, false);
}

QStringList textLines(const QString& text)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text.at(i);
        if (c == u'\n' || c == u'\r' || c == QChar(kParagraphSeparator) || c == QChar(kLineSeparator)) {
            lines.append(text.mid(start, i - start));
            if (c == u'\r' && i + 1 < size && text.at(i + 1) == u'\n')
                ++i;
            start = i + 1;
        }
    }
    if (start < size)
        lines.append(text.mid(start));
    return lines;
}

qsizetype findForward(const QString& text, const QString& needle, qsizetype from)
{
    if (needle.isEmpty() || from < 0)
        return -1;
    const qsizetype last = text.size() - needle.size();
    const char16_t first = foldAscii(needle.at(0).unicode());
    for (qsizetype at = from; at <= last; ++at) {
        if (foldAscii(text.at(at).unicode()) != first)
            continue;
        qsizetype i = 1;
        while (i < needle.size() && foldAscii(text.at(at + i).unicode()) == foldAscii(needle.at(i).unicode()))
            ++i;
        if (i == needle.size())
            return at;
    }
    return -1;
}

QString dateStampLine(const QDateTime& now, const QString& dataShotFormat)
{
    return agenda::formatDate(now.date(), dataShotFormat) + u" - "_s + now.time().toString(u"hh.mm.ss"_s);
}

} // namespace brivane::notes
