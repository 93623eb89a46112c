#pragma once

#include <QList>
#include <QString>

namespace brivane::notes {

// The character set menu of the format bar: entry and font character set
// code, in menu order. The code is kept with the editor settings.
struct EditorCharset
{
    QString caption;
    int code;
};

QList<EditorCharset> editorCharsets();

} // namespace brivane::notes
