// The system's list box on the headless backend: "ListBox", and "ComboLBox",
// the list of a combo box (LBS_COMBOBOX). A single selection of text items,
// each one font high, with the vertical scroll bar shown while the items
// overflow. A combo box's list tells the combo box, not its parent (which is
// the desktop while the list drops down), and is never focused itself.
//
// Not modelled: multiple and extended selection (LB_SETSEL, LB_GETSELCOUNT,
// LB_GETSELITEMS, LB_SELITEMRANGE, LB_SELITEMRANGEEX, the anchor),
// LB_SETCARETINDEX, LB_DIR and LB_ADDFILE, tab stops, columns and the
// horizontal extent, LB_SETITEMHEIGHT, locales, LB_SETCOUNT and
// LB_INITSTORAGE.

#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "headless/controls/ControlData.h"
#include "headless/controls/ControlPainter.h"
#include "headless/controls/Controls.h"
#include "platform/text/WideString.h"
#include "platform/win/GdiApi.h"
#include "platform/win/GdiConstants.h"
#include "platform/win/WinApi.h"
#include "platform/win/WinConstants.h"

namespace zv::headless {

namespace {

struct Item {
    std::string text;
    LPARAM data = 0;
};

struct ListBox {
    std::vector<Item> items;
    int selected = -1;  // none
    int caret = 0;      // the item with the focus rectangle
    int top = 0;
    int itemHeight = 1;
    HWND owner = 0;           // hears the notifications and answers the colours
    bool scrollable = false;  // made with WS_VSCROLL: the bar shows while items overflow
    bool tracking = false;    // pressed on an item, until the release
};

bool HasStyle(HWND hwnd, DWORD bits) {
    return (static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE)) & bits) != 0;
}

bool IsComboList(HWND hwnd) {
    return HasStyle(hwnd, LBS_COMBOBOX);
}

int Count(const ListBox& list) {
    return static_cast<int>(list.items.size());
}

bool IsIndex(const ListBox& list, int index) {
    return index >= 0 && index < Count(list);
}

// Indexes travel as the platform's 32-bit integers, -1 included.
int IndexOf(WPARAM wParam) {
    return static_cast<int>(static_cast<LONG>(wParam));
}

std::string_view TextOf(LPARAM lParam) {
    const auto* text = reinterpret_cast<LPCSTR>(lParam);
    return text != nullptr ? std::string_view(text) : std::string_view();
}

POINT PointOf(LPARAM lParam) {
    return POINT{static_cast<std::int16_t>(lParam & 0xFFFF),
                 static_cast<std::int16_t>((lParam >> 16) & 0xFFFF)};
}

// Items are found without regard to case, their bytes read as Latin-1.
std::wstring Folded(std::string_view text) {
    std::wstring folded;
    folded.reserve(text.size());
    for (const char ch : text) {
        folded.push_back(FoldCase(static_cast<wchar_t>(static_cast<unsigned char>(ch))));
    }
    return folded;
}

int ItemHeightOf(HFONT font) {
    return std::max(1, FontHeight(font));
}

RECT ClientOf(HWND hwnd) {
    RECT client;
    GetClientRect(hwnd, &client);
    return client;
}

// How many whole items the list shows at once (at least one).
int PageOf(HWND hwnd, const ListBox& list) {
    return std::max(1, static_cast<int>(ClientOf(hwnd).bottom) / list.itemHeight);
}

int LastTop(HWND hwnd, const ListBox& list) {
    return std::max(0, Count(list) - PageOf(hwnd, list));
}

// The item whose row holds the point (client coordinates), or -1 past the
// last item; the rows above the top item and below the list count as the
// nearest one when nearest is asked for.
int ItemAt(HWND hwnd, const ListBox& list, POINT point, bool nearest) {
    const int row = point.y < 0 ? -1 : static_cast<int>(point.y) / list.itemHeight;
    const int index = list.top + row;
    if (!nearest) {
        return point.y >= 0 && IsIndex(list, index) ? index : -1;
    }
    const int lastShown = std::min(Count(list), list.top + PageOf(hwnd, list)) - 1;
    return std::clamp(index, std::min(list.top, lastShown), lastShown);
}

