#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace zv {

class Variant;

// The platform's array of variants: elements addressed from a lower bound
// (0 unless the creator says otherwise). A variant holds arrays by value, so
// copying one copies its elements. Include "platform/Variant.h" to use it: the
// element type is completed there.
class VariantArray {
  public:
    VariantArray() = default;
    explicit VariantArray(std::vector<Variant> items, std::int32_t lowerBound = 0);

    std::int32_t LowerBound() const noexcept { return m_lowerBound; }
    // One below the lower bound when the array is empty.
    std::int32_t UpperBound() const noexcept;

    // The element at an index; one outside the bounds raises subscript out of
    // range (9).
    Variant& Item(std::int32_t index);
    const Variant& Item(std::int32_t index) const;

    // The elements in order, the first at the lower bound.
    std::vector<Variant>& Items() noexcept { return m_items; }
    const std::vector<Variant>& Items() const noexcept { return m_items; }

    friend bool operator==(const VariantArray&, const VariantArray&) = default;

  private:
    std::size_t IndexOf(std::int32_t index) const;

    std::vector<Variant> m_items;
    std::int32_t m_lowerBound = 0;
};

}  // namespace zv
