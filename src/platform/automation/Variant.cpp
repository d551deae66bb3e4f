#include "platform/automation/Variant.h"

#include <cmath>
#include <cstdio>
#include <cwchar>
#include <utility>

#include "platform/automation/AutomationError.h"
#include "platform/automation/Rounding.h"

namespace zv {

namespace {

template <typename... Handlers>
struct Overloaded : Handlers... {
    using Handlers::operator()...;
};
template <typename... Handlers>
Overloaded(Handlers...) -> Overloaded<Handlers...>;

std::optional<double> ParseNumber(const std::wstring& text) {
    const auto first = text.find_first_not_of(L' ');
    if (first == std::wstring::npos) {
        return std::nullopt;
    }
    const auto last = text.find_last_not_of(L' ');
    const std::wstring trimmed = text.substr(first, last - first + 1);
    // Only plain decimal notation: no hexadecimal, infinities or NaN.
    if (trimmed.find_first_not_of(L"0123456789+-.eE") != std::wstring::npos) {
        return std::nullopt;
    }
    wchar_t* end = nullptr;
    const double value = std::wcstod(trimmed.c_str(), &end);
    if (end != trimmed.c_str() + trimmed.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::wstring FormatDouble(double value) {
    wchar_t buffer[64];
    std::swprintf(buffer, std::size(buffer), L"%.15G", value);
    return buffer;
}

}  // namespace

Variant Variant::Null() {
    Variant null;
    null.m_value = NullValue{};
    return null;
}

Variant Variant::Nothing() {
    return Variant(std::shared_ptr<AutomationObject>());
}

VariantType Variant::Type() const noexcept {
    return static_cast<VariantType>(m_value.index());
}

bool Variant::IsNothing() const noexcept {
    const auto* object = std::get_if<std::shared_ptr<AutomationObject>>(&m_value);
    return object != nullptr && *object == nullptr;
}

std::optional<double> Variant::AsNumber() const {
    return std::visit(Overloaded{
                          [](std::monostate) -> std::optional<double> { return 0.0; },
                          [](NullValue) -> std::optional<double> { return std::nullopt; },
                          [](bool b) -> std::optional<double> { return b ? -1.0 : 0.0; },
                          [](std::int16_t n) -> std::optional<double> { return n; },
                          [](std::int32_t n) -> std::optional<double> { return n; },
                          [](double d) -> std::optional<double> { return d; },
                          [](Date d) -> std::optional<double> { return d.Serial; },
                          [](const std::wstring& s) { return ParseNumber(s); },
                          [](const std::shared_ptr<AutomationObject>&) -> std::optional<double> {
                              return std::nullopt;
                          },
                          [](const VariantArray&) -> std::optional<double> { return std::nullopt; },
                      },
                      m_value);
}

std::wstring Variant::ToText() const {
    return std::visit(
        Overloaded{
            [](std::monostate) { return std::wstring(); },
            [](NullValue) { return std::wstring(); },
            [](bool b) { return std::wstring(b ? L"True" : L"False"); },
            [](std::int16_t n) { return std::to_wstring(n); },
            [](std::int32_t n) { return std::to_wstring(n); },
            [](double d) { return FormatDouble(d); },
            [](Date d) { return FormatGeneralDate(d); },
            [](const std::wstring& s) { return s; },
            [](const std::shared_ptr<AutomationObject>&) -> std::wstring {
                throw AutomationError(err::kTypeMismatch);
            },
            [](const VariantArray&) -> std::wstring { throw AutomationError(err::kTypeMismatch); },
        },
        m_value);
}

template <std::integral Int>
Int Variant::ToWhole() const {
    if (IsNull()) {
        throw AutomationError(err::kInvalidUseOfNull);
    }
    const auto number = AsNumber();
    if (!number) {
        throw AutomationError(err::kTypeMismatch);
    }
    const auto whole = CheckedWhole<Int>(*number);
    if (!whole) {
        throw AutomationError(err::kOverflow);
    }
    return *whole;
}

std::int16_t Variant::ToInt16() const {
    return ToWhole<std::int16_t>();
}

std::int32_t Variant::ToInt32() const {
    return ToWhole<std::int32_t>();
}

const std::shared_ptr<AutomationObject>& Variant::AsObject() const {
    const auto* object = std::get_if<std::shared_ptr<AutomationObject>>(&m_value);
    if (object == nullptr) {
        throw AutomationError(err::kObjectRequired);
    }
    return *object;
}

const VariantArray& Variant::AsArray() const {
    const auto* array = std::get_if<VariantArray>(&m_value);
    if (array == nullptr) {
        throw AutomationError(err::kTypeMismatch);
    }
    return *array;
}

VariantArray& Variant::AsArray() {
    return const_cast<VariantArray&>(std::as_const(*this).AsArray());
}

}  // namespace zv
