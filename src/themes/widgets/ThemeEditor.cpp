#include "themes/widgets/ThemeEditor.h"

#include "agenda/widgets/DialogChrome.h"
#include "notes/ExternalProgram.h"
#include "platform/Shell.h"
#include "platform/widgets/ColorDialog.h"
#include "platform/widgets/FileDialog.h"
#include "platform/widgets/MessageBox.h"
#include "themes/ColorText.h"
#include "themes/SectionColorsFile.h"
#include "themes/ThemeFolder.h"
#include "themes/ThemeText.h"
#include "ui/ColorSwatch.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QFontComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QScrollArea>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

namespace brivane::themes::widgets {

using platform::MessageBox;

namespace {

const QStringList kSectionCaptions = {QStringLiteral("One Shot"), QStringLiteral("Yearly"),  QStringLiteral("Monthly"),
                                      QStringLiteral("Weekly"),   QStringLiteral("Today"),   QStringLiteral("Contacts"),
                                      QStringLiteral("Notes"),    QStringLiteral("To Do"),   QStringLiteral("Options")};

QToolButton* commandButton(const QString& name, const QString& text, const QString& hint = QString())
{
    auto* button = new QToolButton;
    button->setObjectName(name);
    button->setText(text);
    button->setToolTip(hint.isEmpty() ? text : hint);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    return button;
}

// A label that reports clicks and double clicks.
class ClickLabel : public QLabel
{
public:
    std::function<void()> clicked;
    std::function<void()> doubleClicked;

protected:
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::LeftButton && clicked)
            clicked();
    }
    void mouseDoubleClickEvent(QMouseEvent*) override
    {
        if (doubleClicked)
            doubleClicked();
    }
};

QString textOf(const ui::ColorSwatch* swatch)
{
    return swatch->property("colorText").toString();
}

void setText(ui::ColorSwatch* swatch, const QString& text)
{
    swatch->setProperty("colorText", text);
    swatch->setColor(colorFromText(text, Qt::black));
}

QStringList paintPrograms()
{
    return {QStringLiteral("kolourpaint"), QStringLiteral("pinta"), QStringLiteral("gimp"),
            QStringLiteral("mtpaint"), QStringLiteral("krita")};
}

} // namespace

