#include "contacts/CsvExport.h"
#include "contacts/widgets/CsvCommands.h"
#include "platform/widgets/FileDialog.h"
#include "platform/widgets/MessageBox.h"
#include "support/MockClock.h"
#include "support/TestArchive.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;
using namespace brivane;
using namespace brivane::contacts;
using contacts::widgets::ContactImportDialog;
using contacts::widgets::CsvCommands;
using platform::FileDialog;
using platform::MessageBox;

Q_DECLARE_METATYPE(brivane::contacts::CsvLayout)

class CsvCommandsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void exportWritesTheChosenFile_data();
    void exportWritesTheChosenFile();
    void exportCancelledWritesNothing();
    void exportFailureIsReported();
    void exportMenuNamesTheLayout_data();
    void exportMenuNamesTheLayout();

    void ownExportAssociatesItselfAndImports();
    void reimportAsksFirst();
    void nameMustBeAssociated();
    void badFileIsRefusedAtLoad_data();
    void badFileIsRefusedAtLoad();
    void wrongHeaderLeavesArchiveUnchanged();
    void escapeStopsAndRollsBack();
    void modeAndOptionTexts();
    void addedGroupOption();
    void delimiterChangeReloads();
    void keysCloseOnlyTheFirstStep();

private:
    ContactImportDialog* openLoaded(const QString& file);
    QString dataFile(const QString& name) const
    {
        return QStringLiteral(BRIVANE_TEST_DATA) + u"/contacts/"_s + name;
    }

    std::unique_ptr<test::TestArchive> m_archive;
    std::unique_ptr<test::MockClock> m_clock;
    std::unique_ptr<QWidget> m_window;
    std::unique_ptr<CsvCommands> m_commands;
};

namespace {

const QVariant kNull = QVariant(QMetaType::fromType<QString>());

qint64 insertContact(const QSqlDatabase& db, const QList<QVariant>& values)
{
    QSqlQuery query(db);
    query.prepare(
        u"INSERT INTO BRcon63 (ragsoc,company,tel,mobile,skype,fax,email,site,indirizzo,note,gruppo) "
        "VALUES (?,?,?,?,?,?,?,?,?,?,?)"_s);
    for (const QVariant& value : values)
        query.addBindValue(value);
    if (!query.exec())
        qFatal("cannot insert contact: %s", qPrintable(query.lastError().text()));
    return query.lastInsertId().toLongLong();
}

// The contacts of the export reference files, in their listed order.
QList<qint64> insertExportFixture(const QSqlDatabase& db)
{
    const qint64 rossi = insertContact(
        db, {u"Rossi; Mario"_s, u"Acme, Inc."_s, u"02 1234, 347 99, 06 55, 333"_s, u"347 1234567"_s,
             u"mario.rossi"_s, kNull, u"mario@example.com, m.rossi@example.com"_s, u"www.example.com"_s,
             u"Via Roma 1\n20100 Milano\nItalia"_s, u"Says \"hello\""_s, u"Friend"_s});
    const qint64 renee = insertContact(db, {u"Renée Müller-Ñúñez"_s, kNull, u"+41 44 123"_s, kNull, kNull,
                                            kNull, kNull, kNull, kNull, u"Line1\r\nLine2"_s, kNull});
    const qint64 anna =
        insertContact(db, {u"Anna Maria Bianchi Verdi"_s, u"Bianchi & Co"_s, kNull, kNull, kNull, kNull,
                           kNull, u"http://example.org/a;b"_s, kNull, kNull, u"Client"_s});
    return {anna, rossi, renee};
}

QStringList snapshot(const QSqlDatabase& db)
{
    QStringList rows;
    for (const QString& table : {u"BRcon63"_s, u"BRcat80"_s}) {
        QSqlQuery query(db);
        if (!query.exec(u"SELECT * FROM "_s + table))
            qFatal("cannot read %s", qPrintable(table));
        while (query.next()) {
            QStringList values{table};
            for (int i = 0; i < query.record().count(); ++i)
                values << (query.isNull(i) ? u"<null>"_s : query.value(i).toString());
            rows << values.join(u'|');
        }
    }
    return rows;
}

QStringList names(const QSqlDatabase& db)
{
    QSqlQuery query(db);
    if (!query.exec(u"SELECT ragsoc, gruppo FROM BRcon63 ORDER BY codcon"_s))
        qFatal("cannot read contacts");
    QStringList rows;
    while (query.next())
        rows << query.value(0).toString() + u'|' + query.value(1).toString();
    return rows;
}

QByteArray readBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

template <typename T> T* child(const QWidget* parent, const QString& name)
{
    T* found = parent->findChild<T*>(name);
    if (!found)
        qFatal("no child %s", qPrintable(name));
    return found;
}

void click(const QWidget* dialog, const QString& button)
{
    child<QPushButton>(dialog, button)->click();
}

QColor counterColour(const QWidget* dialog)
{
    return child<QLabel>(dialog, u"Label_Counter"_s)->palette().color(QPalette::Window);
}

const QColor kGreen(0, 128, 0);
const QColor kRed(255, 0, 0);

} // namespace

