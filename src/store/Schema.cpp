#include "store/Schema.h"

#include "store/EngineRead.h"
#include "store/SettingsStore.h"
#include "store/TableDefinitions.h"
#include "store/WriteTransaction.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include <algorithm>

namespace brivane::store {

namespace {

struct SettingsStep
{
    QStringList columns; // added by one step, first one probed
    QString type;
    QString update;      // the default the step gives its columns
    bool reload;
};

// The columns the settings table gained over the years, oldest first, each
// step with the value it gives the existing row.
QList<SettingsStep> settingsSteps(bool legacyArchivePresent)
{
    const QString logical = QStringLiteral("INTEGER");
    const QString text = QStringLiteral("TEXT");
    const QStringList tabColumns = {
        QStringLiteral("TabShotVisible"),  QStringLiteral("TabYearVisible"),     QStringLiteral("TabMonthVisible"),
        QStringLiteral("TabWeekVisible"),  QStringLiteral("TabTodayVisible"),    QStringLiteral("TabContactsVisible"),
        QStringLiteral("TabNotesVisible"), QStringLiteral("TabToDoVisible")};
    QStringList tabUpdates;
    for (const QString& column : tabColumns)
        tabUpdates << column + QStringLiteral(" = true");

    return {
        {{QStringLiteral("futuro_flag")}, logical, QStringLiteral("UPDATE BRset63 SET futuro_flag = false"), false},
        {{QStringLiteral("futuro_days")}, QStringLiteral("INTEGER"), QStringLiteral("UPDATE BRset63 SET futuro_days = 5"), true},
        {{QStringLiteral("scala_index")}, QStringLiteral("INTEGER"), QStringLiteral("UPDATE BRset63 SET scala_index = 0"), true},
        {{QStringLiteral("ampm")}, logical, QStringLiteral("UPDATE BRset63 SET ampm = false"), true},
        {{QStringLiteral("theme_name")}, text, QStringLiteral("UPDATE BRset63 SET theme_name = 'default'"), true},
        {tabColumns, logical, QStringLiteral("UPDATE BRset63 SET ") + tabUpdates.join(QStringLiteral(", ")), true},
        {{QStringLiteral("centralino")}, logical, QStringLiteral("UPDATE BRset63 SET centralino = false"), true},
        {{QStringLiteral("charset")}, QStringLiteral("INTEGER"), QStringLiteral("UPDATE BRset63 SET charset = 0"), true},
        {{QStringLiteral("gridmode")}, logical, QStringLiteral("UPDATE BRset63 SET gridmode = false"), true},
        {{QStringLiteral("hidetips")}, logical, QStringLiteral("UPDATE BRset63 SET hidetips = false"), true},
        {{QStringLiteral("migrationinfo")}, logical,
         legacyArchivePresent ? QStringLiteral("UPDATE BRset63 SET migrationinfo = true")
                                : QStringLiteral("UPDATE BRset63 SET migrationinfo = false"),
         true},
        {{QStringLiteral("solalettura")}, logical, QStringLiteral("UPDATE BRset63 SET solalettura = false"), false},
    };
}

// Where each section remembers the group it showed last.
constexpr const char* kGroupMemoryColumns[] = {"mem_group_contact", "mem_group_note", "mem_group_list"};

// The name an index statement creates ("CREATE INDEX IF NOT EXISTS name ON ...").
QString indexName(const QString& statement)
{
    static const QRegularExpression name(QStringLiteral("IF NOT EXISTS (\\w+) ON"));
    return name.match(statement).captured(1);
}

QString created(const char* name)
{
    return QStringLiteral("-> Archive ") + QLatin1String(name) + QStringLiteral(" <<created>>\r");
}

} // namespace

Schema::Schema(QSqlDatabase db, QString archiveFolder, QString programFolder)
    : m_db(std::move(db)), m_archiveFolder(std::move(archiveFolder)), m_programFolder(std::move(programFolder))
{
}

QStringList Schema::tableNames()
{
    return {QStringLiteral("BRcat80"), QStringLiteral("BRnot80"),  QStringLiteral("BRtod63"),
            QStringLiteral("BRarc66"), QStringLiteral("BRshot80"), QStringLiteral("BRcon63"),
            QStringLiteral("BRset63")};
}

bool Schema::run(const QString& statement, QString* error)
{
    QSqlQuery query(m_db);
    if (!query.exec(statement)) {
        if (error)
            *error = archiveErrorText(query.lastError());
        return false;
    }
    return true;
}

bool Schema::isCurrent() const
{
    return isCurrent(engineHandle(m_db), m_archiveFolder);
}

bool Schema::isCurrent(sqlite3* connection, const QString& archiveFolder)
{
    if (QFile::exists(QDir(archiveFolder).filePath(QStringLiteral("DROPSET"))))
        return false;
    const auto namesOf = [connection](const QString& statement, const QString& table, QStringList* names) {
        EngineStatement read(connection, statement, [&table](const QString&) { return QVariant(table); });
        while (read.next())
            names->append(QString::fromUtf8(read.text(0)).toLower());
        return !read.failed();
    };
    QStringList names;
    if (!namesOf(QStringLiteral("SELECT name FROM sqlite_master WHERE type IN ('table', 'index')"), QString(), &names))
        return false;
    QStringList wanted;
    for (const QString& table : tableNames())
        wanted << table.toLower();
    for (const QString& index : tables::createTaskIndexes() + tables::createContactIndexes())
        wanted << indexName(index).toLower();

    QStringList settingsColumns;
    for (const SettingsStep& step : settingsSteps(false))
        settingsColumns << step.columns;
    for (const char* column : kGroupMemoryColumns)
        settingsColumns << QLatin1String(column);
    const QString columnsOf = QStringLiteral("SELECT name FROM pragma_table_info(:table)");
    QStringList settings;
    QStringList notes;
    QStringList toDo;
    if (!namesOf(columnsOf, QStringLiteral("BRset63"), &settings) || !namesOf(columnsOf, QStringLiteral("BRnot80"), &notes)
        || !namesOf(columnsOf, QStringLiteral("BRtod63"), &toDo))
        return false;
    const auto holdsAll = [](const QStringList& present, const QStringList& names) {
        return std::all_of(names.cbegin(), names.cend(),
                           [&present](const QString& name) { return present.contains(name.toLower()); });
    };
    return holdsAll(names, wanted) && holdsAll(settings, settingsColumns)
           && notes.contains(QLatin1String("gruppo")) && toDo.contains(QLatin1String("gruppo"));
}

bool Schema::tableExists(const QString& table) const
{
    QSqlQuery query(m_db);
    query.prepare(QStringLiteral("SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = :name COLLATE NOCASE"));
    query.bindValue(QStringLiteral(":name"), table);
    return query.exec() && query.next();
}

bool Schema::seedGroups(const QStringList& names, const QString& section, QString* error)
{
    QSqlQuery query(m_db);
    query.prepare(QStringLiteral("INSERT INTO BRcat80\n(id,sezione)\nvalues (:id,:sezione)"));
    for (const QString& name : names) {
        query.bindValue(QStringLiteral(":id"), name.isNull() ? QStringLiteral("") : name);
        query.bindValue(QStringLiteral(":sezione"), section);
        if (!query.exec()) {
            if (error)
                *error = query.lastError().text();
            return false;
        }
    }
    return true;
}

bool Schema::addColumn(const QString& table, const QString& column, const QString& type, QString* error)
{
    return run(QStringLiteral("ALTER TABLE %1 ADD COLUMN %2 %3").arg(table, column, type), error);
}

bool Schema::legacyArchivePresent() const
{
    const QDir archive(m_archiveFolder);
    for (const char* file : {"BRarc66.DB", "BRcon63.DB", "BRtod63.DB", "BRset63.DB"}) {
        if (!archive.exists(QLatin1String(file)))
            return false;
    }
    return QDir(QDir(m_programFolder).filePath(QStringLiteral("BDE"))).exists();
}

bool Schema::upgradeSettings(SettingsRecord& settings, QString* error)
{
    SettingsStore store(m_db);
    const auto reload = [&] { return store.load(settings, error); };

    if (!settings.hasColumn(QStringLiteral("futuro_flag"))) {
        // An archive older than every upgrade: its contacts' legacy group goes.
        QSqlQuery query(m_db);
        query.prepare(QStringLiteral("UPDATE BRcon63\nSET gruppo = :gruppo WHERE UPPER(gruppo) = 'UNCATEGORIZED'"));
        query.bindValue(QStringLiteral(":gruppo"), QVariant(QMetaType(QMetaType::QString)));
        if (!query.exec()) {
            if (error)
                *error = query.lastError().text();
            return false;
        }
    }

    const QList<SettingsStep> steps = settingsSteps(legacyArchivePresent());
    for (const SettingsStep& step : steps) {
        if (settings.hasColumn(step.columns.first()))
            continue;
        for (const QString& column : step.columns) {
            if (!addColumn(QStringLiteral("BRset63"), column, step.type, error))
                return false;
        }
        if (!run(step.update, error))
            return false;
        // Without a reload the next probes still see the old column list;
        // adding a column twice is what that must never cause, so the list
        // of known columns grows here in every case.
        if (step.reload) {
            if (!reload())
                return false;
        } else {
            settings.columns << step.columns;
        }
    }
    return true;
}

bool Schema::createAndUpgrade(SchemaResult& result, QString* error)
{
    result = SchemaResult();
    const QString dropMarker = QDir(m_archiveFolder).filePath(QStringLiteral("DROPSET"));
    bool dropMarkerUsed = false;

    // The write lock comes first: another computer starting at the same
    // moment waits here instead of failing between a probe and its ALTER.
    WriteTransaction transaction(m_db);
    if (!transaction.begin(error))
        return false;
    const auto fail = [&] {
        transaction.rollback();
        return false;
    };

    if (QFile::exists(dropMarker) && tableExists(QStringLiteral("BRset63"))) {
        if (!run(QStringLiteral("DROP TABLE BRset63"), error))
            return fail();
        dropMarkerUsed = true;
    }

    if (!tableExists(QStringLiteral("BRcat80"))) {
        if (!run(tables::createGroups(), error))
            return fail();
        result.report << created("GROUPS");
        if (!seedGroups(tables::contactGroupSeeds(), QStringLiteral("C"), error))
            return fail();
        result.contactGroupsSeeded = true;
    }

    struct Creation
    {
        const char* table;
        QString statement;
        const char* reportName;
    };
    const QList<Creation> creations = {
        {"BRnot80", tables::createNotes(), "NOTE"},
        {"BRtod63", tables::createToDo(), "TO-DO"},
        {"BRarc66", tables::createTasks(), "TASKS"},
        {"BRshot80", tables::createRepository(), "REPOSITORY"},
        {"BRcon63", tables::createContacts(), "CONTACTS"},
    };
    for (const Creation& creation : creations) {
        if (tableExists(QLatin1String(creation.table)))
            continue;
        if (!run(creation.statement, error))
            return fail();
        result.report << created(creation.reportName);
    }

    SettingsStore store(m_db);
    if (!tableExists(QStringLiteral("BRset63"))) {
        if (!run(tables::createSettings(), error) || !store.insertInitialRow(error))
            return fail();
        result.report << created("OPTIONS");
    }

    SettingsRecord settings;
    if (!store.load(settings, error))
        return fail();
    if (!upgradeSettings(settings, error))
        return fail();

    const QSqlRecord noteColumns = m_db.record(QStringLiteral("BRnot80"));
    if (noteColumns.indexOf(QStringLiteral("gruppo")) < 0) {
        if (!addColumn(QStringLiteral("BRnot80"), QStringLiteral("gruppo"), QStringLiteral("TEXT"), error)
            || !seedGroups(tables::noteGroupSeeds(), QStringLiteral("N"), error))
            return fail();
        result.noteGroupsSeeded = true;
    }
    const QSqlRecord toDoColumns = m_db.record(QStringLiteral("BRtod63"));
    if (toDoColumns.indexOf(QStringLiteral("gruppo")) < 0) {
        if (!addColumn(QStringLiteral("BRtod63"), QStringLiteral("gruppo"), QStringLiteral("TEXT"), error)
            || !seedGroups(tables::toDoGroupSeeds(), QStringLiteral("L"), error))
            return fail();
        result.toDoGroupsSeeded = true;
    }

    for (const char* column : kGroupMemoryColumns) {
        if (settings.hasColumn(QLatin1String(column)))
            continue;
        if (!addColumn(QStringLiteral("BRset63"), QLatin1String(column), QStringLiteral("TEXT"), error)
            || !store.load(settings, error))
            return fail();
    }

    for (const QString& index : tables::createTaskIndexes() + tables::createContactIndexes()) {
        if (!run(index, error))
            return fail();
    }

    if (!store.load(settings, error))
        return fail();
    if (!transaction.commit(error))
        return fail();
    if (dropMarkerUsed)
        QFile::remove(dropMarker);
    result.settings = settings;
    return true;
}

} // namespace brivane::store
