// The painting protocol of windows on the Win32 backend, passed straight
// through to the system.

#include "platform/win/GdiApi.h"
#include "win32/Win32.h"

namespace zv::win {

using win32::FromReal;
using win32::RecordCast;
using win32::ToHwnd;

BOOL InvalidateRect(HWND hWnd, const RECT* lpRect, BOOL bErase) {
    return ::InvalidateRect(ToHwnd(hWnd), RecordCast<::RECT>(lpRect), bErase);
}

BOOL ValidateRect(HWND hWnd, const RECT* lpRect) {
    return ::ValidateRect(ToHwnd(hWnd), RecordCast<::RECT>(lpRect));
}

BOOL UpdateWindow(HWND hWnd) {
    return ::UpdateWindow(ToHwnd(hWnd));
}

BOOL GetUpdateRect(HWND hWnd, RECT* lpRect, BOOL bErase) {
    return ::GetUpdateRect(ToHwnd(hWnd), RecordCast<::RECT>(lpRect), bErase);
}

HDC BeginPaint(HWND hWnd, PAINTSTRUCT* lpPaint) {
    return FromReal(::BeginPaint(ToHwnd(hWnd), RecordCast<::PAINTSTRUCT>(lpPaint)));
}

BOOL EndPaint(HWND hWnd, const PAINTSTRUCT* lpPaint) {
    return ::EndPaint(ToHwnd(hWnd), RecordCast<::PAINTSTRUCT>(lpPaint));
}

}  // namespace zv::win
