#include "notes/widgets/NotesTab.h"

#include "contacts/Groups.h"
#include "contacts/widgets/GroupFilter.h"
#include "notes/NoteListModel.h"
#include "notes/NoteMessages.h"
#include "notes/NoteStore.h"
#include "notes/widgets/FormatBar.h"
#include "notes/widgets/NoteEditor.h"
#include "platform/widgets/MessageBox.h"
#include "store/ArchiveCounts.h"
#include "store/SettingsStore.h"
#include "themes/ColorText.h"

#include <QComboBox>
#include <QEvent>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScrollBar>
#include <QSplitter>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace brivane::notes::widgets {

using platform::MessageBox;

namespace {

// Below this width of the note list a non-empty group filter takes the
// place of its label.
constexpr int kGroupLabelWidth = 220;

} // namespace

NotesTab::NotesTab(QSqlDatabase db, const store::SettingsRecord& settings, QWidget* parent)
    : QWidget(parent), m_db(std::move(db)), m_settings(settings)
{
    m_model = new NoteListModel(this);
    buildWindow();
    connectControls();
    applySettings(settings);
    loadEditorSettings(settings);
    updateCommands();
}

NotesTab::~NotesTab() = default;

// ---- building ----------------------------------------------------------------

QToolButton* NotesTab::addButton(const QString& name, const QString& text, const QString& hint)
{
    auto* button = new QToolButton;
    button->setObjectName(name);
    button->setText(text);
    button->setToolTip(hint);
    return button;
}

void NotesTab::buildWindow()
{
    m_splitter = new QSplitter(Qt::Horizontal);
    m_splitter->setObjectName(u"Splitter_Note"_s);
    m_splitter->setChildrenCollapsible(true);
    m_splitter->addWidget(buildListSide());
    m_splitter->addWidget(buildEditorSide());
    m_splitter->setStretchFactor(0, 0);
    m_splitter->setStretchFactor(1, 1);
    m_splitter->setSizes({m_listWidth, 460});

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(4);
    layout->addWidget(buildCommandBar());
    layout->addWidget(m_splitter, 1);
}

QWidget* NotesTab::buildCommandBar()
{
    m_insert = addButton(u"SpeedButton_NuovaNota"_s, u"Insert"_s, u"Insert"_s);
    m_modify = addButton(u"SpeedButtonmodNote"_s, u"Modify"_s, u"Modify"_s);
    m_clone = addButton(u"SpeedButtonDupliNote"_s, u"Clone"_s, u"Duplica nota"_s);
    m_delete = addButton(u"SpeedButtonDelnote"_s, u"Delete"_s, u"Delete"_s);
    m_order = addButton(u"SpeedButtonOrderNote"_s, u"Order"_s, u"Order"_s);
    m_import = addButton(u"SpeedButtonImportText"_s, u"Import"_s, u"Import"_s);
    m_export = addButton(u"SpeedButtonSaveAs"_s, u"Export"_s, u"Export"_s);
    m_charMap = addButton(u"SpeedButton_CharMap"_s, u"Char map"_s, u"Char map "_s);
    m_calc = addButton(u"SpeedButton_Calc"_s, u"Calc"_s, u"Calculator "_s);
    m_hint = addButton(u"SpeedButtonHintNote"_s, u"?"_s, u"Hint"_s);

    m_orderMenu = new QMenu(this);
    m_orderMenu->setObjectName(u"PopupMenu_OrderNote"_s);
    for (const NoteOrder order : NoteSearch::orders()) {
        QAction* action = m_orderMenu->addAction(NoteSearch::orderCaption(order));
        connect(action, &QAction::triggered, this, [this, order] {
            m_query.order = order;
            rerun(0);
        });
    }

    m_counter = new QLabel;
    m_counter->setObjectName(u"Panel_totnote"_s);
    m_counter->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_counter->setFrameShape(QFrame::StyledPanel);
    m_counter->setMinimumWidth(64);

    m_commandBar = new QWidget;
    m_commandBar->setObjectName(u"Panel_Commands_Note"_s);
    auto* layout = new QHBoxLayout(m_commandBar);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    for (QToolButton* button :
         {m_insert, m_modify, m_clone, m_delete, m_order, m_import, m_export, m_charMap, m_calc})
        layout->addWidget(button);
    layout->addStretch();
    layout->addWidget(m_counter);
    layout->addWidget(m_hint);
    return m_commandBar;
}

