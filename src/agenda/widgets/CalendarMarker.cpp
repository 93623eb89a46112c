#include "agenda/widgets/CalendarMarker.h"

#include "store/SettingsRecord.h"
#include "agenda/widgets/LitCalendar.h"

#include <QComboBox>
#include <QSqlDatabase>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace brivane::ui {

namespace {

QTimer* markingTimer(const QString& name, CalendarMarker* marker)
{
    auto* timer = new QTimer(marker);
    timer->setObjectName(name);
    timer->setInterval(1);
    timer->setSingleShot(true);
    QObject::connect(timer, &QTimer::timeout, marker, &CalendarMarker::markNow);
    return timer;
}

agenda::KindChoice choiceAt(const QComboBox* list)
{
    const int index = list->currentIndex();
    return index >= 1 && index <= int(agenda::KindChoice::Weekly) ? agenda::KindChoice(index)
                                                                  : agenda::KindChoice::Any;
}

} // namespace

CalendarMarker::CalendarMarker(LitCalendar* calendar, QString connectionName, QObject* parent)
    : QObject(parent), m_calendar(calendar), m_connectionName(std::move(connectionName)),
      m_sectionColors(store::SettingsRecord::defaultSectionColors()),
      m_highlightTimer(markingTimer(u"TimerNERO"_s, this)),
      m_excludeTimer(markingTimer(u"TimerEscludiNero"_s, this))
{
}

void CalendarMarker::setSectionColors(const QStringList& colors)
{
    m_sectionColors = colors;
    if (m_calendar)
        m_calendar->setLightColor(agenda::highlightColor(m_sectionColors, m_options));
}

void CalendarMarker::schedule(const QDate& viewedDate, const agenda::MarkingOptions& options)
{
    m_date = viewedDate;
    m_options = options;
    // Only one form runs: the one the latest options ask for.
    QTimer* armed = options.excluding() ? m_excludeTimer : m_highlightTimer;
    QTimer* other = options.excluding() ? m_highlightTimer : m_excludeTimer;
    other->stop();
    if (!armed->isActive())
        armed->start();
}

bool CalendarMarker::isPending() const
{
    return m_highlightTimer->isActive() || m_excludeTimer->isActive();
}

void CalendarMarker::markNow()
{
    m_highlightTimer->stop();
    m_excludeTimer->stop();
    if (!m_calendar)
        return;
    QString error;
    const std::optional<agenda::MonthMarks> marks =
        agenda::markMonth(QSqlDatabase::database(m_connectionName, false), m_date, m_options, &error);
    if (!marks) {
        m_calendar->clearMarks();
        Q_EMIT markingFailed(error);
        return;
    }
    m_calendar->setLightColor(agenda::highlightColor(m_sectionColors, m_options));
    m_calendar->setMarks(*marks);
    Q_EMIT marked();
}

void setUpMarkingChoices(QComboBox* highlights, QComboBox* exclude, const std::function<void()>& chosen)
{
    highlights->clear();
    highlights->addItems(agenda::highlightEntries());
    exclude->clear();
    exclude->addItems(agenda::excludeEntries());
    QObject::connect(highlights, &QComboBox::activated, exclude, [exclude, chosen] {
        exclude->setCurrentIndex(0);
        if (chosen)
            chosen();
    });
    QObject::connect(exclude, &QComboBox::activated, highlights, [highlights, chosen] {
        highlights->setCurrentIndex(0);
        if (chosen)
            chosen();
    });
}

agenda::MarkingOptions markingOptions(const QComboBox* highlights, const QComboBox* exclude,
                                      bool showSuspended)
{
    return {choiceAt(highlights), choiceAt(exclude), showSuspended};
}

} // namespace brivane::ui
