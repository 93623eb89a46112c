#include "themes/BuiltinArt.h"
#include "themes/ButtonPictures.h"
#include "themes/ColorText.h"
#include "themes/FontsFile.h"
#include "themes/GridColors.h"
#include "themes/SectionColorsFile.h"
#include "themes/ThemeFolder.h"
#include "themes/ThemeState.h"
#include "themes/ThemeText.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPalette>
#include <QTemporaryDir>
#include <QTest>

using namespace brivane::themes;

namespace {

QImage solid(int width, int height, QColor color)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(color);
    // The bottom-left pixel is a bitmap's transparent colour.
    image.setPixel(0, height - 1, qRgb(255, 0, 255));
    return image;
}

void putPicture(const QString& folder, const QString& file, const QImage& image)
{
    QDir().mkpath(folder);
    QVERIFY(image.save(QDir(folder).filePath(file), "BMP"));
}

QColor centre(const QImage& image)
{
    return image.pixelColor(image.width() / 4, image.height() / 2);
}

void writeLines(const QString& path, const QStringList& lines)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QVERIFY(writeThemeLines(path, lines));
}

// A program folder with its default theme written, and the state after the
// default layer as the first show leaves it.
struct Program
{
    QTemporaryDir dir;
    ThemeState state = ThemeState::builtin();

    Program()
    {
        prepareThemes(dir.path(), QStringLiteral("default"), builtinButtonPictures());
        applyThemeFolder(theme(QStringLiteral("default")), theme(QStringLiteral("default")), state);
    }
    QString theme(const QString& name) const { return themeFolder(dir.path(), name); }
    void apply(const QString& name)
    {
        applyThemeFolder(theme(QStringLiteral("default")), theme(QStringLiteral("default")), state);
        applyThemeFolder(theme(name), theme(QStringLiteral("default")), state);
    }
};

} // namespace