RECT ItemRect(HWND hwnd, const ListBox& list, int index) {
    const LONG top = static_cast<LONG>((index - list.top) * list.itemHeight);
    return RECT{0, top, ClientOf(hwnd).right, top + list.itemHeight};
}

void Repaint(HWND hwnd) {
    InvalidateRect(hwnd, nullptr, TRUE);
}

// The bar reaches from the first item to the last, a page long, at the top
// item; it shows only while there are more items than rows.
void UpdateScrollBar(HWND hwnd) {
    const ListBox* list = FindControlData<ListBox>(hwnd);
    if (list == nullptr || !list->scrollable) {
        return;
    }
    const int page = PageOf(hwnd, *list);
    const bool overflows = Count(*list) > page;
    SCROLLINFO info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMax = std::max(0, Count(*list) - 1);
    info.nPage = static_cast<UINT>(page);
    info.nPos = list->top;
    SetScrollInfo(hwnd, SB_VERT, &info, TRUE);
    ShowScrollBar(hwnd, SB_VERT, overflows ? TRUE : FALSE);
}

void SetTop(HWND hwnd, int top) {
    ListBox* list = FindControlData<ListBox>(hwnd);
    if (list == nullptr) {
        return;
    }
    list->top = std::clamp(top, 0, LastTop(hwnd, *list));
    UpdateScrollBar(hwnd);
    Repaint(hwnd);
}

void ScrollIntoView(HWND hwnd, int index) {
    const ListBox* list = FindControlData<ListBox>(hwnd);
    if (list == nullptr) {
        return;
    }
    if (index < list->top) {
        SetTop(hwnd, index);
    } else if (index >= list->top + PageOf(hwnd, *list)) {
        SetTop(hwnd, index - PageOf(hwnd, *list) + 1);
    }
}

// Selects the item (or nothing, with -1), moves the caret to it and brings
// it into view.
void Select(HWND hwnd, int index) {
    ListBox* list = FindControlData<ListBox>(hwnd);
    if (list == nullptr) {
        return;
    }
    list->selected = index;
    if (index >= 0) {
        list->caret = index;
        ScrollIntoView(hwnd, index);
    }
    Repaint(hwnd);
}

void Notify(HWND hwnd, UINT code) {
    const ListBox* list = FindControlData<ListBox>(hwnd);
    if (list != nullptr) {
        headless::Notify(list->owner, hwnd, code);
    }
}

// The user changed the selection: the owner hears of it if it asked to.
void NotifySelectionChange(HWND hwnd) {
    if (HasStyle(hwnd, LBS_NOTIFY)) {
        Notify(hwnd, LBN_SELCHANGE);
    }
}

// Searches from the item after start round to start itself, as the
// platform does; a start outside the list searches from the first item.
LRESULT Find(const ListBox& list, int start, std::string_view text, bool exact) {
    if (text.empty() || list.items.empty()) {
        return LB_ERR;
    }
    const std::wstring wanted = Folded(text);
    const int count = Count(list);
    const int from = IsIndex(list, start) ? start + 1 : 0;
    for (int step = 0; step < count; ++step) {
        const int index = (from + step) % count;
        const std::wstring item = Folded(list.items[static_cast<std::size_t>(index)].text);
        if (exact ? item == wanted : item.starts_with(wanted)) {
            return index;
        }
    }
    return LB_ERR;
}

// Items and the selection

