#include "to_do/widgets/ToDoTab.h"

#include "contacts/widgets/GroupFilter.h"
#include "platform/Shell.h"
#include "platform/widgets/FileDialog.h"
#include "platform/widgets/MessageBox.h"
#include "store/ArchiveCounts.h"
#include "store/SettingsRecord.h"
#include "themes/ColorText.h"
#include "to_do/ToDoCsv.h"
#include "to_do/ToDoQuery.h"
#include "to_do/ToDoTexts.h"
#include "to_do/ToDoWriter.h"
#include "to_do/widgets/ToDoAttachMenu.h"
#include "to_do/widgets/ToDoDialog.h"
#include "ui/ToolButton.h"

#include <QActionGroup>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace brivane::to_do::widgets {

using platform::MessageBox;

ToDoTab::ToDoTab(QSqlDatabase db, const store::SettingsRecord& settings, QWidget* parent)
    : QWidget(parent), m_db(std::move(db)), m_settings(settings), m_query(new ToDoQuery(this))
{
    setObjectName(u"TabSheetToDo"_s);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);
    layout->addLayout(buildToolbar());
    layout->addLayout(buildSearchRow());
    buildGrid();
    layout->addWidget(m_grid, 1);

    m_gauge = new QProgressBar;
    m_gauge->setObjectName(u"GaugePercento"_s);
    m_gauge->setToolTip(u"Percentage of completion"_s);
    m_gauge->setRange(0, 100);
    m_gauge->setTextVisible(true);
    m_gauge->setFormat(u"%p%"_s);
    layout->addWidget(m_gauge);

    m_note = new QPlainTextEdit;
    m_note->setObjectName(u"DBMemo_ToDo"_s);
    m_note->setReadOnly(true);
    m_note->setMaximumHeight(m_note->fontMetrics().lineSpacing() * 4 + 12);
    m_note->installEventFilter(this);
    m_note->viewport()->installEventFilter(this);
    layout->addWidget(m_note);

    buildOrderMenu();
    connectControls();
    m_groups->setDatabase(m_db);
    afterRun();
}

ToDoTab::~ToDoTab() = default;

// ---- building ---------------------------------------------------------------

QToolButton* ToDoTab::addButton(const QString& name, const QString& hint, const QString& text)
{
    return ui::makeToolButton(name, hint, text);
}

QLayout* ToDoTab::buildToolbar()
{
    m_insert = addButton(u"SpeedButtonAggToDo"_s, u"Insert"_s, u"Insert"_s);
    m_modify = addButton(u"SpeedButtonModToDo"_s, u"Modify "_s, u"Modify"_s);
    m_clone = addButton(u"SpeedButtonDupliToDo"_s, u"Clone "_s, u"Clone"_s);
    m_delete = addButton(u"SpeedButtonDelToDo"_s, u"Delete "_s, u"Delete"_s);
    m_check = addButton(u"SpeedButtonCheckToDo"_s, u"Check"_s, u"Check"_s);
    m_attach = addButton(u"SpeedButtonAllegatoToDo"_s, u"Attach"_s, u"Attach"_s);
    m_export = addButton(u"SpeedButtonExportTodo"_s, u"Export"_s, u"Export"_s);
    m_order = addButton(u"SpeedButtonOrderToDo"_s, u"Order"_s, u"Order"_s);
    m_print = addButton(u"SpeedButtonPrintToDo"_s, u"Print "_s, u"Print"_s);
    m_print->setVisible(false);
    m_hint = addButton(u"SpeedButtonHintLista"_s, u"Hint"_s, u"?"_s);

    m_commands = new QWidget;
    m_commands->setObjectName(u"Panel_ToDo_Commands"_s);
    auto* commands = new QHBoxLayout(m_commands);
    commands->setContentsMargins(0, 0, 0, 0);
    commands->setSpacing(1);
    for (QToolButton* button : {m_insert, m_modify, m_clone, m_delete, m_check, m_attach, m_export, m_order, m_print})
        commands->addWidget(button);

    m_counter = new QLabel;
    m_counter->setObjectName(u"Panel_ToDo"_s);
    m_counter->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_counter->setMinimumWidth(m_counter->fontMetrics().horizontalAdvance(u"20000 / 20000   "_s));

    auto* toolbar = new QHBoxLayout;
    toolbar->setSpacing(2);
    toolbar->addWidget(m_commands);
    toolbar->addStretch();
    toolbar->addWidget(m_counter);
    toolbar->addWidget(m_hint);
    return toolbar;
}

