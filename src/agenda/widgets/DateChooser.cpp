#include "agenda/widgets/DateChooser.h"

#include "agenda/DateFormat.h"
#include "agenda/widgets/DialogChrome.h"
#include "agenda/widgets/TaskDialogTexts.h"
#include "platform/widgets/MessageBox.h"

#include <QAbstractItemView>
#include <QCalendarWidget>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyleHints>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace brivane::agenda::widgets {

namespace {

QColor kindColor(const EntryContext& context, TaskKind kind)
{
    return context.kindColors.at(static_cast<std::size_t>(kind));
}

} // namespace

DateChooser::DateChooser(TaskKind kind, EntryContext& context, const QDate& start, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_context(context),
      m_pattern(ChooserTexts::of(kind).pattern), m_calendar(new QCalendarWidget), m_confirm(new QPushButton)
{
    setObjectName(u"TSelectForm"_s);
    setWindowTitle(u"-> Calendar"_s);

    auto* frame = new KindFrame(kindColor(context, kind));
    frame->setObjectName(u"Frame_Select"_s);

    m_calendar->setObjectName(u"MonthCalendar1"_s);
    m_calendar->setGridVisible(true);
    m_calendar->setSelectedDate(start.isValid() ? start : QDate::currentDate());

    m_confirm->setObjectName(u"SpeedButtonSelect"_s);
    m_confirm->setDefault(true);
    auto* close = new QPushButton(u"Close"_s);
    close->setObjectName(u"SpeedButtonClose"_s);
    close->setAutoDefault(false);
    auto* hint = new QPushButton(u"Hint"_s);
    hint->setObjectName(u"SpeedButtonHint"_s);
    hint->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(hint);
    buttons->addStretch();
    buttons->addWidget(m_confirm);
    buttons->addWidget(close);

    auto* body = new QVBoxLayout;
    body->setContentsMargins(8, 8, 8, 8);
    body->addWidget(m_calendar);
    body->addLayout(buttons);

    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->setContentsMargins(KindFrame::kBorder, KindFrame::kBorder, KindFrame::kBorder,
                                    KindFrame::kBorder);
    frameLayout->setSpacing(0);
    auto* titleBar = new DialogTitleBar(ChooserTexts::of(kind).title, kindColor(context, kind));
    frameLayout->addWidget(titleBar);
    auto* dragger = new WindowDragger(this);
    dragger->watch(titleBar);
    dragger->watch(frame);
    frameLayout->addLayout(body);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(frame);

    if (context.scalePercent > 100) {
        QFont scaled = font();
        scaled.setPointSizeF(scaled.pointSizeF() * context.scalePercent / 100.0);
        setFont(scaled);
    }

    showChosenDay();
    fitToContents(this);
    connect(m_calendar, &QCalendarWidget::selectionChanged, this, &DateChooser::showChosenDay);
    // Connected after the start date is shown, so only the user's paging counts.
    connect(m_calendar, &QCalendarWidget::currentPageChanged, this, [this] { m_pageJustChanged = true; });
    connect(m_calendar, &QCalendarWidget::activated, this, &DateChooser::confirm);
    connect(m_confirm, &QPushButton::clicked, this, &DateChooser::confirm);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(hint, &QPushButton::clicked, this, [this] {
        platform::MessageBox::information(
            this,
            u"In this window you can select at the same time the day and the start date of the task."_s);
    });

    // A double-click right after the page turned (its first click on a day of
    // the next or previous month) would confirm a day the user did not aim
    // at: it is ignored once.
    if (auto* view = m_calendar->findChild<QAbstractItemView*>())
        view->viewport()->installEventFilter(this);
}

bool DateChooser::eventFilter(QObject* watched, QEvent* event)
{
    // A click starts afresh, unless it is the second press of a double-click;
    // a first press on a day of another month turns the page while the
    // calendar handles it, which the double-click then sees.
    if (event->type() == QEvent::MouseButtonPress) {
        const auto timestamp = static_cast<QMouseEvent*>(event)->timestamp();
        const bool secondPress =
            m_lastPress != 0 &&
            timestamp - m_lastPress <= quint64(QGuiApplication::styleHints()->mouseDoubleClickInterval());
        if (!secondPress)
            m_pageJustChanged = false;
        m_lastPress = timestamp;
    }
    if (event->type() == QEvent::MouseButtonDblClick && m_pageJustChanged) {
        m_pageJustChanged = false;
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void DateChooser::showChosenDay()
{
    m_confirm->setText(formatDate(m_calendar->selectedDate(), m_pattern));
}

void DateChooser::confirm()
{
    if (m_confirmed)
        return;
    m_confirmed = true;
    const QDate chosen = m_calendar->selectedDate();
    m_context.workingDate = chosen;
    m_context.monthDay = formatDate(chosen, u"mm/dd"_s).left(5);
    Q_EMIT dateChosen(chosen);
    accept();
}

} // namespace brivane::agenda::widgets
