#include "platform/forms/ListSubItem.h"

#include "platform/forms/ListItem.h"

namespace zv::forms {

void ListSubItem::SetText(std::wstring text) {
    m_text = std::move(text);
    if (m_item != nullptr) {
        m_item->SubItemChanged(Index());
    }
}

}  // namespace zv::forms
