#pragma once

#include "store/Archive.h"
#include "store/Schema.h"

#include <QSqlDatabase>
#include <QTemporaryDir>

namespace brivane::test {

// A fresh archive with every table, in a temporary folder removed afterwards.
class TestArchive
{
public:
    TestArchive();
    ~TestArchive();
    Q_DISABLE_COPY_MOVE(TestArchive)

    QSqlDatabase db() const { return m_archive.database(); }
    QString folder() const { return m_dir.path(); }
    const store::SchemaResult& schema() const { return m_schema; }
    store::Archive& archive() { return m_archive; }

private:
    QTemporaryDir m_dir;
    store::Archive m_archive;
    store::SchemaResult m_schema;
};

} // namespace brivane::test
