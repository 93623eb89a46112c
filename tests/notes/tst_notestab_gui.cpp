#include "notes/ExternalProgram.h"
#include "notes/NoteMessages.h"
#include "notes/NoteStore.h"
#include "notes/widgets/FindDialog.h"
#include "notes/widgets/NoteDialog.h"
#include "notes/widgets/NotesTab.h"
#include "platform/Shell.h"
#include "platform/widgets/FileDialog.h"
#include "platform/widgets/MessageBox.h"
#include "store/SettingsStore.h"
#include "store/WriteTransaction.h"
#include "support/MockClock.h"
#include "support/OtherMachine.h"
#include "support/TestArchive.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSpinBox>
#include <QSqlQuery>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

using namespace Qt::StringLiterals;
using namespace brivane;
using namespace brivane::notes;
using notes::widgets::NotesTab;
using platform::MessageBox;
using Answer = MessageBox::Answer;

namespace {

template <typename T> T* child(const QObject* parent, const QString& name)
{
    T* found = parent->findChild<T*>(name);
    if (!found)
        qWarning("no child %s", qPrintable(name));
    return found;
}

template <typename T> T* openDialog()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* dialog = qobject_cast<T*>(widget); dialog && dialog->isVisible())
            return dialog;
    }
    return nullptr;
}

void closeOpenDialogs()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* dialog = qobject_cast<QDialog*>(widget); dialog && dialog->isVisible())
            dialog->reject();
    }
}

} // namespace

class NotesTabTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void unsavedNoteQuestion_data();
    void unsavedNoteQuestion();
    void searchKindQuestion_data();
    void searchKindQuestion();
    void quitQuestion_data();
    void quitQuestion();
    void updateKeepsCaretAndRow();
    void findFromTheCaretWithoutWrap();
    void dateStampAppendsALine();
    void undoAfterADateStamp_data();
    void undoAfterADateStamp();
    void import_data();
    void import();
    void exportWritesTheEditorText();
    void printSavesAPdfThroughThePrintMenu();
    void deleteAsksAndKeepsTheRow();
    void addDialogStoresTimestampTitleAndGroup();
    void modifyDialogShowsTheEditedText();
    void formatBarSaveWritesTheEditorSettings();
    void togglesAnnounceThemselves();
    void statsShowTheirCounts();
    void externalProgramsThroughTheLookup();
    void noNoteDisablesTheEditor();
    void unreadableNoteIsNeverAnEmptyEditor();

private:
    QString storedText(const QString& title) const;
    void editCurrentNote(const QString& appended);
    void selectRow(int row);
    QToolButton* button(const char* name) const
    {
        return child<QToolButton>(m_tab.get(), QLatin1String(name));
    }

    std::unique_ptr<test::TestArchive> m_archive;
    std::unique_ptr<test::MockClock> m_clock;
    std::unique_ptr<NotesTab> m_tab;
    QPlainTextEdit* m_editor = nullptr;
    QTableView* m_list = nullptr;
    QTemporaryDir m_files;
};

void NotesTabTest::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    MessageBox::setScripted(true);
    platform::FileDialog::setScripted(true);
    platform::Shell::setRecording(true);
    ProgramLauncher::setRecording(true);
}

void NotesTabTest::init()
{
    m_archive = std::make_unique<test::TestArchive>();
    m_clock = std::make_unique<test::MockClock>(QDateTime(QDate(2024, 3, 1), QTime(14, 5, 9)));
    const NoteStore store(m_archive->db());
    QVERIFY(store.insert({u"Alpha"_s, u"first\r\nline two"_s, u"Work"_s}) > 0);
    QVERIFY(store.insert({u"Beta"_s, u"second"_s, u"Home"_s}) > 0);
    QVERIFY(store.insert({u"Gamma"_s, u"third"_s, QString()}) > 0);

    store::SettingsRecord settings;
    QVERIFY(store::SettingsStore(m_archive->db()).load(settings));
    m_tab = std::make_unique<NotesTab>(m_archive->db(), settings);
    m_tab->resize(660, 530);
    m_tab->loadGroups();
    m_tab->applyMemorisedGroup();
    m_tab->runSearch();
    m_tab->show();
    m_tab->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_tab.get()));
    m_editor = child<QPlainTextEdit>(m_tab.get(), u"Editor"_s);
    m_list = child<QTableView>(m_tab.get(), u"DBGrid_Note"_s);
    QVERIFY(m_editor && m_list);
    m_editor->setFocus();
    MessageBox::clearShown();
    MessageBox::setNextAnswers({});
}

