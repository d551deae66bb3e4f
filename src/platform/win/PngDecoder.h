#pragma once

// PNG pictures decoded into pixels, a service of the backend: with libpng
// on the headless backend, with the platform's imaging component on Win32.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace zv {

// Pixels as 0xAARRGGBB, rows from the top; alpha 0 is transparent (icons'
// masks, PNG transparency), 255 opaque.
struct PictureImage {
    bool icon = false;
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
};

// The picture the bytes hold as 0xAARRGGBB pixels, or nothing when they are
// not a PNG picture.
std::optional<PictureImage> DecodePng(const unsigned char* bytes, std::size_t count);

}  // namespace zv
