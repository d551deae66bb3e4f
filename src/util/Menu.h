#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "util/MenuItems.h"

namespace zv {

// A named group of menu items handed to a host. Shared by reference
// (std::shared_ptr).
class Menu {
  public:
    // Properties

    std::int16_t ID() const noexcept { return m_id; }
    void SetID(std::int16_t value) noexcept { m_id = value; }

    const std::wstring& Name() const noexcept { return m_name; }
    void SetName(std::wstring value) { m_name = std::move(value); }

    const std::wstring& Description() const noexcept { return m_description; }
    void SetDescription(std::wstring value) { m_description = std::move(value); }

    std::int16_t Icon() const noexcept { return m_icon; }
    void SetIcon(std::int16_t value) noexcept { m_icon = value; }

    // Empty when the menu is made; setting it replaces the collection itself.
    std::shared_ptr<zv::MenuItems> MenuItems() const noexcept { return m_menuItems; }
    void SetMenuItems(std::shared_ptr<zv::MenuItems> value) noexcept {
        m_menuItems = std::move(value);
    }

  private:
    std::int16_t m_id = 0;
    std::wstring m_name;
    std::wstring m_description;
    std::int16_t m_icon = 0;
    std::shared_ptr<zv::MenuItems> m_menuItems = std::make_shared<zv::MenuItems>();
};

}  // namespace zv
