#pragma once

#include <QSqlDatabase>
#include <QString>

#include <optional>

namespace brivane::notes {

// A note as the dialogs write it. A null group is stored as null.
struct NoteFields
{
    QString title;
    QString text;
    QString group;
};

// The statements of the note table BRnot80. Every value travels as a bound
// parameter, and each write is one statement, committed when it returns.
// The functions throw nothing: they return false, -1 or nothing and, when
// the caller passes a text, put the engine's message in it.
class NoteStore
{
public:
    explicit NoteStore(QSqlDatabase db) : m_db(std::move(db)) {}

    // The stored text of a note (an empty text for a null one); nothing when
    // the note does not exist or the archive refuses.
    std::optional<QString> text(qint64 key, QString* error = nullptr) const;

    // The stored title, text and group of a note; nothing when it does not
    // exist or the archive refuses.
    std::optional<NoteFields> note(qint64 key, QString* error = nullptr) const;

    // Writes the editor's text to a note. When the row has gone meanwhile
    // (deleted from another machine on a shared archive) the text is kept as
    // a new note with the given title and group instead. Returns the key the
    // text now lives under, or -1.
    qint64 updateText(qint64 key, const QString& text, const QString& title, const QString& group,
                      QString* error = nullptr) const;

    // The new key, or -1.
    qint64 insert(const NoteFields& note, QString* error = nullptr) const;
    // A note imported from a text file: title and text, no group.
    qint64 insertImported(const QString& title, const QString& text, QString* error = nullptr) const;
    // False also when the row does not exist.
    bool modify(qint64 key, const NoteFields& note, QString* error = nullptr) const;
    // A copy of the stored title, text and group; the new key, or -1.
    qint64 clone(qint64 key, QString* error = nullptr) const;
    bool remove(qint64 key, QString* error = nullptr) const;

    // The number of notes, or -1.
    int total() const;

private:
    QSqlDatabase m_db;
};

} // namespace brivane::notes
