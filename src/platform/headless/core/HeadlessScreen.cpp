// Displays and system settings, the cursor and the key state, update locks
// and scroll bars on the headless backend.

#include <algorithm>
#include <array>
#include <cstring>
#include <limits>
#include <utility>

#include "headless/core/WindowSystem.h"
#include "headless/gdi/GdiPaint.h"
#include "platform/win/WinApi.h"
#include "platform/win/WinConstants.h"

namespace zv::win {

namespace {

using headless::Monitor;
using headless::System;
using headless::Window;

// Monitor handles are their 1-based place in the list.
HMONITOR HandleOf(std::size_t index) {
    return static_cast<HMONITOR>(index + 1);
}

const Monitor* MonitorOf(HMONITOR handle) {
    const auto& monitors = System().Monitors();
    const auto index = static_cast<std::size_t>(handle - 1);
    return handle >= 1 && index < monitors.size() ? &monitors[index] : nullptr;
}

long long OverlapArea(const RECT& a, const RECT& b) {
    const long long width = std::max(0L, static_cast<long>(std::min(a.right, b.right)) -
                                             static_cast<long>(std::max(a.left, b.left)));
    const long long height = std::max(0L, static_cast<long>(std::min(a.bottom, b.bottom)) -
                                              static_cast<long>(std::max(a.top, b.top)));
    return width * height;
}

// Squared distance between two rectangles (0 when they touch or overlap).
long long Distance(const RECT& a, const RECT& b) {
    const long long dx =
        std::max({0L, static_cast<long>(b.left - a.right), static_cast<long>(a.left - b.right)});
    const long long dy =
        std::max({0L, static_cast<long>(b.top - a.bottom), static_cast<long>(a.top - b.bottom)});
    return dx * dx + dy * dy;
}

HMONITOR MonitorForRect(const RECT& rect, DWORD flags) {
    const auto& monitors = System().Monitors();
    std::size_t best = monitors.size();
    long long bestArea = 0;
    for (std::size_t i = 0; i < monitors.size(); ++i) {
        const long long area = OverlapArea(rect, monitors[i].monitor);
        if (area > bestArea) {
            best = i, bestArea = area;
        }
    }
    if (best < monitors.size()) {
        return HandleOf(best);
    }
    if (flags == MONITOR_DEFAULTTOPRIMARY) {
        return HandleOf(0);
    }
    if (flags != MONITOR_DEFAULTTONEAREST) {
        return 0;
    }
    long long bestDistance = std::numeric_limits<long long>::max();
    for (std::size_t i = 0; i < monitors.size(); ++i) {
        if (const long long distance = Distance(rect, monitors[i].monitor);
            distance < bestDistance) {
            best = i, bestDistance = distance;
        }
    }
    return HandleOf(best);
}

void FillFont(LOGFONTA& font, LONG height, LONG weight) {
    font.lfHeight = height;
    font.lfWeight = weight;
    std::strcpy(font.lfFaceName, "Tahoma");
}

void FillNonClientMetrics(NONCLIENTMETRICSA& metrics) {
    metrics.iBorderWidth = 1;
    metrics.iScrollWidth = GetSystemMetrics(SM_CXVSCROLL);
    metrics.iScrollHeight = GetSystemMetrics(SM_CYHSCROLL);
    metrics.iCaptionWidth = GetSystemMetrics(SM_CXSIZE);
    metrics.iCaptionHeight = GetSystemMetrics(SM_CYSIZE);
    metrics.iSmCaptionWidth = GetSystemMetrics(SM_CXSMSIZE);
    metrics.iSmCaptionHeight = GetSystemMetrics(SM_CYSMSIZE);
    metrics.iMenuWidth = 18;
    metrics.iMenuHeight = 18;
    FillFont(metrics.lfCaptionFont, -11, 700);
    FillFont(metrics.lfSmCaptionFont, -11, 700);
    FillFont(metrics.lfMenuFont, -11, 400);
    FillFont(metrics.lfStatusFont, -11, 400);
    FillFont(metrics.lfMessageFont, -11, 400);
}

SCROLLINFO* ScrollBarOf(HWND hwnd, int bar) {
    Window* window = System().Find(hwnd);
    if (window == nullptr || (bar != SB_HORZ && bar != SB_VERT)) {
        return nullptr;
    }
    return &window->scrollBars[static_cast<std::size_t>(bar)];
}

// The page fits the range and the position keeps a full page in view.
void Normalise(SCROLLINFO& bar) {
    const long long range = static_cast<long long>(bar.nMax) - bar.nMin + 1;
    bar.nPage = static_cast<UINT>(std::clamp<long long>(bar.nPage, 0, std::max(range, 0LL)));
    const long long lastPos = static_cast<long long>(bar.nMax) -
                              std::max<long long>(static_cast<long long>(bar.nPage) - 1, 0);
    bar.nPos = static_cast<int>(
        std::clamp<long long>(bar.nPos, bar.nMin, std::max<long long>(bar.nMin, lastPos)));
}

}  // namespace

HMONITOR MonitorFromWindow(HWND hwnd, DWORD dwFlags) {
    const Window* window = System().Find(hwnd);
    if (window == nullptr) {
        return dwFlags == MONITOR_DEFAULTTONULL ? 0 : HandleOf(0);
    }
    return MonitorForRect(window->rect, dwFlags);
}

HMONITOR MonitorFromRect(const RECT* lprc, DWORD dwFlags) {
    return lprc == nullptr ? 0 : MonitorForRect(*lprc, dwFlags);
}

BOOL GetMonitorInfoA(HMONITOR hMonitor, MONITORINFO* lpmi) {
    const Monitor* monitor = MonitorOf(hMonitor);
    if (monitor == nullptr || lpmi == nullptr || lpmi->cbSize < sizeof(MONITORINFO)) {
        return FALSE;
    }
    lpmi->rcMonitor = monitor->monitor;
    lpmi->rcWork = monitor->work;
    lpmi->dwFlags = hMonitor == HandleOf(0) ? MONITORINFOF_PRIMARY : 0;
    return TRUE;
}

BOOL SystemParametersInfoA(UINT uiAction, UINT, void* pvParam, UINT) {
    if (pvParam == nullptr) {
        return FALSE;
    }
    switch (uiAction) {
        case SPI_GETWORKAREA:
            *static_cast<RECT*>(pvParam) = System().Monitors().front().work;
            return TRUE;
        case SPI_GETNONCLIENTMETRICS:
            FillNonClientMetrics(*static_cast<NONCLIENTMETRICSA*>(pvParam));
            return TRUE;
        default:
            return FALSE;
    }
}

BOOL GetCursorPos(POINT* lpPoint) {
    if (lpPoint == nullptr) {
        return FALSE;
    }
    *lpPoint = System().Cursor();
    return TRUE;
}

BOOL SetCursorPos(int X, int Y) {
    System().Cursor() = POINT{X, Y};
    return TRUE;
}

HCURSOR LoadCursorA(HINSTANCE hInstance, LPCSTR lpCursorName) {
    // Only the system's cursors exist here; they are known by their numbers.
    static constexpr std::array kSystemCursors = {
        IDC_ARROW,   IDC_IBEAM,    IDC_WAIT,     IDC_CROSS,       IDC_UPARROW,
        IDC_ICON,    IDC_SIZENWSE, IDC_SIZENESW, IDC_SIZEWE,      IDC_SIZENS,
        IDC_SIZEALL, IDC_NO,       IDC_HAND,     IDC_APPSTARTING, IDC_HELP};
    const auto id = reinterpret_cast<std::uintptr_t>(lpCursorName);
    const bool known =
        std::find(kSystemCursors.begin(), kSystemCursors.end(), id) != kSystemCursors.end();
    return hInstance == 0 && known ? static_cast<HCURSOR>(id) : 0;
}

HCURSOR SetCursor(HCURSOR hCursor) {
    return std::exchange(System().CursorShape(), hCursor);
}

HCURSOR GetCursor() {
    return System().CursorShape();
}

SHORT GetAsyncKeyState(int vKey) {
    // Mouse buttons are read as the physical buttons, whatever their swapping.
    return System().KeyDown(vKey) ? static_cast<SHORT>(0x8000) : 0;
}

SHORT GetKeyState(int nVirtKey) {
    const BYTE state = headless::CurrentInput().keys[static_cast<std::size_t>(nVirtKey & 0xFF)];
    return static_cast<SHORT>(((state & 0x80) != 0 ? 0x8000 : 0) | (state & 0x01));
}

BOOL LockWindowUpdate(HWND hWndLock) {
    HWND& locked = System().LockedWindow();
    if (hWndLock == 0) {
        // What the lock held back is repainted once, as a whole.
        if (const HWND unlocked = std::exchange(locked, 0); unlocked != 0) {
            headless::InvalidateWhole(unlocked);
        }
        return TRUE;
    }
    if (locked != 0 || System().Find(hWndLock) == nullptr) {
        return FALSE;
    }
    locked = hWndLock;
    return TRUE;
}

int SetScrollInfo(HWND hwnd, int nBar, const SCROLLINFO* lpsi, BOOL) {
    SCROLLINFO* bar = ScrollBarOf(hwnd, nBar);
    if (bar == nullptr || lpsi == nullptr) {
        return 0;
    }
    if ((lpsi->fMask & SIF_RANGE) != 0) {
        bar->nMin = lpsi->nMin;
        bar->nMax = lpsi->nMax;
    }
    if ((lpsi->fMask & SIF_PAGE) != 0) {
        bar->nPage = lpsi->nPage;
    }
    if ((lpsi->fMask & SIF_POS) != 0) {
        bar->nPos = lpsi->nPos;
    }
    Normalise(*bar);
    return bar->nPos;
}

BOOL GetScrollInfo(HWND hwnd, int nBar, SCROLLINFO* lpsi) {
    const SCROLLINFO* bar = ScrollBarOf(hwnd, nBar);
    if (bar == nullptr || lpsi == nullptr) {
        return FALSE;
    }
    if ((lpsi->fMask & SIF_RANGE) != 0) {
        lpsi->nMin = bar->nMin;
        lpsi->nMax = bar->nMax;
    }
    if ((lpsi->fMask & SIF_PAGE) != 0) {
        lpsi->nPage = bar->nPage;
    }
    if ((lpsi->fMask & SIF_POS) != 0) {
        lpsi->nPos = bar->nPos;
    }
    if ((lpsi->fMask & SIF_TRACKPOS) != 0) {
        lpsi->nTrackPos = bar->nPos;
    }
    return TRUE;
}

BOOL ShowScrollBar(HWND hWnd, int wBar, BOOL bShow) {
    Window* window = System().Find(hWnd);
    if (window == nullptr || wBar < SB_HORZ || wBar > SB_BOTH || wBar == 2) {
        return FALSE;
    }
    DWORD bits = 0;
    bits |= wBar == SB_HORZ || wBar == SB_BOTH ? WS_HSCROLL : 0;
    bits |= wBar == SB_VERT || wBar == SB_BOTH ? WS_VSCROLL : 0;
    const DWORD style = bShow ? window->style | bits : window->style & ~bits;
    if (style != window->style) {
        // The bars take their room from the client area.
        window->style = style;
        SetWindowPos(hWnd, 0, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    }
    return TRUE;
}

int ScrollWindowEx(HWND hWnd, int dx, int dy, const RECT*, const RECT*, HANDLE, RECT* prcUpdate,
                   UINT flags) {
    const Window* window = System().Find(hWnd);
    if (window == nullptr || !IsWindowVisible(hWnd)) {
        return 0;  // ERROR: there is nothing on the screen to scroll
    }
    if ((flags & SW_SCROLLCHILDREN) != 0) {
        const std::vector<HWND> children = window->children;
        for (HWND child : children) {
            RECT rect;
            POINT origin{0, 0};
            GetWindowRect(child, &rect);
            ClientToScreen(hWnd, &origin);
            SetWindowPos(child, 0, rect.left - origin.x + dx, rect.top - origin.y + dy, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
        }
    }
    if (prcUpdate != nullptr) {
        *prcUpdate = RECT{};
    }
    return dx != 0 || dy != 0 ? SIMPLEREGION : NULLREGION;
}

}  // namespace zv::win
