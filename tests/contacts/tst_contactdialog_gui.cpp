#include "agenda/EntryContext.h"
#include "agenda/TaskCommands.h"
#include "contacts/ContactWriter.h"
#include "contacts/widgets/ContactDialog.h"
#include "platform/Shell.h"
#include "platform/widgets/FileDialog.h"
#include "platform/widgets/MessageBox.h"
#include "store/SettingsRecord.h"
#include "support/MockClock.h"
#include "support/TestArchive.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace brivane;
using namespace brivane::contacts;
using contacts::widgets::ContactDialog;
using contacts::widgets::ContactDialogContext;
using contacts::widgets::ContactDialogMode;
using platform::MessageBox;

class ContactDialogTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void addAndModifyRoundTrip_data();
    void addAndModifyRoundTrip();
    void fieldsRefuseLongerInput_data();
    void fieldsRefuseLongerInput();
    void longStoredTextsSurviveAModify();
    void saveNeedsAName();
    void insertStaysOpenForTheNextContact();
    void escapeClosesWithoutSaving();
    void groupIsRegisteredOnce();
    void addStartsWithTheGroupFilter();
    void addDialogHasNoBirthdayYet();

    void birthdayLinkLifecycle();
    void birthdayModifyOpensTheLinkedTask();
    void searchLinksAnExistingTask_data();
    void searchLinksAnExistingTask();
    void unlinkKeepsTheTask();
    void deleteRunsTheYearlyCommand();

    void photoChoice();
    void photoOfTheStoredContact_data();
    void photoOfTheStoredContact();
    void noteAreasHoldTheSameText();
    void attachments();
    void hintAndPrint();

private:
    ContactDialog* openModify(qint64 codcon, bool bigNote = false);
    ContactDialog* openAdd(const QString& groupText = QString());
    QString programFolder() const { return m_program->path() + u'/'; }

    std::unique_ptr<test::TestArchive> m_archive;
    std::unique_ptr<test::MockClock> m_clock;
    std::unique_ptr<QTemporaryDir> m_program;
    agenda::EntryContext m_entry;
    store::SettingsRecord m_settings;
    ContactDialogContext m_context;
    int m_tasksChanged = 0;
    QStringList m_yearlySearch;
    QList<qint64> m_deleteRequests;
};

namespace {

// Today is Friday 15 March 2024; the Today view shows Wednesday 20 March.
const QDate kToday(2024, 3, 15);
const QDate kViewed(2024, 3, 20);

template <typename T> T* child(const QObject* parent, const QString& name)
{
    T* found = parent->findChild<T*>(name);
    if (!found)
        qFatal("no control named %s", qPrintable(name));
    return found;
}

QLineEdit* edit(const QWidget* dialog, const QString& name)
{
    return child<QLineEdit>(dialog, name);
}

QPushButton* button(const QWidget* dialog, const QString& name)
{
    return child<QPushButton>(dialog, name);
}

void press(const QWidget* dialog, const QString& name)
{
    QTest::mouseClick(button(dialog, name), Qt::LeftButton);
}

// Types text key by key, each character a key event carrying its text
// (QTest::keyClicks knows ASCII letters only); a line feed is Return.
void type(QWidget* field, const QString& text)
{
    field->setFocus();
    for (const QChar c : text) {
        if (c == u'\n') {
            QTest::keyClick(field, Qt::Key_Return);
            continue;
        }
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(field, &press);
        QApplication::sendEvent(field, &release);
    }
}

QAction* action(const QMenu* menu, const QString& name)
{
    return child<QAction>(menu, name);
}

// The visible top-level window of a class, e.g. the yearly add dialog.
QWidget* topLevel(const QString& objectName)
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == objectName && widget->isVisible())
            return widget;
    }
    return nullptr;
}

// A dialog that deletes itself on close is gone once the deferred deletions ran.
bool closedAndGone(const QPointer<ContactDialog>& dialog)
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return dialog.isNull();
}

qint64 addTask(QSqlDatabase db, const QString& id, const QVariant& dayindex, const QString& data = u"03/20"_s)
{
    QSqlQuery query(db);
    query.prepare(u"INSERT INTO BRarc66 (id, flag, dayindex, data, datefull, dayofmonth, orario, orario2) "
                  u"VALUES (:id, 'Y', :dayindex, :data, '2000-03-20', 'NO', '  :  ', '  :  ')"_s);
    query.bindValue(u":id"_s, id);
    query.bindValue(u":dayindex"_s, dayindex);
    query.bindValue(u":data"_s, data);
    if (!query.exec())
        qFatal("cannot insert a task");
    return query.lastInsertId().toLongLong();
}

QVariant dayindexOf(QSqlDatabase db, qint64 codimp)
{
    QSqlQuery query(db);
    query.prepare(u"SELECT dayindex FROM BRarc66 WHERE codimp = :codimp"_s);
    query.bindValue(u":codimp"_s, codimp);
    return query.exec() && query.next() ? query.value(0) : QVariant(u"missing"_s);
}

int groupRows(QSqlDatabase db, const QString& name)
{
    QSqlQuery query(db);
    query.prepare(u"SELECT COUNT(*) FROM BRcat80 WHERE id = :id AND sezione = 'C'"_s);
    query.bindValue(u":id"_s, name);
    return query.exec() && query.next() ? query.value(0).toInt() : -1;
}

