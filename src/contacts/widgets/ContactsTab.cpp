#include "contacts/widgets/ContactsTab.h"

#include "contacts/ContactActions.h"
#include "contacts/ContactCard.h"
#include "contacts/ContactCommands.h"
#include "contacts/widgets/ContactCardView.h"
#include "contacts/widgets/DialDialog.h"
#include "contacts/widgets/GroupFilter.h"
#include "platform/Shell.h"
#include "platform/widgets/MessageBox.h"
#include "store/ArchiveCounts.h"
#include "store/SettingsRecord.h"
#include "store/SettingsStore.h"
#include "themes/ColorText.h"
#include "ui/GridSetup.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
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
      m_query(new ContactQuery(this)), m_columns(ColumnLayout::designedColumns())
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

QToolButton* ContactsTab::addToolButton(const char* name, const QString& hint, const QString& text)
{
    auto* button = new QToolButton;
    button->setObjectName(QLatin1String(name));
    button->setToolTip(hint);
    button->setText(text);
    button->setAutoRaise(true);
    return button;
}

void ContactsTab::buildWindow()
{
    m_toolbar = new QWidget;
    m_toolbar->setObjectName(u"panel_contact"_s);
    m_insert = addToolButton("SpeedButton_AddContact", u"Insert"_s, u"Insert"_s);
    m_delete = addToolButton("SpeedButtonDelContact", u"Delete"_s, u"Delete"_s);
    m_modify = addToolButton("SpeedButtonModContact", u"Modify"_s, u"Modify"_s);
    m_clone = addToolButton("SpeedButtonDupliContact", u"Clone "_s, u"Clone"_s);
    m_import = addToolButton("SpeedButtonBOC", u"Import"_s, u"Import"_s);
    m_export = addToolButton("SpeedButtonCSV", u"Export (visibles) "_s, u"Export"_s);
    m_order = addToolButton("SpeedButtonOrderContact", u"Order"_s, u"Order"_s);
    m_dial = addToolButton("SpeedButtonTele", u"Dial"_s, u"Dial"_s);
    m_mail = addToolButton("SpeedButtonMailContact", u"E-mail"_s, u"E-mail"_s);
    m_web = addToolButton("SpeedButtonWeb", u"Web Site"_s, u"Web"_s);
    m_map = addToolButton("SpeedButtonGoMap", u"Search using Google Maps"_s, u"Map"_s);
    m_print = addToolButton("SpeedButtonPrint_Contact", u"Print"_s, u"Print"_s);
    m_hint = addToolButton("SpeedButtonHintContact", u"Hint"_s, u"?"_s);
    auto* toolbar = new QHBoxLayout(m_toolbar);
    toolbar->setContentsMargins(0, 0, 0, 0);
    toolbar->setSpacing(1);
    for (QToolButton* button : {m_insert, m_delete, m_modify, m_clone, m_import, m_export, m_order, m_dial,
                                m_mail, m_web, m_map, m_print})
        toolbar->addWidget(button);
    toolbar->addStretch();
    toolbar->addWidget(m_hint);

    m_kind = new QComboBox;
    m_kind->setObjectName(u"ComboBox_KindFindContact"_s);
    m_kind->addItems(searchKindNames());
    m_search = new QLineEdit;
    m_search->setObjectName(u"Edit_ragsoc"_s);
    m_search->setMaxLength(50);
    m_search->setPlaceholderText(u"Search"_s);
    m_clearName = addToolButton("SpeedButtonClearName", u"Clear "_s, u"\u00D7"_s);
    m_clearName->setEnabled(false);
    m_emptyField = addToolButton("SpeedButtonCampoVuoto", u"Find if field is null"_s, u"\u2205"_s);
    m_autoSearch = new QCheckBox(u"Auto"_s);
    m_autoSearch->setObjectName(u"CheckBoxAutoFindContact"_s);
    m_autoSearch->setToolTip(u"Search as you type"_s);
    m_autoSearch->setChecked(true);
    m_counter = new QLabel;
    m_counter->setObjectName(u"Panel_FullName"_s);
    m_counter->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_counter->setFrameShape(QFrame::StyledPanel);
    m_counter->setMinimumWidth(90);
    auto* searchRow = new QHBoxLayout;
    searchRow->setSpacing(2);
    searchRow->addWidget(m_kind);
    searchRow->addWidget(m_search, 1);
    searchRow->addWidget(m_clearName);
    searchRow->addWidget(m_emptyField);
    searchRow->addWidget(m_autoSearch);
    searchRow->addWidget(m_counter);

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
        QToolButton* button = addToolButton(name, hint, text);
        navigatorLayout->addWidget(button);
        m_navigator << button;
    }
    m_showCard = addToolButton("SpeedButton_Scheda", u"Show contact card"_s, u"Card"_s);
    m_columnsButton =
        addToolButton("SpeedButtonShowColonne", u"Save column width and position"_s, u"Columns"_s);
    auto* groupRow = new QHBoxLayout;
    groupRow->setSpacing(2);
    groupRow->addWidget(new QLabel(u"Group"_s));
    groupRow->addWidget(m_groups, 1);
    groupRow->addWidget(navigator);
    groupRow->addWidget(m_columnsButton);
    groupRow->addWidget(m_showCard);

    m_grid = ui::makeGrid(u"DBGrid_Contact"_s);
    m_grid->setModel(m_query);
    m_grid->setContextMenuPolicy(Qt::CustomContextMenu);
    m_grid->horizontalHeader()->setSectionsMovable(true);
    m_grid->horizontalHeader()->setStretchLastSection(false);
    m_grid->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
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
    layout->addLayout(searchRow);
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
    const QStringList kinds = {u"One Shot"_s, u"Yearly"_s, u"Monthly"_s, u"Weekly"_s};
    for (int kind = 0; kind < kinds.size(); ++kind) {
        connect(m_quickTaskMenu->addAction(kinds[kind]), &QAction::triggered, this,
                [this, kind] { Q_EMIT insertTaskRequested(kind); });
    }
    m_quickTaskMenu->addAction(u"Cancel"_s);
}

