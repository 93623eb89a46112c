#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

namespace brivane::notes {

// True when every byte is a tab, line feed, carriage return, 26 or any
// value from 32 to 255: the bytes a plain text file may hold.
bool isTextBlock(const QByteArray& bytes);

// Text bytes as UTF-8 when they are valid UTF-8 (a leading byte order mark
// dropped), else as Latin-1, with every line break turned into CR LF.
QString decodeText(const QByteArray& bytes);

// The title of an imported note: the file's name with its extension.
QString importTitle(const QString& path);

// Reads a text file a piece at a time, so a large file can be read while
// the window keeps answering, and applies the text test to every piece.
class TextFileReader
{
public:
    enum class State { Reading, Done, NotText };
    static constexpr qint64 kChunkSize = 1 << 20;

    explicit TextFileReader(const QString& path);

    // A file that cannot be opened counts as not text.
    State start();
    // Reads the next piece; Done after the last one, NotText at the first
    // byte outside the text bytes (or a read error).
    State readChunk();
    qint64 size() const { return m_size; }
    qint64 bytesRead() const { return m_bytes.size(); }
    State state() const { return m_state; }
    // The decoded text, once Done.
    QString text() const { return decodeText(m_bytes); }

    // All the pieces in one go.
    static State readAll(const QString& path, QString* text);

private:
    QFile m_file;
    qint64 m_size = 0;
    QByteArray m_bytes;
    State m_state = State::Reading;
};

} // namespace brivane::notes
