#pragma once

// Reading picture files (BMP, ICO, PNG) into pixels, for LoadPicture.

#include <cstdint>
#include <optional>
#include <string>
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

// What a file holds, or nothing when its bytes are not a picture of a known
// kind. An icon file gives its largest image.
std::optional<PictureImage> DecodePicture(const std::vector<unsigned char>& bytes);

}  // namespace zv
