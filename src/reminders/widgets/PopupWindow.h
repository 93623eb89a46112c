#pragma once

#include "reminders/PopupGeometry.h"

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QTimer>
#include <QUrl>
#include <QWidget>

class QLabel;

namespace brivane::reminders::widgets {

enum PopupOption {
    pnAutoOpenURL = 0x01,    // a click on the text in hyperlink mode opens the URL
    pnSystemFont = 0x02,     // the three fonts take the desktop's font family
    pnCascadePopups = 0x04,  // popups shown while others are open stack instead of overlapping
    pnAllowScroll = 0x08,    // popups slide out; otherwise they appear at full size at once
    pnAllowHyperlink = 0x10, // the text is a link to the URL
    pnOverlapWhenFull = 0x20, // cascading past the work area overlaps in shifted columns instead of refusing
};
Q_DECLARE_FLAGS(PopupOptions, PopupOption)

enum GradientOrientation { mbHorizontal, mbVertical };
enum BackgroundDrawMethod { dmActualSize, dmTile, dmFit };

// Everything a popup looks like and does. The notifier keeps one set and
// gives every popup its own copy.
struct PopupSettings
{
    QString title = QStringLiteral("title");
    QString text = QStringLiteral("text");
    QUrl url;
    int width = 148;
    int height = 121;
    int timeOut = 10;    // seconds before sliding away; 0 stays until clicked
    int scrollSpeed = 9; // pixels per animation step
    PopupOptions options = PopupOptions(pnAutoOpenURL | pnCascadePopups | pnAllowScroll | pnAllowHyperlink);
    QFont font;
    QColor fontColor = Qt::black;
    QFont hoverFont; // the text's font while the pointer is over it in hyperlink mode
    QColor hoverFontColor = Qt::blue;
    QFont titleFont;
    QColor titleFontColor = Qt::black;
    Qt::Alignment textAlignment = Qt::AlignHCenter;
    Qt::CursorShape textCursor = Qt::ArrowCursor;
    QPixmap iconBitmap;
    int iconLeft = 8;
    int iconTop = 8;
    QColor gradientColor1 = QColor(0x99, 0xCC, 0xFF);
    QColor gradientColor2 = Qt::white;
    GradientOrientation gradientOrientation = mbVertical;
    QPixmap backgroundImage; // drawn instead of the gradient when set
    BackgroundDrawMethod backgroundDrawMethod = dmActualSize;
    int popupStartX = 16;
    int popupStartY = 2;
    int popupMarge = 2;

    PopupSettings();
    PopupMetrics metrics() const;
    // The same popup made wide enough for its whole title, as far as the
    // work area allows; a title still too long wraps and the popup grows
    // by the added lines.
    PopupSettings fittedToTitle(const QRect& workArea) const;
};

// Animation step and the length of one time-out second; tests shorten them.
struct PopupTimings
{
    int stepMs = 25;
    int secondMs = 1000;
};

class PopupFace;

// One sliding notification: a borderless tool window that stays on top and
// never takes the keyboard focus. It grows out of the taskbar side (when
// scrolling is allowed), waits the time-out, shrinks back and destroys itself;
// a click closes it at once.
class PopupWindow : public QWidget
{
    Q_OBJECT

public:
    PopupWindow(const PopupSettings& settings, const PopupPlacement& placement, const PopupTimings& timings);
    ~PopupWindow() override;

    // Shows the window without activating it and starts its timers.
    void start();
    // Hides the window, reports closed() once and destroys it later, so a
    // close from inside a click handler never deletes a window in use.
    void closePopup();

    int offset() const { return m_placement.offset; }
    QRect finalRect() const { return m_placement.rect; }
    bool isSliding() const { return m_growTimer.isActive() || m_shrinkTimer.isActive(); }
    bool isWaiting() const { return m_timeOutTimer.isActive(); }
    // Does at once what the running timer would do at its next firing.
    void tick();

Q_SIGNALS:
    void clicked(Qt::MouseButton button);
    void urlClicked(const QUrl& url);
    void closed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildContent();
    void setThickness(int thickness);
    void startTimeOut();
    void growStep();
    void timeOutElapsed();
    void shrinkStep();
    void textReleased(Qt::MouseButton button);
    void setTextHovered(bool hovered);

    PopupSettings m_settings;
    PopupPlacement m_placement;
    PopupTimings m_timings;
    PopupFace* m_face = nullptr;
    QLabel* m_title = nullptr;
    QLabel* m_text = nullptr;
    QTimer m_growTimer;
    QTimer m_timeOutTimer;
    QTimer m_shrinkTimer;
    int m_thickness = 0;
    bool m_closing = false;
};

} // namespace brivane::reminders::widgets

Q_DECLARE_OPERATORS_FOR_FLAGS(brivane::reminders::widgets::PopupOptions)
