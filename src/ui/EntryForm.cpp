#include "ui/EntryForm.h"

#include "agenda/AttachmentPath.h"
#include "agenda/widgets/DialogChrome.h"
#include "platform/widgets/MessageBox.h"

#include <QCheckBox>
#include <QDialog>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPdfWriter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace brivane::ui {

void EntryForm::buildButtons(bool modifying, const ButtonNames& names)
{
    auto* layout = new QHBoxLayout;
    layout->setContentsMargins(0, 8, 0, 0);
    layout->setSpacing(6);
    hint = formButton(u"Hint"_s, names.hint);
    layout->addWidget(hint);
    if (modifying) {
        print = formButton(u"Print"_s, names.print);
        layout->addWidget(print);
    }
    layout->addStretch();
    if (modifying) {
        modify = formButton(u"Modify"_s, u"SpeedButtonMod"_s);
        layout->addWidget(modify);
    } else {
        add = formButton(u"Insert"_s, u"SpeedButtonAdd"_s);
        addClose = formButton(u"Insert and close"_s, u"SpeedButtonAddClose"_s);
        layout->addWidget(add);
        layout->addWidget(addClose);
    }
    close = formButton(u"Close"_s, names.close);
    layout->addWidget(close);
    buttons = layout;
}

void EntryForm::connectButtons(QDialog* dialog, Commands commands)
{
    m_dialog = dialog;
    m_commands = std::move(commands);
    QObject::connect(hint, &QPushButton::clicked, dialog, m_commands.hint);
    if (print)
        QObject::connect(print, &QPushButton::clicked, dialog, m_commands.print);
    if (add) {
        QObject::connect(add, &QPushButton::clicked, dialog, [this] { saveAndStay(); });
        QObject::connect(addClose, &QPushButton::clicked, dialog, [this] { saveAndClose(); });
    }
    if (modify)
        QObject::connect(modify, &QPushButton::clicked, dialog, [this] { saveAndClose(); });
    QObject::connect(close, &QPushButton::clicked, dialog, &QDialog::reject);
}

void EntryForm::saveAndStay() const
{
    if (m_commands.save())
        m_commands.clearForNext();
}

void EntryForm::saveAndClose() const
{
    if (m_commands.save())
        m_dialog->accept();
}

QList<QWidget*> EntryForm::buttonOrder() const
{
    QList<QWidget*> order{hint, print, add, addClose, modify, close};
    order.removeAll(nullptr);
    return order;
}

void EntryForm::enableSaveButtons(bool enabled) const
{
    for (QPushButton* save : {add, addClose, modify}) {
        if (save)
            save->setEnabled(enabled);
    }
}

namespace {

// The note area with its "+" switch to the full-size page.
NoteArea addNoteArea(QVBoxLayout* layout, const QString& toolTip)
{
    NoteArea area;
    area.toggle = formButton(u"+"_s, u"SpeedButtonMemoBig"_s, toolTip);
    layout->addLayout(headerRow(new QLabel(u"Note"_s), area.toggle));
    area.memo = formMemo(u"Memo"_s);
    layout->addWidget(area.memo, 1);
    return area;
}

// "Link to a contact, company or group", its field and Clear.
struct LinkControls
{
    QLineEdit* edit = nullptr;
    QPushButton* clear = nullptr;
};

LinkControls addLinkField(QVBoxLayout* layout, int maxLength)
{
    LinkControls link;
    link.edit = formLineEdit(u"Edit_Ricerca"_s, maxLength);
    link.clear = formButton(u"Clear"_s, u"SpeedButtonClearRicerca"_s);
    layout->addWidget(new QLabel(u"Link to a contact, company or group"_s));
    auto* row = new QHBoxLayout;
    row->addWidget(link.edit, 1);
    row->addWidget(link.clear);
    layout->addLayout(row);
    return link;
}

// "Attach a file, folder, e-mail or website" above one attachment row.
AttachmentControls addAttachmentField(QVBoxLayout* layout, int maxLength)
{
    const AttachmentControls controls = attachmentControls(maxLength);
    layout->addWidget(new QLabel(u"Attach a file, folder, e-mail or website"_s));
    auto* row = new QHBoxLayout;
    row->addWidget(controls.edit, 1);
    row->addWidget(controls.file);
    row->addWidget(controls.folder);
    row->addWidget(controls.clear);
    layout->addLayout(row);
    return controls;
}

} // namespace

