#include "TestClock.h"

#include <algorithm>

struct TestClock::TimerState {
    int interval = 0;
    bool singleShot = false;
    bool active = false;
    qint64 due = 0;
    qint64 order = 0; // among timers due at once, the one started first fires first
    std::function<void()> onTimeout;
};

class FakeTimer final : public ITimer {
public:
    FakeTimer(TestClock& clock, std::shared_ptr<TestClock::TimerState> state)
        : m_clock(clock), m_state(std::move(state))
    {
    }
    void start() override
    {
        m_state->active = true;
        m_state->due = m_clock.m_now + std::max(1, m_state->interval);
        m_state->order = ++m_clock.m_sequence;
    }
    void stop() override { m_state->active = false; }
    bool isActive() const override { return m_state->active; }

private:
    TestClock& m_clock;
    std::shared_ptr<TestClock::TimerState> m_state;
};

TestClock::TestClock() = default;
TestClock::~TestClock() = default;

std::unique_ptr<ITimer> TestClock::createTimer(int intervalMs, bool singleShot, std::function<void()> onTimeout)
{
    auto state = std::make_shared<TimerState>();
    state->interval = intervalMs;
    state->singleShot = singleShot;
    state->onTimeout = std::move(onTimeout);
    m_timers.push_back(state);
    return std::make_unique<FakeTimer>(*this, state);
}

void TestClock::advance(qint64 ms)
{
    const qint64 end = m_now + std::max<qint64>(0, ms);
    for (;;) {
        std::shared_ptr<TimerState> next;
        for (const auto& weak : m_timers) {
            const auto t = weak.lock();
            if (!t || !t->active || t->due > end)
                continue;
            if (!next || t->due < next->due || (t->due == next->due && t->order < next->order))
                next = t;
        }
        if (!next)
            break;
        m_now = next->due;
        if (next->singleShot) {
            next->active = false;
        } else {
            next->due = m_now + std::max(1, next->interval);
            next->order = ++m_sequence;
        }
        const auto handler = next->onTimeout; // the handler may destroy its timer
        if (handler)
            handler();
    }
    m_now = end;
    std::erase_if(m_timers, [](const std::weak_ptr<TimerState>& w) { return w.expired(); });
}

int TestClock::activeTimers() const
{
    return int(std::count_if(m_timers.begin(), m_timers.end(), [](const std::weak_ptr<TimerState>& w) {
        const auto t = w.lock();
        return t && t->active;
    }));
}
