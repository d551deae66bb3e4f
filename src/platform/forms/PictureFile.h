#pragma once

// Reading picture files (BMP, ICO, PNG) into pixels, for LoadPicture.

#include <optional>
#include <span>

#include "platform/win/PngDecoder.h"

namespace zv {

// What a file holds, or nothing when its bytes are not a picture of a known
// kind. An icon file gives its largest image.
std::optional<PictureImage> DecodePicture(std::span<const unsigned char> bytes);

}  // namespace zv