void CsvCommandsTest::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    MessageBox::setScripted(true);
    FileDialog::setScripted(true);
}

void CsvCommandsTest::init()
{
    m_clock = std::make_unique<test::MockClock>(QDateTime(QDate(2024, 3, 15), QTime(9, 5, 7)));
    m_archive = std::make_unique<test::TestArchive>();
    m_window = std::make_unique<QWidget>();
    m_commands = std::make_unique<CsvCommands>(m_window.get());
    m_commands->setDatabase(m_archive->db());
    MessageBox::clearShown();
    MessageBox::setNextAnswers({});
    FileDialog::setNextNames({});
}

void CsvCommandsTest::cleanup()
{
    m_commands.reset();
    m_window.reset();
    m_archive.reset();
    m_clock.reset();
}

ContactImportDialog* CsvCommandsTest::openLoaded(const QString& file)
{
    ContactImportDialog* dialog = m_commands->openImport();
    FileDialog::setNextNames({dataFile(file)});
    click(dialog, u"Button_File"_s);
    return dialog;
}

// ---- export -------------------------------------------------------------------

void CsvCommandsTest::exportWritesTheChosenFile_data()
{
    QTest::addColumn<CsvLayout>("layout");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("written");
    QTest::addColumn<QString>("reference");

    QTest::newRow("complete") << CsvLayout::Complete << u"out.csv"_s << u"out.csv"_s
                              << u"export-complete.csv"_s;
    QTest::newRow("chopped, default extension")
        << CsvLayout::Chopped << u"out"_s << u"out.csv"_s << u"export-chopped.csv"_s;
}

void CsvCommandsTest::exportWritesTheChosenFile()
{
    QFETCH(CsvLayout, layout);
    QFETCH(QString, typed);
    QFETCH(QString, written);
    QFETCH(QString, reference);

    const QList<qint64> listed = insertExportFixture(m_archive->db());
    QTemporaryDir dir;
    QSignalSpy exported(m_commands.get(), &CsvCommands::exported);
    FileDialog::setNextNames({dir.filePath(typed)});
    QVERIFY(m_commands->exportContacts(layout, listed, u"Friend"_s));
    QCOMPARE(readBytes(dir.filePath(written)), readBytes(dataFile(reference)));
    QCOMPARE(exported.count(), 1);
    QCOMPARE(exported.first().first().toString(), dir.filePath(written));
    QVERIFY(MessageBox::shownTexts().isEmpty());
}

void CsvCommandsTest::exportCancelledWritesNothing()
{
    const QList<qint64> listed = insertExportFixture(m_archive->db());
    QSignalSpy exported(m_commands.get(), &CsvCommands::exported);
    FileDialog::setNextNames({QString()});
    QVERIFY(!m_commands->exportContacts(CsvLayout::Complete, listed, QString()));
    QCOMPARE(exported.count(), 0);
    QVERIFY(MessageBox::shownTexts().isEmpty());
}

