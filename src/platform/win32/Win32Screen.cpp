// Monitors, system settings, the cursor, update locks and scroll bars on the
// Win32 backend, passed straight through to the system.

#include "win32/Win32.h"

namespace zv::win {

using win32::FromReal;
using win32::RecordCast;
using win32::ToHwnd;
using win32::ToReal;

HMONITOR MonitorFromWindow(HWND hwnd, DWORD dwFlags) {
    return FromReal(::MonitorFromWindow(ToHwnd(hwnd), dwFlags));
}

HMONITOR MonitorFromRect(const RECT* lprc, DWORD dwFlags) {
    return FromReal(::MonitorFromRect(RecordCast<::RECT>(lprc), dwFlags));
}

BOOL GetMonitorInfoA(HMONITOR hMonitor, MONITORINFO* lpmi) {
    return ::GetMonitorInfoA(ToReal<::HMONITOR>(hMonitor), RecordCast<::MONITORINFO>(lpmi));
}

// The records it fills (RECT, NONCLIENTMETRICSA) have the real layouts.
BOOL SystemParametersInfoA(UINT uiAction, UINT uiParam, void* pvParam, UINT fWinIni) {
    return ::SystemParametersInfoA(uiAction, uiParam, pvParam, fWinIni);
}

BOOL GetCursorPos(POINT* lpPoint) {
    return ::GetCursorPos(RecordCast<::POINT>(lpPoint));
}

BOOL SetCursorPos(int X, int Y) {
    return ::SetCursorPos(X, Y);
}

HCURSOR LoadCursorA(HINSTANCE hInstance, LPCSTR lpCursorName) {
    return FromReal(::LoadCursorA(ToReal<::HINSTANCE>(hInstance), lpCursorName));
}

HCURSOR SetCursor(HCURSOR hCursor) {
    return FromReal(::SetCursor(ToReal<::HCURSOR>(hCursor)));
}

HCURSOR GetCursor() {
    return FromReal(::GetCursor());
}

SHORT GetAsyncKeyState(int vKey) {
    return ::GetAsyncKeyState(vKey);
}

SHORT GetKeyState(int nVirtKey) {
    return ::GetKeyState(nVirtKey);
}

UINT GetDoubleClickTime() {
    return ::GetDoubleClickTime();
}

BOOL LockWindowUpdate(HWND hWndLock) {
    return ::LockWindowUpdate(ToHwnd(hWndLock));
}

int SetScrollInfo(HWND hwnd, int nBar, const SCROLLINFO* lpsi, BOOL redraw) {
    return ::SetScrollInfo(ToHwnd(hwnd), nBar, RecordCast<::SCROLLINFO>(lpsi), redraw);
}

BOOL GetScrollInfo(HWND hwnd, int nBar, SCROLLINFO* lpsi) {
    return ::GetScrollInfo(ToHwnd(hwnd), nBar, RecordCast<::SCROLLINFO>(lpsi));
}

BOOL ShowScrollBar(HWND hWnd, int wBar, BOOL bShow) {
    return ::ShowScrollBar(ToHwnd(hWnd), wBar, bShow);
}

int ScrollWindowEx(HWND hWnd, int dx, int dy, const RECT* prcScroll, const RECT* prcClip,
                   HANDLE hrgnUpdate, RECT* prcUpdate, UINT flags) {
    return ::ScrollWindowEx(ToHwnd(hWnd), dx, dy, RecordCast<::RECT>(prcScroll),
                            RecordCast<::RECT>(prcClip), reinterpret_cast<::HRGN>(hrgnUpdate),
                            RecordCast<::RECT>(prcUpdate), flags);
}

}  // namespace zv::win
