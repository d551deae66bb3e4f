#include "util/MenuItems.h"

#include "platform/automation/Trapped.h"

namespace zv {

// No item there, or an index that is not a 16-bit number, gives the neutral
// result like any other failure.

std::shared_ptr<MenuItem> MenuItems::Item(const Variant& keyOrIndex) const {
    return Trapped(std::shared_ptr<MenuItem>(), [&] {
        return keyOrIndex.IsText() ? m_items.Item(keyOrIndex.ToText())
                                   : m_items.Item(keyOrIndex.ToInt16());
    });
}

bool MenuItems::Add(std::shared_ptr<MenuItem> clsMenuItem) {
    return Trapped(false, [&] {
        if (!clsMenuItem) {
            return false;
        }
        const std::wstring key = clsMenuItem->key();
        if (key.empty()) {
            m_items.Add(std::move(clsMenuItem));
            return true;
        }
        if (m_items.Contains(key)) {
            return false;
        }
        m_items.Add(std::move(clsMenuItem), key);
        return true;
    });
}

bool MenuItems::Remove(const Variant& keyOrIndex) {
    return Trapped(false, [&] {
        if (keyOrIndex.IsText()) {
            m_items.Remove(keyOrIndex.ToText());
        } else {
            m_items.Remove(keyOrIndex.ToInt16());
        }
        return true;
    });
}

}  // namespace zv
