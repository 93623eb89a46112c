#pragma once

#include <QDate>
#include <QSqlDatabase>
#include <QSqlRecord>
#include <QString>
#include <QStringList>

#include <optional>

namespace brivane::contacts {

// The birthday link of a Contact: the yearly task whose dayindex holds the
// Contact's codcon (Parts 3.1, 5.2).
struct Birthday
{
    qint64 codimp = -1;
    QString description;
    QDate date;
};

QString birthdayStatement();
// The first linked yearly task, in key order; none when there is no link.
std::optional<Birthday> findBirthday(const QSqlDatabase& db, qint64 codcon, QString* error = nullptr);

// The card title: the name and three blanks; a name longer than 26
// characters is cut to 26 and "..." follows.
QString cardTitle(const QString& name);

// The picture to show for the stored `foto` path: the file itself when it
// exists, else the file of the same name in the program's "pics" folder,
// else nothing (empty).
QString resolvePhoto(const QString& foto, const QString& programFolder);

// The file name part of an attachment value, the caption of its menu entry.
QString attachmentCaption(const QString& value);

// What the contact card shows for one row.
struct CardContent
{
    bool hasRow = false;
    qint64 codcon = -1;
    QString title;
    QString name, company, group, phone, mobile, skype, fax, email, web, address, note;

    bool emailEnabled = false;
    bool mapEnabled = false;
    bool dialEnabled = false;
    bool webEnabled = false;
    bool attachEnabled = false;
    QStringList attachments;        // allegato, allegato2, allegato3
    QStringList attachmentCaptions; // their file name parts

    std::optional<Birthday> birthday;
    QString birthdayText; // datefull in the yearly date format
    QString photoPath;    // empty: no photo box
};

// `row` empty means no row listed. `dataYearFormat` is the settings'
// DataYear pattern.
CardContent cardContent(const QSqlRecord& row, const std::optional<Birthday>& birthday,
                        const QString& programFolder, const QString& dataYearFormat);

} // namespace brivane::contacts