qint64 storeContact(QSqlDatabase db, const QString& name, const QString& email = QString())
{
    Contact contact;
    contact.ragsoc = name;
    contact.email = email;
    return ContactWriter::insert(db, contact);
}

QString writePicture(const QString& path)
{
    QImage image(40, 60, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    if (!image.save(path, "JPG"))
        qFatal("cannot write a picture");
    return path;
}

} // namespace

void ContactDialogTest::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    MessageBox::setScripted(true);
    platform::FileDialog::setScripted(true);
    platform::Shell::setRecording(true);
}

void ContactDialogTest::init()
{
    m_archive = std::make_unique<test::TestArchive>();
    m_clock = std::make_unique<test::MockClock>(QDateTime(kToday, QTime(10, 0)));
    m_program = std::make_unique<QTemporaryDir>();
    m_entry = agenda::EntryContext();
    m_entry.db = m_archive->db();
    m_entry.viewedDate = kViewed;
    m_entry.programFolder = programFolder();
    m_settings = store::SettingsRecord();
    m_tasksChanged = 0;
    m_yearlySearch.clear();
    m_deleteRequests.clear();

    m_context = ContactDialogContext();
    m_context.db = m_archive->db();
    m_context.entry = &m_entry;
    m_context.programFolder = programFolder();
    m_context.settings = &m_settings;
    m_context.tasksChanged = [this] { ++m_tasksChanged; };
    m_context.setYearlySearchText = [this](const QString& text) { m_yearlySearch << text; };
    MessageBox::clearShown();
    MessageBox::setNextAnswers({});
    platform::FileDialog::setNextNames({});
}

void ContactDialogTest::cleanup()
{
    // Dialogs left open (their menus and task dialogs go with them).
    QList<QPointer<QDialog>> open;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* dialog = qobject_cast<QDialog*>(widget); dialog && !dialog->parentWidget())
            open << dialog;
    }
    for (const QPointer<QDialog>& dialog : open)
        delete dialog.data();
    m_context = ContactDialogContext();
    m_entry = agenda::EntryContext();
    m_archive.reset();
    m_clock.reset();
    m_program.reset();
}

ContactDialog* ContactDialogTest::openModify(qint64 codcon, bool bigNote)
{
    return ContactDialog::openModify(m_context, codcon, bigNote, nullptr);
}

ContactDialog* ContactDialogTest::openAdd(const QString& groupText)
{
    return ContactDialog::openAdd(m_context, groupText, nullptr);
}

// Typed names and texts reach the archive and come back unchanged, except
// for the name rule; the modify dialog shows and rewrites them.
void ContactDialogTest::addAndModifyRoundTrip_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("company");

    QTest::newRow("semicolon") << u"rossi;mario"_s << u"Rossi mario"_s << u"Rossi; Bianchi & C."_s;
    QTest::newRow("accents and quotes") << u"zoë d'Arc \"Jo\""_s << u"Zoë d'Arc \"Jo\""_s << u"Café \"Ü\""_s;
    QTest::newRow("commas") << u"Smith, Ann; Jr."_s << u"Smith, Ann  Jr."_s << u"A, B, C"_s;
    QTest::newRow("accented first") << u"élodie"_s << u"élodie"_s << u"l'atelier"_s;
}

void ContactDialogTest::addAndModifyRoundTrip()
{
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    QFETCH(QString, company);
    const QSqlDatabase db = m_archive->db();

    QPointer<ContactDialog> add = openAdd();
    QVERIFY(add->isVisible());
    QCOMPARE(add->objectName(), u"TAggContactForm"_s);
    QCOMPARE(add->windowTitle(), u"Insert Contact"_s);
    QSignalSpy saved(add.data(), &ContactDialog::contactSaved);
    type(edit(add, u"Edit_ragsoc"_s), typed);
    type(edit(add, u"Edit_soc"_s), company);
    type(edit(add, u"Edit_email"_s), u"ann@example.com; bob@example.org"_s);
    type(child<QPlainTextEdit>(add, u"EDIT_indirizzo"_s), u"Via Roma 1\n20100 Milano"_s);
    type(child<QPlainTextEdit>(add, u"Edit_note"_s), u"Likes \"tea\"; not coffee"_s);
    press(add, u"SpeedButtonAddClose"_s);

    QCOMPARE(saved.size(), 1);
    const qint64 key = saved.at(0).at(0).toLongLong();
    QVERIFY(closedAndGone(add));
    auto row = ContactWriter::load(db, key);
    QVERIFY(row);
    QCOMPARE(row->ragsoc, stored);
    QCOMPARE(row->company, company);
    QCOMPARE(row->email, u"ann@example.com; bob@example.org"_s);
    QCOMPARE(row->indirizzo, u"Via Roma 1\n20100 Milano"_s);
    QCOMPARE(row->note, u"Likes \"tea\"; not coffee"_s);
    QCOMPARE(row->tel, u""_s);
    QCOMPARE(row->foto, u""_s);

    QPointer<ContactDialog> modify = openModify(key);
    QVERIFY(modify);
    QCOMPARE(modify->objectName(), u"TModContactForm"_s);
    QCOMPARE(modify->windowTitle(), u"Modify Contact"_s);
    QCOMPARE(m_entry.linkedContact, QString::number(key));
    QCOMPARE(edit(modify, u"Edit_ragsoc"_s)->text(), stored);
    QCOMPARE(edit(modify, u"Edit_soc"_s)->text(), company);
    QCOMPARE(child<QPlainTextEdit>(modify, u"Edit_note"_s)->toPlainText(), u"Likes \"tea\"; not coffee"_s);
    QSignalSpy modified(modify.data(), &ContactDialog::contactSaved);
    type(edit(modify, u"Edit_tel"_s), u"+39 02, 555"_s);
    QTest::keyClick(edit(modify, u"Edit_tel"_s), Qt::Key_Return);

    QCOMPARE(modified.size(), 1);
    QCOMPARE(modified.at(0).at(0).toLongLong(), key);
    QVERIFY(closedAndGone(modify));
    QCOMPARE(m_entry.linkedContact, agenda::EntryContext::noContact());
    row = ContactWriter::load(db, key);
    QCOMPARE(row->ragsoc, stored);
    QCOMPARE(row->company, company);
    QCOMPARE(row->tel, u"+39 02, 555"_s);
    QCOMPARE(row->indirizzo, u"Via Roma 1\n20100 Milano"_s);
}

