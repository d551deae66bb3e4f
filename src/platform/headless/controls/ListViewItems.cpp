#include "headless/controls/ListViewItems.h"

#include "platform/win/ListViewConstants.h"

namespace zv::headless {

using namespace zv::win;

namespace {

// An index that follows its item when another is inserted or erased.
void Follow(int& index, int changed, int step) {
    if (index >= changed) {
        index += step;
    }
}

// A stable merge sort that stays within the list whatever the comparison
// answers (a caller's comparison need not be consistent).
void MergeSort(std::vector<int>& order, const std::function<bool(int, int)>& before) {
    std::vector<int> merged(order.size());
    const std::size_t count = order.size();
    for (std::size_t width = 1; width < count; width *= 2) {
        for (std::size_t start = 0; start < count; start += 2 * width) {
            const std::size_t middle = std::min(start + width, count);
            const std::size_t end = std::min(start + 2 * width, count);
            std::merge(order.begin() + static_cast<std::ptrdiff_t>(start),
                       order.begin() + static_cast<std::ptrdiff_t>(middle),
                       order.begin() + static_cast<std::ptrdiff_t>(middle),
                       order.begin() + static_cast<std::ptrdiff_t>(end),
                       merged.begin() + static_cast<std::ptrdiff_t>(start), before);
        }
        order.swap(merged);
    }
}

}  // namespace

int ListViewItems::Insert(int index, ListViewItem item) {
    const int at = std::clamp(index, 0, Count());
    const UINT state = item.state;
    item.state = 0;
    m_items.insert(m_items.begin() + at, std::move(item));
    Follow(m_focused, at, 1);
    Follow(anchor, at, 1);
    SetState(at, state, LVIS_SELECTED | LVIS_FOCUSED);
    return at;
}

void ListViewItems::Erase(int index) {
    SetState(index, 0, LVIS_SELECTED | LVIS_FOCUSED);
    m_items.erase(m_items.begin() + index);
    Follow(m_focused, index + 1, -1);
    if (anchor == index) {
        anchor = -1;
    }
    Follow(anchor, index + 1, -1);
}

void ListViewItems::Clear() {
    m_items.clear();
    m_focused = -1;
    m_selected = 0;
    anchor = -1;
}

std::string_view ListViewItems::Text(int index, int subItem) const {
    const std::vector<std::string>& texts = At(index).texts;
    return subItem >= 0 && subItem < static_cast<int>(texts.size())
               ? std::string_view(texts[static_cast<std::size_t>(subItem)])
               : std::string_view();
}

void ListViewItems::SetText(int index, int subItem, std::string_view text) {
    std::vector<std::string>& texts = Item(index).texts;
    if (subItem >= static_cast<int>(texts.size())) {
        texts.resize(static_cast<std::size_t>(subItem) + 1);
    }
    texts[static_cast<std::size_t>(subItem)] = text;
}

void ListViewItems::InsertSubItem(int subItem) {
    for (ListViewItem& item : m_items) {
        if (subItem < static_cast<int>(item.texts.size())) {
            item.texts.emplace(item.texts.begin() + subItem);
        }
    }
}

void ListViewItems::EraseSubItem(int subItem) {
    for (ListViewItem& item : m_items) {
        if (subItem < static_cast<int>(item.texts.size())) {
            item.texts.erase(item.texts.begin() + subItem);
        }
    }
}

void ListViewItems::SetState(int index, UINT state, UINT mask) {
    ListViewItem& item = Item(index);
    const UINT changed = (item.state ^ state) & mask;
    item.state ^= changed;
    if ((changed & LVIS_SELECTED) != 0) {
        m_selected += (item.state & LVIS_SELECTED) != 0 ? 1 : -1;
    }
    if ((changed & LVIS_FOCUSED) == 0) {
        return;
    }
    if ((item.state & LVIS_FOCUSED) == 0) {
        m_focused = -1;
        return;
    }
    if (m_focused >= 0 && m_focused != index) {
        Item(m_focused).state &= ~LVIS_FOCUSED;
    }
    m_focused = index;
}

void ListViewItems::Sort(const std::function<bool(int, int)>& before) {
    std::vector<int> order(m_items.size());
    std::iota(order.begin(), order.end(), 0);
    MergeSort(order, before);
    std::vector<ListViewItem> sorted;
    sorted.reserve(m_items.size());
    int focused = -1;
    int marked = -1;
    for (std::size_t at = 0; at < order.size(); ++at) {
        const int from = order[at];
        focused = from == m_focused ? static_cast<int>(at) : focused;
        marked = from == anchor ? static_cast<int>(at) : marked;
        sorted.push_back(std::move(m_items[static_cast<std::size_t>(from)]));
    }
    m_items = std::move(sorted);
    m_focused = focused;
    anchor = marked;
}

}  // namespace zv::headless
