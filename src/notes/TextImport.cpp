#include "notes/TextImport.h"

#include "contacts/TextFileReader.h"
#include "notes/NoteText.h"

#include <QFileInfo>

namespace brivane::notes {

QString decodeText(const QByteArray& bytes)
{
    const contacts::TextFileReader::Result result = contacts::TextFileReader::decode(bytes, QString());
    return result.ok() ? withCrLf(result.text) : QString();
}

QString importTitle(const QString& path)
{
    return QFileInfo(path).fileName();
}

TextFileLoader::TextFileLoader(const QString& path) : m_file(path) {}

TextFileLoader::State TextFileLoader::start()
{
    m_bytes.clear();
    m_text.clear();
    m_read = 0;
    if (!m_file.open(QIODevice::ReadOnly)) {
        m_state = State::NotText;
        return m_state;
    }
    m_size = m_file.size();
    m_bytes.reserve(m_size);
    m_state = State::Reading;
    return m_state;
}

TextFileLoader::State TextFileLoader::readChunk()
{
    if (m_state != State::Reading)
        return m_state;
    const QByteArray piece = m_file.read(kChunkSize);
    if (m_bytes.isEmpty())
        m_utf16 = contacts::TextFileReader::hasUtf16Mark(piece);
    // UTF-16 holds zero bytes: its text is tested once decoded.
    if (m_file.error() != QFileDevice::NoError || (!m_utf16 && !contacts::TextFileReader::mayBeText(piece))) {
        m_bytes.clear();
        m_file.close();
        m_state = State::NotText;
        return m_state;
    }
    m_bytes.append(piece);
    m_read += piece.size();
    if (piece.isEmpty() || m_file.atEnd()) {
        m_file.close();
        const contacts::TextFileReader::Result decoded = contacts::TextFileReader::decode(m_bytes, m_file.fileName());
        m_bytes.clear();
        if (!decoded.ok()) {
            m_state = State::NotText;
            return m_state;
        }
        m_text = withCrLf(decoded.text);
        m_state = State::Done;
    }
    return m_state;
}

TextFileLoader::State TextFileLoader::readAll(const QString& path, QString* text)
{
    TextFileLoader reader(path);
    State state = reader.start();
    while (state == State::Reading)
        state = reader.readChunk();
    if (state == State::Done && text)
        *text = reader.text();
    return state;
}

} // namespace brivane::notes
