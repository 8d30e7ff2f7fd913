#pragma once
// A control's font as the screens describe it: a family and a size in points.
#include <QFont>
#include <QString>

namespace platform::forms {

struct FontSpec {
    QString name;
    double size = 8.0; // points
};

// The Qt font for a screen font. Sizes are fixed at 96 dots per inch, the
// resolution the screens were laid out for, so text keeps its place over the
// pictures whatever the desktop's own font settings. A family that is not
// installed is drawn with the substitute the program registered for it
// (QFont::insertSubstitution).
QFont toQFont(const FontSpec& font);

// The font of a form and of every control without a font of its own: the
// classic runtime's "MS Sans Serif", drawn with DejaVu Sans.
FontSpec defaultFont();

} // namespace platform::forms
