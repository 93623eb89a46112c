#pragma once

#include "agenda/Task.h"
#include "contacts/ContactRecord.h"

#include <QList>
#include <QSqlDatabase>
#include <QString>

#include <optional>

namespace brivane::contacts {

// Writes the Contacts of the entry dialogs into BRcon63 and keeps the
// birthday link: the yearly task (flag "Y") whose `dayindex` holds a
// Contact's `codcon`. Every value travels as a bound parameter. The
// functions throw nothing: they return false, -1 or nothing and, when the
// caller passes a text, put the reason in it.
class ContactWriter
{
public:
    // The stored row, or nothing when it is missing.
    static std::optional<Contact> load(QSqlDatabase db, qint64 codcon, QString* error = nullptr);

    // Writes the fields exactly as given (the dialogs prepare the name with
    // storedName()); a null text is stored as an empty text. The new key, or -1.
    static qint64 insert(QSqlDatabase db, const Contact& contact, QString* error = nullptr);
    // Updates the row contact.codcon; false also when no such row exists.
    static bool update(QSqlDatabase db, const Contact& contact, QString* error = nullptr);

    enum class LinkedTasks { Delete, Keep };
    // Removes the Contact and, unless told to keep them, every yearly task
    // linked to it, in one transaction: either both go or nothing changes.
    static bool deleteContact(QSqlDatabase db, qint64 codcon, QString* error = nullptr,
                              LinkedTasks linked = LinkedTasks::Delete);

    // The birthday of a Contact: the first yearly task (lowest key) whose
    // `dayindex` is the Contact's key; nothing when there is none.
    static std::optional<agenda::Task> linkedTask(QSqlDatabase db, qint64 codcon, QString* error = nullptr);

    // The yearly tasks a Contact may be linked to: the Yearly tab's list
    // searched for the name in the description, every month, in the list's
    // order. Tasks linked to other Contacts are among them.
    static QList<agenda::Task> linkCandidates(QSqlDatabase db, const QString& name, QString* error = nullptr);

    // Links a yearly task to a Contact (moving it from any other Contact).
    static bool linkTask(QSqlDatabase db, qint64 codimp, qint64 codcon, QString* error = nullptr);
    // Removes the link of a task (its `dayindex` becomes 0); the task stays.
    static bool unlinkTask(QSqlDatabase db, qint64 codimp, QString* error = nullptr);
};

} // namespace brivane::contacts
