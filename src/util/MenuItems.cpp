#include "util/MenuItems.h"

#include "platform/automation/AutomationError.h"

namespace zv {

std::shared_ptr<MenuItem> MenuItems::Item(const Variant& keyOrIndex) const {
    try {
        return keyOrIndex.IsText() ? m_items.Item(keyOrIndex.ToText())
                                   : m_items.Item(keyOrIndex.ToInt16());
    } catch (const AutomationError&) {
        return nullptr;  // no item there, or an index that is not a 16-bit number
    }
}

bool MenuItems::Add(std::shared_ptr<MenuItem> clsMenuItem) {
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
}

bool MenuItems::Remove(const Variant& keyOrIndex) {
    try {
        if (keyOrIndex.IsText()) {
            m_items.Remove(keyOrIndex.ToText());
        } else {
            m_items.Remove(keyOrIndex.ToInt16());
        }
        return true;
    } catch (const AutomationError&) {
        return false;  // no item there, or an index that is not a 16-bit number
    }
}

}  // namespace zv
