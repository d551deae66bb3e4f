#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>

#include "platform/DateTime.h"

namespace zv {

enum class VariantType { Empty, Null, Boolean, Integer, Long, Double, Date, String };

// A value of the platform's variant type, for the members that take one
// (arrays of variants, key-or-index arguments, values converted to text).
class Variant {
  public:
    Variant() = default;  // Empty
    Variant(bool value) : m_value(value) {}
    Variant(std::int16_t value) : m_value(value) {}
    Variant(std::int32_t value) : m_value(value) {}
    Variant(double value) : m_value(value) {}
    Variant(Date value) : m_value(value) {}
    Variant(std::wstring value) : m_value(std::move(value)) {}
    Variant(const wchar_t* value) : m_value(std::wstring(value)) {}

    static Variant Null();

    VariantType Type() const noexcept;
    bool IsEmpty() const noexcept { return Type() == VariantType::Empty; }
    bool IsNull() const noexcept { return Type() == VariantType::Null; }
    bool IsText() const noexcept { return Type() == VariantType::String; }

    // The number the value stands for: Empty is 0, True is -1, a date is its
    // serial, and a text counts when it reads as a decimal number (blanks
    // around it allowed). Null and other texts have none.
    std::optional<double> AsNumber() const;

    // The value as text: numbers in decimal (15 significant digits for
    // doubles), "True"/"False", dates in the general date form. Empty and Null
    // give an empty text.
    std::wstring ToText() const;

    // The value as a 16-bit integer, rounded half to even. Raises type mismatch
    // (13) for a text that is not a number, invalid use of Null (94) and
    // overflow (6) for a value outside the 16-bit range.
    std::int16_t ToInt16() const;

    friend bool operator==(const Variant&, const Variant&) = default;

  private:
    struct NullValue {
        friend bool operator==(NullValue, NullValue) = default;
    };

    std::variant<std::monostate, NullValue, bool, std::int16_t, std::int32_t, double, Date,
                 std::wstring>
        m_value;
};

}  // namespace zv
