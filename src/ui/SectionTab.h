#pragma once

#include <QWidget>

class QHBoxLayout;
class QLabel;
class QLineEdit;
class QTextEdit;
class QToolButton;
class QVBoxLayout;

namespace brivane::ui {

// The frame every list section shares: a search field, the record counter
// and the hint button above the section's own content.
class SectionTab : public QWidget
{
    Q_OBJECT

public:
    SectionTab(const QString& searchName, const QString& counterName, const QString& hintName,
               const QString& hintText, QWidget* parent = nullptr);

    void setCounter(const QString& caption);
    QLineEdit* searchField() const { return m_search; }
    QHBoxLayout* toolbar() const { return m_toolbar; }
    QVBoxLayout* body() const { return m_body; }

private:
    QLineEdit* m_search;
    QLabel* m_counter;
    QHBoxLayout* m_toolbar;
    QVBoxLayout* m_body;
};

// The Notes section: the note editor with its line-break and format-bar switches.
class NotesTab : public SectionTab
{
    Q_OBJECT

public:
    explicit NotesTab(QWidget* parent = nullptr);

    void setBreakLines(bool on);
    void setFormatBarShown(bool shown);
    void setEditorLook(const QFont& font, const QColor& text, const QColor& background);

Q_SIGNALS:
    void breakLinesClicked(bool on);
    void formatBarClicked(bool shown);

private:
    QTextEdit* m_editor;
    QToolButton* m_breakLines;
    QToolButton* m_formatBar;
    QWidget* m_format;
};

} // namespace brivane::ui
