#pragma once

#include <QColor>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QSqlDatabase>
#include <functional>

class QTabWidget;
class QWidget;

namespace brivane::store {
struct SettingsRecord;
}

namespace brivane::shell {

class PasswordPanel;
class SpecialMenu;

// The access password and read-only mode: the special menu's password
// field and its confirmation, the Lock command, the password panel over the
// tabs with unlock on the matching keystroke, and read-only mode, which
// hides every command that changes data, blocks those commands and makes
// the engine refuse every data write.
class AccessController : public QObject
{
    Q_OBJECT

public:
    struct Window
    {
        QWidget* widget = nullptr; // the main window
        QTabWidget* tabs = nullptr;
        int todayTab = 4;
        int optionsTab = 8;
        std::function<QSqlDatabase()> database;
        std::function<void()> fullSave;   // full settings save, then reload
        std::function<void()> loadSettings;
        std::function<void(const QString&, const QVariant&)> saveColumn;
        std::function<void()> unsavedFilePrompt;
        std::function<void(int)> tabChange;
        std::function<QColor(int)> sectionColor;
        // Everything that must know the window is locked or read-only.
        std::function<void(bool locked)> setLocked;
        std::function<void(bool readOnly)> setReadOnly;
        std::function<bool()> isLookAheadDeferred;
        std::function<void()> runDeferredLookAhead;
    };

    AccessController(store::SettingsRecord& settings, SpecialMenu* menu, Window window, QObject* parent = nullptr);

    SpecialMenu* specialMenu() const { return m_menu; }
    PasswordPanel* passwordPanel() const { return m_panel; }

    bool isLocked() const { return m_locked; }
    bool isReadOnly() const { return m_readOnly; }
    // A password is stored and "Lock on startup" is on.
    bool lockOnStartup() const;

    void openSpecialMenu();
    // Confirms or rolls back a changed password, then hides the menu.
    void closeSpecialMenu();
    // The Lock command.
    void lock();
    // Window creation: locked from the start when the lock switch is on.
    void applyAtCreation();
    // Each time the window becomes visible.
    void raiseAtShow();
    // "Iconize": locks first when the lock switch is ticked and a password typed.
    void lockBeforeIconize();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void passwordFieldChanged(const QString& text);
    void updateCloseCaption();
    void showPanel(bool offerReadOnly);
    void setLockedState(bool locked);
    void typedOnPanel(const QString& text);
    void unlock();
    void enterReadOnly();
    void leaveReadOnly();
    void hideDataCommands(bool hidden);
    void focusPanel();

    store::SettingsRecord& m_settings;
    SpecialMenu* m_menu;
    PasswordPanel* m_panel;
    Window m_window;
    bool m_locked = false;
    bool m_readOnly = false;
    QList<QPointer<QWidget>> m_hiddenCommands;
};

} // namespace brivane::shell
