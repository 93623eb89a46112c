#include "agenda/DoneState.h"
#include "agenda/EntryContext.h"
#include "agenda/TaskWriter.h"
#include "agenda/widgets/DateChooser.h"
#include "agenda/widgets/TaskDialog.h"
#include "platform/Shell.h"
#include "platform/widgets/FileDialog.h"
#include "platform/widgets/MessageBox.h"
#include "store/SqlDate.h"
#include "support/MockClock.h"
#include "support/TestArchive.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QDateEdit>
#include <QFile>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTableView>
#include <QTemporaryDir>
#include <QMenu>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace brivane;
using namespace brivane::agenda;
using agenda::widgets::DateChooser;
using agenda::widgets::TaskDialog;
using platform::MessageBox;

Q_DECLARE_METATYPE(brivane::agenda::TaskKind)
Q_DECLARE_METATYPE(brivane::agenda::EntryMode)

class TaskDialogTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void addEachKind_data();
    void addEachKind();
    void insertStaysOpenAndClears();
    void contactPrefillAndEscape();
    void badTimesKeepTheDialogOpen_data();
    void badTimesKeepTheDialogOpen();
    void modifyKeepsOrResetsDone_data();
    void modifyKeepsOrResetsDone();
    void monthlyModifyWritesTheShownDay();
    void printWritesAPictureOfTheDialog();
    void birthdayWritesTheContact();
    void expiryTypedDigitByDigit_data();
    void expiryTypedDigitByDigit();
    void oneShotOptionsExcludeEachOther();
    void bigNoteKeepsTextAndCaret();
    void attachmentField();
    void chooserCaptionsAndStart_data();
    void chooserCaptionsAndStart();
    void chooserCloseChangesNothing();
    void chooserIgnoresDoubleClickAfterPageTurn();
    void scaleEnlargesTheDialog();

private:
    std::unique_ptr<test::TestArchive> m_archive;
    std::unique_ptr<test::MockClock> m_clock;
    EntryContext m_context;
};

namespace {

// Today is Friday 15 March 2024; the Today view shows Wednesday 20 March.
const QDate kToday(2024, 3, 15);
const QDate kViewed(2024, 3, 20);

template <typename T> T* child(const QWidget* parent, const QString& name)
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

void press(const QWidget* dialog, const QString& buttonName)
{
    QTest::mouseClick(child<QPushButton>(dialog, buttonName), Qt::LeftButton);
}

void typeTime(QLineEdit* field, const QString& text)
{
    field->setCursorPosition(0);
    QTest::keyClicks(field, text);
}

// The open date chooser of a dialog (closed ones wait for deletion).
DateChooser* openChooser(const QWidget* dialog)
{
    for (DateChooser* chooser : dialog->findChildren<DateChooser*>()) {
        if (chooser->isVisible())
            return chooser;
    }
    return nullptr;
}

bool chooseDate(const QWidget* dialog, const QDate& date)
{
    press(dialog, u"SpeedButtonCalendar"_s);
    DateChooser* chooser = openChooser(dialog);
    if (!chooser)
        return false;
    chooser->calendar()->setSelectedDate(date);
    QTest::mouseClick(chooser->confirmButton(), Qt::LeftButton);
    return !chooser->isVisible();
}

QSqlRecord row(QSqlDatabase db, qint64 codimp)
{
    QSqlQuery query(db);
    query.prepare(u"SELECT * FROM BRarc66 WHERE codimp = :codimp"_s);
    query.bindValue(u":codimp"_s, codimp);
    if (!query.exec() || !query.next())
        return {};
    return query.record();
}

int rowCount(QSqlDatabase db)
{
    QSqlQuery query(u"SELECT COUNT(*) FROM BRarc66"_s, db);
    return query.next() ? query.value(0).toInt() : -1;
}

qint64 storeTask(QSqlDatabase db, TaskEntry entry)
{
    if (entry.expiry.isNull())
        entry.expiry = entry.workingDate;
    if (entry.from.isEmpty())
        entry.from = entry.to = u"  :  "_s;
    return TaskWriter::insert(db, entry, kToday);
}

qint64 savedKey(const QSignalSpy& spy)
{
    return spy.isEmpty() ? -1 : spy.last().at(0).toLongLong();
}

} // namespace

void TaskDialogTest::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    MessageBox::setScripted(true);
    platform::FileDialog::setScripted(true);
}

void TaskDialogTest::init()
{
    m_archive = std::make_unique<test::TestArchive>();
    m_clock = std::make_unique<test::MockClock>(QDateTime(kToday, QTime(10, 0)));
    m_context = EntryContext();
    m_context.db = m_archive->db();
    m_context.viewedDate = kViewed;
    m_context.programFolder = u"/opt/brivane/"_s;
    MessageBox::clearShown();
}

void TaskDialogTest::cleanup()
{
    m_context = EntryContext();
    m_clock.reset();
    m_archive.reset();
}

