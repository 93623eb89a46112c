#include "agenda/TaskEntry.h"
#include "agenda/TaskWriter.h"
#include "documents/ReportLayout.h"
#include "documents/ReportPainter.h"
#include "documents/Reports.h"
#include "platform/widgets/FileDialog.h"
#include "platform/widgets/MessageBox.h"
#include "platform/widgets/PrintDialogs.h"
#include "platform/widgets/TrayIcon.h"
#include "shell/MainWindow.h"
#include "store/Archive.h"
#include "store/Schema.h"
#include "support/MockClock.h"

#include <QAbstractButton>
#include <QDateEdit>
#include <QFile>
#include <QFontMetricsF>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QSqlField>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace brivane;
using namespace brivane::documents;
using namespace Qt::StringLiterals;
using platform::MessageBox;

namespace {

QSqlRecord task(const QString& description, const QString& note = {})
{
    QSqlRecord row;
    for (const QString& name : {u"orario"_s, u"orario2"_s, u"id"_s, u"note"_s})
        row.append(QSqlField(name, QMetaType(QMetaType::QString)));
    row.setValue(u"orario"_s, u"09:00"_s);
    row.setValue(u"orario2"_s, u"  :  "_s);
    row.setValue(u"id"_s, description);
    row.setValue(u"note"_s, note);
    return row;
}

QList<QSqlRecord> contacts(int count)
{
    QList<QSqlRecord> rows;
    for (int i = 0; i < count; ++i) {
        QSqlRecord row;
        for (const QString& name : {u"ragsoc"_s, u"tel"_s, u"indirizzo"_s})
            row.append(QSqlField(name, QMetaType(QMetaType::QString)));
        row.setValue(u"ragsoc"_s, u"Contact %1"_s.arg(i, 4, 10, QLatin1Char('0')));
        row.setValue(u"tel"_s, u"555 %1"_s.arg(i));
        row.setValue(u"indirizzo"_s, u"%1 Long Street\nSome Town"_s.arg(i));
        rows << row;
    }
    return rows;
}

QList<const ReportItem*> items(const ReportPage& page, ReportItem::Role role)
{
    QList<const ReportItem*> found;
    for (const ReportItem& item : page.items)
        if (item.role == role)
            found << &item;
    return found;
}

QStringList captionTexts(const ReportPage& page)
{
    QStringList texts;
    for (const ReportItem* item : items(page, ReportItem::Role::Caption))
        texts << item->lines.join(u' ');
    return texts;
}

// The text of a PDF as pdftotext reads it, or a null text when it cannot.
QString pdfText(const QString& pdf)
{
    QProcess process;
    process.start(u"pdftotext"_s, {u"-layout"_s, pdf, u"-"_s});
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

// A program folder with an archive of contacts and tasks for the window tests.
class Fixture
{
public:
    Fixture()
    {
        qputenv("BRIVANE_HOME", m_dir.path().toUtf8());
        const QString folder = m_dir.path() + u"/myarcs"_s;
        store::Archive archive(u"fixture"_s);
        archive.open(folder);
        store::SchemaResult result;
        store::Schema(archive.database(), folder, m_dir.path()).createAndUpgrade(result);
        QSqlQuery insert(archive.database());
        insert.prepare(u"INSERT INTO BRcon63 (ragsoc, tel) VALUES (?, ?)"_s);
        for (const auto& [name, tel] : {std::pair{u"Rossi Mario"_s, u"111"_s},
                                        {u"Bianchi Anna"_s, u"222"_s},
                                        {u"Rossetti Luca"_s, u"333"_s},
                                        {u"Verdi Carla"_s, u"444"_s}}) {
            insert.addBindValue(name);
            insert.addBindValue(tel);
            if (!insert.exec())
                qFatal("contact insert failed");
        }
        agenda::TaskEntry entry;
        entry.kind = agenda::TaskKind::OneShot;
        entry.workingDate = entry.expiry = QDate(2012, 3, 5);
        entry.from = u"09:00"_s;
        entry.to = u"  :  "_s;
        entry.description = u"Dentist, upstairs"_s;
        entry.note = u"bring\nthe card"_s;
        agenda::TaskWriter::insert(archive.database(), entry, entry.workingDate);
    }
    ~Fixture() { qunsetenv("BRIVANE_HOME"); }
    QString path(const QString& name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
};

template <typename T> T* child(QWidget* window, const QString& name)
{
    T* found = window->findChild<T*>(name);
    if (!found)
        qFatal("no control named %s", qPrintable(name));
    return found;
}

// Presses a Print button and picks an entry of the print menu it pops up.
void printFrom(QWidget* window, const QString& button, const QString& entry)
{
    auto* print = child<QAbstractButton>(window, button);
    QVERIFY2(print->isVisibleTo(window) && print->isEnabled(), qPrintable(button));
    print->click();
    auto* menu = print->findChild<QMenu*>(u"PopupMenuPrint"_s);
    QVERIFY(menu);
    auto* action = menu->findChild<QAction*>(u"MenuItem_"_s + entry);
    QVERIFY2(action, qPrintable(entry));
    action->trigger();
}

} // namespace

class ReportsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        MessageBox::setScripted(true);
        platform::FileDialog::setScripted(true);
        platform::PrintDialogs::setScripted(true);
        platform::TrayIcon::setAvailabilityOverride(true);
    }
    void init()
    {
        MessageBox::clearShown();
        platform::PrintDialogs::clearRequests();
    }

