#include "documents/widgets/ReportController.h"

#include "agenda/TaskListQuery.h"
#include "agenda/widgets/AgendaController.h"
#include "agenda/widgets/TaskListTab.h"
#include "agenda/widgets/TodayTab.h"
#include "contacts/widgets/ContactsTab.h"
#include "documents/Reports.h"
#include "documents/TaskDocuments.h"
#include "documents/widgets/PrintPath.h"
#include "platform/Clock.h"
#include "platform/widgets/MessageBox.h"
#include "store/SettingsRecord.h"
#include "themes/ColorText.h"
#include "to_do/ToDoQuery.h"
#include "to_do/widgets/ToDoTab.h"

#include <QApplication>
#include <QPalette>
#include <QSqlError>
#include <QSqlQuery>
#include <QToolButton>

namespace brivane::documents::widgets {

ReportController::ReportController(QWidget* window, const store::SettingsRecord& settings,
                                   shell::AgendaController* agenda, contacts::widgets::ContactsTab* contacts,
                                   to_do::widgets::ToDoTab* toDo, QObject* parent)
    : QObject(parent), m_window(window), m_settings(settings), m_agenda(agenda), m_contacts(contacts),
      m_toDo(toDo)
{
    const char* const listButtons[] = {"SpeedButtonDupliShot", "SpeedButtonDupliYear",
                                       "SpeedButtonDupliMonth", "SpeedButtonDupliWeek"};
    for (int kind = 0; kind < 4; ++kind)
        attach(agenda->listTab(kind)->findChild<QToolButton*>(QLatin1String(listButtons[kind])), kind);
    attach(agenda->todayTab()->findChild<QToolButton*>(QStringLiteral("SpeedButtonPrintToday")), Today);
    attach(contacts->findChild<QToolButton*>(QStringLiteral("SpeedButtonPrint_Contact")), Contacts);
    // The contact list's own pop-up menu asks for the preview or the printer directly.
    connect(contacts, &contacts::widgets::ContactsTab::printRequested, this, [this](bool preview) {
        runPrintAction(m_window, preview ? PrintAction::Preview : PrintAction::Print, printableOf(Contacts));
    });
    toDo->setPrintAvailable(true);
    auto* toDoPrint = toDo->findChild<QToolButton*>(QStringLiteral("SpeedButtonPrintToDo"));
    connect(toDo, &to_do::widgets::ToDoTab::printRequested, this,
            [this, toDoPrint] { popupPrintMenu(toDoPrint, [this] { return printableOf(ToDo); }); });
}

void ReportController::attach(QWidget* button, int tab)
{
    auto* toolButton = qobject_cast<QToolButton*>(button);
    if (!toolButton)
        return;
    connect(toolButton, &QToolButton::clicked, this, [this, toolButton, tab] {
        popupPrintMenu(toolButton, [this, tab] { return printableOf(tab); });
    });
}

Printable ReportController::printableOf(int tab) const
{
    ReportData data;
    QString error;
    if (!reportOf(tab, data, &error)) {
        if (!error.isEmpty())
            platform::MessageBox::warning(m_window, error);
        // Nothing to print: an empty page set.
        return {QString(), false, [](QPagedPaintDevice&, const PageProgress&, bool) { return false; }};
    }
    return reportPrintable(data, data.definition.title.trimmed());
}

bool ReportController::reportOf(int tab, ReportData& data, QString* error) const
{
    auto readList = [&](int kind, QList<QSqlRecord>& rows) {
        const agenda::TaskListQuery* list = m_agenda->listQuery(kind);
        const QString statement = list->statement();
        QSqlQuery query(m_db);
        query.setForwardOnly(true);
        if (!query.prepare(statement)) {
            if (error)
                *error = query.lastError().text();
            return false;
        }
        list->bind(query, statement);
        if (!query.exec()) {
            if (error)
                *error = query.lastError().text();
            return false;
        }
        return readAllRows(query, rows, error);
    };
    QList<QSqlRecord> rows;
    switch (tab) {
    case OneShot:
    case Yearly:
    case Monthly:
    case Weekly:
        if (!readList(tab, rows))
            return false;
        data = taskListReport(flagOfSection(tab), rows,
                              tab == Yearly ? m_settings.dataYear : m_settings.dataShot);
        break;
    case Today: {
        const agenda::TodayQuery* today = m_agenda->todayQuery();
        for (int row = 0; row < today->rowCount(); ++row)
            rows << today->record(row);
        data = todayReport(rows, m_agenda->viewedDate());
        break;
    }
    case Contacts: {
        const contacts::ContactSearch search = m_contacts->query()->search;
        QSqlQuery query(m_db);
        query.setForwardOnly(true);
        if (!query.prepare(search.statement())) {
            if (error)
                *error = query.lastError().text();
            return false;
        }
        search.bind(query);
        if (!query.exec() || !readAllRows(query, rows, error)) {
            if (error && error->isEmpty())
                *error = query.lastError().text();
            return false;
        }
        data = contactsReport(rows, m_contacts->groupFilterText());
        break;
    }
    case ToDo:
        data = toDoReport(m_toDo->query()->items());
        break;
    default:
        return false;
    }
    const QPalette palette = QApplication::palette();
    data.definition.sectionColor =
        themes::colorFromText(m_settings.sectionColors.value(tab), palette.color(QPalette::Window));
    data.definition.captionColor = palette.color(QPalette::WindowText);
    data.definition.printedAt = platform::Clock::instance().now();
    return true;
}

} // namespace brivane::documents::widgets
