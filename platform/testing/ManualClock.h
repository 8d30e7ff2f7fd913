#pragma once
// A clock for tests: time stands still until advance(ms), which fires every
// tick that falls due in time order (ties in the order the timers started),
// each handler finishing before the next tick is looked for.
//
// A handler may itself advance the clock (a test standing in for a message
// box lets time pass while the box is "open"): the other timers tick on, but
// a timer never ticks again while its own handler runs, and once it returns
// its next tick comes one interval after the present, as with real timers.
#include "../Clock.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace platform::testing {

class ManualClock final : public Clock {
public:
    std::unique_ptr<TimerDriver> makeTimerDriver(std::function<void()> tick) override;
    double secondsSinceMidnight() const override;

    void advance(std::int64_t ms);
    std::int64_t now() const { return now_; }
    void setSecondsSinceMidnight(double seconds) { midnightOffset_ = seconds - double(now_) / 1000.0; }

    struct Entry;

private:
    std::vector<std::weak_ptr<Entry>> entries_;
    std::int64_t now_ = 0;
    double midnightOffset_ = 12 * 3600.0;
    std::uint64_t sequence_ = 0;
};

} // namespace platform::testing
