// Positions, sizes and visibility on the headless backend: client areas from
// the frame metrics, SetWindowPos with its changing and changed notices, and
// ShowWindow and EnableWindow with theirs.

#include <algorithm>

#include "headless/core/Focus.h"
#include "headless/core/Geometry.h"
#include "headless/core/WindowSystem.h"
#include "headless/gdi/GdiPaint.h"
#include "platform/win/WinApi.h"
#include "platform/win/WinConstants.h"

namespace zv::headless {

namespace {

int Metric(int index) {
    return System().Metric(index);
}

POINT FrameSize(DWORD style, DWORD exStyle) {
    POINT frame;
    if ((style & WS_THICKFRAME) != 0) {
        frame = {Metric(SM_CXSIZEFRAME), Metric(SM_CYSIZEFRAME)};
    } else if ((style & WS_DLGFRAME) != 0) {
        frame = {Metric(SM_CXFIXEDFRAME), Metric(SM_CYFIXEDFRAME)};
    } else if ((style & WS_BORDER) != 0) {
        frame = {Metric(SM_CXBORDER), Metric(SM_CYBORDER)};
    }
    if ((exStyle & WS_EX_CLIENTEDGE) != 0) {
        frame.x += Metric(SM_CXEDGE);
        frame.y += Metric(SM_CYEDGE);
    }
    return frame;
}

LONG CaptionHeight(DWORD style, DWORD exStyle) {
    if ((style & WS_CAPTION) != WS_CAPTION) {
        return 0;
    }
    return Metric((exStyle & WS_EX_TOOLWINDOW) != 0 ? SM_CYSMCAPTION : SM_CYCAPTION);
}

bool IsSizeable(DWORD style) {
    return (style & WS_THICKFRAME) != 0 || (style & (WS_POPUP | WS_CHILD)) == 0;
}

}  // namespace

RECT ClientRectInside(DWORD style, DWORD exStyle, const RECT& windowRect) {
    const POINT frame = FrameSize(style, exStyle);
    RECT client{windowRect.left + frame.x, windowRect.top + frame.y + CaptionHeight(style, exStyle),
                windowRect.right - frame.x, windowRect.bottom - frame.y};
    if ((style & WS_VSCROLL) != 0) {
        client.right -= Metric(SM_CXVSCROLL);
    }
    if ((style & WS_HSCROLL) != 0) {
        client.bottom -= Metric(SM_CYHSCROLL);
    }
    client.right = std::max(client.right, client.left);
    client.bottom = std::max(client.bottom, client.top);
    return client;
}

void SendSizeAndPlace(const Window& window) {
    const POINT origin = ClientOrigin(window.parent);
    const RECT client = window.client;
    const HWND hwnd = window.handle;
    SendMessageA(hwnd, WM_SIZE, SIZE_RESTORED,
                 MakeLParam(client.right - client.left, client.bottom - client.top));
    SendMessageA(hwnd, WM_MOVE, 0, MakeLParam(client.left - origin.x, client.top - origin.y));
}

POINT ClientOrigin(HWND hwnd) {
    const Window* window = System().Find(hwnd);
    return window == nullptr ? POINT{} : POINT{window->client.left, window->client.top};
}

LRESULT DefNcCalcSize(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    const Window* window = System().Find(hwnd);
    if (window == nullptr || lParam == 0) {
        return 0;
    }
    RECT& proposed = wParam != 0 ? reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0]
                                 : *reinterpret_cast<RECT*>(lParam);
    proposed = ClientRectInside(window->style, window->exStyle, proposed);
    return 0;
}

