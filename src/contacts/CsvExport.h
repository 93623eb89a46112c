#pragma once

#include <QDateTime>
#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

#include <array>

namespace brivane::contacts {

// The eleven contact fields the CSV files carry, in the column order of the
// complete layout (which is also the order of the import's association lists).
enum class CsvField { Name, Company, Phone, Mobile, Skype, Fax, Email, Web, Address, Note, Group };
inline constexpr int kCsvFieldCount = 11;

// The texts of one contact, indexed by CsvField; a null column is an empty text.
using CsvValues = std::array<QString, kCsvFieldCount>;

inline QString& valueOf(CsvValues& values, CsvField field)
{
    return values[static_cast<std::size_t>(field)];
}
inline const QString& valueOf(const CsvValues& values, CsvField field)
{
    return values[static_cast<std::size_t>(field)];
}

enum class CsvLayout {
    Complete, // one column per field
    Chopped,  // name and the five multi-value fields split into three columns each
};

// Writes the listed contacts as semicolon-separated UTF-8 text: a header line,
// then one line per contact, every line ended by CR LF. A field is enclosed in
// double quotes (inner quotes doubled) exactly when it holds the separator, a
// double quote or a line break; every other text is written as it is stored,
// so the file reads back to the same values.
class CsvExport
{
public:
    static constexpr QChar kSeparator = u';';

    // The BRcon63 column of a field ("ragsoc", "company", ...).
    static QString column(CsvField field);
    static QStringList header(CsvLayout layout);

    // The contacts with these keys, in the order of the keys; keys no longer
    // in the archive are left out.
    static QList<CsvValues> load(const QSqlDatabase& db, const QList<qint64>& keys, QString* error = nullptr);

    // The first three items of a multi-value field of the chopped layout.
    // Items are separated by commas and by blanks or control characters; an
    // item opening with a double quote runs to its closing quote (a doubled
    // quote inside stands for one) and keeps its commas and blanks.
    static std::array<QString, 3> chop(const QString& value);

    // One field as written: quoted only when it must be.
    static QString field(const QString& text);
    // One contact as a line of the layout, without the line end.
    static QString line(const CsvValues& values, CsvLayout layout);
    // The whole file text.
    static QString text(const QList<CsvValues>& contacts, CsvLayout layout);
    // Writes the file in one go; false with the reason (naming the file).
    // The bytes of a file meant for a spreadsheet: UTF-8 with a byte order
    // mark, which LibreOffice Calc and Excel both take as UTF-8 when they
    // open the file (without the mark Excel reads it in the Windows code
    // page and spoils every accent). Our own import reads the mark back.
    static QByteArray spreadsheetBytes(const QString& text);

    static bool write(const QString& path, const QList<CsvValues>& contacts, CsvLayout layout,
                      QString* error = nullptr);

    // The file name the save dialog proposes (without folder and extension):
    // the group filter text, or "Contacts", then "-" or "-chopped-", then the
    // time stamp yyyy-MM-dd-hh-mm-ss. Characters a file name can not hold
    // ("/" and NUL) become "-".
    static QString proposedName(const QString& groupFilter, CsvLayout layout, const QDateTime& now);
};

} // namespace brivane::contacts