void ContactsTab::connectControls()
{
    connect(m_timerDraw, &QTimer::timeout, this, &ContactsTab::drawCard);

    connect(m_insert, &QToolButton::clicked, this, [this] {
        if (!commandsBlocked())
            Q_EMIT insertRequested();
    });
    connect(m_delete, &QToolButton::clicked, this, &ContactsTab::deleteCurrent);
    connect(m_modify, &QToolButton::clicked, this, [this] { modifyCurrent(false); });
    connect(m_clone, &QToolButton::clicked, this, &ContactsTab::cloneCurrent);
    connect(m_import, &QToolButton::clicked, this, [this] {
        if (!commandsBlocked())
            Q_EMIT importRequested();
    });
    connect(m_export, &QToolButton::clicked, this, &ContactsTab::exportRequested);
    connect(m_print, &QToolButton::clicked, this, [this] { Q_EMIT printRequested(true); });
    connect(m_order, &QToolButton::clicked, this, [this] { popupMenu(m_orderMenu, m_order); });
    connect(m_dial, &QToolButton::clicked, this, &ContactsTab::dial);
    connect(m_mail, &QToolButton::clicked, this, &ContactsTab::sendMail);
    connect(m_web, &QToolButton::clicked, this, &ContactsTab::openWebSite);
    connect(m_map, &QToolButton::clicked, this, &ContactsTab::searchMap);
    connect(m_hint, &QToolButton::clicked, this, [this] {
        MessageBox::information(this, u"Use the Contacts Tab to keep track of your contacts."_s);
    });

    connect(m_search, &QLineEdit::textChanged, this, &ContactsTab::searchTextChanged);
    connect(m_search, &QLineEdit::returnPressed, this, &ContactsTab::runSearch);
    connect(m_kind, &QComboBox::activated, this, [this](int index) {
        m_query->search.kind = SearchKind(index);
        searchTextChanged();
        m_search->setFocus();
    });
    connect(m_autoSearch, &QCheckBox::clicked, this, [this](bool on) {
        if (!on) {
            MessageBox::information(this,
                                    u"You have disabled the automatic search as you type. \rTo start the "
                                    u"search, press the ENTER key in the search box."_s);
        }
        m_search->setFocus();
    });
    connect(m_clearName, &QToolButton::clicked, this, [this] {
        m_autoSearch->setChecked(true);
        if (m_search->text().isEmpty())
            runSearch();
        else
            m_search->clear();
    });
    connect(m_emptyField, &QToolButton::clicked, this, [this] { m_search->setText(isNullMark()); });

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
    if (m_archiveFolder.isEmpty())
        return false;
    QString error;
    if (!ColumnLayout::save(ColumnLayout::defaultFile(m_archiveFolder), ColumnLayout::designedColumns(),
                            &error)) {
        report(error);
        return false;
    }
    return true;
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
    if (m_archiveFolder.isEmpty())
        return false;
    const auto loaded = ColumnLayout::load(ColumnLayout::userFile(m_archiveFolder));
    if (!loaded)
        return false;
    m_columns = *loaded;
    applyColumns();
    return true;
}