QLayout* ToDoTab::buildSearchRow()
{
    m_searchIn = new QComboBox;
    m_searchIn->setObjectName(u"ComboBox_KindFindToDo"_s);
    m_searchIn->addItems(ToDoSearch::searchInCaptions());
    m_search = new QLineEdit;
    m_search->setObjectName(u"Edit_Find_ToDo"_s);
    m_search->setPlaceholderText(u"Search"_s);
    m_clearSearch = addButton(u"SpeedButtonClearTodo"_s, u"Clear "_s, u"\u00D7"_s);
    m_clearSearch->setEnabled(false);
    m_state = new QComboBox;
    m_state->setObjectName(u"ComboBoxToDo"_s);
    m_state->setToolTip(u"Filter by state"_s);
    m_state->addItems(ToDoSearch::stateCaptions());
    m_groups = new contacts::widgets::GroupFilter(u'L');
    for (QComboBox* fixed : {m_searchIn, m_state})
        fixed->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);

    auto* row = new QHBoxLayout;
    row->setSpacing(4);
    row->addWidget(m_searchIn);
    row->addWidget(m_search, 3);
    row->addWidget(m_clearSearch);
    row->addSpacing(6);
    row->addWidget(m_state);
    row->addSpacing(6);
    row->addWidget(new QLabel(u"Group"_s));
    row->addWidget(m_groups, 2);
    return row;
}

void ToDoTab::buildGrid()
{
    m_grid = new QTableView;
    m_grid->setObjectName(u"DBGrid_ToDo"_s);
    m_grid->setModel(m_query);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setAlternatingRowColors(true);
    m_grid->setWordWrap(false);
    m_grid->setContextMenuPolicy(Qt::CustomContextMenu);
    m_grid->verticalHeader()->hide();
    m_grid->verticalHeader()->setDefaultSectionSize(m_grid->fontMetrics().height() + 6);
    m_grid->horizontalHeader()->setHighlightSections(false);
    m_grid->installEventFilter(this);

    QHeaderView* header = m_grid->horizontalHeader();
    header->setMinimumSectionSize(20);
    header->setSectionResizeMode(ToDoQuery::Description, QHeaderView::Stretch);
    for (int column : {ToDoQuery::Priority, ToDoQuery::Percent, ToDoQuery::NoteMark}) {
        header->setSectionResizeMode(column, QHeaderView::Fixed);
        header->resizeSection(column, 42);
    }
    m_grid->setColumnHidden(ToDoQuery::Done, true);
}

void ToDoTab::buildOrderMenu()
{
    m_orderMenu = new QMenu(m_order);
    m_orderMenu->setObjectName(u"PopupMenuOrderToDo"_s);
    auto* group = new QActionGroup(m_orderMenu);
    for (Order order : ToDoSearch::orders()) {
        QAction* action = m_orderMenu->addAction(ToDoSearch::orderCaption(order));
        action->setCheckable(true);
        action->setChecked(order == m_query->search.order);
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, order] {
            m_query->search.order = order;
            runSearch();
        });
    }
    m_order->setMenu(m_orderMenu);
    m_order->setPopupMode(QToolButton::InstantPopup);

    m_attachMenu = new ToDoAttachMenu(m_attach);
    connect(m_attachMenu, &ToDoAttachMenu::attachmentRequested, this, &ToDoTab::attachmentRequested);
    connect(m_attachMenu, &ToDoAttachMenu::linkRequested, this, &ToDoTab::linkRequested);
}

