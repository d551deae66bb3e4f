#pragma once

// One of a list item's sub-items: the text a report column shows beside the
// item, with a tool tip and a tag of its own.

#include <string>

#include "platform/forms/ListCollection.h"

namespace zv::forms {

class ListItem;

class ListSubItem : public ListEntry {
  public:
    explicit ListSubItem(ListItem* item) : m_item(item) {}

    const std::wstring& Text() const { return m_text; }
    void SetText(std::wstring text);

    const std::wstring& ToolTipText() const { return m_toolTip; }
    void SetToolTipText(std::wstring text) { m_toolTip = std::move(text); }

    const std::wstring& Tag() const { return m_tag; }
    void SetTag(std::wstring tag) { m_tag = std::move(tag); }

    void Detach() { m_item = nullptr; }

  private:
    ListItem* m_item;
    std::wstring m_text;
    std::wstring m_toolTip;
    std::wstring m_tag;
};

}  // namespace zv::forms