void ContactDialogTest::fieldsRefuseLongerInput_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("limit");

    QTest::newRow("name") << u"Edit_ragsoc"_s << 50;
    QTest::newRow("company") << u"Edit_soc"_s << 50;
    QTest::newRow("group") << u"ComboBox_Contact_Group"_s << 50;
    for (const QString& name : {u"Edit_tel"_s, u"Edit_mobile"_s, u"EDIT_skype"_s, u"Edit_Fax"_s, u"Edit_email"_s,
                                u"Edit_Site"_s, u"Edit_Allegato"_s, u"Edit_Allegato3"_s})
        QTest::newRow(qPrintable(name)) << name << 255;
}

void ContactDialogTest::fieldsRefuseLongerInput()
{
    QFETCH(QString, field);
    QFETCH(int, limit);

    QPointer<ContactDialog> dialog = openAdd();
    QLineEdit* line = field.startsWith(u"ComboBox"_s)
                          ? child<QComboBox>(dialog, field)->lineEdit()
                          : edit(dialog, field);
    const QString text = QString(limit + 5, u'x');
    type(line, text);
    QCOMPARE(line->text(), text.left(limit));
}

// Texts longer than the typing limits (written by an import) are shown and
// saved whole.
void ContactDialogTest::longStoredTextsSurviveAModify()
{
    const QSqlDatabase db = m_archive->db();
    Contact contact;
    contact.ragsoc = QString(70, u'n');
    contact.tel = QString(300, u'1');
    const qint64 key = ContactWriter::insert(db, contact);

    QPointer<ContactDialog> dialog = openModify(key);
    QCOMPARE(edit(dialog, u"Edit_ragsoc"_s)->text(), contact.ragsoc);
    QCOMPARE(edit(dialog, u"Edit_tel"_s)->text(), contact.tel);
    press(dialog, u"SpeedButtonMod"_s);
    QCOMPARE(ContactWriter::load(db, key)->tel, contact.tel);
    QCOMPARE(ContactWriter::load(db, key)->ragsoc, u'N' + contact.ragsoc.mid(1));
}

void ContactDialogTest::saveNeedsAName()
{
    QPointer<ContactDialog> dialog = openAdd();
    QSignalSpy saved(dialog.data(), &ContactDialog::contactSaved);
    QVERIFY(!button(dialog, u"SpeedButtonAdd"_s)->isEnabled());
    QVERIFY(!button(dialog, u"SpeedButtonAddClose"_s)->isEnabled());
    type(edit(dialog, u"Edit_tel"_s), u"555"_s);
    QTest::keyClick(edit(dialog, u"Edit_tel"_s), Qt::Key_Return);
    QVERIFY(saved.isEmpty());
    QVERIFY(dialog->isVisible());

    type(edit(dialog, u"Edit_ragsoc"_s), u"a"_s);
    QVERIFY(button(dialog, u"SpeedButtonAdd"_s)->isEnabled());
    QVERIFY(button(dialog, u"SpeedButtonAddClose"_s)->isEnabled());
    QTest::keyClick(child<QComboBox>(dialog, u"ComboBox_Contact_Group"_s)->lineEdit(), Qt::Key_Return);
    QCOMPARE(saved.size(), 1);
    QVERIFY(closedAndGone(dialog));
}

