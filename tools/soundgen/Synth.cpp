#include "Synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace soundgen {

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;
constexpr double kEdgeRamp = 0.002;   // seconds faded at each end of a file

// Raised-cosine ramp from 0 to 1 over x in [0, 1]: no corner, so no click.
double smoothRamp(double x)
{
    x = std::clamp(x, 0.0, 1.0);
    return 0.5 - 0.5 * std::cos(std::numbers::pi * x);
}

std::size_t sampleAt(double seconds)
{
    return static_cast<std::size_t>(std::max(0.0, seconds) * kRate);
}

} // namespace

double noteHz(double midiNote)
{
    return 440.0 * std::pow(2.0, (midiNote - 69.0) / 12.0);
}

Samples silence(double seconds)
{
    return Samples(sampleAt(seconds), 0.0f);
}

void addNote(Samples& out, const Note& note, const Timbre& timbre)
{
    const std::size_t first = sampleAt(note.start);
    const std::size_t count = sampleAt(note.length);
    if (first + count > out.size())
        out.resize(first + count, 0.0f);

    double phase = 0.0;
    for (std::size_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double drift = note.glide * t / note.length;
        const double vibrato = 1.0 + timbre.vibratoDepth * std::sin(kTwoPi * timbre.vibratoRate * t);
        phase += kTwoPi * noteHz(note.midi + drift) * vibrato / kRate;

        double value = 0.0;
        for (std::size_t k = 0; k < timbre.partials.size(); ++k) {
            // Upper harmonics fade sooner, as on a struck or blown instrument.
            const double fade = std::exp(-timbre.decay * (1.0 + 0.6 * static_cast<double>(k)) * t);
            value += timbre.partials[k] * fade * std::sin(phase * static_cast<double>(k + 1));
        }
        const double envelope = smoothRamp(t / timbre.attack)
                                * smoothRamp((note.length - t) / timbre.release);
        out[first + i] += static_cast<float>(note.level * envelope * value);
    }
}

void addNoise(Samples& out, double start, double length, double level, double brightness,
              double decay, unsigned seed)
{
    const std::size_t first = sampleAt(start);
    const std::size_t count = sampleAt(length);
    if (first + count > out.size())
        out.resize(first + count, 0.0f);

    unsigned state = seed;
    double low = 0.0;
    for (std::size_t i = 0; i < count; ++i) {
        state = state * 1664525u + 1013904223u;
        const double white = static_cast<double>(state >> 8) / static_cast<double>(1u << 24) * 2.0 - 1.0;
        low += (1.0 - brightness) * (white - low);   // one-pole low-pass
        const double band = white * brightness + (white - low) * (1.0 - brightness);
        const double t = static_cast<double>(i) / kRate;
        const double envelope = smoothRamp(t / 0.0008) * std::exp(-decay * t)
                                * smoothRamp((length - t) / 0.003);
        out[first + i] += static_cast<float>(level * envelope * band);
    }
}

double peakOf(const Samples& samples)
{
    double peak = 0.0;
    for (float s : samples)
        peak = std::max(peak, static_cast<double>(std::fabs(s)));
    return peak;
}

double rmsOf(const Samples& samples)
{
    if (samples.empty())
        return 0.0;
    double sum = 0.0;
    for (float s : samples)
        sum += static_cast<double>(s) * s;
    return std::sqrt(sum / static_cast<double>(samples.size()));
}

void finish(Samples& out, double targetRms, double peakCeiling)
{
    const double peak = peakOf(out);
    const double rms = rmsOf(out);
    if (peak <= 0.0 || rms <= 0.0)
        return;
    const double gain = std::min(targetRms / rms, peakCeiling / peak);
    const std::size_t ramp = std::min(sampleAt(kEdgeRamp), out.size() / 2);
    for (std::size_t i = 0; i < out.size(); ++i) {
        double edge = 1.0;
        if (i < ramp)
            edge = smoothRamp(static_cast<double>(i) / static_cast<double>(ramp));
        else if (i >= out.size() - ramp)
            edge = smoothRamp(static_cast<double>(out.size() - 1 - i) / static_cast<double>(ramp));
        out[i] = static_cast<float>(out[i] * gain * edge);
    }
}

} // namespace soundgen
