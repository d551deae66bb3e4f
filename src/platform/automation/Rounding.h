#pragma once

#include <cstdint>

namespace zv {

// Conversions from real numbers to whole numbers round to nearest, halves to
// even (2.5 -> 2, 3.5 -> 4, -2.5 -> -2).
double RoundHalfEven(double value) noexcept;

// Round32 and Round16 round half to even into the integer type. Layout
// arithmetic must never trap, so values beyond the type's range saturate at its
// bounds and NaN gives 0.
std::int32_t Round32(double value) noexcept;
std::int16_t Round16(double value) noexcept;

}  // namespace zv
