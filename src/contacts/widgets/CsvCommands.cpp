#include "contacts/widgets/CsvCommands.h"

#include "agenda/widgets/DialogChrome.h"
#include "platform/Clock.h"
#include "platform/Shell.h"
#include "platform/widgets/FileDialog.h"
#include "platform/widgets/MessageBox.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableView>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace brivane::contacts::widgets {

using platform::MessageBox;

namespace {

// The labels and list names of the eleven fields, in CsvField order.
struct FieldLists
{
    const char* label;
    const char* lists[ImportMapping::kSlots];
};

const FieldLists kFieldLists[kCsvFieldCount] = {
    {"Name", {"ComboBox_ragsoc", "ComboBox_cognome", "ComboBox_soprannome"}},
    {"Società", {"ComboBox_company", "ComboBox_company2", "ComboBox_company3"}},
    {"Phone", {"ComboBox_tel", "ComboBox_tel2", "ComboBox_tel3"}},
    {"Mobile", {"ComboBox_mobile", "ComboBox_mobile2", "ComboBox_mobile3"}},
    {"Skype", {"ComboBox_skype", "ComboBox_skype2", "ComboBox_skype3"}},
    {"Fax", {"ComboBox_fax", "ComboBox_fax2", "ComboBox_fax3"}},
    {"E-mail", {"ComboBox_email", "ComboBox_email2", "ComboBox_email3"}},
    {"Web", {"ComboBox_site", "ComboBox_site2", "ComboBox_site3"}},
    {"Address", {"ComboBox_indirizzo", "ComboBox_indirizzo2", "ComboBox_indirizzo3"}},
    {"Note", {"ComboBox_note", "ComboBox_note2", "ComboBox_note3"}},
    {"Group", {"ComboBox_gruppo", "ComboBox_gruppo2", "ComboBox_gruppo3"}},
};

const ImportMode kModes[] = {ImportMode::SkipDuplicates, ImportMode::UpdateExisting, ImportMode::CreateNew,
                             ImportMode::DataIntegration};

// Events are processed every so many lines while importing: often enough
// for Esc and the counter, rarely enough not to slow a large file down.
constexpr int kEventsEvery = 64;

const QString kOpenFilter = u"Comma Separated Value (*.csv);;Text file (*.txt);;All files (*)"_s;
const QString kSaveFilter = u"Comma Separated Value (*.csv)"_s;

QPushButton* button(const QString& text, const QString& name)
{
    auto* pushButton = new QPushButton(text);
    pushButton->setObjectName(name);
    // Enter belongs to the dialog (it closes step 1), not to the focused button.
    pushButton->setAutoDefault(false);
    pushButton->setDefault(false);
    return pushButton;
}

} // namespace

// The preview of the file: one row per line; with more than one line the
// first line is the header and the others are the rows.
class CsvPreviewModel : public QAbstractTableModel
{
public:
    explicit CsvPreviewModel(QObject* parent) : QAbstractTableModel(parent) {}

    void setTable(const CsvTable* table)
    {
        beginResetModel();
        m_table = table;
        endResetModel();
    }

