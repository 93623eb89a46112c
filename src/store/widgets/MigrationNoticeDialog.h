#pragma once

#include <QColor>
#include <QDialog>
#include <QPointer>
#include <QSqlDatabase>
#include <functional>

class QCheckBox;
class QWidget;

namespace brivane::store::widgets {

// "Important information about this upgrade": the notice that archives of
// the older format need the separate converter. Opened without blocking.
class MigrationNoticeDialog : public QDialog
{
    Q_OBJECT

public:
    explicit MigrationNoticeDialog(const QColor& color, QWidget* parent = nullptr);
    bool doNotShowAgain() const;

private:
    QCheckBox* m_doNotShow = nullptr;
};

// The show check of the notice and its "Message" button on the top bar.
class MigrationNotice : public QObject
{
    Q_OBJECT

public:
    struct Window
    {
        QWidget* widget = nullptr;
        QWidget* messageButton = nullptr;
        std::function<QSqlDatabase()> database;
        std::function<bool()> owed; // the migrationinfo setting
        std::function<void()> loadSettings;
        std::function<void(const QString&)> showError;
        std::function<QColor()> color; // the window's colour
    };

    explicit MigrationNotice(Window window, QObject* parent = nullptr);

    // Each time the main window becomes visible.
    void showCheck();
    // The "Message" button.
    void open();
    bool isPending() const { return m_pending; }

private:
    void closed(bool doNotShowAgain);

    Window m_window;
    bool m_pending = true;
    QPointer<MigrationNoticeDialog> m_dialog;
};

} // namespace brivane::store::widgets
