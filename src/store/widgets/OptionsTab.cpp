#include "store/widgets/OptionsTab.h"

#include "themes/ColorText.h"
#include "ui/ColorSwatch.h"

#include "ui/ToolButton.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QFontComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <utility>

namespace brivane::ui {

namespace {

QLabel* label(const QString& name, const QString& text = QString())
{
    auto* l = new QLabel(text);
    l->setObjectName(name);
    return l;
}

QString yesNo(bool value)
{
    return value ? QStringLiteral("Y") : QStringLiteral("N");
}

} // namespace

OptionsTab::OptionsTab(QWidget* parent) : QWidget(parent)
{
    // Two columns of sections, the archive and access rows under them: the
    // whole page shows in the default window, and a larger window leaves
    // the sections at their own size instead of stretching them.
    auto* content = new QWidget;
    content->setMaximumWidth(kMaximumPageWidth);
    auto* grid = new QGridLayout(content);
    grid->setContentsMargins(6, 4, 6, 4);
    grid->setSpacing(4);
    m_left = new QVBoxLayout;
    m_left->setSpacing(4);
    m_left->addWidget(buildStartBox());
    m_left->addWidget(buildAlarmBox());
    m_left->addWidget(buildDateBox());
    m_right = new QVBoxLayout;
    m_right->setSpacing(4);
    m_right->addWidget(buildWindowBox());
    m_right->addWidget(buildColorBox());
    m_right->addWidget(buildEditorBox());
    auto* left = new QVBoxLayout;
    left->addLayout(m_left);
    left->addStretch();
    // The hint sits at the foot of the shorter column, not on a row of its own.
    auto* right = new QVBoxLayout;
    right->addLayout(m_right);
    right->addStretch();
    auto* hint = ui::makeTextButton(QStringLiteral("SpeedButtonHintOpzioni"), QStringLiteral("?"),
                        QStringLiteral("Options: every change is saved at once in the archive."));
    right->addWidget(hint, 0, Qt::AlignRight);
    grid->addLayout(left, 0, 0);
    grid->addLayout(right, 0, 1);
    grid->addWidget(buildArchiveBox(), 1, 0, 1, 2);
    // Sections other parts of the window add across the page (the special menu).
    m_sections = new QVBoxLayout;
    m_sections->setSpacing(4);
    grid->addLayout(m_sections, 2, 0, 1, 2);
    grid->setRowStretch(3, 1);
    for (QGroupBox* box : content->findChildren<QGroupBox*>())
        box->layout()->setContentsMargins(8, 2, 8, 4);

    auto* scroll = new QScrollArea;
    m_scroll = scroll;
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    scroll->setWidget(content);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll);

    listenToWheelsOf(content);
}

void OptionsTab::addBox(QWidget* box, Column column)
{
    (column == Column::Left ? m_left : m_right)->addWidget(box);
    if (auto* group = qobject_cast<QGroupBox*>(box))
        group->layout()->setContentsMargins(8, 2, 8, 4);
    listenToWheelsOf(box);
}

QWidget* OptionsTab::buildStartBox()
{
    auto* box = new QGroupBox(QStringLiteral("Start"));
    auto* layout = new QVBoxLayout(box);
    m_autostart = ui::makeCheckBox(QStringLiteral("CheckBox_Autostart"), QStringLiteral("Autostart"));
    m_minimized = ui::makeCheckBox(QStringLiteral("CheckBox_Minimized"), QStringLiteral("Start minimized"));
    auto* link = ui::makeTextButton(QStringLiteral("SpeedButton5"), QStringLiteral("Link to Desktop"),
                        QStringLiteral("Put a launcher of the program on the Desktop"));
    auto* autorun = ui::makeTextButton(QStringLiteral("SpeedButton4"), QStringLiteral("Autorun.inf"),
                           QStringLiteral("Start the program from the removable disk that carries it"));
    auto* boxes = new QHBoxLayout;
    boxes->addWidget(m_autostart);
    boxes->addWidget(m_minimized);
    boxes->addStretch();
    layout->addLayout(boxes);
    auto* links = new QHBoxLayout;
    links->addWidget(link);
    links->addWidget(autorun);
    links->addStretch();
    layout->addLayout(links);
    connect(m_autostart, &QCheckBox::clicked, this, &OptionsTab::autostartClicked);
    connect(link, &QToolButton::clicked, this, &OptionsTab::desktopLinkRequested);
    connect(autorun, &QToolButton::clicked, this, &OptionsTab::autorunRequested);
    connect(m_minimized, &QCheckBox::clicked, this, &OptionsTab::fullSaveRequested);
    return box;
}