ThemeEditor::ThemeEditor(ThemeController& controller, const ThemeController::Host& host, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_controller(controller), m_host(host)
{
    setObjectName(QStringLiteral("TModThemeForm"));
    const QColor options = colorFromText(host.settings().sectionColors.value(8), Qt::lightGray);
    auto* title = new agenda::widgets::DialogTitleBar(
        QStringLiteral("Modify theme - [") + controller.currentThemeName() + QLatin1Char(']'), options, this);
    (new agenda::widgets::WindowDragger(this))->watch(title);

    auto* fontsBox = new QGroupBox(QStringLiteral("Fonts"));
    auto* fontsLayout = new QGridLayout(fontsBox);
    m_title = fontRow("Barra");
    m_tabs = fontRow("Tabs");
    m_grid = fontRow("Griglie");
    const QList<QPair<QString, FontRow*>> rows = {
        {QStringLiteral("Title bar"), &m_title}, {QStringLiteral("Sections"), &m_tabs}, {QStringLiteral("Grids"), &m_grid}};
    for (int i = 0; i < rows.size(); ++i) {
        fontsLayout->addWidget(new QLabel(rows[i].first), i, 0);
        fontsLayout->addWidget(rows[i].second->family, i, 1);
        fontsLayout->addWidget(rows[i].second->size, i, 2);
        fontsLayout->addWidget(rows[i].second->color, i, 3);
    }
    m_grid.size->setMinimum(8);

    auto* statusBox = new QGroupBox(QStringLiteral("Grids"));
    auto* statusLayout = new QGridLayout(statusBox);
    m_deleteAfter = new ui::ColorSwatch(QStringLiteral("Panel_Delete"));
    m_everyDay = new ui::ColorSwatch(QStringLiteral("Panel_Torment"));
    m_suspended = new ui::ColorSwatch(QStringLiteral("Panel_Suspend"));
    const QList<QPair<QString, ui::ColorSwatch*>> statuses = {
        {QStringLiteral("Delete"), m_deleteAfter}, {QStringLiteral("Torment"), m_everyDay}, {QStringLiteral("Suspend"), m_suspended}};
    for (int i = 0; i < statuses.size(); ++i) {
        auto* button = commandButton(QStringLiteral("SpeedButton") + statuses[i].first, statuses[i].first);
        statusLayout->addWidget(button, 0, i * 2);
        statusLayout->addWidget(statuses[i].second, 0, i * 2 + 1);
        ui::ColorSwatch* swatch = statuses[i].second;
        const auto choose = [this, swatch] {
            const QColor chosen = platform::ColorDialog::choose(this, swatch->color());
            if (chosen.isValid())
                setText(swatch, colorToText(chosen));
        };
        connect(button, &QToolButton::clicked, this, choose);
        connect(swatch, &ui::ColorSwatch::clicked, this, choose);
    }
    m_style = new QComboBox;
    m_style->setObjectName(QStringLiteral("ComboBox_Stile_Griglia"));
    m_style->addItems({QStringLiteral("Classic"), QStringLiteral("Colored"), QStringLiteral("Indicators")});
    m_border = new QCheckBox(QStringLiteral("Border"));
    m_border->setObjectName(QStringLiteral("CheckBox_Border"));
    m_defaultColors = new QCheckBox(QStringLiteral("Default colors"));
    m_defaultColors->setObjectName(QStringLiteral("CheckBox_DefaultColors"));
    statusLayout->addWidget(m_style, 1, 0, 1, 2);
    statusLayout->addWidget(m_border, 1, 2, 1, 2);
    statusLayout->addWidget(m_defaultColors, 1, 4, 1, 2);

    auto* colorsBox = new QGroupBox(QStringLiteral("Section colours"));
    auto* colorsLayout = new QGridLayout(colorsBox);
    for (int i = 0; i < 9; ++i) {
        auto* button = commandButton(QStringLiteral("SpeedButtonColore%1").arg(i + 1), kSectionCaptions[i]);
        button->setMinimumWidth(80);
        button->setAutoFillBackground(true);
        m_sectionButtons << button;
        colorsLayout->addWidget(button, i / 3, i % 3);
        connect(button, &QToolButton::clicked, this, [this, i] { chooseSectionColor(i); });
    }
    auto* save = commandButton(QStringLiteral("SpeedButtonSalvaColori"), QStringLiteral("Save"),
                               QStringLiteral("Save the nine colours as a colour list"));
    auto* open = commandButton(QStringLiteral("SpeedButtonApriColori"), QStringLiteral("Open"),
                               QStringLiteral("Load a colour list"));
    m_resetColors = commandButton(QStringLiteral("SpeedButtonResetColori"), QStringLiteral("Reset Colors"));
    m_resetFonts = commandButton(QStringLiteral("SpeedButtonResetFont"), QStringLiteral("Reset Font"));
    colorsLayout->addWidget(save, 3, 0);
    colorsLayout->addWidget(open, 3, 1);
    colorsLayout->addWidget(m_resetColors, 3, 2);

    auto* previewBox = new QWidget;
    auto* previewLayout = new QVBoxLayout(previewBox);
    previewLayout->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < 3; ++i) {
        auto* panel = new ClickLabel;
        panel->setObjectName(QStringLiteral("Panel_Preview%1").arg(i + 1));
        panel->setAlignment(Qt::AlignCenter);
        panel->setAutoFillBackground(true);
        panel->setMinimumHeight(34);
        panel->setText(i == 0 ? QStringLiteral("Brivane Organizer") : i == 1 ? QStringLiteral("Today") : QStringLiteral("Grid text"));
        panel->clicked = [this, i] { cyclePreview(i); };
        m_previews << panel;
        m_previewSteps << i;
        previewLayout->addWidget(panel);
    }

    auto* picturesBox = new QGroupBox(QStringLiteral("Pictures"));
    auto* picturesLayout = new QGridLayout(picturesBox);
    m_pictures = new QListWidget;
    m_pictures->setObjectName(QStringLiteral("ListBox_Immagini"));
    auto* picture = new ClickLabel;
    picture->setObjectName(QStringLiteral("Image_Immagine"));
    picture->setAlignment(Qt::AlignCenter);
    picture->setMinimumSize(96, 64);
    picture->doubleClicked = [this] {
        m_fitPicture = !m_fitPicture;
        showPicture();
    };
    m_picture = picture;
    m_modify = commandButton(QStringLiteral("SpeedButtonModificaImmagine"), QStringLiteral("Modify"));
    auto* refresh = commandButton(QStringLiteral("SpeedButtonAggiornaTema"), QStringLiteral("Update"),
                                  QStringLiteral("Update the list of themes"));
    auto* openFolder = commandButton(QStringLiteral("SpeedButtonCartellaTema"), QStringLiteral("Folder"),
                                     QStringLiteral("Open the folder that contains the theme in use"));
    picturesLayout->addWidget(m_pictures, 0, 0, 3, 1);
    picturesLayout->addWidget(m_picture, 0, 1);
    picturesLayout->addWidget(m_modify, 1, 1);
    auto* pictureCommands = new QHBoxLayout;
    pictureCommands->addWidget(refresh);
    pictureCommands->addWidget(openFolder);
    picturesLayout->addLayout(pictureCommands, 2, 1);

    auto* applyClose = commandButton(QStringLiteral("SpeedButtonApplicaChiudi"), QStringLiteral("Apply and Close"));
    auto* hint = commandButton(QStringLiteral("SpeedButtonHintModTema"), QStringLiteral("?"), QStringLiteral("Hint"));
    auto* top = new QHBoxLayout;
    top->addWidget(title, 1);
    top->addWidget(hint);
    auto* grid = new QGridLayout;
    grid->addWidget(fontsBox, 0, 0);
    grid->addWidget(previewBox, 0, 1);
    grid->addWidget(statusBox, 1, 0);
    grid->addWidget(colorsBox, 2, 0);
    grid->addWidget(picturesBox, 1, 1, 2, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_resetFonts);
    bottom->addStretch();
    bottom->addWidget(applyClose);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(grid);
    layout->addLayout(bottom);

    for (const FontRow* row : {&m_title, &m_tabs, &m_grid}) {
        connect(row->family, &QFontComboBox::currentFontChanged, this, &ThemeEditor::followFonts);
        connect(row->size, &QSpinBox::valueChanged, this, &ThemeEditor::followFonts);
        ui::ColorSwatch* swatch = row->color;
        connect(swatch, &ui::ColorSwatch::clicked, this, [this, swatch] {
            const QColor chosen = platform::ColorDialog::choose(this, swatch->color());
            if (!chosen.isValid())
                return;
            setText(swatch, colorToText(chosen));
            followFonts();
        });
    }
    connect(m_style, &QComboBox::currentIndexChanged, this, [this](int index) {
        // Indicators need room for the kind bar beside the text.
        const int smallest = index == int(GridStyle::Indicatori) ? 12 : 8;
        m_grid.size->setMinimum(smallest);
        if (m_grid.size->value() < smallest)
            m_grid.size->setValue(smallest);
    });
    connect(save, &QToolButton::clicked, this, &ThemeEditor::saveColorList);
    connect(open, &QToolButton::clicked, this, &ThemeEditor::openColorList);
    connect(m_resetColors, &QToolButton::clicked, this, &ThemeEditor::resetColors);
    connect(m_resetFonts, &QToolButton::clicked, this, &ThemeEditor::resetFonts);
    connect(m_pictures, &QListWidget::currentRowChanged, this, &ThemeEditor::showPicture);
    connect(m_pictures, &QListWidget::itemDoubleClicked, this, &ThemeEditor::modifyPicture);
    connect(m_modify, &QToolButton::clicked, this, &ThemeEditor::modifyPicture);
    connect(refresh, &QToolButton::clicked, this, [this] {
        refreshPictures();
        m_controller.reapply();
        followFonts();
    });
    connect(openFolder, &QToolButton::clicked, this, [this] { platform::Shell::openPath(folder()); });
    connect(applyClose, &QToolButton::clicked, this, &ThemeEditor::applyAndClose);
    connect(hint, &QToolButton::clicked, this, [this] {
        MessageBox::information(this, QStringLiteral("In this section you can customize the theme of the program."));
    });

    const QDir dir(folder());
    bool found = false;
    QStringList lines = readThemeLines(dir.filePath(QStringLiteral("Fonts.txt")), &found);
    if (!found)
        lines = builtinFontsLines();
    m_loaded = parseFontsLines(completeFontsLines(lines), QStringLiteral("Fonts.txt"), ThemeFonts(), nullptr);
    setFonts(m_loaded);
    m_resetColors->setEnabled(QFileInfo::exists(dir.filePath(QStringLiteral("Colors.def"))));
    m_resetFonts->setEnabled(QFileInfo::exists(dir.filePath(QStringLiteral("Fonts.def"))));
    refreshPictures();
    showSectionColors();
}

