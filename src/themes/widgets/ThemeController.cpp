#include "themes/widgets/ThemeController.h"

#include "agenda/CalendarMarks.h"
#include "agenda/widgets/LitCalendar.h"
#include "platform/widgets/MessageBox.h"
#include "store/SettingsStore.h"
#include "themes/ColorText.h"
#include "themes/BuiltinArt.h"
#include "themes/SectionColorsFile.h"
#include "themes/SectionLeds.h"
#include "themes/ThemeFolder.h"
#include "themes/widgets/ButtonDressing.h"
#include "themes/widgets/GridDelegate.h"
#include "themes/widgets/SectionTabStrip.h"
#include "themes/widgets/ThemeChooser.h"
#include "themes/widgets/ThemeEditor.h"
#include "themes/widgets/TitleBarPainter.h"

#include <cstdio>

#include <QAbstractSpinBox>
#include <QApplication>
#include <QCalendarWidget>
#include <QComboBox>
#include <QDir>
#include <QDateEdit>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>
#include <QTextEdit>
#include <QToolButton>

namespace brivane::themes::widgets {

using platform::MessageBox;

namespace {

// Draws a border in the section colour around a tab's content.
class SectionFrame : public QObject
{
public:
    SectionFrame(QWidget* page) : QObject(page), m_page(page) { page->installEventFilter(this); }
    void setColor(const QColor& color)
    {
        m_color = color;
        m_page->update();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == m_page && event->type() == QEvent::Paint && m_color.isValid()) {
            QPainter painter(m_page);
            painter.setPen(QPen(m_color, 4));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(m_page->rect().adjusted(2, 2, -2, -2));
        }
        return false;
    }

private:
    QWidget* m_page;
    QColor m_color;
};

// Fills the main window's own background (its margins around the tabs) in
// the current section colour, without handing that colour down to the
// dialogs and message boxes the window parents.
class WindowBackground : public QObject
{
public:
    WindowBackground(QWidget* window) : QObject(window), m_window(window) { window->installEventFilter(this); }
    void setColor(const QColor& color)
    {
        m_color = color;
        m_window->update();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == m_window && event->type() == QEvent::Paint && m_color.isValid()) {
            QPainter painter(m_window);
            painter.fillRect(m_window->rect(), m_color);
        }
        return false;
    }

private:
    QWidget* m_window;
    QColor m_color;
};

struct GridName
{
    GridList list;
    const char* grid;
    const char* memo;
    int section;
};

constexpr GridName kGrids[] = {
    {GridList::OneShot, "DBGrid_Shot", "DBMemo_Shot", 0},   {GridList::Yearly, "DBGrid_Year", "DBMemo_Year", 1},
    {GridList::Monthly, "DBGrid_Month", "DBMemo_Month", 2}, {GridList::Weekly, "DBGrid_Week", "DBMemo_Week", 3},
    {GridList::Today, "DBGrid_Today", "DBMemoToday", 4},    {GridList::Contacts, "DBGrid_Contact", "DBMemo_Contact_bottom", 5},
    {GridList::Notes, "DBGrid_Note", nullptr, 6},           {GridList::ToDo, "DBGrid_ToDo", "DBMemo_ToDo", 7},
};

QString cssColor(const QColor& color)
{
    return color.name(QColor::HexRgb);
}

QFont themedFont(const FontSpec& fontSpec, const QFont& base)
{
    QFont font = base;
    if (!fontSpec.family.trimmed().isEmpty())
        font.setFamily(fontSpec.family);
    font.setPointSize(qMax(1, fontSpec.pointSize));
    return font;
}

} // namespace

