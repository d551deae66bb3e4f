#include "platform/forms/CaptionControl.h"

#include <algorithm>

#include "platform/forms/Form.h"
#include "platform/forms/PropertyBag.h"
#include "platform/text/WideString.h"

namespace zv::forms {

using namespace zv::win;

CaptionControl::CaptionControl(Form& form, std::wstring name, std::int16_t index,
                               std::int32_t width, std::int32_t height, std::wstring caption)
    : Control(form, std::move(name), index, width, height), m_caption(std::move(caption)) {}

void CaptionControl::SetCaption(std::wstring caption) {
    m_caption = std::move(caption);
    if (hWnd() != 0) {
        SetWindowTextA(hWnd(), ToAnsi(m_caption).c_str());
    } else {
        Redraw();
    }
    Resized();
}

std::string CaptionControl::WindowText() const {
    return ToAnsi(m_caption);
}

void CaptionControl::FocusNextInTabOrder() {
    const auto& order = Parent().TabOrder();
    const auto self = std::find(order.begin(), order.end(), this);
    for (auto it = self; it != order.end(); ++it) {
        if (it != self && (*it)->CanTakeFocus()) {
            (*it)->SetFocus();
            return;
        }
    }
}

void CaptionControl::WriteProperties(PropertyBag& bag) const {
    bag.WriteProperty(L"Caption", m_caption, Name());
    Control::WriteProperties(bag);
}

void CaptionControl::ReadProperties(const PropertyBag& bag) {
    SetCaption(bag.ReadProperty(L"Caption", Name()).ToText());
    Control::ReadProperties(bag);
}

}  // namespace zv::forms
