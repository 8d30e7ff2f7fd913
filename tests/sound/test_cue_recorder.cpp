// The nine procedures that screens call, seen through the recorder that
// screen tests use in place of the real player.
#include "CueRecorder.h"

#include <gtest/gtest.h>

#include <string>

using sound::Cue;
using sound::testing::CueRecorder;

// Each procedure must play its own file: a swapped pair would put the
// opening music on the quiz screen or the wrong-answer sound on a right one.
TEST(CueProcedures, EachProcedurePlaysItsOwnFile)
{
    CueRecorder som;
    som.Abre_Iniciar();
    som.Certo_Iniciar();
    som.Click_Iniciar();
    som.Erro_Iniciar();
    som.Intro_Iniciar();
    som.Panico_Iniciar();
    som.Jogo_Iniciar();
    som.Abertura_Iniciar();
    std::vector<std::string> files;
    for (const auto& call : som.calls)
        files.push_back(call ? sound::cueFileName(*call) : "Sem_Som");
    EXPECT_EQ(files, (std::vector<std::string>{"abre.wav", "certo.wav", "click.wav", "erro.wav",
                                               "intro.wav", "panico.wav", "jogo.mid", "abre.mid"}));
}

// One channel: an answer's click is cut off by the verdict cue, the panic
// cue ends the music, and after Sem_Som nothing sounds and nothing is cut.
TEST(CueProcedures, RecorderKeepsOneChannelLikeThePlayer)
{
    CueRecorder som;
    som.Jogo_Iniciar();
    som.Click_Iniciar();
    som.Certo_Iniciar();
    EXPECT_EQ(som.nowPlaying(), Cue::Certo);
    EXPECT_EQ(som.cutOffs, (std::vector<CueRecorder::CutOff>{{Cue::Jogo, Cue::Click}, {Cue::Click, Cue::Certo}}));

    som.clear();
    som.Jogo_Iniciar();
    som.Panico_Iniciar();
    som.Sem_Som();
    EXPECT_FALSE(som.nowPlaying().has_value());
    som.Click_Iniciar();
    EXPECT_EQ(som.cutOffs, (std::vector<CueRecorder::CutOff>{{Cue::Jogo, Cue::Panico}}));
    EXPECT_EQ(som.calls.size(), 4u);
}
