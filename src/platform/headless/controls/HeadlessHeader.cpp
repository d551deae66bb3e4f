// The system's header control on the headless backend: "SysHeader32", a row
// of items side by side in the order the order array gives, each as wide as
// its width. The user drags a divider (the right edge of an item) to change
// that item's width, and clicks an item when the header has HDS_BUTTONS. The
// parent hears everything with WM_NOTIFY in the single-byte codes, as a
// parent of a single-byte class does on the platform.
//
// Not modelled: bitmaps and image lists (HDM_SETIMAGELIST), filters, drag
// and drop of items (HDS_DRAGDROP), hot tracking, owner drawing, the wide
// messages and notices, HDM_CREATEDRAGIMAGE, HDM_SETHOTDIVIDER.

#include <algorithm>
#include <cstring>
#include <numeric>
#include <string>
#include <vector>

#include "headless/controls/ControlData.h"
#include "headless/controls/ControlPainter.h"
#include "headless/controls/Controls.h"
#include "platform/win/GdiApi.h"
#include "platform/win/GdiConstants.h"
#include "platform/win/HeaderConstants.h"
#include "platform/win/WinApi.h"
#include "platform/win/WinConstants.h"

namespace zv::headless {

namespace {

// How near to a divider a point lies on it, on either side.
constexpr int kDividerReach = 10;

// The text's margin within its item.
constexpr int kTextMargin = 6;

struct HeaderItem {
    std::string text;
    int width = 0;
    int format = HDF_LEFT | HDF_STRING;
    LPARAM data = 0;
    int image = 0;
};

enum class Mouse { Idle, Pressing, Tracking };

struct Header {
    std::vector<HeaderItem> items;
    std::vector<int> order;  // the items' indexes from left to right
    Mouse mouse = Mouse::Idle;
    int item = -1;        // the item pressed or whose divider is dragged
    int trackOffset = 0;  // from the pointer to the dragged divider
    bool pressedShown = false;
};

int Count(const Header& header) {
    return static_cast<int>(header.items.size());
}

bool IsIndex(const Header& header, int index) {
    return index >= 0 && index < Count(header);
}

bool HasStyle(HWND hwnd, DWORD bits) {
    return (static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE)) & bits) != 0;
}

POINT PointOf(LPARAM lParam) {
    return POINT{static_cast<std::int16_t>(lParam & 0xFFFF),
                 static_cast<std::int16_t>((lParam >> 16) & 0xFFFF)};
}

int PositionOf(const Header& header, int index) {
    return static_cast<int>(std::find(header.order.begin(), header.order.end(), index) -
                            header.order.begin());
}

RECT ItemRect(HWND hwnd, const Header& header, int index) {
    RECT client;
    GetClientRect(hwnd, &client);
    const auto before = header.order.begin() + PositionOf(header, index);
    const int left = std::accumulate(header.order.begin(), before, 0, [&](int sum, int shown) {
        return sum + header.items[static_cast<std::size_t>(shown)].width;
    });
    const int width = header.items[static_cast<std::size_t>(index)].width;
    return RECT{left, 0, left + width, client.bottom};
}

// What lies at a point: an item, the divider at an item's right edge (the
// item whose width it is), or nothing, with where the point is outside.
HDHITTESTINFO HitTest(HWND hwnd, const Header& header, POINT point) {
    HDHITTESTINFO hit;
    hit.pt = point;
    hit.iItem = -1;
    RECT client;
    GetClientRect(hwnd, &client);
    if (point.x < 0 || point.x >= client.right || point.y < 0 || point.y >= client.bottom) {
        hit.flags = (point.x < 0 ? HHT_TOLEFT : 0) | (point.x >= client.right ? HHT_TORIGHT : 0) |
                    (point.y < 0 ? HHT_ABOVE : 0) | (point.y >= client.bottom ? HHT_BELOW : 0);
        return hit;
    }
    for (const int index : header.order) {
        const RECT rect = ItemRect(hwnd, header, index);
        if (point.x >= rect.right - kDividerReach && point.x < rect.right + kDividerReach) {
            hit.flags = HHT_ONDIVIDER;
            hit.iItem = index;
            return hit;
        }
        if (point.x >= rect.left && point.x < rect.right) {
            hit.flags = HHT_ONHEADER;
            hit.iItem = index;
            return hit;
        }
    }
    hit.flags = HHT_NOWHERE;
    return hit;
}

