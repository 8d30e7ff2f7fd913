#include "Timer.h"

#include "Program.h"

namespace platform {

Timer::Timer(Clock& clock)
    : driver_(clock.makeTimerDriver([this] {
          if (onTimer && !programEnded())
              onTimer();
      }))
{
}

void Timer::setInterval(int ms)
{
    if (ms < 0)
        ms = 0;
    if (ms == interval_)
        return;
    interval_ = ms;
    // A new interval restarts the count of a running timer.
    driver_->stop();
    apply();
}

void Timer::setEnabled(bool enabled)
{
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    if (!enabled_)
        driver_->stop();
    apply();
}

void Timer::apply()
{
    if (enabled_ && interval_ > 0 && !driver_->running())
        driver_->start(interval_);
}

} // namespace platform
