#include "to_do/LineEnds.h"

using namespace Qt::StringLiterals;

namespace brivane::to_do {

QString lineEndOf(const QString& text)
{
    if (text.contains(u"\r\n"_s))
        return u"\r\n"_s;
    if (text.contains(u'\r'))
        return u"\r"_s;
    return u"\n"_s;
}

QString withLineEnd(const QString& editorText, const QString& lineEnd)
{
    if (lineEnd == u"\n"_s)
        return editorText;
    QString text = editorText;
    text.replace(u'\n', lineEnd);
    return text;
}

} // namespace brivane::to_do
