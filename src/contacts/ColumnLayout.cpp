#include "contacts/ColumnLayout.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStringList>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace brivane::contacts {

namespace {

const QString kHeader = u"Brivane contact columns 1"_s;

} // namespace

QString ColumnLayout::userFile(const QString& archiveFolder)
{
    return QDir(archiveFolder).filePath(userFileName());
}

QString ColumnLayout::defaultFile(const QString& archiveFolder)
{
    return QDir(archiveFolder).filePath(defaultFileName());
}

QList<ContactColumn> ColumnLayout::designedColumns()
{
    return {{u"ragsoc"_s, u"Name"_s, 218, true},   {u"company"_s, u"Company"_s, 120, true},
            {u"gruppo"_s, u"Group"_s, 120, true},  {u"tel"_s, u"Phone"_s, 120, true},
            {u"mobile"_s, u"Mobile"_s, 120, true}, {u"skype"_s, u"Skype"_s, 120, true},
            {u"fax"_s, u"Fax"_s, 120, true},       {u"email"_s, u"E-mail"_s, 120, true},
            {u"site"_s, u"Web"_s, 120, true},      {u"Presenza"_s, u"Note"_s, kNoteMarkWidth, true}};
}

QString ColumnLayout::toText(const QList<ContactColumn>& columns)
{
    QStringList lines{kHeader};
    for (const ContactColumn& column : columns) {
        QString title = column.title;
        title.replace(u'\t', u' ').replace(u'\n', u' ').replace(u'\r', u' ');
        lines << column.field + u'\t' + title + u'\t' + QString::number(column.width) + u'\t' +
                     (column.visible ? u"1"_s : u"0"_s);
    }
    return lines.join(u'\n') + u'\n';
}

std::optional<QList<ContactColumn>> ColumnLayout::fromText(const QString& text)
{
    QStringList lines = text.split(u'\n');
    for (QString& line : lines) {
        if (line.endsWith(u'\r'))
            line.chop(1);
    }
    if (lines.isEmpty() || lines.first() != kHeader)
        return std::nullopt;
    const QList<ContactColumn> designed = designedColumns();
    QList<ContactColumn> result;
    QStringList seen;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QStringList parts = lines[i].split(u'\t');
        if (parts.size() < 4)
            continue;
        const auto known = std::find_if(designed.cbegin(), designed.cend(), [&](const ContactColumn& column) {
            return column.field == parts[0];
        });
        if (known == designed.cend() || seen.contains(parts[0]))
            continue;
        bool ok = false;
        const int width = parts[2].toInt(&ok);
        ContactColumn column{parts[0], parts[1], ok && width >= 0 ? width : known->width, parts[3] != u"0"_s};
        result << column;
        seen << column.field;
    }
    for (const ContactColumn& column : designed) {
        if (!seen.contains(column.field))
            result << column;
    }
    return result;
}

bool ColumnLayout::save(const QString& path, const QList<ContactColumn>& columns, QString* error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    file.write(toText(columns).toUtf8());
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

std::optional<QList<ContactColumn>> ColumnLayout::load(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return fromText(QString::fromUtf8(file.readAll()));
}

} // namespace brivane::contacts
