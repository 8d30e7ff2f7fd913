#include "Midi.h"

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <stdexcept>
#include <tuple>

namespace soundgen {

namespace {

using Bytes = std::vector<std::uint8_t>;

// The time after the last note, so the final chord can ring out.
constexpr long kTailTicks = kTicksPerQuarter * 2;

struct Event {
    long tick;
    int order;   // at the same tick: controls, then note-offs, then note-ons
    Bytes data;
};

void putVarLen(Bytes& out, unsigned long value)
{
    Bytes groups{static_cast<std::uint8_t>(value & 0x7F)};
    while ((value >>= 7) != 0)
        groups.push_back(static_cast<std::uint8_t>(0x80 | (value & 0x7F)));
    out.insert(out.end(), groups.rbegin(), groups.rend());
}

void putBigEndian(Bytes& out, unsigned long value, int bytes)
{
    for (int shift = (bytes - 1) * 8; shift >= 0; shift -= 8)
        out.push_back(static_cast<std::uint8_t>((value >> shift) & 0xFF));
}

Bytes trackChunk(std::vector<Event> events, long endTick)
{
    std::stable_sort(events.begin(), events.end(), [](const Event& a, const Event& b) {
        return std::tie(a.tick, a.order) < std::tie(b.tick, b.order);
    });
    Bytes body;
    long now = 0;
    for (const Event& event : events) {
        putVarLen(body, static_cast<unsigned long>(event.tick - now));
        body.insert(body.end(), event.data.begin(), event.data.end());
        now = event.tick;
    }
    putVarLen(body, static_cast<unsigned long>(std::max(0L, endTick - now)));
    body.insert(body.end(), {0xFF, 0x2F, 0x00});   // end of track

    Bytes chunk{'M', 'T', 'r', 'k'};
    putBigEndian(chunk, body.size(), 4);
    chunk.insert(chunk.end(), body.begin(), body.end());
    return chunk;
}

Bytes tempoTrack(const Tune& tune, long endTick)
{
    const unsigned long microsPerQuarter = 60'000'000UL / static_cast<unsigned long>(tune.tempo);
    Bytes tempo{0xFF, 0x51, 0x03};
    putBigEndian(tempo, microsPerQuarter, 3);
    return trackChunk({{0, 0, tempo}}, endTick);
}

Bytes voiceTrack(const Voice& voice, long endTick)
{
    const auto status = [&](int kind) { return static_cast<std::uint8_t>(kind | (voice.channel - 1)); };
    const auto byte = [](int value) { return static_cast<std::uint8_t>(value); };
    std::vector<Event> events{
        {0, 0, {status(0xB0), 7, byte(voice.volume)}},
        {0, 0, {status(0xB0), 10, byte(voice.pan)}},
        {0, 0, {status(0xB0), 91, byte(voice.reverb)}},
        {0, 0, {status(0xC0), byte(voice.program - 1)}},
    };
    for (const TuneNote& note : voice.notes) {
        for (int pitch : note.pitches) {
            events.push_back({note.start, 2, {status(0x90), byte(pitch), byte(note.velocity)}});
            events.push_back({note.start + note.length, 1, {status(0x80), byte(pitch), 0}});
        }
    }
    return trackChunk(std::move(events), endTick);
}

} // namespace

void writeMidi(const std::string& path, const Tune& tune)
{
    const long endTick = tune.length + kTailTicks;
    Bytes file{'M', 'T', 'h', 'd'};
    putBigEndian(file, 6, 4);
    putBigEndian(file, 1, 2);   // format 1: tracks play together
    putBigEndian(file, tune.voices.size() + 1, 2);
    putBigEndian(file, kTicksPerQuarter, 2);
    const Bytes tempo = tempoTrack(tune, endTick);
    file.insert(file.end(), tempo.begin(), tempo.end());
    for (const Voice& voice : tune.voices) {
        const Bytes track = voiceTrack(voice, endTick);
        file.insert(file.end(), track.begin(), track.end());
    }

    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out)
        throw std::runtime_error(path + ": não foi possível criar o arquivo");
    out.write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
    if (!out)
        throw std::runtime_error(path + ": falha ao gravar o arquivo");
}

} // namespace soundgen