QWidget* OptionsTab::buildAlarmBox()
{
    auto* box = new QGroupBox(QStringLiteral("Alarm"));
    auto* layout = new QGridLayout(box);
    m_timeCheck = ui::makeCheckBox(QStringLiteral("CheckBox_TimeCheck"), QString());
    m_timeCheckLabel = label(QStringLiteral("Label_TimeCheck"), QStringLiteral("Time alarm"));
    m_timeCheckLabel->setBuddy(m_timeCheck);
    // The caption toggles its box, like the caption of any other box.
    m_timeCheckLabel->installEventFilter(this);
    auto* timeRow = new QHBoxLayout;
    timeRow->addWidget(m_timeCheck);
    timeRow->addWidget(m_timeCheckLabel);
    timeRow->addStretch();
    layout->addLayout(timeRow, 0, 0, 1, 3);
    m_soundOn = ui::makeCheckBox(QStringLiteral("CheckBox_Soundon"), QStringLiteral("Sound alarm"));
    m_popup = ui::makeCheckBox(QStringLiteral("CheckBox_Visivo"), QStringLiteral("Pop-up!"));
    layout->addWidget(m_soundOn, 1, 0);
    layout->addWidget(m_popup, 1, 1);
    m_chooseSound = ui::makeTextButton(QStringLiteral("SpeedButtonSound"), QStringLiteral("Choose"));
    m_playSound = ui::makeTextButton(QStringLiteral("SpeedButtonCambiaSuono"), QStringLiteral("Play sound"));
    m_systemSound = ui::makeTextButton(QStringLiteral("SpeedButtonWinSound"), QStringLiteral("Windows"),
                           QStringLiteral("Use the system's new-mail sound"));
    auto* sounds = new QHBoxLayout;
    sounds->addWidget(m_chooseSound);
    sounds->addWidget(m_playSound);
    sounds->addWidget(m_systemSound);
    m_soundName = label(QStringLiteral("Label_SoundName"));
    sounds->addWidget(m_soundName, 1);
    layout->addLayout(sounds, 2, 0, 1, 3);

    m_futuro = ui::makeCheckBox(QStringLiteral("CheckBoxFuturo"), QStringLiteral("Important task notification"));
    m_futuroDays = new QSpinBox;
    m_futuroDays->setObjectName(QStringLiteral("SpinEditFuturo"));
    // Wider than the allowed range so a typed 500 can be set back to 366.
    m_futuroDays->setRange(1, 9999);
    m_futuroDays->setSuffix(QStringLiteral(" days"));
    m_lookAhead = ui::makeTextButton(QStringLiteral("SpeedButtonAnticipo"), QStringLiteral("Check for important tasks"));
    layout->addWidget(m_futuro, 3, 0, 1, 2);
    layout->addWidget(m_futuroDays, 3, 2);
    layout->addWidget(m_lookAhead, 4, 0, 1, 3);

    connect(m_timeCheck, &QCheckBox::clicked, this, &OptionsTab::timeCheckChanged);
    connect(m_soundOn, &QCheckBox::clicked, this, &OptionsTab::fullSaveRequested);
    connect(m_popup, &QCheckBox::clicked, this, &OptionsTab::fullSaveRequested);
    connect(m_chooseSound, &QToolButton::clicked, this, &OptionsTab::chooseSoundRequested);
    connect(m_playSound, &QToolButton::clicked, this, &OptionsTab::playSoundRequested);
    connect(m_systemSound, &QToolButton::clicked, this, &OptionsTab::systemSoundRequested);
    connect(m_lookAhead, &QToolButton::clicked, this, &OptionsTab::lookAheadRequested);
    connect(m_futuro, &QCheckBox::clicked, this, [this](bool on) {
        setLookAheadControlsEnabled(on);
        Q_EMIT columnChanged(QStringLiteral("futuro_flag"), on);
    });
    connect(m_futuroDays, &QSpinBox::valueChanged, this, [this](int days) {
        if (m_showing)
            return;
        if (days > 366) {
            m_futuroDays->setValue(366);
            return;
        }
        Q_EMIT columnChanged(QStringLiteral("futuro_days"), days);
    });
    return box;
}

