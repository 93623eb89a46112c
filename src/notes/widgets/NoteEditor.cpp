#include "notes/widgets/NoteEditor.h"

#include "notes/NoteText.h"

#include <QScrollBar>
#include <QAbstractUndoItem>
#include <QTextBlock>
#include <QTextDocument>

using namespace Qt::StringLiterals;

namespace brivane::notes::widgets {

namespace {

class ClosingUndoStep final : public QAbstractUndoItem
{
public:
    void undo() override {}
    void redo() override {}
};

} // namespace

NoteEditor::NoteEditor(QWidget* parent) : QPlainTextEdit(parent)
{
    setObjectName(u"Editor"_s);
    setTabChangesFocus(false);
    setBreakLines(true);
    connect(document(), &QTextDocument::contentsChanged, this, &NoteEditor::contentsChangedByUser);
}

void NoteEditor::loadNote(qint64 key, const QString& title, const QString& storedText)
{
    m_loading = true;
    m_key = key;
    m_title = title;
    setEnabled(true);
    // One call for the whole text: no work per character.
    setPlainText(storedText);
    m_storedCopy = document()->toRawText();
    m_redoNext = false;
    m_loading = false;
    setDiffers(false);
}

void NoteEditor::clearNote()
{
    m_loading = true;
    m_key = -1;
    m_title.clear();
    clear();
    m_storedCopy.clear();
    m_redoNext = false;
    m_loading = false;
    setDiffers(false);
    setEnabled(false);
}

QString NoteEditor::storedFormText() const
{
    return toStoredText(document()->toRawText());
}

QString NoteEditor::plainText() const
{
    QString text = document()->toRawText();
    text.replace(QChar(QChar::ParagraphSeparator), u'\n').replace(QChar(QChar::LineSeparator), u'\n');
    return text;
}

void NoteEditor::markWritten()
{
    m_storedCopy = document()->toRawText();
    setDiffers(false);
}

void NoteEditor::declineChanges()
{
    if (m_differs) {
        // The declined edit goes: the editor shows what the archive holds, so
        // no later keystroke can bring the edit back to be saved.
        const int caret = textCursor().position();
        const int scroll = verticalScrollBar()->value();
        QString stored = m_storedCopy;
        stored.replace(QChar(QChar::ParagraphSeparator), u'\n').replace(QChar(QChar::LineSeparator), u'\n');
        m_loading = true;
        setPlainText(stored);
        m_loading = false;
        QTextCursor cursor = textCursor();
        cursor.setPosition(qMin(caret, document()->characterCount() - 1));
        setTextCursor(cursor);
        verticalScrollBar()->setValue(scroll);
        m_redoNext = false;
    }
    setDiffers(false);
}

void NoteEditor::appendLine(const QString& line)
{
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    cursor.beginEditBlock();
    // A text that ends with an empty line (or is empty) takes the line on it.
    if (!cursor.block().text().isEmpty())
        cursor.insertBlock();
    cursor.insertText(line);
    // A step that does nothing closes the stamp's undo step, so typing right
    // after it starts a step of its own instead of joining the stamp.
    document()->appendUndoItem(new ClosingUndoStep);
    cursor.endEditBlock();
    setTextCursor(cursor);
    ensureCursorVisible();
}

void NoteEditor::toggleUndo()
{
    m_undoing = true;
    if (m_redoNext && document()->isRedoAvailable()) {
        redo();
        m_redoNext = false;
    } else if (document()->isUndoAvailable()) {
        undo();
        m_redoNext = true;
    }
    m_undoing = false;
}

bool NoteEditor::findNext(const QString& needle)
{
    const QString text = plainText();
    const qsizetype at = findForward(text, needle, textCursor().selectionStart() + 1);
    if (at < 0)
        return false;
    QTextCursor cursor(document());
    cursor.setPosition(int(at));
    cursor.setPosition(int(at + needle.size()), QTextCursor::KeepAnchor);
    setTextCursor(cursor);
    setFocus();
    return true;
}

void NoteEditor::setBreakLines(bool on)
{
    setLineWrapMode(on ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    setHorizontalScrollBarPolicy(on ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded);
}

void NoteEditor::contentsChangedByUser()
{
    if (m_loading)
        return;
    if (!m_undoing)
        m_redoNext = false;
    const qsizetype length = document()->characterCount() - 1;
    setDiffers(length != m_storedCopy.size() || document()->toRawText() != m_storedCopy);
    Q_EMIT edited();
}

void NoteEditor::setDiffers(bool differs)
{
    if (m_differs == differs)
        return;
    m_differs = differs;
    Q_EMIT differenceChanged(differs);
}

} // namespace brivane::notes::widgets
