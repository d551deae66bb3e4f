#pragma once

// What list boxes and combo boxes share: a list of texts, each with a
// number the host keeps with it (ItemData), the chosen one (ListIndex, -1
// for none), optional sorting. The runtime keeps the list, so it exists
// before the window does, and sorts it itself, so that every backend puts
// an item in the same place.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/forms/Control.h"

namespace zv::forms {

class ListControl : public Control {
  public:
    // The messages of the window's class for the list's operations.
    struct Messages {
        win::UINT insertString;
        win::UINT deleteString;
        win::UINT resetContent;
        win::UINT setCurSel;
        win::UINT getCurSel;
        win::UINT setItemData;
    };

    // At the end, or before the item at index (0..ListCount, else 381);
    // a sorted list finds the place itself. NewIndex tells where it went.
    void AddItem(const std::wstring& text, std::int32_t index = -1);
    void RemoveItem(std::int32_t index);  // 381 outside the list
    void Clear();

    std::int32_t ListCount() const { return static_cast<std::int32_t>(m_items.size()); }
    std::wstring List(std::int32_t index) const;  // empty outside the list
    void SetList(std::int32_t index, const std::wstring& text);
    std::int32_t ItemData(std::int32_t index) const;  // 381 outside the list
    void SetItemData(std::int32_t index, std::int32_t data);
    std::int32_t NewIndex() const { return m_newIndex; }

    // Choosing another item raises Click; -1 chooses none, anything outside
    // -1..ListCount-1 raises 380.
    std::int32_t ListIndex() const { return m_listIndex; }
    void SetListIndex(std::int32_t index);

    // Fixed once the window is made (382 after).
    bool Sorted() const { return m_sorted; }
    void SetSorted(bool sorted);

    void WriteProperties(PropertyBag& bag) const override;
    void ReadProperties(const PropertyBag& bag) override;

  protected:
    ListControl(Form& form, std::wstring name, std::int16_t index, std::int32_t width,
                std::int32_t height, const Messages& messages);

    void WindowCreated() override;
    // The window changed its choice (the user picked an item).
    void ChoiceChanged();

  private:
    struct Item {
        std::wstring text;
        std::int32_t data = 0;
    };

    void CheckIndex(std::int32_t index) const;
    std::int32_t SortedPlace(const std::wstring& text) const;
    void InsertIntoWindow(std::int32_t index);

    Messages m_messages;
    std::vector<Item> m_items;
    std::int32_t m_listIndex = -1;
    std::int32_t m_newIndex = -1;
    bool m_sorted = false;
};

}  // namespace zv::forms
