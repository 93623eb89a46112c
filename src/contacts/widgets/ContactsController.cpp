#include "contacts/widgets/ContactsController.h"

#include "contacts/widgets/ContactsTab.h"
#include "contacts/widgets/CsvCommands.h"
#include "contacts/ContactQuery.h"
#include "agenda/widgets/AgendaController.h"
#include "agenda/widgets/TaskListTab.h"

#include <QLineEdit>
#include <QMenu>
#include <QToolButton>

namespace brivane::shell {

ContactsController::ContactsController(QWidget* window, const store::SettingsRecord& settings,
                                       AgendaController* agenda, QObject* parent)
    : QObject(parent), m_window(window), m_agenda(agenda)
{
    m_tab = new contacts::widgets::ContactsTab(settings);
    m_tab->setObjectName(QStringLiteral("TabSheetContact"));
    m_csv = new contacts::widgets::CsvCommands(window, this);

    m_context.entry = &agenda->entryContext();
    m_context.prepareEntry = [this] { m_agenda->prepareEntryContext(); };
    m_context.settings = &settings;
    m_context.tasksChanged = [this] { m_agenda->runList(AgendaController::Yearly); };
    m_context.setYearlySearchText = [this](const QString& text) {
        m_agenda->listTab(AgendaController::Yearly)->searchField()->setText(text);
    };

    connect(m_tab, &contacts::widgets::ContactsTab::insertRequested, this, &ContactsController::openAdd);
    connect(m_tab, &contacts::widgets::ContactsTab::modifyRequested, this, &ContactsController::openModify);
    connect(m_tab, &contacts::widgets::ContactsTab::countChanged, this, &ContactsController::countChanged);
    connect(m_tab, &contacts::widgets::ContactsTab::failed, this, &ContactsController::failed);
    connect(m_tab, &contacts::widgets::ContactsTab::yearlyListChanged, this,
            [this] { m_agenda->runList(AgendaController::Yearly); });
    connect(m_tab, &contacts::widgets::ContactsTab::insertTaskRequested, this,
            [this](int kind) { openTaskWithContact(kind); });
    connect(m_agenda, &AgendaController::yearlyTasksChanged, m_tab, &contacts::widgets::ContactsTab::runSearch);
    connect(m_tab, &contacts::widgets::ContactsTab::importRequested, m_csv, [this] { m_csv->openImport(); });

    // The export button offers the two layouts.
    if (auto* exportButton = m_tab->findChild<QToolButton*>(QStringLiteral("SpeedButtonCSV"))) {
        exportButton->setMenu(m_csv->createExportMenu(exportButton));
        exportButton->setPopupMode(QToolButton::InstantPopup);
    }
    connect(m_csv, &contacts::widgets::CsvCommands::exportRequested, this, [this](contacts::CsvLayout layout) {
        contacts::ContactQuery* query = m_tab->query();
        query->fetchAll();
        QList<qint64> keys;
        for (int row = 0; row < query->rowCount(); ++row)
            keys << query->keyAt(row);
        m_csv->exportContacts(layout, keys, m_tab->groupFilterText());
    });
    connect(m_csv, &contacts::widgets::CsvCommands::exported, this, [this] { m_tab->selectRow(0); });
    connect(m_csv, &contacts::widgets::CsvCommands::contactsImported, this, [this](bool groupAdded) {
        if (groupAdded)
            m_tab->loadGroups();
        m_tab->resetSearch();
        m_tab->runSearch();
    });
}

void ContactsController::setArchive(const QSqlDatabase& db, const QString& archiveFolder, const QString& programFolder)
{
    m_context.db = db;
    m_context.programFolder = programFolder;
    m_tab->setDatabase(db);
    m_tab->setArchiveFolder(archiveFolder);
    m_tab->setProgramFolder(programFolder);
    m_csv->setDatabase(db);
}

void ContactsController::clear()
{
    m_tab->clearResults();
    m_tab->setDatabase(QSqlDatabase());
    m_csv->setDatabase(QSqlDatabase());
    m_context.db = QSqlDatabase();
}

void ContactsController::openAdd()
{
    auto* dialog = contacts::widgets::ContactDialog::openAdd(m_context, m_tab->groupFilterText(), m_window);
    if (!dialog)
        return;
    connect(dialog, &contacts::widgets::ContactDialog::contactSaved, this, &ContactsController::contactSaved);
    connect(dialog, &QDialog::finished, m_tab, [this] { m_tab->insertFinished(); });
}

void ContactsController::openModify(qint64 codcon, bool bigNote)
{
    auto* dialog = contacts::widgets::ContactDialog::openModify(m_context, codcon, bigNote, m_window);
    if (!dialog)
        return;
    connect(dialog, &contacts::widgets::ContactDialog::contactSaved, this, &ContactsController::contactSaved);
    connect(dialog, &QDialog::finished, m_tab, [this] {
        m_tab->modifyFinished();
        m_agenda->runList(AgendaController::Yearly);
    });
}

void ContactsController::openTaskWithContact(int kind)
{
    // The add dialog starts from the selected contact's name, in its
    // description and its link; the shared state forgets it once open.
    agenda::EntryContext& entry = m_agenda->entryContext();
    entry.contactName = m_tab->currentName();
    entry.contactEmail.clear();
    m_agenda->openTaskDialog(kind, -1, false);
    entry.contactName.clear();
}

void ContactsController::contactSaved()
{
    m_tab->loadGroups();
    m_tab->runSearch();
}

} // namespace brivane::shell