void DefWindowPosChanging(HWND hwnd, WINDOWPOS& pos) {
    const Window* window = System().Find(hwnd);
    if (window == nullptr || (pos.flags & SWP_NOSIZE) != 0 || !IsSizeable(window->style)) {
        return;
    }
    MINMAXINFO limits;
    limits.ptMinTrackSize = {Metric(SM_CXMINTRACK), Metric(SM_CYMINTRACK)};
    limits.ptMaxTrackSize = {Metric(SM_CXMAXTRACK), Metric(SM_CYMAXTRACK)};
    SendMessageA(hwnd, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
    pos.cx = std::clamp(pos.cx, static_cast<int>(limits.ptMinTrackSize.x),
                        std::max(static_cast<int>(limits.ptMinTrackSize.x),
                                 static_cast<int>(limits.ptMaxTrackSize.x)));
    pos.cy = std::clamp(pos.cy, static_cast<int>(limits.ptMinTrackSize.y),
                        std::max(static_cast<int>(limits.ptMinTrackSize.y),
                                 static_cast<int>(limits.ptMaxTrackSize.y)));
}

void DefWindowPosChanged(HWND hwnd, const WINDOWPOS& pos) {
    const Window* window = System().Find(hwnd);
    if (window == nullptr) {
        return;
    }
    const POINT parentOrigin = ClientOrigin(window->parent);
    const RECT client = window->client;
    if ((pos.flags & SWP_NOCLIENTMOVE) == 0) {
        SendMessageA(hwnd, WM_MOVE, 0,
                     MakeLParam(client.left - parentOrigin.x, client.top - parentOrigin.y));
    }
    if ((pos.flags & SWP_NOCLIENTSIZE) == 0) {
        SendMessageA(hwnd, WM_SIZE, SIZE_RESTORED,
                     MakeLParam(client.right - client.left, client.bottom - client.top));
    }
}

}  // namespace zv::headless