void NotesTabTest::cleanup()
{
    closeOpenDialogs();
    m_tab.reset();
    m_clock.reset();
    m_archive.reset();
    ProgramLauncher::clearStarted();
    platform::Shell::clearOpened();
}

QString NotesTabTest::storedText(const QString& title) const
{
    QSqlQuery query(m_archive->db());
    query.prepare(u"SELECT note FROM BRnot80 WHERE id = :id"_s);
    query.bindValue(u":id"_s, title);
    return query.exec() && query.next() ? query.value(0).toString() : QString();
}

void NotesTabTest::editCurrentNote(const QString& appended)
{
    m_editor->moveCursor(QTextCursor::End);
    // Key clicks carry only Latin-1; other text arrives as a paste would.
    bool latin1 = true;
    for (const QChar c : appended)
        latin1 = latin1 && c.unicode() < 0x80;
    if (latin1)
        QTest::keyClicks(m_editor, appended);
    else
        m_editor->insertPlainText(appended);
    QVERIFY(button("SpeedButtonUpdate")->isEnabled());
    QVERIFY(m_tab->hasUnsavedNote());
}

void NotesTabTest::selectRow(int row)
{
    m_list->selectionModel()->setCurrentIndex(
        m_list->model()->index(row, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

// ---- the unsaved-note question -------------------------------------------------

void NotesTabTest::unsavedNoteQuestion_data()
{
    QTest::addColumn<QString>("trigger");
    QTest::addColumn<bool>("yes");
    for (const char* trigger :
         {"typing in the search", "clearing the search", "entering the list", "the list's scroll bar",
          "order", "insert", "clone", "typing a group", "inserting a group", "import", "main window command",
          "choosing another note"}) {
        QTest::addRow("%s, yes", trigger) << QString::fromLatin1(trigger) << true;
        QTest::addRow("%s, no", trigger) << QString::fromLatin1(trigger) << false;
    }
}

void NotesTabTest::unsavedNoteQuestion()
{
    QFETCH(QString, trigger);
    QFETCH(bool, yes);

    auto* search = child<QLineEdit>(m_tab.get(), u"Edit_Filtrafile"_s);
    if (trigger == "clearing the search"_L1)
        search->setText(u"a"_s); // nothing pending yet: no question
    QCOMPARE(m_editor->toPlainText(), u"first\nline two"_s);
    editCurrentNote(u" added"_s);
    MessageBox::clearShown();
    // The unsaved-note answer first; No to any question that follows it.
    MessageBox::setNextAnswers({yes ? Answer::Yes : Answer::No, Answer::No});
    platform::FileDialog::setNextNames({QString()});

    if (trigger == "typing in the search"_L1) {
        QTest::keyClicks(search, u"a"_s);
    } else if (trigger == "clearing the search"_L1) {
        button("SpeedButtonClearRicercaNote")->click();
        QVERIFY(search->text().isEmpty());
    } else if (trigger == "entering the list"_L1) {
        m_list->setFocus();
    } else if (trigger == "the list's scroll bar"_L1) {
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(2, 2), QPointF(2, 2), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(m_list->verticalScrollBar(), &press);
    } else if (trigger == "order"_L1) {
        button("SpeedButtonOrderNote")->click();
        child<QMenu>(m_tab.get(), u"PopupMenu_OrderNote"_s)->close();
    } else if (trigger == "insert"_L1) {
        button("SpeedButton_NuovaNota")->click();
        QVERIFY(openDialog<notes::widgets::NoteDialog>());
    } else if (trigger == "clone"_L1) {
        button("SpeedButtonDupliNote")->click();
    } else if (trigger == "typing a group"_L1) {
        QTest::keyClicks(child<QComboBox>(m_tab.get(), u"ComboBox_Note_Group"_s)->lineEdit(), u"W"_s);
    } else if (trigger == "inserting a group"_L1) {
        button("SpeedButtonAddGroup_Note")->click();
    } else if (trigger == "import"_L1) {
        button("SpeedButtonImportText")->click();
    } else if (trigger == "main window command"_L1) {
        QVERIFY(m_tab->askToSaveUnsavedNote());
    } else if (trigger == "choosing another note"_L1) {
        selectRow(1);
        QCOMPARE(m_editor->toPlainText(), u"second"_s);
    }

    QVERIFY(!MessageBox::shownTexts().isEmpty());
    QCOMPARE(MessageBox::shownTexts().first(), u"Not so fast! Update the file \"Alpha\"?"_s);
    QCOMPARE(storedText(u"Alpha"_s), yes ? u"first\r\nline two added"_s : u"first\r\nline two"_s);
    QVERIFY(!m_tab->hasUnsavedNote());
    QVERIFY(!button("SpeedButtonUpdate")->isEnabled());
    if (!yes) {
        // The declined edit is gone from the screen, and typing on does not
        // bring it back to be saved.
        QVERIFY2(!m_editor->toPlainText().contains(u"added"_s), qPrintable(m_editor->toPlainText()));
        if (m_editor->isEnabled() && !m_editor->isReadOnly() && !openDialog<QDialog>()) {
            QTest::keyClicks(m_editor, u"x"_s);
            QVERIFY(!m_editor->toPlainText().contains(u"added"_s));
        }
    }
}

void NotesTabTest::searchKindQuestion_data()
{
    QTest::addColumn<bool>("yes");
    QTest::newRow("yes") << true;
    QTest::newRow("no") << false;
}

void NotesTabTest::searchKindQuestion()
{
    QFETCH(bool, yes);
    editCurrentNote(u"!"_s);
    MessageBox::setNextAnswers({yes ? Answer::Yes : Answer::No});
    auto* kind = child<QComboBox>(m_tab.get(), u"ComboBox_KindFindNote"_s);
    kind->setCurrentIndex(1);
    Q_EMIT kind->activated(1);
    QCOMPARE(
        MessageBox::shownTexts(),
        QStringList{u"If you search before saving the changes will be lost. Save changes to \"Alpha\"?"_s});
    QCOMPARE(storedText(u"Alpha"_s), yes ? u"first\r\nline two!"_s : u"first\r\nline two"_s);
    QVERIFY(!m_tab->hasUnsavedNote());
    QCOMPARE(QApplication::focusWidget(), m_tab->searchField());
}

void NotesTabTest::quitQuestion_data()
{
    searchKindQuestion_data();
}

void NotesTabTest::quitQuestion()
{
    QFETCH(bool, yes);
    QVERIFY(m_tab->askToSaveBeforeQuit()); // nothing pending: nothing asked
    QVERIFY(MessageBox::shownTexts().isEmpty());
    editCurrentNote(u"!"_s);
    MessageBox::setNextAnswers({yes ? Answer::Yes : Answer::No});
    QVERIFY(m_tab->askToSaveBeforeQuit());
    QCOMPARE(MessageBox::shownTexts(), QStringList{u"Update the file: \"Alpha\" before saying hello?"_s});
    QCOMPARE(storedText(u"Alpha"_s), yes ? u"first\r\nline two!"_s : u"first\r\nline two"_s);
}

// ---- editor commands -----------------------------------------------------------

void NotesTabTest::updateKeepsCaretAndRow()
{
    selectRow(1);
    QTextCursor caret = m_editor->textCursor();
    caret.setPosition(3);
    m_editor->setTextCursor(caret);
    QTest::keyClicks(m_editor, u"Z"_s);
    QVERIFY(button("SpeedButtonUpdate")->isEnabled());

    button("SpeedButtonUpdate")->click();

    QCOMPARE(storedText(u"Beta"_s), u"secZond"_s);
    QCOMPARE(m_list->currentIndex().row(), 1);
    QCOMPARE(m_editor->textCursor().position(), 4);
    QCOMPARE(QApplication::focusWidget(), m_editor);
    QVERIFY(!button("SpeedButtonUpdate")->isEnabled());
    QVERIFY(MessageBox::shownTexts().isEmpty());
}

void NotesTabTest::findFromTheCaretWithoutWrap()
{
    QVERIFY(NoteStore(m_archive->db()).insert({u"Abc"_s, u"abcAB"_s, QString()}) > 0);
    m_tab->runSearch();
    QCOMPARE(m_editor->toPlainText(), u"abcAB"_s);
    m_editor->moveCursor(QTextCursor::Start);

    button("SpeedButtonFind")->click();
    auto* find = child<notes::widgets::FindDialog>(m_tab.get(), u"FindDialog"_s);
    QVERIFY(find && find->isVisible());
    child<QLineEdit>(find, u"Edit_Find"_s)->setText(u"ab"_s);
    auto* next = child<QPushButton>(find, u"Button_FindNext"_s);

    next->click();
    QCOMPARE(m_editor->textCursor().selectionStart(), 3);
    QCOMPARE(m_editor->textCursor().selectedText(), u"AB"_s);
    QVERIFY(MessageBox::shownTexts().isEmpty());

    next->click();
    QCOMPARE(MessageBox::shownTexts(), QStringList{u"I ended up finding \"ab\""_s});
    QCOMPARE(m_editor->textCursor().selectionStart(), 3);
}

void NotesTabTest::dateStampAppendsALine()
{
    button("SpeedButtonAggData")->click();
    QCOMPARE(m_editor->toPlainText(), u"first\nline two\nFriday 1 March 2024 - 14.05.09"_s);
    QVERIFY(button("SpeedButtonUpdate")->isEnabled());
    QVERIFY(!button("SpeedButtonRestoreNote")->isEnabled());
}

// The stamp is an undo step of its own: Undo takes back only what was
// typed after it, and the next Undo (a redo) puts that back.
void NotesTabTest::undoAfterADateStamp_data()
{
    QTest::addColumn<QString>("typed");
    QTest::newRow("words") << u"call Bob"_s;
    QTest::newRow("punctuation and digits") << u", at 3pm!"_s;
}

void NotesTabTest::undoAfterADateStamp()
{
    QFETCH(QString, typed);
    button("SpeedButtonAggData")->click();
    const QString stamped = m_editor->toPlainText();
    m_editor->setFocus();
    m_editor->moveCursor(QTextCursor::End);
    QTest::keyClicks(m_editor, typed);
    QCOMPARE(m_editor->toPlainText(), stamped + typed);
    button("SpeedButtonRestoreNote")->click();
    QCOMPARE(m_editor->toPlainText(), stamped);
    button("SpeedButtonRestoreNote")->click();
    QCOMPARE(m_editor->toPlainText(), stamped + typed);
}

void NotesTabTest::import_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("note");

    QTest::newRow("utf-8 text") << u"Città\nПривет 世界\r\nend"_s.toUtf8()
                                << u"Città\r\nПривет 世界\r\nend"_s;
    QTest::newRow("latin-1 text") << QByteArray("caf\xe9\rend") << u"café\r\nend"_s;
    QTest::newRow("nul byte refused") << QByteArray("text\0more", 9) << QString();
}

void NotesTabTest::import()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, note);
    const QString path = m_files.filePath(u"notes.txt"_s);
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    platform::FileDialog::setNextNames({path});
    QSignalSpy counts(m_tab.get(), &NotesTab::countChanged);

    button("SpeedButtonImportText")->click();

    QSqlQuery query(m_archive->db());
    QVERIFY(query.exec(u"SELECT note, gruppo FROM BRnot80 WHERE id = 'notes.txt'"_s));
    if (note.isNull()) {
        QCOMPARE(MessageBox::shownTexts(),
                 QStringList{u"Spiacente, posso importare soltanto i file di tipo ascii!"_s});
        QVERIFY(!query.next());
        QCOMPARE(m_tab->totalCount(), 3);
        return;
    }
    QVERIFY(MessageBox::shownTexts().isEmpty());
    QVERIFY(query.next());
    QCOMPARE(query.value(0).toString(), note);
    QVERIFY(query.value(1).isNull());
    QCOMPARE(counts.last(), (QVariantList{4, 4}));
}

