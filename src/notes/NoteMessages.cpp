#include "notes/NoteMessages.h"

#include "agenda/TaskCommands.h"

using namespace Qt::StringLiterals;

namespace brivane::notes {

QString storedTitle(const QString& typed, const QDateTime& now)
{
    if (typed.isEmpty())
        return now.toString(u"yyyy-MM-dd,hh-mm-ss"_s);
    QString title = typed;
    const QChar first = title.at(0);
    if (first >= u'a' && first <= u'z')
        title[0] = QChar(first.unicode() - 'a' + 'A');
    return title;
}

QString titleBarText(const QString& title)
{
    const QString text = u' ' + title;
    if (text.size() > 29)
        return u' ' + text.left(26) + u"..."_s;
    return text;
}

QString unsavedNoteQuestion(const QString& title)
{
    return u"Not so fast! Update the file \""_s + title + u"\"?"_s;
}

QString quitWithUnsavedNoteQuestion(const QString& title)
{
    return u"Update the file: \""_s + title + u"\" before saying hello?"_s;
}

QString searchBeforeSavingQuestion(const QString& title)
{
    return u"If you search before saving the changes will be lost. Save changes to \""_s + title + u"\"?"_s;
}

QString deleteNoteQuestion(const QString& title)
{
    return u" Stai per eliminare \""_s + title + agenda::randomDeleteConfirmationEnding();
}

QString findEndedMessage(const QString& searched)
{
    return u"I ended up finding \""_s + searched + u'"';
}

QString insertGroupQuestion(const QString& name)
{
    return u"Insert group \""_s + name + u"\"?"_s;
}

QString deleteGroupQuestion(const QString& name)
{
    return u"Delete group \""_s + name + u"\"?"_s;
}

QString overwriteQuestion(const QString& fileName)
{
    return u"Overwrite \""_s + fileName + u"\"?"_s;
}

QString notTextFileMessage()
{
    return u"Spiacente, posso importare soltanto i file di tipo ascii!"_s;
}

QString hintText()
{
    return u"Notes is text function in Brivane that can be used on its own or as an attachment to other "
           u"files on "
           "your computer."_s;
}

} // namespace brivane::notes
