#pragma once
// The quiz screen's pictures. The background is painted first; every smaller
// picture that lies over it is cut from the same painting, so its edges
// match the background pixel for pixel.
#include <QImage>

namespace artgen {

struct QuizPictures {
    QImage background;   // 800 x 520
    QImage getReady;     // 137 x 131, mascot poses on their disc
    QImage rightAnswer;
    QImage wrongAnswer;
    QImage soundOn;      // 37 x 43
    QImage soundOff;
    QImage balloon;      // 185 x 148
    QImage litKnob;      // 24 x 24
    QImage closeMark;    // 20 x 21
    QImage resultsPanel; // 452 x 406
};

QuizPictures paintQuizPictures();

} // namespace artgen