ThemeEditor::FontRow ThemeEditor::fontRow(const char* prefix)
{
    FontRow row;
    row.family = new QFontComboBox;
    row.family->setObjectName(QStringLiteral("ComboBox_Font") + QLatin1String(prefix));
    row.size = new QSpinBox;
    row.size->setObjectName(QStringLiteral("SpinEdit_Size") + QLatin1String(prefix));
    row.size->setRange(6, 72);
    row.color = new ui::ColorSwatch(QStringLiteral("Panel_Color") + QLatin1String(prefix));
    return row;
}

QString ThemeEditor::folder() const
{
    return themeFolder(m_host.programFolder(), m_controller.currentThemeName());
}

ThemeFonts ThemeEditor::fonts() const
{
    ThemeFonts fonts = m_loaded;
    const auto read = [](const FontRow& row, FontSpec& fontSpec) {
        fontSpec.family = row.family->currentFont().family();
        fontSpec.pointSize = row.size->value();
        fontSpec.color = textOf(row.color);
    };
    read(m_title, fonts.title);
    read(m_tabs, fonts.tabs);
    read(m_grid, fonts.grid);
    fonts.deleteAfterColor = textOf(m_deleteAfter);
    fonts.everyDayColor = textOf(m_everyDay);
    fonts.suspendedColor = textOf(m_suspended);
    fonts.gridStyle = GridStyle(m_style->currentIndex());
    fonts.hasGridStyle = true;
    fonts.ledBorder = m_border->isChecked();
    fonts.ledDefaultColors = m_defaultColors->isChecked();
    return fonts;
}