void NotesTabTest::exportWritesTheEditorText()
{
    editCurrentNote(u" è 世界"_s);
    const QString path = m_files.filePath(u"export"_s);
    platform::FileDialog::setNextNames({path});
    button("SpeedButtonSaveAs")->click();
    QFile file(path + u".txt"_s);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), u"first\r\nline two è 世界\r\n"_s.toUtf8());
    file.close();

    // An existing file is replaced only after the program's own question.
    MessageBox::setNextAnswers({Answer::No});
    platform::FileDialog::setNextNames({path + u".txt"_s});
    editCurrentNote(u"!"_s);
    button("SpeedButtonSaveAs")->click();
    QCOMPARE(MessageBox::shownTexts().last(), u"Overwrite \""_s + path + u".txt\"?"_s);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), u"first\r\nline two è 世界\r\n"_s.toUtf8());
}

void NotesTabTest::printSavesAPdfThroughThePrintMenu()
{
    const QString path = m_files.filePath(u"printed.pdf"_s);
    platform::FileDialog::setNextNames({path});
    button("SpeedButtonPrintNote")->click();
    auto* menu = button("SpeedButtonPrintNote")->findChild<QMenu*>(u"PopupMenuPrint"_s);
    QVERIFY(menu);
    menu->findChild<QAction*>(u"MenuItem_SavePdf"_s)->trigger();
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.read(4) == "%PDF");
    QVERIFY(platform::Shell::opened().isEmpty());
}

