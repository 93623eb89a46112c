#include "platform/HandOffRecord.h"

#include <QtEndian>

namespace brivane::platform::handoff {

namespace {

constexpr qsizetype kWord = 4;
constexpr qsizetype kHeader = 3 * kWord;

void appendWord(QByteArray& bytes, quint32 value)
{
    char word[kWord];
    qToLittleEndian(value, word);
    bytes.append(word, kWord);
}

quint32 wordAt(const QByteArray& bytes, qsizetype offset)
{
    return qFromLittleEndian<quint32>(bytes.constData() + offset);
}

} // namespace

QString invalidRecordText()
{
    return QStringLiteral("Invalid data structure passed in WM_COPYDATA");
}

QByteArray argumentData(const QStringList& arguments)
{
    QByteArray data;
    for (const QString& argument : arguments) {
        data.append(argument.toUtf8());
        data.append('\0');
    }
    data.append('\0');
    return data;
}

QStringList argumentsFromData(const QByteArray& data)
{
    QStringList arguments;
    qsizetype start = 0;
    while (start < data.size()) {
        qsizetype end = data.indexOf('\0', start);
        if (end < 0)
            end = data.size();
        if (end == start)
            break;
        arguments << QString::fromUtf8(data.constData() + start, end - start);
        start = end + 1;
    }
    return arguments;
}

QByteArray copyDataMessage(const QStringList& arguments, quint32 tag)
{
    const QByteArray data = argumentData(arguments);
    QByteArray bytes;
    appendWord(bytes, kCopyDataMessage);
    appendWord(bytes, tag);
    appendWord(bytes, quint32(data.size()));
    bytes.append(data);
    return bytes;
}

QByteArray activationMessage()
{
    QByteArray bytes;
    appendWord(bytes, kActivationMessage);
    appendWord(bytes, 0);
    appendWord(bytes, 0);
    return bytes;
}

QByteArray answerBytes(qint32 answer)
{
    QByteArray bytes;
    appendWord(bytes, quint32(answer));
    return bytes;
}

qint32 answerFromBytes(const QByteArray& fourBytes)
{
    return fourBytes.size() < kWord ? kRefused : qint32(wordAt(fourBytes, 0));
}

Message readMessage(const QByteArray& buffer)
{
    Message message;
    if (buffer.size() < kWord)
        return message;
    message.number = wordAt(buffer, 0);
    if (message.number != kCopyDataMessage && message.number != kActivationMessage) {
        message.status = Message::Status::Unknown;
        return message;
    }
    if (buffer.size() < kHeader)
        return message;
    if (message.number == kActivationMessage) {
        message.status = Message::Status::Complete;
        message.consumed = kHeader;
        return message;
    }
    const quint32 tag = wordAt(buffer, kWord);
    const quint32 count = wordAt(buffer, 2 * kWord);
    if (count > kMaxDataBytes) {
        message.status = Message::Status::Oversized;
        return message;
    }
    if (buffer.size() < kHeader + qsizetype(count))
        return message;
    const QByteArray data = buffer.mid(kHeader, count);
    message.status = Message::Status::Complete;
    message.consumed = kHeader + count;
    message.validRecord = tag == kTag && data.endsWith('\0');
    if (message.validRecord)
        message.arguments = argumentsFromData(data);
    return message;
}

} // namespace brivane::platform::handoff
