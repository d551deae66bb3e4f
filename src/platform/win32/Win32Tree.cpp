// The window tree beyond parents and siblings on the Win32 backend:
// re-parenting, enumerating and finding windows, window properties and
// processes, passed straight through to the system.

#include "win32/Win32.h"

namespace zv::win {

using win32::FromHwnd;
using win32::ProcCast;
using win32::ToHwnd;

HWND SetParent(HWND hWndChild, HWND hWndNewParent) {
    return FromHwnd(::SetParent(ToHwnd(hWndChild), ToHwnd(hWndNewParent)));
}

BOOL EnumChildWindows(HWND hWndParent, WNDENUMPROC lpEnumFunc, LPARAM lParam) {
    return ::EnumChildWindows(ToHwnd(hWndParent), ProcCast<::WNDENUMPROC>(lpEnumFunc), lParam);
}

HWND FindWindowExA(HWND hWndParent, HWND hWndChildAfter, LPCSTR lpszClass, LPCSTR lpszWindow) {
    return FromHwnd(
        ::FindWindowExA(ToHwnd(hWndParent), ToHwnd(hWndChildAfter), lpszClass, lpszWindow));
}

BOOL SetPropA(HWND hWnd, LPCSTR lpString, HANDLE hData) {
    return ::SetPropA(ToHwnd(hWnd), lpString, reinterpret_cast<::HANDLE>(hData));
}

HANDLE GetPropA(HWND hWnd, LPCSTR lpString) {
    return reinterpret_cast<HANDLE>(::GetPropA(ToHwnd(hWnd), lpString));
}

HANDLE RemovePropA(HWND hWnd, LPCSTR lpString) {
    return reinterpret_cast<HANDLE>(::RemovePropA(ToHwnd(hWnd), lpString));
}

DWORD GetModuleFileNameA(HINSTANCE hModule, LPSTR lpFilename, DWORD nSize) {
    return ::GetModuleFileNameA(win32::ToReal<::HMODULE>(hModule), lpFilename, nSize);
}

DWORD GetCurrentProcessId() {
    return ::GetCurrentProcessId();
}

HANDLE OpenProcess(DWORD dwDesiredAccess, BOOL bInheritHandle, DWORD dwProcessId) {
    return reinterpret_cast<HANDLE>(::OpenProcess(dwDesiredAccess, bInheritHandle, dwProcessId));
}

BOOL CloseHandle(HANDLE hObject) {
    return ::CloseHandle(reinterpret_cast<::HANDLE>(hObject));
}

}  // namespace zv::win
