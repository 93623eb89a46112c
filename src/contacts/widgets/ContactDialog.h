#pragma once

#include "agenda/Task.h"
#include "contacts/ContactRecord.h"
#include "contacts/widgets/ContactDialogForm.h"

#include <QDialog>
#include <QSqlDatabase>
#include <QString>

#include <functional>
#include <optional>

class QMenu;
class QStackedWidget;
class QAction;

namespace brivane::agenda {
struct EntryContext;
}
namespace brivane::store {
struct SettingsRecord;
}

namespace brivane::contacts::widgets {

// What a contact dialog needs from the main window.
struct ContactDialogContext
{
    QSqlDatabase db;
    // The task entry state shared with the yearly dialogs of the birthday
    // menu; its linked contact code is the open Contact's key while a modify
    // dialog is open, and "nessuno" again when it closes.
    agenda::EntryContext* entry = nullptr;
    // Brings the entry state up to date before a yearly dialog opens.
    std::function<void()> prepareEntry;
    // With its trailing separator: the folder "pics" and the attachment
    // folders lie in it.
    QString programFolder;
    // The yearly date format (birthday caption) and the contact colour.
    const store::SettingsRecord* settings = nullptr;
    // The Yearly tab's delete command on a task, with its own confirmation.
    std::function<void(qint64 codimp)> deleteYearlyTask;
    // Called after any change of tasks the dialog makes (re-run the lists).
    std::function<void()> tasksChanged;
    // Sets the Yearly tab's search text: the name after Search linked a
    // task, empty after Search found or linked none.
    std::function<void(const QString& text)> setYearlySearchText;
    // Dialog enlargement, 100 to 150.
    int scalePercent = 100;
};

// The add ("Insert Contact") and modify ("Modify Contact") dialogs of a
// Contact: the fields of BRcon63, the picture, the group and, in the modify
// dialog, the birthday link to a yearly task.
//
// The dialog never blocks its caller: openAdd()/openModify() show it
// window-modal with open() and it deletes itself when it closes. Every
// successful save emits contactSaved() (re-run the contact search, reload
// the contact group names). "Insert" saves and empties the fields for the
// next Contact; "Insert and close" and "Modify" save and close; "Close" and
// Esc close without saving.
class ContactDialog : public QDialog
{
    Q_OBJECT

public:
    // Modify dialogs load the row `codcon`; add dialogs ignore it.
    ContactDialog(ContactDialogMode mode, ContactDialogContext context, qint64 codcon = 0,
                  QWidget* parent = nullptr);
    ~ContactDialog() override;

    // The add dialog, its group field holding the Contacts tab's group filter text.
    static ContactDialog* openAdd(const ContactDialogContext& context, const QString& groupText,
                                  QWidget* parent);
    // The modify dialog of a Contact, with the note area expanded when asked.
    // Nothing (after a warning) when the row cannot be read.
    static ContactDialog* openModify(const ContactDialogContext& context, qint64 codcon, bool bigNote,
                                     QWidget* parent);

    ContactDialogMode mode() const { return m_mode; }
    // The Contact a modify dialog works on (0 for an add dialog).
    qint64 codcon() const { return m_codcon; }
    // False when a modify dialog could not read its row.
    bool isLoaded() const { return m_loaded; }

    // The fields as the save would write them (name rule applied).
    Contact contact() const;
    // The picture file held for `foto`; empty when there is none.
    QString photoPath() const { return m_photoPath; }
    // Shows a picture and holds its path; an empty path removes the picture.
    bool setPhoto(const QString& path);

    // The birthday task linked to the Contact, as last looked up.
    const std::optional<agenda::Task>& linkedTask() const { return m_link; }
    QMenu* birthdayMenu() const { return m_birthdayMenu; }
    QMenu* photoMenu() const { return m_photoMenu; }

    void showBigNote(bool big);
    bool isBigNoteShown() const;

    // The birthday menu's entries.
    void birthdayInsertOrModify();
    void birthdaySearch();
    void birthdayUnlink();
    void birthdayDelete();

public Q_SLOTS:
    void done(int result) override;

Q_SIGNALS:
    // A Contact was inserted or updated; its key.
    void contactSaved(qint64 codcon);
    // A new contact group name was registered by a save.
    void groupsChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildWindow();
    void buildMenus();
    void connectFields();

    void startAdd(const QString& groupText);
    void startModify();
    void fill(const Contact& contact);
    void clearForNext();
    void loadGroupNames();

    void updateSaveButtons();
    void attachmentEdited(std::size_t row);
    void attachFile(std::size_t row);
    void attachFolder(std::size_t row);
    void setAttachmentPicked(std::size_t row, const QString& path);
    void noteEdited(bool fromBig);

    void birthdayClicked();
    void photoClicked();
    void photoOpen();
    void refreshLink();
    void notifyTasksChanged();
    void setYearlySearch(const QString& text);

    void showHelp();
    void print();
    bool save();

    QColor contactColor() const;
    QString yearlyFormat() const;

    ContactDialogMode m_mode;
    ContactDialogContext m_context;
    qint64 m_codcon;
    bool m_loaded = true;
    QString m_photoPath;
    std::optional<agenda::Task> m_link;
    bool m_syncingNote = false;

    ContactDialogForm m_form;
    QStackedWidget* m_pages = nullptr;
    QMenu* m_birthdayMenu = nullptr;
    QAction* m_birthdayFirst = nullptr;
    QAction* m_birthdaySearch = nullptr;
    QAction* m_birthdayUnlink = nullptr;
    QAction* m_birthdayDelete = nullptr;
    QMenu* m_photoMenu = nullptr;
};

} // namespace brivane::contacts::widgets
