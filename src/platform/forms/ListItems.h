#pragma once

// A list view's items, by index (from 1, top to bottom) or key. While the
// list view is sorted, a new item goes to its place in the order, whatever
// index it was given.

#include <memory>
#include <string>

#include "platform/forms/ListCollection.h"
#include "platform/forms/ListItem.h"

namespace zv::forms {

class ListItems {
  public:
    explicit ListItems(ListView& view) : m_view(view) {}

    // Before the item at index (0 for the end); errors as ListCollection.
    std::shared_ptr<ListItem> Add(std::int32_t index = 0, const std::wstring& key = {},
                                  const std::wstring& text = {}, Variant smallIcon = {});

    std::int32_t Count() const { return m_entries.Count(); }
    const std::shared_ptr<ListItem>& Item(std::int32_t index) const {
        return m_entries.Item(index);
    }
    const std::shared_ptr<ListItem>& Item(const std::wstring& key) const {
        return m_entries.Item(key);
    }
    bool Contains(const std::wstring& key) const { return m_entries.Contains(key); }
    void Remove(std::int32_t index);
    void Remove(const std::wstring& key) { Remove(m_entries.Item(key)->Index()); }
    void Clear();

    auto begin() const { return m_entries.begin(); }
    auto end() const { return m_entries.end(); }

  private:
    friend class ListView;

    ListView& m_view;
    ListCollection<ListItem> m_entries;
};

}  // namespace zv::forms
