#pragma once

#include "agenda/TaskKind.h"

#include <QList>

class QCheckBox;
class QDateEdit;
class QFont;
class QLabel;
class QLayout;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QWidget;

namespace brivane::agenda::widgets {

// The controls of a task entry dialog, laid out: the fields page, the
// full-size note page and the button row. Controls another kind or mode does
// not have stay null. TaskDialog owns them once it places the pages and gives
// them their behaviour.
struct TaskDialogForm
{
    TaskDialogForm(TaskKind kind, EntryMode mode, int lookAheadDays);

    // Widths and heights that follow the font, so they grow with the scale.
    void fitSizes(const QFont& font);
    // Top to bottom, left to right.
    QList<QWidget*> tabOrder() const;

    QWidget* fieldsPage = nullptr;
    QWidget* bigNotePage = nullptr;
    QLayout* buttons = nullptr;

    QLabel* dateLabel = nullptr;
    QPushButton* showCalendar = nullptr;
    QLineEdit* from = nullptr;
    QLineEdit* to = nullptr;
    QPushButton* clearTimes = nullptr;
    QLineEdit* description = nullptr;
    QPlainTextEdit* note = nullptr;
    QPushButton* bigNoteButton = nullptr;
    QPlainTextEdit* bigNote = nullptr;
    QPushButton* smallNoteButton = nullptr;
    QLineEdit* link = nullptr;
    QPushButton* clearLink = nullptr;
    QLineEdit* attachment = nullptr;
    QPushButton* attachFile = nullptr;
    QPushButton* attachFolder = nullptr;
    QPushButton* clearAttachment = nullptr;
    QCheckBox* deleteAfter = nullptr;
    QCheckBox* everyDay = nullptr;
    QCheckBox* parity = nullptr;
    QCheckBox* yearsCount = nullptr;
    QLabel* yearsLabel = nullptr;
    QCheckBox* important = nullptr;
    QCheckBox* suspended = nullptr;
    QCheckBox* expiration = nullptr;
    QDateEdit* expiry = nullptr;
    QLabel* doneLabel = nullptr;
    QPushButton* add = nullptr;
    QPushButton* addClose = nullptr;
    QPushButton* modify = nullptr;
    QPushButton* print = nullptr;
    QPushButton* close = nullptr;
    QPushButton* hint = nullptr;

    // Longest texts the fields take.
    static constexpr int kDescriptionLength = 255;
    static constexpr int kLinkLength = 50;
    static constexpr int kAttachmentLength = 255;

private:
    QWidget* buildFields(TaskKind kind, EntryMode mode, int lookAheadDays);
    QWidget* buildBigNote();
    QLayout* buildButtons(EntryMode mode);
};

} // namespace brivane::agenda::widgets
