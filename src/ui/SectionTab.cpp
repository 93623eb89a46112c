#include "ui/SectionTab.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTextEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace brivane::ui {

SectionTab::SectionTab(const QString& searchName, const QString& counterName, const QString& hintName,
                       const QString& hintText, QWidget* parent)
    : QWidget(parent)
{
    m_search = new QLineEdit;
    m_search->setObjectName(searchName);
    m_search->setPlaceholderText(QStringLiteral("Search"));
    m_search->setClearButtonEnabled(true);
    m_counter = new QLabel;
    m_counter->setObjectName(counterName);
    m_counter->setFrameShape(QFrame::StyledPanel);
    m_counter->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_counter->setMinimumWidth(90);
    auto* hint = new QToolButton;
    hint->setObjectName(hintName);
    hint->setText(QStringLiteral("?"));
    hint->setToolTip(hintText);

    m_toolbar = new QHBoxLayout;
    m_toolbar->addWidget(m_search, 1);
    m_toolbar->addWidget(m_counter);
    m_toolbar->addWidget(hint);
    m_body = new QVBoxLayout;
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(m_toolbar);
    layout->addLayout(m_body, 1);
}

void SectionTab::setCounter(const QString& caption)
{
    m_counter->setText(caption);
}

NotesTab::NotesTab(QWidget* parent)
    : SectionTab(QStringLiteral("Edit_note"), QStringLiteral("Panel_totnote"), QStringLiteral("SpeedButtonHintNote"),
                 QStringLiteral("Your notes"), parent)
{
    m_breakLines = new QToolButton;
    m_breakLines->setObjectName(QStringLiteral("SpeedButton_Breakline"));
    m_breakLines->setText(QStringLiteral("Wrap"));
    m_breakLines->setToolTip(QStringLiteral("Break long lines"));
    m_breakLines->setCheckable(true);
    m_formatBar = new QToolButton;
    m_formatBar->setObjectName(QStringLiteral("SpeedButton_Formatbar"));
    m_formatBar->setText(QStringLiteral("Format"));
    m_formatBar->setToolTip(QStringLiteral("Show the format bar"));
    m_formatBar->setCheckable(true);
    toolbar()->insertWidget(1, m_breakLines);
    toolbar()->insertWidget(2, m_formatBar);

    m_format = new QWidget;
    m_format->setObjectName(QStringLiteral("Panel_Format"));
    auto* formatLayout = new QHBoxLayout(m_format);
    formatLayout->setContentsMargins(0, 0, 0, 0);
    formatLayout->addWidget(new QLabel(QStringLiteral("Format")));
    formatLayout->addStretch();
    m_editor = new QTextEdit;
    m_editor->setObjectName(QStringLiteral("Editor"));
    m_editor->setAcceptRichText(false);
    body()->addWidget(m_format);
    body()->addWidget(m_editor, 1);

    connect(m_breakLines, &QToolButton::clicked, this, &NotesTab::breakLinesClicked);
    connect(m_formatBar, &QToolButton::clicked, this, &NotesTab::formatBarClicked);
}

void NotesTab::setBreakLines(bool on)
{
    m_breakLines->setChecked(on);
    m_editor->setLineWrapMode(on ? QTextEdit::WidgetWidth : QTextEdit::NoWrap);
}

void NotesTab::setFormatBarShown(bool shown)
{
    m_formatBar->setChecked(shown);
    m_format->setVisible(shown);
}

void NotesTab::setEditorLook(const QFont& font, const QColor& text, const QColor& background)
{
    m_editor->setFont(font);
    QPalette palette = m_editor->palette();
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::Base, background);
    m_editor->setPalette(palette);
}

} // namespace brivane::ui
