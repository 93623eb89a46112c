#include "contacts/widgets/ContactsTab.h"

#include "contacts/ContactActions.h"
#include "contacts/ContactCard.h"
#include "contacts/ContactCommands.h"
#include "contacts/widgets/ContactCardView.h"
#include "contacts/widgets/ContactGridView.h"
#include "contacts/widgets/ContactSearchBar.h"
#include "contacts/widgets/DialDialog.h"
#include "contacts/widgets/GroupFilter.h"
#include "platform/Shell.h"
#include "platform/widgets/MessageBox.h"
#include "store/SettingsRecord.h"
#include "store/SettingsStore.h"
#include "themes/ColorText.h"
#include "ui/ToolButton.h"

#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTableView>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace brivane::contacts::widgets {

using platform::MessageBox;
using ui::makeToolButton;

namespace {

constexpr int kBottomNoteHeight = 54;
constexpr int kContactColor = 5;
constexpr int kTodayColor = 4;

QColor sectionColor(const store::SettingsRecord& settings, int section)
{
    const QStringList defaults = store::SettingsRecord::defaultSectionColors();
    return themes::colorFromText(settings.sectionColors.value(section),
                                 themes::colorFromText(defaults.value(section), QColor(Qt::lightGray)));
}

} // namespace

ContactsTab::ContactsTab(const store::SettingsRecord& settings, const QSqlDatabase& db,
                         const QString& archiveFolder, const QString& programFolder, QWidget* parent)
    : QWidget(parent), m_settings(settings), m_archiveFolder(archiveFolder), m_programFolder(programFolder),
      m_query(new ContactQuery(this))
{
    setObjectName(u"TabSheetContact"_s);
    buildWindow();
    connectControls();
    setDatabase(db);
    relayout();
    applySettings();
    updateCommands();
    drawCard();
}

ContactsTab::~ContactsTab()
{
    // The result set goes before the connection it was read from.
    m_query->clearResult();
}

void ContactsTab::setDatabase(const QSqlDatabase& db)
{
    m_db = db;
    m_groups->setDatabase(db);
    if (m_db.isOpen())
        ContactQuery::ensureOrderIndex(m_db);
    else
        clearResults(); // no copy of a closing connection stays behind
}