// ---------------------------------------------------------------- search

void ContactsTab::searchTextChanged()
{
    const QString text = m_search->text();
    m_clearName->setEnabled(!text.isEmpty());
    m_emptyField->setEnabled(!isEmptyFieldMark(text));
    if (m_autoSearch->isChecked())
        runSearch();
}

void ContactsTab::runSearch()
{
    resetCounterColors();
    m_query->search.kind = SearchKind(qMax(0, m_kind->currentIndex()));
    m_query->search.text = m_search->text();
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
    if (m_query->columnCount() != m_appliedColumnCount)
        applyColumns();
    updateCommands();
    m_counter->setText(store::ArchiveCounts::counterCaption(m_query->listedCount(), m_query->totalCount()));
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
    m_counter->setText(store::ArchiveCounts::counterCaption(m_query->listedCount(), m_query->totalCount()));
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
    m_autoSearch->setChecked(true);
    m_search->blockSignals(true);
    m_search->clear();
    m_search->blockSignals(false);
    m_clearName->setEnabled(false);
    m_emptyField->setEnabled(true);
    m_groups->clearGroup();
}

void ContactsTab::setCounterColors(const QColor& text, const QColor& background)
{
    m_counter->setAutoFillBackground(true);
    QPalette palette = m_counter->palette();
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Window, background);
    m_counter->setPalette(palette);
}

void ContactsTab::resetCounterColors()
{
    m_counter->setAutoFillBackground(false);
    m_counter->setPalette(QPalette());
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
    Q_EMIT yearlyListChanged();
}

void ContactsTab::insertFinished()
{
    m_search->setFocus();
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
    m_kind->setCurrentIndex(0);
    m_query->search.kind = SearchKind::NameCompany;
    m_groups->clearGroup();
    m_search->setText(link);
    if (m_query->listedCount() == 0) {
        // Not a name: the link may be a group.
        m_autoSearch->setChecked(true);
        m_search->clear();
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
                [item, mail] { platform::Shell::open(mail ? mailUrl(item) : addressUrl(item)); });
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
        platform::Shell::open(addressUrl(site));
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
    updateColumnVisibility();
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
    m_appliedColumnCount = -1;
}

// ---------------------------------------------------------------- columns

QList<ContactColumn> ContactsTab::columns() const
{
    ContactsTab* self = const_cast<ContactsTab*>(this);
    self->captureColumns();
    return m_columns;
}

void ContactsTab::applyColumns()
{
    QHeaderView* header = m_grid->horizontalHeader();
    const int count = m_query->columnCount();
    m_appliedColumnCount = count;
    header->setVisible(m_wide);
    m_columnsButton->setVisible(m_wide);
    if (count == 0)
        return;
    for (int logical = 0; logical < count; ++logical)
        header->setSectionHidden(logical, true);
    int visual = 0;
    for (const ContactColumn& column : std::as_const(m_columns)) {
        const int logical = m_query->columnOf(column.field);
        if (logical < 0)
            continue;
        header->moveSection(header->visualIndex(logical), visual++);
        header->resizeSection(logical, column.width);
        const bool shown = column.field == u"ragsoc"_s ? true : column.visible && m_wide;
        header->setSectionHidden(logical, !shown);
    }
}

