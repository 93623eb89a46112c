#pragma once

#include "store/SettingsRecord.h"

#include <QWidget>

class QGridLayout;

class QCheckBox;
class QComboBox;
class QFontComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;
class QToolButton;
class QPushButton;
class QScrollArea;
class QVBoxLayout;

namespace brivane::ui {

class ColorSwatch;

// The Options tab: shows the settings record and forwards every change the
// user makes; it never writes the archive itself.
class OptionsTab : public QWidget
{
    Q_OBJECT

public:
    // Wider than this, the page stays centred instead of stretching.
    static constexpr int kMaximumPageWidth = 900;

    explicit OptionsTab(QWidget* parent = nullptr);

    enum class Column { Left, Right };
    // Puts a box of another subsystem (the theme, the archive commands) at
    // the foot of one of the two columns of boxes.
    void addBox(QWidget* box, Column column);

    // Shows the record without raising any change signal.
    void showSettings(const store::SettingsRecord& settings);
    // Adds a section across the page below the others (the special menu).
    void addSection(QWidget* section);
    // The values the full save takes from the controls, over `base`.
    store::SettingsRecord collectFullSave(store::SettingsRecord base) const;
    QStringList swatchColorTexts() const;
    void setSwatchColorTexts(const QStringList& colors);

    void setAutostart(bool on);
    void setArchiveFolder(const QString& folder, bool sharedFolderInUse);
    void setSoundName(const QString& name, bool missing, const QString& hint = QString());
    void setSoundControlsEnabled(bool enabled);
    void setWindowSizeCaption(int width, int height);
    void setDateSamples(const QString& oneShot, const QString& yearly);
    void setTimeCheckLabelAlert(bool alert);
    void setEditorSaveEnabled(bool enabled);
    void setEditorColor(bool background, const QColor& color);
    void setLookAheadControlsEnabled(bool enabled);

    QString editorFontName() const;
    int editorFontSize() const;
    QString editorFontColor() const;
    QString editorBackColor() const;

Q_SIGNALS:
    void fullSaveRequested();
    void columnChanged(const QString& column, const QVariant& value);
    void swatchClicked(int section);
    void baseColorsRequested();
    void editorSettingChanged();
    void editorSaveRequested();
    void editorColorRequested(bool background);
    void fixRequested();
    void autostartClicked(bool on);
    void desktopLinkRequested();
    void autorunRequested();
    void changeFolderRequested();
    void autoFolderRequested();
    void openArchiveFolderRequested();
    void chooseSoundRequested();
    void playSoundRequested();
    void systemSoundRequested();
    void lookAheadRequested();
    void timeCheckChanged();
    void hideTipsChanged(bool hide);
    void scaleChanged(int index);
    void ampmChanged(bool on);
    void timeCalculatorRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildStartBox();
    QWidget* buildAlarmBox();
    QWidget* buildDateBox();
    QWidget* buildColorBox();
    QWidget* buildWindowBox();
    QWidget* buildArchiveBox();
    QWidget* buildEditorBox();

    QCheckBox* m_autostart = nullptr;
    QCheckBox* m_minimized = nullptr;
    QCheckBox* m_timeCheck = nullptr;
    QLabel* m_timeCheckLabel = nullptr;
    QCheckBox* m_soundOn = nullptr;
    QCheckBox* m_popup = nullptr;
    QToolButton* m_chooseSound = nullptr;
    QToolButton* m_playSound = nullptr;
    QToolButton* m_systemSound = nullptr;
    QLabel* m_soundName = nullptr;
    QCheckBox* m_futuro = nullptr;
    QSpinBox* m_futuroDays = nullptr;
    QToolButton* m_lookAhead = nullptr;
    QComboBox* m_oneShotFormat = nullptr;
    QComboBox* m_yearlyFormat = nullptr;
    QLabel* m_oneShotSample = nullptr;
    QLabel* m_yearlySample = nullptr;
    QList<ColorSwatch*> m_swatches;
    QToolButton* m_fix = nullptr;
    QComboBox* m_scale = nullptr;
    QCheckBox* m_ampm = nullptr;
    QCheckBox* m_hideTips = nullptr;
    QLabel* m_archiveFolder = nullptr;
    QToolButton* m_change = nullptr;
    QToolButton* m_auto = nullptr;
    QFontComboBox* m_fonts = nullptr;
    QSpinBox* m_fontSize = nullptr;
    ColorSwatch* m_fontColor = nullptr;
    ColorSwatch* m_editorColor = nullptr;
    QToolButton* m_editorSave = nullptr;
    void listenToWheelsOf(QWidget* area);

    QVBoxLayout* m_sections = nullptr;
    QVBoxLayout* m_left = nullptr;
    QVBoxLayout* m_right = nullptr;
    QScrollArea* m_scroll = nullptr;
    bool m_showing = false;
};

} // namespace brivane::ui
