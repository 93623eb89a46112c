#include "contacts/CsvImport.h"

#include "store/WriteTransaction.h"

#include "contacts/GroupRegister.h"
#include "contacts/TextFileReader.h"

#include <QHash>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

using namespace Qt::StringLiterals;

namespace brivane::contacts {

namespace {

const QString kNothingImported = u" Nothing was imported: the contacts are as they were before."_s;

// The columns of the insert and of the update, in the order of their statements.
const CsvField kWrittenFields[] = {CsvField::Name,    CsvField::Address, CsvField::Phone, CsvField::Fax,
                                   CsvField::Email,   CsvField::Note,    CsvField::Group, CsvField::Web,
                                   CsvField::Company, CsvField::Mobile,  CsvField::Skype};

// The fields besides name and group that the merging modes take from a line,
// in the order data integration tests them.
const CsvField kIntegratedFields[] = {CsvField::Address, CsvField::Phone,  CsvField::Fax,
                                      CsvField::Email,   CsvField::Note,   CsvField::Web,
                                      CsvField::Company, CsvField::Mobile, CsvField::Skype};

QString insertStatement()
{
    return QStringList{
        u"INSERT INTO BRcon63"_s,
        u"(ragsoc,indirizzo,tel,fax,email,note,gruppo,site,company,mobile,skype)"_s,
        u"values (:ragsoc,:indirizzo,:tel,:fax,:email,:note,:gruppo,:site,:company,:mobile,:skype)"_s,
    }
        .join(u'\n');
}

QString updateStatement()
{
    return QStringList{
        u"UPDATE BRcon63"_s,
        u"SET ragsoc    = :ragsoc,"_s,
        u"    indirizzo = :indirizzo,"_s,
        u"    tel       = :tel,"_s,
        u"    fax       = :fax,"_s,
        u"    email     = :email,"_s,
        u"    note      = :note,"_s,
        u"    gruppo    = :gruppo,"_s,
        u"    site      = :site,"_s,
        u"    company   = :company,"_s,
        u"    mobile    = :mobile,"_s,
        u"    skype  = :skype"_s,
        u"WHERE codcon = :codcon"_s,
    }
        .join(u'\n');
}

// An empty text is stored as null, as the contact search expects of empty fields.
QVariant stored(const QString& text)
{
    return text.isEmpty() ? QVariant(QMetaType::fromType<QString>()) : QVariant(text);
}

void bindContact(QSqlQuery& query, const CsvValues& values)
{
    for (CsvField field : kWrittenFields)
        query.bindValue(u':' + CsvExport::column(field), stored(valueOf(values, field)));
}

// `group` followed by a blank and `added`, or whichever of the two is not empty.
QString withAddedGroup(const QString& group, const QString& added)
{
    if (added.isEmpty())
        return group;
    if (group.isEmpty())
        return added;
    return group + u' ' + added;
}

ImportResult failed(const QString& message, int line = 0)
{
    ImportResult result;
    result.outcome = ImportResult::Outcome::Failed;
    result.message = message;
    result.line = line;
    return result;
}

// The state of one import run inside its transaction.
class ImportRun
{
public:
    ImportRun(QSqlDatabase db, const ImportOptions& options)
        : m_db(std::move(db)), m_options(options), m_insert(m_db), m_update(m_db)
    {
    }

    bool prepare(QString* error);
    bool deleteAll(QString* error);
    // Handles one line; false with the reason when a statement fails.
    bool handle(const CsvValues& values, ImportResult& result, QString* error);

private:
    bool insert(const CsvValues& values, ImportResult& result, QString* error);
    bool update(qint64 key, const CsvValues& values, QString* error);
    bool keepsRows() const
    {
        return m_options.mode == ImportMode::UpdateExisting || m_options.mode == ImportMode::DataIntegration;
    }

