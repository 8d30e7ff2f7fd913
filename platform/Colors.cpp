#include "Colors.h"

#include <array>

namespace platform {
namespace {

// The classic standard scheme, by system colour index (as 0x00BBGGRR).
constexpr std::array<ColorValue, 25> standardScheme = {
    0xC0C0C0, // 0 scroll bars
    0x808000, // 1 desktop
    0x800000, // 2 active title bar
    0x808080, // 3 inactive title bar
    0xC0C0C0, // 4 menu bar
    0xFFFFFF, // 5 window background
    0x000000, // 6 window frame
    0x000000, // 7 menu text
    0x000000, // 8 window text
    0xFFFFFF, // 9 active title bar text
    0xC0C0C0, // 10 active border
    0xC0C0C0, // 11 inactive border
    0x808080, // 12 application workspace
    0x800000, // 13 highlight
    0xFFFFFF, // 14 highlighted text
    0xC0C0C0, // 15 button face
    0x808080, // 16 button shadow
    0x808080, // 17 disabled text
    0x000000, // 18 button text
    0xC0C0C0, // 19 inactive title bar text
    0xFFFFFF, // 20 button highlight
    0x000000, // 21 3-D dark shadow
    0xC0C0C0, // 22 3-D light
    0x000000, // 23 tool tip text
    0xE1FFFF, // 24 tool tip background
};

QColor fromBgr(ColorValue bgr)
{
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

} // namespace

QColor toQColor(ColorValue value)
{
    if (value & 0x80000000u) {
        const ColorValue index = value & 0xFFu;
        // An unknown system index falls back to black text rather than failing.
        return fromBgr(index < standardScheme.size() ? standardScheme[index] : 0x000000);
    }
    return fromBgr(value & 0x00FFFFFFu);
}

} // namespace platform