void ContactDialogTest::insertStaysOpenForTheNextContact()
{
    const QString picture = writePicture(m_program->filePath(u"me.jpg"_s));
    QPointer<ContactDialog> dialog = openAdd(u"Friend"_s);
    QSignalSpy saved(dialog.data(), &ContactDialog::contactSaved);
    type(edit(dialog, u"Edit_ragsoc"_s), u"ann"_s);
    type(edit(dialog, u"Edit_mobile"_s), u"333"_s);
    type(child<QPlainTextEdit>(dialog, u"Edit_note"_s), u"note"_s);
    QVERIFY(dialog->setPhoto(picture));
    press(dialog, u"SpeedButtonZoomNote"_s);
    QVERIFY(dialog->isBigNoteShown());

    press(dialog, u"SpeedButtonAdd"_s);
    QCOMPARE(saved.size(), 1);
    QVERIFY(dialog->isVisible());
    QVERIFY(!dialog->isBigNoteShown());
    QCOMPARE(edit(dialog, u"Edit_ragsoc"_s)->text(), QString());
    QCOMPARE(edit(dialog, u"Edit_mobile"_s)->text(), QString());
    QCOMPARE(child<QPlainTextEdit>(dialog, u"Edit_note"_s)->toPlainText(), QString());
    QCOMPARE(dialog->photoPath(), QString());
    QCOMPARE(child<QComboBox>(dialog, u"ComboBox_Contact_Group"_s)->currentText(), u"Friend"_s);
    QVERIFY(!button(dialog, u"SpeedButtonAdd"_s)->isEnabled());

    const auto row = ContactWriter::load(m_archive->db(), saved.at(0).at(0).toLongLong());
    QCOMPARE(row->ragsoc, u"Ann"_s);
    QCOMPARE(row->note, u"note"_s);
    QCOMPARE(row->gruppo, u"Friend"_s);
    QCOMPARE(row->foto, picture);

    type(edit(dialog, u"Edit_ragsoc"_s), u"Bob"_s);
    press(dialog, u"SpeedButtonAdd"_s);
    QCOMPARE(saved.size(), 2);
    QVERIFY(saved.at(1).at(0).toLongLong() != saved.at(0).at(0).toLongLong());
}

void ContactDialogTest::escapeClosesWithoutSaving()
{
    const qint64 key = storeContact(m_archive->db(), u"Ann"_s);
    QPointer<ContactDialog> dialog = openModify(key);
    type(edit(dialog, u"Edit_ragsoc"_s), u" changed"_s);
    QTest::keyClick(child<QPlainTextEdit>(dialog, u"EDIT_indirizzo"_s), Qt::Key_Escape);
    QVERIFY(closedAndGone(dialog));
    QCOMPARE(ContactWriter::load(m_archive->db(), key)->ragsoc, u"Ann"_s);
    QCOMPARE(m_entry.linkedContact, agenda::EntryContext::noContact());

    dialog = openAdd();
    type(edit(dialog, u"Edit_ragsoc"_s), u"Bob"_s);
    press(dialog, u"SpeedButton3"_s);
    QVERIFY(closedAndGone(dialog));
    QSqlQuery count(u"SELECT COUNT(*) FROM BRcon63"_s, m_archive->db());
    QVERIFY(count.next());
    QCOMPARE(count.value(0).toInt(), 1);
}

void ContactDialogTest::groupIsRegisteredOnce()
{
    const QSqlDatabase db = m_archive->db();
    QPointer<ContactDialog> dialog = openAdd();
    QSignalSpy groups(dialog.data(), &ContactDialog::groupsChanged);
    auto* group = child<QComboBox>(dialog, u"ComboBox_Contact_Group"_s);
    QCOMPARE(group->count(), 20);
    QCOMPARE(group->itemText(0), QString());

    for (const QString& name : {u"Ann"_s, u"Bob"_s}) {
        type(edit(dialog, u"Edit_ragsoc"_s), name);
        group->setEditText(u"Climbers; \"pro\""_s);
        press(dialog, u"SpeedButtonAdd"_s);
    }
    QCOMPARE(groupRows(db, u"Climbers; \"pro\""_s), 1);
    QCOMPARE(groups.size(), 1);
    QVERIFY(group->findText(u"Climbers; \"pro\""_s) >= 0);

    // An existing name adds nothing.
    type(edit(dialog, u"Edit_ragsoc"_s), u"Cy"_s);
    group->setEditText(u"Client"_s);
    press(dialog, u"SpeedButtonAdd"_s);
    QCOMPARE(groupRows(db, u"Client"_s), 1);
    QCOMPARE(groups.size(), 1);
}

void ContactDialogTest::addStartsWithTheGroupFilter()
{
    QPointer<ContactDialog> dialog = openAdd(u"[ IS NULL ]"_s);
    QCOMPARE(child<QComboBox>(dialog, u"ComboBox_Contact_Group"_s)->currentText(), u"[ IS NULL ]"_s);
    QCOMPARE(dialog->focusWidget(), edit(dialog, u"Edit_ragsoc"_s));
}

void ContactDialogTest::addDialogHasNoBirthdayYet()
{
    QPointer<ContactDialog> dialog = openAdd();
    QCOMPARE(button(dialog, u"SpeedButtonBirthday"_s)->text(), u"Birthday"_s);
    press(dialog, u"SpeedButtonBirthday"_s);
    QCOMPARE(MessageBox::shownTexts(),
             QStringList{u"The birthday can be associated only after inserting the contact in the phonebook."_s});
    QVERIFY(!dialog->birthdayMenu()->isVisible());
    QVERIFY(!topLevel(u"TAggYearForm"_s));
}

