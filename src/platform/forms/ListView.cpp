#include "platform/forms/ListView.h"

#include <algorithm>

#include "platform/automation/AutomationError.h"
#include "platform/forms/Form.h"
#include "platform/forms/ImageList.h"
#include "platform/forms/PropertyBag.h"
#include "platform/forms/TextOrder.h"
#include "platform/forms/Twips.h"
#include "platform/text/WideString.h"
#include "platform/win/ListViewConstants.h"
#include "platform/win/WinConstants.h"

namespace zv::forms {

using namespace zv::win;

namespace {

constexpr DWORD kStyleBits = LVS_NOCOLUMNHEADER | LVS_SINGLESEL | LVS_SHOWSELALWAYS;

int Row(const ListItem& item) {
    return item.Index() - 1;
}

int AlignmentFormat(std::int16_t alignment) {
    switch (alignment) {
        case column_align::kRight:
            return LVCFMT_RIGHT;
        case column_align::kCenter:
            return LVCFMT_CENTER;
        default:
            return LVCFMT_LEFT;
    }
}

// What a column shows of an item: its text, or one of its sub-items.
std::wstring TextIn(const ListItem& item, const ColumnHeader& column) {
    return column.SubItemIndex() == 0 ? item.Text() : item.SubItems(column.SubItemIndex());
}

// Puts the window's rows in the order of the items they show: each row
// carries its item, and the items know their places.
int ZV_CALLBACK ByIndex(LPARAM first, LPARAM second, LPARAM) {
    return reinterpret_cast<const ListItem*>(first)->Index() -
           reinterpret_cast<const ListItem*>(second)->Index();
}

std::wstring ColumnGroup(std::int32_t index) {
    return L"ColumnHeader(" + std::to_wstring(index) + L")";
}

}  // namespace

ListView::ListView(Form& form, std::wstring name, std::int16_t index)
    : Control(form, std::move(name), index, 3375, 2415), m_columns(*this), m_items(*this) {
    SetDefaultColours(colour::kWindow, colour::kWindowText);
}

ListView::~ListView() {
    // Hosts may keep columns and items: they outlive the view, cut off.
    for (const auto& column : m_columns) {
        column->Detach();
    }
    for (const auto& item : m_items) {
        item->Detach();
    }
}

std::optional<Control::WindowKind> ListView::OwnWindowKind() const {
    return WindowKind{WC_LISTVIEWA, WS_TABSTOP | LVS_REPORT | LVS_SHAREIMAGELISTS | StyleBits(),
                      WS_EX_CLIENTEDGE};
}

DWORD ListView::StyleBits() const {
    return (m_hideColumnHeaders ? LVS_NOCOLUMNHEADER : 0) | (m_multiSelect ? 0 : LVS_SINGLESEL) |
           (m_hideSelection ? 0 : LVS_SHOWSELALWAYS);
}

void ListView::ApplyStyle() {
    if (hWnd() == 0) {
        return;
    }
    const auto style = static_cast<DWORD>(GetWindowLongA(hWnd(), GWL_STYLE));
    SetWindowLongA(hWnd(), GWL_STYLE, static_cast<LONG>((style & ~kStyleBits) | StyleBits()));
    SendMessageA(hWnd(), LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT,
                 m_fullRowSelect ? LVS_EX_FULLROWSELECT : 0);
}

void ListView::WindowCreated() {
    ApplyStyle();
    ApplyImageList();
    for (const auto& column : m_columns) {
        InsertColumnIntoWindow(*column);
    }
    ApplyColumnOrder();
    for (const auto& item : m_items) {
        InsertItemIntoWindow(*item);
    }
}

void ListView::FormLoaded() {
    if (m_smallIconsName.empty()) {
        return;
    }
    for (const auto& control : Parent().Controls()) {
        if (control->Name() == m_smallIconsName) {
            if (auto images = std::dynamic_pointer_cast<ImageList>(control)) {
                SetSmallIcons(images);
                return;
            }
        }
    }
}

std::shared_ptr<ImageList> ListView::SmallIcons() const {
    return m_smallIcons.lock();
}

void ListView::SetSmallIcons(const std::shared_ptr<ImageList>& images) {
    m_smallIcons = images;
    m_smallIconsName.clear();
    for (const auto& item : m_items) {
        ItemIconChanged(*item);
    }
}

void ListView::ApplyImageList() {
    const auto images = m_smallIcons.lock();
    const HIMAGELIST shown = images != nullptr ? images->hImageList() : 0;
    if (hWnd() != 0 && shown != m_shownImages) {
        SendMessageA(hWnd(), LVM_SETIMAGELIST, LVSIL_SMALL, shown);
        m_shownImages = shown;
    }
}

int ListView::IconOf(const ListItem& item) const {
    const auto images = m_smallIcons.lock();
    if (images == nullptr || item.m_smallIcon.IsEmpty()) {
        return I_IMAGENONE;
    }
    try {
        const auto& image = item.m_smallIcon.IsText()
                                ? images->Images().Item(item.m_smallIcon.ToText())
                                : images->Images().Item(item.m_smallIcon.ToInt32());
        return image->Index() - 1;
    } catch (const AutomationError&) {
        return I_IMAGENONE;
    }
}

void ListView::ItemIconChanged(const ListItem& item) {
    if (hWnd() == 0) {
        return;
    }
    ApplyImageList();
    LVITEMA record;
    record.mask = LVIF_IMAGE;
    record.iItem = Row(item);
    record.iImage = IconOf(item);
    SendMessageA(hWnd(), LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&record));
}

