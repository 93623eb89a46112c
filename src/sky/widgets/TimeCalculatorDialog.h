#pragma once

#include <QColor>
#include <QDialog>

class QDateEdit;
class QLabel;
class QTimeEdit;

namespace brivane::sky::widgets {

// What the main window hands the calculator: its colours and scale.
struct TimeCalculatorSetup
{
    QColor frameColor = QColor(0xC0, 0xC0, 0xC0); // the Options section colour
    QColor titleTextColor = Qt::black;            // the tab caption colour
    QColor focusColor = Qt::white;                // the current section colour
    int scalePercent = 100;
};

// "Time Duration Calculator": the distance between two dates in days and
// years, and between two times of day in hours, minutes, seconds and
// milliseconds.
class TimeCalculatorDialog : public QDialog
{
    Q_OBJECT

public:
    explicit TimeCalculatorDialog(const TimeCalculatorSetup& setup, QWidget* parent = nullptr);

    static QString caption() { return QStringLiteral("Time Duration Calculator"); }
    static QString hint() { return QStringLiteral("Calculate duration between 2 dates or 2 times"); }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void calculateDates();
    void calculateTimes();

    TimeCalculatorSetup m_setup;
    QDateEdit* m_firstDate;
    QDateEdit* m_secondDate;
    QTimeEdit* m_firstTime;
    QTimeEdit* m_secondTime;
    QLabel* m_days;
    QLabel* m_years;
    QLabel* m_hours;
    QLabel* m_minutes;
    QLabel* m_seconds;
    QLabel* m_milliseconds;
};

// Opens the calculator over `parent` (window-modal, deleted when closed),
// both dates on today and both times on the current time of day.
TimeCalculatorDialog* openTimeCalculator(QWidget* parent, const TimeCalculatorSetup& setup);

} // namespace brivane::sky::widgets