ThemeController::ThemeController(Host host, QObject* parent)
    : QObject(parent), m_host(std::move(host)), m_state(ThemeState::builtin())
{
    QTabBar* bar = m_host.tabs->tabBar();
    m_strip = new SectionTabStrip(bar);
    m_background = new WindowBackground(m_host.window);
    m_titleBar = new TitleBarPainter(m_host.topBar, m_host.topBar->findChild<QLabel*>(QStringLiteral("panel_credit")));
    for (int i = 0; i < m_host.tabs->count(); ++i) {
        auto* frame = new SectionFrame(m_host.tabs->widget(i));
        frame->setObjectName(QStringLiteral("SectionFrame"));
    }
    for (const GridName& name : kGrids) {
        auto* grid = m_host.window->findChild<QTableView*>(QLatin1String(name.grid));
        if (!grid)
            continue;
        auto* delegate = new GridDelegate(name.list, grid);
        grid->setItemDelegate(delegate);
        m_delegates.append({name.list, delegate});
    }
    // The window's own background shows the current section colour; the
    // tabs keep the desktop's.
    m_host.tabs->setAutoFillBackground(true);
    buildOptionsBox();
    connect(m_host.tabs, &QTabWidget::currentChanged, this, &ThemeController::updateCurrentSection);
    connect(qApp, &QApplication::focusChanged, this, &ThemeController::focusChanged);
}

void ThemeController::buildOptionsBox()
{
    auto* box = new QGroupBox(QStringLiteral("Theme"));
    box->setObjectName(QStringLiteral("GroupBox_Tema"));
    // Two rows, so the box fits one column of the Options page.
    auto* layout = new QVBoxLayout(box);
    m_nameLabel = new QLabel(QStringLiteral("Theme [default]"));
    m_nameLabel->setObjectName(QStringLiteral("Label_NomeTema"));
    auto* change = new QToolButton;
    change->setObjectName(QStringLiteral("SpeedButtonCambiaTema"));
    change->setText(QStringLiteral("Change"));
    change->setToolTip(QStringLiteral("Allows you to select, import, and delete the graphic themes of the program"));
    auto* modify = new QToolButton;
    modify->setObjectName(QStringLiteral("SpeedButtonModificaTema"));
    modify->setText(QStringLiteral("Modify"));
    modify->setToolTip(QStringLiteral("Allows you to make changes to fonts, graphics and colors of the theme in use"));
    m_styleBox = new QComboBox;
    m_styleBox->setObjectName(QStringLiteral("ComboBox_Stile"));
    m_styleBox->addItems({QStringLiteral("colorate"), QStringLiteral("coloratissime"), QStringLiteral("indicatori")});
    m_styleBox->setToolTip(QStringLiteral("Grid style of the theme in use"));
    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(m_nameLabel, 1);
    nameRow->addWidget(m_styleBox);
    layout->addLayout(nameRow);
    auto* commands = new QHBoxLayout;
    commands->addWidget(change);
    commands->addWidget(modify);
    commands->addStretch();
    layout->addLayout(commands);
    connect(change, &QToolButton::clicked, this, &ThemeController::openChooser);
    connect(modify, &QToolButton::clicked, this, &ThemeController::openEditor);
    connect(m_styleBox, &QComboBox::activated, this, [this](int index) { setGridStyle(GridStyle(index)); });
    m_optionsBox = box;
}

QString ThemeController::folderOf(const QString& name) const
{
    return themeFolder(m_host.programFolder(), name);
}

void ThemeController::apply(const QString& themeName)
{
    QString name = themeName;
    const bool first = !m_prepared;
    if (!m_prepared) {
        m_prepared = true;
        // The theme named in the settings may have gone: "default" serves this run.
        m_current = prepareThemes(m_host.programFolder(), themeName, builtinButtonPictures());
        name = m_current;
    }
    m_nameLabel->setText(QStringLiteral("Theme [") + m_current + QLatin1Char(']'));
    applyThemeFolder(folderOf(name), folderOf(QStringLiteral("default")), m_state);

    dressButtons(m_host.window, m_state.pictures, m_state.twoPictures);
    m_titleBar->setLook(m_state.titleBar);
    applyFonts();
    storeSectionColors(m_state.sectionColors);
    if (!m_state.problems.isEmpty())
        MessageBox::warning(m_host.window, QStringLiteral("Some lines of the theme \"") + name
                                               + QStringLiteral("\" could not be read and were skipped:\r")
                                               + m_state.problems.join(QLatin1Char('\r')));
    // The benchmark times the start up to the window dressed in its theme.
    if (first && qEnvironmentVariableIsSet("BRIVANE_REPORT_THEMED")) {
        std::fputs("themed\n", stderr);
        std::fflush(stderr);
    }
}

