#include "platform/forms/ListSubItems.h"

#include "platform/forms/ListItem.h"

namespace zv::forms {

std::shared_ptr<ListSubItem> ListSubItems::Add(std::int32_t index, const std::wstring& key,
                                               const std::wstring& text,
                                               const std::wstring& toolTipText) {
    auto subItem = std::make_shared<ListSubItem>(&m_item);
    m_entries.Insert(index, key, subItem);
    subItem->SetToolTipText(toolTipText);
    subItem->SetText(text);
    // The ones after it moved to the next column.
    for (std::int32_t after = subItem->Index() + 1; after <= Count(); ++after) {
        m_item.SubItemChanged(after);
    }
    return subItem;
}

void ListSubItems::Remove(std::int32_t index) {
    m_entries.Remove(index)->Detach();
    for (std::int32_t moved = index; moved <= Count() + 1; ++moved) {
        m_item.SubItemChanged(moved);
    }
}

void ListSubItems::Clear() {
    const std::int32_t count = Count();
    for (auto& subItem : m_entries.Clear()) {
        subItem->Detach();
    }
    for (std::int32_t index = 1; index <= count; ++index) {
        m_item.SubItemChanged(index);
    }
}

std::wstring ListSubItems::TextOf(std::int32_t index) const {
    return index >= 1 && index <= Count() ? m_entries.Item(index)->Text() : std::wstring{};
}

}  // namespace zv::forms
