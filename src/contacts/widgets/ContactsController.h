#pragma once

#include "contacts/widgets/ContactDialog.h"

#include <QObject>
#include <QSqlDatabase>

namespace brivane::contacts::widgets {
class ContactsTab;
class CsvCommands;
} // namespace brivane::contacts::widgets

namespace brivane::store {
struct SettingsRecord;
}

namespace brivane::shell {

class AgendaController;

// The address book part of the main window: the Contacts tab, the contact
// dialogs with their birthday link to the agenda, and the CSV commands.
class ContactsController : public QObject
{
    Q_OBJECT

public:
    ContactsController(QWidget* window, const store::SettingsRecord& settings, AgendaController* agenda,
                       QObject* parent = nullptr);

    contacts::widgets::ContactsTab* tab() const { return m_tab; }
    void setArchive(const QSqlDatabase& db, const QString& archiveFolder, const QString& programFolder);
    void setScalePercent(int percent) { m_context.scalePercent = percent; }
    // Forgets the connection before the archive closes.
    void clear();

Q_SIGNALS:
    void countChanged(int listed, int total);
    void failed(const QString& message);

private:
    void openAdd();
    void openModify(qint64 codcon, bool bigNote);
    void contactSaved();
    void openTaskWithContact(int kind);

    QWidget* m_window;
    AgendaController* m_agenda;
    contacts::widgets::ContactsTab* m_tab;
    contacts::widgets::CsvCommands* m_csv;
    contacts::widgets::ContactDialogContext m_context;
};

} // namespace brivane::shell
