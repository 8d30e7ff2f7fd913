#pragma once
// The hand pointer and the program's icon.
#include <QImage>

namespace artgen {

QImage paintHandPointer();              // 32 x 32, transparent around the hand
QImage paintIcon(int size);             // the motorboat in full colour, size x size
QImage paintSmallIcon();                // the same boat at 16 x 16, pixel by pixel
QImage paintSixteenColourIcon();        // 32 x 32, at most 16 colours (one of them transparent)

} // namespace artgen
