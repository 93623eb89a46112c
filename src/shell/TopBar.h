#pragma once

#include <QWidget>

class QLabel;
class QToolButton;

namespace brivane::shell {

// The main window's own title bar: clock caption and window buttons.
class TopBar : public QWidget
{
    Q_OBJECT

public:
    explicit TopBar(QWidget* parent = nullptr);

    // Colours the bar with the active section's colour.
    void setSectionColor(const QColor& color);
    void setCaption(const QString& text);
    QString caption() const;
    QToolButton* pinButton() const { return m_pin; }
    QToolButton* refreshAllButton() const { return m_refreshAll; }
    QToolButton* migrationButton() const { return m_migration; }
    QToolButton* winSizeButton() const { return m_winSize; }
    QToolButton* defaultSizeButton() const { return m_defaultSize; }

Q_SIGNALS:
    void aboutClicked();
    void pinToggled(bool pinned);
    void refreshAllClicked();
    void migrationClicked();
    void iconizeClicked();
    void minimizeClicked();
    void winSizeClicked();
    void defaultSizeClicked();
    void terminateClicked();
    void dragStarted(const QPoint& globalPosition);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QLabel* m_caption;
    QToolButton* m_pin;
    QToolButton* m_refreshAll;
    QToolButton* m_migration;
    QToolButton* m_winSize;
    QToolButton* m_defaultSize;
};

} // namespace brivane::shell
