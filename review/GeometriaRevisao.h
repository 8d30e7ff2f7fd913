#pragma once
// Where the review window's parts lie, in twips inside its panel. The panel
// is painted from the same places (the question's white card, the history's
// dark plate, the summary's pills), so the two cannot drift apart.
#include <array>

namespace review::geometria {

struct Lugar {
    int left, top, width, height; // twips
    constexpr int right() const { return left + width; }
    constexpr int bottom() const { return top + height; }
};

// The panel: the design's client area less a margin, centred on the screen.
inline constexpr int larguraPainel = 11760;
inline constexpr int alturaPainel = 8220;

// The summary across the top.
inline constexpr Lugar imgEstrela{120, 60, 1380, 1320};
inline constexpr Lugar labTitulo{1680, 90, 0, 0};
inline constexpr Lugar labQuando{6600, 150, 5040, 270};
inline constexpr std::array<Lugar, 5> pilulas{{
    {1680, 540, 1290, 330},
    {3090, 540, 1380, 330},
    {4590, 540, 2040, 330},
    {6750, 540, 1350, 330},
    {8220, 540, 2250, 330},
}};
inline constexpr Lugar labVeredito{1680, 960, 9960, 450};

// The question's white card and the space inside it.
inline constexpr Lugar cartao{120, 1500, 7800, 6000};
inline constexpr Lugar dentroDoCartao{300, 1650, 7440, 5700};
inline constexpr int larguraMarca = 330;   // the ✔ / ✘ column beside the answers
inline constexpr int folgaFaixa = 45;      // the band's margin around an answer's text

// The history's dark plate and the space inside it.
inline constexpr Lugar placa{8100, 1500, 3540, 6000};
inline constexpr Lugar dentroDaPlaca{8250, 1620, 3240, 5760};
inline constexpr int alturaGrafico = 3000;

// The buttons under the card and the plate.
inline constexpr int topoBotoes = 7710;
inline constexpr int alturaBotoes = 420;
inline constexpr Lugar comAnterior{120, topoBotoes, 1440, alturaBotoes};
inline constexpr Lugar comProxima{1680, topoBotoes, 1440, alturaBotoes};
inline constexpr Lugar comErros{3240, topoBotoes, 2040, alturaBotoes};
inline constexpr Lugar comFigura{6270, topoBotoes, 1650, alturaBotoes};
inline constexpr Lugar comFechar{10140, topoBotoes, 1500, alturaBotoes};

} // namespace review::geometria
