#pragma once

// Windows-1252, the headless backend's single-byte code page: the bytes
// 0x80-0x9F hold typographic characters, the rest are Latin-1.

#include <optional>

namespace zv::headless {

char32_t Cp1252ToUnicode(unsigned char byte) noexcept;

// The byte that stands for a character, or nothing when the code page lacks it.
std::optional<unsigned char> UnicodeToCp1252(char32_t ch) noexcept;

}  // namespace zv::headless