// Each kind's add dialog: its texts, and the row "Insert and close" writes.
void TaskDialogTest::addEachKind_data()
{
    QTest::addColumn<TaskKind>("kind");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("dateLabel");
    QTest::addColumn<QString>("help");
    QTest::addColumn<QStringList>("columns");

    QTest::newRow("one-shot") << TaskKind::OneShot << u"TAggShotForm"_s << u"-> New One Shot Task"_s
                              << u"Insert One Shot"_s << u"Wednesday 20 March 2024"_s
                              << u"DESCRIPTION:\r\rInsert occasional tasks or one-time appointments."_s
                              << QStringList{u"flag=O"_s, u"dayofweek="_s};
    QTest::newRow("yearly")
        << TaskKind::Yearly << u"TAggYearForm"_s << u"-> New Yearly Task"_s << u"Insert Yearly"_s
        << u"20 March"_s
        << u"DESCRIPTION:\r\rKeep track of important events, such as birthdays and holidays."_s
        << QStringList{u"flag=Y"_s, u"data=03/20"_s, u"dayofmonth=NO"_s, u"dayindex="_s};
    QTest::newRow("monthly")
        << TaskKind::Monthly << u"TAggMonthForm"_s << u"-> New Montly Task"_s << u"Insert Monthly"_s
        << u"20"_s
        << u"DESCRIPTION:\r\rInsert events that will happen once a every month, like the "
           "house payment."_s
        << QStringList{u"flag=M"_s, u"dayofmonth=20"_s, u"dayofweek="_s};
    QTest::newRow("weekly")
        << TaskKind::Weekly << u"TAggWeekForm"_s << u"-> New Weekly Task"_s << u"Insert Weekly"_s
        << u"Wednesday"_s
        << u"DESCRIPTION:\r\rEvents to include in this area are those that happen on a weekly "
           "basis."_s
        << QStringList{u"flag=W"_s, u"dayofweek=Wednesday"_s, u"dayindex=4"_s};
}

void TaskDialogTest::addEachKind()
{
    QFETCH(TaskKind, kind);
    QFETCH(QString, className);
    QFETCH(QString, caption);
    QFETCH(QString, title);
    QFETCH(QString, dateLabel);
    QFETCH(QString, help);
    QFETCH(QStringList, columns);

    TaskDialog dialog(kind, EntryMode::Add, m_context);
    dialog.open();
    QSignalSpy saved(&dialog, &TaskDialog::taskSaved);

    QCOMPARE(dialog.objectName(), className);
    QCOMPARE(dialog.windowTitle(), caption);
    bool titleShown = false;
    for (const QLabel* label : dialog.findChildren<QLabel*>())
        titleShown = titleShown || label->text() == title;
    QVERIFY2(titleShown, qPrintable(title));
    QCOMPARE(child<QLabel>(&dialog, u"Label_Date"_s)->text(), dateLabel);
    QCOMPARE(child<QCheckBox>(&dialog, u"CheckBox_Anticipo"_s)->text(), u"Remember 5 days before"_s);

    press(&dialog, u"SpeedButtonSpiegazioneImpegno"_s);
    QVERIFY(MessageBox::shownTexts().value(0).startsWith(help + u"\r\rATTACH:"_s));

    QVERIFY(!child<QPushButton>(&dialog, u"SpeedButtonAddClose"_s)->isEnabled());
    QTest::keyClicks(edit(&dialog, u"Edit_id"_s), u"zebra crossing"_s);
    typeTime(edit(&dialog, u"MaskEdit_From"_s), u"9:30"_s);
    QTest::keyClicks(edit(&dialog, u"Edit_Ricerca"_s), u"ann"_s);
    press(&dialog, u"SpeedButtonAddClose"_s);

    QCOMPARE(saved.count(), 1);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    const QSqlRecord record = row(m_context.db, savedKey(saved));
    QCOMPARE(record.value(u"id"_s).toString(), u"Zebra crossing"_s);
    QCOMPARE(record.value(u"ricerca"_s).toString(), u"Ann"_s);
    QCOMPARE(record.value(u"orario"_s).toString(), u"09:30"_s);
    QCOMPARE(record.value(u"orario2"_s).toString(), u"  :  "_s);
    QCOMPARE(record.value(u"datefull"_s).toString(), u"2024-03-20"_s);
    QCOMPARE(record.value(u"fatto"_s).toString(), store::toSqlDate(undoneDate(kViewed)));
    QCOMPARE(record.value(u"flagfatto"_s).toString(), u"N"_s);
    QCOMPARE(record.value(u"scadenza"_s).toString(), u"2024-03-20"_s);
    for (const QString& column : columns) {
        const QString name = column.section(u'=', 0, 0);
        QCOMPARE(name + u'=' + record.value(name).toString(), column);
    }
}

