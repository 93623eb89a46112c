#include "store/TableDefinitions.h"

namespace brivane::store::tables {

namespace {

QString join(const QStringList& lines)
{
    return lines.join(QLatin1Char('\n'));
}

// BRarc66 and BRshot80 share their nineteen columns, key included, so that a
// deposit copies rows one to one.
QString createTaskLayout(const QString& table)
{
    return join({
        QStringLiteral("CREATE TABLE ") + table,
        QStringLiteral("("),
        QStringLiteral("codimp      INTEGER PRIMARY KEY AUTOINCREMENT,"),
        QStringLiteral("id          TEXT,"),
        QStringLiteral("note        TEXT,"),
        QStringLiteral("dayofweek   TEXT,"),
        QStringLiteral("dayindex    REAL,"),
        QStringLiteral("dayofmonth  TEXT,"),
        QStringLiteral("datefull    TEXT,"),
        QStringLiteral("data        TEXT,"),
        QStringLiteral("orario      TEXT,"),
        QStringLiteral("orario2     TEXT,"),
        QStringLiteral("flag        TEXT,"),
        QStringLiteral("ricerca     TEXT,"),
        QStringLiteral("allegato    TEXT,"),
        QStringLiteral("fatto       TEXT,"),
        QStringLiteral("flagfatto   TEXT,"),
        QStringLiteral("anticipa    TEXT,"),
        QStringLiteral("sospeso     TEXT,"),
        QStringLiteral("flagscad    TEXT,"),
        QStringLiteral("scadenza    TEXT"),
        QStringLiteral(")"),
    });
}

} // namespace

QString createGroups()
{
    return join({
        QStringLiteral("CREATE TABLE BRcat80"),
        QStringLiteral("("),
        QStringLiteral("codcat      INTEGER PRIMARY KEY AUTOINCREMENT,"),
        QStringLiteral("id          TEXT,"),
        QStringLiteral("sezione     TEXT"),
        QStringLiteral(")"),
    });
}

QString createNotes()
{
    return join({
        QStringLiteral("CREATE TABLE BRnot80"),
        QStringLiteral("("),
        QStringLiteral("codnot      INTEGER PRIMARY KEY AUTOINCREMENT,"),
        QStringLiteral("id          TEXT,"),
        QStringLiteral("note        TEXT"),
        QStringLiteral(")"),
    });
}

QString createToDo()
{
    return join({
        QStringLiteral("CREATE TABLE BRtod63"),
        QStringLiteral("("),
        QStringLiteral("codtod      INTEGER PRIMARY KEY AUTOINCREMENT,"),
        QStringLiteral("id          TEXT,"),
        QStringLiteral("note        TEXT,"),
        QStringLiteral("priority    REAL,"),
        QStringLiteral("flag        TEXT,"),
        QStringLiteral("percento    REAL,"),
        QStringLiteral("allegato    TEXT,"),
        QStringLiteral("ricerca     TEXT"),
        QStringLiteral(")"),
    });
}

QString createTasks()
{
    return createTaskLayout(QStringLiteral("BRarc66"));
}

QString createRepository()
{
    return createTaskLayout(QStringLiteral("BRshot80"));
}

QString createContacts()
{
    return join({
        QStringLiteral("CREATE TABLE BRcon63"),
        QStringLiteral("("),
        QStringLiteral("codcon      INTEGER PRIMARY KEY AUTOINCREMENT,"),
        QStringLiteral("ragsoc      TEXT,"),
        QStringLiteral("indirizzo   TEXT,"),
        QStringLiteral("tel         TEXT,"),
        QStringLiteral("email       TEXT,"),
        QStringLiteral("note        TEXT,"),
        QStringLiteral("fax         TEXT,"),
        QStringLiteral("gruppo      TEXT,"),
        QStringLiteral("site        TEXT,"),
        QStringLiteral("company     TEXT,"),
        QStringLiteral("mobile      TEXT,"),
        QStringLiteral("allegato    TEXT,"),
        QStringLiteral("allegato2   TEXT,"),
        QStringLiteral("allegato3   TEXT,"),
        QStringLiteral("foto        TEXT,"),
        QStringLiteral("skype       TEXT"),
        QStringLiteral(")"),
    });
}

QString createSettings()
{
    return join({
        QStringLiteral("CREATE TABLE BRset63"),
        QStringLiteral("("),
        QStringLiteral("autostart      TEXT,"),
        QStringLiteral("minimized      TEXT,"),
        QStringLiteral("soundon        TEXT,"),
        QStringLiteral("wavesound      TEXT,"),
        QStringLiteral("breakline      TEXT,"),
        QStringLiteral("formatbar      TEXT,"),
        QStringLiteral("fontname       TEXT,"),
        QStringLiteral("fontcolor      TEXT,"),
        QStringLiteral("fontsize       INTEGER,"),
        QStringLiteral("backcolor      TEXT,"),
        QStringLiteral("timecheck      TEXT,"),
        QStringLiteral("shotcolor      TEXT,"),
        QStringLiteral("yearcolor      TEXT,"),
        QStringLiteral("monthcolor     TEXT,"),
        QStringLiteral("weekcolor      TEXT,"),
        QStringLiteral("todaycolor     TEXT,"),
        QStringLiteral("contactcolor   TEXT,"),
        QStringLiteral("notescolor     TEXT,"),
        QStringLiteral("todocolor      TEXT,"),
        QStringLiteral("usercolor      TEXT,"),
        QStringLiteral("DataShot       TEXT,"),
        QStringLiteral("DataYear       TEXT,"),
        QStringLiteral("DataShotIndex  INTEGER,"),
        QStringLiteral("DataYearIndex  INTEGER,"),
        QStringLiteral("WinWidth       INTEGER,"),
        QStringLiteral("WinHeight      INTEGER,"),
        QStringLiteral("WinStato       TEXT,"),
        QStringLiteral("psw            TEXT,"),
        QStringLiteral("blocco         TEXT,"),
        QStringLiteral("showcale       TEXT,"),
        QStringLiteral("startab        TEXT"),
        QStringLiteral(")"),
    });
}

QStringList createTaskIndexes()
{
    // One index per clause of the day-selection queries, so SQLite answers
    // their OR of clauses as a union of index look-ups instead of a scan.
    return {
        QStringLiteral("CREATE INDEX IF NOT EXISTS BRarc66_flag_datefull ON BRarc66 (flag, datefull)"),
        QStringLiteral("CREATE INDEX IF NOT EXISTS BRarc66_span ON BRarc66 (flag, flagscad, scadenza, datefull)"),
        QStringLiteral("CREATE INDEX IF NOT EXISTS BRarc66_flag_dayofmonth ON BRarc66 (flag, dayofmonth, datefull)"),
        QStringLiteral("CREATE INDEX IF NOT EXISTS BRarc66_flag_dayofweek ON BRarc66 (flag, dayofweek, datefull)"),
        QStringLiteral("CREATE INDEX IF NOT EXISTS BRarc66_flag_data ON BRarc66 (flag, data, datefull)"),
        QStringLiteral("CREATE INDEX IF NOT EXISTS BRarc66_dayofweek_datefull ON BRarc66 (dayofweek, datefull)"),
        // The lists of the four kinds: their order and their description
        // search come from these alone, so a keystroke counts the matches
        // without reading the table and a page reads only its own rows.
        QStringLiteral("CREATE INDEX IF NOT EXISTS BRarc66_list_O ON BRarc66 (flag, datefull, orario, orario2, id)"),
        QStringLiteral("CREATE INDEX IF NOT EXISTS BRarc66_list_Y ON BRarc66 (flag, data, orario, orario2, id, datefull)"),
        QStringLiteral("CREATE INDEX IF NOT EXISTS BRarc66_list_M ON BRarc66 (flag, dayofmonth, orario, orario2, id)"),
        QStringLiteral("CREATE INDEX IF NOT EXISTS BRarc66_list_W ON BRarc66 (flag, dayindex, dayofweek, orario, orario2, id)"),
        // A note search counts its matches from this one, without reading
        // the rows of the kind one by one.
        QStringLiteral("CREATE INDEX IF NOT EXISTS BRarc66_flag_note ON BRarc66 (flag, note)"),
    };
}

QStringList createContactIndexes()
{
    // The alphabetical order of the contact list without sorting.
    return {QStringLiteral("CREATE INDEX IF NOT EXISTS BRcon63_byname ON BRcon63 (ragsoc, company, gruppo)")};
}

QStringList contactGroupSeeds()
{
    return {QString(),
            QStringLiteral("Business"),
            QStringLiteral("Client"),
            QStringLiteral("Cool"),
            QStringLiteral("Friend"),
            QStringLiteral("Gal"),
            QStringLiteral("Gump"),
            QStringLiteral("Guy"),
            QStringLiteral("Hot"),
            QStringLiteral("Lover"),
            QStringLiteral("NiceAss"),
            QStringLiteral("Parent"),
            QStringLiteral("Playmate"),
            QStringLiteral("PrettyTitties"),
            QStringLiteral("Private"),
            QStringLiteral("Schoolmate"),
            QStringLiteral("Society"),
            QStringLiteral("Supplying"),
            QStringLiteral("Teacher"),
            QStringLiteral("Tunahead")};
}

QStringList noteGroupSeeds()
{
    return {QString(),
            QStringLiteral("Dreams"),
            QStringLiteral("Favorite"),
            QStringLiteral("Health"),
            QStringLiteral("Home"),
            QStringLiteral("Ideas"),
            QStringLiteral("Important"),
            QStringLiteral("Personal"),
            QStringLiteral("Projects"),
            QStringLiteral("Recipes"),
            QStringLiteral("Shopping"),
            QStringLiteral("Sport"),
            QStringLiteral("Stories"),
            QStringLiteral("Study"),
            QStringLiteral("Work")};
}

QStringList toDoGroupSeeds()
{
    return {QString(),
            QStringLiteral("Black"),
            QStringLiteral("Cocktails"),
            QStringLiteral("Excursion"),
            QStringLiteral("Expense"),
            QStringLiteral("Gifts"),
            QStringLiteral("Shopping"),
            QStringLiteral("Wedding")};
}

} // namespace brivane::store::tables
