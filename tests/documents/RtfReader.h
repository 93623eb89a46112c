#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// A reader of the little RTF the documents use, for tests: the paragraphs
// with their text (Unicode escapes decoded) and whether they are bold,
// italic, centred.
struct RtfParagraph
{
    QString text;
    bool bold = false;
    bool italic = false;
    bool centred = false;
    friend bool operator==(const RtfParagraph&, const RtfParagraph&) = default;
};

inline QList<RtfParagraph> readRtf(const QByteArray& rtf)
{
    QList<RtfParagraph> paragraphs;
    RtfParagraph current;
    int depth = 0;
    int skipDepth = -1; // inside the font table
    int i = 0;
    auto inBody = [&] { return skipDepth < 0; };
    while (i < rtf.size()) {
        const char c = rtf[i];
        if (c == '{') {
            ++depth;
            ++i;
            continue;
        }
        if (c == '}') {
            if (depth == skipDepth)
                skipDepth = -1;
            --depth;
            ++i;
            continue;
        }
        if (c == '\\') {
            ++i;
            if (i < rtf.size() && (rtf[i] == '\\' || rtf[i] == '{' || rtf[i] == '}')) {
                if (inBody())
                    current.text += QLatin1Char(rtf[i]);
                ++i;
                continue;
            }
            QByteArray word;
            while (i < rtf.size() && std::isalpha(uchar(rtf[i])))
                word += rtf[i++];
            QByteArray number;
            while (i < rtf.size() && (rtf[i] == '-' || std::isdigit(uchar(rtf[i]))))
                number += rtf[i++];
            if (i < rtf.size() && rtf[i] == ' ')
                ++i;
            if (word == "fonttbl")
                skipDepth = depth;
            else if (word == "pard")
                current.centred = false;
            else if (word == "qc")
                current.centred = true;
            else if (word == "plain")
                current.bold = current.italic = false;
            else if (word == "b")
                current.bold = number != "0";
            else if (word == "i")
                current.italic = number != "0";
            else if (word == "tab")
                current.text += QLatin1Char('\t');
            else if (word == "u") {
                current.text += QChar(ushort(number.toShort()));
                if (i < rtf.size())
                    ++i; // the "?" fallback
            } else if (word == "par") {
                paragraphs << current;
                current.text.clear();
            }
            continue;
        }
        if (c != '\n' && c != '\r' && inBody() && depth == 1)
            current.text += QLatin1Char(c);
        ++i;
    }
    return paragraphs;
}
