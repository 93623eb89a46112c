#include "notes/NoteStats.h"

#include <QTextBoundaryFinder>

using namespace Qt::StringLiterals;

namespace brivane::notes {

namespace {

// Characters as the user sees them: a letter outside the Basic Multilingual
// Plane (two UTF-16 units) or a letter with its combining accents is one.
qsizetype visibleCharacters(const QString& line)
{
    qsizetype count = 0;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, line);
    while (finder.toNextBoundary() > 0)
        ++count;
    return count;
}

} // namespace

NoteStats NoteStats::of(const QStringList& lines)
{
    NoteStats stats;
    stats.lines = lines.size();
    for (const QString& line : lines) {
        stats.characters += visibleCharacters(line);
        // Each line starts after a blank in the joined text, so a word never
        // runs from one line into the next.
        bool inWord = false;
        for (const QChar c : line) {
            const bool blank = c == u' ';
            if (!blank && !inWord)
                ++stats.words;
            inWord = !blank;
        }
    }
    stats.charactersWithBreaks = stats.characters + 2 * stats.lines;
    return stats;
}

QString NoteStats::fastText() const
{
    return u"Lines: "_s + QString::number(lines) + u"\r\n"_s + u"Characters (including spaces): "_s +
           QString::number(charactersWithBreaks);
}

QString NoteStats::advancedText() const
{
    return u"== Statistics of the document ==\r\n\r\nRighe: "_s + QString::number(lines) + u"\r\n\r\n"_s +
           u"Caratteri (spazi inclusi): "_s + QString::number(characters) + u"\r\n\r\n"_s + u"Parole: "_s +
           QString::number(words) + u"\n"_s;
}

QString NoteStats::advancedQuestion()
{
    return u"Apply advanced statistical counting in this document, may require \r a long waiting time. "
           u"Perform "
           "advanced still count?"_s;
}

} // namespace brivane::notes