void NotesTabTest::deleteAsksAndKeepsTheRow()
{
    selectRow(2);
    MessageBox::setNextAnswers({Answer::No});
    button("SpeedButtonDelnote")->click();
    QVERIFY(MessageBox::shownTexts().first().startsWith(u" Stai per eliminare \"Gamma\""_s));
    QCOMPARE(m_tab->totalCount(), 3);

    MessageBox::setNextAnswers({Answer::Yes});
    button("SpeedButtonDelnote")->click();
    QCOMPARE(m_tab->totalCount(), 2);
    // The last row went: the one before it becomes current.
    QCOMPARE(m_list->currentIndex().row(), 1);
    QCOMPARE(m_editor->toPlainText(), u"second"_s);
}

// ---- dialogs -------------------------------------------------------------------

void NotesTabTest::addDialogStoresTimestampTitleAndGroup()
{
    QTest::keyClicks(child<QComboBox>(m_tab.get(), u"ComboBox_Note_Group"_s)->lineEdit(), u"Ideas"_s);
    button("SpeedButton_NuovaNota")->click();
    auto* dialog = openDialog<notes::widgets::NoteDialog>();
    QVERIFY(dialog);
    QCOMPARE(dialog->objectName(), u"TAggNoteForm"_s);
    QCOMPARE(child<QComboBox>(dialog, u"ComboBox_Note_Group"_s)->currentText(), u"Ideas"_s);
    child<QPlainTextEdit>(dialog, u"editor"_s)->setPlainText(u"one\ntwo"_s);
    child<QPushButton>(dialog, u"SpeedButtonAdd"_s)->click();
    // "Insert" stays open with title and text emptied, the group kept.
    QVERIFY(dialog->isVisible());
    QVERIFY(child<QPlainTextEdit>(dialog, u"editor"_s)->toPlainText().isEmpty());
    QCOMPARE(child<QComboBox>(dialog, u"ComboBox_Note_Group"_s)->currentText(), u"Ideas"_s);
    child<QLineEdit>(dialog, u"Edit_nomefile"_s)->setText(u"second idea"_s);
    QTest::keyClick(child<QLineEdit>(dialog, u"Edit_nomefile"_s), Qt::Key_Return);
    QVERIFY(!dialog->isVisible());

    QSqlQuery query(m_archive->db());
    QVERIFY(query.exec(u"SELECT id, note, gruppo FROM BRnot80 WHERE gruppo = 'Ideas' ORDER BY codnot"_s));
    QVERIFY(query.next());
    QCOMPARE(query.value(0).toString(), u"2024-03-01,14-05-09"_s);
    QCOMPARE(query.value(1).toString(), u"one\r\ntwo"_s);
    QVERIFY(query.next());
    QCOMPARE(query.value(0).toString(), u"Second idea"_s);
    QVERIFY(query.exec(u"SELECT count(*) FROM BRcat80 WHERE sezione = 'N' AND id = 'Ideas'"_s) &&
            query.next());
    QCOMPARE(query.value(0).toInt(), 1);
}