void ContactsTab::buildWindow()
{
    m_toolbar = new QWidget;
    m_toolbar->setObjectName(u"panel_contact"_s);
    m_insert = makeToolButton(u"SpeedButton_AddContact"_s, u"Insert"_s, u"Insert"_s);
    m_delete = makeToolButton(u"SpeedButtonDelContact"_s, u"Delete"_s, u"Delete"_s);
    m_modify = makeToolButton(u"SpeedButtonModContact"_s, u"Modify"_s, u"Modify"_s);
    m_clone = makeToolButton(u"SpeedButtonDupliContact"_s, u"Clone "_s, u"Clone"_s);
    m_import = makeToolButton(u"SpeedButtonBOC"_s, u"Import"_s, u"Import"_s);
    m_export = makeToolButton(u"SpeedButtonCSV"_s, u"Export (visibles) "_s, u"Export"_s);
    m_order = makeToolButton(u"SpeedButtonOrderContact"_s, u"Order"_s, u"Order"_s);
    m_dial = makeToolButton(u"SpeedButtonTele"_s, u"Dial"_s, u"Dial"_s);
    m_mail = makeToolButton(u"SpeedButtonMailContact"_s, u"E-mail"_s, u"E-mail"_s);
    m_web = makeToolButton(u"SpeedButtonWeb"_s, u"Web Site"_s, u"Web"_s);
    m_map = makeToolButton(u"SpeedButtonGoMap"_s, u"Search using Google Maps"_s, u"Map"_s);
    m_print = makeToolButton(u"SpeedButtonPrint_Contact"_s, u"Print"_s, u"Print"_s);
    m_hint = makeToolButton(u"SpeedButtonHintContact"_s, u"Hint"_s, u"?"_s);
    auto* toolbar = new QHBoxLayout(m_toolbar);
    toolbar->setContentsMargins(0, 0, 0, 0);
    toolbar->setSpacing(1);
    for (QToolButton* button : {m_insert, m_delete, m_modify, m_clone, m_import, m_export, m_order, m_dial,
                                m_mail, m_web, m_map, m_print})
        toolbar->addWidget(button);
    toolbar->addStretch();
    toolbar->addWidget(m_hint);

    m_searchBar = new ContactSearchBar;

    m_groups = new GroupFilter(u'C');
    auto* navigator = new QWidget;
    navigator->setObjectName(u"DBNavigator_Contact"_s);
    auto* navigatorLayout = new QHBoxLayout(navigator);
    navigatorLayout->setContentsMargins(0, 0, 0, 0);
    navigatorLayout->setSpacing(0);
    const QList<std::tuple<const char*, QString, QString>> moves = {
        {"NavigatorFirst", u"First"_s, u"|\u25C0"_s},
        {"NavigatorPrior", u"Prior"_s, u"\u25C0"_s},
        {"NavigatorNext", u"Next"_s, u"\u25B6"_s},
        {"NavigatorLast", u"Last"_s, u"\u25B6|"_s}};
    for (const auto& [name, hint, text] : moves) {
        QToolButton* button = makeToolButton(QLatin1String(name), hint, text);
        navigatorLayout->addWidget(button);
        m_navigator << button;
    }
    m_showCard = makeToolButton(u"SpeedButton_Scheda"_s, u"Show contact card"_s, u"Card"_s);
    m_columnsButton =
        makeToolButton(u"SpeedButtonShowColonne"_s, u"Save column width and position"_s, u"Columns"_s);
    auto* groupRow = new QHBoxLayout;
    groupRow->setSpacing(2);
    groupRow->addWidget(new QLabel(u"Group"_s));
    groupRow->addWidget(m_groups, 1);
    groupRow->addWidget(navigator);
    groupRow->addWidget(m_columnsButton);
    groupRow->addWidget(m_showCard);

    m_gridView = new ContactGridView(m_query, m_columnsButton, this);
    m_grid = m_gridView->table();
    m_bottomNote = new QPlainTextEdit;
    m_bottomNote->setObjectName(u"DBMemo_Contact_bottom"_s);
    m_bottomNote->setReadOnly(true);
    m_bottomNote->setFixedHeight(kBottomNoteHeight);
    m_card = new ContactCardView;

    auto* listSide = new QVBoxLayout;
    listSide->setSpacing(2);
    listSide->addWidget(m_grid, 1);
    listSide->addWidget(m_bottomNote);
    auto* body = new QHBoxLayout;
    body->setSpacing(3);
    body->addLayout(listSide, 1);
    body->addWidget(m_card);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(3, 3, 3, 3);
    layout->setSpacing(3);
    layout->addWidget(m_toolbar);
    layout->addWidget(m_searchBar);
    layout->addLayout(groupRow);
    layout->addLayout(body, 1);

    m_timerDraw = new QTimer(this);
    m_timerDraw->setObjectName(u"TimerDrawContact"_s);
    m_timerDraw->setSingleShot(true);
    m_timerDraw->setInterval(10);

    m_orderMenu = new QMenu(this);
    m_orderMenu->setObjectName(u"PopupMenuOrderContact"_s);
    const QList<std::tuple<QString, QString, bool>> orders = {{u"Alphabetical ASC"_s, u"ragsoc"_s, false},
                                                              {u"Alphabetical DESC"_s, u"ragsoc"_s, true},
                                                              {u"Creation ASC"_s, u"codcon"_s, false},
                                                              {u"Creation DESC"_s, u"codcon"_s, true}};
    for (const auto& [caption, column, descending] : orders) {
        connect(m_orderMenu->addAction(caption), &QAction::triggered, this,
                [this, column, descending] { setOrder(column, descending); });
    }

    m_columnsMenu = new QMenu(this);
    m_columnsMenu->setObjectName(u"PopupMenuColonne"_s);
    connect(m_columnsMenu->addAction(u"Save width and position"_s), &QAction::triggered, this,
            &ContactsTab::saveColumns);
    connect(m_columnsMenu->addAction(u"Restore default"_s), &QAction::triggered, this,
            &ContactsTab::restoreDefaultColumns);
    connect(m_columnsMenu->addAction(u"Autosize column"_s), &QAction::triggered, this,
            &ContactsTab::autosizeColumns);

    m_quickTaskMenu = new QMenu(this);
    m_quickTaskMenu->setObjectName(u"PopupMenuAppRapido"_s);
    addTaskKindActions(m_quickTaskMenu);
    m_quickTaskMenu->addAction(u"Cancel"_s);
}

