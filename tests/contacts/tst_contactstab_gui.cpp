// The Contacts tab driven as a user would: search, group filter and
// memorised groups, card, display modes, column layout, Delete and Clone,
// and the actions that go out through the shell seam.
#include "contacts/ColumnLayout.h"
#include "contacts/Groups.h"
#include "contacts/widgets/ContactCardView.h"
#include "contacts/widgets/ContactsTab.h"
#include "contacts/widgets/DialDialog.h"
#include "contacts/widgets/GroupFilter.h"
#include "platform/Shell.h"
#include "platform/widgets/MessageBox.h"
#include "store/SettingsStore.h"
#include "support/TestArchive.h"
#include "themes/ColorText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QSqlError>
#include <QSqlQuery>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

using namespace Qt::StringLiterals;
using namespace brivane;
using namespace brivane::contacts;
using namespace brivane::contacts::widgets;
using platform::MessageBox;
using platform::Shell;

namespace {

template <typename T> T* child(const QObject* parent, const QString& name)
{
    T* found = parent->findChild<T*>(name);
    if (!found)
        qFatal("no control named %s", qPrintable(name));
    return found;
}

void click(const QObject* parent, const QString& name)
{
    QTest::mouseClick(child<QToolButton>(parent, name), Qt::LeftButton);
}

bool enabled(const QObject* parent, const QString& name)
{
    return child<QWidget>(parent, name)->isEnabled();
}

QString text(const QObject* parent, const QString& name)
{
    if (auto* line = parent->findChild<QLineEdit*>(name))
        return line->text();
    return child<QLabel>(parent, name)->text();
}

// The visible entry of a popup menu with this caption.
QAction* menuEntry(const QObject* parent, const QString& menuName, const QString& caption)
{
    for (QAction* action : child<QMenu>(parent, menuName)->actions()) {
        if (action->text() == caption)
            return action;
    }
    qFatal("no entry %s in %s", qPrintable(caption), qPrintable(menuName));
    return nullptr;
}

QString scalar(const QSqlDatabase& db, const QString& statement)
{
    QSqlQuery query(db);
    if (!query.exec(statement) || !query.next())
        return u"<error: %1>"_s.arg(query.lastError().text());
    return query.isNull(0) ? u"<null>"_s : query.value(0).toString();
}

qint64 insertContact(const QSqlDatabase& db, const QVariantMap& values)
{
    QSqlQuery query(db);
    const QStringList columns = values.keys();
    QStringList marks;
    for (qsizetype i = 0; i < columns.size(); ++i)
        marks << u"?"_s;
    query.prepare(u"INSERT INTO BRcon63 ("_s + columns.join(u',') + u") values ("_s + marks.join(u',') +
                  u')');
    for (const QString& column : columns)
        query.addBindValue(values.value(column));
    if (!query.exec())
        qFatal("insert contact: %s", qPrintable(query.lastError().text()));
    return query.lastInsertId().toLongLong();
}

void insertBirthday(const QSqlDatabase& db, const QString& id, const QDate& date, qint64 codcon)
{
    QSqlQuery query(db);
    query.prepare(
        u"INSERT INTO BRarc66 (id, flag, datefull, dayindex, data, dayofmonth) values (?, 'Y', ?, ?, ?, 'SI')"_s);
    query.addBindValue(id);
    query.addBindValue(date.toString(u"yyyy-MM-dd"_s));
    query.addBindValue(double(codcon));
    query.addBindValue(date.toString(u"MM/dd"_s));
    if (!query.exec())
        qFatal("insert task: %s", qPrintable(query.lastError().text()));
}

void saveImage(const QString& path, const char* format)
{
    QImage image(12, 16, QImage::Format_RGB32);
    image.fill(QColor(200, 40, 40));
    if (!image.save(path, format))
        qFatal("cannot write %s", qPrintable(path));
}

} // namespace

class ContactsTabTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void startUpListsEveryContactAndWritesTheDefaultLayout();
    void searchAsYouTypeAndSearchKinds();
    void automaticSearchOffWaitsForEnter();
    void clearAndEmptyFieldButtons();
    void orderMenu();
    void groupFilterTypingPickingAndClearing();
    void emptyGroupButton();
    void memorisedGroupAtStart();
    void insertAndDeleteGroup();
    void groupFiltersOfNotesAndToDo();
    void cardWithBirthdayAndPicture();
    void cardWithoutBirthdayAndPicture();
    void cardPhotoFromPicsFolderAndLongTitle();
    void cardIsDrawnByTheTimer();
    void emptyListDisablesTheCommands();
    void mailWebMapAndNameSearchAddresses();
    void severalAddressesOpenAMenu();
    void dialThroughTelAddress();
    void attachmentMenu();
    void linksSelectedInTheNote();
    void deleteAsksAndMovesToTheNextRow();
    void deleteOffersTheLinkedBirthday();
    void cloneKeepsTheRowNumber();
    void insertAndModifyOnlySignal();
    void readOnlyCommandsDoNothing();
    void gridModeAndColumnVisibility();
    void columnLayoutFiles();
    void findLinkedContact();
    void counterWithManyContacts();
    void hint();

private:
    void makeTab();
    void reloadSettings();
    QStringList listed() const;
    void selectName(const QString& name);

    std::unique_ptr<test::TestArchive> m_archive;
    std::unique_ptr<QTemporaryDir> m_program;
    store::SettingsRecord m_settings;
    std::unique_ptr<ContactsTab> m_tab;
    qint64 m_rossi = -1;
    qint64 m_verdi = -1;
    QString m_photo;
};

void ContactsTabTest::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    MessageBox::setScripted(true);
    Shell::setRecording(true);
}

void ContactsTabTest::init()
{
    m_archive = std::make_unique<test::TestArchive>();
    m_program = std::make_unique<QTemporaryDir>();
    QDir(m_program->path()).mkpath(u"pics"_s);
    QDir(m_program->path()).mkpath(u"allegati"_s);
    QFile offer(m_program->filePath(u"allegati/offer.pdf"_s));
    offer.open(QIODevice::WriteOnly);
    offer.close();
    m_photo = m_program->filePath(u"rossi.jpg"_s);
    saveImage(m_photo, "JPG");

    const QSqlDatabase db = m_archive->db();
    m_rossi = insertContact(db, {{u"ragsoc"_s, u"Rossi Mario"_s},
                                 {u"company"_s, u"Acme"_s},
                                 {u"gruppo"_s, u"Client"_s},
                                 {u"tel"_s, u"0212345"_s},
                                 {u"skype"_s, u"mario.rossi"_s},
                                 {u"fax"_s, u"0299"_s},
                                 {u"email"_s, u"mario@rossi.it"_s},
                                 {u"site"_s, u"http://rossi.it"_s},
                                 {u"indirizzo"_s, u"Via Roma 1\nMilano"_s},
                                 {u"note"_s, u"see www.example.com or mario@rossi.it"_s},
                                 {u"allegato"_s, u"offer.pdf"_s},
                                 {u"foto"_s, m_photo}});
    insertContact(
        db, {{u"ragsoc"_s, u"Bianchi Anna"_s}, {u"gruppo"_s, u"Clients"_s}, {u"mobile"_s, u"3331234"_s}});
    m_verdi = insertContact(db, {{u"ragsoc"_s, u"Verdi Luca"_s},
                                 {u"company"_s, u"Rosso Srl"_s},
                                 {u"gruppo"_s, u"Friend"_s},
                                 {u"email"_s, u"luca@verdi.com, l@v.it"_s},
                                 {u"site"_s, u"www.verdi.com"_s},
                                 {u"foto"_s, u"C:\\Old Place\\pics\\verdi.png"_s}});
    insertContact(db, {{u"ragsoc"_s, u"\u00C0lvaro Neri"_s}});
    insertContact(db, {{u"ragsoc"_s, u"Gialli Rosa"_s}, {u"site"_s, u"http://"_s}, {u"gruppo"_s, u""_s}});
    insertBirthday(db, u"Birthday of Rossi Mario"_s, QDate(1970, 5, 17), m_rossi);
    saveImage(m_program->filePath(u"pics/verdi.png"_s), "PNG");

    MessageBox::clearShown();
    MessageBox::setNextAnswers({});
    Shell::clearOpened();
}

