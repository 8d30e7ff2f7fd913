#pragma once
// Classic 32-bit colour values: 0x00BBGGRR, or with the top bit set a system
// colour whose index is the low byte. System colours come from the classic
// standard scheme, never from the desktop theme, so a dark theme cannot put
// black text on a black field.
#include <QColor>
#include <cstdint>

namespace platform {

using ColorValue = std::uint32_t;

// The system colours the screens and controls use, by their classic names.
inline constexpr ColorValue systemWindowBackground = 0x80000005;
inline constexpr ColorValue systemMenuText = 0x80000007;
inline constexpr ColorValue systemHighlightText = 0x8000000E;
inline constexpr ColorValue systemButtonFace = 0x8000000F;
inline constexpr ColorValue systemButtonShadow = 0x80000010;
inline constexpr ColorValue systemGrayText = 0x80000011;
inline constexpr ColorValue systemButtonText = 0x80000012;
inline constexpr ColorValue systemButtonHighlight = 0x80000014;
inline constexpr ColorValue system3DDarkShadow = 0x80000015;
inline constexpr ColorValue system3DLight = 0x80000016;

constexpr ColorValue RGB(int red, int green, int blue)
{
    return ColorValue(red & 0xFF) | (ColorValue(green & 0xFF) << 8) | (ColorValue(blue & 0xFF) << 16);
}

QColor toQColor(ColorValue value);

} // namespace platform