void TaskDialogTest::insertStaysOpenAndClears()
{
    TaskDialog dialog(TaskKind::OneShot, EntryMode::Add, m_context);
    dialog.open();
    QSignalSpy saved(&dialog, &TaskDialog::taskSaved);
    auto* deleteAfter = child<QCheckBox>(&dialog, u"CheckBox_Cancella"_s);
    auto* insert = child<QPushButton>(&dialog, u"SpeedButtonAdd"_s);

    deleteAfter->click();
    QTest::keyClicks(edit(&dialog, u"Edit_id"_s), u"first"_s);
    typeTime(edit(&dialog, u"MaskEdit_To"_s), u"18:00"_s);
    QTest::keyClicks(child<QPlainTextEdit>(&dialog, u"Memo"_s), u"a note"_s);
    QTest::keyClicks(edit(&dialog, u"Edit_Ricerca"_s), u"Ann"_s);
    QTest::keyClicks(edit(&dialog, u"Edit_Allegato"_s), u"bill.pdf"_s);
    QTest::mouseClick(insert, Qt::LeftButton);

    QCOMPARE(saved.count(), 1);
    QVERIFY(dialog.isVisible());
    for (const QString& name : {u"Edit_id"_s, u"Edit_Ricerca"_s, u"Edit_Allegato"_s})
        QVERIFY2(edit(&dialog, name)->text().isEmpty(), qPrintable(name));
    QCOMPARE(edit(&dialog, u"MaskEdit_To"_s)->displayText(), u"  :  "_s);
    QVERIFY(child<QPlainTextEdit>(&dialog, u"Memo"_s)->toPlainText().isEmpty());
    QVERIFY(deleteAfter->isChecked());
    QVERIFY(!insert->isEnabled());

    // Enter with an empty description saves nothing; with one it inserts and closes.
    QTest::keyClick(edit(&dialog, u"Edit_id"_s), Qt::Key_Return);
    QCOMPARE(saved.count(), 1);
    QTest::keyClicks(edit(&dialog, u"Edit_id"_s), u"second"_s);
    QTest::keyClick(edit(&dialog, u"Edit_id"_s), Qt::Key_Return);
    QCOMPARE(saved.count(), 2);
    QVERIFY(!dialog.isVisible());

    const QSqlRecord first = row(m_context.db, saved.at(0).at(0).toLongLong());
    QCOMPARE(first.value(u"orario2"_s).toString(), u"18:00"_s);
    QCOMPARE(first.value(u"note"_s).toString(), u"a note"_s);
    QCOMPARE(first.value(u"allegato"_s).toString(), u"bill.pdf"_s);
    const QSqlRecord second = row(m_context.db, savedKey(saved));
    QCOMPARE(second.value(u"id"_s).toString(), u"Second"_s);
    QCOMPARE(second.value(u"dayofweek"_s).toString(), u"X"_s);
    QCOMPARE(second.value(u"note"_s).toString(), QString());
}

// Opened from the Contacts tab, an add dialog starts from the selected contact.
void TaskDialogTest::contactPrefillAndEscape()
{
    m_context.contactName = u"Acme Ltd"_s;
    TaskDialog dialog(TaskKind::Weekly, EntryMode::Add, m_context);
    dialog.open();
    QCOMPARE(edit(&dialog, u"Edit_id"_s)->text(), u"Acme Ltd"_s);
    QCOMPARE(edit(&dialog, u"Edit_Ricerca"_s)->text(), u"Acme Ltd"_s);
    QVERIFY(edit(&dialog, u"Edit_Allegato"_s)->text().isEmpty());
    QVERIFY(!child<QPushButton>(&dialog, u"SpeedButtonAdd"_s)->isHidden());
    QVERIFY(child<QPushButton>(&dialog, u"SpeedButtonAdd"_s)->isEnabled());
    QTest::keyClick(edit(&dialog, u"Edit_id"_s), Qt::Key_Escape);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(rowCount(m_context.db), 0);
}

void TaskDialogTest::badTimesKeepTheDialogOpen_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QString>("message");

    QTest::newRow("hour 24") << u"24:00"_s << QString()
                             << u"The value entered in the field \"From\" is not a valid time."_s;
    QTest::newRow("minute 60") << u"10:00"_s << u"10:60"_s
                               << u"The value entered in the field \"To\" is not a valid time."_s;
    QTest::newRow("half filled") << u"12:3"_s << QString()
                                 << u"The value entered in the field \"From\" is not a valid time."_s;
}

void TaskDialogTest::badTimesKeepTheDialogOpen()
{
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QString, message);

    TaskDialog dialog(TaskKind::Monthly, EntryMode::Add, m_context);
    dialog.open();
    QTest::keyClicks(edit(&dialog, u"Edit_id"_s), u"rent"_s);
    typeTime(edit(&dialog, u"MaskEdit_From"_s), from);
    typeTime(edit(&dialog, u"MaskEdit_To"_s), to);
    press(&dialog, u"SpeedButtonAddClose"_s);

    QCOMPARE(MessageBox::shownTexts(), QStringList{message});
    QCOMPARE(MessageBox::shown().value(0).kind, MessageBox::Kind::Warning);
    QVERIFY(dialog.isVisible());
    QCOMPARE(edit(&dialog, u"Edit_id"_s)->text(), u"rent"_s);
    QCOMPARE(rowCount(m_context.db), 0);
}