// Insert through the birthday menu, keep the link through a modify, find it
// again, and lose it with the Contact.
void ContactDialogTest::birthdayLinkLifecycle()
{
    const QSqlDatabase db = m_archive->db();
    const qint64 key = storeContact(db, u"Ann Smith"_s, u"ann@example.com"_s);
    storeContact(db, u"Bob"_s);

    QPointer<ContactDialog> dialog = openModify(key);
    auto* birthday = button(dialog, u"SpeedButtonBirthday"_s);
    QCOMPARE(birthday->text(), u"Birthday"_s);
    QCOMPARE(birthday->toolTip(), u"Associa un evento annuale al contatto"_s);
    press(dialog, u"SpeedButtonBirthday"_s);
    QMenu* menu = dialog->birthdayMenu();
    QVERIFY(menu->isVisible());
    QCOMPARE(action(menu, u"ActionBirthdayInsert"_s)->text(), u"Insert"_s);
    QVERIFY(action(menu, u"ActionBirthdaySearch"_s)->isEnabled());
    QVERIFY(!action(menu, u"ActionBirthdayUnlink"_s)->isEnabled());
    QVERIFY(!action(menu, u"ActionBirthdayDelete"_s)->isEnabled());

    // The name as shown in the dialog, not as stored.
    edit(dialog, u"Edit_ragsoc"_s)->setText(u"Ann Smith-Jones"_s);
    action(menu, u"ActionBirthdayInsert"_s)->trigger();
    QWidget* yearly = topLevel(u"TAggYearForm"_s);
    QVERIFY(yearly);
    QCOMPARE(edit(yearly, u"Edit_id"_s)->text(), u"Birthday of Ann Smith-Jones"_s);
    QCOMPARE(edit(yearly, u"Edit_Ricerca"_s)->text(), u"Ann Smith-Jones"_s);
    QCOMPARE(edit(yearly, u"Edit_Allegato"_s)->text(), u"mailto:ann@example.com"_s);
    QVERIFY(!button(yearly, u"SpeedButtonAdd"_s)->isVisible());
    // The shared state goes back to what the main window had.
    QCOMPARE(m_entry.contactName, QString());
    press(yearly, u"SpeedButtonAddClose"_s);
    QVERIFY(!topLevel(u"TAggYearForm"_s));

    const auto link = ContactWriter::linkedTask(db, key);
    QVERIFY(link);
    QCOMPARE(link->id, u"Birthday of Ann Smith-Jones"_s);
    QCOMPARE(link->dayofmonth, u"SI"_s);
    QCOMPARE(m_tasksChanged, 1);
    QCOMPARE(birthday->text(), u"20 March"_s);
    QCOMPARE(action(menu, u"ActionBirthdayInsert"_s)->text(), u"Modify"_s);
    QVERIFY(!action(menu, u"ActionBirthdaySearch"_s)->isEnabled());
    QVERIFY(action(menu, u"ActionBirthdayUnlink"_s)->isEnabled());
    QVERIFY(action(menu, u"ActionBirthdayDelete"_s)->isEnabled());

    press(dialog, u"SpeedButtonMod"_s);
    QVERIFY(closedAndGone(dialog));
    QCOMPARE(m_entry.linkedContact, agenda::EntryContext::noContact());
    QCOMPARE(ContactWriter::linkedTask(db, key)->codimp, link->codimp);

    // The next modify dialog shows the birthday in the settings' yearly format.
    m_settings.dataYear = u"mm/dd"_s;
    dialog = openModify(key);
    QCOMPARE(button(dialog, u"SpeedButtonBirthday"_s)->text(), u"03/20"_s);
    press(dialog, u"SpeedButton3"_s);
    QVERIFY(closedAndGone(dialog));

    QVERIFY(ContactWriter::deleteContact(db, key));
    QVERIFY(!ContactWriter::linkedTask(db, key));
    QCOMPARE(dayindexOf(db, link->codimp), QVariant(u"missing"_s));
}

void ContactDialogTest::birthdayModifyOpensTheLinkedTask()
{
    const QSqlDatabase db = m_archive->db();
    const qint64 key = storeContact(db, u"Ann"_s);
    const qint64 task = addTask(db, u"Birthday of Ann"_s, key);

    QPointer<ContactDialog> dialog = openModify(key);
    action(dialog->birthdayMenu(), u"ActionBirthdayInsert"_s)->trigger();
    QWidget* yearly = topLevel(u"TModYearForm"_s);
    QVERIFY(yearly);
    QCOMPARE(edit(yearly, u"Edit_id"_s)->text(), u"Birthday of Ann"_s);
    edit(yearly, u"Edit_id"_s)->setText(u"Birthday of Ann (70)"_s);
    press(yearly, u"SpeedButtonMod"_s);
    QVERIFY(!topLevel(u"TModYearForm"_s));
    QCOMPARE(m_tasksChanged, 1);
    const auto link = ContactWriter::linkedTask(db, key);
    QCOMPARE(link->codimp, task);
    QCOMPARE(link->id, u"Birthday of Ann (70)"_s);
}

