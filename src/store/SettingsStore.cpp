#include "store/SettingsStore.h"

#include "store/WriteTransaction.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace brivane::store {

namespace {

const QStringList& singleColumns()
{
    static const QStringList columns = {
        QStringLiteral("futuro_flag"),       QStringLiteral("futuro_days"),    QStringLiteral("scala_index"),
        QStringLiteral("ampm"),              QStringLiteral("theme_name"),     QStringLiteral("hidetips"),
        QStringLiteral("solalettura"),       QStringLiteral("migrationinfo"),  QStringLiteral("gridmode"),
        QStringLiteral("mem_group_contact"), QStringLiteral("mem_group_note"), QStringLiteral("mem_group_list"),
        QStringLiteral("TabShotVisible"),    QStringLiteral("TabYearVisible"), QStringLiteral("TabMonthVisible"),
        QStringLiteral("TabWeekVisible"),    QStringLiteral("TabTodayVisible"),
        QStringLiteral("TabContactsVisible"), QStringLiteral("TabNotesVisible"), QStringLiteral("TabToDoVisible"),
        QStringLiteral("psw"),               QStringLiteral("blocco"),         QStringLiteral("autostart"),
        QStringLiteral("startab"),           QStringLiteral("wavesound"),      QStringLiteral("centralino"),
    };
    return columns;
}

QString text(const QSqlRecord& row, const char* name, const QString& fallback = QString())
{
    const int index = row.indexOf(QLatin1String(name));
    if (index < 0 || row.isNull(index))
        return fallback;
    return row.value(index).toString();
}

int integer(const QSqlRecord& row, const char* name, int fallback)
{
    const int index = row.indexOf(QLatin1String(name));
    if (index < 0 || row.isNull(index))
        return fallback;
    bool ok = false;
    const int value = row.value(index).toInt(&ok);
    return ok ? value : fallback;
}

// Booleans are 0/1; older rows or tools may hold 'true'/'false' texts.
bool boolean(const QSqlRecord& row, const char* name, bool fallback)
{
    const int index = row.indexOf(QLatin1String(name));
    if (index < 0 || row.isNull(index))
        return fallback;
    const QString value = row.value(index).toString().trimmed().toLower();
    if (value == QLatin1String("true") || value == QLatin1String("t"))
        return true;
    if (value == QLatin1String("false") || value == QLatin1String("f"))
        return false;
    return value.toInt() != 0;
}

QString nonNull(const QString& value)
{
    return value.isNull() ? QStringLiteral("") : value;
}

} // namespace

bool SettingsStore::run(const QString& statement, const QVariantMap& values, QString* error) const
{
    QSqlQuery query(m_db);
    if (!query.prepare(statement)) {
        if (error)
            *error = store::archiveErrorText(query.lastError());
        return false;
    }
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        query.bindValue(QLatin1Char(':') + it.key(), it.value());
    if (!query.exec()) {
        if (error)
            *error = store::archiveErrorText(query.lastError());
        return false;
    }
    return true;
}

bool SettingsStore::load(SettingsRecord& record, QString* error) const
{
    QSqlQuery query(m_db);
    if (!query.exec(QStringLiteral("SELECT * FROM BRset63"))) {
        if (error)
            *error = store::archiveErrorText(query.lastError());
        return false;
    }
    const bool hasRow = query.next();
    const QSqlRecord row = hasRow ? query.record() : query.record();
    SettingsRecord loaded;
    loaded.columns.clear();
    for (int i = 0; i < row.count(); ++i)
        loaded.columns << row.fieldName(i);
    if (!hasRow) {
        record = loaded;
        return true;
    }

    loaded.autostart = text(row, "autostart");
    loaded.minimized = text(row, "minimized");
    loaded.soundon = text(row, "soundon");
    loaded.wavesound = text(row, "wavesound");
    loaded.breakline = text(row, "breakline");
    loaded.formatbar = text(row, "formatbar");
    loaded.fontname = text(row, "fontname");
    loaded.fontcolor = text(row, "fontcolor");
    loaded.fontsize = integer(row, "fontsize", loaded.fontsize);
    loaded.backcolor = text(row, "backcolor");
    loaded.timecheck = text(row, "timecheck");
    const QStringList colorColumns = SettingsRecord::sectionColorColumns();
    for (int i = 0; i < colorColumns.size(); ++i)
        loaded.sectionColors[i] = text(row, colorColumns[i].toLatin1().constData());
    loaded.dataShot = text(row, "DataShot");
    loaded.dataYear = text(row, "DataYear");
    loaded.dataShotIndex = integer(row, "DataShotIndex", 0);
    loaded.dataYearIndex = integer(row, "DataYearIndex", 0);
    loaded.winWidth = integer(row, "WinWidth", SettingsRecord::kMinimumWidth);
    loaded.winHeight = integer(row, "WinHeight", SettingsRecord::kMinimumHeight);
    loaded.winStato = text(row, "WinStato");
    loaded.psw = text(row, "psw");
    loaded.blocco = text(row, "blocco");
    loaded.showcale = text(row, "showcale");
    loaded.startab = text(row, "startab");

    loaded.futuroFlag = boolean(row, "futuro_flag", false);
    loaded.futuroDays = integer(row, "futuro_days", 5);
    loaded.scalaIndex = integer(row, "scala_index", 0);
    loaded.ampm = boolean(row, "ampm", false);
    loaded.themeName = text(row, "theme_name", QStringLiteral("default"));
    static const char* const tabColumns[] = {"TabShotVisible",     "TabYearVisible",  "TabMonthVisible",
                                             "TabWeekVisible",     "TabTodayVisible", "TabContactsVisible",
                                             "TabNotesVisible",    "TabToDoVisible"};
    for (int i = 0; i < 8; ++i)
        loaded.tabVisible[i] = boolean(row, tabColumns[i], true);
    loaded.centralino = boolean(row, "centralino", false);
    loaded.charset = integer(row, "charset", 0);
    loaded.gridmode = boolean(row, "gridmode", false);
    loaded.hidetips = boolean(row, "hidetips", false);
    loaded.migrationinfo = boolean(row, "migrationinfo", false);
    loaded.solalettura = boolean(row, "solalettura", false);
    loaded.memGroupContact = text(row, "mem_group_contact");
    loaded.memGroupNote = text(row, "mem_group_note");
    loaded.memGroupList = text(row, "mem_group_list");
    record = loaded;
    return true;
}

