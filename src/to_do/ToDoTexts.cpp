#include "to_do/ToDoTexts.h"

#include "agenda/TaskCommands.h"

using namespace Qt::StringLiterals;

namespace brivane::to_do {

namespace {

// The attachment conventions, told in words after each dialog's description.
QString attachSection()
{
    return u"\r\rATTACH:\r\r"
           "You can attach a file or a folder: use \"Attach file\" or \"Attach folder\", or write its path. "
           "Files kept in the program's folders \"allegati\" and \"attaches\" are stored by their name inside "
           "those folders.\r"
           "To attach a file or a folder of a shared archive, choose it through the network neighbourhood "
           "(the shared folder as every computer reaches it), so that every computer can open it.\r"
           "To attach e-mail addresses write the keyword mailto: followed by the addresses, separated by "
           "\",\" or \";\", for example mailto:ann@example.com;bob@example.com\r"
           "To attach a website write its address starting with http://, for example http://www.example.com\r\r"
           "LINK:\r\r"
           "Write the name of a contact, a company or a group to find it from the to-do list."_s;
}

} // namespace

QString ToDoTexts::tabHint()
{
    return u"You can create an interactive To-do List in Brivane that allows you prioritize and keep track of all "
           "the things you need to accomplish."_s;
}

QString ToDoTexts::deleteQuestion(const QString& description)
{
    return u" You are in order to eliminate \""_s + description + agenda::randomDeleteConfirmationEnding();
}

QString ToDoTexts::insertGroupQuestion(const QString& name)
{
    return u"Insert group \""_s + name + u"\"?"_s;
}

QString ToDoTexts::deleteGroupQuestion(const QString& name)
{
    return u"Delete group \""_s + name + u"\"?"_s;
}

QString ToDoTexts::addHelp()
{
    return u"DESCRIPTION:\r\rThis module allows you to add a task in the to-do list."_s + attachSection();
}

QString ToDoTexts::modifyHelp()
{
    return u"DESCRIPTION:\r\rThis module allows you to update the status of a task in the to-do list."_s
           + attachSection();
}

} // namespace brivane::to_do