// A new item before the one at index; the selection and the caret stay on
// their items.
LRESULT Insert(HWND hwnd, ListBox& list, int index, std::string_view text) {
    list.items.insert(list.items.begin() + index, Item{std::string(text), 0});
    if (list.selected >= index) {
        ++list.selected;
    }
    if (list.caret >= index && Count(list) > 1) {
        ++list.caret;
    }
    UpdateScrollBar(hwnd);
    Repaint(hwnd);
    return index;
}

// A sorted list puts a new item before the first that does not come before
// it as the system sorts texts for the user.
LRESULT AddString(HWND hwnd, ListBox& list, std::string_view text) {
    if (!HasStyle(hwnd, LBS_SORT)) {
        return Insert(hwnd, list, Count(list), text);
    }
    const std::string added(text);
    const auto after = std::find_if(list.items.begin(), list.items.end(), [&](const Item& item) {
        return lstrcmpiA(item.text.c_str(), added.c_str()) >= 0;
    });
    return Insert(hwnd, list, static_cast<int>(after - list.items.begin()), text);
}

LRESULT InsertString(HWND hwnd, ListBox& list, int index, std::string_view text) {
    if (index == -1) {
        return Insert(hwnd, list, Count(list), text);
    }
    return index >= 0 && index <= Count(list) ? Insert(hwnd, list, index, text) : LB_ERR;
}

// An item with data that goes is told of to the owner (a combo box passes
// it on to its parent) before it goes. The owner may change or destroy the
// list meanwhile, so the list is looked up again: nullptr when it went.
ListBox* TellDeleted(HWND hwnd, const ListBox& list, int index) {
    const LPARAM data = list.items[static_cast<std::size_t>(index)].data;
    if (data != 0) {
        const UINT id = static_cast<UINT>(GetDlgCtrlID(hwnd));
        DELETEITEMSTRUCT deleted{ODT_LISTBOX, id, static_cast<UINT>(index), hwnd,
                                 static_cast<UINT_PTR>(data)};
        SendMessageA(list.owner, WM_DELETEITEM, id, reinterpret_cast<LPARAM>(&deleted));
    }
    return FindControlData<ListBox>(hwnd);
}

// Every item is told of, from the last to the first.
ListBox* TellAllDeleted(HWND hwnd, ListBox& list) {
    ListBox* current = &list;
    for (int index = Count(list) - 1; index >= 0 && current != nullptr; --index) {
        if (IsIndex(*current, index)) {
            current = TellDeleted(hwnd, *current, index);
        }
    }
    return current;
}

// The selection goes with its item; the items after it move up.
LRESULT DeleteString(HWND hwnd, ListBox& given, int index) {
    if (!IsIndex(given, index)) {
        return LB_ERR;
    }
    ListBox* found = TellDeleted(hwnd, given, index);
    if (found == nullptr || !IsIndex(*found, index)) {
        return LB_ERR;
    }
    ListBox& list = *found;
    list.items.erase(list.items.begin() + index);
    if (list.selected == index) {
        list.selected = -1;
    } else if (list.selected > index) {
        --list.selected;
    }
    const int left = Count(list);
    list.caret =
        std::clamp(list.caret > index ? list.caret - 1 : list.caret, 0, std::max(0, left - 1));
    SetTop(hwnd, list.top);
    return left;
}

LRESULT ResetContent(HWND hwnd, ListBox& given) {
    ListBox* found = TellAllDeleted(hwnd, given);
    if (found == nullptr) {
        return LB_OKAY;
    }
    ListBox& list = *found;
    list.items.clear();
    list.selected = -1;
    list.caret = 0;
    SetTop(hwnd, 0);
    return LB_OKAY;
}

// -1 clears the selection and answers LB_ERR all the same; an index outside
// the list changes nothing.
LRESULT SetCurSel(HWND hwnd, const ListBox& list, int index) {
    if (index != -1 && !IsIndex(list, index)) {
        return LB_ERR;
    }
    Select(hwnd, index);
    return index == -1 ? LB_ERR : index;
}