    bool firstLineIsHeader() const { return m_table && m_table->size() > 1; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override
    {
        if (parent.isValid() || !m_table)
            return 0;
        return m_table->size() - (firstLineIsHeader() ? 1 : 0);
    }

    int columnCount(const QModelIndex& parent = QModelIndex()) const override
    {
        return parent.isValid() || !m_table ? 0 : m_table->columnCount();
    }

    QVariant data(const QModelIndex& index, int role) const override
    {
        if (!m_table || !index.isValid() || (role != Qt::DisplayRole && role != Qt::ToolTipRole))
            return {};
        const CsvRecord& record = m_table->records().at(index.row() + (firstLineIsHeader() ? 1 : 0));
        return index.column() < record.fields.size() ? record.fields.at(index.column()) : QString();
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (role != Qt::DisplayRole || !m_table)
            return {};
        if (orientation == Qt::Horizontal) {
            if (firstLineIsHeader() && section < m_table->firstLine().size())
                return m_table->firstLine().at(section);
            return QString::number(section + 1);
        }
        // The rows carry the file's line numbers, which the messages name.
        const int record = section + (firstLineIsHeader() ? 1 : 0);
        return record < m_table->size() ? QString::number(m_table->records().at(record).line) : QString();
    }

private:
    const CsvTable* m_table = nullptr;
};

// ---- ContactImportDialog ---------------------------------------------------------

ContactImportDialog::ContactImportDialog(QSqlDatabase db, QWidget* parent, const QColor& color)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_db(std::move(db))
{
    buildWindow(color);
    connectControls();
    modeChanged();
    resetReport();
    showStep(0);
}

ContactImportDialog::~ContactImportDialog() = default;

QString ContactImportDialog::modeName(ImportMode mode)
{
    switch (mode) {
    case ImportMode::SkipDuplicates:
        return u"Skip duplicates"_s;
    case ImportMode::UpdateExisting:
        return u"Update existing"_s;
    case ImportMode::CreateNew:
        return u"Create new"_s;
    case ImportMode::DataIntegration:
        return u"Data integration"_s;
    }
    return {};
}

QString ContactImportDialog::modeDescription(ImportMode mode)
{
    switch (mode) {
    case ImportMode::SkipDuplicates:
        return u"The \"Skip duplicates\" mode imports only the contacts of the file whose names are not yet "
               u"in "
               "the phonebook."_s;
    case ImportMode::UpdateExisting:
        return u"The \"Update existing\" mode not import new contacts, but replaces the contact's "
               u"information "
               "with the information present of the contacts that have the same names."_s;
    case ImportMode::CreateNew:
        return u"The \"Create new\" mode imports all contacts in the file without making any control."_s;
    case ImportMode::DataIntegration:
        return u"The \"Data integration\" mode fills the empty fields of the contacts whose names are "
               u"already "
               "in the phonebook with the information of the file, and imports the other contacts of the "
               "file "
               "as new."_s;
    }
    return {};
}

QString ContactImportDialog::reportTitle(ImportMode mode)
{
    switch (mode) {
    case ImportMode::UpdateExisting:
        return u"Contacts updated"_s;
    case ImportMode::DataIntegration:
        return u"Contatti imported e/o updated"_s;
    case ImportMode::SkipDuplicates:
    case ImportMode::CreateNew:
        break;
    }
    return u"Contacts imported"_s;
}

void ContactImportDialog::buildWindow(const QColor& color)
{
    setObjectName(u"TImportContactsForm"_s);
    setWindowTitle(u"Import contacts"_s);

    auto* frame = new agenda::widgets::KindFrame(color);
    frame->setObjectName(u"Frame_Dialog"_s);
    auto* titleBar = new agenda::widgets::DialogTitleBar(u"Import contacts"_s, color);
    auto* dragger = new agenda::widgets::WindowDragger(this);
    dragger->watch(titleBar);
    dragger->watch(frame);

    m_steps = new QStackedWidget;
    m_steps->setObjectName(u"PageControl_Steps"_s);
    m_steps->addWidget(buildFilePage());
    m_steps->addWidget(buildAssociationPage());

    m_back = button(u"<< Back"_s, u"Button_Back"_s);
    m_next = button(u"Next >>"_s, u"Button_Next"_s);
    m_import = button(u"Import!"_s, u"Button_Import"_s);
    m_close = button(u"Close"_s, u"Button_Close"_s);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_back);
    buttons->addWidget(m_next);
    buttons->addWidget(m_import);
    buttons->addWidget(m_close);

    auto* body = new QVBoxLayout;
    body->setContentsMargins(10, 8, 10, 10);
    body->addWidget(m_steps, 1);
    body->addLayout(buttons);

    auto* frameLayout = new QVBoxLayout(frame);
    const int border = agenda::widgets::KindFrame::kBorder;
    frameLayout->setContentsMargins(border, border, border, border);
    frameLayout->setSpacing(0);
    frameLayout->addWidget(titleBar);
    frameLayout->addLayout(body, 1);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(frame);
    resize(760, 560);
}

