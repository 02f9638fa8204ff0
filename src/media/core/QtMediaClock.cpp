#include "QtMediaClock.h"

#include <QTimer>

namespace {

class QtTimer final : public ITimer {
public:
    QtTimer(int intervalMs, bool singleShot, std::function<void()> onTimeout)
    {
        m_timer.setInterval(intervalMs);
        m_timer.setSingleShot(singleShot);
        m_timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&m_timer, &QTimer::timeout, [handler = std::move(onTimeout)] {
            if (handler)
                handler();
        });
    }
    void start() override { m_timer.start(); }
    void stop() override { m_timer.stop(); }
    bool isActive() const override { return m_timer.isActive(); }

private:
    QTimer m_timer;
};

} // namespace

QtMediaClock::QtMediaClock()
{
    m_elapsed.start();
}

std::unique_ptr<ITimer> QtMediaClock::createTimer(int intervalMs, bool singleShot, std::function<void()> onTimeout)
{
    return std::make_unique<QtTimer>(intervalMs, singleShot, std::move(onTimeout));
}