void LinkedEntryForm::addNoteLinkAndAttachment(QVBoxLayout* layout, const QString& noteHint)
{
    const NoteArea area = addNoteArea(layout, noteHint);
    bigNoteButton = area.toggle;
    note = area.memo;

    const LinkControls linkControls = addLinkField(layout, kLinkLength);
    link = linkControls.edit;
    clearLink = linkControls.clear;

    const AttachmentControls controls = addAttachmentField(layout, kAttachmentLength);
    attachment = controls.edit;
    attachFile = controls.file;
    attachFolder = controls.folder;
    clearAttachment = controls.clear;
}

void LinkedEntryForm::buildBigNotePage(const QString& noteHint)
{
    const NoteArea area = fullSizeNotePage(u"Note"_s, noteHint);
    bigNotePage = area.page;
    smallNoteButton = area.toggle;
    bigNote = area.memo;
}

QList<QWidget*> LinkedEntryForm::noteLinkAndAttachmentOrder() const
{
    return {bigNoteButton, note, link, clearLink, attachment, attachFile, attachFolder, clearAttachment};
}

void LinkedEntryForm::fitNoteSwitches(const QFont& font)
{
    const QFontMetrics metrics(font);
    for (QPushButton* sign : {bigNoteButton, smallNoteButton})
        sign->setFixedWidth(metrics.horizontalAdvance(u"+"_s) + metrics.averageCharWidth() * 4);
}

void LinkedEntryForm::connectClearButtons()
{
    QObject::connect(link, &QLineEdit::textChanged, clearLink,
                     [this] { clearLink->setEnabled(!link->text().isEmpty()); });
    QObject::connect(clearLink, &QPushButton::clicked, link, &QLineEdit::clear);
    QObject::connect(clearAttachment, &QPushButton::clicked, attachment, &QLineEdit::clear);
}

bool EntryForm::enterSaves(const QEvent* event) const
{
    if (!isEnterKey(event))
        return false;
    if ((modify ? modify : addClose)->isEnabled())
        saveAndClose();
    return true;
}

QStackedWidget* frameEntryDialog(QDialog* dialog, const QString& title, const QColor& color, int scalePercent,
                                 const EntryForm& form)
{
    dialog->setWindowModality(Qt::WindowModal);
    agenda::widgets::scaleFont(dialog, scalePercent);

    auto* pages = new QStackedWidget;
    pages->addWidget(form.fieldsPage);
    pages->addWidget(form.bigNotePage);
    auto* body = new QVBoxLayout;
    body->addWidget(pages, 1);
    body->addLayout(form.buttons);
    agenda::widgets::frameDialog(dialog, title, color, body)->setObjectName(u"Frame_Dialog"_s);
    return pages;
}

// ---- controls ---------------------------------------------------------------

QPushButton* formButton(const QString& caption, const QString& name, const QString& toolTip)
{
    auto* result = new QPushButton(caption);
    result->setObjectName(name);
    result->setToolTip(toolTip);
    result->setAutoDefault(false);
    return result;
}

QCheckBox* formCheckBox(const QString& caption, const QString& name)
{
    auto* result = new QCheckBox(caption);
    result->setObjectName(name);
    return result;
}

QLineEdit* formLineEdit(const QString& name, int maxLength)
{
    auto* result = new QLineEdit;
    result->setObjectName(name);
    result->setMaxLength(maxLength);
    return result;
}

QPlainTextEdit* formMemo(const QString& name)
{
    auto* result = new QPlainTextEdit;
    result->setObjectName(name);
    result->setTabChangesFocus(true);
    return result;
}

