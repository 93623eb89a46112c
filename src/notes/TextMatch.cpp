#include "notes/TextMatch.h"

#include "store/EngineRead.h"

#include <QVariant>
#include <sqlite3.h>

#include <array>
#include <cstring>

namespace brivane::notes {

namespace {

constexpr unsigned char asciiUpper(unsigned char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<unsigned char>(c - 'a' + 'A') : c;
}

// Non-ASCII characters of the Basic Multilingual Plane whose upper case
// form holds an ASCII character ("ß" -> "SS", "ı" -> "I", "ﬁ" -> "FI").
// Only texts with one of them can match an ASCII needle without holding it.
class AsciiMakers
{
public:
    AsciiMakers()
    {
        for (char32_t c = 0x80; c < 0x10000; ++c) {
            if (c >= 0xD800 && c < 0xE000)
                continue;
            const QString upper = QString(QChar(char16_t(c))).toUpper();
            for (const QChar u : upper) {
                if (u.unicode() < 0x80) {
                    m_bits[c / 64] |= quint64(1) << (c % 64);
                    break;
                }
            }
        }
    }
    bool contains(char32_t c) const { return c < 0x10000 && (m_bits[c / 64] >> (c % 64)) & 1; }

private:
    std::array<quint64, 0x10000 / 64> m_bits{};
};

const AsciiMakers& asciiMakers()
{
    static const AsciiMakers makers;
    return makers;
}

bool isAscii(QByteArrayView bytes)
{
    for (const char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    }
    return true;
}

// The next position at or after `from` of `byte` in the first `size` bytes;
// `size` when there is none.
qsizetype nextOf(const unsigned char* text, qsizetype size, qsizetype from, unsigned char byte)
{
    const auto* found = static_cast<const unsigned char*>(std::memchr(text + from, byte, size - from));
    return found ? found - text : size;
}

// The first position at or after `from` where the needle stands, ASCII
// letters compared without case and every other byte exactly; -1 when none.
// The next occurrence of each case of the first letter is kept, so every
// byte is looked at by memchr at most once per case.
qsizetype asciiFind(QByteArrayView text, QByteArrayView needle, qsizetype from)
{
    const qsizetype n = needle.size();
    if (n == 0)
        return from <= text.size() ? from : -1;
    if (from + n > text.size())
        return -1;
    const auto* t = reinterpret_cast<const unsigned char*>(text.data());
    const auto* p = reinterpret_cast<const unsigned char*>(needle.data());
    const unsigned char upper = p[0];
    const unsigned char lower = upper >= 'A' && upper <= 'Z' ? upper - 'A' + 'a' : upper;
    const qsizetype starts = text.size() - n + 1; // positions a match may start at
    qsizetype nextUpper = nextOf(t, starts, from, upper);
    qsizetype nextLower = lower == upper ? starts : nextOf(t, starts, from, lower);
    for (;;) {
        const qsizetype at = qMin(nextUpper, nextLower);
        if (at >= starts)
            return -1;
        qsizetype i = 1;
        while (i < n && asciiUpper(t[at + i]) == p[i])
            ++i;
        if (i == n)
            return at;
        if (at == nextUpper)
            nextUpper = nextOf(t, starts, at + 1, upper);
        else
            nextLower = nextOf(t, starts, at + 1, lower);
    }
}

bool asciiSearch(QByteArrayView text, QByteArrayView needle)
{
    return asciiFind(text, needle, 0) >= 0;
}

bool isContinuationByte(char byte)
{
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

// Whether a UTF-8 text holds a character of the AsciiMakers set.
bool holdsAsciiMaker(QByteArrayView text)
{
    const AsciiMakers& makers = asciiMakers();
    const auto* t = reinterpret_cast<const unsigned char*>(text.data());
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        // Runs of ASCII are passed over eight bytes at a time.
        while (i + 8 <= size) {
            quint64 word;
            std::memcpy(&word, t + i, sizeof word);
            if (word & 0x8080808080808080ULL)
                break;
            i += 8;
        }
        if (i >= size)
            break;
        const unsigned char c = t[i];
        if (c < 0x80)
            continue;
        char32_t code = 0;
        int more = 0;
        if ((c & 0xE0) == 0xC0) {
            code = c & 0x1F;
            more = 1;
        } else if ((c & 0xF0) == 0xE0) {
            code = c & 0x0F;
            more = 2;
        } else {
            continue; // four-byte forms and stray bytes: outside the set
        }
        if (i + more >= size)
            break;
        for (int k = 1; k <= more; ++k)
            code = (code << 6) | (t[i + k] & 0x3F);
        if (makers.contains(code))
            return true;
        i += more;
    }
    return false;
}

QByteArrayView longestAsciiRun(QByteArrayView bytes)
{
    qsizetype bestStart = 0;
    qsizetype bestSize = 0;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= bytes.size(); ++i) {
        if (i < bytes.size() && static_cast<unsigned char>(bytes.at(i)) < 0x80)
            continue;
        if (i - start > bestSize) {
            bestStart = start;
            bestSize = i - start;
        }
        start = i + 1;
    }
    return bytes.sliced(bestStart, bestSize);
}

bool unicodeContains(QByteArrayView text, QByteArrayView needle)
{
    const QString upper = QString::fromUtf8(text).toUpper();
    return upper.contains(QString::fromUtf8(needle));
}

void noteContains(sqlite3_context* context, int argc, sqlite3_value** argv)
{
    if (argc != 2 || sqlite3_value_type(argv[0]) == SQLITE_NULL ||
        sqlite3_value_type(argv[1]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(argv[0]));
    const int textBytes = sqlite3_value_bytes(argv[0]);
    const auto* needle = reinterpret_cast<const char*>(sqlite3_value_text(argv[1]));
    const int needleBytes = sqlite3_value_bytes(argv[1]);
    sqlite3_result_int(context,
                       textContains(QByteArrayView(text, textBytes), QByteArrayView(needle, needleBytes)));
}

} // namespace

bool textContains(QByteArrayView utf8Text, QByteArrayView utf8UpperNeedle)
{
    if (isAscii(utf8UpperNeedle)) {
        if (asciiSearch(utf8Text, utf8UpperNeedle))
            return true;
        return holdsAsciiMaker(utf8Text) && unicodeContains(utf8Text, utf8UpperNeedle);
    }
    // A needle beyond ASCII cannot be found in a text of plain ASCII.
    if (isAscii(utf8Text))
        return false;
    // Unless the text has a character that turns into ASCII in upper case,
    // the needle's ASCII part stands in the text as it is (any case), and
    // only the text around each such place needs converting: a match of n
    // characters comes from at most n characters, 4n bytes, of the text.
    const QByteArrayView asciiPart = longestAsciiRun(utf8UpperNeedle);
    if (asciiPart.isEmpty() || holdsAsciiMaker(utf8Text))
        return unicodeContains(utf8Text, utf8UpperNeedle);
    const qsizetype reach = 4 * QString::fromUtf8(utf8UpperNeedle).size();
    const qsizetype size = utf8Text.size();
    for (qsizetype at = asciiFind(utf8Text, asciiPart, 0); at >= 0;
         at = asciiFind(utf8Text, asciiPart, at + 1)) {
        qsizetype from = qMax<qsizetype>(0, at - reach);
        while (from < at && isContinuationByte(utf8Text.at(from)))
            ++from;
        qsizetype to = qMin(size, at + asciiPart.size() + reach);
        while (to < size && isContinuationByte(utf8Text.at(to)))
            ++to;
        if (unicodeContains(utf8Text.sliced(from, to - from), utf8UpperNeedle))
            return true;
    }
    return false;
}

bool registerTextContains(const QSqlDatabase& db)
{
    sqlite3* connection = store::engineHandle(db);
    if (!connection)
        return false;
    return sqlite3_create_function(connection, "NOTE_CONTAINS", 2, SQLITE_UTF8 | SQLITE_DETERMINISTIC,
                                   nullptr, noteContains, nullptr, nullptr) == SQLITE_OK;
}

} // namespace brivane::notes
