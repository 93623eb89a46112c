#include "contacts/widgets/GroupFilter.h"
#include "platform/Shell.h"
#include "platform/widgets/FileDialog.h"
#include "platform/widgets/MessageBox.h"
#include "store/SettingsRecord.h"
#include "store/SettingsStore.h"
#include "support/TestArchive.h"
#include "to_do/ToDoQuery.h"
#include "to_do/widgets/ToDoDialog.h"
#include "to_do/widgets/ToDoTab.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QSpinBox>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

using namespace Qt::StringLiterals;
using namespace brivane;
using platform::MessageBox;
using to_do::widgets::ToDoDialog;
using to_do::widgets::ToDoTab;

namespace {

template <typename T> T* child(const QWidget* parent, const QString& name)
{
    T* found = parent->findChild<T*>(name);
    if (!found)
        qWarning("no child %s", qPrintable(name));
    return found;
}

// The dialog the tab opened, found as the user sees it: a visible top-level window.
ToDoDialog* openDialog(const QString& objectName)
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* dialog = qobject_cast<ToDoDialog*>(widget);
        if (dialog && dialog->isVisible() && dialog->objectName() == objectName)
            return dialog;
    }
    return nullptr;
}

qint64 addItem(const QSqlDatabase& db, const QString& id, int priority, const QString& flag, int percento,
               const QString& gruppo = QString(), const QString& note = QString())
{
    QSqlQuery query(db);
    query.prepare(u"INSERT INTO BRtod63 (id,note,priority,flag,percento,allegato,ricerca,gruppo) "
                  "VALUES (:id,:note,:priority,:flag,:percento,'','',:gruppo)"_s);
    query.bindValue(u":id"_s, id);
    query.bindValue(u":note"_s, note.isNull() ? u""_s : note);
    query.bindValue(u":priority"_s, priority);
    query.bindValue(u":flag"_s, flag);
    query.bindValue(u":percento"_s, percento);
    query.bindValue(u":gruppo"_s, gruppo.isNull() ? u""_s : gruppo);
    if (!query.exec())
        qWarning("%s", qPrintable(query.lastError().text()));
    return query.lastInsertId().toLongLong();
}

QSqlRecord row(const QSqlDatabase& db, const QString& where)
{
    QSqlQuery query(db);
    if (!query.exec(u"SELECT * FROM BRtod63 WHERE "_s + where) || !query.next())
        return {};
    return query.record();
}

QStringList listed(const ToDoTab& tab)
{
    QStringList out;
    for (const to_do::ToDoItem& item : tab.query()->items())
        out << item.id;
    return out;
}

} // namespace

class ToDoTabTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void addThroughDialog();
    void modifyThroughDialog_data();
    void modifyThroughDialog();
    void modifyKeepsTheNoteLineEnds_data();
    void modifyKeepsTheNoteLineEnds();
    void noteMarkOpensTheBigNoteAndEscapeKeepsTheItem();
    void checkCloneDeleteKeepTheRow();
    void groupFilterAndCounter();
    void exportWritesTheListedItems();
    void emptyListDisablesRowCommands();

private:
    std::unique_ptr<ToDoTab> makeTab();

    std::unique_ptr<test::TestArchive> m_archive;
    store::SettingsRecord m_settings;
};

void ToDoTabTest::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    MessageBox::setScripted(true);
    platform::FileDialog::setScripted(true);
    platform::Shell::setRecording(true);
}

void ToDoTabTest::init()
{
    m_archive = std::make_unique<test::TestArchive>();
    MessageBox::clearShown();
    MessageBox::setNextAnswers({});
}

void ToDoTabTest::cleanup()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (qobject_cast<ToDoDialog*>(widget))
            delete widget;
    }
    m_archive.reset();
}

std::unique_ptr<ToDoTab> ToDoTabTest::makeTab()
{
    store::SettingsStore(m_archive->db()).load(m_settings);
    auto tab = std::make_unique<ToDoTab>(m_archive->db(), m_settings);
    tab->resize(660, 530);
    tab->show();
    tab->loadGroups();
    tab->applyMemorisedGroup();
    return tab;
}