// A done tick survives a modify unless the date is changed in the chooser.
void TaskDialogTest::modifyKeepsOrResetsDone_data()
{
    QTest::addColumn<bool>("changeDate");
    QTest::addColumn<QString>("flagfatto");
    QTest::addColumn<QString>("fatto");

    QTest::newRow("description changed") << false << u"Y"_s << u"2024-03-12"_s;
    QTest::newRow("date changed") << true << u"N"_s << store::toSqlDate(undoneDate(kViewed));
}

void TaskDialogTest::modifyKeepsOrResetsDone()
{
    QFETCH(bool, changeDate);
    QFETCH(QString, flagfatto);
    QFETCH(QString, fatto);

    TaskEntry stored;
    stored.kind = TaskKind::OneShot;
    stored.workingDate = QDate(2024, 3, 12);
    stored.description = u"Dentist"_s;
    stored.from = u"08:30"_s;
    stored.to = u"  :  "_s;
    stored.expiry = QDate(2024, 3, 12);
    const qint64 key = storeTask(m_context.db, stored);
    QVERIFY(writeDone(m_context.db, key, {QDate(2024, 3, 12), true}));

    TaskDialog dialog(TaskKind::OneShot, EntryMode::Modify, m_context, key);
    dialog.open();
    QSignalSpy saved(&dialog, &TaskDialog::taskSaved);
    QCOMPARE(dialog.objectName(), u"TModShotForm"_s);
    QCOMPARE(dialog.windowTitle(), u"-> Modify One Shot Task"_s);
    QCOMPARE(edit(&dialog, u"MaskEdit_From"_s)->displayText(), u"08:30"_s);
    QCOMPARE(child<QLabel>(&dialog, u"Label_Fatto"_s)->text(), u"Done: Tuesday 12 March 2024"_s);
    QCOMPARE(m_context.workingDate, QDate(2024, 3, 12));

    if (changeDate) {
        QVERIFY(chooseDate(&dialog, QDate(2024, 4, 2)));
        QCOMPARE(child<QLabel>(&dialog, u"Label_Date"_s)->text(), u"Tuesday 2 April 2024"_s);
        // The expiry follows a start date that moved past it.
        QCOMPARE(child<QDateEdit>(&dialog, u"DateTimePicker_scadenza"_s)->date(), QDate(2024, 4, 2));
    } else {
        edit(&dialog, u"Edit_id"_s)->setText(u"Dentist at 9"_s);
    }
    press(&dialog, u"SpeedButtonMod"_s);

    QCOMPARE(savedKey(saved), key);
    QVERIFY(!dialog.isVisible());
    const QSqlRecord record = row(m_context.db, key);
    QCOMPARE(record.value(u"flagfatto"_s).toString(), flagfatto);
    QCOMPARE(record.value(u"fatto"_s).toString(), fatto);
    QCOMPARE(record.value(u"orario"_s).toString(), u"08:30"_s);
    QCOMPARE(rowCount(m_context.db), 1);
}

void TaskDialogTest::monthlyModifyWritesTheShownDay()
{
    TaskEntry stored;
    stored.kind = TaskKind::Monthly;
    stored.workingDate = QDate(2024, 3, 20);
    stored.dayOfMonth = u"05"_s;
    stored.description = u"Rent"_s;
    stored.parity = true;
    const qint64 key = storeTask(m_context.db, stored);

    {
        TaskDialog dialog(TaskKind::Monthly, EntryMode::Modify, m_context, key);
        dialog.open();
        QCOMPARE(dialog.windowTitle(), u"-> Modify Montly Task"_s);
        QCOMPARE(child<QLabel>(&dialog, u"Label_Date"_s)->text(), u"05"_s);
        QVERIFY(child<QCheckBox>(&dialog, u"CheckBox_Pari"_s)->isChecked());
        press(&dialog, u"SpeedButtonMod"_s);
    }
    QCOMPARE(row(m_context.db, key).value(u"dayofmonth"_s).toString(), u"05"_s);

    TaskDialog dialog(TaskKind::Monthly, EntryMode::Modify, m_context, key);
    dialog.open();
    QVERIFY(chooseDate(&dialog, QDate(2024, 4, 12)));
    QCOMPARE(child<QLabel>(&dialog, u"Label_Date"_s)->text(), u"12"_s);
    press(&dialog, u"SpeedButtonMod"_s);
    const QSqlRecord record = row(m_context.db, key);
    QCOMPARE(record.value(u"dayofmonth"_s).toString(), u"12"_s);
    QCOMPARE(record.value(u"dayofweek"_s).toString(), u"PA"_s);
    QCOMPARE(record.value(u"datefull"_s).toString(), u"2024-04-12"_s);
}

