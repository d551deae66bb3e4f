#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/automation/DateTime.h"

namespace zv {
namespace {

TEST(Date, SerialsCountDaysFromTheLastDaysOf1899) {
    EXPECT_EQ(MakeDate(1899, 12, 30).Serial, 0.0);
    EXPECT_EQ(MakeDate(1899, 12, 31).Serial, 1.0);
    EXPECT_EQ(MakeDate(1900, 3, 1).Serial, 61.0);  // 1900 is no leap year
    EXPECT_EQ(MakeDate(1970, 1, 1).Serial, 25569.0);
    EXPECT_EQ(MakeDate(2000, 2, 29).Serial, 36585.0);
    EXPECT_EQ(MakeDate(1899, 12, 29).Serial, -1.0);
    EXPECT_EQ(MakeDate(2026, 12, 5, 18).Serial, 46361.75);

    // Times before day zero count forward from midnight.
    EXPECT_EQ(MakeDate(1899, 12, 29, 6).Serial, -1.25);
    EXPECT_EQ(FormatGeneralDate(Date{-1.25}), L"12/29/1899 6:00:00 AM");
    EXPECT_EQ(FormatGeneralDate(Date{-0.5}), L"12:00:00 PM");
}

TEST(GeneralDateForm, ShortDateBlankLongTimeRoundedWithinThePlatformRange) {
    EXPECT_EQ(FormatGeneralDate(MakeDate(2026, 12, 5, 15, 4, 5)), L"12/5/2026 3:04:05 PM");
    EXPECT_EQ(FormatGeneralDate(MakeDate(2026, 1, 9, 0, 0, 1)), L"1/9/2026 12:00:01 AM");
    EXPECT_EQ(FormatGeneralDate(MakeDate(2026, 1, 9, 12, 30, 0)), L"1/9/2026 12:30:00 PM");

    // The date alone at midnight, the time alone on day zero.
    EXPECT_EQ(FormatGeneralDate(MakeDate(2026, 12, 5)), L"12/5/2026");
    EXPECT_EQ(FormatGeneralDate(Date{0.75}), L"6:00:00 PM");
    EXPECT_EQ(FormatGeneralDate(Date{0.0}), L"12:00:00 AM");

    // Rounded to the second, across midnight too.
    const double almostMidnight = 46361.0 + 86399.6 / 86400.0;
    EXPECT_EQ(FormatGeneralDate(Date{almostMidnight}), L"12/6/2026");

    // The platform range and nothing beyond.
    EXPECT_EQ(FormatGeneralDate(MakeDate(100, 1, 1)), L"1/1/100");
    EXPECT_EQ(FormatGeneralDate(MakeDate(9999, 12, 31, 23, 59, 59)), L"12/31/9999 11:59:59 PM");
    EXPECT_EQ(FormatGeneralDate(Date{MakeDate(100, 1, 1).Serial - 1}), L"");
    EXPECT_EQ(FormatGeneralDate(Date{1e300}), L"");
    EXPECT_EQ(FormatGeneralDate(Date{std::numeric_limits<double>::quiet_NaN()}), L"");
}

}  // namespace
}  // namespace zv
