#include "contacts/widgets/ContactDialog.h"

#include "agenda/AttachmentPath.h"
#include "agenda/DateFormat.h"
#include "agenda/EntryContext.h"
#include "agenda/TaskCommands.h"
#include "agenda/TaskWriter.h"
#include "agenda/widgets/DialogChrome.h"
#include "agenda/widgets/TaskDialog.h"
#include "contacts/ContactWriter.h"
#include "contacts/GroupRegister.h"
#include "documents/widgets/PrintPath.h"
#include "platform/Shell.h"
#include "platform/widgets/FileDialog.h"
#include "platform/widgets/MessageBox.h"
#include "store/SettingsRecord.h"
#include "themes/ColorText.h"
#include "ui/EntryForm.h"

#include <QComboBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>

using namespace Qt::StringLiterals;

namespace brivane::contacts::widgets {

using agenda::EntryMode;
using agenda::TaskKind;
using agenda::widgets::TaskDialog;
using platform::MessageBox;

namespace {

// Steps a window 7000 pixels aside, off the screen, for its lifetime and
// puts it back.
class OffScreen
{
public:
    explicit OffScreen(QWidget* window) : m_window(window), m_position(window->pos())
    {
        m_window->move(m_position + QPoint(7000, 0));
    }
    ~OffScreen() { m_window->move(m_position); }
    Q_DISABLE_COPY_MOVE(OffScreen)

private:
    QWidget* m_window;
    QPoint m_position;
};

// A stored text longer than the field's typing limit (an import, an older
// program) is shown whole: the limit only stops typing beyond it.
void putText(QLineEdit* field, const QString& text)
{
    if (text.size() > field->maxLength())
        field->setMaxLength(static_cast<int>(text.size()));
    field->setText(text);
}

// Every picture format this system reads, JPEG and bitmap among them.
QString pictureFilter()
{
    QStringList patterns;
    for (const QByteArray& format : QImageReader::supportedImageFormats())
        patterns << u"*."_s + QString::fromLatin1(format);
    return u"Pictures ("_s + patterns.join(u' ') + u");;Tutti i file (*)"_s;
}

} // namespace

ContactDialog::ContactDialog(ContactDialogMode mode, ContactDialogContext context, qint64 codcon, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_mode(mode), m_context(std::move(context)),
      m_codcon(mode == ContactDialogMode::Modify ? codcon : 0), m_form(mode)
{
    buildWindow();
    buildMenus();
    connectFields();
    loadGroupNames();
    if (m_mode == ContactDialogMode::Add)
        startAdd(QString());
    else
        startModify();
    updateSaveButtons();
    for (std::size_t row = 0; row < m_form.attachments.size(); ++row)
        attachmentEdited(row);
    agenda::widgets::fitToContents(this);
    m_form.name->setFocus();
}

ContactDialog::~ContactDialog() = default;

ContactDialog* ContactDialog::openAdd(const ContactDialogContext& context, const QString& groupText, QWidget* parent)
{
    auto* dialog = new ContactDialog(ContactDialogMode::Add, context, 0, parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->startAdd(groupText);
    dialog->open();
    return dialog;
}

ContactDialog* ContactDialog::openModify(const ContactDialogContext& context, qint64 codcon, bool bigNote,
                                         QWidget* parent)
{
    auto* dialog = new ContactDialog(ContactDialogMode::Modify, context, codcon, parent);
    if (!dialog->isLoaded()) {
        delete dialog;
        if (context.entry)
            context.entry->linkedContact = agenda::EntryContext::noContact();
        return nullptr;
    }
    return ui::showEntryDialog(dialog, bigNote);
}

// ---- building ---------------------------------------------------------------

void ContactDialog::buildWindow()
{
    const ContactDialogTexts texts = ContactDialogTexts::of(m_mode);
    setObjectName(texts.objectName);
    setWindowTitle(texts.title);

    m_pages = ui::frameEntryDialog(this, texts.title, contactColor(), m_context.scalePercent, m_form);
    m_form.fitSizes(font());
    agenda::widgets::chainTabOrder(m_form.tabOrder());
}

void ContactDialog::buildMenus()
{
    m_birthdayMenu = new QMenu(this);
    m_birthdayMenu->setObjectName(u"PopupMenuBirthday"_s);
    m_birthdayFirst = m_birthdayMenu->addAction(u"Insert"_s, this, &ContactDialog::birthdayInsertOrModify);
    m_birthdayFirst->setObjectName(u"ActionBirthdayInsert"_s);
    m_birthdaySearch = m_birthdayMenu->addAction(u"Search"_s, this, &ContactDialog::birthdaySearch);
    m_birthdaySearch->setObjectName(u"ActionBirthdaySearch"_s);
    m_birthdayUnlink = m_birthdayMenu->addAction(u"Unlink"_s, this, &ContactDialog::birthdayUnlink);
    m_birthdayUnlink->setObjectName(u"ActionBirthdayUnlink"_s);
    m_birthdayDelete = m_birthdayMenu->addAction(u"Delete"_s, this, &ContactDialog::birthdayDelete);
    m_birthdayDelete->setObjectName(u"ActionBirthdayDelete"_s);
    m_birthdayMenu->addSeparator();
    m_birthdayMenu->addAction(u"Cancel"_s)->setObjectName(u"ActionBirthdayCancel"_s);

    m_photoMenu = new QMenu(this);
    m_photoMenu->setObjectName(u"PopupMenuFoto"_s);
    m_photoMenu->addAction(u"Open"_s, this, &ContactDialog::photoOpen)->setObjectName(u"ActionFotoOpen"_s);
    m_photoMenu->addAction(u"Delete"_s, this, [this] { setPhoto(QString()); })
        ->setObjectName(u"ActionFotoDelete"_s);
    m_photoMenu->addSeparator();
    m_photoMenu->addAction(u"Cancel"_s)->setObjectName(u"ActionFotoCancel"_s);
}

void ContactDialog::connectFields()
{
    for (QWidget* field : m_form.oneLineFields())
        field->installEventFilter(this);

    connect(m_form.name, &QLineEdit::textChanged, this, &ContactDialog::updateSaveButtons);
    connect(m_form.note, &QPlainTextEdit::textChanged, this, [this] { noteEdited(false); });
    connect(m_form.bigNote, &QPlainTextEdit::textChanged, this, [this] { noteEdited(true); });
    connect(m_form.zoomNote, &QPushButton::clicked, this, [this] { showBigNote(!isBigNoteShown()); });

    for (std::size_t row = 0; row < m_form.attachments.size(); ++row) {
        const ContactDialogForm::AttachmentRow& controls = m_form.attachments[row];
        connect(controls.edit, &QLineEdit::textChanged, this, [this, row] { attachmentEdited(row); });
        connect(controls.file, &QPushButton::clicked, this, [this, row] { attachFile(row); });
        connect(controls.folder, &QPushButton::clicked, this, [this, row] { attachFolder(row); });
        connect(controls.clear, &QPushButton::clicked, controls.edit, &QLineEdit::clear);
    }

    connect(m_form.photoButton, &QPushButton::clicked, this, &ContactDialog::photoClicked);
    connect(m_form.birthday, &QPushButton::clicked, this, &ContactDialog::birthdayClicked);
    m_form.connectButtons(this, {[this] { showHelp(); }, [this] { print(); }, [this] { return save(); },
                                 [this] { clearForNext(); }});
}

// ---- opening ----------------------------------------------------------------

void ContactDialog::startAdd(const QString& groupText)
{
    m_form.group->setEditText(groupText);
}

void ContactDialog::startModify()
{
    QString error;
    const std::optional<Contact> stored = ContactWriter::load(m_context.db, m_codcon, &error);
    if (!stored) {
        m_loaded = false;
        MessageBox::warning(parentWidget(), error);
        return;
    }
    if (m_context.entry)
        m_context.entry->linkedContact = QString::number(m_codcon);
    refreshLink();
    fill(*stored);

    // The stored picture, else its namesake in "pics". A picture that cannot
    // be found keeps its stored path, so saving loses nothing.
    const QString found = resolvedPicture(stored->foto, m_context.programFolder);
    if (found.isEmpty() || !setPhoto(found)) {
        m_photoPath = found.isEmpty() ? stored->foto : found;
        m_form.photo->setToolTip(m_photoPath);
    }
}

void ContactDialog::fill(const Contact& contact)
{
    putText(m_form.name, contact.ragsoc);
    putText(m_form.company, contact.company);
    putText(m_form.phone, contact.tel);
    putText(m_form.mobile, contact.mobile);
    putText(m_form.skype, contact.skype);
    putText(m_form.fax, contact.fax);
    putText(m_form.email, contact.email);
    putText(m_form.site, contact.site);
    putText(m_form.group->lineEdit(), contact.gruppo);
    m_form.address->setPlainText(contact.indirizzo);
    m_form.note->setPlainText(contact.note);
    const std::array<const QString*, 3> attachments{&contact.allegato, &contact.allegato2, &contact.allegato3};
    for (std::size_t row = 0; row < attachments.size(); ++row)
        putText(m_form.attachments[row].edit, *attachments[row]);
}

void ContactDialog::clearForNext()
{
    showBigNote(false);
    for (QLineEdit* field : {m_form.name, m_form.company, m_form.phone, m_form.mobile, m_form.skype, m_form.fax,
                             m_form.email, m_form.site})
        field->clear();
    m_form.address->clear();
    m_form.note->clear();
    for (const ContactDialogForm::AttachmentRow& row : m_form.attachments)
        row.edit->clear();
    setPhoto(QString());
    m_form.name->setFocus();
}

// The names of the contact groups; the text of the field stays.
void ContactDialog::loadGroupNames()
{
    const QString text = m_form.group->currentText();
    QString error;
    const QStringList names = groupNames(m_context.db, u"C"_s, &error);
    if (!error.isEmpty())
        MessageBox::warning(this, error);
    m_form.group->clear();
    m_form.group->addItems(names);
    m_form.group->setEditText(text);
}

// ---- field rules ------------------------------------------------------------

void ContactDialog::updateSaveButtons()
{
    m_form.enableSaveButtons(!m_form.name->text().isEmpty());
}

void ContactDialog::attachmentEdited(std::size_t row)
{
    const ContactDialogForm::AttachmentRow& controls = m_form.attachments.at(row);
    ui::showStoredAttachment(controls.edit, controls.clear, m_context.programFolder);
}

void ContactDialog::attachFile(std::size_t row)
{
    QLineEdit* edit = m_form.attachments.at(row).edit;
    const QString start = agenda::attachFileStartFolder(edit->text(), platform::Shell::desktopFolder());
    QString name;
    {
        const OffScreen away(this);
        name = platform::FileDialog::openFile(parentWidget(), u"Attach file"_s, start, u"Tutti i file (*)"_s);
    }
    setAttachmentPicked(row, name);
}

void ContactDialog::attachFolder(std::size_t row)
{
    const QString start = agenda::attachFolderStartFolder(m_form.attachments.at(row).edit->text());
    QString name;
    {
        const OffScreen away(this);
        name = platform::FileDialog::chooseFolder(parentWidget(), u"Attach folder"_s, start);
    }
    setAttachmentPicked(row, name);
}

void ContactDialog::setAttachmentPicked(std::size_t row, const QString& path)
{
    ui::putPickedAttachment(this, m_form.attachments.at(row).edit, path, m_context.programFolder);
}

// Both note areas hold the same text: each change of one is copied whole
// into the other.
void ContactDialog::noteEdited(bool fromBig)
{
    if (m_syncingNote)
        return;
    m_syncingNote = true;
    QPlainTextEdit* from = fromBig ? m_form.bigNote : m_form.note;
    QPlainTextEdit* to = fromBig ? m_form.note : m_form.bigNote;
    to->setPlainText(from->toPlainText());
    m_syncingNote = false;
}

void ContactDialog::showBigNote(bool big)
{
    if (big == isBigNoteShown())
        return;
    QPlainTextEdit* from = big ? m_form.note : m_form.bigNote;
    QPlainTextEdit* to = big ? m_form.bigNote : m_form.note;
    // The switch follows the note area that is shown.
    (big ? m_form.noteHeader : m_form.bigNoteHeader)->removeWidget(m_form.zoomNote);
    (big ? m_form.bigNoteHeader : m_form.noteHeader)->addWidget(m_form.zoomNote);
    m_form.zoomNote->setText(big ? u"-"_s : u"+"_s);
    m_form.zoomNote->show();
    m_pages->setCurrentIndex(big ? 1 : 0);
    to->setFocus();
    ui::carryCaret(from, to);
    to->ensureCursorVisible();
}

bool ContactDialog::isBigNoteShown() const
{
    return m_pages->currentIndex() == 1;
}

// ---- picture ----------------------------------------------------------------

void ContactDialog::photoClicked()
{
    m_photoMenu->popup(m_form.photoButton->mapToGlobal(QPoint(0, m_form.photoButton->height())));
}

void ContactDialog::photoOpen()
{
    const QString pics = picturesFolder(m_context.programFolder);
    const QString start = QFileInfo(pics).isDir() ? pics : QString();
    const QString file = platform::FileDialog::openFile(this, texts::photoCaption(), start, pictureFilter());
    if (file.isEmpty())
        return;
    if (!setPhoto(file))
        MessageBox::warning(this, texts::pictureUnreadable(file));
}

bool ContactDialog::setPhoto(const QString& path)
{
    QLabel* box = m_form.photo;
    if (path.isEmpty()) {
        m_photoPath.clear();
        box->setPixmap(QPixmap());
        box->setText(texts::photoPlaceholder());
        box->setToolTip(QString());
        return true;
    }
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QImage image = reader.read();
    if (image.isNull())
        return false;
    m_photoPath = path;
    const QSize room = box->contentsRect().size();
    box->setPixmap(QPixmap::fromImage(image.scaled(room, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
    box->setToolTip(path);
    return true;
}

// ---- birthday ---------------------------------------------------------------

void ContactDialog::birthdayClicked()
{
    if (m_mode == ContactDialogMode::Add) {
        MessageBox::information(this, texts::birthdayAfterInsert());
        return;
    }
    m_birthdayMenu->popup(m_form.birthday->mapToGlobal(QPoint(0, m_form.birthday->height())));
}

void ContactDialog::birthdayInsertOrModify()
{
    m_birthdayMenu->hide();
    if (m_mode != ContactDialogMode::Modify || !m_context.entry)
        return;
    if (m_context.prepareEntry)
        m_context.prepareEntry();
    agenda::EntryContext& entry = *m_context.entry;
    entry.linkedContact = QString::number(m_codcon);

    TaskDialog* dialog = nullptr;
    if (m_link) {
        dialog = TaskDialog::openDialog(TaskKind::Yearly, EntryMode::Modify, entry, m_link->codimp, this);
    } else {
        // The yearly add dialog starts from the name and address shown here;
        // it reads them while it opens, then the shared state is put back.
        const QString name = entry.contactName;
        const QString email = entry.contactEmail;
        entry.contactName = m_form.name->text();
        entry.contactEmail = m_form.email->text();
        dialog = TaskDialog::openDialog(TaskKind::Yearly, EntryMode::Add, entry, 0, this);
        entry.contactName = name;
        entry.contactEmail = email;
    }
    connect(dialog, &TaskDialog::taskSaved, this, &ContactDialog::notifyTasksChanged);
    connect(dialog, &QDialog::finished, this, &ContactDialog::refreshLink);
}

void ContactDialog::birthdaySearch()
{
    m_birthdayMenu->hide();
    if (m_mode != ContactDialogMode::Modify || m_link)
        return;
    const QString name = m_form.name->text();
    QString error;
    const QList<agenda::Task> tasks = ContactWriter::linkCandidates(m_context.db, name, &error);
    if (!error.isEmpty()) {
        MessageBox::warning(this, error);
        return;
    }
    if (tasks.isEmpty()) {
        MessageBox::information(this, texts::noYearlyTaskFound(name));
        setYearlySearch(QString());
        return;
    }
    bool linked = false;
    for (const agenda::Task& task : tasks) {
        if (MessageBox::question(this, texts::linkQuestion(name, task.id)) != MessageBox::Answer::Yes)
            continue;
        if (ContactWriter::linkTask(m_context.db, task.codimp, m_codcon, &error)) {
            linked = true;
            notifyTasksChanged();
        } else {
            MessageBox::warning(this, error);
        }
        break;
    }
    setYearlySearch(linked ? name : QString());
    refreshLink();
}

void ContactDialog::birthdayUnlink()
{
    m_birthdayMenu->hide();
    if (!m_link)
        return;
    if (MessageBox::question(this, texts::unlinkQuestion(m_form.name->text(), m_link->id)) == MessageBox::Answer::No)
        return;
    QString error;
    if (ContactWriter::unlinkTask(m_context.db, m_link->codimp, &error))
        notifyTasksChanged();
    else
        MessageBox::warning(this, error);
    refreshLink();
}

void ContactDialog::birthdayDelete()
{
    m_birthdayMenu->hide();
    if (!m_link)
        return;
    const agenda::Task task = *m_link;
    if (m_context.deleteYearlyTask) {
        m_context.deleteYearlyTask(task.codimp);
    } else if (MessageBox::question(this, agenda::taskDeleteQuestion(task.id)) == MessageBox::Answer::Yes) {
        QString error;
        if (!agenda::deleteTask(m_context.db, task.codimp, &error))
            MessageBox::warning(this, error);
    }
    if (!agenda::TaskWriter::load(m_context.db, task.codimp))
        notifyTasksChanged();
    refreshLink();
}

void ContactDialog::refreshLink()
{
    if (m_mode != ContactDialogMode::Modify)
        return;
    QString error;
    m_link = ContactWriter::linkedTask(m_context.db, m_codcon, &error);
    if (!error.isEmpty())
        MessageBox::warning(this, error);

    QString caption = texts::birthdayCaption();
    if (m_link) {
        caption = agenda::formatDate(m_link->datefull, yearlyFormat());
        if (caption.isEmpty())
            caption = m_link->data;
    }
    m_form.birthday->setText(caption);

    const bool linked = m_link.has_value();
    m_birthdayFirst->setText(linked ? u"Modify"_s : u"Insert"_s);
    m_birthdaySearch->setEnabled(!linked);
    m_birthdayUnlink->setEnabled(linked);
    m_birthdayDelete->setEnabled(linked);
}

void ContactDialog::notifyTasksChanged()
{
    if (m_context.tasksChanged)
        m_context.tasksChanged();
}

void ContactDialog::setYearlySearch(const QString& text)
{
    if (m_context.setYearlySearchText)
        m_context.setYearlySearchText(text);
}

// ---- commands ---------------------------------------------------------------

void ContactDialog::showHelp()
{
    MessageBox::information(this, ContactDialogTexts::of(m_mode).help);
}

// A picture of the dialog, through the print menu.
void ContactDialog::print()
{
    documents::widgets::popupPrintMenu(m_form.print, [this] {
        return documents::picturePrintable(u"contact"_s, grab().toImage());
    });
}

Contact ContactDialog::contact() const
{
    Contact c;
    c.codcon = m_codcon;
    c.ragsoc = storedName(m_form.name->text());
    c.company = m_form.company->text();
    c.tel = m_form.phone->text();
    c.mobile = m_form.mobile->text();
    c.skype = m_form.skype->text();
    c.fax = m_form.fax->text();
    c.email = m_form.email->text();
    c.site = m_form.site->text();
    c.indirizzo = m_form.address->toPlainText();
    c.note = (isBigNoteShown() ? m_form.bigNote : m_form.note)->toPlainText();
    c.gruppo = m_form.group->currentText();
    c.allegato = m_form.attachments[0].edit->text();
    c.allegato2 = m_form.attachments[1].edit->text();
    c.allegato3 = m_form.attachments[2].edit->text();
    c.foto = m_photoPath;
    return c;
}

bool ContactDialog::save()
{
    if (!m_loaded || m_form.name->text().isEmpty())
        return false;
    // The field shows the capitalised name, semicolons included.
    m_form.name->setText(capitalizedName(m_form.name->text()));
    const Contact values = contact();

    QString error;
    qint64 key = m_codcon;
    if (m_mode == ContactDialogMode::Add) {
        key = ContactWriter::insert(m_context.db, values, &error);
        if (key < 0) {
            MessageBox::warning(this, error);
            return false;
        }
    } else if (!ContactWriter::update(m_context.db, values, &error)) {
        MessageBox::warning(this, error);
        return false;
    }

    if (!values.gruppo.isEmpty()) {
        bool added = false;
        if (!registerGroupName(m_context.db, u"C"_s, values.gruppo, &added, &error)) {
            MessageBox::warning(this, error);
        } else if (added) {
            loadGroupNames();
            Q_EMIT groupsChanged();
        }
    }
    Q_EMIT contactSaved(key);
    return true;
}

void ContactDialog::done(int result)
{
    // Outside a modify dialog no contact is linked.
    if (m_context.entry)
        m_context.entry->linkedContact = agenda::EntryContext::noContact();
    QDialog::done(result);
}

bool ContactDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (m_form.enterSaves(event))
        return true;
    return QDialog::eventFilter(watched, event);
}

// ---- helpers ----------------------------------------------------------------

QColor ContactDialog::contactColor() const
{
    constexpr int kContactsTab = 5;
    const QStringList colors =
        m_context.settings ? m_context.settings->sectionColors : store::SettingsRecord::defaultSectionColors();
    return themes::colorFromText(colors.value(kContactsTab), QColor(0x4E, 0x9A, 0x9A));
}

QString ContactDialog::yearlyFormat() const
{
    return m_context.settings ? m_context.settings->dataYear : store::SettingsRecord().dataYear;
}

} // namespace brivane::contacts::widgets
