#include "reminders/AlarmSchedule.h"

#include "agenda/DateFormat.h"
#include "agenda/DaySelection.h"

#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>

namespace brivane::reminders {

QTime alarmTime(const QString& orario)
{
    const QRegularExpression pattern(QStringLiteral("^\\s*(\\d{1,2})(?:\\.|:|") + QRegularExpression::escape(agenda::timeSeparator())
                                     + QStringLiteral(")(\\d{2})\\s*$"));
    const QRegularExpressionMatch match = pattern.match(orario);
    if (!match.hasMatch())
        return {};
    return QTime(match.captured(1).toInt(), match.captured(2).toInt());
}

bool loadAlarmList(const QSqlDatabase& db, const QDate& day, QList<AlarmEntry>& entries, QString* error)
{
    entries.clear();
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!agenda::selectDay(query, agenda::alarmListStatement(), day, error))
        return false;
    while (query.next()) {
        AlarmEntry entry;
        entry.codimp = query.value(QStringLiteral("codimp")).toLongLong();
        entry.id = query.value(QStringLiteral("id")).toString();
        entry.flag = query.value(QStringLiteral("flag")).toString();
        entry.orario = query.value(QStringLiteral("orario")).toString();
        entry.time = alarmTime(entry.orario);
        entries << entry;
    }
    return true;
}

void AlarmSchedule::setEntries(const QDate& day, const QList<AlarmEntry>& entries)
{
    m_day = day;
    m_entries = entries;
    m_ringSeconds.clear();
    for (const AlarmEntry& entry : entries)
        m_ringSeconds << (entry.time.isValid() ? QDateTime(day, entry.time).toSecsSinceEpoch() : -1);
}

QList<AlarmEntry> AlarmSchedule::due(const QDateTime& now)
{
    QList<AlarmEntry> ringing;
    const qint64 current = now.toSecsSinceEpoch();
    qint64 from; // first second evaluated, inclusive
    if (m_lastEvaluated < 0 || current < m_lastEvaluated - kMaxCatchUpSeconds) {
        from = current; // first tick, or the clock was set back
    } else if (current <= m_lastEvaluated) {
        return ringing; // this second was evaluated already
    } else {
        from = qMax(m_lastEvaluated + 1, current - (kMaxCatchUpSeconds - 1));
    }
    m_lastEvaluated = current;
    for (qsizetype i = 0; i < m_entries.size(); ++i) {
        const qint64 rings = m_ringSeconds.at(i);
        if (rings >= from && rings <= current)
            ringing << m_entries.at(i);
    }
    return ringing;
}

QString alarmTaskText(const QString& description)
{
    const QString text = QLatin1Char(' ') + description + QLatin1Char('!');
    if (text.size() > 46)
        return text.left(43) + QStringLiteral("...");
    return text;
}

} // namespace brivane::reminders