void ContactDialogTest::searchLinksAnExistingTask_data()
{
    QTest::addColumn<QStringList>("tasks");
    QTest::addColumn<QList<MessageBox::Answer>>("answers");
    QTest::addColumn<int>("linked"); // index into tasks, -1 none
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QString>("yearlySearch");

    const auto yes = MessageBox::Answer::Yes;
    const auto no = MessageBox::Answer::No;
    const QString nothing = u"I have not find a yearly task to associate with \"Ann\""_s;
    const QString first = u" Link \"Ann\" with the task \"Birthday of Ann\""_s;
    const QString second = u" Link \"Ann\" with the task \"Party for ANN\""_s;

    QTest::newRow("nothing found") << QStringList{u"Christmas"_s} << QList<MessageBox::Answer>{} << -1
                                   << QStringList{nothing} << QString();
    QTest::newRow("first") << QStringList{u"Birthday of Ann"_s, u"Party for ANN"_s}
                           << QList<MessageBox::Answer>{yes} << 0 << QStringList{first} << u"Ann"_s;
    QTest::newRow("no, then yes") << QStringList{u"Birthday of Ann"_s, u"Party for ANN"_s}
                                  << QList<MessageBox::Answer>{no, yes} << 1 << QStringList{first, second}
                                  << u"Ann"_s;
    QTest::newRow("all no") << QStringList{u"Birthday of Ann"_s, u"Party for ANN"_s}
                            << QList<MessageBox::Answer>{no, no} << -1 << QStringList{first, second} << QString();
}

void ContactDialogTest::searchLinksAnExistingTask()
{
    QFETCH(QStringList, tasks);
    QFETCH(QList<MessageBox::Answer>, answers);
    QFETCH(int, linked);
    QFETCH(QStringList, messages);
    QFETCH(QString, yearlySearch);
    const QSqlDatabase db = m_archive->db();
    const qint64 key = storeContact(db, u"Ann"_s);
    const qint64 other = storeContact(db, u"Other"_s);
    QList<qint64> keys;
    for (int i = 0; i < tasks.size(); ++i)
        // The second task belongs to another Contact: it is offered too.
        keys << addTask(db, tasks.at(i), i == 1 ? QVariant(other) : QVariant(), u"0%1/01"_s.arg(i + 1));

    QPointer<ContactDialog> dialog = openModify(key);
    MessageBox::setNextAnswers(answers);
    action(dialog->birthdayMenu(), u"ActionBirthdaySearch"_s)->trigger();

    QCOMPARE(MessageBox::shownTexts(), messages);
    QCOMPARE(m_yearlySearch, QStringList{yearlySearch});
    const auto link = ContactWriter::linkedTask(db, key);
    QCOMPARE(link.has_value(), linked >= 0);
    QCOMPARE(m_tasksChanged, linked >= 0 ? 1 : 0);
    if (linked >= 0) {
        QCOMPARE(link->codimp, keys.at(linked));
        QCOMPARE(button(dialog, u"SpeedButtonBirthday"_s)->text(), u"20 March"_s);
    } else {
        QCOMPARE(button(dialog, u"SpeedButtonBirthday"_s)->text(), u"Birthday"_s);
    }
    if (keys.size() > 1 && linked != 1)
        QCOMPARE(dayindexOf(db, keys.at(1)).toLongLong(), other);
}

void ContactDialogTest::unlinkKeepsTheTask()
{
    const QSqlDatabase db = m_archive->db();
    const qint64 key = storeContact(db, u"Ann"_s);
    const qint64 task = addTask(db, u"Birthday of Ann"_s, key);
    QPointer<ContactDialog> dialog = openModify(key);
    const QString question = u" Delete the link of \"Ann\" with the task \"Birthday of Ann\""_s;

    MessageBox::setNextAnswers({MessageBox::Answer::No});
    action(dialog->birthdayMenu(), u"ActionBirthdayUnlink"_s)->trigger();
    QCOMPARE(MessageBox::shownTexts(), QStringList{question});
    QCOMPARE(dayindexOf(db, task).toLongLong(), key);
    QCOMPARE(m_tasksChanged, 0);

    MessageBox::setNextAnswers({MessageBox::Answer::Yes});
    action(dialog->birthdayMenu(), u"ActionBirthdayUnlink"_s)->trigger();
    QCOMPARE(dayindexOf(db, task).toInt(), 0);
    QCOMPARE(m_tasksChanged, 1);
    QCOMPARE(button(dialog, u"SpeedButtonBirthday"_s)->text(), u"Birthday"_s);
    QVERIFY(!action(dialog->birthdayMenu(), u"ActionBirthdayUnlink"_s)->isEnabled());
    QVERIFY(action(dialog->birthdayMenu(), u"ActionBirthdaySearch"_s)->isEnabled());
}