void ToDoTabTest::addThroughDialog()
{
    auto tab = makeTab();
    tab->groupFilter()->setText(u"Gifts"_s);
    child<QToolButton>(tab.get(), u"SpeedButtonAggToDo"_s)->click();
    ToDoDialog* dialog = openDialog(u"TAggToDoForm"_s);
    QVERIFY(dialog);
    auto* description = child<QLineEdit>(dialog, u"Edit_id"_s);
    auto* insert = child<QPushButton>(dialog, u"SpeedButtonAdd"_s);
    auto* group = child<QComboBox>(dialog, u"ComboBox_List_Group"_s);
    QCOMPARE(group->currentText(), u"Gifts"_s);
    QCOMPARE(child<QSpinBox>(dialog, u"SpinEdit_Priority"_s)->value(), 5);
    QVERIFY(!insert->isEnabled());

    // "Insert" saves and stays open for the next item, keeping the group.
    QTest::keyClicks(description, u"buy tickets"_s);
    child<QSpinBox>(dialog, u"SpinEdit_Priority"_s)->setValue(7);
    child<QPlainTextEdit>(dialog, u"Memo"_s)->setPlainText(u"row one\nrow two"_s);
    child<QLineEdit>(dialog, u"Edit_Ricerca"_s)->setText(u"Ann"_s);
    insert->click();
    QCOMPARE(openDialog(u"TAggToDoForm"_s), dialog);
    QVERIFY(description->text().isEmpty());
    QVERIFY(child<QPlainTextEdit>(dialog, u"Memo"_s)->toPlainText().isEmpty());
    QVERIFY(child<QLineEdit>(dialog, u"Edit_Ricerca"_s)->text().isEmpty());
    QCOMPARE(child<QSpinBox>(dialog, u"SpinEdit_Priority"_s)->value(), 5);
    QCOMPARE(group->currentText(), u"Gifts"_s);
    QCOMPARE(listed(*tab), QStringList{u"Buy tickets"_s});
    QSqlRecord first = row(m_archive->db(), u"id = 'Buy tickets'"_s);
    QCOMPARE(first.value(u"priority"_s).toInt(), 7);
    QCOMPARE(first.value(u"note"_s).toString(), u"row one\nrow two"_s);
    QCOMPARE(first.value(u"flag"_s).toString(), u"No"_s);
    QCOMPARE(first.value(u"percento"_s).toInt(), 0);
    QCOMPARE(first.value(u"ricerca"_s).toString(), u"Ann"_s);
    QCOMPARE(first.value(u"gruppo"_s).toString(), u"Gifts"_s);

    // Enter in a one-line field runs "Insert and close"; a new group name
    // joins the to-do group names.
    QTest::keyClicks(description, u"pack bags"_s);
    group->setEditText(u"Holiday"_s);
    QTest::keyClick(description, Qt::Key_Return);
    QVERIFY(!openDialog(u"TAggToDoForm"_s));
    QCOMPARE(row(m_archive->db(), u"id = 'Pack bags'"_s).value(u"gruppo"_s).toString(), u"Holiday"_s);
    QVERIFY(tab->groupFilter()->names().contains(u"Holiday"_s));
}

void ToDoTabTest::modifyThroughDialog_data()
{
    QTest::addColumn<QString>("flag");
    QTest::addColumn<int>("percent");
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("savedFlag");
    QTest::addColumn<int>("savedPercent");

    QTest::newRow("bar to 100 checks Done") << u"No"_s << 40 << u"bar 100"_s << u"Yes"_s << 100;
    QTest::newRow("bar from 100 to 99 unchecks Done") << u"Yes"_s << 100 << u"bar 99"_s << u"No"_s << 99;
    QTest::newRow("ticking Done moves the bar to 100") << u"No"_s << 40 << u"tick"_s << u"Yes"_s << 100;
    QTest::newRow("unticking Done moves the bar to 0") << u"Yes"_s << 100 << u"tick"_s << u"No"_s << 0;
    QTest::newRow("untouched keeps the state") << u"No"_s << 40 << QString() << u"No"_s << 40;
}

