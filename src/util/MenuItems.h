#pragma once

#include <cstdint>
#include <memory>

#include "platform/automation/Collection.h"
#include "platform/automation/Variant.h"
#include "util/MenuItem.h"

namespace zv {

// The items of a menu in order, each also found by its key. Shared by
// reference (std::shared_ptr). A key-or-index argument is a key when it is a
// text and a 1-based position otherwise.
class MenuItems {
  public:
    // Properties

    std::int32_t Count() const noexcept { return m_items.Count(); }

    // The item, or nullptr when there is none at that key or position.
    std::shared_ptr<MenuItem> Item(const Variant& keyOrIndex) const;

    // Operations

    // Adds the item under its key; an item without key is added unkeyed. False
    // for a null item or a key that another item already has.
    bool Add(std::shared_ptr<MenuItem> clsMenuItem);

    // False when no item has that key or position.
    bool Remove(const Variant& keyOrIndex);

    void Clear() noexcept { m_items.Clear(); }

    auto begin() const noexcept { return m_items.begin(); }
    auto end() const noexcept { return m_items.end(); }

  private:
    Collection<std::shared_ptr<MenuItem>> m_items;
};

}  // namespace zv
