#include "notes/NoteListModel.h"

#include "notes/TextMatch.h"
#include "store/EngineRead.h"

#include <QVariant>
#include <sqlite3.h>

using namespace Qt::StringLiterals;

namespace brivane::notes {

namespace {

// Owns a prepared statement.
class Statement
{
public:
    ~Statement() { sqlite3_finalize(m_statement); }
    int prepare(sqlite3* connection, const QString& text)
    {
        sqlite3_finalize(m_statement);
        m_statement = nullptr;
        return sqlite3_prepare16_v2(connection, text.utf16(), int(text.size() * sizeof(char16_t)),
                                    &m_statement, nullptr);
    }
    sqlite3_stmt* get() const { return m_statement; }

private:
    sqlite3_stmt* m_statement = nullptr;
};

} // namespace

NoteListModel::NoteListModel(QObject* parent) : QAbstractTableModel(parent) {}

bool NoteListModel::run(const QSqlDatabase& db, const NoteSearch& search, QString* error)
{
    QList<qint64> keys;
    QList<QString> titles;
    QString failure;
    sqlite3* connection = store::engineHandle(db);
    Statement statement;
    if (!connection || !db.isOpen()) {
        failure = u"The archive is not open."_s;
    } else {
        const QString text = search.statement();
        int status = statement.prepare(connection, text);
        if (status != SQLITE_OK && registerTextContains(db))
            status = statement.prepare(connection, text);
        if (status == SQLITE_OK) {
            const QVariantMap values = search.bindings();
            for (auto it = values.cbegin(); it != values.cend(); ++it) {
                const QString value = it.value().toString();
                const int index =
                    sqlite3_bind_parameter_index(statement.get(), it.key().toUtf8().constData());
                if (index > 0)
                    sqlite3_bind_text16(statement.get(), index, value.utf16(),
                                        int(value.size() * sizeof(char16_t)), SQLITE_TRANSIENT);
            }
            while ((status = sqlite3_step(statement.get())) == SQLITE_ROW) {
                keys.append(sqlite3_column_int64(statement.get(), 0));
                const auto* title = static_cast<const QChar*>(sqlite3_column_text16(statement.get(), 1));
                titles.append(title ? QString(title, sqlite3_column_bytes16(statement.get(), 1) / 2)
                                    : QString());
            }
        }
        if (status != SQLITE_DONE) {
            failure = QString::fromUtf8(sqlite3_errmsg(connection));
            keys.clear();
            titles.clear();
        }
    }
    if (error && !failure.isEmpty())
        *error = failure;
    beginResetModel();
    m_keys = std::move(keys);
    m_titles = std::move(titles);
    endResetModel();
    return failure.isEmpty();
}

qint64 NoteListModel::keyAt(int row) const
{
    return row >= 0 && row < m_keys.size() ? m_keys.at(row) : -1;
}

QString NoteListModel::titleAt(int row) const
{
    return row >= 0 && row < m_titles.size() ? m_titles.at(row) : QString();
}

int NoteListModel::rowOfKey(qint64 key) const
{
    return int(m_keys.indexOf(key));
}

int NoteListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_keys.size());
}

int NoteListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 1;
}

QVariant NoteListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_titles.size())
        return {};
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole)
        return m_titles.at(index.row());
    return {};
}

QVariant NoteListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && section == 0 && role == Qt::DisplayRole)
        return u"Title"_s;
    return QAbstractTableModel::headerData(section, orientation, role);
}

} // namespace brivane::notes