void ThemeController::reapply()
{
    apply(QStringLiteral("default"));
    apply(m_current);
}

void ThemeController::applyFonts()
{
    const ThemeFonts& fonts = m_state.fonts;
    if (auto* title = m_host.topBar->findChild<QLabel*>(QStringLiteral("panel_credit"))) {
        QFont font = themedFont(fonts.title, m_host.window->font());
        font.setBold(true);
        title->setFont(font);
        QPalette palette = title->palette();
        QColor text = colorFromText(fonts.title.color, Qt::black);
        text.setAlpha(m_state.titleBar.titleShown ? 255 : 0);
        palette.setColor(QPalette::WindowText, text);
        title->setPalette(palette);
    }
    QTabBar* bar = m_host.tabs->tabBar();
    bar->setFont(themedFont(fonts.tabs, m_host.window->font()));
    const QString tabStyle = QStringLiteral("QTabBar::tab { padding: 4px 2px; min-width: 0px; height: 20px; }");
    if (bar->styleSheet() != tabStyle)
        bar->setStyleSheet(tabStyle);
    for (const GridName& name : kGrids) {
        const QFont gridFont = themedFont(fonts.grid, m_host.window->font());
        // A font or style change makes the grid measure its rows again: only real changes are made.
        if (auto* grid = m_host.window->findChild<QTableView*>(QLatin1String(name.grid))) {
            if (grid->font() != gridFont) {
                grid->setFont(gridFont);
                grid->verticalHeader()->setDefaultSectionSize(QFontMetrics(gridFont).height() + 6);
            }
        }
        if (name.memo) {
            if (auto* memo = m_host.window->findChild<QWidget*>(QLatin1String(name.memo)); memo && memo->font() != gridFont)
                memo->setFont(gridFont);
        }
    }
    GridStyle style = fonts.gridStyle;
    if (fonts.hasGridStyle)
        m_styleBox->setCurrentIndex(int(style));
    if (auto* picker = m_host.window->findChild<QDateEdit*>(QStringLiteral("DateTimePickerTODAY"))) {
        if (QCalendarWidget* calendar = picker->calendarWidget()) {
            QTextCharFormat header = calendar->headerTextFormat();
            header.setForeground(colorFromText(fonts.tabs.color, Qt::black));
            calendar->setHeaderTextFormat(header);
        }
    }
}

void ThemeController::storeSectionColors(const QStringList& colors)
{
    // Reloading the settings re-runs the Today view and refits the grids:
    // colours the record already holds are only painted again.
    if (m_host.settings().sectionColors == colors) {
        repaintSectionColors();
        return;
    }
    QString error;
    if (!store::SettingsStore(m_host.database()).colourSave(colors, &error)) {
        MessageBox::warning(m_host.window, error);
        return;
    }
    m_host.reloadSettings();
}

void ThemeController::useSectionColors(const QStringList& colors)
{
    m_state.sectionColors = colors;
    writeSectionColors(QDir(folderOf(m_current)).filePath(QStringLiteral("Colors.clr")), colors);
    storeSectionColors(colors);
}

void ThemeController::setGridStyle(GridStyle style)
{
    m_state.fonts.gridStyle = style;
    m_state.fonts.hasGridStyle = true;
    m_styleBox->setCurrentIndex(int(style));
    paintGrids();
}

