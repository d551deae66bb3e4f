#pragma once

// PNG pictures decoded into pixels: with libpng on the headless backend, with
// the platform's imaging component on Win32.

#include <cstddef>
#include <optional>

#include "platform/forms/PictureFile.h"

namespace zv {

// The picture the bytes hold as 0xAARRGGBB pixels, or nothing when they are
// not a PNG picture.
std::optional<PictureImage> DecodePng(const unsigned char* bytes, std::size_t count);

}  // namespace zv
