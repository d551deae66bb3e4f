#include "platform/forms/ComboBox.h"

#include "platform/automation/AutomationError.h"
#include "platform/forms/PropertyBag.h"
#include "platform/forms/WindowText.h"
#include "platform/text/WideString.h"
#include "platform/win/WinConstants.h"

namespace zv::forms {

using namespace zv::win;

namespace {

constexpr std::int32_t kNotAtRunTime = 382;
constexpr std::int32_t kTextReadOnly = 383;
constexpr std::int16_t kDropDownList = 2;
constexpr int kListRows = 8;  // the rows a dropped list shows

constexpr ListControl::Messages kComboMessages{CB_INSERTSTRING, CB_DELETESTRING, CB_RESETCONTENT,
                                               CB_SETCURSEL,    CB_GETCURSEL,    CB_SETITEMDATA};

}  // namespace

ComboBox::ComboBox(Form& form, std::wstring name, std::int16_t index)
    : ListControl(form, name, index, 1215, 315, kComboMessages), m_text(name) {}

std::optional<Control::WindowKind> ComboBox::OwnWindowKind() const {
    const DWORD kind = m_style == 1 ? CBS_SIMPLE : m_style == 2 ? CBS_DROPDOWNLIST : CBS_DROPDOWN;
    return WindowKind{"ComboBox",
                      WS_TABSTOP | WS_VSCROLL | kind | CBS_AUTOHSCROLL | CBS_HASSTRINGS};
}

std::string ComboBox::WindowText() const {
    return m_style == kDropDownList ? std::string() : ToAnsi(m_text);
}

// A drop-down's window is as tall as it is with its list shown; the
// control's own height is the field's.
RECT ComboBox::WindowPlacement() const {
    RECT rect = PixelRect();
    if (m_style != 1) {
        rect.bottom += kListRows * (rect.bottom - rect.top);
    }
    return rect;
}

void ComboBox::WindowCreated() {
    ListControl::WindowCreated();
    if (m_style != kDropDownList) {
        SetWindowTextA(hWnd(), ToAnsi(m_text).c_str());
    }
}

void ComboBox::SetStyle(std::int16_t style) {
    if (style < 0 || style > 2) {
        throw AutomationError(err::kInvalidPropertyValue);
    }
    if (hWnd() != 0) {
        throw AutomationError(kNotAtRunTime, L"Can't set this property at run time");
    }
    m_style = style;
}

std::wstring ComboBox::Text() const {
    if (m_style == kDropDownList) {
        return List(ListIndex());
    }
    return hWnd() != 0 ? WindowTextOf(hWnd()) : m_text;
}

void ComboBox::SetText(const std::wstring& text) {
    if (m_style == kDropDownList) {
        for (std::int32_t index = 0; index < ListCount(); ++index) {
            if (EqualsNoCase(List(index), text)) {
                SetListIndex(index);
                return;
            }
        }
        throw AutomationError(kTextReadOnly, L"'Text' property is read-only");
    }
    const bool changed = text != Text();
    m_text = text;
    if (hWnd() != 0) {
        SetWindowTextA(hWnd(), ToAnsi(text).c_str());
    }
    if (changed) {
        Change.Raise();
    }
}

bool ComboBox::DroppedDown() const {
    return hWnd() != 0 && SendMessageA(hWnd(), CB_GETDROPPEDSTATE, 0, 0) != 0;
}

// An open list answers Enter and Escape itself; the arrows always choose.
bool ComboBox::WantsKey(int vk) const {
    if (vk == VK_RETURN || vk == VK_ESCAPE) {
        return DroppedDown();
    }
    return vk == VK_UP || vk == VK_DOWN || vk == VK_PRIOR || vk == VK_NEXT;
}

void ComboBox::OnNotify(UINT code) {
    switch (code) {
        case CBN_SELCHANGE:
            ChoiceChanged();
            break;
        case CBN_EDITCHANGE:
            m_text = Text();
            Change.Raise();
            break;
        case CBN_DROPDOWN:
            DropDown.Raise();
            break;
        default:
            break;
    }
}

void ComboBox::WriteProperties(PropertyBag& bag) const {
    ListControl::WriteProperties(bag);
    bag.WriteProperty(L"Style", m_style, std::int16_t{0});
    bag.WriteProperty(L"Text", Text(), Name());
}

void ComboBox::ReadProperties(const PropertyBag& bag) {
    if (hWnd() == 0) {
        SetStyle(bag.ReadProperty(L"Style", std::int16_t{0}).ToInt16());
    }
    ListControl::ReadProperties(bag);
    const std::wstring text = bag.ReadProperty(L"Text", Name()).ToText();
    if (m_style != kDropDownList) {
        SetText(text);
    } else if (!text.empty()) {
        try {
            SetText(text);
        } catch (const AutomationError&) {
            // a list that no longer has the item shows none
        }
    }
}

}  // namespace zv::forms
