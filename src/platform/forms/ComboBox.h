#pragma once

// A combo box: a text field with a list. Style 0 is a drop-down combo
// (typing or choosing), 1 a simple combo (the list always shown), 2 a
// drop-down list (choosing only). Choosing raises Click, typing Change,
// opening the list DropDown.

#include "platform/forms/ListControl.h"

namespace zv::forms {

class ComboBox : public ListControl {
  public:
    ComboBox(Form& form, std::wstring name, std::int16_t index);

    std::wstring TypeName() const override { return L"ComboBox"; }

    // Fixed once the window is made (382 after); 380 outside 0..2.
    std::int16_t Style() const { return m_style; }
    void SetStyle(std::int16_t style);

    // The field's text. A drop-down list can only show one of its items:
    // another text raises 383.
    std::wstring Text() const;
    void SetText(const std::wstring& text);

    Event<> Change;
    Event<> DropDown;

    bool WantsKey(int vk) const override;
    void OnNotify(win::UINT code) override;
    void WriteProperties(PropertyBag& bag) const override;
    void ReadProperties(const PropertyBag& bag) override;

  protected:
    std::optional<WindowKind> OwnWindowKind() const override;
    std::string WindowText() const override;
    win::RECT WindowPlacement() const override;
    void WindowCreated() override;

  private:
    bool DroppedDown() const;

    std::int16_t m_style = 0;
    std::wstring m_text;
};

}  // namespace zv::forms
