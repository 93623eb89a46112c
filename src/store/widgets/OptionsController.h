#pragma once

#include "store/SettingsRecord.h"

#include <QObject>
#include <QSqlDatabase>
#include <QString>
#include <QVariant>
#include <functional>

class QWidget;

namespace brivane::shell {
class DesktopCommands;
}

namespace brivane::ui {

class OptionsTab;

// The commands of the Options tab: every settings write it asks for, the
// alarm sound choice, section and editor colours, the default window size,
// desktop integration and the archive folder. It writes to the settings
// record and tells the window to reload it; the window applies it.
class OptionsController : public QObject
{
    Q_OBJECT

public:
    // What the controller needs of the window it serves.
    struct Window
    {
        std::function<bool()> unsavedFilePrompt;
        std::function<void()> terminate;
        std::function<void()> playAlarmSound;
        std::function<void()> saveContactLayoutForDefaultSize;
        // Values of the full save held outside the Options tab's own
        // controls (the special menu's lock switch and start tab).
        std::function<store::SettingsRecord(store::SettingsRecord)> collectFullSave;
    };

    OptionsController(QWidget* window, OptionsTab* tab, store::SettingsRecord& settings, Window hooks,
                      QObject* parent = nullptr);

    void setDatabase(const QSqlDatabase& database) { m_database = database; }
    void setFolders(const QString& programFolder, const QString& defaultFolder, const QString& archiveFolder,
                    bool sharedFolderInUse);

    // Writes the whole record as the Options tab shows it, then reloads it.
    void fullSave();
    // False (and the control showing the stored value again) when the write failed.
    bool saveColumn(const QString& column, const QVariant& value);
    void updateSoundLabel();
    void setHintsHidden(bool hidden);
    shell::DesktopCommands desktopCommands();

Q_SIGNALS:
    // The record was written: the window reloads and applies it.
    void settingsWritten();
    void dateFormatsChanged();
    void editorSettingsSaved();
    void lookAheadSettingsChanged();
    void lookAheadRequested();
    void scaleChanged(int percent);
    void ampmChanged(bool on);

private:
    void connectTab();
    bool writeOrReport(bool ok, const QString& error);
    void chooseSound();
    void useSystemSound();
    void chooseSwatchColor(int section);
    void resetSwatchColors();
    void chooseEditorColor(bool background);
    void saveEditorSettings();
    void fixWindowSize();
    void changeArchiveFolder();
    void backToDefaultFolder();
    void openTimeCalculator();

    QWidget* m_window;
    OptionsTab* m_tab;
    store::SettingsRecord& m_settings;
    Window m_hooks;
    QSqlDatabase m_database;
    QString m_programFolder;
    QString m_defaultFolder;
    QString m_archiveFolder;
    bool m_sharedFolderInUse = false;
};

} // namespace brivane::ui
