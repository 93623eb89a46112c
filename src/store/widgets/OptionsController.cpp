#include "store/widgets/OptionsController.h"

#include "platform/Shell.h"
#include "platform/widgets/ColorDialog.h"
#include "platform/widgets/FileDialog.h"
#include "platform/widgets/MessageBox.h"
#include "platform/widgets/Sound.h"
#include "shell/DesktopCommands.h"
#include "sky/widgets/TimeCalculatorDialog.h"
#include "store/ArchiveLocation.h"
#include "store/SettingsStore.h"
#include "store/widgets/OptionsTab.h"
#include "themes/ColorText.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QWidget>

namespace brivane::ui {

using platform::MessageBox;

OptionsController::OptionsController(QWidget* window, OptionsTab* tab, store::SettingsRecord& settings, Window hooks,
                                     QObject* parent)
    : QObject(parent), m_window(window), m_tab(tab), m_settings(settings), m_hooks(std::move(hooks))
{
    connectTab();
}

void OptionsController::setFolders(const QString& programFolder, const QString& defaultFolder,
                                   const QString& archiveFolder, bool sharedFolderInUse)
{
    m_programFolder = programFolder;
    m_defaultFolder = defaultFolder;
    m_archiveFolder = archiveFolder;
    m_sharedFolderInUse = sharedFolderInUse;
}

void OptionsController::openTimeCalculator()
{
    // Opened from the Options tab, whose colour is then the current section colour.
    sky::widgets::TimeCalculatorSetup setup;
    setup.frameColor = themes::colorFromText(m_settings.sectionColors.value(8), setup.frameColor);
    setup.focusColor = setup.frameColor;
    setup.scalePercent = store::scaleEntries().value(m_settings.scalaIndex, QStringLiteral("100")).toInt();
    sky::widgets::openTimeCalculator(m_window, setup);
}

void OptionsController::connectTab()
{
    OptionsTab* options = m_tab;
    connect(options, &OptionsTab::fullSaveRequested, this, &OptionsController::fullSave);
    connect(options, &OptionsTab::timeCheckChanged, this, &OptionsController::fullSave);
    connect(options, &OptionsTab::columnChanged, this, &OptionsController::saveColumn);
    connect(options, &OptionsTab::swatchClicked, this, &OptionsController::chooseSwatchColor);
    connect(options, &OptionsTab::baseColorsRequested, this, &OptionsController::resetSwatchColors);
    connect(options, &OptionsTab::editorSettingChanged, this, [this] { m_tab->setEditorSaveEnabled(true); });
    connect(options, &OptionsTab::editorColorRequested, this, &OptionsController::chooseEditorColor);
    connect(options, &OptionsTab::editorSaveRequested, this, &OptionsController::saveEditorSettings);
    connect(options, &OptionsTab::fixRequested, this, &OptionsController::fixWindowSize);
    connect(options, &OptionsTab::autostartClicked, this, [this](bool on) {
        fullSave();
        desktopCommands().setAutostart(on);
        Q_EMIT settingsWritten();
    });
    connect(options, &OptionsTab::desktopLinkRequested, this, [this] { desktopCommands().linkToDesktop(); });
    connect(options, &OptionsTab::autorunRequested, this, [this] { desktopCommands().toggleAutorun(); });
    connect(options, &OptionsTab::changeFolderRequested, this, &OptionsController::changeArchiveFolder);
    connect(options, &OptionsTab::autoFolderRequested, this, &OptionsController::backToDefaultFolder);
    connect(options, &OptionsTab::openArchiveFolderRequested, this,
            [this] { platform::Shell::openPath(m_archiveFolder); });
    connect(options, &OptionsTab::chooseSoundRequested, this, &OptionsController::chooseSound);
    connect(options, &OptionsTab::systemSoundRequested, this, &OptionsController::useSystemSound);
    connect(options, &OptionsTab::playSoundRequested, this, [this] {
        updateSoundLabel();
        m_hooks.playAlarmSound();
    });
    connect(options, &OptionsTab::lookAheadRequested, this, &OptionsController::lookAheadRequested);
    connect(options, &OptionsTab::timeCalculatorRequested, this, &OptionsController::openTimeCalculator);
    connect(options, &OptionsTab::hideTipsChanged, this, [this](bool hide) {
        const bool saved = saveColumn(QStringLiteral("hidetips"), hide);
        setHintsHidden(saved ? hide : m_settings.hidetips);
        Q_EMIT settingsWritten();
    });
    connect(options, &OptionsTab::scaleChanged, this, [this](int index) {
        if (saveColumn(QStringLiteral("scala_index"), index))
            Q_EMIT scaleChanged(store::scaleEntries().value(index, QStringLiteral("100")).toInt());
    });
    connect(options, &OptionsTab::ampmChanged, this, [this](bool on) {
        if (saveColumn(QStringLiteral("ampm"), on))
            Q_EMIT ampmChanged(on);
    });
}

bool OptionsController::writeOrReport(bool ok, const QString& error)
{
    if (!ok) {
        MessageBox::warning(m_window, error);
        // The control the user changed goes back to what the archive holds.
        m_tab->showSettings(m_settings);
    }
    return ok;
}

void OptionsController::fullSave()
{
    store::SettingsRecord record = m_tab->collectFullSave(m_settings);
    if (m_hooks.collectFullSave)
        record = m_hooks.collectFullSave(record);
    QString error;
    const bool formatsChanged = record.dataShot != m_settings.dataShot || record.dataYear != m_settings.dataYear;
    if (!writeOrReport(store::SettingsStore(m_database).fullSave(record, &error), error))
        return;
    Q_EMIT settingsWritten();
    if (formatsChanged)
        Q_EMIT dateFormatsChanged();
}

bool OptionsController::saveColumn(const QString& column, const QVariant& value)
{
    QString error;
    if (!writeOrReport(store::SettingsStore(m_database).saveColumn(column, value, &error), error))
        return false;
    // The window keeps copies of these columns; the write updates both.
    if (column == QLatin1String("futuro_flag") || column == QLatin1String("futuro_days")) {
        if (column == QLatin1String("futuro_flag"))
            m_settings.futuroFlag = value.toBool();
        else
            m_settings.futuroDays = value.toInt();
        Q_EMIT lookAheadSettingsChanged();
    } else if (column == QLatin1String("solalettura")) {
        m_settings.solalettura = value.toBool();
    } else if (column == QLatin1String("ampm")) {
        m_settings.ampm = value.toBool();
    } else if (column == QLatin1String("scala_index")) {
        m_settings.scalaIndex = value.toInt();
    }
    return true;
}

void OptionsController::updateSoundLabel()
{
    const QString sound = m_settings.wavesound;
    const QString name = QFileInfo(sound).fileName();
    bool missing = false;
    if (sound != QLatin1String("mailbeep") && !QFileInfo::exists(sound))
        missing = !QFileInfo::exists(m_programFolder + QStringLiteral("alarms/") + name);
    QString hint = missing ? QStringLiteral("Sostituto del file allarme non trovato: ") + sound
                           : QStringLiteral("Allarme in uso");
    if (!platform::Sound::hasAudioOutput())
        hint += QStringLiteral("\nNo audio output was found: alarms are shown but cannot be heard.");
    if (missing || sound == QLatin1String("mailbeep"))
        m_tab->setSoundName(QStringLiteral("mailbeep"), missing, hint);
    else
        m_tab->setSoundName(name, false, hint);
}

void OptionsController::setHintsHidden(bool hidden)
{
    static const char* const hints[] = {"SpeedButtonHintShot",    "SpeedButtonHintAnno", "SpeedButtonHelpMonth",
                                        "SpeedButtonHelpWeek",    "SpeedButton_Help",    "SpeedButtonHintContact",
                                        "SpeedButtonHintNote",    "SpeedButtonHintLista", "SpeedButtonHintOpzioni"};
    for (const char* name : hints) {
        if (auto* button = m_window->findChild<QWidget*>(QLatin1String(name)))
            button->setVisible(!hidden);
    }
}

shell::DesktopCommands OptionsController::desktopCommands()
{
    return shell::DesktopCommands(m_window, QCoreApplication::applicationFilePath(), m_programFolder);
}

void OptionsController::chooseSound()
{
    const QString current = m_settings.wavesound;
    QString start = platform::Shell::desktopFolder();
    if (QFileInfo::exists(current))
        start = QFileInfo(current).absolutePath();
    else if (QDir(m_programFolder + QStringLiteral("alarms")).exists())
        start = m_programFolder + QStringLiteral("alarms");
    const QString chosen = platform::FileDialog::openFile(m_window, QStringLiteral("Open alarm"), start,
                                                          QStringLiteral("Wave file (*.wav)"));
    if (chosen.isEmpty())
        return;
    m_settings.wavesound = chosen;
    fullSave();
    updateSoundLabel();
}

void OptionsController::useSystemSound()
{
    if (MessageBox::question(m_window, QStringLiteral("Do you want to set the same sound as an alarm system for "
                                                      "incoming mail?"))
        != MessageBox::Answer::Yes)
        return;
    m_settings.wavesound = QStringLiteral("mailbeep");
    fullSave();
    updateSoundLabel();
}

void OptionsController::chooseSwatchColor(int section)
{
    QStringList colors = m_tab->swatchColorTexts();
    const QColor chosen = platform::ColorDialog::choose(m_window, themes::colorFromText(colors.value(section)));
    if (!chosen.isValid())
        return;
    colors[section] = themes::colorToText(chosen);
    m_tab->setSwatchColorTexts(colors);
    QString error;
    writeOrReport(store::SettingsStore(m_database).colourSave(colors, &error), error);
    Q_EMIT settingsWritten();
}

void OptionsController::resetSwatchColors()
{
    m_tab->setSwatchColorTexts(store::SettingsRecord::defaultSectionColors());
    QString error;
    writeOrReport(store::SettingsStore(m_database).colourSave(m_tab->swatchColorTexts(), &error), error);
    Q_EMIT settingsWritten();
}

void OptionsController::chooseEditorColor(bool background)
{
    const QString current = background ? m_tab->editorBackColor() : m_tab->editorFontColor();
    const QColor chosen = platform::ColorDialog::choose(m_window, themes::colorFromText(current));
    if (!chosen.isValid())
        return;
    m_tab->setEditorColor(background, chosen);
    m_tab->setEditorSaveEnabled(true);
}

void OptionsController::saveEditorSettings()
{
    QString error;
    if (!writeOrReport(store::SettingsStore(m_database)
                           .editorSave(m_tab->editorFontName(), m_tab->editorFontColor(), m_tab->editorFontSize(),
                                       m_settings.charset, m_tab->editorBackColor(), &error),
                       error))
        return;
    Q_EMIT settingsWritten();
    Q_EMIT editorSettingsSaved();
}

void OptionsController::fixWindowSize()
{
    if (MessageBox::question(m_window, QStringLiteral("Do you want to save my current size as a default size?"))
        != MessageBox::Answer::Yes)
        return;
    if (!m_window->isMaximized())
        m_hooks.saveContactLayoutForDefaultSize();
    QString error;
    writeOrReport(store::SettingsStore(m_database)
                      .saveWindowSize(m_window->isMaximized(), m_window->width(), m_window->height(), &error),
                  error);
    Q_EMIT settingsWritten();
}

void OptionsController::changeArchiveFolder()
{
    m_hooks.unsavedFilePrompt();
    MessageBox::information(m_window, QStringLiteral("If the new folder you choose contain valid archive, I will use "
                                                     "them.\nOtherwise I will create new ones."));
    const QString start = m_sharedFolderInUse ? QFileInfo(m_archiveFolder).absolutePath()
                                              : platform::Shell::desktopFolder();
    const QString folder = platform::FileDialog::chooseFolder(m_window, QStringLiteral("Select Folder"), start);
    if (folder.isEmpty())
        return;
    const QString text = QDir::toNativeSeparators(folder) + QStringLiteral("\r\n");
    if (store::ArchiveLocation::excessLength(text) > 0) {
        MessageBox::warning(m_window, store::ArchiveLocation::tooLongText(text));
        return;
    }
    QString error;
    if (!store::ArchiveLocation::writeNetFile(m_defaultFolder, QDir::toNativeSeparators(folder), &error)) {
        MessageBox::warning(m_window, QStringLiteral("I can not write \"%1\": %2")
                                          .arg(store::ArchiveLocation::netFilePath(m_defaultFolder), error));
        return;
    }
    MessageBox::information(m_window, QStringLiteral("You will have to restart me manually!"));
    m_hooks.terminate();
}

void OptionsController::backToDefaultFolder()
{
    m_hooks.unsavedFilePrompt();
    if (MessageBox::question(m_window, QStringLiteral("Do you want to go back to work in the default folder of your "
                                                      "profile?"))
        != MessageBox::Answer::Yes)
        return;
    store::ArchiveLocation::removeNetFile(m_defaultFolder);
    MessageBox::information(m_window, QStringLiteral("This requires a manual restart!"));
    m_hooks.terminate();
}

} // namespace brivane::ui
