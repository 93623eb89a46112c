#pragma once

#include <QList>
#include <QString>

class QWidget;

namespace brivane::platform {

// A modal text input box. A cancelled box answers an empty text. Tests
// script the next answers; nothing is shown then, and every prompt is kept.
class InputBox
{
public:
    static QString ask(QWidget* parent, const QString& caption, const QString& prompt, const QString& defaultText,
                       bool masked = false);

    static void setScripted(bool scripted);
    static void setNextAnswers(const QList<QString>& answers);
    static QStringList prompts();
    static void clearPrompts();
};

} // namespace brivane::platform
