// Writes the game's eight sound files into a folder: six synthesised
// effects and two MIDI tunes read from their note-by-note sources.
//   soundgen PASTA_DE_SAIDA PASTA_DAS_MUSICAS
#include "Effects.h"
#include "Midi.h"
#include "Tune.h"
#include "Wav.h"

#include <cstdio>
#include <exception>
#include <string>
#include <utility>
#include <vector>

int main(int argc, char* argv[])
{
    if (argc != 3) {
        std::fputs("uso: soundgen PASTA_DE_SAIDA PASTA_DAS_MUSICAS\n", stderr);
        return 2;
    }
    const std::string output = argv[1];
    const std::string tuneFolder = argv[2];
    try {
        // Every source is read before anything is written, so a bad tune
        // leaves no half-made set of files behind.
        const std::vector<soundgen::Effect> effects = soundgen::allEffects();
        std::vector<std::pair<std::string, soundgen::Tune>> tunes;
        for (const char* name : {"abre", "jogo"})
            tunes.emplace_back(name, soundgen::readTune(tuneFolder + "/" + name + ".tune"));

        for (const soundgen::Effect& effect : effects) {
            soundgen::writeWav(output + "/" + effect.fileName, effect.samples);
            std::printf("%-11s %5.2f s  pico %.3f  RMS %.3f\n", effect.fileName.c_str(),
                        static_cast<double>(effect.samples.size()) / soundgen::kRate,
                        soundgen::peakOf(effect.samples), soundgen::rmsOf(effect.samples));
        }
        for (const auto& [name, tune] : tunes) {
            soundgen::writeMidi(output + "/" + name + ".mid", tune);
            std::printf("%s.mid    %5.1f s  %zu vozes\n", name.c_str(), soundgen::tuneSeconds(tune),
                        tune.voices.size());
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "soundgen: %s\n", error.what());
        return 1;
    }
    return 0;
}