void ContactsTabTest::cleanup()
{
    m_tab.reset();
    m_archive.reset();
    m_program.reset();
}

void ContactsTabTest::makeTab()
{
    m_tab.reset();
    reloadSettings();
    m_tab =
        std::make_unique<ContactsTab>(m_settings, m_archive->db(), m_archive->folder(), m_program->path());
    connect(m_tab.get(), &ContactsTab::settingsChanged, this, &ContactsTabTest::reloadSettings);
    m_tab->resize(1000, 640);
    m_tab->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_tab.get()));
    m_tab->startUp();
    m_tab->loadSavedLayout();
}

void ContactsTabTest::reloadSettings()
{
    store::SettingsStore(m_archive->db()).load(m_settings);
}

QStringList ContactsTabTest::listed() const
{
    ContactQuery* query = m_tab->query();
    query->fetchAll();
    QStringList names;
    for (int row = 0; row < query->rowCount(); ++row)
        names << query->rowAt(row).value(u"ragsoc"_s).toString();
    return names;
}

void ContactsTabTest::selectName(const QString& name)
{
    const int row = listed().indexOf(name);
    QVERIFY2(row >= 0, qPrintable(name));
    m_tab->selectRow(row);
    QTRY_VERIFY(!child<QTimer>(m_tab.get(), u"TimerDrawContact"_s)->isActive());
    QCOMPARE(m_tab->card()->content().name, name);
}

void ContactsTabTest::startUpListsEveryContactAndWritesTheDefaultLayout()
{
    QFile::remove(ColumnLayout::defaultFile(m_archive->folder()));
    reloadSettings();
    m_tab =
        std::make_unique<ContactsTab>(m_settings, m_archive->db(), m_archive->folder(), m_program->path());
    QSignalSpy counts(m_tab.get(), &ContactsTab::countChanged);
    QSignalSpy groups(m_tab.get(), &ContactsTab::groupsChanged);
    m_tab->resize(1000, 640);
    m_tab->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_tab.get()));
    m_tab->startUp();

    QVERIFY(QFile::exists(m_archive->folder() + u"/sContactVertical.def"_s));
    QVERIFY(ColumnLayout::load(ColumnLayout::defaultFile(m_archive->folder())) ==
            ColumnLayout::designedColumns());
    QCOMPARE(listed(), (QStringList{u"\u00C0lvaro Neri"_s, u"Bianchi Anna"_s, u"Gialli Rosa"_s, u"Rossi Mario"_s,
                                    u"Verdi Luca"_s}));
    QCOMPARE(text(m_tab.get(), u"Panel_FullName"_s), u"5   "_s);
    QVERIFY(!counts.isEmpty());
    QCOMPARE(counts.last(), (QVariantList{5, 5}));
    QCOMPARE(groups.size(), 1);
    QCOMPARE(groups.first().first().toStringList().size(), 20);
    QCOMPARE(m_tab->currentRow(), 0);
    QTRY_COMPARE(text(m_tab.get(), u"Label_Card_Title"_s), u"\u00C0lvaro Neri   "_s);
    QCOMPARE(child<QComboBox>(m_tab.get(), u"ComboBox_KindFindContact"_s)->count(), 12);
    QCOMPARE(child<QComboBox>(m_tab.get(), u"ComboBox_KindFindContact"_s)->currentText(), u"Name/Company"_s);
    QVERIFY(child<QCheckBox>(m_tab.get(), u"CheckBoxAutoFindContact"_s)->isChecked());
    QVERIFY(child<QTimer>(m_tab.get(), u"TimerDrawContact"_s));
}

void ContactsTabTest::searchAsYouTypeAndSearchKinds()
{
    makeTab();
    QSignalSpy counts(m_tab.get(), &ContactsTab::countChanged);
    auto* search = child<QLineEdit>(m_tab.get(), u"Edit_ragsoc"_s);
    QTest::keyClicks(search, u"ros"_s);
    QCOMPARE(counts.size(), 3); // one search per keystroke
    QCOMPARE(listed(), (QStringList{u"Gialli Rosa"_s, u"Rossi Mario"_s, u"Verdi Luca"_s}));
    QCOMPARE(text(m_tab.get(), u"Panel_FullName"_s), u"3 / 5   "_s);
    QCOMPARE(counts.last(), (QVariantList{3, 5}));

    auto* kind = child<QComboBox>(m_tab.get(), u"ComboBox_KindFindContact"_s);
    kind->setCurrentIndex(1); // Name
    Q_EMIT kind->activated(1);
    QCOMPARE(listed(), (QStringList{u"Gialli Rosa"_s, u"Rossi Mario"_s}));
    QVERIFY(search->hasFocus());

    search->clear();
    kind->setCurrentIndex(3); // Phone/Mobile
    Q_EMIT kind->activated(3);
    QTest::keyClicks(search, u"333"_s);
    QCOMPARE(listed(), QStringList{u"Bianchi Anna"_s});

    kind->setCurrentIndex(kind->findText(u"Note"_s));
    Q_EMIT kind->activated(kind->currentIndex());
    search->setText(u"WWW.EXAMPLE"_s);
    QCOMPARE(listed(), QStringList{u"Rossi Mario"_s});
    QCOMPARE(search->maxLength(), 50);
}

void ContactsTabTest::automaticSearchOffWaitsForEnter()
{
    makeTab();
    auto* automatic = child<QCheckBox>(m_tab.get(), u"CheckBoxAutoFindContact"_s);
    QTest::mouseClick(automatic, Qt::LeftButton);
    QVERIFY(!automatic->isChecked());
    QCOMPARE(
        MessageBox::shownTexts(),
        QStringList{u"You have disabled the automatic search as you type. \rTo start the search, press the "
                    u"ENTER key in the search box."_s});
    auto* search = child<QLineEdit>(m_tab.get(), u"Edit_ragsoc"_s);
    QTest::keyClicks(search, u"verdi"_s);
    QCOMPARE(listed().size(), 5);
    QTest::keyClick(search, Qt::Key_Return);
    QCOMPARE(listed(), QStringList{u"Verdi Luca"_s});
}

void ContactsTabTest::clearAndEmptyFieldButtons()
{
    makeTab();
    auto* automatic = child<QCheckBox>(m_tab.get(), u"CheckBoxAutoFindContact"_s);
    QVERIFY(!enabled(m_tab.get(), u"SpeedButtonClearName"_s));
    QVERIFY(enabled(m_tab.get(), u"SpeedButtonCampoVuoto"_s));
    automatic->setChecked(false);
    auto* search = child<QLineEdit>(m_tab.get(), u"Edit_ragsoc"_s);
    QTest::keyClicks(search, u"zzz"_s);
    QTest::keyClick(search, Qt::Key_Return);
    QVERIFY(listed().isEmpty());
    QVERIFY(enabled(m_tab.get(), u"SpeedButtonClearName"_s));
    click(m_tab.get(), u"SpeedButtonClearName"_s);
    QVERIFY(search->text().isEmpty());
    QVERIFY(automatic->isChecked());
    QCOMPARE(listed().size(), 5);
    QVERIFY(!enabled(m_tab.get(), u"SpeedButtonClearName"_s));

    auto* kind = child<QComboBox>(m_tab.get(), u"ComboBox_KindFindContact"_s);
    kind->setCurrentIndex(kind->findText(u"Phone/Mobile"_s));
    Q_EMIT kind->activated(kind->currentIndex());
    click(m_tab.get(), u"SpeedButtonCampoVuoto"_s);
    QCOMPARE(search->text(), u"[ IS NULL ]"_s);
    QVERIFY(!enabled(m_tab.get(), u"SpeedButtonCampoVuoto"_s));
    // Phone and mobile empty and no group.
    QCOMPARE(listed(), (QStringList{u"\u00C0lvaro Neri"_s, u"Gialli Rosa"_s}));
}

