#include "platform/forms/ListControl.h"

#include <algorithm>

#include "platform/automation/AutomationError.h"
#include "platform/forms/PropertyBag.h"
#include "platform/forms/TextOrder.h"
#include "platform/text/WideString.h"
#include "platform/win/WinApi.h"

namespace zv::forms {

using namespace zv::win;

namespace {

constexpr std::int32_t kInvalidArrayIndex = 381;
constexpr std::int32_t kNotAtRunTime = 382;

std::wstring Numbered(const wchar_t* name, std::int32_t index) {
    return std::wstring(name) + L"(" + std::to_wstring(index) + L")";
}

}  // namespace

ListControl::ListControl(Form& form, std::wstring name, std::int16_t index, std::int32_t width,
                         std::int32_t height, const Messages& messages)
    : Control(form, std::move(name), index, width, height), m_messages(messages) {
    SetDefaultColours(colour::kWindow, colour::kWindowText);
}

void ListControl::CheckIndex(std::int32_t index) const {
    if (index < 0 || index >= ListCount()) {
        throw AutomationError(kInvalidArrayIndex, L"Invalid property array index");
    }
}

// Before the first item that does not come before it, as the platform's
// sorted lists place a new item.
std::int32_t ListControl::SortedPlace(const std::wstring& text) const {
    const auto place = std::lower_bound(
        m_items.begin(), m_items.end(), text,
        [](const Item& item, const std::wstring& t) { return SortsBefore(item.text, t); });
    return static_cast<std::int32_t>(place - m_items.begin());
}

void ListControl::InsertIntoWindow(std::int32_t index) {
    if (hWnd() == 0) {
        return;
    }
    const auto& item = m_items[static_cast<std::size_t>(index)];
    SendMessageA(hWnd(), m_messages.insertString, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(ToAnsi(item.text).c_str()));
    SendMessageA(hWnd(), m_messages.setItemData, static_cast<WPARAM>(index), item.data);
}

void ListControl::AddItem(const std::wstring& text, std::int32_t index) {
    if (index < -1 || index > ListCount()) {
        throw AutomationError(kInvalidArrayIndex, L"Invalid property array index");
    }
    if (index == -1) {
        index = m_sorted ? SortedPlace(text) : ListCount();
    }
    m_items.insert(m_items.begin() + index, Item{text, 0});
    m_newIndex = index;
    if (m_listIndex >= index) {
        ++m_listIndex;
    }
    InsertIntoWindow(index);
}

void ListControl::RemoveItem(std::int32_t index) {
    CheckIndex(index);
    m_items.erase(m_items.begin() + index);
    if (hWnd() != 0) {
        SendMessageA(hWnd(), m_messages.deleteString, static_cast<WPARAM>(index), 0);
    }
    if (m_listIndex == index) {
        m_listIndex = -1;
    } else if (m_listIndex > index) {
        --m_listIndex;
    }
    m_newIndex = -1;
}

void ListControl::Clear() {
    m_items.clear();
    m_listIndex = -1;
    m_newIndex = -1;
    if (hWnd() != 0) {
        SendMessageA(hWnd(), m_messages.resetContent, 0, 0);
    }
}

std::wstring ListControl::List(std::int32_t index) const {
    return index >= 0 && index < ListCount() ? m_items[static_cast<std::size_t>(index)].text
                                             : std::wstring();
}

void ListControl::SetList(std::int32_t index, const std::wstring& text) {
    CheckIndex(index);
    m_items[static_cast<std::size_t>(index)].text = text;
    if (hWnd() != 0) {
        SendMessageA(hWnd(), m_messages.deleteString, static_cast<WPARAM>(index), 0);
        InsertIntoWindow(index);
        if (m_listIndex == index) {
            SendMessageA(hWnd(), m_messages.setCurSel, static_cast<WPARAM>(index), 0);
        }
    }
}

std::int32_t ListControl::ItemData(std::int32_t index) const {
    CheckIndex(index);
    return m_items[static_cast<std::size_t>(index)].data;
}

void ListControl::SetItemData(std::int32_t index, std::int32_t data) {
    CheckIndex(index);
    m_items[static_cast<std::size_t>(index)].data = data;
    if (hWnd() != 0) {
        SendMessageA(hWnd(), m_messages.setItemData, static_cast<WPARAM>(index), data);
    }
}

void ListControl::SetListIndex(std::int32_t index) {
    if (index < -1 || index >= ListCount()) {
        throw AutomationError(err::kInvalidPropertyValue);
    }
    if (hWnd() != 0) {
        SendMessageA(hWnd(), m_messages.setCurSel, static_cast<WPARAM>(index), 0);
    }
    if (std::exchange(m_listIndex, index) != index) {
        Click.Raise();
    }
}

void ListControl::SetSorted(bool sorted) {
    if (hWnd() != 0) {
        throw AutomationError(kNotAtRunTime, L"Can't set this property at run time");
    }
    m_sorted = sorted;
    if (sorted) {
        std::stable_sort(m_items.begin(), m_items.end(),
                         [](const Item& a, const Item& b) { return SortsBefore(a.text, b.text); });
    }
}

void ListControl::WindowCreated() {
    for (std::int32_t index = 0; index < ListCount(); ++index) {
        InsertIntoWindow(index);
    }
    SendMessageA(hWnd(), m_messages.setCurSel, static_cast<WPARAM>(m_listIndex), 0);
}

void ListControl::ChoiceChanged() {
    const auto chosen = static_cast<std::int32_t>(SendMessageA(hWnd(), m_messages.getCurSel, 0, 0));
    m_listIndex = chosen >= 0 && chosen < ListCount() ? chosen : -1;
    Click.Raise();
}

void ListControl::WriteProperties(PropertyBag& bag) const {
    Control::WriteProperties(bag);
    bag.WriteProperty(L"Sorted", m_sorted, false);
    bag.WriteProperty(L"ListIndex", m_listIndex, -1);
    for (std::int32_t index = 0; index < ListCount(); ++index) {
        const Item& item = m_items[static_cast<std::size_t>(index)];
        bag.StoreProperty(Numbered(L"List", index), item.text);
        bag.WriteProperty(Numbered(L"ItemData", index), item.data, 0);
    }
}

void ListControl::ReadProperties(const PropertyBag& bag) {
    Control::ReadProperties(bag);
    Clear();
    if (hWnd() == 0) {
        m_sorted = bag.ReadProperty(L"Sorted", false).ToInt16() != 0;
    }
    for (std::int32_t index = 0;; ++index) {
        const Variant text = bag.ReadProperty(Numbered(L"List", index));
        if (text.IsEmpty()) {
            break;
        }
        m_items.push_back(Item{text.ToText(), bag.ReadLong(Numbered(L"ItemData", index), 0)});
    }
    const auto chosen = bag.ReadLong(L"ListIndex", -1);
    m_listIndex = chosen >= 0 && chosen < ListCount() ? chosen : -1;
    if (hWnd() != 0) {
        SendMessageA(hWnd(), m_messages.resetContent, 0, 0);
        WindowCreated();
    }
}

}  // namespace zv::forms
