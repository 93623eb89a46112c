#pragma once

#include "themes/FontsFile.h"
#include "themes/widgets/ThemeController.h"

#include <QDialog>
#include <QList>

class QCheckBox;
class QComboBox;
class QFontComboBox;
class QLabel;
class QListWidget;
class QSpinBox;
class QToolButton;

namespace brivane::ui {
class ColorSwatch;
}

namespace brivane::themes::widgets {

// Edits the fonts, status colours, grid style, LED options and section
// colours of the theme in use, and opens its pictures in a paint program.
// Colours reach Colors.clr at once; fonts and options reach Fonts.txt at
// "Apply and Close".
class ThemeEditor : public QDialog
{
    Q_OBJECT

public:
    ThemeEditor(ThemeController& controller, const ThemeController::Host& host, QWidget* parent = nullptr);

    // The Fonts.txt contents the controls hold.
    ThemeFonts fonts() const;
    void setFonts(const ThemeFonts& fonts);
    void applyAndClose();
    void resetColors();
    void resetFonts();
    void saveColorList();
    void openColorList();
    void modifyPicture();
    void chooseSectionColor(int section);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    struct FontRow
    {
        QFontComboBox* family;
        QSpinBox* size;
        ui::ColorSwatch* color;
    };
    FontRow fontRow(const char* prefix);
    void followFonts();
    void refreshPictures();
    void showPicture();
    void cyclePreview(int panel);
    void showSectionColors();
    QString folder() const;

    ThemeController& m_controller;
    const ThemeController::Host& m_host;
    ThemeFonts m_loaded;
    bool m_setting = false;
    FontRow m_title;
    FontRow m_tabs;
    FontRow m_grid;
    ui::ColorSwatch* m_deleteAfter;
    ui::ColorSwatch* m_everyDay;
    ui::ColorSwatch* m_suspended;
    QComboBox* m_style;
    QCheckBox* m_border;
    QCheckBox* m_defaultColors;
    QList<QToolButton*> m_sectionButtons;
    QList<QLabel*> m_previews;
    QList<int> m_previewSteps;
    QListWidget* m_pictures;
    QLabel* m_picture;
    QToolButton* m_modify;
    QToolButton* m_resetColors;
    QToolButton* m_resetFonts;
    bool m_fitPicture = false;
};

} // namespace brivane::themes::widgets
