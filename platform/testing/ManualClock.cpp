#include "ManualClock.h"

#include <algorithm>

namespace platform::testing {

struct ManualClock::Entry {
    std::function<void()> tick;
    bool running = false;
    std::int64_t due = 0;
    int interval = 0;
    std::uint64_t order = 0;      // start order, for ties
    std::uint64_t generation = 0; // changes at every start or stop
    bool ticking = false;         // its handler is running
};

namespace {

class ManualDriver final : public TimerDriver {
public:
    ManualDriver(std::shared_ptr<ManualClock::Entry> entry, const std::int64_t& now, std::uint64_t& sequence)
        : entry_(std::move(entry)), now_(now), sequence_(sequence)
    {
    }
    void start(int intervalMs) override
    {
        entry_->running = true;
        entry_->interval = intervalMs;
        entry_->due = now_ + intervalMs;
        entry_->order = ++sequence_;
        ++entry_->generation;
    }
    void stop() override
    {
        entry_->running = false;
        ++entry_->generation;
    }
    bool running() const override { return entry_->running; }

private:
    std::shared_ptr<ManualClock::Entry> entry_;
    const std::int64_t& now_;
    std::uint64_t& sequence_;
};

} // namespace

std::unique_ptr<TimerDriver> ManualClock::makeTimerDriver(std::function<void()> tick)
{
    auto entry = std::make_shared<Entry>();
    entry->tick = std::move(tick);
    entries_.push_back(entry);
    return std::make_unique<ManualDriver>(std::move(entry), now_, sequence_);
}

double ManualClock::secondsSinceMidnight() const
{
    return midnightOffset_ + double(now_) / 1000.0;
}

void ManualClock::advance(std::int64_t ms)
{
    const std::int64_t target = now_ + ms;
    for (;;) {
        std::erase_if(entries_, [](const std::weak_ptr<Entry>& e) { return e.expired(); });
        std::shared_ptr<Entry> next;
        for (const auto& weak : entries_) {
            auto entry = weak.lock();
            if (!entry || !entry->running || entry->ticking || entry->interval <= 0 || entry->due > target)
                continue;
            if (!next || entry->due < next->due || (entry->due == next->due && entry->order < next->order))
                next = entry;
        }
        if (!next)
            break;
        now_ = std::max(now_, next->due);
        const std::uint64_t generation = next->generation;
        next->ticking = true;
        next->tick();
        next->ticking = false;
        // A handler that stopped or restarted its own timer has already set its next tick.
        if (next->running && next->generation == generation) {
            next->due += next->interval;
            if (next->due <= now_) // time passed inside the handler: no burst of missed ticks
                next->due = now_ + next->interval;
        }
    }
    now_ = std::max(now_, target);
}

} // namespace platform::testing