void ThemeController::previewFonts(const ThemeFonts& fonts)
{
    m_state.fonts.title = fonts.title;
    m_state.fonts.tabs = fonts.tabs;
    applyFonts();
    m_strip->setColors(m_stripColors, colorFromText(fonts.tabs.color, Qt::black));
}

void ThemeController::repaintSectionColors()
{
    const store::SettingsRecord settings = m_host.settings();
    const QStringList& texts = settings.sectionColors;
    const auto section = [&texts](int i) { return colorFromText(texts.value(i), QColor(Qt::lightGray)); };
    const QColor caption = colorFromText(m_state.fonts.tabs.color, Qt::black);

    for (int i = 0; i < m_host.tabs->count(); ++i) {
        if (auto* frame = m_host.tabs->widget(i)->findChild<QObject*>(QStringLiteral("SectionFrame"),
                                                                      Qt::FindDirectChildrenOnly))
            static_cast<SectionFrame*>(frame)->setColor(section(i));
    }
    for (const GridName& name : kGrids) {
        const QColor color = section(name.section);
        if (auto* grid = m_host.window->findChild<QTableView*>(QLatin1String(name.grid))) {
            const QString style =
                QStringLiteral("QHeaderView::section { background-color: %1; color: %2; padding: 2px 4px;"
                               " border: none; border-right: 1px solid %3; border-bottom: 1px solid %3; }")
                    .arg(cssColor(color), cssColor(caption), cssColor(color.darker(130)));
            if (grid->horizontalHeader()->styleSheet() != style)
                grid->horizontalHeader()->setStyleSheet(style);
        }
        if (!name.memo)
            continue;
        if (auto* memo = m_host.window->findChild<QWidget*>(QLatin1String(name.memo))) {
            QPalette palette = memo->palette();
            palette.setColor(QPalette::Base, tint(color, 55));
            palette.setColor(QPalette::Text, caption);
            memo->setPalette(palette);
        }
    }
    const auto paintPanel = [&](const char* name, const QColor& color) {
        if (auto* panel = m_host.window->findChild<QWidget*>(QLatin1String(name))) {
            panel->setAutoFillBackground(true);
            QPalette palette = panel->palette();
            palette.setColor(QPalette::Window, color);
            palette.setColor(QPalette::WindowText, caption);
            panel->setPalette(palette);
        }
    };
    paintPanel("Panel_NoteTitle", section(6));
    paintPanel("Label_Card_Title", section(5));
    if (auto* splitter = m_host.window->findChild<QSplitter*>(QStringLiteral("Splitter_Note"))) {
        const QString style =
            QStringLiteral("QSplitter#Splitter_Note::handle { background-color: %1; }").arg(cssColor(section(6)));
        if (splitter->styleSheet() != style)
            splitter->setStyleSheet(style);
    }

    m_leds = sectionLeds(texts, m_state.fonts.ledBorder, m_state.fonts.ledDefaultColors,
                         QApplication::palette().color(QPalette::Button));
    if (m_host.trayMenu) {
        const QList<QAction*> actions = m_host.trayMenu->actions();
        for (int i = 0; i < 9 && i < actions.size(); ++i)
            actions[i]->setIcon(QIcon(QPixmap::fromImage(m_leds.value(i))));
    }
    if (auto* calendar = m_host.window->findChild<ui::LitCalendar*>()) {
        calendar->setKindColors(agenda::kindColors(texts, m_state.fonts.ledDefaultColors));
        calendar->setKindBorders(m_state.fonts.ledBorder);
    }

    QList<QColor> tabColors;
    for (int i = 0; i < 9; ++i)
        tabColors << section(i);
    m_stripColors = tabColors;
    m_strip->setColors(tabColors, caption);
    const bool allShown = !settings.tabVisible.contains(false);
    if (!allShown)
        m_systemTabs = true;
    m_strip->setFilled(!m_systemTabs);
    updateCurrentSection(m_host.tabs->currentIndex());
}

bool ThemeController::tabStripFilled() const
{
    return m_strip->isFilled();
}