// One entry per task kind, each asking for that kind's add dialog.
void ContactsTab::addTaskKindActions(QMenu* menu)
{
    const QStringList kinds = {u"One Shot"_s, u"Yearly"_s, u"Monthly"_s, u"Weekly"_s};
    for (int kind = 0; kind < kinds.size(); ++kind) {
        connect(menu->addAction(kinds[kind]), &QAction::triggered, this,
                [this, kind] { Q_EMIT insertTaskRequested(kind); });
    }
}

void ContactsTab::requestInsert()
{
    if (!commandsBlocked())
        Q_EMIT insertRequested();
}

void ContactsTab::connectControls()
{
    connect(m_timerDraw, &QTimer::timeout, this, &ContactsTab::drawCard);

    connect(m_insert, &QToolButton::clicked, this, &ContactsTab::requestInsert);
    connect(m_delete, &QToolButton::clicked, this, &ContactsTab::deleteCurrent);
    connect(m_modify, &QToolButton::clicked, this, [this] { modifyCurrent(false); });
    connect(m_clone, &QToolButton::clicked, this, &ContactsTab::cloneCurrent);
    connect(m_import, &QToolButton::clicked, this, [this] {
        if (!commandsBlocked())
            Q_EMIT importRequested();
    });
    connect(m_export, &QToolButton::clicked, this, &ContactsTab::exportRequested);
    connect(m_order, &QToolButton::clicked, this, [this] { popupMenu(m_orderMenu, m_order); });
    connect(m_dial, &QToolButton::clicked, this, &ContactsTab::dial);
    connect(m_mail, &QToolButton::clicked, this, &ContactsTab::sendMail);
    connect(m_web, &QToolButton::clicked, this, &ContactsTab::openWebSite);
    connect(m_map, &QToolButton::clicked, this, &ContactsTab::searchMap);
    connect(m_hint, &QToolButton::clicked, this, [this] {
        MessageBox::information(this, u"Use the Contacts Tab to keep track of your contacts."_s);
    });

    connect(m_searchBar, &ContactSearchBar::searchRequested, this, &ContactsTab::runSearch);
    connect(m_searchBar, &ContactSearchBar::kindChosen, this,
            [this](SearchKind kind) { m_query->search.kind = kind; });
    connect(m_gridView, &ContactGridView::failed, this, &ContactsTab::report);

    connect(m_groups, &GroupFilter::changed, this, [this](const QString& text) {
        m_query->search.group = text;
        runSearch();
    });
    connect(m_groups, &GroupFilter::memorisedGroupSaved, this, [this] { Q_EMIT settingsChanged(); });
    connect(m_groups, &GroupFilter::namesLoaded, this, &ContactsTab::groupsChanged);
    connect(m_groups, &GroupFilter::failed, this, &ContactsTab::report);

    connect(m_navigator[0], &QToolButton::clicked, this, [this] { selectRow(0); });
    connect(m_navigator[1], &QToolButton::clicked, this, [this] { selectRow(qMax(0, currentRow() - 1)); });
    connect(m_navigator[2], &QToolButton::clicked, this, [this] { selectRow(currentRow() + 1); });
    connect(m_navigator[3], &QToolButton::clicked, this, [this] { selectRow(m_query->rowCount() - 1); });
    connect(m_showCard, &QToolButton::clicked, this, &ContactsTab::toggleDisplayMode);
    connect(m_card->closeButton(), &QToolButton::clicked, this, &ContactsTab::toggleDisplayMode);
    connect(m_columnsButton, &QToolButton::clicked, this,
            [this] { popupMenu(m_columnsMenu, m_columnsButton); });

    connect(m_grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this] {
        showRowNote();
        requestCard();
    });
    connect(m_grid, &QTableView::clicked, this, [this](const QModelIndex& index) {
        m_card->resetLinkButton();
        if (index.column() == m_query->columnOf(ContactQuery::noteMarkColumn()) &&
            m_query->hasNoteAt(index.row()))
            modifyCurrent(true);
    });
    connect(m_grid, &QTableView::doubleClicked, this, [this] { modifyCurrent(false); });
    connect(m_grid, &QTableView::customContextMenuRequested, this, &ContactsTab::contextMenu);
    m_grid->installEventFilter(this);
    m_bottomNote->viewport()->installEventFilter(this);

    connect(m_card, &ContactCardView::modifyRequested, this, [this] { modifyCurrent(false); });
    connect(m_card, &ContactCardView::attachmentChosen, this, &ContactsTab::openAttachment);
    connect(m_card->searchNameButton(), &QToolButton::clicked, this, &ContactsTab::searchName);
    connect(m_card->quickTaskButton(), &QToolButton::clicked, this,
            [this] { popupMenu(m_quickTaskMenu, m_card->quickTaskButton()); });
}

