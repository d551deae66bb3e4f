#include <gtest/gtest.h>

#include <limits>

#include "platform/automation/Rounding.h"

namespace zv {
namespace {

TEST(Rounding, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(Round32(0.5), 0);
    EXPECT_EQ(Round32(1.5), 2);
    EXPECT_EQ(Round32(2.5), 2);
    EXPECT_EQ(Round32(-0.5), 0);
    EXPECT_EQ(Round32(-1.5), -2);
    EXPECT_EQ(Round32(-2.5), -2);
    EXPECT_EQ(Round16(3.5), 4);
}

TEST(Rounding, OtherValuesGoToTheNearest) {
    EXPECT_EQ(Round32(2.4999), 2);
    EXPECT_EQ(Round32(2.5001), 3);
    EXPECT_EQ(Round32(-2.5001), -3);
    EXPECT_EQ(Round16(-7.2), -7);
}

TEST(Rounding, SaturatesAtTheBoundsOfTheType) {
    EXPECT_EQ(Round16(32767.4), 32767);
    EXPECT_EQ(Round16(40000.0), 32767);
    EXPECT_EQ(Round16(-40000.0), -32768);
    EXPECT_EQ(Round32(3e9), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(Round32(-3e9), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(Round32(std::numeric_limits<double>::infinity()),
              std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(Round32(std::numeric_limits<double>::quiet_NaN()), 0);
}

TEST(Rounding, TheCheckedConversionRefusesWhatTheTypeCannotHold) {
    constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
    constexpr double kInfinity = std::numeric_limits<double>::infinity();
    EXPECT_EQ(CheckedWhole<std::int16_t>(32767.4), 32767);
    EXPECT_EQ(CheckedWhole<std::int16_t>(-32768.5), -32768);  // half to even
    EXPECT_EQ(CheckedWhole<std::int32_t>(-2147483648.0), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(CheckedWhole<std::int64_t>(-9.2233720368547758e18),
              std::numeric_limits<std::int64_t>::min());
    for (const double bad : {32767.5, -32768.6, kNaN, kInfinity, -kInfinity}) {
        EXPECT_FALSE(CheckedWhole<std::int16_t>(bad)) << bad;
    }
    for (const double bad : {2147483647.5, -2147483649.0, 9.2233720368547758e18, kNaN}) {
        EXPECT_FALSE(CheckedWhole<std::int32_t>(bad)) << bad;
        EXPECT_FALSE(CheckedWhole<std::int64_t>(bad * 5e9)) << bad;
    }
}

}  // namespace
}  // namespace zv
