#include "Clock.h"

#include <QTime>
#include <QTimer>

namespace platform {
namespace {

class QtTimerDriver final : public TimerDriver {
public:
    explicit QtTimerDriver(std::function<void()> tick)
    {
        timer_.setTimerType(Qt::PreciseTimer);
        QObject::connect(&timer_, &QTimer::timeout, [tick = std::move(tick)] { tick(); });
    }
    void start(int intervalMs) override { timer_.start(intervalMs); }
    void stop() override { timer_.stop(); }
    bool running() const override { return timer_.isActive(); }

private:
    QTimer timer_;
};

} // namespace

std::unique_ptr<TimerDriver> RealClock::makeTimerDriver(std::function<void()> tick)
{
    return std::make_unique<QtTimerDriver>(std::move(tick));
}

double RealClock::secondsSinceMidnight() const
{
    return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}

} // namespace platform