void ToDoTabTest::modifyThroughDialog()
{
    QFETCH(QString, flag);
    QFETCH(int, percent);
    QFETCH(QString, action);
    QFETCH(QString, savedFlag);
    QFETCH(int, savedPercent);

    addItem(m_archive->db(), u"Top item"_s, 9, u"No"_s, 0);
    const qint64 key = addItem(m_archive->db(), u"Second item"_s, 3, flag, percent, u"Gifts"_s);
    auto tab = makeTab();
    tab->selectRow(1);
    child<QToolButton>(tab.get(), u"SpeedButtonModToDo"_s)->click();
    ToDoDialog* dialog = openDialog(u"TModToDoForm"_s);
    QVERIFY(dialog);
    auto* bar = child<QSlider>(dialog, u"TrackBarPercento"_s);
    auto* done = child<QCheckBox>(dialog, u"CheckBoxSolved"_s);
    QCOMPARE(child<QLineEdit>(dialog, u"Edit_id"_s)->text(), u"Second item"_s);
    QCOMPARE(child<QSpinBox>(dialog, u"SpinEdit_Priority"_s)->value(), 3);
    QCOMPARE(child<QComboBox>(dialog, u"ComboBox_List_Group"_s)->currentText(), u"Gifts"_s);
    QCOMPARE(bar->value(), percent);
    QCOMPARE(done->isChecked(), flag == u"Yes"_s);
    QCOMPARE(child<QLabel>(dialog, u"Label_Percento"_s)->text(), QString::number(percent) + u'%');

    if (action.startsWith(u"bar"_s))
        bar->setValue(action.mid(4).toInt());
    else if (action == u"tick"_s)
        done->click();
    QCOMPARE(child<QLabel>(dialog, u"Label_Percento"_s)->text(), QString::number(savedPercent) + u'%');
    child<QLineEdit>(dialog, u"Edit_id"_s)->setText(u"second item"_s);
    child<QPushButton>(dialog, u"SpeedButtonMod"_s)->click();

    QVERIFY(!openDialog(u"TModToDoForm"_s));
    const QSqlRecord saved = row(m_archive->db(), u"codtod = "_s + QString::number(key));
    QCOMPARE(saved.value(u"flag"_s).toString(), savedFlag);
    QCOMPARE(saved.value(u"percento"_s).toInt(), savedPercent);
    QCOMPARE(saved.value(u"id"_s).toString(), u"Second item"_s);
    QCOMPARE(saved.value(u"gruppo"_s).toString(), u"Gifts"_s);
    // The modified row is current again and the gauge shows it.
    QCOMPARE(tab->currentRow(), 1);
    QCOMPARE(child<QProgressBar>(tab.get(), u"GaugePercento"_s)->value(), savedPercent);
}

void ToDoTabTest::modifyKeepsTheNoteLineEnds_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("bigNote");
    QTest::addColumn<QString>("saved");

    QTest::newRow("CR LF") << u"one\r\ntwo"_s << false << u"one\r\ntwo\r\nthree"_s;
    QTest::newRow("CR LF through the big note") << u"one\r\ntwo"_s << true << u"one\r\ntwo\r\nthree"_s;
    QTest::newRow("LF") << u"one\ntwo"_s << false << u"one\ntwo\nthree"_s;
}

void ToDoTabTest::modifyKeepsTheNoteLineEnds()
{
    QFETCH(QString, stored);
    QFETCH(bool, bigNote);
    QFETCH(QString, saved);

    const qint64 key = addItem(m_archive->db(), u"Item"_s, 3, u"No"_s, 0, QString(), stored);
    auto tab = makeTab();
    tab->selectRow(0);
    child<QToolButton>(tab.get(), u"SpeedButtonModToDo"_s)->click();
    ToDoDialog* dialog = openDialog(u"TModToDoForm"_s);
    QVERIFY(dialog);
    if (bigNote)
        dialog->showBigNote(true);
    auto* note = child<QPlainTextEdit>(dialog, bigNote ? u"Memo_BIG"_s : u"Memo"_s);
    QVERIFY(note);
    note->moveCursor(QTextCursor::End);
    QTest::keyClick(note, Qt::Key_Return);
    QTest::keyClicks(note, u"three"_s);
    child<QPushButton>(dialog, u"SpeedButtonMod"_s)->click();
    QVERIFY(!openDialog(u"TModToDoForm"_s));
    QCOMPARE(row(m_archive->db(), u"codtod = "_s + QString::number(key)).value(u"note"_s).toString(), saved);
}

