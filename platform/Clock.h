#pragma once
// Time source for every timer of the program and for reseeding the random
// generator. The program runs on RealClock; tests drive a manual clock so
// that no test waits on wall time.
#include <functional>
#include <memory>

namespace platform {

// Drives one timer: calls its tick every interval while started.
class TimerDriver {
public:
    virtual ~TimerDriver() = default;
    virtual void start(int intervalMs) = 0;   // begins a full interval
    virtual void stop() = 0;
    virtual bool running() const = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual std::unique_ptr<TimerDriver> makeTimerDriver(std::function<void()> tick) = 0;
    // Time of day in seconds since midnight, with its fraction.
    virtual double secondsSinceMidnight() const = 0;
};

// Wall-clock time and QTimer ticks on the user-interface thread.
class RealClock final : public Clock {
public:
    std::unique_ptr<TimerDriver> makeTimerDriver(std::function<void()> tick) override;
    double secondsSinceMidnight() const override;
};

} // namespace platform
