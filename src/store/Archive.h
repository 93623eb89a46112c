#pragma once

#include <QSqlDatabase>
#include <QString>

namespace brivane::store {

// Owns the connection to the archive file boarc.abs of one archive folder.
// The connection is opened in the shared mode several processes can use at
// once (rollback journal, busy timeout) and carries a Unicode-aware UPPER().
class Archive
{
public:
    static constexpr auto kFileName = "boarc.abs";

    explicit Archive(const QString& connectionName = QStringLiteral("BOARC"));
    ~Archive();
    Q_DISABLE_COPY_MOVE(Archive)

    // Opens folder/boarc.abs, creating the folder and an empty archive when
    // missing. Refuses (returns false with a message naming the file) a file
    // that is not an SQLite database, fails the quick integrity check or
    // cannot be written (file or folder); such a file is never touched or
    // recreated. A new archive file is created readable by the user only.
    bool open(const QString& folder, QString* error = nullptr);
    void close();
    bool isOpen() const;

    // Opens for reading only: nothing is created and nothing written.
    bool openReadOnly(const QString& folder, QString* error = nullptr);

    bool isReadOnly() const { return m_readOnly; }

    // Why the archive of `folder` cannot be written (empty when it can, or
    // when the folder does not exist yet), and the message that says so.
    static QString whyNotWritable(const QString& folder);
    static QString notWritableText(const QString& folder);
    static QString damagedText(const QString& path);

    QSqlDatabase database() const;
    QString folder() const { return m_folder; }
    QString filePath() const;
    QString connectionName() const { return m_connectionName; }

private:
    bool openConnection(const QString& folder, bool readOnly, QString* error);

    QString m_connectionName;
    QString m_folder;
    bool m_readOnly = false;
};

// Registers UPPER() over Unicode case mapping on an open SQLite connection.
bool registerUnicodeUpper(const QSqlDatabase& db);

} // namespace brivane::store