void TaskDialogTest::printWritesAPictureOfTheDialog()
{
    TaskEntry stored;
    stored.kind = TaskKind::Weekly;
    stored.workingDate = kToday;
    stored.description = u"Gym"_s;
    const qint64 key = storeTask(m_context.db, stored);
    QTemporaryDir dir;
    const QString pdf = dir.filePath(u"task.pdf"_s);
    platform::FileDialog::setNextNames({pdf});

    TaskDialog dialog(TaskKind::Weekly, EntryMode::Modify, m_context, key);
    dialog.open();
    press(&dialog, u"SpeedButtonPrintContact"_s);
    auto* menu = dialog.findChild<QMenu*>(u"PopupMenuPrint"_s);
    QVERIFY(menu);
    menu->findChild<QAction*>(u"MenuItem_SavePdf"_s)->trigger();

    QFile file(pdf);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.read(5) == "%PDF-");
    QVERIFY(dialog.isVisible());
}

// A birthday from the contact dialog: prefilled, counted, linked; a later
// modify keeps the link.
void TaskDialogTest::birthdayWritesTheContact()
{
    m_context.linkedContact = u"42"_s;
    m_context.contactName = u"Ann Smith"_s;
    m_context.contactEmail = u"ann@example.com"_s;

    qint64 key = -1;
    {
        TaskDialog dialog(TaskKind::Yearly, EntryMode::Add, m_context);
        dialog.open();
        QSignalSpy saved(&dialog, &TaskDialog::taskSaved);
        QVERIFY(dialog.isBirthday());
        QCOMPARE(edit(&dialog, u"Edit_id"_s)->text(), u"Birthday of Ann Smith"_s);
        QCOMPARE(edit(&dialog, u"Edit_Ricerca"_s)->text(), u"Ann Smith"_s);
        QCOMPARE(edit(&dialog, u"Edit_Allegato"_s)->text(), u"mailto:ann@example.com"_s);
        QVERIFY(child<QCheckBox>(&dialog, u"CheckBox_Anni"_s)->isChecked());
        QVERIFY(child<QPushButton>(&dialog, u"SpeedButtonAdd"_s)->isHidden());
        QCOMPARE(child<QLabel>(&dialog, u"Label_Anni"_s)->text(),
                 u"Years count: -1 - Period: 20 Mar 2024 - 15 Mar 2024"_s);

        QVERIFY(chooseDate(&dialog, QDate(1990, 3, 10)));
        QCOMPARE(child<QLabel>(&dialog, u"Label_Date"_s)->text(), u"10 March"_s);
        QCOMPARE(child<QLabel>(&dialog, u"Label_Anni"_s)->text(),
                 u"Years count: 34 - Period: 10 Mar 1990 - 15 Mar 2024"_s);
        QCOMPARE(m_context.monthDay, u"03/10"_s);
        press(&dialog, u"SpeedButtonAddClose"_s);
        key = savedKey(saved);
    }
    QSqlRecord record = row(m_context.db, key);
    QCOMPARE(record.value(u"dayindex"_s).toInt(), 42);
    QCOMPARE(record.value(u"dayofmonth"_s).toString(), u"SI"_s);
    QCOMPARE(record.value(u"data"_s).toString(), u"03/10"_s);
    QCOMPARE(record.value(u"datefull"_s).toString(), u"1990-03-10"_s);

    m_context.linkedContact = EntryContext::noContact();
    TaskDialog dialog(TaskKind::Yearly, EntryMode::Modify, m_context, key);
    dialog.open();
    QCOMPARE(child<QLabel>(&dialog, u"Label_Anni"_s)->text(),
             u"Years count: 34 - Period: 10 Mar 1990 - 15 Mar 2024"_s);
    child<QCheckBox>(&dialog, u"CheckBox_Anni"_s)->click();
    QCOMPARE(child<QLabel>(&dialog, u"Label_Anni"_s)->text(), u"The task starts from an year"_s);
    edit(&dialog, u"Edit_id"_s)->setText(u"Birthday of Ann"_s);
    press(&dialog, u"SpeedButtonMod"_s);
    record = row(m_context.db, key);
    QCOMPARE(record.value(u"id"_s).toString(), u"Birthday of Ann"_s);
    QCOMPARE(record.value(u"dayindex"_s).toInt(), 42);
    QCOMPARE(record.value(u"dayofmonth"_s).toString(), u"NO"_s);
}

// The expiry takes a date typed digit by digit; one before the start date
// is raised to it once the typing ends.
void TaskDialogTest::expiryTypedDigitByDigit_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QDate>("expiry");
    QTest::newRow("a later year") << u"12/24/2025"_s << QDate(2025, 12, 24);
    QTest::newRow("a later month") << u"4/2/2024"_s << QDate(2024, 4, 2);
    QTest::newRow("before the start date") << u"3/1/2024"_s << kViewed;
}

