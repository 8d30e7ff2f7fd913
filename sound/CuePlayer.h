#pragma once
// What a screen needs to make sound: the nine procedures of frmSom. Screens
// receive a CuePlayer, so the program hands them the real player and tests
// hand them a recorder. One channel: every cue cuts off the one before.
#include "Cue.h"

namespace sound {

class CuePlayer {
public:
    virtual ~CuePlayer() = default;

    void Sem_Som() { stop(); }
    void Abre_Iniciar() { play(Cue::Abre); }
    void Certo_Iniciar() { play(Cue::Certo); }
    void Click_Iniciar() { play(Cue::Click); }
    void Erro_Iniciar() { play(Cue::Erro); }
    void Intro_Iniciar() { play(Cue::Intro); }
    void Panico_Iniciar() { play(Cue::Panico); }
    void Jogo_Iniciar() { play(Cue::Jogo); }
    void Abertura_Iniciar() { play(Cue::Abertura); }

    // Stops whatever plays; harmless when nothing does.
    virtual void stop() = 0;
    // Plays the cue's file once, from the start, cutting off the sound before it.
    virtual void play(Cue cue) = 0;
};

} // namespace sound
