#pragma once

#include "Timing.h"

#include <QDate>
#include <QSqlDatabase>
#include <QString>

#include <optional>

namespace brivane::bench {

// A figure beside its floor measured in the same run, with the target it
// is held to: a time in milliseconds, a ratio to the floor, or both.
struct Figure
{
    QString name;
    int rows = 0;
    Summary summary;
    QString floorName;
    std::optional<Summary> floor;
    std::optional<double> targetMs;
    std::optional<double> targetRatio;
    // The worst run is held to this many milliseconds.
    std::optional<double> targetMaxMs;

    std::optional<double> ratio() const;
    bool passes() const;
};

// Runs `body` and `floor` alternately, `runs` times each after `warmups`.
void measurePaired(int warmups, int runs, const std::function<void()>& body,
                   const std::function<void()>& floor, Summary* bodySummary, Summary* floorSummary);

QList<Figure> queryFigures(const QSqlDatabase& db, const QDate& day);
QList<Figure> searchFigures(const QSqlDatabase& db);
// The terminal agenda as whole processes beside the sqlite3 shell running
// the same statements on the same archive.
QList<Figure> agendaFigures(const QString& home, const QString& smallHome, const QDate& day,
                            const QSqlDatabase& db);
// The sqlite3 shell script that is the floor of the terminal agenda: the
// agenda's statement for each of `days` days from `from`, printed the same way.
QByteArray agendaShellScript(const QSqlDatabase& db, const QDate& from, int days);
// The real window in a child process: start-up, day and list steps, and a
// second process writing while the window is idle.
QList<Figure> windowFigures(const QString& home, const QString& emptyHome, const QString& archivePath);

} // namespace brivane::bench
