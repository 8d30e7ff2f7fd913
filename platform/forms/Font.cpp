#include "Font.h"

#include <cmath>

namespace platform::forms {
namespace {

const QString runtimeDefaultFamily = QStringLiteral("MS Sans Serif");

void registerRuntimeSubstitute()
{
    static const bool done = [] {
        QFont::insertSubstitution(runtimeDefaultFamily, QStringLiteral("DejaVu Sans"));
        return true;
    }();
    (void)done;
}

} // namespace

QFont toQFont(const FontSpec& font)
{
    registerRuntimeSubstitute();
    QFont qt(font.name);
    qt.setPixelSize(std::max(1, int(std::lround(font.size * 96.0 / 72.0))));
    qt.setWeight(QFont::Normal);
    qt.setItalic(false);
    qt.setUnderline(false);
    return qt;
}

FontSpec defaultFont()
{
    return {runtimeDefaultFamily, 8.25};
}

} // namespace platform::forms