QWidget* OptionsTab::buildDateBox()
{
    auto* box = new QGroupBox(QStringLiteral("Date formats"));
    auto* layout = new QGridLayout(box);
    m_oneShotFormat = new QComboBox;
    m_oneShotFormat->setObjectName(QStringLiteral("ComboBox_FormatoDataShot"));
    m_oneShotFormat->addItems(store::oneShotDateFormats());
    m_yearlyFormat = new QComboBox;
    m_yearlyFormat->setObjectName(QStringLiteral("ComboBox_FormatoDataYear"));
    m_yearlyFormat->addItems(store::yearlyDateFormats());
    m_oneShotSample = label(QStringLiteral("Label_esempio_Full"));
    m_yearlySample = label(QStringLiteral("Label_esempio_short"));
    layout->addWidget(new QLabel(QStringLiteral("One Shot")), 0, 0);
    layout->addWidget(m_oneShotFormat, 0, 1);
    layout->addWidget(m_oneShotSample, 1, 1);
    layout->addWidget(new QLabel(QStringLiteral("Yearly")), 2, 0);
    layout->addWidget(m_yearlyFormat, 2, 1);
    layout->addWidget(m_yearlySample, 3, 1);
    layout->setVerticalSpacing(1);
    layout->setColumnStretch(1, 1);
    connect(m_oneShotFormat, &QComboBox::activated, this, &OptionsTab::fullSaveRequested);
    connect(m_yearlyFormat, &QComboBox::activated, this, &OptionsTab::fullSaveRequested);
    return box;
}

QWidget* OptionsTab::buildColorBox()
{
    auto* box = new QGroupBox(QStringLiteral("Section colours"));
    auto* layout = new QGridLayout(box);
    const QStringList names = {QStringLiteral("Panel_ShotColor"),    QStringLiteral("Panel_YearColor"),
                               QStringLiteral("Panel_MonthColor"),   QStringLiteral("Panel_WeekColor"),
                               QStringLiteral("Panel_TodayColor"),   QStringLiteral("Panel_ContactColor"),
                               QStringLiteral("Panel_NotesColor"),   QStringLiteral("Panel_TodoColor"),
                               QStringLiteral("Panel_UserColor")};
    const QStringList captions = {QStringLiteral("One Shot"), QStringLiteral("Yearly"),  QStringLiteral("Monthly"),
                                  QStringLiteral("Weekly"),   QStringLiteral("Today"),   QStringLiteral("Contacts"),
                                  QStringLiteral("Notes"),    QStringLiteral("To Do"),   QStringLiteral("Options")};
    for (int i = 0; i < names.size(); ++i) {
        auto* swatch = new ColorSwatch(names[i]);
        swatch->setToolTip(captions[i]);
        m_swatches << swatch;
        layout->addWidget(swatch, i / 3, (i % 3) * 2);
        layout->addWidget(new QLabel(captions[i]), i / 3, (i % 3) * 2 + 1);
        connect(swatch, &ColorSwatch::clicked, this, [this, i] { Q_EMIT swatchClicked(i); });
    }
    auto* base = ui::makeTextButton(QStringLiteral("SpeedButtonBase"), QStringLiteral("Base"),
                        QStringLiteral("Back to the original colours"));
    layout->addWidget(base, 3, 0, 1, 2);
    connect(base, &QToolButton::clicked, this, &OptionsTab::baseColorsRequested);
    return box;
}

