#include <gtest/gtest.h>

#include "platform/AutomationError.h"
#include "platform/Variant.h"

namespace zv {
namespace {

std::int32_t ToInt16Error(const Variant& value) {
    try {
        value.ToInt16();
    } catch (const AutomationError& error) {
        return error.Number();
    }
    return 0;
}

TEST(VariantNumbers, EveryNumericKindHasANumber) {
    EXPECT_EQ(Variant().AsNumber(), 0.0);
    EXPECT_EQ(Variant(true).AsNumber(), -1.0);
    EXPECT_EQ(Variant(false).AsNumber(), 0.0);
    EXPECT_EQ(Variant(std::int16_t{-4}).AsNumber(), -4.0);
    EXPECT_EQ(Variant(70000).AsNumber(), 70000.0);
    EXPECT_EQ(Variant(2.25).AsNumber(), 2.25);
    EXPECT_EQ(Variant(Date{36585.5}).AsNumber(), 36585.5);
}

TEST(VariantNumbers, TextCountsOnlyWhenItReadsAsADecimalNumber) {
    EXPECT_EQ(Variant(L"2").AsNumber(), 2.0);
    EXPECT_EQ(Variant(L"  -1.5e1 ").AsNumber(), -15.0);
    EXPECT_FALSE(Variant(L"").AsNumber());
    EXPECT_FALSE(Variant(L"   ").AsNumber());
    EXPECT_FALSE(Variant(L"two").AsNumber());
    EXPECT_FALSE(Variant(L"2x").AsNumber());
    EXPECT_FALSE(Variant(L"0x10").AsNumber());
    EXPECT_FALSE(Variant(L"inf").AsNumber());
    EXPECT_FALSE(Variant(L"1e999").AsNumber());
    EXPECT_FALSE(Variant(std::wstring(L"2\0"
                                      L"3",
                                      3))
                     .AsNumber());
    EXPECT_FALSE(Variant::Null().AsNumber());
}

TEST(VariantText, ConvertsLikeThePlatform) {
    EXPECT_EQ(Variant().ToText(), L"");
    EXPECT_EQ(Variant::Null().ToText(), L"");
    EXPECT_EQ(Variant(true).ToText(), L"True");
    EXPECT_EQ(Variant(false).ToText(), L"False");
    EXPECT_EQ(Variant(std::int16_t{-12}).ToText(), L"-12");
    EXPECT_EQ(Variant(123456).ToText(), L"123456");
    EXPECT_EQ(Variant(1.5).ToText(), L"1.5");
    EXPECT_EQ(Variant(1.0 / 3.0).ToText(), L"0.333333333333333");
    EXPECT_EQ(Variant(1e20).ToText(), L"1E+20");
    EXPECT_EQ(Variant(MakeDate(2026, 12, 5)).ToText(), L"12/5/2026");
    EXPECT_EQ(Variant(L"as is").ToText(), L"as is");
}

TEST(VariantInt16, RoundsHalfToEven) {
    EXPECT_EQ(Variant(2.5).ToInt16(), 2);
    EXPECT_EQ(Variant(3.5).ToInt16(), 4);
    EXPECT_EQ(Variant(L"7").ToInt16(), 7);
    EXPECT_EQ(Variant(true).ToInt16(), -1);
    EXPECT_EQ(Variant().ToInt16(), 0);
    EXPECT_EQ(Variant(32767).ToInt16(), 32767);
}

TEST(VariantInt16, RaisesTheConversionErrors) {
    EXPECT_EQ(ToInt16Error(Variant(L"seven")), err::kTypeMismatch);
    EXPECT_EQ(ToInt16Error(Variant(32768)), err::kOverflow);
    EXPECT_EQ(ToInt16Error(Variant(-32768.6)), err::kOverflow);
    EXPECT_EQ(ToInt16Error(Variant::Null()), err::kInvalidUseOfNull);
}

}  // namespace
}  // namespace zv