namespace zv::win {

namespace {

using headless::IsChild;
using headless::Offset;
using headless::System;
using headless::Window;

void OffsetDescendants(const Window& window, LONG dx, LONG dy) {
    for (HWND child : window.children) {
        if (Window* descendant = System().Find(child)) {
            descendant->rect = Offset(descendant->rect, dx, dy);
            descendant->client = Offset(descendant->client, dx, dy);
            OffsetDescendants(*descendant, dx, dy);
        }
    }
}

// Fills in what the flags leave unchanged and drops requests that would
// change nothing, as the platform does before it tells the window.
void CompleteRequest(const Window& window, WINDOWPOS& pos) {
    const POINT origin = headless::ClientOrigin(window.parent);
    const int x = window.rect.left - origin.x;
    const int y = window.rect.top - origin.y;
    const int cx = window.rect.right - window.rect.left;
    const int cy = window.rect.bottom - window.rect.top;
    if ((pos.flags & SWP_NOMOVE) != 0 || (pos.x == x && pos.y == y)) {
        pos.flags |= SWP_NOMOVE;
        pos.x = x, pos.y = y;
    }
    if ((pos.flags & SWP_NOSIZE) != 0 || (pos.cx == cx && pos.cy == cy)) {
        pos.flags |= SWP_NOSIZE;
        pos.cx = cx, pos.cy = cy;
    }
    const bool visible = (window.style & WS_VISIBLE) != 0;
    if (visible) {
        pos.flags &= ~SWP_SHOWWINDOW;
    } else {
        pos.flags &= ~SWP_HIDEWINDOW;
    }
}

void Restack(Window& window, HWND insertAfter) {
    Window* parent = System().Find(window.parent);
    auto& siblings = parent->children;
    std::erase(siblings, window.handle);
    if (insertAfter == HWND_BOTTOM) {
        siblings.push_back(window.handle);
        return;
    }
    const auto after = std::find(siblings.begin(), siblings.end(), insertAfter);
    siblings.insert(after == siblings.end() ? siblings.begin() : after + 1, window.handle);
}

// The new client rectangle (screen coordinates) for the new window rectangle.
RECT NewClientRect(HWND hwnd, const Window& window, const RECT& newRect, WINDOWPOS& pos) {
    const bool resized = (pos.flags & SWP_NOSIZE) == 0 || (pos.flags & SWP_FRAMECHANGED) != 0;
    if (!resized) {
        return Offset(window.client, newRect.left - window.rect.left,
                      newRect.top - window.rect.top);
    }
    const POINT origin = headless::ClientOrigin(window.parent);
    NCCALCSIZE_PARAMS params;
    params.rgrc[0] = Offset(newRect, -origin.x, -origin.y);
    params.rgrc[1] = Offset(window.rect, -origin.x, -origin.y);
    params.rgrc[2] = Offset(window.client, -origin.x, -origin.y);
    params.lppos = &pos;
    SendMessageA(hwnd, WM_NCCALCSIZE, TRUE, reinterpret_cast<LPARAM>(&params));
    return Offset(params.rgrc[0], origin.x, origin.y);
}

void ApplyPosition(Window& window, const RECT& newRect, const RECT& newClient, WINDOWPOS& pos) {
    if (newClient.left == window.client.left && newClient.top == window.client.top) {
        pos.flags |= SWP_NOCLIENTMOVE;
    }
    if (newClient.right - newClient.left == window.client.right - window.client.left &&
        newClient.bottom - newClient.top == window.client.bottom - window.client.top) {
        pos.flags |= SWP_NOCLIENTSIZE;
    }
    OffsetDescendants(window, newClient.left - window.client.left,
                      newClient.top - window.client.top);
    window.rect = newRect;
    window.client = newClient;
    if ((pos.flags & SWP_NOZORDER) == 0) {
        Restack(window, pos.hwndInsertAfter);
    }
    if ((pos.flags & SWP_SHOWWINDOW) != 0) {
        window.style |= WS_VISIBLE;
    }
    if ((pos.flags & SWP_HIDEWINDOW) != 0) {
        window.style &= ~WS_VISIBLE;
    }
}

// A hidden window hands the activation over; a window moved without
// SWP_NOACTIVATE is activated (a child only hears WM_CHILDACTIVATE).
void FollowActivation(const Window& window, UINT flags) {
    const HWND hwnd = window.handle;
    if ((flags & SWP_HIDEWINDOW) != 0) {
        headless::HandOverActivation(hwnd);
    } else if ((flags & SWP_NOACTIVATE) == 0) {
        if (IsChild(window)) {
            SendMessageA(hwnd, WM_CHILDACTIVATE, 0, 0);
        } else {
            SetForegroundWindow(hwnd);
        }
    }
}

}  // namespace

BOOL GetWindowRect(HWND hWnd, RECT* lpRect) {
    const Window* window = System().Find(hWnd);
    if (window == nullptr || lpRect == nullptr) {
        return FALSE;
    }
    *lpRect = window->rect;
    return TRUE;
}

BOOL GetClientRect(HWND hWnd, RECT* lpRect) {
    const Window* window = System().Find(hWnd);
    if (window == nullptr || lpRect == nullptr) {
        return FALSE;
    }
    *lpRect = RECT{0, 0, window->client.right - window->client.left,
                   window->client.bottom - window->client.top};
    return TRUE;
}

BOOL ScreenToClient(HWND hWnd, POINT* lpPoint) {
    if (System().Find(hWnd) == nullptr || lpPoint == nullptr) {
        return FALSE;
    }
    const POINT origin = headless::ClientOrigin(hWnd);
    lpPoint->x -= origin.x;
    lpPoint->y -= origin.y;
    return TRUE;
}

BOOL ClientToScreen(HWND hWnd, POINT* lpPoint) {
    if (System().Find(hWnd) == nullptr || lpPoint == nullptr) {
        return FALSE;
    }
    const POINT origin = headless::ClientOrigin(hWnd);
    lpPoint->x += origin.x;
    lpPoint->y += origin.y;
    return TRUE;
}

namespace {

bool SameRect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

// Whether a request left everything as it was: no move or size of window
// or client area, no z-order change asked, nothing shown, hidden, framed
// anew or held back from redrawing. Such a request is not announced as done.
bool ChangedNothing(const RECT& oldRect, const RECT& oldClient, const RECT& newRect,
                    const RECT& newClient, UINT flags) {
    constexpr UINT kStatus =
        SWP_NOZORDER | SWP_FRAMECHANGED | SWP_SHOWWINDOW | SWP_HIDEWINDOW | SWP_NOREDRAW;
    return SameRect(oldRect, newRect) && SameRect(oldClient, newClient) &&
           (flags & kStatus) == SWP_NOZORDER;
}

}  // namespace

BOOL SetWindowPos(HWND hWnd, HWND hWndInsertAfter, int X, int Y, int cx, int cy, UINT uFlags) {
    Window* window = System().Find(hWnd);
    if (window == nullptr || hWnd == GetDesktopWindow()) {
        return FALSE;
    }
    WINDOWPOS pos{hWnd, hWndInsertAfter, X, Y, std::max(cx, 0), std::max(cy, 0), uFlags};
    CompleteRequest(*window, pos);
    if ((pos.flags & SWP_NOSENDCHANGING) == 0) {
        SendMessageA(hWnd, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&pos));
    }
    if ((window = System().Find(hWnd)) == nullptr) {
        return FALSE;
    }
    const POINT origin = headless::ClientOrigin(window->parent);
    const RECT newRect{origin.x + pos.x, origin.y + pos.y, origin.x + pos.x + pos.cx,
                       origin.y + pos.y + pos.cy};
    const RECT newClient = NewClientRect(hWnd, *window, newRect, pos);
    if ((window = System().Find(hWnd)) == nullptr) {
        return FALSE;
    }
    const RECT oldRect = window->rect;
    const RECT oldClient = window->client;
    const bool wasVisible = (window->style & WS_VISIBLE) != 0;
    ApplyPosition(*window, newRect, newClient, pos);
    headless::RepaintAfterPositionChange(hWnd, oldRect, oldClient, wasVisible, pos.flags);
    FollowActivation(*window, pos.flags);
    headless::EraseAfterPositionChange(hWnd, oldRect, wasVisible, pos.flags);
    if ((window = System().Find(hWnd)) == nullptr) {
        return TRUE;
    }
    if (!ChangedNothing(oldRect, oldClient, newRect, newClient, pos.flags)) {
        SendMessageA(hWnd, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&pos));
    }
    return TRUE;
}

