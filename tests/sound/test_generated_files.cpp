// The eight sound files the build writes into the program folder, read back
// as a player's machine would: valid headers, sensible lengths, and effects
// that are level-matched, clear of full scale and free of edge clicks.
#include "SoundFiles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>

using namespace sound::testing;

namespace {

std::uint32_t little(const QByteArray& b, qsizetype at, int bytes)
{
    std::uint32_t value = 0;
    for (int i = bytes - 1; i >= 0; --i)
        value = (value << 8) | static_cast<std::uint8_t>(b[at + i]);
    return value;
}

std::uint32_t big(const QByteArray& b, qsizetype at, int bytes)
{
    std::uint32_t value = 0;
    for (int i = 0; i < bytes; ++i)
        value = (value << 8) | static_cast<std::uint8_t>(b[at + i]);
    return value;
}

struct Wave {
    int channels = 0, rate = 0, bits = 0;
    std::vector<std::int16_t> samples;
};

// Walks the RIFF chunks; an empty result means the file is not a 16-bit PCM WAVE.
Wave readWave(const QByteArray& b)
{
    Wave wave;
    if (b.size() < 12 || b.left(4) != "RIFF" || b.mid(8, 4) != "WAVE")
        return wave;
    for (qsizetype at = 12; at + 8 <= b.size();) {
        const QByteArray id = b.mid(at, 4);
        const qsizetype size = little(b, at + 4, 4);
        if (id == "fmt " && little(b, at + 8, 2) == 1) {
            wave.channels = static_cast<int>(little(b, at + 10, 2));
            wave.rate = static_cast<int>(little(b, at + 12, 4));
            wave.bits = static_cast<int>(little(b, at + 22, 2));
        } else if (id == "data" && wave.bits == 16) {
            wave.samples = samplesOf(b.mid(at + 8, size));
        }
        at += 8 + size + (size & 1);
    }
    return wave;
}

// Playing time of a Standard MIDI File: the last event of any track,
// converted through the tempo changes of the file.
double midiSeconds(const QByteArray& b)
{
    const double division = big(b, 12, 2);
    std::map<long, double> tempo{{0, 500000.0}};   // tick -> microseconds per quarter
    long lastTick = 0;
    for (qsizetype at = 14; at + 8 <= b.size();) {
        const qsizetype end = at + 8 + big(b, at + 4, 4);
        long tick = 0;
        std::uint8_t running = 0;
        for (qsizetype p = at + 8; p < end;) {
            long delta = 0;
            std::uint8_t c = 0;
            do {
                c = static_cast<std::uint8_t>(b[p++]);
                delta = (delta << 7) | (c & 0x7F);
            } while (c & 0x80);
            tick += delta;
            std::uint8_t status = static_cast<std::uint8_t>(b[p]);
            if (status & 0x80)
                ++p;
            else
                status = running;
            if (status == 0xFF) {
                const std::uint8_t type = static_cast<std::uint8_t>(b[p++]);
                const qsizetype length = static_cast<std::uint8_t>(b[p++]);
                if (type == 0x51)
                    tempo[tick] = big(b, p, 3);
                p += length;
            } else {
                running = status;
                p += (status & 0xF0) == 0xC0 || (status & 0xF0) == 0xD0 ? 1 : 2;
            }
        }
        lastTick = std::max(lastTick, tick);
        at = end;
    }
    double seconds = 0.0;
    for (auto it = tempo.begin(); it != tempo.end(); ++it) {
        const auto next = std::next(it);
        const long until = next == tempo.end() ? lastTick : std::min(lastTick, next->first);
        if (until > it->first)
            seconds += static_cast<double>(until - it->first) / division * it->second / 1e6;
    }
    return seconds;
}

double rms(const std::vector<std::int16_t>& samples)
{
    double sum = 0.0;
    for (std::int16_t s : samples)
        sum += static_cast<double>(s) * s;
    return std::sqrt(sum / static_cast<double>(samples.size())) / 32768.0;
}

struct EffectLimits {
    const char* name;
    double minSeconds, maxSeconds;
};

} // namespace

// Every effect must load as 16-bit PCM, last about as long as its moment
// allows, stay under full scale and start and end at rest (no click).
TEST(GeneratedSoundFiles, EffectsAreCleanPcmWavesOfSuitableLength)
{
    const EffectLimits effects[] = {{"abre.wav", 0.8, 2.5},  {"certo.wav", 0.5, 2.0},
                                    {"click.wav", 0.01, 0.15}, {"erro.wav", 0.4, 1.5},
                                    {"intro.wav", 0.4, 1.5}, {"panico.wav", 1.5, 2.5}};
    std::vector<double> levels;
    for (const EffectLimits& effect : effects) {
        SCOPED_TRACE(effect.name);
        const Wave wave = readWave(readAll(programFile(effect.name)));
        ASSERT_FALSE(wave.samples.empty()) << "not a 16-bit PCM RIFF/WAVE file";
        EXPECT_EQ(wave.channels, 1);
        EXPECT_EQ(wave.rate, 44100);
        const double seconds = static_cast<double>(wave.samples.size()) / wave.rate;
        EXPECT_GE(seconds, effect.minSeconds);
        EXPECT_LE(seconds, effect.maxSeconds);

        const int peak = peakBetween(wave.samples, 0, wave.samples.size());
        EXPECT_LT(peak, 32767 * 9 / 10) << "peaks too close to full scale";
        EXPECT_GT(peak, 32767 / 4) << "too quiet: not normalised";
        EXPECT_LT(std::abs(wave.samples.front()), 330) << "starts with a click";
        EXPECT_LT(std::abs(wave.samples.back()), 330) << "ends with a click";
        levels.push_back(rms(wave.samples));
    }
    // Matched levels: no effect more than 6 dB louder than another.
    const auto [quietest, loudest] = std::minmax_element(levels.begin(), levels.end());
    EXPECT_LT(*loudest / *quietest, 2.0);
}

// The two tunes must be MIDI files the synthesiser accepts, and as long as
// the screens need: the quiz music 45 to 60 s, the opening music 30 to 60 s.
TEST(GeneratedSoundFiles, TunesAreMidiFilesOfTheRightLength)
{
    const EffectLimits tunes[] = {{"jogo.mid", 45.0, 60.0}, {"abre.mid", 30.0, 60.0}};
    for (const EffectLimits& tune : tunes) {
        SCOPED_TRACE(tune.name);
        const QByteArray bytes = readAll(programFile(tune.name));
        ASSERT_GE(bytes.size(), 14);
        EXPECT_EQ(bytes.left(4), QByteArray("MThd"));
        EXPECT_EQ(big(bytes, 4, 4), 6u);
        EXPECT_EQ(bytes.mid(14, 4), QByteArray("MTrk"));
        const double seconds = midiSeconds(bytes);
        EXPECT_GE(seconds, tune.minSeconds);
        EXPECT_LE(seconds, tune.maxSeconds);
    }
}
