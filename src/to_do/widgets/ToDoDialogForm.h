#pragma once

#include <QList>

class QCheckBox;
class QComboBox;
class QFont;
class QLabel;
class QLayout;
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
struct ToDoDialogForm
{
    explicit ToDoDialogForm(ToDoDialogMode mode);

    // Widths and heights that follow the font, so they grow with the scale.
    void fitSizes(const QFont& font);
    // Top to bottom, left to right.
    QList<QWidget*> tabOrder() const;
    // The one-line fields, where Enter saves.
    QList<QWidget*> oneLineFields() const;

    static constexpr int kDescriptionLength = 255;
    static constexpr int kLinkLength = 50;
    static constexpr int kAttachmentLength = 255;
    static constexpr int kGroupLength = 50;

    QWidget* fieldsPage = nullptr;
    QWidget* bigNotePage = nullptr;
    QLayout* buttons = nullptr;

    QLineEdit* description = nullptr;
    QSpinBox* priority = nullptr;
    QComboBox* group = nullptr;
    QCheckBox* done = nullptr;
    QSlider* percent = nullptr;
    QLabel* percentLabel = nullptr;
    QPushButton* bigNoteButton = nullptr;
    QPlainTextEdit* note = nullptr;
    QPushButton* smallNoteButton = nullptr;
    QPlainTextEdit* bigNote = nullptr;
    QLineEdit* link = nullptr;
    QPushButton* clearLink = nullptr;
    QLineEdit* attachment = nullptr;
    QPushButton* attachFile = nullptr;
    QPushButton* attachFolder = nullptr;
    QPushButton* clearAttachment = nullptr;

    QPushButton* hint = nullptr;
    QPushButton* print = nullptr;
    QPushButton* add = nullptr;
    QPushButton* addClose = nullptr;
    QPushButton* modify = nullptr;
    QPushButton* close = nullptr;

private:
    QWidget* buildFields(ToDoDialogMode mode);
    QWidget* buildBigNote();
    QLayout* buildButtons(ToDoDialogMode mode);
};

} // namespace brivane::to_do::widgets
