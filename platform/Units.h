#pragma once
// Screen code speaks twips; widgets speak device-independent pixels.
namespace platform {

inline constexpr int twipsPerPixel = 15;

constexpr int twipsToPixels(int twips)
{
    // Round to the nearest pixel, halves away from zero.
    return twips >= 0 ? (twips + twipsPerPixel / 2) / twipsPerPixel
                      : -((-twips + twipsPerPixel / 2) / twipsPerPixel);
}

constexpr int pixelsToTwips(int pixels) { return pixels * twipsPerPixel; }

} // namespace platform