void ContactsTabTest::orderMenu()
{
    makeTab();
    QAction* newest = menuEntry(m_tab.get(), u"PopupMenuOrderContact"_s, u"Creation DESC"_s);
    newest->trigger();
    QCOMPARE(listed().first(), u"Gialli Rosa"_s);
    QCOMPARE(m_tab->currentRow(), 0);
    menuEntry(m_tab.get(), u"PopupMenuOrderContact"_s, u"Creation ASC"_s)->trigger();
    QCOMPARE(listed().first(), u"Rossi Mario"_s);
    menuEntry(m_tab.get(), u"PopupMenuOrderContact"_s, u"Alphabetical DESC"_s)->trigger();
    QCOMPARE(listed().first(), u"Verdi Luca"_s);
    menuEntry(m_tab.get(), u"PopupMenuOrderContact"_s, u"Alphabetical ASC"_s)->trigger();
    QCOMPARE(listed().first(), u"\u00C0lvaro Neri"_s);
    // The order button opens the menu without blocking.
    click(m_tab.get(), u"SpeedButtonOrderContact"_s);
    QTRY_VERIFY(child<QMenu>(m_tab.get(), u"PopupMenuOrderContact"_s)->isVisible());
    child<QMenu>(m_tab.get(), u"PopupMenuOrderContact"_s)->close();
}

void ContactsTabTest::groupFilterTypingPickingAndClearing()
{
    makeTab();
    const QSqlDatabase db = m_archive->db();
    auto* box = child<QComboBox>(m_tab.get(), u"ComboBox_Contact_Group"_s);
    QCOMPARE(box->toolTip(), u"Filter by group"_s);
    QCOMPARE(box->lineEdit()->maxLength(), 50);
    QTest::keyClicks(box->lineEdit(), u"Cli"_s);
    QCOMPARE(box->currentText(), u"Cli"_s);
    QCOMPARE(listed(), (QStringList{u"Bianchi Anna"_s, u"Rossi Mario"_s}));
    // Typing filters but does not memorise.
    QCOMPARE(scalar(db, u"SELECT mem_group_contact FROM BRset63"_s), u"<null>"_s);
    QVERIFY(enabled(m_tab.get(), u"SpeedButtonClearGroup"_s));

    // Picking a name memorises it.
    const int friendIndex = box->findText(u"Friend"_s);
    QVERIFY(friendIndex > 0);
    box->setCurrentIndex(friendIndex);
    Q_EMIT box->activated(friendIndex);
    QCOMPARE(listed(), QStringList{u"Verdi Luca"_s});
    QCOMPARE(scalar(db, u"SELECT mem_group_contact FROM BRset63"_s), u"Friend"_s);
    QCOMPARE(m_settings.memGroupContact, u"Friend"_s); // reloaded on settingsChanged
    QCOMPARE(text(m_tab.get(), u"Panel_FullName"_s), u"1 / 5   "_s);

    // Clear: empty filter, every contact, empty memorised group.
    click(m_tab.get(), u"SpeedButtonClearGroup"_s);
    QVERIFY(box->currentText().isEmpty());
    QCOMPARE(listed().size(), 5);
    QCOMPARE(scalar(db, u"SELECT mem_group_contact FROM BRset63"_s), QString());
    QVERIFY(!enabled(m_tab.get(), u"SpeedButtonClearGroup"_s));

    // Emptying the box by typing stores the empty group too.
    QTest::keyClicks(box->lineEdit(), u"Fr"_s);
    QCOMPARE(scalar(db, u"SELECT mem_group_contact FROM BRset63"_s), QString());
    box->setCurrentIndex(friendIndex);
    Q_EMIT box->activated(friendIndex);
    QCOMPARE(scalar(db, u"SELECT mem_group_contact FROM BRset63"_s), u"Friend"_s);
    box->lineEdit()->selectAll();
    QTest::keyClick(box->lineEdit(), Qt::Key_Backspace);
    QCOMPARE(scalar(db, u"SELECT mem_group_contact FROM BRset63"_s), QString());
    QCOMPARE(listed().size(), 5);
}

void ContactsTabTest::emptyGroupButton()
{
    makeTab();
    QVERIFY(enabled(m_tab.get(), u"SpeedButtonGruppoVuoto"_s));
    QCOMPARE(child<QToolButton>(m_tab.get(), u"SpeedButtonGruppoVuoto"_s)->toolTip(),
             u"Find if field is null"_s);
    click(m_tab.get(), u"SpeedButtonGruppoVuoto"_s);
    QCOMPARE(m_tab->groupFilterText(), u"[ IS NULL ]"_s);
    QCOMPARE(listed(), (QStringList{u"\u00C0lvaro Neri"_s, u"Gialli Rosa"_s}));
    QVERIFY(!enabled(m_tab.get(), u"SpeedButtonGruppoVuoto"_s));
    QVERIFY(enabled(m_tab.get(), u"SpeedButtonClearGroup"_s));
    // Typed, the other pseudo value does the same.
    m_tab->groupFilter()->setText(u"[ VUOTO ]"_s);
    QCOMPARE(listed(), (QStringList{u"\u00C0lvaro Neri"_s, u"Gialli Rosa"_s}));
    QVERIFY(!enabled(m_tab.get(), u"SpeedButtonGruppoVuoto"_s));
}

void ContactsTabTest::memorisedGroupAtStart()
{
    QVERIFY(Groups::saveMemorised(m_archive->db(), u'C', u"Friend"_s));
    makeTab();
    QCOMPARE(m_tab->groupFilterText(), u"Friend"_s);
    QCOMPARE(listed(), QStringList{u"Verdi Luca"_s});
    QCOMPARE(text(m_tab.get(), u"Panel_FullName"_s), u"1 / 5   "_s);
    QCOMPARE(scalar(m_archive->db(), u"SELECT mem_group_contact FROM BRset63"_s), u"Friend"_s);
}

void ContactsTabTest::insertAndDeleteGroup()
{
    makeTab();
    const QSqlDatabase db = m_archive->db();
    QSignalSpy groups(m_tab.get(), &ContactsTab::groupsChanged);
    auto* box = child<QComboBox>(m_tab.get(), u"ComboBox_Contact_Group"_s);
    QTest::keyClicks(box->lineEdit(), u"Family"_s);

    MessageBox::setNextAnswers({MessageBox::Answer::No});
    click(m_tab.get(), u"SpeedButton_AddGroup"_s);
    QCOMPARE(MessageBox::shownTexts().last(), u"Insert group \"Family\"?"_s);
    QCOMPARE(scalar(db, u"SELECT count(*) FROM BRcat80 WHERE id = 'Family'"_s), u"0"_s);

    MessageBox::setNextAnswers({MessageBox::Answer::Yes});
    click(m_tab.get(), u"SpeedButton_AddGroup"_s);
    QCOMPARE(scalar(db, u"SELECT sezione FROM BRcat80 WHERE id = 'Family'"_s), u"C"_s);
    QVERIFY(m_tab->groupNames().contains(u"Family"_s));
    QCOMPARE(m_tab->groupNames().indexOf(u"Family"_s), m_tab->groupNames().indexOf(u"Cool"_s) + 1);
    QCOMPARE(box->currentText(), u"Family"_s); // the filter text stays
    QCOMPARE(groups.size(), 1);
    // Asked again: one row only.
    MessageBox::setNextAnswers({MessageBox::Answer::Yes});
    click(m_tab.get(), u"SpeedButton_AddGroup"_s);
    QCOMPARE(scalar(db, u"SELECT count(*) FROM BRcat80 WHERE id = 'Family'"_s), u"1"_s);

    // Delete the group "Friend" that a contact carries.
    box->setCurrentIndex(box->findText(u"Friend"_s));
    Q_EMIT box->activated(box->currentIndex());
    QCOMPARE(listed(), QStringList{u"Verdi Luca"_s});
    MessageBox::setNextAnswers({MessageBox::Answer::Yes});
    click(m_tab.get(), u"SpeedButtonDelGroup"_s);
    QCOMPARE(MessageBox::shownTexts().last(), u"Delete group \"Friend\"?"_s);
    QCOMPARE(scalar(db, u"SELECT count(*) FROM BRcat80 WHERE id = 'Friend' AND sezione = 'C'"_s), u"0"_s);
    QVERIFY(!m_tab->groupNames().contains(u"Friend"_s));
    QVERIFY(box->currentText().isEmpty());
    QCOMPARE(scalar(db, u"SELECT mem_group_contact FROM BRset63"_s), QString());
    QCOMPARE(listed().size(), 5);
    // The contact keeps its group and typing the name still finds it.
    QTest::keyClicks(box->lineEdit(), u"Friend"_s);
    QCOMPARE(listed(), QStringList{u"Verdi Luca"_s});
}

