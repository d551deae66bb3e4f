// The system's list view on the headless backend: "SysListView32" in report
// view. Its columns are the items of a header ("SysHeader32") at the top of
// its client area, hidden with LVS_NOCOLUMNHEADER; column n shows sub-item n
// of every item (ListViewItems), in rows one font (or small image) high below
// the header, from the top item on, each item's small image before its text.
// The parent hears every change of an item's state before (LVN_ITEMCHANGING,
// which it may refuse) and after (LVN_ITEMCHANGED), and the user's clicks and
// keys, in the order Wine shows; the header's notices reach it too.
//
// Not modelled: the icon, small icon and list views (their image list is
// kept, not drawn); state images, overlays and indents; label editing, check
// boxes, groups, tiles, owner data and owner drawing, tool tips, hot
// tracking, drag and drop, the mouse wheel, LVM_FINDITEM and the other LVM_
// messages this file does not answer.

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "headless/controls/ControlData.h"
#include "headless/controls/ControlPainter.h"
#include "headless/controls/Controls.h"
#include "headless/controls/ListViewItems.h"
#include "platform/win/GdiApi.h"
#include "platform/win/GdiConstants.h"
#include "platform/win/HeaderConstants.h"
#include "platform/win/ImageListApi.h"
#include "platform/win/ImageListConstants.h"
#include "platform/win/ListViewConstants.h"
#include "platform/win/WinApi.h"
#include "platform/win/WinConstants.h"

namespace zv::headless {

namespace {

// Where a label starts within its column, and the room around a text that
// a column sized to its contents keeps.
constexpr int kLabelIndent = 2;
constexpr int kTextMargin = 4;
constexpr int kAutoSizeRoom = 12;

constexpr UINT kSelectAndFocus = LVIS_SELECTED | LVIS_FOCUSED;

struct ListView {
    ListViewItems items;
    HWND header = 0;
    DWORD extended = 0;
    int top = 0;   // the item in the first row
    int left = 0;  // how far the rows and the header are scrolled to the right
    int itemHeight = 1;
    bool redraw = true;
    HANDLE smallImages = 0;
    HANDLE normalImages = 0;
    bool pressed = false;      // the left button went down on the list
    int pressedSelected = -1;  // a selected item pressed without Ctrl or Shift
};

ListView* Find(HWND hwnd) {
    return FindControlData<ListView>(hwnd);
}

bool HasStyle(HWND hwnd, DWORD bits) {
    return (static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE)) & bits) != 0;
}

int IndexOf(WPARAM wParam) {
    return static_cast<int>(static_cast<LONG>(wParam));
}

POINT PointOf(LPARAM lParam) {
    return POINT{static_cast<std::int16_t>(lParam & 0xFFFF),
                 static_cast<std::int16_t>((lParam >> 16) & 0xFFFF)};
}

RECT ClientOf(HWND hwnd) {
    RECT client;
    GetClientRect(hwnd, &client);
    return client;
}

int TextWidth(HWND hwnd, std::string_view text) {
    const HDC dc = CreateCompatibleDC(0);
    const HGDIOBJ previous = SelectObject(dc, ControlFont(hwnd));
    SIZE size{};
    GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), &size);
    SelectObject(dc, previous);
    DeleteDC(dc);
    return static_cast<int>(size.cx);
}

// Columns, kept by the header

int ColumnCount(const ListView& view) {
    return static_cast<int>(SendMessageA(view.header, HDM_GETITEMCOUNT, 0, 0));
}

// Where a column lies in the list's client area (the header moves with the
// rows as they scroll sideways).
RECT ColumnRect(const ListView& view, int column) {
    RECT rect{};
    SendMessageA(view.header, HDM_GETITEMRECT, static_cast<WPARAM>(column),
                 reinterpret_cast<LPARAM>(&rect));
    rect.left -= view.left;
    rect.right -= view.left;
    return rect;
}

// How a column's texts lie in it: the first always to the left, the others
// as their header's format says.
UINT TextAlignment(const ListView& view, int column) {
    if (column == 0) {
        return DT_LEFT;
    }
    HDITEMA fields;
    fields.mask = HDI_FORMAT;
    SendMessageA(view.header, HDM_GETITEMA, static_cast<WPARAM>(column),
                 reinterpret_cast<LPARAM>(&fields));
    switch (fields.fmt & HDF_JUSTIFYMASK) {
        case HDF_RIGHT:
            return DT_RIGHT;
        case HDF_CENTER:
            return DT_CENTER;
        default:
            return DT_LEFT;
    }
}

int ColumnWidth(const ListView& view, int column) {
    const RECT rect = ColumnRect(view, column);
    return static_cast<int>(rect.right - rect.left);
}

int TotalWidth(const ListView& view) {
    int width = 0;
    for (int column = 0; column < ColumnCount(view); ++column) {
        width += ColumnWidth(view, column);
    }
    return width;
}

// The column at x, or -1 beside them all.
int ColumnAt(const ListView& view, int x) {
    for (int column = 0; column < ColumnCount(view); ++column) {
        const RECT rect = ColumnRect(view, column);
        if (x >= rect.left && x < rect.right) {
            return column;
        }
    }
    return -1;
}

// Rows

// The small images' size; none without a list of them.
SIZE IconSize(const ListView& view) {
    int width = 0;
    int height = 0;
    if (view.smallImages != 0) {
        ImageList_GetIconSize(static_cast<HIMAGELIST>(view.smallImages), &width, &height);
    }
    return SIZE{width, height};
}

// A row is as high as the font and a pixel, or a small image and a pixel.
int RowHeightOf(HWND hwnd, const ListView& view) {
    return std::max(FontHeight(ControlFont(hwnd)), static_cast<int>(IconSize(view).cy)) + 1;
}

int HeaderHeight(HWND hwnd, const ListView& view) {
    if (HasStyle(hwnd, LVS_NOCOLUMNHEADER)) {
        return 0;
    }
    RECT rect;
    GetWindowRect(view.header, &rect);
    return static_cast<int>(rect.bottom - rect.top);
}

// How many whole rows the list shows at once (at least one).
int PageOf(HWND hwnd, const ListView& view) {
    const int height = static_cast<int>(ClientOf(hwnd).bottom) - HeaderHeight(hwnd, view);
    return std::max(1, height / view.itemHeight);
}

int LastTop(HWND hwnd, const ListView& view) {
    return std::max(0, view.items.Count() - PageOf(hwnd, view));
}

