#pragma once

#include "contacts/CsvExport.h"
#include "contacts/CsvImport.h"

#include <QColor>
#include <QDialog>
#include <QList>
#include <QObject>
#include <QSqlDatabase>
#include <QString>

class QCheckBox;
class QComboBox;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QStackedWidget;
class QTableView;

namespace brivane::contacts::widgets {

class CsvPreviewModel;

// The import dialog "Import contacts". Step 1 picks the file and the
// delimiter and previews the file as a table; step 2 associates file columns
// with the contact fields, sets the mode and the options, and imports
// ("Import!"), as often as wanted. The dialog never blocks its caller; every
// question and message goes through the platform message box, the file
// picker through the platform file dialog.
//
// Every import runs in one transaction (see CsvImport): when it fails or is
// interrupted with Esc, the archive is as before, the counter turns red and
// a message tells why and where. A completed import turns the counter green
// and emits contactsImported().
class ContactImportDialog : public QDialog
{
    Q_OBJECT

public:
    explicit ContactImportDialog(QSqlDatabase db, QWidget* parent = nullptr,
                                 const QColor& color = defaultColor());
    ~ContactImportDialog() override;

    // The default colour of the title and border (the contact section colour).
    static QColor defaultColor() { return QColor(0x4E, 0x9A, 0x9A); }
    // The text the mode box shows for a mode.
    static QString modeDescription(ImportMode mode);
    static QString modeName(ImportMode mode);
    // The report title during and after an import in a mode.
    static QString reportTitle(ImportMode mode);

    // Reads the file with the chosen delimiter and shows it, as the "File"
    // button does after its picker. False (with a message) when the file can
    // not be read; the dialog then holds no lines.
    bool loadFile(const QString& path);
    const CsvTable& table() const { return m_table; }
    ImportMapping mapping() const;
    ImportOptions options() const;
    bool isImporting() const { return m_importing; }

Q_SIGNALS:
    // An import was committed. groupAdded: the added-group option was on, so
    // the contact group names changed.
    void contactsImported(bool groupAdded);

public Q_SLOTS:
    void chooseFile();
    void startImport();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void buildWindow(const QColor& color);
    QWidget* buildFilePage();
    QWidget* buildAssociationPage();
    void connectControls();

    void showStep(int step);
    void delimiterChanged();
    void fillAssociationLists();
    void associateCompleteExport();
    void modeChanged();
    void deleteOptionToggled(bool on);
    void toggleConcatenate();
    void resetReport();
    void setCounter(int count);
    void colourCounter(bool completed);
    QChar delimiter() const;

    QSqlDatabase m_db;
    CsvTable m_table;
    // The file last chosen, reloaded when the delimiter changes.
    QString m_path;
    // The path of the last committed import while the dialog is open.
    QString m_lastImported;
    bool m_importing = false;
    bool m_interruptRequested = false;

    QStackedWidget* m_steps = nullptr;
    QPushButton* m_file = nullptr;
    QComboBox* m_delimiter = nullptr;
    QLabel* m_status = nullptr;
    QProgressBar* m_loadProgress = nullptr;
    QLabel* m_hint = nullptr;
    QTableView* m_preview = nullptr;
    CsvPreviewModel* m_previewModel = nullptr;

    // [field][slot]: the main list and the two extra lists of each field.
    QList<QList<QComboBox*>> m_lists;
    QList<QComboBox*> m_extraLists;
    QPushButton* m_concatenate = nullptr;
    QComboBox* m_mode = nullptr;
    QPlainTextEdit* m_modeText = nullptr;
    QCheckBox* m_skipFirst = nullptr;
    QCheckBox* m_deleteAll = nullptr;
    QCheckBox* m_addGroup = nullptr;
    QComboBox* m_group = nullptr;
    QLabel* m_reportTitle = nullptr;
    QLabel* m_counter = nullptr;
    QProgressBar* m_importProgress = nullptr;

    QPushButton* m_back = nullptr;
    QPushButton* m_next = nullptr;
    QPushButton* m_import = nullptr;
    QPushButton* m_close = nullptr;
};

// The export and import commands of the Contacts tab: the file picker, the
// import dialog and every message around them.
class CsvCommands : public QObject
{
    Q_OBJECT

public:
    explicit CsvCommands(QWidget* window, QObject* parent = nullptr);

    void setDatabase(const QSqlDatabase& db) { m_db = db; }
    // The colour of the import dialog's title and border.
    void setSectionColor(const QColor& color) { m_color = color; }

    // The menu of the export button: "CSV complete" and "CSV chopped [Beta]";
    // each entry emits exportRequested() with its layout.
    QMenu* createExportMenu(QWidget* parent);

    // Asks for the file name ("Export contacts", starting in the desktop
    // folder with the proposed name) and writes the listed contacts, in the
    // order of the keys. True when the file was written; a cancelled picker
    // writes nothing; a failure is reported with a message.
    bool exportContacts(CsvLayout layout, const QList<qint64>& listedKeys, const QString& groupFilter);

    // Opens the import dialog without blocking; it deletes itself when closed.
    ContactImportDialog* openImport();

Q_SIGNALS:
    void exportRequested(brivane::contacts::CsvLayout layout);
    // A file was written: the first row of the contact list becomes current.
    void exported(const QString& path);
    // Forwarded from the import dialog after every committed import.
    void contactsImported(bool groupAdded);

private:
    QWidget* m_window;
    QSqlDatabase m_db;
    QColor m_color = ContactImportDialog::defaultColor();
};

} // namespace brivane::contacts::widgets