QWidget* NotesTab::buildListSide()
{
    m_kind = new QComboBox;
    m_kind->setObjectName(u"ComboBox_KindFindNote"_s);
    m_kind->addItems(NoteSearch::kindCaptions());
    m_kind->setToolTip(u"Search in"_s);
    m_search = new QLineEdit;
    m_search->setObjectName(u"Edit_Filtrafile"_s);
    m_search->setPlaceholderText(u"Search"_s);
    m_clearSearch = addButton(u"SpeedButtonClearRicercaNote"_s, u"\u00D7"_s, u"Clear "_s);
    m_clearSearch->setAutoRaise(true);
    m_clearSearch->setEnabled(false);

    m_groupLabel = new QLabel(u"Group"_s);
    m_groups = new contacts::widgets::GroupFilter(u'N');
    m_groups->setDatabase(m_db);
    // The list side may be narrow: the filter box gives way before the list does.
    m_groups->comboBox()->setMinimumContentsLength(3);
    m_kind->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_search->setMinimumWidth(40);

    m_list = new QTableView;
    m_list->setObjectName(u"DBGrid_Note"_s);
    m_list->setModel(m_model);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setWordWrap(false);
    m_list->setTextElideMode(Qt::ElideRight);
    m_list->verticalHeader()->hide();
    m_list->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_list->verticalHeader()->setDefaultSectionSize(m_list->fontMetrics().height() + 6);
    m_list->horizontalHeader()->setStretchLastSection(true);
    m_list->horizontalHeader()->setHighlightSections(false);
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    m_list->installEventFilter(this);
    m_list->verticalScrollBar()->installEventFilter(this);

    auto* searchRow = new QHBoxLayout;
    searchRow->setSpacing(2);
    searchRow->addWidget(m_kind);
    searchRow->addWidget(m_search, 1);
    searchRow->addWidget(m_clearSearch);
    auto* groupRow = new QHBoxLayout;
    groupRow->setSpacing(4);
    groupRow->addWidget(m_groupLabel);
    groupRow->addWidget(m_groups, 1);

    auto* side = new QWidget;
    side->setObjectName(u"Panel_NoteList"_s);
    side->setMinimumWidth(0);
    auto* layout = new QVBoxLayout(side);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    layout->addLayout(searchRow);
    layout->addLayout(groupRow);
    layout->addWidget(m_list, 1);
    return side;
}

