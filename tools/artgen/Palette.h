#pragma once
// The one palette every picture is painted from, so the screens read as one design.
#include <QColor>

namespace artgen::palette {

// Fields behind everything (fixed by the screens' design).
inline const QColor quizField{96, 103, 207};
inline const QColor openingField{102, 102, 204};
inline const QColor resultsPanel{96, 96, 207};

// Clouds: faint outlines on the field, dark bands behind the titles.
inline const QColor cloudOutline{132, 140, 232};
inline const QColor bannerTop{52, 46, 118};
inline const QColor bannerBottom{26, 22, 66};
inline const QColor bannerRim{104, 98, 196};

// Orange family: the mascot, the title letters, the symbols.
inline const QColor orangeLight{255, 214, 96};
inline const QColor orange{255, 160, 32};
inline const QColor orangeDeep{236, 112, 12};
inline const QColor orangeDark{122, 46, 4};
inline const QColor discLight{250, 146, 44};
inline const QColor discDeep{214, 84, 10};

// The unlit lifeline knob: a dimmed orange nothing else in the picture uses.
inline const QColor knobUnlit{158, 84, 42};
inline const QColor knobRim{58, 28, 22};

// Dark plates (balloon, lifeline bars, counters) and their rims.
inline const QColor plate{32, 30, 84};
inline const QColor plateRim{140, 140, 232};

inline const QColor ink{40, 20, 24};        // eyes, mouths, outlines of small symbols
inline const QColor mouth{128, 24, 28};
inline const QColor tongue{240, 110, 120};
inline const QColor cheek{255, 110, 90, 110};
inline const QColor paper{255, 255, 255};
inline const QColor paperRule{222, 226, 246};
inline const QColor alarmRed{222, 28, 28};
inline const QColor shadow{0, 0, 0, 70};

} // namespace artgen::palette
