#include "reminders/PopupGeometry.h"

#include <algorithm>
#include <array>
#include <utility>

namespace brivane::reminders {

namespace {

// Right and bottom as the first pixel outside the rectangle.
int rightOf(const QRect& rect)
{
    return rect.x() + rect.width();
}

int bottomOf(const QRect& rect)
{
    return rect.y() + rect.height();
}

// a * b / c rounded to the nearest integer, halves away from zero.
int mulDivRounded(int a, int b, int c)
{
    const long long product = static_cast<long long>(a) * b;
    const long long half = c / 2;
    const long long rounded = product >= 0 ? (product + half) / c : (product - half) / c;
    return static_cast<int>(rounded);
}

bool stacksDownwards(TaskbarSide side)
{
    return side == TaskbarSide::Top;
}

bool growsAcross(TaskbarSide side)
{
    return side == TaskbarSide::Left || side == TaskbarSide::Right;
}

} // namespace

TaskbarSide taskbarSide(const DesktopAreas& desktop)
{
    if (desktop.screen.isEmpty() || desktop.workArea.isEmpty())
        return TaskbarSide::Unknown;
    const QRect& screen = desktop.screen;
    const QRect& work = desktop.workArea;
    // In order of preference when two strips are equally thick.
    const std::array<std::pair<TaskbarSide, int>, 4> strips{{
        {TaskbarSide::Bottom, bottomOf(screen) - bottomOf(work)},
        {TaskbarSide::Top, work.y() - screen.y()},
        {TaskbarSide::Left, work.x() - screen.x()},
        {TaskbarSide::Right, rightOf(screen) - rightOf(work)},
    }};
    auto thickest = strips.front();
    for (const auto& strip : strips) {
        if (strip.second > thickest.second)
            thickest = strip;
    }
    return thickest.second > 0 ? thickest.first : TaskbarSide::NoTaskbar;
}

QRect popupRect(TaskbarSide side, const QRect& workArea, const PopupMetrics& metrics, int offset)
{
    const QSize size = metrics.size;
    const int x = side == TaskbarSide::Left ? workArea.x() + metrics.startX
                                            : rightOf(workArea) - size.width() - metrics.startX;
    const int y = stacksDownwards(side) ? workArea.y() + metrics.startY + offset
                                        : bottomOf(workArea) - metrics.startY - size.height() - offset;
    return {QPoint(x, y), size};
}

bool fitsInWorkArea(TaskbarSide side, const QRect& workArea, const PopupMetrics& metrics, int offset)
{
    if (side == TaskbarSide::Unknown)
        return true;
    const QRect rect = popupRect(side, workArea, metrics, offset);
    return stacksDownwards(side) ? bottomOf(rect) <= bottomOf(workArea) : rect.y() >= workArea.y();
}

std::optional<PopupPlacement> PopupCascade::place(const DesktopAreas& desktop, const PopupMetrics& metrics)
{
    const TaskbarSide side = taskbarSide(desktop);
    if (m_lastSide != side) {
        m_lastSide = side;
        m_open = 0;
    }
    if (m_open == 0) {
        m_nextOffset = 0;
        m_column = 0;
        m_columnStart = 0;
    } else if (!fitsInWorkArea(side, desktop.workArea, metrics, m_nextOffset)) {
        if (!metrics.overlapWhenFull)
            return std::nullopt;
        // A new column, shifted in; past the work area the columns start over.
        ++m_column;
        m_columnStart = m_column * PopupMetrics::kOverlapStep;
        if (!fitsInWorkArea(side, desktop.workArea, metrics, m_columnStart)) {
            m_column = 0;
            m_columnStart = 0;
        }
        m_nextOffset = m_columnStart;
    }

    ++m_open;
    PopupPlacement placement;
    placement.side = side;
    placement.offset = m_nextOffset;
    if (side != TaskbarSide::Unknown) {
        placement.rect = popupRect(side, desktop.workArea, metrics, placement.offset);
        const int across = m_column * PopupMetrics::kOverlapStep;
        placement.rect.translate(side == TaskbarSide::Left ? across : -across, 0);
    }
    m_nextOffset = metrics.cascade ? placement.offset + metrics.size.height() + metrics.marge : 0;
    return placement;
}

void PopupCascade::release()
{
    m_open = std::max(0, m_open - 1);
}

int fullThickness(TaskbarSide side, QSize size)
{
    return growsAcross(side) ? size.width() : size.height();
}

QRect revealedRect(TaskbarSide side, const QRect& finalRect, int thickness)
{
    QRect rect = finalRect;
    switch (side) {
    case TaskbarSide::Left:
        rect.setWidth(thickness);
        break;
    case TaskbarSide::Top:
        rect.setHeight(thickness);
        break;
    case TaskbarSide::Right:
        rect.setLeft(rightOf(finalRect) - thickness);
        break;
    default:
        rect.setTop(bottomOf(finalRect) - thickness);
        break;
    }
    return rect;
}

QPoint contentOffset(TaskbarSide side, QSize fullSize, int thickness)
{
    switch (side) {
    case TaskbarSide::Left:
        return {thickness - fullSize.width(), 0};
    case TaskbarSide::Top:
        return {0, thickness - fullSize.height()};
    default:
        return {0, 0};
    }
}

int grownThickness(int thickness, int full, int speed)
{
    return std::min(full, thickness + std::max(1, speed));
}

std::optional<int> shrunkThickness(int thickness, int speed)
{
    const int next = thickness - std::max(1, speed);
    if (next <= 0)
        return std::nullopt;
    return next;
}

QColor gradientColor(const QColor& from, const QColor& to, int position, int length)
{
    if (length <= 0)
        return from;
    const auto channel = [&](int a, int b) {
        return std::clamp(a + mulDivRounded(b - a, position, length), 0, 255);
    };
    return QColor(channel(from.red(), to.red()), channel(from.green(), to.green()),
                  channel(from.blue(), to.blue()));
}

} // namespace brivane::reminders
