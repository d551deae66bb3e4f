#pragma once

// A control with a caption, in which '&' marks the access key: labels,
// buttons, check boxes, option buttons and frames. A windowed one shows it
// as its window text.

#include <string>

#include "platform/forms/Control.h"

namespace zv::forms {

class CaptionControl : public Control {
  public:
    const std::wstring& Caption() const { return m_caption; }
    void SetCaption(std::wstring caption);

    std::wstring AccessKeyCaption() const override { return m_caption; }

    void WriteProperties(PropertyBag& bag) const override;
    void ReadProperties(const PropertyBag& bag) override;

  protected:
    CaptionControl(Form& form, std::wstring name, std::int16_t index, std::int32_t width,
                   std::int32_t height, std::wstring caption);

    std::string WindowText() const override;
    // The first control after this one in the tab order that can take the
    // focus gets it: what a label's or a frame's access key does.
    void FocusNextInTabOrder();

  private:
    std::wstring m_caption;
};

}  // namespace zv::forms
