#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

namespace brivane::notes {

// The text of a file's bytes as the one text reader takes them (UTF-8,
// UTF-16 with a mark, else Windows-1252 line by line), with every line break
// turned into CR LF; empty when the bytes are not text.
QString decodeText(const QByteArray& bytes);

// The title of an imported note: the file's name with its extension.
QString importTitle(const QString& path);

// Reads a text file a piece at a time, so a large file can be read while
// the window keeps answering, stops at the first piece that cannot be text,
// and decodes the whole through the one text reader at the end.
class TextFileLoader
{
public:
    enum class State { Reading, Done, NotText };
    static constexpr qint64 kChunkSize = 1 << 20;

    explicit TextFileLoader(const QString& path);

    // A file that cannot be opened counts as not text.
    State start();
    // Reads the next piece; Done after the last one, NotText at the first
    // byte outside the text bytes (or a read error).
    State readChunk();
    qint64 size() const { return m_size; }
    qint64 bytesRead() const { return m_read; }
    State state() const { return m_state; }
    // The decoded text, once Done.
    QString text() const { return m_text; }

    // All the pieces in one go.
    static State readAll(const QString& path, QString* text);

private:
    QFile m_file;
    qint64 m_size = 0;
    QByteArray m_bytes;
    QString m_text;
    qint64 m_read = 0;
    bool m_utf16 = false;
    State m_state = State::Reading;
};

} // namespace brivane::notes
