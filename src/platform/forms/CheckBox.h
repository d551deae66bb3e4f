#pragma once

// A check box: Value is 0 (unchecked), 1 (checked) or 2 (greyed). Each
// change, by the user or by the host, raises Click.

#include "platform/forms/CaptionControl.h"

namespace zv::forms {

class CheckBox : public CaptionControl {
  public:
    CheckBox(Form& form, std::wstring name, std::int16_t index);

    std::wstring TypeName() const override { return L"CheckBox"; }

    std::int16_t Value() const { return m_value; }
    void SetValue(std::int16_t value);  // 380 outside 0..2

    void OnAccessKey() override;
    void OnNotify(win::UINT code) override;
    void WriteProperties(PropertyBag& bag) const override;
    void ReadProperties(const PropertyBag& bag) override;

  protected:
    std::optional<WindowKind> OwnWindowKind() const override;
    void WindowCreated() override;

  private:
    std::int16_t m_value = 0;
};

}  // namespace zv::forms
