#pragma once

#include <QString>

namespace brivane::to_do {

// The fixed texts of the To Do tab and its dialogs.
struct ToDoTexts
{
    static QString tabHint();
    // " You are in order to eliminate "<description>", plus a random ending.
    static QString deleteQuestion(const QString& description);
    static QString insertGroupQuestion(const QString& name);
    static QString deleteGroupQuestion(const QString& name);
    static QString addHelp();
    static QString modifyHelp();
};

} // namespace brivane::to_do
