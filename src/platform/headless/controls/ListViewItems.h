#pragma once

// The items of a list view on the headless backend, in the order they are
// shown, with their sub-items' texts, data, images and states; it keeps the
// focused item and the number selected as the states change, so that no
// question about them walks the items. Internal to the backend.

#include <algorithm>
#include <functional>
#include <numeric>
#include <string>
#include <string_view>
#include <vector>

#include "platform/win/WinApi.h"

namespace zv::headless {

struct ListViewItem {
    std::vector<std::string> texts;  // the item's own, then its sub-items' (missing ones are empty)
    win::LPARAM data = 0;
    int image = 0;
    win::UINT state = 0;  // LVIS_* bits
};

class ListViewItems {
  public:
    int Count() const { return static_cast<int>(m_items.size()); }
    bool IsIndex(int index) const { return index >= 0 && index < Count(); }
    const ListViewItem& At(int index) const { return m_items[static_cast<std::size_t>(index)]; }

    // Puts the item before the one at index (at the end past the last) and
    // answers where it went; the focus and the anchor stay on their items.
    int Insert(int index, ListViewItem item);
    void Erase(int index);
    void Clear();

    std::string_view Text(int index, int subItem) const;
    void SetText(int index, int subItem, std::string_view text);
    void SetData(int index, win::LPARAM data) { Item(index).data = data; }
    void SetImage(int index, int image) { Item(index).image = image; }

    // A column inserted or deleted at subItem moves the sub-items after it.
    void InsertSubItem(int subItem);
    void EraseSubItem(int subItem);

    // The bits of mask take their values from state; at most one item has
    // the focus, so focusing one takes it from the other (the caller tells
    // of both).
    void SetState(int index, win::UINT state, win::UINT mask);
    int Focused() const { return m_focused; }
    int SelectedCount() const { return m_selected; }

    // The item the selection grows from with Shift; -1 for none.
    int anchor = -1;

    // Orders the items so that before(a, b) holds for no pair out of order
    // (a stable sort); before is given the items' indexes from before the
    // sort, at which the items stay until it ends, so that it may ask the
    // list about them.
    void Sort(const std::function<bool(int, int)>& before);

  private:
    ListViewItem& Item(int index) { return m_items[static_cast<std::size_t>(index)]; }

    std::vector<ListViewItem> m_items;
    int m_focused = -1;
    int m_selected = 0;
};

}  // namespace zv::headless