void ListView::SetFullRowSelect(bool on) {
    m_fullRowSelect = on;
    ApplyStyle();
}

void ListView::SetHideColumnHeaders(bool hide) {
    m_hideColumnHeaders = hide;
    ApplyStyle();
}

void ListView::SetMultiSelect(bool on) {
    m_multiSelect = on;
    ApplyStyle();
}

void ListView::SetHideSelection(bool hide) {
    m_hideSelection = hide;
    ApplyStyle();
}

void ListView::SetSorted(bool sorted) {
    m_sorted = sorted;
    if (sorted) {
        Sort();
    }
}

void ListView::SetSortKey(std::int16_t key) {
    if (key < 0) {
        throw AutomationError(err::kInvalidPropertyValue);
    }
    m_sortKey = key;
    if (m_sorted) {
        Sort();
    }
}

void ListView::SetSortOrder(std::int16_t order) {
    if (order != sort_order::kAscending && order != sort_order::kDescending) {
        throw AutomationError(err::kInvalidPropertyValue);
    }
    m_sortOrder = order;
    if (m_sorted) {
        Sort();
    }
}

std::wstring ListView::SortText(const ListItem& item) const {
    return m_sortKey == 0 ? item.Text() : item.SubItems(m_sortKey);
}

bool ListView::SortsFirst(const ListItem& a, const ListItem& b) const {
    return m_sortOrder == sort_order::kAscending ? SortsBefore(SortText(a), SortText(b))
                                                 : SortsBefore(SortText(b), SortText(a));
}

void ListView::Sort() {
    m_items.m_entries.Sort(
        [this](const std::shared_ptr<ListItem>& a, const std::shared_ptr<ListItem>& b) {
            return SortsFirst(*a, *b);
        });
    PushOrderToWindow();
}

std::int32_t ListView::SortedPlace(const ListItem& item) const {
    const auto& entries = m_items.m_entries.All();
    const auto after =
        std::upper_bound(entries.begin(), entries.end(), item,
                         [this](const ListItem& a, const std::shared_ptr<ListItem>& b) {
                             return SortsFirst(a, *b);
                         });
    return static_cast<std::int32_t>(after - entries.begin()) + 1;
}

void ListView::PushOrderToWindow() const {
    if (hWnd() != 0) {
        SendMessageA(hWnd(), LVM_SORTITEMS, 0, reinterpret_cast<LPARAM>(&ByIndex));
    }
}

std::shared_ptr<ListItem> ListView::ItemAtRow(int row) const {
    if (row < 0 || row >= m_items.Count()) {
        return nullptr;
    }
    return m_items.Item(row + 1);
}

