// The subclass chain of the Win32 backend: the system's common controls.
// Their import library names GetWindowSubclass by its ordinal alone, so it is
// looked up once by that.

#include "platform/win/SubclassApi.h"
#include "win32/Win32.h"

// After the system headers that Win32.h includes.
#include <commctrl.h>

namespace zv::win {

using win32::ProcCast;
using win32::ToHwnd;

namespace {

using GetWindowSubclassProc = ::BOOL(WINAPI*)(::HWND, ::SUBCLASSPROC, ::UINT_PTR, ::DWORD_PTR*);

constexpr WORD kGetWindowSubclassOrdinal = 411;

GetWindowSubclassProc SystemGetWindowSubclass() {
    static const auto proc = [] {
        const ::HMODULE module = ::GetModuleHandleA("comctl32.dll");
        return module != nullptr ? ProcCast<GetWindowSubclassProc>(::GetProcAddress(
                                       module, MAKEINTRESOURCEA(kGetWindowSubclassOrdinal)))
                                 : nullptr;
    }();
    return proc;
}

}  // namespace

BOOL SetWindowSubclass(HWND hWnd, SUBCLASSPROC pfnSubclass, UINT_PTR uIdSubclass,
                       DWORD_PTR dwRefData) {
    return ::SetWindowSubclass(ToHwnd(hWnd), ProcCast<::SUBCLASSPROC>(pfnSubclass), uIdSubclass,
                               dwRefData);
}

BOOL GetWindowSubclass(HWND hWnd, SUBCLASSPROC pfnSubclass, UINT_PTR uIdSubclass,
                       DWORD_PTR* pdwRefData) {
    const GetWindowSubclassProc get = SystemGetWindowSubclass();
    if (get == nullptr) {
        if (pdwRefData != nullptr) {
            *pdwRefData = 0;
        }
        return FALSE;
    }
    return get(ToHwnd(hWnd), ProcCast<::SUBCLASSPROC>(pfnSubclass), uIdSubclass, pdwRefData);
}

BOOL RemoveWindowSubclass(HWND hWnd, SUBCLASSPROC pfnSubclass, UINT_PTR uIdSubclass) {
    return ::RemoveWindowSubclass(ToHwnd(hWnd), ProcCast<::SUBCLASSPROC>(pfnSubclass), uIdSubclass);
}

LRESULT DefSubclassProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    return ::DefSubclassProc(ToHwnd(hWnd), uMsg, wParam, lParam);
}

}  // namespace zv::win