QHBoxLayout* formRow(std::initializer_list<QWidget*> widgets, bool stretch)
{
    auto* layout = new QHBoxLayout;
    for (QWidget* widget : widgets)
        layout->addWidget(widget);
    if (stretch)
        layout->addStretch();
    return layout;
}

QHBoxLayout* headerRow(QWidget* caption, QWidget* button)
{
    auto* layout = new QHBoxLayout;
    layout->addWidget(caption);
    layout->addStretch();
    if (button)
        layout->addWidget(button);
    return layout;
}

// ---- field groups -----------------------------------------------------------

NoteArea fullSizeNotePage(const QString& caption, const QString& toolTip)
{
    NoteArea area;
    area.page = new QWidget;
    area.page->setObjectName(u"Panel_Memo_BIG"_s);
    auto* layout = new QVBoxLayout(area.page);
    layout->setContentsMargins(0, 0, 0, 0);
    area.toggle = formButton(u"-"_s, u"SpeedButtonMemoSmall"_s, toolTip);
    layout->addLayout(headerRow(new QLabel(caption), area.toggle));
    area.memo = formMemo(u"Memo_BIG"_s);
    layout->addWidget(area.memo, 1);
    return area;
}

AttachmentControls attachmentControls(int maxLength, const QString& suffix)
{
    AttachmentControls controls;
    controls.edit = formLineEdit(u"Edit_Allegato"_s + suffix, maxLength);
    controls.file = formButton(u"Attach file"_s, u"SpeedButtonAttachFile"_s + suffix);
    controls.folder = formButton(u"Attach folder"_s, u"SpeedButtonAttachFolder"_s + suffix);
    controls.clear = formButton(u"Clear"_s, u"SpeedButtonClearAllegato"_s + suffix);
    return controls;
}

// ---- behaviour the families share --------------------------------------------

void switchNotePage(QStackedWidget* pages, QPlainTextEdit* note, QPlainTextEdit* bigNote, bool big)
{
    if (big == (pages->currentIndex() == 1))
        return;
    QPlainTextEdit* from = big ? note : bigNote;
    QPlainTextEdit* to = big ? bigNote : note;
    to->setPlainText(from->toPlainText());
    carryCaret(from, to);
    pages->setCurrentIndex(big ? 1 : 0);
    to->setFocus();
}

void carryCaret(const QPlainTextEdit* from, QPlainTextEdit* to)
{
    QTextCursor cursor = to->textCursor();
    cursor.setPosition(qMin(from->textCursor().position(), to->document()->characterCount() - 1));
    to->setTextCursor(cursor);
}

void showStoredAttachment(QLineEdit* edit, QPushButton* clear, const QString& programFolder)
{
    const QString normalized = agenda::normalizedAttachment(edit->text(), programFolder);
    if (normalized != edit->text()) {
        // The edit signal comes back here with the stored form.
        edit->setText(normalized);
        return;
    }
    edit->setToolTip(normalized);
    clear->setEnabled(!normalized.isEmpty());
}

void putPickedAttachment(QWidget* dialog, QLineEdit* edit, const QString& path, const QString& programFolder)
{
    if (path.isEmpty())
        return;
    const QString normalized = agenda::normalizedAttachment(path, programFolder);
    if (normalized.size() > edit->maxLength()) {
        platform::MessageBox::warning(dialog,
                                      u"The path is longer than 255 characters and cannot be attached."_s);
        return;
    }
    edit->setText(normalized);
}

bool isEnterKey(const QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

bool writePicturePdf(const QString& file, const QPixmap& picture)
{
    QPdfWriter writer(file);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setResolution(150);
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    const QSize size =
        picture.size().scaled(painter.viewport().size(), Qt::KeepAspectRatio).boundedTo(picture.size() * 2);
    painter.drawPixmap(QRect(QPoint(0, 0), size), picture);
    return painter.end();
}

} // namespace brivane::ui
