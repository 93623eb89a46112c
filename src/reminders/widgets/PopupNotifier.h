#pragma once

#include "reminders/PopupGeometry.h"
#include "reminders/widgets/PopupWindow.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QScreen>

#include <optional>

namespace brivane::reminders::widgets {

// Shows sliding popups in the corner of the screen next to the taskbar. It
// holds the settings; every show() creates a fresh window from a copy of
// them, so several popups can be on screen at once and changing a setting
// afterwards leaves the open ones alone.
class PopupNotifier : public QObject
{
    Q_OBJECT

public:
    explicit PopupNotifier(QObject* parent = nullptr);
    ~PopupNotifier() override;

    PopupSettings& settings() { return m_settings; }
    const PopupSettings& settings() const { return m_settings; }
    void setSettings(const PopupSettings& settings) { m_settings = settings; }

    // The monitor the popups appear on; none means the primary screen.
    void setDefaultMonitor(QScreen* screen) { m_screen = screen; }
    void setTimings(const PopupTimings& timings) { m_timings = timings; }
    // Stands in for the monitor's screen and work area (tests).
    void setDesktopOverride(const std::optional<DesktopAreas>& desktop) { m_desktopOverride = desktop; }

    // Shows a popup with the current settings; false when a cascaded popup
    // would not fit in the work area.
    bool show();
    // Closes every popup this notifier has open.
    void closeAll();

    int openCount() const { return m_cascade.openCount(); }
    QList<PopupWindow*> popups() const;

    // The settings of the main window's reminder popups: 480 × 130, staying
    // until clicked, sliding and stacking, with the reminder icon.
    static PopupSettings reminderSettings();

Q_SIGNALS:
    // A popup was clicked anywhere but on a hyperlink text.
    void clicked(Qt::MouseButton button);
    // The text of a popup in hyperlink mode was clicked.
    void urlClicked(const QUrl& url);

private:
    DesktopAreas desktop() const;
    void popupClosed(PopupWindow* window);

    PopupSettings m_settings;
    PopupTimings m_timings;
    PopupCascade m_cascade;
    QPointer<QScreen> m_screen;
    std::optional<DesktopAreas> m_desktopOverride;
    QList<QPointer<PopupWindow>> m_windows;
};

} // namespace brivane::reminders::widgets
