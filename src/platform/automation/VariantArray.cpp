#include "platform/automation/VariantArray.h"

#include "platform/automation/AutomationError.h"
#include "platform/automation/Variant.h"

namespace zv {

VariantArray::VariantArray(std::vector<Variant> items, std::int32_t lowerBound)
    : m_items(std::move(items)), m_lowerBound(lowerBound) {}

std::int32_t VariantArray::UpperBound() const noexcept {
    return m_lowerBound + static_cast<std::int32_t>(m_items.size()) - 1;
}

Variant& VariantArray::Item(std::int32_t index) {
    return m_items[IndexOf(index)];
}

const Variant& VariantArray::Item(std::int32_t index) const {
    return m_items[IndexOf(index)];
}

std::size_t VariantArray::IndexOf(std::int32_t index) const {
    // In 64 bits, so that no bounds overflow.
    const std::int64_t offset = std::int64_t{index} - m_lowerBound;
    if (offset < 0 || offset >= static_cast<std::int64_t>(m_items.size())) {
        throw AutomationError(err::kSubscriptOutOfRange);
    }
    return static_cast<std::size_t>(offset);
}

}  // namespace zv
