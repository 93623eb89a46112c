#include "agenda/widgets/LitCalendar.h"

#include "platform/Clock.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

using namespace Qt::StringLiterals;

namespace brivane::ui {

namespace {

constexpr int kColumns = 7;
constexpr int kRows = 7; // day names, then six weeks
constexpr int kRowHeight = 26;
constexpr int kSquareStep = 7;  // one kind square after the other
constexpr int kSquareWidth = 7; // outer square; the inner one is 1 pixel inside
constexpr int kSquareHeight = 6;

// Black or white, whichever reads better on the background.
QColor textColorOn(const QColor& background)
{
    const int luma = (background.red() * 299 + background.green() * 587 + background.blue() * 114) / 1000;
    return luma < 128 ? QColor(Qt::white) : QColor(Qt::black);
}

} // namespace

LitCalendar::LitCalendar(QWidget* parent) : QWidget(parent), m_date(platform::Clock::instance().today())
{
    setObjectName(u"Calendario_Lato"_s);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

void LitCalendar::setDate(const QDate& date)
{
    if (!date.isValid() || date == m_date)
        return;
    m_date = date;
    update();
}

void LitCalendar::setMarks(const agenda::MonthMarks& marks)
{
    m_marks = marks;
    update();
}

void LitCalendar::clearMarks()
{
    setMarks(agenda::MonthMarks());
}

void LitCalendar::setLightColor(const QColor& color)
{
    m_lightColor = color;
    update();
}

void LitCalendar::setLightSelectColor(const QColor& color)
{
    m_lightSelectColor = color;
    update();
}

void LitCalendar::setKindColors(const QList<QColor>& colors)
{
    m_kindColors = colors;
    update();
}

void LitCalendar::setKindBorders(bool on)
{
    m_kindBorders = on;
    update();
}

QSize LitCalendar::sizeHint() const
{
    const QFontMetrics metrics = fontMetrics();
    const int cellWidth = qMax(32, metrics.horizontalAdvance(u"Wed"_s) + 8);
    const int cellHeight = qMax(kRowHeight, metrics.height() + kSquareHeight + 4);
    return {kColumns * cellWidth, kRows * cellHeight};
}

QSize LitCalendar::minimumSizeHint() const
{
    const QFontMetrics metrics = fontMetrics();
    const int cellWidth = qMax(4 * kSquareStep, metrics.horizontalAdvance(u"00"_s) + 4);
    return {kColumns * cellWidth, kRows * (metrics.height() + 2)};
}

// Cells share the widget's size out evenly; the remainder pixels go to the
// cells on the right and at the bottom.
QRect LitCalendar::cellRect(int row, int column) const
{
    const int left = column * width() / kColumns;
    const int right = (column + 1) * width() / kColumns;
    const int top = row * height() / kRows;
    const int bottom = (row + 1) * height() / kRows;
    return {left, top, right - left, bottom - top};
}

QRect LitCalendar::dayRect(const QDate& day) const
{
    const int offset = QDate(m_date.year(), m_date.month(), 1).dayOfWeek() - 1; // Monday first
    const int index = offset + day.day() - 1;
    return cellRect(1 + index / kColumns, index % kColumns);
}

QDate LitCalendar::dateAt(const QPoint& point) const
{
    if (!rect().contains(point) || !m_date.isValid())
        return {};
    const int column = qMin(kColumns - 1, point.x() * kColumns / qMax(1, width()));
    const int row = qMin(kRows - 1, point.y() * kRows / qMax(1, height()));
    if (row == 0)
        return {};
    const QDate first(m_date.year(), m_date.month(), 1);
    const int day = (row - 1) * kColumns + column - (first.dayOfWeek() - 1) + 1;
    if (day < 1 || day > first.daysInMonth())
        return {};
    return first.addDays(day - 1);
}

void LitCalendar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_color);
    if (!m_date.isValid())
        return;
    paintDayNames(painter);
    const QDate first(m_date.year(), m_date.month(), 1);
    for (QDate day = first; day.month() == first.month(); day = day.addDays(1))
        paintDay(painter, day);
}

void LitCalendar::paintDayNames(QPainter& painter) const
{
    const QLocale calendarLocale = locale();
    QStringList names;
    for (int weekday = Qt::Monday; weekday <= Qt::Sunday; ++weekday)
        names << calendarLocale.dayName(weekday, QLocale::ShortFormat);
    // Locales whose short names do not fit a cell get the narrow ones.
    const int room = cellRect(0, 0).width() - 2;
    for (const QString& name : std::as_const(names)) {
        if (fontMetrics().horizontalAdvance(name) > room) {
            names.clear();
            for (int weekday = Qt::Monday; weekday <= Qt::Sunday; ++weekday)
                names << calendarLocale.dayName(weekday, QLocale::NarrowFormat);
            break;
        }
    }

    painter.setPen(palette().color(QPalette::Active, QPalette::WindowText));
    for (int column = 0; column < kColumns; ++column)
        painter.drawText(cellRect(0, column), Qt::AlignCenter, names.at(column));
    const int lineY = cellRect(0, 0).bottom();
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawLine(0, lineY, width() - 1, lineY);
}

