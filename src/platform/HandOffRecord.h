#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace brivane::platform::handoff {

// The bytes a second start sends to the running copy over its local socket.
// Every number is a 32-bit little-endian word. A message starts with its
// number:
//   copy-data  (kCopyDataMessage):   number, tag, byte count, the data bytes
//   activation (kActivationMessage): number, 0, 0
// The running copy answers every complete message with one 32-bit word; for
// a hand-off record kAccepted means the arguments were taken.
//
// The data of a hand-off record is each argument as UTF-8 text followed by a
// zero byte, and one more zero byte at the end, so the byte count is the sum
// of (length + 1) over the arguments, plus 1.

inline constexpr quint32 kTag = 0xDE1F1DABu;
inline constexpr quint32 kCopyDataMessage = 0x004Au;
inline constexpr quint32 kActivationMessage = 1025u;
inline constexpr qint32 kAccepted = 1;
inline constexpr qint32 kRefused = 0;
// A byte count above this is refused without reading the data.
inline constexpr quint32 kMaxDataBytes = 1u << 20;

// The error the running copy reports for a record it refuses.
QString invalidRecordText();

// The zero-separated argument list, with its closing zero byte.
QByteArray argumentData(const QStringList& arguments);
// Takes text up to each zero byte as one argument and stops at the first
// empty text (or at the end of the data).
QStringList argumentsFromData(const QByteArray& data);

// A whole copy-data message carrying the arguments; the tag is a parameter
// only so that a test can send a wrong one.
QByteArray copyDataMessage(const QStringList& arguments, quint32 tag = kTag);
QByteArray activationMessage();
QByteArray answerBytes(qint32 answer);
qint32 answerFromBytes(const QByteArray& fourBytes);

struct Message
{
    enum class Status {
        Incomplete, // more bytes are needed
        Complete,   // one message of `consumed` bytes was read
        Unknown,    // not a message number this protocol knows
        Oversized,  // a copy-data message whose byte count is too large to read
    };

    Status status = Status::Incomplete;
    quint32 number = 0;
    qsizetype consumed = 0;
    // Copy-data only: whether the record is well formed (right tag, data
    // closed by a zero byte), and the arguments it carries when it is.
    bool validRecord = false;
    QStringList arguments;
};

// Reads the first message of the bytes received so far.
Message readMessage(const QByteArray& buffer);

} // namespace brivane::platform::handoff
