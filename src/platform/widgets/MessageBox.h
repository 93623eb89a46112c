#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QWidget;

namespace brivane::platform {

// The program's three kinds of modal box, all with the caption
// "Brivane Organizer". Tests switch to scripted answers: nothing is shown,
// every text is recorded, and questions take the next scripted answer.
class MessageBox
{
public:
    enum class Answer { Yes, No, Ok };
    enum class Kind { Question, Warning, Information };

    struct Shown
    {
        Kind kind;
        QString text;
        QString caption;
    };

    static QString caption() { return QStringLiteral("Brivane Organizer"); }

    static Answer question(QWidget* parent, const QString& text, const QString& caption = MessageBox::caption());
    // A question with the exclamation icon.
    static Answer warningQuestion(QWidget* parent, const QString& text);
    static void warning(QWidget* parent, const QString& text, const QString& caption = MessageBox::caption());
    static void information(QWidget* parent, const QString& text, const QString& caption = MessageBox::caption());

    // Testing: answers are taken in order; an empty script answers No.
    static void setScripted(bool scripted);
    static bool isScripted();
    static void setNextAnswers(const QList<Answer>& answers);
    static QList<Shown> shown();
    static QStringList shownTexts();
    static void clearShown();

private:
    static Answer ask(QWidget* parent, Kind kind, bool exclamation, const QString& text, const QString& caption);
};

} // namespace brivane::platform
