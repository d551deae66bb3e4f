#include "platform/forms/CheckBox.h"

#include "platform/automation/AutomationError.h"
#include "platform/forms/PropertyBag.h"
#include "platform/win/WinConstants.h"

namespace zv::forms {

using namespace zv::win;

CheckBox::CheckBox(Form& form, std::wstring name, std::int16_t index)
    : CaptionControl(form, name, index, 1215, 255, name) {}

std::optional<Control::WindowKind> CheckBox::OwnWindowKind() const {
    // The runtime keeps the value, so that a click never makes it greyed.
    return WindowKind{"Button", BS_3STATE};
}

void CheckBox::WindowCreated() {
    SendMessageA(hWnd(), BM_SETCHECK, static_cast<WPARAM>(m_value), 0);
}

void CheckBox::SetValue(std::int16_t value) {
    if (value < 0 || value > 2) {
        throw AutomationError(err::kInvalidPropertyValue);
    }
    if (value == m_value) {
        return;
    }
    m_value = value;
    if (hWnd() != 0) {
        SendMessageA(hWnd(), BM_SETCHECK, static_cast<WPARAM>(value), 0);
    }
    Click.Raise();
}

void CheckBox::OnAccessKey() {
    if (CanTakeFocus()) {
        SetFocus();
        SetValue(m_value == 1 ? 0 : 1);
    }
}

void CheckBox::OnNotify(UINT code) {
    if (code == BN_CLICKED) {
        SetValue(m_value == 1 ? 0 : 1);  // a greyed box becomes checked
    }
}

void CheckBox::WriteProperties(PropertyBag& bag) const {
    CaptionControl::WriteProperties(bag);
    bag.WriteProperty(L"Value", m_value, std::int16_t{0});
}

void CheckBox::ReadProperties(const PropertyBag& bag) {
    CaptionControl::ReadProperties(bag);
    m_value = bag.ReadProperty(L"Value", std::int16_t{0}).ToInt16();
    if (hWnd() != 0) {
        WindowCreated();
    }
}

}  // namespace zv::forms
