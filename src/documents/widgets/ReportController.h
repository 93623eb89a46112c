#pragma once

#include "documents/ReportPainter.h"

#include <QObject>
#include <QSqlDatabase>

class QTabWidget;
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

// The printed reports of the seven lists: each list's Print button pops up
// the print menu, and the report holds the rows the list holds now, in its
// order. The report reads its own copy of the rows, so the lists never
// move and their row-change handlers never run meanwhile.
class ReportController : public QObject
{
    Q_OBJECT

public:
    // The main tabs in their order, as the window's tab widget holds them.
    enum Tab { OneShot, Yearly, Monthly, Weekly, Today, Contacts, Notes, ToDo, Options };

    ReportController(QWidget* window, const store::SettingsRecord& settings, shell::AgendaController* agenda,
                     contacts::widgets::ContactsTab* contacts, to_do::widgets::ToDoTab* toDo,
                     QObject* parent = nullptr);

    void setDatabase(const QSqlDatabase& db) { m_db = db; }
    // The report of a list tab; false for the Notes and Options tabs and
    // when the rows cannot be read (`error` says why).
    bool reportOf(int tab, ReportData& data, QString* error = nullptr) const;

private:
    void attach(QWidget* button, int tab);
    Printable printableOf(int tab) const;

    QWidget* m_window;
    const store::SettingsRecord& m_settings;
    shell::AgendaController* m_agenda;
    contacts::widgets::ContactsTab* m_contacts;
    to_do::widgets::ToDoTab* m_toDo;
    QSqlDatabase m_db;
};

} // namespace brivane::documents::widgets
