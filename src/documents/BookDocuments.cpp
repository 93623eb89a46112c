#include "documents/BookDocuments.h"

#include "agenda/DateFormat.h"
#include "documents/TaskLines.h"

#include <QVariant>

namespace brivane::documents {

using agenda::formatDate;

QString contactsDocumentName(const QString& groupFilter)
{
    return groupFilter.isEmpty() ? QStringLiteral("Contacts") : groupFilter;
}

void buildContactsDocument(const QString& groupFilter, const QDate& today, const QList<QSqlRecord>& contacts,
                           const ContactFields& fields, DocumentBuffer& buffer)
{
    buffer.clear();
    buffer.addCentredBold((QStringLiteral("address book ") + contactsDocumentName(groupFilter) +
                           QStringLiteral(" updated at ") + formatDate(today, QStringLiteral("d mmmm yyyy")))
                              .toUpper());
    buffer.add(QString());
    struct Field
    {
        bool on;
        const char* caption;
        const char* column;
        bool joined;
    };
    const QList<Field> order = {{fields.company, " - Company: ", "company", false},
                                {fields.phone, " - Phone: ", "tel", false},
                                {fields.mobile, " - Mobile: ", "mobile", false},
                                {fields.skype, " - Skype: ", "skype", false},
                                {fields.fax, " - Fax: ", "fax", false},
                                {fields.email, " - E-mail: ", "email", false},
                                {fields.web, " - Web: ", "site", false},
                                {fields.address, " - Address: ", "indirizzo", true},
                                {fields.group, " - Group: ", "gruppo", false},
                                {fields.note, " - Note: ", "note", true}};
    QString previousInitial;
    bool first = true;
    for (const QSqlRecord& contact : contacts) {
        const QString name = contact.value(QStringLiteral("ragsoc")).toString();
        const QString initial = name.toUpper().left(1);
        if (first || initial != previousInitial) {
            buffer.add(QString());
            buffer.addBold(initial);
        }
        first = false;
        previousInitial = initial;
        QString line = name;
        for (const Field& field : order) {
            const QString value = contact.value(QLatin1String(field.column)).toString();
            if (field.on && !value.isEmpty())
                line += QLatin1String(field.caption) + (field.joined ? joinedLines(value) : value);
        }
        // Fields other than address and note are one-line fields; a stray
        // line break in them must not split the contact's line.
        line.replace(QLatin1Char('\r'), QLatin1Char(' '));
        line.replace(QLatin1Char('\n'), QLatin1Char(' '));
        buffer.add(line);
    }
}

QString toDoDocumentName(const QDate& today)
{
    return QStringLiteral("To-Do list updated at ") + formatDate(today, QStringLiteral("d-mm-yyyy"));
}

void buildToDoDocument(const QDate& today, const QList<to_do::ToDoItem>& items, const ToDoOptions& options,
                       DocumentBuffer& buffer)
{
    buffer.clear();
    buffer.addCentredBold(
        (QStringLiteral("To-Do list updated at ") + formatDate(today, QStringLiteral("d mmmm yyyy")))
            .toUpper());
    buffer.add(QString());
    for (const to_do::ToDoItem& item : items) {
        if (!options.checked && item.isChecked())
            continue;
        QString line = (item.isChecked() ? QStringLiteral("[ X ]  ") : QStringLiteral("[   ]  ")) + item.id;
        if (options.priority)
            line += QStringLiteral(" - Priority: ") + QString::number(item.priority);
        if (options.percentage)
            line += QStringLiteral(" - Done: ") + QString::number(item.percento) + QLatin1Char('%');
        if (options.notes && !item.note.isEmpty())
            line += QStringLiteral(" - Note: ") + joinedLines(item.note);
        line.replace(QLatin1Char('\r'), QLatin1Char(' '));
        line.replace(QLatin1Char('\n'), QLatin1Char(' '));
        buffer.add(line);
    }
}

} // namespace brivane::documents