void ContactsTabTest::groupFiltersOfNotesAndToDo()
{
    const QSqlDatabase db = m_archive->db();
    GroupFilter notes(u'N');
    GroupFilter toDo(u'L');
    notes.setDatabase(db);
    toDo.setDatabase(db);
    QVERIFY(notes.loadNames() && toDo.loadNames());
    QCOMPARE(notes.comboBox()->objectName(), u"ComboBox_Note_Group"_s);
    QCOMPARE(notes.insertButton()->objectName(), u"SpeedButtonAddGroup_Note"_s);
    QCOMPARE(notes.deleteButton()->objectName(), u"SpeedButtonDelGroup_Note"_s);
    QCOMPARE(notes.clearButton()->objectName(), u"SpeedButtonClearGroupNote"_s);
    QCOMPARE(toDo.comboBox()->objectName(), u"ComboBox_List_Group"_s);
    QCOMPARE(toDo.insertButton()->objectName(), u"SpeedButton11"_s);
    QCOMPARE(toDo.deleteButton()->objectName(), u"SpeedButtonDelGroup_Lista"_s);
    QCOMPARE(toDo.clearButton()->objectName(), u"SpeedButtonClearGroupList"_s);
    QVERIFY(!notes.emptyGroupButton() && !toDo.emptyGroupButton());
    QCOMPARE(notes.comboBox()->lineEdit()->maxLength(), 30);
    QCOMPARE(toDo.comboBox()->lineEdit()->maxLength(), 50);
    QCOMPARE(notes.names().size(), 15);
    QCOMPARE(toDo.names().size(), 8);
    QCOMPARE(notes.insertButton()->toolTip(), u"Insert group"_s);
    QCOMPARE(toDo.deleteButton()->toolTip(), u"Delete group"_s);
    QCOMPARE(notes.clearButton()->toolTip(), u"Clear "_s);

    int asked = 0;
    notes.setBeforeCommand([&asked] { ++asked; });
    QSignalSpy notesChanged(&notes, &GroupFilter::changed);
    QSignalSpy saved(&notes, &GroupFilter::memorisedGroupSaved);

    // "Work" exists in N: one row; in L it becomes a row of its own.
    notes.setText(u"Work"_s);
    QCOMPARE(notesChanged.last().first().toString(), u"Work"_s);
    QVERIFY(asked >= 1);
    MessageBox::setNextAnswers({MessageBox::Answer::Yes});
    notes.insertGroup();
    toDo.setText(u"Work"_s);
    MessageBox::setNextAnswers({MessageBox::Answer::Yes});
    QTest::mouseClick(toDo.insertButton(), Qt::LeftButton);
    QCOMPARE(scalar(db, u"SELECT count(*) FROM BRcat80 WHERE id = 'Work' AND sezione = 'N'"_s), u"1"_s);
    QCOMPARE(scalar(db, u"SELECT count(*) FROM BRcat80 WHERE id = 'Work' AND sezione = 'L'"_s), u"1"_s);
    QVERIFY(toDo.names().contains(u"Work"_s));

    // Picking memorises in the tab's own column.
    notes.comboBox()->setCurrentIndex(notes.comboBox()->findText(u"Ideas"_s));
    Q_EMIT notes.comboBox()->activated(notes.comboBox()->currentIndex());
    QCOMPARE(saved.last(), (QVariantList{u"mem_group_note"_s, u"Ideas"_s}));
    QCOMPARE(scalar(db, u"SELECT mem_group_note FROM BRset63"_s), u"Ideas"_s);
    toDo.comboBox()->setCurrentIndex(toDo.comboBox()->findText(u"Gifts"_s));
    Q_EMIT toDo.comboBox()->activated(toDo.comboBox()->currentIndex());
    QCOMPARE(scalar(db, u"SELECT mem_group_list FROM BRset63"_s), u"Gifts"_s);
    QCOMPARE(scalar(db, u"SELECT mem_group_note FROM BRset63"_s), u"Ideas"_s);
    QTest::mouseClick(toDo.clearButton(), Qt::LeftButton);
    QCOMPARE(scalar(db, u"SELECT mem_group_list FROM BRset63"_s), QString());
    QVERIFY(!toDo.clearButton()->isEnabled());

    // At start the memorised text is shown without being stored again.
    saved.clear();
    notesChanged.clear();
    notes.setMemorisedText(u"Sport"_s);
    QCOMPARE(notes.text(), u"Sport"_s);
    QVERIFY(saved.isEmpty() && notesChanged.isEmpty());
}

void ContactsTabTest::cardWithBirthdayAndPicture()
{
    makeTab();
    selectName(u"Rossi Mario"_s);
    const QWidget* tab = m_tab.get();
    QCOMPARE(text(tab, u"Label_Card_Title"_s), u"Rossi Mario   "_s);
    QCOMPARE(text(tab, u"DBText_company"_s), u"Acme"_s);
    QCOMPARE(text(tab, u"DBText_gruppo"_s), u"Client"_s);
    QCOMPARE(text(tab, u"DBText_tel"_s), u"0212345"_s);
    QCOMPARE(text(tab, u"DBText_mobile"_s), QString());
    QCOMPARE(text(tab, u"DBText_skype"_s), u"mario.rossi"_s);
    QCOMPARE(text(tab, u"DBText_fax"_s), u"0299"_s);
    QCOMPARE(text(tab, u"DBText_email"_s), u"mario@rossi.it"_s);
    QCOMPARE(text(tab, u"DBText_site"_s), u"http://rossi.it"_s);
    QCOMPARE(child<QPlainTextEdit>(tab, u"DBMemo_indirizzo"_s)->toPlainText(), u"Via Roma 1\nMilano"_s);
    QCOMPARE(child<QPlainTextEdit>(tab, u"DBMemo_Contact"_s)->toPlainText(),
             u"see www.example.com or mario@rossi.it"_s);
    QVERIFY(child<QWidget>(tab, u"Panel_Compleanno"_s)->isVisible());
    QCOMPARE(text(tab, u"Label_Compleanno"_s), u"17 May"_s);
    auto* photo = child<QLabel>(tab, u"Image_Foto"_s);
    QVERIFY(photo->isVisible());
    QVERIFY(!photo->pixmap().isNull());
    for (const char* button :
         {"SpeedButtonMailContact", "SpeedButtonWeb", "SpeedButtonGoMap", "SpeedButtonTele",
          "SpeedButton_ApriAllegato", "SpeedButton_AppRapido", "SpeedButton_spy"})
        QVERIFY2(enabled(tab, QLatin1String(button)), button);
    // The yearly date format follows the settings.
    QSqlQuery format(m_archive->db());
    QVERIFY(format.exec(u"UPDATE BRset63 SET DataYear = 'mmmm d'"_s));
    reloadSettings();
    m_tab->applySettings();
    QTRY_COMPARE(text(tab, u"Label_Compleanno"_s), u"May 17"_s);
}

void ContactsTabTest::cardWithoutBirthdayAndPicture()
{
    makeTab();
    selectName(u"Bianchi Anna"_s);
    const QWidget* tab = m_tab.get();
    QCOMPARE(text(tab, u"Label_Card_Title"_s), u"Bianchi Anna   "_s);
    QCOMPARE(text(tab, u"DBText_mobile"_s), u"3331234"_s);
    QCOMPARE(text(tab, u"DBText_gruppo"_s), u"Clients"_s);
    QVERIFY(!child<QWidget>(tab, u"Panel_Compleanno"_s)->isVisible());
    QVERIFY(!child<QLabel>(tab, u"Image_Foto"_s)->isVisible());
    QVERIFY(enabled(tab, u"SpeedButtonTele"_s)); // a mobile number
    for (const char* button :
         {"SpeedButtonMailContact", "SpeedButtonWeb", "SpeedButtonGoMap", "SpeedButton_ApriAllegato"})
        QVERIFY2(!enabled(tab, QLatin1String(button)), button);
    // A site of exactly "http://" is no web site.
    selectName(u"Gialli Rosa"_s);
    QVERIFY(!enabled(tab, u"SpeedButtonWeb"_s));
    QVERIFY(!enabled(tab, u"SpeedButtonTele"_s));
}

