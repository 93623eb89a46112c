#include "store/SettingsRecord.h"

namespace brivane::store {

QStringList SettingsRecord::defaultSectionColors()
{
    return {QStringLiteral("$00A6A6D2"), QStringLiteral("$00A7E3F5"), QStringLiteral("$0058A554"),
            QStringLiteral("$00BC8F07"), QStringLiteral("$00CE9D9D"), QStringLiteral("$009A9A4E"),
            QStringLiteral("$00AEAEAE"), QStringLiteral("$00BADCF8"), QStringLiteral("$0053A9FF")};
}

QStringList SettingsRecord::sectionColorColumns()
{
    return {QStringLiteral("ShotColor"),    QStringLiteral("YearColor"),    QStringLiteral("MonthColor"),
            QStringLiteral("WeekColor"),    QStringLiteral("TodayColor"),   QStringLiteral("ContactColor"),
            QStringLiteral("NotesColor"),   QStringLiteral("TodoColor"),    QStringLiteral("UserColor")};
}

QString soundonCode(bool sound, bool popup)
{
    if (sound && popup)
        return QStringLiteral("2");
    if (sound)
        return QStringLiteral("Y");
    if (popup)
        return QStringLiteral("V");
    return QStringLiteral("N");
}

bool soundonHasSound(const QString& code)
{
    return code == QLatin1String("Y") || code == QLatin1String("2");
}

bool soundonHasPopup(const QString& code)
{
    return code == QLatin1String("V") || code == QLatin1String("2");
}

QStringList oneShotDateFormats()
{
    return {QStringLiteral("d mmmm yyyy"),       QStringLiteral("dd mmmm yyyy"), QStringLiteral("dd/mm/yyyy"),
            QStringLiteral("dddd d mmmm yyyy"),  QStringLiteral("dddd dd mmmm yyyy"),
            QStringLiteral("mm/dd/yyyy"),        QStringLiteral("mmmm dd, yyyy")};
}

QStringList yearlyDateFormats()
{
    return {QStringLiteral("d mmmm"), QStringLiteral("dd mmmm"), QStringLiteral("dd/mm"),
            QStringLiteral("mm/dd"),  QStringLiteral("mmmm d"),  QStringLiteral("mmmm dd")};
}

QStringList scaleEntries()
{
    return {QStringLiteral("100"), QStringLiteral("110"), QStringLiteral("120"),
            QStringLiteral("130"), QStringLiteral("140"), QStringLiteral("150")};
}

} // namespace brivane::store
