#pragma once
// A small additive synthesiser for the program's sound effects: notes with
// a few harmonics, smooth attack and release ramps, and filtered noise.
// Everything is mono at 44.1 kHz, in floating point until it is written.
#include <vector>

namespace soundgen {

constexpr int kRate = 44100;

using Samples = std::vector<float>;

// Frequency of a MIDI note number (69 is A4 at 440 Hz).
double noteHz(double midiNote);

// The colour and shape of a note.
struct Timbre {
    std::vector<double> partials{1.0};   // amplitude of harmonic 1, 2, 3...
    double attack = 0.005;               // seconds to full level
    double decay = 2.0;                  // exponential fall per second after the attack
    double release = 0.03;               // seconds of fade at the end of the note
    double vibratoDepth = 0.0;           // fraction of the frequency
    double vibratoRate = 5.5;            // Hz
};

struct Note {
    double start = 0.0;     // seconds
    double length = 0.1;    // seconds, release included
    double midi = 60.0;     // may be fractional
    double level = 0.5;
    double glide = 0.0;     // semitones of pitch drift over the note
};

// A buffer long enough for `seconds` of sound.
Samples silence(double seconds);

void addNote(Samples& out, const Note& note, const Timbre& timbre);

// A burst of noise through a one-pole band: `brightness` 0..1 sets how much
// of the high end passes. Repeatable: the same seed gives the same burst.
void addNoise(Samples& out, double start, double length, double level, double brightness,
              double decay, unsigned seed);

// Scales the sound towards `targetRms` without letting any sample pass
// `peakCeiling`, and ramps the first and last few milliseconds from and to
// zero so that playback never starts or ends with a click.
void finish(Samples& out, double targetRms, double peakCeiling);

double peakOf(const Samples& samples);
double rmsOf(const Samples& samples);

} // namespace soundgen