// ---------------------------------------------------------------- start-up

void ContactsTab::startUp()
{
    writeDefaultLayout();
    loadGroups();
    applyDisplayModeSetting();
    applyMemorisedGroup();
    runSearch();
}

bool ContactsTab::writeDefaultLayout()
{
    return m_gridView->writeDefaultLayout(m_archiveFolder);
}

bool ContactsTab::loadGroups()
{
    return m_groups->loadNames();
}

void ContactsTab::applyMemorisedGroup()
{
    m_groups->setMemorisedText(m_settings.memGroupContact);
    m_query->search.group = m_groups->text();
}

void ContactsTab::applyDisplayModeSetting()
{
    if (m_settings.gridmode != m_gridMode)
        setGridMode(m_settings.gridmode, false);
}

bool ContactsTab::loadSavedLayout()
{
    return m_gridView->loadSavedLayout(m_archiveFolder);
}

// ---------------------------------------------------------------- search

void ContactsTab::runSearch()
{
    resetCounterColors();
    m_query->search.kind = m_searchBar->kind();
    m_query->search.text = m_searchBar->text();
    m_query->search.group = m_groups->text();
    if (m_db.isOpen()) {
        QString error;
        if (!m_query->run(m_db, &error))
            report(error);
    } else {
        m_query->clearResult();
    }
    m_searchRanSinceModify = true;
    afterSearch();
}

void ContactsTab::afterSearch()
{
    m_gridView->afterSearch();
    updateCommands();
    m_searchBar->showCounts(m_query->listedCount(), m_query->totalCount());
    Q_EMIT countChanged(m_query->listedCount(), m_query->totalCount());
    if (m_query->rowCount() > 0)
        selectRow(0);
    else
        showRowNote();
    requestCard();
}

void ContactsTab::refreshCounts()
{
    if (!m_db.isOpen())
        return;
    QString error;
    if (!m_query->recount(m_db, &error)) {
        report(error);
        return;
    }
    m_searchBar->showCounts(m_query->listedCount(), m_query->totalCount());
    Q_EMIT countChanged(m_query->listedCount(), m_query->totalCount());
}

void ContactsTab::updateCommands()
{
    const bool rows = m_query->rowCount() > 0;
    for (QToolButton* button : {m_delete, m_modify, m_print, m_clone, m_order, m_export})
        button->setEnabled(rows);
    m_card->searchNameButton()->setEnabled(rows);
    for (QToolButton* button : std::as_const(m_navigator))
        button->setEnabled(rows);
}

void ContactsTab::setOrder(const QString& column, bool descending)
{
    m_query->search.orderColumn = column;
    m_query->search.descending = descending;
    runSearch();
}

void ContactsTab::resetSearch()
{
    m_searchBar->reset();
    m_groups->clearGroup();
}

void ContactsTab::setCounterColors(const QColor& text, const QColor& background)
{
    m_searchBar->setCounterColors(text, background);
}

void ContactsTab::resetCounterColors()
{
    m_searchBar->resetCounterColors();
}

QLineEdit* ContactsTab::searchField() const
{
    return m_searchBar->field();
}

QStringList ContactsTab::groupNames() const
{
    return m_groups->names();
}

QString ContactsTab::groupFilterText() const
{
    return m_groups->text();
}

