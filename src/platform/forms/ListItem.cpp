#include "platform/forms/ListItem.h"

#include "platform/automation/AutomationError.h"
#include "platform/forms/ListView.h"

namespace zv::forms {

void ListItem::SetText(std::wstring text) {
    m_text = std::move(text);
    if (m_view != nullptr) {
        m_view->ItemTextChanged(*this, 0);
    }
}

std::wstring ListItem::SubItems(std::int32_t index) const {
    return m_subItems.TextOf(index);
}

void ListItem::SetSubItems(std::int32_t index, std::wstring text) {
    const std::int32_t last = m_view != nullptr ? m_view->ColumnHeaders().LastSubItemIndex() : 0;
    if (index < 1 || index > last) {
        throw AutomationError(err::kInvalidPropertyValue);
    }
    while (m_subItems.Count() < index) {
        m_subItems.Add();
    }
    m_subItems.Item(index)->SetText(std::move(text));
}

void ListItem::SetSmallIcon(Variant icon) {
    m_smallIcon = std::move(icon);
    if (m_view != nullptr) {
        m_view->ItemIconChanged(*this);
    }
}

bool ListItem::Selected() const {
    return m_view != nullptr ? m_view->ItemSelected(*this) : m_selected;
}

void ListItem::SetSelected(bool selected) {
    if (m_view != nullptr) {
        m_view->SelectItem(*this, selected);
    } else {
        m_selected = selected;
    }
}

void ListItem::EnsureVisible() {
    if (m_view != nullptr) {
        m_view->EnsureItemVisible(*this);
    }
}

void ListItem::SubItemChanged(std::int32_t index) {
    if (m_view != nullptr) {
        m_view->ItemTextChanged(*this, index);
    }
}

}  // namespace zv::forms
