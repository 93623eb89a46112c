// The commands of the Notes tab: the dialogs, clone, delete, order, find,
// date stamp, print and the note tools.

#include "notes/widgets/NotesTab.h"

#include "contacts/widgets/GroupFilter.h"
#include "notes/ExternalProgram.h"
#include "notes/NoteListModel.h"
#include "notes/NoteMessages.h"
#include "notes/NoteStore.h"
#include "notes/NoteText.h"
#include "notes/widgets/FindDialog.h"
#include "notes/widgets/NoteDialog.h"
#include "notes/widgets/NoteEditor.h"
#include "notes/widgets/NoteTools.h"
#include "platform/Clock.h"
#include "platform/widgets/MessageBox.h"
#include "themes/ColorText.h"

#include <QLineEdit>
#include <QMenu>
#include <QSplitter>
#include <QTableView>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace brivane::notes::widgets {

using platform::MessageBox;

namespace {

int scalePercent(int scaleIndex)
{
    return 100 + 10 * qBound(0, scaleIndex, 5);
}

} // namespace

void NotesTab::insertNote()
{
    if (m_readOnly || !askToSaveUnsavedNote())
        return;
    NoteDialogSetup setup;
    // The filter's marks for "no group" are no group name.
    setup.group = NoteSearch::isNoGroupFilter(m_groups->text()) ? QString() : m_groups->text();
    setup.groupNames = m_groups->names();
    setup.scalePercent = scalePercent(m_settings.scalaIndex);
    setup.color = themes::colorFromText(m_settings.sectionColors.value(6), setup.color);
    auto* dialog = new NoteDialog(NoteDialog::Mode::Add, m_db, setup, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &NoteDialog::noteSaved, this,
            [this](qint64 key, const QString& group) { dialogSaved(key, group, false, 0); });
    connect(dialog, &QDialog::finished, this, [this] {
        activateWindow();
        m_search->setFocus();
    });
    dialog->open();
}

void NotesTab::modifyNote()
{
    const int row = currentRow();
    if (m_readOnly || row < 0 || m_editor->key() < 0)
        return;
    QString error;
    const std::optional<NoteFields> stored = NoteStore(m_db).note(m_editor->key(), &error);
    if (!stored) {
        // Without the stored title and group the dialog would write blanks over them.
        MessageBox::warning(this, error);
        return;
    }
    NoteDialogSetup setup;
    setup.key = m_editor->key();
    setup.title = stored->title;
    // The text on screen, edits not yet written included.
    setup.text = m_editor->storedFormText();
    setup.group = stored->group;
    setup.groupNames = m_groups->names();
    setup.scalePercent = scalePercent(m_settings.scalaIndex);
    setup.color = themes::colorFromText(m_settings.sectionColors.value(6), setup.color);
    auto* dialog = new NoteDialog(NoteDialog::Mode::Modify, m_db, setup, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &NoteDialog::noteSaved, this,
            [this, row](qint64 key, const QString& group) { dialogSaved(key, group, true, row); });
    dialog->open();
}

// After a dialog saved: a modified note's text comes from the archive again
// (the dialog wrote the text it showed), the search runs, and a new group
// name joins the filter's list.
void NotesTab::dialogSaved(qint64 key, const QString& group, bool modified, int row)
{
    if (modified && key == m_editor->key())
        m_editor->declineChanges();
    rerun(modified ? row : 0, modified);
    if (!group.isEmpty())
        m_groups->loadNames();
}

void NotesTab::cloneNote()
{
    if (m_readOnly || currentRow() < 0 || !askToSaveUnsavedNote())
        return;
    const int row = currentRow();
    QString error;
    if (NoteStore(m_db).clone(m_model->keyAt(row), &error) < 0) {
        MessageBox::warning(this, error);
        return;
    }
    rerun(row);
}

