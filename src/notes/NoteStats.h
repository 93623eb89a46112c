#pragma once

#include <QString>
#include <QStringList>

namespace brivane::notes {

// The two text statistics of the Notes tab, over the editor's lines.
struct NoteStats
{
    qsizetype lines = 0;
    // Fast stats: every line, the last included, counted with its CR LF.
    qsizetype charactersWithBreaks = 0;
    // Advanced stats: the characters of the lines, line breaks not counted.
    qsizetype characters = 0;
    // Advanced stats: runs of characters other than the blank (code 32) in
    // the lines joined with a blank before each; tabs do not separate words.
    qsizetype words = 0;

    static NoteStats of(const QStringList& lines);

    // Advanced stats ask first when the text has more lines than this.
    static constexpr qsizetype kAdvancedQuestionLines = 300;

    QString fastText() const;
    QString advancedText() const;
    static QString advancedQuestion();
};

} // namespace brivane::notes
