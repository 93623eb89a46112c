#include "Generator.h"

#include "agenda/DateFormat.h"
#include "agenda/DoneState.h"
#include "agenda/Parity.h"
#include "store/Archive.h"
#include "store/ArchiveLocation.h"
#include "store/Schema.h"
#include "store/SqlDate.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSqlError>
#include <QSqlQuery>
#include <QTime>
#include <QVariant>

using namespace Qt::StringLiterals;

namespace brivane::bench {

namespace {

constexpr quint32 kSeed = 20250715;
constexpr int kYear = 365;
const QString kBlankTime = u"  :  "_s;

const QStringList kVerbs{u"Call"_s, u"Meet"_s, u"Pay"_s,   u"Buy"_s,   u"Check"_s,
                         u"Send"_s, u"Book"_s, u"Visit"_s, u"Renew"_s, u"Review"_s};
const QStringList kObjects{u"dentist"_s, u"bank"_s,   u"Anna"_s,    u"insurance"_s, u"car service"_s,
                           u"rent"_s,    u"report"_s, u"tickets"_s, u"plants"_s,    u"library books"_s};
const QStringList kNames{u"Anna"_s,  u"Marco"_s, u"Luisa"_s, u"Paolo"_s,  u"Giulia"_s,
                         u"Sofia"_s, u"Luca"_s,  u"Elena"_s, u"Pietro"_s, u"Chiara"_s};

// The columns but the key (and ricerca, allegato: always empty), filled as
// the entry dialogs fill them: empty texts rather than NULL where a dialog
// writes the column for that kind, and an expiry date even without expiry.
struct Row
{
    QString id;
    QString note = u""_s;
    QString dayofweek = u""_s;
    QVariant dayindex;
    QString dayofmonth;
    QDate datefull;
    QString data;
    QString orario = kBlankTime;
    QString orario2 = kBlankTime;
    QString flag;
    QDate fatto;
    QString flagfatto = u"N"_s;
    QString anticipa = u"N"_s;
    QString sospeso = u"N"_s;
    QString flagscad = u"N"_s;
    QDate scadenza;
};

class RowMaker
{
public:
    explicit RowMaker(const QDate& reference) : m_reference(reference), m_random(kSeed) {}

    Row next()
    {
        Row row;
        const int kind = percent();
        if (kind < 55)
            fillOneShot(row);
        else if (kind < 70)
            fillYearly(row);
        else if (kind < 85)
            fillMonthly(row);
        else
            fillWeekly(row);
        fillCommon(row);
        return row;
    }

private:
    int percent() { return int(m_random.bounded(100)); }
    int between(int low, int high) { return low + int(m_random.bounded(high - low + 1)); }
    QDate around(int daysBefore, int daysAfter)
    {
        return m_reference.addDays(between(-daysBefore, daysAfter));
    }
    const QString& pick(const QStringList& list) { return list.at(int(m_random.bounded(int(list.size())))); }

    // 55%: single days over five years either side, some spans, a few
    // delete-after and every-day tasks.
    void fillOneShot(Row& row)
    {
        row.flag = u"O"_s;
        row.id = pick(kVerbs) + u' ' + pick(kObjects);
        const int variant = int(m_random.bounded(1000));
        if (variant < 30) {
            // Delete-after tasks are purged once past, so they lie ahead.
            row.dayofweek = u"X"_s;
            row.datefull = around(0, kYear);
        } else if (variant < 33) {
            row.dayofweek = u"T"_s;
            row.datefull = around(2 * kYear, kYear / 2);
        } else {
            row.datefull = around(5 * kYear, 5 * kYear);
            if (variant >= 940) {
                row.flagscad = u"Y"_s;
                row.scadenza = row.datefull.addDays(between(1, 30));
            }
        }
    }

    // 15%: birthdays (years counted, from the birth date) and other yearly
    // dates, some every other year.
    void fillYearly(Row& row)
    {
        row.flag = u"Y"_s;
        if (percent() < 60) {
            row.id = u"Birthday "_s + pick(kNames);
            // Born one to eighty years ago.
            row.datefull = around(80 * kYear, -kYear);
            row.dayofmonth = u"SI"_s;
            // Half of them linked to a contact, whose key lives in dayindex.
            if (percent() < 50)
                row.dayindex = between(1, 2000);
        } else {
            row.id = pick(kVerbs) + u' ' + pick(kObjects);
            row.datefull = around(10 * kYear, kYear);
            row.dayofmonth = u"NO"_s;
            if (percent() < 15)
                row.dayofweek = agenda::weekYearParityCode(row.datefull);
            if (percent() < 5) {
                row.flagscad = u"Y"_s;
                row.scadenza = row.datefull.addYears(between(2, 10));
            }
        }
        row.data = agenda::formatDate(row.datefull, u"mm/dd"_s);
    }