int RowTop(HWND hwnd, const ListView& view, int index) {
    return HeaderHeight(hwnd, view) + (index - view.top) * view.itemHeight;
}

RECT RowRect(HWND hwnd, const ListView& view, int index) {
    const int top = RowTop(hwnd, view, index);
    return RECT{-view.left, top, TotalWidth(view) - view.left, top + view.itemHeight};
}

// The rectangle of a part of an item's row (LVIR_*).
RECT PartRect(HWND hwnd, const ListView& view, int index, int part) {
    RECT row = RowRect(hwnd, view, index);
    const RECT first = ColumnRect(view, 0);
    const SIZE icon = IconSize(view);
    const LONG iconLeft = first.left + kLabelIndent;
    const LONG labelLeft = iconLeft + icon.cx;
    switch (part) {
        case LVIR_ICON:
            return RECT{iconLeft, row.top, labelLeft, icon.cy > 0 ? row.top + icon.cy : row.bottom};
        case LVIR_LABEL:
            return RECT{labelLeft, row.top, first.right, row.bottom};
        case LVIR_SELECTBOUNDS: {
            const int text = TextWidth(hwnd, view.items.Text(index, 0)) + 2 * kTextMargin;
            return RECT{iconLeft, row.top, std::min(first.right, labelLeft + text), row.bottom};
        }
        default:
            return row;
    }
}

// The item whose row holds y, or -1.
int RowAt(HWND hwnd, const ListView& view, int y) {
    const int below = y - HeaderHeight(hwnd, view);
    if (below < 0 || y >= ClientOf(hwnd).bottom) {
        return -1;
    }
    const int index = view.top + below / view.itemHeight;
    return view.items.IsIndex(index) ? index : -1;
}

// What lies at a point: with sub-items, the item and column whatever part
// of the row it is on; without, only the first column's label is on the
// item, and with LVS_EX_FULLROWSELECT the rest of the row too.
LVHITTESTINFO HitTest(HWND hwnd, const ListView& view, POINT point, bool subItems) {
    LVHITTESTINFO hit;
    hit.pt = point;
    hit.iItem = -1;
    hit.iSubItem = 0;
    const RECT client = ClientOf(hwnd);
    const int x = static_cast<int>(point.x);
    const int column = ColumnAt(view, x);
    const int row = RowAt(hwnd, view, static_cast<int>(point.y));
    if (subItems) {
        hit.iSubItem = column;
        hit.flags = point.y >= client.bottom && column >= 0 ? LVHT_BELOW : LVHT_NOWHERE;
        if (column >= 0 && row >= 0) {
            hit.iItem = row;
            hit.flags = column > 0 || x > kLabelIndent ? LVHT_ONITEMLABEL : LVHT_NOWHERE;
        }
        return hit;
    }
    hit.flags = (point.y < HeaderHeight(hwnd, view) ? LVHT_ABOVE : 0) |
                (point.y >= client.bottom ? LVHT_BELOW : 0) |
                (x >= TotalWidth(view) - view.left ? LVHT_TORIGHT : 0) |
                (x < -view.left ? LVHT_TOLEFT : 0);
    if (hit.flags != 0) {
        return hit;
    }
    const RECT icon = PartRect(hwnd, view, std::max(row, 0), LVIR_ICON);
    const RECT label = PartRect(hwnd, view, std::max(row, 0), LVIR_LABEL);
    const bool onIcon = x >= icon.left && x < icon.right;
    const bool onLabel = x > label.left && x < label.right;
    if (row >= 0 && (onIcon || onLabel || (view.extended & LVS_EX_FULLROWSELECT) != 0)) {
        hit.iItem = row;
        hit.flags = onIcon ? LVHT_ONITEMICON : onLabel ? LVHT_ONITEMLABEL : LVHT_ONITEM;
    } else {
        hit.flags = LVHT_NOWHERE;
    }
    return hit;
}

// Showing

void Repaint(HWND hwnd, const ListView& view) {
    if (view.redraw) {
        InvalidateRect(hwnd, nullptr, TRUE);
    }
}

// A bar from 0 to one less than the whole, a page long, at the position; it
// shows only while the whole does not fit the page.
void SetBar(HWND hwnd, int bar, int whole, int page, int position) {
    SCROLLINFO info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMax = std::max(0, whole - 1);
    info.nPage = static_cast<UINT>(page);
    info.nPos = position;
    SetScrollInfo(hwnd, bar, &info, TRUE);
    ShowScrollBar(hwnd, bar, whole > page ? TRUE : FALSE);
}

// The vertical bar counts items and the page in rows, the horizontal one
// pixels of the columns and the client area's width.
void UpdateScrollBar(HWND hwnd, const ListView& view) {
    if (!view.redraw) {
        return;
    }
    SetBar(hwnd, SB_VERT, view.items.Count(), PageOf(hwnd, view), view.top);
    if (const ListView* shown = Find(hwnd)) {
        SetBar(hwnd, SB_HORZ, TotalWidth(*shown), static_cast<int>(ClientOf(hwnd).right),
               shown->left);
    }
}

void SetTop(HWND hwnd, ListView& view, int top) {
    const int clamped = std::clamp(top, 0, LastTop(hwnd, view));
    if (clamped != view.top) {
        view.top = clamped;
        Repaint(hwnd, view);
    }
    UpdateScrollBar(hwnd, view);
}

// As Wine shows, a list that does not redraw does not scroll either.
void EnsureVisible(HWND hwnd, ListView& view, int index) {
    if (!view.redraw) {
        return;
    }
    if (index < view.top) {
        SetTop(hwnd, view, index);
    } else if (index >= view.top + PageOf(hwnd, view)) {
        SetTop(hwnd, view, index - PageOf(hwnd, view) + 1);
    }
}

