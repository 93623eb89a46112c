#pragma once

#include <QSqlDatabase>
#include <QStringList>
#include <QTemporaryDir>

namespace brivane::test {

// A program folder of its own, reached through BRIVANE_HOME, for tests that
// start the real main window.
class WindowHome
{
public:
    WindowHome();
    ~WindowHome();
    Q_DISABLE_COPY_MOVE(WindowHome)

    QString path() const { return m_dir.path(); }
    QString archiveFolder() const { return m_dir.path() + QStringLiteral("/myarcs"); }

    // Creates the archive with every table (without starting a window) and
    // runs the statements on it.
    bool prepare(const QStringList& statements = {}) const;
    // Runs statements on the archive; false on the first failure.
    bool run(const QStringList& statements) const;
    // Every row of the data tables, one text each, for before/after checks.
    QStringList dataSnapshot() const;
    QVariant value(const QString& selectStatement) const;

private:
    QTemporaryDir m_dir;
};

} // namespace brivane::test