BOOL MoveWindow(HWND hWnd, int X, int Y, int nWidth, int nHeight, BOOL bRepaint) {
    const UINT noRedraw = bRepaint ? 0 : SWP_NOREDRAW;
    return SetWindowPos(hWnd, 0, X, Y, nWidth, nHeight, SWP_NOZORDER | SWP_NOACTIVATE | noRedraw);
}

BOOL ShowWindow(HWND hWnd, int nCmdShow) {
    Window* window = System().Find(hWnd);
    if (window == nullptr) {
        return FALSE;
    }
    const bool wasVisible = (window->style & WS_VISIBLE) != 0;
    const bool show = nCmdShow != SW_HIDE;
    if (show == wasVisible) {
        return wasVisible ? TRUE : FALSE;
    }
    SendMessageA(hWnd, WM_SHOWWINDOW, show ? TRUE : FALSE, 0);
    if ((window = System().Find(hWnd)) == nullptr) {
        return wasVisible ? TRUE : FALSE;
    }
    UINT flags = SWP_NOSIZE | SWP_NOMOVE | (show ? SWP_SHOWWINDOW : SWP_HIDEWINDOW);
    if (!show || IsChild(*window) || nCmdShow == SW_SHOWNA || nCmdShow == SW_SHOWNOACTIVATE) {
        flags |= SWP_NOACTIVATE | SWP_NOZORDER;
    }
    SetWindowPos(hWnd, HWND_TOP, 0, 0, 0, 0, flags);
    if (!show) {
        headless::RevertFocus(hWnd);
    }
    if ((window = System().Find(hWnd)) != nullptr && show && window->needSize) {
        window->needSize = false;  // an overlapped window hears them when first shown
        headless::SendSizeAndPlace(*window);
    }
    return wasVisible ? TRUE : FALSE;
}

BOOL IsWindowVisible(HWND hWnd) {
    for (const Window* window = System().Find(hWnd); window != nullptr;
         window = System().Find(window->parent)) {
        if ((window->style & WS_VISIBLE) == 0) {
            return FALSE;
        }
        if (!IsChild(*window)) {
            return TRUE;
        }
    }
    return FALSE;
}

BOOL EnableWindow(HWND hWnd, BOOL bEnable) {
    Window* window = System().Find(hWnd);
    if (window == nullptr) {
        return FALSE;
    }
    const bool wasDisabled = (window->style & WS_DISABLED) != 0;
    if (!bEnable) {
        // Every disabling cancels what the window has under way, even when
        // the window was disabled already.
        SendMessageA(hWnd, WM_CANCELMODE, 0, 0);
        if ((window = System().Find(hWnd)) == nullptr) {
            return FALSE;
        }
    }
    if (wasDisabled == !bEnable) {
        return wasDisabled ? TRUE : FALSE;
    }
    window->style = bEnable ? window->style & ~WS_DISABLED : window->style | WS_DISABLED;
    SendMessageA(hWnd, WM_ENABLE, bEnable ? TRUE : FALSE, 0);
    return wasDisabled ? TRUE : FALSE;
}

BOOL IsWindowEnabled(HWND hWnd) {
    const Window* window = System().Find(hWnd);
    return window != nullptr && (window->style & WS_DISABLED) == 0 ? TRUE : FALSE;
}

int GetSystemMetrics(int nIndex) {
    return System().Metric(nIndex);
}

}  // namespace zv::win