void NotesTabTest::modifyDialogShowsTheEditedText()
{
    editCurrentNote(u" edited"_s);
    button("SpeedButtonmodNote")->click();
    auto* dialog = openDialog<notes::widgets::NoteDialog>();
    QVERIFY(dialog);
    QCOMPARE(dialog->objectName(), u"TModNoteForm"_s);
    QCOMPARE(child<QLineEdit>(dialog, u"Edit_nomefile"_s)->text(), u"Alpha"_s);
    QCOMPARE(child<QComboBox>(dialog, u"ComboBox_Note_Group"_s)->currentText(), u"Work"_s);
    QCOMPARE(child<QPlainTextEdit>(dialog, u"editor"_s)->toPlainText(), u"first\nline two edited"_s);
    // The full-size area holds the same text.
    child<QPushButton>(dialog, u"SpeedButtonMemoBig"_s)->click();
    QCOMPARE(child<QPlainTextEdit>(dialog, u"Memo_BIG"_s)->toPlainText(), u"first\nline two edited"_s);
    child<QPushButton>(dialog, u"SpeedButton3"_s)->click();
    QVERIFY(button("SpeedButtonUpdate")->isEnabled());
    QCOMPARE(storedText(u"Alpha"_s), u"first\r\nline two"_s);

    button("SpeedButtonmodNote")->click();
    dialog = openDialog<notes::widgets::NoteDialog>();
    QVERIFY(dialog);
    child<QPushButton>(dialog, u"SpeedButtonMod"_s)->click();
    QCOMPARE(storedText(u"Alpha"_s), u"first\r\nline two edited"_s);
    QVERIFY(!button("SpeedButtonUpdate")->isEnabled());
    QCOMPARE(m_editor->toPlainText(), u"first\nline two edited"_s);
    QVERIFY(MessageBox::shownTexts().isEmpty());
}

