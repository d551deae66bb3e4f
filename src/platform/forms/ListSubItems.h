#pragma once

// A list item's sub-items, in the order of their SubItemIndex: sub-item n is
// what the column with SubItemIndex n shows.

#include <memory>
#include <string>

#include "platform/forms/ListCollection.h"
#include "platform/forms/ListSubItem.h"

namespace zv::forms {

class ListSubItems {
  public:
    explicit ListSubItems(ListItem& item) : m_item(item) {}

    // Before the sub-item at index (0 for the end); errors as ListCollection.
    std::shared_ptr<ListSubItem> Add(std::int32_t index = 0, const std::wstring& key = {},
                                     const std::wstring& text = {},
                                     const std::wstring& toolTipText = {});

    std::int32_t Count() const { return m_entries.Count(); }
    const std::shared_ptr<ListSubItem>& Item(std::int32_t index) const {
        return m_entries.Item(index);
    }
    const std::shared_ptr<ListSubItem>& Item(const std::wstring& key) const {
        return m_entries.Item(key);
    }
    void Remove(std::int32_t index);
    void Remove(const std::wstring& key) { Remove(m_entries.Item(key)->Index()); }
    void Clear();

    // The text of sub-item n, empty when there is none.
    std::wstring TextOf(std::int32_t index) const;

    auto begin() const { return m_entries.begin(); }
    auto end() const { return m_entries.end(); }

  private:
    ListItem& m_item;
    ListCollection<ListSubItem> m_entries;
};

}  // namespace zv::forms
