#pragma once

#include "agenda/CalendarMarks.h"

#include <QColor>
#include <QDate>
#include <QList>
#include <QWidget>

namespace brivane::ui {

// The lit month calendar (TLitCalendar) of the Today side panel: a painted
// month grid of 7 columns, the locale's day names in row 0 and the days in
// rows 1 to 6, weeks starting on Monday. Days with tasks are lit in the
// light colour and carry small squares at the bottom of their cell, one per
// task kind (O, Y, M, W) found on the day. The calendar's date (the viewed
// date) is the selected cell.
//
// The calendar only shows and forwards: the owner sets its date and marks,
// and follows its signals.
class LitCalendar : public QWidget
{
    Q_OBJECT

public:
    explicit LitCalendar(QWidget* parent = nullptr);

    QDate date() const { return m_date; }
    // Shows the date's month with the date selected; emits nothing.
    void setDate(const QDate& date);

    // The lit days and mark texts of the last marking run.
    const agenda::MonthMarks& marks() const { return m_marks; }
    void setMarks(const agenda::MonthMarks& marks);
    void clearMarks();
    bool isLit(const QDate& day) const { return m_marks.isLit(day); }

    // Background of a lit day, and of a lit day while it is the selected cell.
    QColor lightColor() const { return m_lightColor; }
    void setLightColor(const QColor& color);
    QColor lightSelectColor() const { return m_lightSelectColor; }
    void setLightSelectColor(const QColor& color);
    // The squares' colours in the order O, Y, M, W, and whether the squares
    // get a black border (the LED border option).
    QList<QColor> kindColors() const { return m_kindColors; }
    void setKindColors(const QList<QColor>& colors);
    bool kindBorders() const { return m_kindBorders; }
    void setKindBorders(bool on);

    // The day of the shown month under a point; invalid over the day names
    // and over cells without a day.
    QDate dateAt(const QPoint& point) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

Q_SIGNALS:
    // A day pressed with the left or the right button; the calendar already
    // selects it.
    void dateClicked(const QDate& date, Qt::MouseButton button);
    void dateDoubleClicked(const QDate& date);
    // The selected day moved by the keyboard (arrow keys by a day or a week,
    // Page Up / Page Down to the last day of the previous month / the first
    // day of the next month). Sent once the key is released, so holding a
    // key down moves through the days and reports only where it stopped.
    void dateKeyed(const QDate& date);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    QRect cellRect(int row, int column) const;
    QRect dayRect(const QDate& day) const;
    QDate keyTarget(int key) const;
    void paintDayNames(QPainter& painter) const;
    void paintDay(QPainter& painter, const QDate& day) const;
    void paintKindSquares(QPainter& painter, const QRect& cell, const QDate& day) const;

    QDate m_date;
    agenda::MonthMarks m_marks;
    QColor m_color = Qt::white;
    QColor m_lightColor = Qt::yellow;
    QColor m_lightSelectColor = Qt::blue;
    QList<QColor> m_kindColors = agenda::builtInKindColors();
    bool m_kindBorders = true;
    bool m_keyMoved = false;
};

} // namespace brivane::ui
