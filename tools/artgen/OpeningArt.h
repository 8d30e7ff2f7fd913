#pragma once
// The opening screen's twelve animation frames: the mascot hops along the title banner.
#include <QImage>
#include <QList>

namespace artgen {

inline constexpr int openingFrameCount = 12;

QList<QImage> paintOpeningFrames();  // frames 1..12, each 588 x 182

} // namespace artgen