void LitCalendar::paintDay(QPainter& painter, const QDate& day) const
{
    // The last pixel column and row of each cell stay white, so lit days
    // side by side keep apart.
    QRect cell = dayRect(day).adjusted(0, 0, -1, -1);
    const bool selected = day == m_date;
    const bool lit = m_marks.isLit(day);
    QColor background = m_color;
    if (lit)
        background = selected ? m_lightSelectColor : m_lightColor;
    else if (selected)
        background = palette().color(QPalette::Active, QPalette::Highlight);
    painter.fillRect(cell, background);
    if (lit)
        paintKindSquares(painter, cell, day);

    painter.setPen(textColorOn(background));
    painter.drawText(cell.adjusted(0, 0, 0, -(kSquareHeight - 1)), Qt::AlignCenter,
                     QString::number(day.day()));

    if (selected && hasFocus()) {
        painter.setPen(QPen(textColorOn(background), 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(cell.adjusted(1, 1, -1, -1));
    }
}

// Along the bottom of a lit cell, one square per kind in the order O, Y, M,
// W; a kind found on the day fills its square, a missing kind leaves the
// place empty. With borders on, the square is black with the kind colour
// 1 pixel inside it; otherwise it is all in the kind colour.
void LitCalendar::paintKindSquares(QPainter& painter, const QRect& cell, const QDate& day) const
{
    const QStringView letters = agenda::MonthMarks::kKindLetters;
    for (int kind = 0; kind < letters.size(); ++kind) {
        if (!m_marks.hasKind(day, letters.at(kind)))
            continue;
        const QColor color = m_kindColors.value(kind, Qt::gray);
        const QRect outer(cell.left() + kind * kSquareStep, cell.bottom() - kSquareHeight + 1, kSquareWidth,
                          kSquareHeight);
        painter.fillRect(outer, m_kindBorders ? QColor(Qt::black) : color);
        painter.fillRect(outer.adjusted(1, 1, -1, -1), color);
    }
}

void LitCalendar::mousePressEvent(QMouseEvent* event)
{
    const QDate day = dateAt(event->position().toPoint());
    const Qt::MouseButton button = event->button();
    if (!day.isValid() || (button != Qt::LeftButton && button != Qt::RightButton)) {
        QWidget::mousePressEvent(event);
        return;
    }
    setDate(day);
    Q_EMIT dateClicked(day, button);
}

void LitCalendar::mouseDoubleClickEvent(QMouseEvent* event)
{
    const QDate day = dateAt(event->position().toPoint());
    if (!day.isValid() || event->button() != Qt::LeftButton) {
        QWidget::mouseDoubleClickEvent(event);
        return;
    }
    setDate(day);
    Q_EMIT dateDoubleClicked(day);
}

QDate LitCalendar::keyTarget(int key) const
{
    switch (key) {
    case Qt::Key_Left:
        return m_date.addDays(-1);
    case Qt::Key_Right:
        return m_date.addDays(1);
    case Qt::Key_Up:
        return m_date.addDays(-7);
    case Qt::Key_Down:
        return m_date.addDays(7);
    case Qt::Key_PageUp:
        return agenda::lastDayOfPreviousMonth(m_date);
    case Qt::Key_PageDown:
        return agenda::firstDayOfNextMonth(m_date);
    default:
        return {};
    }
}

void LitCalendar::keyPressEvent(QKeyEvent* event)
{
    const QDate target = keyTarget(event->key());
    if (!target.isValid() || event->modifiers() & ~Qt::KeypadModifier) {
        QWidget::keyPressEvent(event);
        return;
    }
    setDate(target);
    m_keyMoved = true;
}

void LitCalendar::keyReleaseEvent(QKeyEvent* event)
{
    if (!keyTarget(event->key()).isValid() || event->isAutoRepeat() || !m_keyMoved) {
        QWidget::keyReleaseEvent(event);
        return;
    }
    m_keyMoved = false;
    Q_EMIT dateKeyed(m_date);
}

void LitCalendar::focusInEvent(QFocusEvent* event)
{
    update();
    QWidget::focusInEvent(event);
}

void LitCalendar::focusOutEvent(QFocusEvent* event)
{
    update();
    QWidget::focusOutEvent(event);
}

} // namespace brivane::ui