void ToDoTabTest::noteMarkOpensTheBigNoteAndEscapeKeepsTheItem()
{
    addItem(m_archive->db(), u"Plain"_s, 9, u"No"_s, 0);
    addItem(m_archive->db(), u"With note"_s, 5, u"No"_s, 0, QString(), u"keep me"_s);
    auto tab = makeTab();
    QTableView* grid = child<QTableView>(tab.get(), u"DBGrid_ToDo"_s);
    // The note column of a row without a note opens nothing.
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                      grid->visualRect(tab->query()->index(0, to_do::ToDoQuery::NoteMark)).center());
    QVERIFY(!openDialog(u"TModToDoForm"_s));

    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                      grid->visualRect(tab->query()->index(1, to_do::ToDoQuery::NoteMark)).center());
    ToDoDialog* dialog = openDialog(u"TModToDoForm"_s);
    QVERIFY(dialog);
    QVERIFY(dialog->isBigNoteShown());
    auto* bigNote = child<QPlainTextEdit>(dialog, u"Memo_BIG"_s);
    QCOMPARE(bigNote->toPlainText(), u"keep me"_s);
    bigNote->setPlainText(u"changed"_s);
    QTest::keyClick(bigNote, Qt::Key_Escape);
    QVERIFY(!openDialog(u"TModToDoForm"_s));
    QCOMPARE(row(m_archive->db(), u"id = 'With note'"_s).value(u"note"_s).toString(), u"keep me"_s);
}

void ToDoTabTest::checkCloneDeleteKeepTheRow()
{
    const QSqlDatabase db = m_archive->db();
    addItem(db, u"Alpha"_s, 9, u"No"_s, 0);
    addItem(db, u"Beta"_s, 5, u"No"_s, 30, u"Gifts"_s, u"a note"_s);
    addItem(db, u"Gamma"_s, 1, u"Yes"_s, 100);
    auto tab = makeTab();
    QCOMPARE(listed(*tab), (QStringList{u"Alpha"_s, u"Beta"_s, u"Gamma"_s}));
    QCOMPARE(tab->currentRow(), 0);

    // Check on the second row: written, the row stays current.
    tab->selectRow(1);
    child<QToolButton>(tab.get(), u"SpeedButtonCheckToDo"_s)->click();
    QCOMPARE(row(db, u"id = 'Beta'"_s).value(u"flag"_s).toString(), u"Yes"_s);
    QCOMPARE(row(db, u"id = 'Beta'"_s).value(u"percento"_s).toInt(), 100);
    QCOMPARE(tab->currentRow(), 1);
    QVERIFY(tab->query()->index(1, 0).data(Qt::FontRole).value<QFont>().strikeOut());

    // Clone: a copy without group, the same row current.
    child<QToolButton>(tab.get(), u"SpeedButtonDupliToDo"_s)->click();
    QCOMPARE(listed(*tab), (QStringList{u"Alpha"_s, u"Beta"_s, u"Beta"_s, u"Gamma"_s}));
    QSqlQuery clones(db);
    QVERIFY(clones.exec(u"SELECT gruppo, note FROM BRtod63 WHERE id = 'Beta' ORDER BY codtod"_s));
    QVERIFY(clones.next() && clones.value(0).toString() == u"Gifts"_s);
    QVERIFY(clones.next() && clones.value(0).toString().isEmpty() && clones.value(1).toString() == u"a note"_s);
    QCOMPARE(tab->currentRow(), 1);

    // Delete asks with the item's name; No keeps it, Yes removes it.
    tab->selectRow(3);
    MessageBox::setNextAnswers({MessageBox::Answer::No});
    child<QToolButton>(tab.get(), u"SpeedButtonDelToDo"_s)->click();
    QCOMPARE(tab->query()->rowCount(), 4);
    QVERIFY(MessageBox::shownTexts().value(0).startsWith(u" You are in order to eliminate \"Gamma\", "_s));
    MessageBox::setNextAnswers({MessageBox::Answer::Yes});
    child<QToolButton>(tab.get(), u"SpeedButtonDelToDo"_s)->click();
    QCOMPARE(listed(*tab), (QStringList{u"Alpha"_s, u"Beta"_s, u"Beta"_s}));
    // The deleted row was the last: the one before it becomes current.
    QCOMPARE(tab->currentRow(), 2);
}

