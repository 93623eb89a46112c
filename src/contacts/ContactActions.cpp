#include "contacts/ContactActions.h"

#include "platform/Shell.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace brivane::contacts {

namespace {

bool isBlank(QChar c)
{
    return c.unicode() >= 1 && c.unicode() <= 32;
}

// A scheme of two letters or more ("C:" is a drive, not a scheme).
bool hasScheme(const QString& text)
{
    static const QRegularExpression scheme(u"^[A-Za-z][A-Za-z0-9+.\\-]+:"_s);
    return scheme.match(text).hasMatch();
}

bool isWebName(const QString& text)
{
    return text.startsWith(u"www"_s, Qt::CaseInsensitive);
}

QString fileNamePart(const QString& value)
{
    const qsizetype cut = std::max(value.lastIndexOf(u'/'), value.lastIndexOf(u'\\'));
    return cut >= 0 ? value.mid(cut + 1) : value;
}

} // namespace

QStringList splitItems(const QString& text)
{
    QStringList items;
    const qsizetype size = text.size();
    qsizetype i = 0;
    auto skipBlanks = [&] {
        while (i < size && isBlank(text[i]))
            ++i;
    };
    skipBlanks();
    while (i < size) {
        QString item;
        if (text[i] == u'"') {
            ++i;
            while (i < size) {
                if (text[i] == u'"') {
                    if (i + 1 < size && text[i + 1] == u'"') {
                        item += u'"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                item += text[i++];
            }
        } else {
            const qsizetype start = i;
            while (i < size && !isBlank(text[i]) && text[i] != u',')
                ++i;
            item = text.mid(start, i - start);
        }
        items << item;
        skipBlanks();
        if (i < size && text[i] == u',') {
            if (i + 1 == size)
                items << QString();
            ++i;
            skipBlanks();
        }
    }
    return items;
}

QStringList nonEmptyItems(const QString& text)
{
    QStringList items = splitItems(text);
    items.removeAll(QString());
    return items;
}

QUrl addressUrl(const QString& text)
{
    if (hasScheme(text))
        return QUrl(text, QUrl::TolerantMode);
    if (isWebName(text))
        return QUrl(u"http://"_s + text, QUrl::TolerantMode);
    return QUrl::fromLocalFile(text);
}

QUrl webUrl(const QString& text)
{
    if (hasScheme(text))
        return QUrl(text, QUrl::TolerantMode);
    return QUrl(u"http://"_s + text, QUrl::TolerantMode);
}

QUrl mailUrl(const QString& item)
{
    return QUrl(u"mailto:"_s + item, QUrl::TolerantMode);
}

QString mapSearchBase()
{
    return u"https://www.google.com/maps?q="_s;
}

QString mapSearchText(const QString& address)
{
    QString text;
    for (QString line : address.split(u'\n')) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        text += line + u' ';
    }
    return text;
}

QUrl mapSearchUrl(const QString& address)
{
    return QUrl(mapSearchBase() + mapSearchText(address), QUrl::TolerantMode);
}

QString nameSearchBase()
{
    return u"https://www.google.com/#q="_s;
}

QUrl nameSearchUrl(const QString& name)
{
    QString words = name.left(50);
    words.replace(u' ', u'+');
    return QUrl(nameSearchBase() + words, QUrl::TolerantMode);
}

bool readsAsNumber(const QString& item)
{
    if (item.isEmpty())
        return false;
    for (QChar c : item) {
        if (c < u'0' || c > u'9')
            return false;
    }
    return true;
}

QString dialableNumber(const QString& item)
{
    QString number;
    for (const QChar c : item) {
        if (c.isSpace() || (c.isPunct() && c != u'*' && c != u'#'))
            continue;
        number += c;
    }
    return number;
}

QStringList dialNumbers(const QString& tel, const QString& mobile, const QString& skype, bool addZero)
{
    // A phone field holds whole numbers separated by commas; its blanks and
    // punctuation only group the digits. A Skype field holds names.
    QStringList numbers;
    for (const QString& field : {tel, mobile}) {
        for (const QString& item : field.split(u',')) {
            const QString number = dialableNumber(item);
            if (!number.isEmpty())
                numbers << number;
        }
    }
    numbers << nonEmptyItems(skype);
    if (addZero) {
        for (QString& number : numbers) {
            if (readsAsNumber(number))
                number.prepend(u'0');
        }
    }
    return numbers;
}

QUrl telUrl(const QString& number)
{
    return QUrl(u"tel:"_s + number, QUrl::TolerantMode);
}

QUrl calltoUrl(const QString& number)
{
    return QUrl(u"callto:"_s + number, QUrl::TolerantMode);
}

QUrl skypeChatUrl(const QString& number)
{
    return QUrl(u"skype:"_s + number + u"?chat"_s, QUrl::TolerantMode);
}

bool isValidEmail(const QString& text)
{
    if (text.trimmed().isEmpty())
        return false;
    static const QString refused = u" \u00E4\u00F6\u00FC\u00DF[]():"_s;
    for (QChar c : text) {
        if (refused.contains(c))
            return false;
    }
    const qsizetype at = text.indexOf(u'@');
    if (at <= 0 || at == text.size() - 1 || text.count(u'@') != 1)
        return false;
    const QString server = text.mid(at + 1);
    return server.size() >= 2 && server.contains(u'.') && !server.startsWith(u'.') && !server.endsWith(u'.');
}

bool hasLinkPrefix(const QString& text)
{
    for (const QString& prefix :
         {u"WWW"_s, u"HTTP://"_s, u"HTTPS://"_s, u"SKYPE:"_s, u"MAILTO:"_s, u"CALLTO:"_s}) {
        if (text.startsWith(prefix, Qt::CaseInsensitive))
            return true;
    }
    return false;
}

bool isOpenableSelection(const QString& selection)
{
    if (selection.isEmpty())
        return false;
    if (hasLinkPrefix(selection))
        return true;
    const QFileInfo file(selection);
    if (!QDir::isRelativePath(selection) && (file.isFile() || file.isDir()))
        return true;
    return isValidEmail(selection);
}

bool isForbiddenSelection(const QString& selection)
{
    static const QStringList words = {u"format"_s, u"deltree"_s, u"delete"_s, u"del"_s,
                                      u"copy"_s,   u"move"_s,    u"xcopy"_s,  u"make"_s,
                                      u"dir"_s,    u"attrib"_s,  u"fdisk"_s};
    return words.contains(selection, Qt::CaseInsensitive);
}

QString selectionTarget(const QString& selection)
{
    if (selection.left(50).contains(u'@') && !selection.startsWith(u"mailto:"_s, Qt::CaseInsensitive))
        return u"mailto:"_s + selection;
    return selection;
}

bool openSelection(const QString& selection)
{
    if (selection.isEmpty())
        return false;
    return platform::Shell::open(addressUrl(selectionTarget(selection)));
}

QStringList attachmentCandidates(const QString& value, const QString& programFolder)
{
    if (value.isEmpty())
        return {};
    QStringList candidates{value};
    if (programFolder.isEmpty())
        return candidates;
    const QDir folder(programFolder);
    QString relative = value;
    relative.replace(u'\\', u'/');
    const QString name = fileNamePart(value);
    candidates << folder.filePath(u"allegati/"_s + relative) << folder.filePath(u"attaches/"_s + relative)
               << folder.filePath(u"allegati/"_s + name) << folder.filePath(u"attaches/"_s + name);
    return candidates;
}

bool openAttachment(const QString& value, const QString& programFolder)
{
    const QStringList candidates = attachmentCandidates(value, programFolder);
    for (qsizetype i = 0; i < candidates.size(); ++i) {
        const QString& candidate = candidates[i];
        if (i == 0 && (hasScheme(candidate) || isWebName(candidate))) {
            if (platform::Shell::open(addressUrl(candidate)))
                return true;
            continue;
        }
        // A relative value names nothing by itself: it lives in the
        // attachment folders.
        if (QDir::isRelativePath(candidate))
            continue;
        const QFileInfo file(candidate);
        if ((file.isFile() || file.isDir()) && platform::Shell::openPath(file.absoluteFilePath()))
            return true;
    }
    return false;
}

} // namespace brivane::contacts
