#pragma once

#include <QByteArray>
#include <QString>

namespace brivane::contacts {

// Reads a whole text file for the contact import. The bytes are taken as
// UTF-8 when they are valid UTF-8 (a UTF-8 byte order mark is dropped), and
// as Latin-1 otherwise. Files that are not text, or whose encoding is neither
// of the two, are refused with a message naming the file and the line.
class TextFileReader
{
public:
    enum class Encoding { Utf8, Latin1 };
    enum class Problem {
        None,
        Unreadable,      // missing, a folder, or no permission
        NotText,         // holds control characters no text file has (NUL, ESC, ...)
        UnknownEncoding, // UTF-16/UTF-32, or bytes that are no character in Latin-1
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
};

} // namespace brivane::contacts