GridPalette ThemeController::gridPalette(GridList list) const
{
    const QStringList texts = m_host.settings().sectionColors;
    const auto section = [&texts](int i) { return colorFromText(texts.value(i), QColor(Qt::lightGray)); };
    GridPalette palette;
    palette.style = m_state.fonts.gridStyle;
    for (const GridName& name : kGrids) {
        if (name.list == list)
            palette.section = section(name.section);
    }
    palette.today = section(4);
    for (int i = 0; i < 4; ++i)
        palette.kinds[i] = section(i);
    palette.gridText = colorFromText(m_state.fonts.grid.color, Qt::black);
    palette.everyDay = colorFromText(m_state.fonts.everyDayColor, Qt::blue);
    palette.deleteAfter = colorFromText(m_state.fonts.deleteAfterColor, Qt::red);
    palette.suspended = colorFromText(m_state.fonts.suspendedColor, Qt::gray);
    palette.titleText = colorFromText(m_state.fonts.tabs.color, Qt::black);
    palette.currentIsButtonFace = m_currentText.trimmed().compare(QLatin1String("clBtnFace"), Qt::CaseInsensitive) == 0;
    palette.ledBorder = m_state.fonts.ledBorder;
    palette.ledDefaultColors = m_state.fonts.ledDefaultColors;
    return palette;
}

void ThemeController::paintGrids()
{
    for (const auto& [list, delegate] : m_delegates) {
        delegate->setPalette(gridPalette(list));
        if (auto* view = qobject_cast<QWidget*>(delegate->parent()))
            view->update();
        if (auto* grid = qobject_cast<QTableView*>(delegate->parent()))
            grid->viewport()->update();
    }
}

void ThemeController::updateCurrentSection(int tab)
{
    const QStringList texts = m_host.settings().sectionColors;
    m_currentText = texts.value(tab);
    m_currentColor = colorFromText(m_currentText, QApplication::palette().color(QPalette::Window));
    static_cast<WindowBackground*>(m_background)->setColor(m_currentColor);
    QPalette bar = m_host.topBar->palette();
    bar.setColor(QPalette::Window, m_currentColor);
    m_host.topBar->setPalette(bar);
    m_host.topBar->setAutoFillBackground(true);
    m_host.tabs->tabBar()->update();
    paintGrids();
    focusChanged(nullptr, QApplication::focusWidget());
}

void ThemeController::focusChanged(QWidget* old, QWidget* now)
{
    const auto isField = [](QWidget* widget) {
        return qobject_cast<QLineEdit*>(widget) || qobject_cast<QComboBox*>(widget)
               || qobject_cast<QAbstractSpinBox*>(widget);
    };
    const auto colour = [](QWidget* widget, const QColor& base, const QColor& text) {
        QPalette palette = widget->palette();
        palette.setColor(QPalette::Base, base);
        palette.setColor(QPalette::Text, text);
        palette.setColor(QPalette::Button, base);
        palette.setColor(QPalette::ButtonText, text);
        widget->setPalette(palette);
    };
    const auto ownField = [this](QWidget* widget) {
        return widget && widget->window() == m_host.window && m_host.window->isAncestorOf(widget);
    };
    if (old && old != now && isField(old) && ownField(old))
        colour(old, Qt::white, Qt::black);
    if (now && isField(now) && ownField(now) && m_currentColor.isValid())
        colour(now, m_currentColor, colorFromText(m_state.fonts.tabs.color, Qt::black));
}

void ThemeController::openChooser()
{
    ThemeChooser chooser(*this, m_host, m_host.window);
    chooser.exec();
    if (chooser.applied()) {
        m_current = chooser.appliedName();
        reapply();
    }
}

void ThemeController::openEditor()
{
    {
        ThemeEditor editor(*this, m_host, m_host.window);
        editor.exec();
    }
    reapply();
}

} // namespace brivane::themes::widgets
