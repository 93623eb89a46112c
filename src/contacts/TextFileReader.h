#pragma once

#include <QByteArray>
#include <QString>

namespace brivane::contacts {

// The one reader of every text file the program imports (contact CSV files,
// note text files, theme files). It takes what users have:
// - UTF-8, with or without a byte order mark;
// - UTF-16 with a byte order mark (little or big endian);
// - otherwise Windows-1252, what Windows programs such as Outlook and
//   Notepad write (Latin-1 but for 0x80-0x9F: curly quotes, euro, dashes).
// Without a UTF-16 mark the choice is made line by line: a line that is
// valid UTF-8 is read as UTF-8, any other as Windows-1252, so one stray byte
// spoils no other line. Files that are not text (a NUL or another control
// character no text holds) and UTF-32 files are refused with a message
// naming the file and the line.
class TextFileReader
{
public:
    enum class Encoding {
        Utf8,        // every line UTF-8 (or plain ASCII)
        Utf16,
        Windows1252, // at least one line was not UTF-8
    };
    enum class Problem {
        None,
        Unreadable,      // missing, a folder, or no permission
        NotText,         // holds control characters no text file has (NUL, ESC, ...)
        UnknownEncoding, // UTF-32, or UTF-16 that does not decode
    };

    struct Result
    {
        QString text;
        Encoding encoding = Encoding::Utf8;
        Problem problem = Problem::None;
        // The 1-based line of the first offending byte (0 when none applies).
        int line = 0;
        // The message for the user; empty when the file was read.
        QString message;

        bool ok() const { return problem == Problem::None; }
    };

    static Result read(const QString& path);
    // Decodes bytes read from `path` (the path only names the file in messages).
    static Result decode(const QByteArray& bytes, const QString& path);

    // Whether a piece of a file without a UTF-16 mark can be text: true when
    // it holds none of the control characters decode() refuses. Lets a
    // reader that reads a large file piece by piece stop at the first binary
    // piece.
    static bool mayBeText(QByteArrayView bytes);
    // Whether `bytes` start with a UTF-16 byte order mark.
    static bool hasUtf16Mark(QByteArrayView bytes);
};

} // namespace brivane::contacts