QWidget* NotesTab::buildEditorSide()
{
    m_showList = addButton(u"SpeedButtonOpen"_s, u"\u25C0"_s, u"Show / hide note's list"_s);
    m_showList->setCheckable(true);
    m_update = addButton(u"SpeedButtonUpdate"_s, u"Update"_s, u"Update file"_s);
    m_undo = addButton(u"SpeedButtonRestoreNote"_s, u"Undo"_s, u"Undo / redo"_s);
    m_findButton = addButton(u"SpeedButtonFind"_s, u"Find"_s, u"Find "_s);
    m_date = addButton(u"SpeedButtonAggData"_s, u"Date"_s, u"Insert date & time"_s);
    m_print = addButton(u"SpeedButtonPrintNote"_s, u"Print"_s, u"Print"_s);
    m_stats = addButton(u"SpeedButtonStat"_s, u"Stats"_s, u"Stats "_s);
    m_statsMenu = new QMenu(this);
    m_statsMenu->setObjectName(u"PopupMenu_Stats"_s);
    m_stats->setMenu(m_statsMenu);
    m_stats->setPopupMode(QToolButton::InstantPopup);
    m_breakLines = addButton(u"SpeedButton_Breakline"_s, u"Wrap"_s, u"Break lines "_s);
    m_breakLines->setCheckable(true);
    m_formatToggle = addButton(u"SpeedButton_Formatbar"_s, u"Format"_s, u"Editor properties "_s);
    m_formatToggle->setCheckable(true);

    m_editorBar = new QWidget;
    m_editorBar->setObjectName(u"Panel_Editor_Commands"_s);
    auto* bar = new QHBoxLayout(m_editorBar);
    bar->setContentsMargins(0, 0, 0, 0);
    bar->setSpacing(2);
    for (QToolButton* button : {m_showList, m_update, m_undo, m_findButton, m_date, m_print, m_stats})
        bar->addWidget(button);
    bar->addStretch();
    bar->addWidget(m_breakLines);
    bar->addWidget(m_formatToggle);

    m_titleBar = new QLabel;
    m_titleBar->setObjectName(u"Panel_NoteTitle"_s);
    m_titleBar->setFrameShape(QFrame::StyledPanel);
    QFont bold = m_titleBar->font();
    bold.setBold(true);
    m_titleBar->setFont(bold);
    m_titleBar->setMinimumWidth(0);
    m_titleBar->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);

    m_formatBar = new FormatBar;
    m_formatBar->hide();
    m_editor = new NoteEditor;
    m_editor->setEnabled(false);

    auto* side = new QWidget;
    side->setObjectName(u"Panel_NoteEditor"_s);
    auto* layout = new QVBoxLayout(side);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    layout->addWidget(m_editorBar);
    layout->addWidget(m_titleBar);
    layout->addWidget(m_formatBar);
    layout->addWidget(m_editor, 1);
    return side;
}

void NotesTab::connectControls()
{
    connect(m_search, &QLineEdit::textChanged, this, &NotesTab::searchTextChanged);
    connect(m_clearSearch, &QToolButton::clicked, this, [this] {
        if (!askToSaveUnsavedNote())
            return;
        m_search->clear();
        m_search->setFocus();
    });
    connect(m_kind, &QComboBox::activated, this, &NotesTab::searchKindChosen);
    m_groups->setBeforeCommand([this] { askToSaveUnsavedNote(); });
    connect(m_groups, &contacts::widgets::GroupFilter::changed, this, &NotesTab::groupFilterChanged);
    connect(m_groups, &contacts::widgets::GroupFilter::memorisedGroupSaved, this,
            &NotesTab::memorisedGroupSaved);
    connect(m_groups, &contacts::widgets::GroupFilter::failed, this,
            [this](const QString& message) { MessageBox::warning(this, message); });
    connect(m_splitter, &QSplitter::splitterMoved, this, [this] {
        const int width = m_splitter->sizes().value(0);
        if (width > 0)
            m_listWidth = width;
        m_showList->setChecked(width == 0);
        updateGroupLabel();
    });

    connect(m_list->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &NotesTab::currentRowChanged);
    connect(m_list, &QTableView::doubleClicked, this, &NotesTab::modifyNote);
    connect(m_list, &QWidget::customContextMenuRequested, this, &NotesTab::showListMenu);

    connect(m_editor, &NoteEditor::differenceChanged, m_update, &QWidget::setEnabled);
    connect(m_editor, &NoteEditor::edited, this, [this] { m_undo->setEnabled(true); });
    connect(m_update, &QToolButton::clicked, this, &NotesTab::update);
    connect(m_undo, &QToolButton::clicked, m_editor, &NoteEditor::toggleUndo);
    connect(m_findButton, &QToolButton::clicked, this, &NotesTab::showFind);
    connect(m_date, &QToolButton::clicked, this, &NotesTab::insertDateStamp);
    connect(m_showList, &QToolButton::toggled, this, &NotesTab::showHideList);
    connect(m_breakLines, &QToolButton::clicked, this, [this](bool on) {
        m_editor->setBreakLines(on);
        Q_EMIT breakLinesToggled(on);
    });
    connect(m_formatToggle, &QToolButton::clicked, this, [this](bool shown) {
        m_formatBar->setVisible(shown && !m_readOnly);
        Q_EMIT formatBarToggled(shown);
    });
    connect(m_formatBar, &FormatBar::lookChanged, this, &NotesTab::applyLook);
    connect(m_formatBar, &FormatBar::saveRequested, this, &NotesTab::saveEditorSettings);

    connect(m_insert, &QToolButton::clicked, this, &NotesTab::insertNote);
    connect(m_modify, &QToolButton::clicked, this, &NotesTab::modifyNote);
    connect(m_clone, &QToolButton::clicked, this, &NotesTab::cloneNote);
    connect(m_delete, &QToolButton::clicked, this, &NotesTab::deleteNote);
    connect(m_order, &QToolButton::clicked, this, &NotesTab::chooseOrder);
    connect(m_import, &QToolButton::clicked, this, &NotesTab::importNote);
    connect(m_export, &QToolButton::clicked, this, &NotesTab::exportNote);
    connect(m_print, &QToolButton::clicked, this, &NotesTab::printNote);
    connect(m_hint, &QToolButton::clicked, this, &NotesTab::showHint);
    connectTools();
}

