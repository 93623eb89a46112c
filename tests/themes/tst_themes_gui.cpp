#include "platform/widgets/ColorDialog.h"
#include "platform/widgets/FileDialog.h"
#include "platform/widgets/MessageBox.h"
#include "platform/widgets/Sound.h"
#include "platform/widgets/TrayIcon.h"
#include "shell/MainWindow.h"
#include "store/Archive.h"
#include "store/SettingsStore.h"
#include "themes/ColorText.h"
#include "themes/SectionColorsFile.h"
#include "themes/ThemeFolder.h"
#include "themes/ThemeText.h"
#include "themes/widgets/GridDelegate.h"
#include "themes/widgets/SectionTabStrip.h"
#include "themes/widgets/ThemeController.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QSpinBox>
#include <QSqlQuery>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

using namespace brivane;
using platform::MessageBox;
using themes::widgets::ThemeController;

namespace {

class Home
{
public:
    Home() { qputenv("BRIVANE_HOME", m_dir.path().toUtf8()); }
    ~Home() { qunsetenv("BRIVANE_HOME"); }
    QString path() const { return m_dir.path(); }
    QString archiveFolder() const { return m_dir.path() + QStringLiteral("/myarcs"); }
    QString theme(const QString& name) const { return themes::themeFolder(path(), name); }

private:
    QTemporaryDir m_dir;
};

void presetSettings(const Home& home, const QString& assignments)
{
    {
        shell::MainWindow window({});
        QVERIFY(window.create());
    }
    store::Archive archive(QStringLiteral("preset"));
    QVERIFY(archive.open(home.archiveFolder()));
    QSqlQuery query(archive.database());
    QVERIFY2(query.exec(QStringLiteral("UPDATE BRset63 SET ") + assignments), qPrintable(assignments));
}

store::SettingsRecord storedSettings(const Home& home)
{
    store::Archive archive(QStringLiteral("check"));
    store::SettingsRecord record;
    if (archive.openReadOnly(home.archiveFolder()))
        store::SettingsStore(archive.database()).load(record);
    return record;
}

// Starts the window and reveals it, which runs the first show.
void reveal(shell::MainWindow& window)
{
    QVERIFY(window.create());
    Q_EMIT window.tray()->clicked();
    QTRY_VERIFY(!window.isFirstShowPending());
}

// Runs `step` on the modal dialog the next command opens, then closes it.
void onNextDialog(const std::function<void(QDialog*)>& step)
{
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, step] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        timer->stop();
        timer->deleteLater();
        step(dialog);
        if (dialog->isVisible())
            dialog->reject();
    });
    timer->start();
}

template <typename T>
T* child(QObject* parent, const char* name)
{
    T* found = parent->findChild<T*>(QLatin1String(name));
    if (!found)
        qWarning("no control named %s", name);
    return found;
}

void selectTheme(QDialog* chooser, const QString& name)
{
    auto* list = child<QListWidget>(chooser, "ListBox_Temi");
    const auto items = list->findItems(QLatin1Char('[') + name + QLatin1Char(']'), Qt::MatchExactly);
    QVERIFY2(!items.isEmpty(), qPrintable(name));
    list->setCurrentItem(items.first());
}

} // namespace

