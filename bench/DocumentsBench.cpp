#include "DocumentsBench.h"

#include "agenda/DayPieces.h"
#include "agenda/DaySelection.h"
#include "documents/ReportLayout.h"
#include "documents/Reports.h"
#include "documents/TaskDocuments.h"
#include "store/SqlDate.h"

#include <QFontMetricsF>
#include <QSqlField>

#include <sqlite3.h>

using namespace Qt::StringLiterals;

namespace brivane::bench {

namespace {

// Every row of the Today statement for each of the 365 days, every column
// read as text, through the C API: what any daily plan must at least do.
int yearOfTodayRows(const QString& archiveFile, const QDate& firstDay)
{
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(archiveFile.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK)
        return -1;
    sqlite3_stmt* statement = nullptr;
    const QByteArray text = agenda::todayStatement(false).toUtf8();
    if (sqlite3_prepare_v2(db, text.constData(), int(text.size()), &statement, nullptr) != SQLITE_OK) {
        sqlite3_close(db);
        return -1;
    }
    int rows = 0;
    for (int i = 0; i < 365; ++i) {
        const QDate day = firstDay.addDays(i);
        const agenda::DayPieces pieces = agenda::DayPieces::of(day);
        const std::pair<const char*, QString> values[] = {{":datefull", store::toSqlDate(day)},
                                                          {":dd", pieces.dd},
                                                          {":dayname", pieces.dayName},
                                                          {":md", pieces.md},
                                                          {":xm", pieces.xm},
                                                          {":xw", pieces.xw},
                                                          {":xy", pieces.xy}};
        for (const auto& [name, value] : values) {
            const int index = sqlite3_bind_parameter_index(statement, name);
            if (index > 0)
                sqlite3_bind_text(statement, index, value.toUtf8().constData(), -1, SQLITE_TRANSIENT);
        }
        const int columns = sqlite3_column_count(statement);
        while (sqlite3_step(statement) == SQLITE_ROW) {
            for (int c = 0; c < columns; ++c)
                sqlite3_column_text(statement, c);
            ++rows;
        }
        sqlite3_reset(statement);
    }
    sqlite3_finalize(statement);
    sqlite3_close(db);
    return rows;
}

QList<QSqlRecord> generatedContacts(int count)
{
    QList<QSqlRecord> rows;
    const QStringList columns = {u"ragsoc"_s, u"company"_s, u"tel"_s,       u"mobile"_s, u"skype"_s,
                                 u"fax"_s,    u"email"_s,   u"indirizzo"_s, u"site"_s};
    for (int i = 0; i < count; ++i) {
        QSqlRecord row;
        for (const QString& column : columns)
            row.append(QSqlField(column, QMetaType(QMetaType::QString)));
        row.setValue(0, u"Surname%1 Name%2"_s.arg(i).arg(i % 97));
        row.setValue(1, i % 3 ? u"Company %1 and Partners"_s.arg(i % 211) : QString());
        row.setValue(2, u"+39 02 %1"_s.arg(1000000 + i));
        row.setValue(3, u"+39 333 %1"_s.arg(2000000 + i));
        row.setValue(6, u"person%1@example.com"_s.arg(i));
        row.setValue(7, u"Via Roma %1\n20100 Milano"_s.arg(i % 300));
        row.setValue(8, i % 5 ? QString() : u"www.example%1.com"_s.arg(i));
        rows << row;
    }
    return rows;
}

} // namespace

DocumentFigures measureDocuments(const QSqlDatabase& db, const QString& archiveFile, const QDate& firstDay)
{
    DocumentFigures figures;
    documents::DailyPlanOptions options;
    options.start = firstDay;
    options.end = firstDay.addDays(364);
    figures.yearPlan = measure(1, 3, [&] {
        documents::DocumentBuffer buffer;
        documents::buildDailyPlan(db, options, u"dddd d mmmm yyyy"_s, buffer);
        figures.planLines = int(buffer.lines().size());
    });
    figures.yearPlanFloor =
        measure(1, 3, [&] { figures.floorRows = yearOfTodayRows(archiveFile, firstDay); });

    const documents::ReportData report = documents::contactsReport(generatedContacts(10000), {});
    figures.contactLayout = measure(1, 3, [&] {
        figures.contactPages = int(documents::layoutReport(report, documents::a4PageSize(true)).pages.size());
    });
    const QFont font = documents::reportFont({}, report.definition.detailPointSize);
    figures.contactLayoutFloor = measure(1, 3, [&] {
        const QFontMetricsF metrics(font);
        qreal total = 0;
        for (const QStringList& row : report.rows)
            for (const QString& cell : row)
                total += metrics.horizontalAdvance(cell);
        Q_UNUSED(total);
    });
    return figures;
}

} // namespace brivane::bench