std::shared_ptr<ListItem> ListView::HitTest(float x, float y) const {
    if (hWnd() == 0) {
        return nullptr;
    }
    LVHITTESTINFO hit;
    hit.pt = POINT{PixelsX(x), PixelsY(y)};
    const auto row =
        static_cast<int>(SendMessageA(hWnd(), LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
    return (hit.flags & LVHT_ONITEM) != 0 ? ItemAtRow(row) : nullptr;
}

std::shared_ptr<ListItem> ListView::SelectedItem() const {
    if (hWnd() == 0) {
        const auto found = std::find_if(m_items.begin(), m_items.end(),
                                        [](const auto& item) { return item->m_selected; });
        return found != m_items.end() ? *found : nullptr;
    }
    const auto next = [this](int flags) {
        return static_cast<int>(
            SendMessageA(hWnd(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), flags));
    };
    const int focused = next(LVNI_FOCUSED);
    if (focused >= 0 &&
        (SendMessageA(hWnd(), LVM_GETITEMSTATE, static_cast<WPARAM>(focused), LVIS_SELECTED) &
         LVIS_SELECTED) != 0) {
        return ItemAtRow(focused);
    }
    return ItemAtRow(next(LVNI_SELECTED));
}

void ListView::SetSelectedItem(const std::shared_ptr<ListItem>& item) {
    if (item == nullptr || item->View() != this) {
        list_error::Raise(list_error::kElementNotFound);
    }
    for (const auto& other : m_items) {
        if (other != item && other->Selected()) {
            SelectItem(*other, false);
        }
    }
    SelectItem(*item, true);
}

bool ListView::ItemSelected(const ListItem& item) const {
    if (hWnd() == 0) {
        return item.m_selected;
    }
    return (SendMessageA(hWnd(), LVM_GETITEMSTATE, static_cast<WPARAM>(Row(item)), LVIS_SELECTED) &
            LVIS_SELECTED) != 0;
}

void ListView::SelectItem(ListItem& item, bool selected) {
    if (selected && !m_multiSelect) {
        for (const auto& other : m_items) {
            other->m_selected = false;
        }
    }
    item.m_selected = selected;
    if (hWnd() == 0) {
        return;
    }
    LVITEMA state;
    state.stateMask = LVIS_SELECTED | (selected ? LVIS_FOCUSED : 0);
    state.state = selected ? state.stateMask : 0;
    SendMessageA(hWnd(), LVM_SETITEMSTATE, static_cast<WPARAM>(Row(item)),
                 reinterpret_cast<LPARAM>(&state));
}

void ListView::EnsureItemVisible(const ListItem& item) {
    if (hWnd() != 0) {
        SendMessageA(hWnd(), LVM_ENSUREVISIBLE, static_cast<WPARAM>(Row(item)), FALSE);
    }
}

void ListView::InsertColumnIntoWindow(const ColumnHeader& column) const {
    if (hWnd() == 0) {
        return;
    }
    std::string text = ToAnsi(column.Text());
    LVCOLUMNA record;
    record.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
    record.fmt = AlignmentFormat(column.Alignment());
    record.cx = PixelsX(column.m_width);
    record.pszText = text.data();
    record.iSubItem = column.Index() - 1;
    SendMessageA(hWnd(), LVM_INSERTCOLUMNA, static_cast<WPARAM>(column.Index() - 1),
                 reinterpret_cast<LPARAM>(&record));
}

void ListView::ApplyColumnOrder() const {
    if (hWnd() == 0 || m_columnOrder.empty()) {
        return;
    }
    std::vector<int> order;
    for (const ColumnHeader* column : m_columnOrder) {
        order.push_back(column->Index() - 1);
    }
    SendMessageA(hWnd(), LVM_SETCOLUMNORDERARRAY, order.size(),
                 reinterpret_cast<LPARAM>(order.data()));
}

void ListView::ColumnInserted(const ColumnHeader& column) {
    const auto at = std::min(static_cast<std::size_t>(column.Index() - 1), m_columnOrder.size());
    m_columnOrder.insert(m_columnOrder.begin() + static_cast<std::ptrdiff_t>(at), &column);
    if (hWnd() != 0) {
        InsertColumnIntoWindow(column);
        ApplyColumnOrder();
        RefillTexts();
    }
}

void ListView::ColumnRemoved(const ColumnHeader& column, std::int32_t index) {
    std::erase(m_columnOrder, &column);
    if (hWnd() != 0) {
        SendMessageA(hWnd(), LVM_DELETECOLUMN, static_cast<WPARAM>(index - 1), 0);
        RefillTexts();
    }
}

void ListView::ColumnsCleared() {
    m_columnOrder.clear();
    if (hWnd() != 0) {
        for (std::int32_t index = m_columns.Count(); index >= 1; --index) {
            SendMessageA(hWnd(), LVM_DELETECOLUMN, static_cast<WPARAM>(index - 1), 0);
        }
    }
}

void ListView::ColumnChanged(const ColumnHeader& column) {
    if (hWnd() == 0) {
        return;
    }
    std::string text = ToAnsi(column.Text());
    LVCOLUMNA record;
    record.mask = LVCF_FMT | LVCF_TEXT;
    record.fmt = AlignmentFormat(column.Alignment());
    record.pszText = text.data();
    SendMessageA(hWnd(), LVM_SETCOLUMNA, static_cast<WPARAM>(column.Index() - 1),
                 reinterpret_cast<LPARAM>(&record));
}

void ListView::ColumnWidthChanged(const ColumnHeader& column) {
    if (hWnd() != 0) {
        SendMessageA(hWnd(), LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(column.Index() - 1),
                     PixelsX(column.m_width));
    }
}

std::int32_t ListView::ColumnWidth(const ColumnHeader& column) const {
    if (hWnd() == 0) {
        return column.m_width;
    }
    return TwipsX(static_cast<int>(
        SendMessageA(hWnd(), LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column.Index() - 1), 0)));
}

std::int32_t ListView::ColumnPosition(const ColumnHeader& column) const {
    const auto found = std::find(m_columnOrder.begin(), m_columnOrder.end(), &column);
    return static_cast<std::int32_t>(found - m_columnOrder.begin()) + 1;
}

void ListView::MoveColumn(const ColumnHeader& column, std::int32_t position) {
    std::erase(m_columnOrder, &column);
    m_columnOrder.insert(m_columnOrder.begin() + (position - 1), &column);
    ApplyColumnOrder();
}

void ListView::InsertItemIntoWindow(const ListItem& item) const {
    if (hWnd() == 0) {
        return;
    }
    std::string text =
        ToAnsi(m_columns.Count() > 0 ? TextIn(item, *m_columns.Item(1)) : item.Text());
    LVITEMA record;
    record.mask = LVIF_TEXT | LVIF_PARAM | LVIF_STATE | LVIF_IMAGE;
    record.iItem = Row(item);
    record.iImage = IconOf(item);
    record.pszText = text.data();
    record.lParam = reinterpret_cast<LPARAM>(&item);
    record.stateMask = LVIS_SELECTED;
    record.state = item.m_selected ? LVIS_SELECTED : 0;
    SendMessageA(hWnd(), LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&record));
    for (std::int32_t column = 2; column <= m_columns.Count(); ++column) {
        SetTextInWindow(item, column);
    }
}

