// brivane-sky-bench: times one phase angle of the Moon (the complete Earth
// series of 2,425 terms and the 120 lunar terms) and what the zodiac strip
// and the Moon picture add to stepping the Today view by one day. Each
// figure stands beside its floor, measured in the same run.

#include "Timing.h"

#include "agenda/TaskListQuery.h"
#include "agenda/widgets/TodayTab.h"
#include "sky/Moon.h"
#include "sky/PhaseAngle.h"
#include "sky/Sun.h"
#include "sky/widgets/SkyStrip.h"

#include <QApplication>
#include <QTextStream>
#include <QToolButton>

using namespace brivane;
using bench::Summary;

namespace {

QTextStream out(stdout);

// Keeps the compiler from dropping a result it sees unused.
volatile double g_sink = 0;

struct Line
{
    QString name;
    Summary summary;
    double targetMs = 0; // 0: no target
    bool floor = false;  // the part of another figure that cannot be avoided
};

void printTable(const QList<Line>& lines)
{
    auto ms = [](double value) -> QString { return QString::number(value, 'f', 4) + QStringLiteral(" ms"); };
    out << "| Measurement | Median | Min | Max | Runs | Target | Result |\n"
        << "|---|---:|---:|---:|---:|---:|---|\n";
    for (const Line& line : lines) {
        const Summary& s = line.summary;
        const QString target =
            line.targetMs > 0 ? QStringLiteral("≤ ") + QString::number(line.targetMs) + QStringLiteral(" ms")
                              : QStringLiteral("—");
        const QString result = line.floor                  ? QStringLiteral("floor")
                               : line.targetMs <= 0        ? QStringLiteral("report")
                               : s.median <= line.targetMs ? QStringLiteral("PASS")
                                                           : QStringLiteral("OVER");
        out << "| " << line.name << " | " << ms(s.median) << " | " << ms(s.min) << " | " << ms(s.max) << " | "
            << s.runs << " | " << target << " | " << result << " |\n";
    }
}

QString ratio(const Summary& figure, const Summary& floor)
{
    return QString::number(figure.median / floor.median, 'f', 2) + QStringLiteral(" x");
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    out << "Build: " << BRIVANE_BENCH_BUILD_TYPE << ", Qt " << qVersion() << ", platform "
        << QGuiApplication::platformName() << "\n\n";

    // Moments an hour and a day apart over some decades, so no two runs sum the same series.
    sky::Real julianDay = 2451545.0L;
    const Summary earth = bench::measure(50, 2001, [&] {
        julianDay += 1.0417L;
        g_sink = double(sky::earthPosition(julianDay).longitude);
    });
    const Summary moon = bench::measure(50, 2001, [&] {
        julianDay += 1.0417L;
        g_sink = double(sky::moonPosition(julianDay).longitude);
    });
    const Summary phase = bench::measure(50, 2001, [&] {
        julianDay += 1.0417L;
        g_sink = double(sky::phaseAngle(julianDay));
    });

    // The strip's share of a day step: the sign and season, the phase angle
    // and the repainted Moon, shown on screen.
    sky::widgets::SkyStrip strip;
    strip.resize(240, 36);
    strip.show();
    QDateTime moment(QDate(2024, 1, 1), QTime(9, 30));
    const Summary stripStep = bench::measure(20, 501, [&] {
        moment = moment.addDays(1);
        strip.showMoon(moment);
        strip.showZodiacAndSeason(moment.date());
        strip.repaint();
    });

    // A whole day step of the Today tab (picker, side calendar, strip; no
    // archive query), pressing its next-day button.
    agenda::TodayQuery model;
    ui::TodayTab today(&model);
    today.resize(1000, 700);
    today.setSidePanelShown(true);
    today.show();
    auto* next = today.findChild<QToolButton*>(QStringLiteral("SpeedButtonNextDay"));
    const Summary todayStep = bench::measure(20, 501, [&] {
        next->click();
        today.afterRefresh(QDate(2000, 1, 1));
        today.repaint();
    });

    QList<Line> lines;
    lines << Line{QStringLiteral("Earth from the complete VSOP87D series (2,425 terms)"), earth, 0, true}
          << Line{QStringLiteral("Moon from the lunar tables (120 terms)"), moon, 0, true}
          << Line{QStringLiteral("Phase angle of the Moon (Sun, Moon, angle)"), phase, 1.0}
          << Line{QStringLiteral("Strip's share of a day step (sign, season, Moon picture, repaint)"),
                  stripStep, 2.0}
          << Line{QStringLiteral("Whole day step of the Today tab, without the archive query"), todayStep, 0};
    printTable(lines);
    out << "\nPhase angle / its Earth series floor: " << ratio(phase, earth) << "\n"
        << "Strip's share of a step / the phase angle in it: " << ratio(stripStep, phase) << "\n"
        << "Strip's share / the whole Today step without query: "
        << QString::number(100.0 * stripStep.median / todayStep.median, 'f', 0) << " %\n";
    out.flush();
    return 0;
}