void ThemeEditor::setFonts(const ThemeFonts& fonts)
{
    m_setting = true;
    const auto write = [](const FontRow& row, const FontSpec& fontSpec) {
        row.family->setCurrentFont(QFont(fontSpec.family));
        row.size->setValue(fontSpec.pointSize);
        setText(row.color, fontSpec.color);
    };
    write(m_title, fonts.title);
    write(m_tabs, fonts.tabs);
    m_style->setCurrentIndex(int(fonts.gridStyle));
    write(m_grid, fonts.grid);
    setText(m_deleteAfter, fonts.deleteAfterColor);
    setText(m_everyDay, fonts.everyDayColor);
    setText(m_suspended, fonts.suspendedColor);
    m_border->setChecked(fonts.ledBorder);
    m_defaultColors->setChecked(fonts.ledDefaultColors);
    m_setting = false;
    followFonts();
}

void ThemeEditor::followFonts()
{
    if (m_setting)
        return;
    const ThemeFonts current = fonts();
    const FontSpec* specs[] = {&current.title, &current.tabs, &current.grid};
    for (int i = 0; i < 3; ++i) {
        QFont font(specs[i]->family);
        font.setPointSize(specs[i]->pointSize);
        font.setBold(i == 0);
        m_previews[i]->setFont(font);
        QPalette palette = m_previews[i]->palette();
        palette.setColor(QPalette::WindowText, colorFromText(specs[i]->color, Qt::black));
        m_previews[i]->setPalette(palette);
    }
    for (QToolButton* button : m_sectionButtons) {
        QPalette palette = button->palette();
        palette.setColor(QPalette::ButtonText, colorFromText(current.tabs.color, Qt::black));
        button->setPalette(palette);
    }
    m_controller.previewFonts(current);
    for (int i = 0; i < 3; ++i)
        cyclePreview(-1 - i);
}

void ThemeEditor::cyclePreview(int panel)
{
    // A negative panel repaints panel -1-panel without stepping.
    const bool step = panel >= 0;
    const int index = step ? panel : -1 - panel;
    static const QList<int> gridSteps = {0, 1, 2, 3, 5, 7, -1};
    const int count = index == 2 ? gridSteps.size() : 10;
    if (step)
        m_previewSteps[index] = (m_previewSteps[index] + 1) % count;
    int section = m_previewSteps[index] % count;
    if (index == 2)
        section = gridSteps.value(section);
    else if (section == 9)
        section = -1;
    const QColor color = section < 0 ? QApplication::palette().color(QPalette::Button)
                                     : colorFromText(m_host.settings().sectionColors.value(section), Qt::lightGray);
    QPalette palette = m_previews[index]->palette();
    palette.setColor(QPalette::Window, color);
    m_previews[index]->setPalette(palette);
}

void ThemeEditor::showSectionColors()
{
    const QStringList colors = m_host.settings().sectionColors;
    for (int i = 0; i < m_sectionButtons.size(); ++i) {
        QPalette palette = m_sectionButtons[i]->palette();
        palette.setColor(QPalette::Button, colorFromText(colors.value(i), Qt::lightGray));
        m_sectionButtons[i]->setPalette(palette);
    }
    for (int i = 0; i < 3; ++i)
        cyclePreview(-1 - i);
}

void ThemeEditor::chooseSectionColor(int section)
{
    QStringList colors = m_host.settings().sectionColors;
    const QColor chosen = platform::ColorDialog::choose(this, colorFromText(colors.value(section)));
    if (!chosen.isValid())
        return;
    colors[section] = colorToText(chosen);
    m_controller.useSectionColors(colors);
    showSectionColors();
}

