#pragma once

// Twips (1/1440 inch), the scale of forms and controls, and the screen's
// pixels, which the window system uses.

#include <cstdint>

namespace zv {

// The screen's twips per pixel: 15 at 96 dots per inch.
int TwipsPerPixelX();
int TwipsPerPixelY();

// n pixels in twips, one helper per axis.
std::int32_t TwipsX(int pixels);
std::int32_t TwipsY(int pixels);

// Twips in whole pixels, rounded half to even.
int PixelsX(double twips);
int PixelsY(double twips);

}  // namespace zv
