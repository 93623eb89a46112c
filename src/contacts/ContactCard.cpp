#include "contacts/ContactCard.h"

#include "agenda/DateFormat.h"
#include "store/SqlDate.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>

using namespace Qt::StringLiterals;

namespace brivane::contacts {

namespace {

QString field(const QSqlRecord& row, const QString& name)
{
    return row.value(name).toString();
}

} // namespace

QString birthdayStatement()
{
    return u"SELECT * FROM BRarc66 WHERE flag = 'Y' AND dayindex = :codcon ORDER BY codimp"_s;
}

std::optional<Birthday> findBirthday(const QSqlDatabase& db, qint64 codcon, QString* error)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    query.prepare(birthdayStatement());
    query.bindValue(u":codcon"_s, codcon);
    if (!query.exec()) {
        if (error)
            *error = query.lastError().text();
        return std::nullopt;
    }
    if (!query.next())
        return std::nullopt;
    Birthday birthday;
    birthday.codimp = query.value(u"codimp"_s).toLongLong();
    birthday.description = query.value(u"id"_s).toString();
    birthday.date = store::fromSqlDate(query.value(u"datefull"_s));
    return birthday;
}

QString cardTitle(const QString& name)
{
    const QString title = name + u"   "_s;
    if (title.size() > 29)
        return name.left(26) + u"..."_s;
    return title;
}

QString resolvePhoto(const QString& foto, const QString& programFolder)
{
    if (foto.isEmpty())
        return QString();
    if (QFileInfo(foto).isFile())
        return foto;
    // Windows paths keep their backslashes in older archives.
    QString fileName = QFileInfo(foto).fileName();
    const qsizetype backslash = fileName.lastIndexOf(u'\\');
    if (backslash >= 0)
        fileName = fileName.mid(backslash + 1);
    if (fileName.isEmpty() || programFolder.isEmpty())
        return QString();
    const QString inPics = QDir(programFolder).filePath(u"pics/"_s + fileName);
    return QFileInfo(inPics).isFile() ? inPics : QString();
}

QString attachmentCaption(const QString& value)
{
    QString text = value;
    while (text.endsWith(u'/') || text.endsWith(u'\\'))
        text.chop(1);
    const qsizetype cut = std::max(text.lastIndexOf(u'/'), text.lastIndexOf(u'\\'));
    const QString name = cut >= 0 ? text.mid(cut + 1) : text;
    return name.isEmpty() ? value : name;
}

CardContent cardContent(const QSqlRecord& row, const std::optional<Birthday>& birthday,
                        const QString& programFolder, const QString& dataYearFormat)
{
    CardContent card;
    if (row.isEmpty()) {
        card.attachments = {QString(), QString(), QString()};
        card.attachmentCaptions = card.attachments;
        return card;
    }
    card.hasRow = true;
    card.codcon = row.value(u"codcon"_s).toLongLong();
    card.name = field(row, u"ragsoc"_s);
    card.title = cardTitle(card.name);
    card.company = field(row, u"company"_s);
    card.group = field(row, u"gruppo"_s);
    card.phone = field(row, u"tel"_s);
    card.mobile = field(row, u"mobile"_s);
    card.skype = field(row, u"skype"_s);
    card.fax = field(row, u"fax"_s);
    card.email = field(row, u"email"_s);
    card.web = field(row, u"site"_s);
    card.address = field(row, u"indirizzo"_s);
    card.note = field(row, u"note"_s);

    card.emailEnabled = !card.email.isEmpty();
    card.mapEnabled = !card.address.isEmpty();
    card.dialEnabled = !card.phone.isEmpty() || !card.mobile.isEmpty() || !card.skype.isEmpty();
    card.webEnabled = !card.web.isEmpty() && card.web != u"http://"_s;
    for (const QString& column : {u"allegato"_s, u"allegato2"_s, u"allegato3"_s}) {
        const QString value = field(row, column);
        card.attachments << value;
        card.attachmentCaptions << (value.isEmpty() ? QString() : attachmentCaption(value));
        card.attachEnabled = card.attachEnabled || !value.isEmpty();
    }
    card.birthday = birthday;
    if (birthday)
        card.birthdayText = agenda::formatDate(birthday->date, dataYearFormat);
    card.photoPath = resolvePhoto(field(row, u"foto"_s), programFolder);
    return card;
}

} // namespace brivane::contacts
