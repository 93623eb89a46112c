#include "store/ArchiveCounts.h"

#include <QSqlQuery>

namespace brivane::store {

QString ArchiveCounts::countStatement(QChar section)
{
    switch (section.unicode()) {
    case 'O': return QStringLiteral("SELECT count(*) FROM BRarc66 WHERE flag = 'O'");
    case 'Y': return QStringLiteral("SELECT count(*) FROM BRarc66 WHERE flag = 'Y'");
    case 'M': return QStringLiteral("SELECT count(*) FROM BRarc66 WHERE flag = 'M'");
    case 'W': return QStringLiteral("SELECT count(*) FROM BRarc66 WHERE flag = 'W'");
    case 'C': return QStringLiteral("SELECT count(*) FROM BRcon63");
    case 'N': return QStringLiteral("SELECT count(*) FROM BRnot80");
    case 'L': return QStringLiteral("SELECT count(*) FROM BRtod63");
    case 'D': return QStringLiteral("SELECT count(*) FROM BRshot80");
    default: return QString();
    }
}

int ArchiveCounts::total(const QSqlDatabase& db, QChar section)
{
    const QString statement = countStatement(section);
    if (statement.isEmpty())
        return -1;
    QSqlQuery query(db);
    if (!query.exec(statement) || !query.next())
        return -1;
    return query.value(0).toInt();
}

QString ArchiveCounts::counterCaption(int listed, int total)
{
    if (listed == total)
        return QString::number(listed) + QStringLiteral("   ");
    return QString::number(listed) + QStringLiteral(" / ") + QString::number(total) + QStringLiteral("   ");
}

QString ArchiveCounts::summaryText(QChar section, int total)
{
    const char* label = nullptr;
    switch (section.unicode()) {
    case 'O': label = "One Shot: "; break;
    case 'Y': label = "Yearly: "; break;
    case 'M': label = "Monthly: "; break;
    case 'W': label = "Weekly: "; break;
    case 'C': label = "Contacts: "; break;
    case 'N': label = "Note: "; break;
    case 'L': label = "To-Do: "; break;
    case 'D': label = "Repository: "; break;
    default: return QString();
    }
    return QLatin1String(label) + QString::number(total);
}

} // namespace brivane::store
