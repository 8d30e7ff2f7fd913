#include "Effects.h"

namespace soundgen {

namespace {

// Common loudness of the effects; the ceiling keeps clear of full scale.
constexpr double kTargetRms = 0.125;
constexpr double kPeakCeiling = 0.79;   // about -2 dBFS

// MIDI note numbers used below.
enum : int { F3 = 53, G3 = 55, A3 = 57, C4 = 60, E4 = 64, G4 = 67, B4 = 71, C5 = 72,
             D5 = 74, E5 = 76, G5 = 79, A5 = 81, C6 = 84, E6 = 88, G6 = 91, C7 = 96 };

const Timbre kBrass{{1.0, 0.7, 0.5, 0.35, 0.25, 0.15, 0.1}, 0.02, 0.6, 0.08, 0.004, 5.5};
const Timbre kChime{{1.0, 0.25, 0.12}, 0.002, 3.0, 0.1};
const Timbre kSoftLow{{1.0, 0.3, 0.08}, 0.03, 1.2, 0.15};
const Timbre kMallet{{1.0, 0.1, 0.3}, 0.003, 5.0, 0.06};
const Timbre kPad{{1.0, 0.5, 0.25, 0.1}, 0.06, 1.5, 0.2};
const Timbre kWoodBlock{{1.0, 0.3}, 0.0008, 60.0, 0.01};
const Timbre kBeep{{1.0, 0.0, 0.3, 0.0, 0.12}, 0.004, 4.0, 0.02};

// The quiz screen opens: a rising C major call of brass ending on a held chord.
Samples fanfare()
{
    Samples out = silence(1.5);
    addNote(out, {0.00, 0.16, G4, 0.5}, kBrass);
    addNote(out, {0.14, 0.16, C5, 0.5}, kBrass);
    addNote(out, {0.28, 0.16, E5, 0.5}, kBrass);
    addNote(out, {0.42, 1.05, G5, 0.55}, kBrass);
    addNote(out, {0.42, 1.05, E5, 0.3}, kBrass);
    addNote(out, {0.42, 1.05, C5, 0.3}, kBrass);
    addNote(out, {0.42, 1.05, C4, 0.3}, kBrass);
    return out;
}

// Right answer: a bright arpeggio of bells up to the top C, left to ring.
Samples chime()
{
    Samples out = silence(1.1);
    const int notes[] = {C6, E6, G6, C7};
    for (int i = 0; i < 4; ++i) {
        const double start = 0.09 * i;
        addNote(out, {start, 1.1 - start, static_cast<double>(notes[i]), 0.4}, kChime);
    }
    return out;
}

// A click: a crisp, very short tick of noise and a high wooden knock.
Samples click()
{
    Samples out = silence(0.05);
    addNoise(out, 0.0, 0.05, 0.5, 0.7, 220.0, 7u);
    addNote(out, {0.0, 0.05, C7 - 5, 0.6}, {{1.0, 0.2}, 0.0006, 120.0, 0.01});
    return out;
}

// Wrong answer: two soft, low falling notes, the second sagging a little.
Samples wrong()
{
    Samples out = silence(0.9);
    addNote(out, {0.00, 0.30, A3, 0.5}, kSoftLow);
    addNote(out, {0.28, 0.62, F3, 0.55, -0.7}, kSoftLow);
    addNote(out, {0.28, 0.62, F3 - 12, 0.2, -0.7}, kSoftLow);
    return out;
}

// A new question: a quick mallet run up to G with a soft chord below.
Samples sting()
{
    Samples out = silence(0.9);
    addNote(out, {0.00, 0.30, G4, 0.45}, kMallet);
    addNote(out, {0.09, 0.30, D5, 0.45}, kMallet);
    addNote(out, {0.18, 0.72, G5, 0.5}, kMallet);
    for (int note : {G3, B4, D5})
        addNote(out, {0.18, 0.70, static_cast<double>(note), 0.18}, kPad);
    return out;
}

// Twenty seconds left: two seconds of tick-tock at eight ticks a second,
// with a short double beep every half second.
Samples panic()
{
    Samples out = silence(2.0);
    for (int tick = 0; tick < 16; ++tick) {
        const double start = 0.125 * tick;
        const double pitch = tick % 2 == 0 ? A5 + 12 : E6;
        const double level = tick % 4 == 0 ? 0.55 : 0.4;
        addNote(out, {start, 0.06, pitch, level}, kWoodBlock);
        addNoise(out, start, 0.02, 0.12, 0.8, 300.0, 11u + static_cast<unsigned>(tick));
    }
    for (int beat = 0; beat < 4; ++beat) {
        const double start = 0.5 * beat;
        addNote(out, {start, 0.08, E5, 0.25}, kBeep);
        addNote(out, {start + 0.11, 0.08, E5, 0.25}, kBeep);
    }
    return out;
}

} // namespace

std::vector<Effect> allEffects()
{
    std::vector<Effect> effects{
        {"abre.wav", fanfare()}, {"certo.wav", chime()}, {"click.wav", click()},
        {"erro.wav", wrong()},   {"intro.wav", sting()}, {"panico.wav", panic()},
    };
    for (Effect& effect : effects)
        finish(effect.samples, kTargetRms, kPeakCeiling);
    return effects;
}

} // namespace soundgen
