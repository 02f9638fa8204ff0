#pragma once

#include <QtGlobal>

#include <functional>
#include <memory>

// A timer made by an IMediaClock. It calls its handler on the thread that made
// it, every interval (or once, for a single-shot timer), until stopped.
// Destroying it stops it.
class ITimer {
public:
    virtual ~ITimer() = default;
    // Starts the timer, or restarts it when it runs: the first call comes one
    // interval from now.
    virtual void start() = 0;
    virtual void stop() = 0;
    virtual bool isActive() const = 0;
};

// Time as the player, the recorder and press-and-hold recording see it: the
// milliseconds elapsed since some fixed start, and timers. The program uses
// QtMediaClock; tests use a clock they move by hand (TestClock), so that the
// 100 ms progress tick, the 750 ms arming and the playing position all follow
// the test instead of the wall clock.
class IMediaClock {
public:
    virtual ~IMediaClock() = default;
    virtual qint64 nowMs() const = 0;
    virtual std::unique_ptr<ITimer> createTimer(int intervalMs, bool singleShot, std::function<void()> onTimeout) = 0;
};