    // 15%: on the start date's day of month, some every other month, some
    // with a last date.
    void fillMonthly(Row& row)
    {
        row.flag = u"M"_s;
        row.id = pick(kVerbs) + u' ' + pick(kObjects);
        row.datefull = around(5 * kYear, kYear / 2);
        row.dayofmonth = agenda::formatDate(row.datefull, u"dd"_s);
        if (percent() < 15)
            row.dayofweek = agenda::monthParityCode(row.datefull);
        if (percent() < 20) {
            row.flagscad = u"Y"_s;
            row.scadenza = row.datefull.addMonths(between(1, 48));
        }
    }

    // 15%: on the start date's weekday, some fortnightly, some with a last date.
    void fillWeekly(Row& row)
    {
        row.flag = u"W"_s;
        row.id = pick(kVerbs) + u' ' + pick(kObjects);
        row.datefull = around(3 * kYear, kYear / 4);
        row.dayofweek = agenda::formatDate(row.datefull, u"dddd"_s);
        // Sunday is 1, Saturday 7.
        row.dayindex = row.datefull.dayOfWeek() % 7 + 1;
        row.dayofmonth = percent() < 20 ? agenda::weekParityCode(row.datefull) : u""_s;
        if (percent() < 20) {
            row.flagscad = u"Y"_s;
            row.scadenza = row.datefull.addDays(7 * between(4, 150));
        }
    }

    // Times, notes, importance, suspension and the done tick of every kind.
    void fillCommon(Row& row)
    {
        if (percent() < 85) {
            const QTime start(between(7, 21), 5 * between(0, 11));
            row.orario = start.toString(u"hh:mm"_s);
            if (percent() < 40)
                row.orario2 = start.addSecs(60 * 15 * between(2, 8)).toString(u"hh:mm"_s);
        }
        if (percent() < 30)
            row.note = u"Remember to bring the papers for "_s + row.id.toLower() + u'.';
        if (!row.scadenza.isValid())
            row.scadenza = row.datefull;
        if (percent() < 10)
            row.anticipa = u"Y"_s;
        if (percent() < 5)
            row.sospeso = u"Y"_s;
        row.fatto = agenda::undoneDate(row.datefull);
        if (percent() < 8) {
            row.flagfatto = u"Y"_s;
            row.fatto = row.flag == u"O" ? row.datefull : m_reference.addDays(-between(0, 60));
        }
    }

    QDate m_reference;
    QRandomGenerator m_random;
};

QVariant dateOrNull(const QDate& date)
{
    return date.isValid() ? QVariant(store::toSqlDate(date)) : QVariant();
}

bool fail(QString* error, const QString& message)
{
    if (error)
        *error = message;
    return false;
}

bool insertRows(QSqlDatabase db, int count, QString* error)
{
    QSqlQuery insert(db);
    if (!insert.prepare(
            u"INSERT INTO BRarc66 (id, note, dayofweek, dayindex, dayofmonth, datefull, data, orario, "
            u"orario2, flag, ricerca, allegato, fatto, flagfatto, anticipa, sospeso, flagscad, scadenza) "
            u"VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"_s))
        return fail(error, insert.lastError().text());

    RowMaker maker(referenceDate());
    for (int i = 0; i < count; ++i) {
        const Row row = maker.next();
        const QVariant values[] = {
            row.id,
            row.note,
            row.dayofweek,
            row.dayindex,
            row.dayofmonth,
            dateOrNull(row.datefull),
            row.data,
            row.orario,
            row.orario2,
            row.flag,
            u""_s, // ricerca
            u""_s, // allegato
            dateOrNull(row.fatto),
            row.flagfatto,
            row.anticipa,
            row.sospeso,
            row.flagscad,
            dateOrNull(row.scadenza),
        };
        for (int column = 0; column < int(std::size(values)); ++column)
            insert.bindValue(column, values[column]);
        if (!insert.exec())
            return fail(error, insert.lastError().text());
    }
    return true;
}

// Creates the tables and inserts the rows. Every handle on the connection
// is gone when it returns, so the archive can close cleanly.
bool fillArchive(const store::Archive& archive, const QString& programFolder, int count, QString* error)
{
    store::Schema schema(archive.database(), archive.folder(), programFolder);
    store::SchemaResult created;
    if (!schema.createAndUpgrade(created, error))
        return false;

    QSqlDatabase db = archive.database();
    if (!db.transaction())
        return fail(error, db.lastError().text());
    if (!insertRows(db, count, error)) {
        db.rollback();
        return false;
    }
    return db.commit() || fail(error, db.lastError().text());
}

} // namespace

QDate referenceDate()
{
    return QDate(2025, 7, 15);
}

bool generateArchive(const QString& home, int count, QString* error)
{
    const QString programFolder = QDir(home).absolutePath() + u'/';
    const QString folder = store::ArchiveLocation::defaultArchiveFolder(programFolder);
    if (QFileInfo::exists(QDir(folder).filePath(QString::fromLatin1(store::Archive::kFileName))))
        return fail(error, u"an archive already exists in "_s + folder);

    store::Archive archive(u"BENCH_GENERATE"_s);
    if (!archive.open(folder, error))
        return false;
    const bool ok = fillArchive(archive, programFolder, count, error);
    archive.close();
    return ok;
}

} // namespace brivane::bench