// Notices

// WM_NOTIFY to the parent; its answer (non-zero refuses what the notice
// asks about).
LRESULT Tell(HWND hwnd, UINT code, int item, int button, HDITEMA* fields) {
    NMHEADERA notice;
    notice.hdr.hwndFrom = hwnd;
    notice.hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(hwnd));
    notice.hdr.code = code;
    notice.iItem = item;
    notice.iButton = button;
    notice.pitem = fields;
    return SendMessageA(GetParent(hwnd), WM_NOTIFY, notice.hdr.idFrom,
                        reinterpret_cast<LPARAM>(&notice));
}

LRESULT TellWidth(HWND hwnd, UINT code, int item, int width) {
    HDITEMA fields;
    fields.mask = HDI_WIDTH;
    fields.cxy = width;
    return Tell(hwnd, code, item, 0, &fields);
}

// Items

void Store(HeaderItem& item, const HDITEMA& fields) {
    if ((fields.mask & HDI_WIDTH) != 0) {
        item.width = std::max(0, fields.cxy);
    }
    if ((fields.mask & HDI_TEXT) != 0) {
        item.text = fields.pszText != nullptr ? fields.pszText : "";
    }
    if ((fields.mask & HDI_FORMAT) != 0) {
        item.format = fields.fmt;
    }
    if ((fields.mask & HDI_LPARAM) != 0) {
        item.data = fields.lParam;
    }
    if ((fields.mask & HDI_IMAGE) != 0) {
        item.image = fields.iImage;
    }
}

void Repaint(HWND hwnd) {
    InvalidateRect(hwnd, nullptr, TRUE);
}

// A new item before the one at index (at the end past the last); it is shown
// at its order when given one, else at the end.
LRESULT Insert(HWND hwnd, Header& header, int index, const HDITEMA* fields) {
    if (fields == nullptr || index < 0) {
        return -1;
    }
    const int at = std::min(index, Count(header));
    HeaderItem item;
    Store(item, *fields);
    header.items.insert(header.items.begin() + at, item);
    for (int& shown : header.order) {
        shown += shown >= at ? 1 : 0;
    }
    const bool ordered = (fields->mask & HDI_ORDER) != 0 && fields->iOrder >= 0 &&
                         fields->iOrder < static_cast<int>(header.order.size());
    header.order.insert(header.order.begin() + (ordered ? fields->iOrder : at), at);
    Repaint(hwnd);
    return at;
}

LRESULT Delete(HWND hwnd, Header& header, int index) {
    if (!IsIndex(header, index)) {
        return FALSE;
    }
    header.items.erase(header.items.begin() + index);
    header.order.erase(header.order.begin() + PositionOf(header, index));
    for (int& shown : header.order) {
        shown -= shown > index ? 1 : 0;
    }
    Repaint(hwnd);
    return TRUE;
}

LRESULT Get(const Header& header, int index, HDITEMA* fields) {
    if (!IsIndex(header, index) || fields == nullptr) {
        return FALSE;
    }
    const HeaderItem& item = header.items[static_cast<std::size_t>(index)];
    if ((fields->mask & HDI_WIDTH) != 0) {
        fields->cxy = item.width;
    }
    if ((fields->mask & HDI_TEXT) != 0 && fields->pszText != nullptr && fields->cchTextMax > 0) {
        const std::size_t length =
            std::min(item.text.size(), static_cast<std::size_t>(fields->cchTextMax - 1));
        std::memcpy(fields->pszText, item.text.data(), length);
        fields->pszText[length] = '\0';
    }
    if ((fields->mask & HDI_FORMAT) != 0) {
        fields->fmt = item.format;
    }
    if ((fields->mask & HDI_LPARAM) != 0) {
        fields->lParam = item.data;
    }
    if ((fields->mask & HDI_IMAGE) != 0) {
        fields->iImage = item.image;
    }
    if ((fields->mask & HDI_ORDER) != 0) {
        fields->iOrder = PositionOf(header, index);
    }
    return TRUE;
}

