#include "contacts/GroupRegister.h"

#include "contacts/Groups.h"

using namespace Qt::StringLiterals;

namespace brivane::contacts {

namespace {

// The section letter as the group table keeps it; an unknown section is
// left as given and so matches no seeded row.
QChar sectionLetter(const QString& section)
{
    return section.isEmpty() ? QChar() : section.front().toUpper();
}

} // namespace

bool registerGroupName(QSqlDatabase db, const QString& section, const QString& name, bool* added, QString* error)
{
    // A null text would be bound as NULL and never equal the stored empty name.
    return Groups::registerName(db, sectionLetter(section), name.isNull() ? u""_s : name, added, error);
}

QStringList groupNames(QSqlDatabase db, const QString& section, QString* error)
{
    QStringList names;
    if (!Groups::names(db, sectionLetter(section), names, error))
        return {};
    return names;
}

} // namespace brivane::contacts