// The header takes the top of the client area, as high as it asks to be,
// reaching as far to the left as the rows are scrolled.
void PlaceHeader(HWND hwnd, const ListView& view) {
    RECT rect = ClientOf(hwnd);
    WINDOWPOS position;
    HDLAYOUT layout{&rect, &position};
    SendMessageA(view.header, HDM_LAYOUT, 0, reinterpret_cast<LPARAM>(&layout));
    SetWindowPos(view.header, 0, position.x - view.left, position.y, position.cx + view.left,
                 position.cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

void SetLeft(HWND hwnd, ListView& view, int left) {
    const int last = std::max(0, TotalWidth(view) - static_cast<int>(ClientOf(hwnd).right));
    const int clamped = std::clamp(left, 0, last);
    if (clamped != view.left) {
        view.left = clamped;
        PlaceHeader(hwnd, view);
        Repaint(hwnd, view);
    }
    UpdateScrollBar(hwnd, view);
}

// Notices

LRESULT TellParent(HWND hwnd, NMHDR& head, UINT code) {
    head.hwndFrom = hwnd;
    head.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(hwnd));
    head.code = code;
    return SendMessageA(GetParent(hwnd), WM_NOTIFY, head.idFrom, reinterpret_cast<LPARAM>(&head));
}

LRESULT TellItem(HWND hwnd, UINT code, int item, int subItem = 0, UINT newState = 0,
                 UINT oldState = 0, UINT changed = 0, LPARAM data = 0) {
    NMLISTVIEW notice;
    notice.iItem = item;
    notice.iSubItem = subItem;
    notice.uNewState = newState;
    notice.uOldState = oldState;
    notice.uChanged = changed;
    notice.lParam = data;
    return TellParent(hwnd, notice.hdr, code);
}

LRESULT Tell(HWND hwnd, UINT code) {
    NMHDR notice;
    return TellParent(hwnd, notice, code);
}

UINT KeyFlags() {
    return ((GetKeyState(VK_SHIFT) & 0x8000) != 0 ? LVKF_SHIFT : 0) |
           ((GetKeyState(VK_CONTROL) & 0x8000) != 0 ? LVKF_CONTROL : 0);
}

// NM_CLICK, NM_DBLCLK and NM_RCLICK: the item and column at the point.
void TellActivation(HWND hwnd, UINT code, POINT point) {
    const ListView* view = Find(hwnd);
    if (view == nullptr) {
        return;
    }
    const LVHITTESTINFO hit = HitTest(hwnd, *view, point, true);
    NMITEMACTIVATE notice;
    notice.iItem = hit.iItem;
    notice.iSubItem = hit.iSubItem;
    notice.ptAction = point;
    notice.uKeyFlags = KeyFlags();
    TellParent(hwnd, notice.hdr, code);
}

// States. Every change is asked for first, even one that changes nothing;
// only a change the parent lets through is told after. Focusing an item
// takes the focus from the one that had it, and selecting one in a list
// with LVS_SINGLESEL takes the selection from the others, each told in
// between, as Wine does.

void SetState(HWND hwnd, int index, UINT state, UINT mask);

void TakeFromOthers(HWND hwnd, int index, UINT bit) {
    const ListView* view = Find(hwnd);
    if (view == nullptr) {
        return;
    }
    if (bit == LVIS_FOCUSED) {
        const int focused = view->items.Focused();
        if (focused >= 0 && focused != index) {
            SetState(hwnd, focused, 0, LVIS_FOCUSED);
        }
        return;
    }
    for (int other = 0; other < view->items.Count() && view->items.SelectedCount() > 0; ++other) {
        if (other != index && (view->items.At(other).state & LVIS_SELECTED) != 0) {
            SetState(hwnd, other, 0, LVIS_SELECTED);
            view = Find(hwnd);
            if (view == nullptr) {
                return;
            }
        }
    }
}

void SetState(HWND hwnd, int index, UINT state, UINT mask) {
    const ListView* view = Find(hwnd);
    if (view == nullptr || !view->items.IsIndex(index)) {
        return;
    }
    const UINT old = view->items.At(index).state;
    const UINT wanted = (old & ~mask) | (state & mask);
    const LPARAM data = view->items.At(index).data;
    if (TellItem(hwnd, LVN_ITEMCHANGING, index, 0, wanted, old, LVIF_STATE, data) != 0 ||
        wanted == old) {
        return;
    }
    const UINT gained = wanted & ~old;
    if ((gained & LVIS_SELECTED) != 0 && HasStyle(hwnd, LVS_SINGLESEL)) {
        TakeFromOthers(hwnd, index, LVIS_SELECTED);
    }
    if ((gained & LVIS_FOCUSED) != 0) {
        TakeFromOthers(hwnd, index, LVIS_FOCUSED);
    }
    ListView* changed = Find(hwnd);
    if (changed == nullptr || !changed->items.IsIndex(index)) {
        return;
    }
    changed->items.SetState(index, wanted, ~0U);
    Repaint(hwnd, *changed);
    TellItem(hwnd, LVN_ITEMCHANGED, index, 0, wanted, old, LVIF_STATE, data);
}

// Every selected item but one loses the selection, in order.
void DeselectOthers(HWND hwnd, int keep) {
    for (int index = 0;; ++index) {
        const ListView* view = Find(hwnd);
        if (view == nullptr || index >= view->items.Count()) {
            return;
        }
        if (index != keep && (view->items.At(index).state & LVIS_SELECTED) != 0) {
            SetState(hwnd, index, 0, LVIS_SELECTED);
        }
    }
}

// The item alone selected, focused and the anchor.
void SelectOnly(HWND hwnd, int index) {
    DeselectOthers(hwnd, index);
    SetState(hwnd, index, kSelectAndFocus, kSelectAndFocus);
    if (ListView* view = Find(hwnd)) {
        view->items.anchor = index;
        EnsureVisible(hwnd, *view, index);
    }
}

// From the anchor to the item selected, the rest not, the focus on the item.
void SelectRange(HWND hwnd, int index) {
    const ListView* view = Find(hwnd);
    if (view == nullptr) {
        return;
    }
    const int anchor = view->items.IsIndex(view->items.anchor) ? view->items.anchor : index;
    const int first = std::min(anchor, index);
    const int last = std::max(anchor, index);
    for (int item = first; item <= last; ++item) {
        SetState(hwnd, item, LVIS_SELECTED, LVIS_SELECTED);
    }
    for (int item = 0;; ++item) {
        view = Find(hwnd);
        if (view == nullptr || item >= view->items.Count()) {
            break;
        }
        if ((item < first || item > last) && (view->items.At(item).state & LVIS_SELECTED) != 0) {
            SetState(hwnd, item, 0, LVIS_SELECTED);
        }
    }
    SetState(hwnd, index, LVIS_FOCUSED, LVIS_FOCUSED);
    if (ListView* shown = Find(hwnd)) {
        shown->items.anchor = anchor;
        EnsureVisible(hwnd, *shown, index);
    }
}

// Messages about items

std::string_view TextOf(LPCSTR text) {
    return text != nullptr ? std::string_view(text) : std::string_view();
}

LRESULT CopyText(std::string_view text, LPSTR buffer, int capacity) {
    if (buffer == nullptr || capacity <= 0) {
        return 0;
    }
    const std::size_t length = std::min(text.size(), static_cast<std::size_t>(capacity - 1));
    text.copy(buffer, length);
    buffer[length] = '\0';
    return static_cast<LRESULT>(length);
}

// A new item, told to the parent once it is in; the selection and focus it
// comes with are set as any other change.
LRESULT InsertItem(HWND hwnd, ListView& view, const LVITEMA* fields) {
    if (fields == nullptr || fields->iSubItem != 0 || fields->iItem < 0) {
        return -1;
    }
    ListViewItem item;
    item.texts.reserve(static_cast<std::size_t>(std::max(1, ColumnCount(view))));
    item.texts.emplace_back((fields->mask & LVIF_TEXT) != 0 ? TextOf(fields->pszText) : "");
    item.data = (fields->mask & LVIF_PARAM) != 0 ? fields->lParam : 0;
    item.image = (fields->mask & LVIF_IMAGE) != 0 ? fields->iImage : 0;
    const int index = view.items.Insert(fields->iItem, std::move(item));
    UpdateScrollBar(hwnd, view);
    Repaint(hwnd, view);
    TellItem(hwnd, LVN_INSERTITEM, index);
    if ((fields->mask & LVIF_STATE) != 0 && (fields->stateMask & kSelectAndFocus) != 0) {
        SetState(hwnd, index, fields->state, fields->stateMask & kSelectAndFocus);
    }
    return index;
}

// The item loses its selection and focus (told as a change), then the
// parent hears it goes.
LRESULT DeleteItem(HWND hwnd, int index) {
    const ListView* view = Find(hwnd);
    if (view == nullptr || !view->items.IsIndex(index)) {
        return FALSE;
    }
    SetState(hwnd, index, 0, kSelectAndFocus);
    view = Find(hwnd);
    if (view == nullptr || !view->items.IsIndex(index)) {
        return FALSE;
    }
    TellItem(hwnd, LVN_DELETEITEM, index, 0, 0, 0, 0, view->items.At(index).data);
    ListView* left = Find(hwnd);
    if (left == nullptr || !left->items.IsIndex(index)) {
        return FALSE;
    }
    left->items.Erase(index);
    SetTop(hwnd, *left, left->top);
    Repaint(hwnd, *left);
    return TRUE;
}

// LVN_DELETEALLITEMS first; unless the parent answers TRUE it hears of each
// item too, the last first.
LRESULT DeleteAllItems(HWND hwnd) {
    if (TellItem(hwnd, LVN_DELETEALLITEMS, -1) == 0) {
        for (int index = Find(hwnd) != nullptr ? Find(hwnd)->items.Count() - 1 : -1; index >= 0;
             --index) {
            const ListView* view = Find(hwnd);
            if (view == nullptr || !view->items.IsIndex(index)) {
                break;
            }
            TellItem(hwnd, LVN_DELETEITEM, index, 0, 0, 0, 0, view->items.At(index).data);
        }
    }
    ListView* view = Find(hwnd);
    if (view == nullptr) {
        return TRUE;
    }
    view->items.Clear();
    view->top = 0;
    UpdateScrollBar(hwnd, *view);
    Repaint(hwnd, *view);
    return TRUE;
}

LRESULT GetItem(const ListView& view, LVITEMA* fields) {
    if (fields == nullptr || !view.items.IsIndex(fields->iItem)) {
        return FALSE;
    }
    const ListViewItem& item = view.items.At(fields->iItem);
    if ((fields->mask & LVIF_TEXT) != 0) {
        CopyText(view.items.Text(fields->iItem, fields->iSubItem), fields->pszText,
                 fields->cchTextMax);
    }
    if ((fields->mask & LVIF_PARAM) != 0) {
        fields->lParam = item.data;
    }
    if ((fields->mask & LVIF_IMAGE) != 0) {
        fields->iImage = item.image;
    }
    if ((fields->mask & LVIF_STATE) != 0) {
        fields->state = item.state & fields->stateMask;
    }
    return TRUE;
}

LRESULT SetItem(HWND hwnd, ListView& view, const LVITEMA* fields) {
    if (fields == nullptr || !view.items.IsIndex(fields->iItem) || fields->iSubItem < 0) {
        return FALSE;
    }
    const int index = fields->iItem;
    if ((fields->mask & LVIF_TEXT) != 0) {
        view.items.SetText(index, fields->iSubItem, TextOf(fields->pszText));
    }
    if ((fields->mask & LVIF_PARAM) != 0 && fields->iSubItem == 0) {
        view.items.SetData(index, fields->lParam);
    }
    if ((fields->mask & LVIF_IMAGE) != 0 && fields->iSubItem == 0) {
        view.items.SetImage(index, fields->iImage);
    }
    Repaint(hwnd, view);
    if ((fields->mask & LVIF_STATE) != 0 && fields->iSubItem == 0) {
        SetState(hwnd, index, fields->state, fields->stateMask);
    }
    return TRUE;
}

// -1 sets the state of every item, one after the other.
LRESULT SetItemState(HWND hwnd, int index, const LVITEMA* fields) {
    const ListView* view = Find(hwnd);
    if (fields == nullptr || view == nullptr || (index != -1 && !view->items.IsIndex(index))) {
        return FALSE;
    }
    if (index >= 0) {
        SetState(hwnd, index, fields->state, fields->stateMask);
        return TRUE;
    }
    for (int item = 0; (view = Find(hwnd)) != nullptr && item < view->items.Count(); ++item) {
        SetState(hwnd, item, fields->state, fields->stateMask);
    }
    return TRUE;
}

// The next item after start (from the first with -1), or above or below it,
// that has the states asked for.
LRESULT GetNextItem(const ListView& view, int start, UINT flags) {
    const UINT wanted = flags & kSelectAndFocus;
    const int step = (flags & LVNI_ABOVE) != 0 ? -1 : 1;
    for (int index = start + step; index >= 0 && index < view.items.Count(); index += step) {
        if ((view.items.At(index).state & wanted) == wanted) {
            return index;
        }
    }
    return -1;
}

LRESULT GetItemRect(HWND hwnd, const ListView& view, int index, RECT* rect) {
    if (rect == nullptr || !view.items.IsIndex(index)) {
        return FALSE;
    }
    *rect = PartRect(hwnd, view, index, static_cast<int>(rect->left));
    return TRUE;
}

// The caller's comparison orders the items, given their data or (sorting
// by index) their indexes from before the sort.
int ZV_CALLBACK CompareNothing(LPARAM, LPARAM, LPARAM) {
    return 0;
}

LRESULT SortItems(HWND hwnd, ListView& view, PFNLVCOMPARE compare, LPARAM sortData, bool byIndex) {
    if (compare == nullptr) {
        compare = CompareNothing;
    }
    // What the comparison is given, side by side, so that the sort does not
    // walk the items themselves.
    std::vector<LPARAM> keys(static_cast<std::size_t>(view.items.Count()));
    for (int index = 0; index < view.items.Count(); ++index) {
        keys[static_cast<std::size_t>(index)] = byIndex ? index : view.items.At(index).data;
    }
    view.items.Sort([&](int first, int second) {
        return compare(keys[static_cast<std::size_t>(first)],
                       keys[static_cast<std::size_t>(second)], sortData) < 0;
    });
    Repaint(hwnd, view);
    return TRUE;
}

// Columns

HDITEMA HeaderFields(const LVCOLUMNA& column) {
    HDITEMA fields;
    fields.mask = ((column.mask & LVCF_WIDTH) != 0 ? HDI_WIDTH : 0) |
                  ((column.mask & LVCF_TEXT) != 0 ? HDI_TEXT : 0) |
                  ((column.mask & LVCF_FMT) != 0 ? HDI_FORMAT : 0) |
                  ((column.mask & LVCF_ORDER) != 0 ? HDI_ORDER : 0);
    fields.cxy = column.cx;
    fields.pszText = column.pszText;
    fields.fmt = (column.fmt & HDF_JUSTIFYMASK) | HDF_STRING;
    fields.iOrder = column.iOrder;
    return fields;
}

// Sub-items move with their columns: a column inserted or deleted inserts
// or deletes a text in every item; the items' own texts stay when the first
// column goes, as Wine shows.
LRESULT InsertColumn(HWND hwnd, ListView& view, int index, const LVCOLUMNA* column) {
    if (column == nullptr || index < 0) {
        return -1;
    }
    HDITEMA fields = HeaderFields(*column);
    fields.mask |= HDI_FORMAT;
    const auto at =
        static_cast<int>(SendMessageA(view.header, HDM_INSERTITEMA, static_cast<WPARAM>(index),
                                      reinterpret_cast<LPARAM>(&fields)));
    if (at > 0) {
        view.items.InsertSubItem(at);
    }
    UpdateScrollBar(hwnd, view);
    Repaint(hwnd, view);
    return at;
}

LRESULT DeleteColumn(HWND hwnd, ListView& view, int index) {
    if (SendMessageA(view.header, HDM_DELETEITEM, static_cast<WPARAM>(index), 0) == FALSE) {
        return FALSE;
    }
    if (index > 0) {
        view.items.EraseSubItem(index);
    }
    Repaint(hwnd, view);
    return TRUE;
}

LRESULT GetColumn(const ListView& view, int index, LVCOLUMNA* column) {
    if (column == nullptr) {
        return FALSE;
    }
    HDITEMA fields = HeaderFields(*column);
    fields.mask |= (column->mask & LVCF_FMT) != 0 ? HDI_FORMAT : 0;
    fields.cchTextMax = column->cchTextMax;
    if (SendMessageA(view.header, HDM_GETITEMA, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(&fields)) == FALSE) {
        return FALSE;
    }
    column->cx = fields.cxy;
    column->fmt = fields.fmt & HDF_JUSTIFYMASK;
    column->iOrder = fields.iOrder;
    column->iSubItem = index;
    return TRUE;
}

LRESULT SetColumn(HWND hwnd, const ListView& view, int index, const LVCOLUMNA* column) {
    if (column == nullptr) {
        return FALSE;
    }
    HDITEMA fields = HeaderFields(*column);
    const LRESULT done = SendMessageA(view.header, HDM_SETITEMA, static_cast<WPARAM>(index),
                                      reinterpret_cast<LPARAM>(&fields));
    Repaint(hwnd, view);
    return done;
}

// LVSCW_AUTOSIZE fits the column to its widest text; LVSCW_AUTOSIZE_USEHEADER
// to its caption too, and the last column to the rest of the client area.
int AutoWidth(HWND hwnd, const ListView& view, int column, bool useHeader) {
    const int count = ColumnCount(view);
    if (useHeader && column == count - 1) {
        const int others = TotalWidth(view) - ColumnWidth(view, column);
        const int rest = static_cast<int>(ClientOf(hwnd).right) - others;
        if (rest > 0) {
            return rest;
        }
    }
    int widest = 0;
    for (int index = 0; index < view.items.Count(); ++index) {
        widest = std::max(widest, TextWidth(hwnd, view.items.Text(index, column)));
    }
    if (useHeader) {
        char caption[260] = {};
        HDITEMA fields;
        fields.mask = HDI_TEXT;
        fields.pszText = caption;
        fields.cchTextMax = static_cast<int>(sizeof caption);
        SendMessageA(view.header, HDM_GETITEMA, static_cast<WPARAM>(column),
                     reinterpret_cast<LPARAM>(&fields));
        widest = std::max(widest, TextWidth(hwnd, caption));
    }
    return widest + kAutoSizeRoom;
}

LRESULT SetColumnWidth(HWND hwnd, const ListView& view, int column, int width) {
    if (column < 0 || column >= ColumnCount(view)) {
        return FALSE;
    }
    HDITEMA fields;
    fields.mask = HDI_WIDTH;
    fields.cxy = width == LVSCW_AUTOSIZE || width == LVSCW_AUTOSIZE_USEHEADER
                     ? AutoWidth(hwnd, view, column, width == LVSCW_AUTOSIZE_USEHEADER)
                     : width;
    return SendMessageA(view.header, HDM_SETITEMA, static_cast<WPARAM>(column),
                        reinterpret_cast<LPARAM>(&fields));
}

LRESULT AnswerListViewMessage(HWND hwnd, ListView& view, UINT message, WPARAM wParam,
                              LPARAM lParam) {
    const int index = IndexOf(wParam);
    auto* item = reinterpret_cast<LVITEMA*>(lParam);
    auto* column = reinterpret_cast<LVCOLUMNA*>(lParam);
    switch (message) {
        case LVM_GETITEMCOUNT:
            return view.items.Count();
        case LVM_INSERTITEMA:
            return InsertItem(hwnd, view, item);
        case LVM_DELETEITEM:
            return DeleteItem(hwnd, index);
        case LVM_DELETEALLITEMS:
            return DeleteAllItems(hwnd);
        case LVM_GETITEMA:
            return GetItem(view, item);
        case LVM_SETITEMA:
            return SetItem(hwnd, view, item);
        case LVM_SETITEMTEXTA:
            if (item == nullptr || !view.items.IsIndex(index)) {
                return FALSE;
            }
            item->iItem = index;
            item->mask = LVIF_TEXT;
            return SetItem(hwnd, view, item);
        case LVM_GETITEMTEXTA:
            return item != nullptr && view.items.IsIndex(index)
                       ? CopyText(view.items.Text(index, item->iSubItem), item->pszText,
                                  item->cchTextMax)
                       : 0;
        case LVM_SETITEMSTATE:
            return SetItemState(hwnd, index, item);
        case LVM_GETITEMSTATE:
            return view.items.IsIndex(index) ? static_cast<LRESULT>(view.items.At(index).state &
                                                                    static_cast<UINT>(lParam))
                                             : 0;
        case LVM_GETNEXTITEM:
            return GetNextItem(view, index, static_cast<UINT>(lParam));
        case LVM_GETSELECTEDCOUNT:
            return view.items.SelectedCount();
        case LVM_GETITEMRECT:
            return GetItemRect(hwnd, view, index, reinterpret_cast<RECT*>(lParam));
        case LVM_HITTEST:
        case LVM_SUBITEMHITTEST: {
            auto* hit = reinterpret_cast<LVHITTESTINFO*>(lParam);
            if (hit == nullptr) {
                return -1;
            }
            *hit = HitTest(hwnd, view, hit->pt, message == LVM_SUBITEMHITTEST);
            return hit->iItem;
        }
        case LVM_ENSUREVISIBLE:
            if (!view.items.IsIndex(index)) {
                return FALSE;
            }
            EnsureVisible(hwnd, view, index);
            return TRUE;
        case LVM_GETTOPINDEX:
            return view.top;
        case LVM_GETCOUNTPERPAGE:
            return PageOf(hwnd, view);
        case LVM_SORTITEMS:
        case LVM_SORTITEMSEX:
            return SortItems(hwnd, view, reinterpret_cast<PFNLVCOMPARE>(lParam),
                             static_cast<LPARAM>(wParam), message == LVM_SORTITEMSEX);
        case LVM_SETEXTENDEDLISTVIEWSTYLE: {
            const DWORD old = view.extended;
            const DWORD mask = wParam != 0 ? static_cast<DWORD>(wParam) : ~0U;
            view.extended = (old & ~mask) | (static_cast<DWORD>(lParam) & mask);
            Repaint(hwnd, view);
            return static_cast<LRESULT>(old);
        }
        case LVM_GETEXTENDEDLISTVIEWSTYLE:
            return static_cast<LRESULT>(view.extended);
        case LVM_SETIMAGELIST: {
            HANDLE& list = wParam == LVSIL_SMALL ? view.smallImages : view.normalImages;
            const HANDLE old = list;
            list = static_cast<HANDLE>(lParam);
            view.itemHeight = RowHeightOf(hwnd, view);
            SetTop(hwnd, view, view.top);
            Repaint(hwnd, view);
            return old;
        }
        case LVM_GETHEADER:
            return static_cast<LRESULT>(view.header);
        case LVM_INSERTCOLUMNA:
            return InsertColumn(hwnd, view, index, column);
        case LVM_DELETECOLUMN:
            return DeleteColumn(hwnd, view, index);
        case LVM_GETCOLUMNA:
            return GetColumn(view, index, column);
        case LVM_SETCOLUMNA:
            return SetColumn(hwnd, view, index, column);
        case LVM_GETCOLUMNWIDTH:
            return index >= 0 && index < ColumnCount(view) ? ColumnWidth(view, index) : 0;
        case LVM_SETCOLUMNWIDTH:
            return SetColumnWidth(hwnd, view, index, static_cast<std::int16_t>(lParam & 0xFFFF));
        case LVM_SETCOLUMNORDERARRAY:
            Repaint(hwnd, view);
            return SendMessageA(view.header, HDM_SETORDERARRAY, wParam, lParam);
        case LVM_GETCOLUMNORDERARRAY:
            return SendMessageA(view.header, HDM_GETORDERARRAY, wParam, lParam);
        default:
            return Unmodelled(hwnd, message, wParam, lParam);
    }
}

// The mouse. Every press starts with NM_RELEASEDCAPTURE, as Wine's does.

void TakeFocus(HWND hwnd) {
    if (Find(hwnd) != nullptr && GetFocus() != hwnd) {
        SetFocus(hwnd);
    }
}

// A press on an item selects it (Ctrl toggles it, Shift selects from the
// anchor); a plain press on a selected item waits for the release, so that
// the selection could be dragged; a press beside the items clears the
// selection. The list takes the focus after the selection changed, or
// before a press beside the items, as Wine shows.
void Press(HWND hwnd, POINT point, WPARAM keys) {
    Tell(hwnd, NM_RELEASEDCAPTURE);
    ListView* view = Find(hwnd);
    if (view == nullptr) {
        return;
    }
    view->pressed = true;
    const int index = HitTest(hwnd, *view, point, false).iItem;
    const bool multiple = !HasStyle(hwnd, LVS_SINGLESEL);
    const bool plain = (keys & (MK_SHIFT | MK_CONTROL)) == 0 || !multiple;
    view->pressedSelected =
        index >= 0 && plain && (view->items.At(index).state & LVIS_SELECTED) != 0 ? index : -1;
    if (index < 0) {
        TakeFocus(hwnd);
        DeselectOthers(hwnd, -1);
    } else if (multiple && (keys & MK_SHIFT) != 0) {
        SelectRange(hwnd, index);
    } else if (multiple && (keys & MK_CONTROL) != 0) {
        const UINT selected = view->items.At(index).state & LVIS_SELECTED;
        SetState(hwnd, index, (selected ^ LVIS_SELECTED) | LVIS_FOCUSED, kSelectAndFocus);
        if (ListView* marked = Find(hwnd)) {
            marked->items.anchor = index;
        }
    } else if ((view->items.At(index).state & LVIS_SELECTED) == 0) {
        SelectOnly(hwnd, index);
    }
    TakeFocus(hwnd);
}

// The release clicks; a plain click on a selected item then selects it
// alone.
void Release(HWND hwnd, POINT point) {
    ListView* view = Find(hwnd);
    if (view == nullptr || !view->pressed) {
        return;
    }
    view->pressed = false;
    const int pressed = view->pressedSelected;
    TellActivation(hwnd, NM_CLICK, point);
    view = Find(hwnd);
    if (view != nullptr && view->items.IsIndex(pressed)) {
        SelectOnly(hwnd, pressed);
    }
}

void DoubleClick(HWND hwnd, POINT point) {
    Tell(hwnd, NM_RELEASEDCAPTURE);
    TellActivation(hwnd, NM_DBLCLK, point);
}

// A right press selects the item under it alone unless it is selected
// already (beside the items it clears the selection), takes the focus and
// tells NM_RCLICK.
void RightPress(HWND hwnd, POINT point) {
    Tell(hwnd, NM_RELEASEDCAPTURE);
    const ListView* view = Find(hwnd);
    if (view == nullptr) {
        return;
    }
    const int index = HitTest(hwnd, *view, point, false).iItem;
    if (index < 0) {
        DeselectOthers(hwnd, -1);
    } else if ((view->items.At(index).state & LVIS_SELECTED) == 0) {
        SelectOnly(hwnd, index);
    }
    TakeFocus(hwnd);
    TellActivation(hwnd, NM_RCLICK, point);
}

// The keyboard

// Where a navigation key moves the focus, or -1 for another key. Page keys
// go to the last (first) row shown, and from there a page on.
int KeyTarget(HWND hwnd, const ListView& view, WPARAM key) {
    const int last = view.items.Count() - 1;
    const int focus = std::max(view.items.Focused(), 0);
    const int page = PageOf(hwnd, view);
    const int lastShown = std::min(last, view.top + page - 1);
    switch (static_cast<int>(key)) {
        case VK_UP:
            return std::max(0, focus - 1);
        case VK_DOWN:
            return std::min(last, focus + 1);
        case VK_HOME:
            return 0;
        case VK_END:
            return last;
        case VK_PRIOR:
            return focus != view.top ? view.top : std::max(0, focus - (page - 1));
        case VK_NEXT:
            return focus != lastShown ? lastShown : std::min(last, focus + (page - 1));
        default:
            return -1;
    }
}

// LVN_KEYDOWN first for every key; then a navigation key moves the focus
// and the selection with it (Ctrl moves the focus alone, Shift selects from
// the anchor).
void TakeKey(HWND hwnd, WPARAM key) {
    NMLVKEYDOWN notice;
    notice.wVKey = static_cast<std::uint16_t>(key);
    TellParent(hwnd, notice.hdr, LVN_KEYDOWN);
    const ListView* view = Find(hwnd);
    if (view == nullptr || view->items.Count() == 0) {
        return;
    }
    const int target = KeyTarget(hwnd, *view, key);
    if (target < 0 || target == view->items.Focused()) {
        return;
    }
    const bool multiple = !HasStyle(hwnd, LVS_SINGLESEL);
    if (multiple && (GetKeyState(VK_SHIFT) & 0x8000) != 0) {
        SelectRange(hwnd, target);
    } else if (multiple && (GetKeyState(VK_CONTROL) & 0x8000) != 0) {
        SetState(hwnd, target, LVIS_FOCUSED, LVIS_FOCUSED);
        if (ListView* shown = Find(hwnd)) {
            EnsureVisible(hwnd, *shown, target);
        }
    } else {
        SelectOnly(hwnd, target);
    }
}

// Scrolling by a bar: a step (a row, or a pixel sideways), a page, or where
// the thumb is; as Wine shows, the ends (SB_TOP, SB_BOTTOM) move nothing.
void TakeScroll(HWND hwnd, ListView& view, int bar, WPARAM request) {
    const bool vertical = bar == SB_VERT;
    const int page = vertical ? PageOf(hwnd, view) : static_cast<int>(ClientOf(hwnd).right);
    const int now = vertical ? view.top : view.left;
    SCROLLINFO info;
    info.fMask = SIF_TRACKPOS;
    GetScrollInfo(hwnd, bar, &info);
    int target = now;
    switch (request & 0xFFFF) {
        case SB_LINEUP:
            target = now - 1;
            break;
        case SB_LINEDOWN:
            target = now + 1;
            break;
        case SB_PAGEUP:
            target = now - page;
            break;
        case SB_PAGEDOWN:
            target = now + page;
            break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION:
            target = info.nTrackPos;
            break;
        default:
            break;
    }
    if (vertical) {
        SetTop(hwnd, view, target);
    } else {
        SetLeft(hwnd, view, target);
    }
}

// Painting

// Each row shown, its cells in the columns' order; a selected item's label
// (its whole row with LVS_EX_FULLROWSELECT) highlighted while the list has
// the focus, in the button face without it when LVS_SHOWSELALWAYS, and the
// focused item framed while the list has the focus.
void Paint(HWND hwnd, const ListView& view) {
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(hwnd, &paint);
    const RECT client = ClientOf(hwnd);
    FillRect(dc, &client, GetSysColorBrush(COLOR_WINDOW));
    const HGDIOBJ previousFont = SelectObject(dc, ControlFont(hwnd));
    SetBkMode(dc, TRANSPARENT);
    const bool focused = GetFocus() == hwnd;
    const bool fullRow = (view.extended & LVS_EX_FULLROWSELECT) != 0;
    const int columns = ColumnCount(view);
    const int end = std::min(view.items.Count(), view.top + PageOf(hwnd, view) + 1);
    for (int index = view.top; index < end; ++index) {
        const UINT state = view.items.At(index).state;
        const bool showSelected =
            (state & LVIS_SELECTED) != 0 && (focused || HasStyle(hwnd, LVS_SHOWSELALWAYS));
        RECT marked = PartRect(hwnd, view, index, fullRow ? LVIR_BOUNDS : LVIR_SELECTBOUNDS);
        if (showSelected) {
            FillRect(dc, &marked, GetSysColorBrush(focused ? COLOR_HIGHLIGHT : COLOR_BTNFACE));
        }
        const RECT row = RowRect(hwnd, view, index);
        const RECT label = PartRect(hwnd, view, index, LVIR_LABEL);
        if (view.smallImages != 0) {
            const RECT icon = PartRect(hwnd, view, index, LVIR_ICON);
            ImageList_Draw(static_cast<HIMAGELIST>(view.smallImages), view.items.At(index).image,
                           dc, icon.left, icon.top, ILD_NORMAL);
        }
        for (int column = 0; column < columns; ++column) {
            const RECT cell = ColumnRect(view, column);
            const bool highlighted = showSelected && focused && (fullRow || column == 0);
            SetTextColor(dc, GetSysColor(highlighted ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
            const LONG left = column == 0 ? label.left - kLabelIndent : cell.left;
            RECT text{left + kTextMargin, row.top, cell.right - kTextMargin, row.bottom};
            const std::string_view value = view.items.Text(index, column);
            DrawTextA(dc, value.data(), static_cast<int>(value.size()), &text,
                      TextAlignment(view, column) | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
        }
        if (focused && index == view.items.Focused()) {
            DrawFocusRect(dc, &marked);
        }
    }
    SelectObject(dc, previousFont);
    EndPaint(hwnd, &paint);
}

// What the user does to the header goes on to the parent (its answer goes
// back), its changes of widths do not; a click on a column is told as
// LVN_COLUMNCLICK first, a double click on a divider fits the column to its
// contents, and a width that changed moves the cells.
LRESULT TakeHeaderNotice(HWND hwnd, const NMHDR& notice) {
    const ListView* view = Find(hwnd);
    if (view == nullptr || notice.hwndFrom != view->header) {
        return 0;
    }
    const bool fromHeader = notice.code <= HDN_FIRST && notice.code > HDN_FIRST - 100;
    if (!fromHeader) {
        return 0;
    }
    const int item = reinterpret_cast<const NMHEADERA&>(notice).iItem;
    if (notice.code == HDN_ITEMCHANGINGA || notice.code == HDN_ITEMCHANGEDA) {
        if (ListView* changed = Find(hwnd); changed != nullptr && notice.code == HDN_ITEMCHANGEDA) {
            SetLeft(hwnd, *changed, changed->left);
            Repaint(hwnd, *changed);
        }
        return FALSE;
    }
    if (notice.code == HDN_ITEMCLICKA) {
        TellItem(hwnd, LVN_COLUMNCLICK, -1, item);
    }
    const LRESULT answer =
        SendMessageA(GetParent(hwnd), WM_NOTIFY, notice.idFrom, reinterpret_cast<LPARAM>(&notice));
    view = Find(hwnd);
    if (view != nullptr && notice.code == HDN_DIVIDERDBLCLICKA) {
        SetColumnWidth(hwnd, *view, item, LVSCW_AUTOSIZE);
    }
    return answer;
}

void Create(HWND hwnd) {
    ListView* view = MakeControlData<ListView>(hwnd);
    if (view == nullptr) {
        return;
    }
    view->itemHeight = RowHeightOf(hwnd, *view);
    const DWORD hidden = HasStyle(hwnd, LVS_NOCOLUMNHEADER) ? HDS_HIDDEN : WS_VISIBLE;
    const DWORD buttons = HasStyle(hwnd, LVS_NOSORTHEADER) ? 0 : HDS_BUTTONS;
    const HWND header =
        CreateWindowExA(0, WC_HEADERA, "", WS_CHILD | HDS_FULLDRAG | buttons | hidden, 0, 0, 0, 0,
                        hwnd, 0, 0, nullptr);
    if (ListView* made = Find(hwnd)) {
        made->header = header;
        SendMessageA(header, WM_SETFONT, static_cast<WPARAM>(ControlFont(hwnd)), 0);
        PlaceHeader(hwnd, *made);
    }
}

LRESULT TakeWindowMessage(HWND hwnd, ListView& view, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SIZE:
            PlaceHeader(hwnd, view);
            SetTop(hwnd, view, view.top);
            if (ListView* sized = Find(hwnd)) {
                SetLeft(hwnd, *sized, sized->left);
            }
            return 0;
        case WM_PAINT:
            Paint(hwnd, view);
            return 0;
        case WM_ERASEBKGND:
            return TRUE;
        case WM_SETREDRAW:
            view.redraw = wParam != 0;
            UpdateScrollBar(hwnd, view);
            Repaint(hwnd, view);
            return 0;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            Repaint(hwnd, view);
            Tell(hwnd, message == WM_SETFOCUS ? NM_SETFOCUS : NM_KILLFOCUS);
            return 0;
        case WM_GETDLGCODE:
            return DLGC_WANTARROWS | DLGC_WANTCHARS;
        case WM_LBUTTONDOWN:
            Press(hwnd, PointOf(lParam), wParam);
            return 0;
        case WM_LBUTTONUP:
            Release(hwnd, PointOf(lParam));
            return 0;
        case WM_LBUTTONDBLCLK:
            DoubleClick(hwnd, PointOf(lParam));
            return 0;
        case WM_RBUTTONDOWN:
            RightPress(hwnd, PointOf(lParam));
            return 0;
        case WM_KEYDOWN:
            TakeKey(hwnd, wParam);
            return 0;
        case WM_VSCROLL:
        case WM_HSCROLL:
            TakeScroll(hwnd, view, message == WM_VSCROLL ? SB_VERT : SB_HORZ, wParam);
            return 0;
        case WM_NOTIFY:
            return TakeHeaderNotice(hwnd, *reinterpret_cast<const NMHDR*>(lParam));
        case WM_DESTROY:
            DeleteAllItems(hwnd);
            return 0;
        default:
            return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

}  // namespace

LRESULT ZV_CALLBACK ListViewProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CREATE) {
        Create(hwnd);
    }
    ListView* view = Find(hwnd);
    if (view == nullptr) {
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
    if (LRESULT result = 0; TakeFontMessage(hwnd, message, wParam, lParam, result)) {
        if (message == WM_SETFONT) {
            view->itemHeight = RowHeightOf(hwnd, *view);
            SendMessageA(view->header, WM_SETFONT, wParam, lParam);
            PlaceHeader(hwnd, *view);
            SetTop(hwnd, *view, view->top);
        }
        return result;
    }
    if (message >= LVM_FIRST && message <= LVM_LAST) {
        return AnswerListViewMessage(hwnd, *view, message, wParam, lParam);
    }
    return TakeWindowMessage(hwnd, *view, message, wParam, lParam);
}

}  // namespace zv::headless
