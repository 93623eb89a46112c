#include "agenda/TextSearch.h"

namespace brivane::agenda {

namespace {

bool isAscii(const QString& text)
{
    for (const QChar c : text) {
        if (c.unicode() > 0x7E)
            return false;
    }
    return true;
}

} // namespace

QString caseInsensitiveLike(const QString& column, const QString& placeholder, const QString& typed)
{
    const QString unicode =
        QStringLiteral("UPPER(") + column + QStringLiteral(") LIKE UPPER(") + placeholder + QLatin1Char(')');
    if (!isAscii(typed))
        return QLatin1Char('(') + unicode + QLatin1Char(')');
    // A text holds characters beyond ASCII when its UTF-8 bytes outnumber
    // its characters; the byte count is known without reading the text.
    return QLatin1Char('(') + column + QStringLiteral(" LIKE ") + placeholder + QStringLiteral(" OR (length(CAST(") +
           column + QStringLiteral(" AS BLOB)) > length(") + column + QStringLiteral(") AND ") + unicode +
           QStringLiteral("))");
}

} // namespace brivane::agenda
