#include "platform/Clock.h"

namespace brivane::platform {

namespace {
SystemClock systemClock;
Clock* current = &systemClock;
} // namespace

Clock& Clock::instance()
{
    return *current;
}

void Clock::setInstance(Clock* clock)
{
    current = clock ? clock : &systemClock;
}

} // namespace brivane::platform
