// The window functions of the Win32 backend: classes, creation and
// destruction, procedures, relations and texts, passed straight through to
// the system.

#include "win32/Win32.h"

namespace zv::win {

using win32::FromHwnd;
using win32::ProcCast;
using win32::RecordCast;
using win32::ToHwnd;
using win32::ToReal;

ATOM RegisterClassA(const WNDCLASSA* lpWndClass) {
    const ATOM atom = ::RegisterClassA(RecordCast<::WNDCLASSA>(lpWndClass));
    if (atom != 0) {
        win32::RememberClass(lpWndClass->lpszClassName, ToReal<::HINSTANCE>(lpWndClass->hInstance));
    }
    return atom;
}

BOOL UnregisterClassA(LPCSTR lpClassName, HINSTANCE hInstance) {
    const BOOL done = ::UnregisterClassA(lpClassName, ToReal<::HINSTANCE>(hInstance));
    if (done) {
        win32::ForgetClass(lpClassName, ToReal<::HINSTANCE>(hInstance));
    }
    return done;
}

HWND CreateWindowExA(DWORD dwExStyle, LPCSTR lpClassName, LPCSTR lpWindowName, DWORD dwStyle, int X,
                     int Y, int nWidth, int nHeight, HWND hWndParent, HMENU hMenu,
                     HINSTANCE hInstance, void* lpParam) {
    return FromHwnd(::CreateWindowExA(dwExStyle, lpClassName, lpWindowName, dwStyle, X, Y, nWidth,
                                      nHeight, ToHwnd(hWndParent), ToReal<::HMENU>(hMenu),
                                      ToReal<::HINSTANCE>(hInstance), lpParam));
}

BOOL DestroyWindow(HWND hWnd) {
    return ::DestroyWindow(ToHwnd(hWnd));
}

BOOL IsWindow(HWND hWnd) {
    return ::IsWindow(ToHwnd(hWnd));
}

LRESULT ZV_CALLBACK DefWindowProcA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
    return ::DefWindowProcA(ToHwnd(hWnd), Msg, wParam, lParam);
}

LRESULT CallWindowProcA(WNDPROC lpPrevWndFunc, HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
    return ::CallWindowProcA(ProcCast<::WNDPROC>(lpPrevWndFunc), ToHwnd(hWnd), Msg, wParam, lParam);
}

LRESULT SendMessageA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
    return ::SendMessageA(ToHwnd(hWnd), Msg, wParam, lParam);
}

HWND GetDesktopWindow() {
    return FromHwnd(::GetDesktopWindow());
}

HWND GetParent(HWND hWnd) {
    return FromHwnd(::GetParent(ToHwnd(hWnd)));
}

BOOL IsChild(HWND hWndParent, HWND hWnd) {
    return ::IsChild(ToHwnd(hWndParent), ToHwnd(hWnd));
}

HWND GetWindow(HWND hWnd, UINT uCmd) {
    return FromHwnd(::GetWindow(ToHwnd(hWnd), uCmd));
}

int GetWindowTextA(HWND hWnd, LPSTR lpString, int nMaxCount) {
    return ::GetWindowTextA(ToHwnd(hWnd), lpString, nMaxCount);
}

int GetWindowTextLengthA(HWND hWnd) {
    return ::GetWindowTextLengthA(ToHwnd(hWnd));
}

BOOL SetWindowTextA(HWND hWnd, LPCSTR lpString) {
    return ::SetWindowTextA(ToHwnd(hWnd), lpString);
}

int GetClassNameA(HWND hWnd, LPSTR lpClassName, int nMaxCount) {
    return ::GetClassNameA(ToHwnd(hWnd), lpClassName, nMaxCount);
}

DWORD GetWindowThreadProcessId(HWND hWnd, DWORD* lpdwProcessId) {
    ::DWORD process = 0;
    const ::DWORD thread = ::GetWindowThreadProcessId(ToHwnd(hWnd), &process);
    if (lpdwProcessId != nullptr) {
        *lpdwProcessId = process;
    }
    return thread;
}

DWORD GetCurrentThreadId() {
    return ::GetCurrentThreadId();
}

}  // namespace zv::win
