#include "agenda/widgets/TaskDialogTexts.h"

using namespace Qt::StringLiterals;

namespace brivane::agenda::widgets {

namespace {

// Every help text ends with how to attach shared files, e-mail addresses and
// websites.
QString attachSection()
{
    return u"\r\rATTACH:\r\r"
           "To attach a file or a folder of a shared archive, choose it through the network neighbourhood "
           "(the shared folder as every computer reaches it), so that every computer can open it.\r"
           "To attach e-mail addresses write the keyword mailto: followed by the addresses, separated by "
           "\",\" or \";\", for example mailto:ann@example.com;bob@example.com\r"
           "To attach a website write its address starting with http://, for example http://www.example.com"_s;
}

QString helpText(const QString& description)
{
    return u"DESCRIPTION:\r\r"_s + description + attachSection();
}

} // namespace

TaskDialogTexts TaskDialogTexts::of(TaskKind kind, EntryMode mode)
{
    const bool add = mode == EntryMode::Add;
    switch (kind) {
    case TaskKind::OneShot:
        return add ? TaskDialogTexts{u"TAggShotForm"_s, u"-> New One Shot Task"_s, u"Insert One Shot"_s,
                                     u"Date"_s,
                                     helpText(u"Insert occasional tasks or one-time appointments."_s)}
                   : TaskDialogTexts{u"TModShotForm"_s, u"-> Modify One Shot Task"_s, u"Modify One Shot"_s,
                                     u"Date"_s,
                                     helpText(u"Modify occasional tasks or one-time appointments."_s)};
    case TaskKind::Yearly: {
        const QString text = helpText(u"Keep track of important events, such as birthdays and holidays."_s);
        return add ? TaskDialogTexts{u"TAggYearForm"_s, u"-> New Yearly Task"_s, u"Insert Yearly"_s,
                                     u"Date"_s, text}
                   : TaskDialogTexts{u"TModYearForm"_s, u"-> Modify Yearly Task"_s, u"Modify Yearly"_s,
                                     u"Date"_s, text};
    }
    case TaskKind::Monthly:
        return add ? TaskDialogTexts{u"TAggMonthForm"_s, u"-> New Montly Task"_s, u"Insert Monthly"_s,
                                     u"Day"_s,
                                     helpText(
                                         u"Insert events that will happen once a every month, like the house "
                                         "payment."_s)}
                   : TaskDialogTexts{
                         u"TModMonthForm"_s, u"-> Modify Montly Task"_s, u"Modify Monthly"_s, u"Day"_s,
                         helpText(u"Modify events that will happen once a every month, like the house "
                                  "payment."_s)};
    case TaskKind::Weekly: {
        const QString text =
            helpText(u"Events to include in this area are those that happen on a weekly basis."_s);
        return add ? TaskDialogTexts{u"TAggWeekForm"_s, u"-> New Weekly Task"_s, u"Insert Weekly"_s, u"Day"_s,
                                     text}
                   : TaskDialogTexts{u"TModWeekForm"_s, u"-> Modify Weekly Task"_s, u"Modify Weekly"_s,
                                     u"Day"_s, text};
    }
    }
    return {};
}

QString parityCaption(TaskKind kind)
{
    switch (kind) {
    case TaskKind::Monthly:
        return u"Bi-Monthly "_s;
    case TaskKind::Weekly:
        return u"Bi-Weekly "_s;
    case TaskKind::Yearly:
        return u"Bi-Yearly"_s;
    case TaskKind::OneShot:
        break;
    }
    return {};
}

ChooserTexts ChooserTexts::of(TaskKind kind)
{
    switch (kind) {
    case TaskKind::OneShot:
        return {u"Chose the date"_s, u"d mmmm yyyy"_s};
    case TaskKind::Yearly:
        return {u"Chose the day and the month"_s, u"d mmmm"_s};
    case TaskKind::Monthly:
        return {u"Chose the day of month"_s, u"dd"_s};
    case TaskKind::Weekly:
        return {u"Chose the day of week"_s, u"dddd"_s};
    }
    return {};
}

} // namespace brivane::agenda::widgets