void ThemeEditor::resetColors()
{
    if (MessageBox::question(this, QStringLiteral("Do you want to restore the default set of colors of this theme?"))
        != MessageBox::Answer::Yes)
        return;
    QStringList problems;
    const QStringList colors = readSectionColors(QDir(folder()).filePath(QStringLiteral("Colors.def")),
                                                 m_host.settings().sectionColors, &problems);
    m_controller.useSectionColors(colors);
    showSectionColors();
}

void ThemeEditor::resetFonts()
{
    if (MessageBox::question(this, QStringLiteral("Do you want to restore the default character set of this theme?"))
        != MessageBox::Answer::Yes)
        return;
    const QStringList lines = completeFontsLines(readThemeLines(QDir(folder()).filePath(QStringLiteral("Fonts.def"))));
    writeThemeLines(QDir(folder()).filePath(QStringLiteral("Fonts.txt")), lines);
    m_loaded = parseFontsLines(lines, QStringLiteral("Fonts.def"), ThemeFonts(), nullptr);
    setFonts(m_loaded);
}

void ThemeEditor::saveColorList()
{
    const QString colors = QDir(m_host.programFolder()).filePath(QStringLiteral("colors"));
    const QString start = QFileInfo(colors).isDir() ? colors : m_host.archiveFolder();
    const QString file = platform::FileDialog::saveFile(this, QStringLiteral("Save color list"), start,
                                                        QStringLiteral("Color list (*.clr)"));
    if (file.isEmpty())
        return;
    if (QFileInfo::exists(file)
        && MessageBox::question(this, QStringLiteral("Overwrite \"") + QFileInfo(file).fileName() + QStringLiteral("\"?"))
               != MessageBox::Answer::Yes)
        return;
    if (!writeSectionColors(file, m_host.settings().sectionColors))
        MessageBox::warning(this, QStringLiteral("I can not write \"") + QDir::toNativeSeparators(file) + QStringLiteral("\"."));
}

void ThemeEditor::openColorList()
{
    const QString colors = QDir(m_host.programFolder()).filePath(QStringLiteral("colors"));
    const QString start = QFileInfo(colors).isDir() ? colors : QDir::homePath();
    const QString file = platform::FileDialog::openFile(this, QStringLiteral("Open color list"), start,
                                                        QStringLiteral("Color list (*.clr)"));
    if (file.isEmpty())
        return;
    QStringList problems;
    const QStringList read = readSectionColors(file, m_host.settings().sectionColors, &problems);
    if (!problems.isEmpty())
        MessageBox::warning(this, QStringLiteral("Some lines could not be read and were skipped:\r")
                                      + problems.join(QLatin1Char('\r')));
    m_controller.useSectionColors(read);
    showSectionColors();
}

void ThemeEditor::refreshPictures()
{
    const QString selected = m_pictures->currentItem() ? m_pictures->currentItem()->text() : QString();
    m_pictures->clear();
    const QStringList files = QDir(folder()).entryList({QStringLiteral("*.bmp")}, QDir::Files, QDir::Name | QDir::IgnoreCase);
    m_pictures->addItems(files);
    const int row = files.indexOf(selected);
    m_pictures->setCurrentRow(row < 0 ? 0 : row);
    if (files.isEmpty())
        showPicture();
}

void ThemeEditor::showPicture()
{
    const QListWidgetItem* item = m_pictures->currentItem();
    m_modify->setEnabled(item);
    if (!item) {
        m_picture->clear();
        m_modify->setText(QStringLiteral("Modify"));
        return;
    }
    m_modify->setText(QStringLiteral("Modify ") + item->text());
    QPixmap picture(QDir(folder()).filePath(item->text()));
    if (m_fitPicture && !picture.isNull())
        picture = picture.scaled(m_picture->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    m_picture->setPixmap(picture);
}

void ThemeEditor::modifyPicture()
{
    const QListWidgetItem* item = m_pictures->currentItem();
    if (!item)
        return;
    const QString program = notes::findInstalledProgram(paintPrograms());
    if (program.isEmpty()) {
        MessageBox::information(this, QStringLiteral("No paint program is installed (kolourpaint, pinta or gimp, for example)."));
        return;
    }
    notes::ProgramLauncher::start(program, {QDir(folder()).filePath(item->text())});
}

void ThemeEditor::applyAndClose()
{
    writeThemeLines(QDir(folder()).filePath(QStringLiteral("Fonts.txt")), fontsLines(fonts()));
    accept();
}

void ThemeEditor::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Escape) {
        applyAndClose();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace brivane::themes::widgets
