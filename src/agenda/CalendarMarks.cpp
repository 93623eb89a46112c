#include "agenda/CalendarMarks.h"

#include "agenda/ErrorReport.h"
#include "themes/ColorText.h"

#include <QSqlQuery>

using namespace Qt::StringLiterals;

namespace brivane::agenda {

namespace {

constexpr int kTodaySection = 4;
const auto kUnmarked = u"XXXX"_s;

} // namespace

QStringList highlightEntries()
{
    return {u"All"_s, u"One Shot"_s, u"Yearly"_s, u"Monthly"_s, u"Weekly"_s};
}

QStringList excludeEntries()
{
    return {u"None"_s, u"One Shot"_s, u"Yearly"_s, u"Monthly"_s, u"Weekly"_s};
}

QString choiceFlag(KindChoice choice)
{
    if (choice == KindChoice::Any)
        return {};
    return MonthMarks::kKindLetters.at(int(choice) - 1);
}

DayClauses markingClauses(const MarkingOptions& options)
{
    if (options.excluding())
        return AllDayClauses & ~clausesOfKind(choiceFlag(options.exclude));
    if (options.highlight == KindChoice::Any)
        return AllDayClauses;
    return clausesOfKind(choiceFlag(options.highlight));
}

MonthMarks::MonthMarks(const QDate& anyDay)
    : m_firstDay(anyDay.year(), anyDay.month(), 1), m_lit(anyDay.daysInMonth(), false),
      m_texts(anyDay.daysInMonth(), kUnmarked)
{
}

bool MonthMarks::covers(const QDate& day) const
{
    return m_firstDay.isValid() && day.isValid() && day.year() == m_firstDay.year() &&
           day.month() == m_firstDay.month();
}

bool MonthMarks::isLit(const QDate& day) const
{
    return covers(day) && m_lit.at(day.day() - 1);
}

QString MonthMarks::markText(const QDate& day) const
{
    return covers(day) ? m_texts.at(day.day() - 1) : kUnmarked;
}

bool MonthMarks::hasKind(const QDate& day, QChar flag) const
{
    const qsizetype place = kKindLetters.indexOf(flag);
    return place >= 0 && markText(day).at(place) == flag;
}

QList<QDate> MonthMarks::litDays() const
{
    QList<QDate> days;
    for (int index = 0; index < m_lit.size(); ++index) {
        if (m_lit.at(index))
            days << m_firstDay.addDays(index);
    }
    return days;
}

void MonthMarks::addTask(const QDate& day, const QString& flag)
{
    if (!covers(day))
        return;
    const int index = day.day() - 1;
    m_lit[index] = true;
    const qsizetype place = flag.size() == 1 ? kKindLetters.indexOf(flag.at(0)) : -1;
    if (place >= 0)
        m_texts[index][place] = flag.at(0);
}

QString markingStatement(const MarkingOptions& options)
{
    const DayClauses clauses = markingClauses(options);
    const auto exists = [&options](DayClauses some) -> QString {
        return u"EXISTS("_s + calendarStatement(some, options.showSuspended) + u")"_s;
    };
    QStringList answers;
    for (const QChar letter : MonthMarks::kKindLetters)
        answers << exists(clauses & clausesOfKind(letter));
    return u"SELECT "_s + answers.join(u",\n"_s);
}

std::optional<MonthMarks> markMonth(const QSqlDatabase& db, const QDate& viewedDate,
                                    const MarkingOptions& options, QString* error, const QLocale& locale)
{
    if (!viewedDate.isValid()) {
        reportError(error, u"No date to mark"_s);
        return std::nullopt;
    }
    MonthMarks marks(viewedDate);
    const QString statement = markingStatement(options);
    QSqlQuery query(db);
    query.setForwardOnly(true);
    for (QDate day = marks.firstDay(); marks.covers(day); day = day.addDays(1)) {
        // The same text every day: selectDay prepares it once and only binds.
        if (!selectDay(query, statement, day, error, locale))
            return std::nullopt;
        if (!query.next())
            continue;
        for (int kind = 0; kind < MonthMarks::kKindLetters.size(); ++kind) {
            if (query.value(kind).toBool())
                marks.addTask(day, MonthMarks::kKindLetters.at(kind));
        }
    }
    return marks;
}

QDate lastDayOfPreviousMonth(const QDate& date)
{
    return QDate(date.year(), date.month(), 1).addDays(-1);
}

QDate firstDayOfNextMonth(const QDate& date)
{
    return QDate(date.year(), date.month(), 1).addMonths(1);
}

int highlightSection(const MarkingOptions& options)
{
    if (options.excluding() || options.highlight == KindChoice::Any)
        return kTodaySection;
    return int(options.highlight) - 1;
}

QColor lightColor(const QString& sectionColorText)
{
    const QColor color = themes::colorFromText(sectionColorText);
    if (!color.isValid() || color == QColor(Qt::black))
        return QColor(0x80, 0x80, 0x80);
    if (color == QColor(Qt::white))
        return QColor(Qt::yellow);
    return color;
}

QColor highlightColor(const QStringList& sectionColors, const MarkingOptions& options)
{
    return lightColor(sectionColors.value(highlightSection(options)));
}

QList<QColor> kindColors(const QStringList& sectionColors, bool builtIn)
{
    if (builtIn)
        return builtInKindColors();
    const QList<QColor> fallback = builtInKindColors();
    QList<QColor> colors;
    for (int kind = 0; kind < fallback.size(); ++kind)
        colors << themes::colorFromText(sectionColors.value(kind), fallback.at(kind));
    return colors;
}

QList<QColor> builtInKindColors()
{
    return {
        themes::colorFromText(u"$00A6A6D2"_s),
        themes::colorFromText(u"$00A7E3F5"_s),
        themes::colorFromText(u"$0058A554"_s),
        themes::colorFromText(u"$00BC8F07"_s),
    };
}

} // namespace brivane::agenda