QWidget* ContactImportDialog::buildFilePage()
{
    auto* page = new QWidget;
    page->setObjectName(u"Page_File"_s);

    m_file = button(u"File"_s, u"Button_File"_s);
    m_delimiter = new QComboBox;
    m_delimiter->setObjectName(u"ComboBox_Delimiter"_s);
    for (QChar delimiter : CsvTable::delimiters())
        m_delimiter->addItem(QString(delimiter));
    auto* delimiterLabel = new QLabel(u"Delimiter"_s);
    delimiterLabel->setBuddy(m_delimiter);

    m_status = new QLabel;
    m_status->setObjectName(u"Label_Status"_s);
    m_loadProgress = new QProgressBar;
    m_loadProgress->setObjectName(u"ProgressBar_File"_s);
    m_loadProgress->setValue(0);
    m_hint = new QLabel;
    m_hint->setObjectName(u"Label_Hint"_s);
    m_hint->setWordWrap(true);

    m_previewModel = new CsvPreviewModel(this);
    m_preview = new QTableView;
    m_preview->setObjectName(u"StringGrid_Preview"_s);
    m_preview->setModel(m_previewModel);
    m_preview->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_preview->verticalHeader()->setDefaultSectionSize(m_preview->fontMetrics().height() + 6);

    auto* top = new QHBoxLayout;
    top->addWidget(m_file);
    top->addSpacing(12);
    top->addWidget(delimiterLabel);
    top->addWidget(m_delimiter);
    top->addSpacing(12);
    top->addWidget(m_status, 1);
    top->addWidget(m_loadProgress);

    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(top);
    layout->addWidget(m_hint);
    layout->addWidget(m_preview, 1);
    return page;
}

QWidget* ContactImportDialog::buildAssociationPage()
{
    auto* page = new QWidget;
    page->setObjectName(u"Page_Association"_s);

    auto* association = new QGroupBox(u" Combines BO fields with FILE fields "_s);
    association->setObjectName(u"GroupBox_Association"_s);
    auto* grid = new QGridLayout(association);
    for (int f = 0; f < kCsvFieldCount; ++f) {
        auto* label = new QLabel(QString::fromUtf8(kFieldLists[f].label));
        grid->addWidget(label, f, 0);
        QList<QComboBox*> slots;
        for (int slot = 0; slot < ImportMapping::kSlots; ++slot) {
            auto* list = new QComboBox;
            list->setObjectName(QLatin1String(kFieldLists[f].lists[slot]));
            list->setMinimumContentsLength(14);
            list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
            grid->addWidget(list, f, slot + 1);
            if (slot == 0)
                label->setBuddy(list);
            else
                m_extraLists << list;
            slots << list;
        }
        m_lists << slots;
    }
    m_concatenate = button(u"Concatenate other fields >>"_s, u"Button_Concatenate"_s);
    grid->addWidget(m_concatenate, kCsvFieldCount, 1);
    for (QComboBox* list : std::as_const(m_extraLists))
        list->setVisible(false);

    m_mode = new QComboBox;
    m_mode->setObjectName(u"ComboBoxModalita"_s);
    for (ImportMode mode : kModes)
        m_mode->addItem(modeName(mode));
    m_modeText = new QPlainTextEdit;
    m_modeText->setObjectName(u"Memo_Modalita"_s);
    m_modeText->setReadOnly(true);
    m_modeText->setMaximumHeight(m_modeText->fontMetrics().height() * 5);

    m_skipFirst = new QCheckBox(u"Do not import the first line of the file (field names)"_s);
    m_skipFirst->setObjectName(u"CheckBoxSaltaPrima"_s);
    m_deleteAll = new QCheckBox(u"Delete all contacts already entered before importing the new"_s);
    m_deleteAll->setObjectName(u"CheckBoxDelete"_s);
    m_addGroup = new QCheckBox(u"Add group"_s);
    m_addGroup->setObjectName(u"CheckBox_AssegnaGruppo"_s);
    m_group = new QComboBox;
    m_group->setObjectName(u"ComboBox_Contact_Group"_s);
    m_group->setEditable(true);
    m_group->setInsertPolicy(QComboBox::NoInsert);
    m_group->setEnabled(false);
    const QString imported = CsvImport::importedGroupName(platform::Clock::instance().today());
    QStringList names = CsvImport::contactGroupNames(m_db);
    if (!names.contains(imported))
        names << imported;
    m_group->addItems(names);
    m_group->setCurrentIndex(int(names.indexOf(imported)));

    auto* groupRow = new QHBoxLayout;
    groupRow->addWidget(m_addGroup);
    groupRow->addWidget(m_group, 1);

    auto* options = new QVBoxLayout;
    auto* modeLabel = new QLabel(u"Mode"_s);
    modeLabel->setBuddy(m_mode);
    options->addWidget(modeLabel);
    options->addWidget(m_mode);
    options->addWidget(m_modeText);
    options->addWidget(m_skipFirst);
    options->addWidget(m_deleteAll);
    options->addLayout(groupRow);

    m_reportTitle = new QLabel;
    m_reportTitle->setObjectName(u"Label_Report"_s);
    m_counter = new QLabel;
    m_counter->setObjectName(u"Label_Counter"_s);
    m_counter->setAlignment(Qt::AlignCenter);
    m_counter->setMinimumWidth(80);
    m_counter->setAutoFillBackground(true);
    QFont counterFont = m_counter->font();
    counterFont.setBold(true);
    m_counter->setFont(counterFont);
    m_importProgress = new QProgressBar;
    m_importProgress->setObjectName(u"ProgressBar_Import"_s);
    auto* report = new QHBoxLayout;
    report->addWidget(m_reportTitle);
    report->addWidget(m_counter);
    report->addWidget(m_importProgress, 1);
    options->addStretch();
    options->addLayout(report);

    auto* layout = new QHBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(association);
    layout->addLayout(options, 1);
    return page;
}

