#pragma once
// Where the quiz screen's click spots and labels lie, in pixels of the
// background picture. The screen places its controls in twips; the pictures
// are painted under those exact places, so both are derived from one table.
#include "platform/Units.h"
#include <QRect>
#include <QString>
#include <array>

namespace artgen::quiz {

constexpr QRect fromTwips(int left, int top, int width, int height)
{
    return {platform::twipsToPixels(left), platform::twipsToPixels(top),
            platform::twipsToPixels(width), platform::twipsToPixels(height)};
}

inline constexpr QSize backgroundSize{800, 520};

// Click spots (images without a picture until the screen copies one in).
inline constexpr QRect skipKnob = fromTwips(300, 5520, 360, 360);      // imgBotao(0)
inline constexpr QRect helpKnob = fromTwips(300, 6000, 360, 360);      // imgBotao(1)
inline constexpr QRect soundSpot = fromTwips(5490, 7200, 555, 525);    // imgBotao(2)
inline constexpr QRect endGameSpot = fromTwips(7755, 7320, 360, 360);  // imgBotao(3)
inline constexpr QRect exitSpot = fromTwips(9045, 7320, 360, 360);     // imgBotao(4)
inline constexpr QRect balloonSpot = fromTwips(30, 1710, 2775, 2220);  // imgBalao
inline constexpr QRect mascotSpot = fromTwips(120, 3540, 2055, 1965);  // imgEstrela

// Labels written over the picture.
inline constexpr QRect feedbackText = fromTwips(240, 1920, 2295, 1815);  // labTexto
inline constexpr QRect questionText = fromTwips(3000, 1920, 8700, 975);  // labPergunta
inline constexpr std::array<QRect, 4> answerTexts{                       // labResposta(0..3)
    fromTwips(3000, 3120, 8700, 840), fromTwips(3000, 4080, 8700, 840),
    fromTwips(3000, 5040, 8700, 840), fromTwips(3000, 6000, 8700, 840)};

// The white captions with their design text and size in pixels (9.75 pt is
// 13 px, 11.25 pt is 15 px at the design resolution).
struct Caption {
    const char* control;
    QRect place;
    const char* text;
    int pixelSize;
};
inline const std::array<Caption, 6> whiteCaptions{{
    {"labEtiqueta(0)", fromTwips(1320, 7350, 1755, 300), "Tempo restante :", 15},
    {"labTempo", fromTwips(3240, 7350, 720, 300), "60 seg.", 15},
    {"labEtiqueta(2)", fromTwips(9960, 7200, 585, 270), "Pular :", 13},
    {"labPular", fromTwips(10920, 7200, 120, 270), "3", 13},
    {"labEtiqueta(1)", fromTwips(9960, 7440, 660, 270), "Ajuda :", 13},
    {"labAjuda", fromTwips(10920, 7440, 120, 270), "3", 13},
}};
inline constexpr QRect playerName = fromTwips(1800, 120, 780, 255);  // labNome, black text

// Painted elements whose places the screen's description fixes.
inline constexpr QRect questionPanel{194, 122, 592, 341};  // x 194..785, y 122..462
inline constexpr QRect quizBanner{257, 9, 466, 99};        // x 257..722, y 9..107
inline constexpr QRect quizTitle{269, 44, 446, 37};        // x 269..714, y 44..80
inline constexpr QRect mascotOrangeParts{20, 243, 105, 110};  // x 20..124, y 243..352

// The speech balloon painted onto the balloon patch, in background pixels;
// everything of the patch outside this box is the background, untouched.
inline constexpr QRect balloonBounds{5, 116, 182, 126};

// The results panel's close mark sits on the panel's own fill.
// The speaker pictures are taller than their spot and hang below it.
inline constexpr QSize soundPictureSize{37, 43};

inline constexpr QSize closeMarkSize{20, 21};
inline constexpr QSize resultsPanelSize{452, 406};

} // namespace artgen::quiz
