#pragma once

#include "store/SettingsRecord.h"
#include "themes/GridColors.h"
#include "themes/ThemeState.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QSqlDatabase>
#include <functional>

class QComboBox;
class QLabel;
class QMenu;
class QTabWidget;
class QWidget;

namespace brivane::themes::widgets {

class GridDelegate;

class SectionTabStrip;
class TitleBarPainter;

// Dresses the main window in a theme: button pictures, title bar, fonts,
// section colours on every frame, grid and memo box, the tab strip, the
// section LEDs and the grid colouring; follows the active tab with the
// current section colour; and opens the theme chooser and editor.
class ThemeController : public QObject
{
    Q_OBJECT

public:
    // What the controller needs of the window it dresses.
    struct Host
    {
        QWidget* window = nullptr;
        QTabWidget* tabs = nullptr;
        QWidget* topBar = nullptr;
        QMenu* trayMenu = nullptr;
        std::function<QString()> programFolder;
        std::function<QString()> archiveFolder;
        std::function<QSqlDatabase()> database;
        std::function<store::SettingsRecord()> settings;
        // Reloads the settings record into the window (which repaints the
        // section colours through repaintSectionColors()).
        std::function<void()> reloadSettings;
        std::function<bool()> unsavedFilePrompt;
        std::function<void()> terminate;
        std::function<void()> soundChanged;
    };

    explicit ThemeController(Host host, QObject* parent = nullptr);

    // Applies the theme of that name over what the window shows. The first
    // call writes the default theme when it is missing.
    void apply(const QString& themeName);
    // Applies "default" and then the theme in use.
    void reapply();
    // Paints the section colours of the settings record on the window.
    void repaintSectionColors();
    void updateCurrentSection(int tab);

    QString currentThemeName() const { return m_current; }
    const ThemeState& state() const { return m_state; }
    QColor currentSectionColor() const { return m_currentColor; }
    GridPalette gridPalette(GridList list) const;
    bool tabStripFilled() const;
    // The nine section LEDs, rebuilt by each repaint.
    const QList<QImage>& leds() const { return m_leds; }

    void openChooser();
    void openEditor();
    // Writes the nine section colours to Colors.clr of the theme in use,
    // stores them in the settings and repaints.
    void useSectionColors(const QStringList& colors);
    void setGridStyle(GridStyle style);
    // Shows fonts on the title bar and the tab strip before they are saved.
    void previewFonts(const ThemeFonts& fonts);

    QWidget* optionsBox() const { return m_optionsBox; }

private:
    void buildOptionsBox();
    void applyFonts();
    void storeSectionColors(const QStringList& colors);
    void paintGrids();
    void focusChanged(QWidget* old, QWidget* now);
    QString folderOf(const QString& name) const;

    Host m_host;
    ThemeState m_state;
    QString m_current = QStringLiteral("default");
    bool m_prepared = false;
    bool m_systemTabs = false;
    QColor m_currentColor;
    QString m_currentText;
    QList<QImage> m_leds;
    QList<QColor> m_stripColors;
    QList<QPair<GridList, GridDelegate*>> m_delegates;
    SectionTabStrip* m_strip = nullptr;
    QObject* m_background = nullptr;
    TitleBarPainter* m_titleBar = nullptr;
    QWidget* m_optionsBox = nullptr;
    QLabel* m_nameLabel = nullptr;
    QComboBox* m_styleBox = nullptr;
    QList<QPointer<QWidget>> m_frames;
};

} // namespace brivane::themes::widgets
