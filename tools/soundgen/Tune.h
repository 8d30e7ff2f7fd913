#pragma once
// A tune written note by note in a small text notation (see tunes/README.md),
// read into voices of timed notes ready to be written as MIDI.
#include <string>
#include <vector>

namespace soundgen {

constexpr int kTicksPerQuarter = 480;
constexpr int kTicksPerEighth = kTicksPerQuarter / 2;

struct TuneNote {
    long start = 0;            // ticks from the start of the tune
    long length = 0;           // ticks it sounds
    std::vector<int> pitches;  // MIDI note numbers; several make a chord
    int velocity = 80;
};

struct Voice {
    std::string name;
    int program = 1;    // General MIDI instrument, 1 to 128
    int channel = 1;    // 1 to 16; 10 is percussion
    int volume = 100;
    int pan = 64;
    int reverb = 40;
    int gate = 90;      // percent of each written length that sounds
    std::vector<TuneNote> notes;
    long length = 0;    // ticks written, rests included
};

struct Tune {
    int tempo = 120;    // quarter notes per minute
    int meter = 0;      // eighths per bar; 0 leaves bars unchecked
    std::vector<Voice> voices;
    long length = 0;    // ticks
};

// Reads the notation; throws std::runtime_error naming the source, the line
// and the reason when something cannot be understood.
Tune parseTune(const std::string& text, const std::string& sourceName);
Tune readTune(const std::string& path);

// Playing time in seconds.
double tuneSeconds(const Tune& tune);

} // namespace soundgen
