#include "to_do/widgets/ToDoDialog.h"

#include "agenda/AttachmentPath.h"
#include "agenda/widgets/DialogChrome.h"
#include "contacts/Groups.h"
#include "documents/widgets/PrintPath.h"
#include "platform/Shell.h"
#include "platform/widgets/FileDialog.h"
#include "platform/widgets/MessageBox.h"
#include "to_do/LineEnds.h"
#include "to_do/ToDoTexts.h"
#include "to_do/ToDoWriter.h"
#include "ui/EntryForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QStackedWidget>

using namespace Qt::StringLiterals;

namespace brivane::to_do::widgets {

ToDoDialog::ToDoDialog(ToDoDialogMode mode, ToDoDialogSetup setup, qint64 codtod, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_mode(mode), m_setup(std::move(setup)),
      m_codtod(mode == ToDoDialogMode::Modify ? codtod : 0), m_form(mode)
{
    buildWindow();
    connectFields();
    load();
    updateSaveButtons();
    attachmentEdited();
    m_form.clearLink->setEnabled(!m_form.link->text().isEmpty());
    agenda::widgets::fitToContents(this);
    m_form.description->setFocus();
}

ToDoDialog::~ToDoDialog() = default;

ToDoDialog* ToDoDialog::openDialog(ToDoDialogMode mode, ToDoDialogSetup setup, qint64 codtod, QWidget* parent,
                                   bool bigNote)
{
    auto* dialog = new ToDoDialog(mode, std::move(setup), codtod, parent);
    if (!dialog->isLoaded()) {
        platform::MessageBox::warning(parent, dialog->m_loadError);
        delete dialog;
        return nullptr;
    }
    return ui::showEntryDialog(dialog, bigNote);
}

// ---- building ---------------------------------------------------------------

void ToDoDialog::buildWindow()
{
    const bool add = m_mode == ToDoDialogMode::Add;
    setObjectName(add ? u"TAggToDoForm"_s : u"TModToDoForm"_s);
    const QString title = add ? u"Insert Task"_s : u"Modity Task"_s;
    setWindowTitle(title);

    m_pages = ui::frameEntryDialog(this, title, m_setup.color, m_setup.scalePercent, m_form);
    m_form.fitSizes(font());
    agenda::widgets::chainTabOrder(m_form.tabOrder());
}

void ToDoDialog::connectFields()
{
    for (QWidget* field : m_form.oneLineFields())
        field->installEventFilter(this);
    m_form.group->lineEdit()->installEventFilter(this);

    connect(m_form.description, &QLineEdit::textChanged, this, &ToDoDialog::updateSaveButtons);
    connect(m_form.bigNoteButton, &QPushButton::clicked, this, [this] { showBigNote(true); });
    connect(m_form.smallNoteButton, &QPushButton::clicked, this, [this] { showBigNote(false); });
    m_form.connectClearButtons();
    connect(m_form.attachment, &QLineEdit::textChanged, this, &ToDoDialog::attachmentEdited);
    connect(m_form.attachFile, &QPushButton::clicked, this, &ToDoDialog::attachFile);
    connect(m_form.attachFolder, &QPushButton::clicked, this, &ToDoDialog::attachFolder);
    if (m_form.percent) {
        connect(m_form.percent, &QSlider::valueChanged, this, &ToDoDialog::percentMoved);
        connect(m_form.done, &QCheckBox::clicked, this, &ToDoDialog::doneClicked);
    }

    const auto showHelp = [this] {
        platform::MessageBox::information(
            this, m_mode == ToDoDialogMode::Add ? ToDoTexts::addHelp() : ToDoTexts::modifyHelp());
    };
    m_form.connectButtons(this, {showHelp, [this] { print(); }, [this] { return save(); },
                                 [this] { clearForNext(); }});
}

// ---- opening ----------------------------------------------------------------

void ToDoDialog::load()
{
    m_form.group->addItems(m_setup.groupNames);
    if (m_mode == ToDoDialogMode::Add) {
        m_form.group->setEditText(m_setup.group);
        return;
    }
    const std::optional<ToDoItem> stored = ToDoWriter(m_setup.db).load(m_codtod, &m_loadError);
    if (!stored) {
        m_loaded = false;
        return;
    }
    m_form.description->setText(stored->id);
    m_form.note->setPlainText(stored->note);
    m_noteLineEnd = lineEndOf(stored->note);
    m_form.priority->setValue(stored->priority);
    m_form.group->setEditText(stored->gruppo);
    m_form.link->setText(stored->ricerca);
    m_form.attachment->setText(stored->allegato);
    m_form.percent->setValue(qBound(0, stored->percento, 100));
    percentMoved(m_form.percent->value());
    m_form.done->setChecked(stored->isChecked());
}

// ---- field rules ------------------------------------------------------------

void ToDoDialog::updateSaveButtons()
{
    m_form.enableSaveButtons(!m_form.description->text().isEmpty());
}

void ToDoDialog::attachmentEdited()
{
    ui::showStoredAttachment(m_form.attachment, m_form.clearAttachment, m_setup.programFolder);
}

// The bar at 100 means done; any lower value means not done.
void ToDoDialog::percentMoved(int value)
{
    m_form.percentLabel->setText(QString::number(value) + u'%');
    m_form.done->setChecked(value == 100);
}

void ToDoDialog::doneClicked(bool checked)
{
    m_form.percent->setValue(checked ? 100 : 0);
}

void ToDoDialog::showBigNote(bool big)
{
    ui::switchNotePage(m_pages, m_form.note, m_form.bigNote, big);
}

bool ToDoDialog::isBigNoteShown() const
{
    return m_pages->currentIndex() == 1;
}

void ToDoDialog::clearForNext()
{
    showBigNote(false);
    m_form.description->clear();
    m_form.note->clear();
    m_form.bigNote->clear();
    m_form.link->clear();
    m_form.attachment->clear();
    m_form.priority->setValue(5);
    m_form.description->setFocus();
}

// ---- pickers and commands ---------------------------------------------------

void ToDoDialog::attachFile()
{
    const QString start =
        agenda::attachFileStartFolder(m_form.attachment->text(), platform::Shell::desktopFolder());
    setAttachmentPicked(platform::FileDialog::openFile(this, u"Attach file"_s, start, u"All files (*)"_s));
}

void ToDoDialog::attachFolder()
{
    const QString start = agenda::attachFolderStartFolder(m_form.attachment->text());
    setAttachmentPicked(platform::FileDialog::chooseFolder(this, u"Attach folder"_s, start));
}

void ToDoDialog::setAttachmentPicked(const QString& path)
{
    ui::putPickedAttachment(this, m_form.attachment, path, m_setup.programFolder);
}

// A picture of the dialog, through the print menu.
void ToDoDialog::print()
{
    documents::widgets::popupPrintMenu(m_form.print, [this] {
        return documents::picturePrintable(u"to-do"_s, grab().toImage());
    });
}

// ---- saving -----------------------------------------------------------------

ToDoItem ToDoDialog::item() const
{
    ToDoItem result;
    result.codtod = m_codtod;
    result.id = savedDescription(m_form.description->text());
    result.note = withLineEnd((isBigNoteShown() ? m_form.bigNote : m_form.note)->toPlainText(), m_noteLineEnd);
    result.priority = m_form.priority->value();
    if (m_mode == ToDoDialogMode::Modify) {
        result.flag = m_form.done->isChecked() ? ToDoItem::yes() : ToDoItem::no();
        result.percento = m_form.percent->value();
    } else {
        result.flag = ToDoItem::no();
        result.percento = 0;
    }
    result.allegato = m_form.attachment->text();
    result.ricerca = m_form.link->text();
    result.gruppo = m_form.group->currentText();
    return result;
}

bool ToDoDialog::save()
{
    if (m_form.description->text().isEmpty())
        return false;
    const ToDoItem entry = item();
    const ToDoWriter writer(m_setup.db);
    QString error;
    qint64 key = m_codtod;
    if (m_mode == ToDoDialogMode::Add) {
        key = writer.insert(entry, &error);
        if (key < 0) {
            platform::MessageBox::warning(this, error);
            return false;
        }
    } else if (!writer.update(entry, &error)) {
        platform::MessageBox::warning(this, error);
        return false;
    }
    m_form.description->setText(entry.id);
    if (!entry.gruppo.isEmpty() && !contacts::Groups::registerName(m_setup.db, u'L', entry.gruppo, nullptr, &error)) {
        // The item is saved; only its group name is missing from the list.
        platform::MessageBox::warning(this, error);
    }
    Q_EMIT itemSaved(key, entry.gruppo);
    return true;
}

bool ToDoDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (m_form.enterSaves(event))
        return true;
    return QDialog::eventFilter(watched, event);
}

} // namespace brivane::to_do::widgets
