#pragma once

#include <QDate>
#include <QDateTime>

namespace brivane::platform {

// The one source of "now". Tests install their own clock to stand at any
// instant (midnight, the alarm second); the program uses the system clock.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
    QDate today() const { return now().date(); }

    static Clock& instance();
    // Installs a clock (not owned); nullptr restores the system clock.
    static void setInstance(Clock* clock);
};

class SystemClock final : public Clock
{
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};

} // namespace brivane::platform
