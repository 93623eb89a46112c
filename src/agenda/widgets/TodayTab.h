#pragma once

#include "agenda/CalendarMarks.h"

#include <QDate>
#include <QHash>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QTableView;
class QToolButton;

namespace brivane::agenda {
class TodayQuery;
}

namespace brivane::sky::widgets {
class SkyStrip;
}

namespace brivane::ui {

class LitCalendar;

// The Today tab: the tasks of the viewed date with the commands on them,
// the date stepping buttons, and the side panel with the month calendar and
// the archive counts. It forwards every command to the main window.
class TodayTab : public QWidget
{
    Q_OBJECT

public:
    explicit TodayTab(agenda::TodayQuery* model, QWidget* parent = nullptr);

    QDate viewedDate() const;
    // The viewed date at the time of day the view keeps: the moment whose Moon
    // is shown. Stepping keeps the time of day; viewing today brings in the
    // current time.
    QDateTime viewedMoment() const;
    sky::widgets::SkyStrip* skyStrip() const { return m_sky; }
    // Views a date: the picker, the side calendar and a refresh request follow.
    void setViewedDate(const QDate& date);
    bool showSuspended() const;
    void setShowSuspended(bool show);
    void setStartupControlsEnabled(bool enabled);
    void setSidePanelShown(bool shown);
    bool sidePanelShown() const;
    void setCount(QChar section, const QString& text);
    int highlightChoice() const;
    int excludeChoice() const;
    // After the Today query ran for the viewed date.
    void afterRefresh(const QDate& today);
    void refitColumns();
    void selectRow(int row);
    int currentRow() const;
    bool selectKey(qint64 codimp);
    QWidget* focusTarget() const;
    QToolButton* attachButton() const { return m_attach; }
    LitCalendar* calendar() const;
    // What the calendar lights: the two lists and "Show suspended".
    agenda::MarkingOptions markingOptions() const;
    // The alarm message strip: text on the colour of the ringing task's kind.
    void setAlarmMessage(const QString& text, const QColor& background);
    void clearAlarmMessage();
    QString alarmMessage() const;
    // The button that announces important tasks ahead, shown when there are some.
    void setLookAheadButton(bool shown, int days);
    // Pops up the attachment and link menu of the current row under a button.
    void popupAttachMenu(QWidget* under);

Q_SIGNALS:
    void viewedDateChanged(const QDate& date);
    void showSuspendedChanged(bool show);
    void sidePanelToggled(bool shown);
    void calendarFilterChanged();
    void checkRequested(qint64 codimp);
    void modifyRequested(qint64 codimp, bool enlargedNote);
    void deleteRequested(qint64 codimp);
    void originRequested(qint64 codimp);
    void addRequested(QChar kind);
    void entriesLabelActivated(QChar section);
    void attachmentRequested(const QString& attachment);
    void linkRequested(const QString& link);
    void alarmMessageClicked();
    void lookAheadRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QToolButton* button(const QString& name, const QString& hint, const QString& text);
    qint64 currentKey() const;
    void rowChanged();

    agenda::TodayQuery* m_model;
    QDateEdit* m_picker;
    QLabel* m_count;
    QLabel* m_message;
    QToolButton* m_lookAheadHome;
    QTableView* m_grid;
    QPlainTextEdit* m_memo;
    QWidget* m_side;
    LitCalendar* m_calendar;
    QCheckBox* m_showSuspended;
    QComboBox* m_highlights;
    QComboBox* m_exclude;
    QToolButton* m_sideButton;
    QToolButton* m_today;
    QToolButton* m_todaySmall;
    QToolButton* m_check;
    QToolButton* m_modify;
    QToolButton* m_delete;
    QToolButton* m_origin;
    QToolButton* m_attach;
    QToolButton* m_print;
    QToolButton* m_export;
    QMenu* m_attachMenu;
    QHash<QChar, QLabel*> m_counts;
    sky::widgets::SkyStrip* m_sky;
    QTime m_timeOfDay;
};

} // namespace brivane::ui
