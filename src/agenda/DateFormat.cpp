#include "agenda/DateFormat.h"

using namespace Qt::StringLiterals;

namespace brivane::agenda {

namespace {

QString twoDigits(int value)
{
    return QString::number(value).rightJustified(2, u'0');
}

QString number(int value, qsizetype letters)
{
    return letters >= 2 ? twoDigits(value) : QString::number(value);
}

// Separators of Qt's format strings may sit inside quotes ('h'); the quote
// itself is never a separator.
bool isSeparatorCandidate(QChar c)
{
    return !c.isLetter() && !c.isSpace() && c != u'\'';
}

QString format(const QDate& date, const QTime& time, const QString& pattern, const QLocale& locale)
{
    static const auto amPm = u"am/pm"_s;
    const bool twelveHour = pattern.contains(amPm, Qt::CaseInsensitive);

    QString out;
    QChar lastLetter;
    qsizetype i = 0;
    while (i < pattern.size()) {
        if (QStringView(pattern).mid(i, amPm.size()).compare(amPm, Qt::CaseInsensitive) == 0) {
            const QString text = time.hour() < 12 ? u"am"_s : u"pm"_s;
            out += pattern.at(i).isUpper() ? text.toUpper() : text;
            lastLetter = u'a';
            i += amPm.size();
            continue;
        }

        const QChar c = pattern.at(i).toLower();
        qsizetype run = 1;
        while (i + run < pattern.size() && pattern.at(i + run).toLower() == c)
            ++run;

        switch (c.unicode()) {
        case u'd':
            if (run >= 4)
                out += locale.dayName(date.dayOfWeek(), QLocale::LongFormat);
            else if (run == 3)
                out += locale.dayName(date.dayOfWeek(), QLocale::ShortFormat);
            else
                out += number(date.day(), run);
            break;
        case u'm':
            if (run <= 2 && lastLetter == u'h')
                out += number(time.minute(), run);
            else if (run >= 4)
                out += locale.monthName(date.month(), QLocale::LongFormat);
            else if (run == 3)
                out += locale.monthName(date.month(), QLocale::ShortFormat);
            else
                out += number(date.month(), run);
            break;
        case u'y':
            if (run <= 2)
                out += twoDigits(date.year() % 100);
            else
                out += QString::number(date.year()).rightJustified(4, u'0');
            break;
        case u'h': {
            int hour = time.hour();
            if (twelveHour) {
                hour %= 12;
                if (hour == 0)
                    hour = 12;
            }
            out += number(hour, run);
            break;
        }
        case u'n':
            out += number(time.minute(), run);
            break;
        case u's':
            out += number(time.second(), run);
            break;
        case u'/':
            out += dateSeparator(locale).repeated(run);
            break;
        case u':':
            out += timeSeparator(locale).repeated(run);
            break;
        default:
            out += QStringView(pattern).mid(i, run);
            break;
        }
        if (c.isLetter())
            lastLetter = c;
        i += run;
    }
    return out;
}

} // namespace

QString formatDate(const QDate& date, const QString& pattern, const QLocale& locale)
{
    if (!date.isValid())
        return {};
    return format(date, QTime(0, 0), pattern, locale);
}

QString formatDateTime(const QDateTime& dateTime, const QString& pattern, const QLocale& locale)
{
    if (!dateTime.isValid())
        return {};
    return format(dateTime.date(), dateTime.time(), pattern, locale);
}

QString formatTime(const QTime& time, const QString& pattern, const QLocale& locale)
{
    if (!time.isValid())
        return {};
    return format(QDate(2000, 1, 1), time, pattern, locale);
}

QString dateSeparator(const QLocale& locale)
{
    const QString shortFormat = locale.dateFormat(QLocale::ShortFormat);
    for (const QChar c : shortFormat) {
        if (isSeparatorCandidate(c))
            return QString(c);
    }
    return u"/"_s;
}

QString timeSeparator(const QLocale& locale)
{
    const QString shortFormat = locale.timeFormat(QLocale::ShortFormat);
    qsizetype i = 0;
    while (i < shortFormat.size() && shortFormat.at(i).toLower() != u'h')
        ++i;
    while (i < shortFormat.size() && shortFormat.at(i).toLower() == u'h')
        ++i;
    for (; i < shortFormat.size() && shortFormat.at(i) != u'm'; ++i) {
        if (isSeparatorCandidate(shortFormat.at(i)))
            return QString(shortFormat.at(i));
    }
    return u":"_s;
}

} // namespace brivane::agenda
