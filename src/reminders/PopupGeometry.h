#pragma once

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QSize>

#include <optional>

namespace brivane::reminders {

// The screen edge that holds the taskbar (the panel that reserves a strip of
// the screen). NoTaskbar: nothing is reserved, the work area is the whole
// screen. Unknown: there is no screen to ask.
enum class TaskbarSide { Unknown, NoTaskbar, Left, Top, Right, Bottom };

// A screen and the part of it left to windows (the screen minus panels).
struct DesktopAreas
{
    QRect screen;
    QRect workArea;
};

// The taskbar side is the edge where the work area falls short of the screen;
// when panels reserve strips on several edges the thickest strip wins (ties:
// bottom, top, left, right).
TaskbarSide taskbarSide(const DesktopAreas& desktop);

// Sizes and gaps of the popups of one notifier.
struct PopupMetrics
{
    QSize size{148, 121};
    int startX = 16; // distance from the work-area edge beside the taskbar, across
    int startY = 2;  // the same, along the edge the popups stack on
    int marge = 2;   // gap between cascaded popups
    bool cascade = true;
    // A cascaded popup that no longer fits starts a new column, shifted in
    // from the last one by kOverlapStep across and along, instead of being
    // refused: every popup of a burst is shown and its title stays visible.
    bool overlapWhenFull = false;
    static constexpr int kOverlapStep = 28;
};

// The final rectangle of a popup and the cascade offset it was placed with.
// The rectangle is null when the taskbar side is unknown: such a popup is left
// where the windowing system puts it.
struct PopupPlacement
{
    TaskbarSide side = TaskbarSide::Unknown;
    QRect rect;
    int offset = 0;
};

// Where a popup ends up: in the corner of the work area next to the taskbar,
// moved away from that corner by the cascade offset. Popups stack upwards from
// the bottom of the work area, or downwards from its top for a top taskbar.
// The work area's right and bottom are taken as x + width and y + height.
QRect popupRect(TaskbarSide side, const QRect& workArea, const PopupMetrics& metrics, int offset);

// Whether a popup placed at this cascade offset still lies inside the work area
// along the edge the popups stack on.
bool fitsInWorkArea(TaskbarSide side, const QRect& workArea, const PopupMetrics& metrics, int offset);

// The open popups of one notifier and the offset for the next one.
class PopupCascade
{
public:
    // Places one more popup, or refuses (std::nullopt) when another cascaded
    // popup would not fit. A taskbar that moved to another side starts the
    // cascade afresh.
    std::optional<PopupPlacement> place(const DesktopAreas& desktop, const PopupMetrics& metrics);
    // One popup closed.
    void release();

    int openCount() const { return m_open; }

private:
    int m_open = 0;
    int m_nextOffset = 0;
    int m_column = 0; // columns started since the work area was full
    int m_columnStart = 0;
    std::optional<TaskbarSide> m_lastSide;
};

// Sliding: a popup is revealed from the taskbar-side edge of its final
// rectangle, one "thickness" (pixels across that edge) at a time.

// The thickness of the whole popup: its width for a left or right taskbar,
// its height otherwise.
int fullThickness(TaskbarSide side, QSize size);

// The window rectangle that shows `thickness` pixels of the final rectangle,
// held against the edge nearest the taskbar, so that edge never moves.
QRect revealedRect(TaskbarSide side, const QRect& finalRect, int thickness);

// Where the full-size content sits inside a partly revealed window: the part
// that shows is the part that would come out first if the whole popup slid
// out from behind the taskbar.
QPoint contentOffset(TaskbarSide side, QSize fullSize, int thickness);

// The thickness after one grow step of `speed` pixels; the full thickness as
// soon as the step would reach it.
int grownThickness(int thickness, int full, int speed);

// The thickness after one shrink step; std::nullopt when nothing would be
// left, which is when the popup closes.
std::optional<int> shrunkThickness(int thickness, int speed);

// One row (vertical gradient) or column (horizontal gradient) of the
// background: per channel from + (to - from) * position / length, rounded to
// the nearest integer, halves away from zero.
QColor gradientColor(const QColor& from, const QColor& to, int position, int length);

} // namespace brivane::reminders
