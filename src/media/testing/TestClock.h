#pragma once

#include "IMediaClock.h"

#include <memory>
#include <vector>

// A clock that stands still until the test moves it. advance() walks through
// the timers' deadlines in order, calling each due timer at its own time, so a
// 100 ms tick fires ten times in one second and a position read in its handler
// is the position at that moment.
class TestClock final : public IMediaClock {
public:
    TestClock();
    ~TestClock() override;

    qint64 nowMs() const override { return m_now; }
    std::unique_ptr<ITimer> createTimer(int intervalMs, bool singleShot, std::function<void()> onTimeout) override;

    void advance(qint64 ms);
    // Timers running now.
    int activeTimers() const;

    struct TimerState;

private:
    qint64 m_now = 0;
    qint64 m_sequence = 0;
    std::vector<std::weak_ptr<TimerState>> m_timers;
    friend class FakeTimer;
};
