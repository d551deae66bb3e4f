#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <utility>

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

// Every numeric kind has a number; text only when it reads as a decimal
// number.
TEST(VariantNumbers, NumericKindsAndDecimalTextsHaveANumber) {
    const std::pair<Variant, double> kNumbers[] = {
        {Variant(), 0.0},         {true, -1.0},     {false, 0.0},
        {std::int16_t{-4}, -4.0}, {70000, 70000.0}, {2.25, 2.25},
        {Date{36585.5}, 36585.5}, {L"2", 2.0},      {L"  -1.5e1 ", -15.0}};
    for (const auto& [value, number] : kNumbers) {
        EXPECT_EQ(value.AsNumber(), number) << value.ToText();
    }
    for (const Variant& value : {Variant(L""), Variant(L"   "), Variant(L"two"), Variant(L"2x"),
                                 Variant(L"0x10"), Variant(L"inf"), Variant(L"1e999"),
                                 Variant(std::wstring{L'2', L'\0', L'3'}), Variant::Null()}) {
        EXPECT_FALSE(value.AsNumber()) << value.ToText();
    }
}

TEST(VariantText, ConvertsLikeThePlatform) {
    const double third = 1.0 / 3.0;
    const Date day = MakeDate(2026, 12, 5);
    const std::pair<Variant, const wchar_t*> kTexts[] = {
        {Variant(), L""},    {Variant::Null(), L""},        {true, L"True"},
        {false, L"False"},   {std::int16_t{-12}, L"-12"},   {123456, L"123456"},
        {1.5, L"1.5"},       {third, L"0.333333333333333"}, {1e20, L"1E+20"},
        {day, L"12/5/2026"}, {L"as is", L"as is"}};
    for (const auto& [value, text] : kTexts) {
        EXPECT_EQ(value.ToText(), text);
    }
}

TEST(VariantInt16, RoundsHalfToEvenAndRaisesTheConversionErrors) {
    const std::pair<Variant, std::int16_t> kIntegers[] = {
        {2.5, 2}, {3.5, 4}, {L"7", 7}, {true, -1}, {Variant(), 0}, {32767, 32767}};
    for (const auto& [value, integer] : kIntegers) {
        EXPECT_EQ(value.ToInt16(), integer) << value.ToText();
    }

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

// Objects and arrays have no text and no number; other values are no
// objects, and text no array.
TEST(VariantObjectsAndArrays, HaveNoTextAndNoNumberAndAreNotEachOther) {
    for (const Variant& value : {Variant(std::make_shared<PlainObject>()), Variant::Nothing(),
                                 Variant(VariantArray({1}))}) {
        EXPECT_EQ(ErrorNumberOf([&] { value.ToText(); }), err::kTypeMismatch);
        EXPECT_FALSE(value.AsNumber());
        EXPECT_EQ(ToInt16Error(value), err::kTypeMismatch);
    }
    for (const Variant& value : {Variant(5), Variant(), Variant(VariantArray())}) {
        EXPECT_EQ(ErrorNumberOf([&] { value.AsObject(); }), err::kObjectRequired);
    }
    EXPECT_EQ(ErrorNumberOf([] { Variant(L"1").AsArray(); }), err::kTypeMismatch);
}

TEST(VariantArrays, AddressElementsFromTheLowerBoundAndRaise9OutsideTheBounds) {
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

    // Indexes outside the bounds raise 9.
    EXPECT_EQ(ErrorNumberOf([&] { oneBased.Item(0); }), err::kSubscriptOutOfRange);
    EXPECT_EQ(ErrorNumberOf([&] { oneBased.Item(3); }), err::kSubscriptOutOfRange);
    EXPECT_EQ(ErrorNumberOf([] { VariantArray().Item(0); }), err::kSubscriptOutOfRange);
    const VariantArray low({1}, -2147483647 - 1);
    EXPECT_EQ(ErrorNumberOf([&] { low.Item(2147483647); }), err::kSubscriptOutOfRange);
}

TEST(VariantArrays, AreHeldByValueAndEqualElementByElementWithTheSameBounds) {
    const Variant original = VariantArray({1, 2});
    Variant copy = original;
    copy.AsArray().Item(0) = L"changed";
    EXPECT_EQ(original.AsArray().Item(0), Variant(1));
    EXPECT_EQ(copy.Type(), VariantType::Array);
    EXPECT_TRUE(copy.IsArray());

    EXPECT_EQ(Variant(VariantArray({1, L"x"})), Variant(VariantArray({1, L"x"})));
    EXPECT_NE(Variant(VariantArray({1, L"x"})), Variant(VariantArray({1, L"y"})));
    EXPECT_NE(Variant(VariantArray({1})), Variant(VariantArray({1}, 1)));
    EXPECT_NE(Variant(VariantArray()), Variant());
}

}  // namespace
}  // namespace zv
