#pragma once

#include <cstdint>
#include <string>

namespace zv {

// One entry of a menu handed to a host: what the host needs to build the entry
// and to recognise it when it is chosen. Shared by reference (std::shared_ptr).
class MenuItem {
  public:
    // Properties

    std::int16_t ID() const noexcept { return m_id; }
    void SetID(std::int16_t value) noexcept { m_id = value; }

    std::int32_t Index() const noexcept { return m_index; }
    void SetIndex(std::int32_t value) noexcept { m_index = value; }

    const std::wstring& Name() const noexcept { return m_name; }
    void SetName(std::wstring value) { m_name = std::move(value); }

    const std::wstring& Description() const noexcept { return m_description; }
    void SetDescription(std::wstring value) { m_description = std::move(value); }

    std::int16_t Icon() const noexcept { return m_icon; }
    void SetIcon(std::int16_t value) noexcept { m_icon = value; }

    const std::wstring& Tag() const noexcept { return m_tag; }
    void SetTag(std::wstring value) { m_tag = std::move(value); }

    const std::wstring& Parent() const noexcept { return m_parent; }
    void SetParent(std::wstring value) { m_parent = std::move(value); }

    const std::wstring& ParentTag() const noexcept { return m_parentTag; }
    void SetParentTag(std::wstring value) { m_parentTag = std::move(value); }

    // The item's key in a MenuItems collection; read when the item is added.
    const std::wstring& key() const noexcept { return m_key; }
    void SetKey(std::wstring value) { m_key = std::move(value); }

    bool Enabled() const noexcept { return m_enabled; }
    void SetEnabled(bool value) noexcept { m_enabled = value; }

    bool Bold() const noexcept { return m_bold; }
    void SetBold(bool value) noexcept { m_bold = value; }

    bool Checked() const noexcept { return m_checked; }
    void SetChecked(bool value) noexcept { m_checked = value; }

    bool RadioCheck() const noexcept { return m_radioCheck; }
    void SetRadioCheck(bool value) noexcept { m_radioCheck = value; }

    std::int16_t HelpContextID() const noexcept { return m_helpContextId; }
    void SetHelpContextID(std::int16_t value) noexcept { m_helpContextId = value; }

  private:
    std::int16_t m_id = 0;
    std::int32_t m_index = 0;
    std::wstring m_name;
    std::wstring m_description;
    std::int16_t m_icon = 0;
    std::wstring m_tag;
    std::wstring m_parent;
    std::wstring m_parentTag;
    std::wstring m_key;
    bool m_enabled = true;
    bool m_bold = false;
    bool m_checked = false;
    bool m_radioCheck = false;
    std::int16_t m_helpContextId = 0;
};

}  // namespace zv