void ToDoTabTest::groupFilterAndCounter()
{
    const QSqlDatabase db = m_archive->db();
    addItem(db, u"Ring"_s, 9, u"No"_s, 0, u"Wedding"_s);
    addItem(db, u"Scarf"_s, 5, u"Yes"_s, 100, u"Gifts"_s);
    addItem(db, u"Wine"_s, 1, u"No"_s, 0, u"Cocktails"_s);
    auto tab = makeTab();
    QSignalSpy counts(tab.get(), &ToDoTab::countChanged);
    auto* counter = child<QLabel>(tab.get(), u"Panel_ToDo"_s);
    QCOMPARE(counter->text(), u"3   "_s);

    auto* filter = child<QComboBox>(tab.get(), u"ComboBox_List_Group"_s);
    QTest::keyClicks(filter->lineEdit(), u"gif"_s);
    QCOMPARE(listed(*tab), QStringList{u"Scarf"_s});
    QCOMPARE(counter->text(), u"1 / 3   "_s);
    QCOMPARE(counts.last(), (QVariantList{1, 3}));

    // The state filter narrows the group's list further.
    auto* state = child<QComboBox>(tab.get(), u"ComboBoxToDo"_s);
    state->setCurrentIndex(2); // Unchecked
    QVERIFY(listed(*tab).isEmpty());
    state->setCurrentIndex(0);

    // Clearing lists every item and stores the empty memorised group.
    child<QToolButton>(tab.get(), u"SpeedButtonClearGroupList"_s)->click();
    QCOMPARE(listed(*tab), (QStringList{u"Ring"_s, u"Scarf"_s, u"Wine"_s}));
    QCOMPARE(counter->text(), u"3   "_s);
    store::SettingsRecord stored;
    QVERIFY(store::SettingsStore(db).load(stored));
    QCOMPARE(stored.memGroupList, QString());

    // The search text and the search kind work with it.
    child<QLineEdit>(tab.get(), u"Edit_Find_ToDo"_s)->setText(u"in"_s);
    QCOMPARE(listed(*tab), (QStringList{u"Ring"_s, u"Wine"_s}));
}

void ToDoTabTest::exportWritesTheListedItems()
{
    const QSqlDatabase db = m_archive->db();
    addItem(db, u"Low"_s, 1, u"No"_s, 10, QString(), u"first\r\nsecond"_s);
    addItem(db, u"Done"_s, 5, u"Yes"_s, 100);
    addItem(db, u"High"_s, 9, u"No"_s, 50);
    auto tab = makeTab();
    child<QComboBox>(tab.get(), u"ComboBoxToDo"_s)->setCurrentIndex(2); // Unchecked
    tab->selectRow(1);

    QTemporaryDir dir;
    const QString path = dir.filePath(u"list.csv"_s);
    platform::FileDialog::setNextNames({QString()});
    child<QToolButton>(tab.get(), u"SpeedButtonExportTodo"_s)->click();
    QVERIFY(!QFile::exists(path));

    platform::FileDialog::setNextNames({path});
    child<QToolButton>(tab.get(), u"SpeedButtonExportTodo"_s)->click();
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    // UTF-8 behind a byte order mark, as spreadsheets open it with its accents.
    QCOMPARE(file.readAll(),
             QByteArray("\xEF\xBB\xBF" "DESCRIPTION,PRIOR,DONE,NOTE\r\nHigh,9,50,\r\nLow,1,10,first  second\r\n"));
    QCOMPARE(tab->currentRow(), 0);
    QVERIFY(MessageBox::shownTexts().isEmpty());
}

void ToDoTabTest::emptyListDisablesRowCommands()
{
    auto tab = makeTab();
    for (const QString& name : {u"SpeedButtonModToDo"_s, u"SpeedButtonDelToDo"_s, u"SpeedButtonDupliToDo"_s,
                               u"SpeedButtonCheckToDo"_s, u"SpeedButtonExportTodo"_s, u"SpeedButtonOrderToDo"_s,
                               u"SpeedButtonAllegatoToDo"_s})
        QVERIFY2(!child<QToolButton>(tab.get(), name)->isEnabled(), qPrintable(name));
    QVERIFY(child<QToolButton>(tab.get(), u"SpeedButtonAggToDo"_s)->isEnabled());
    QVERIFY(!child<QProgressBar>(tab.get(), u"GaugePercento"_s)->isVisible());
    QCOMPARE(child<QLabel>(tab.get(), u"Panel_ToDo"_s)->text(), u"0   "_s);

    // Read-only mode: Insert opens nothing.
    tab->setReadOnly(true);
    tab->insertItem();
    QVERIFY(!openDialog(u"TAggToDoForm"_s));
}

QTEST_MAIN(ToDoTabTest)
#include "tst_todotab_gui.moc"
