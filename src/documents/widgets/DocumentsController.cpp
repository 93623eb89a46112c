#include "documents/widgets/DocumentsController.h"

#include "agenda/TaskListQuery.h"
#include "agenda/widgets/AgendaController.h"
#include "agenda/widgets/TodayTab.h"
#include "contacts/widgets/ContactsTab.h"
#include "documents/BookDocuments.h"
#include "documents/TaskDocuments.h"
#include "documents/TodayCsv.h"
#include "documents/widgets/DocumentsPage.h"
#include "platform/Clock.h"
#include "platform/Shell.h"
#include "platform/widgets/FileDialog.h"
#include "platform/widgets/MessageBox.h"
#include "store/SettingsRecord.h"
#include "to_do/ToDoQuery.h"
#include "to_do/widgets/ToDoTab.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QToolButton>
#include <QWidget>

namespace brivane::documents::widgets {

namespace {
constexpr int kDocumentPointSize = 10;

QString proposedPath(const QString& name)
{
    // A name may hold characters a file name cannot ("d-mm-yyyy" cannot, a group could).
    QString safe = name;
    safe.replace(QLatin1Char('/'), QLatin1Char('-'));
    return QDir(platform::Shell::desktopFolder()).filePath(safe);
}
} // namespace

DocumentsController::DocumentsController(QWidget* window, const store::SettingsRecord& settings,
                                         shell::AgendaController* agenda,
                                         contacts::widgets::ContactsTab* contacts,
                                         to_do::widgets::ToDoTab* toDo, QObject* parent)
    : QObject(parent), m_window(window), m_settings(settings), m_agenda(agenda), m_contacts(contacts),
      m_toDo(toDo)
{
    if (auto* button = agenda->todayTab()->findChild<QToolButton*>(QStringLiteral("SpeedButtonEportToday")))
        connect(button, &QToolButton::clicked, this, &DocumentsController::exportToday);
}

void DocumentsController::attachPage(DocumentsPage* page)
{
    connect(page, &DocumentsPage::produceRequested, this,
            [this, page](int document) { produce(page, document); });
}

void DocumentsController::produce(DocumentsPage* page, int document)
{
    switch (document) {
    case DocumentsPage::DailyPlan:
        produceDailyPlan(page);
        break;
    case DocumentsPage::Week:
        produceWeek(page);
        break;
    case DocumentsPage::List:
        produceList(page);
        break;
    case DocumentsPage::Contacts:
        produceContacts(page);
        break;
    case DocumentsPage::ToDo:
        produceToDo(page);
        break;
    }
}

bool DocumentsController::chooseFile(const QString& proposedName, QString& path, DocumentFormat& format)
{
    QString filter;
    path = platform::FileDialog::saveFile(m_window, QStringLiteral("Produce document"),
                                          proposedPath(proposedName), documentFilter(), &filter);
    if (path.isEmpty())
        return false;
    format = formatOfFilter(filter);
    path = withExtension(path, format);
    return true;
}

void DocumentsController::save(const QString& path, DocumentFormat format, const DocumentBuffer& buffer)
{
    QString error;
    if (!saveDocument(path, format, buffer, QApplication::font().family(), kDocumentPointSize, &error))
        reportError(error);
}

void DocumentsController::reportError(const QString& message)
{
    platform::MessageBox::warning(m_window, message);
}

void DocumentsController::restoreViewedDate(const QDate& date)
{
    m_agenda->viewDate(date);
    m_agenda->refreshToday();
}

void DocumentsController::produceDailyPlan(DocumentsPage* page)
{
    const DailyPlanOptions options = page->dailyPlanOptions();
    const QDate viewed = m_agenda->viewedDate();
    // The Today view shows the first day of the plan while the file is chosen.
    m_agenda->viewDate(options.start);
    m_agenda->refreshToday();
    QString path;
    DocumentFormat format;
    if (chooseFile(dailyPlanTitle(options.start, options.end), path, format)) {
        DocumentBuffer buffer;
        QString error;
        if (buildDailyPlan(m_db, options, m_settings.dataShot, buffer, &error))
            save(path, format, buffer);
        else
            reportError(error);
    }
    restoreViewedDate(viewed);
}

void DocumentsController::produceWeek(DocumentsPage* page)
{
    const QDate viewed = m_agenda->viewedDate();
    m_agenda->viewDate(mondayOf(viewed));
    m_agenda->refreshToday();
    QString path;
    DocumentFormat format;
    if (chooseFile(weeklyTasksTitle(), path, format)) {
        DocumentBuffer buffer;
        QString error;
        if (buildWeeklyTasks(m_db, viewed, m_agenda->todayTab()->showSuspended(), page->weeklyOptions(),
                             buffer, &error))
            save(path, format, buffer);
        else
            reportError(error);
    }
    restoreViewedDate(viewed);
}

void DocumentsController::produceList(DocumentsPage* page)
{
    const int section = page->listSection();
    QString path;
    DocumentFormat format;
    if (!chooseFile(listSectionNames().value(section), path, format))
        return;
    // A copy of the list's own statement and search reads the rows the list shows.
    const agenda::TaskListQuery* list = m_agenda->listQuery(section);
    QSqlQuery query(m_db);
    query.setForwardOnly(true);
    const QString statement = list->statement();
    QList<QSqlRecord> rows;
    QString error;
    bool ok = query.prepare(statement);
    if (ok) {
        list->bind(query, statement);
        ok = query.exec() && readAllRows(query, rows, &error);
    }
    if (!ok) {
        reportError(error.isEmpty() ? query.lastError().text() : error);
        return;
    }
    DocumentBuffer buffer;
    buildListDocument(section, rows, page->listOptions(),
                      section == 1 ? m_settings.dataYear : m_settings.dataShot, buffer);
    save(path, format, buffer);
}

void DocumentsController::produceContacts(DocumentsPage* page)
{
    const QString group = m_contacts->groupFilterText();
    QString path;
    DocumentFormat format;
    if (!chooseFile(contactsDocumentName(group), path, format))
        return;
    const contacts::ContactSearch search = m_contacts->query()->search;
    QSqlQuery query(m_db);
    query.setForwardOnly(true);
    QList<QSqlRecord> rows;
    QString error;
    bool ok = query.prepare(search.statement());
    if (ok) {
        search.bind(query);
        ok = query.exec() && readAllRows(query, rows, &error);
    }
    if (!ok) {
        reportError(error.isEmpty() ? query.lastError().text() : error);
        return;
    }
    DocumentBuffer buffer;
    buildContactsDocument(group, platform::Clock::instance().today(), rows, page->contactFields(), buffer);
    save(path, format, buffer);
}

void DocumentsController::produceToDo(DocumentsPage* page)
{
    const QDate today = platform::Clock::instance().today();
    QString path;
    DocumentFormat format;
    if (!chooseFile(toDoDocumentName(today), path, format))
        return;
    DocumentBuffer buffer;
    buildToDoDocument(today, m_toDo->query()->items(), page->toDoOptions(), buffer);
    save(path, format, buffer);
}

void DocumentsController::exportToday()
{
    const agenda::TodayQuery* today = m_agenda->todayQuery();
    QString path = platform::FileDialog::saveFile(m_window, QStringLiteral("Export daily plan"),
                                                  proposedPath(todayCsvFileName(m_agenda->viewedDate())),
                                                  todayCsvFilter());
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".csv");
    QList<QSqlRecord> rows;
    for (int row = 0; row < today->rowCount(); ++row)
        rows << today->record(row);
    QString error;
    if (!saveFile(path, todayCsv(rows), &error))
        reportError(error);
    m_agenda->todayTab()->selectRow(0);
}

} // namespace brivane::documents::widgets
