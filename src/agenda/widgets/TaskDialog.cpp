#include "agenda/widgets/TaskDialog.h"

#include "agenda/AttachmentPath.h"
#include "agenda/DateFormat.h"
#include "agenda/EntryLabels.h"
#include "agenda/TaskWriter.h"
#include "agenda/TimeText.h"
#include "agenda/widgets/DateChooser.h"
#include "agenda/widgets/DialogChrome.h"
#include "agenda/widgets/TaskDialogTexts.h"
#include "documents/widgets/PrintPath.h"
#include "platform/Clock.h"
#include "platform/Shell.h"
#include "platform/widgets/FileDialog.h"
#include "platform/widgets/MessageBox.h"
#include "ui/EntryForm.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace brivane::agenda::widgets {

namespace {

// Steps a window out of sight for its lifetime and puts it back.
class OutOfSight
{
public:
    explicit OutOfSight(QWidget* window) : m_window(window), m_position(window->pos())
    {
        m_window->move(-32000, -32000);
    }
    ~OutOfSight() { m_window->move(m_position); }
    Q_DISABLE_COPY_MOVE(OutOfSight)

private:
    QWidget* m_window;
    QPoint m_position;
};

} // namespace

TaskDialog::TaskDialog(TaskKind kind, EntryMode mode, EntryContext& context, qint64 codimp, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_kind(kind), m_mode(mode), m_context(context),
      m_codimp(mode == EntryMode::Modify ? codimp : 0), m_form(kind, mode, context.lookAheadDays)
{
    buildWindow();
    connectFields();
    if (m_mode == EntryMode::Add)
        openAdd();
    else
        openModify();
    updateOptions();
    updateDateLabel();
    updateYearsLabel();
    updateSaveButtons();
    attachmentEdited();
    m_form.clearLink->setEnabled(!m_form.link->text().isEmpty());
    fitToContents(this);
    m_form.description->setFocus();
}

TaskDialog::~TaskDialog() = default;

TaskDialog* TaskDialog::openDialog(TaskKind kind, EntryMode mode, EntryContext& context, qint64 codimp,
                                   QWidget* parent, bool bigNote)
{
    auto* dialog = new TaskDialog(kind, mode, context, codimp, parent);
    // A task that could not be read is never offered as an empty form whose
    // save would overwrite it.
    if (mode == EntryMode::Modify && !dialog->m_stored) {
        platform::MessageBox::warning(parent, dialog->m_loadError);
        delete dialog;
        return nullptr;
    }
    return ui::showEntryDialog(dialog, bigNote);
}

// ---- building ---------------------------------------------------------------

void TaskDialog::buildWindow()
{
    const TaskDialogTexts texts = TaskDialogTexts::of(m_kind, m_mode);
    setObjectName(texts.objectName);
    setWindowTitle(texts.windowCaption);

    m_pages = ui::frameEntryDialog(this, texts.title, kindColor(), m_context.scalePercent, m_form);
    m_form.fitSizes(font());
    m_form.dateLabel->installEventFilter(this);

    chainTabOrder(m_form.tabOrder());
}

void TaskDialog::connectFields()
{
    for (QWidget* field : {static_cast<QWidget*>(m_form.description), static_cast<QWidget*>(m_form.from),
                           static_cast<QWidget*>(m_form.to), static_cast<QWidget*>(m_form.link),
                           static_cast<QWidget*>(m_form.attachment)})
        field->installEventFilter(this);

    connect(m_form.showCalendar, &QPushButton::clicked, this, &TaskDialog::openDateChooser);
    connect(m_form.clearTimes, &QPushButton::clicked, this, &TaskDialog::clearTimes);
    connect(m_form.description, &QLineEdit::textChanged, this, &TaskDialog::updateSaveButtons);
    connect(m_form.bigNoteButton, &QPushButton::clicked, this, [this] { showBigNote(true); });
    connect(m_form.smallNoteButton, &QPushButton::clicked, this, [this] { showBigNote(false); });
    m_form.connectClearButtons();
    connect(m_form.attachment, &QLineEdit::textChanged, this, &TaskDialog::attachmentEdited);
    connect(m_form.expiry, &QDateEdit::editingFinished, this, &TaskDialog::raiseExpiry);
    connect(m_form.expiry, &QDateEdit::dateChanged, this, [this] {
        if (!m_form.expiry->hasFocus())
            raiseExpiry();
    });
    connect(m_form.attachFile, &QPushButton::clicked, this, &TaskDialog::attachFile);
    connect(m_form.attachFolder, &QPushButton::clicked, this, &TaskDialog::attachFolder);
    for (QCheckBox* option : {m_form.deleteAfter, m_form.everyDay, m_form.expiration}) {
        if (option)
            connect(option, &QCheckBox::toggled, this, &TaskDialog::updateOptions);
    }
    if (m_form.yearsCount)
        connect(m_form.yearsCount, &QCheckBox::toggled, this, &TaskDialog::updateYearsLabel);

    m_form.connectButtons(this, {[this] { showHelp(); }, [this] { print(); }, [this] { return save(); },
                                 [this] { clearForNext(); }});
}

// ---- opening ----------------------------------------------------------------

void TaskDialog::openAdd()
{
    const QDate working = viewedDate();
    m_context.workingDate = working;
    m_context.monthDay = formatDate(working, u"mm/dd"_s).left(5);
    m_form.expiry->setDate(working);

    m_birthday = m_kind == TaskKind::Yearly && m_context.linkedContactKey().has_value();
    if (m_birthday) {
        m_form.description->setText(u"Birthday of "_s + m_context.contactName);
        m_form.link->setText(m_context.contactName);
        const QString mail = u"mailto:"_s + m_context.contactEmail;
        // An address too long for the field is left out rather than cut.
        if (!m_context.contactEmail.isEmpty() && mail.size() <= TaskDialogForm::kAttachmentLength)
            m_form.attachment->setText(mail);
        m_form.yearsCount->setChecked(true);
        m_form.add->hide();
    } else if (!m_context.contactName.isEmpty()) {
        m_form.description->setText(m_context.contactName);
        m_form.link->setText(m_context.contactName);
    }
}

void TaskDialog::openModify()
{
    m_stored = TaskWriter::load(m_context.db, m_codimp, &m_loadError);
    if (!m_stored) {
        m_context.workingDate = viewedDate();
        m_context.monthDay = formatDate(m_context.workingDate, u"mm/dd"_s).left(5);
        m_form.expiry->setDate(m_context.workingDate);
        m_form.doneLabel->setText(u"Done: not yet."_s);
        return;
    }

    const TaskEntry entry = TaskEntry::fromTask(*m_stored, m_kind, today());
    m_context.workingDate = entry.workingDate.isValid() ? entry.workingDate : viewedDate();
    m_context.monthDay = formatDate(m_context.workingDate, u"mm/dd"_s).left(5);
    m_dayFromRow = m_kind == TaskKind::Monthly;

    m_form.from->setText(entry.from);
    m_form.to->setText(entry.to);
    m_form.description->setText(entry.description);
    m_form.note->setPlainText(entry.note);
    m_form.link->setText(entry.link);
    m_form.attachment->setText(entry.attachment);
    m_form.important->setChecked(entry.important);
    m_form.suspended->setChecked(entry.suspended);
    m_form.expiration->setChecked(entry.expiration);
    m_form.expiry->setDate(entry.expiry);
    if (m_form.deleteAfter) {
        m_form.deleteAfter->setChecked(entry.deleteAfter);
        m_form.everyDay->setChecked(entry.everyDay);
    }
    if (m_form.parity)
        m_form.parity->setChecked(entry.parity);
    if (m_form.yearsCount)
        m_form.yearsCount->setChecked(entry.yearsCount);
    m_form.doneLabel->setText(doneLabel(*m_stored));
}

// ---- field rules ------------------------------------------------------------

void TaskDialog::updateSaveButtons()
{
    m_form.enableSaveButtons(!m_form.description->text().isEmpty());
}

// The one-shot options exclude each other: a checked one disables the other
// two. The expiry picker follows its box.
void TaskDialog::updateOptions()
{
    if (m_form.deleteAfter) {
        const bool deleteAfter = m_form.deleteAfter->isChecked();
        const bool everyDay = m_form.everyDay->isChecked();
        const bool expiration = m_form.expiration->isChecked();
        m_form.deleteAfter->setEnabled(!everyDay && !expiration);
        m_form.everyDay->setEnabled(!deleteAfter && !expiration);
        m_form.expiration->setEnabled(!deleteAfter && !everyDay);
    }
    m_form.expiry->setEnabled(m_form.expiration->isChecked() && m_form.expiration->isEnabled());
}

void TaskDialog::updateDateLabel()
{
    const QDate working = m_context.workingDate;
    if (m_dayFromRow && m_stored)
        m_form.dateLabel->setText(m_stored->dayofmonth);
    else
        m_form.dateLabel->setText(
            dateLabel(m_kind, working, m_context.dataShotFormat, m_context.dataYearFormat));
    raiseExpiry();
}

void TaskDialog::raiseExpiry()
{
    // The expiry never precedes the start date. The pop-up calendar refuses
    // earlier days; the field itself takes any date while a date is typed
    // digit by digit, and is raised once the typing ends.
    const QDate working = m_context.workingDate;
    if (!working.isValid())
        return;
    if (QCalendarWidget* calendar = m_form.expiry->calendarWidget())
        calendar->setMinimumDate(working);
    if (m_form.expiry->date() < working)
        m_form.expiry->setDate(working);
}

void TaskDialog::updateYearsLabel()
{
    if (m_form.yearsLabel)
        m_form.yearsLabel->setText(
            yearsCountLabel(m_form.yearsCount->isChecked(), m_context.workingDate, today()));
}

void TaskDialog::attachmentEdited()
{
    ui::showStoredAttachment(m_form.attachment, m_form.clearAttachment, m_context.programFolder);
}

void TaskDialog::clearTimes()
{
    m_form.from->setText(QString());
    m_form.to->setText(QString());
    m_form.description->setFocus();
}

void TaskDialog::clearForNext()
{
    showBigNote(false);
    m_form.from->setText(QString());
    m_form.to->setText(QString());
    m_form.description->clear();
    m_form.note->clear();
    m_form.bigNote->clear();
    m_form.link->clear();
    m_form.attachment->clear();
    m_form.description->setFocus();
}

void TaskDialog::showBigNote(bool big)
{
    ui::switchNotePage(m_pages, m_form.note, m_form.bigNote, big);
}

bool TaskDialog::isBigNoteShown() const
{
    return m_pages->currentIndex() == 1;
}

// ---- pickers and commands ---------------------------------------------------

void TaskDialog::openDateChooser()
{
    // One-shot and weekly add dialogs offer today; the others the working date.
    const bool fromToday =
        m_mode == EntryMode::Add && (m_kind == TaskKind::OneShot || m_kind == TaskKind::Weekly);
    auto* chooser = new DateChooser(m_kind, m_context, fromToday ? today() : m_context.workingDate, this);
    chooser->setAttribute(Qt::WA_DeleteOnClose);
    connect(chooser, &DateChooser::dateChosen, this, [this] { m_dayFromRow = false; });
    connect(chooser, &QDialog::finished, this, &TaskDialog::chooserClosed);
    chooser->open();
}

void TaskDialog::chooserClosed()
{
    updateDateLabel();
    updateYearsLabel();
}

void TaskDialog::attachFile()
{
    const QString start = attachFileStartFolder(m_form.attachment->text(), platform::Shell::desktopFolder());
    QString name;
    {
        // The dialog steps out of sight while the picker, centred on the
        // caller's window, is open.
        const OutOfSight away(this);
        name = platform::FileDialog::openFile(parentWidget(), u"Allega file"_s, start, u"Tutti i file (*)"_s);
    }
    setAttachmentPicked(name);
}

void TaskDialog::attachFolder()
{
    const QString start = attachFolderStartFolder(m_form.attachment->text());
    QString name;
    {
        const OutOfSight away(this);
        name = platform::FileDialog::chooseFolder(parentWidget(), u"Allega cartella"_s, start);
    }
    setAttachmentPicked(name);
}

void TaskDialog::setAttachmentPicked(const QString& path)
{
    ui::putPickedAttachment(this, m_form.attachment, path, m_context.programFolder);
}

void TaskDialog::showHelp()
{
    platform::MessageBox::information(this, TaskDialogTexts::of(m_kind, m_mode).help);
}

// A picture of the dialog, through the print menu.
void TaskDialog::print()
{
    documents::widgets::popupPrintMenu(m_form.print, [this] {
        return documents::picturePrintable(u"task"_s, grab().toImage());
    });
}

// ---- saving -----------------------------------------------------------------

TaskEntry TaskDialog::entry() const
{
    TaskEntry e;
    e.kind = m_kind;
    e.workingDate = m_context.workingDate;
    e.from = m_form.from->displayText();
    e.to = m_form.to->displayText();
    e.description = m_form.description->text();
    e.note = (isBigNoteShown() ? m_form.bigNote : m_form.note)->toPlainText();
    e.link = m_form.link->text();
    e.attachment = m_form.attachment->text();
    e.important = m_form.important->isChecked();
    e.suspended = m_form.suspended->isChecked();
    e.expiration = m_form.expiration->isChecked();
    e.expiry = std::max(m_form.expiry->date(), m_context.workingDate);
    if (m_form.deleteAfter) {
        e.deleteAfter = m_form.deleteAfter->isChecked();
        e.everyDay = m_form.everyDay->isChecked();
    }
    e.parity = m_form.parity && m_form.parity->isChecked();
    e.yearsCount = m_form.yearsCount && m_form.yearsCount->isChecked();
    e.monthDay = m_context.monthDay;
    if (m_kind == TaskKind::Monthly)
        e.dayOfMonth = m_form.dateLabel->text();
    if (m_birthday)
        e.linkedContact = m_context.linkedContactKey();
    return e;
}

bool TaskDialog::save()
{
    if (m_form.description->text().isEmpty())
        return false;
    if (const auto message = timesError(m_form.from->displayText(), m_form.to->displayText())) {
        platform::MessageBox::warning(this, *message);
        return false;
    }

    QString error;
    qint64 key = m_codimp;
    if (m_mode == EntryMode::Add) {
        key = TaskWriter::insert(m_context.db, entry(), viewedDate(), &error);
        if (key < 0) {
            platform::MessageBox::warning(this, error);
            return false;
        }
    } else {
        if (!m_stored)
            return false;
        if (!TaskWriter::update(m_context.db, entry(), *m_stored, viewedDate(), &error)) {
            platform::MessageBox::warning(this, error);
            return false;
        }
    }
    Q_EMIT taskSaved(key);
    return true;
}

bool TaskDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_form.dateLabel) {
        if (event->type() == QEvent::MouseButtonPress)
            return true;
        if (event->type() == QEvent::MouseButtonRelease) {
            openDateChooser();
            return true;
        }
        return QDialog::eventFilter(watched, event);
    }
    if (m_form.enterSaves(event))
        return true;
    return QDialog::eventFilter(watched, event);
}

// ---- helpers ----------------------------------------------------------------

QDate TaskDialog::today() const
{
    return platform::Clock::instance().today();
}

QDate TaskDialog::viewedDate() const
{
    return m_context.viewedDate.isValid() ? m_context.viewedDate : today();
}

QColor TaskDialog::kindColor() const
{
    return m_context.kindColors.at(static_cast<std::size_t>(m_kind));
}

} // namespace brivane::agenda::widgets
