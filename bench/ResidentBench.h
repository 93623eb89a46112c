#pragma once

#include "Timing.h"

#include <QDate>
#include <QSqlDatabase>
#include <QString>

namespace brivane::bench {

// One alarm clock tick over an alarm list of 1,000 tasks.
Summary timeAlarmTick();

struct IdleUse
{
    double cpuPercent = -1;
    double residentMiB = -1;
    int seconds = 0;
};
// Starts the real program hidden in the tray with the alarm on, on the
// archive of `home`, and measures what it uses while nothing happens.
IdleUse measureIdle(const QString& home, const QString& program, int seconds);

} // namespace brivane::bench
