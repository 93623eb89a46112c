#pragma once

#include "agenda/DaySelection.h"

#include <QColor>
#include <QDate>
#include <QList>
#include <QLocale>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

#include <optional>

namespace brivane::agenda {

// Calendar day marking: which days of a month have tasks, and of which kinds.
// A day is lit when the calendar query finds at least one task on it; its
// mark text has four places, one per kind in the order O, Y, M, W, each
// holding the kind's letter when a task of that kind falls on the day and
// "X" otherwise ("OXMX": one-shot and monthly tasks).

// One entry of the "Highlights" or "Exclude" list. The value is the entry's
// position in its list; the first entry ("All" / "None") is Any.
enum class KindChoice {
    Any = 0,
    OneShot = 1,
    Yearly = 2,
    Monthly = 3,
    Weekly = 4,
};

// The entries of the two lists, in list order.
QStringList highlightEntries(); // "All", "One Shot", "Yearly", "Monthly", "Weekly"
QStringList excludeEntries();   // "None", "One Shot", "Yearly", "Monthly", "Weekly"

// The task kind letter of a choice ("O", "Y", "M", "W"); empty for Any.
QString choiceFlag(KindChoice choice);

struct MarkingOptions
{
    KindChoice highlight = KindChoice::Any;
    KindChoice exclude = KindChoice::Any;
    bool showSuspended = false;

    // The excluding form runs whenever a kind is excluded, whatever the
    // highlight choice says.
    bool excluding() const { return exclude != KindChoice::Any; }

    friend bool operator==(const MarkingOptions&, const MarkingOptions&) = default;
};

// The clauses of the calendar query for the options: the excluded kind's
// clauses left out of all of them (the every-day clause goes with one-shot
// tasks), else only the highlighted kind's clauses, else all.
DayClauses markingClauses(const MarkingOptions& options);

// The lit days of one month and their mark texts.
class MonthMarks
{
public:
    static constexpr QStringView kKindLetters = u"OYMW";

    MonthMarks() = default;
    // An unlit month: the month of `anyDay`.
    explicit MonthMarks(const QDate& anyDay);

    QDate firstDay() const { return m_firstDay; }
    bool covers(const QDate& day) const;

    bool isLit(const QDate& day) const;
    // "XXXX" for unlit days and days of other months.
    QString markText(const QDate& day) const;
    // Whether the mark text of the day holds `flag` ("O", "Y", "M" or "W").
    bool hasKind(const QDate& day, QChar flag) const;
    QList<QDate> litDays() const;

    // Records a task found on the day: lights it and, for a known kind
    // letter, puts the letter in the kind's place.
    void addTask(const QDate& day, const QString& flag);

    friend bool operator==(const MonthMarks&, const MonthMarks&) = default;

private:
    QDate m_firstDay;
    QList<bool> m_lit;
    QStringList m_texts;
};

// The calendar query of the options, asked as four yes/no questions: does
// it find a task of each kind on the day, in the order O, Y, M, W. A day is
// lit when one answer is yes. Each answer is an EXISTS over the kind's part
// of calendarStatement(), which stops at the first task found instead of
// reading every task of the day (on a large archive a day can hold
// thousands). The every-day clause belongs to the one-shot kind.
QString markingStatement(const MarkingOptions& options);

// One marking run: markingStatement() for every day of the month of
// `viewedDate`, prepared once and run once per day. Returns nothing and
// puts the engine's message in *error when a query fails.
std::optional<MonthMarks> markMonth(const QSqlDatabase& db, const QDate& viewedDate,
                                    const MarkingOptions& options, QString* error = nullptr,
                                    const QLocale& locale = QLocale());

// The viewed date after "<<" and ">>": the last day of the previous month and
// the first day of the next month.
QDate lastDayOfPreviousMonth(const QDate& date);
QDate firstDayOfNextMonth(const QDate& date);

// Colours. Section colours are colour texts in tab order: One Shot, Yearly,
// Monthly, Weekly, Today, Contacts, Notes, To Do, Options.

// The section whose colour lights the days: the highlighted kind's section
// (0 to 3), or Today (4) for "All" and for every excluding form.
int highlightSection(const MarkingOptions& options);

// A section colour made fit for lighting days on white: white becomes yellow,
// black (and a text that reads as no colour, such as "$FFFFFFFF") grey.
QColor lightColor(const QString& sectionColorText);

// lightColor() of the highlight section's colour.
QColor highlightColor(const QStringList& sectionColors, const MarkingOptions& options);

// The colours of the kind squares, in the order O, Y, M, W: the four kinds'
// section colours, or the built-in ones when `builtIn` (the LED default
// colours option) is on.
QList<QColor> kindColors(const QStringList& sectionColors, bool builtIn);
QList<QColor> builtInKindColors();

} // namespace brivane::agenda
