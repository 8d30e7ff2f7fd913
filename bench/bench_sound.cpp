// How long a cue keeps the user-interface thread, and what the player holds
// in memory. Runs on SDL's dummy audio driver unless SDL_AUDIODRIVER says
// otherwise, so no speaker is needed.
#include "sound/frmSom.h"

#include <benchmark/benchmark.h>

#include <QString>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <thread>

namespace {

// Resident memory of this process in MiB.
double residentMiB()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stod(line.substr(6)) / 1024.0;
    }
    return 0.0;
}

// The program's player, with every cue played for a moment, so each file is
// loaded and each instrument of both tunes has been used.
struct WarmPlayer {
    double before = residentMiB();
    sound::frmSom som{QStringLiteral(TOLVANE_PROGRAM_DIR)};
    double after = 0.0;

    WarmPlayer()
    {
        for (sound::Cue cue : sound::kAllCues) {
            som.play(cue);
            std::this_thread::sleep_for(std::chrono::milliseconds(300));
        }
        som.stop();
        after = residentMiB();
    }
};

WarmPlayer& warm()
{
    static WarmPlayer player;
    return player;
}

void reportMemory(benchmark::State& state)
{
    state.counters["player_MiB"] = warm().after - warm().before;
}

void BM_CueWav(benchmark::State& state)
{
    for (auto _ : state)
        warm().som.Click_Iniciar();
    reportMemory(state);
}
BENCHMARK(BM_CueWav)->Unit(benchmark::kMicrosecond);

void BM_CueMidi(benchmark::State& state)
{
    for (auto _ : state)
        warm().som.Jogo_Iniciar();
    reportMemory(state);
}
BENCHMARK(BM_CueMidi)->Unit(benchmark::kMicrosecond);

// The opening's tune, then the quiz's, then back: each switch reads the
// other file into the one synthesiser.
void BM_CueMidiSwitch(benchmark::State& state)
{
    for (auto _ : state) {
        warm().som.Abertura_Iniciar();
        warm().som.Jogo_Iniciar();
    }
    reportMemory(state);
}
BENCHMARK(BM_CueMidiSwitch)->Unit(benchmark::kMicrosecond);

// The pattern of an answer: click, then the verdict, then the music again.
void BM_AnswerSequence(benchmark::State& state)
{
    for (auto _ : state) {
        warm().som.Click_Iniciar();
        warm().som.Certo_Iniciar();
        warm().som.Jogo_Iniciar();
    }
    reportMemory(state);
}
BENCHMARK(BM_AnswerSequence)->Unit(benchmark::kMicrosecond);

// The one-time cost after the first paint: creating the player, which opens
// the device and decodes the six short effects.
void BM_PlayerStartUp(benchmark::State& state)
{
    for (auto _ : state) {
        auto fresh = std::make_unique<sound::frmSom>(QStringLiteral(TOLVANE_PROGRAM_DIR));
        benchmark::DoNotOptimize(fresh.get());
        state.PauseTiming();
        fresh.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_PlayerStartUp)->Unit(benchmark::kMillisecond)->Iterations(5);

// The one-time cost of the first tune: the synthesiser and the soundfont.
void BM_FirstTune(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto fresh = std::make_unique<sound::frmSom>(QStringLiteral(TOLVANE_PROGRAM_DIR));
        state.ResumeTiming();
        fresh->Abertura_Iniciar();
        state.PauseTiming();
        fresh.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_FirstTune)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

int main(int argc, char** argv)
{
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
