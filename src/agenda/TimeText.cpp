#include "agenda/TimeText.h"

#include "agenda/DateFormat.h"

using namespace Qt::StringLiterals;

namespace brivane::agenda {

namespace {

bool allDigits(QStringView text)
{
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            return false;
    }
    return !text.isEmpty();
}

} // namespace

QString blankTime(const QLocale& locale)
{
    return u"  "_s + timeSeparator(locale) + u"  "_s;
}

bool isBlankTime(const QString& text, const QLocale& locale)
{
    QString rest = text;
    rest.remove(timeSeparator(locale));
    return rest.trimmed().isEmpty();
}

std::optional<QString> storedTime(const QString& fieldText, const QLocale& locale)
{
    if (isBlankTime(fieldText, locale))
        return blankTime(locale);

    const QString separator = timeSeparator(locale);
    const qsizetype at = fieldText.indexOf(separator);
    if (at < 0)
        return std::nullopt;
    const QString hours = fieldText.left(at).trimmed();
    const QString minutes = fieldText.mid(at + separator.size()).trimmed();
    if (hours.size() > 2 || minutes.size() != 2 || !allDigits(hours) || !allDigits(minutes))
        return std::nullopt;
    const int hour = hours.toInt();
    const int minute = minutes.toInt();
    if (hour > 23 || minute > 59)
        return std::nullopt;
    return hours.rightJustified(2, u'0') + separator + minutes;
}

QString timeFieldText(const QString& stored, const QLocale& locale)
{
    if (stored.isEmpty())
        return blankTime(locale);
    return stored.left(2) + timeSeparator(locale) + stored.right(2);
}

QString timeInputMask(const QLocale& locale)
{
    static const QString maskLetters = u"AaNnXx90Dd#HhBb><![]{}\\;"_s;
    QString separator = timeSeparator(locale);
    if (maskLetters.contains(separator))
        separator.prepend(u'\\');
    // In a Qt input mask "0" is a digit that may be left out; "; " makes
    // the blank the fill character.
    return u"00"_s + separator + u"00; "_s;
}

QString invalidTimeMessage(TimeField field)
{
    return field == TimeField::From ? u"The value entered in the field \"From\" is not a valid time."_s
                                    : u"The value entered in the field \"To\" is not a valid time."_s;
}

std::optional<QString> timesError(const QString& from, const QString& to, const QLocale& locale)
{
    if (!storedTime(from, locale))
        return invalidTimeMessage(TimeField::From);
    if (!storedTime(to, locale))
        return invalidTimeMessage(TimeField::To);
    return std::nullopt;
}

} // namespace brivane::agenda