// ---- appearance and tools ------------------------------------------------------

void NotesTabTest::formatBarSaveWritesTheEditorSettings()
{
    auto* save = button("SpeedButton_Aggiorna_Editor_Setup");
    QVERIFY(!save->isEnabled());
    child<QSpinBox>(m_tab.get(), u"SpinEdit_Size"_s)->setValue(14);
    QVERIFY(save->isEnabled());
    QCOMPARE(m_editor->font().pointSize(), 14);
    QSignalSpy saved(m_tab.get(), &NotesTab::editorSettingsSaved);
    save->click();
    QCOMPARE(saved.size(), 1);
    QVERIFY(!save->isEnabled());
    store::SettingsRecord settings;
    QVERIFY(store::SettingsStore(m_archive->db()).load(settings));
    QCOMPARE(settings.fontsize, 14);
}

void NotesTabTest::togglesAnnounceThemselves()
{
    QSignalSpy breakLines(m_tab.get(), &NotesTab::breakLinesToggled);
    QSignalSpy formatBar(m_tab.get(), &NotesTab::formatBarToggled);
    button("SpeedButton_Breakline")->click();
    QCOMPARE(breakLines.last(), QVariantList{false});
    QCOMPARE(m_editor->lineWrapMode(), QPlainTextEdit::NoWrap);
    button("SpeedButton_Formatbar")->click();
    QCOMPARE(formatBar.last(), QVariantList{true});
    QVERIFY(child<QWidget>(m_tab.get(), u"Panel_Format"_s)->isVisible());
}

