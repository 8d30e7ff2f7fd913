#pragma once
// The program's eight sound cues and the file each one plays. The files lie
// in the program folder under these fixed names.
#include <array>

namespace sound {

enum class Cue { Abre, Certo, Click, Erro, Intro, Panico, Jogo, Abertura };

inline constexpr std::array kAllCues{Cue::Abre,  Cue::Certo,  Cue::Click, Cue::Erro,
                                     Cue::Intro, Cue::Panico, Cue::Jogo,  Cue::Abertura};

constexpr const char* cueFileName(Cue cue)
{
    switch (cue) {
    case Cue::Abre: return "abre.wav";       // the quiz screen opens
    case Cue::Certo: return "certo.wav";     // right answer
    case Cue::Click: return "click.wav";     // a button or an answer is clicked
    case Cue::Erro: return "erro.wav";       // wrong answer or time-out
    case Cue::Intro: return "intro.wav";     // a new question is shown
    case Cue::Panico: return "panico.wav";   // 20 seconds left
    case Cue::Jogo: return "jogo.mid";       // music while the player answers
    case Cue::Abertura: return "abre.mid";   // music of the opening screen
    }
    return "";
}

} // namespace sound
