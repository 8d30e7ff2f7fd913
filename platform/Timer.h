#pragma once
// The timer control: Interval in milliseconds, Enabled, and one Timer event.
// Enabling a stopped timer begins a full interval; enabling a running one
// changes nothing. An Interval of 0 never ticks, and no timer ticks once
// the program has ended.
#include "Clock.h"

#include <functional>
#include <memory>

namespace platform {

class Timer {
public:
    // The clock is handed in by the screen that owns the timer: the program's
    // real clock, or a test's manual one.
    explicit Timer(Clock& clock);
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    int Interval() const { return interval_; }
    void setInterval(int ms);
    bool Enabled() const { return enabled_; }
    void setEnabled(bool enabled);

    // The Timer event; the screen connects its named handler here.
    std::function<void()> onTimer;

private:
    void apply();

    std::unique_ptr<TimerDriver> driver_;
    int interval_ = 0;
    bool enabled_ = false;
};

} // namespace platform
