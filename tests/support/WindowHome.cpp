#include "support/WindowHome.h"

#include "store/Archive.h"
#include "store/Schema.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace brivane::test {

WindowHome::WindowHome()
{
    qputenv("BRIVANE_HOME", m_dir.path().toUtf8());
}

WindowHome::~WindowHome()
{
    qunsetenv("BRIVANE_HOME");
}

bool WindowHome::prepare(const QStringList& statements) const
{
    {
        store::Archive archive(QStringLiteral("home_prepare"));
        if (!archive.open(archiveFolder()))
            return false;
        store::SchemaResult result;
        if (!store::Schema(archive.database(), archiveFolder(), m_dir.path() + QLatin1Char('/'))
                 .createAndUpgrade(result))
            return false;
    }
    return run(statements);
}

bool WindowHome::run(const QStringList& statements) const
{
    store::Archive archive(QStringLiteral("home_run"));
    if (!archive.open(archiveFolder()))
        return false;
    for (const QString& statement : statements) {
        QSqlQuery query(archive.database());
        if (!query.exec(statement)) {
            qWarning("%s: %s", qPrintable(statement), qPrintable(query.lastError().text()));
            return false;
        }
    }
    return true;
}

QStringList WindowHome::dataSnapshot() const
{
    QStringList rows;
    store::Archive archive(QStringLiteral("home_snapshot"));
    if (!archive.openReadOnly(archiveFolder()))
        return {QStringLiteral("<no archive>")};
    for (const char* table : {"BRarc66", "BRshot80", "BRcon63", "BRnot80", "BRtod63", "BRcat80"}) {
        QSqlQuery query(archive.database());
        query.exec(QStringLiteral("SELECT * FROM ") + QLatin1String(table));
        while (query.next()) {
            QStringList values;
            for (int i = 0; i < query.record().count(); ++i)
                values << query.value(i).toString();
            rows << QLatin1String(table) + QLatin1Char(':') + values.join(QLatin1Char('|'));
        }
    }
    return rows;
}

QVariant WindowHome::value(const QString& selectStatement) const
{
    store::Archive archive(QStringLiteral("home_value"));
    if (!archive.openReadOnly(archiveFolder()))
        return {};
    QSqlQuery query(archive.database());
    if (!query.exec(selectStatement) || !query.next())
        return {};
    return query.value(0);
}

} // namespace brivane::test
