#pragma once

// A list box: a scrolled list of texts, one of which the user chooses
// (Click), or opens with a double click (DblClick).

#include "platform/forms/ListControl.h"

namespace zv::forms {

class ListBox : public ListControl {
  public:
    ListBox(Form& form, std::wstring name, std::int16_t index);

    std::wstring TypeName() const override { return L"ListBox"; }

    // The chosen item's text, empty for none.
    std::wstring Text() const { return List(ListIndex()); }

    // The first item shown.
    std::int32_t TopIndex() const;
    void SetTopIndex(std::int32_t index);

    bool WantsKey(int vk) const override;
    void OnNotify(win::UINT code) override;

  protected:
    std::optional<WindowKind> OwnWindowKind() const override;

  private:
    std::int32_t m_topIndex = 0;
};

}  // namespace zv::forms