QWidget* OptionsTab::buildWindowBox()
{
    auto* box = new QGroupBox(QStringLiteral("Window"));
    auto* layout = new QFormLayout(box);
    m_fix = ui::makeTextButton(QStringLiteral("SpeedButtonFix"), QStringLiteral("Fix 9999 x 9999"),
                   QStringLiteral("Save the current size as the default size"));
    m_scale = new QComboBox;
    m_scale->setObjectName(QStringLiteral("ComboBoxScala"));
    m_scale->addItems(store::scaleEntries());
    m_ampm = ui::makeCheckBox(QStringLiteral("CheckBoxAmPm"), QStringLiteral("am/pm clock"));
    m_hideTips = ui::makeCheckBox(QStringLiteral("CheckBoxHideTips"), QStringLiteral("Hide hints"));
    layout->addRow(m_fix);
    layout->addRow(QStringLiteral("Dialog scale %"), m_scale);
    auto* boxes = new QHBoxLayout;
    boxes->addWidget(m_ampm);
    boxes->addWidget(m_hideTips);
    boxes->addStretch();
    layout->addRow(boxes);
    connect(m_fix, &QToolButton::clicked, this, &OptionsTab::fixRequested);
    connect(m_scale, &QComboBox::activated, this, &OptionsTab::scaleChanged);
    connect(m_ampm, &QCheckBox::clicked, this, &OptionsTab::ampmChanged);
    connect(m_hideTips, &QCheckBox::clicked, this, &OptionsTab::hideTipsChanged);
    return box;
}

QWidget* OptionsTab::buildArchiveBox()
{
    auto* box = new QGroupBox(QStringLiteral("Archive folder"));
    auto* layout = new QHBoxLayout(box);
    m_archiveFolder = label(QStringLiteral("Label_Archives_Folder"));
    m_archiveFolder->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_archiveFolder->setToolTip(QStringLiteral("Double-click to open the folder"));
    m_archiveFolder->installEventFilter(this);
    auto* scroll = new QScrollArea;
    scroll->setObjectName(QStringLiteral("ScrollBox_Archives_Folder"));
    scroll->setWidget(m_archiveFolder);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setFixedHeight(m_archiveFolder->sizeHint().height() + 18);
    m_change = ui::makeTextButton(QStringLiteral("SpeedButton_unico"), QStringLiteral("Change"),
                      QStringLiteral("Use an archive in another folder"));
    m_auto = ui::makeTextButton(QStringLiteral("SpeedButton_Multi"), QStringLiteral("Auto"),
                    QStringLiteral("Go back to the default archive folder"));
    layout->addWidget(scroll, 1);
    layout->addWidget(m_change);
    layout->addWidget(m_auto);
    connect(m_change, &QToolButton::clicked, this, &OptionsTab::changeFolderRequested);
    connect(m_auto, &QToolButton::clicked, this, &OptionsTab::autoFolderRequested);
    return box;
}

QWidget* OptionsTab::buildEditorBox()
{
    auto* box = new QGroupBox(QStringLiteral("Notes editor"));
    auto* layout = new QGridLayout(box);
    m_fonts = new QFontComboBox;
    m_fonts->setObjectName(QStringLiteral("ComboBox_Fonts"));
    m_fontSize = new QSpinBox;
    m_fontSize->setObjectName(QStringLiteral("SpinEdit_Size"));
    m_fontSize->setRange(4, 96);
    m_fontColor = new ColorSwatch(QStringLiteral("Panel_Font_Color"));
    m_fontColor->setToolTip(QStringLiteral("Font colour"));
    m_editorColor = new ColorSwatch(QStringLiteral("Panel_Editor_Color"));
    m_editorColor->setToolTip(QStringLiteral("Background colour"));
    m_editorSave = ui::makeTextButton(QStringLiteral("SpeedButton_Aggiorna_Editor_Setup"), QStringLiteral("Save"),
                          QStringLiteral("Save the editor settings"));
    m_editorSave->setEnabled(false);
    layout->addWidget(m_fonts, 0, 0, 1, 4);
    layout->addWidget(m_fontSize, 1, 0);
    layout->addWidget(m_fontColor, 1, 1);
    layout->addWidget(m_editorColor, 1, 2);
    layout->addWidget(m_editorSave, 1, 3);
    connect(m_fonts, &QFontComboBox::currentFontChanged, this, [this] {
        if (!m_showing)
            Q_EMIT editorSettingChanged();
    });
    connect(m_fontSize, &QSpinBox::valueChanged, this, [this] {
        if (!m_showing)
            Q_EMIT editorSettingChanged();
    });
    connect(m_fontColor, &ColorSwatch::clicked, this, [this] { Q_EMIT editorColorRequested(false); });
    connect(m_editorColor, &ColorSwatch::clicked, this, [this] { Q_EMIT editorColorRequested(true); });
    connect(m_editorSave, &QToolButton::clicked, this, &OptionsTab::editorSaveRequested);
    return box;
}

