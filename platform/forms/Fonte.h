#pragma once
// A control's font as the screens describe it: a family and a size in points.
#include <QFont>
#include <QString>

namespace platform::forms {

struct Fonte {
    QString nome;
    double tamanho = 8.0; // points
};

// The Qt font for a screen font. Sizes are fixed at 96 dots per inch, the
// resolution the screens were laid out for, so text keeps its place over the
// pictures whatever the desktop's own font settings. A family that is not
// installed falls back to its registered substitute ("Comic Sans MS" is
// drawn with Comic Neue).
QFont fonteQt(const Fonte& fonte);

// The font of a form and of every control without a font of its own.
Fonte fontePadrao();

} // namespace platform::forms