class TestThemes : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void colourTexts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QColor>("color");
        QTest::addColumn<QString>("written");
        QTest::newRow("hex form") << u"$00A6A6D2"_qs << QColor(210, 166, 166) << u"$00A6A6D2"_qs;
        QTest::newRow("name of blue") << u"clBlue"_qs << QColor(0, 0, 255) << u"clBlue"_qs;
        QTest::newRow("hex of blue writes the name") << u"$00FF0000"_qs << QColor(0, 0, 255) << u"clBlue"_qs;
        QTest::newRow("decimal") << u"255"_qs << QColor(255, 0, 0) << u"clRed"_qs;
        QTest::newRow("money green") << u"clMoneyGreen"_qs << QColor(0xC0, 0xDC, 0xC0) << u"clMoneyGreen"_qs;
        QTest::newRow("suspended default") << u"$004F4F4F"_qs << QColor(0x4F, 0x4F, 0x4F) << u"$004F4F4F"_qs;
    }
    void colourTexts()
    {
        QFETCH(QString, text);
        QFETCH(QColor, color);
        QFETCH(QString, written);
        QVERIFY(isColorText(text));
        QCOMPARE(colorFromText(text), color);
        QCOMPARE(colorToText(color), written);
    }

    void systemColoursFollowTheDesktop()
    {
        const QPalette palette = QGuiApplication::palette();
        QCOMPARE(colorFromText(u"clBtnFace"_qs), palette.color(QPalette::Button));
        QCOMPARE(colorFromText(u"$80000005"_qs), palette.color(QPalette::Base)); // clWindow by number
        QVERIFY(isColorText(u"clBtnFace"_qs));
        QVERIFY(!isColorText(u"clBlu"_qs));
        QVERIFY(!isColorText(QString()));
    }

    void fontsFilesOfEveryAge_data()
    {
        QTest::addColumn<int>("lineCount");
        QTest::addColumn<QString>("suspended");
        QTest::newRow("23 lines, before the suspended colour") << 23 << u"clGray"_qs;
        QTest::newRow("the 26 built-in lines") << 26 << u"$004F4F4F"_qs;
    }
    void fontsFilesOfEveryAge()
    {
        QFETCH(int, lineCount);
        QFETCH(QString, suspended);
        const QStringList lines = completeFontsLines(builtinFontsLines().mid(0, lineCount));
        QCOMPARE(lines.value(27), u"LED (28)"_qs);
        QStringList problems;
        const ThemeFonts fonts = parseFontsLines(lines, u"Fonts.txt"_qs, ThemeFonts(), &problems);
        QCOMPARE(problems, QStringList());
        QCOMPARE(fonts.suspendedColor, suspended);
        QVERIFY(fonts.ledBorder);
        QVERIFY(fonts.ledDefaultColors);
        QCOMPARE(fonts.title.family, u"Arial"_qs);
        QCOMPARE(fonts.grid.pointSize, 10);
        QVERIFY(fonts.hasGridStyle);
        QCOMPARE(fonts.gridStyle, GridStyle::Colorate);
    }

    void fontsLinesAreReadByPosition()
    {
        ThemeFonts written;
        written.grid = {u"DejaVu Sans"_qs, 12, u"$00112233"_qs};
        written.gridStyle = GridStyle::Indicatori;
        written.ledBorder = false;
        written.ledDefaultColors = false;
        QStringList lines = fontsLines(written);
        QCOMPARE(lines.size(), 30);
        lines[21] = u"COLORATE  (22)"_qs; // headers are never read
        const ThemeFonts read = parseFontsLines(completeFontsLines(lines), u"Fonts.txt"_qs, ThemeFonts(), nullptr);
        QCOMPARE(read.grid.family, u"DejaVu Sans"_qs);
        QCOMPARE(read.grid.pointSize, 12);
        QCOMPARE(read.grid.color, u"$00112233"_qs);
        QCOMPARE(read.gridStyle, GridStyle::Indicatori);
        QVERIFY(!read.ledBorder);
        QVERIFY(!read.ledDefaultColors);

        // Only the exact words switch the options off; a bad size falls back.
        lines[28] = u"Noborder"_qs;
        lines[12] = u"abc"_qs;
        lines[22] = u"bright"_qs;
        ThemeFonts base;
        base.gridStyle = GridStyle::Coloratissime;
        const ThemeFonts odd = parseFontsLines(lines, u"Fonts.txt"_qs, base, nullptr);
        QVERIFY(odd.ledBorder);
        QCOMPARE(odd.grid.pointSize, 9);
        QVERIFY(!odd.hasGridStyle);
        QCOMPARE(odd.gridStyle, GridStyle::Coloratissime);
    }

    void aBadColourLineKeepsThePreviousColour()
    {
        QStringList lines = completeFontsLines(builtinFontsLines());
        lines[13] = u"clBlu"_qs;
        ThemeFonts base;
        base.grid.color = u"clNavy"_qs;
        QStringList problems;
        const ThemeFonts fonts = parseFontsLines(lines, u"Fonts.txt"_qs, base, &problems);
        QCOMPARE(fonts.grid.color, u"clNavy"_qs);
        QCOMPARE(fonts.everyDayColor, u"clBlue"_qs); // later lines are still read
        QCOMPARE(problems.size(), 1);
        QVERIFY2(problems.first().startsWith(u"Fonts.txt, line 14"_qs), qPrintable(problems.first()));

        QTemporaryDir dir;
        const QString path = dir.filePath(u"Colors.clr"_qs);
        QStringList colors = builtinSectionColors();
        colors[2] = u"green-ish"_qs;
        writeLines(path, colors);
        QStringList current = builtinSectionColors();
        current[2] = u"clLime"_qs;
        problems.clear();
        const QStringList read = readSectionColors(path, current, &problems);
        QCOMPARE(read.value(2), u"clLime"_qs);
        QCOMPARE(read.value(3), builtinSectionColors().value(3));
        QCOMPARE(problems.size(), 1);
        QVERIFY(problems.first().startsWith(u"Colors.clr, line 3"_qs));
    }

    void themeFilesUseCrLfAndReadAnyLineEnd()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"Fonts.txt"_qs);
        QVERIFY(writeThemeLines(path, {u"a"_qs, QString(), u"c"_qs}));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("a\r\n\r\nc\r\n"));
        file.close();
        for (const QByteArray& bytes : {QByteArray("a\n\nc"), QByteArray("a\r\rc\r")}) {
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(bytes);
            file.close();
            QCOMPARE(readThemeLines(path), (QStringList{u"a"_qs, QString(), u"c"_qs}));
        }
    }

    void defaultThemeIsWrittenAndRebuiltWhenItsMarkerIsMissing()
    {
        QTemporaryDir dir;
        const QString folder = themeFolder(dir.path(), u"default"_qs);
        QCOMPARE(prepareThemes(dir.path(), u"gone"_qs, builtinButtonPictures()), u"default"_qs);
        for (const char* file : {"Fonts.txt", "Fonts.def", "Colors.clr", "Colors.def", "preview.bmp", "key.bmp",
                                 "bo_kill.bmp", "date_cal.bmp", "contact_map.bmp", "note_find.bmp", "todo_chk.bmp",
                                 "help_hint.bmp", "invert.bmp", "date_dup.bmp"})
            QVERIFY2(QFile::exists(QDir(folder).filePath(QLatin1String(file))), file);
        QCOMPARE(readThemeLines(QDir(folder).filePath(u"Fonts.txt"_qs)), builtinFontsLines());
        QCOMPARE(QImage(QDir(folder).filePath(u"help_hint.bmp"_qs)).size(), QSize(64, 32));
        QCOMPARE(QImage(QDir(folder).filePath(u"preview.bmp"_qs)).size(), QSize(372, 255));

        QVERIFY(QFile::remove(QDir(folder).filePath(u"key.bmp"_qs)));
        QVERIFY(QFile::remove(QDir(folder).filePath(u"Fonts.txt"_qs)));
        QDir().mkpath(themeFolder(dir.path(), u"mine"_qs));
        QCOMPARE(prepareThemes(dir.path(), u"mine"_qs, builtinButtonPictures()), u"mine"_qs);
        QVERIFY(QFile::exists(QDir(folder).filePath(u"key.bmp"_qs)));
        QVERIFY(QFile::exists(QDir(folder).filePath(u"Fonts.txt"_qs)));
    }

    void aFinerFileOverridesTheGroupFileForItsButton()
    {
        Program program;
        const ButtonPictures defaults = program.state.pictures;
        putPicture(program.theme(u"onlyday"_qs), u"day_add.bmp"_qs, solid(64, 32, Qt::red));
        program.apply(u"onlyday"_qs);
        QCOMPARE(centre(program.state.pictures.picture(u"day.add"_qs)), QColor(Qt::red));
        for (const QString& role : ButtonPictures::roles()) {
            if (role != QLatin1String("day.add"))
                QVERIFY2(program.state.pictures.picture(role) == defaults.picture(role), qPrintable(role));
        }

        putPicture(program.theme(u"groups"_qs), u"add.bmp"_qs, solid(64, 32, Qt::blue));
        putPicture(program.theme(u"groups"_qs), u"year_add.bmp"_qs, solid(64, 32, Qt::green));
        program.apply(u"groups"_qs);
        for (const char* role : {"today.add", "day.add", "month.add", "week.add", "contact.add", "note.add", "todo.add"})
            QCOMPARE(centre(program.state.pictures.picture(QLatin1String(role))), QColor(Qt::blue));
        QCOMPARE(centre(program.state.pictures.picture(u"year.add"_qs)), QColor(Qt::green));
        // The default layer is applied first again, so the earlier theme has left no trace.
        QVERIFY(centre(program.state.pictures.picture(u"day.del"_qs)) != QColor(Qt::red));
    }

    void copiesFollowTheTodayButtons()
    {
        Program program;
        putPicture(program.theme(u"t"_qs), u"date_mod.bmp"_qs, solid(64, 32, Qt::yellow));
        putPicture(program.theme(u"t"_qs), u"help_hint.bmp"_qs, solid(64, 32, Qt::cyan));
        putPicture(program.theme(u"t"_qs), u"exp.bmp"_qs, solid(64, 32, Qt::darkRed));
        program.apply(u"t"_qs);
        for (const char* role : {"today.mod", "day.mod", "year.mod", "month.mod", "week.mod"})
            QCOMPARE(centre(program.state.pictures.picture(QLatin1String(role))), QColor(Qt::yellow));
        QVERIFY(centre(program.state.pictures.picture(u"contact.mod"_qs)) != QColor(Qt::yellow));
        for (const char* role : {"today.hint", "day.hint", "contact.hint", "option.hint"})
            QCOMPARE(centre(program.state.pictures.picture(QLatin1String(role))), QColor(Qt::cyan));
        for (const char* role : {"contact.exp", "today.exp", "note.exp", "todo.exp"})
            QCOMPARE(centre(program.state.pictures.picture(QLatin1String(role))), QColor(Qt::darkRed));
    }

    void unreadableOrHugePicturesAreSkipped()
    {
        Program program;
        const QImage before = program.state.pictures.picture(u"day.add"_qs);
        QDir().mkpath(program.theme(u"broken"_qs));
        QFile garbage(QDir(program.theme(u"broken"_qs)).filePath(u"day_add.bmp"_qs));
        QVERIFY(garbage.open(QIODevice::WriteOnly));
        garbage.write("not a bitmap at all");
        garbage.close();
        // A bitmap header that claims 60000 x 60000 pixels.
        QByteArray huge(54, '\0');
        huge[0] = 'B';
        huge[1] = 'M';
        const auto put32 = [&huge](int at, quint32 value) {
            for (int i = 0; i < 4; ++i)
                huge[at + i] = char((value >> (8 * i)) & 0xFF);
        };
        put32(10, 54);
        put32(14, 40);
        put32(18, 60000);
        put32(22, 60000);
        huge[26] = 1;
        huge[28] = 24;
        QFile big(QDir(program.theme(u"broken"_qs)).filePath(u"day_del.bmp"_qs));
        QVERIFY(big.open(QIODevice::WriteOnly));
        big.write(huge);
        big.close();
        const QImage beforeDelete = program.state.pictures.picture(u"day.del"_qs);
        program.apply(u"broken"_qs);
        QCOMPARE(program.state.pictures.picture(u"day.add"_qs), before);
        QCOMPARE(program.state.pictures.picture(u"day.del"_qs), beforeDelete);
    }

    void titleBarPictures_data()
    {
        QTest::addColumn<int>("middleHeight");
        QTest::addColumn<int>("barHeight");
        QTest::newRow("no picture") << 0 << 30;
        QTest::newRow("20 high") << 20 << 30;
        QTest::newRow("30 high") << 30 << 30;
        QTest::newRow("31 high") << 31 << 35;
        QTest::newRow("40 high") << 40 << 44;
    }
    void titleBarPictures()
    {
        QFETCH(int, middleHeight);
        QFETCH(int, barHeight);
        Program program;
        if (middleHeight > 0)
            putPicture(program.theme(u"bar"_qs), u"barra_mid.bmp"_qs, solid(200, middleHeight, Qt::gray));
        QDir().mkpath(program.theme(u"bar"_qs));
        program.apply(u"bar"_qs);
        QCOMPARE(program.state.titleBar.height(), barHeight);
        QVERIFY(program.state.titleBar.sidesShown);
        QVERIFY(program.state.titleBar.titleShown);
    }

    void aWideMiddlePictureHidesTheSidesUntilAnotherTheme()
    {
        Program program;
        putPicture(program.theme(u"wide"_qs), u"barra_mid_x.bmp"_qs, solid(800, 28, Qt::darkBlue));
        putPicture(program.theme(u"wide"_qs), u"barra_mid_f.bmp"_qs, solid(300, 28, Qt::darkGreen));
        putPicture(program.theme(u"plain"_qs), u"barra_sx_s.bmp"_qs, solid(20, 20, Qt::darkGreen));
        program.apply(u"wide"_qs);
        QVERIFY(!program.state.titleBar.sidesShown);
        QVERIFY(!program.state.titleBar.titleShown);
        QCOMPARE(program.state.titleBar.middle.picture.width(), 800);
        program.apply(u"plain"_qs);
        QVERIFY(program.state.titleBar.sidesShown);
        QVERIFY(program.state.titleBar.titleShown);
        QVERIFY(program.state.titleBar.middle.picture.isNull());
        QVERIFY(program.state.titleBar.left.stretched);
    }

    void pictureCountFollowsTheTodayHint_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<bool>("two");
        QTest::newRow("32 wide: one picture") << 32 << false;
        QTest::newRow("38 wide: one picture") << 38 << false;
        QTest::newRow("39 wide: two pictures") << 39 << true;
        QTest::newRow("64 wide: two pictures") << 64 << true;
    }
    void pictureCountFollowsTheTodayHint()
    {
        QFETCH(int, width);
        QFETCH(bool, two);
        Program program;
        QVERIFY(program.state.twoPictures); // the built-in glyphs come in pairs
        putPicture(program.theme(u"count"_qs), u"help_hint.bmp"_qs, solid(width, 32, Qt::magenta));
        program.apply(u"count"_qs);
        QCOMPARE(program.state.twoPictures, two);
    }

    void missingFilesOfAThemeAreWrittenFirst()
    {
        Program program;
        QDir().mkpath(program.theme(u"bare"_qs));
        writeLines(QDir(program.theme(u"bare"_qs)).filePath(u"Colors.clr"_qs),
                   QStringList(9, u"clTeal"_qs));
        program.apply(u"bare"_qs);
        const QDir bare(program.theme(u"bare"_qs));
        QCOMPARE(readThemeLines(bare.filePath(u"Fonts.txt"_qs)), builtinFontsLines());
        QCOMPARE(readThemeLines(bare.filePath(u"Fonts.def"_qs)), builtinFontsLines());
        QCOMPARE(readThemeLines(bare.filePath(u"Colors.def"_qs)), QStringList(9, u"clTeal"_qs));
        QCOMPARE(program.state.sectionColors, QStringList(9, u"clTeal"_qs));
        // An existing .def file is never overwritten.
        writeLines(bare.filePath(u"Colors.clr"_qs), QStringList(9, u"clNavy"_qs));
        program.apply(u"bare"_qs);
        QCOMPARE(readThemeLines(bare.filePath(u"Colors.def"_qs)), QStringList(9, u"clTeal"_qs));
    }

    void deletingStaysInsideTheThemesFolder()
    {
        Program program;
        QTemporaryDir outside;
        QFile keep(outside.filePath(u"keep.txt"_qs));
        QVERIFY(keep.open(QIODevice::WriteOnly));
        keep.close();
        QVERIFY(QFile::link(outside.path(), program.theme(u"link"_qs)));
        QDir().mkpath(program.theme(u"old"_qs));

        for (const QString& name : {QString(), u".."_qs, u"default"_qs, u"old/../.."_qs, u"../myarcs"_qs})
            QVERIFY2(!deleteTheme(program.dir.path(), name), qPrintable(name));
        QVERIFY(QFileInfo::exists(program.theme(u"default"_qs)));

        QVERIFY(deleteTheme(program.dir.path(), u"link"_qs));
        QVERIFY(QFile::exists(outside.filePath(u"keep.txt"_qs))); // the link goes, never what it points to
        QVERIFY(deleteTheme(program.dir.path(), u"old"_qs));
        QVERIFY(!QFileInfo::exists(program.theme(u"old"_qs)));
    }

    void importingCopiesPlainFilesOnly()
    {
        Program program;
        QTemporaryDir source;
        QTemporaryDir secret;
        writeLines(source.filePath(u"Fonts.txt"_qs), builtinFontsLines());
        writeLines(source.filePath(u"Colors.clr"_qs), builtinSectionColors());
        writeLines(secret.filePath(u"private.txt"_qs), {u"secret"_qs});
        QVERIFY(QFile::link(secret.filePath(u"private.txt"_qs), source.filePath(u"alarm.wav"_qs)));
        QVERIFY(isValidThemeFolder(source.path()));
        const QStringList failed = importTheme(source.path(), program.dir.path(), u"new"_qs);
        QCOMPARE(failed, QStringList{u"alarm.wav"_qs});
        QVERIFY(QFile::exists(QDir(program.theme(u"new"_qs)).filePath(u"Fonts.txt"_qs)));
        QVERIFY(!QFileInfo::exists(QDir(program.theme(u"new"_qs)).filePath(u"alarm.wav"_qs)));
        QVERIFY(!isValidThemeFolder(secret.path()));
    }

    void gridColours_data()
    {
        QTest::addColumn<int>("list");
        QTest::addColumn<int>("style");
        QTest::addColumn<QString>("flag");
        QTest::addColumn<int>("record");
        QTest::addColumn<bool>("selected");
        QTest::addColumn<QString>("dayofweek");
        QTest::addColumn<bool>("suspended");
        QTest::addColumn<bool>("buttonFace");
        QTest::addColumn<QColor>("background");
        QTest::addColumn<QColor>("text");
        QTest::addColumn<bool>("bar");

        const int shot = int(GridList::OneShot), today = int(GridList::Today), contacts = int(GridList::Contacts);
        const int classic = int(GridStyle::Colorate), colored = int(GridStyle::Coloratissime),
                  indicators = int(GridStyle::Indicatori);
        const QColor odd(0xF4, 0xF4, 0xF4), white(Qt::white), black(Qt::black);
        const QColor oneShot(210, 166, 166), weekly(0x07, 0x8F, 0xBC);
        // tint 80 of (210,166,166): 210+80*45/100=246, 166+80*89/100=237; tint 70: 241, 228.
        QTest::newRow("list, coloratissime, first row") << shot << colored << u"O"_qs << 1 << false << u"N"_qs << false << false << QColor(246, 237, 237) << black << false;
        QTest::newRow("list, coloratissime, second row") << shot << colored << u"O"_qs << 2 << false << u"N"_qs << false << false << QColor(241, 228, 228) << black << false;
        QTest::newRow("list, colorate, odd") << shot << classic << u"O"_qs << 1 << false << u"N"_qs << false << false << odd << black << false;
        QTest::newRow("list, colorate, even") << shot << classic << u"O"_qs << 2 << false << u"N"_qs << false << false << white << black << false;
        QTest::newRow("list, button face keeps the grid's rows") << contacts << classic << QString() << 1 << false << QString() << false << true << QColor() << black << false;
        QTest::newRow("list, selected") << shot << indicators << u"O"_qs << 3 << true << u"N"_qs << false << false << oneShot << QColor(Qt::darkBlue) << false;
        QTest::newRow("list, every day") << shot << classic << u"O"_qs << 1 << false << u"T"_qs << false << false << odd << QColor(Qt::blue) << false;
        QTest::newRow("list, delete after") << shot << classic << u"O"_qs << 1 << false << u"X"_qs << false << false << odd << QColor(Qt::red) << false;
        QTest::newRow("list, every day and suspended") << shot << classic << u"O"_qs << 1 << false << u"T"_qs << true << false << odd << QColor(Qt::gray) << false;
        QTest::newRow("contacts have no status colours") << contacts << classic << QString() << 1 << false << u"X"_qs << true << false << odd << black << false;
        QTest::newRow("today, colorate") << today << classic << u"W"_qs << 2 << false << u"N"_qs << false << false << white << black << false;
        QTest::newRow("today, colorate, selected weekly") << today << classic << u"W"_qs << 2 << true << u"N"_qs << false << false << weekly << QColor(Qt::darkBlue) << false;
        QTest::newRow("today, coloratissime, weekly") << today << colored << u"W"_qs << 1 << false << u"N"_qs << false << false << tint(weekly, 80) << black << false;
        QTest::newRow("today, coloratissime, no kind") << today << colored << u"?"_qs << 2 << false << u"N"_qs << false << false << tint(QColor(0x9D, 0x9D, 0xCE), 70) << black << false;
        QTest::newRow("today, indicators, bar") << today << indicators << u"Y"_qs << 1 << false << u"T"_qs << false << false << odd << QColor(Qt::blue) << true;
        QTest::newRow("today, indicators, selected") << today << indicators << u"Y"_qs << 1 << true << u"N"_qs << false << false << QColor(0x9D, 0x9D, 0xCE) << QColor(Qt::darkBlue) << true;
    }
    void gridColours()
    {
        QFETCH(int, list);
        QFETCH(int, style);
        QFETCH(QString, flag);
        QFETCH(int, record);
        QFETCH(bool, selected);
        QFETCH(QString, dayofweek);
        QFETCH(bool, suspended);
        QFETCH(bool, buttonFace);
        QFETCH(QColor, background);
        QFETCH(QColor, text);
        QFETCH(bool, bar);

        GridPalette palette;
        palette.style = GridStyle(style);
        const QStringList colors = builtinSectionColors();
        palette.today = colorFromText(colors.at(4));
        for (int i = 0; i < 4; ++i)
            palette.kinds[i] = colorFromText(colors.at(i));
        palette.section = GridList(list) == GridList::Contacts ? colorFromText(colors.at(5)) : palette.kinds[0];
        palette.titleText = Qt::darkBlue;
        palette.currentIsButtonFace = buttonFace;
        RowFacts row;
        row.recordNumber = record;
        row.selected = selected;
        row.flag = flag;
        row.dayofweek = dayofweek;
        row.suspended = suspended;
        const CellLook look = cellLook(GridList(list), palette, row, true);
        QCOMPARE(look.background, background);
        QCOMPARE(look.text, text);
        QCOMPARE(look.kindBar, bar);
    }

    void kindBarAndStrikeThrough()
    {
        GridPalette palette;
        palette.style = GridStyle::Indicatori;
        palette.kinds[3] = QColor(Qt::darkCyan);
        palette.today = Qt::gray;
        RowFacts row;
        row.flag = u"W"_qs;
        row.done = true;
        palette.ledDefaultColors = true;
        palette.ledBorder = true;
        CellLook look = cellLook(GridList::Today, palette, row, true);
        QCOMPARE(look.barFill, builtinKindColor(u"W"_qs));
        QCOMPARE(look.barOutline, QColor(Qt::black));
        palette.ledDefaultColors = false;
        palette.ledBorder = false;
        look = cellLook(GridList::Today, palette, row, true);
        QCOMPARE(look.barFill, QColor(Qt::darkCyan));
        QCOMPARE(look.barOutline, QColor(Qt::darkCyan));
        QVERIFY(!cellLook(GridList::Today, palette, row, false).kindBar);
        // A weekly task done for the viewed date is struck through in every style.
        for (GridStyle style : {GridStyle::Colorate, GridStyle::Coloratissime, GridStyle::Indicatori}) {
            palette.style = style;
            QVERIFY(cellLook(GridList::Today, palette, row, false).strikeOut);
        }
        // A to-do item is struck through only when checked.
        QVERIFY(cellLook(GridList::ToDo, palette, row, false).strikeOut);
        row.done = false;
        QVERIFY(!cellLook(GridList::ToDo, palette, row, false).strikeOut);
    }
};

// System colours and the drawn preview need the desktop palette and fonts.
QTEST_MAIN(TestThemes)
#include "tst_themes.moc"