// A change the parent hears of before (and may refuse) and after, with the
// width as the item took it.
LRESULT Change(HWND hwnd, int index, HDITEMA fields) {
    if (Tell(hwnd, HDN_ITEMCHANGINGA, index, 0, &fields) != 0) {
        return FALSE;
    }
    fields.cxy = std::max(0, fields.cxy);
    Header* header = FindControlData<Header>(hwnd);
    if (header == nullptr || !IsIndex(*header, index)) {
        return FALSE;
    }
    Store(header->items[static_cast<std::size_t>(index)], fields);
    if ((fields.mask & HDI_ORDER) != 0 && fields.iOrder >= 0 && fields.iOrder < Count(*header)) {
        header->order.erase(header->order.begin() + PositionOf(*header, index));
        header->order.insert(header->order.begin() + fields.iOrder, index);
    }
    Repaint(hwnd);
    Tell(hwnd, HDN_ITEMCHANGEDA, index, 0, &fields);
    return TRUE;
}

LRESULT Set(HWND hwnd, const Header& header, int index, const HDITEMA* fields) {
    return IsIndex(header, index) && fields != nullptr ? Change(hwnd, index, *fields) : FALSE;
}

// The order array holds every index once, or it is refused.
LRESULT SetOrder(HWND hwnd, Header& header, int count, const int* order) {
    if (count != Count(header) || order == nullptr) {
        return FALSE;
    }
    std::vector<int> given(order, order + count);
    std::vector<int> sorted = given;
    std::sort(sorted.begin(), sorted.end());
    std::vector<int> all(static_cast<std::size_t>(count));
    std::iota(all.begin(), all.end(), 0);
    if (sorted != all) {
        return FALSE;
    }
    header.order = std::move(given);
    Repaint(hwnd);
    return TRUE;
}

LRESULT GetOrder(const Header& header, int count, int* order) {
    if (count != Count(header) || order == nullptr) {
        return FALSE;
    }
    std::copy(header.order.begin(), header.order.end(), order);
    return TRUE;
}

// The header takes the top of the rectangle, as high as its font needs
// (nothing while hidden), and the rectangle keeps what is left below it.
LRESULT Layout(HWND hwnd, const HDLAYOUT* layout) {
    if (layout == nullptr || layout->prc == nullptr || layout->pwpos == nullptr) {
        return FALSE;
    }
    const int height = HasStyle(hwnd, HDS_HIDDEN) ? 0 : FontHeight(ControlFont(hwnd)) + 4;
    RECT& rect = *layout->prc;
    *layout->pwpos =
        WINDOWPOS{hwnd, 0, rect.left, rect.top, rect.right - rect.left, height, SWP_NOZORDER};
    rect.top += height;
    return TRUE;
}

LRESULT AnswerHeaderMessage(HWND hwnd, Header& header, UINT message, WPARAM wParam, LPARAM lParam) {
    const int index = static_cast<int>(static_cast<LONG>(wParam));
    switch (message) {
        case HDM_GETITEMCOUNT:
            return Count(header);
        case HDM_INSERTITEMA:
            return Insert(hwnd, header, index, reinterpret_cast<const HDITEMA*>(lParam));
        case HDM_DELETEITEM:
            return Delete(hwnd, header, index);
        case HDM_GETITEMA:
            return Get(header, index, reinterpret_cast<HDITEMA*>(lParam));
        case HDM_SETITEMA:
            return Set(hwnd, header, index, reinterpret_cast<const HDITEMA*>(lParam));
        case HDM_LAYOUT:
            return Layout(hwnd, reinterpret_cast<const HDLAYOUT*>(lParam));
        case HDM_HITTEST: {
            auto* hit = reinterpret_cast<HDHITTESTINFO*>(lParam);
            if (hit == nullptr) {
                return -1;
            }
            *hit = HitTest(hwnd, header, hit->pt);
            return hit->iItem;
        }
        case HDM_GETITEMRECT:
            if (!IsIndex(header, index) || lParam == 0) {
                return FALSE;
            }
            *reinterpret_cast<RECT*>(lParam) = ItemRect(hwnd, header, index);
            return TRUE;
        case HDM_ORDERTOINDEX:
            return IsIndex(header, index) ? header.order[static_cast<std::size_t>(index)] : index;
        case HDM_GETORDERARRAY:
            return GetOrder(header, index, reinterpret_cast<int*>(lParam));
        case HDM_SETORDERARRAY:
            return SetOrder(hwnd, header, index, reinterpret_cast<const int*>(lParam));
        default:
            return Unmodelled(hwnd, message, wParam, lParam);
    }
}

