#include "platform/forms/OptionButton.h"

#include <algorithm>

#include "platform/forms/ControlContainer.h"
#include "platform/forms/PropertyBag.h"
#include "platform/win/WinConstants.h"

namespace zv::forms {

using namespace zv::win;

OptionButton::OptionButton(Form& form, std::wstring name, std::int16_t index)
    : CaptionControl(form, name, index, 1215, 255, name) {}

std::optional<Control::WindowKind> OptionButton::OwnWindowKind() const {
    // The runtime keeps the group, by container: the window only shows it.
    return WindowKind{"Button", BS_RADIOBUTTON};
}

void OptionButton::WindowCreated() {
    ShowValue();
}

void OptionButton::ShowValue() {
    if (hWnd() != 0) {
        SendMessageA(hWnd(), BM_SETCHECK, m_value ? BST_CHECKED : BST_UNCHECKED, 0);
    }
}

std::vector<OptionButton*> OptionButton::Group() const {
    std::vector<OptionButton*> group;
    // In the container's order of making, which is the order the user sees.
    const auto& contents = Container().Contents();
    for (Control* control : contents) {
        if (auto* option = dynamic_cast<OptionButton*>(control)) {
            group.push_back(option);
        }
    }
    return group;
}

void OptionButton::SetValue(bool value) {
    if (value) {
        for (OptionButton* other : Group()) {
            if (other != this && other->m_value) {
                other->m_value = false;
                other->ShowValue();
            }
        }
    }
    const bool changed = value != m_value;
    m_value = value;
    ShowValue();
    if (value && changed) {
        Click.Raise();
    }
}

void OptionButton::ChooseNeighbour(bool forward) {
    const std::vector<OptionButton*> group = Group();
    const auto count = static_cast<std::ptrdiff_t>(group.size());
    const auto self = std::find(group.begin(), group.end(), this) - group.begin();
    for (std::ptrdiff_t step = 1; step < count; ++step) {
        const std::ptrdiff_t at = ((forward ? self + step : self - step) % count + count) % count;
        OptionButton* option = group[static_cast<std::size_t>(at)];
        if (option->CanTakeFocus()) {
            option->SetFocus();
            option->SetValue(true);
            return;
        }
    }
}

bool OptionButton::SkippedByTab() const {
    if (m_value) {
        return false;
    }
    const std::vector<OptionButton*> group = Group();
    return std::any_of(group.begin(), group.end(),
                       [](const OptionButton* o) { return o->m_value; });
}

void OptionButton::OnAccessKey() {
    if (CanTakeFocus()) {
        SetFocus();
        SetValue(true);
    }
}

void OptionButton::OnNotify(UINT code) {
    if (code == BN_CLICKED) {
        const bool was = m_value;
        SetValue(true);
        if (was) {
            Click.Raise();  // a click on the chosen one is still a click
        }
    }
}

void OptionButton::WriteProperties(PropertyBag& bag) const {
    CaptionControl::WriteProperties(bag);
    bag.WriteProperty(L"Value", m_value, false);
}

void OptionButton::ReadProperties(const PropertyBag& bag) {
    CaptionControl::ReadProperties(bag);
    m_value = bag.ReadProperty(L"Value", false).ToInt16() != 0;
    ShowValue();
}

}  // namespace zv::forms
