#include "support/TestArchive.h"

#include <QTest>

namespace brivane::test {

namespace {
QString nextConnectionName()
{
    static int counter = 0;
    return QStringLiteral("test_archive_%1").arg(++counter);
}
} // namespace

TestArchive::TestArchive() : m_archive(nextConnectionName())
{
    QString error;
    if (!m_archive.open(m_dir.path(), &error))
        qFatal("cannot open test archive: %s", qPrintable(error));
    store::Schema schema(m_archive.database(), m_dir.path(), m_dir.path());
    if (!schema.createAndUpgrade(m_schema, &error))
        qFatal("cannot create test archive: %s", qPrintable(error));
}

TestArchive::~TestArchive()
{
    m_archive.close();
}

} // namespace brivane::test
