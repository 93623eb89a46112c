#include "store/MigrationNotice.h"

#include <QSqlError>
#include <QSqlQuery>

namespace brivane::store::migration_notice {

QString makerAddress()
{
    return QStringLiteral("https://brivane-organizer.example.org/");
}

QStringList lines()
{
    return {
        QStringLiteral("Beloved,"),
        QStringLiteral("if you read this message it is because I have "),
        QStringLiteral("found traces of an installation of Brivane"),
        QStringLiteral("Organizer prior to this version."),
        QString(),
        QStringLiteral("This new version does not read or converts"),
        QStringLiteral("automatically archives of the previous versions. "),
        QStringLiteral("In order to convert your old entries in the format "),
        QStringLiteral("used by the new Brivane Organizer you need "),
        QStringLiteral("to download from ") + makerAddress() + QStringLiteral(" a program "),
        QStringLiteral("for migration (Brivane Migrator - see image"),
        QStringLiteral("on the right) that will allow you to convert old "),
        QStringLiteral("archives files to the new format with a few clicks"),
        QStringLiteral("of the mouse."),
        QString(),
        QStringLiteral("Good migration!"),
    };
}

QString saveStatement()
{
    return QStringLiteral("UPDATE BRset63\nSET migrationinfo = :migrationinfo");
}

bool save(const QSqlDatabase& db, bool owed, QString* error)
{
    QSqlQuery query(db);
    query.prepare(saveStatement());
    query.bindValue(QStringLiteral(":migrationinfo"), owed ? 1 : 0);
    if (query.exec())
        return true;
    if (error)
        *error = query.lastError().text();
    return false;
}

} // namespace brivane::store::migration_notice
