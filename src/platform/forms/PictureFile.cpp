#include "platform/forms/PictureFile.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "platform/forms/Picture.h"
#include "platform/win/PngDecoder.h"

namespace zv {

namespace {

constexpr std::uint32_t kOpaque = 0xFF000000;

// Little-endian reads that fail past the end.
class Reader {
  public:
    explicit Reader(std::span<const unsigned char> bytes, std::size_t offset = 0)
        : m_bytes(bytes), m_offset(offset) {}

    bool Has(std::size_t at, std::size_t count) const {
        return at <= m_bytes.size() && count <= m_bytes.size() - at;
    }
    std::uint32_t U32(std::size_t at) const { return Value(at, 4); }
    std::uint16_t U16(std::size_t at) const { return static_cast<std::uint16_t>(Value(at, 2)); }
    std::int32_t S32(std::size_t at) const { return static_cast<std::int32_t>(U32(at)); }
    std::uint8_t U8(std::size_t at) const { return static_cast<std::uint8_t>(Value(at, 1)); }

  private:
    std::uint32_t Value(std::size_t at, std::size_t count) const {
        std::uint32_t value = 0;
        if (!Has(m_offset + at, count)) {
            return 0;
        }
        for (std::size_t i = count; i-- > 0;) {
            value = (value << 8) | m_bytes[m_offset + at + i];
        }
        return value;
    }