void ContactImportDialog::connectControls()
{
    connect(m_file, &QPushButton::clicked, this, &ContactImportDialog::chooseFile);
    connect(m_delimiter, &QComboBox::currentIndexChanged, this, &ContactImportDialog::delimiterChanged);
    connect(m_next, &QPushButton::clicked, this, [this] { showStep(1); });
    connect(m_back, &QPushButton::clicked, this, [this] { showStep(0); });
    connect(m_import, &QPushButton::clicked, this, &ContactImportDialog::startImport);
    connect(m_close, &QPushButton::clicked, this, &ContactImportDialog::reject);
    connect(m_concatenate, &QPushButton::clicked, this, &ContactImportDialog::toggleConcatenate);
    connect(m_mode, &QComboBox::currentIndexChanged, this, &ContactImportDialog::modeChanged);
    connect(m_deleteAll, &QCheckBox::toggled, this, &ContactImportDialog::deleteOptionToggled);
    connect(m_addGroup, &QCheckBox::toggled, m_group, &QWidget::setEnabled);
}

void ContactImportDialog::showStep(int step)
{
    m_steps->setCurrentIndex(step);
    m_back->setVisible(step == 1);
    m_next->setVisible(step == 0);
    m_import->setVisible(step == 1);
    m_next->setEnabled(!m_table.isEmpty());
}

QChar ContactImportDialog::delimiter() const
{
    const QList<QChar> delimiters = CsvTable::delimiters();
    const int index = m_delimiter->currentIndex();
    return index >= 0 && index < delimiters.size() ? delimiters.at(index) : delimiters.first();
}

void ContactImportDialog::chooseFile()
{
    const QString path = platform::FileDialog::openFile(this, u"Import contacts"_s,
                                                        platform::Shell::desktopFolder(), kOpenFilter);
    if (!path.isEmpty())
        loadFile(path);
}

void ContactImportDialog::delimiterChanged()
{
    if (!m_path.isEmpty() && QFileInfo::exists(m_path))
        loadFile(m_path);
}

bool ContactImportDialog::loadFile(const QString& path)
{
    m_path = path;
    m_status->setText(u"Optimizing file"_s);
    m_loadProgress->setRange(0, 1);
    m_loadProgress->setValue(0);
    m_previewModel->setTable(nullptr);

    QString error;
    const bool loaded = m_table.load(path, delimiter(), &error);
    m_next->setEnabled(!m_table.isEmpty());
    m_loadProgress->setRange(0, std::max(1, m_table.size()));
    m_loadProgress->setValue(m_table.size());
    fillAssociationLists();
    resetReport();
    if (!loaded) {
        m_status->clear();
        m_hint->clear();
        MessageBox::warning(this, error);
        return false;
    }

    m_status->setText(u"Creating preview"_s);
    m_previewModel->setTable(&m_table);
    m_status->setText(u"Contacts in the file: "_s + QString::number(m_table.size()));
    m_hint->setText(
        u"Inspect the preview below: If the data are not stacked properly try changing the delimiter."_s);
    if (CsvImport::isCompleteExport(m_table))
        associateCompleteExport();
    return true;
}