LRESULT SelectString(HWND hwnd, const ListBox& list, int start, std::string_view text) {
    const LRESULT found = Find(list, start, text, false);
    if (found != LB_ERR) {
        Select(hwnd, static_cast<int>(found));
    }
    return found;
}

LRESULT GetText(const ListBox& list, int index, LPSTR buffer) {
    if (!IsIndex(list, index)) {
        return LB_ERR;
    }
    const std::string& text = list.items[static_cast<std::size_t>(index)].text;
    if (buffer != nullptr) {
        std::memcpy(buffer, text.c_str(), text.size() + 1);
    }
    return static_cast<LRESULT>(text.size());
}

LRESULT GetTextLength(const ListBox& list, int index) {
    return IsIndex(list, index)
               ? static_cast<LRESULT>(list.items[static_cast<std::size_t>(index)].text.size())
               : LB_ERR;
}

LRESULT GetItemData(const ListBox& list, int index) {
    return IsIndex(list, index) ? list.items[static_cast<std::size_t>(index)].data : LB_ERR;
}

LRESULT SetItemData(ListBox& list, int index, LPARAM data) {
    if (!IsIndex(list, index)) {
        return LB_ERR;
    }
    list.items[static_cast<std::size_t>(index)].data = data;
    return TRUE;
}

// The rectangle of the item's row, above or below the visible ones too; an
// empty list still has the first row.
LRESULT GetItemRect(HWND hwnd, const ListBox& list, int index, RECT* rect) {
    const bool valid = IsIndex(list, index) || (index == 0 && list.items.empty());
    if (rect != nullptr) {
        *rect = valid ? ItemRect(hwnd, list, index) : RECT{};
    }
    return valid ? TRUE : LB_ERR;
}

// The nearest item in the low word; the high word is 1 when the point lies
// outside the client area or past the last item.
LRESULT ItemFromPoint(HWND hwnd, const ListBox& list, LPARAM lParam) {
    const POINT point = PointOf(lParam);
    const RECT client = ClientOf(hwnd);
    const bool inClient =
        point.x >= 0 && point.x < client.right && point.y >= 0 && point.y < client.bottom;
    const int index = list.items.empty() ? -1 : ItemAt(hwnd, list, point, true);
    const bool outside = !inClient || index < 0 || index != ItemAt(hwnd, list, point, false);
    return static_cast<LRESULT>((static_cast<DWORD>(index) & 0xFFFF) | (outside ? 0x10000u : 0u));
}

LRESULT AnswerListMessage(HWND hwnd, ListBox& list, UINT message, WPARAM wParam, LPARAM lParam) {
    const int index = IndexOf(wParam);
    switch (message) {
        case LB_ADDSTRING:
            return AddString(hwnd, list, TextOf(lParam));
        case LB_INSERTSTRING:
            return InsertString(hwnd, list, index, TextOf(lParam));
        case LB_DELETESTRING:
            return DeleteString(hwnd, list, index);
        case LB_RESETCONTENT:
            return ResetContent(hwnd, list);
        case LB_GETCOUNT:
            return Count(list);
        case LB_SETCURSEL:
            return SetCurSel(hwnd, list, index);
        case LB_GETCURSEL:
            return list.selected >= 0 ? list.selected : LB_ERR;
        case LB_GETSEL:
            return index < 0 || index >= Count(list) ? LB_ERR : index == list.selected ? 1 : 0;
        case LB_GETCARETINDEX:
            return list.caret;
        case LB_GETTEXT:
            return GetText(list, index, reinterpret_cast<LPSTR>(lParam));
        case LB_GETTEXTLEN:
            return GetTextLength(list, index);
        case LB_GETITEMDATA:
            return GetItemData(list, index);
        case LB_SETITEMDATA:
            return SetItemData(list, index, lParam);
        case LB_FINDSTRING:
        case LB_FINDSTRINGEXACT:
            return Find(list, index, TextOf(lParam), message == LB_FINDSTRINGEXACT);
        case LB_SELECTSTRING:
            return SelectString(hwnd, list, index, TextOf(lParam));
        case LB_GETTOPINDEX:
            return list.top;
        case LB_SETTOPINDEX:
            SetTop(hwnd, index);
            return LB_OKAY;
        case LB_GETITEMHEIGHT:
            return list.itemHeight;
        case LB_GETITEMRECT:
            return GetItemRect(hwnd, list, index, reinterpret_cast<RECT*>(lParam));
        case LB_ITEMFROMPOINT:
            return ItemFromPoint(hwnd, list, lParam);
        default:
            return Unmodelled(hwnd, message, wParam, lParam);
    }
}