void TaskDialogTest::expiryTypedDigitByDigit()
{
    QFETCH(QString, typed);
    QFETCH(QDate, expiry);
    TaskDialog dialog(TaskKind::OneShot, EntryMode::Add, m_context);
    dialog.show();
    dialog.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    child<QCheckBox>(&dialog, u"CheckBox_scadenza"_s)->click();
    auto* picker = child<QDateEdit>(&dialog, u"DateTimePicker_scadenza"_s);
    picker->setFocus();
    const QStringList parts = typed.split(u'/');
    const QDateTimeEdit::Section sections[] = {QDateTimeEdit::MonthSection, QDateTimeEdit::DaySection,
                                               QDateTimeEdit::YearSection};
    for (int i = 0; i < 3; ++i) {
        picker->setSelectedSection(sections[i]);
        for (const QChar digit : parts.at(i))
            QTest::keyClick(picker, digit.toLatin1());
    }
    child<QLineEdit>(&dialog, u"Edit_id"_s)->setFocus();
    QCOMPARE(picker->date(), expiry);
}

void TaskDialogTest::oneShotOptionsExcludeEachOther()
{
    {
        TaskDialog dialog(TaskKind::OneShot, EntryMode::Add, m_context);
        dialog.open();
        auto* deleteAfter = child<QCheckBox>(&dialog, u"CheckBox_Cancella"_s);
        auto* everyDay = child<QCheckBox>(&dialog, u"CheckBox_Tormenta"_s);
        auto* expiration = child<QCheckBox>(&dialog, u"CheckBox_scadenza"_s);
        auto* expiry = child<QDateEdit>(&dialog, u"DateTimePicker_scadenza"_s);
        const auto enabled = [&] {
            return QList<bool>{deleteAfter->isEnabled(), everyDay->isEnabled(), expiration->isEnabled(),
                               expiry->isEnabled()};
        };

        QCOMPARE(enabled(), (QList<bool>{true, true, true, false}));
        deleteAfter->click();
        QCOMPARE(enabled(), (QList<bool>{true, false, false, false}));
        deleteAfter->click();
        everyDay->click();
        QCOMPARE(enabled(), (QList<bool>{false, true, false, false}));
        everyDay->click();
        expiration->click();
        QCOMPARE(enabled(), (QList<bool>{false, false, true, true}));
        // The picker never goes before the start date.
        expiry->setDate(kViewed.addDays(-3));
        QCOMPARE(expiry->date(), kViewed);
    }

    TaskEntry everyDay;
    everyDay.kind = TaskKind::OneShot;
    everyDay.workingDate = kToday;
    everyDay.description = u"Pills"_s;
    everyDay.everyDay = true;
    const qint64 key = storeTask(m_context.db, everyDay);
    TaskDialog dialog(TaskKind::OneShot, EntryMode::Modify, m_context, key);
    dialog.open();
    QVERIFY(child<QCheckBox>(&dialog, u"CheckBox_Tormenta"_s)->isChecked());
    QVERIFY(!child<QCheckBox>(&dialog, u"CheckBox_scadenza"_s)->isEnabled());
    QVERIFY(!child<QCheckBox>(&dialog, u"CheckBox_Cancella"_s)->isEnabled());
}

void TaskDialogTest::bigNoteKeepsTextAndCaret()
{
    TaskDialog dialog(TaskKind::Yearly, EntryMode::Add, m_context);
    dialog.open();
    QSignalSpy saved(&dialog, &TaskDialog::taskSaved);
    auto* memo = child<QPlainTextEdit>(&dialog, u"Memo"_s);
    auto* big = child<QPlainTextEdit>(&dialog, u"Memo_BIG"_s);

    QTest::keyClicks(memo, u"one three"_s);
    QTextCursor cursor = memo->textCursor();
    cursor.setPosition(4);
    memo->setTextCursor(cursor);
    press(&dialog, u"SpeedButtonMemoBig"_s);
    QVERIFY(dialog.isBigNoteShown());
    QVERIFY(big->isVisible());
    QVERIFY(!memo->isVisible());
    QCOMPARE(big->textCursor().position(), 4);
    QTest::keyClicks(big, u"two "_s);
    press(&dialog, u"SpeedButtonMemoSmall"_s);
    QCOMPARE(memo->toPlainText(), u"one two three"_s);
    QCOMPARE(memo->textCursor().position(), 8);

    // Saving from the big area keeps its text and brings the fields back.
    press(&dialog, u"SpeedButtonMemoBig"_s);
    QTest::keyClicks(big, u"and "_s);
    QTest::keyClicks(edit(&dialog, u"Edit_id"_s), u"Party"_s);
    press(&dialog, u"SpeedButtonAdd"_s);
    QCOMPARE(row(m_context.db, savedKey(saved)).value(u"note"_s).toString(), u"one two and three"_s);
    QVERIFY(!dialog.isBigNoteShown());

    // Callers can open a modify dialog on its note.
    TaskDialog* opened = TaskDialog::openDialog(TaskKind::Yearly, EntryMode::Modify, m_context,
                                                savedKey(saved), nullptr, true);
    QVERIFY(opened->isBigNoteShown());
    QCOMPARE(child<QPlainTextEdit>(opened, u"Memo_BIG"_s)->toPlainText(), u"one two and three"_s);
    QPointer<TaskDialog> guard(opened);
    QTest::keyClick(child<QPlainTextEdit>(opened, u"Memo_BIG"_s), Qt::Key_Escape);
    QTRY_VERIFY(guard.isNull());
}

