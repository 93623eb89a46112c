#include "platform/widgets/InputBox.h"

#include <QInputDialog>
#include <QStringList>

namespace brivane::platform {

namespace {
bool scripted = false;
QList<QString> nextAnswers;
QStringList history;
} // namespace

QString InputBox::ask(QWidget* parent, const QString& caption, const QString& prompt, const QString& defaultText,
                      bool masked)
{
    history << prompt;
    if (scripted)
        return nextAnswers.isEmpty() ? QString() : nextAnswers.takeFirst();
    bool ok = false;
    const QString text = QInputDialog::getText(parent, caption, prompt, masked ? QLineEdit::Password : QLineEdit::Normal,
                                               defaultText, &ok);
    return ok ? text : QString();
}

void InputBox::setScripted(bool value)
{
    scripted = value;
}

void InputBox::setNextAnswers(const QList<QString>& answers)
{
    nextAnswers = answers;
}

QStringList InputBox::prompts()
{
    return history;
}

void InputBox::clearPrompts()
{
    history.clear();
}

} // namespace brivane::platform