void NotesTabTest::statsShowTheirCounts()
{
    auto* menu = child<QMenu>(m_tab.get(), u"PopupMenu_Stats"_s);
    menu->actions().at(0)->trigger();
    menu->actions().at(1)->trigger();
    QCOMPARE(
        MessageBox::shownTexts(),
        (QStringList{
            u"Lines: 2\r\nCharacters (including spaces): 17"_s,
            u"== Statistics of the document ==\r\n\r\nRighe: 2\r\n\r\nCaratteri (spazi inclusi): 13\r\n\r\n"
            "Parole: 3\n"_s}));
}

void NotesTabTest::externalProgramsThroughTheLookup()
{
    const QByteArray path = qgetenv("PATH");
    QTemporaryDir bin;
    qputenv("PATH", bin.path().toLocal8Bit());
    button("SpeedButton_Calc")->click();
    QCOMPARE(MessageBox::shownTexts().size(), 1);
    QVERIFY(MessageBox::shownTexts().first().contains(u"gnome-calculator"_s));
    QVERIFY(ProgramLauncher::started().isEmpty());

    const QString program = bin.filePath(u"kcharselect"_s);
    QFile file(program);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("#!/bin/sh\n");
    file.close();
    file.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
    button("SpeedButton_CharMap")->click();
    qputenv("PATH", path);
    QCOMPARE(ProgramLauncher::started(), QStringList{program});
}

void NotesTabTest::noNoteDisablesTheEditor()
{
    QTest::keyClicks(m_tab->searchField(), u"nothing like this"_s);
    QCOMPARE(m_list->model()->rowCount(), 0);
    QVERIFY(!m_editor->isEnabled());
    QVERIFY(m_editor->toPlainText().isEmpty());
    for (const char* name :
         {"SpeedButtonDelnote", "SpeedButtonmodNote", "SpeedButtonPrintNote", "SpeedButtonFind",
          "SpeedButtonSaveAs", "SpeedButtonAggData", "SpeedButtonStat", "SpeedButtonDupliNote",
          "SpeedButtonOrderNote", "SpeedButtonUpdate", "SpeedButtonRestoreNote"})
        QVERIFY2(!button(name)->isEnabled(), name);
    QCOMPARE(child<QLabel>(m_tab.get(), u"Panel_totnote"_s)->text(), u"0 / 3   "_s);
}

// Another computer keeps the archive while a note is chosen: the message,
// no empty text in place of the note, nothing to type into or to update,
// and the stored note untouched. The next read shows it again.
void NotesTabTest::unreadableNoteIsNeverAnEmptyEditor()
{
    if (!test::OtherMachine::isAvailable())
        QSKIP("the sqlite3 shell plays the other machine and is not installed");
    test::OtherMachine other;
    // Only a list that keeps no read open lets the other machine lock
    // everyone out.
    if (!other.hold(m_archive->folder() + u"/boarc.abs"_s, test::OtherMachine::Lock::Exclusive, 6500))
        QSKIP("a list of this window still keeps a read of the archive open");
    MessageBox::clearShown();
    selectRow(1);
    QCOMPARE(MessageBox::shownTexts().size(), 1);
    QVERIFY2(MessageBox::shownTexts().first().contains(store::busyArchiveText()),
             qPrintable(MessageBox::shownTexts().first()));
    QVERIFY(!m_editor->isEnabled());
    QVERIFY(!button("SpeedButtonUpdate")->isEnabled());
    QTest::keyClicks(m_editor, u"typed over"_s);
    QVERIFY(!m_tab->hasUnsavedNote());
    QVERIFY(m_tab->askToSaveUnsavedNote());
    QVERIFY(other.finish());
    QCOMPARE(storedText(u"Beta"_s), u"second"_s);

    selectRow(2);
    selectRow(1);
    QVERIFY(m_editor->isEnabled());
    QCOMPARE(m_editor->toPlainText(), u"second"_s);
}

QTEST_MAIN(NotesTabTest)
#include "tst_notestab_gui.moc"
