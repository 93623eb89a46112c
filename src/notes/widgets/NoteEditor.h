#pragma once

#include <QPlainTextEdit>

namespace brivane::notes::widgets {

// The text editor of the Notes tab. It shows the text of one note and
// keeps the stored copy (the text as last loaded or written), so it can
// tell at every change whether the text differs from what the archive
// holds. A change of length answers at once; only a text of the stored
// length is compared in full, so typing stays light on large notes.
class NoteEditor : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit NoteEditor(QWidget* parent = nullptr);

    // Shows a note's stored text (lines separated by CR LF, CR or LF).
    void loadNote(qint64 key, const QString& title, const QString& storedText);
    // No note: empty and disabled.
    void clearNote();
    qint64 key() const { return m_key; }
    // The note now lives under another key (it was stored anew).
    void rekey(qint64 key) { m_key = key; }
    QString title() const { return m_title; }

    // Whether the text differs from the stored copy; the Update button follows.
    bool differs() const { return m_differs; }
    // The text as the archive keeps it (CR LF between lines).
    QString storedFormText() const;
    // The editor's text with "\n" between lines.
    QString plainText() const;

    // The text was written: it becomes the stored copy.
    void markWritten();
    // The user declined to write the text: the stored copy comes back on
    // screen (the caret stays where it was, as far as the text reaches).
    void declineChanges();

    // Appends one line at the end of the text, through the undo history.
    void appendLine(const QString& line);
    // The editor's own one-step undo; a second press redoes.
    void toggleUndo();
    // Searches from the character after the caret to the end (letters a to z
    // without regard to case); selects the match. False when none.
    bool findNext(const QString& needle);

    // The line-wrap toggle: wrapped lines show only the vertical scroll bar.
    void setBreakLines(bool on);

Q_SIGNALS:
    // The text came to differ from the stored copy, or stopped differing.
    void differenceChanged(bool differs);
    // The user changed the text (Undo becomes available).
    void edited();

private:
    void contentsChangedByUser();
    void setDiffers(bool differs);

    qint64 m_key = -1;
    QString m_title;
    QString m_storedCopy;
    bool m_differs = false;
    bool m_loading = false;
    bool m_redoNext = false;
    bool m_undoing = false;
};

} // namespace brivane::notes::widgets
