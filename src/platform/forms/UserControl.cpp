#include "platform/forms/UserControl.h"

#include "platform/automation/Trapped.h"
#include "platform/forms/Form.h"
#include "platform/forms/PropertyBag.h"
#include "platform/win/GdiConstants.h"
#include "platform/win/WinConstants.h"

namespace zv::forms {

using namespace zv::win;

UserControl::UserControl(Form& form, std::wstring name, std::int16_t index, std::int32_t width,
                         std::int32_t height)
    : Control(form, std::move(name), index, width, height) {}

std::optional<Control::WindowKind> UserControl::OwnWindowKind() const {
    return WindowKind{kContainerClass, WS_CLIPCHILDREN | WS_CLIPSIBLINGS};
}

AmbientProperties UserControl::Ambient() const {
    ControlContainer& container = Container();
    AmbientProperties ambient;
    ambient.font = Parent().Font();
    ambient.backColor = container.ContainerBackColor();
    ambient.foreColor = Parent().ForeColor();
    ambient.displayName = Name();
    return ambient;
}

void UserControl::PropertyChanged(const std::wstring& name) {
    m_changed = true;
    // Called from the controls' setters, which a listener's failure must not stop.
    Trapped([&] { OnPropertyChanged.Raise(name); });
}

void UserControl::Adopted() {
    Initialize();
}

void UserControl::InitNew() {
    InitProperties();
}

bool UserControl::CanTakeFocus() const {
    return m_canGetFocus && Control::CanTakeFocus();
}

void UserControl::WriteProperties(PropertyBag& bag) const {
    Control::WriteProperties(bag);
    WriteUserProperties(bag);
}

void UserControl::ReadProperties(const PropertyBag& bag) {
    Control::ReadProperties(bag);
    ReadUserProperties(bag);
    m_changed = false;
}

LRESULT UserControl::OnMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (LRESULT result = 0; TakeContainerMessage(hwnd, message, wParam, lParam, result)) {
        return result;
    }
    return Control::OnMessage(hwnd, message, wParam, lParam);
}

void UserControl::PaintOwn(HDC dc) {
    m_paintDc = dc;
    Paint.Raise();
    m_paintDc = 0;
}

void UserControl::OwnMouse(UINT message, WPARAM wParam, POINT pixels) {
    RaiseMouse(message, wParam, pixels);
}

}  // namespace zv::forms
