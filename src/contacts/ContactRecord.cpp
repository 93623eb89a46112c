#include "contacts/ContactRecord.h"

#include <QFileInfo>
#include <QSqlRecord>
#include <QStringList>
#include <QVariant>

using namespace Qt::StringLiterals;

namespace brivane::contacts {

namespace {

QString text(const QSqlRecord& record, const QString& column)
{
    const int index = record.indexOf(column);
    return index < 0 ? QString() : record.value(index).toString();
}

QString join(const QStringList& lines)
{
    return lines.join(u'\n');
}

} // namespace

Contact Contact::fromRecord(const QSqlRecord& record)
{
    Contact contact;
    contact.codcon = record.value(u"codcon"_s).toLongLong();
    contact.ragsoc = text(record, u"ragsoc"_s);
    contact.company = text(record, u"company"_s);
    contact.tel = text(record, u"tel"_s);
    contact.mobile = text(record, u"mobile"_s);
    contact.skype = text(record, u"skype"_s);
    contact.fax = text(record, u"fax"_s);
    contact.email = text(record, u"email"_s);
    contact.site = text(record, u"site"_s);
    contact.indirizzo = text(record, u"indirizzo"_s);
    contact.note = text(record, u"note"_s);
    contact.gruppo = text(record, u"gruppo"_s);
    contact.allegato = text(record, u"allegato"_s);
    contact.allegato2 = text(record, u"allegato2"_s);
    contact.allegato3 = text(record, u"allegato3"_s);
    contact.foto = text(record, u"foto"_s);
    return contact;
}

QString capitalizedName(const QString& name)
{
    if (name.isEmpty())
        return name;
    const QChar first = name.front();
    if (first < u'a' || first > u'z')
        return name;
    QString result = name;
    result[0] = QChar(first.unicode() - u'a' + u'A');
    return result;
}

QString storedName(const QString& name)
{
    QString result = capitalizedName(name);
    result.replace(u';', u' ');
    return result;
}

QString picturesFolder(const QString& programFolder)
{
    return programFolder + u"pics"_s;
}

QString resolvedPicture(const QString& foto, const QString& programFolder)
{
    if (foto.isEmpty())
        return {};
    const QFileInfo stored(foto);
    if (stored.isFile())
        return foto;
    const qsizetype cut = qMax(foto.lastIndexOf(u'/'), foto.lastIndexOf(u'\\'));
    const QString fileName = foto.mid(cut + 1);
    if (fileName.isEmpty())
        return {};
    const QString inPics = picturesFolder(programFolder) + u'/' + fileName;
    return QFileInfo(inPics).isFile() ? inPics : QString();
}

QString contactInsertStatement()
{
    return join({
        u"INSERT INTO BRcon63"_s,
        u"(ragsoc,indirizzo,tel,fax,email,note,gruppo,site,company,mobile,allegato,allegato2,allegato3,foto,skype)"_s,
        u"values (:ragsoc,:indirizzo,:tel,:fax,:email,:note,:gruppo,:site,:company,:mobile,:allegato,:allegato2,"
        u":allegato3,:foto,:skype)"_s,
    });
}

QString contactUpdateStatement()
{
    return join({
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
        u"    allegato  = :allegato,"_s,
        u"    allegato2  = :allegato2,"_s,
        u"    allegato3  = :allegato3,"_s,
        u"    foto  = :foto,"_s,
        u"    skype  = :skype"_s,
        u"WHERE codcon = :codcon"_s,
    });
}

QString contactSelectStatement()
{
    return u"SELECT * FROM BRcon63 WHERE codcon = :codcon"_s;
}

} // namespace brivane::contacts