void ContactImportDialog::fillAssociationLists()
{
    const QStringList columns = m_table.firstLine();
    for (const QList<QComboBox*>& slots : std::as_const(m_lists)) {
        for (QComboBox* list : slots) {
            const QSignalBlocker blocker(list);
            list->clear();
            list->addItems(columns);
            // The last, empty entry: no column.
            list->addItem(QString());
            list->setCurrentIndex(list->count() - 1);
        }
    }
}

void ContactImportDialog::associateCompleteExport()
{
    for (int f = 0; f < kCsvFieldCount; ++f)
        m_lists.at(f).at(0)->setCurrentIndex(f);
    m_skipFirst->setChecked(true);
    m_deleteAll->setChecked(false);
    m_mode->setCurrentIndex(0);
}

ImportMapping ContactImportDialog::mapping() const
{
    ImportMapping mapping;
    const int columns = m_table.columnCount();
    for (int f = 0; f < kCsvFieldCount; ++f) {
        for (int slot = 0; slot < ImportMapping::kSlots; ++slot) {
            const int index = m_lists.at(f).at(slot)->currentIndex();
            mapping.setColumn(static_cast<CsvField>(f), slot,
                              index >= 0 && index < columns ? index : ImportMapping::kNone);
        }
    }
    return mapping;
}

ImportOptions ContactImportDialog::options() const
{
    ImportOptions options;
    const int mode = m_mode->currentIndex();
    options.mode = mode >= 0 && mode < int(std::size(kModes)) ? kModes[mode] : ImportMode::SkipDuplicates;
    options.skipFirstLine = m_skipFirst->isChecked();
    options.deleteAll = m_deleteAll->isChecked();
    options.addedGroup = m_addGroup->isChecked() ? m_group->currentText() : QString();
    return options;
}

void ContactImportDialog::modeChanged()
{
    m_modeText->setPlainText(modeDescription(options().mode));
}

void ContactImportDialog::deleteOptionToggled(bool on)
{
    if (on)
        MessageBox::warning(this,
                            u"I guess there is no need to explain that this option is irreversible. \rYou "
                            "will also loose the associations of contacts with birthdays."_s);
}

void ContactImportDialog::toggleConcatenate()
{
    const bool show = !m_extraLists.first()->isVisible();
    for (QComboBox* list : std::as_const(m_extraLists))
        list->setVisible(show);
    m_concatenate->setText(show ? u"<< Concatenate other fields"_s : u"Concatenate other fields >>"_s);
}

void ContactImportDialog::resetReport()
{
    m_reportTitle->setText(u"Contacts inserted / modified"_s);
    m_counter->setPalette(QPalette());
    setCounter(0);
    m_importProgress->setRange(0, 1);
    m_importProgress->setValue(0);
}

void ContactImportDialog::setCounter(int count)
{
    m_counter->setText(QString::number(count));
}

void ContactImportDialog::colourCounter(bool completed)
{
    QPalette palette = m_counter->palette();
    palette.setColor(QPalette::Window, completed ? QColor(0, 128, 0) : QColor(255, 0, 0));
    palette.setColor(QPalette::WindowText, Qt::white);
    m_counter->setPalette(palette);
}

