#pragma once

#include "themes/widgets/ThemeController.h"

#include <QDialog>

class QLabel;
class QListWidget;
class QToolButton;

namespace brivane::platform {
class Sound;
}

namespace brivane::themes::widgets {

// Lists the installed themes with their preview, applies one, imports a
// folder as a new theme, deletes one or rebuilds the default theme.
class ThemeChooser : public QDialog
{
    Q_OBJECT

public:
    ThemeChooser(ThemeController& controller, const ThemeController::Host& host, QWidget* parent = nullptr);

    // The theme the user applied (empty when closed without applying).
    bool applied() const { return !m_applied.isEmpty(); }
    QString appliedName() const { return m_applied; }

    QString selectedName() const;
    void selectTheme(const QString& name);
    void refreshList();
    void applySelected();
    void importTheme();
    void deleteSelected();
    void rebuildDefault();
    void playSound();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void showSelection();
    QString selectedFolder() const;

    ThemeController& m_controller;
    const ThemeController::Host& m_host;
    QString m_applied;
    QListWidget* m_list;
    QLabel* m_count;
    QLabel* m_preview;
    QLabel* m_noPreview;
    QToolButton* m_sound;
    QToolButton* m_delete;
    bool m_fit = true;
    platform::Sound* m_player = nullptr;
};

} // namespace brivane::themes::widgets