// The mouse

// A combo box's list hands the focus to its combo box (its edit box when it
// has one); any other list takes it.
HWND FocusTargetOf(HWND hwnd, const ListBox& list) {
    if (!IsComboList(hwnd)) {
        return hwnd;
    }
    const HWND edit = GetDlgItem(list.owner, IDC_COMBO_EDIT);
    return edit != 0 ? edit : list.owner;
}

bool InWindow(HWND hwnd, POINT clientPoint) {
    POINT point = clientPoint;
    ClientToScreen(hwnd, &point);
    RECT rect;
    GetWindowRect(hwnd, &rect);
    return point.x >= rect.left && point.x < rect.right && point.y >= rect.top &&
           point.y < rect.bottom;
}

// A press on an item selects it and follows the mouse until the release; a
// press past the last item, or beside the items (on the scroll bar of a list
// that holds the mouse), does nothing. A dropped-down list that is pressed
// outside itself is cancelled.
void Press(HWND hwnd, const ListBox& focusing, LPARAM lParam) {
    const HWND target = FocusTargetOf(hwnd, focusing);
    if (GetFocus() != target) {
        SetFocus(target);
    }
    const ListBox* list = FindControlData<ListBox>(hwnd);
    if (list == nullptr) {
        return;
    }
    const POINT point = PointOf(lParam);
    if (IsComboList(hwnd) && GetCapture() == hwnd && !InWindow(hwnd, point)) {
        Notify(hwnd, LBN_SELCANCEL);
        return;
    }
    const int index = ItemAt(hwnd, *list, point, false);
    if (index < 0 || point.x < 0 || point.x >= ClientOf(hwnd).right) {
        return;
    }
    if (!IsComboList(hwnd) && HasStyle(hwnd, LBS_NOTIFY)) {
        SendMessageA(list->owner, WM_LBTRACKPOINT, static_cast<WPARAM>(index), lParam);
    }
    if (ListBox* pressed = FindControlData<ListBox>(hwnd)) {
        pressed->tracking = true;
        Select(hwnd, index);
        if (GetCapture() != hwnd) {
            SetCapture(hwnd);
        }
    }
}

// While pressed, the selection follows the mouse to the nearest item; a
// dropped-down list also follows the mouse that only passes over it.
void Follow(HWND hwnd, const ListBox& list, LPARAM lParam) {
    const POINT point = PointOf(lParam);
    if (list.tracking && !list.items.empty()) {
        Select(hwnd, ItemAt(hwnd, list, point, true));
    } else if (IsComboList(hwnd) && GetCapture() == hwnd) {
        if (const int index = ItemAt(hwnd, list, point, false);
            index >= 0 && point.x >= 0 && point.x < ClientOf(hwnd).right) {
            Select(hwnd, index);
        }
    }
}

// A double click is told; in a dropped-down list, which closes as it is
// clicked, it is a press like another.
void TakeDoubleClick(HWND hwnd, const ListBox& list, LPARAM lParam) {
    if (IsComboList(hwnd) && GetCapture() == hwnd) {
        Press(hwnd, list, lParam);
    } else if (HasStyle(hwnd, LBS_NOTIFY)) {
        Notify(hwnd, LBN_DBLCLK);
    }
}

