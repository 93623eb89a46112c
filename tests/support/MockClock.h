#pragma once

#include "platform/Clock.h"

namespace brivane::test {

// A clock that stands still until the test moves it; installs itself for its lifetime.
class MockClock final : public platform::Clock
{
public:
    explicit MockClock(const QDateTime& start) : m_now(start) { Clock::setInstance(this); }
    ~MockClock() override { Clock::setInstance(nullptr); }
    Q_DISABLE_COPY_MOVE(MockClock)

    QDateTime now() const override { return m_now; }
    void setNow(const QDateTime& now) { m_now = now; }
    void advanceSeconds(qint64 seconds) { m_now = m_now.addSecs(seconds); }
    void advanceDays(qint64 days) { m_now = m_now.addDays(days); }

private:
    QDateTime m_now;
};

} // namespace brivane::test
