#pragma once
// The history chart of the review window, painted with Qt.
#include "exam/Registro.h"

#include <QPixmap>
#include <QSize>
#include <vector>

namespace review {

// The chart for the exams given, newest first: above, the percentage of each
// of the last ten, oldest at the left; below, each subject's average over
// the last five. Both carry the 50 % pass mark; bars at or above it are
// orange, those below it lilac, and every bar has its number beside it. The
// picture is `tamanho` in device-independent pixels, painted at `escala`
// device pixels per pixel.
QPixmap desenhaGrafico(const std::vector<exam::ResumoExame>& ultimos, QSize tamanho, qreal escala);

// How many exams the upper part shows at most.
inline constexpr int examesNoGrafico = 10;

} // namespace review
