// Focus, activation and the foreground window on the Win32 backend, passed
// straight through to the system.

#include "win32/Win32.h"

namespace zv::win {

using win32::FromHwnd;
using win32::ToHwnd;

HWND GetFocus() {
    return FromHwnd(::GetFocus());
}

HWND SetFocus(HWND hWnd) {
    return FromHwnd(::SetFocus(ToHwnd(hWnd)));
}

HWND GetActiveWindow() {
    return FromHwnd(::GetActiveWindow());
}

HWND SetActiveWindow(HWND hWnd) {
    return FromHwnd(::SetActiveWindow(ToHwnd(hWnd)));
}

HWND GetForegroundWindow() {
    return FromHwnd(::GetForegroundWindow());
}

BOOL SetForegroundWindow(HWND hWnd) {
    return ::SetForegroundWindow(ToHwnd(hWnd));
}

BOOL BringWindowToTop(HWND hWnd) {
    return ::BringWindowToTop(ToHwnd(hWnd));
}

BOOL AttachThreadInput(DWORD idAttach, DWORD idAttachTo, BOOL fAttach) {
    return ::AttachThreadInput(idAttach, idAttachTo, fAttach);
}

}  // namespace zv::win