void NotesTab::deleteNote()
{
    const int row = currentRow();
    if (m_readOnly || row < 0)
        return;
    const qint64 key = m_model->keyAt(row);
    if (MessageBox::question(this, deleteNoteQuestion(m_model->titleAt(row))) != MessageBox::Answer::Yes)
        return;
    QString error;
    if (!NoteStore(m_db).remove(key, &error)) {
        MessageBox::warning(this, error);
        return;
    }
    // The deleted note's pending edit goes with it: the user chose to delete.
    if (key == m_editor->key())
        m_editor->declineChanges();
    rerun(row);
}

void NotesTab::chooseOrder()
{
    if (!askToSaveUnsavedNote())
        return;
    m_orderMenu->popup(m_order->mapToGlobal(QPoint(0, m_order->height())));
}

void NotesTab::showFind()
{
    if (!m_find) {
        m_find = new FindDialog(this);
        connect(m_find, &FindDialog::findRequested, this, &NotesTab::find);
    }
    m_find->show();
    m_find->raise();
    m_find->activateWindow();
}

void NotesTab::find(const QString& text)
{
    if (!m_editor->findNext(text))
        MessageBox::information(this, findEndedMessage(text));
}

void NotesTab::insertDateStamp()
{
    if (m_editor->key() < 0 || m_editor->isReadOnly())
        return;
    m_editor->appendLine(dateStampLine(platform::Clock::instance().now(), m_settings.dataShot));
    m_undo->setEnabled(false);
}

void NotesTab::printNote()
{
    if (m_editor->key() < 0)
        return;
    printNoteText(this, m_editor->title(), m_editor->plainText(), m_editor->font());
}

void NotesTab::importNote()
{
    if (!askToSaveUnsavedNote())
        return;
    if (importTextFile(this, m_db))
        rerun(0);
}

void NotesTab::exportNote()
{
    if (m_editor->key() < 0)
        return;
    exportNoteText(this, m_editor->title(), m_editor->storedFormText());
}

void NotesTab::showHideList(bool hidden)
{
    m_showList->setText(hidden ? u"\u25B6"_s : u"\u25C0"_s);
    QList<int> sizes = m_splitter->sizes();
    const int total = sizes.value(0) + sizes.value(1);
    if (hidden) {
        if (sizes.value(0) > 0)
            m_listWidth = sizes.value(0);
        m_splitter->setSizes({0, total});
    } else if (sizes.value(0) == 0) {
        m_splitter->setSizes({m_listWidth, qMax(0, total - m_listWidth)});
    }
    updateGroupLabel();
}

void NotesTab::showHint()
{
    MessageBox::information(this, hintText());
}

void NotesTab::showListMenu(const QPoint& position)
{
    if (!m_listMenu) {
        m_listMenu = new QMenu(this);
        m_listMenu->setObjectName(u"PopupMenu_Note"_s);
        connect(m_listMenu->addAction(u"Delete"_s), &QAction::triggered, this, &NotesTab::deleteNote);
        connect(m_listMenu->addAction(u"Modify"_s), &QAction::triggered, this, &NotesTab::modifyNote);
        QAction* print = m_listMenu->addAction(u"Print"_s);
        print->setObjectName(u"MenuItem_Print"_s);
        connect(print, &QAction::triggered, this, &NotesTab::printNote);
        m_listMenu->addAction(u"Preview"_s)->setEnabled(false);
    }
    m_listMenu->actions().at(2)->setEnabled(m_print->isEnabled());
    m_listMenu->popup(m_list->viewport()->mapToGlobal(position));
}

void NotesTab::connectTools()
{
    connect(m_statsMenu->addAction(u"Fast stats"_s), &QAction::triggered, this,
            [this] { showFastStats(this, m_editor->plainText()); });
    connect(m_statsMenu->addAction(u"Advanced stats"_s), &QAction::triggered, this,
            [this] { showAdvancedStats(this, m_editor->plainText()); });
    connect(m_charMap, &QToolButton::clicked, this,
            [this] { startFirstInstalled(this, characterMapPrograms()); });
    connect(m_calc, &QToolButton::clicked, this, [this] { startFirstInstalled(this, calculatorPrograms()); });
}

} // namespace brivane::notes::widgets