void ContactDialogTest::deleteRunsTheYearlyCommand()
{
    const QSqlDatabase db = m_archive->db();
    const qint64 key = storeContact(db, u"Ann"_s);
    const qint64 task = addTask(db, u"Birthday of Ann"_s, key);
    bool confirm = false;
    m_context.deleteYearlyTask = [&](qint64 codimp) {
        m_deleteRequests << codimp;
        if (confirm)
            agenda::deleteTask(db, codimp);
    };
    QPointer<ContactDialog> dialog = openModify(key);

    action(dialog->birthdayMenu(), u"ActionBirthdayDelete"_s)->trigger();
    QCOMPARE(m_deleteRequests, QList<qint64>{task});
    QCOMPARE(m_tasksChanged, 0);
    QCOMPARE(button(dialog, u"SpeedButtonBirthday"_s)->text(), u"20 March"_s);

    confirm = true;
    action(dialog->birthdayMenu(), u"ActionBirthdayDelete"_s)->trigger();
    QCOMPARE(m_deleteRequests, (QList<qint64>{task, task}));
    QCOMPARE(m_tasksChanged, 1);
    QCOMPARE(button(dialog, u"SpeedButtonBirthday"_s)->text(), u"Birthday"_s);
    QVERIFY(!ContactWriter::linkedTask(db, key));
}

void ContactDialogTest::photoChoice()
{
    QVERIFY(QDir(programFolder()).mkpath(u"pics"_s));
    QTemporaryDir outside;
    const QString picture = writePicture(outside.filePath(u"portrait.jpeg"_s));
    const QString notAPicture = outside.filePath(u"notes.jpg"_s);
    {
        QFile file(notAPicture);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("not a picture");
    }
    const qint64 key = storeContact(m_archive->db(), u"Ann"_s);
    QPointer<ContactDialog> dialog = openModify(key);
    auto* box = child<QLabel>(dialog, u"Image_Foto"_s);
    QCOMPARE(box->text(), u"Photo"_s);

    platform::FileDialog::setNextNames({picture});
    press(dialog, u"SpeedButtonFoto"_s);
    QVERIFY(dialog->photoMenu()->isVisible());
    action(dialog->photoMenu(), u"ActionFotoOpen"_s)->trigger();
    QCOMPARE(dialog->photoPath(), picture);
    QVERIFY(!box->pixmap().isNull());
    QVERIFY(box->text().isEmpty());

    // A file that is no picture is refused and the shown one stays.
    platform::FileDialog::setNextNames({notAPicture});
    action(dialog->photoMenu(), u"ActionFotoOpen"_s)->trigger();
    QCOMPARE(MessageBox::shownTexts(), QStringList{u"The picture \""_s + notAPicture + u"\" cannot be read."_s});
    QCOMPARE(dialog->photoPath(), picture);

    press(dialog, u"SpeedButtonMod"_s);
    QCOMPARE(ContactWriter::load(m_archive->db(), key)->foto, picture);

    dialog = openModify(key);
    QCOMPARE(dialog->photoPath(), picture);
    action(dialog->photoMenu(), u"ActionFotoDelete"_s)->trigger();
    QCOMPARE(child<QLabel>(dialog, u"Image_Foto"_s)->text(), u"Photo"_s);
    press(dialog, u"SpeedButtonMod"_s);
    QCOMPARE(ContactWriter::load(m_archive->db(), key)->foto, u""_s);
}

void ContactDialogTest::photoOfTheStoredContact_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("held"); // "pics" for the namesake in pics
    QTest::addColumn<bool>("shown");

    QTest::newRow("moved into pics") << u"/gone/away/ann.jpg"_s << u"pics"_s << true;
    QTest::newRow("written on Windows") << u"C:\\Brivane\\pics\\ann.jpg"_s << u"pics"_s << true;
    QTest::newRow("lost") << u"/gone/away/nobody.jpg"_s << u"/gone/away/nobody.jpg"_s << false;
}

void ContactDialogTest::photoOfTheStoredContact()
{
    QFETCH(QString, stored);
    QFETCH(QString, held);
    QFETCH(bool, shown);
    QVERIFY(QDir(programFolder()).mkpath(u"pics"_s));
    const QString inPics = writePicture(programFolder() + u"pics/ann.jpg"_s);
    if (held == u"pics"_s)
        held = inPics;

    Contact contact;
    contact.ragsoc = u"Ann"_s;
    contact.foto = stored;
    const qint64 key = ContactWriter::insert(m_archive->db(), contact);
    QPointer<ContactDialog> dialog = openModify(key);
    QCOMPARE(QDir::cleanPath(dialog->photoPath()), QDir::cleanPath(held));
    QCOMPARE(!child<QLabel>(dialog, u"Image_Foto"_s)->pixmap().isNull(), shown);
    press(dialog, u"SpeedButtonMod"_s);
    QCOMPARE(QDir::cleanPath(ContactWriter::load(m_archive->db(), key)->foto), QDir::cleanPath(held));
}

