#pragma once
// Where the quiz screen's click spots and text labels lie, in twips inside
// picBase, as designed. The screen places its controls here and the artwork
// painter paints the background's buttons, mascot and balloon under the same
// places, so the two cannot drift apart.
#include <array>

namespace exam::geometria {

struct Lugar {
    int left, top, width, height; // twips
};

// Click spots over the painted buttons: imgBotao(0) skip, (1) help, (2) sound,
// (3) end the exam, (4) exit.
inline constexpr std::array<Lugar, 5> imgBotao{{
    {300, 5520, 360, 360},
    {300, 6000, 360, 360},
    {5490, 7200, 555, 525},
    {7755, 7320, 360, 360},
    {9045, 7320, 360, 360},
}};
inline constexpr Lugar imgBalao{30, 1710, 2775, 2220};
inline constexpr Lugar imgEstrela{120, 3540, 2055, 1965};

// Labels written over the picture.
inline constexpr Lugar labTexto{240, 1920, 2295, 1815};
inline constexpr Lugar labPergunta{3000, 1920, 8700, 975};
inline constexpr std::array<Lugar, 4> labResposta{{
    {3000, 3120, 8700, 840},
    {3000, 4080, 8700, 840},
    {3000, 5040, 8700, 840},
    {3000, 6000, 8700, 840},
}};

// The white captions under the playing area: auto-sized, so the design size
// only tells the painter how much room the caption has.
struct Legenda {
    const char* controle;
    Lugar lugar;
    const char* texto;
    double pontos;
};
inline constexpr std::array<Legenda, 6> legendasBrancas{{
    {"labEtiqueta(0)", {1320, 7350, 1755, 300}, "Tempo restante :", 11.25},
    {"labTempo", {3240, 7350, 720, 300}, "60 seg.", 11.25},
    {"labEtiqueta(2)", {9960, 7200, 585, 270}, "Pular :", 9.75},
    {"labPular", {10920, 7200, 120, 270}, "3", 9.75},
    {"labEtiqueta(1)", {9960, 7440, 660, 270}, "Ajuda :", 9.75},
    {"labAjuda", {10920, 7440, 120, 270}, "3", 9.75},
}};
inline constexpr Lugar labNome{1800, 120, 780, 255};

} // namespace exam::geometria