void CsvCommandsTest::exportFailureIsReported()
{
    const QList<qint64> listed = insertExportFixture(m_archive->db());
    QTemporaryDir dir;
    const QString path = dir.filePath(u"missing-folder/out.csv"_s);
    QSignalSpy exported(m_commands.get(), &CsvCommands::exported);
    FileDialog::setNextNames({path});
    QVERIFY(!m_commands->exportContacts(CsvLayout::Complete, listed, QString()));
    QCOMPARE(exported.count(), 0);
    QCOMPARE(MessageBox::shown().size(), 1);
    QCOMPARE(MessageBox::shown().first().kind, MessageBox::Kind::Warning);
    QVERIFY2(MessageBox::shownTexts().first().contains(u'"' + path + u'"'),
             qPrintable(MessageBox::shownTexts().first()));
}

void CsvCommandsTest::exportMenuNamesTheLayout_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<CsvLayout>("layout");
    QTest::newRow("complete") << u"CSV complete"_s << CsvLayout::Complete;
    QTest::newRow("chopped") << u"CSV chopped [Beta]"_s << CsvLayout::Chopped;
}

void CsvCommandsTest::exportMenuNamesTheLayout()
{
    QFETCH(QString, text);
    QFETCH(CsvLayout, layout);

    std::unique_ptr<QMenu> menu(m_commands->createExportMenu(m_window.get()));
    QList<CsvLayout> requested;
    connect(m_commands.get(), &CsvCommands::exportRequested, this,
            [&requested](CsvLayout asked) { requested << asked; });
    const QList<QAction*> actions = menu->actions();
    const auto found = std::find_if(actions.cbegin(), actions.cend(),
                                    [&text](const QAction* action) { return action->text() == text; });
    QVERIFY(found != actions.cend());
    (*found)->trigger();
    QCOMPARE(requested, QList<CsvLayout>{layout});
}

// ---- import -------------------------------------------------------------------

void CsvCommandsTest::ownExportAssociatesItselfAndImports()
{
    ContactImportDialog* dialog = openLoaded(u"export-complete.csv"_s);
    QSignalSpy imported(m_commands.get(), &CsvCommands::contactsImported);

    QCOMPARE(child<QLabel>(dialog, u"Label_Status"_s)->text(), u"Contacts in the file: 4"_s);
    QCOMPARE(
        child<QLabel>(dialog, u"Label_Hint"_s)->text(),
        u"Inspect the preview below: If the data are not stacked properly try changing the delimiter."_s);
    const QStringList mainLists{u"ComboBox_ragsoc"_s, u"ComboBox_company"_s, u"ComboBox_tel"_s,
                                u"ComboBox_mobile"_s, u"ComboBox_skype"_s,   u"ComboBox_fax"_s,
                                u"ComboBox_email"_s,  u"ComboBox_site"_s,    u"ComboBox_indirizzo"_s,
                                u"ComboBox_note"_s,   u"ComboBox_gruppo"_s};
    for (int i = 0; i < mainLists.size(); ++i)
        QCOMPARE(child<QComboBox>(dialog, mainLists.at(i))->currentIndex(), i);
    auto* surname = child<QComboBox>(dialog, u"ComboBox_cognome"_s);
    QCOMPARE(surname->count(), 12);
    QCOMPARE(surname->currentIndex(), 11);
    QVERIFY(child<QCheckBox>(dialog, u"CheckBoxSaltaPrima"_s)->isChecked());
    QCOMPARE(child<QComboBox>(dialog, u"ComboBoxModalita"_s)->currentText(), u"Skip duplicates"_s);
    // The preview shows the first line as its header.
    auto* preview = child<QTableView>(dialog, u"StringGrid_Preview"_s);
    QCOMPARE(preview->model()->rowCount(), 3);
    QCOMPARE(preview->model()->headerData(0, Qt::Horizontal).toString(), u"Name"_s);

    auto* next = child<QPushButton>(dialog, u"Button_Next"_s);
    QVERIFY(next->isEnabled());
    next->click();
    QVERIFY(child<QPushButton>(dialog, u"Button_Import"_s)->isVisible());
    QVERIFY(!next->isVisible());
    click(dialog, u"Button_Import"_s);

    QCOMPARE(names(m_archive->db()), (QStringList{u"Anna Maria Bianchi Verdi|Client"_s,
                                                  u"Rossi; Mario|Friend"_s, u"Renée Müller-Ñúñez|"_s}));
    QCOMPARE(child<QLabel>(dialog, u"Label_Report"_s)->text(), u"Contacts imported"_s);
    QCOMPARE(child<QLabel>(dialog, u"Label_Counter"_s)->text(), u"3"_s);
    QCOMPARE(counterColour(dialog), kGreen);
    QCOMPARE(imported.count(), 1);
    QCOMPARE(imported.first().first().toBool(), false);
    QVERIFY(MessageBox::shownTexts().isEmpty());
    dialog->close();
}

