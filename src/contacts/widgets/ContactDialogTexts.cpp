#include "contacts/widgets/ContactDialogTexts.h"

using namespace Qt::StringLiterals;

namespace brivane::contacts::widgets {

namespace {

// How attachments are written; the same in both dialogs.
QString attachHelp()
{
    return u"\r\rATTACH:\r\r"
           u"Every contact can carry up to three attachments: a file, a folder, an e-mail address or a "
           u"web site. When the archive lives in a shared network folder, add the attachments through "
           u"the network places, so that every computer finds them on the same path.\r\r"
           u"E-mail: write the keyword mailto: followed by the address, e.g. mailto:someone@example.com; "
           u"the characters \",\" and \";\" separate several addresses, e.g. "
           u"mailto:someone@example.com;other@example.org\r\r"
           u"Web site: write the address starting with http://, e.g. http://www.example.com\r\r"
           u"Skype: write skype:username?call to call the user or skype:username?chat to chat with the "
           u"user."_s;
}

} // namespace

ContactDialogTexts ContactDialogTexts::of(ContactDialogMode mode)
{
    if (mode == ContactDialogMode::Add) {
        return {u"TAggContactForm"_s, u"Insert Contact"_s,
                u"DESCRIPTION:\r\rThis module allows you to enter a new contact in Address Book."_s
                    + u"\rFill in the name (it cannot be empty) and any other field; the birthday can be "
                      u"linked once the contact is in the book."_s
                    + attachHelp()};
    }
    return {u"TModContactForm"_s, u"Modify Contact"_s,
            u"DESCRIPTION:\r\rThis module allows you to update contact informations."_s
                + u"\rChange any field and press Modify; the Birthday button links the contact to a "
                  u"yearly task."_s
                + attachHelp()};
}

namespace texts {

QString birthdayCaption()
{
    return u"Birthday"_s;
}

QString birthdayHint()
{
    return u"Associa un evento annuale al contatto"_s;
}

QString birthdayAfterInsert()
{
    return u"The birthday can be associated only after inserting the contact in the phonebook."_s;
}

QString photoCaption()
{
    return u"Allega una foto"_s;
}

QString photoPlaceholder()
{
    return u"Photo"_s;
}

QString zoomNoteHint()
{
    return u"Expand / Collapse edit notes area"_s;
}

QString noYearlyTaskFound(const QString& name)
{
    return u"I have not find a yearly task to associate with \""_s + name + u"\""_s;
}

QString linkQuestion(const QString& name, const QString& task)
{
    return u" Link \""_s + name + u"\" with the task \""_s + task + u"\""_s;
}

QString unlinkQuestion(const QString& name, const QString& task)
{
    return u" Delete the link of \""_s + name + u"\" with the task \""_s + task + u"\""_s;
}

QString pictureUnreadable(const QString& path)
{
    return u"The picture \""_s + path + u"\" cannot be read."_s;
}

} // namespace texts

} // namespace brivane::contacts::widgets
