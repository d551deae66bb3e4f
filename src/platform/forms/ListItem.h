#pragma once

// A row of a list view: its text (what the first column shows), its
// sub-items (what the others show), its small icon, whether it is selected, and a tool tip and a
// tag. Changes show at once in a list view's window.

#include <cstdint>
#include <string>

#include "platform/automation/Variant.h"
#include "platform/forms/ListCollection.h"
#include "platform/forms/ListSubItems.h"

namespace zv::forms {

class ListView;

class ListItem : public ListEntry {
  public:
    explicit ListItem(ListView* view) : m_view(view), m_subItems(*this) {}

    const std::wstring& Text() const { return m_text; }
    void SetText(std::wstring text);

    // The text of sub-item n, which the column with SubItemIndex n shows
    // (1 to the highest SubItemIndex, else 380); setting one makes the
    // sub-items up to it.
    std::wstring SubItems(std::int32_t index) const;
    void SetSubItems(std::int32_t index, std::wstring text);
    ListSubItems& GetListSubItems() { return m_subItems; }
    const ListSubItems& GetListSubItems() const { return m_subItems; }

    // The image of the list view's SmallIcons shown before the text: its
    // index (from 1) or key; empty for none. One that cannot be found shows
    // none.
    const Variant& SmallIcon() const { return m_smallIcon; }
    void SetSmallIcon(Variant icon);

    bool Selected() const;
    void SetSelected(bool selected);

    // Scrolls the list view so that the item shows.
    void EnsureVisible();

    const std::wstring& ToolTipText() const { return m_toolTip; }
    void SetToolTipText(std::wstring text) { m_toolTip = std::move(text); }

    const std::wstring& Tag() const { return m_tag; }
    void SetTag(std::wstring tag) { m_tag = std::move(tag); }

    ListView* View() const { return m_view; }
    void Detach() { m_view = nullptr; }

    // A sub-item's text changed (from ListSubItem and ListSubItems).
    void SubItemChanged(std::int32_t index);

  private:
    friend class ListView;
    friend class ListItems;

    ListView* m_view;
    std::wstring m_text;
    Variant m_smallIcon;
    ListSubItems m_subItems;
    bool m_selected = false;
    std::wstring m_toolTip;
    std::wstring m_tag;
};

}  // namespace zv::forms
