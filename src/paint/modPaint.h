#pragma once

// Shared drawing routines of the message boxes and the picture controls.

#include <cstdint>
#include <memory>

#include "platform/automation/Variant.h"
#include "platform/forms/Picture.h"
#include "platform/win/GdiApi.h"

namespace zv {

// Draws the nWidth x nHeight pixel rectangle of picSource that starts at
// (xSrc, ySrc) onto hdcDest at (xDest, yDest), leaving out every pixel of
// the colour clrMask (a system colour may be named). The destination
// changes in one copy. Pictures that are not bitmaps, and a missing one,
// draw nothing, and so does a rectangle beyond the size rule for pixels
// (FitsPixelLimits), which bounds the temporary bitmaps. hPal is the
// palette to translate the mask colour with (0 for none); vReserved is not
// used.
void PaintTransparentStdPic(win::HDC hdcDest, std::int32_t xDest, std::int32_t yDest,
                            std::int32_t nWidth, std::int32_t nHeight,
                            const std::shared_ptr<Picture>& picSource, std::int32_t xSrc,
                            std::int32_t ySrc, win::OLE_COLOR clrMask,
                            const Variant& vReserved = Variant(), win::HPALETTE hPal = 0);

}  // namespace zv