void ContactsTab::captureColumns()
{
    if (!m_wide || m_appliedColumnCount <= 0 || m_query->columnCount() != m_appliedColumnCount)
        return;
    QHeaderView* header = m_grid->horizontalHeader();
    QList<ContactColumn> captured;
    for (int visual = 0; visual < header->count(); ++visual) {
        const int logical = header->logicalIndex(visual);
        const QString field = logical == m_query->columnOf(ContactQuery::noteMarkColumn())
                                  ? ContactQuery::noteMarkColumn()
                                  : m_query->record().fieldName(logical);
        const auto known = std::find_if(m_columns.cbegin(), m_columns.cend(),
                                        [&](const ContactColumn& column) { return column.field == field; });
        if (known == m_columns.cend())
            continue;
        captured << ContactColumn{field, known->title, header->sectionSize(logical),
                                  !header->isSectionHidden(logical)};
    }
    if (captured.size() == m_columns.size())
        m_columns = captured;
}

void ContactsTab::updateColumnVisibility()
{
    int nameWidth = 218;
    for (const ContactColumn& column : std::as_const(m_columns)) {
        if (column.field == u"ragsoc"_s)
            nameWidth = column.width;
    }
    const bool wide = nameWidth + 30 < m_grid->width();
    if (wide == m_wide && m_appliedColumnCount == m_query->columnCount())
        return;
    captureColumns();
    m_wide = wide;
    applyColumns();
}

void ContactsTab::saveColumns()
{
    if (m_archiveFolder.isEmpty())
        return;
    captureColumns();
    QString error;
    if (!ColumnLayout::save(ColumnLayout::userFile(m_archiveFolder), m_columns, &error))
        report(error);
}

void ContactsTab::restoreDefaultColumns()
{
    if (m_archiveFolder.isEmpty())
        return;
    if (const auto loaded = ColumnLayout::load(ColumnLayout::defaultFile(m_archiveFolder))) {
        m_columns = *loaded;
        applyColumns();
    }
    const QString user = ColumnLayout::userFile(m_archiveFolder);
    if (QFile::exists(user))
        QFile::remove(user);
}

void ContactsTab::autosizeColumns()
{
    captureColumns();
    m_grid->hide();
    m_query->fetchAll();
    const QFontMetrics metrics(m_grid->font());
    for (ContactColumn& column : m_columns) {
        if (column.field == ContactQuery::noteMarkColumn()) {
            column.width = ColumnLayout::kNoteMarkWidth;
            continue;
        }
        const int logical = m_query->columnOf(column.field);
        int widest = metrics.horizontalAdvance(column.field);
        if (logical >= 0) {
            for (int row = 0; row < m_query->rowCount(); ++row)
                widest = qMax(widest, metrics.horizontalAdvance(
                                          m_query->data(m_query->index(row, logical)).toString().trimmed()));
        }
        column.width = widest + 10;
    }
    applyColumns();
    m_grid->show();
    selectRow(0);
}

bool ContactsTab::saveLayoutForDefaultSize()
{
    if (m_wide || m_archiveFolder.isEmpty())
        return false;
    QList<ContactColumn> all = m_columns;
    for (ContactColumn& column : all)
        column.visible = true;
    QString error;
    if (!ColumnLayout::save(ColumnLayout::userFile(m_archiveFolder), all, &error)) {
        report(error);
        return false;
    }
    return true;
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
        const QStringList kinds = {u"One Shot"_s, u"Yearly"_s, u"Monthly"_s, u"Weekly"_s};
        for (int kind = 0; kind < kinds.size(); ++kind) {
            connect(task->addAction(kinds[kind]), &QAction::triggered, this,
                    [this, kind] { Q_EMIT insertTaskRequested(kind); });
        }
        connect(insert->addAction(u"Contact"_s), &QAction::triggered, this, [this] {
            if (!commandsBlocked())
                Q_EMIT insertRequested();
        });
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
        } else if (event->type() == QEvent::Resize) {
            updateColumnVisibility();
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
