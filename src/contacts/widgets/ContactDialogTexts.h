#pragma once

#include <QString>

namespace brivane::contacts::widgets {

enum class ContactDialogMode { Add, Modify };

// The fixed texts of the contact dialogs.
struct ContactDialogTexts
{
    QString objectName; // window class: "TAggContactForm" or "TModContactForm"
    QString title;      // "Insert Contact" or "Modify Contact"
    QString help;       // the "Hint" text, "\r" a line break

    static ContactDialogTexts of(ContactDialogMode mode);
};

namespace texts {

QString birthdayCaption();        // "Birthday": the button's caption without a link
QString birthdayHint();           // "Associa un evento annuale al contatto"
QString birthdayAfterInsert();    // the add dialog's answer to the birthday button
QString photoCaption();           // "Allega una foto"
QString photoPlaceholder();       // "Photo", shown in the empty picture box
QString zoomNoteHint();           // "Expand / Collapse edit notes area"
QString noYearlyTaskFound(const QString& name);
QString linkQuestion(const QString& name, const QString& task);
QString unlinkQuestion(const QString& name, const QString& task);
QString pictureUnreadable(const QString& path);

} // namespace texts

} // namespace brivane::contacts::widgets