void CsvCommandsTest::reimportAsksFirst()
{
    ContactImportDialog* dialog = openLoaded(u"export-complete.csv"_s);
    const QString path = dataFile(u"export-complete.csv"_s);
    QSignalSpy imported(m_commands.get(), &CsvCommands::contactsImported);
    click(dialog, u"Button_Next"_s);
    click(dialog, u"Button_Import"_s);
    QCOMPARE(imported.count(), 1);

    MessageBox::setNextAnswers({MessageBox::Answer::No});
    click(dialog, u"Button_Import"_s);
    QCOMPARE(MessageBox::shownTexts(), QStringList{u"Do you want to re-import \""_s + path + u"\" ?"_s});
    QCOMPARE(imported.count(), 1);

    // Yes runs it again; every name is now a duplicate.
    MessageBox::setNextAnswers({MessageBox::Answer::Yes});
    click(dialog, u"Button_Import"_s);
    QCOMPARE(imported.count(), 2);
    QCOMPARE(child<QLabel>(dialog, u"Label_Counter"_s)->text(), u"0"_s);
    QCOMPARE(names(m_archive->db()).size(), 3);
    dialog->close();
}

void CsvCommandsTest::nameMustBeAssociated()
{
    const QStringList before = snapshot(m_archive->db());
    ContactImportDialog* dialog = openLoaded(u"modes.csv"_s);
    QCOMPARE(child<QComboBox>(dialog, u"ComboBox_ragsoc"_s)->currentText(), QString());
    QVERIFY(!child<QCheckBox>(dialog, u"CheckBoxSaltaPrima"_s)->isChecked());
    click(dialog, u"Button_Next"_s);
    click(dialog, u"Button_Import"_s);
    QCOMPARE(MessageBox::shownTexts(),
             QStringList{u"You must associate at least the field \"Name\".\rContacts "
                         "without a name in the file will not be imported."_s});
    QCOMPARE(snapshot(m_archive->db()), before);
    dialog->close();
}

void CsvCommandsTest::badFileIsRefusedAtLoad_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("line");
    QTest::newRow("malformed line") << u"malformed.csv"_s << 3;
    QTest::newRow("not text") << u"not-text.csv"_s << 3;
}

void CsvCommandsTest::badFileIsRefusedAtLoad()
{
    QFETCH(QString, file);
    QFETCH(int, line);

    ContactImportDialog* dialog = openLoaded(file);
    QCOMPARE(MessageBox::shown().size(), 1);
    QCOMPARE(MessageBox::shown().first().kind, MessageBox::Kind::Warning);
    const QString text = MessageBox::shownTexts().first();
    QVERIFY2(text.contains(u'"' + dataFile(file) + u'"'), qPrintable(text));
    QVERIFY2(text.contains(u"line %1"_s.arg(line)), qPrintable(text));
    QVERIFY(!child<QPushButton>(dialog, u"Button_Next"_s)->isEnabled());
    QCOMPARE(child<QTableView>(dialog, u"StringGrid_Preview"_s)->model()->rowCount(), 0);
    dialog->close();
}

