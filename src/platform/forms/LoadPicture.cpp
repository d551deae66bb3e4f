// LoadPicture, apart from the picture object itself: decoding needs libpng,
// which only the headless build links.

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "platform/automation/AutomationError.h"
#include "platform/forms/Picture.h"
#include "platform/forms/PictureFile.h"
#include "platform/text/WideString.h"

namespace zv {

namespace {

std::uint32_t Alpha(std::uint32_t pixel) {
    return pixel >> 24;
}

// A colour channel laid over white by its alpha.
std::uint32_t OverWhite(std::uint32_t pixel, int shift) {
    const std::uint32_t channel = (pixel >> shift) & 0xFF;
    const std::uint32_t alpha = Alpha(pixel);
    return ((channel * alpha + 255 * (255 - alpha) + 127) / 255) << shift;
}

// 32-bit 0x00RRGGBB pixels for CreateBitmap.
std::vector<std::uint32_t> ColourBits(const PictureImage& image) {
    std::vector<std::uint32_t> bits(image.pixels.size());
    std::transform(image.pixels.begin(), image.pixels.end(), bits.begin(), [&](std::uint32_t p) {
        if (image.icon) {
            return Alpha(p) == 0 ? 0u : p & 0xFFFFFF;  // an icon's transparent pixels are black
        }
        return OverWhite(p, 16) | OverWhite(p, 8) | OverWhite(p, 0);
    });
    return bits;
}

// One-bit rows padded to 16 bits: 1 where the icon is transparent.
std::vector<unsigned char> MaskBits(const PictureImage& image) {
    const std::size_t stride = static_cast<std::size_t>((image.width + 15) / 16 * 2);
    std::vector<unsigned char> bits(stride * static_cast<std::size_t>(image.height));
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            const std::size_t at =
                static_cast<std::size_t>(y) * static_cast<std::size_t>(image.width) +
                static_cast<std::size_t>(x);
            if (Alpha(image.pixels[at]) < 128) {
                bits[stride * static_cast<std::size_t>(y) + static_cast<std::size_t>(x) / 8] |=
                    static_cast<unsigned char>(0x80 >> (x % 8));
            }
        }
    }
    return bits;
}

// Only a file can be read: a folder or a device is not found. A read that
// fails stops the stream with an exception, which ends here.
std::optional<std::vector<unsigned char>> ReadFile(const std::filesystem::path& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        return std::nullopt;
    }
    try {
        std::ifstream file(path, std::ios::binary);
        if (!file) {
            return std::nullopt;
        }
        return std::vector<unsigned char>(std::istreambuf_iterator<char>(file),
                                          std::istreambuf_iterator<char>());
    } catch (const std::ios_base::failure&) {
        return std::nullopt;
    }
}

// No picture within the size rule takes more bytes: eight a pixel (a PNG of
// 16-bit channels stored without compression) and room for its headers.
constexpr std::uintmax_t kLargestPictureFile = 8 * kLargestPictureArea + (1 << 20);

}  // namespace

std::shared_ptr<Picture> LoadPictureFromMemory(std::span<const unsigned char> bytes) {
    const auto image = bytes.size() <= kLargestPictureFile ? DecodePicture(bytes) : std::nullopt;
    if (!image) {
        throw AutomationError(err::kInvalidPicture, L"Invalid picture");
    }
    const auto colour = ColourBits(*image);
    const win::HBITMAP bitmap =
        win::CreateBitmap(image->width, image->height, 1, 32, colour.data());
    if (!image->icon) {
        return std::make_shared<Picture>(PictureType::Bitmap, bitmap);
    }
    const auto mask = MaskBits(*image);
    return std::make_shared<Picture>(
        PictureType::Icon, bitmap,
        win::CreateBitmap(image->width, image->height, 1, 1, mask.data()));
}

std::shared_ptr<Picture> LoadPicture(const std::wstring& path) {
    const std::filesystem::path file(ToUtf8(path));
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(file, error);
    if (!error && size > kLargestPictureFile) {
        throw AutomationError(err::kInvalidPicture, L"Invalid picture");
    }
    const auto bytes = ReadFile(file);
    if (!bytes) {
        throw AutomationError(err::kFileNotFound, L"File not found");
    }
    return LoadPictureFromMemory(*bytes);
}

}  // namespace zv
