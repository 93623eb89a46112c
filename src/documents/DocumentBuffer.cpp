#include "documents/DocumentBuffer.h"

#include <QRegularExpression>

namespace brivane::documents {

void DocumentBuffer::add(const QString& text, Align align, Style style)
{
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    const QStringList pieces = text.split(lineBreak);
    for (const QString& piece : pieces)
        m_lines.append({piece, align, style});
}

} // namespace brivane::documents
