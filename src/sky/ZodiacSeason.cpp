#include "sky/ZodiacSeason.h"

#include <array>

namespace brivane::sky {

namespace {

// A span of days as "mmdd" texts, both ends included, and its name and span text.
struct Span
{
    const char* from;
    const char* to;
    const char* name;
    const char* range;
};

// Capricorn and Winter have no span of their own: they are what is left,
// the days that cross the turn of the year.
constexpr Span kCapricorn{nullptr, nullptr, "Capricorn", "from 22 December to 20 January"};
constexpr std::array<Span, 11> kSigns{{
    {"0321", "0420", "Aries", "from 21 March to 20 April"},
    {"0421", "0520", "Taurus", "from 21 April to 20 May"},
    {"0521", "0621", "Gemini", "from 21 May to 21 June"},
    {"0622", "0722", "Cancer", "from 22 June to 22 July"},
    {"0723", "0823", "Leo", "from 23 July to 23 August"},
    {"0824", "0922", "Virgo", "from 24 August to 22 September"},
    {"0923", "1022", "Libra", "from 23 September to 22 October"},
    {"1023", "1122", "Scorpio", "from 23 October to 22 November"},
    {"1123", "1221", "Sagittarius", "from 23 November to 21 December"},
    {"0121", "0219", "Aquarius", "from 21 January to 19 February"},
    {"0220", "0320", "Pisces", "from 20 February to 20 March"},
}};

constexpr Span kWinter{nullptr, nullptr, "Winter", "from 22 December to 20 March"};
constexpr std::array<Span, 3> kSeasons{{
    {"0321", "0620", "Spring", "from 21 March to 20 June"},
    {"0621", "0922", "Summer", "from 21 June to 22 September"},
    {"0923", "1221", "Autumn", "from 23 September to 21 December"},
}};

template <std::size_t N>
const Span& spanOf(const QString& monthDay, const std::array<Span, N>& spans, const Span& rest)
{
    for (const Span& span : spans) {
        if (monthDay >= QLatin1String(span.from) && monthDay <= QLatin1String(span.to))
            return span;
    }
    return rest;
}

} // namespace

ZodiacSeason zodiacAndSeason(const QDate& date)
{
    const QString monthDay = date.toString(QStringLiteral("MMdd"));
    const Span& sign = spanOf(monthDay, kSigns, kCapricorn);
    const Span& season = spanOf(monthDay, kSeasons, kWinter);
    auto label = [](const Span& span) -> QString { return QLatin1Char(' ') + QLatin1String(span.name); };
    auto hint = [](const Span& span) -> QString {
        return QLatin1String(span.name) + QLatin1Char('\r') + QLatin1String(span.range);
    };
    return {label(sign), hint(sign), label(season), hint(season)};
}

} // namespace brivane::sky
