#pragma once

// A push button. The form's default button answers Enter and its cancel
// button Escape, wherever the focus is; a focused button answers Enter and
// Space itself.

#include "platform/forms/CaptionControl.h"

namespace zv::forms {

class CommandButton : public CaptionControl {
  public:
    CommandButton(Form& form, std::wstring name, std::int16_t index);

    std::wstring TypeName() const override { return L"CommandButton"; }

    // One of each per form: setting one clears the others.
    bool Default() const { return m_default; }
    void SetDefault(bool isDefault);
    bool Cancel() const { return m_cancel; }
    void SetCancel(bool isCancel);

    // As if the user clicked it: raises Click.
    void Press();

    void OnAccessKey() override;
    void OnNotify(win::UINT code) override;
    void WriteProperties(PropertyBag& bag) const override;
    void ReadProperties(const PropertyBag& bag) override;

  protected:
    std::optional<WindowKind> OwnWindowKind() const override;

  private:
    void ShowDefault();

    bool m_default = false;
    bool m_cancel = false;
};

}  // namespace zv::forms
