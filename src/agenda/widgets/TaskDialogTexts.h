#pragma once

#include "agenda/TaskKind.h"

#include <QString>

namespace brivane::agenda::widgets {

// The fixed texts of the eight task entry dialogs and of the date chooser.
struct TaskDialogTexts
{
    QString objectName;    // window class, e.g. "TAggShotForm"
    QString windowCaption; // e.g. "-> New One Shot Task"
    QString title;         // title bar, e.g. "Insert One Shot"
    QString dateCaption;   // "Date" or "Day"
    QString help;          // the "Hint" text, "\r" a line break

    static TaskDialogTexts of(TaskKind kind, EntryMode mode);
};

// The parity box of a repeating kind ("Bi-Monthly ", "Bi-Weekly ",
// "Bi-Yearly"); empty for one-shot tasks.
QString parityCaption(TaskKind kind);

// The date chooser per kind: its title and the pattern of the confirm
// button's caption.
struct ChooserTexts
{
    QString title;
    QString pattern;

    static ChooserTexts of(TaskKind kind);
};

} // namespace brivane::agenda::widgets
