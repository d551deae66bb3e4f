#include "platform/forms/ListItems.h"

#include "platform/forms/ListView.h"

namespace zv::forms {

std::shared_ptr<ListItem> ListItems::Add(std::int32_t index, const std::wstring& key,
                                         const std::wstring& text, Variant smallIcon) {
    auto item = std::make_shared<ListItem>(&m_view);
    item->m_text = text;
    item->m_smallIcon = std::move(smallIcon);
    if (m_view.Sorted()) {
        if (index < 0 || index > Count() + 1) {
            list_error::Raise(list_error::kIndexOutOfBounds);
        }
        index = m_view.SortedPlace(*item);
    }
    m_entries.Insert(index, key, item);
    m_view.ItemInserted(*item);
    return item;
}

void ListItems::Remove(std::int32_t index) {
    auto item = m_entries.Remove(index);
    item->m_selected = false;
    item->Detach();
    m_view.ItemRemoved(index);
}

void ListItems::Clear() {
    for (auto& item : m_entries.Clear()) {
        item->m_selected = false;
        item->Detach();
    }
    m_view.ItemsCleared();
}

}  // namespace zv::forms
