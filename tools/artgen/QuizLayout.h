#pragma once
// Where the quiz screen's click spots and labels lie, in pixels of the
// background picture. The screen places its controls in twips; the pictures
// are painted under those exact places, so both are derived from one table.
#include "exam/GeometriaQuiz.h"
#include "platform/Units.h"
#include <QRect>
#include <QString>
#include <array>

namespace artgen::quiz {

namespace g = exam::geometria;

constexpr QRect fromTwips(const g::Lugar& lugar)
{
    return {platform::twipsToPixels(lugar.left), platform::twipsToPixels(lugar.top),
            platform::twipsToPixels(lugar.width), platform::twipsToPixels(lugar.height)};
}

inline constexpr QSize backgroundSize{800, 520};

// Click spots (images without a picture until the screen copies one in).
inline constexpr QRect skipKnob = fromTwips(g::imgBotao[0]);
inline constexpr QRect helpKnob = fromTwips(g::imgBotao[1]);
inline constexpr QRect soundSpot = fromTwips(g::imgBotao[2]);
inline constexpr QRect endGameSpot = fromTwips(g::imgBotao[3]);
inline constexpr QRect exitSpot = fromTwips(g::imgBotao[4]);
inline constexpr QRect balloonSpot = fromTwips(g::imgBalao);
inline constexpr QRect mascotSpot = fromTwips(g::imgEstrela);

// Labels written over the picture.
inline constexpr QRect feedbackText = fromTwips(g::labTexto);
inline constexpr QRect questionText = fromTwips(g::labPergunta);
inline constexpr std::array<QRect, 4> answerTexts{
    fromTwips(g::labResposta[0]), fromTwips(g::labResposta[1]),
    fromTwips(g::labResposta[2]), fromTwips(g::labResposta[3])};
inline constexpr QRect playerName = fromTwips(g::labNome);  // black text

// The white captions' sizes in pixels at the design resolution (96 dots per inch).
constexpr int pixelSize(double points) { return int(points * 96.0 / 72.0 + 0.5); }

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
