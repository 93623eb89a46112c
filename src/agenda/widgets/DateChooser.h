#pragma once

#include "agenda/EntryContext.h"
#include "agenda/TaskKind.h"

#include <QDialog>

class QCalendarWidget;
class QPushButton;

namespace brivane::agenda::widgets {

class DialogTitleBar;

// The date chooser shared by the entry dialogs ("-> Calendar"): a month
// calendar and a confirm button captioned with the chosen day in the
// pattern of the caller's kind. Confirming (the button, Enter or a
// double-click on a day) sets the context's working date and month/day
// text, emits dateChosen() and closes; "Close" and Esc close without change.
// It never blocks: callers show it with open() and listen to dateChosen().
class DateChooser : public QDialog
{
    Q_OBJECT

public:
    DateChooser(TaskKind kind, EntryContext& context, const QDate& start, QWidget* parent = nullptr);

    QCalendarWidget* calendar() const { return m_calendar; }
    QPushButton* confirmButton() const { return m_confirm; }

Q_SIGNALS:
    void dateChosen(const QDate& date);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void confirm();
    void showChosenDay();

    EntryContext& m_context;
    QString m_pattern;
    QCalendarWidget* m_calendar;
    QPushButton* m_confirm;
    bool m_pageJustChanged = false;
    quint64 m_lastPress = 0;
    bool m_confirmed = false;
};

} // namespace brivane::agenda::widgets
