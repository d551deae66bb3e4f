#include "platform/automation/Rounding.h"

#include <cmath>
#include <limits>

namespace zv {

namespace {

template <typename Int>
Int RoundSaturated(double value) noexcept {
    if (std::isnan(value)) {
        return 0;
    }
    const double rounded = RoundHalfEven(value);
    if (rounded <= static_cast<double>(std::numeric_limits<Int>::min())) {
        return std::numeric_limits<Int>::min();
    }
    if (rounded >= static_cast<double>(std::numeric_limits<Int>::max())) {
        return std::numeric_limits<Int>::max();
    }
    return static_cast<Int>(rounded);
}

}  // namespace

double RoundHalfEven(double value) noexcept {
    const double floor = std::floor(value);
    const double fraction = value - floor;
    if (fraction < 0.5) {
        return floor;
    }
    if (fraction > 0.5) {
        return floor + 1.0;
    }
    return std::fmod(floor, 2.0) == 0.0 ? floor : floor + 1.0;
}

std::int32_t Round32(double value) noexcept {
    return RoundSaturated<std::int32_t>(value);
}

std::int16_t Round16(double value) noexcept {
    return RoundSaturated<std::int16_t>(value);
}

}  // namespace zv
