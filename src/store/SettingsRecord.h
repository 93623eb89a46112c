#pragma once

#include <QString>
#include <QStringList>

namespace brivane::store {

// The one row of BRset63: the user's preferences, kept in the archive so
// they travel with it. Yes/no texts hold "Y" or "N"; booleans are 0/1.
struct SettingsRecord
{
    static constexpr int kMinimumWidth = 670;
    static constexpr int kMinimumHeight = 592;

    QString autostart = QStringLiteral("N");
    QString minimized = QStringLiteral("N");
    QString soundon = QStringLiteral("Y");
    QString wavesound = QStringLiteral("mailbeep");
    QString breakline = QStringLiteral("Y");
    QString formatbar = QStringLiteral("N");
    QString fontname = QStringLiteral("Fixedsys");
    QString fontcolor = QStringLiteral("clBlack");
    int fontsize = 8;
    QString backcolor = QStringLiteral("clWhite");
    QString timecheck = QStringLiteral("Y");
    // Section colours in tab order: One Shot, Yearly, Monthly, Weekly, Today,
    // Contacts, Notes, To Do, Options.
    QStringList sectionColors = defaultSectionColors();
    QString dataShot = QStringLiteral("dddd d mmmm yyyy");
    QString dataYear = QStringLiteral("d mmmm");
    int dataShotIndex = 3;
    int dataYearIndex = 0;
    int winWidth = kMinimumWidth;
    int winHeight = kMinimumHeight;
    QString winStato = QStringLiteral("wsNormal");
    QString psw;
    QString blocco = QStringLiteral("Y");
    QString showcale = QStringLiteral("Y");
    QString startab = QStringLiteral("4");

    bool futuroFlag = false;
    int futuroDays = 5;
    int scalaIndex = 0;
    bool ampm = false;
    QString themeName = QStringLiteral("default");
    // One Shot, Yearly, Monthly, Weekly, Today, Contacts, Notes, To Do.
    QList<bool> tabVisible = QList<bool>(8, true);
    bool centralino = false;
    int charset = 0;
    bool gridmode = false;
    bool hidetips = false;
    bool migrationinfo = false;
    bool solalettura = false;
    QString memGroupContact;
    QString memGroupNote;
    QString memGroupList;

    // The columns the loaded row actually has (older archives lack some).
    QStringList columns;

    bool hasColumn(const QString& name) const { return columns.contains(name, Qt::CaseInsensitive); }
    static QStringList defaultSectionColors();
    static QStringList sectionColorColumns();
};

// The signalling choice kept in soundon: "Y" sound, "V" pop-up, "2" both, "N" none.
QString soundonCode(bool sound, bool popup);
bool soundonHasSound(const QString& code);
bool soundonHasPopup(const QString& code);

// Entries of the two date format lists and the scale list, in list order.
QStringList oneShotDateFormats();
QStringList yearlyDateFormats();
QStringList scaleEntries();

} // namespace brivane::store