void ContactDialogTest::noteAreasHoldTheSameText()
{
    Contact contact;
    contact.ragsoc = u"Ann"_s;
    contact.note = u"first line\nsecond line"_s;
    const qint64 key = ContactWriter::insert(m_archive->db(), contact);

    QPointer<ContactDialog> dialog = openModify(key);
    auto* small = child<QPlainTextEdit>(dialog, u"Edit_note"_s);
    auto* big = child<QPlainTextEdit>(dialog, u"Memo_note_fullscreen"_s);
    auto* zoom = button(dialog, u"SpeedButtonZoomNote"_s);
    QCOMPARE(zoom->text(), u"+"_s);
    QCOMPARE(zoom->toolTip(), u"Expand / Collapse edit notes area"_s);
    QVERIFY(!dialog->isBigNoteShown());
    QCOMPARE(dialog->focusWidget(), edit(dialog, u"Edit_ragsoc"_s));

    QTextCursor cursor = small->textCursor();
    cursor.setPosition(5);
    small->setTextCursor(cursor);
    QTest::mouseClick(zoom, Qt::LeftButton);
    QVERIFY(dialog->isBigNoteShown());
    QVERIFY(zoom->isVisible());
    QCOMPARE(zoom->text(), u"-"_s);
    QVERIFY(!child<QWidget>(dialog, u"Panel_Fields"_s)->isVisible());
    QCOMPARE(big->toPlainText(), contact.note);
    QCOMPARE(big->textCursor().position(), 5);
    QCOMPARE(dialog->focusWidget(), big);

    QTest::keyClicks(big, u"X"_s);
    QCOMPARE(small->toPlainText(), u"firstX line\nsecond line"_s);
    QTest::mouseClick(zoom, Qt::LeftButton);
    QVERIFY(!dialog->isBigNoteShown());
    QCOMPARE(small->textCursor().position(), 6);
    QCOMPARE(zoom->text(), u"+"_s);
    press(dialog, u"SpeedButtonMod"_s);
    QCOMPARE(ContactWriter::load(m_archive->db(), key)->note, u"firstX line\nsecond line"_s);

    // Opened from the note mark: expanded from the start.
    dialog = openModify(key, true);
    QVERIFY(dialog->isBigNoteShown());
    QCOMPARE(child<QPlainTextEdit>(dialog, u"Memo_note_fullscreen"_s)->toPlainText(),
             u"firstX line\nsecond line"_s);
}

void ContactDialogTest::attachments()
{
    QPointer<ContactDialog> dialog = openAdd();
    QLineEdit* second = edit(dialog, u"Edit_Allegato2"_s);
    QPushButton* clear = button(dialog, u"SpeedButtonClearAllegato2"_s);
    QVERIFY(!clear->isEnabled());

    platform::FileDialog::setNextNames({programFolder() + u"allegati/offer.pdf"_s});
    press(dialog, u"SpeedButtonAttachFile2"_s);
    QCOMPARE(second->text(), u"offer.pdf"_s);
    QCOMPARE(second->toolTip(), u"offer.pdf"_s);
    QVERIFY(clear->isEnabled());

    platform::FileDialog::setNextNames({u"/"_s + QString(300, u'd')});
    press(dialog, u"SpeedButtonAttachFolder2"_s);
    QCOMPARE(MessageBox::shownTexts(), QStringList{u"The path is longer than 255 characters and cannot be attached."_s});
    QCOMPARE(second->text(), u"offer.pdf"_s);

    press(dialog, u"SpeedButtonClearAllegato2"_s);
    QCOMPARE(second->text(), QString());
    QVERIFY(!clear->isEnabled());

    type(edit(dialog, u"Edit_Allegato3"_s), programFolder() + u"attaches/map.png"_s);
    QCOMPARE(edit(dialog, u"Edit_Allegato3"_s)->text(), u"map.png"_s);
    type(edit(dialog, u"Edit_ragsoc"_s), u"Ann"_s);
    press(dialog, u"SpeedButtonAddClose"_s);
    QSqlQuery row(u"SELECT allegato, allegato2, allegato3 FROM BRcon63"_s, m_archive->db());
    QVERIFY(row.next());
    QCOMPARE(row.value(0).toString(), u""_s);
    QCOMPARE(row.value(2).toString(), u"map.png"_s);
}

void ContactDialogTest::hintAndPrint()
{
    QPointer<ContactDialog> add = openAdd();
    press(add, u"SpeedButtonSpiegazione"_s);
    QVERIFY(MessageBox::shownTexts().value(0).startsWith(
        u"DESCRIPTION:\r\rThis module allows you to enter a new contact in Address Book."_s));
    QVERIFY(MessageBox::shownTexts().value(0).contains(u"skype:username?call"_s));
    add->close();

    MessageBox::clearShown();
    const qint64 key = storeContact(m_archive->db(), u"Ann"_s);
    QPointer<ContactDialog> modify = openModify(key);
    press(modify, u"SpeedButtonSpiegazione"_s);
    QVERIFY(MessageBox::shownTexts().value(0).startsWith(
        u"DESCRIPTION:\r\rThis module allows you to update contact informations."_s));

    QTemporaryDir out;
    const QString pdf = out.filePath(u"contact.pdf"_s);
    platform::Shell::clearOpened();
    platform::FileDialog::setNextNames({pdf});
    press(modify, u"SpeedButtonPrintContact"_s);
    auto* menu = modify->findChild<QMenu*>(u"PopupMenuPrint"_s);
    QVERIFY(menu);
    menu->findChild<QAction*>(u"MenuItem_SavePdf"_s)->trigger();
    QVERIFY(QFileInfo(pdf).size() > 0);
    QVERIFY(platform::Shell::opened().isEmpty());
    QVERIFY(modify->isVisible());
}

QTEST_MAIN(ContactDialogTest)
#include "tst_contactdialog_gui.moc"