void ToDoTab::connectControls()
{
    connect(m_insert, &QToolButton::clicked, this, &ToDoTab::insertItem);
    connect(m_modify, &QToolButton::clicked, this, [this] { modifyItem(false); });
    connect(m_clone, &QToolButton::clicked, this, &ToDoTab::cloneItem);
    connect(m_delete, &QToolButton::clicked, this, &ToDoTab::deleteItem);
    connect(m_check, &QToolButton::clicked, this, &ToDoTab::checkItem);
    connect(m_export, &QToolButton::clicked, this, &ToDoTab::exportList);
    connect(m_attach, &QToolButton::clicked, this, &ToDoTab::showAttachMenu);
    connect(m_print, &QToolButton::clicked, this, &ToDoTab::printRequested);
    connect(m_hint, &QToolButton::clicked, this, [this] { MessageBox::information(this, ToDoTexts::tabHint()); });

    connect(m_search, &QLineEdit::textChanged, this, [this](const QString& text) {
        m_clearSearch->setEnabled(!text.isEmpty());
        m_query->search.text = text;
        runSearch();
    });
    connect(m_clearSearch, &QToolButton::clicked, m_search, &QLineEdit::clear);
    connect(m_searchIn, &QComboBox::activated, this, [this](int index) {
        m_query->search.searchIn = index == 1 ? SearchIn::Note : SearchIn::Description;
        runSearch();
        m_search->setFocus();
    });
    connect(m_state, &QComboBox::currentIndexChanged, this, [this](int index) {
        m_query->search.state = index == 1 ? StateFilter::Checked
                                : index == 2 ? StateFilter::Unchecked
                                             : StateFilter::All;
        runSearch();
    });
    connect(m_groups, &contacts::widgets::GroupFilter::changed, this, [this](const QString& text) {
        m_query->search.group = text;
        runSearch();
    });
    connect(m_groups, &contacts::widgets::GroupFilter::memorisedGroupSaved, this, &ToDoTab::memorisedGroupSaved);
    connect(m_groups, &contacts::widgets::GroupFilter::failed, this, &ToDoTab::reportFailure);

    connect(m_grid, &QTableView::doubleClicked, this, [this] { modifyItem(false); });
    connect(m_grid, &QTableView::clicked, this, [this](const QModelIndex& index) {
        if (index.column() == ToDoQuery::NoteMark && m_query->itemAt(index.row()).hasNote())
            modifyItem(true);
    });
    connect(m_grid, &QTableView::customContextMenuRequested, this, &ToDoTab::showContextMenu);
    connect(m_grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &ToDoTab::showCurrent);
}

// ---- state ------------------------------------------------------------------

void ToDoTab::setDatabase(const QSqlDatabase& db)
{
    m_db = db;
    m_groups->setDatabase(db);
}

void ToDoTab::setReadOnly(bool readOnly)
{
    m_readOnly = readOnly;
    m_commands->setVisible(!readOnly);
    m_groups->insertButton()->setVisible(!readOnly);
    m_groups->deleteButton()->setVisible(!readOnly);
}

void ToDoTab::setPrintAvailable(bool available)
{
    m_printAvailable = available;
    m_print->setVisible(available);
}

int ToDoTab::currentRow() const
{
    const QModelIndex current = m_grid->currentIndex();
    return current.isValid() && current.row() < m_query->rowCount() ? current.row() : -1;
}

void ToDoTab::selectRow(int row)
{
    const int count = m_query->rowCount();
    if (count > 0)
        m_grid->selectRow(qBound(0, row, count - 1));
    showCurrent();
}

void ToDoTab::clearResults()
{
    m_query->clear();
    afterRun();
}

// ---- search -----------------------------------------------------------------

void ToDoTab::runSearch()
{
    QString error;
    if (!m_query->run(m_db, &error))
        reportFailure(error);
    afterRun();
}

void ToDoTab::afterRun()
{
    const int listed = m_query->rowCount();
    const bool rows = listed > 0;
    for (QToolButton* button : {m_delete, m_modify, m_print, m_clone, m_check, m_export, m_order})
        button->setEnabled(rows);
    m_gauge->setVisible(rows);
    if (rows)
        m_grid->selectRow(0);
    showCurrent();
    if (!m_db.isOpen()) {
        m_counter->clear();
        return;
    }
    int total = store::ArchiveCounts::total(m_db, u'L');
    if (total < 0)
        total = listed;
    m_counter->setText(store::ArchiveCounts::counterCaption(listed, total));
    Q_EMIT countChanged(listed, total);
}

void ToDoTab::showCurrent()
{
    const int row = currentRow();
    const ToDoItem item = m_query->itemAt(row);
    m_gauge->setValue(qBound(0, item.percento, 100));
    m_note->setPlainText(item.note);
    m_note->setVerticalScrollBarPolicy(item.note.isEmpty() ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded);
    m_attach->setEnabled(row >= 0 && (!item.allegato.isEmpty() || !item.ricerca.isEmpty()));
}

void ToDoTab::loadGroups()
{
    m_groups->loadNames();
}

void ToDoTab::applyMemorisedGroup()
{
    m_groups->setMemorisedText(m_settings.memGroupList);
    m_query->search.group = m_groups->text();
    runSearch();
}

// ---- commands ---------------------------------------------------------------

ToDoDialog* ToDoTab::openDialog(ToDoDialogMode mode, qint64 codtod, bool bigNote)
{
    if (m_dialog)
        return nullptr;
    ToDoDialogSetup setup;
    setup.db = m_db;
    setup.scalePercent = store::scaleEntries().value(m_settings.scalaIndex, u"100"_s).toInt();
    setup.color = themes::colorFromText(m_settings.sectionColors.value(7), setup.color);
    setup.programFolder = m_programFolder;
    setup.groupNames = m_groups->names();
    setup.group = m_groups->text();
    m_dialog = ToDoDialog::openDialog(mode, setup, codtod, this, bigNote);
    return m_dialog;
}