// The mouse

// A press on a divider starts dragging it unless the parent refuses; a press
// on an item of a header with buttons pushes the item in until the release.
void Press(HWND hwnd, Header& header, POINT point) {
    const HDHITTESTINFO hit = HitTest(hwnd, header, point);
    if (hit.flags == HHT_ONDIVIDER) {
        if (TellWidth(hwnd, HDN_BEGINTRACKA, hit.iItem,
                      header.items[static_cast<std::size_t>(hit.iItem)].width) != 0) {
            return;
        }
        Header* tracked = FindControlData<Header>(hwnd);
        if (tracked == nullptr || !IsIndex(*tracked, hit.iItem)) {
            return;
        }
        tracked->mouse = Mouse::Tracking;
        tracked->item = hit.iItem;
        tracked->trackOffset = ItemRect(hwnd, *tracked, hit.iItem).right - point.x;
        SetCapture(hwnd);
    } else if (hit.flags == HHT_ONHEADER && HasStyle(hwnd, HDS_BUTTONS)) {
        header.mouse = Mouse::Pressing;
        header.item = hit.iItem;
        header.pressedShown = true;
        SetCapture(hwnd);
        Repaint(hwnd);
    }
}

// The width the dragged divider gives its item, never below nothing.
int TrackedWidth(HWND hwnd, const Header& header, POINT point) {
    const RECT rect = ItemRect(hwnd, header, header.item);
    return std::max(0, static_cast<int>(point.x) + header.trackOffset - rect.left);
}

// While a divider is dragged the parent hears of each step: with
// HDS_FULLDRAG as a change of the item's width (the width the mouse asks
// for, below nothing too, then the one it took), else as HDN_TRACK. A pushed
// item shows pushed while the mouse is over it.
void Follow(HWND hwnd, Header& header, POINT point) {
    if (header.mouse == Mouse::Tracking) {
        const RECT rect = ItemRect(hwnd, header, header.item);
        const int width = static_cast<int>(point.x) + header.trackOffset - rect.left;
        if (HasStyle(hwnd, HDS_FULLDRAG)) {
            HDITEMA fields;
            fields.mask = HDI_WIDTH;
            fields.cxy = width;
            Change(hwnd, header.item, fields);
        } else {
            TellWidth(hwnd, HDN_TRACKA, header.item, std::max(0, width));
        }
    } else if (header.mouse == Mouse::Pressing) {
        const HDHITTESTINFO hit = HitTest(hwnd, header, point);
        const bool over = hit.flags == HHT_ONHEADER && hit.iItem == header.item;
        if (over != header.pressedShown) {
            header.pressedShown = over;
            Repaint(hwnd);
        }
    }
}

// The end of a drag is told, and then the change unless the parent refuses
// it; a release over the pushed item clicks it. Either way the parent then
// hears that the header let the mouse go.
void Release(HWND hwnd, Header& header, POINT point) {
    const Mouse was = header.mouse;
    const int index = header.item;
    const bool clicked = header.pressedShown;
    const int width = was == Mouse::Tracking ? TrackedWidth(hwnd, header, point) : 0;
    header.mouse = Mouse::Idle;
    header.item = -1;
    header.pressedShown = false;
    if (was == Mouse::Idle) {
        return;
    }
    ReleaseCapture();
    if (was == Mouse::Tracking) {
        if (TellWidth(hwnd, HDN_ENDTRACKA, index, width) == 0) {
            HDITEMA fields;
            fields.mask = HDI_WIDTH;
            fields.cxy = width;
            Change(hwnd, index, fields);
        }
    } else {
        Repaint(hwnd);
        if (clicked) {
            Tell(hwnd, HDN_ITEMCLICKA, index, 0, nullptr);
        }
    }
    Tell(hwnd, NM_RELEASEDCAPTURE, 0, 0, nullptr);
}

