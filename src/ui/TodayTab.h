#pragma once

#include <QDate>
#include <QWidget>

class QCalendarWidget;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QPlainTextEdit;
class QTableView;
class QToolButton;

namespace brivane::agenda {
class TodayQuery;
}

namespace brivane::ui {

// The Today tab: the tasks of the viewed date, the side panel with its
// month calendar and the archive counts.
class TodayTab : public QWidget
{
    Q_OBJECT

public:
    explicit TodayTab(agenda::TodayQuery* model, QWidget* parent = nullptr);

    QDate viewedDate() const;
    void setViewedDate(const QDate& date);
    bool showSuspended() const;
    void setStartupControlsEnabled(bool enabled);
    void setSidePanelShown(bool shown);
    bool sidePanelShown() const;
    void setCount(QChar section, const QString& text);
    void setTodayShading(bool viewingToday);
    void resetCalendarFilters();
    void refitColumns();
    QWidget* focusTarget() const;

Q_SIGNALS:
    void viewedDateChanged(const QDate& date);
    void showSuspendedChanged(bool show);
    void sidePanelToggled(bool shown);

private:
    void showNoteOfCurrentRow();

    agenda::TodayQuery* m_model;
    QDateEdit* m_picker;
    QTableView* m_grid;
    QPlainTextEdit* m_memo;
    QWidget* m_side;
    QCalendarWidget* m_calendar;
    QCheckBox* m_showSuspended;
    QComboBox* m_highlights;
    QComboBox* m_exclude;
    QToolButton* m_sideButton;
    QHash<QChar, QLabel*> m_counts;
};

} // namespace brivane::ui