void CsvCommandsTest::wrongHeaderLeavesArchiveUnchanged()
{
    insertExportFixture(m_archive->db());
    const QStringList before = snapshot(m_archive->db());
    ContactImportDialog* dialog = openLoaded(u"wrong-header.csv"_s);
    QSignalSpy imported(m_commands.get(), &CsvCommands::contactsImported);
    child<QComboBox>(dialog, u"ComboBox_ragsoc"_s)->setCurrentIndex(0);
    child<QComboBox>(dialog, u"ComboBoxModalita"_s)->setCurrentIndex(2);
    click(dialog, u"Button_Next"_s);
    click(dialog, u"Button_Import"_s);

    QCOMPARE(MessageBox::shown().size(), 1);
    const QString text = MessageBox::shownTexts().first();
    QVERIFY2(text.contains(u'"' + dataFile(u"wrong-header.csv"_s) + u'"'), qPrintable(text));
    QVERIFY2(text.contains(u"line 3"_s), qPrintable(text));
    QCOMPARE(snapshot(m_archive->db()), before);
    QCOMPARE(counterColour(dialog), kRed);
    QCOMPARE(imported.count(), 0);
    dialog->close();
}

void CsvCommandsTest::escapeStopsAndRollsBack()
{
    insertExportFixture(m_archive->db());
    const QStringList before = snapshot(m_archive->db());
    ContactImportDialog* dialog = openLoaded(u"modes.csv"_s);
    QPointer<ContactImportDialog> alive(dialog);
    QSignalSpy imported(m_commands.get(), &CsvCommands::contactsImported);
    child<QComboBox>(dialog, u"ComboBox_ragsoc"_s)->setCurrentIndex(0);
    child<QComboBox>(dialog, u"ComboBoxModalita"_s)->setCurrentIndex(2);
    child<QCheckBox>(dialog, u"CheckBoxSaltaPrima"_s)->setChecked(true);
    child<QCheckBox>(dialog, u"CheckBoxDelete"_s)->setChecked(true);
    QCOMPARE(MessageBox::shownTexts(),
             QStringList{u"I guess there is no need to explain that this option is irreversible. \rYou will "
                         "also loose the associations of contacts with birthdays."_s});
    MessageBox::clearShown();
    click(dialog, u"Button_Next"_s);

    // Esc pressed while the import runs: it is seen at the first line.
    QCoreApplication::postEvent(dialog, new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
    click(dialog, u"Button_Import"_s);

    QVERIFY(alive);
    QCOMPARE(snapshot(m_archive->db()), before);
    QCOMPARE(counterColour(dialog), kRed);
    QCOMPARE(child<QLabel>(dialog, u"Label_Counter"_s)->text(), u"0"_s);
    QCOMPARE(imported.count(), 0);
    QCOMPARE(MessageBox::shown().size(), 1);
    QVERIFY2(MessageBox::shownTexts().first().contains(u"stopped at line 2"_s),
             qPrintable(MessageBox::shownTexts().first()));
    dialog->close();
}

void CsvCommandsTest::modeAndOptionTexts()
{
    ContactImportDialog* dialog = openLoaded(u"modes.csv"_s);
    auto* mode = child<QComboBox>(dialog, u"ComboBoxModalita"_s);
    QCOMPARE(mode->count(), 4);
    QCOMPARE(mode->itemText(3), u"Data integration"_s);
    auto* description = child<QPlainTextEdit>(dialog, u"Memo_Modalita"_s);
    QVERIFY(description->isReadOnly());
    mode->setCurrentIndex(1);
    QCOMPARE(
        description->toPlainText(),
        u"The \"Update existing\" mode not import new contacts, but replaces the contact's information with "
        "the information present of the contacts that have the same names."_s);
    mode->setCurrentIndex(2);
    QCOMPARE(description->toPlainText(),
             u"The \"Create new\" mode imports all contacts in the file without making any control."_s);
    mode->setCurrentIndex(3);
    click(dialog, u"Button_Next"_s);
    child<QComboBox>(dialog, u"ComboBox_ragsoc"_s)->setCurrentIndex(0);
    click(dialog, u"Button_Import"_s);
    QCOMPARE(child<QLabel>(dialog, u"Label_Report"_s)->text(), u"Contatti imported e/o updated"_s);

    auto* concatenate = child<QPushButton>(dialog, u"Button_Concatenate"_s);
    QVERIFY(!child<QComboBox>(dialog, u"ComboBox_soprannome"_s)->isVisible());
    concatenate->click();
    QVERIFY(child<QComboBox>(dialog, u"ComboBox_soprannome"_s)->isVisible());
    QCOMPARE(concatenate->text(), u"<< Concatenate other fields"_s);
    concatenate->click();
    QCOMPARE(concatenate->text(), u"Concatenate other fields >>"_s);
    dialog->close();
}

void CsvCommandsTest::addedGroupOption()
{
    ContactImportDialog* dialog = openLoaded(u"export-complete.csv"_s);
    QSignalSpy imported(m_commands.get(), &CsvCommands::contactsImported);
    auto* option = child<QCheckBox>(dialog, u"CheckBox_AssegnaGruppo"_s);
    auto* group = child<QComboBox>(dialog, u"ComboBox_Contact_Group"_s);
    QVERIFY(!group->isEnabled());
    QCOMPARE(group->currentText(), u"Imported-2024-03-15"_s);
    QVERIFY(group->findText(u"Friend"_s) >= 0);
    option->setChecked(true);
    QVERIFY(group->isEnabled());

    click(dialog, u"Button_Next"_s);
    click(dialog, u"Button_Import"_s);
    QCOMPARE(names(m_archive->db()), (QStringList{u"Anna Maria Bianchi Verdi|Client Imported-2024-03-15"_s,
                                                  u"Rossi; Mario|Friend Imported-2024-03-15"_s,
                                                  u"Renée Müller-Ñúñez|Imported-2024-03-15"_s}));
    QCOMPARE(imported.count(), 1);
    QCOMPARE(imported.first().first().toBool(), true);
    QSqlQuery query(m_archive->db());
    QVERIFY(query.exec(u"SELECT COUNT(*) FROM BRcat80 WHERE id = 'Imported-2024-03-15' AND sezione = 'C'"_s));
    QVERIFY(query.next());
    QCOMPARE(query.value(0).toInt(), 1);
    dialog->close();
}

void CsvCommandsTest::delimiterChangeReloads()
{
    ContactImportDialog* dialog = openLoaded(u"latin1.csv"_s);
    auto* name = child<QComboBox>(dialog, u"ComboBox_ragsoc"_s);
    QCOMPARE(name->count(), 2);
    child<QComboBox>(dialog, u"ComboBox_Delimiter"_s)->setCurrentIndex(1);
    QCOMPARE(name->count(), 3);
    QCOMPARE(name->itemText(0), u"Name"_s);
    QCOMPARE(name->itemText(1), u"City"_s);
    QCOMPARE(dialog->table().records().at(1).fields, (QStringList{u"José Müller"_s, u"Zürich"_s}));
    QVERIFY(MessageBox::shownTexts().isEmpty());
    dialog->close();
}

void CsvCommandsTest::keysCloseOnlyTheFirstStep()
{
    ContactImportDialog* dialog = openLoaded(u"modes.csv"_s);
    QPointer<ContactImportDialog> alive(dialog);
    click(dialog, u"Button_Next"_s);
    QTest::keyClick(dialog, Qt::Key_Escape);
    QTest::keyClick(dialog, Qt::Key_Return);
    QVERIFY(dialog->isVisible());

    click(dialog, u"Button_Back"_s);
    QVERIFY(!child<QPushButton>(dialog, u"Button_Import"_s)->isVisible());
    QTest::keyClick(dialog, Qt::Key_Escape);
    QTRY_VERIFY(alive.isNull());
}

QTEST_MAIN(CsvCommandsTest)
#include "tst_csvcommands_gui.moc"