// ---- settings ----------------------------------------------------------------

QFont NotesTab::editorFont(const QString& name, int pointSize)
{
    QFont font =
        QFontDatabase::hasFamily(name) ? QFont(name) : QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSize(qMax(1, pointSize));
    return font;
}

void NotesTab::applySettings(const store::SettingsRecord& settings)
{
    m_settings = settings;
    setBreakLines(settings.breakline == "Y"_L1);
    setFormatBarShown(settings.formatbar == "Y"_L1);
}

void NotesTab::loadEditorSettings(const store::SettingsRecord& settings)
{
    EditorLook look;
    look.font = editorFont(settings.fontname, settings.fontsize);
    look.text = themes::colorFromText(settings.fontcolor, Qt::black);
    look.background = themes::colorFromText(settings.backcolor, Qt::white);
    look.charset = settings.charset;
    applyLook(look);
    m_formatBar->showLook(look);
}

void NotesTab::applyEditorSettings(const QFont& font, const QColor& text, const QColor& background)
{
    EditorLook look = m_formatBar->look();
    look.font = font;
    look.text = text;
    look.background = background;
    applyLook(look);
    m_formatBar->showLook(look);
}

void NotesTab::applyLook(const EditorLook& look)
{
    m_editor->setFont(look.font);
    QPalette palette = m_editor->palette();
    palette.setColor(QPalette::Base, look.background);
    palette.setColor(QPalette::Text, look.text);
    m_editor->setPalette(palette);
}

void NotesTab::saveEditorSettings()
{
    const EditorLook look = m_formatBar->look();
    const store::SettingsStore settingsStore(m_db);
    QString error;
    if (!settingsStore.editorSave(look.font.family(), themes::colorToText(look.text), look.font.pointSize(),
                                  look.charset, themes::colorToText(look.background), &error)) {
        MessageBox::warning(this, error);
        return;
    }
    store::SettingsRecord loaded = m_settings;
    if (settingsStore.load(loaded, &error)) {
        m_settings.fontname = loaded.fontname;
        m_settings.fontcolor = loaded.fontcolor;
        m_settings.fontsize = loaded.fontsize;
        m_settings.charset = loaded.charset;
        m_settings.backcolor = loaded.backcolor;
    }
    loadEditorSettings(m_settings);
    Q_EMIT editorSettingsSaved();
}

void NotesTab::setBreakLines(bool on)
{
    m_breakLines->setChecked(on);
    m_editor->setBreakLines(on);
}

void NotesTab::setFormatBarShown(bool shown)
{
    m_formatToggle->setChecked(shown);
    m_formatBar->setVisible(shown && !m_readOnly);
}

void NotesTab::setReadOnly(bool readOnly)
{
    m_readOnly = readOnly;
    m_commandBar->setVisible(!readOnly);
    m_editorBar->setVisible(!readOnly);
    m_formatBar->setVisible(!readOnly && m_formatToggle->isChecked());
    m_editor->setReadOnly(readOnly);
}

// ---- search and the current note ---------------------------------------------

void NotesTab::setDatabase(const QSqlDatabase& db)
{
    m_db = db;
    m_groups->setDatabase(db);
}

