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

}  // namespace
}  // namespace zv
