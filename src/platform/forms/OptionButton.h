#pragma once

// An option button. The options of one container form a group: choosing
// one clears the others; Tab enters the group at the chosen one and the
// arrow keys move the choice within it.

#include <vector>

#include "platform/forms/CaptionControl.h"

namespace zv::forms {

class OptionButton : public CaptionControl {
  public:
    OptionButton(Form& form, std::wstring name, std::int16_t index);

    std::wstring TypeName() const override { return L"OptionButton"; }

    bool Value() const { return m_value; }
    // Choosing raises Click; the others of the group are cleared.
    void SetValue(bool value);

    // The next (or previous) usable option of the group is chosen and
    // focused.
    void ChooseNeighbour(bool forward);

    bool SkippedByTab() const override;
    void OnAccessKey() override;
    void OnNotify(win::UINT code) override;
    void WriteProperties(PropertyBag& bag) const override;
    void ReadProperties(const PropertyBag& bag) override;

  protected:
    std::optional<WindowKind> OwnWindowKind() const override;
    void WindowCreated() override;

  private:
    std::vector<OptionButton*> Group() const;
    void ShowValue();

    bool m_value = false;
};

}  // namespace zv::forms