// ---------------------------------------------------------------- rows

int ContactsTab::currentRow() const
{
    const QModelIndex current = m_grid->currentIndex();
    return current.isValid() ? current.row() : -1;
}

qint64 ContactsTab::currentKey() const
{
    return m_query->keyAt(currentRow());
}

QString ContactsTab::currentName() const
{
    return currentRecord().value(u"ragsoc"_s).toString();
}

QSqlRecord ContactsTab::currentRecord() const
{
    return m_query->rowAt(currentRow());
}

void ContactsTab::selectRow(int row)
{
    m_query->fetchUpTo(row);
    const int count = m_query->rowCount();
    if (count == 0) {
        requestCard();
        return;
    }
    row = qBound(0, row, count - 1);
    const int column = qMax(0, m_query->columnOf(u"ragsoc"_s));
    const QModelIndex index = m_query->index(row, column);
    m_grid->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                         QItemSelectionModel::Rows);
    m_grid->scrollTo(index);
}

void ContactsTab::showRowNote()
{
    m_bottomNote->setPlainText(currentRecord().value(u"note"_s).toString());
}

// ---------------------------------------------------------------- card

void ContactsTab::requestCard()
{
    m_timerDraw->start();
}

void ContactsTab::drawCard()
{
    m_timerDraw->stop();
    const QSqlRecord row = currentRecord();
    std::optional<Birthday> birthday;
    if (!row.isEmpty() && m_db.isOpen()) {
        QString error;
        birthday = findBirthday(m_db, row.value(u"codcon"_s).toLongLong(), &error);
        if (!error.isEmpty())
            report(error);
    }
    const CardContent content = cardContent(row, birthday, m_programFolder, m_settings.dataYear);
    m_card->setContent(content);
    m_map->setEnabled(content.mapEnabled);
    m_mail->setEnabled(content.emailEnabled);
    m_dial->setEnabled(content.dialEnabled);
    m_web->setEnabled(content.webEnabled);
}

// ---------------------------------------------------------------- commands

void ContactsTab::modifyCurrent(bool expandedNote)
{
    if (commandsBlocked() || !m_modify->isEnabled() || currentRow() < 0)
        return;
    m_modifyRow = currentRow();
    m_searchRanSinceModify = false;
    Q_EMIT modifyRequested(currentKey(), expandedNote);
}

void ContactsTab::modifyFinished()
{
    if (m_searchRanSinceModify && m_modifyRow >= 0)
        selectRow(m_modifyRow);
    m_modifyRow = -1;
    // The card shows what the dialog saved, its birthday link included.
    drawCard();
    Q_EMIT yearlyListChanged();
}

void ContactsTab::insertFinished()
{
    m_searchBar->field()->setFocus();
}

void ContactsTab::deleteCurrent()
{
    const int row = currentRow();
    if (commandsBlocked() || !m_delete->isEnabled() || row < 0)
        return;
    const qint64 codcon = currentKey();
    const QString name = currentName();
    if (MessageBox::question(this, deleteContactQuestion(name)) != MessageBox::Answer::Yes)
        return;
    QString error;
    if (!deleteContact(m_db, codcon, &error)) {
        report(error);
        return;
    }
    runSearch();
    // The remembered row number (1-based) when it is below the new count,
    // else the one before it.
    const int remembered = row + 1;
    selectRow(remembered < m_query->listedCount() ? row : row - 1);

    const std::optional<Birthday> birthday = findBirthday(m_db, codcon, &error);
    if (birthday && MessageBox::question(this, deleteLinkedTaskQuestion(birthday->description)) ==
                        MessageBox::Answer::Yes) {
        if (!deleteLinkedTasks(m_db, codcon, &error))
            report(error);
    }
    Q_EMIT yearlyListChanged();
}

void ContactsTab::cloneCurrent()
{
    const int row = currentRow();
    if (commandsBlocked() || !m_clone->isEnabled() || row < 0)
        return;
    QString error;
    if (!cloneContact(m_db, currentKey(), &error)) {
        report(error);
        return;
    }
    runSearch();
    selectRow(row);
}

