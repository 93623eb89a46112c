#pragma once

#include "documents/DocumentBuffer.h"
#include "documents/DocumentWriters.h"

#include <QObject>
#include <QSqlDatabase>

#include <functional>

class QWidget;

namespace brivane::store {
struct SettingsRecord;
}
namespace brivane::shell {
class AgendaController;
}
namespace brivane::contacts::widgets {
class ContactsTab;
}
namespace brivane::to_do::widgets {
class ToDoTab;
}

namespace brivane::documents::widgets {

class DocumentsPage;

// Produces the five documents of the Documents page and the CSV export of
// the Today tab from the lists of the main window, as they are filtered now.
// Whatever happens to the file, the viewed date comes back as it was.
class DocumentsController : public QObject
{
    Q_OBJECT

public:
    DocumentsController(QWidget* window, const store::SettingsRecord& settings,
                        shell::AgendaController* agenda, contacts::widgets::ContactsTab* contacts,
                        to_do::widgets::ToDoTab* toDo, QObject* parent = nullptr);

    void setDatabase(const QSqlDatabase& db) { m_db = db; }
    // Connects a page's "Produce document" buttons.
    void attachPage(DocumentsPage* page);

    void produce(DocumentsPage* page, int document);
    void exportToday();

private:
    // Asks for the file; false when the dialog was cancelled.
    bool chooseFile(const QString& proposedName, QString& path, DocumentFormat& format);
    void save(const QString& path, DocumentFormat format, const DocumentBuffer& buffer);
    void reportError(const QString& message);
    void produceDailyPlan(DocumentsPage* page);
    void produceWeek(DocumentsPage* page);
    void produceList(DocumentsPage* page);
    void produceContacts(DocumentsPage* page);
    void produceToDo(DocumentsPage* page);
    void restoreViewedDate(const QDate& date);

    QWidget* m_window;
    const store::SettingsRecord& m_settings;
    shell::AgendaController* m_agenda;
    contacts::widgets::ContactsTab* m_contacts;
    to_do::widgets::ToDoTab* m_toDo;
    QSqlDatabase m_db;
};

} // namespace brivane::documents::widgets