void ContactImportDialog::startImport()
{
    if (m_importing)
        return;
    const ImportMapping mapping = this->mapping();
    if (!mapping.hasName()) {
        MessageBox::warning(this, CsvImport::nameMissingMessage());
        return;
    }
    const QString path = m_table.path();
    if (!m_lastImported.isEmpty() && m_lastImported == path &&
        MessageBox::question(this, u"Do you want to re-import \""_s + path + u"\" ?"_s) !=
            MessageBox::Answer::Yes)
        return;

    const ImportOptions options = this->options();
    m_importing = true;
    m_interruptRequested = false;
    for (QWidget* control : {static_cast<QWidget*>(m_back), static_cast<QWidget*>(m_import),
                             static_cast<QWidget*>(m_close), m_steps->widget(1)})
        control->setEnabled(false);
    m_counter->setPalette(QPalette());
    m_reportTitle->setText(reportTitle(options.mode));
    setCounter(0);
    const int first = options.skipFirstLine ? 1 : 0;
    m_importProgress->setRange(0, std::max(1, m_table.size() - first));
    m_importProgress->setValue(0);

    const ImportResult result =
        CsvImport::run(m_db, m_table, mapping, options, [this](int handled, int total, int counted) {
            if (handled % kEventsEvery == 0 || handled == total) {
                setCounter(counted);
                m_importProgress->setValue(handled);
                QCoreApplication::processEvents();
            }
            return !m_interruptRequested;
        });

    m_importing = false;
    for (QWidget* control : {static_cast<QWidget*>(m_back), static_cast<QWidget*>(m_import),
                             static_cast<QWidget*>(m_close), m_steps->widget(1)})
        control->setEnabled(true);

    if (result.ok()) {
        setCounter(result.counted);
        m_importProgress->setValue(m_importProgress->maximum());
        colourCounter(true);
        m_lastImported = path;
        Q_EMIT contactsImported(!options.addedGroup.isEmpty());
        return;
    }
    // Nothing of this run stayed in the archive.
    setCounter(0);
    colourCounter(false);
    MessageBox::warning(this, result.message);
}

void ContactImportDialog::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    const bool escape = key == Qt::Key_Escape;
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    if (!escape && !enter) {
        QDialog::keyPressEvent(event);
        return;
    }
    event->accept();
    if (m_importing) {
        if (escape)
            m_interruptRequested = true;
        return;
    }
    // Esc and Enter close the dialog, except on the step that imports.
    if (m_steps->currentIndex() == 0)
        reject();
}

void ContactImportDialog::closeEvent(QCloseEvent* event)
{
    if (m_importing) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void ContactImportDialog::reject()
{
    if (m_importing)
        return;
    QDialog::reject();
}

// ---- CsvCommands ---------------------------------------------------------------------

CsvCommands::CsvCommands(QWidget* window, QObject* parent) : QObject(parent), m_window(window) {}

QMenu* CsvCommands::createExportMenu(QWidget* parent)
{
    auto* menu = new QMenu(parent);
    menu->setObjectName(u"PopupMenu_CSV"_s);
    QAction* complete = menu->addAction(u"CSV complete"_s);
    complete->setObjectName(u"MenuItem_CsvComplete"_s);
    QAction* chopped = menu->addAction(u"CSV chopped [Beta]"_s);
    chopped->setObjectName(u"MenuItem_CsvChopped"_s);
    connect(complete, &QAction::triggered, this, [this] { Q_EMIT exportRequested(CsvLayout::Complete); });
    connect(chopped, &QAction::triggered, this, [this] { Q_EMIT exportRequested(CsvLayout::Chopped); });
    return menu;
}

bool CsvCommands::exportContacts(CsvLayout layout, const QList<qint64>& listedKeys,
                                 const QString& groupFilter)
{
    if (listedKeys.isEmpty())
        return false;
    const QString proposed = CsvExport::proposedName(groupFilter, layout, platform::Clock::instance().now());
    const QString start = QDir(platform::Shell::desktopFolder()).filePath(proposed + u".csv"_s);
    QString path = platform::FileDialog::saveFile(m_window, u"Export contacts"_s, start, kSaveFilter);
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).suffix().isEmpty()) {
        // The picker asked about the name as typed; the name with the default
        // extension is asked about here.
        path += u".csv"_s;
        if (QFileInfo::exists(path) &&
            MessageBox::question(m_window, u"The file \""_s + path +
                                               u"\" already exists. Do you want to replace it?"_s) !=
                MessageBox::Answer::Yes)
            return false;
    }

    QString error;
    const QList<CsvValues> contacts = CsvExport::load(m_db, listedKeys, &error);
    if (!error.isEmpty()) {
        MessageBox::warning(m_window, u"I can not read the contacts to export: %1."_s.arg(error));
        return false;
    }
    if (!CsvExport::write(path, contacts, layout, &error)) {
        MessageBox::warning(m_window, error);
        return false;
    }
    Q_EMIT exported(path);
    return true;
}

ContactImportDialog* CsvCommands::openImport()
{
    auto* dialog = new ContactImportDialog(m_db, m_window, m_color);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &ContactImportDialog::contactsImported, this, &CsvCommands::contactsImported);
    dialog->open();
    return dialog;
}

} // namespace brivane::contacts::widgets