void ContactsTabTest::cardPhotoFromPicsFolderAndLongTitle()
{
    QSqlQuery rename(m_archive->db());
    QVERIFY(rename.exec(
        u"UPDATE BRcon63 SET ragsoc = 'Verdi Luca Giovanni Battista' WHERE ragsoc = 'Verdi Luca'"_s));
    makeTab();
    selectName(u"Verdi Luca Giovanni Battista"_s); // 28 characters
    QCOMPARE(text(m_tab.get(), u"Label_Card_Title"_s), u"Verdi Luca Giovanni Battis..."_s);
    auto* photo = child<QLabel>(m_tab.get(), u"Image_Foto"_s);
    QVERIFY(photo->isVisible()); // found in the pics folder by its file name
    QVERIFY(!photo->pixmap().isNull());
    QVERIFY(!child<QWidget>(m_tab.get(), u"Panel_Compleanno"_s)->isVisible());
}

void ContactsTabTest::cardIsDrawnByTheTimer()
{
    makeTab();
    auto* timer = child<QTimer>(m_tab.get(), u"TimerDrawContact"_s);
    QCOMPARE(timer->interval(), 10);
    QVERIFY(timer->isSingleShot());
    QTRY_VERIFY(!timer->isActive());
    const QString before = text(m_tab.get(), u"Label_Card_Title"_s);
    // A burst of row changes redraws the card once, after the last.
    m_tab->selectRow(1);
    m_tab->selectRow(2);
    m_tab->selectRow(3);
    QVERIFY(timer->isActive());
    QCOMPARE(text(m_tab.get(), u"Label_Card_Title"_s), before);
    QTRY_COMPARE(text(m_tab.get(), u"Label_Card_Title"_s), u"Rossi Mario   "_s);
    QVERIFY(!timer->isActive());
}

void ContactsTabTest::emptyListDisablesTheCommands()
{
    makeTab();
    QTest::keyClicks(child<QLineEdit>(m_tab.get(), u"Edit_ragsoc"_s), u"nobody"_s);
    QVERIFY(listed().isEmpty());
    QCOMPARE(text(m_tab.get(), u"Panel_FullName"_s), u"0 / 5   "_s);
    for (const char* button : {"SpeedButtonDelContact", "SpeedButtonModContact", "SpeedButtonPrint_Contact",
                               "SpeedButtonDupliContact", "SpeedButtonOrderContact", "SpeedButtonCSV"})
        QVERIFY2(!enabled(m_tab.get(), QLatin1String(button)), button);
    QTRY_VERIFY(!child<QTimer>(m_tab.get(), u"TimerDrawContact"_s)->isActive());
    QCOMPARE(text(m_tab.get(), u"Label_Card_Title"_s), QString());
    for (const char* button :
         {"SpeedButtonGoMap", "SpeedButton_AppRapido", "SpeedButtonMailContact", "SpeedButtonTele",
          "SpeedButtonWeb", "SpeedButton_ApriAllegato", "SpeedButton_spy"})
        QVERIFY2(!enabled(m_tab.get(), QLatin1String(button)), button);
    QVERIFY(enabled(m_tab.get(), u"SpeedButton_AddContact"_s));
    QVERIFY(enabled(m_tab.get(), u"SpeedButtonBOC"_s));
}

void ContactsTabTest::mailWebMapAndNameSearchAddresses()
{
    makeTab();
    selectName(u"Rossi Mario"_s);
    click(m_tab.get(), u"SpeedButtonMailContact"_s);
    click(m_tab.get(), u"SpeedButtonWeb"_s);
    click(m_tab.get(), u"SpeedButtonGoMap"_s);
    click(m_tab.get(), u"SpeedButton_spy"_s);
    const QList<QUrl> opened = Shell::opened();
    QCOMPARE(opened.size(), 4);
    QCOMPARE(opened[0].toString(), u"mailto:mario@rossi.it"_s);
    QCOMPARE(opened[1].toString(), u"http://rossi.it"_s);
    QCOMPARE(opened[2].toString(), u"https://www.google.com/maps?q=Via Roma 1 Milano "_s);
    QCOMPARE(opened[3].toString(), u"https://www.google.com/#q=Rossi+Mario"_s);

    Shell::clearOpened();
    selectName(u"Verdi Luca"_s);
    click(m_tab.get(), u"SpeedButtonWeb"_s);
    QCOMPARE(Shell::opened(), QList<QUrl>{QUrl(u"http://www.verdi.com"_s)});
}

void ContactsTabTest::severalAddressesOpenAMenu()
{
    makeTab();
    selectName(u"Verdi Luca"_s);
    click(m_tab.get(), u"SpeedButtonMailContact"_s);
    QVERIFY(Shell::opened().isEmpty());
    auto* menu = child<QMenu>(m_tab.get(), u"PopupMenuMail"_s);
    QTRY_VERIFY(menu->isVisible());
    QStringList captions;
    for (QAction* action : menu->actions())
        captions << action->text();
    QCOMPARE(captions, (QStringList{u"luca@verdi.com"_s, u"l@v.it"_s}));
    menu->actions().at(1)->trigger();
    menu->close();
    QCOMPARE(Shell::opened(), QList<QUrl>{QUrl(u"mailto:l@v.it"_s)});

    // Separated by ";" the addresses are one item, handed over whole.
    QSqlQuery update(m_archive->db());
    QVERIFY(update.exec(u"UPDATE BRcon63 SET email = 'a@b.it;c@d.it' WHERE ragsoc = 'Verdi Luca'"_s));
    m_tab->runSearch();
    selectName(u"Verdi Luca"_s);
    Shell::clearOpened();
    click(m_tab.get(), u"SpeedButtonMailContact"_s);
    QCOMPARE(Shell::opened(), QList<QUrl>{QUrl(u"mailto:a@b.it;c@d.it"_s)});
}

void ContactsTabTest::dialThroughTelAddress()
{
    makeTab();
    selectName(u"Rossi Mario"_s);
    click(m_tab.get(), u"SpeedButtonTele"_s);
    auto* dialog = child<DialDialog>(m_tab.get(), u"TCallForm"_s);
    QTRY_VERIFY(dialog->isVisible());
    QCOMPARE(dialog->windowTitle(), u"Call contact"_s);
    QCOMPARE(text(dialog, u"Label_Name"_s), u"Rossi Mario"_s);
    auto* numbers = child<QComboBox>(dialog, u"ComboBox_telefoni"_s);
    QCOMPARE(numbers->toolTip(), u"Contact numbers"_s);
    QCOMPARE(numbers->lineEdit()->maxLength(), 30);
    QStringList items;
    for (int i = 0; i < numbers->count(); ++i)
        items << numbers->itemText(i);
    QCOMPARE(items, (QStringList{u"0212345"_s, u"mario.rossi"_s}));
    QCOMPARE(numbers->currentText(), u"0212345"_s);

    // "Add 0 before the number" is written at once; the Skype name stays.
    auto* addZero = child<QCheckBox>(dialog, u"CheckBoxAgZero"_s);
    QVERIFY(!addZero->isChecked());
    numbers->setCurrentIndex(1);
    QTest::mouseClick(addZero, Qt::LeftButton);
    QCOMPARE(scalar(m_archive->db(), u"SELECT centralino FROM BRset63"_s), u"1"_s);
    QVERIFY(m_settings.centralino);
    QCOMPARE(numbers->itemText(0), u"00212345"_s);
    QCOMPARE(numbers->currentText(), u"mario.rossi"_s); // the position stays

    QMenu* skype = child<QMenu>(dialog, u"PopupMenuSkype"_s);
    skype->actions().at(0)->trigger();
    skype->actions().at(1)->trigger();
    numbers->setCurrentIndex(0);
    QTest::mouseClick(child<QPushButton>(dialog, u"ButtonDial"_s), Qt::LeftButton);
    QCOMPARE(Shell::opened(), (QList<QUrl>{QUrl(u"callto:mario.rossi"_s), QUrl(u"skype:mario.rossi?chat"_s),
                                           QUrl(u"tel:00212345"_s)}));
    QTRY_VERIFY(!m_tab->findChild<DialDialog*>(u"TCallForm"_s));

    // The next dialog starts with the stored option; ENTER dials once.
    click(m_tab.get(), u"SpeedButtonTele"_s);
    QPointer<DialDialog> second = child<DialDialog>(m_tab.get(), u"TCallForm"_s);
    QVERIFY(child<QCheckBox>(second, u"CheckBoxAgZero"_s)->isChecked());
    Shell::clearOpened();
    QTest::keyClick(second, Qt::Key_Return);
    if (second)
        QTest::keyClick(second, Qt::Key_Return);
    QCOMPARE(Shell::opened(), QList<QUrl>{QUrl(u"tel:00212345"_s)});
}