    std::span<const unsigned char> m_bytes;
    std::size_t m_offset;
};

bool StartsWith(std::span<const unsigned char> bytes, std::size_t at, const char* magic,
                std::size_t count) {
    return Reader(bytes).Has(at, count) && std::memcmp(bytes.data() + at, magic, count) == 0;
}

// A deflate stream grows at most 1,032 times when inflated, and a PNG pixel
// takes at least one bit: more pixels than that cannot be in the data.
constexpr std::int64_t kLargestPngPixelsPerByte = 1032 * 8;

// The PNG picture in `count` bytes at `at`, once the size that its header
// (which must come first) declares passes the size rule and can be in the
// data: the decoders allocate for the declared size.
std::optional<PictureImage> DecodeCheckedPng(std::span<const unsigned char> bytes, std::size_t at,
                                             std::size_t count) {
    const Reader png(bytes, at);
    const auto bigEndian = [&](std::size_t offset) {
        std::uint32_t value = 0;
        for (std::size_t i = 0; i < 4; ++i) {
            value = (value << 8) | png.U8(offset + i);
        }
        return value;
    };
    const std::int64_t width = bigEndian(16);
    const std::int64_t height = bigEndian(20);
    if (!Reader(bytes).Has(at, count) || count < 24 || !StartsWith(bytes, at + 12, "IHDR", 4) ||
        !FitsPixelLimits(width, height) ||
        width * height > static_cast<std::int64_t>(count) * kLargestPngPixelsPerByte) {
        return std::nullopt;
    }
    return DecodePng(bytes.data() + at, count);
}

// A device-independent bitmap: its header at `at`, its pixels at `bits`
// (rows from the bottom unless the height is negative, padded to 4 bytes).
// The height may be forced (icons store twice their height).
std::optional<PictureImage> DecodeDib(std::span<const unsigned char> bytes, std::size_t at,
                                      std::size_t bits, std::optional<int> forcedHeight) {
    const Reader header(bytes, at);
    const std::uint32_t headerSize = header.U32(0);
    const std::int32_t width = header.S32(4);
    const std::int32_t rawHeight = header.S32(8);
    const std::uint16_t bitCount = header.U16(14);
    const std::uint32_t compression = header.U32(16);
    const bool topDown = rawHeight < 0;
    const std::int64_t height = forcedHeight ? *forcedHeight
                                : topDown    ? -std::int64_t{rawHeight}
                                             : std::int64_t{rawHeight};
    if (headerSize < 40 || !FitsPixelLimits(width, height) ||
        (compression != 0 && !(compression == 3 && bitCount == 32)) ||
        (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 24 && bitCount != 32)) {
        return std::nullopt;
    }
    const std::size_t palette = at + headerSize + (compression == 3 ? 12u : 0u);
    const std::size_t stride = (static_cast<std::size_t>(width) * bitCount + 31) / 32 * 4;
    if (!header.Has(bits, stride * static_cast<std::size_t>(height))) {
        return std::nullopt;
    }
    // The rows lie within the data, checked above, and are read directly; the
    // palette need not, and is read once through the checked reader.
    std::array<std::uint32_t, 256> colours{};
    if (bitCount <= 8) {
        const Reader all(bytes);
        for (std::size_t i = 0; i < (std::size_t{1} << bitCount); ++i) {
            colours[i] = all.U32(palette + 4 * i) & 0xFFFFFF;
        }
    }
    PictureImage picture;
    picture.width = width;
    picture.height = static_cast<int>(height);
    picture.pixels.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    const unsigned mask = (1u << std::min<unsigned>(bitCount, 8)) - 1;
    for (int y = 0; y < picture.height; ++y) {
        const unsigned char* row =
            bytes.data() + bits +
            stride * static_cast<std::size_t>(topDown ? y : picture.height - 1 - y);
        std::uint32_t* out =
            picture.pixels.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width);
        for (std::size_t x = 0; x < static_cast<std::size_t>(width); ++x) {
            std::uint32_t pixel;
            if (bitCount >= 24) {
                const unsigned char* p = row + x * (bitCount / 8u);
                pixel = p[0] | (static_cast<std::uint32_t>(p[1]) << 8) |
                        (static_cast<std::uint32_t>(p[2]) << 16);
            } else {
                const std::size_t bit = x * bitCount;
                const unsigned shift = 8u - bitCount - static_cast<unsigned>(bit % 8);
                pixel = colours[(row[bit / 8] >> shift) & mask];
            }
            out[x] = pixel | kOpaque;
        }
    }
    return picture;
}

std::optional<PictureImage> DecodeBmp(std::span<const unsigned char> bytes) {
    const Reader file(bytes);
    return DecodeDib(bytes, 14, file.U32(10), std::nullopt);
}

// Pixels whose bit is set in the AND mask that follows the colour image are
// transparent.
void ApplyIconMask(std::span<const unsigned char> bytes, std::size_t mask, PictureImage& picture) {
    const Reader all(bytes);
    const std::size_t stride = (static_cast<std::size_t>(picture.width) + 31) / 32 * 4;
    if (!all.Has(mask, stride * static_cast<std::size_t>(picture.height))) {
        return;
    }
    for (int y = 0; y < picture.height; ++y) {
        const unsigned char* row =
            bytes.data() + mask + stride * static_cast<std::size_t>(picture.height - 1 - y);
        std::uint32_t* out = picture.pixels.data() +
                             static_cast<std::size_t>(y) * static_cast<std::size_t>(picture.width);
        for (std::size_t x = 0; x < static_cast<std::size_t>(picture.width); ++x) {
            if ((row[x / 8] >> (7 - x % 8)) & 1) {
                out[x] = 0;
            }
        }
    }
}

std::optional<PictureImage> DecodeIconImage(std::span<const unsigned char> bytes, std::size_t at,
                                            std::size_t size) {
    if (StartsWith(bytes, at, "\x89PNG", 4)) {
        return DecodeCheckedPng(bytes, at, size);
    }
    const Reader header(bytes, at);
    const std::uint32_t headerSize = header.U32(0);
    const std::uint16_t bitCount = header.U16(14);
    const int height = header.S32(8) / 2;
    const std::size_t colors = bitCount <= 8 ? (std::size_t{1} << bitCount) : 0;
    const std::size_t bits = at + headerSize + colors * 4;
    auto picture = DecodeDib(bytes, at, bits, height);
    if (picture) {
        const std::size_t stride =
            (static_cast<std::size_t>(picture->width) * bitCount + 31) / 32 * 4;
        ApplyIconMask(bytes, bits + stride * static_cast<std::size_t>(height), *picture);
        picture->icon = true;
    }
    return picture;
}

std::optional<PictureImage> DecodeIco(std::span<const unsigned char> bytes) {
    const Reader file(bytes);
    const std::uint16_t count = file.U16(4);
    if (!file.Has(6, 16 * std::size_t{count})) {
        return std::nullopt;  // a directory that runs past the end of the file
    }
    std::size_t best = 0;
    int bestArea = -1;
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t entry = 6 + 16 * i;
        const int w = file.U8(entry) == 0 ? 256 : file.U8(entry);
        const int h = file.U8(entry + 1) == 0 ? 256 : file.U8(entry + 1);
        if (w * h > bestArea) {
            best = entry, bestArea = w * h;
        }
    }
    // The image must lie within the file, whatever it holds.
    const std::size_t size = file.U32(best + 8);
    const std::size_t at = file.U32(best + 12);
    if (count == 0 || !file.Has(best, 16) || !file.Has(at, size)) {
        return std::nullopt;
    }
    auto picture = DecodeIconImage(bytes, at, size);
    if (picture) {
        picture->icon = true;
    }
    return picture;
}

}  // namespace

std::optional<PictureImage> DecodePicture(std::span<const unsigned char> bytes) {
    if (StartsWith(bytes, 0, "BM", 2)) {
        return DecodeBmp(bytes);
    }
    if (StartsWith(bytes, 0, "\0\0\1\0", 4)) {
        return DecodeIco(bytes);
    }
    if (StartsWith(bytes, 0, "\x89PNG", 4)) {
        return DecodeCheckedPng(bytes, 0, bytes.size());
    }
    return std::nullopt;
}

}  // namespace zv