void ListView::SetTextInWindow(const ListItem& item, std::int32_t column) const {
    std::string text = ToAnsi(TextIn(item, *m_columns.Item(column)));
    LVITEMA record;
    record.iSubItem = column - 1;
    record.pszText = text.data();
    SendMessageA(hWnd(), LVM_SETITEMTEXTA, static_cast<WPARAM>(Row(item)),
                 reinterpret_cast<LPARAM>(&record));
}

void ListView::RefillTexts() const {
    for (const auto& item : m_items) {
        for (std::int32_t column = 1; column <= m_columns.Count(); ++column) {
            SetTextInWindow(*item, column);
        }
    }
}

void ListView::ItemInserted(const ListItem& item) {
    if (hWnd() != 0) {
        ApplyImageList();
    }
    InsertItemIntoWindow(item);
}

void ListView::ItemRemoved(std::int32_t index) {
    if (hWnd() != 0) {
        SendMessageA(hWnd(), LVM_DELETEITEM, static_cast<WPARAM>(index - 1), 0);
    }
}

void ListView::ItemsCleared() {
    if (hWnd() != 0) {
        SendMessageA(hWnd(), LVM_DELETEALLITEMS, 0, 0);
    }
}

void ListView::ItemTextChanged(const ListItem& item, std::int32_t subItemIndex) {
    if (hWnd() == 0) {
        return;
    }
    for (const auto& column : m_columns) {
        if (column->SubItemIndex() == subItemIndex) {
            SetTextInWindow(item, column->Index());
        }
    }
}

void ListView::TakeStateChange(int row, UINT oldState, UINT newState) {
    const bool selected = (newState & LVIS_SELECTED) != 0;
    if (row < 0) {
        for (const auto& item : m_items) {
            item->m_selected = selected;
        }
        return;
    }
    const auto item = ItemAtRow(row);
    if (item == nullptr) {
        return;
    }
    item->m_selected = selected;
    // The user moved to another item with the keyboard: as a click on it.
    const UINT chosen = LVIS_SELECTED | LVIS_FOCUSED;
    if (m_keying && (newState & chosen) == chosen && (oldState & chosen) != chosen) {
        ItemClick.Raise(item);
    }
}

