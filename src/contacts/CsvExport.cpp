#include "contacts/CsvExport.h"

#include <QHash>
#include <QSaveFile>
#include <QSet>
#include <QSqlError>
#include <QSqlQuery>

using namespace Qt::StringLiterals;

namespace brivane::contacts {

namespace {

const char* const kColumns[kCsvFieldCount] = {"ragsoc", "company", "tel",       "mobile", "skype", "fax",
                                              "email",  "site",    "indirizzo", "note",   "gruppo"};

const char* const kCompleteHeader[kCsvFieldCount] = {"Name",   "Company", "Phone",   "Mobile", "Skype", "Fax",
                                                     "E-mail", "Web",     "Address", "Note",   "Group"};

const char* const kChoppedHeader[] = {"Name",   "Name2",  "Name3",   "Company", "Phone",   "Phone2",
                                      "Phone3", "Mobile", "Mobile2", "Mobile3", "Skype",   "Fax",
                                      "Fax2",   "Fax3",   "E-mail",  "E-mail2", "E-mail3", "Web",
                                      "Web2",   "Web3",   "Address", "Note",    "Group"};

const QString kLineEnd = u"\r\n"_s;

// Blanks and control characters, codes 1 to 32, separate the items of a
// multi-value field.
bool isGap(QChar c)
{
    return c.unicode() >= 1 && c.unicode() <= 32;
}

void appendChopped(QStringList& out, const QString& value)
{
    const std::array<QString, 3> parts = CsvExport::chop(value);
    for (const QString& part : parts)
        out << CsvExport::field(part);
}

} // namespace

QString CsvExport::column(CsvField field)
{
    return QLatin1String(kColumns[static_cast<int>(field)]);
}

QStringList CsvExport::header(CsvLayout layout)
{
    QStringList names;
    if (layout == CsvLayout::Complete) {
        for (const char* name : kCompleteHeader)
            names << QLatin1String(name);
    } else {
        for (const char* name : kChoppedHeader)
            names << QLatin1String(name);
    }
    return names;
}

QList<CsvValues> CsvExport::load(const QSqlDatabase& db, const QList<qint64>& keys, QString* error)
{
    QStringList columns;
    for (const char* name : kColumns)
        columns << QLatin1String(name);
    QSqlQuery query(db);
    query.setForwardOnly(true);
    // One pass over the table serves any number of listed keys.
    if (!query.exec(u"SELECT codcon,"_s + columns.join(u',') + u"\nFROM BRcon63"_s)) {
        if (error)
            *error = query.lastError().text();
        return {};
    }
    QHash<qint64, CsvValues> byKey;
    byKey.reserve(keys.size());
    QSet<qint64> wanted(keys.cbegin(), keys.cend());
    while (query.next()) {
        const qint64 key = query.value(0).toLongLong();
        if (!wanted.contains(key))
            continue;
        CsvValues values;
        for (int i = 0; i < kCsvFieldCount; ++i)
            values[static_cast<std::size_t>(i)] = query.value(i + 1).toString();
        byKey.insert(key, values);
    }
    QList<CsvValues> contacts;
    contacts.reserve(keys.size());
    for (qint64 key : keys) {
        const auto found = byKey.constFind(key);
        if (found != byKey.cend())
            contacts << *found;
    }
    return contacts;
}

std::array<QString, 3> CsvExport::chop(const QString& value)
{
    // The appended commas make sure three items exist.
    const QString text = value + u",,,,,"_s;
    const qsizetype size = text.size();
    std::array<QString, 3> parts;
    int count = 0;
    qsizetype i = 0;
    while (i < size && isGap(text.at(i)))
        ++i;
    while (i < size && count < 3) {
        QString item;
        if (text.at(i) == u'"') {
            ++i;
            while (i < size) {
                if (text.at(i) == u'"') {
                    if (i + 1 < size && text.at(i + 1) == u'"') {
                        item += u'"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                item += text.at(i);
                ++i;
            }
        } else {
            const qsizetype start = i;
            while (i < size && !isGap(text.at(i)) && text.at(i) != u',')
                ++i;
            item = text.mid(start, i - start);
        }
        parts[static_cast<std::size_t>(count++)] = item;
        while (i < size && isGap(text.at(i)))
            ++i;
        if (i < size && text.at(i) == u',') {
            ++i;
            // A comma at the very end adds a final empty item: the parts
            // are already empty, so nothing needs adding.
            while (i < size && isGap(text.at(i)))
                ++i;
        }
    }
    return parts;
}

QString CsvExport::field(const QString& text)
{
    const bool mustQuote =
        text.contains(kSeparator) || text.contains(u'"') || text.contains(u'\r') || text.contains(u'\n');
    if (!mustQuote)
        return text;
    QString quoted = text;
    quoted.replace(u"\""_s, u"\"\""_s);
    return u'"' + quoted + u'"';
}

QString CsvExport::line(const CsvValues& values, CsvLayout layout)
{
    QStringList out;
    if (layout == CsvLayout::Complete) {
        for (const QString& value : values)
            out << field(value);
        return out.join(kSeparator);
    }
    appendChopped(out, valueOf(values, CsvField::Name));
    out << field(valueOf(values, CsvField::Company));
    appendChopped(out, valueOf(values, CsvField::Phone));
    appendChopped(out, valueOf(values, CsvField::Mobile));
    out << field(valueOf(values, CsvField::Skype));
    appendChopped(out, valueOf(values, CsvField::Fax));
    appendChopped(out, valueOf(values, CsvField::Email));
    appendChopped(out, valueOf(values, CsvField::Web));
    out << field(valueOf(values, CsvField::Address));
    out << field(valueOf(values, CsvField::Note));
    out << field(valueOf(values, CsvField::Group));
    return out.join(kSeparator);
}

QString CsvExport::text(const QList<CsvValues>& contacts, CsvLayout layout)
{
    QString out;
    out.reserve((contacts.size() + 1) * 160);
    out += header(layout).join(kSeparator) + kLineEnd;
    for (const CsvValues& values : contacts)
        out += line(values, layout) + kLineEnd;
    return out;
}

QByteArray CsvExport::spreadsheetBytes(const QString& text)
{
    return QByteArrayLiteral("\xEF\xBB\xBF") + text.toUtf8();
}

bool CsvExport::write(const QString& path, const QList<CsvValues>& contacts, CsvLayout layout, QString* error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = u"I can not write the file \"%1\": %2."_s.arg(path, file.errorString());
        return false;
    }
    const QByteArray bytes = spreadsheetBytes(text(contacts, layout));
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        if (error)
            *error = u"I can not write the file \"%1\": %2."_s.arg(path, file.errorString());
        file.cancelWriting();
        return false;
    }
    return true;
}

QString CsvExport::proposedName(const QString& groupFilter, CsvLayout layout, const QDateTime& now)
{
    QString start = groupFilter.isEmpty() ? u"Contacts"_s : groupFilter;
    start.replace(u'/', u'-').replace(QChar(u'\0'), u'-');
    const QString middle = layout == CsvLayout::Complete ? u"-"_s : u"-chopped-"_s;
    return start + middle + now.toString(u"yyyy-MM-dd-hh-mm-ss"_s);
}

} // namespace brivane::contacts