    void emptyDayHasATitleAndNoDetail()
    {
        const ReportLayout layout = layoutReport(todayReport({}, QDate(2012, 3, 5)), a4PageSize(true));
        QCOMPARE(layout.pages.size(), 1);
        const ReportPage& page = layout.pages.first();
        QVERIFY(page.rows.isEmpty());
        QVERIFY(items(page, ReportItem::Role::Detail).isEmpty());
        const QStringList captions = captionTexts(page);
        QCOMPARE(captions.at(captions.indexOf(u"Entries:"_s) + 1), u"0"_s);
        QCOMPARE(items(page, ReportItem::Role::Title).first()->lines, QStringList{u"  Daily Plan  "_s});
        QCOMPARE(items(page, ReportItem::Role::DateLabel).first()->lines,
                 QStringList{u" Monday 5 March 2012 "_s});
        QCOMPARE(page.footer, u"Page: 1"_s);
        QCOMPARE(items(page, ReportItem::Role::Header).size(), 4);
    }

    // Long texts wrap inside their columns, word for word, and a row taller
    // than a page goes on over the next pages without losing a line.
    void longTextsWrapWithinTheirColumns_data()
    {
        QTest::addColumn<int>("words");
        QTest::addColumn<int>("noteLines");
        QTest::newRow("long description") << 120 << 1;
        QTest::newRow("note longer than a page") << 5 << 120;
    }
    void longTextsWrapWithinTheirColumns()
    {
        QFETCH(int, words);
        QFETCH(int, noteLines);
        QStringList description;
        for (int i = 0; i < words; ++i)
            description << u"word%1"_s.arg(i);
        QStringList note;
        for (int i = 0; i < noteLines; ++i)
            note << u"line %1"_s.arg(i);
        const ReportData data =
            todayReport({task(u"first"_s), task(description.join(u' '), note.join(u'\n')), task(u"last"_s)},
                        QDate(2012, 3, 5));
        const ReportLayout layout = layoutReport(data, a4PageSize(true));
        QStringList descriptionLines;
        QStringList noteLinesPrinted;
        QList<int> rowsStarted;
        for (const ReportPage& page : layout.pages) {
            rowsStarted += page.rows;
            for (const ReportItem* item : items(page, ReportItem::Role::Detail)) {
                QVERIFY(item->rect.bottom() <= a4PageSize(true).height() - kReportMargin);
                for (const QString& line : item->lines)
                    QVERIFY2(QFontMetricsF(item->font).horizontalAdvance(line) <= item->rect.width(),
                             qPrintable(line));
                if (item->row == 1 && item->column == 2)
                    descriptionLines += item->lines;
                if (item->row == 1 && item->column == 3)
                    noteLinesPrinted += item->lines;
            }
        }
        QCOMPARE(rowsStarted, (QList<int>{0, 1, 2}));
        QCOMPARE(descriptionLines.join(u' '), description.join(u' '));
        QCOMPARE(noteLinesPrinted, note);
        if (words > 20)
            QVERIFY(descriptionLines.size() > 1);
        if (noteLines > 100)
            QVERIFY(layout.pages.size() >= 2);
    }