void ContactsTab::setReadOnly(bool readOnly)
{
    m_readOnly = readOnly;
    // While locked or read-only: the toolbar, the group insert and delete buttons and the
    // quick task button are hidden while the archive is read-only.
    m_toolbar->setVisible(!readOnly);
    m_groups->insertButton()->setVisible(!readOnly);
    m_groups->deleteButton()->setVisible(!readOnly);
    m_card->quickTaskButton()->setVisible(!readOnly);
}

void ContactsTab::setLocked(bool locked)
{
    m_locked = locked;
}

ContactsTab::LinkResult ContactsTab::findLinked(const QString& link)
{
    m_searchBar->setKind(SearchKind::NameCompany);
    m_query->search.kind = SearchKind::NameCompany;
    m_groups->clearGroup();
    searchField()->setText(link);
    if (m_query->listedCount() == 0) {
        // Not a name: the link may be a group.
        m_searchBar->setAutoSearch(true);
        searchField()->clear();
        m_groups->setText(link);
    }
    if (m_query->listedCount() == 1 && !commandsBlocked()) {
        selectRow(0);
        modifyCurrent(false);
        return LinkResult::OneContact;
    }
    Q_EMIT showRequested();
    return LinkResult::Listed;
}

// ---------------------------------------------------------------- actions

void ContactsTab::popupMenu(QMenu* menu, QWidget* below)
{
    menu->popup(below->mapToGlobal(QPoint(0, below->height())));
}

void ContactsTab::showItemsMenu(const QString& field, const char* menuName, bool mail)
{
    delete m_itemsMenu;
    m_itemsMenu = new QMenu(this);
    m_itemsMenu->setObjectName(QLatin1String(menuName));
    for (const QString& item : nonEmptyItems(field)) {
        connect(m_itemsMenu->addAction(item), &QAction::triggered, this,
                [item, mail] { platform::Shell::open(mail ? mailUrl(item) : webUrl(item)); });
    }
    popupMenu(m_itemsMenu, mail ? m_mail : m_web);
}

void ContactsTab::sendMail()
{
    const QString email = currentRecord().value(u"email"_s).toString();
    if (email.isEmpty())
        return;
    if (nonEmptyItems(email).size() > 1)
        showItemsMenu(email, "PopupMenuMail", true);
    else
        platform::Shell::open(mailUrl(email));
}

void ContactsTab::openWebSite()
{
    const QString site = currentRecord().value(u"site"_s).toString();
    if (site.isEmpty())
        return;
    if (nonEmptyItems(site).size() > 1)
        showItemsMenu(site, "PopupMenuWeb", false);
    else
        platform::Shell::open(webUrl(site));
}

void ContactsTab::searchMap()
{
    const QString address = currentRecord().value(u"indirizzo"_s).toString();
    if (!address.isEmpty())
        platform::Shell::open(mapSearchUrl(address));
}

void ContactsTab::searchName()
{
    if (currentRow() >= 0)
        platform::Shell::open(nameSearchUrl(currentName()));
}

void ContactsTab::dial()
{
    const QSqlRecord row = currentRecord();
    if (row.isEmpty())
        return;
    auto* dialog = new DialDialog(row.value(u"ragsoc"_s).toString(), row.value(u"tel"_s).toString(),
                                  row.value(u"mobile"_s).toString(), row.value(u"skype"_s).toString(),
                                  m_settings.centralino, sectionColor(m_settings, kContactColor), this);
    connect(dialog, &DialDialog::addZeroChanged, this, [this](bool on) {
        QString error;
        if (!store::SettingsStore(m_db).saveColumn(u"centralino"_s, on, &error)) {
            report(error);
            return;
        }
        Q_EMIT settingsChanged();
    });
    dialog->open();
}

void ContactsTab::openAttachment(int index)
{
    static const QStringList columns = {u"allegato"_s, u"allegato2"_s, u"allegato3"_s};
    if (index >= 0 && index < columns.size())
        contacts::openAttachment(currentRecord().value(columns[index]).toString(), m_programFolder);
}

// ---------------------------------------------------------------- display

void ContactsTab::toggleDisplayMode()
{
    setGridMode(!m_gridMode, true);
}

