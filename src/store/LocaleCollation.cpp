#include "store/LocaleCollation.h"

#include "store/EngineRead.h"

#include <QCollator>
#include <QVariant>
#include <sqlite3.h>

#include <algorithm>
#include <cstring>
#include <memory>

namespace brivane::store {

namespace {

int compareWith(const QCollator& collator, QStringView a, QStringView b)
{
    const int order = collator.compare(a, b);
    if (order != 0)
        return order;
    // Texts the language calls equal still need one fixed order.
    return a.compare(b);
}

// Widens ASCII bytes into `out`; false at the first other byte.
bool widenAscii(const unsigned char* bytes, int size, QChar* out)
{
    for (int i = 0; i < size; ++i) {
        if (bytes[i] & 0x80)
            return false;
        out[i] = QChar(char16_t(bytes[i]));
    }
    return true;
}

// One side of a comparison as UTF-16: short ASCII texts, the usual names,
// are widened on the stack; anything else is decoded.
class Utf16Text
{
public:
    Utf16Text(const void* data, int size)
    {
        const auto* bytes = static_cast<const unsigned char*>(data);
        if (size <= kInline && widenAscii(bytes, size, m_inline)) {
            m_view = QStringView(m_inline, size);
        } else {
            m_decoded = QString::fromUtf8(static_cast<const char*>(data), size);
            m_view = m_decoded;
        }
    }
    QStringView view() const { return m_view; }

private:
    static constexpr int kInline = 128;
    QChar m_inline[kInline];
    QString m_decoded;
    QStringView m_view;
};

int sqliteCompare(void* context, int sizeA, const void* a, int sizeB, const void* b)
{
    if (sizeA == sizeB && std::memcmp(a, b, size_t(sizeA)) == 0)
        return 0;
    const Utf16Text left(a, sizeA);
    const Utf16Text right(b, sizeB);
    return compareWith(*static_cast<const QCollator*>(context), left.view(), right.view());
}

void destroyCollator(void* context)
{
    delete static_cast<QCollator*>(context);
}

// The C locale has no alphabet of its own (its collator compares code
// points, capitals first): the common order of the Unicode standard serves.
QLocale collationLocale()
{
    const QLocale locale;
    return locale.language() == QLocale::C ? QLocale(QLocale::English, QLocale::UnitedStates) : locale;
}

} // namespace

bool registerLocaleCollation(const QSqlDatabase& db)
{
    sqlite3* connection = engineHandle(db);
    if (!connection)
        return false;
    auto collator = std::make_unique<QCollator>(collationLocale());
    const int result = sqlite3_create_collation_v2(connection, kLocaleCollation, SQLITE_UTF8, collator.get(),
                                                   sqliteCompare, destroyCollator);
    if (result != SQLITE_OK)
        return false;
    collator.release(); // owned by the connection from here on
    return true;
}

QString localeOrdered(const QString& column)
{
    return column + QStringLiteral(" COLLATE ") + QLatin1String(kLocaleCollation);
}

int localeCompare(QStringView a, QStringView b)
{
    const QCollator collator{collationLocale()};
    return compareWith(collator, a, b);
}

void sortByLocale(QStringList& texts)
{
    const QCollator collator{collationLocale()};
    std::stable_sort(texts.begin(), texts.end(),
                     [&collator](const QString& a, const QString& b) { return compareWith(collator, a, b) < 0; });
}

} // namespace brivane::store