void Release(HWND hwnd, ListBox& list) {
    if (!list.tracking) {
        return;
    }
    list.tracking = false;
    ReleaseCapture();
    NotifySelectionChange(hwnd);
}

// The keyboard

// Where a navigation key moves the caret, or -1 for another key. With
// nothing selected, Up and Down select the caret's own item.
int KeyTarget(HWND hwnd, const ListBox& list, WPARAM key) {
    const int last = Count(list) - 1;
    const int caret = std::clamp(list.caret, 0, last);
    const int step = std::max(1, PageOf(hwnd, list) - 1);
    const bool fromNothing = list.selected < 0;
    switch (static_cast<int>(key)) {
        case VK_UP:
            return fromNothing ? caret : std::max(0, caret - 1);
        case VK_DOWN:
            return fromNothing ? caret : std::min(last, caret + 1);
        case VK_PRIOR:
            return std::max(0, caret - step);
        case VK_NEXT:
            return std::min(last, caret + step);
        case VK_HOME:
            return 0;
        case VK_END:
            return last;
        default:
            return -1;
    }
}

// Every navigation key tells the owner, whether the selection moved or not.
void TakeKey(HWND hwnd, const ListBox& list, WPARAM key) {
    if (list.items.empty()) {
        return;
    }
    const int target = KeyTarget(hwnd, list, key);
    if (target >= 0) {
        Select(hwnd, target);
        NotifySelectionChange(hwnd);
    }
}

// A typed character selects the next item that starts with it.
void TakeCharacter(HWND hwnd, const ListBox& list, WPARAM ch) {
    const char typed[] = {static_cast<char>(ch), '\0'};
    const LRESULT found = Find(list, list.caret, typed, false);
    if (found != LB_ERR) {
        Select(hwnd, static_cast<int>(found));
        NotifySelectionChange(hwnd);
    }
}

// Painting