void TakeDoubleClick(HWND hwnd, const Header& header, POINT point) {
    const HDHITTESTINFO hit = HitTest(hwnd, header, point);
    if (hit.flags == HHT_ONDIVIDER) {
        Tell(hwnd, HDN_DIVIDERDBLCLICKA, hit.iItem, 0, nullptr);
    } else if (hit.flags == HHT_ONHEADER) {
        Tell(hwnd, HDN_ITEMDBLCLICKA, hit.iItem, 0, nullptr);
    }
}

// Painting

// Each item as a raised button (sunken while pushed) with its text, and the
// rest of the row as an empty one.
void Paint(HWND hwnd, const Header& header) {
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(hwnd, &paint);
    RECT client;
    GetClientRect(hwnd, &client);
    const HGDIOBJ previousFont = SelectObject(dc, ControlFont(hwnd));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    LONG right = 0;
    for (const int index : header.order) {
        RECT rect = ItemRect(hwnd, header, index);
        const HeaderItem& item = header.items[static_cast<std::size_t>(index)];
        const bool pushed =
            header.mouse == Mouse::Pressing && header.item == index && header.pressedShown;
        DrawEdge(dc, &rect, pushed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT | BF_MIDDLE);
        RECT text{rect.left + kTextMargin, rect.top, rect.right - kTextMargin, rect.bottom};
        const int justify = item.format & HDF_JUSTIFYMASK;
        const UINT align = justify == HDF_RIGHT ? DT_RIGHT : justify == HDF_CENTER ? DT_CENTER : 0;
        DrawTextA(dc, item.text.c_str(), static_cast<int>(item.text.size()), &text,
                  align | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
        right = std::max(right, rect.right);
    }
    if (right < client.right) {
        RECT rest{right, 0, client.right, client.bottom};
        DrawEdge(dc, &rest, EDGE_RAISED, BF_RECT | BF_MIDDLE);
    }
    SelectObject(dc, previousFont);
    EndPaint(hwnd, &paint);
}

LRESULT TakeWindowMessage(HWND hwnd, Header& header, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
            Paint(hwnd, header);
            return 0;
        case WM_ERASEBKGND:
            return TRUE;
        case WM_LBUTTONDOWN:
            Press(hwnd, header, PointOf(lParam));
            return 0;
        case WM_MOUSEMOVE:
            Follow(hwnd, header, PointOf(lParam));
            return 0;
        case WM_LBUTTONUP:
            Release(hwnd, header, PointOf(lParam));
            return 0;
        case WM_LBUTTONDBLCLK:
            TakeDoubleClick(hwnd, header, PointOf(lParam));
            return 0;
        case WM_RBUTTONUP:
            Tell(hwnd, NM_RCLICK, 0, 0, nullptr);
            return 0;
        case WM_CAPTURECHANGED:
            if (static_cast<HWND>(lParam) != hwnd && header.mouse != Mouse::Idle) {
                header.mouse = Mouse::Idle;
                header.pressedShown = false;
                Repaint(hwnd);
            }
            return 0;
        default:
            return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

}  // namespace

LRESULT ZV_CALLBACK HeaderProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Header* header = ControlDataFor<Header>(hwnd, message);
    if (header == nullptr) {
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
    if (LRESULT result = 0; TakeFontMessage(hwnd, message, wParam, lParam, result)) {
        return result;
    }
    if (message >= HDM_FIRST && message <= HDM_LAST) {
        return AnswerHeaderMessage(hwnd, *header, message, wParam, lParam);
    }
    return TakeWindowMessage(hwnd, *header, message, wParam, lParam);
}

}  // namespace zv::headless