void TaskDialogTest::attachmentField()
{
    TaskDialog dialog(TaskKind::OneShot, EntryMode::Add, m_context);
    dialog.open();
    QLineEdit* attachment = edit(&dialog, u"Edit_Allegato"_s);
    auto* clear = child<QPushButton>(&dialog, u"SpeedButtonClearAllegato"_s);

    QVERIFY(!clear->isEnabled());
    QTest::keyClicks(attachment, u"/opt/brivane/allegati/bill.pdf"_s);
    QCOMPARE(attachment->text(), u"bill.pdf"_s);
    QCOMPARE(attachment->toolTip(), u"bill.pdf"_s);
    QVERIFY(clear->isEnabled());

    // The pickers hide the dialog while they are open and put it back.
    const QPoint position = dialog.pos();
    platform::FileDialog::setNextNames({u"/opt/brivane/attaches/2024/scan.png"_s, u"/home/ann/Documents"_s});
    press(&dialog, u"SpeedButtonAttachFile"_s);
    QCOMPARE(attachment->text(), u"2024/scan.png"_s);
    press(&dialog, u"SpeedButtonAttachFolder"_s);
    QCOMPARE(attachment->text(), u"/home/ann/Documents"_s);
    QCOMPARE(dialog.pos(), position);

    // A picked path too long for the column is refused, never cut.
    const QString tooLong = u"/home/"_s + QString(260, u'a');
    platform::FileDialog::setNextNames({tooLong, QString()});
    press(&dialog, u"SpeedButtonAttachFile"_s);
    QCOMPARE(attachment->text(), u"/home/ann/Documents"_s);
    QCOMPARE(MessageBox::shownTexts().size(), 1);
    press(&dialog, u"SpeedButtonAttachFolder"_s); // cancelled
    QCOMPARE(attachment->text(), u"/home/ann/Documents"_s);

    press(&dialog, u"SpeedButtonClearAllegato"_s);
    QVERIFY(attachment->text().isEmpty());
    QVERIFY(!clear->isEnabled());

    QCOMPARE(edit(&dialog, u"Edit_id"_s)->maxLength(), 255);
    QCOMPARE(edit(&dialog, u"Edit_Ricerca"_s)->maxLength(), 50);
    QCOMPARE(attachment->maxLength(), 255);
}

// Each kind's chooser: title, confirm caption, and the day it opens on.
void TaskDialogTest::chooserCaptionsAndStart_data()
{
    QTest::addColumn<TaskKind>("kind");
    QTest::addColumn<EntryMode>("mode");
    QTest::addColumn<QDate>("start");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("caption");

    // Add dialogs start on the viewed date (20 March); modify ones on the row's 18 March.
    QTest::newRow("one-shot add opens on today")
        << TaskKind::OneShot << EntryMode::Add << kToday << u"Chose the date"_s << u"5 March 2024"_s;
    QTest::newRow("one-shot modify") << TaskKind::OneShot << EntryMode::Modify << QDate(2024, 3, 18)
                                     << u"Chose the date"_s << u"5 March 2024"_s;
    QTest::newRow("yearly add") << TaskKind::Yearly << EntryMode::Add << kViewed
                                << u"Chose the day and the month"_s << u"5 March"_s;
    QTest::newRow("monthly add") << TaskKind::Monthly << EntryMode::Add << kViewed
                                 << u"Chose the day of month"_s << u"05"_s;
    QTest::newRow("weekly add opens on today")
        << TaskKind::Weekly << EntryMode::Add << kToday << u"Chose the day of week"_s << u"Tuesday"_s;
    QTest::newRow("weekly modify") << TaskKind::Weekly << EntryMode::Modify << QDate(2024, 3, 18)
                                   << u"Chose the day of week"_s << u"Tuesday"_s;
}

