#pragma once

#include <QColor>
#include <QDate>
#include <QSqlDatabase>
#include <QString>

#include <array>
#include <optional>

namespace brivane::agenda {

// The state the main window keeps for its task entry dialogs and the date
// chooser. The main window owns one and hands it to every dialog by
// reference; the dialogs read it and write back the working date and the
// month/day text, which outlive each dialog.
struct EntryContext
{
    // The word the linked contact code holds when no contact is linked.
    static QString noContact() { return QStringLiteral("nessuno"); }

    QSqlDatabase db;

    // The date of the Today view's picker: add dialogs start on it, and the
    // undone date is counted back from it.
    QDate viewedDate;
    // The start date the open dialog edits (and the chooser sets).
    QDate workingDate;
    // The working date formatted "mm/dd", the `data` of a yearly task.
    QString monthDay = QStringLiteral("__/__");

    // "nessuno" or the decimal key of the contact whose birthday the yearly
    // add dialog creates; the contact dialog sets it, every other path
    // resets it to "nessuno".
    QString linkedContact = noContact();
    // The contact an add dialog starts from: the name shown in the contact
    // dialog for a birthday (with its e-mail address), or the selected row
    // while the Contacts tab is active. Empty otherwise.
    QString contactName;
    QString contactEmail;

    // Settings copies: look-ahead day count, date label formats, scale.
    int lookAheadDays = 5;
    QString dataShotFormat = QStringLiteral("dddd d mmmm yyyy");
    QString dataYearFormat = QStringLiteral("d mmmm");
    int scalePercent = 100;

    // The program folder with its trailing separator; attachments inside
    // its "allegati" and "attaches" folders are stored by name.
    QString programFolder;

    // Section colours of One Shot, Yearly, Monthly, Weekly: the frame and
    // title of each kind's dialog.
    std::array<QColor, 4> kindColors{QColor(0xD2, 0xA6, 0xA6), QColor(0xF5, 0xE3, 0xA7),
                                     QColor(0x54, 0xA5, 0x58), QColor(0x07, 0x8F, 0xBC)};

    // Set as the last step of the main window's creation.
    bool startupFinished = false;

    // The contact key of a birthday entry, when the code names one.
    std::optional<qint64> linkedContactKey() const
    {
        bool ok = false;
        const qint64 key = linkedContact.toLongLong(&ok);
        return ok && linkedContact != noContact() ? std::optional<qint64>(key) : std::nullopt;
    }
};

} // namespace brivane::agenda
