#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "platform/automation/AutomationError.h"
#include "platform/automation/AutomationObject.h"
#include "platform/automation/Variant.h"
#include "support/ErrorNumber.h"

namespace zv {
namespace {

using test::ErrorNumberOf;

std::int32_t ToInt16Error(const Variant& value) {
    return ErrorNumberOf([&] { value.ToInt16(); });
}

class PlainObject : public AutomationObject {};

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

TEST(VariantObjects, HoldAReferenceOrNothing) {
    const auto object = std::make_shared<PlainObject>();
    const Variant held(object);
    EXPECT_EQ(held.Type(), VariantType::Object);
    EXPECT_EQ(held.AsObject(), object);
    EXPECT_FALSE(held.IsNothing());

    EXPECT_EQ(Variant::Nothing().Type(), VariantType::Object);
    EXPECT_TRUE(Variant::Nothing().IsNothing());
    EXPECT_EQ(Variant::Nothing().AsObject(), nullptr);
    EXPECT_TRUE(Variant(std::shared_ptr<PlainObject>()).IsNothing());
    EXPECT_FALSE(Variant().IsNothing());
}

TEST(VariantObjects, AreEqualOnlyWhenTheyAreTheSameObject) {
    const auto object = std::make_shared<PlainObject>();
    EXPECT_EQ(Variant(object), Variant(std::shared_ptr<AutomationObject>(object)));
    EXPECT_NE(Variant(object), Variant(std::make_shared<PlainObject>()));
    EXPECT_NE(Variant(object), Variant::Nothing());
    EXPECT_EQ(Variant::Nothing(), Variant::Nothing());
    EXPECT_NE(Variant::Nothing(), Variant());
}

TEST(VariantObjects, HaveNoTextAndNoNumber) {
    const Variant object(std::make_shared<PlainObject>());
    EXPECT_EQ(ErrorNumberOf([&] { object.ToText(); }), err::kTypeMismatch);
    EXPECT_EQ(ErrorNumberOf([] { Variant::Nothing().ToText(); }), err::kTypeMismatch);
    EXPECT_FALSE(object.AsNumber());
    EXPECT_EQ(ToInt16Error(object), err::kTypeMismatch);
}

TEST(VariantObjects, OtherValuesAreNoObjects) {
    EXPECT_EQ(ErrorNumberOf([] { Variant(5).AsObject(); }), err::kObjectRequired);
    EXPECT_EQ(ErrorNumberOf([] { Variant().AsObject(); }), err::kObjectRequired);
    EXPECT_EQ(ErrorNumberOf([] { Variant(VariantArray()).AsObject(); }), err::kObjectRequired);
}

TEST(VariantArrays, AddressElementsFromTheLowerBound) {
    VariantArray zeroBased({L"a", 2, true});
    EXPECT_EQ(zeroBased.LowerBound(), 0);
    EXPECT_EQ(zeroBased.UpperBound(), 2);
    EXPECT_EQ(zeroBased.Item(1), Variant(2));

    VariantArray oneBased({L"a", L"b"}, 1);
    EXPECT_EQ(oneBased.UpperBound(), 2);
    EXPECT_EQ(oneBased.Item(1), Variant(L"a"));
    oneBased.Item(2) = 7;
    EXPECT_EQ(oneBased.Items().back(), Variant(7));

    const VariantArray empty;
    EXPECT_EQ(empty.LowerBound(), 0);
    EXPECT_EQ(empty.UpperBound(), -1);
}

TEST(VariantArrays, IndexesOutsideTheBoundsRaise9) {
    const VariantArray oneBased({L"a", L"b"}, 1);
    EXPECT_EQ(ErrorNumberOf([&] { oneBased.Item(0); }), err::kSubscriptOutOfRange);
    EXPECT_EQ(ErrorNumberOf([&] { oneBased.Item(3); }), err::kSubscriptOutOfRange);
    EXPECT_EQ(ErrorNumberOf([] { VariantArray().Item(0); }), err::kSubscriptOutOfRange);
    const VariantArray low({1}, -2147483647 - 1);
    EXPECT_EQ(ErrorNumberOf([&] { low.Item(2147483647); }), err::kSubscriptOutOfRange);
}

TEST(VariantArrays, AreHeldByValue) {
    const Variant original = VariantArray({1, 2});
    Variant copy = original;
    copy.AsArray().Item(0) = L"changed";
    EXPECT_EQ(original.AsArray().Item(0), Variant(1));
    EXPECT_EQ(copy.Type(), VariantType::Array);
    EXPECT_TRUE(copy.IsArray());
}

TEST(VariantArrays, AreEqualElementByElementWithTheSameBounds) {
    EXPECT_EQ(Variant(VariantArray({1, L"x"})), Variant(VariantArray({1, L"x"})));
    EXPECT_NE(Variant(VariantArray({1, L"x"})), Variant(VariantArray({1, L"y"})));
    EXPECT_NE(Variant(VariantArray({1})), Variant(VariantArray({1}, 1)));
    EXPECT_NE(Variant(VariantArray()), Variant());
}

TEST(VariantArrays, HaveNoTextAndNoNumber) {
    const Variant array = VariantArray({1});
    EXPECT_EQ(ErrorNumberOf([&] { array.ToText(); }), err::kTypeMismatch);
    EXPECT_FALSE(array.AsNumber());
    EXPECT_EQ(ToInt16Error(array), err::kTypeMismatch);
    EXPECT_EQ(ErrorNumberOf([] { Variant(L"1").AsArray(); }), err::kTypeMismatch);
}

}  // namespace
}  // namespace zv
