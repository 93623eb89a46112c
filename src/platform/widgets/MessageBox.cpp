#include "platform/widgets/MessageBox.h"

#include <QMessageBox>

namespace brivane::platform {

namespace {
bool scripted = false;
QList<MessageBox::Answer> nextAnswers;
QList<MessageBox::Shown> history;
} // namespace

void MessageBox::setScripted(bool value)
{
    scripted = value;
}

bool MessageBox::isScripted()
{
    return scripted;
}

void MessageBox::setNextAnswers(const QList<Answer>& answers)
{
    nextAnswers = answers;
}

QList<MessageBox::Shown> MessageBox::shown()
{
    return history;
}

QStringList MessageBox::shownTexts()
{
    QStringList texts;
    for (const Shown& box : history)
        texts << box.text;
    return texts;
}

void MessageBox::clearShown()
{
    history.clear();
}

MessageBox::Answer MessageBox::ask(QWidget* parent, Kind kind, bool exclamation, const QString& text,
                                   const QString& title)
{
    history.append({kind, text, title});
    if (scripted) {
        if (kind != Kind::Question)
            return Answer::Ok;
        return nextAnswers.isEmpty() ? Answer::No : nextAnswers.takeFirst();
    }
    // Carriage returns are the program's line breaks.
    QString shownText = text;
    shownText.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QMessageBox box(parent);
    box.setWindowTitle(title);
    box.setText(shownText);
    switch (kind) {
    case Kind::Question:
        box.setIcon(exclamation ? QMessageBox::Warning : QMessageBox::Question);
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        return box.exec() == QMessageBox::Yes ? Answer::Yes : Answer::No;
    case Kind::Warning:
        box.setIcon(QMessageBox::Warning);
        break;
    case Kind::Information:
        box.setIcon(QMessageBox::Information);
        break;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return Answer::Ok;
}

MessageBox::Answer MessageBox::question(QWidget* parent, const QString& text, const QString& title)
{
    return ask(parent, Kind::Question, false, text, title);
}

MessageBox::Answer MessageBox::warningQuestion(QWidget* parent, const QString& text)
{
    return ask(parent, Kind::Question, true, text, caption());
}

void MessageBox::warning(QWidget* parent, const QString& text, const QString& title)
{
    ask(parent, Kind::Warning, false, text, title);
}

void MessageBox::information(QWidget* parent, const QString& text, const QString& title)
{
    ask(parent, Kind::Information, false, text, title);
}

} // namespace brivane::platform
