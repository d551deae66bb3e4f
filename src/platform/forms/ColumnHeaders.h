#pragma once

// A list view's columns, by index (from 1, left to right as added) or key.

#include <memory>
#include <string>

#include "platform/forms/ColumnHeader.h"
#include "platform/forms/ListCollection.h"

namespace zv::forms {

class ColumnHeaders {
  public:
    explicit ColumnHeaders(ListView& view) : m_view(view) {}

    // Before the column at index (0 for the end); a negative width takes the
    // default. Errors as ListCollection, and 380 for a bad alignment.
    std::shared_ptr<ColumnHeader> Add(std::int32_t index = 0, const std::wstring& key = {},
                                      const std::wstring& text = {}, std::int32_t width = -1,
                                      std::int16_t alignment = column_align::kLeft);

    std::int32_t Count() const { return m_entries.Count(); }
    const std::shared_ptr<ColumnHeader>& Item(std::int32_t index) const {
        return m_entries.Item(index);
    }
    const std::shared_ptr<ColumnHeader>& Item(const std::wstring& key) const {
        return m_entries.Item(key);
    }
    bool Contains(const std::wstring& key) const { return m_entries.Contains(key); }
    void Remove(std::int32_t index);
    void Remove(const std::wstring& key) { Remove(m_entries.Item(key)->Index()); }
    void Clear();

    // The highest SubItemIndex of the columns, 0 without columns.
    std::int32_t LastSubItemIndex() const;

    auto begin() const { return m_entries.begin(); }
    auto end() const { return m_entries.end(); }

  private:
    ListView& m_view;
    ListCollection<ColumnHeader> m_entries;
};

}  // namespace zv::forms
