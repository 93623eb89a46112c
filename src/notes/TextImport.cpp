#include "notes/TextImport.h"

#include "notes/NoteText.h"

#include <QFileInfo>
#include <QStringDecoder>

namespace brivane::notes {

namespace {

// The bytes below 32 a text file may hold: tab, line feed, carriage return, 26.
constexpr bool isTextByte(unsigned char byte)
{
    return byte >= 32 || byte == 9 || byte == 10 || byte == 13 || byte == 26;
}

} // namespace

bool isTextBlock(const QByteArray& bytes)
{
    for (const char byte : bytes) {
        if (!isTextByte(static_cast<unsigned char>(byte)))
            return false;
    }
    return true;
}

QString decodeText(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringConverter::Utf8);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        text = QString::fromLatin1(bytes);
    return withCrLf(text);
}

QString importTitle(const QString& path)
{
    return QFileInfo(path).fileName();
}

TextFileReader::TextFileReader(const QString& path) : m_file(path) {}

TextFileReader::State TextFileReader::start()
{
    m_bytes.clear();
    if (!m_file.open(QIODevice::ReadOnly)) {
        m_state = State::NotText;
        return m_state;
    }
    m_size = m_file.size();
    m_bytes.reserve(m_size);
    m_state = State::Reading;
    return m_state;
}

TextFileReader::State TextFileReader::readChunk()
{
    if (m_state != State::Reading)
        return m_state;
    const QByteArray piece = m_file.read(kChunkSize);
    if (m_file.error() != QFileDevice::NoError || !isTextBlock(piece)) {
        m_bytes.clear();
        m_file.close();
        m_state = State::NotText;
        return m_state;
    }
    m_bytes.append(piece);
    if (piece.isEmpty() || m_file.atEnd()) {
        m_file.close();
        m_state = State::Done;
    }
    return m_state;
}

TextFileReader::State TextFileReader::readAll(const QString& path, QString* text)
{
    TextFileReader reader(path);
    State state = reader.start();
    while (state == State::Reading)
        state = reader.readChunk();
    if (state == State::Done && text)
        *text = reader.text();
    return state;
}

} // namespace brivane::notes