void NotesTab::loadGroups()
{
    m_groups->loadNames();
}

void NotesTab::applyMemorisedGroup()
{
    store::SettingsRecord loaded = m_settings;
    if (store::SettingsStore(m_db).load(loaded))
        m_settings.memGroupNote = loaded.memGroupNote;
    m_groups->setMemorisedText(m_settings.memGroupNote);
    m_query.group = m_settings.memGroupNote;
    updateGroupLabel();
}

void NotesTab::runSearch()
{
    rerun(0, true);
}

int NotesTab::listedCount() const
{
    return m_model->rowCount();
}

// Runs the search and makes `row` (bounded to the list) current. Unless told
// to reload, the editor keeps its text when the same note stays current and
// nothing is pending, so typing in the search never reloads a large text.
void NotesTab::rerun(int row, bool reload)
{
    // A text that would be replaced is offered for writing first.
    if (!confirmLeavingNote())
        return;
    QString error;
    m_rerunning = true;
    const bool ok = m_model->run(m_db, m_query, &error);
    m_rerunning = false;
    if (!ok)
        MessageBox::warning(this, error);
    m_total = qMax(0, NoteStore(m_db).total());
    m_counter->setText(store::ArchiveCounts::counterCaption(m_model->rowCount(), m_total));
    m_clearSearch->setEnabled(!m_search->text().isEmpty());
    if (m_model->rowCount() == 0) {
        m_editor->clearNote();
        updateTitleBar();
    } else {
        selectRow(row, reload);
    }
    updateCommands();
    m_update->setEnabled(m_editor->differs());
    m_undo->setEnabled(false);
    Q_EMIT countChanged(m_model->rowCount(), m_total);
}