LRESULT ListView::OnNotice(const NMHDR& notice) {
    switch (notice.code) {
        case LVN_ITEMCHANGED: {
            const auto& change = reinterpret_cast<const NMLISTVIEW&>(notice);
            if ((change.uChanged & LVIF_STATE) != 0) {
                TakeStateChange(change.iItem, change.uOldState, change.uNewState);
            }
            return 0;
        }
        case NM_CLICK: {
            const auto& click = reinterpret_cast<const NMITEMACTIVATE&>(notice);
            if (const auto item = ItemAtRow(click.iItem)) {
                ItemClick.Raise(item);
            }
            Click.Raise();
            return 0;
        }
        case NM_DBLCLK:
            DblClick.Raise();
            return 0;
        case LVN_COLUMNCLICK: {
            const auto& click = reinterpret_cast<const NMLISTVIEW&>(notice);
            if (click.iSubItem >= 0 && click.iSubItem < m_columns.Count()) {
                ColumnClick.Raise(m_columns.Item(click.iSubItem + 1));
            }
            return 0;
        }
        default:
            return 0;
    }
}

LRESULT ListView::OnMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_KEYDOWN) {
        return Control::OnMessage(hwnd, message, wParam, lParam);
    }
    const bool outer = m_keying;
    m_keying = true;
    const LRESULT result = Control::OnMessage(hwnd, message, wParam, lParam);
    m_keying = outer;
    return result;
}

bool ListView::WantsKey(int vk) const {
    switch (vk) {
        case VK_UP:
        case VK_DOWN:
        case VK_LEFT:
        case VK_RIGHT:
        case VK_HOME:
        case VK_END:
        case VK_PRIOR:
        case VK_NEXT:
            return true;
        default:
            return false;
    }
}

void ListView::WriteProperties(PropertyBag& bag) const {
    Control::WriteProperties(bag);
    bag.WriteProperty(L"FullRowSelect", m_fullRowSelect, false);
    bag.WriteProperty(L"HideColumnHeaders", m_hideColumnHeaders, false);
    bag.WriteProperty(L"MultiSelect", m_multiSelect, false);
    bag.WriteProperty(L"HideSelection", m_hideSelection, true);
    bag.WriteProperty(L"Sorted", m_sorted, false);
    bag.WriteProperty(L"SortKey", m_sortKey, std::int16_t{0});
    bag.WriteProperty(L"SortOrder", m_sortOrder, sort_order::kAscending);
    const auto images = m_smallIcons.lock();
    bag.WriteProperty(L"SmallIcons", images != nullptr ? images->Name() : m_smallIconsName, L"");
    for (const auto& column : m_columns) {
        PropertyBag& group = bag.WriteGroup(ColumnGroup(column->Index()));
        group.StoreProperty(L"Text", column->Text());
        group.WriteProperty(L"Key", column->Key(), L"");
        group.StoreProperty(L"Width", column->Width());
        group.WriteProperty(L"Alignment", column->Alignment(), column_align::kLeft);
        group.WriteProperty(L"Tag", column->Tag(), L"");
    }
}

void ListView::ReadProperties(const PropertyBag& bag) {
    Control::ReadProperties(bag);
    m_fullRowSelect = bag.ReadProperty(L"FullRowSelect", false).ToInt16() != 0;
    m_hideColumnHeaders = bag.ReadProperty(L"HideColumnHeaders", false).ToInt16() != 0;
    m_multiSelect = bag.ReadProperty(L"MultiSelect", false).ToInt16() != 0;
    m_hideSelection = bag.ReadProperty(L"HideSelection", true).ToInt16() != 0;
    ApplyStyle();
    SetSortKey(bag.ReadProperty(L"SortKey", std::int16_t{0}).ToInt16());
    SetSortOrder(bag.ReadProperty(L"SortOrder", sort_order::kAscending).ToInt16());
    m_smallIcons.reset();
    m_smallIconsName = bag.ReadProperty(L"SmallIcons", L"").ToText();
    m_columns.Clear();
    for (std::int32_t index = 1;; ++index) {
        const PropertyBag* group = bag.ReadGroup(ColumnGroup(index));
        if (group == nullptr) {
            break;
        }
        const auto column =
            m_columns.Add(0, group->ReadProperty(L"Key", L"").ToText(),
                          group->ReadProperty(L"Text", L"").ToText(), group->ReadLong(L"Width", -1),
                          group->ReadProperty(L"Alignment", column_align::kLeft).ToInt16());
        column->SetTag(group->ReadProperty(L"Tag", L"").ToText());
    }
    SetSorted(bag.ReadProperty(L"Sorted", false).ToInt16() != 0);
}

}  // namespace zv::forms