bool SettingsStore::insertInitialRow(QString* error) const
{
    const SettingsRecord initial;
    const QString statement = QStringList{
        QStringLiteral("INSERT INTO BRset63"),
        QStringLiteral("       ( autostart, minimized, soundon, wavesound, breakline, formatbar, fontname, "
                       "fontcolor, fontsize, backcolor, timecheck,"),
        QStringLiteral("         ShotColor, YearColor, MonthColor, WeekColor, TodayColor, ContactColor, "
                       "NotesColor, TodoColor, UserColor, DataShot, DataYear, DataShotIndex, DataYearIndex, "
                       "WinWidth, WinHeight, WinStato, psw, blocco, showcale, startab)"),
        QStringLiteral("values (:autostart,:minimized,:soundon, :wavesound, :breakline,:formatbar,:fontname,"
                       ":fontcolor,:fontsize,:backcolor, :timecheck,"),
        QStringLiteral("        :ShotColor,:YearColor,:MonthColor,:WeekColor,:TodayColor,:ContactColor,"
                       ":NotesColor,:TodoColor,:UserColor,:DataShot,:DataYear,:DataShotIndex,:DataYearIndex,"
                       ":WinWidth,:WinHeight, :WinStato, :psw, :blocco, :showcale, :startab)"),
    }.join(QLatin1Char('\n'));
    QVariantMap values{
        {QStringLiteral("autostart"), initial.autostart},   {QStringLiteral("minimized"), initial.minimized},
        {QStringLiteral("soundon"), initial.soundon},       {QStringLiteral("wavesound"), initial.wavesound},
        {QStringLiteral("breakline"), initial.breakline},   {QStringLiteral("formatbar"), initial.formatbar},
        {QStringLiteral("fontname"), initial.fontname},     {QStringLiteral("fontcolor"), initial.fontcolor},
        {QStringLiteral("fontsize"), initial.fontsize},     {QStringLiteral("backcolor"), initial.backcolor},
        {QStringLiteral("timecheck"), initial.timecheck},   {QStringLiteral("DataShot"), initial.dataShot},
        {QStringLiteral("DataYear"), initial.dataYear},     {QStringLiteral("DataShotIndex"), initial.dataShotIndex},
        {QStringLiteral("DataYearIndex"), initial.dataYearIndex},
        {QStringLiteral("WinWidth"), initial.winWidth},     {QStringLiteral("WinHeight"), initial.winHeight},
        {QStringLiteral("WinStato"), initial.winStato},     {QStringLiteral("psw"), QStringLiteral("")},
        {QStringLiteral("blocco"), initial.blocco},         {QStringLiteral("showcale"), initial.showcale},
        {QStringLiteral("startab"), initial.startab},
    };
    const QStringList colorColumns = SettingsRecord::sectionColorColumns();
    for (int i = 0; i < colorColumns.size(); ++i)
        values.insert(colorColumns[i], initial.sectionColors[i]);
    return run(statement, values, error);
}

QString SettingsStore::fullSaveStatement()
{
    return QStringList{
        QStringLiteral("UPDATE BRset63"),
        QStringLiteral("SET autostart = :autostart,"),
        QStringLiteral("    minimized = :minimized,"),
        QStringLiteral("    soundon   = :soundon,"),
        QStringLiteral("    wavesound = :wavesound,"),
        QStringLiteral("    breakline = :breakline,"),
        QStringLiteral("    formatbar = :formatbar,"),
        QStringLiteral("    timecheck = :timecheck,"),
        QStringLiteral("    DataShot  = :DataShot,"),
        QStringLiteral("    DataYear  = :DataYear,"),
        QStringLiteral("    DataShotIndex  = :DataShotIndex,"),
        QStringLiteral("    DataYearIndex  = :DataYearIndex,"),
        QStringLiteral("    psw       = :psw,"),
        QStringLiteral("    blocco    = :blocco,"),
        QStringLiteral("    showcale    = :showcale,"),
        QStringLiteral("    startab     = :startab"),
    }.join(QLatin1Char('\n'));
}

