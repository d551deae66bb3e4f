#pragma once

// A list view in report form: rows of items under a row of column headers,
// each item showing its text in the first column and its sub-items in the
// others. The runtime keeps the columns and
// items and sorts them itself, so they exist before the window does and
// every backend puts an item in the same place; the window shows them.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/automation/Event.h"
#include "platform/forms/ColumnHeaders.h"
#include "platform/forms/Control.h"
#include "platform/forms/ListItems.h"
#include "platform/win/ImageListApi.h"

namespace zv::forms {

// Sort orders.
namespace sort_order {
inline constexpr std::int16_t kAscending = 0;
inline constexpr std::int16_t kDescending = 1;
}  // namespace sort_order

class ImageList;

class ListView : public Control {
  public:
    ListView(Form& form, std::wstring name, std::int16_t index);
    ~ListView() override;

    std::wstring TypeName() const override { return L"ListView"; }

    forms::ColumnHeaders& ColumnHeaders() { return m_columns; }
    const forms::ColumnHeaders& ColumnHeaders() const { return m_columns; }
    forms::ListItems& ListItems() { return m_items; }
    const forms::ListItems& ListItems() const { return m_items; }

    // A click anywhere on an item selects the whole row, not only its text.
    bool FullRowSelect() const { return m_fullRowSelect; }
    void SetFullRowSelect(bool on);
    bool HideColumnHeaders() const { return m_hideColumnHeaders; }
    void SetHideColumnHeaders(bool hide);
    // Whether the user can select more than one item.
    bool MultiSelect() const { return m_multiSelect; }
    void SetMultiSelect(bool on);
    // Whether the selection disappears while the list view has no focus.
    bool HideSelection() const { return m_hideSelection; }
    void SetHideSelection(bool hide);

    // Sorting by the texts of column SortKey (from 0, the first column), in
    // SortOrder, as the list puts texts in order. Setting Sorted to true (even
    // when it is) sorts the items; so does changing the key or the order of a
    // sorted list. 380 for a negative key or an unknown order.
    bool Sorted() const { return m_sorted; }
    void SetSorted(bool sorted);
    std::int16_t SortKey() const { return m_sortKey; }
    void SetSortKey(std::int16_t key);
    std::int16_t SortOrder() const { return m_sortOrder; }
    void SetSortOrder(std::int16_t order);

    // The image list whose pictures items show before their texts (one on
    // the same form; it is kept in form files by its name).
    std::shared_ptr<ImageList> SmallIcons() const;
    void SetSmallIcons(const std::shared_ptr<ImageList>& images);

    // The item at a point of the control (twips), none when there is none.
    using Control::HitTest;
    std::shared_ptr<ListItem> HitTest(float x, float y) const;

    // The item with the focus if it is selected, else the first selected
    // one; none when nothing is. Setting an item selects it alone (the
    // list's own item: 35601 for another list's).
    std::shared_ptr<ListItem> SelectedItem() const;
    void SetSelectedItem(const std::shared_ptr<ListItem>& item);

    Event<const std::shared_ptr<ListItem>&> ItemClick;
    Event<const std::shared_ptr<ColumnHeader>&> ColumnClick;

    bool WantsKey(int vk) const override;
    win::LRESULT OnNotice(const win::NMHDR& notice) override;
    void WriteProperties(PropertyBag& bag) const override;
    void ReadProperties(const PropertyBag& bag) override;

  protected:
    std::optional<WindowKind> OwnWindowKind() const override;
    void WindowCreated() override;
    void FormLoaded() override;
    bool ClickedByMouse() const override { return false; }
    win::LRESULT OnMessage(win::HWND hwnd, win::UINT message, win::WPARAM wParam,
                           win::LPARAM lParam) override;

  private:
    friend class ColumnHeader;
    friend class forms::ColumnHeaders;
    friend class ListItem;
    friend class forms::ListItems;

    // What the model's entries tell their list view when they change.
    void ColumnChanged(const ColumnHeader& column);
    void ColumnWidthChanged(const ColumnHeader& column);
    void ColumnInserted(const ColumnHeader& column);
    void ColumnRemoved(const ColumnHeader& column, std::int32_t index);
    void ColumnsCleared();
    std::int32_t ColumnWidth(const ColumnHeader& column) const;
    std::int32_t ColumnPosition(const ColumnHeader& column) const;
    void MoveColumn(const ColumnHeader& column, std::int32_t position);
    void ItemInserted(const ListItem& item);
    void ItemRemoved(std::int32_t index);
    void ItemsCleared();
    void ItemTextChanged(const ListItem& item, std::int32_t subItemIndex);
    bool ItemSelected(const ListItem& item) const;
    void SelectItem(ListItem& item, bool selected);
    void EnsureItemVisible(const ListItem& item);
    void ItemIconChanged(const ListItem& item);
    // Where a new item goes while the list is sorted.
    std::int32_t SortedPlace(const ListItem& item) const;

    std::wstring SortText(const ListItem& item) const;
    bool SortsFirst(const ListItem& a, const ListItem& b) const;
    void Sort();
    win::DWORD StyleBits() const;
    void ApplyStyle();
    void InsertColumnIntoWindow(const ColumnHeader& column) const;
    void ApplyColumnOrder() const;
    void InsertItemIntoWindow(const ListItem& item) const;
    void SetTextInWindow(const ListItem& item, std::int32_t column) const;
    void RefillTexts() const;
    void PushOrderToWindow() const;
    std::shared_ptr<ListItem> ItemAtRow(int row) const;
    int IconOf(const ListItem& item) const;
    void ApplyImageList();
    void TakeStateChange(int row, win::UINT oldState, win::UINT newState);

    forms::ColumnHeaders m_columns;
    forms::ListItems m_items;
    std::vector<const ColumnHeader*> m_columnOrder;  // left to right
    std::weak_ptr<ImageList> m_smallIcons;
    std::wstring m_smallIconsName;  // read from a form file, found once the form loads
    win::HIMAGELIST m_shownImages = 0;
    bool m_fullRowSelect = false;
    bool m_hideColumnHeaders = false;
    bool m_multiSelect = false;
    bool m_hideSelection = true;
    bool m_sorted = false;
    std::int16_t m_sortKey = 0;
    std::int16_t m_sortOrder = sort_order::kAscending;
    bool m_keying = false;  // a key the user pressed is being handled
};

}  // namespace zv::forms