// The items on the background the owner answers for WM_CTLCOLORLISTBOX:
// the selected one highlighted, the caret's framed while the list has the
// focus.
void Paint(HWND hwnd, HWND owner) {
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(hwnd, &paint);
    auto background = static_cast<HBRUSH>(SendMessageA(
        owner, WM_CTLCOLORLISTBOX, static_cast<WPARAM>(dc), static_cast<LPARAM>(hwnd)));
    if (background == 0) {
        background = GetSysColorBrush(COLOR_WINDOW);
    }
    const ListBox* found = FindControlData<ListBox>(hwnd);  // the owner may have destroyed it
    if (found == nullptr) {
        EndPaint(hwnd, &paint);
        return;
    }
    const ListBox& list = *found;
    const RECT client = ClientOf(hwnd);
    FillRect(dc, &client, background);
    const HGDIOBJ previousFont = SelectObject(dc, ControlFont(hwnd));
    SetBkMode(dc, TRANSPARENT);
    const COLORREF textColour =
        IsWindowEnabled(hwnd) ? GetTextColor(dc) : GetSysColor(COLOR_GRAYTEXT);
    const int end = std::min(Count(list), list.top + PageOf(hwnd, list) + 1);
    for (int index = list.top; index < end; ++index) {
        RECT row = ItemRect(hwnd, list, index);
        const bool selected = index == list.selected;
        if (selected) {
            FillRect(dc, &row, GetSysColorBrush(COLOR_HIGHLIGHT));
        }
        SetTextColor(dc, selected ? GetSysColor(COLOR_HIGHLIGHTTEXT) : textColour);
        RECT text{row.left + 2, row.top, row.right, row.bottom};
        const std::string& item = list.items[static_cast<std::size_t>(index)].text;
        DrawTextA(dc, item.c_str(), static_cast<int>(item.size()), &text,
                  DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
        if (index == list.caret && GetFocus() == hwnd) {
            DrawFocusRect(dc, &row);
        }
    }
    SelectObject(dc, previousFont);
    EndPaint(hwnd, &paint);
}

// Sizes

// Unless told otherwise, the list is cut to a whole number of rows.
void KeepWholeRows(HWND hwnd, const ListBox& list) {
    const int height = static_cast<int>(ClientOf(hwnd).bottom);
    const int spare = height % list.itemHeight;
    if (HasStyle(hwnd, LBS_NOINTEGRALHEIGHT) || spare == 0 || height < list.itemHeight) {
        return;
    }
    RECT rect;
    GetWindowRect(hwnd, &rect);
    SetWindowPos(hwnd, 0, 0, 0, rect.right - rect.left, rect.bottom - rect.top - spare,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TakeFont(HWND hwnd, ListBox& list) {
    list.itemHeight = ItemHeightOf(ControlFont(hwnd));
    SetTop(hwnd, list.top);
}

// A combo box's list is made with its combo box in the creation parameter.
void Create(HWND hwnd, const CREATESTRUCTA& create) {
    ListBox* list = MakeControlData<ListBox>(hwnd);
    if (list == nullptr) {
        return;
    }
    const bool ofCombo = (static_cast<DWORD>(create.style) & LBS_COMBOBOX) != 0;
    list->owner = ofCombo && create.lpCreateParams != nullptr
                      ? static_cast<HWND>(reinterpret_cast<std::intptr_t>(create.lpCreateParams))
                      : create.hwndParent;
    list->scrollable = (static_cast<DWORD>(create.style) & WS_VSCROLL) != 0;
    list->itemHeight = ItemHeightOf(ControlFont(hwnd));
}

LRESULT TakeWindowMessage(HWND hwnd, ListBox& list, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            UpdateScrollBar(hwnd);
            return 0;
        case WM_SIZE:
            KeepWholeRows(hwnd, list);
            SetTop(hwnd, list.top);
            return 0;
        case WM_PAINT:
            Paint(hwnd, list.owner);
            return 0;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            Repaint(hwnd);
            Notify(hwnd, message == WM_SETFOCUS ? LBN_SETFOCUS : LBN_KILLFOCUS);
            return 0;
        case WM_ENABLE:
            Repaint(hwnd);
            return 0;
        case WM_LBUTTONDOWN:
            Press(hwnd, list, lParam);
            return 0;
        case WM_MOUSEMOVE:
            Follow(hwnd, list, lParam);
            return 0;
        case WM_LBUTTONUP:
            Release(hwnd, list);
            return 0;
        case WM_LBUTTONDBLCLK:
            TakeDoubleClick(hwnd, list, lParam);
            return 0;
        case WM_CAPTURECHANGED:
            if (static_cast<HWND>(lParam) != hwnd) {
                list.tracking = false;
            }
            return 0;
        case WM_KEYDOWN:
            TakeKey(hwnd, list, wParam);
            return 0;
        case WM_CHAR:
            TakeCharacter(hwnd, list, wParam);
            return 0;
        case WM_DESTROY:
            TellAllDeleted(hwnd, list);
            return 0;
        default:
            return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

}  // namespace

LRESULT ZV_CALLBACK ListBoxProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        Create(hwnd, *reinterpret_cast<const CREATESTRUCTA*>(lParam));
    }
    ListBox* list = FindControlData<ListBox>(hwnd);
    if (list == nullptr) {
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
    if (LRESULT result = 0; TakeFontMessage(hwnd, message, wParam, lParam, result)) {
        if (message == WM_SETFONT) {
            TakeFont(hwnd, *list);
        }
        return result;
    }
    if (message >= LB_ADDSTRING && message <= LB_ITEMFROMPOINT) {
        return AnswerListMessage(hwnd, *list, message, wParam, lParam);
    }
    return TakeWindowMessage(hwnd, *list, message, wParam, lParam);
}

}  // namespace zv::headless