    QSqlDatabase m_db;
    const ImportOptions& m_options;
    QSqlQuery m_insert;
    QSqlQuery m_update;
    // The keys of the contacts per name in upper case: the lookup by name
    // that ignores letter case, kept up to date with every insert.
    QHash<QString, QList<qint64>> m_byName;
    // The stored fields of every contact, read once for the modes that merge
    // a line into a contact, and kept up to date with every write.
    QHash<qint64, CsvValues> m_rows;
};

bool ImportRun::prepare(QString* error)
{
    QStringList columns;
    for (int i = 0; i < kCsvFieldCount; ++i)
        columns << CsvExport::column(static_cast<CsvField>(i));
    QSqlQuery rows(m_db);
    rows.setForwardOnly(true);
    if (!rows.exec(u"SELECT codcon,"_s + columns.join(u',') + u"\nFROM BRcon63"_s)) {
        *error = store::archiveErrorText(rows.lastError());
        return false;
    }
    m_byName.clear();
    m_rows.clear();
    while (rows.next()) {
        const qint64 key = rows.value(0).toLongLong();
        const QVariant name = rows.value(1);
        if (!name.isNull())
            m_byName[name.toString().toUpper()].append(key);
        if (keepsRows()) {
            CsvValues values;
            for (int i = 0; i < kCsvFieldCount; ++i)
                values[static_cast<std::size_t>(i)] = rows.value(i + 1).toString();
            m_rows.insert(key, values);
        }
    }
    if (!m_insert.prepare(insertStatement())) {
        *error = store::archiveErrorText(m_insert.lastError());
        return false;
    }
    if (!m_update.prepare(updateStatement())) {
        *error = store::archiveErrorText(m_update.lastError());
        return false;
    }
    return true;
}

bool ImportRun::deleteAll(QString* error)
{
    QSqlQuery query(m_db);
    if (!query.exec(u"DELETE FROM BRcon63"_s)) {
        *error = store::archiveErrorText(query.lastError());
        return false;
    }
    m_byName.clear();
    m_rows.clear();
    return true;
}

bool ImportRun::insert(const CsvValues& values, ImportResult& result, QString* error)
{
    bindContact(m_insert, values);
    if (!m_insert.exec()) {
        *error = store::archiveErrorText(m_insert.lastError());
        return false;
    }
    const qint64 key = m_insert.lastInsertId().toLongLong();
    m_byName[valueOf(values, CsvField::Name).toUpper()].append(key);
    if (keepsRows())
        m_rows.insert(key, values);
    ++result.inserted;
    ++result.counted;
    return true;
}

bool ImportRun::update(qint64 key, const CsvValues& values, QString* error)
{
    bindContact(m_update, values);
    m_update.bindValue(u":codcon"_s, key);
    if (!m_update.exec()) {
        *error = store::archiveErrorText(m_update.lastError());
        return false;
    }
    m_rows.insert(key, values);
    return true;
}

bool ImportRun::handle(const CsvValues& fileValues, ImportResult& result, QString* error)
{
    const QString& name = valueOf(fileValues, CsvField::Name);
    if (name.trimmed().isEmpty())
        return true;
    const QString& added = m_options.addedGroup;
    const QString& fileGroup = valueOf(fileValues, CsvField::Group);
    CsvValues line = fileValues;
    valueOf(line, CsvField::Group) = withAddedGroup(fileGroup, added);

    const QList<qint64> matches = m_byName.value(name.toUpper());
    switch (m_options.mode) {
    case ImportMode::SkipDuplicates:
        return !matches.isEmpty() || insert(line, result, error);
    case ImportMode::CreateNew:
        return insert(line, result, error);
    case ImportMode::UpdateExisting: {
        if (matches.size() != 1)
            return true;
        CsvValues merged = m_rows.value(matches.first());
        // The name as the file writes it; every other field only where the
        // file gives a value, so nothing stored is wiped by an empty column.
        valueOf(merged, CsvField::Name) = name;
        for (CsvField field : kIntegratedFields) {
            if (!valueOf(line, field).isEmpty())
                valueOf(merged, field) = valueOf(line, field);
        }
        QString& group = valueOf(merged, CsvField::Group);
        group = fileGroup.isEmpty() ? withAddedGroup(group, added) : valueOf(line, CsvField::Group);
        if (!update(matches.first(), merged, error))
            return false;
        ++result.updated;
        ++result.counted;
        return true;
    }
    case ImportMode::DataIntegration: {
        if (matches.isEmpty())
            return insert(line, result, error);
        if (matches.size() != 1)
            return true;
        CsvValues merged = m_rows.value(matches.first());
        bool filled = false;
        for (CsvField field : kIntegratedFields) {
            QString& value = valueOf(merged, field);
            if (value.isEmpty() && !valueOf(line, field).isEmpty()) {
                value = valueOf(line, field);
                filled = true;
            }
        }
        QString& group = valueOf(merged, CsvField::Group);
        if (group.isEmpty()) {
            filled = filled || !valueOf(line, CsvField::Group).isEmpty();
            group = valueOf(line, CsvField::Group);
        } else {
            group = withAddedGroup(group, added);
        }
        valueOf(merged, CsvField::Name) = name;
        if (!update(matches.first(), merged, error))
            return false;
        if (filled || !added.isEmpty()) {
            ++result.updated;
            ++result.counted;
        }
        return true;
    }
    }
    return true;
}

} // namespace

// ---- CsvTable ---------------------------------------------------------------

QList<QChar> CsvTable::delimiters()
{
    return {u';', u',', u'|', u'#', u'*'};
}

QStringList CsvTable::firstLine() const
{
    return m_records.isEmpty() ? QStringList() : m_records.first().fields;
}

bool CsvTable::load(const QString& path, QChar delimiter, QString* error)
{
    const TextFileReader::Result file = TextFileReader::read(path);
    if (!file.ok()) {
        m_path = path;
        m_delimiter = delimiter;
        m_records.clear();
        if (error)
            *error = file.message;
        return false;
    }
    return parse(file.text, delimiter, path, error);
}

bool CsvTable::parse(const QString& text, QChar delimiter, const QString& path, QString* error)
{
    m_path = path;
    m_delimiter = delimiter;
    m_records.clear();
    const auto fail = [&](const QString& message) {
        m_records.clear();
        if (error)
            *error = message;
        return false;
    };

    const qsizetype size = text.size();
    qsizetype i = 0;
    int line = 1;
    while (i < size) {
        CsvRecord record;
        record.line = line;
        while (true) {
            QString field;
            if (i < size && text.at(i) == u'"') {
                const int opened = line;
                ++i;
                bool closed = false;
                while (i < size) {
                    const QChar c = text.at(i);
                    if (c == u'"') {
                        if (i + 1 < size && text.at(i + 1) == u'"') {
                            field += u'"';
                            i += 2;
                            continue;
                        }
                        ++i;
                        closed = true;
                        break;
                    }
                    if (c == u'\n' || (c == u'\r' && (i + 1 >= size || text.at(i + 1) != u'\n')))
                        ++line;
                    field += c;
                    ++i;
                }
                if (!closed)
                    return fail(u"The file \"%1\" is malformed at line %2: a field opens with a double quote "
                                "that is never closed."_s.arg(path, QString::number(opened)));
                // Blanks after the closing quote are padding, not part of the field.
                while (i < size && (text.at(i) == u' ' || text.at(i) == u'\t') && text.at(i) != delimiter)
                    ++i;
                if (i < size && text.at(i) != delimiter && text.at(i) != u'\r' && text.at(i) != u'\n')
                    return fail(u"The file \"%1\" is malformed at line %2: a quoted field is followed by "
                                "other text before the delimiter \"%3\"."_s.arg(path, QString::number(line),
                                                                                QString(delimiter)));
            } else {
                const qsizetype start = i;
                while (i < size && text.at(i) != delimiter && text.at(i) != u'\r' && text.at(i) != u'\n')
                    ++i;
                field = text.mid(start, i - start);
            }
            record.fields << field;
            if (i < size && text.at(i) == delimiter) {
                ++i;
                continue;
            }
            break;
        }
        // The record ends at CR LF, LF or a lone CR.
        if (i < size && text.at(i) == u'\r') {
            ++i;
            if (i < size && text.at(i) == u'\n')
                ++i;
        } else if (i < size && text.at(i) == u'\n') {
            ++i;
        }
        ++line;
        m_records << record;
    }
    return true;
}

// ---- ImportMapping ------------------------------------------------------------

ImportMapping::ImportMapping()
{
    for (auto& slots : m_columns)
        slots.fill(kNone);
}

ImportMapping ImportMapping::completeExport()
{
    ImportMapping mapping;
    for (int i = 0; i < kCsvFieldCount; ++i)
        mapping.setColumn(static_cast<CsvField>(i), 0, i);
    return mapping;
}

int ImportMapping::column(CsvField field, int slot) const
{
    return m_columns[static_cast<std::size_t>(field)][static_cast<std::size_t>(slot)];
}

void ImportMapping::setColumn(CsvField field, int slot, int column)
{
    m_columns[static_cast<std::size_t>(field)][static_cast<std::size_t>(slot)] = column < 0 ? kNone : column;
}

int ImportMapping::highestColumn() const
{
    int highest = kNone;
    for (const auto& slots : m_columns)
        for (int column : slots)
            highest = std::max(highest, column);
    return highest;
}

namespace {

// Google Contacts writes several values of one field joined by " ::: ".
// A field that holds a list (addresses, numbers, sites) takes them all as
// its comma-separated items; any other field takes the first.
QString singleOrListed(const QString& item, CsvField field)
{
    static const QRegularExpression separator(u"\\s*:::\\s*"_s);
    if (!item.contains(u":::"_s))
        return item;
    QStringList parts = item.split(separator);
    parts.removeAll(QString());
    switch (field) {
    case CsvField::Email:
    case CsvField::Web:
    case CsvField::Phone:
    case CsvField::Mobile:
        return parts.join(u", "_s);
    default:
        return parts.value(0);
    }
}

} // namespace

CsvValues ImportMapping::valuesOf(const QStringList& fields) const
{
    CsvValues values;
    for (std::size_t f = 0; f < m_columns.size(); ++f) {
        QString value;
        for (std::size_t slot = 0; slot < kSlots; ++slot) {
            const int column = m_columns[f][slot];
            if (column < 0 || column >= fields.size())
                continue;
            const QString item = singleOrListed(fields.at(column), static_cast<CsvField>(f));
            if (slot == 0)
                value = item;
            else if (!item.isEmpty())
                value = value.isEmpty() ? item : value + u' ' + item;
        }
        values[f] = value;
    }
    return values;
}

// ---- CsvImport -------------------------------------------------------------------

QString CsvImport::nameMissingMessage()
{
    return u"You must associate at least the field \"Name\".\rContacts without a name in the file will not "
           u"be "
           "imported."_s;
}

bool CsvImport::isCompleteExport(const CsvTable& table)
{
    return table.delimiter() == u';' && table.firstLine() == CsvExport::header(CsvLayout::Complete);
}

QString CsvImport::importedGroupName(const QDate& today)
{
    return u"Imported-"_s + today.toString(u"yyyy-MM-dd"_s);
}

QStringList CsvImport::contactGroupNames(const QSqlDatabase& db)
{
    return groupNames(db, u"C"_s);
}

ImportResult CsvImport::importFile(QSqlDatabase db, const QString& path, QChar delimiter,
                                   const ImportMapping& mapping, const ImportOptions& options)
{
    CsvTable table;
    QString error;
    if (!table.load(path, delimiter, &error))
        return failed(error + kNothingImported);
    return run(std::move(db), table, mapping, options);
}

ImportResult CsvImport::run(QSqlDatabase db, const CsvTable& table, const ImportMapping& mapping,
                            const ImportOptions& options, const Progress& progress)
{
    const QString& path = table.path();
    if (!mapping.hasName())
        return failed(nameMissingMessage());
    const int columns = table.columnCount();
    if (mapping.highestColumn() >= columns)
        return failed(u"The file \"%1\" has only %2 fields in its first line: a field is associated with a "
                      "column the file does not have."_s.arg(path, QString::number(columns)) +
                      kNothingImported);
    // A line with more filled fields than the first line holds values that no
    // association can reach: importing it would drop them.
    const QList<CsvRecord>& records = table.records();
    for (qsizetype r = 1; r < records.size(); ++r) {
        const CsvRecord& record = records.at(r);
        for (qsizetype f = columns; f < record.fields.size(); ++f) {
            if (!record.fields.at(f).isEmpty())
                return failed(
                    u"The file \"%1\" does not match its first line at line %2: the line has %3 fields, "
                    "the first line names only %4. Check the delimiter or the first line of the "
                    "file."_s.arg(path, QString::number(record.line), QString::number(record.fields.size()),
                                  QString::number(columns)) +
                        kNothingImported,
                    record.line);
        }
    }

    // The import looks for duplicates before it writes: it takes the write
    // lock first, so another computer writing meanwhile makes it wait.
    store::WriteTransaction guard(db);
    QString beginError;
    if (!guard.begin(&beginError))
        return failed(u"I can not start the import of \"%1\": %2"_s.arg(path, beginError) + kNothingImported);
    ImportRun run(db, options);
    QString error;
    if (options.deleteAll && !run.deleteAll(&error))
        return failed(u"I can not delete the contacts before importing \"%1\": %2."_s.arg(path, error) +
                      kNothingImported);
    if (!run.prepare(&error))
        return failed(u"I can not start the import of \"%1\": %2."_s.arg(path, error) + kNothingImported);

    ImportResult result;
    const qsizetype first = options.skipFirstLine ? 1 : 0;
    const int total = int(std::max<qsizetype>(0, records.size() - first));
    for (qsizetype r = first; r < records.size(); ++r) {
        const CsvRecord& record = records.at(r);
        if (progress && !progress(int(r - first), total, result.counted)) {
            result.outcome = ImportResult::Outcome::Interrupted;
            result.line = record.line;
            result.message =
                u"The import of \"%1\" was stopped at line %2."_s.arg(path, QString::number(record.line)) +
                kNothingImported;
            return result;
        }
        if (!run.handle(mapping.valuesOf(record.fields), result, &error))
            return failed(u"The contact of line %2 of the file \"%1\" could not be written: %3."_s.arg(
                              path, QString::number(record.line), error) +
                              kNothingImported,
                          record.line);
    }
    if (progress)
        progress(total, total, result.counted);

    if (!options.addedGroup.isEmpty() &&
        !registerGroupName(db, u"C"_s, options.addedGroup, &result.groupRegistered, &error))
        return failed(u"I can not add the group \"%1\": %2."_s.arg(options.addedGroup, error) +
                      kNothingImported);
    QString commitError;
    if (!guard.commit(&commitError))
        return failed(u"I can not complete the import of \"%1\": %2"_s.arg(path, commitError) + kNothingImported);
    result.outcome = ImportResult::Outcome::Imported;
    return result;
}

} // namespace brivane::contacts
