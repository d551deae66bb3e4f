#include "platform/win/PngDecoder.h"

#include <png.h>

#include <cstring>

namespace zv {

std::optional<PictureImage> DecodePng(const unsigned char* bytes, std::size_t count) {
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    if (png_image_begin_read_from_memory(&image, bytes, count) == 0) {
        return std::nullopt;
    }
    image.format = PNG_FORMAT_BGRA;  // 0xAARRGGBB in little-endian words
    PictureImage picture;
    picture.width = static_cast<int>(image.width);
    picture.height = static_cast<int>(image.height);
    picture.pixels.resize(static_cast<std::size_t>(image.width) * image.height);
    if (png_image_finish_read(&image, nullptr, picture.pixels.data(), 0, nullptr) == 0) {
        png_image_free(&image);
        return std::nullopt;
    }
    return picture;
}

}  // namespace zv