void ContactsTabTest::attachmentMenu()
{
    makeTab();
    selectName(u"Rossi Mario"_s);
    click(m_tab.get(), u"SpeedButton_ApriAllegato"_s);
    auto* menu = child<QMenu>(m_tab.get(), u"PopupMenuAllegati"_s);
    QTRY_VERIFY(menu->isVisible());
    const QList<QAction*> entries = menu->actions();
    QCOMPARE(entries.at(0)->text(), u"offer.pdf"_s);
    QVERIFY(entries.at(0)->isVisible());
    QVERIFY(!entries.at(1)->isVisible() && !entries.at(2)->isVisible());
    QCOMPARE(entries.last()->text(), u"Cancel"_s);
    entries.at(0)->trigger();
    menu->close();
    // Stored by its name, found in the program's allegati folder.
    QCOMPARE(Shell::opened(), QList<QUrl>{QUrl::fromLocalFile(m_program->filePath(u"allegati/offer.pdf"_s))});
}

void ContactsTabTest::linksSelectedInTheNote()
{
    makeTab();
    selectName(u"Rossi Mario"_s);
    auto* note = child<QPlainTextEdit>(m_tab.get(), u"DBMemo_Contact"_s);
    auto* open = child<QToolButton>(m_tab.get(), u"SpeedButtonRocket_Contact"_s);
    auto select = [note](const QString& part) {
        const int start = note->toPlainText().indexOf(part);
        QTextCursor cursor = note->textCursor();
        cursor.setPosition(start);
        cursor.setPosition(start + int(part.size()), QTextCursor::KeepAnchor);
        note->setTextCursor(cursor);
        QTest::mouseRelease(note->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    };
    QVERIFY(!open->isEnabled());
    select(u"www.example.com"_s);
    QTRY_VERIFY(open->isEnabled());
    QCOMPARE(open->toolTip(), u"www.example.com"_s);
    QTest::mouseClick(open, Qt::LeftButton);
    select(u"see"_s);
    QTRY_VERIFY(!open->isEnabled());
    QCOMPARE(open->toolTip(), u"Open selected e-mail/URL"_s);
    select(u"mario@rossi.it"_s);
    QTRY_VERIFY(open->isEnabled());
    QTest::mouseClick(open, Qt::LeftButton);
    QCOMPARE(Shell::opened(),
             (QList<QUrl>{QUrl(u"http://www.example.com"_s), QUrl(u"mailto:mario@rossi.it"_s)}));

    // With the automatic open down, a selection opens at once.
    Shell::clearOpened();
    QTest::mouseClick(child<QToolButton>(m_tab.get(), u"SpeedButtonStop_Contact"_s), Qt::LeftButton);
    QCOMPARE(Shell::opened(), QList<QUrl>{QUrl(u"mailto:mario@rossi.it"_s)}); // pressed while enabled
    select(u"www.example.com"_s);
    QTRY_COMPARE(Shell::opened().size(), 2);
    QCOMPARE(Shell::opened().last(), QUrl(u"http://www.example.com"_s));

    // A click in the list resets the open button.
    auto* grid = child<QTableView>(m_tab.get(), u"DBGrid_Contact"_s);
    const QModelIndex cell = m_tab->query()->index(0, m_tab->query()->columnOf(u"ragsoc"_s));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(cell).center());
    QVERIFY(!open->isEnabled());
    QCOMPARE(open->toolTip(), u"Open selected e-mail/URL"_s);
}

void ContactsTabTest::deleteAsksAndMovesToTheNextRow()
{
    makeTab();
    const QSqlDatabase db = m_archive->db();
    // No keeps the contact.
    m_tab->selectRow(2);
    MessageBox::setNextAnswers({MessageBox::Answer::No});
    click(m_tab.get(), u"SpeedButtonDelContact"_s);
    QCOMPARE(listed().size(), 5);
    QVERIFY(
        MessageBox::shownTexts().last().startsWith(u" You are in order to eliminate \"Gialli Rosa\", "_s));
    QCOMPARE(MessageBox::shown().last().caption, u"Brivane Organizer"_s);

    // Yes on the first row: the next contact takes its place.
    m_tab->selectRow(0);
    MessageBox::setNextAnswers({MessageBox::Answer::Yes});
    QSignalSpy counts(m_tab.get(), &ContactsTab::countChanged);
    click(m_tab.get(), u"SpeedButtonDelContact"_s);
    QCOMPARE(listed(),
             (QStringList{u"Bianchi Anna"_s, u"Gialli Rosa"_s, u"Rossi Mario"_s, u"Verdi Luca"_s}));
    QCOMPARE(m_tab->currentRow(), 0);
    QCOMPARE(scalar(db, u"SELECT count(*) FROM BRcon63 WHERE ragsoc = '\u00C0lvaro Neri'"_s), u"0"_s);
    QCOMPARE(counts.last(), (QVariantList{4, 4}));
    QCOMPARE(text(m_tab.get(), u"Panel_FullName"_s), u"4   "_s);

    // Deleting the last row makes the new last row current.
    m_tab->selectRow(3);
    MessageBox::setNextAnswers({MessageBox::Answer::Yes});
    click(m_tab.get(), u"SpeedButtonDelContact"_s);
    QCOMPARE(listed().size(), 3);
    QCOMPARE(m_tab->currentRow(), 2);
    QTRY_COMPARE(m_tab->card()->content().name, u"Rossi Mario"_s);
}

void ContactsTabTest::deleteOffersTheLinkedBirthday()
{
    makeTab();
    const QSqlDatabase db = m_archive->db();
    QSignalSpy yearly(m_tab.get(), &ContactsTab::yearlyListChanged);
    selectName(u"Rossi Mario"_s);
    MessageBox::setNextAnswers({MessageBox::Answer::Yes, MessageBox::Answer::No});
    click(m_tab.get(), u"SpeedButtonDelContact"_s);
    QCOMPARE(MessageBox::shownTexts().last(), u" Delete the linked task \"Birthday of Rossi Mario\""_s);
    QCOMPARE(scalar(db, u"SELECT count(*) FROM BRarc66"_s), u"1"_s); // No leaves the task
    QCOMPARE(yearly.size(), 1);

    // Another contact linked to a birthday; Yes removes the task.
    insertBirthday(db, u"Birthday of Verdi Luca"_s, QDate(1985, 9, 1), m_verdi);
    m_tab->runSearch();
    selectName(u"Verdi Luca"_s);
    MessageBox::setNextAnswers({MessageBox::Answer::Yes, MessageBox::Answer::Yes});
    click(m_tab.get(), u"SpeedButtonDelContact"_s);
    QCOMPARE(scalar(db, u"SELECT count(*) FROM BRarc66 WHERE dayindex = %1"_s.arg(m_verdi)), u"0"_s);
    QCOMPARE(scalar(db, u"SELECT count(*) FROM BRarc66"_s), u"1"_s);

    // A contact without birthday is deleted with one question.
    MessageBox::clearShown();
    MessageBox::setNextAnswers({MessageBox::Answer::Yes});
    selectName(u"Bianchi Anna"_s);
    click(m_tab.get(), u"SpeedButtonDelContact"_s);
    QCOMPARE(MessageBox::shownTexts().size(), 1);
}

