#include "Random.h"

#include <bit>
#include <random>

namespace platform {
namespace {

constexpr std::uint64_t golden = 0x9E3779B97F4A7C15ULL;

// SplitMix64's finaliser: a strong bijective mix of 64 bits.
std::uint64_t mix(std::uint64_t z)
{
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

std::uint64_t entropy()
{
    std::random_device device;
    return (std::uint64_t(device()) << 32) ^ device();
}

} // namespace

Random::Random(const Clock& clock) : Random(clock, entropy()) {}

Random::Random(const Clock& clock, std::uint64_t initialState)
    : clock_(clock), state_(initialState)
{
}

float Random::Rnd()
{
    state_ += golden;
    // The top 24 bits fill a float's mantissa exactly, so r never rounds up to 1.
    return float(mix(state_) >> 40) * 0x1p-24f;
}

void Random::Randomize()
{
    Randomize(static_cast<double>(static_cast<float>(clock_.secondsSinceMidnight())));
}

void Random::Randomize(double seed)
{
    state_ = mix(state_ ^ mix(std::bit_cast<std::uint64_t>(seed) + golden));
}

} // namespace platform
