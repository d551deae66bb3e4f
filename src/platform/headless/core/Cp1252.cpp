#include "headless/core/Cp1252.h"

#include <array>
#include <cstdint>

namespace zv::headless {

namespace {

// Bytes 0x80-0x9F; the five the code page leaves undefined stand for the
// control characters of their own value, as the platform maps them.
constexpr std::array<std::uint16_t, 32> kHigh{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

}  // namespace

char32_t Cp1252ToUnicode(unsigned char byte) noexcept {
    return byte >= 0x80 && byte < 0xA0 ? kHigh[byte - 0x80u] : byte;
}

std::optional<unsigned char> UnicodeToCp1252(char32_t ch) noexcept {
    if (ch < 0x80 || (ch >= 0xA0 && ch < 0x100)) {
        return static_cast<unsigned char>(ch);
    }
    for (std::size_t i = 0; i < kHigh.size(); ++i) {
        if (kHigh[i] == ch) {
            return static_cast<unsigned char>(0x80 + i);
        }
    }
    return std::nullopt;
}

}  // namespace zv::headless