void ContactsTabTest::cloneKeepsTheRowNumber()
{
    makeTab();
    const QSqlDatabase db = m_archive->db();
    selectName(u"Rossi Mario"_s);
    const int row = m_tab->currentRow();
    QVERIFY(MessageBox::shownTexts().isEmpty());
    click(m_tab.get(), u"SpeedButtonDupliContact"_s);
    QVERIFY(MessageBox::shownTexts().isEmpty()); // no question
    QCOMPARE(listed().count(u"Rossi Mario"_s), 2);
    QCOMPARE(m_tab->currentRow(), row);
    QCOMPARE(text(m_tab.get(), u"Panel_FullName"_s), u"6   "_s);
    QCOMPARE(scalar(db, u"SELECT count(*) FROM BRcon63 WHERE ragsoc = 'Rossi Mario' AND foto IS NOT NULL"_s),
             u"2"_s);
    // The clone carries no birthday.
    const QString clone = scalar(db, u"SELECT max(codcon) FROM BRcon63"_s);
    QCOMPARE(scalar(db, u"SELECT count(*) FROM BRarc66 WHERE dayindex = "_s + clone), u"0"_s);
}

void ContactsTabTest::insertAndModifyOnlySignal()
{
    makeTab();
    QSignalSpy insert(m_tab.get(), &ContactsTab::insertRequested);
    QSignalSpy modify(m_tab.get(), &ContactsTab::modifyRequested);
    QSignalSpy exports(m_tab.get(), &ContactsTab::exportRequested);
    QSignalSpy imports(m_tab.get(), &ContactsTab::importRequested);
    click(m_tab.get(), u"SpeedButton_AddContact"_s);
    click(m_tab.get(), u"SpeedButtonCSV"_s);
    click(m_tab.get(), u"SpeedButtonBOC"_s);
    QCOMPARE(insert.size(), 1);
    QCOMPARE(exports.size(), 1);
    QCOMPARE(imports.size(), 1);
    QCOMPARE(scalar(m_archive->db(), u"SELECT count(*) FROM BRcon63"_s), u"5"_s);

    selectName(u"Rossi Mario"_s);
    click(m_tab.get(), u"SpeedButtonModContact"_s);
    QCOMPARE(modify.last(), (QVariantList{m_rossi, false}));

    auto* grid = child<QTableView>(m_tab.get(), u"DBGrid_Contact"_s);
    const int row = m_tab->currentRow();
    const QModelIndex name = m_tab->query()->index(row, m_tab->query()->columnOf(u"ragsoc"_s));
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(name).center());
    QCOMPARE(modify.last(), (QVariantList{m_rossi, false}));
    // A click on the note mark of a contact with a note: the note expanded.
    const QModelIndex mark = m_tab->query()->index(row, m_tab->query()->columnOf(u"Presenza"_s));
    QVERIFY(!grid->isColumnHidden(mark.column()));
    grid->scrollTo(mark);
    QCOMPARE(m_tab->query()->data(mark).toString(), u"\u270E"_s);
    modify.clear();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(mark).center());
    QCOMPARE(modify.size(), 1);
    QCOMPARE(modify.last(), (QVariantList{m_rossi, true}));
    QTest::keyClick(grid, Qt::Key_Return);
    QCOMPARE(modify.last(), (QVariantList{m_rossi, false}));
    // A double click on the card title.
    QTest::mouseDClick(child<QLabel>(m_tab.get(), u"Label_Card_Title"_s), Qt::LeftButton);
    QCOMPARE(modify.size(), 3);

    // After the dialog the remembered row is current again when the search ran.
    m_tab->runSearch();
    QCOMPARE(m_tab->currentRow(), 0);
    m_tab->modifyFinished();
    QCOMPARE(m_tab->currentRow(), row);

    // Insert a task with the selected contact: a menu of the four kinds.
    QSignalSpy task(m_tab.get(), &ContactsTab::insertTaskRequested);
    menuEntry(m_tab.get(), u"PopupMenuAppRapido"_s, u"Yearly"_s)->trigger();
    QCOMPARE(task.last(), QVariantList{1});
    QCOMPARE(m_tab->currentName(), u"Rossi Mario"_s);
}

void ContactsTabTest::readOnlyCommandsDoNothing()
{
    makeTab();
    m_tab->setReadOnly(true);
    QSignalSpy insert(m_tab.get(), &ContactsTab::insertRequested);
    QSignalSpy modify(m_tab.get(), &ContactsTab::modifyRequested);
    MessageBox::setNextAnswers({MessageBox::Answer::Yes});
    for (const char* button : {"SpeedButton_AddContact", "SpeedButtonModContact", "SpeedButtonDupliContact",
                               "SpeedButtonDelContact"})
        click(m_tab.get(), QLatin1String(button));
    QVERIFY(insert.isEmpty() && modify.isEmpty());
    QVERIFY(MessageBox::shownTexts().isEmpty());
    QCOMPARE(scalar(m_archive->db(), u"SELECT count(*) FROM BRcon63"_s), u"5"_s);
    for (const char* hidden :
         {"panel_contact", "SpeedButton_AddGroup", "SpeedButtonDelGroup", "SpeedButton_AppRapido"})
        QVERIFY2(!child<QWidget>(m_tab.get(), QLatin1String(hidden))->isVisible(), hidden);
    m_tab->setReadOnly(false);
    QVERIFY(child<QWidget>(m_tab.get(), u"panel_contact"_s)->isVisible());
    click(m_tab.get(), u"SpeedButtonModContact"_s);
    QCOMPARE(modify.size(), 1);
}

void ContactsTabTest::gridModeAndColumnVisibility()
{
    makeTab();
    const QSqlDatabase db = m_archive->db();
    auto* grid = child<QTableView>(m_tab.get(), u"DBGrid_Contact"_s);
    auto* card = child<ContactCardView>(m_tab.get(), u"Panel_Card"_s);
    auto* bottom = child<QPlainTextEdit>(m_tab.get(), u"DBMemo_Contact_bottom"_s);
    QVERIFY(card->isVisible());
    QVERIFY(!bottom->isVisible());
    QVERIFY(!child<QWidget>(m_tab.get(), u"SpeedButton_Scheda"_s)->isVisible());

    // The smallest window: a bare name list beside the card.
    m_tab->resize(670, 592);
    QTRY_VERIFY(!m_tab->showsAllColumns());
    QVERIFY(!grid->horizontalHeader()->isVisible());
    QVERIFY(!child<QWidget>(m_tab.get(), u"SpeedButtonShowColonne"_s)->isVisible());
    int shown = 0;
    for (int column = 0; column < m_tab->query()->columnCount(); ++column)
        shown += grid->isColumnHidden(column) ? 0 : 1;
    QCOMPARE(shown, 1);
    QVERIFY(!grid->isColumnHidden(m_tab->query()->columnOf(u"ragsoc"_s)));

    // Grid mode: no card, the full table, the note under the list.
    QSignalSpy settings(m_tab.get(), &ContactsTab::settingsChanged);
    click(m_tab.get(), u"SpeedButton_close_card"_s);
    QVERIFY(m_tab->isGridMode());
    QCOMPARE(scalar(db, u"SELECT gridmode FROM BRset63"_s), u"1"_s);
    QCOMPARE(settings.size(), 1);
    QVERIFY(!card->isVisible());
    QVERIFY(bottom->isVisible());
    QCOMPARE(bottom->height(), 54);
    QVERIFY(child<QWidget>(m_tab.get(), u"SpeedButton_Scheda"_s)->isVisible());
    QTRY_VERIFY(m_tab->showsAllColumns());
    QVERIFY(grid->horizontalHeader()->isVisible());
    QVERIFY(child<QWidget>(m_tab.get(), u"SpeedButtonShowColonne"_s)->isVisible());
    QStringList titles;
    QHeaderView* header = grid->horizontalHeader();
    for (int visual = 0; visual < header->count(); ++visual) {
        const int logical = header->logicalIndex(visual);
        if (!header->isSectionHidden(logical))
            titles << m_tab->query()->headerData(logical, Qt::Horizontal).toString();
    }
    QCOMPARE(titles, (QStringList{u"Name"_s, u"Company"_s, u"Group"_s, u"Phone"_s, u"Mobile"_s, u"Skype"_s,
                                  u"Fax"_s, u"E-mail"_s, u"Web"_s, u"Note"_s}));
    QCOMPARE(header->sectionSize(m_tab->query()->columnOf(u"ragsoc"_s)), 218);
    QCOMPARE(header->sectionSize(m_tab->query()->columnOf(u"Presenza"_s)), 42);
    QCOMPARE(grid->palette().color(QPalette::Base),
             themes::colorFromText(m_settings.sectionColors.at(4))); // the Today colour
    selectName(u"Rossi Mario"_s);
    QCOMPARE(bottom->toPlainText(), u"see www.example.com or mario@rossi.it"_s);
    QSignalSpy modify(m_tab.get(), &ContactsTab::modifyRequested);
    QTest::mouseDClick(bottom->viewport(), Qt::LeftButton);
    QCOMPARE(modify.last(), (QVariantList{m_rossi, true}));

    // A new tab starts in grid mode from the settings.
    makeTab();
    QVERIFY(m_tab->isGridMode());
    click(m_tab.get(), u"SpeedButton_Scheda"_s);
    QVERIFY(!m_tab->isGridMode());
    QCOMPARE(scalar(db, u"SELECT gridmode FROM BRset63"_s), u"0"_s);
    QVERIFY(child<ContactCardView>(m_tab.get(), u"Panel_Card"_s)->isVisible());
}

