#pragma once

#include "agenda/CalendarMarks.h"

#include <QDate>
#include <QObject>
#include <QPointer>
#include <QStringList>

#include <functional>

class QComboBox;
class QTimer;

namespace brivane::ui {

class LitCalendar;

// Runs the calendar day marking once after the Today refreshes of one pass
// of the event loop. Each refresh calls schedule(); that arms a single-shot
// 1 ms timer (TimerNERO for the highlighting form, TimerEscludiNero for the
// excluding form), so the marking runs once the current event is over, with
// the date and options of the last schedule(). Arming while a run is
// pending adds no run.
class CalendarMarker : public QObject
{
    Q_OBJECT

public:
    // `connectionName` names the archive's database connection.
    CalendarMarker(LitCalendar* calendar, QString connectionName, QObject* parent = nullptr);

    // Section colour texts in tab order (the settings'); the light colour of
    // the lit days comes from them.
    void setSectionColors(const QStringList& colors);

    void schedule(const QDate& viewedDate, const agenda::MarkingOptions& options);
    bool isPending() const;

public Q_SLOTS:
    // The marking run: marks the month of the scheduled date and hands the
    // result and the light colour to the calendar.
    void markNow();

Q_SIGNALS:
    void marked();
    // The engine's message when a calendar query failed; the calendar is
    // then left without lit days.
    void markingFailed(const QString& message);

private:
    QPointer<LitCalendar> m_calendar;
    QString m_connectionName;
    QStringList m_sectionColors;
    QDate m_date;
    agenda::MarkingOptions m_options;
    QTimer* m_highlightTimer;
    QTimer* m_excludeTimer;
};

// Fills the "Highlights" and "Exclude" lists with their entries and ties
// them: choosing an entry in one sets the other back to its first entry
// ("None" / "All"), then calls `chosen` (where the Today view refreshes).
void setUpMarkingChoices(QComboBox* highlights, QComboBox* exclude, const std::function<void()>& chosen);

// The options the two lists and the "Show suspended" switch stand for.
agenda::MarkingOptions markingOptions(const QComboBox* highlights, const QComboBox* exclude,
                                      bool showSuspended);

} // namespace brivane::ui
