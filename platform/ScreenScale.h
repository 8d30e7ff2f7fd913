#pragma once
// Scaling a fixed design to the screen. The screens are laid out for a
// design size in pixels; on a larger screen the toolkit's own scale factor
// makes them fill it, so the screens' twips and pictures stay as designed and
// never see the scale.
namespace platform {

// Call before the QApplication is built. Sets the toolkit's scale factor so
// that designWidth x designHeight fits the screen as large as it can, unless
// the user has chosen a scale of their own (QT_SCALE_FACTOR,
// QT_SCREEN_SCALE_FACTORS, QT_ENABLE_HIGHDPI_SCALING) or the screen is not
// larger than the design. Returns the factor set, or 1.
double scaleDesignToScreen(int designWidth, int designHeight);

// The factor for a screen of the given size: the largest that fits the
// design, never below 1.
double designScale(int screenWidth, int screenHeight, int designWidth, int designHeight);

} // namespace platform
