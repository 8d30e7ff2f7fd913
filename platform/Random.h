#pragma once
// The runtime's random numbers: Rnd() gives 0 <= r < 1 in single precision.
// Randomize mixes a seed into the current state instead of restarting the
// sequence, so two reseeds within the same clock instant still draw
// independently.
#include "Clock.h"

#include <cstdint>

namespace platform {

class Random {
public:
    // Starts from a state taken from the system's entropy source.
    explicit Random(const Clock& clock);
    Random(const Clock& clock, std::uint64_t initialState);

    float Rnd();
    void Randomize();             // seed: the clock's seconds since midnight
    void Randomize(double seed);

private:
    const Clock& clock_;
    std::uint64_t state_;
};

} // namespace platform