class TestThemesGui : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        MessageBox::setScripted(true);
        platform::FileDialog::setScripted(true);
        platform::ColorDialog::setScripted(true);
        platform::Sound::setRecording(true);
        platform::TrayIcon::setAvailabilityOverride(true);
    }

    void init()
    {
        MessageBox::clearShown();
        MessageBox::setNextAnswers({});
    }

    void theWindowOpensDressedInTheDefaultTheme()
    {
        Home home;
        shell::MainWindow window({});
        reveal(window);
        QVERIFY(QFile::exists(QDir(home.theme(QStringLiteral("default"))).filePath(QStringLiteral("key.bmp"))));
        QCOMPARE(child<QLabel>(&window, "Label_NomeTema")->text(), QStringLiteral("Theme [default]"));
        for (const char* name : {"SpeedButtonAddToday", "SpeedButtonadShot", "SpeedButtonEXIT", "SpeedButtonGoMap",
                                 "SpeedButtonCheckToDo", "SpeedButtonHintOpzioni"}) {
            auto* button = child<QToolButton>(&window, name);
            QVERIFY2(button && !button->icon().isNull(), name);
            QCOMPARE(button->toolButtonStyle(), Qt::ToolButtonIconOnly);
        }
        // The section colours come from the theme's Colors.clr.
        QCOMPARE(storedSettings(home).sectionColors, themes::builtinSectionColors());
        auto* strip = window.tabs()->tabBar()->findChild<themes::widgets::SectionTabStrip*>();
        QVERIFY(strip->isFilled());
        QCOMPARE(strip->fillOf(4), themes::colorFromText(QStringLiteral("$00CE9D9D")));
        // The current section colour dresses the title bar and the window.
        window.tabs()->setCurrentIndex(shell::MainWindow::TabMonthly);
        QCOMPARE(window.findChild<ThemeController*>()->currentSectionColor(), QColor(0x54, 0xA5, 0x58));
        QCOMPARE(child<QWidget>(&window, "Panel_Top")->palette().color(QPalette::Window), QColor(0x54, 0xA5, 0x58));
        // Each of the eight lists is painted by the grid rules.
        for (const char* grid : {"DBGrid_Shot", "DBGrid_Year", "DBGrid_Month", "DBGrid_Week", "DBGrid_Today",
                                 "DBGrid_Contact", "DBGrid_Note", "DBGrid_ToDo"})
            QVERIFY2(qobject_cast<themes::widgets::GridDelegate*>(child<QTableView>(&window, grid)->itemDelegate()), grid);
    }

    void aHiddenTabLeavesTheStripToTheSystem()
    {
        Home home;
        presetSettings(home, QStringLiteral("TabMonthVisible = 0"));
        shell::MainWindow window({});
        reveal(window);
        auto* strip = window.tabs()->tabBar()->findChild<themes::widgets::SectionTabStrip*>();
        QVERIFY(!strip->isFilled());
        QVERIFY(!strip->fillOf(4).isValid());
    }

    void aChosenThemeIsLayeredOverTheDefault()
    {
        Home home;
        presetSettings(home, QStringLiteral("theme_name = 'green'"));
        // Created after the first start, so the start finds it.
        QDir().mkpath(home.theme(QStringLiteral("green")));
        QVERIFY(themes::writeSectionColors(QDir(home.theme(QStringLiteral("green"))).filePath(QStringLiteral("Colors.clr")),
                                           QStringList(9, QStringLiteral("clGreen"))));
        QStringList fonts = themes::builtinFontsLines();
        fonts[13] = QStringLiteral("not-a-colour");
        QVERIFY(themes::writeThemeLines(QDir(home.theme(QStringLiteral("green"))).filePath(QStringLiteral("Fonts.txt")), fonts));
        QImage wide(200, 40, QImage::Format_RGB32);
        wide.fill(Qt::darkGreen);
        QVERIFY(wide.save(QDir(home.theme(QStringLiteral("green"))).filePath(QStringLiteral("barra_mid.bmp")), "BMP"));

        shell::MainWindow window({});
        reveal(window);
        QCOMPARE(child<QLabel>(&window, "Label_NomeTema")->text(), QStringLiteral("Theme [green]"));
        QCOMPARE(storedSettings(home).sectionColors, QStringList(9, QStringLiteral("clGreen")));
        QCOMPARE(child<QWidget>(&window, "Panel_Top")->height(), 44);
        // The unreadable line is skipped with one warning naming file and line.
        const QStringList texts = MessageBox::shownTexts();
        QCOMPARE(texts.size(), 1);
        QVERIFY2(texts.first().contains(QStringLiteral("Fonts.txt, line 14")), qPrintable(texts.first()));
    }

    void theChooserAppliesImportsAndRefusesDeletes()
    {
        Home home;
        shell::MainWindow window({});
        reveal(window);
        MessageBox::clearShown(); // the archive report of the first start
        auto* change = child<QToolButton>(&window, "SpeedButtonCambiaTema");

        // Importing a folder named "default" asks first; No leaves it alone.
        QTemporaryDir source;
        const QString imported = source.filePath(QStringLiteral("default"));
        QDir().mkpath(imported);
        QVERIFY(themes::writeThemeLines(imported + QStringLiteral("/Fonts.txt"), themes::builtinFontsLines()));
        QVERIFY(themes::writeSectionColors(imported + QStringLiteral("/Colors.clr"), QStringList(9, QStringLiteral("clRed"))));
        platform::FileDialog::setNextNames({imported});
        MessageBox::setNextAnswers({MessageBox::Answer::No});
        onNextDialog([](QDialog* chooser) { child<QToolButton>(chooser, "SpeedButtonImportaTema")->click(); });
        change->click();
        QCOMPARE(MessageBox::shownTexts(), (QStringList{QStringLiteral("Select the folder that contains the new theme."),
                                                        QStringLiteral("Overwrite \"default\"?")}));
        QCOMPARE(themes::readThemeLines(QDir(home.theme(QStringLiteral("default"))).filePath(QStringLiteral("Colors.clr"))),
                 themes::builtinSectionColors());

        // A folder without the two files is refused.
        MessageBox::clearShown();
        platform::FileDialog::setNextNames({source.path()});
        onNextDialog([](QDialog* chooser) { child<QToolButton>(chooser, "SpeedButtonImportaTema")->click(); });
        change->click();
        QCOMPARE(MessageBox::shownTexts().value(1),
                 QStringLiteral("Folder \"") + QDir::toNativeSeparators(source.path())
                     + QStringLiteral("\" does not contain a valid theme!"));

        // A new theme with a sound: imported, then applied with the sound question.
        const QString red = source.filePath(QStringLiteral("red"));
        QDir().mkpath(red);
        QVERIFY(QFile::copy(imported + QStringLiteral("/Fonts.txt"), red + QStringLiteral("/Fonts.txt")));
        QVERIFY(QFile::copy(imported + QStringLiteral("/Colors.clr"), red + QStringLiteral("/Colors.clr")));
        QFile wav(red + QStringLiteral("/Alarm.wav"));
        QVERIFY(wav.open(QIODevice::WriteOnly));
        wav.close();
        MessageBox::clearShown();
        platform::FileDialog::setNextNames({red});
        MessageBox::setNextAnswers({MessageBox::Answer::Yes});
        onNextDialog([](QDialog* chooser) {
            child<QToolButton>(chooser, "SpeedButtonImportaTema")->click();
            selectTheme(chooser, QStringLiteral("red"));
            QVERIFY(!child<QToolButton>(chooser, "SpeedButtonSuonoTema")->isHidden());
            child<QToolButton>(chooser, "SpeedButtonApplica")->click();
        });
        change->click();
        QCOMPARE(MessageBox::shownTexts().value(1), QStringLiteral("Theme \"red\" has been imported!"));
        QCOMPARE(MessageBox::shownTexts().value(2),
                 QStringLiteral("The theme you select contain an alarm sound,\nset this as a default alarm sound?"));
        const store::SettingsRecord stored = storedSettings(home);
        QCOMPARE(stored.themeName, QStringLiteral("red"));
        QCOMPARE(QFileInfo(stored.wavesound), QFileInfo(home.theme(QStringLiteral("red")) + QStringLiteral("/Alarm.wav")));
        QCOMPARE(stored.sectionColors, QStringList(9, QStringLiteral("clRed")));
        QCOMPARE(child<QLabel>(&window, "Label_NomeTema")->text(), QStringLiteral("Theme [red]"));

        // Applying it again asks nothing: its sound is the alarm sound already.
        MessageBox::clearShown();
        onNextDialog([](QDialog* chooser) { child<QToolButton>(chooser, "SpeedButtonApplica")->click(); });
        change->click();
        QCOMPARE(MessageBox::shownTexts(), QStringList());

        // The theme in use and "default" cannot be deleted.
        for (const QString& name : {QStringLiteral("red"), QStringLiteral("default")}) {
            MessageBox::clearShown();
            onNextDialog([name](QDialog* chooser) {
                selectTheme(chooser, name);
                child<QToolButton>(chooser, "SpeedButtonCancellaTema")->click();
            });
            change->click();
            if (name == QLatin1String("red"))
                QCOMPARE(MessageBox::shownTexts(), QStringList{QStringLiteral("I can not delete my default theme!")});
            QVERIFY(QFileInfo::exists(home.theme(name)));
        }
    }

    void theEditorKeepsIndicatorsReadableAndWritesFonts()
    {
        Home home;
        shell::MainWindow window({});
        reveal(window);
        QVERIFY(QFile::remove(QDir(home.theme(QStringLiteral("default"))).filePath(QStringLiteral("Fonts.def"))));
        onNextDialog([](QDialog* editor) {
            QVERIFY(!child<QToolButton>(editor, "SpeedButtonResetFont")->isEnabled());
            QVERIFY(child<QToolButton>(editor, "SpeedButtonResetColori")->isEnabled());
            auto* size = child<QSpinBox>(editor, "SpinEdit_SizeGriglie");
            QCOMPARE(size->value(), 10);
            child<QComboBox>(editor, "ComboBox_Stile_Griglia")->setCurrentIndex(2); // Indicators
            QCOMPARE(size->value(), 12);
            size->setValue(9);
            QCOMPARE(size->value(), 12);
            child<QToolButton>(editor, "SpeedButtonApplicaChiudi")->click();
        });
        child<QToolButton>(&window, "SpeedButtonModificaTema")->click();
        const QStringList lines =
            themes::readThemeLines(QDir(home.theme(QStringLiteral("default"))).filePath(QStringLiteral("Fonts.txt")));
        QCOMPARE(lines.size(), 30);
        QCOMPARE(lines.value(12), QStringLiteral("12"));
        QCOMPARE(lines.value(22), QStringLiteral("indicatori"));
        QCOMPARE(child<QComboBox>(&window, "ComboBox_Stile")->currentText(), QStringLiteral("indicatori"));
        auto* today = qobject_cast<themes::widgets::GridDelegate*>(child<QTableView>(&window, "DBGrid_Today")->itemDelegate());
        QCOMPARE(today->palette().style, themes::GridStyle::Indicatori);

        // A section colour chosen in the editor reaches Colors.clr and the settings at once.
        platform::ColorDialog::setNextColors({QColor(0x11, 0x22, 0x33)});
        onNextDialog([](QDialog* editor) { child<QToolButton>(editor, "SpeedButtonColore5")->click(); });
        child<QToolButton>(&window, "SpeedButtonModificaTema")->click();
        QCOMPARE(themes::readThemeLines(QDir(home.theme(QStringLiteral("default"))).filePath(QStringLiteral("Colors.clr"))).value(4),
                 QStringLiteral("$00332211"));
        QCOMPARE(storedSettings(home).sectionColors.value(4), QStringLiteral("$00332211"));
    }
};

QTEST_MAIN(TestThemesGui)
#include "tst_themes_gui.moc"
