#pragma once

#include "agenda/TaskKind.h"
#include "ui/EntryForm.h"

#include <QList>

class QCheckBox;
class QDateEdit;
class QFont;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QWidget;

namespace brivane::agenda::widgets {

// The controls of a task entry dialog, laid out: the fields page, the
// full-size note page and the button row. Controls another kind or mode does
// not have stay null. TaskDialog owns them once it places the pages and gives
// them their behaviour.
struct TaskDialogForm : ui::LinkedEntryForm
{
    TaskDialogForm(TaskKind kind, EntryMode mode, int lookAheadDays);

    // Widths and heights that follow the font, so they grow with the scale.
    void fitSizes(const QFont& font);
    // Top to bottom, left to right.
    QList<QWidget*> tabOrder() const;

    QLabel* dateLabel = nullptr;
    QPushButton* showCalendar = nullptr;
    QLineEdit* from = nullptr;
    QLineEdit* to = nullptr;
    QPushButton* clearTimes = nullptr;
    QLineEdit* description = nullptr;
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

    // Longest texts the fields take.
    static constexpr int kDescriptionLength = 255;

private:
    QWidget* buildFields(TaskKind kind, EntryMode mode, int lookAheadDays);
};

} // namespace brivane::agenda::widgets
