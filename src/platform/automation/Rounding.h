#pragma once

#include <concepts>
#include <cstdint>
#include <limits>
#include <optional>

namespace zv {

// Conversions from real numbers to whole numbers round to nearest, halves to
// even (2.5 -> 2, 3.5 -> 4, -2.5 -> -2).
double RoundHalfEven(double value) noexcept;

// Round32 and Round16 round half to even into the integer type. Layout
// arithmetic must never trap, so values beyond the type's range saturate at its
// bounds and NaN gives 0.
std::int32_t Round32(double value) noexcept;
std::int16_t Round16(double value) noexcept;

// The one conversion for numbers that come from outside (files, variants,
// hosts): the whole number nearest to value, halves to even, or nothing when
// value is NaN or rounds outside the range of Int. Callers turn nothing into
// the error their members raise for a bad value.
template <std::integral Int>
std::optional<Int> CheckedWhole(double value) noexcept {
    const double rounded = RoundHalfEven(value);
    // The upper bound is a power of two, exact as a double for every width.
    constexpr double kBeyondLargest =
        static_cast<double>(std::numeric_limits<Int>::max() / 2 + 1) * 2.0;
    if (!(rounded >= static_cast<double>(std::numeric_limits<Int>::min()) &&
          rounded < kBeyondLargest)) {
        return std::nullopt;
    }
    return static_cast<Int>(rounded);
}

}  // namespace zv
