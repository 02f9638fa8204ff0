#pragma once

#include "IMediaClock.h"

#include <QElapsedTimer>

// The wall clock and QTimer: needs the thread's event loop for its timers.
class QtMediaClock final : public IMediaClock {
public:
    QtMediaClock();
    qint64 nowMs() const override { return m_elapsed.elapsed(); }
    std::unique_ptr<ITimer> createTimer(int intervalMs, bool singleShot, std::function<void()> onTimeout) override;

private:
    QElapsedTimer m_elapsed;
};