void NotesTab::selectRow(int row, bool reload)
{
    const int count = m_model->rowCount();
    if (count == 0)
        return;
    const int bounded = qBound(0, row, count - 1);
    m_rerunning = true;
    m_list->selectionModel()->setCurrentIndex(
        m_model->index(bounded, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    m_rerunning = false;
    m_list->scrollTo(m_model->index(bounded, 0));
    loadCurrentNote(reload);
}

int NotesTab::currentRow() const
{
    const QModelIndex current = m_list->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void NotesTab::currentRowChanged()
{
    if (!m_rerunning)
        loadCurrentNote();
}

void NotesTab::loadCurrentNote(bool reload)
{
    const int row = currentRow();
    const qint64 key = m_model->keyAt(row);
    if (key < 0)
        return;
    // The same note, nothing pending: the text on screen is the stored one.
    if (!reload && key == m_editor->key() && !m_editor->differs()) {
        updateTitleBar();
        return;
    }
    if (!confirmLeavingNote()) {
        // The text could not be written: its note stays current.
        const int pendingRow = m_model->rowOfKey(m_editor->key());
        if (pendingRow >= 0 && pendingRow != row) {
            m_rerunning = true;
            m_list->selectionModel()->setCurrentIndex(m_model->index(pendingRow, 0),
                                                      QItemSelectionModel::ClearAndSelect |
                                                          QItemSelectionModel::Rows);
            m_rerunning = false;
        }
        return;
    }
    QString error;
    const std::optional<QString> text = NoteStore(m_db).text(key, &error);
    if (!text) {
        // Never an empty text in place of the note: typing into it and
        // pressing Update would overwrite the real one.
        m_editor->clearNote();
        updateCommands();
        updateTitleBar();
        MessageBox::warning(this, error);
        return;
    }
    m_editor->loadNote(key, m_model->titleAt(row), *text);
    m_editor->setReadOnly(m_readOnly);
    m_undo->setEnabled(false);
    updateTitleBar();
}

// The pending text before the editor's note is replaced: the question,
// and on Yes the write alone (the caller goes on to the next note).
bool NotesTab::confirmLeavingNote()
{
    if (!m_editor->differs())
        return true;
    const bool yes = askSaveQuestion(unsavedNoteQuestion(m_editor->title()));
    if (!yes) {
        m_editor->declineChanges();
        return true;
    }
    return writePending();
}

void NotesTab::updateCommands()
{
    const bool rows = m_model->rowCount() > 0;
    for (QToolButton* button :
         {m_delete, m_modify, m_print, m_findButton, m_export, m_date, m_stats, m_clone, m_order})
        button->setEnabled(rows);
    m_update->setEnabled(m_editor->differs());
}

void NotesTab::updateTitleBar()
{
    m_titleBar->setText(m_editor->key() < 0 ? QString() : titleBarText(m_editor->title()));
}

void NotesTab::updateGroupLabel()
{
    const bool narrow = m_splitter->sizes().value(0) < kGroupLabelWidth;
    m_groupLabel->setVisible(!(narrow && !m_groups->text().isEmpty()));
}

void NotesTab::searchTextChanged(const QString& text)
{
    askToSaveUnsavedNote();
    m_query.text = text;
    rerun(0);
}

void NotesTab::searchKindChosen(int index)
{
    if (m_editor->differs()) {
        if (askSaveQuestion(searchBeforeSavingQuestion(m_editor->title()))) {
            if (!update())
                return;
        } else {
            m_editor->declineChanges();
        }
    }
    m_query.kind = index == 1 ? SearchKind::Title : index == 2 ? SearchKind::Text : SearchKind::All;
    rerun(0);
    m_search->setFocus();
}

void NotesTab::groupFilterChanged(const QString& text)
{
    m_query.group = text;
    updateGroupLabel();
    rerun(0);
}

// ---- writing -----------------------------------------------------------------

bool NotesTab::hasUnsavedNote() const
{
    return m_editor->differs();
}

bool NotesTab::askSaveQuestion(const QString& question)
{
    Q_EMIT unsavedQuestionOpen(true);
    const bool yes = MessageBox::question(this, question) == MessageBox::Answer::Yes;
    Q_EMIT unsavedQuestionOpen(false);
    return yes;
}

bool NotesTab::askToSaveUnsavedNote()
{
    if (!m_editor->differs())
        return true;
    if (!askSaveQuestion(unsavedNoteQuestion(m_editor->title()))) {
        m_editor->declineChanges();
        return true;
    }
    return update();
}

bool NotesTab::askToSaveBeforeQuit()
{
    if (!m_editor->differs())
        return true;
    if (!askSaveQuestion(quitWithUnsavedNoteQuestion(m_editor->title())))
        return true;
    return writePending();
}

// Writes the pending text in one committed statement.
bool NotesTab::writePending()
{
    QString error;
    const qint64 key = m_editor->key();
    const qint64 written =
        NoteStore(m_db).updateText(key, m_editor->storedFormText(), m_editor->title(), QString(), &error);
    if (written < 0) {
        MessageBox::warning(this, error);
        return false;
    }
    if (written != key)
        m_editor->rekey(written);
    m_editor->markWritten();
    return true;
}

// Update: writes the text, re-runs the search and puts the row, the focus
// and the caret back where they were.
bool NotesTab::update()
{
    if (!m_editor->differs() || m_editor->key() < 0)
        return true;
    const int row = currentRow();
    const QTextCursor caret = m_editor->textCursor();
    const int scroll = m_editor->verticalScrollBar()->value();
    if (!writePending())
        return false;
    const qint64 written = m_editor->key();
    rerun(row);
    if (m_editor->key() == written && isVisible()) {
        m_editor->setTextCursor(caret);
        m_editor->verticalScrollBar()->setValue(scroll);
        m_editor->setFocus();
        m_editor->ensureCursorVisible();
    }
    return true;
}

QWidget* NotesTab::focusTarget() const
{
    return m_editor->differs() ? static_cast<QWidget*>(m_editor) : m_search;
}

bool NotesTab::eventFilter(QObject* watched, QEvent* event)
{
    // Entering the list or grabbing its scroll bar offers the pending text first.
    if ((watched == m_list && event->type() == QEvent::FocusIn) ||
        (watched == m_list->verticalScrollBar() && event->type() == QEvent::MouseButtonPress))
        askToSaveUnsavedNote();
    return QWidget::eventFilter(watched, event);
}

} // namespace brivane::notes::widgets