void ContactsTabTest::columnLayoutFiles()
{
    makeTab();
    const QString user = m_archive->folder() + u"/sContactVertical"_s;
    m_tab->setGridMode(true, false);
    QTRY_VERIFY(m_tab->showsAllColumns());
    auto* grid = child<QTableView>(m_tab.get(), u"DBGrid_Contact"_s);
    QHeaderView* header = grid->horizontalHeader();
    const int company = m_tab->query()->columnOf(u"company"_s);
    header->resizeSection(company, 200);
    header->moveSection(header->visualIndex(m_tab->query()->columnOf(u"email"_s)), 1);
    menuEntry(m_tab.get(), u"PopupMenuColonne"_s, u"Save width and position"_s)->trigger();
    QVERIFY(QFile::exists(user));
    const auto saved = ColumnLayout::load(user);
    QVERIFY(saved);
    QCOMPARE(saved->at(1).field, u"email"_s);
    QCOMPARE(saved->at(2).field, u"company"_s);
    QCOMPARE(saved->at(2).width, 200);

    // A new start takes the saved layout.
    makeTab();
    QTRY_VERIFY(m_tab->showsAllColumns());
    header = child<QTableView>(m_tab.get(), u"DBGrid_Contact"_s)->horizontalHeader();
    QCOMPARE(header->sectionSize(company), 200);
    QCOMPARE(header->visualIndex(m_tab->query()->columnOf(u"email"_s)), 1);
    // The searches keep it.
    QTest::keyClicks(child<QLineEdit>(m_tab.get(), u"Edit_ragsoc"_s), u"r"_s);
    QCOMPARE(header->sectionSize(company), 200);

    // Restore default: the designed layout, the user's file gone.
    menuEntry(m_tab.get(), u"PopupMenuColonne"_s, u"Restore default"_s)->trigger();
    QVERIFY(!QFile::exists(user));
    QCOMPARE(header->sectionSize(company), 120);
    QCOMPARE(header->visualIndex(m_tab->query()->columnOf(u"email"_s)), 7);

    // Autosize: the widest text plus 10 pixels; the note mark 42.
    menuEntry(m_tab.get(), u"PopupMenuColonne"_s, u"Autosize column"_s)->trigger();
    const QFontMetrics metrics(child<QTableView>(m_tab.get(), u"DBGrid_Contact"_s)->font());
    int widest = 0;
    for (const QString& shown : {u"company"_s, u"Acme"_s, u"Rosso Srl"_s})
        widest = qMax(widest, metrics.horizontalAdvance(shown));
    QCOMPARE(header->sectionSize(company), widest + 10);
    QCOMPARE(header->sectionSize(m_tab->query()->columnOf(u"Presenza"_s)), 42);
    QVERIFY(child<QTableView>(m_tab.get(), u"DBGrid_Contact"_s)->isVisible());

    // "Fix" while the list shows only the name column writes every column visible.
    menuEntry(m_tab.get(), u"PopupMenuColonne"_s, u"Restore default"_s)->trigger();
    m_tab->setGridMode(false, false);
    m_tab->resize(670, 592);
    QTRY_VERIFY(!m_tab->showsAllColumns());
    QVERIFY(m_tab->saveLayoutForDefaultSize());
    const auto fixed = ColumnLayout::load(user);
    QVERIFY(fixed);
    QCOMPARE(fixed->size(), 10);
    for (const ContactColumn& column : *fixed)
        QVERIFY(column.visible);
}

void ContactsTabTest::findLinkedContact()
{
    makeTab();
    QSignalSpy modify(m_tab.get(), &ContactsTab::modifyRequested);
    QSignalSpy show(m_tab.get(), &ContactsTab::showRequested);
    m_tab->groupFilter()->setText(u"Friend"_s);
    auto* kind = child<QComboBox>(m_tab.get(), u"ComboBox_KindFindContact"_s);
    kind->setCurrentIndex(5);
    QCOMPARE(m_tab->findLinked(u"Verdi"_s), ContactsTab::LinkResult::OneContact);
    QCOMPARE(modify.last(), (QVariantList{m_verdi, false}));
    QCOMPARE(kind->currentIndex(), 0);
    QVERIFY(m_tab->groupFilterText().isEmpty());

    // Not a name: tried as a group.
    QCOMPARE(m_tab->findLinked(u"Client"_s), ContactsTab::LinkResult::Listed);
    QCOMPARE(show.size(), 1);
    QCOMPARE(listed(), (QStringList{u"Bianchi Anna"_s, u"Rossi Mario"_s}));
    QVERIFY(m_tab->searchField()->text().isEmpty());
    QCOMPARE(m_tab->groupFilterText(), u"Client"_s);

    QCOMPARE(m_tab->findLinked(u"nobody"_s), ContactsTab::LinkResult::Listed);
    QVERIFY(listed().isEmpty());
}

void ContactsTabTest::counterWithManyContacts()
{
    QSqlDatabase db = m_archive->db();
    db.transaction();
    for (int i = 0; i < 1000; ++i)
        insertContact(db, {{u"ragsoc"_s, u"Person %1"_s.arg(i, 4, 10, QLatin1Char('0'))}});
    db.commit();
    makeTab();
    QCOMPARE(text(m_tab.get(), u"Panel_FullName"_s), u"1005   "_s);
    QCOMPARE(m_tab->query()->rowCount(), 1005);
    QVERIFY(m_tab->query()->loadedRows() < 1005); // read as the list scrolls
    QTest::keyClicks(child<QLineEdit>(m_tab.get(), u"Edit_ragsoc"_s), u"person 09"_s);
    QCOMPARE(text(m_tab.get(), u"Panel_FullName"_s), u"100 / 1005   "_s);
    click(m_tab.get(), u"NavigatorLast"_s);
    QCOMPARE(m_tab->currentName(), u"Person 0999"_s);
    click(m_tab.get(), u"NavigatorPrior"_s);
    QCOMPARE(m_tab->currentName(), u"Person 0998"_s);
    click(m_tab.get(), u"NavigatorFirst"_s);
    QCOMPARE(m_tab->currentName(), u"Person 0900"_s);
    click(m_tab.get(), u"NavigatorNext"_s);
    QCOMPARE(m_tab->currentName(), u"Person 0901"_s);
}

void ContactsTabTest::hint()
{
    makeTab();
    click(m_tab.get(), u"SpeedButtonHintContact"_s);
    QCOMPARE(MessageBox::shownTexts(),
             QStringList{u"Use the Contacts Tab to keep track of your contacts."_s});
    QCOMPARE(MessageBox::shown().first().kind, MessageBox::Kind::Information);
}

QTEST_MAIN(ContactsTabTest)
#include "tst_contactstab_gui.moc"
