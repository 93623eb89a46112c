#include "themes/widgets/ThemeChooser.h"

#include "agenda/widgets/DialogChrome.h"
#include "platform/Shell.h"
#include "platform/widgets/FileDialog.h"
#include "platform/widgets/MessageBox.h"
#include "platform/widgets/Sound.h"
#include "store/SettingsStore.h"
#include "themes/ColorText.h"
#include "themes/ThemeFolder.h"

#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QScrollArea>
#include <QToolButton>
#include <QVBoxLayout>

namespace brivane::themes::widgets {

using platform::MessageBox;

namespace {

QToolButton* commandButton(const char* name, const QString& text, const QString& hint = QString())
{
    auto* button = new QToolButton;
    button->setObjectName(QLatin1String(name));
    button->setText(text);
    button->setToolTip(hint.isEmpty() ? text : hint);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setMinimumWidth(110);
    return button;
}

class PreviewLabel : public QLabel
{
public:
    std::function<void()> doubleClicked;

protected:
    void mouseDoubleClickEvent(QMouseEvent*) override
    {
        if (doubleClicked)
            doubleClicked();
    }
};

} // namespace

ThemeChooser::ThemeChooser(ThemeController& controller, const ThemeController::Host& host, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_controller(controller), m_host(host)
{
    setObjectName(QStringLiteral("TThemesForm"));
    const QColor options = colorFromText(host.settings().sectionColors.value(8), Qt::lightGray);
    auto* title = new agenda::widgets::DialogTitleBar(
        QStringLiteral("Current Theme [") + controller.currentThemeName() + QLatin1Char(']'), options, this);
    auto* dragger = new agenda::widgets::WindowDragger(this);
    dragger->watch(title);

    m_list = new QListWidget;
    m_list->setObjectName(QStringLiteral("ListBox_Temi"));
    m_list->setToolTip(QStringLiteral("Installed Themes"));
    m_count = new QLabel;
    m_count->setObjectName(QStringLiteral("Label_NumeroTemi"));
    auto* preview = new PreviewLabel;
    preview->setObjectName(QStringLiteral("Image_Preview"));
    preview->setAlignment(Qt::AlignCenter);
    preview->doubleClicked = [this] {
        m_fit = !m_fit;
        showSelection();
    };
    m_preview = preview;
    m_noPreview = new QLabel(QStringLiteral("- Preview not available -"));
    m_noPreview->setObjectName(QStringLiteral("Label_NoPreview"));
    m_noPreview->setAlignment(Qt::AlignCenter);
    auto* scroll = new QScrollArea;
    scroll->setWidget(m_preview);
    scroll->setWidgetResizable(true);
    scroll->setMinimumSize(380, 262);

    auto* apply = commandButton("SpeedButtonApplica", QStringLiteral("Apply"));
    m_sound = commandButton("SpeedButtonSuonoTema", QStringLiteral("Sound"),
                            QStringLiteral("This graphic theme also has a default sound. Click here to listen."));
    auto* import = commandButton("SpeedButtonImportaTema", QStringLiteral("Import theme"));
    m_delete = commandButton("SpeedButtonCancellaTema", QStringLiteral("Delete theme"));
    auto* folder = commandButton("SpeedButtonCartellaTema", QStringLiteral("Open folder"),
                                 QStringLiteral("Open the folder of the theme selected"));
    auto* update = commandButton("SpeedButtonAggiornaTemi", QStringLiteral("Update"),
                                 QStringLiteral("Update theme list"));
    auto* rebuild = commandButton("SpeedButtonRicostruisci", QStringLiteral("Rebuild default"),
                                  QStringLiteral("Allows you to rebuild the default theme"));
    auto* hint = commandButton("SpeedButtonHintTemi", QStringLiteral("?"), QStringLiteral("Hint"));
    hint->setMinimumWidth(0);
    auto* close = commandButton("SpeedButtonChiudi", QStringLiteral("Close"));

    auto* commands = new QVBoxLayout;
    for (QToolButton* button : {apply, m_sound, import, m_delete, folder, update, rebuild})
        commands->addWidget(button);
    commands->addStretch();
    commands->addWidget(close);
    auto* body = new QGridLayout;
    body->addWidget(m_list, 0, 0);
    body->addWidget(m_count, 1, 0);
    body->addWidget(scroll, 0, 1);
    body->addWidget(m_noPreview, 1, 1);
    body->addLayout(commands, 0, 2, 2, 1);
    auto* top = new QHBoxLayout;
    top->addWidget(title, 1);
    top->addWidget(hint);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(body);

    connect(m_list, &QListWidget::currentRowChanged, this, &ThemeChooser::showSelection);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &ThemeChooser::applySelected);
    connect(apply, &QToolButton::clicked, this, &ThemeChooser::applySelected);
    connect(m_sound, &QToolButton::clicked, this, &ThemeChooser::playSound);
    connect(import, &QToolButton::clicked, this, &ThemeChooser::importTheme);
    connect(m_delete, &QToolButton::clicked, this, &ThemeChooser::deleteSelected);
    connect(folder, &QToolButton::clicked, this, [this] { platform::Shell::openPath(selectedFolder()); });
    connect(update, &QToolButton::clicked, this, &ThemeChooser::refreshList);
    connect(rebuild, &QToolButton::clicked, this, &ThemeChooser::rebuildDefault);
    connect(close, &QToolButton::clicked, this, &QDialog::reject);
    connect(hint, &QToolButton::clicked, this, [this] {
        MessageBox::information(this, QStringLiteral("In this section you can choose the theme of the program."));
    });

    const QString themes = themesFolder(host.programFolder());
    if (!QDir().mkpath(themes))
        MessageBox::warning(this, QStringLiteral("I can not create the folder \"") + QDir::toNativeSeparators(themes)
                                      + QStringLiteral("\""));
    refreshList();
    selectTheme(controller.currentThemeName());
}

QString ThemeChooser::selectedName() const
{
    const QListWidgetItem* item = m_list->currentItem();
    if (!item)
        return {};
    QString text = item->text();
    return text.mid(1, text.size() - 2);
}

QString ThemeChooser::selectedFolder() const
{
    return themeFolder(m_host.programFolder(), selectedName());
}

void ThemeChooser::selectTheme(const QString& name)
{
    const QList<QListWidgetItem*> found = m_list->findItems(QLatin1Char('[') + name + QLatin1Char(']'), Qt::MatchExactly);
    if (!found.isEmpty())
        m_list->setCurrentItem(found.first());
    else if (m_list->count() > 0)
        m_list->setCurrentRow(0);
}

void ThemeChooser::refreshList()
{
    const QString selected = selectedName();
    m_list->clear();
    const QStringList themes = installedThemes(m_host.programFolder());
    for (const QString& name : themes)
        m_list->addItem(QLatin1Char('[') + name + QLatin1Char(']'));
    m_count->setText(QString::number(themes.size()) + QStringLiteral("   "));
    selectTheme(selected.isEmpty() ? m_controller.currentThemeName() : selected);
}

void ThemeChooser::showSelection()
{
    const QDir folder(selectedFolder());
    const QPixmap picture(folder.filePath(QStringLiteral("preview.bmp")));
    if (picture.isNull()) {
        m_preview->clear();
        m_noPreview->show();
    } else {
        m_noPreview->hide();
        m_preview->setPixmap(m_fit ? picture.scaled(372, 255, Qt::KeepAspectRatio, Qt::SmoothTransformation)
                                   : picture);
    }
    m_sound->setVisible(QFileInfo::exists(folder.filePath(QStringLiteral("Alarm.wav"))));
    m_delete->setEnabled(selectedName() != QLatin1String("default"));
}

void ThemeChooser::applySelected()
{
    const QString name = selectedName();
    if (name.isEmpty())
        return;
    QString error;
    const store::SettingsStore settings(m_host.database());
    if (!settings.saveColumn(QStringLiteral("theme_name"), name, &error)) {
        MessageBox::warning(this, error);
        return;
    }
    const QString sound = QDir(selectedFolder()).filePath(QStringLiteral("Alarm.wav"));
    if (QFileInfo::exists(sound) && QFileInfo(m_host.settings().wavesound) != QFileInfo(sound)
        && MessageBox::question(this, QStringLiteral("The theme you select contain an alarm sound,\nset this as a "
                                                     "default alarm sound?"))
               == MessageBox::Answer::Yes) {
        if (!settings.saveColumn(QStringLiteral("wavesound"), sound, &error))
            MessageBox::warning(this, error);
        m_host.reloadSettings();
        if (m_host.soundChanged)
            m_host.soundChanged();
    }
    m_applied = name;
    accept();
}

void ThemeChooser::playSound()
{
    const QString sound = QDir(selectedFolder()).filePath(QStringLiteral("Alarm.wav"));
    if (!QFileInfo::exists(sound)) {
        MessageBox::warning(this, QStringLiteral("File \"") + QDir::toNativeSeparators(sound)
                                      + QStringLiteral("\" has been deleted or moved!"));
        return;
    }
    if (!m_player)
        m_player = new platform::Sound(this);
    m_player->play(sound);
}

void ThemeChooser::importTheme()
{
    MessageBox::information(this, QStringLiteral("Select the folder that contains the new theme."));
    const QString folder = platform::FileDialog::chooseFolder(this, QStringLiteral("Import theme"),
                                                              platform::Shell::desktopFolder());
    if (folder.isEmpty())
        return;
    if (!isValidThemeFolder(folder)) {
        MessageBox::warning(this, QStringLiteral("Folder \"") + QDir::toNativeSeparators(folder)
                                      + QStringLiteral("\" does not contain a valid theme!"));
        return;
    }
    const QString name = QFileInfo(QDir::cleanPath(folder)).fileName();
    if (QFileInfo(themeFolder(m_host.programFolder(), name)).exists()
        && MessageBox::question(this, QStringLiteral("Overwrite \"") + name + QStringLiteral("\"?"))
               != MessageBox::Answer::Yes)
        return;
    const QStringList failed = themes::importTheme(folder, m_host.programFolder(), name);
    for (const QString& file : failed)
        MessageBox::warning(this, QStringLiteral("I can not copy: ") + file);
    MessageBox::information(this, QStringLiteral("Theme \"") + name + QStringLiteral("\" has been imported!"));
    refreshList();
    selectTheme(name);
}

void ThemeChooser::deleteSelected()
{
    const QString name = selectedName();
    if (name.isEmpty())
        return;
    if (name.compare(QLatin1String("default"), Qt::CaseInsensitive) == 0 || name == m_controller.currentThemeName()) {
        MessageBox::warning(this, QStringLiteral("I can not delete my default theme!"));
        return;
    }
    if (MessageBox::question(this, QStringLiteral("Delete folder \"") + QDir::toNativeSeparators(selectedFolder())
                                       + QStringLiteral("\"?"))
        != MessageBox::Answer::Yes)
        return;
    if (!deleteTheme(m_host.programFolder(), name))
        MessageBox::warning(this, QStringLiteral("I can not delete \"") + QDir::toNativeSeparators(selectedFolder())
                                      + QStringLiteral("\"."));
    refreshList();
}

void ThemeChooser::rebuildDefault()
{
    if (MessageBox::question(this, QStringLiteral("Restore default theme?\r(restart needed)")) != MessageBox::Answer::Yes)
        return;
    removeDefaultTheme(m_host.programFolder());
    if (m_host.unsavedFilePrompt)
        m_host.unsavedFilePrompt();
    reject();
    if (m_host.terminate)
        m_host.terminate();
}

void ThemeChooser::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        applySelected();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace brivane::themes::widgets