void TaskDialogTest::chooserCaptionsAndStart()
{
    QFETCH(TaskKind, kind);
    QFETCH(EntryMode, mode);
    QFETCH(QDate, start);
    QFETCH(QString, title);
    QFETCH(QString, caption);

    TaskEntry stored;
    stored.kind = kind;
    stored.workingDate = QDate(2024, 3, 18);
    stored.description = u"Row"_s;
    const qint64 key = storeTask(m_context.db, stored);

    TaskDialog dialog(kind, mode, m_context, key);
    dialog.open();
    press(&dialog, u"SpeedButtonCalendar"_s);
    DateChooser* chooser = openChooser(&dialog);
    QVERIFY(chooser);
    QCOMPARE(chooser->objectName(), u"TSelectForm"_s);
    QCOMPARE(chooser->windowTitle(), u"-> Calendar"_s);
    QCOMPARE(chooser->calendar()->selectedDate(), start);
    bool titleShown = false;
    for (const QLabel* label : chooser->findChildren<QLabel*>())
        titleShown = titleShown || label->text() == title;
    QVERIFY2(titleShown, qPrintable(title));

    chooser->calendar()->setSelectedDate(QDate(2024, 3, 5));
    QCOMPARE(chooser->confirmButton()->text(), caption);
    QTest::keyClick(chooser->calendar()->findChild<QTableView*>(), Qt::Key_Return);
    QVERIFY(!chooser->isVisible());
    QCOMPARE(m_context.workingDate, QDate(2024, 3, 5));
    QCOMPARE(m_context.monthDay, u"03/05"_s);
}

void TaskDialogTest::chooserCloseChangesNothing()
{
    TaskDialog dialog(TaskKind::Yearly, EntryMode::Add, m_context);
    dialog.open();
    for (const QString& close : {u"SpeedButtonClose"_s, u"Escape"_s}) {
        press(&dialog, u"SpeedButtonCalendar"_s);
        DateChooser* chooser = openChooser(&dialog);
        QVERIFY(chooser);
        chooser->calendar()->setSelectedDate(QDate(2024, 7, 1));
        if (close == u"Escape")
            QTest::keyClick(chooser->calendar()->findChild<QTableView*>(), Qt::Key_Escape);
        else
            press(chooser, close);
        QVERIFY(!chooser->isVisible());
        QCOMPARE(m_context.workingDate, kViewed);
        QCOMPARE(m_context.monthDay, u"03/20"_s);
        QCOMPARE(child<QLabel>(&dialog, u"Label_Date"_s)->text(), u"20 March"_s);
    }
    press(&dialog, u"SpeedButtonCalendar"_s);
    press(openChooser(&dialog), u"SpeedButtonHint"_s);
    QCOMPARE(
        MessageBox::shownTexts(),
        QStringList{
            u"In this window you can select at the same time the day and the start date of the task."_s});
}

// The first click of a double-click on a day of the next month turns the page,
// so the second lands on the shown grid of that month: the double-click is
// ignored even where it meets the chosen day; the next one confirms.
void TaskDialogTest::chooserIgnoresDoubleClickAfterPageTurn()
{
    EntryContext context = m_context;
    DateChooser chooser(TaskKind::OneShot, context, QDate(2024, 3, 15));
    chooser.open();
    auto* view = chooser.calendar()->findChild<QTableView*>();
    QVERIFY(view);
    const auto cellOf = [view](int row, const QString& day) {
        for (int column = 0; column < view->model()->columnCount(); ++column) {
            const QModelIndex index = view->model()->index(row, column);
            if (index.data().toString() == day)
                return view->visualRect(index).center();
        }
        return QPoint();
    };

    // The grid of March 2024 ends on Saturday 6 April, in its last row.
    const int lastRow = view->model()->rowCount() - 1;
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cellOf(lastRow, u"6"_s));
    QCOMPARE(chooser.calendar()->monthShown(), 4);
    QCOMPARE(chooser.calendar()->selectedDate(), QDate(2024, 4, 6));
    // April's grid shows 6 April in its first week.
    const QPoint sixth = cellOf(1, u"6"_s);
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, sixth);
    QVERIFY(chooser.isVisible());
    QCOMPARE(context.workingDate, QDate());

    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, sixth);
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, sixth);
    QVERIFY(!chooser.isVisible());
    QCOMPARE(context.workingDate, QDate(2024, 4, 6));
}

void TaskDialogTest::scaleEnlargesTheDialog()
{
    TaskDialog normal(TaskKind::OneShot, EntryMode::Add, m_context);
    m_context.scalePercent = 150;
    TaskDialog enlarged(TaskKind::OneShot, EntryMode::Add, m_context);

    const QFont normalFont = edit(&normal, u"Edit_id"_s)->font();
    const QFont enlargedFont = edit(&enlarged, u"Edit_id"_s)->font();
    QCOMPARE(enlargedFont.pointSizeF(), normalFont.pointSizeF() * 1.5);
    // Both open at a size that holds every control, the enlarged one larger.
    for (const TaskDialog* dialog : {&normal, &enlarged}) {
        QVERIFY(dialog->width() >= dialog->minimumSizeHint().width());
        QVERIFY(dialog->height() >= dialog->minimumSizeHint().height());
    }
    QVERIFY(enlarged.width() > normal.width());
    QVERIFY(enlarged.height() > normal.height());
}

QTEST_MAIN(TaskDialogTest)
#include "tst_taskdialog_gui.moc"
