#include "platform/forms/CommandButton.h"

#include "platform/forms/Form.h"
#include "platform/forms/PropertyBag.h"
#include "platform/win/WinConstants.h"

namespace zv::forms {

using namespace zv::win;

CommandButton::CommandButton(Form& form, std::wstring name, std::int16_t index)
    : CaptionControl(form, name, index, 1215, 495, name) {}

std::optional<Control::WindowKind> CommandButton::OwnWindowKind() const {
    return WindowKind{"Button", m_default ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON};
}

void CommandButton::SetDefault(bool isDefault) {
    if (isDefault == m_default) {
        return;
    }
    m_default = isDefault;
    if (isDefault) {
        Parent().DefaultChanged(*this);
    }
    ShowDefault();
}

void CommandButton::SetCancel(bool isCancel) {
    m_cancel = isCancel;
    if (isCancel) {
        Parent().CancelChanged(*this);
    }
}

void CommandButton::ShowDefault() {
    if (hWnd() != 0) {
        SendMessageA(hWnd(), BM_SETSTYLE, m_default ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
    }
}

void CommandButton::Press() {
    Click.Raise();
}

void CommandButton::OnAccessKey() {
    if (CanTakeFocus()) {
        SetFocus();
        Press();
    }
}

void CommandButton::OnNotify(UINT code) {
    if (code == BN_CLICKED) {
        Click.Raise();
    }
}

void CommandButton::WriteProperties(PropertyBag& bag) const {
    CaptionControl::WriteProperties(bag);
    bag.WriteProperty(L"Default", m_default, false);
    bag.WriteProperty(L"Cancel", m_cancel, false);
}

void CommandButton::ReadProperties(const PropertyBag& bag) {
    CaptionControl::ReadProperties(bag);
    SetDefault(bag.ReadProperty(L"Default", false).ToInt16() != 0);
    SetCancel(bag.ReadProperty(L"Cancel", false).ToInt16() != 0);
}

}  // namespace zv::forms
