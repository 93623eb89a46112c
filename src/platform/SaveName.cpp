#include "platform/SaveName.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace brivane::platform {

QString withTypeExtension(const QString& path, const QString& selectedFilter)
{
    if (path.isEmpty())
        return path;
    const QFileInfo file(path);
    if (file.fileName().isEmpty() || !file.suffix().isEmpty())
        return path;
    // The first pattern between the parentheses, or the whole text.
    static const QRegularExpression patterns(QStringLiteral("\\(([^)]*)\\)"));
    const QRegularExpressionMatch match = patterns.match(selectedFilter);
    const QString list = match.hasMatch() ? match.captured(1) : selectedFilter;
    const QString pattern = list.simplified().section(QLatin1Char(' '), 0, 0);
    if (!pattern.startsWith(QLatin1String("*.")))
        return path;
    const QString extension = pattern.mid(2);
    if (extension.isEmpty() || extension.contains(QLatin1Char('*')) || extension.contains(QLatin1Char('?')))
        return path;
    return path + QLatin1Char('.') + extension;
}

QString firstFilter(const QString& filters)
{
    return filters.section(QStringLiteral(";;"), 0, 0);
}

} // namespace brivane::platform
