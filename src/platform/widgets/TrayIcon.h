#pragma once

#include <QObject>
#include <optional>

class QAction;
class QMenu;
class QSystemTrayIcon;
class QTimer;

namespace brivane::platform {

// The program's icon in the notification area, with its menu. Where the
// desktop has no tray the object still works but shows nothing, and callers
// ask isAvailable() to avoid leaving the program running invisibly.
class TrayIcon : public QObject
{
    Q_OBJECT

public:
    explicit TrayIcon(QObject* parent = nullptr);
    ~TrayIcon() override;

    bool isAvailable() const;
    void show();
    void hide();
    // Image 0 is the normal icon, 4 the starting one; 1 to 3 are blink steps.
    void setImage(int image);
    int image() const { return m_image; }
    // Steps through the images every 300 ms until stopped, which shows image 0.
    void startBlinking();
    void stopBlinking();
    bool isBlinking() const;
    void setTerminateEnabled(bool enabled);
    bool isTerminateEnabled() const;
    QMenu* menu() const { return m_menu; }

    static QIcon imageIcon(int image);
    // Testing: pretend the desktop has (or lacks) a tray.
    static void setAvailabilityOverride(std::optional<bool> available);

Q_SIGNALS:
    void clicked();
    void openRequested();
    void sectionRequested(int tabIndex);
    void terminateRequested();

private:
    QSystemTrayIcon* m_icon = nullptr;
    QMenu* m_menu = nullptr;
    QAction* m_terminate = nullptr;
    QTimer* m_blink = nullptr;
    int m_image = 4;
};

} // namespace brivane::platform
