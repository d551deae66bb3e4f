#pragma once

#include <concepts>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <variant>

#include "platform/automation/DateTime.h"
#include "platform/automation/VariantArray.h"

namespace zv {

class AutomationObject;

enum class VariantType { Empty, Null, Boolean, Integer, Long, Double, Date, String, Object, Array };

// A value of the platform's variant type, for the members that take one
// (arrays of variants, key-or-index arguments, values converted to text) and
// for the arguments and results of late-bound calls.
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
    Variant(VariantArray value) : m_value(std::move(value)) {}

    // An object reference; an empty pointer is Nothing.
    template <std::derived_from<AutomationObject> T>
    Variant(std::shared_ptr<T> object)
        : m_value(std::shared_ptr<AutomationObject>(std::move(object))) {}

    static Variant Null();
    static Variant Nothing();

    VariantType Type() const noexcept;
    bool IsEmpty() const noexcept { return Type() == VariantType::Empty; }
    bool IsNull() const noexcept { return Type() == VariantType::Null; }
    bool IsText() const noexcept { return Type() == VariantType::String; }
    bool IsObject() const noexcept { return Type() == VariantType::Object; }
    bool IsNothing() const noexcept;
    bool IsArray() const noexcept { return Type() == VariantType::Array; }

    // The number the value stands for: Empty is 0, True is -1, a date is its
    // serial, and a text counts when it reads as a decimal number (blanks
    // around it allowed). Null, other texts, objects and arrays have none.
    std::optional<double> AsNumber() const;

    // The value as text: numbers in decimal (15 significant digits for
    // doubles), "True"/"False", dates in the general date form. Empty and Null
    // give an empty text. Objects (which have no default member here) and
    // arrays raise type mismatch (13).
    std::wstring ToText() const;

    // The value as a 16-bit (32-bit) integer, rounded half to even. Raises
    // type mismatch (13) for a value without a number (a text that is not one,
    // an object, an array), invalid use of Null (94) and overflow (6) for NaN
    // and a value outside the type's range.
    std::int16_t ToInt16() const;
    std::int32_t ToInt32() const;

    // The object held, empty for Nothing. Any other value raises object
    // required (424).
    const std::shared_ptr<AutomationObject>& AsObject() const;

    // The array held. Any other value raises type mismatch (13).
    VariantArray& AsArray();
    const VariantArray& AsArray() const;

    // Objects are equal when they are the same object.
    friend bool operator==(const Variant&, const Variant&) = default;

  private:
    template <std::integral Int>
    Int ToWhole() const;

    struct NullValue {
        friend bool operator==(NullValue, NullValue) = default;
    };

    std::variant<std::monostate, NullValue, bool, std::int16_t, std::int32_t, double, Date,
                 std::wstring, std::shared_ptr<AutomationObject>, VariantArray>
        m_value;
};

}  // namespace zv