void OptionsTab::addSection(QWidget* section)
{
    m_sections->addWidget(section);
    listenToWheelsOf(section);
    // A section that opens (the special menu) scrolls into view.
    section->installEventFilter(this);
}

void OptionsTab::listenToWheelsOf(QWidget* area)
{
    // A wheel turned over a list or a number scrolls the page; it never
    // picks a value, so only a deliberate choice writes a setting.
    for (QWidget* control : area->findChildren<QWidget*>()) {
        if (qobject_cast<QComboBox*>(control) || qobject_cast<QAbstractSpinBox*>(control)) {
            control->setFocusPolicy(Qt::StrongFocus);
            control->installEventFilter(this);
        }
    }
}

bool OptionsTab::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_archiveFolder && event->type() == QEvent::MouseButtonDblClick) {
        Q_EMIT openArchiveFolderRequested();
        return true;
    }
    if (watched == m_timeCheckLabel && event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton && m_timeCheck->isEnabled()) {
        m_timeCheck->click();
        return true;
    }
    if (event->type() == QEvent::Show && watched->isWidgetType() && m_sections->indexOf(static_cast<QWidget*>(watched)) >= 0) {
        // After the page has made room for it.
        QTimer::singleShot(0, this, [this, section = QPointer<QWidget>(static_cast<QWidget*>(watched))] {
            if (section && section->isVisible())
                m_scroll->ensureWidgetVisible(section, 0, 0);
        });
    }
    if (event->type() == QEvent::Wheel && watched != m_archiveFolder && watched->isWidgetType()
        && (qobject_cast<QComboBox*>(watched) || qobject_cast<QAbstractSpinBox*>(watched))) {
        QCoreApplication::sendEvent(m_scroll->verticalScrollBar(), event);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void OptionsTab::showSettings(const store::SettingsRecord& s)
{
    m_showing = true;
    const QList<QObject*> controls = {m_autostart, m_minimized, m_timeCheck, m_soundOn, m_popup, m_futuro,
                                      m_futuroDays, m_oneShotFormat, m_yearlyFormat, m_scale, m_ampm,
                                      m_hideTips, m_fonts, m_fontSize};
    QList<QSignalBlocker*> blockers;
    for (QObject* control : controls)
        blockers << new QSignalBlocker(control);

    m_oneShotFormat->setCurrentIndex(s.dataShotIndex);
    m_yearlyFormat->setCurrentIndex(s.dataYearIndex);
    m_minimized->setChecked(s.minimized == QLatin1String("Y"));
    m_soundOn->setChecked(store::soundonHasSound(s.soundon));
    m_popup->setChecked(store::soundonHasPopup(s.soundon));
    m_timeCheck->setChecked(s.timecheck == QLatin1String("Y"));
    setSwatchColorTexts(s.sectionColors);
    setSoundControlsEnabled(m_soundOn->isChecked());
    m_futuro->setChecked(s.futuroFlag);
    m_futuroDays->setValue(qBound(1, s.futuroDays, 366));
    setLookAheadControlsEnabled(s.futuroFlag);
    m_scale->setCurrentIndex(qBound(0, s.scalaIndex, m_scale->count() - 1));
    m_ampm->setChecked(s.ampm);
    m_hideTips->setChecked(s.hidetips);
    // Editor choices not saved yet stay on screen over a reload caused by
    // another setting; saving them (or the first load) shows the record.
    if (!m_editorSave->isEnabled()) {
        m_fonts->setCurrentFont(QFont(s.fontname));
        m_fontSize->setValue(s.fontsize);
        m_fontColor->setColor(themes::colorFromText(s.fontcolor, Qt::black));
        m_editorColor->setColor(themes::colorFromText(s.backcolor, Qt::white));
    }

    qDeleteAll(blockers);
    m_showing = false;
}

store::SettingsRecord OptionsTab::collectFullSave(store::SettingsRecord s) const
{
    s.autostart = yesNo(m_autostart->isChecked());
    s.minimized = yesNo(m_minimized->isChecked());
    s.soundon = store::soundonCode(m_soundOn->isChecked(), m_popup->isChecked());
    s.timecheck = yesNo(m_timeCheck->isChecked());
    s.dataShot = m_oneShotFormat->currentText();
    s.dataShotIndex = m_oneShotFormat->currentIndex();
    s.dataYear = m_yearlyFormat->currentText();
    s.dataYearIndex = m_yearlyFormat->currentIndex();
    return s;
}

QStringList OptionsTab::swatchColorTexts() const
{
    QStringList colors;
    for (const ColorSwatch* swatch : m_swatches)
        colors << themes::colorToText(swatch->color());
    return colors;
}

void OptionsTab::setSwatchColorTexts(const QStringList& colors)
{
    for (int i = 0; i < m_swatches.size(); ++i)
        m_swatches[i]->setColor(themes::colorFromText(colors.value(i), palette().color(QPalette::Button)));
}

void OptionsTab::setAutostart(bool on)
{
    m_autostart->setChecked(on);
}

void OptionsTab::setArchiveFolder(const QString& folder, bool sharedFolderInUse)
{
    m_archiveFolder->setText(folder);
    m_auto->setEnabled(sharedFolderInUse);
}

void OptionsTab::setSoundName(const QString& name, bool missing, const QString& hint)
{
    m_soundName->setText(name);
    m_soundName->setToolTip(hint);
    m_soundName->setStyleSheet(missing ? QStringLiteral("color: red;") : QString());
}

void OptionsTab::setSoundControlsEnabled(bool enabled)
{
    for (QWidget* w : std::initializer_list<QWidget*>{m_chooseSound, m_playSound, m_systemSound, m_soundName})
        w->setEnabled(enabled);
}

void OptionsTab::setWindowSizeCaption(int width, int height)
{
    m_fix->setText(QStringLiteral("Fix %1 x %2").arg(width).arg(height));
}

void OptionsTab::setDateSamples(const QString& oneShot, const QString& yearly)
{
    m_oneShotSample->setText(oneShot);
    m_yearlySample->setText(yearly);
}

void OptionsTab::setTimeCheckLabelAlert(bool alert)
{
    m_timeCheckLabel->setStyleSheet(alert ? QStringLiteral("color: red;") : QString());
}

void OptionsTab::setEditorSaveEnabled(bool enabled)
{
    m_editorSave->setEnabled(enabled);
}

void OptionsTab::setEditorColor(bool background, const QColor& color)
{
    (background ? m_editorColor : m_fontColor)->setColor(color);
}

void OptionsTab::setLookAheadControlsEnabled(bool enabled)
{
    m_futuroDays->setEnabled(enabled);
    m_lookAhead->setEnabled(enabled);
}

QString OptionsTab::editorFontName() const
{
    return m_fonts->currentFont().family();
}

int OptionsTab::editorFontSize() const
{
    return m_fontSize->value();
}

QString OptionsTab::editorFontColor() const
{
    return themes::colorToText(m_fontColor->color());
}

QString OptionsTab::editorBackColor() const
{
    return themes::colorToText(m_editorColor->color());
}

} // namespace brivane::ui
