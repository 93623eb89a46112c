#pragma once

#include "documents/DocumentBuffer.h"
#include "to_do/ToDoItem.h"

#include <QDate>
#include <QList>
#include <QSqlRecord>
#include <QString>

namespace brivane::documents {

// The fields the contact document may add after each name, in the order
// they are written.
struct ContactFields
{
    bool company = false;
    bool phone = false;
    bool mobile = false;
    bool skype = false;
    bool fax = false;
    bool email = false;
    bool web = false;
    bool address = false;
    bool group = false;
    bool note = false;
};

// The group filter text, or "Contacts" when there is none.
QString contactsDocumentName(const QString& groupFilter);

// The contacts in list order, grouped under the upper-cased initial of
// their names.
void buildContactsDocument(const QString& groupFilter, const QDate& today, const QList<QSqlRecord>& contacts,
                           const ContactFields& fields, DocumentBuffer& buffer);

struct ToDoOptions
{
    bool checked = false;
    bool notes = false;
    bool priority = false;
    bool percentage = false;
};

QString toDoDocumentName(const QDate& today);

void buildToDoDocument(const QDate& today, const QList<to_do::ToDoItem>& items, const ToDoOptions& options,
                       DocumentBuffer& buffer);

} // namespace brivane::documents
