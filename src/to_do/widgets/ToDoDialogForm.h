#pragma once

#include "ui/EntryForm.h"

#include <QList>

class QCheckBox;
class QComboBox;
class QFont;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSlider;
class QSpinBox;
class QWidget;

namespace brivane::to_do::widgets {

enum class ToDoDialogMode { Add, Modify };

// The controls of the to-do dialog, laid out: the fields page, the
// full-size note page and the button row. Controls the other mode does not
// have stay null. ToDoDialog places the pages, owns them and gives the
// controls their behaviour.
struct ToDoDialogForm : ui::LinkedEntryForm
{
    explicit ToDoDialogForm(ToDoDialogMode mode);

    // Widths and heights that follow the font, so they grow with the scale.
    void fitSizes(const QFont& font);
    // Top to bottom, left to right.
    QList<QWidget*> tabOrder() const;
    // The one-line fields, where Enter saves.
    QList<QWidget*> oneLineFields() const;

    static constexpr int kDescriptionLength = 255;
    static constexpr int kGroupLength = 50;

    QLineEdit* description = nullptr;
    QSpinBox* priority = nullptr;
    QComboBox* group = nullptr;
    // The modify dialog's done box and percentage bar.
    QCheckBox* done = nullptr;
    QSlider* percent = nullptr;
    QLabel* percentLabel = nullptr;

private:
    QWidget* buildFields(ToDoDialogMode mode);
};

} // namespace brivane::to_do::widgets
