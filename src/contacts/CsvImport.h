#pragma once

#include "contacts/CsvExport.h"

#include <QChar>
#include <QDate>
#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>

namespace brivane::contacts {

// One record of a delimited file: its fields and the file line it starts on.
struct CsvRecord
{
    QStringList fields;
    int line = 0;
};

// A delimited text file, read whole and split into records. Fields follow
// the usual CSV quoting: a field that opens with a double quote runs to its
// closing quote and may hold the delimiter, line breaks and doubled quotes
// (one quote each); a quote inside a field that does not open with one is
// an ordinary character. Records end at CR LF, LF or CR.
class CsvTable
{
public:
    // The delimiters the import offers, the default first.
    static QList<QChar> delimiters();

    // Reads and splits a file (see TextFileReader for the encodings). On
    // failure returns false with a message naming the file and the line.
    bool load(const QString& path, QChar delimiter, QString* error = nullptr);
    // Splits text read from `path` (the path only names the file in messages).
    bool parse(const QString& text, QChar delimiter, const QString& path, QString* error = nullptr);

    QString path() const { return m_path; }
    QChar delimiter() const { return m_delimiter; }
    const QList<CsvRecord>& records() const { return m_records; }
    int size() const { return int(m_records.size()); }
    bool isEmpty() const { return m_records.isEmpty(); }
    // The fields of the first record, which name the columns of the association.
    QStringList firstLine() const;
    int columnCount() const { return int(firstLine().size()); }

private:
    QString m_path;
    QChar m_delimiter = u';';
    QList<CsvRecord> m_records;
};

enum class ImportMode { SkipDuplicates, UpdateExisting, CreateNew, DataIntegration };

// Which file columns feed each contact field: a main column and two extra
// columns per field, as 0-based indexes into the first line (-1: none). The
// value of a field is the main column's text followed, for each extra column
// with a non-empty text, by a blank and that text.
class ImportMapping
{
public:
    static constexpr int kNone = -1;
    static constexpr int kSlots = 3;

    ImportMapping();
    // Columns 1 to 11 of the complete export as the main columns.
    static ImportMapping completeExport();

    int column(CsvField field, int slot = 0) const;
    void setColumn(CsvField field, int slot, int column);
    bool hasName() const { return column(CsvField::Name) != kNone; }
    // The highest column used, or -1.
    int highestColumn() const;
    CsvValues valuesOf(const QStringList& fields) const;

private:
    std::array<std::array<int, kSlots>, kCsvFieldCount> m_columns;
};

struct ImportOptions
{
    ImportMode mode = ImportMode::SkipDuplicates;
    // The first line names the fields and is not imported.
    bool skipFirstLine = false;
    // Every contact is deleted before the lines are imported.
    bool deleteAll = false;
    // Appended to the group of every imported contact, and registered as a
    // contact group; empty: no group is added.
    QString addedGroup;
};

struct ImportResult
{
    enum class Outcome { Imported, Failed, Interrupted };
    Outcome outcome = Outcome::Failed;
    // Contacts inserted or updated, counted as the report counts them.
    int counted = 0;
    int inserted = 0;
    int updated = 0;
    // The file line the failure or interruption stopped at (0 when none).
    int line = 0;
    // Whether the added group was new in the contact section.
    bool groupRegistered = false;
    QString message;

    bool ok() const { return outcome == Outcome::Imported; }
};

// Imports the records of a delimited file into BRcon63. The whole file runs
// in one transaction that is committed only when every line was handled:
// a failure or an interruption rolls back, so the archive is exactly as it
// was before. Existing contacts match a line by name, ignoring letter case;
// lines whose name is empty or blank are skipped in every mode. Empty
// values are stored as null.
//
// Modes:
//   SkipDuplicates   inserts the lines whose name no contact has.
//   UpdateExisting   updates the one contact with the line's name (none when
//                    several share it): the name as the file writes it and
//                    every field the file gives a value; fields the file
//                    leaves empty keep their stored value.
//   CreateNew        inserts every line.
//   DataIntegration  fills the empty fields of the one contact with the
//                    line's name (none when several share it) and inserts
//                    the lines no contact matches.
// An added group follows the file's group after a blank, or stands alone;
// where a stored group is kept, the added group follows it.
class CsvImport
{
public:
    // Called before each line with the number of lines handled and the count
    // so far; returning false interrupts the import.
    using Progress = std::function<bool(int handled, int total, int counted)>;

    static ImportResult run(QSqlDatabase db, const CsvTable& table, const ImportMapping& mapping,
                            const ImportOptions& options, const Progress& progress = {});
    // Reads the file and runs the import; a file that can not be read is
    // reported the same way, with nothing imported.
    static ImportResult importFile(QSqlDatabase db, const QString& path, QChar delimiter,
                                   const ImportMapping& mapping, const ImportOptions& options);

    // Whether the first line is the header of the complete export read with
    // the delimiter ";", which the import associates by itself.
    static bool isCompleteExport(const CsvTable& table);

    // The names of the contact groups (section "C"), sorted.
    static QStringList contactGroupNames(const QSqlDatabase& db);
    // "Imported-" and the date as yyyy-MM-dd.
    static QString importedGroupName(const QDate& today);

    // The message when the name is associated with no column.
    static QString nameMissingMessage();
};

} // namespace brivane::contacts