void ContactsTab::setGridMode(bool grid, bool write)
{
    m_gridMode = grid;
    if (write && m_db.isOpen()) {
        QString error;
        if (store::SettingsStore(m_db).saveColumn(u"gridmode"_s, grid, &error))
            Q_EMIT settingsChanged();
        else
            report(error);
    }
    relayout();
}

void ContactsTab::relayout()
{
    m_card->setVisible(!m_gridMode);
    m_bottomNote->setVisible(m_gridMode);
    m_showCard->setVisible(m_gridMode);
    applySettings();
    if (layout())
        layout()->activate();
    m_gridView->updateVisibility();
}

void ContactsTab::applySettings()
{
    m_card->setCardColor(sectionColor(m_settings, kContactColor));
    QPalette palette = m_grid->palette();
    palette.setColor(QPalette::Base, m_gridMode ? sectionColor(m_settings, kTodayColor) : QColor(Qt::white));
    m_grid->setPalette(palette);
    requestCard();
}

void ContactsTab::clearResults()
{
    m_query->clearResult();
    m_gridView->resultCleared();
}

// ---------------------------------------------------------------- columns

QList<ContactColumn> ContactsTab::columns() const
{
    return m_gridView->columns();
}

bool ContactsTab::showsAllColumns() const
{
    return m_gridView->showsAll();
}

void ContactsTab::saveColumns()
{
    m_gridView->saveLayout(m_archiveFolder);
}

void ContactsTab::restoreDefaultColumns()
{
    m_gridView->restoreDefaultLayout(m_archiveFolder);
}

void ContactsTab::autosizeColumns()
{
    m_gridView->autosize();
    selectRow(0);
}

bool ContactsTab::saveLayoutForDefaultSize()
{
    return m_gridView->saveLayoutForDefaultSize(m_archiveFolder);
}

// ---------------------------------------------------------------- events

void ContactsTab::contextMenu(const QPoint& position)
{
    if (m_readOnly)
        return;
    if (!m_contextMenu) {
        m_contextMenu = new QMenu(this);
        m_contextMenu->setObjectName(u"PopupMenuContact"_s);
        QMenu* insert = m_contextMenu->addMenu(u"Insert"_s);
        QMenu* task = insert->addMenu(u"Task"_s);
        addTaskKindActions(task);
        connect(insert->addAction(u"Contact"_s), &QAction::triggered, this, &ContactsTab::requestInsert);
        connect(insert->addAction(u"Note"_s), &QAction::triggered, this, &ContactsTab::insertNoteRequested);
        connect(insert->addAction(u"To do"_s), &QAction::triggered, this, &ContactsTab::insertToDoRequested);
        QAction* remove = m_contextMenu->addAction(u"Delete"_s);
        remove->setObjectName(u"MenuDelete"_s);
        connect(remove, &QAction::triggered, this, &ContactsTab::deleteCurrent);
        QAction* modify = m_contextMenu->addAction(u"Modify"_s);
        modify->setObjectName(u"MenuModify"_s);
        connect(modify, &QAction::triggered, this, [this] { modifyCurrent(false); });
        QMenu* print = m_contextMenu->addMenu(u"Print"_s);
        print->menuAction()->setObjectName(u"MenuPrint"_s);
        connect(print->addAction(u"Preview"_s), &QAction::triggered, this,
                [this] { Q_EMIT printRequested(true); });
        connect(print->addAction(u"Print"_s), &QAction::triggered, this,
                [this] { Q_EMIT printRequested(false); });
        m_contextMenu->addAction(u"Cancel"_s);
    }
    const bool rows = m_delete->isEnabled();
    for (QAction* action : m_contextMenu->actions()) {
        const QString name = action->objectName();
        if (name == u"MenuDelete"_s || name == u"MenuModify"_s || name == u"MenuPrint"_s)
            action->setEnabled(rows && !m_locked);
        else
            action->setEnabled(!m_locked);
    }
    m_contextMenu->popup(m_grid->viewport()->mapToGlobal(position));
}

bool ContactsTab::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_grid) {
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
                modifyCurrent(false);
                return true;
            }
        }
    } else if (watched == m_bottomNote->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        modifyCurrent(true);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void ContactsTab::report(const QString& error)
{
    if (!error.isEmpty())
        Q_EMIT failed(error);
}

} // namespace brivane::contacts::widgets
