#include "platform/forms/Twips.h"

#include "platform/automation/Rounding.h"

namespace zv {

namespace {

// The screens the library meets draw 96 dots per inch; the platform's
// font and metric scaling assume the same.
constexpr int kTwipsPerPixel = 15;

}  // namespace

int TwipsPerPixelX() {
    return kTwipsPerPixel;
}

int TwipsPerPixelY() {
    return kTwipsPerPixel;
}

std::int32_t TwipsX(int pixels) {
    return pixels * TwipsPerPixelX();
}

std::int32_t TwipsY(int pixels) {
    return pixels * TwipsPerPixelY();
}

int PixelsX(double twips) {
    return Round32(twips / TwipsPerPixelX());
}

int PixelsY(double twips) {
    return Round32(twips / TwipsPerPixelY());
}

}  // namespace zv
