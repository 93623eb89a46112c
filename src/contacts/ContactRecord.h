#pragma once

#include <QString>

class QSqlRecord;

namespace brivane::contacts {

// One row of BRcon63, a Contact of the address book. Texts keep the null /
// empty distinction of the row: a null column reads as a null QString.
struct Contact
{
    qint64 codcon = 0;
    QString ragsoc;    // name
    QString company;
    QString tel;       // phone
    QString mobile;
    QString skype;
    QString fax;
    QString email;
    QString site;      // web site
    QString indirizzo; // address, several lines
    QString note;      // several lines
    QString gruppo;    // group name
    QString allegato;  // attachments 1 to 3
    QString allegato2;
    QString allegato3;
    QString foto;      // path of the picture file

    // Reads the columns by name; a column missing from the record stays null.
    static Contact fromRecord(const QSqlRecord& record);

    friend bool operator==(const Contact&, const Contact&) = default;
};

// The most characters the entry fields take.
struct ContactLimits
{
    static constexpr int kName = 50;     // ragsoc
    static constexpr int kCompany = 50;  // company
    static constexpr int kGroup = 50;    // gruppo
    static constexpr int kText = 255;    // tel, mobile, skype, fax, email, site
    static constexpr int kAttachment = 255;
};

// The name with its first character raised when it is a letter a to z;
// every other character (accented letters included) stays as it is.
QString capitalizedName(const QString& name);

// The name as `ragsoc` stores it: capitalised, and every ";" a blank, so the
// name never splits a semicolon-separated list.
QString storedName(const QString& name);

// The picture file a Contact shows, or an empty text when there is none:
// `foto` itself when that file exists; otherwise the file of the same name
// in the folder "pics" beside the program (programFolder carries its
// trailing separator). The file name part is taken after the last "/" or
// "\", so paths written on another system still find their picture in pics.
QString resolvedPicture(const QString& foto, const QString& programFolder);

// The folder "pics" beside the program.
QString picturesFolder(const QString& programFolder);

// The statements of the contact dialogs; every value a bound parameter.
// "INSERT INTO BRcon63" / "(ragsoc,...,skype)" / "values (:ragsoc,...,:skype)"
QString contactInsertStatement();
// "UPDATE BRcon63" / "SET ragsoc    = :ragsoc," / ... / "WHERE codcon = :codcon"
QString contactUpdateStatement();
// "SELECT * FROM BRcon63 WHERE codcon = :codcon"
QString contactSelectStatement();

} // namespace brivane::contacts
