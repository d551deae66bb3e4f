// Positions, sizes, visibility and enabling on the Win32 backend, passed
// straight through to the system.

#include "win32/Win32.h"

namespace zv::win {

using win32::RecordCast;
using win32::ToHwnd;

BOOL GetWindowRect(HWND hWnd, RECT* lpRect) {
    return ::GetWindowRect(ToHwnd(hWnd), RecordCast<::RECT>(lpRect));
}

BOOL GetClientRect(HWND hWnd, RECT* lpRect) {
    return ::GetClientRect(ToHwnd(hWnd), RecordCast<::RECT>(lpRect));
}

BOOL ScreenToClient(HWND hWnd, POINT* lpPoint) {
    return ::ScreenToClient(ToHwnd(hWnd), RecordCast<::POINT>(lpPoint));
}

BOOL ClientToScreen(HWND hWnd, POINT* lpPoint) {
    return ::ClientToScreen(ToHwnd(hWnd), RecordCast<::POINT>(lpPoint));
}

BOOL SetWindowPos(HWND hWnd, HWND hWndInsertAfter, int X, int Y, int cx, int cy, UINT uFlags) {
    return ::SetWindowPos(ToHwnd(hWnd), ToHwnd(hWndInsertAfter), X, Y, cx, cy, uFlags);
}

BOOL MoveWindow(HWND hWnd, int X, int Y, int nWidth, int nHeight, BOOL bRepaint) {
    return ::MoveWindow(ToHwnd(hWnd), X, Y, nWidth, nHeight, bRepaint);
}

BOOL ShowWindow(HWND hWnd, int nCmdShow) {
    return ::ShowWindow(ToHwnd(hWnd), nCmdShow);
}

BOOL IsWindowVisible(HWND hWnd) {
    return ::IsWindowVisible(ToHwnd(hWnd));
}

BOOL EnableWindow(HWND hWnd, BOOL bEnable) {
    return ::EnableWindow(ToHwnd(hWnd), bEnable);
}

BOOL IsWindowEnabled(HWND hWnd) {
    return ::IsWindowEnabled(ToHwnd(hWnd));
}

int GetSystemMetrics(int nIndex) {
    return ::GetSystemMetrics(nIndex);
}

}  // namespace zv::win