void ToDoTab::afterSave(const QString& group)
{
    runSearch();
    if (!group.isEmpty())
        loadGroups();
}

void ToDoTab::insertItem()
{
    if (m_readOnly)
        return;
    ToDoDialog* dialog = openDialog(ToDoDialogMode::Add, 0, false);
    if (!dialog)
        return;
    connect(dialog, &ToDoDialog::itemSaved, this, [this](qint64, const QString& group) { afterSave(group); });
    connect(dialog, &QDialog::finished, this, [this] {
        Q_EMIT insertFinished();
        m_search->setFocus();
    });
}

void ToDoTab::modifyItem(bool bigNote)
{
    const int row = currentRow();
    if (m_readOnly || row < 0 || !m_modify->isEnabled())
        return;
    if (m_dialog)
        return;
    ToDoDialog* dialog = openDialog(ToDoDialogMode::Modify, m_query->itemAt(row).codtod, bigNote);
    if (!dialog) {
        // The item is gone (another machine deleted it): show the list as it is.
        runSearch();
        selectRow(row);
        return;
    }
    connect(dialog, &ToDoDialog::itemSaved, this, [this, row](qint64, const QString& group) {
        afterSave(group);
        selectRow(row);
    });
}

void ToDoTab::cloneItem()
{
    const int row = currentRow();
    if (m_readOnly || row < 0)
        return;
    QString error;
    if (ToDoWriter(m_db).clone(m_query->itemAt(row), &error) < 0)
        reportFailure(error);
    runSearch();
    selectRow(row);
}

void ToDoTab::deleteItem()
{
    const int row = currentRow();
    if (m_readOnly || row < 0)
        return;
    const ToDoItem item = m_query->itemAt(row);
    if (MessageBox::question(this, ToDoTexts::deleteQuestion(item.id)) != MessageBox::Answer::Yes)
        return;
    QString error;
    if (!ToDoWriter(m_db).remove(item.codtod, &error))
        reportFailure(error);
    runSearch();
    selectRow(row < m_query->rowCount() ? row : row - 1);
}

void ToDoTab::checkItem()
{
    const int row = currentRow();
    if (m_readOnly || row < 0)
        return;
    const ToDoItem item = m_query->itemAt(row);
    QString error;
    if (!ToDoWriter(m_db).check(item.codtod, item.flag, &error))
        reportFailure(error);
    runSearch();
    selectRow(row);
}

void ToDoTab::exportList()
{
    if (m_query->rowCount() == 0)
        return;
    const QString file =
        platform::FileDialog::saveFile(this, u"Export list"_s, platform::Shell::desktopFolder() + u"/To-Do.csv"_s,
                                       u"Comma Separated Value (*.csv)"_s);
    if (file.isEmpty())
        return;
    QString error;
    if (!ToDoCsv::write(file, m_query->items(), &error))
        reportFailure(u"Cannot write \""_s + file + u"\": "_s + error);
    selectRow(0);
}

void ToDoTab::showAttachMenu()
{
    const int row = currentRow();
    if (row < 0)
        return;
    const ToDoItem item = m_query->itemAt(row);
    m_attachMenu->setValues(item.allegato, item.ricerca);
    m_attachMenu->popup(m_attach->mapToGlobal(QPoint(0, m_attach->height())));
}

void ToDoTab::showContextMenu(const QPoint& position)
{
    if (m_readOnly)
        return;
    auto* menu = new QMenu(this);
    menu->setObjectName(u"PopupMenuToDo"_s);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const bool enabled = m_delete->isEnabled();
    QAction* remove = menu->addAction(u"Delete"_s, this, &ToDoTab::deleteItem);
    QAction* modify = menu->addAction(u"Modify"_s, this, [this] { modifyItem(false); });
    remove->setEnabled(enabled);
    modify->setEnabled(enabled);
    if (m_printAvailable)
        menu->addAction(u"Print"_s, this, &ToDoTab::printRequested)->setEnabled(enabled);
    menu->popup(m_grid->viewport()->mapToGlobal(position));
}

void ToDoTab::reportFailure(const QString& message)
{
    MessageBox::warning(this, message);
}

bool ToDoTab::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_grid && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            modifyItem(false);
            return true;
        }
    }
    if (m_note && (watched == m_note || watched == m_note->viewport())
        && event->type() == QEvent::MouseButtonDblClick) {
        modifyItem(true);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace brivane::to_do::widgets
