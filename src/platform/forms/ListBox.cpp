#include "platform/forms/ListBox.h"

#include "platform/automation/AutomationError.h"
#include "platform/win/WinConstants.h"

namespace zv::forms {

using namespace zv::win;

namespace {

constexpr ListControl::Messages kListBoxMessages{LB_INSERTSTRING, LB_DELETESTRING, LB_RESETCONTENT,
                                                 LB_SETCURSEL,    LB_GETCURSEL,    LB_SETITEMDATA};

}  // namespace

ListBox::ListBox(Form& form, std::wstring name, std::int16_t index)
    : ListControl(form, std::move(name), index, 1215, 1035, kListBoxMessages) {}

std::optional<Control::WindowKind> ListBox::OwnWindowKind() const {
    return WindowKind{"ListBox",
                      WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT,
                      WS_EX_CLIENTEDGE};
}

std::int32_t ListBox::TopIndex() const {
    return hWnd() != 0 ? static_cast<std::int32_t>(SendMessageA(hWnd(), LB_GETTOPINDEX, 0, 0))
                       : m_topIndex;
}

void ListBox::SetTopIndex(std::int32_t index) {
    if (index < 0 || index >= std::max(ListCount(), 1)) {
        throw AutomationError(err::kInvalidPropertyValue);
    }
    m_topIndex = index;
    if (hWnd() != 0) {
        SendMessageA(hWnd(), LB_SETTOPINDEX, static_cast<WPARAM>(index), 0);
    }
}

bool ListBox::WantsKey(int vk) const {
    return vk == VK_UP || vk == VK_DOWN || vk == VK_PRIOR || vk == VK_NEXT;
}

void ListBox::OnNotify(UINT code) {
    if (code == LBN_SELCHANGE) {
        ChoiceChanged();
    }
}

}  // namespace zv::forms
