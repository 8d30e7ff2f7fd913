#pragma once
// Classic 32-bit colour values: 0x00BBGGRR, or with the top bit set a system
// colour whose index is the low byte. System colours come from the classic
// standard scheme, never from the desktop theme, so a dark theme cannot put
// black text on a black field.
#include <QColor>
#include <cstdint>

namespace platform {

using ColorValue = std::uint32_t;

inline constexpr ColorValue systemButtonText = 0x80000012;
inline constexpr ColorValue systemWindowBackground = 0x80000005;
inline constexpr ColorValue systemMenuText = 0x80000007;
inline constexpr ColorValue systemHighlightText = 0x8000000E;

constexpr ColorValue RGB(int red, int green, int blue)
{
    return ColorValue(red & 0xFF) | (ColorValue(green & 0xFF) << 8) | (ColorValue(blue & 0xFF) << 16);
}

QColor toQColor(ColorValue value);

} // namespace platform