    void unfilteredContactsShowTuttiOnEveryPage()
    {
        const ReportLayout layout = layoutReport(contactsReport(contacts(150), {}), a4PageSize(true));
        QVERIFY(layout.pages.size() > 2);
        QList<int> rows;
        for (int i = 0; i < layout.pages.size(); ++i) {
            const ReportPage& page = layout.pages[i];
            QCOMPARE(page.footer, u"Page: %1     Group: Tutti"_s.arg(i + 1));
            QCOMPARE(items(page, ReportItem::Role::Header).first()->lines, QStringList{u"Name"_s});
            QVERIFY(!page.rows.isEmpty());
            rows += page.rows;
        }
        QVERIFY(captionTexts(layout.pages.first()).contains(u"Tutti"_s));
        QVERIFY(captionTexts(layout.pages.at(1)).isEmpty()); // the title band is on the first page only
        QCOMPARE(rows.size(), 150);
        for (int i = 0; i < rows.size(); ++i)
            QCOMPARE(rows[i], i);
    }

    // One PDF read back: its text, and its first page as a picture.
    void pdfReadsBack()
    {
        if (QStandardPaths::findExecutable(u"pdftotext"_s).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        QTemporaryDir dir;
        const QString pdf = dir.filePath(u"contacts.pdf"_s);
        ReportData data = contactsReport(contacts(60), u"Friends"_s);
        data.definition.printedAt = QDateTime(QDate(2012, 3, 5), QTime(10, 30));
        data.definition.sectionColor = QColor(0xC0, 0xE0, 0xFF);
        QString error;
        QVERIFY2(writeReportPdf(data, pdf, &error), qPrintable(error));
        const QString text = pdfText(pdf);
        for (const QString& expected :
             {u"Contacts"_s, u"Entries:"_s, u"60"_s, u"Contact 0000"_s, u"Contact 0059"_s, u"Page: 2"_s,
              u"Group: Friends"_s, u"Monday 5 March 2012"_s})
            QVERIFY2(text.contains(expected), qPrintable(expected + u" missing in:\n"_s + text));
        const QString png = qEnvironmentVariable("BRIVANE_REPORT_PNG", dir.filePath(u"page"_s));
        QCOMPARE(QProcess::execute(u"pdftoppm"_s, {u"-png"_s, u"-r"_s, u"60"_s, u"-f"_s, u"1"_s, u"-l"_s,
                                                   u"1"_s, u"-singlefile"_s, pdf, png}),
                 0);
        const QImage page(png + u".png"_s);
        QVERIFY(!page.isNull());
        QVERIFY(page.width() > page.height()); // landscape
        QCOMPARE(page.pixelColor(page.width() * 6 / 10, 30),
                 QColor(0xC0, 0xE0, 0xFF)); // the title box colour
    }

    // The window's wiring: the contact list filtered by a search prints only
    // the contacts found; the Today export and the Documents page write
    // their files; a file that cannot be written is named, and the viewed
    // date comes back all the same.
    void mainWindowPrintsAndProducesWhatTheListsShow()
    {
        if (QStandardPaths::findExecutable(u"pdftotext"_s).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        test::MockClock clock(QDateTime(QDate(2012, 3, 5), QTime(10, 0)));
        Fixture fixture;
        shell::MainWindow window({});
        QVERIFY(window.create());
        window.tabs()->setCurrentIndex(shell::MainWindow::TabContacts);
        auto* search = child<QLineEdit>(&window, u"Edit_ragsoc"_s);
        search->setText(u"ross"_s);
        QTest::keyClick(search, Qt::Key_Return);
        QTRY_COMPARE(window.findChild<QWidget*>(u"SpeedButtonPrint_Contact"_s)->isEnabled(), true);

        const QString preview = fixture.path(u"preview.pdf"_s);
        platform::PrintDialogs::setOutputFile(preview);
        printFrom(&window, u"SpeedButtonPrint_Contact"_s, u"Preview"_s);
        QCOMPARE(platform::PrintDialogs::requests(), QStringList{u"Preview"_s});
        const QString text = pdfText(preview);
        QVERIFY2(text.contains(u"Rossi Mario"_s) && text.contains(u"Rossetti Luca"_s), qPrintable(text));
        QVERIFY2(!text.contains(u"Bianchi"_s) && !text.contains(u"Verdi"_s), qPrintable(text));
        QVERIFY(text.contains(u"Tutti"_s));

        // Save as PDF of the Today report.
        window.tabs()->setCurrentIndex(shell::MainWindow::TabToday);
        const QString saved = fixture.path(u"today.pdf"_s);
        platform::FileDialog::setNextNames({saved});
        printFrom(&window, u"SpeedButtonPrintToday"_s, u"SavePdf"_s);
        QVERIFY2(pdfText(saved).contains(u"Dentist, upstairs"_s), qPrintable(pdfText(saved)));

        // The Today CSV: the description with a comma stays in its column.
        const QString csv = fixture.path(u"today.csv"_s);
        platform::FileDialog::setNextNames({csv});
        child<QAbstractButton>(&window, u"SpeedButtonEportToday"_s)->click();
        QFile csvFile(csv);
        QVERIFY(csvFile.open(QIODevice::ReadOnly));
        QCOMPARE(
            csvFile.readAll(),
            QByteArray("\xEF\xBB\xBF"
                       "FROM,TO,DESCRIPTION,NOTE\r\n09:00,  :  ,\"Dentist, upstairs\",bring the card\r\n"));

        // The daily plan from the Documents page, into a folder that does not exist.
        auto* picker = child<QDateEdit>(&window, u"DateTimePickerTODAY"_s);
        picker->setDate(QDate(2012, 3, 1));
        child<QDateEdit>(&window, u"DateTimePickerArrivo"_s)->setDate(QDate(2012, 3, 6));
        child<QDateEdit>(&window, u"DateTimePickerPartenza"_s)->setDate(QDate(2012, 3, 5));
        const QString unwritable = fixture.path(u"no/such/folder/plan.txt"_s);
        platform::FileDialog::setNextNames({unwritable});
        child<QAbstractButton>(&window, u"SpeedButton_ProduceTasks"_s)->click();
        QCOMPARE(MessageBox::shown().size(), 1);
        QVERIFY2(MessageBox::shownTexts().first().contains(QDir::toNativeSeparators(unwritable)),
                 qPrintable(MessageBox::shownTexts().first()));
        QCOMPARE(picker->date(), QDate(2012, 3, 1));

        const QString plan = fixture.path(u"plan.txt"_s);
        platform::FileDialog::setNextNames({plan});
        child<QAbstractButton>(&window, u"SpeedButton_ProduceTasks"_s)->click();
        QFile planFile(plan);
        QVERIFY(planFile.open(QIODevice::ReadOnly));
        QCOMPARE(planFile.readAll(), QByteArray("TASKS FROM 5-03-2012 TO 6-03-2012\n\n\nMonday 5 March 2012\n"
                                                "09:00 - __:__   Dentist, upstairs\n"));
        QCOMPARE(picker->date(), QDate(2012, 3, 1));
    }
};

QTEST_MAIN(ReportsTest)
#include "tst_reports_gui.moc"