bool SettingsStore::fullSave(const SettingsRecord& r, QString* error) const
{
    return run(fullSaveStatement(),
               {{QStringLiteral("autostart"), nonNull(r.autostart)},
                {QStringLiteral("minimized"), nonNull(r.minimized)},
                {QStringLiteral("soundon"), nonNull(r.soundon)},
                {QStringLiteral("wavesound"), nonNull(r.wavesound)},
                {QStringLiteral("breakline"), nonNull(r.breakline)},
                {QStringLiteral("formatbar"), nonNull(r.formatbar)},
                {QStringLiteral("timecheck"), nonNull(r.timecheck)},
                {QStringLiteral("DataShot"), nonNull(r.dataShot)},
                {QStringLiteral("DataYear"), nonNull(r.dataYear)},
                {QStringLiteral("DataShotIndex"), r.dataShotIndex},
                {QStringLiteral("DataYearIndex"), r.dataYearIndex},
                {QStringLiteral("psw"), nonNull(r.psw)},
                {QStringLiteral("blocco"), nonNull(r.blocco)},
                {QStringLiteral("showcale"), nonNull(r.showcale)},
                {QStringLiteral("startab"), nonNull(r.startab)}},
               error);
}

QString SettingsStore::colourSaveStatement()
{
    QStringList lines{QStringLiteral("UPDATE BRset63")};
    const QStringList columns = SettingsRecord::sectionColorColumns();
    for (int i = 0; i < columns.size(); ++i) {
        const QString head = i == 0 ? QStringLiteral("SET ") : QStringLiteral("    ");
        lines << head + columns[i].leftJustified(14) + QStringLiteral("= :") + columns[i]
                     + (i + 1 < columns.size() ? QStringLiteral(",") : QString());
    }
    return lines.join(QLatin1Char('\n'));
}

bool SettingsStore::colourSave(const QStringList& sectionColors, QString* error) const
{
    QVariantMap values;
    const QStringList columns = SettingsRecord::sectionColorColumns();
    for (int i = 0; i < columns.size(); ++i)
        values.insert(columns[i], nonNull(sectionColors.value(i)));
    return run(colourSaveStatement(), values, error);
}

QString SettingsStore::editorSaveStatement()
{
    return QStringList{
        QStringLiteral("UPDATE BRset63"),
        QStringLiteral("SET fontname  = :fontname,"),
        QStringLiteral("    fontcolor = :fontcolor,"),
        QStringLiteral("    fontsize  = :fontsize,"),
        QStringLiteral("    charset  = :charset,"),
        QStringLiteral("    backcolor = :backcolor"),
    }.join(QLatin1Char('\n'));
}

bool SettingsStore::editorSave(const QString& fontName, const QString& fontColor, int fontSize, int charset,
                               const QString& backColor, QString* error) const
{
    return run(editorSaveStatement(),
               {{QStringLiteral("fontname"), nonNull(fontName)},
                {QStringLiteral("fontcolor"), nonNull(fontColor)},
                {QStringLiteral("fontsize"), fontSize},
                {QStringLiteral("charset"), charset},
                {QStringLiteral("backcolor"), nonNull(backColor)}},
               error);
}

bool SettingsStore::saveWindowSize(bool maximised, int width, int height, QString* error) const
{
    if (maximised)
        return run(QStringLiteral("UPDATE BRset63\nSET WinStato  = :WinStato"),
                   {{QStringLiteral("WinStato"), QStringLiteral("wsMaximized")}}, error);
    return run(QStringLiteral("UPDATE BRset63\nSET WinWidth  = :WinWidth,\n    WinHeight = :WinHeight,\n"
                              "    WinStato  = :WinStato"),
               {{QStringLiteral("WinWidth"), width},
                {QStringLiteral("WinHeight"), height},
                {QStringLiteral("WinStato"), QStringLiteral("wsNormal")}},
               error);
}

bool SettingsStore::saveColumn(const QString& column, const QVariant& value, QString* error) const
{
    // Column names come from this fixed list only, never from the user.
    if (!singleColumns().contains(column)) {
        if (error)
            *error = QStringLiteral("Unknown settings column: %1").arg(column);
        return false;
    }
    QVariant bound = value;
    if (value.typeId() == QMetaType::Bool)
        bound = value.toBool() ? 1 : 0;
    return run(QStringLiteral("UPDATE BRset63\nSET ") + column + QStringLiteral(" = :value"),
               {{QStringLiteral("value"), bound}}, error);
}

} // namespace brivane::store
