#include "notes/EditorCharsets.h"

using namespace Qt::StringLiterals;

namespace brivane::notes {

QList<EditorCharset> editorCharsets()
{
    return {
        {u"ANSI"_s, 0},
        {u"DEFAULT"_s, 1},
        {u"SYMBOL"_s, 2},
        {u"MAC"_s, 77},
        {u"Korean (Wansung)"_s, 129},
        {u"Japanese shift-jis"_s, 128},
        {u"Chinese (Simplified)"_s, 134},
        {u"Chinese (Traditional) "_s, 136},
        {u"Korean (Johab)"_s, 130},
        {u"Turkish"_s, 162},
        {u"Greek"_s, 161},
        {u"Vietnamese"_s, 163},
        {u"Arabic"_s, 178},
        {u"Hebrew"_s, 177},
        {u"Baltic"_s, 186},
        {u"Cyrillic"_s, 204},
        {u"EASTEUROPE"_s, 238},
        {u"Thai"_s, 222},
        {u"OEM"_s, 255},
    };
}

} // namespace brivane::notes
